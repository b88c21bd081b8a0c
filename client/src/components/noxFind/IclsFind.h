#pragma once
// The find component ("noxFind.IclsFind"): a find dialog over a grid. It searches the grid's visible
// data cells for a text, as part of a cell or as the whole cell, matching case or not, and selects
// the rows that hold it; the dialog stays open for the next search until Close. Show hands the dialog
// ("noxFind": txtFind, chkWholeCell, chkMatchCase, lblResult, cmdFind, cmdClose) to the
// user-interface services: a host draws it, a script or a test drives it.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/dialog/Dialog.h"

namespace components {

class IclsFind : public automation::Dispatchable<IclsFind> {
public:
    static constexpr const char* kTypeName = "IclsFind";
    static constexpr const char* kProgId = "noxFind.IclsFind";
    static constexpr const char* kDialogName = "noxFind";
    static const automation::MemberTable<IclsFind>& Members();

    IclsFind();

    std::string Caption() const { return dialog_->Caption(); }
    void SetCaption(const std::string& caption) { dialog_->SetCaption(caption); }
    // Shows the dialog over the grid (modal unless modal is false).
    void Show(const automation::Variant& grid, bool modal);
    platform::Dialog& DialogModel() { return *dialog_; }

    // Selects the data rows holding the text in a visible cell and answers how many there are; no
    // row holding it (or an empty text) leaves the selection as it was. In list-box mode every such row is selected,
    // otherwise the first.
    static int32_t FindRows(const automation::Variant& grid, const std::string& text, bool wholeCell, bool matchCase);

private:
    std::shared_ptr<platform::Dialog> dialog_;
    int clickCookie_ = 0;
};

}  // namespace components
