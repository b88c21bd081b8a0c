#pragma once
// Who holds the lock on a file, and since when: fills the lock-information dialog
// (frmLockInformation) from the resources and from the grid of the calling control, and shows it
// modally.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class frmLockInformation;

class clsLockInformation : public automation::Dispatchable<clsLockInformation> {
public:
    static constexpr const char* kTypeName = "clsLockInformation";
    static constexpr const char* kProgId = "noxsimplelinks.clsLockInformation";
    // The grid definition of the dataset view, whose files grid holds the values.
    static constexpr const char* kDatasetTab = "DOC_DATASET";
    static const automation::MemberTable<clsLockInformation>& Members();

    clsLockInformation();

    // The attached-items control: it answers Host, getValuesFromGrid, getValueFromGridByKey and FilesGrid.
    automation::DispatchPtr CallingClass() const { return callingClass_; }
    void SetCallingClass(const automation::Variant& caller) { callingClass_ = caller.ToObject(); }
    std::string TabName() const { return tabName_; }
    void SetTabName(const std::string& name) { tabName_ = name; }
    automation::DispatchPtr mfrmLockInformation() const;
    void SetmfrmLockInformation(const automation::Variant& form);

    // Shows the dialog for the selected file; a failure is reported to the user.
    void DisplayLockInfo();

private:
    // The five values of the file, in field order.
    std::vector<std::string> FileValues();

    automation::DispatchPtr callingClass_;
    std::string tabName_;
    std::shared_ptr<frmLockInformation> form_;
};

}  // namespace noxsimplelinks
