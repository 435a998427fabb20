#include "ui/table/import_changes_model.h"

#include "core/table/table_import.h"
#include "ui/table/cell_text.h"

#include <algorithm>
#include <array>

namespace defwright {
namespace {

enum Column { kDefinition, kFile, kKey, kBefore, kAfter, kColumns };

} // namespace

ImportChangesModel::ImportChangesModel(const DefinitionTable& table, const ImportPlan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , table_(table)
    , plan_(plan)
    , ticked_(plan.changes.size(), true)
{
}

std::size_t ImportChangesModel::tickedCount() const
{
    return static_cast<std::size_t>(std::count(ticked_.begin(), ticked_.end(), true));
}

void ImportChangesModel::tickAll(bool tick)
{
    std::fill(ticked_.begin(), ticked_.end(), tick);
    if (!ticked_.empty())
        emit dataChanged(index(0, kDefinition), index(rowCount() - 1, kDefinition), {Qt::CheckStateRole});
    emit tickedChanged();
}

int ImportChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(plan_.changes.size());
}

int ImportChangesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QString ImportChangesModel::text(const ImportChange& change, int column) const
{
    const TableRow& row = table_.row(change.row);
    switch (column) {
    case kDefinition:
        return textOf(row.name);
    case kFile:
        return tr("%1:%2").arg(textOf(table_.filePath(row.file))).arg(row.line + 1);
    case kKey:
        return textOf(change.key);
    case kBefore:
        return shownValues(change.before);
    default:
        return shownValues(change.after);
    }
}

QVariant ImportChangesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return text(plan_.changes[row], index.column());
    if (role == Qt::CheckStateRole && index.column() == kDefinition)
        return ticked_[row] ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole && index.column() >= kBefore)
        return textOf(index.column() == kBefore ? plan_.changes[row].before : plan_.changes[row].after);
    if (role == Qt::ToolTipRole && index.column() == kDefinition)
        return tr("Line %L1 of the CSV").arg(plan_.changes[row].csvLine);
    return {};
}

QVariant ImportChangesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const std::array<const char*, kColumns> captions = {
        QT_TR_NOOP("Definition"), QT_TR_NOOP("File"), QT_TR_NOOP("Key"), QT_TR_NOOP("Before"), QT_TR_NOOP("After")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return tr(captions[static_cast<std::size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ImportChangesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return index.column() == kDefinition ? flags | Qt::ItemIsUserCheckable : flags;
}

bool ImportChangesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != kDefinition || !checkIndex(index))
        return false;
    ticked_[static_cast<std::size_t>(index.row())] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit tickedChanged();
    return true;
}

} // namespace defwright
