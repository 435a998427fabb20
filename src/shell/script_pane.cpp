#include "shell/script_pane.h"

#include "files/line_breaks.h"
#include "files/utf16_text.h"

#include <QTextCursor>
#include <QTextDocument>

namespace defwright {

ScriptPane::ScriptPane(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ScriptPane::replaceScript(const QString& script)
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(toEditorLineBreaks(script));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ScriptPane::insertScript(const QString& script)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(toEditorLineBreaks(script));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QString ScriptPane::script() const
{
    return toQString(withScriptLineBreaks(utf16View(document()->toRawText())));
}

QString ScriptPane::toEditorLineBreaks(QString script)
{
    return toQString(withEditorLineBreaks(utf16View(script)));
}

} // namespace defwright
