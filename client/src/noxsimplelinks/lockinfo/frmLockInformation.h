#pragma once
// The lock-information dialog as a model: the file's name in a line of its own, then "Lock:",
// "Locked by:", "Date:" and "Time:" each beside its value, the form's icon and Close. Captions and
// values are set by its CallingClass (clsLockInformation); Close unloads the dialog and releases it.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/dialog/Dialog.h"

namespace noxsimplelinks {

class frmLockInformation : public automation::Dispatchable<frmLockInformation> {
public:
    static constexpr const char* kTypeName = "frmLockInformation";
    static constexpr const char* kDialogName = "frmLockInformation";
    static const automation::MemberTable<frmLockInformation>& Members();

    frmLockInformation();
    ~frmLockInformation() override;
    frmLockInformation(const frmLockInformation&) = delete;
    frmLockInformation& operator=(const frmLockInformation&) = delete;

    automation::DispatchPtr CallingClass() const { return callingClass_; }
    void SetCallingClass(const automation::Variant& caller) { callingClass_ = caller.ToObject(); }

    platform::Dialog& DialogModel() { return *dialog_; }
    std::string Caption() const { return dialog_->Caption(); }
    void SetCaption(const std::string& caption) { dialog_->SetCaption(caption); }
    // Sets a control's caption (a label's text, a button's caption).
    void SetText(const std::string& control, const std::string& text);
    std::string Text(const std::string& control) const;
    // Gives every control the font of the resources "FONT1", "FONT_SMALL_SIZE" and "FONT_CHARSET"
    // (through CallingClass.CallingClass.Host.objSharedRes); a failure leaves the fonts as they are.
    void Load();
    // Shows the dialog; style 1 is modal.
    void Show(int32_t style);
    void Unload();

private:
    std::shared_ptr<platform::Dialog> dialog_;
    automation::DispatchPtr callingClass_;
    int clickCookie_ = 0;
};

}  // namespace noxsimplelinks
