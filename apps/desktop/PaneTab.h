#pragma once
// One pane in a tab, placed as a client places the control: a site with the host object (and the
// communication object of a served server), the control given the pane's section and the parent,
// then Init. Above its grid the pane's title and toolbar; a busy bar while a load takes longer than a
// moment. Whatever a person does to the grid or the toolbar, the tab shows the models afterwards
// and opens the pop-up menu the control asked for, with the window's own entries after its items.
#include <QWidget>
#include <memory>
#include <string>

#include "GridView.h"
#include "ParentObject.h"
#include "automation/Dispatch.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/site/ControlSite.h"

class QLabel;
class QMenu;
class QProgressBar;
class QTimer;

namespace desktop {

class ToolbarView;

class PaneTab : public QWidget {
    Q_OBJECT
public:
    // server: the served server's URL, or empty for the one the connection settings name (the
    // embedded one by default). Raises std::runtime_error when the served server cannot be reached.
    PaneTab(const std::string& pane, const std::string& label, automation::DispatchPtr section, const ParentObject& parent,
            const std::string& server, QWidget* parentWidget = nullptr);
    ~PaneTab() override;

    const std::string& Pane() const { return pane_; }
    // Whether the control lists anything for this parent in this pane (it builds a request).
    bool Applies();
    // Refresh; an asynchronous load completes when the window pumps the apartment.
    void Load();
    bool Loading() const { return control_->RequestPending(); }
    // Shows the grid, the toolbar and the busy bar as their models are now (the window calls it
    // after every answer, the tab after every action).
    void Sync();
    // Links the objects on the clipboard to the parent (the control's "PasteLinks"), as the rows'
    // pop-up menu and the window's Edit menu and Ctrl+V do; the status line says what came of it.
    void PasteLinks();

    GridView& Grid() { return *grid_; }
    ToolbarView& Tools() { return *tools_; }
    noxsimplelinks::ctlSimpleLinks& Control() { return *control_; }
    // The pop-up menu open over the pane, if any.
    QMenu* OpenMenu() const { return openMenu_; }

signals:
    // Something for the window's status line: the control's requests to its host, exports.
    void status(const QString& text);

private:
    void PlaceControl(automation::DispatchPtr section, const ParentObject& parent, const std::string& server);
    void Acted(const QPoint& at, GridView::MenuPlace place);
    // The busy bar shows once a load has taken longer than a moment, whatever started it.
    void ShowBusy();
    void AddExportActions(QMenu* menu);
    void AddPasteAction(QMenu* menu);
    // Whether the clipboard holds objects picked or copied in a pane (of whatever type).
    static bool ClipboardHoldsObjects();
    void Export(const QString& suffix);

    std::string pane_;
    std::shared_ptr<platform::ControlSite> site_;
    std::shared_ptr<noxsimplelinks::ctlSimpleLinks> control_;
    int eventCookie_ = 0;
    int hostRequests_ = 0;  // the control's requests to its host (ExecuteEvent) so far
    QLabel* title_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QTimer* moment_ = nullptr;
    ToolbarView* tools_ = nullptr;
    GridView* grid_ = nullptr;
    QMenu* openMenu_ = nullptr;
};

}  // namespace desktop
