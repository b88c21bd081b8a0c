// The desktop window on the sample, driven as a person drives it: every sample parent's panes
// loaded and compared with their models, rows clicked, Ctrl+A, right clicks, a header sort, a column
// dragged, tools and drop-down menus pressed, a message box answered, the find dialog used, rows
// copied to the system clipboard and pasted into a pane of another parent, the grid exported; and a window on a served server, its parent
// picked among the server's objects, showing the busy bar while the server keeps it waiting.
// Screenshots of every pane go to the build folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QStatusBar>
#include <QToolButton>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "DesktopSession.h"
#include "DialogView.h"
#include "GridView.h"
#include "MainWindow.h"
#include "PaneTab.h"
#include "ParentChooser.h"
#include "ToolbarView.h"
#include "platform/grid/FlexGrid.h"
#include "platform/toolbar/Tool.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"

namespace desktop {
namespace {

constexpr int kLoadTimeoutMs = 30000;

// The test's own folder (profile, stores, exports), made by main.
std::filesystem::path testHome;

// The reference server served by the command-line host on a free port, without login, on a store of
// its own filled from the sample. It can be paused (SIGSTOP), as a server that keeps its clients waiting.
class ServedServer {
public:
    explicit ServedServer(const std::filesystem::path& store) {
        process_.start(NOX_SIMPLELINKS, {"serve", "--db", QString::fromStdString(store.string()), "--port", "0", "--no-auth"});
        if (process_.waitForReadyRead(kLoadTimeoutMs)) url_ = process_.readLine().trimmed().toStdString();
    }
    ~ServedServer() {
        Resume();
        process_.terminate();
        process_.waitForFinished(5000);
    }
    const std::string& Url() const { return url_; }
    void Pause() { ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP); }
    void Resume() { ::kill(static_cast<pid_t>(process_.processId()), SIGCONT); }

private:
    QProcess process_;
    std::string url_;
};

platform::ToolbarControl& ToolbarOf(PaneTab& tab) { return dynamic_cast<platform::ToolbarControl&>(*tab.Control().ToolBar()); }

class DesktopWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session_ = new DesktopSession("");
        window_ = new MainWindow("");
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    }
    static void TearDownTestSuite() {
        delete window_;
        delete session_;
    }
    void TearDown() override {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    }

    // Opens a parent through the chooser and waits until its panes are loaded.
    static void Open(const std::string& type, const std::string& keys) {
        window_->Chooser().Choose(type, keys);
        ASSERT_GT(window_->Tabs().count(), 0) << type << " " << keys;
        WaitLoaded(*window_);
    }
    static void WaitLoaded(MainWindow& window) {
        ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Loading(); }, kLoadTimeoutMs));
        QApplication::processEvents();
    }
    static PaneTab& Show(const std::string& pane) {
        PaneTab* tab = window_->Tab(pane);
        EXPECT_NE(tab, nullptr) << pane;
        window_->Tabs().setCurrentWidget(tab);
        QApplication::processEvents();
        return *tab;
    }
    static QPoint CellCenter(GridView& view, int row, int col) { return view.visualRect(view.model()->index(row, col)).center(); }
    static QPoint HeaderPoint(GridView& view, int col) {
        QHeaderView* header = view.horizontalHeader();
        return {header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2};
    }
    // Right-clicks the header of a column: the pane's header menu with the export.
    static QMenu* HeaderMenu(PaneTab& tab, int col) {
        GridView& view = tab.Grid();
        const QPoint at = HeaderPoint(view, col);
        QContextMenuEvent onHeader(QContextMenuEvent::Mouse, at, view.horizontalHeader()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.horizontalHeader()->viewport(), &onHeader);
        return tab.OpenMenu();
    }
    static QAction* MenuAction(QMenu& menu, const std::string& id) {
        for (QAction* action : menu.actions())
            if (action->objectName().toStdString() == id) return action;
        return nullptr;
    }
    static int FirstVisibleColumn(GridView& view) {
        for (int col = 0; col < view.model()->columnCount(); ++col)
            if (!view.isColumnHidden(col)) return col;
        return 0;
    }

    // The view shows exactly what the grid and toolbar models hold.
    static void ExpectViewShowsModels(PaneTab& tab) {
        GridView& view = tab.Grid();
        platform::FlexGrid& grid = view.Grid();
        const int fixed = grid.FixedRows();
        ASSERT_EQ(view.model()->rowCount(), grid.Rows() - fixed) << tab.Pane();
        ASSERT_EQ(view.model()->columnCount(), grid.Cols()) << tab.Pane();
        for (int col = 0; col < grid.Cols(); ++col) {
            SCOPED_TRACE(tab.Pane() + " column " + grid.ColKey(col));
            EXPECT_EQ(view.horizontalHeader()->visualIndex(col), col);
            EXPECT_EQ(view.model()->headerData(col, Qt::Horizontal).toString().toStdString(), grid.TextMatrix(0, col));
            EXPECT_EQ(view.isColumnHidden(col), grid.ColHidden(col));
            if (!grid.ColHidden(col)) {
                EXPECT_EQ(view.columnWidth(col), PixelsOf(grid.ColWidth(col)));
            }
            for (int row = 0; row < view.model()->rowCount(); ++row)
                EXPECT_EQ(view.model()->index(row, col).data().toString().toStdString(), grid.TextMatrix(fixed + row, col));
        }
        for (int row = 0; row < view.model()->rowCount(); ++row)
            EXPECT_EQ(view.selectionModel()->isRowSelected(row), grid.IsSelected(fixed + row)) << tab.Pane() << " row " << row;
        for (const auto& tool : ToolbarOf(tab).Tools()->Items()) {
            QAction* action = tab.Tools().Action(tool->ID());
            if (!action) continue;
            SCOPED_TRACE(tab.Pane() + " tool " + tool->ID());
            EXPECT_EQ(action->isVisible(), tool->Visible());
            if (tool->Visible()) {
                EXPECT_EQ(action->isEnabled(), tool->Enabled());  // hidden actions are disabled
            }
            EXPECT_EQ(action->isChecked(), tool->State() != 0);
        }
    }
    static std::vector<std::string> EnabledTools(PaneTab& tab) {
        std::vector<std::string> enabled;
        for (const auto& tool : ToolbarOf(tab).Tools()->Items())
            if (tool->Enabled() && tab.Tools().Action(tool->ID())) enabled.push_back(tool->ID());
        return enabled;
    }
    static void Screenshot(QWidget& widget, const std::string& name) {
        QDir().mkpath(NOX_SCREENSHOTS);
        EXPECT_TRUE(widget.grab().save(QString::fromStdString(std::string(NOX_SCREENSHOTS) + "/" + name + ".png")));
    }
    // Answers the next message box with the button of that caption, telling what it showed.
    static void AnswerNextBox(const QString& button, QString& text, QMessageBox::Icon& icon) {
        QTimer::singleShot(100, [button, &text, &icon] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* candidate : box->buttons())
                if (candidate->text() == button) candidate->click();
        });
    }

    // A dialog view on the screen, whatever window it belongs to.
    static DialogView* ShownDialog(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* view = qobject_cast<DialogView*>(top); view && view->objectName() == name && view->isVisible()) return view;
            for (auto* view : top->findChildren<DialogView*>(name))
                if (view->isVisible()) return view;
        }
        return nullptr;
    }

    static DesktopSession* session_;
    static MainWindow* window_;
};

