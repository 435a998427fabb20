#pragma once

// What the Definitions Table's window tests share: a scripts folder made of
// the sample items in other formats, and the ways to reach the table.

#include "files/file_test_support.h"
#include "scripts_folder_fixture.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_window.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QHeaderView>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>

namespace defwright::test {

inline QByteArray sample(const QString& name)
{
    return contents(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/items/") + name);
}

// The ITEMDEF headers of the four samples, in any case.
inline constexpr int kItems = 72 + 124 + 226 + 203;

// A scripts folder of four sample item files, each in a format of its own:
// LF (gargish), CR LF in Windows-1252 (misc), CR in UTF-8 with a BOM and no
// last line break (magery), and UTF-8 with LF and CR LF in turn (deed). It is
// the settings' scripts folder from the start, the columns chosen before forgotten,
// so the windows made after it index it.
class TableFolder {
public:
    TableFolder()
    {
        QSettings().remove(QStringLiteral("definitionsTable"));
        QSettings().setValue(QStringLiteral("scriptsFolder"), folder());
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/items"));
        writeFile(gargish(), sample("i_provisions_armor_gargish.scp"));
        writeFile(misc(), QByteArray("// caf\xE9 items\n" + sample("i_misc.scp")).replace("\n", "\r\n"));
        writeFile(magery(), sample("i_magic_magery.scp").chopped(1).replace('\n', '\r'));
        QList<QByteArray> lines = sample("i_provisions_deed.scp").split('\n');
        for (qsizetype line = 0; line + 1 < lines.size(); line += 2)
            lines[line] += '\r';
        writeFile(deed(), lines.join('\n'));
    }

    [[nodiscard]] QString folder() const { return dir_.filePath(QStringLiteral("scripts")); }
    [[nodiscard]] QString gargish() const { return dir_.filePath(QStringLiteral("scripts/items/gargish.scp")); }
    [[nodiscard]] QString misc() const { return dir_.filePath(QStringLiteral("scripts/items/misc.scp")); }
    [[nodiscard]] QString magery() const { return dir_.filePath(QStringLiteral("scripts/items/magery.scp")); }
    [[nodiscard]] QString deed() const { return dir_.filePath(QStringLiteral("scripts/items/deed.scp")); }
    [[nodiscard]] QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

inline QTableView* tableView(const QWidget& table)
{
    return control<QTableView>(table, QStringLiteral("tblDefinitions"));
}

inline DefinitionTableModel* tableModel(const QWidget& table)
{
    return static_cast<DefinitionTableModel*>(tableView(table)->model());
}

inline QString tableStatus(const QWidget& table)
{
    return static_cast<const QMainWindow&>(table).statusBar()->currentMessage();
}

// Shows the window, waits for the folder's index, opens the table and waits for its rows.
inline TableWindow* openTable(MainWindow& window)
{
    if (!showActive(window)
        || !QTest::qWaitFor([&window] { return indexState(window).startsWith(QStringLiteral("Scripts:")); }))
        return nullptr;
    trigger(window, QStringLiteral("mnuDefinitionsTable"));
    auto* table = control<TableWindow>(window, QStringLiteral("frmDefinitionsTable"));
    if (!QTest::qWaitFor([table] { return tableModel(*table)->rowCount() > 0; }) || !showActive(*table))
        return nullptr;
    return table;
}

// A window over a fresh TableFolder with the table open, as most tests begin;
// `table` is null when it never showed its rows.
struct OpenTable {
    TableFolder folder;
    MainWindow window;
    TableWindow* table = openTable(window);
};

inline int columnOf(const QWidget& table, const QString& caption)
{
    const DefinitionTableModel* model = tableModel(table);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == caption)
            return column;
    }
    return -1;
}

// The view's row of the definition named so (its header's name or its DEFNAME); -1 when not shown.
inline int rowOf(const QWidget& table, const QString& name)
{
    const DefinitionTableModel* model = tableModel(table);
    const int defname = columnOf(table, QStringLiteral("DEFNAME"));
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data() == name || (defname >= 0 && model->index(row, defname).data() == name))
            return row;
    }
    return -1;
}

inline QString cell(const QWidget& table, int row, const QString& caption)
{
    return tableModel(table)->index(row, columnOf(table, caption)).data().toString();
}

// Types the value into the view's current cell, as a scripter does: the
// first key opens the cell's box, which takes the others, and Enter sets it,
// once the box has had the key (the box is closed on the next turn of the events).
inline bool typeIntoCurrent(QTableView* view, const QString& value)
{
    QTest::keyClick(view, value.front().toLatin1());
    // Not keyClicks: it knows no key of a letter past ASCII.
    for (const QChar character : value.mid(1))
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, character, Qt::NoModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    return QTest::qWaitFor([view] { return QApplication::focusWidget() == view; });
}

// Makes the cell current and types the value into it.
inline bool typeIntoCell(const QWidget& table, int row, const QString& caption, const QString& value)
{
    QTableView* view = tableView(table);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, columnOf(table, caption)));
    return typeIntoCurrent(view, value);
}

// The view's rows of the definitions, selected in the column.
inline void selectCells(const QWidget& table, const QStringList& names, const QString& caption)
{
    QTableView* view = tableView(table);
    view->setFocus();
    view->clearSelection();
    const int column = columnOf(table, caption);
    for (const QString& name : names) {
        const QModelIndex index = view->model()->index(rowOf(table, name), column);
        view->selectionModel()->select(index, QItemSelectionModel::Select);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
}

// Ctrl+V in the view with the text on the clipboard.
inline void paste(const QWidget& table, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(tableView(table), Qt::Key_V, Qt::ControlModifier);
}

inline void trigger(const QWidget& table, const char* action)
{
    control<QAction>(table, QString::fromLatin1(action))->trigger();
}

} // namespace defwright::test
