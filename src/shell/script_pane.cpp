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
    const QString raw = document()->toRawText();
    const std::u16string_view editorText = utf16View(raw);
    QString script(static_cast<qsizetype>(scriptLength(editorText)), Qt::Uninitialized);
    withScriptLineBreaks(editorText, mutableUtf16(script));
    return script;
}

QString ScriptPane::toEditorLineBreaks(QString script)
{
    return toQString(withEditorLineBreaks(utf16View(script)));
}

} // namespace defwright
