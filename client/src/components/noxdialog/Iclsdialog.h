#pragma once
// The link dialog component ("noxdialog.Iclsdialog"): shows the data of one link from the caller's
// update buffer, lets a person change the link's editable attributes, and writes a change to the
// server ("UpdateLink") through the buffer's communication object (else the calling class's Comm).
// The dialog ("noxdialog") is a headless model: one text box per field of the link data, labelled from
// the UI definitions, enabled for the link's attributes the UI definitions let a person update; OK
// stores a change and closes, Cancel closes. showdialog answers true only when a change was stored.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "platform/dialog/Dialog.h"

namespace components {

class Iclsdialog : public automation::Dispatchable<Iclsdialog> {
public:
    static constexpr const char* kTypeName = "Iclsdialog";
    static constexpr const char* kProgId = "noxdialog.Iclsdialog";
    static constexpr const char* kDialogName = "noxdialog";
    static const automation::MemberTable<Iclsdialog>& Members();

    automation::DispatchPtr CallingClass() const { return callingClass_; }
    void SetCallingClass(const automation::Variant& caller) { callingClass_ = caller.ToObject(); }
    automation::DispatchPtr Buffer() const { return buffer_; }
    void SetBuffer(const automation::Variant& buffer) { buffer_ = buffer.ToObject(); }

    // Shows the link dialog of that name ("ITEM_CUSTOMER", "RELATED_ITEM") over the buffer, modal;
    // true when the person changed the link's data and the server stored it. A buffer without link
    // data raises 5.
    bool showdialog(const std::string& dialogName);
    // The model of the last showing (Nothing before the first).
    std::shared_ptr<platform::Dialog> DialogModel() const { return dialog_; }

private:
    struct Field {
        std::string name, label, value;
        bool editable = false;
    };

    automation::Variant Entry(const std::string& name) const;
    std::vector<Field> ReadFields(const std::string& linkType) const;
    // The keys and values of an end of the link: the buffer's arrays when it has them, else the
    // fields of the link data named by the type's keys.
    std::string EndElement(const std::string& role, const std::string& type, const char* keysEntry,
                           const char* valuesEntry, const std::vector<Field>& fields) const;
    // Writes the changed attributes; "" when stored, else the message to show.
    std::string Store(const std::vector<Field>& fields);

    automation::DispatchPtr callingClass_;
    automation::DispatchPtr buffer_;
    std::shared_ptr<platform::Dialog> dialog_;
};

}  // namespace components
