#pragma once
// The grid model seen through Qt's table model: one Qt row per data row of the grid, one Qt column
// per grid column; the fixed row gives the headers (the column keys as their tooltips) and each
// column's alignment its cells' alignment. Read-only: every change goes through the grid's model.
#include <QAbstractTableModel>

#include "platform/grid/FlexGrid.h"

namespace desktop {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(platform::FlexGrid& grid, QObject* parent = nullptr) : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tells the views that the grid changed: a reset when its size changed, else every cell anew.
    void Reload();
    // The grid's row of a Qt row.
    int32_t GridRow(int row) const { return grid_.FixedRows() + row; }

private:
    platform::FlexGrid& grid_;
    int rows_ = 0;
    int cols_ = 0;
};

// The Qt alignment of a grid column's alignment (0-2 left, 3-5 centre, 6-8 right, top to bottom
// within each; 9, general, is left and centred vertically).
Qt::Alignment AlignmentOf(int32_t columnAlignment);

}  // namespace desktop
