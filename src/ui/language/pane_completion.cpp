#include "ui/language/pane_completion.h"

#include "core/index/completion_words.h"
#include "core/language/language_completion.h"
#include "core/script/ascii_case.h"
#include "ui/index/scripts_index.h"
#include "ui/language/text_check.h"
#include "ui/index/vocabulary_source.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/pane_word_list.h"
#include "ui/panes/script_pane.h"

#include <QKeyEvent>

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

constexpr std::size_t kKeyLetters = 2;
constexpr std::size_t kMostLinesUp = 5000; // a section's header is never further up than this
constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

bool isKeyCharacter(char character)
{
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z')
        || (character >= '0' && character <= '9') || character == '_' || character == '.';
}

// Whether the line so far may be a key being typed or an ON= line's trigger,
// before the section is looked for: most keys typed are neither.
bool mayComplete(std::string_view beforeCaret, bool asked)
{
    const std::string_view typed = beforeCaret.substr(std::min(beforeCaret.find_first_not_of(" \t"), beforeCaret.size()));
    if (std::all_of(typed.begin(), typed.end(), isKeyCharacter))
        return asked || typed.size() >= kKeyLetters;
    if (!startsIgnoringCase(typed, "ON=") || typed.find_first_of(" \t") != std::string_view::npos)
        return false;
    return asked || (typed.size() > 3 && typed[3] == '@');
}

} // namespace

PaneCompletion::PaneCompletion(ScriptPane* pane, const VocabularySource* vocabulary)
    : QObject(pane)
    , pane_(pane)
    , vocabulary_(vocabulary)
{
    useWordList(*pane);
    connect(pane, &QsciScintillaBase::SCN_CHARADDED, this, &PaneCompletion::offerSoon);
    connect(pane, &QsciScintillaBase::SCN_AUTOCCHARDELETED, this, &PaneCompletion::offerSoon);
    pane->installEventFilter(this);
}

bool PaneCompletion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pane_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier) {
            offer(true);
            return true;
        }
    }
    return false;
}

// The editor moves its own list's choice after telling of the letter typed,
// to a word that begins with what was typed, and to none if none does: the
// list is shown anew after that. A list that is open, asked for or not,
// keeps following the letters, down to none typed.
void PaneCompletion::offerSoon()
{
    if (std::exchange(offering_, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            offering_ = false;
            offer(pane_->isListActive());
        },
        Qt::QueuedConnection);
}

// Each letter typed narrows the list anew; where nothing fits, it goes.
void PaneCompletion::offer(bool asked)
{
    const std::size_t caret = pane_->caretPosition();
    const std::size_t start = lineStart(*pane_, lineOf(*pane_, caret));
    const std::string_view before = pane_->bytesIn(start, caret);
    std::optional<Offer> offered;
    if (const std::optional<NameCompletionPlace> place = nameCompletionPlace(before, asked)) {
        const std::string_view typed = before.substr(before.size() - place->typed);
        offered = Offer{place->typed, completionNames(place->key, typed, vocabulary_->index()->index())};
    } else if (mayComplete(before, asked)) {
        offered = languageOffer(caret, start);
    }
    if (offered && !offered->words.empty())
        showWords(*pane_, offered->typed, offered->words);
    else if (pane_->isListActive())
        hideWords(*pane_);
}

std::optional<PaneCompletion::Offer> PaneCompletion::languageOffer(std::size_t caret, std::size_t lineStart) const
{
    const std::size_t line = lineOf(*pane_, caret);
    const std::size_t section = sectionStart(line);
    if (section == kNoSection)
        return std::nullopt;
    const std::string_view text = pane_->bytesIn(section, lineEnd(*pane_, line));
    const std::optional<LanguageCompletion> completion =
        completionAt(text, caret - section, *vocabulary_->vocabulary());
    if (!completion || completion->typed.start + section < lineStart)
        return std::nullopt;
    return Offer{completion->typed.size(), completion->words};
}

// Where the section that holds the line begins: its header's line, or the text's start.
std::size_t PaneCompletion::sectionStart(std::size_t line) const
{
    for (std::size_t at = line + 1; at-- > 0 && line - at < kMostLinesUp;) {
        const std::size_t start = lineStart(*pane_, at);
        const std::string_view text = pane_->bytesIn(start, lineEnd(*pane_, at));
        if (beginsAsHeader(text) && scriptLineAt(text, 0).kind == LineKind::Header)
            return start;
        if (at == 0)
            return 0;
    }
    return kNoSection;
}

} // namespace defwright
