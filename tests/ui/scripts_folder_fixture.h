#pragma once

// What the scripts folder's window tests share: a small folder of scripts and
// the ways to reach the window's panes and index.

#include "files/file_test_support.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"

#include <QLabel>
#include <QTabBar>

namespace defwright::test {

inline const QString kItemPane = QStringLiteral("txtEdit");
inline const QString kNpcPane = QStringLiteral("txtnEdit");

// A scripts folder of three files in their own formats: the lantern item far
// down its file, a horse that names it, the horse's events and a name given twice.
class ScriptsFolder {
public:
    ScriptsFolder()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/items"));
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/npcs"));
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/misc"));
        QByteArray items;
        for (int i = 0; i < 200; ++i)
            items += "[ITEMDEF 0" + QByteArray::number(0x1000 + i, 16) + "]\r\nNAME=filler\r\n\r\n";
        writeFile(lights(), items + "[ITEMDEF 0a25]\r\nDEFNAME=i_lantern\r\nNAME=lantern \xE9\r\n\r\n[ITEMDEF i_twice]\r\n");
        writeFile(horses(), "\xEF\xBB\xBF[CHARDEF c_horse]\nITEMNEWBIE=i_lantern\nTEVENTS=e_horse\nITEM=i_twice\n");
        writeFile(events(), "// events\r[EVENTS e_horse]\rON=@Click\r[ITEMDEF i_twice]\r");
    }

    [[nodiscard]] QString folder() const { return dir_.filePath(QStringLiteral("scripts")); }
    [[nodiscard]] QString lights() const { return dir_.filePath(QStringLiteral("scripts/items/lights.scp")); }
    [[nodiscard]] QString horses() const { return dir_.filePath(QStringLiteral("scripts/npcs/horses.scp")); }
    [[nodiscard]] QString events() const { return dir_.filePath(QStringLiteral("scripts/misc/events.scp")); }

private:
    QTemporaryDir dir_;
};

// The documents of the pane, in the order of their tabs.
inline DocumentTabs* paneDocuments(const QWidget& window, const QString& pane)
{
    for (DocumentTabs* documents : window.findChildren<DocumentTabs*>()) {
        if (documents->pane()->objectName() == pane)
            return documents;
    }
    qFatal("no documents of %s", qPrintable(pane));
}

// The document in front of the pane.
inline PaneDocument* paneDocument(const QWidget& window, const QString& pane)
{
    return paneDocuments(window, pane)->front();
}

// The texts of the named tab bar's tabs, in their order.
inline QStringList tabTexts(const QWidget& window, const QString& bar)
{
    QStringList texts;
    const auto* tabs = control<QTabBar>(window, bar);
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

inline QString indexState(const QWidget& window)
{
    return control<QLabel>(window, QStringLiteral("lblScriptsIndex"))->text();
}

// Opens the file into the NPC pane through File > Open NPC Script, which also finds the scripts folder.
inline void openNpcScript(MainWindow& window, const QString& path)
{
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, QStringLiteral("mnuOpenNpc"));
    QVERIFY(answeredAll(answers));
    QVERIFY(showActive(window)); // again, once the dialog has gone
}

// Shows the window, opens the file into the NPC pane and waits for the folder's index.
inline bool openIndexed(MainWindow& window, const QString& path)
{
    if (!showActive(window))
        return false;
    openNpcScript(window, path);
    return !QTest::currentTestFailed()
           && QTest::qWaitFor([&window] { return indexState(window).startsWith(QStringLiteral("Scripts:")); });
}

inline int caretLine(const QWidget& window, const QString& pane)
{
    return document(window, pane)->caretLine();
}

// Puts the caret into the word on `line` (from 0) of the pane, `column` characters in.
inline QWidget* caretAt(const QWidget& window, const QString& pane, int line, int column)
{
    QWidget* editor = caretToLine(window, pane, line);
    for (int i = 0; i < column; ++i)
        QTest::keyClick(editor, Qt::Key_Right);
    return editor;
}

} // namespace defwright::test
