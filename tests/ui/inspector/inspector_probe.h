#pragma once

// What the inspector's tests share: opening a script, showing the inspector,
// reading and editing its rows as a scripter does.

#include "field_boxes.h"
#include "scripts_folder_fixture.h"
#include "ui/inspector/inspector_model.h"

#include <QDockWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

namespace defwright::test {

inline constexpr int kKey = InspectorModel::KeyColumn;
inline constexpr int kValue = InspectorModel::ValueColumn;

inline QTableView* rows(const QWidget& window)
{
    return control<QTableView>(window, QStringLiteral("tblInspector"));
}

inline QDockWidget* inspector(const QWidget& window)
{
    return control<QDockWidget>(window, QStringLiteral("dockInspector"));
}

inline QString cell(const QWidget& window, int row, int column, int role = Qt::DisplayRole)
{
    return rows(window)->model()->index(row, column).data(role).toString();
}

// Each row as "key|value|comment".
inline QStringList rowTexts(const QWidget& window)
{
    QStringList texts;
    for (int row = 0; row < rows(window)->model()->rowCount(); ++row) {
        texts << cell(window, row, kKey) + u'|' + cell(window, row, kValue) + u'|'
                + cell(window, row, InspectorModel::CommentColumn);
    }
    return texts;
}

// The row whose key cell reads `key`, -1 if none.
inline int rowOf(const QWidget& window, const QString& key)
{
    for (int row = 0; row < rows(window)->model()->rowCount(); ++row) {
        if (cell(window, row, kKey) == key)
            return row;
    }
    return -1;
}

// The text written to a file of the folder and opened into the item pane, shown.
inline QString openScript(MainWindow& window, const QTemporaryDir& dir, const std::string& text,
                          const QString& name = QStringLiteral("script.scp"))
{
    const QString path = dir.filePath(name);
    writeFile(path, QByteArray::fromStdString(text));
    window.openItemScript(path);
    return path;
}

// F4 from the pane, and the inspector's rows have the focus once they show the definition at the caret.
inline void showInspector(const QWidget& window)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    QTRY_VERIFY(inspector(window)->isVisible());
    QTRY_VERIFY(rows(window)->hasFocus());
}

inline void pressOnRow(const QWidget& window, int row, Qt::Key key)
{
    QTableView* view = rows(window);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, kKey));
    QTest::keyClick(view, key);
}

// F2 on the row, the value typed over, Enter.
inline void editValue(const QWidget& window, int row, const QString& value)
{
    pressOnRow(window, row, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->selectAll();
    // The test's keyboard has keys for ASCII alone.
    if (std::all_of(value.begin(), value.end(), [](QChar character) { return character.unicode() < 0x80; }))
        QTest::keyClicks(editor, value);
    else
        editor->insert(value);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(QApplication::focusWidget() == rows(window)); // the editor hands the value over once the key is done
}

// The window shown, the script opened and the caret on `line` (from 0), the inspector shown with F4.
inline void inspect(MainWindow& window, const QTemporaryDir& dir, const std::string& text, int line)
{
    QVERIFY(showActive(window));
    openScript(window, dir, text);
    itemPane(window)->setFocus();
    itemPane(window)->setCursorPosition(line, 0);
    showInspector(window);
    QTRY_VERIFY(rows(window)->model()->rowCount() > 0);
}

// The text with every LF made `lineBreak`; "mixed" gives CR LF, LF and CR in turn.
inline std::string withBreaks(const std::string& text, const std::string& lineBreak)
{
    static const std::string kTurns[] = {"\r\n", "\n", "\r"};
    std::string made;
    int turn = 0;
    for (const char character : text) {
        if (character != '\n')
            made += character;
        else
            made += lineBreak == "mixed" ? kTurns[turn++ % 3] : lineBreak;
    }
    return made;
}

} // namespace defwright::test
