#include "ui/result_grid_model.h"

#include <QBrush>
#include <QColor>

namespace brumelle {

ResultGridModel::ResultGridModel(ResultGrid &grid, bool editable, QObject *parent)
    : QAbstractTableModel(parent), grid_(grid), editable_(editable)
{
}

int ResultGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : grid_.RowCount(); }

int ResultGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant ResultGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool fixed = index.row() == 0 || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(grid_.Cell(index.column(), index.row()));
    case Qt::BackgroundRole:
        return fixed ? QBrush(QColor(212, 208, 200)) : QVariant();
    case Qt::ForegroundRole:
        return !fixed && !outOfDate_.isEmpty() ? QBrush(QColor(128, 128, 128)) : QVariant();
    case Qt::ToolTipRole:
        return outOfDate_.isEmpty() ? QVariant() : QVariant(outOfDate_);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool ResultGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::string text = value.toString().toStdString();
    if (text == grid_.Cell(index.column(), index.row()))
        return true; // an editor closed without a change
    grid_.SetCell(index.column(), index.row(), text);
    emit dataChanged(index, index);
    emit edited();
    return true;
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Vertical && section >= 0 && section < grid_.RowCount())
        return QString::fromStdString(grid_.Cell(0, section));
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < grid_.ColCount())
        return QString::fromStdString(grid_.Cell(section, 0));
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && grid_.Enabled && index.row() > 0 && index.column() > 0)
        f |= Qt::ItemIsEditable;
    return f;
}

void ResultGridModel::SetOutOfDate(const QString &reason)
{
    if (reason == outOfDate_)
        return;
    outOfDate_ = reason;
    if (grid_.RowCount() > 0 && grid_.ColCount() > 0)
        emit dataChanged(index(0, 0), index(grid_.RowCount() - 1, grid_.ColCount() - 1));
}

void ResultGridModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

} // namespace brumelle
