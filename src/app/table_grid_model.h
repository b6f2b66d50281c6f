#pragma once

#include "base/grid.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class QTableView;

namespace pelorix {

// A grid's table as Qt's item views see it: one line per row, the grid's visible columns under
// their titles, cells editable. Every change the user makes goes to the grid model behind the
// program's handler boundary; every change of the table comes back through refresh().
class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    TableGridModel(Grid& grid, Runner run, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The user's typing in a cell, as the grid takes it.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The width the grid gives a shown column, in pixels.
    int columnWidth(int column) const;

    // The table changed: take up its rows and values and report its current row.
    void refresh();
    // The user chose a line in the view.
    void chooseRow(int row);
    // The user pressed one of the grid's editing keys while a cell editor was open.
    void pressKey(Key key);

signals:
    // The grid's current row (-1 for none), told after every refresh and every choice of the
    // user, which the table may have refused.
    void currentRowShown(int row);

private:
    // A cell of this model as last announced (the views may still ask about one gone since).
    bool holds(const QModelIndex& index) const;
    void showCurrentRow();

    Grid& grid_;
    Runner run_;
    std::vector<std::size_t> shown_; // the grid's visible columns, in order
    int rows_ = 0;                   // as last announced to the views
    bool showingCurrent_ = false;
};

// Shows the grid in the view through a TableGridModel that the view owns: column widths, one
// cell chosen at a time, editing started by typing, and the table's current row kept as the
// view's current line both ways.
TableGridModel& attachGridView(QTableView& view, Grid& grid, TableGridModel::Runner run);

} // namespace pelorix
