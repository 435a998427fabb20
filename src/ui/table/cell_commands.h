#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QModelIndex;
class QTableView;

namespace defwright {

class DefinitionTableModel;
class TableEditor;

/// What the table's keys do to the selected cells: a value typed into one of
/// several cells of a column sets them all; Paste fills them from
/// tab-separated text, as spreadsheets copy cells (a single cell selected
/// takes a block of any size from there); Copy gives them as such text; Clear
/// takes their keys' lines away. Each is one table action.
class CellCommands : public QObject {
    Q_OBJECT

public:
    CellCommands(QTableView* view, DefinitionTableModel* model, TableEditor* editor, QObject* parent);

    void setEdited(const QModelIndex& index, const QString& value);
    void copy() const;
    void paste();
    void paste(const QString& text);
    void clear();

signals:
    void told(const QString& message);

private:
    /// The selected cells as a block: view rows and columns, each sorted.
    struct Block {
        std::vector<int> rows;
        std::vector<int> columns;
    };

    [[nodiscard]] Block selectedBlock() const;
    [[nodiscard]] bool isWhole(const Block& block) const;
    [[nodiscard]] bool keysOnly(const Block& block) const;
    [[nodiscard]] Block grown(const Block& block, std::size_t rows, std::size_t columns) const;
    [[nodiscard]] std::vector<std::uint32_t> tableRows(const Block& block) const;
    [[nodiscard]] std::vector<std::string> keys(const Block& block) const;
    [[nodiscard]] QString cellCount(std::size_t count) const;

    QTableView* view_;
    DefinitionTableModel* model_;
    TableEditor* editor_;
};

} // namespace defwright
