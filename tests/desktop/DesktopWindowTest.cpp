// The desktop window on the sample, driven as a person drives it: every sample parent's panes
// loaded and compared with their models, rows clicked, Ctrl+A, right clicks, a header sort, a column
// dragged, tools pressed, a message box answered, the find dialog used. Screenshots of every pane go
// to the build folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>

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
        ASSERT_TRUE(QTest::qWaitFor([] { return !window_->Loading(); }, kLoadTimeoutMs));
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

TEST_F(DesktopWindowTest, RightClicksOpenThePanesMenuAndTheColumnMenuWithTheExport) {
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
        for (QAction* action : files.OpenMenu()->actions()) shown.push_back(action->objectName().toStdString());
        for (const auto& item : toolbar.ToolById("ID_Prop_PopUp_File")->Menu()->Tools()->Items())
            if (item->Visible()) modelled.push_back(item->ID());
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
    QContextMenuEvent onHeader(QContextMenuEvent::Mouse, HeaderPoint(view, title), view.horizontalHeader()->viewport()->mapToGlobal(HeaderPoint(view, title)));
    QApplication::sendEvent(view.horizontalHeader()->viewport(), &onHeader);
    ASSERT_NE(tab.OpenMenu(), nullptr);
    EXPECT_EQ(toolbar.LastPopupMenu(), "ID_Prop_PopUp_Grid_Header_Right_Click");
    EXPECT_NE(tab.OpenMenu()->findChild<QAction*>("export:csv"), nullptr);
    EXPECT_NE(tab.OpenMenu()->findChild<QAction*>("export:xlsx"), nullptr);
    QAction* remove = nullptr;
    for (QAction* action : tab.OpenMenu()->actions())
        if (action->objectName() == "ID_Prop_Remove_Column") remove = action;
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

}  // namespace
}  // namespace desktop

int main(int argc, char** argv) {
    // A profile of the test's own, made from the shipped all-users profile, and a store of its own.
    const std::filesystem::path home = std::filesystem::temp_directory_path() / ("nox-desktop-test-" + std::to_string(::getpid()));
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
