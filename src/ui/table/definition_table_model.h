#pragma once

#include "core/table/definition_table.h"
#include "core/table/table_column.h"
#include "core/table/table_filter.h"
#include "ui/table/table_sources.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace defwright {

/// A column the table shows: the definition, its file or line, or a key by
/// its name, which the table may not know yet while no row gives it.
struct ShownColumn {
    ColumnKind kind = ColumnKind::Key;
    std::string key; ///< upper case, for a key's column

    bool operator==(const ShownColumn&) const = default;
};

/// Every definition of one kind in the folder's loaded scripts, for a view:
/// the core's table and the texts it was read from, the columns shown, and
/// the rows the filter passes in the order of the column sorted by. A cell
/// of a repeated key shows its values between bars, in italics.
class DefinitionTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DefinitionTableModel(QObject* parent = nullptr);
    ~DefinitionTableModel() override;

    void setTable(std::unique_ptr<DefinitionTable> table, TableSources sources, std::vector<ShownColumn> columns);
    /// None until a table is set.
    [[nodiscard]] const DefinitionTable* table() const { return table_.get(); }
    [[nodiscard]] const TableSources& sources() const { return sources_; }

    [[nodiscard]] const std::vector<ShownColumn>& columns() const { return columns_; }
    void setColumns(std::vector<ShownColumn> columns);
    /// The key a column shows; empty for the others.
    [[nodiscard]] std::string columnKey(int column) const;

    void setFilter(std::string_view typed);
    [[nodiscard]] const TableFilter& filter() const { return filter_; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// The table's row shown on the view's row.
    [[nodiscard]] std::uint32_t tableRow(int row) const { return shown_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] const std::vector<std::uint32_t>& shownRows() const { return shown_; }

    /// The files' texts are now these: their rows are read again. Rows stay
    /// where they are shown unless a file now holds more or fewer
    /// definitions, which sorts and filters the table anew.
    /// Returns false when they were.
    bool readFilesAgain(const std::vector<std::pair<std::uint32_t, std::shared_ptr<const std::string>>>& texts);
    /// The index's text of a file the table has read again from that text or an equal one.
    void noteIndexText(std::uint32_t file, std::shared_ptr<const std::string> text);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// Changes nothing itself: tells cellEdited(), and the edit comes back
    /// through readFilesAgain() once written.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void cellEdited(const QModelIndex& index, const QString& value);
    /// The rows shown are others: filtered, sorted or read anew.
    void rowsShownChanged();

private:
    void resolveColumns();
    void sortAndFilter();
    [[nodiscard]] const TableCell* cellAt(const QModelIndex& index) const;
    [[nodiscard]] QVariant cellText(const QModelIndex& index, int role) const;
    [[nodiscard]] QVariant cellTip(const QModelIndex& index) const;

    std::unique_ptr<DefinitionTable> table_;
    TableSources sources_;
    std::vector<ShownColumn> columns_;
    std::vector<std::optional<TableColumn>> resolved_; ///< by column; none for a key no row gives
    TableFilter filter_;
    std::optional<ShownColumn> sortColumn_;
    bool descending_ = false;
    std::vector<std::uint32_t> sorted_; ///< every row, in the sort's order
    std::vector<std::uint32_t> shown_;  ///< those the filter passes
};

} // namespace defwright
