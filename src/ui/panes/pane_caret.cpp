#include "ui/panes/pane_caret.h"

#include "core/index/definition_name.h"
#include "ui/panes/script_pane.h"

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

long caret(const ScriptPane& pane)
{
    return pane.SendScintilla(Sci::SCI_GETCURRENTPOS);
}

} // namespace

int caretColumn(const ScriptPane& pane)
{
    return static_cast<int>(pane.SendScintilla(Sci::SCI_GETCOLUMN, static_cast<unsigned long>(caret(pane))));
}

QString nameAtCaret(const ScriptPane& pane)
{
    const auto line = static_cast<unsigned long>(pane.caretLine());
    const long start = pane.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long end = pane.SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    const std::string_view text = pane.bytesIn(static_cast<std::size_t>(start), static_cast<std::size_t>(end));
    const std::string_view name = nameAt(text, static_cast<std::size_t>(caret(pane) - start));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QPoint caretPoint(const ScriptPane& pane)
{
    const long at = caret(pane);
    return {static_cast<int>(pane.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, at)),
            static_cast<int>(pane.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, at))};
}

bool placeCaretAt(ScriptPane& pane, QPoint point)
{
    const long at = pane.SendScintilla(Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(point.x()), point.y());
    if (at < 0)
        return false;
    pane.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(at));
    return true;
}

} // namespace defwright
