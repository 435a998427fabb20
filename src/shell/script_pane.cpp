#include "shell/script_pane.h"

#include <QTextCursor>
#include <QTextDocument>

namespace defwright {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

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
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    text.replace(QChar::LineSeparator, kCrLf); // Shift+Return's soft break is a line in the file too
    return text;
}

QString ScriptPane::toEditorLineBreaks(QString script)
{
    script.replace(kCrLf, QStringLiteral("\n"));
    script.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return script;
}

} // namespace defwright