DesktopSession* DesktopWindowTest::session_ = nullptr;
MainWindow* DesktopWindowTest::window_ = nullptr;

TEST_F(DesktopWindowTest, EverySampleParentOpensItsPanesAsTheirModelsHoldThem) {
    auto* samples = window_->Chooser().findChild<QComboBox*>("samples");
    ASSERT_NE(samples, nullptr);
    ASSERT_GT(samples->count(), 5);
    std::set<std::string> panesSeen;
    for (int i = 1; i < samples->count(); ++i) {
        const QString sample = samples->itemText(i);
        SCOPED_TRACE(sample.toStdString());
        const qsizetype space = sample.indexOf(' ');
        Open(sample.left(space).toStdString(), sample.mid(space + 1).toStdString());
        for (PaneTab* tab : window_->PaneTabs()) {
            Show(tab->Pane());
            ExpectViewShowsModels(*tab);
            EXPECT_TRUE(tab->findChild<QLabel*>("title")->text().startsWith(window_->Tabs().tabText(window_->Tabs().indexOf(tab))));
            if (panesSeen.insert(tab->Pane()).second) Screenshot(*window_, tab->Pane());
        }
    }
    // Every pane of the panes file has a sample parent that shows it.
    EXPECT_GE(panesSeen.size(), 20u);
    EXPECT_TRUE(panesSeen.count("FILES") && panesSeen.count("HISTORY") && panesSeen.count("DOCUMENTS"));
}

