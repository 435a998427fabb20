#include "core/session/session_codec.h"
#include "core/session/session_names.h"

#include <algorithm>
#include <charconv>
#include <set>

// decodeSession: every entry is checked as it is read, and the first fault
// ends the reading, so a damaged store never half-restores.

namespace defwright {
namespace {

using namespace session_names;

constexpr std::size_t kMostDigits = 20; // the most a 64-bit number has

std::optional<std::uint64_t> number(std::string_view digits)
{
    if (digits.empty() || digits.size() > kMostDigits)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// Two numbers with one blank between them.
std::optional<std::pair<std::uint64_t, std::uint64_t>> numberPair(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto first = number(text.substr(0, blank));
    const auto second = number(text.substr(blank + 1));
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

std::optional<bool> flag(std::string_view text)
{
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

template <typename Target, typename Value>
bool assign(Target& target, const std::optional<Value>& value)
{
    if (value)
        target = Target(*value);
    return value.has_value();
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// "<key> <count>" LF, count bytes, LF; none when the bytes do not go on so.
std::optional<Entry> takeEntry(std::string_view& rest)
{
    const std::size_t lineEnd = rest.find('\n');
    if (lineEnd == std::string_view::npos)
        return std::nullopt;
    const std::size_t blank = rest.substr(0, lineEnd).find(' ');
    if (blank == 0 || blank == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::uint64_t> count = number(rest.substr(blank + 1, lineEnd - blank - 1));
    const std::size_t valueStart = lineEnd + 1;
    if (!count || *count >= rest.size() - valueStart || rest[valueStart + *count] != '\n')
        return std::nullopt;
    const Entry entry{rest.substr(0, blank), rest.substr(valueStart, *count)};
    rest.remove_prefix(valueStart + *count + 1);
    return entry;
}

enum class Outcome { Read, BadValue, UnknownKey };

Outcome readNumbers(KeptDocument& document, std::string_view key, std::string_view value)
{
    const auto numbers = numberPair(value);
    if (!numbers)
        return Outcome::BadValue;
    const auto [first, second] = *numbers;
    if (key == "file-stamp") {
        document.fileStamp = KeptFileStamp{first, second};
    } else if (key == "selection") {
        document.view.caret = first;
        document.view.anchor = second;
    } else {
        document.view.firstLine = first;
        document.view.xOffset = second;
    }
    return Outcome::Read;
}

// "<line> <header>", the header any bytes.
std::optional<KeptTie> tie(std::string_view value)
{
    const std::size_t blank = value.find(' ');
    const std::optional<std::uint64_t> line = number(value.substr(0, blank));
    if (blank == std::string_view::npos || !line)
        return std::nullopt;
    return KeptTie{*line, std::string(value.substr(blank + 1))};
}

Outcome readDocumentValue(KeptDocument& document, std::string_view key, std::string_view value)
{
    bool read = true;
    if (key == "path")
        document.filePath = value;
    else if (key == "text")
        document.text = std::string(value);
    else if (key == "encoding")
        read = assign(document.format.encoding, valueOf(kEncodings, value));
    else if (key == "line-break")
        read = assign(document.format.lineBreak, valueOf(kLineBreaks, value));
    else if (key == "mixed-line-breaks")
        read = assign(document.format.mixedLineBreaks, flag(value));
    else if (key == "final-line-break")
        read = assign(document.format.endsWithLineBreak, flag(value));
    else if (key == "modified")
        read = assign(document.modified, flag(value));
    else if (key == "file-stamp" || key == "selection" || key == "scroll")
        return readNumbers(document, key, value);
    else
        return Outcome::UnknownKey;
    return read ? Outcome::Read : Outcome::BadValue;
}

/// Builds the session entry by entry; each key of a document, of a pane and
/// of the session once. The version before kept one text to a pane, with no
/// entries of documents: the pane's entry begins its one document.
class SessionReader {
public:
    explicit SessionReader(std::uint64_t version)
        : documents_(version >= 2)
    {
    }

    /// Empty when the entry was taken in, else what is wrong with it.
    std::string read(const Entry& entry)
    {
        if (entry.key == "end") {
            ended_ = true;
            return !entry.value.empty() ? badValue(entry.key) : endPane();
        }
        if (entry.key == "pane")
            return startPane(entry.value);
        if (entry.key == "field")
            return readField(entry.value);
        if (documents_ && entry.key == "document")
            return startDocument(entry.value);
        if (!seen_.insert(entry.key).second)
            return "the entry \"" + std::string(entry.key) + "\" is there twice";
        if (entry.key == "npc-frames")
            return assign(session_.npcFrames, valueOf(kNpcFrames, entry.value)) ? "" : badValue(entry.key);
        if (documents_ && entry.key == "front")
            return readFront(entry.value);
        return readDocument(entry);
    }

    [[nodiscard]] bool ended() const { return ended_; }
    KeptSession take() { return std::move(session_); }

private:
    static std::string badValue(std::string_view key) { return "a wrong value of \"" + std::string(key) + "\""; }
    static std::string unknown(std::string_view key) { return "an unknown entry \"" + std::string(key) + "\""; }

    std::string startPane(std::string_view name)
    {
        const auto sameName = [name](const KeptPane& pane) { return pane.name == name; };
        if (name.empty() || std::ranges::any_of(session_.panes, sameName))
            return badValue("pane");
        if (std::string damage = endPane(); !damage.empty())
            return damage;
        session_.panes.emplace_back().name = name;
        forgetKeys(true);
        if (!documents_)
            session_.panes.back().documents.emplace_back();
        return {};
    }

    // The form's script can only be the first document.
    std::string startDocument(std::string_view role)
    {
        if (session_.panes.empty() || (role != "form" && role != "file")
            || (role == "form" && !session_.panes.back().documents.empty()))
            return badValue("document");
        session_.panes.back().documents.emplace_back().formScript = role == "form";
        forgetKeys(false);
        return {};
    }

    std::string readFront(std::string_view value)
    {
        if (session_.panes.empty() || !session_.panes.back().documents.empty())
            return unknown("front");
        return assign(session_.panes.back().front, number(value)) ? "" : badValue("front");
    }

    std::string readDocument(const Entry& entry)
    {
        if (session_.panes.empty() || session_.panes.back().documents.empty())
            return unknown(entry.key);
        KeptDocument& document = session_.panes.back().documents.back();
        if (documents_ && entry.key == "tie")
            return assign(document.tie, tie(entry.value)) ? "" : badValue(entry.key);
        const Outcome outcome = readDocumentValue(document, entry.key, entry.value);
        if (outcome == Outcome::UnknownKey)
            return unknown(entry.key);
        return outcome == Outcome::BadValue ? badValue(entry.key) : "";
    }

    // The pane read last is whole: its front is one of its documents.
    std::string endPane()
    {
        if (session_.panes.empty())
            return {};
        KeptPane& pane = session_.panes.back();
        if (!documents_)
            pane.documents.front().formScript = pane.documents.front().filePath.empty();
        return pane.front < std::max<std::size_t>(pane.documents.size(), 1) ? "" : badValue("front");
    }

    // A new pane's or document's keys may come again; the session's may not.
    void forgetKeys(bool paneToo)
    {
        std::erase_if(seen_, [paneToo](std::string_view key) { return key != "npc-frames" && (paneToo || key != "front"); });
    }

    std::string readField(std::string_view value)
    {
        const std::size_t equals = value.find('=');
        if (equals == 0 || equals == std::string_view::npos || !fieldNames_.insert(value.substr(0, equals)).second)
            return badValue("field");
        session_.fields.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        return {};
    }

    bool documents_;
    KeptSession session_;
    std::set<std::string_view> seen_;
    std::set<std::string_view> fieldNames_;
    bool ended_ = false;
};

DecodedSession damaged(std::string reason)
{
    return {std::nullopt, std::move(reason)};
}

} // namespace

DecodedSession decodeSession(std::string_view bytes)
{
    const std::size_t headerEnd = bytes.find('\n');
    if (headerEnd == std::string_view::npos || !bytes.starts_with(kHeader))
        return damaged("it is not a kept session");
    const std::optional<std::uint64_t> version = number(bytes.substr(kHeader.size(), headerEnd - kHeader.size()));
    if (!version)
        return damaged("it is not a kept session");
    if (*version != kSessionFormatVersion && *version != 1)
        return damaged("it was kept by another version of Defwright");
    std::string_view rest = bytes.substr(headerEnd + 1);
    SessionReader reader(*version);
    while (!reader.ended()) {
        const std::optional<Entry> entry = takeEntry(rest);
        if (!entry)
            return damaged("it is cut short or garbled");
        if (std::string damage = reader.read(*entry); !damage.empty())
            return damaged(std::move(damage));
    }
    if (!rest.empty())
        return damaged("something follows its end");
    return {reader.take(), {}};
}

} // namespace defwright
