#include "ui/panes/pane_search.h"

#include "core/script/ascii_case.h"
#include "ui/panes/script_pane.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace defwright {
namespace {

using Sci = QsciScintillaBase;

// More marks than fit on any screen are not drawn anyway.
constexpr int kMostMarks = 2000;

long searchFlags(const SearchQuery& query)
{
    long flags = 0;
    if (query.matchCase)
        flags |= Sci::SCFIND_MATCHCASE;
    if (query.wholeWord)
        flags |= Sci::SCFIND_WHOLEWORD;
    if (query.regularExpression)
        flags |= Sci::SCFIND_REGEXP | Sci::SCFIND_CXX11REGEX;
    return flags;
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The editor folds the case of every character it passes over, which takes
// long in a large script. In its folding no character but an ASCII letter
// matches an ASCII letter (not even the Kelvin sign or the long s), so for a
// plain pattern of ASCII characters, folding ASCII alone finds the same match.
bool asciiFoldingSuffices(const SearchQuery& query, std::string_view pattern)
{
    return !query.matchCase && !query.wholeWord && !query.regularExpression && isAscii(pattern);
}

// The first match of an ASCII pattern, ASCII letters in any case.
std::optional<std::size_t> findAsciiFolded(std::string_view text, std::string_view pattern)
{
    std::string folded(pattern.size(), '\0');
    std::transform(pattern.begin(), pattern.end(), folded.begin(), asciiLower);
    const char first = folded.front();
    const char firstUpper = asciiUpper(first);
    for (std::size_t at = 0; at + folded.size() <= text.size(); ++at) {
        if (text[at] != first && text[at] != firstUpper)
            continue;
        std::size_t i = 1;
        while (i < folded.size() && asciiLower(text[at + i]) == folded[i])
            ++i;
        if (i == folded.size())
            return at;
    }
    return std::nullopt;
}

} // namespace

PaneSearch::PaneSearch(ScriptPane* pane)
    : pane_(pane)
{
    send(Sci::SCI_INDICSETSTYLE, kMatchIndicator, Sci::INDIC_ROUNDBOX);
    send(Sci::SCI_INDICSETALPHA, kMatchIndicator, 90);
    send(Sci::SCI_INDICSETUNDER, kMatchIndicator, 1);
}

SearchOutcome PaneSearch::find(const SearchQuery& query, bool forward)
{
    const long length = send(Sci::SCI_GETLENGTH);
    const long from = forward ? send(Sci::SCI_GETSELECTIONEND) : send(Sci::SCI_GETSELECTIONSTART);
    std::optional<Match> match = search(query, from, forward ? length : 0);
    // An empty match right at the caret would be found again and again.
    if (match && match->start == match->end && match->start == from && forward && from < length)
        match = search(query, send(Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(from)), length);
    if (lastPatternWasInvalid())
        return SearchOutcome::InvalidPattern;
    bool wrapped = false;
    if (!match) {
        match = search(query, forward ? 0 : length, from);
        wrapped = true;
    }
    if (!match)
        return SearchOutcome::NotFound;
    select(*match);
    return wrapped ? SearchOutcome::FoundAfterWrap : SearchOutcome::Found;
}

SearchOutcome PaneSearch::replace(const SearchQuery& query, const QString& replacement)
{
    const long start = send(Sci::SCI_GETSELECTIONSTART);
    const long end = send(Sci::SCI_GETSELECTIONEND);
    const std::optional<Match> selected = search(query, start, end);
    if (lastPatternWasInvalid())
        return SearchOutcome::InvalidPattern;
    if (selected && selected->start == start && selected->end == end) {
        const QByteArray bytes = replacement.toUtf8();
        const unsigned int message = query.regularExpression ? Sci::SCI_REPLACETARGETRE : Sci::SCI_REPLACETARGET;
        pane_->SendScintilla(message, static_cast<uintptr_t>(bytes.size()), bytes.constData());
        send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(send(Sci::SCI_GETTARGETEND)));
    }
    return find(query, true);
}