TEST_F(DesktopWindowTest, ClicksAndCtrlASelectRowsAndTheToolsFollow) {
    Open("DOC", "DOC_ID=D100 REVISION=B");
    PaneTab& tab = Show("FILES");
    GridView& view = tab.Grid();
    platform::FlexGrid& grid = view.Grid();
    ASSERT_GE(view.model()->rowCount(), 3);
    const std::vector<std::string> nothingSelected = EnabledTools(tab);
    const int col = FirstVisibleColumn(view);

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCenter(view, 0, col));
    EXPECT_TRUE(grid.IsSelected(grid.FixedRows()));
    EXPECT_EQ(grid.Row(), grid.FixedRows());
    EXPECT_NE(EnabledTools(tab), nothingSelected);
    ExpectViewShowsModels(tab);

    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCenter(view, 2, col));
    EXPECT_TRUE(grid.IsSelected(grid.FixedRows()));
    EXPECT_TRUE(grid.IsSelected(grid.FixedRows() + 2));
    EXPECT_FALSE(grid.IsSelected(grid.FixedRows() + 1));
    ExpectViewShowsModels(tab);

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid.SelectedRows(), grid.Rows() - grid.FixedRows());
    ExpectViewShowsModels(tab);
    Screenshot(*window_, "FILES-selected");
}

TEST_F(DesktopWindowTest, RightClicksOpenThePanesMenusWithTheWindowsPasteAndExportAfterTheirItems) {
    Open("DOC", "DOC_ID=D100 REVISION=B");
    {
        PaneTab& files = Show("FILES");
        GridView& view = files.Grid();
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, CellCenter(view, 0, FirstVisibleColumn(view)));
        ASSERT_NE(files.OpenMenu(), nullptr);
        EXPECT_TRUE(files.OpenMenu()->isVisible());
        platform::ToolbarControl& toolbar = ToolbarOf(files);
        EXPECT_EQ(toolbar.LastPopupMenu(), "ID_Prop_PopUp_File");
        std::vector<std::string> shown, modelled;
        for (QAction* action : files.OpenMenu()->actions())
            if (!action->isSeparator()) shown.push_back(action->objectName().toStdString());
        for (const auto& item : toolbar.ToolById("ID_Prop_PopUp_File")->Menu()->Tools()->Items())
            if (item->Visible()) modelled.push_back(item->ID());
        modelled.push_back("paste");  // the window's own entry after the control's items
        EXPECT_EQ(shown, modelled);
        files.OpenMenu()->close();
        QApplication::processEvents();
    }

    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("DOCUMENTS");
    GridView& view = tab.Grid();
    platform::ToolbarControl& toolbar = ToolbarOf(tab);

    const int title = view.Grid().ColIndex("DOC.TITLE");
    ASSERT_GE(title, 0);
    QMenu* menu = HeaderMenu(tab, title);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(toolbar.LastPopupMenu(), "ID_Prop_PopUp_Grid_Header_Right_Click");
    EXPECT_NE(MenuAction(*menu, "export:csv"), nullptr);
    EXPECT_NE(MenuAction(*menu, "export:xlsx"), nullptr);
    QAction* remove = MenuAction(*menu, "ID_Prop_Remove_Column");
    ASSERT_NE(remove, nullptr);
    remove->trigger();
    EXPECT_TRUE(view.Grid().ColHidden(title));
    EXPECT_TRUE(view.isColumnHidden(title));
    ExpectViewShowsModels(tab);
}

