#pragma once

#include "core/files/line_breaks.h"
#include "core/script/text_edit.h"

#include <span>
#include <string_view>

namespace defwright {

class ScriptPane;

/// Where a pane's view of a document stood: the selection, as byte
/// positions, and the scroll position.
struct PaneView {
    long caret = 0;
    long anchor = 0;
    long firstLine = 0;
    long xOffset = 0;

    friend bool operator==(const PaneView&, const PaneView&) = default;
};

/// The text of one script as its pane edits it: an editor document of its
/// own, which keeps the text with its undo history, save point, markers,
/// colours and fold levels; the line break that Enter and every text put in
/// get; and where the view stood when the document was last shown. A pane
/// shows one of its documents at a time (ScriptPane::showDocument()); what is
/// asked here of one it does not show is read through a view of the pane's
/// that is never drawn, so nothing of it is copied.
///
/// It holds the editor's document itself, counted as the editor counts its
/// users: QScintilla's own QsciDocument never frees a document shown a second
/// time, and a day of switching would keep every file ever closed.
class EditorDocument {
public:
    /// The marker of markLine(), drawn in no margin.
    static constexpr int kPlaceMarker = 2;

    explicit EditorDocument(ScriptPane* pane);
    ~EditorDocument();
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    [[nodiscard]] ScriptPane* pane() const { return pane_; }
    [[nodiscard]] bool isShown() const;

    /// The text's UTF-8 bytes, without a copy; valid until the next edit.
    [[nodiscard]] std::string_view bytes() const;
    [[nodiscard]] bool isModified() const;

    /// Puts the text in whole, as the text it starts from: no undo step, and
    /// the save point here.
    void load(std::string_view paneText);
    /// Replaces the whole text as one undoable edit.
    void replaceText(std::string_view paneText);
    /// Makes the edits (in the order of the text, apart, their offsets into
    /// the text as it is) as one undoable edit, shown or not.
    void applyEdits(std::span<const TextEdit> edits);
    /// Shown: the same with a text of as many lines, each the same but for its
    /// line break; the caret keeps its line and column, the view its first line.
    void replaceLineForLine(std::string_view paneText);
    /// The text as it is now is what its file holds.
    void setSavePoint();

    [[nodiscard]] LineBreak lineBreak() const { return lineBreak_; }
    void useLineBreak(LineBreak lineBreak);

    [[nodiscard]] PaneView view() const;
    /// Where the view is to stand, kept within the text and on whole
    /// characters, now if the document is shown, else when it next is.
    void setView(const PaneView& view);

    /// Marks a place that moves with the edits above it, drawn nowhere;
    /// returns its handle.
    int markLine(int line);
    /// The marked place's line; -1 once the mark is gone.
    [[nodiscard]] int markedLine(int handle) const;
    void unmark(int handle);

private:
    [[nodiscard]] long placeIn(long position) const;

    friend class DocumentReader;
    friend class ScriptPane;

    ScriptPane* pane_;
    void* document_; // the editor's; one reference is this object's
    LineBreak lineBreak_ = LineBreak::CrLf;
    PaneView view_;
};

} // namespace defwright
