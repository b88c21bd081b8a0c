#include "GridModel.h"

namespace desktop {

Qt::Alignment AlignmentOf(int32_t columnAlignment) {
    if (columnAlignment < 0 || columnAlignment > 8) return Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[columnAlignment / 3] | vertical[columnAlignment % 3];
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= cols_) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(grid_.TextMatrix(GridRow(index.row()), index.column()));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(grid_.ColAlignment(index.column())));
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= cols_) return {};
    if (role == Qt::DisplayRole) {
        const std::string label = grid_.FixedRows() > 0 ? grid_.TextMatrix(0, section) : grid_.ColKey(section);
        return QString::fromStdString(label);
    }
    if (role == Qt::ToolTipRole) return QString::fromStdString(grid_.ColKey(section));
    return {};
}

void GridModel::Reload() {
    const int rows = grid_.Rows() - grid_.FixedRows();
    const int cols = grid_.Cols();
    if (rows == rows_ && cols == cols_) {
        if (rows > 0 && cols > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
        if (cols > 0) emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
        return;
    }
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    endResetModel();
}

}  // namespace desktop