TEST_F(DesktopWindowTest, AHeaderClickSortsAndDraggedColumnsMoveAndResizeInTheModel) {
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("DOCUMENTS");
    GridView& view = tab.Grid();
    platform::FlexGrid& grid = view.Grid();
    const int status = grid.ColIndex("DOC.STATUS");
    ASSERT_GE(status, 0);
    int sorts = 0;
    const int cookie = grid.Events()->On("AfterSort", [&](int32_t, int16_t) { ++sorts; });
    QTest::mouseClick(view.horizontalHeader()->viewport(), Qt::LeftButton, {}, HeaderPoint(view, status));
    grid.Events()->Disconnect(cookie);
    EXPECT_EQ(sorts, 1);
    EXPECT_TRUE(view.horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), status);
    // Ascending, or descending when the rows stood in ascending order already; the header says which.
    const bool ascending = view.horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    for (int row = grid.FixedRows() + 1; row < grid.Rows(); ++row) {
        const std::string& above = grid.TextMatrix(row - 1, status);
        const std::string& below = grid.TextMatrix(row, status);
        EXPECT_TRUE(ascending ? above <= below : above >= below) << above << " / " << below;
    }
    ExpectViewShowsModels(tab);

    // As a drag of the header does: a movable column moves in the grid, an unmovable one stays.
    QHeaderView* header = view.horizontalHeader();
    auto drag = [&](const char* from, const char* to) {
        header->moveSection(header->visualIndex(grid.ColIndex(from)), header->visualIndex(grid.ColIndex(to)));
        QApplication::processEvents();
    };
    const int type = grid.ColIndex("DOC.DOC_TYPE");
    drag("DOC.DOC_TYPE", "DOC.STATUS");
    EXPECT_EQ(grid.ColKey(status), "DOC.DOC_TYPE");
    EXPECT_EQ(grid.ColKey(type), "DOC.STATUS");
    ExpectViewShowsModels(tab);
    const int id = grid.ColIndex("DOC.DOC_ID");
    drag("DOC.DOC_ID", "DOC.DOC_TYPE");
    EXPECT_EQ(grid.ColIndex("DOC.DOC_ID"), id);
    ExpectViewShowsModels(tab);

    // A border let go at a new place gives the column its width in the grid.
    const int moved = grid.ColIndex("DOC.STATUS");
    const int wider = PixelsOf(grid.ColWidth(moved)) + 40;
    header->resizeSection(moved, wider);
    EXPECT_EQ(grid.ColWidth(moved), TwipsOf(wider));
    ExpectViewShowsModels(tab);
    Screenshot(*window_, "DOCUMENTS-sorted");
}

TEST_F(DesktopWindowTest, AToolThatCannotActAsksInAMessageBox) {
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("HISTORY");
    GridView& view = tab.Grid();
    ASSERT_GE(view.model()->rowCount(), 3);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCenter(view, 2, FirstVisibleColumn(view)));
    QAction* openOrder = tab.Tools().Action("ID_Prop_Open_EO");
    ASSERT_NE(openOrder, nullptr);
    ASSERT_TRUE(openOrder->isEnabled());
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    AnswerNextBox("OK", text, icon);
    QTest::mouseClick(tab.Tools().widgetForAction(openOrder), Qt::LeftButton);
    EXPECT_TRUE(text.contains("cannot be opened in a collection")) << text.toStdString();
    EXPECT_EQ(icon, QMessageBox::Warning);
    ExpectViewShowsModels(tab);
}

TEST_F(DesktopWindowTest, TheFindToolShowsTheFindDialogWhichSelectsTheRowFound) {
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("DOCUMENTS");
    QAction* find = tab.Tools().Action("ID_Prop_Find");
    ASSERT_NE(find, nullptr);
    QTest::mouseClick(tab.Tools().widgetForAction(find), Qt::LeftButton);
    DialogView* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = ShownDialog("noxFind")) != nullptr; }, 2000));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClicks(qobject_cast<QLineEdit*>(dialog->Widget("txtFind")), "D200");
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->Widget("cmdFind")), Qt::LeftButton);
    EXPECT_EQ(qobject_cast<QLabel*>(dialog->Widget("lblResult"))->text(), "1 row found");
    Screenshot(*dialog, "noxFind");
    tab.Sync();
    platform::FlexGrid& grid = tab.Grid().Grid();
    ASSERT_EQ(grid.SelectedRows(), 1);
    EXPECT_EQ(grid.TextMatrix(grid.SelectedRow(0), grid.ColIndex("DOC.DOC_ID")), "D200");
    ExpectViewShowsModels(tab);
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->Widget("cmdClose")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([] { return ShownDialog("noxFind") == nullptr; }, 2000));
}


