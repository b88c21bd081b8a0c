#include "noxsimplelinks/lockinfo/frmLockInformation.h"

#include "automation/Text.h"
#include "noxsimplelinks/common/Quietly.h"

namespace noxsimplelinks {

using automation::Variant;
using platform::DialogControlKind;

namespace {

constexpr int32_t kModal = 1;

}  // namespace

const automation::MemberTable<frmLockInformation>& frmLockInformation::Members() {
    static const automation::MemberTable<frmLockInformation> table = [] {
        using Self = frmLockInformation;
        automation::MemberTable<Self> t;
        t.ObjectProperty("CallingClass", &Self::CallingClass, &Self::SetCallingClass)
            .Property("Caption", &Self::Caption, &Self::SetCaption)
            .Property("Dialog", [](Self& self) { return Variant(automation::DispatchPtr(self.dialog_)); })
            .Method("Text", &Self::Text)
            .Method("Show", [](Self& self, const Variant& style) { self.Show(style.IsMissing() ? 0 : style.ToLong()); })
            .Method("Unload", &Self::Unload);
        return t;
    }();
    return table;
}

frmLockInformation::frmLockInformation() : dialog_(std::make_shared<platform::Dialog>(kDialogName, "")) {
    // Each caption label sits before its value, so that a host draws them side by side.
    dialog_->Add(DialogControlKind::Image, "imgFormIcon", "lock");
    dialog_->Add(DialogControlKind::Label, "lblLockInfo");
    for (const char* name : {"Lock", "LockedBy", "LockDate", "LockTime"}) {
        dialog_->Add(DialogControlKind::Label, std::string("lbl") + name);
        dialog_->Add(DialogControlKind::Label, std::string("lblTxt") + name);
    }
    dialog_->Add(DialogControlKind::Button, "cmdClose");
    dialog_->SetDefaultButton("cmdClose");
    dialog_->SetCancelButton("cmdClose");
    clickCookie_ = dialog_->Events()->On("Click", [this](std::string button) {
        if (automation::SameName(button, "cmdClose")) Unload();
    });
}

frmLockInformation::~frmLockInformation() { dialog_->Events()->Disconnect(clickCookie_); }

void frmLockInformation::SetText(const std::string& control, const std::string& text) {
    dialog_->Control(control)->SetCaption(text);
}

std::string frmLockInformation::Text(const std::string& control) const { return dialog_->Control(control)->Caption(); }

void frmLockInformation::Load() {
    Quietly([&] {
        const Variant resources = automation::CallOn(
            automation::CallOn(automation::CallOn(Variant(callingClass_), "CallingClass"), "Host"), "objSharedRes");
        const std::string name = automation::CallOn(resources, "strResString", "FONT1").TextOr("");
        const double size = automation::CallOn(resources, "strResString", "FONT_SMALL_SIZE").ToDouble();
        const int32_t charset = automation::CallOn(resources, "strResString", "FONT_CHARSET").ToLong();
        for (const auto& control : dialog_->Controls()) {
            const auto font = control->Font();
            if (!font) continue;
            font->name = name;
            font->size = size;
            font->charset = charset;
        }
    });
}

void frmLockInformation::Show(int32_t style) { dialog_->Show(style == kModal); }

void frmLockInformation::Unload() {
    if (dialog_->IsOpen()) dialog_->Close("Close");
    callingClass_ = nullptr;
}

}  // namespace noxsimplelinks
