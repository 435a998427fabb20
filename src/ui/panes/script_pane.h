#pragma once

#include "core/files/line_breaks.h"
#include "core/script/text_edit.h"
#include "ui/panes/document_reader.h"
#include "ui/panes/editor_document.h"
#include "ui/panes/script_document.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QMenu;

namespace defwright {

class PaneChangeNotices;
class ScriptLexer;

/// A script pane: the editable text of one script, with line numbers, a fold
/// margin for each "[...]" block, the caret's line marked and matching braces
/// lit. Its text keeps the line breaks of the file it came from; Enter, a
/// paste and every text put in get the pane's own break, CR LF unless told
/// otherwise. A ScriptLexer colours it.
///
/// It shows one EditorDocument at a time; everything below works on the one
/// it shows.
///
/// Tab and Shift+Tab move the focus as in every other control of the window;
/// Ctrl+I types a tab character.
class ScriptPane : public QsciScintilla, public ScriptDocument {
    Q_OBJECT

public:
    explicit ScriptPane(QWidget* parent = nullptr);
    ~ScriptPane() override;

    /// Shows the document, with its view as it stood when it was last shown.
    /// Nothing of either document changes: switching is no edit.
    void showDocument(EditorDocument& document);
    /// None until a document is shown.
    [[nodiscard]] EditorDocument* shownDocument() const { return shown_; }

    /// Replaces the whole text as one undoable edit, so Ctrl+Z brings back the
    /// text it replaced, and puts the caret at the end.
    void replaceScript(const QString& script) override;
    void replacePaneText(std::string_view paneText) override;

    /// Inserts at the caret, replacing the selection if there is one, as one
    /// undoable edit; the caret ends after the inserted text.
    void insertScript(const QString& script);

    /// Replaces the bytes [start, end) as one undoable edit; the caret ends
    /// after the new bytes.
    void replaceRange(std::size_t start, std::size_t end, std::string_view bytes);
    /// Makes the edits (in the order of the text, apart, their offsets into
    /// the text as it is) as one undoable edit; the caret stays where it was
    /// in the text around it.
    void replaceRanges(std::span<const TextEdit> edits);

    /// The pane's text, every character and line break as it was put in.
    [[nodiscard]] QString script() const override;

    /// The pane's own UTF-8 bytes, without a copy; valid until the next edit.
    [[nodiscard]] std::string_view bytes() const;
    /// The same from byte `start` on, where joining costs less.
    [[nodiscard]] std::string_view bytesFrom(std::size_t start) const;
    /// The bytes [start, end), joined only if the last edit lies inside them.
    [[nodiscard]] std::string_view bytesIn(std::size_t start, std::size_t end) const;
    [[nodiscard]] std::size_t caretPosition() const;

    [[nodiscard]] int caretLine() const override;

    /// The break that Enter, pastes and texts put in get.
    [[nodiscard]] LineBreak lineBreak() const;
    void useLineBreak(LineBreak lineBreak);

    /// A script as the pane holds it: UTF-8, each line break the pane's own.
    [[nodiscard]] QByteArray paneBytes(const QString& script) const;

signals:
    /// Another document is shown.
    void documentShown();
    /// The text was made larger or smaller, by the editor's own keys or the
    /// wheel as much as by zoomTo(); `level` as zoomTo() takes it.
    void zoomed(int level);
    /// The context menu is about to open, for the point of the viewport
    /// clicked, or for the caret (none) when asked for from the keyboard.
    void contextMenuOpening(QMenu* menu, std::optional<QPoint> point);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class EditorDocument;

    /// A view of the document: the pane itself while it shows it, else a
    /// view of the pane's own that is never drawn.
    [[nodiscard]] QsciScintillaBase& viewOf(const EditorDocument& document) const;
    void forget(EditorDocument& document);
    void release(EditorDocument& document);

    void putInPlace(long start, long end, std::string_view bytes);
    static void replaceEach(QsciScintillaBase& view, std::span<const TextEdit> edits);
    void useLook();
    void fitLineNumbers();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    ScriptLexer* lexer_;
    PaneChangeNotices* notices_;
    EditorDocument* shown_ = nullptr;
    std::vector<EditorDocument*> documents_;
    mutable DocumentReader reader_;
};

} // namespace defwright