// The actions of the pop-up menu open on the screen, by name; the menu is closed after.
std::vector<std::string> TakeShownMenu() {
    std::vector<std::string> names;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) names.push_back(action->objectName().toStdString());
        menu->close();
    }
    return names;
}

TEST_F(DesktopWindowTest, DropDownButtonsAndMenusOpenTheMenusTheirModelsName) {
    int menusOpened = 0;
    for (const auto& [type, keys] : {std::pair{"ITEM", "ITEM_KEY=A100 REVISION=B"}, std::pair{"DOC", "DOC_ID=D100 REVISION=B"}}) {
        Open(type, keys);
        for (PaneTab* tab : window_->PaneTabs()) {
            Show(tab->Pane());
            platform::ToolbarControl& toolbar = ToolbarOf(*tab);
            for (const auto& tool : toolbar.Tools()->Items()) {
                QAction* action = tab->Tools().Action(tool->ID());
                if (!action || !action->menu() || !action->isVisible() || !action->isEnabled()) continue;
                SCOPED_TRACE(tab->Pane() + " " + tool->ID());
                auto* button = qobject_cast<QToolButton*>(tab->Tools().widgetForAction(action));
                ASSERT_NE(button, nullptr);
                // A click on the arrow (on the whole button of a menu) opens the menu in a loop of its own.
                std::vector<std::string> shown;
                QTimer::singleShot(50, [&shown] { shown = TakeShownMenu(); });
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 4, button->height() / 2));
                const std::string menuId = tool->Type() == platform::kToolMenu ? tool->ID() : toolbar.LastPopupMenu();
                std::vector<std::string> modelled;
                for (const auto& item : toolbar.ToolById(menuId)->Menu()->Tools()->Items())
                    if (item->Visible()) modelled.push_back(item->ID());
                EXPECT_FALSE(shown.empty());
                EXPECT_EQ(shown, modelled);
                ++menusOpened;
            }
        }
    }
    EXPECT_GT(menusOpened, 0);
}

TEST_F(DesktopWindowTest, CopiedRowsGoToTheSystemClipboard) {
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("DOCUMENTS");
    GridView& view = tab.Grid();
    platform::FlexGrid& grid = view.Grid();
    QGuiApplication::clipboard()->setText("something of another program");
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, CellCenter(view, 1, FirstVisibleColumn(view)));
    QAction* copy = tab.Tools().Action("ID_Prop_Copy");
    ASSERT_NE(copy, nullptr);
    ASSERT_TRUE(copy->isEnabled());
    QTest::mouseClick(tab.Tools().widgetForAction(copy), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("<NOX_CLIPBOARD>")) << copied.toStdString();
    const std::string key = "<DOC.DOC_ID Value = \"" + grid.TextMatrix(grid.Row(), grid.ColIndex("DOC.DOC_ID")) + "\" />";
    EXPECT_TRUE(copied.contains(QString::fromStdString(key))) << copied.toStdString();
}

// The row of the grid whose column holds the value; -1 when none does.
int RowWith(platform::FlexGrid& grid, const std::string& column, const std::string& value) {
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        if (grid.TextMatrix(row, grid.ColIndex(column)) == value) return row;
    return -1;
}

