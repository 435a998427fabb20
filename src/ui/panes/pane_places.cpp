#include "ui/panes/pane_places.h"

#include "ui/panes/script_pane.h"

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

std::size_t ask(const ScriptPane& pane, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return static_cast<std::size_t>(pane.SendScintilla(message, wParam, lParam));
}

} // namespace

std::size_t textLength(const ScriptPane& pane)
{
    return ask(pane, Sci::SCI_GETLENGTH);
}

std::size_t lineCount(const ScriptPane& pane)
{
    return ask(pane, Sci::SCI_GETLINECOUNT);
}

std::size_t lineOf(const ScriptPane& pane, std::size_t position)
{
    return ask(pane, Sci::SCI_LINEFROMPOSITION, position);
}

std::size_t lineStart(const ScriptPane& pane, std::size_t line)
{
    return ask(pane, Sci::SCI_POSITIONFROMLINE, line);
}

std::size_t lineEnd(const ScriptPane& pane, std::size_t line)
{
    return ask(pane, Sci::SCI_GETLINEENDPOSITION, line);
}

std::optional<std::size_t> positionAt(const ScriptPane& pane, const QPoint& point)
{
    const long position = pane.SendScintilla(Sci::SCI_CHARPOSITIONFROMPOINTCLOSE,
                                             static_cast<unsigned long>(point.x()), static_cast<long>(point.y()));
    if (position < 0)
        return std::nullopt;
    return static_cast<std::size_t>(position);
}

// Lines are all of one height; folded ones are not shown.
std::optional<std::size_t> lineAtHeight(const ScriptPane& pane, const QPoint& point)
{
    const long height = pane.SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL);
    if (point.y() < 0 || height <= 0)
        return std::nullopt;
    const long shown = pane.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE) + point.y() / height;
    const std::size_t line = ask(pane, Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(shown));
    if (line >= lineCount(pane) || pane.SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, line) != shown)
        return std::nullopt;
    return line;
}

QPoint pointBelow(const ScriptPane& pane, std::size_t position)
{
    const long x = pane.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(position));
    const long y = pane.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(position));
    const long height = pane.SendScintilla(Sci::SCI_TEXTHEIGHT, lineOf(pane, position));
    return {static_cast<int>(x), static_cast<int>(y + height)};
}

void placeCaret(ScriptPane& pane, std::size_t position)
{
    pane.SendScintilla(Sci::SCI_GOTOPOS, position);
    pane.SendScintilla(Sci::SCI_SCROLLCARET);
}

} // namespace defwright
