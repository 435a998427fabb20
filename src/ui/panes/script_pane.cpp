#include "ui/panes/script_pane.h"

#include "core/files/line_breaks.h"
#include "ui/panes/script_highlighter.h"
#include "ui/widgets/utf16_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace defwright {

ScriptPane::ScriptPane(QWidget* parent)
    : QPlainTextEdit(parent)
    , highlighter_(new ScriptHighlighter(this))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on, as in every other control, so no one gets stuck in a pane.
    setTabChangesFocus(true);
    setToolTip(tr("Tab and Shift+Tab move to the next control; Ctrl+I types a tab character."));
}

void ScriptPane::replaceScript(const QString& script)
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    const QString text = toEditorLineBreaks(script);
    insertAt(cursor, text, text.count(u'\n') + 1);
}

void ScriptPane::insertScript(const QString& script)
{
    QTextCursor cursor = textCursor();
    const QString text = toEditorLineBreaks(script);
    insertAt(cursor, text, document()->blockCount() + text.count(u'\n'));
}

void ScriptPane::insertAt(QTextCursor& cursor, const QString& text, qsizetype linesAfter)
{
    highlighter_->prepareForLines(linesAfter);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ScriptPane::insertFromMimeData(const QMimeData* source)
{
    highlighter_->prepareForLines(document()->blockCount() + source->text().count(u'\n'));
    QPlainTextEdit::insertFromMimeData(source);
}

QString ScriptPane::script() const
{
    const QString raw = document()->toRawText();
    const std::u16string_view editorText = utf16View(raw);
    QString script(static_cast<qsizetype>(scriptLength(editorText)), Qt::Uninitialized);
    withScriptLineBreaks(editorText, mutableUtf16(script));
    return script;
}

// The pane never wraps, so each text block is one line of the script.
int ScriptPane::caretLine() const
{
    return textCursor().blockNumber();
}

void ScriptPane::keyPressEvent(QKeyEvent* event)
{
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_I) && !isReadOnly())
        insertPlainText(QStringLiteral("\t"));
    else
        QPlainTextEdit::keyPressEvent(event);
}

void ScriptPane::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        highlighter_->usePalette(palette());
}

QString ScriptPane::toEditorLineBreaks(QString script)
{
    return toQString(withEditorLineBreaks(utf16View(script)));
}

} // namespace defwright