TEST_F(DesktopWindowTest, ARowCopiedInOnePanePastesAsALinkOfAnotherParentFromThePopUpMenuOrWithCtrlV) {
    window_->activateWindow();  // Ctrl+V is the window's shortcut
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    // Right-clicks below the rows and gives the pane's paste entry (the menu is closed after).
    auto pasteEntry = [](PaneTab& tab, std::function<void(QAction&)> use) {
        GridView& view = tab.Grid();
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(20, view.viewport()->height() - 10));
        ASSERT_NE(tab.OpenMenu(), nullptr);
        QAction* paste = MenuAction(*tab.OpenMenu(), "paste");
        ASSERT_NE(paste, nullptr);
        use(*paste);
        if (tab.OpenMenu()) tab.OpenMenu()->close();
        WaitLoaded(*window_);
    };

    // Another program's text pastes nothing: the entry is disabled, Ctrl+V says so.
    QGuiApplication::clipboard()->setText("something of another program");
    Open("ITEM", "ITEM_KEY=P110 REVISION=A");
    platform::FlexGrid& target = Show("DOCUMENTS").Grid().Grid();
    ASSERT_EQ(RowWith(target, "DOC.DOC_ID", "D200"), -1);
    pasteEntry(Show("DOCUMENTS"), [](QAction& paste) { EXPECT_FALSE(paste.isEnabled()); });
    const int rows = target.Rows();
    QTest::keyClick(&Show("DOCUMENTS").Grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(window_->statusBar()->currentMessage().contains("holds nothing")) << window_->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(target.Rows(), rows);

    // D200 copied from the documents of A100/B, with the pane's own Copy.
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& source = Show("DOCUMENTS");
    GridView& sourceView = source.Grid();
    const int d200 = RowWith(sourceView.Grid(), "DOC.DOC_ID", "D200");
    ASSERT_GT(d200, 0);
    QTest::mouseClick(sourceView.viewport(), Qt::LeftButton, {},
                      CellCenter(sourceView, d200 - sourceView.Grid().FixedRows(), FirstVisibleColumn(sourceView)));
    QAction* copy = source.Tools().Action("ID_Prop_Copy");
    ASSERT_NE(copy, nullptr);
    QTest::mouseClick(source.Tools().widgetForAction(copy), Qt::LeftButton);

    // Pasted into the documents of P110/A from the pop-up menu, into those of P140/A with Ctrl+V.
    Open("ITEM", "ITEM_KEY=P110 REVISION=A");
    PaneTab& fromMenu = Show("DOCUMENTS");
    pasteEntry(fromMenu, [](QAction& paste) {
        ASSERT_TRUE(paste.isEnabled());
        paste.trigger();
    });
    EXPECT_GT(RowWith(fromMenu.Grid().Grid(), "DOC.DOC_ID", "D200"), 0);
    EXPECT_TRUE(window_->statusBar()->currentMessage().startsWith("Pasted into")) << window_->statusBar()->currentMessage().toStdString();
    ExpectViewShowsModels(fromMenu);

    Open("ITEM", "ITEM_KEY=P140 REVISION=A");
    PaneTab& fromKey = Show("DOCUMENTS");
    ASSERT_EQ(RowWith(fromKey.Grid().Grid(), "DOC.DOC_ID", "D200"), -1);
    QTest::keyClick(&fromKey.Grid(), Qt::Key_V, Qt::ControlModifier);
    WaitLoaded(*window_);
    EXPECT_GT(RowWith(fromKey.Grid().Grid(), "DOC.DOC_ID", "D200"), 0);
    ExpectViewShowsModels(fromKey);
    Screenshot(*window_, "DOCUMENTS-pasted");
}

TEST_F(DesktopWindowTest, TheHeaderMenuExportsTheGridAsCsvAndAsAWorkbook) {
    Open("ITEM", "ITEM_KEY=A100 REVISION=B");
    PaneTab& tab = Show("DOCUMENTS");
    platform::FlexGrid& grid = tab.Grid().Grid();
    const int id = grid.ColIndex("DOC.DOC_ID");
    ASSERT_GE(id, 0);
    for (const std::string suffix : {"csv", "xlsx"}) {
        SCOPED_TRACE(suffix);
        const std::filesystem::path path = testHome / ("documents-export." + suffix);
        QMenu* menu = HeaderMenu(tab, id);
        ASSERT_NE(menu, nullptr);
        QAction* exportAction = MenuAction(*menu, "export:" + suffix);
        ASSERT_NE(exportAction, nullptr);
        // The save dialog is answered with the path, as a person types it.
        QTimer::singleShot(300, [&path] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path.string()));
                static_cast<QDialog*>(dialog)->accept();  // as its Save button does
            }
        });
        exportAction->trigger();
        menu->close();
        EXPECT_TRUE(window_->statusBar()->currentMessage().endsWith(QString::fromStdString(path.string())));
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        if (suffix == "csv") {
            EXPECT_TRUE(content.contains(grid.TextMatrix(0, id).c_str()));
            EXPECT_TRUE(content.contains(grid.TextMatrix(grid.FixedRows(), id).c_str()));
        } else {
            EXPECT_TRUE(content.startsWith("PK"));  // a workbook is a zip archive
        }
    }
}

