#pragma once
#include <QAbstractTableModel>

#include "presentation/result_grid.h"

namespace brumelle {

// Shows a core result grid in a table view: row 0 and column 0 are the
// fixed heading cells; value cells take typing only when the grid is
// editable and enabled.
class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ResultGridModel(ResultGrid &grid, bool editable, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    // Headers show column 0 (vertical) and row 0 (horizontal), so a view can
    // keep the headings in place while it scrolls and resize its columns.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The core changed the grid: show it again.
    void Refresh();
    // Results whose inputs have changed since: value cells greyed, `reason`
    // as their tooltip; an empty reason shows them as they are.
    void SetOutOfDate(const QString &reason);
    ResultGrid &Grid() { return grid_; }

signals:
    // The user typed into a cell.
    void edited();

private:
    ResultGrid &grid_;
    bool editable_;
    QString outOfDate_;
};

} // namespace brumelle