std::optional<long> PaneSearch::replaceAll(const SearchQuery& query, const QString& replacement)
{
    send(Sci::SCI_BEGINUNDOACTION);
    const long replaced = replaceEach(query, replacement.toUtf8());
    send(Sci::SCI_ENDUNDOACTION);
    if (lastPatternWasInvalid())
        return std::nullopt;
    return replaced;
}

long PaneSearch::replaceEach(const SearchQuery& query, const QByteArray& replacement)
{
    const unsigned int message = query.regularExpression ? Sci::SCI_REPLACETARGETRE : Sci::SCI_REPLACETARGET;
    long replaced = 0;
    for (long from = 0;;) {
        const std::optional<Match> match = search(query, from, send(Sci::SCI_GETLENGTH));
        if (!match)
            return replaced;
        pane_->SendScintilla(message, static_cast<uintptr_t>(replacement.size()), replacement.constData());
        ++replaced;
        from = send(Sci::SCI_GETTARGETEND);
        if (match->start == match->end) { // an empty match: step over one character
            if (from >= send(Sci::SCI_GETLENGTH))
                return replaced;
            from = send(Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(from));
        }
    }
}

void PaneSearch::markMatchesInView(const SearchQuery& query)
{
    send(Sci::SCI_SETINDICATORCURRENT, kMatchIndicator);
    send(Sci::SCI_INDICATORCLEARRANGE, 0, send(Sci::SCI_GETLENGTH));
    if (query.text.isEmpty())
        return;
    const long top = send(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(send(Sci::SCI_GETFIRSTVISIBLELINE)));
    const long bottom = top + send(Sci::SCI_LINESONSCREEN) + 1;
    const long end = send(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(bottom));
    long from = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(top));
    for (int marked = 0; marked < kMostMarks && from < end; ++marked) {
        const std::optional<Match> match = search(query, from, end);
        if (!match || match->end == match->start)
            break;
        send(Sci::SCI_SETINDICATORCURRENT, kMatchIndicator);
        send(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(match->start), match->end - match->start);
        from = match->end;
    }
    (void)lastPatternWasInvalid();
}

std::optional<PaneSearch::Match> PaneSearch::search(const SearchQuery& query, long from, long to)
{
    const QByteArray text = query.text.toUtf8();
    if (text.isEmpty())
        return std::nullopt;
    const std::string_view pattern(text.constData(), static_cast<std::size_t>(text.size()));
    if (from < to && asciiFoldingSuffices(query, pattern)) {
        const auto* range = reinterpret_cast<const char*>(static_cast<std::intptr_t>(
            send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from)));
        const std::string_view searched(range, static_cast<std::size_t>(to - from));
        return foundAt(findAsciiFolded(searched, pattern), from, static_cast<long>(pattern.size()));
    }
    send(Sci::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(searchFlags(query)));
    send(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
    const long start = pane_->SendScintilla(Sci::SCI_SEARCHINTARGET, static_cast<uintptr_t>(text.size()),
                                            text.constData());
    if (start < 0)
        return std::nullopt;
    return Match{start, send(Sci::SCI_GETTARGETEND)};
}

// The match becomes the target, as the editor's own search leaves it for a replacement.
std::optional<PaneSearch::Match> PaneSearch::foundAt(std::optional<std::size_t> offset, long from, long length)
{
    if (!offset)
        return std::nullopt;
    const long start = from + static_cast<long>(*offset);
    send(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), start + length);
    return Match{start, start + length};
}

void PaneSearch::select(const Match& match)
{
    const long line = send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(match.start));
    send(Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<unsigned long>(line));
    send(Sci::SCI_SETSEL, static_cast<unsigned long>(match.start), match.end);
}

// The editor reports a pattern it cannot compile through its status, which
// stays set until it is cleared.
bool PaneSearch::lastPatternWasInvalid()
{
    const bool invalid = send(Sci::SCI_GETSTATUS) == Sci::SC_STATUS_WARNREGEX;
    if (invalid)
        send(Sci::SCI_SETSTATUS, Sci::SC_STATUS_OK);
    return invalid;
}

long PaneSearch::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return pane_->SendScintilla(message, wParam, lParam);
}

} // namespace defwright