TEST_F(DesktopWindowTest, AServedServerListsItsObjectsForThePickAndAWaitForItShowsTheBusyBar) {
    ServedServer served(testHome / "served.db");
    ASSERT_FALSE(served.Url().empty());
    MainWindow window(served.Url());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // The parent is picked among the documents the server lists; a type nobody knows lists nothing.
    auto* type = window.Chooser().findChild<QLineEdit*>("type");
    auto* browse = window.Chooser().findChild<QPushButton*>("browse");
    auto* objects = window.Chooser().findChild<QComboBox*>("objects");
    ASSERT_TRUE(type && browse && objects);
    QTest::keyClicks(type, "NO_SUCH_TYPE");
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_FALSE(objects->isEnabled());
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("NO_SUCH_TYPE")) << window.statusBar()->currentMessage().toStdString();
    type->clear();
    QTest::keyClicks(type, "DOC");
    QTest::mouseClick(browse, Qt::LeftButton);
    const int d100 = objects->findText("DOC_ID=D100 REVISION=B");
    ASSERT_GT(d100, 0);
    EXPECT_GT(objects->count(), 3);
    objects->setCurrentIndex(d100);
    emit objects->activated(d100);
    ASSERT_NE(window.Tab("FILES"), nullptr);
    WaitLoaded(window);
    PaneTab& files = *window.Tab("FILES");
    window.Tabs().setCurrentWidget(&files);
    ExpectViewShowsModels(files);
    Open("DOC", "DOC_ID=D100 REVISION=B");  // the same rows as from the embedded server
    EXPECT_EQ(files.Grid().model()->rowCount(), Show("FILES").Grid().model()->rowCount());

    // While the server keeps the pane waiting, the busy bar shows and the window goes on answering.
    auto* busy = files.findChild<QProgressBar*>("busy");
    ASSERT_NE(busy, nullptr);
    QAction* refresh = files.Tools().Action("ID_Prop_Refresh");
    ASSERT_NE(refresh, nullptr);
    served.Pause();
    std::thread safety([&served] {  // should a click wait for the answer, the server goes on after a while
        std::this_thread::sleep_for(std::chrono::seconds(5));
        served.Resume();
    });
    QTest::mouseClick(files.Tools().widgetForAction(refresh), Qt::LeftButton);
    EXPECT_TRUE(files.Loading());
    QTest::qWait(700);
    EXPECT_TRUE(busy->isVisible());
    Screenshot(window, "FILES-busy");
    const int other = window.Tabs().indexOf(&files) == 0 ? 1 : 0;
    QTest::mouseClick(window.Tabs().tabBar(), Qt::LeftButton, {}, window.Tabs().tabBar()->tabRect(other).center());
    EXPECT_EQ(window.Tabs().currentIndex(), other);
    EXPECT_TRUE(files.Loading());
    served.Resume();
    WaitLoaded(window);
    EXPECT_FALSE(busy->isVisibleTo(&files));
    ExpectViewShowsModels(files);
    safety.join();
}

}  // namespace
}  // namespace desktop

int main(int argc, char** argv) {
    // A profile of the test's own, made from the shipped all-users profile, and a store of its own.
    const std::filesystem::path home = std::filesystem::temp_directory_path() / ("nox-desktop-test-" + std::to_string(::getpid()));
    desktop::testHome = home;
    std::filesystem::create_directories(home / "AppData");
    ::setenv("APPDATA", (home / "AppData").c_str(), 1);  // the all-users profile's AppData/VARDEN is copied in
    ::setenv("ALLUSERSPROFILE", NOX_DATA_DIR "/allusers", 1);
    ::setenv("NOX_SERVER_DB", (home / "plm.db").c_str(), 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A message box no test answers within two seconds is a failure, closed so that the run goes on.
    QTimer watchdog;
    QPointer<QMessageBox> waiting;
    QObject::connect(&watchdog, &QTimer::timeout, [&waiting] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box == waiting) {
            ADD_FAILURE() << "an unexpected message box: " << box->text().toStdString();
            box->reject();
        }
        waiting = box;
    });
    watchdog.start(1000);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(home);
    return result;
}
