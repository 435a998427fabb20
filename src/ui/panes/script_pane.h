#pragma once

#include "ui/panes/script_document.h"

#include <QPlainTextEdit>
#include <QString>

namespace defwright {

class ScriptHighlighter;

/// A script pane: the editable text of one script. Scripts are CR LF lines;
/// this class converts between that and the editor's own line breaks, through
/// files/line_breaks.h, which the .scp file shares. A ScriptHighlighter
/// colours its lines.
class ScriptPane : public QPlainTextEdit, public ScriptDocument {
    Q_OBJECT

public:
    explicit ScriptPane(QWidget* parent = nullptr);

    /// Replaces the whole text as one undoable edit, so Ctrl+Z brings back the
    /// text it replaced, and puts the caret at the end. A CR LF, a lone CR and a
    /// lone LF each end a line.
    void replaceScript(const QString& script) override;

    /// Inserts at the caret, replacing the selection if there is one, as one
    /// undoable edit; the caret ends after the inserted text.
    void insertScript(const QString& script);

    /// The pane's text with CR LF between lines. Read from the document's raw
    /// text, so every character comes back as it was put in (a no-break space
    /// stays a no-break space).
    [[nodiscard]] QString script() const override;

    [[nodiscard]] int caretLine() const override;

    /// A script's line breaks as the editor holds them: one LF each.
    [[nodiscard]] static QString toEditorLineBreaks(QString script);

protected:
    /// Ctrl+I types the tab character that Tab itself no longer does.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Pasting and dropping: the highlighter learns first how long the text gets.
    void insertFromMimeData(const QMimeData* source) override;

private:
    /// Puts editor text in at the cursor as one undoable edit, leaving the
    /// caret after it; `linesAfter` is (at most) how many lines the pane has then.
    void insertAt(QTextCursor& cursor, const QString& text, qsizetype linesAfter);

    ScriptHighlighter* highlighter_;
};

} // namespace defwright
