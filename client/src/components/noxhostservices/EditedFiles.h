#pragma once
// The files this user has taken for editing, kept in the profile ("editedfiles.xml" in the settings
// directory) so that the list outlives the control and the host: every call reads the file, every
// change writes it.
#include <string>
#include <vector>

#include "automation/Dispatchable.h"

namespace components {

class EditedFiles : public automation::Dispatchable<EditedFiles> {
public:
    static constexpr const char* kTypeName = "EditedFiles";
    static constexpr const char* kFileName = "editedfiles.xml";
    static const automation::MemberTable<EditedFiles>& Members();

    // path: the list's file; empty means the one in the profile's settings directory.
    explicit EditedFiles(std::string path = {});

    bool Exists(const std::string& fileId) const;
    // Adding a file already listed, or removing one that is not, changes nothing.
    void Add(const std::string& fileId);
    void Remove(const std::string& fileId);
    int32_t Count() const { return static_cast<int32_t>(Read().size()); }
    std::vector<std::string> Read() const;

private:
    void Write(const std::vector<std::string>& ids) const;

    std::string path_;
};

}  // namespace components
