#pragma once
// The grid model as a table a person uses. Every mouse and key action becomes the grid user's
// action (clicks with Shift and Ctrl, right clicks, keys such as Ctrl+A, header clicks that sort,
// column drags and resizes), so the control hears the same events as from any other host; the view
// then shows what the model holds: columns, widths, hidden columns, the selection, the sort order.
#include <QPoint>
#include <QTableView>
#include <functional>
#include <map>

#include "GridModel.h"
#include "platform/grid/GridUser.h"

namespace desktop {

class GridView : public QTableView {
    Q_OBJECT
public:
    // Where a person right-clicked, for the entries the window adds to the pop-up menu there: the
    // rows (and the empty space below them) or a column header.
    enum class MenuPlace { None, Rows, Header };

    explicit GridView(platform::FlexGrid& grid, QWidget* parent = nullptr);
    ~GridView() override;

    // Shows the grid as its model holds it now.
    void Sync();
    platform::FlexGrid& Grid() { return grid_; }

signals:
    // A person acted on the grid; at is where (global); place where a right click was, whose menu
    // offers more than the control's.
    void acted(QPoint at, GridView::MenuPlace place);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a person's action on the grid and tells of it; an action the grid refuses changes nothing.
    void Act(const std::function<void()>& action, const QPoint& at, MenuPlace place = MenuPlace::None);
    void ConnectHeader();
    void HeaderClicked(int col);
    void HeaderRightClicked(const QPoint& at);
    void ColumnDragged(int col, int fromVisual, int toVisual);
    void ColumnResized(int col, int oldWidth, int newWidth);
    void CommitResizes();
    void SyncColumns();
    void SyncSelection();

    platform::FlexGrid& grid_;
    platform::GridUser user_;
    GridModel model_;
    bool syncing_ = false;
    std::map<int, int> resizing_;  // column -> width in pixels, while a border is dragged
    int sortColumn_ = -1;
    int16_t sortOrder_ = 0;
    int sortCookie_ = 0;
};

// Twips of the grid's widths to pixels and back (15 twips a pixel at 96 dots per inch).
int PixelsOf(int32_t twips);
int32_t TwipsOf(int pixels);
// The Shift (1), Ctrl (2) and Alt (4) bits of Qt's keyboard modifiers.
int16_t ShiftBits(Qt::KeyboardModifiers modifiers);

}  // namespace desktop
