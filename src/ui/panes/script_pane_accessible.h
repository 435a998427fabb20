#pragma once

#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

#include <utility>

namespace defwright {

class PaneCharacterOffsets;
class ScriptPane;

/// What a screen reader sees of a script pane: an editable multi-line text
/// it can read by characters, words and lines, and select, move the caret in
/// and edit. It takes the place of the editor's own, which counts characters
/// from the start of the text to find any offset; this one asks the editor's
/// line index (see PaneCharacterOffsets), so it answers as quickly at the end
/// of a long script as at its start.
class ScriptPaneAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit ScriptPaneAccessible(ScriptPane* pane);

    /// The factory that QAccessible::installFactory takes: this interface for
    /// a ScriptPane, nothing for anything else.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    [[nodiscard]] QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                           int* endOffset) const override;
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                       int* endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    using Span = std::pair<long, long>;

    [[nodiscard]] ScriptPane* pane() const;
    [[nodiscard]] PaneCharacterOffsets offsets() const;
    [[nodiscard]] Span unitAt(long position, QAccessible::TextBoundaryType boundaryType) const;
    QString told(Span span, int* startOffset, int* endOffset) const;
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
};

} // namespace defwright
