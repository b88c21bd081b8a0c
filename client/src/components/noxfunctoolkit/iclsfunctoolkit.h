#pragma once
// The function toolkit ("noxfunctoolkit.iclsfunctoolkit"): opens a document in its originating
// application. The keys and values name the object and end with "DOC.ORIGINATING_APP" and the
// application; the object's file is fetched through the file component ("noxfile2.iclsfile", with
// the calling class's Host and Comm) — View a copy, Edit checked out into the edit folder — and
// opened with the program the table of originating applications names, else by the desktop's
// association (platform shell).
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class iclsfunctoolkit : public automation::Dispatchable<iclsfunctoolkit> {
public:
    static constexpr const char* kTypeName = "iclsfunctoolkit";
    static constexpr const char* kProgId = "noxfunctoolkit.iclsfunctoolkit";
    static constexpr const char* kApplicationKey = "DOC.ORIGINATING_APP";
    static const automation::MemberTable<iclsfunctoolkit>& Members();

    automation::DispatchPtr CallingClass() const { return callingClass_; }
    void SetCallingClass(const automation::Variant& caller) { callingClass_ = caller.ToObject(); }

    // True when the document was opened. Without keys and values nothing is opened.
    bool Edit(const std::string& objectType, const automation::Variant& keys, const automation::Variant& values);
    bool View(const std::string& objectType, const automation::Variant& keys, const automation::Variant& values);

private:
    bool Open(bool edit, const std::string& objectType, const automation::Variant& keys, const automation::Variant& values);

    automation::DispatchPtr callingClass_;
};

}  // namespace components
