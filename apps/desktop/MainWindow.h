#pragma once
// The object window: the parent chooser, then one tab per pane of the panes file that lists
// anything for the parent, each loading as it opens; the Edit menu pastes into the pane shown. Answers arriving from the server fill their
// panes as the apartment is pumped from Qt's event loop, while the window stays responsive.
#include <QMainWindow>
#include <string>
#include <vector>

#include "ParentObject.h"
#include "PanesFile.h"
#include "automation/Dispatch.h"

class QTabWidget;

namespace desktop {

class PaneTab;
class ParentChooser;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // server: a served server's URL, or empty for the embedded one.
    explicit MainWindow(const std::string& server, QWidget* parent = nullptr);

    // Opens the panes of a parent, as choosing it does.
    void Open(const ParentObject& parent);
    ParentChooser& Chooser() { return *chooser_; }
    QTabWidget& Tabs() { return *tabs_; }
    // The tab of a pane; nullptr when the parent has none.
    PaneTab* Tab(const std::string& pane) const;
    std::vector<PaneTab*> PaneTabs() const;
    bool Loading() const;

private:
    void AddEditMenu();
    void PasteIntoShownPane();
    void Sync();
    void Say(const QString& text);

    std::string server_;
    std::vector<simplelinks::PaneEntry> panes_;
    automation::DispatchPtr panesDocument_;
    ParentChooser* chooser_;
    QTabWidget* tabs_;
};

}  // namespace desktop
