#include "ui/panes/script_pane_accessible.h"

#include "ui/panes/pane_character_offsets.h"
#include "ui/panes/script_pane.h"

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

} // namespace

ScriptPaneAccessible::ScriptPaneAccessible(ScriptPane* pane)
    : QAccessibleWidget(pane, QAccessible::EditableText)
{
}

QAccessibleInterface* ScriptPaneAccessible::create(const QString&, QObject* object)
{
    auto* pane = qobject_cast<ScriptPane*>(object);
    return pane != nullptr ? new ScriptPaneAccessible(pane) : nullptr;
}

QAccessible::State ScriptPaneAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.editable = !pane()->isReadOnly();
    state.readOnly = pane()->isReadOnly();
    return state;
}

void* ScriptPaneAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ScriptPaneAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    const PaneCharacterOffsets characters = offsets();
    *startOffset = characters.offsetAt(send(Sci::SCI_GETSELECTIONSTART));
    *endOffset = characters.offsetAt(send(Sci::SCI_GETSELECTIONEND));
}

int ScriptPaneAccessible::selectionCount() const
{
    return send(Sci::SCI_GETSELECTIONEMPTY) != 0 ? 0 : 1;
}

void ScriptPaneAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ScriptPaneAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        send(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(send(Sci::SCI_GETCURRENTPOS)));
}

void ScriptPaneAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const PaneCharacterOffsets characters = offsets();
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(characters.positionAt(startOffset)),
         characters.positionAt(endOffset));
}

int ScriptPaneAccessible::cursorPosition() const
{
    return offsets().offsetAt(send(Sci::SCI_GETCURRENTPOS));
}

void ScriptPaneAccessible::setCursorPosition(int position)
{
    send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(offsets().positionAt(position)));
}

QString ScriptPaneAccessible::text(QAccessible::Text t) const
{
    return QAccessibleWidget::text(t);
}

QString ScriptPaneAccessible::text(int startOffset, int endOffset) const
{
    const PaneCharacterOffsets characters = offsets();
    return characters.text(characters.positionAt(startOffset), characters.positionAt(endOffset));
}

QString ScriptPaneAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                               int* startOffset, int* endOffset) const
{
    const long position = offsets().positionAt(offset);
    const Span unit = unitAt(position, boundaryType);
    const long start = unit.first < unit.second ? unit.first : position;
    if (boundaryType == QAccessible::NoBoundary || start == 0)
        return told({-1, -1}, startOffset, endOffset);
    return told(unitAt(send(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(start)), boundaryType), startOffset,
                endOffset);
}

QString ScriptPaneAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    const Span unit = unitAt(offsets().positionAt(offset), boundaryType);
    if (boundaryType == QAccessible::NoBoundary || unit.first == unit.second || unit.second >= send(Sci::SCI_GETLENGTH))
        return told({-1, -1}, startOffset, endOffset);
    return told(unitAt(unit.second, boundaryType), startOffset, endOffset);
}

QString ScriptPaneAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                           int* endOffset) const
{
    if (offset < 0 || offset > characterCount())
        return told({-1, -1}, startOffset, endOffset);
    return told(unitAt(offsets().positionAt(offset), boundaryType), startOffset, endOffset);
}

int ScriptPaneAccessible::characterCount() const
{
    return offsets().count();
}

QRect ScriptPaneAccessible::characterRect(int offset) const
{
    const long position = offsets().positionAt(offset);
    const long after = send(Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(position));
    const long x = send(Sci::SCI_POINTXFROMPOSITION, 0, position);
    const long y = send(Sci::SCI_POINTYFROMPOSITION, 0, position);
    const long line = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const bool sameLine = after > position && send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(after)) == line;
    const long width = sameLine ? send(Sci::SCI_POINTXFROMPOSITION, 0, after) - x : 1;
    const long height = send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(line));
    const QPoint corner = pane()->viewport()->mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y)));
    return {corner, QSize(static_cast<int>(std::max(width, 1L)), static_cast<int>(height))};
}

int ScriptPaneAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = pane()->viewport()->mapFromGlobal(point);
    const long position = send(Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(local.x()), local.y());
    return position < 0 ? -1 : offsets().offsetAt(position);
}

void ScriptPaneAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    const PaneCharacterOffsets characters = offsets();
    send(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(characters.positionAt(endIndex)),
         characters.positionAt(startIndex));
}

// The colours are the pane's own reading aid; a screen reader is told of none.
QString ScriptPaneAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void ScriptPaneAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void ScriptPaneAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void ScriptPaneAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    setSelection(0, startOffset, endOffset);
    pane()->insertScript(text);
}

ScriptPane* ScriptPaneAccessible::pane() const
{
    return static_cast<ScriptPane*>(widget());
}

PaneCharacterOffsets ScriptPaneAccessible::offsets() const
{
    return PaneCharacterOffsets(pane());
}

// The character, word or line that holds `position`, by positions: a word is a
// run of letters and digits, of blanks or of punctuation; a sentence and a
// paragraph are a line, line break included.
ScriptPaneAccessible::Span ScriptPaneAccessible::unitAt(long position, QAccessible::TextBoundaryType boundaryType) const
{
    const long length = send(Sci::SCI_GETLENGTH);
    const auto at = static_cast<unsigned long>(position);
    switch (boundaryType) {
    case QAccessible::NoBoundary:
        return {0, length};
    case QAccessible::CharBoundary:
        return {position, position < length ? send(Sci::SCI_POSITIONAFTER, at) : position};
    case QAccessible::WordBoundary:
        if (position >= length)
            return {position, position};
        return {send(Sci::SCI_WORDSTARTPOSITION, static_cast<unsigned long>(send(Sci::SCI_POSITIONAFTER, at)), 0),
                send(Sci::SCI_WORDENDPOSITION, at, 0)};
    default: {
        const long line = send(Sci::SCI_LINEFROMPOSITION, at);
        const long next = line + 1 < send(Sci::SCI_GETLINECOUNT)
                              ? send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))
                              : length;
        return {send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)), next};
    }
    }
}

QString ScriptPaneAccessible::told(Span span, int* startOffset, int* endOffset) const
{
    if (span.first < 0) {
        *startOffset = -1;
        *endOffset = -1;
        return {};
    }
    const PaneCharacterOffsets characters = offsets();
    *startOffset = characters.offsetAt(span.first);
    *endOffset = characters.offsetAt(span.second);
    return characters.text(span.first, span.second);
}

long ScriptPaneAccessible::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return pane()->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
