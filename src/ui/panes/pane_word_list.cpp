#include "ui/panes/pane_word_list.h"

#include "ui/panes/script_pane.h"

#include <QByteArray>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

constexpr char kSeparator = '\n';

} // namespace

void useWordList(ScriptPane& pane)
{
    pane.SendScintilla(Sci::SCI_AUTOCSETSEPARATOR, static_cast<unsigned long>(kSeparator));
    pane.SendScintilla(Sci::SCI_AUTOCSETIGNORECASE, 1UL);
    pane.SendScintilla(Sci::SCI_AUTOCSETORDER, static_cast<unsigned long>(Sci::SC_ORDER_CUSTOM));
    pane.SendScintilla(Sci::SCI_AUTOCSETCHOOSESINGLE, 0UL);
    pane.SendScintilla(Sci::SCI_AUTOCSETAUTOHIDE, 0UL);
    pane.SendScintilla(Sci::SCI_AUTOCSETMAXHEIGHT, static_cast<unsigned long>(kWordListRows));
}

void showWords(ScriptPane& pane, std::size_t typed, const std::vector<std::string>& words)
{
    QByteArray list;
    for (const std::string& word : words) {
        if (!list.isEmpty())
            list += kSeparator;
        list += QByteArray::fromStdString(word);
    }
    pane.SendScintilla(Sci::SCI_AUTOCSHOW, typed, list.constData());
    // The editor chooses the first word that begins with what was typed;
    // where none does, the first of those that hold it.
    if (!words.empty() && pane.SendScintilla(Sci::SCI_AUTOCGETCURRENT) < 0)
        pane.SendScintilla(Sci::SCI_AUTOCSELECT, 0UL, words.front().c_str());
}

void hideWords(ScriptPane& pane)
{
    pane.SendScintilla(Sci::SCI_AUTOCCANCEL);
}

} // namespace defwright
