#include "ui/table/cell_commands.h"

#include "core/table/cell_changes.h"
#include "core/table/csv_writer.h"
#include "core/table/pasted_cells.h"
#include "ui/table/cell_text.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>
#include <set>

namespace defwright {

CellCommands::CellCommands(QTableView* view, DefinitionTableModel* model, TableEditor* editor, QObject* parent)
    : QObject(parent)
    , view_(view)
    , model_(model)
    , editor_(editor)
{
}

CellCommands::Block CellCommands::selectedBlock() const
{
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    return {{rows.begin(), rows.end()}, {columns.begin(), columns.end()}};
}

bool CellCommands::isWhole(const Block& block) const
{
    const auto cells = static_cast<qsizetype>(block.rows.size() * block.columns.size());
    return cells > 0 && view_->selectionModel()->selectedIndexes().size() == cells;
}

bool CellCommands::keysOnly(const Block& block) const
{
    return std::all_of(block.columns.begin(), block.columns.end(),
                       [this](int column) { return !model_->columnKey(column).empty(); });
}

std::vector<std::uint32_t> CellCommands::tableRows(const Block& block) const
{
    std::vector<std::uint32_t> rows;
    for (const int row : block.rows)
        rows.push_back(model_->tableRow(row));
    return rows;
}

std::vector<std::string> CellCommands::keys(const Block& block) const
{
    std::vector<std::string> keys;
    for (const int column : block.columns)
        keys.push_back(model_->columnKey(column));
    return keys;
}

QString CellCommands::cellCount(std::size_t count) const
{
    return count == 1 ? tr("1 cell") : tr("%L1 cells").arg(count);
}

// The edited cell alone, unless it is one of several selected in its column alone.
void CellCommands::setEdited(const QModelIndex& index, const QString& value)
{
    Block block = selectedBlock();
    const bool inBlock = std::binary_search(block.rows.begin(), block.rows.end(), index.row());
    if (block.columns != std::vector<int>{index.column()} || !inBlock)
        block = {{index.row()}, {index.column()}};
    const std::string key = model_->columnKey(index.column());
    const std::string text = value.toStdString();
    std::vector<CellChange> changes;
    for (const std::uint32_t row : tableRows(block))
        changes.push_back({row, key, text});
    const QString caption = changes.size() == 1
                                ? tr("Set %1 of %2").arg(textOf(key), index.siblingAtColumn(0).data().toString())
                                : tr("Set %1 in %2").arg(textOf(key), cellCount(changes.size()));
    editor_->change(changes, caption);
}

void CellCommands::copy() const
{
    const Block block = selectedBlock();
    std::string text;
    std::vector<std::string> fields;
    for (const int row : block.rows) {
        fields.clear();
        for (const int column : block.columns)
            fields.push_back(model_->index(row, column).data(Qt::EditRole).toString().toStdString());
        appendCsvRow(text, std::vector<std::string_view>(fields.begin(), fields.end()), '\t');
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CellCommands::paste()
{
    paste(QApplication::clipboard()->text());
}

void CellCommands::paste(const QString& text)
{
    Block block = selectedBlock();
    if (!isWhole(block) || !keysOnly(block)) {
        emit told(tr("Nothing was pasted: select a block of key cells to paste into."));
        return;
    }
    const std::string pasted = text.toStdString();
    PastedCells cells = pastedChanges(tableRows(block), keys(block), pasted);
    if (cells.pastedRows && block.rows.size() == 1 && block.columns.size() == 1) {
        if (const Block larger = grown(block, *cells.pastedRows, cells.pastedColumns);
            !larger.rows.empty() && keysOnly(larger))
            cells = pastedChanges(tableRows(larger), keys(larger), pasted);
    }
    if (cells.pastedRows) {
        emit told(tr("Nothing was pasted: the text has %L1 rows of %L2 cells, the selection %L3 rows of %L4.")
                      .arg(*cells.pastedRows)
                      .arg(cells.pastedColumns)
                      .arg(block.rows.size())
                      .arg(block.columns.size()));
        return;
    }
    editor_->change(cells.changes, tr("Paste into %1").arg(cellCount(cells.changes.size())));
}

// The block of `rows` by `columns` that begins at the one cell selected; none when it runs off the table.
CellCommands::Block CellCommands::grown(const Block& block, std::size_t rows, std::size_t columns) const
{
    const int row = block.rows.front();
    const int column = block.columns.front();
    if (row + static_cast<int>(rows) > model_->rowCount() || column + static_cast<int>(columns) > model_->columnCount())
        return {};
    Block grown;
    for (std::size_t i = 0; i < rows; ++i)
        grown.rows.push_back(row + static_cast<int>(i));
    for (std::size_t i = 0; i < columns; ++i)
        grown.columns.push_back(column + static_cast<int>(i));
    return grown;
}

void CellCommands::clear()
{
    std::vector<CellChange> changes;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        if (const std::string key = model_->columnKey(index.column()); !key.empty())
            changes.push_back({model_->tableRow(index.row()), key, {}});
    }
    if (changes.empty()) {
        emit told(tr("Nothing was cleared: select key cells to clear."));
        return;
    }
    editor_->change(changes, tr("Clear %1").arg(cellCount(changes.size())));
}

} // namespace defwright
