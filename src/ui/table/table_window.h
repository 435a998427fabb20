#pragma once

#include "ui/table/table_kinds.h"

#include <QMainWindow>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace defwright {

class CellCommands;
class DefinitionTableModel;
class FolderEdits;
class FrontDocument;
class ScriptsIndex;
class TableEditor;
class TableReader;
class TableTransfer;
class TableWriter;

/// The Definitions Table: every definition of one kind in the folder's
/// loaded scripts, a row each, with a column per key chosen. Sorted by a
/// click on a column's header, filtered by one box, edited in place; Enter on
/// a row asks for its definition. A window of its own beside the main one,
/// not modal, with its own Undo and Redo of whole table actions.
class TableWindow : public QMainWindow {
    Q_OBJECT

public:
    struct Parts {
        ScriptsIndex* index;
        FrontDocument* front;
        FolderEdits* edits;
    };

    TableWindow(const Parts& parts, QWidget* owner);
    ~TableWindow() override;

    /// Shows the window in front, reading the table first if it has none.
    void showTable();

signals:
    /// Enter or a double-click on a row's name: the definition's file and header line, from 0.
    void placeChosen(const QString& file, int line);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createBar();
    void createView();
    void createMenus();
    void readTable();
    void showRead(const TableKind& kind);
    void followIndex();
    void chooseColumns();
    void openRow(const QModelIndex& index);
    void showCount();
    void tell(const QString& message);
    [[nodiscard]] const TableKind& kind() const;

    Parts parts_;
    std::vector<TableKind> kinds_;
    DefinitionTableModel* model_;
    QTableView* view_ = nullptr;
    QComboBox* kindBox_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
    QLabel* count_;
    TableReader* reader_;
    TableWriter* writer_;
    TableEditor* editor_;
    CellCommands* cells_;
    TableTransfer* transfer_;
    bool read_ = false;   // a table was asked for
    bool ending_ = false; // the window goes: a cell box closing writes nothing, an activation reads nothing
};

} // namespace defwright
