#include "ui/index/pane_completion.h"

#include "core/index/completion_words.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"
#include "ui/index/pane_text.h"
#include "ui/index/scripts_index.h"
#include "ui/panes/script_pane.h"

#include <QKeyEvent>

#include <string>

namespace defwright {
namespace {

constexpr char kSeparator = '\n';
constexpr long kMostLinesUp = 5000; // a section's header is never further up than this

QByteArray joined(const std::vector<std::string>& words)
{
    QByteArray list;
    for (const std::string& word : words) {
        if (!list.isEmpty())
            list += kSeparator;
        list += QByteArray::fromStdString(word);
    }
    return list;
}

} // namespace

PaneCompletion::PaneCompletion(ScriptPane* pane, const ScriptsIndex* index)
    : QObject(pane)
    , pane_(pane)
    , index_(index)
{
    pane->SendScintilla(QsciScintillaBase::SCI_AUTOCSETSEPARATOR, static_cast<unsigned long>(kSeparator));
    pane->SendScintilla(QsciScintillaBase::SCI_AUTOCSETIGNORECASE, 1UL);
    pane->SendScintilla(QsciScintillaBase::SCI_AUTOCSETORDER, static_cast<unsigned long>(QsciScintillaBase::SC_ORDER_PERFORMSORT));
    pane->SendScintilla(QsciScintillaBase::SCI_AUTOCSETCHOOSESINGLE, 0UL);
    connect(pane, &QsciScintillaBase::SCN_CHARADDED, this, [this](int) {
        if (!pane_->isListActive())
            offer(false);
    });
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

// The first word of the nearest header above the line, in upper case.
QByteArray PaneCompletion::sectionKind(long line) const
{
    for (long at = line; at >= 0 && at > line - kMostLinesUp; --at) {
        const long start = pane_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(at));
        const long end = pane_->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(at));
        const QByteArray text = paneBytes(pane_, start, end);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        const ScriptLine header = scriptLineAt(view, 0);
        if (header.kind != LineKind::Header)
            continue;
        const std::string_view words = header.key.of(view);
        QByteArray kind = QByteArray::fromStdString(std::string(words.substr(0, words.find_first_of(" \t"))));
        return kind.toUpper();
    }
    return {};
}

void PaneCompletion::offer(bool asked)
{
    const long caret = pane_->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = pane_->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long start = pane_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const QByteArray before = paneBytes(pane_, start, caret);
    const std::string_view typedText(before.constData(), static_cast<std::size_t>(before.size()));
    const std::string kind = sectionKind(line).toStdString();
    const CompletionPlace place = completionPlace(typedText, kind, asked);
    const FolderIndex& index = index_->index();
    std::vector<std::string> words;
    if (place.kind == CompletionPlace::Kind::Key)
        words = completionKeys(kind, index);
    else if (place.kind == CompletionPlace::Kind::Trigger)
        words = completionTriggers(index);
    else if (place.kind == CompletionPlace::Kind::Name)
        words = completionNames(place.key, typedText.substr(typedText.size() - place.typed), index);
    if (words.empty())
        return;
    pane_->SendScintilla(QsciScintillaBase::SCI_AUTOCSHOW, static_cast<unsigned long>(place.typed),
                         joined(words).constData());
}

} // namespace defwright
