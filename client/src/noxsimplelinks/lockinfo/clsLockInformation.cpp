#include "noxsimplelinks/lockinfo/clsLockInformation.h"

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/lockinfo/frmLockInformation.h"

namespace noxsimplelinks {

using automation::SafeArray;
using automation::Variant;

namespace {

constexpr const char* kFields[] = {"FILE.FILE_NAME", "FILE.LOCK_FLAG", "FILE.LOCKED_BY", "FILE.LOCKED_DATE",
                                   "FILE.LOCKED_TIME"};
constexpr int32_t kModal = 1;

}  // namespace

const automation::MemberTable<clsLockInformation>& clsLockInformation::Members() {
    static const automation::MemberTable<clsLockInformation> table = [] {
        using Self = clsLockInformation;
        automation::MemberTable<Self> t;
        t.ObjectProperty("CallingClass", &Self::CallingClass, &Self::SetCallingClass)
            .Property("TabName", &Self::TabName, &Self::SetTabName)
            .ObjectProperty("mfrmLockInformation", &Self::mfrmLockInformation, &Self::SetmfrmLockInformation)
            .Method("DisplayLockInfo", &Self::DisplayLockInfo);
        return t;
    }();
    return table;
}

clsLockInformation::clsLockInformation() : form_(std::make_shared<frmLockInformation>()) {}

automation::DispatchPtr clsLockInformation::mfrmLockInformation() const { return form_; }

void clsLockInformation::SetmfrmLockInformation(const Variant& form) {
    form_ = std::dynamic_pointer_cast<frmLockInformation>(form.ToObject());
}

std::vector<std::string> clsLockInformation::FileValues() {
    std::vector<std::string> values;
    const Variant caller(callingClass_);
    if (tabName_ == kDatasetTab) {
        const Variant grid = automation::CallOn(caller, "FilesGrid");
        for (const char* field : kFields) values.push_back(automation::CallOn(caller, "getValueFromGridByKey", grid, field).TextOr(""));
        return values;
    }
    std::vector<Variant> fields(std::begin(kFields), std::end(kFields));
    const Variant found = automation::CallOn(caller, "getValuesFromGrid", Variant(SafeArray::Of(fields)));
    for (size_t i = 0; i < fields.size(); ++i)
        values.push_back(found.IsArray() ? found.ToArray().At(found.ToArray().LBound() + static_cast<int32_t>(i)).TextOr("") : "");
    return values;
}

void clsLockInformation::DisplayLockInfo() {
    ReportedStep("clsLockInformation:DisplayLockInfo", [&] {
        automation::RequireObject(Variant(form_));
        form_->SetCallingClass(Variant(shared_from_this()));
        form_->Load();
        const Variant resources = automation::CallOn(automation::CallOn(Variant(callingClass_), "Host"), "objSharedRes");
        auto text = [&](const char* key) { return automation::CallOn(resources, "strResString", key).TextOr(""); };
        form_->SetCaption(text("LBL_DISPLAY_LOCK_INFO"));
        form_->SetText("cmdClose", text("LBL_CLOSE"));
        form_->SetText("lblLock", text("LBL_LOCK") + ":");
        form_->SetText("lblLockedBy", text("LBL_LOCKED_BY") + ":");
        form_->SetText("lblLockDate", text("LBL_LOCKED_DATE") + ":");
        form_->SetText("lblLockTime", text("LBL_LOCKED_TIME") + ":");
        const std::vector<std::string> values = FileValues();
        form_->SetText("lblLockInfo", text("LBL_LOCK_INFO") + " " + values[0] + ":");
        form_->SetText("lblTxtLock", values[1]);
        form_->SetText("lblTxtLockedBy", values[2]);
        form_->SetText("lblTxtLockDate", values[3]);
        form_->SetText("lblTxtLockTime", values[4]);
        form_->Show(kModal);
    });
    // A modal showing has ended; the form lets go of this object even when it was never shown.
    if (form_) form_->Unload();
}

}  // namespace noxsimplelinks
