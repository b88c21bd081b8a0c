#include "GridView.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace desktop {

namespace {

constexpr int32_t kTwipsPerPixel = 15;
constexpr int32_t kDefaultWidth = 960;

}  // namespace

int PixelsOf(int32_t twips) { return (twips < 0 ? kDefaultWidth : twips) / kTwipsPerPixel; }

int32_t TwipsOf(int pixels) { return pixels * kTwipsPerPixel; }

int16_t ShiftBits(Qt::KeyboardModifiers modifiers) {
    int16_t bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= platform::GridUser::kShift;
    if (modifiers & Qt::ControlModifier) bits |= platform::GridUser::kCtrl;
    if (modifiers & Qt::AltModifier) bits |= platform::GridUser::kAlt;
    return bits;
}

GridView::GridView(platform::FlexGrid& grid, QWidget* parent) : QTableView(parent), grid_(grid), user_(grid), model_(grid) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::NoSelection);  // the grid's model selects; the view shows it
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Whatever sorts the grid, the header shows the last sort.
    sortCookie_ = grid_.Events()->On("AfterSort", [this](int32_t col, int16_t order) {
        sortColumn_ = col;
        sortOrder_ = order;
    });
    ConnectHeader();
    Sync();
}

GridView::~GridView() { grid_.Events()->Disconnect(sortCookie_); }

void GridView::ConnectHeader() {
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this, &GridView::HeaderClicked);
    connect(header, &QHeaderView::customContextMenuRequested, this, &GridView::HeaderRightClicked);
    connect(header, &QHeaderView::sectionMoved, this, &GridView::ColumnDragged);
    connect(header, &QHeaderView::sectionResized, this, &GridView::ColumnResized);
}

void GridView::Sync() {
    syncing_ = true;
    model_.Reload();
    SyncColumns();
    SyncSelection();
    syncing_ = false;
}

void GridView::SyncColumns() {
    QHeaderView* header = horizontalHeader();
    for (int col = 0; col < grid_.Cols(); ++col) {
        // The grid moves columns itself: the view keeps them in the grid's order.
        if (header->visualIndex(col) != col) header->moveSection(header->visualIndex(col), col);
        setColumnHidden(col, grid_.ColHidden(col));
        if (!grid_.ColHidden(col)) setColumnWidth(col, PixelsOf(grid_.ColWidth(col)));
    }
    const bool sorted = sortColumn_ >= 0 && sortColumn_ < grid_.Cols();
    header->setSortIndicatorShown(sorted);
    if (sorted) header->setSortIndicator(sortColumn_, sortOrder_ % 2 == 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void GridView::SyncSelection() {
    QItemSelection selection;
    const int lastCol = model_.columnCount() - 1;
    for (int row = 0; row < model_.rowCount() && lastCol >= 0; ++row)
        if (grid_.IsSelected(model_.GridRow(row))) selection.select(model_.index(row, 0), model_.index(row, lastCol));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int current = grid_.Row() - grid_.FixedRows();
    if (current >= 0 && current < model_.rowCount() && grid_.Col() >= 0 && grid_.Col() <= lastCol)
        selectionModel()->setCurrentIndex(model_.index(current, grid_.Col()), QItemSelectionModel::NoUpdate);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    const MenuPlace place = button == Qt::RightButton ? MenuPlace::Rows : MenuPlace::None;
    // Below the rows the grid has no cell to click; a right click there still opens the window's menu.
    if (!index.isValid()) {
        if (place == MenuPlace::Rows) emit acted(event->globalPosition().toPoint(), place);
        return;
    }
    const int16_t shift = ShiftBits(event->modifiers());
    const int32_t row = model_.GridRow(index.row());
    Act([&] {
        if (button == Qt::LeftButton) user_.Click(row, index.column(), shift);
        else user_.RightClick(row, index.column(), shift);
    }, event->globalPosition().toPoint(), place);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool letterOrDigit = (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
    if (!letterOrDigit) {
        QTableView::keyPressEvent(event);
        return;
    }
    // Qt's key codes of letters and digits are the grid's key codes.
    Act([&] { user_.PressKey(static_cast<int16_t>(key), ShiftBits(event->modifiers())); },
        viewport()->mapToGlobal(visualRect(currentIndex()).center()));
}

void GridView::HeaderClicked(int col) {
    if (syncing_) return;
    Act([&] { user_.Click(0, col, ShiftBits(QGuiApplication::keyboardModifiers())); }, QCursor::pos());
}

void GridView::HeaderRightClicked(const QPoint& at) {
    const int col = horizontalHeader()->logicalIndexAt(at);
    if (col < 0) return;
    Act([&] { user_.RightClick(0, col, ShiftBits(QGuiApplication::keyboardModifiers())); },
        horizontalHeader()->viewport()->mapToGlobal(at), MenuPlace::Header);
}

void GridView::ColumnDragged(int col, int fromVisual, int toVisual) {
    if (syncing_) return;
    // The drag is the person's wish; the grid decides, and the view then shows the grid's order.
    QHeaderView* header = horizontalHeader();
    syncing_ = true;
    header->moveSection(toVisual, fromVisual);
    syncing_ = false;
    Act([&] { user_.MoveColumn(col, header->logicalIndex(toVisual)); }, QCursor::pos());
}

void GridView::ColumnResized(int col, int, int newWidth) {
    if (syncing_ || grid_.ColHidden(col)) return;
    resizing_[col] = newWidth;
    // A drag ends with the mouse button's release; a width set otherwise counts at once.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) CommitResizes();
}

void GridView::CommitResizes() {
    if (resizing_.empty()) return;
    const std::map<int, int> resized = std::exchange(resizing_, {});
    Act([&] {
        for (auto [col, width] : resized) user_.ResizeColumn(col, TwipsOf(width));
    }, QCursor::pos());
}

void GridView::Act(const std::function<void()>& action, const QPoint& at, MenuPlace place) {
    try {
        action();
    } catch (const std::exception&) {
        // The grid refused (a cell outside it, a width it does not take): the view shows it unchanged.
    }
    emit acted(at, place);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease) CommitResizes();
    return QTableView::eventFilter(watched, event);
}

}  // namespace desktop
