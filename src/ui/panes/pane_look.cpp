#include "ui/panes/pane_look.h"

#include "ui/panes/script_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QPalette>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

// The pane's own colours, mixed from the palette's: a line a shade off the background.
QColor mixed(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

void usePaletteLook(QsciScintilla& pane, ScriptLexer& lexer)
{
    const QPalette colours = pane.palette();
    lexer.useLook(colours, pane.font());
    pane.setCaretForegroundColor(colours.color(QPalette::Text));
    pane.setCaretLineBackgroundColor(mixed(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.12));
    pane.setSelectionBackgroundColor(colours.color(QPalette::Highlight));
    pane.setSelectionForegroundColor(colours.color(QPalette::HighlightedText));
    pane.setMarginsBackgroundColor(colours.color(QPalette::Window));
    pane.setMarginsForegroundColor(colours.color(QPalette::PlaceholderText));
    pane.setMarginsFont(pane.font());
    pane.setFoldMarginColors(colours.color(QPalette::Window), colours.color(QPalette::Window));
    pane.setMatchedBraceBackgroundColor(mixed(colours.color(QPalette::Base), colours.color(QPalette::Highlight), 0.35));
    pane.setMatchedBraceForegroundColor(colours.color(QPalette::Text));
    pane.setUnmatchedBraceForegroundColor(QColor(Qt::red));
}

void lightBraces(QsciScintilla& pane)
{
    const long caret = pane.SendScintilla(Sci::SCI_GETCURRENTPOS);
    for (const long at : {caret, caret - 1}) {
        const long character = at >= 0 ? pane.SendScintilla(Sci::SCI_GETCHARAT, static_cast<unsigned long>(at)) : 0;
        if (character == '{' || character == '}') {
            const long match = pane.SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(at));
            if (match >= 0)
                pane.SendScintilla(Sci::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(at), match);
            else
                pane.SendScintilla(Sci::SCI_BRACEBADLIGHT, static_cast<unsigned long>(at));
            return;
        }
    }
    pane.SendScintilla(Sci::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1L);
}

} // namespace defwright
