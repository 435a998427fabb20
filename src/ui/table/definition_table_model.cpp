#include "ui/table/definition_table_model.h"

#include "core/table/cell_order.h"
#include "ui/table/cell_text.h"

#include <QFont>

#include <numeric>

namespace defwright {

DefinitionTableModel::DefinitionTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

DefinitionTableModel::~DefinitionTableModel() = default;

void DefinitionTableModel::setTable(std::unique_ptr<DefinitionTable> table, TableSources sources,
                                   std::vector<ShownColumn> columns)
{
    beginResetModel();
    table_ = std::move(table);
    sources_ = std::move(sources);
    columns_ = std::move(columns);
    resolveColumns();
    sortAndFilter();
    endResetModel();
    emit rowsShownChanged();
}

void DefinitionTableModel::setColumns(std::vector<ShownColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    if (sortColumn_ && std::find(columns_.begin(), columns_.end(), *sortColumn_) == columns_.end())
        sortColumn_.reset();
    resolveColumns();
    sortAndFilter();
    endResetModel();
    emit rowsShownChanged();
}

std::string DefinitionTableModel::columnKey(int column) const
{
    const ShownColumn& shown = columns_.at(static_cast<std::size_t>(column));
    return shown.kind == ColumnKind::Key ? shown.key : std::string();
}

void DefinitionTableModel::setFilter(std::string_view typed)
{
    beginResetModel();
    filter_ = parseFilter(typed);
    sortAndFilter();
    endResetModel();
    emit rowsShownChanged();
}

// A column of -1 (the header's sort mark cleared) is the table's own order.
void DefinitionTableModel::sort(int column, Qt::SortOrder order)
{
    if (column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> rows;
    for (const QModelIndex& index : before)
        rows.push_back(tableRow(index.row()));
    sortColumn_ = column < 0 ? std::nullopt : std::optional(columns_[static_cast<std::size_t>(column)]);
    descending_ = order == Qt::DescendingOrder;
    sortAndFilter();
    std::vector<int> places(table_ ? table_->rows().size() : 0, -1);
    for (std::size_t row = 0; row < shown_.size(); ++row)
        places[shown_[row]] = static_cast<int>(row);
    QModelIndexList after;
    for (std::size_t i = 0; i < rows.size(); ++i)
        after.append(places[rows[i]] < 0 ? QModelIndex() : index(places[rows[i]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void DefinitionTableModel::resolveColumns()
{
    resolved_.clear();
    for (const ShownColumn& column : columns_) {
        if (column.kind != ColumnKind::Key) {
            resolved_.push_back(TableColumn{column.kind, 0});
        } else if (const auto key = table_ ? table_->keyNumber(column.key) : std::nullopt) {
            resolved_.push_back(TableColumn{ColumnKind::Key, *key});
        } else {
            resolved_.push_back(std::nullopt);
        }
    }
}

// Rows sort alike in the order of their files and lines, the table's own.
void DefinitionTableModel::sortAndFilter()
{
    if (!table_) {
        sorted_.clear();
        shown_.clear();
        return;
    }
    sorted_.resize(table_->rows().size());
    std::iota(sorted_.begin(), sorted_.end(), 0u);
    const auto at = sortColumn_ ? std::find(columns_.begin(), columns_.end(), *sortColumn_) : columns_.end();
    if (at != columns_.end()) {
        if (const std::optional<TableColumn>& column = resolved_[static_cast<std::size_t>(at - columns_.begin())])
            sorted_ = sortedRows(*table_, std::move(sorted_), *column, descending_);
    }
    std::vector<TableColumn> shownKeys;
    for (const std::optional<TableColumn>& column : resolved_) {
        if (column && column->kind == ColumnKind::Key)
            shownKeys.push_back(*column);
    }
    if (filter_.words.empty() && filter_.tests.empty())
        shown_ = sorted_;
    else
        shown_ = filteredRows(*table_, sorted_, filter_, shownKeys);
}

bool DefinitionTableModel::readFilesAgain(
    const std::vector<std::pair<std::uint32_t, std::shared_ptr<const std::string>>>& texts)
{
    if (!table_ || texts.empty())
        return true;
    bool kept = true;
    for (const auto& [file, text] : texts) {
        sources_.texts.at(file) = text;
        kept = table_->readFileAgain(file, *text) && kept;
    }
    if (!kept) {
        beginResetModel();
        resolveColumns();
        sortAndFilter();
        endResetModel();
        emit rowsShownChanged();
        return false;
    }
    // A key met for the first time gets its number now.
    resolveColumns();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return true;
}

void DefinitionTableModel::noteIndexText(std::uint32_t file, std::shared_ptr<const std::string> text)
{
    sources_.indexTexts.at(file) = std::move(text);
}

int DefinitionTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int DefinitionTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const TableCell* DefinitionTableModel::cellAt(const QModelIndex& index) const
{
    const std::optional<TableColumn>& column = resolved_[static_cast<std::size_t>(index.column())];
    if (!column || column->kind != ColumnKind::Key)
        return nullptr;
    return table_->cell(table_->row(tableRow(index.row())), column->key);
}

QVariant DefinitionTableModel::data(const QModelIndex& index, int role) const
{
    if (!table_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index, role);
    case Qt::ToolTipRole:
        return cellTip(index);
    case Qt::FontRole:
        if (const TableCell* cell = cellAt(index); cell != nullptr && cell->lines > 1) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (columns_[static_cast<std::size_t>(index.column())].kind == ColumnKind::Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant DefinitionTableModel::cellText(const QModelIndex& index, int role) const
{
    const std::optional<TableColumn>& column = resolved_[static_cast<std::size_t>(index.column())];
    if (!column)
        return QString();
    const TableRow& row = table_->row(tableRow(index.row()));
    if (column->kind != ColumnKind::Key)
        return textOf(columnText(*table_, row, *column));
    const std::string_view value = table_->value(row, column->key);
    return role == Qt::EditRole ? textOf(value) : shownValues(value);
}

QVariant DefinitionTableModel::cellTip(const QModelIndex& index) const
{
    const TableCell* cell = cellAt(index);
    if (cell == nullptr || cell->lines < 2)
        return {};
    return tr("%1 is given %2 times, one value a line:\n%3")
        .arg(textOf(table_->keyName(cell->key)))
        .arg(cell->lines)
        .arg(textOf(cell->value));
}

QVariant DefinitionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ShownColumn& column = columns_[static_cast<std::size_t>(section)];
    const QString caption = column.kind == ColumnKind::Key
                                ? textOf(column.key)
                                : textOf(kColumnCaptions[static_cast<std::size_t>(column.kind)]);
    if (role == Qt::DisplayRole)
        return caption;
    if (role == Qt::ToolTipRole && column.kind == ColumnKind::Key && table_) {
        const std::optional<TableColumn>& resolved = resolved_[static_cast<std::size_t>(section)];
        const std::size_t uses = resolved ? table_->keyUse(resolved->key) : 0;
        return tr("%1: given by %L2 of %L3 definitions").arg(caption).arg(uses).arg(table_->rows().size());
    }
    return {};
}

Qt::ItemFlags DefinitionTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return columns_[static_cast<std::size_t>(index.column())].kind == ColumnKind::Key ? flags | Qt::ItemIsEditable
                                                                                       : flags;
}

bool DefinitionTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    emit cellEdited(index, value.toString());
    return true;
}

} // namespace defwright
