#include "app/table_grid_model.h"

#include "app/key_events.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace pelorix {

namespace {

// The cell editor of a grid lets the row keys through: Insert and Ctrl+Delete hand the typing
// over to the row first, close the editor and then act on the grid, as in a spreadsheet.
class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(TableGridModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto key = modelKey(static_cast<QKeyEvent&>(*event));
            if (key == Key::Insert || key == Key::CtrlDelete) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                model_.pressKey(*key);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TableGridModel& model_;
};

} // namespace

TableGridModel::TableGridModel(Grid& grid, Runner run, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), run_(std::move(run)), rows_(grid.rowCount()) {
    for (std::size_t i = 0; i < grid.columns.size(); ++i)
        if (grid.columns[i].visible) shown_.push_back(i);
}

bool TableGridModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rows_ &&
           index.column() < columnCount();
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!holds(index) || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(
        grid_.cellText(index.row(), shown_[static_cast<std::size_t>(index.column())]));
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(grid_.columns[shown_[static_cast<std::size_t>(section)]].title);
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    if (!holds(index)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!holds(index) || role != Qt::EditRole) return false;
    bool taken = false;
    const std::string text = value.toString().toStdString();
    const int row = index.row();
    const std::size_t column = shown_[static_cast<std::size_t>(index.column())];
    run_([&] {
        grid_.typeCell(row, column, text);
        taken = true;
    });
    showCurrentRow();
    return taken;
}

int TableGridModel::columnWidth(int column) const {
    return grid_.columns[shown_.at(static_cast<std::size_t>(column))].width;
}

void TableGridModel::refresh() {
    const int rows = grid_.rowCount();
    if (rows != rows_) {
        // Rows come and go one at a time, but the table does not say where; small tables are
        // simply shown again.
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0 && !shown_.empty()) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
    showCurrentRow();
}

void TableGridModel::pressKey(Key key) {
    run_([&] { grid_.keyDown(key); });
}

void TableGridModel::chooseRow(int row) {
    // The view following the table is no choice of the user's.
    if (showingCurrent_ || row == grid_.currentRow()) return;
    run_([&] { grid_.chooseRow(row); });
    // A row that could not be stored keeps the table where it was; the view goes back there.
    showCurrentRow();
}

void TableGridModel::showCurrentRow() {
    const bool outer = !std::exchange(showingCurrent_, true);
    emit currentRowShown(grid_.currentRow());
    if (outer) showingCurrent_ = false;
}

TableGridModel& attachGridView(QTableView& view, Grid& grid, TableGridModel::Runner run) {
    auto* model = new TableGridModel(grid, std::move(run), &view);
    view.setModel(model);
    view.setItemDelegate(new GridCellDelegate(*model, &view));
    for (int column = 0; column < model->columnCount(); ++column)
        view.setColumnWidth(column, model->columnWidth(column));
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, model,
                     [model](const QModelIndex& current) {
                         if (current.isValid()) model->chooseRow(current.row());
                     });
    QObject::connect(model, &TableGridModel::currentRowShown, &view, [&view, model](int row) {
        QItemSelectionModel& selection = *view.selectionModel();
        if (row < 0 || row >= model->rowCount()) {
            selection.clear();
            return;
        }
        if (selection.currentIndex().row() == row) return;
        const int column = std::max(0, selection.currentIndex().column());
        selection.setCurrentIndex(model->index(row, column), QItemSelectionModel::ClearAndSelect);
    });
    model->refresh();
    return *model;
}

} // namespace pelorix
