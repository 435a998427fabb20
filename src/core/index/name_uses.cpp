#include "core/index/name_uses.h"

#include "core/index/definition_name.h"
#include "core/index/header_reading.h"
#include "core/index/name_words.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace defwright {
namespace {

bool isWordByte(char character)
{
    return isDefinitionName(std::string_view(&character, 1)) || (character >= '0' && character <= '9');
}

// The words a line holds that may name a definition, each with the flags of its place.
class LineUses {
public:
    LineUses(const ScriptSummary& summary, const ReadingRegion& region, std::uint32_t line)
        : summary_(summary)
        , text_(*summary.text)
        , region_(region)
        , line_(line)
    {
    }

    std::vector<NameUse> read(std::size_t start)
    {
        const ScriptLine line = scriptLineAt(text_, start);
        if (line.kind == LineKind::Header)
            readHeaderLine(line);
        else if (!isUnclosedHeader(text_, line) && line.kind != LineKind::Trigger)
            readBody(line);
        return std::move(uses_);
    }

private:
    void readHeaderLine(const ScriptLine& line)
    {
        const HeaderReading header = readHeader(line.key.of(text_));
        const std::string_view name = header.name;
        if (!header.listed || header.end)
            return;
        if (header.use != SectionUse::List && (isDefinitionName(name) || isIdNumber(name))) {
            words_.push_back({offset(name), offset(name) + name.size(), isIdNumber(name)});
            const std::uint8_t id = header.kind == "ITEMDEF" ? NameUse::ItemId
                : header.kind == "CHARDEF"                   ? NameUse::CharId
                                                             : 0;
            keep(header.use == SectionUse::Definition ? NameUse::Defines | id : id);
        }
        addCodeWords(text_, offset(header.arguments), offset(header.arguments) + header.arguments.size(), IdFields::None,
                     words_);
        keep(0);
    }

    void readBody(const ScriptLine& line)
    {
        const std::size_t start = line.indent.end;
        const std::size_t end = line.commentGap.start;
        switch (region_.body) {
        case BodyReading::Names:
            readListedName(line);
            break;
        case BodyReading::Text:
            addTextWords(text_, start, end, words_);
            keep(0);
            break;
        case BodyReading::Code:
            if (line.kind == LineKind::Keyed && isPlainKey(line.key.of(text_)))
                readKeyed(line);
            else
                readStatement(start, end);
            break;
        case BodyReading::Loads:
        case BodyReading::None:
            break;
        }
    }

    void readListedName(const ScriptLine& line)
    {
        const std::size_t end = line.kind == LineKind::Keyed ? line.key.end : line.commentGap.start;
        const std::string_view name = firstWord(text_.substr(line.indent.end, end - line.indent.end)).first;
        if (region_.section >= 0 && isDefinitionName(name)) {
            words_.push_back({line.indent.end, line.indent.end + name.size(), false});
            keep(NameUse::Defines);
        }
        addCodeWords(text_, line.indent.end + name.size(), line.commentGap.start, IdFields::None, words_);
        keep(0);
    }

    void readKeyed(const ScriptLine& line)
    {
        const std::string_view key = line.key.of(text_);
        if (isAliasKey(key) && isDefinitionName(line.value.of(text_)) && isAliasLine()) {
            words_.push_back({line.value.start, line.value.end, false});
            keep(NameUse::Defines);
            return;
        }
        const KeyReading reading = keyReading(key);
        if (reading.text)
            addTextWords(text_, line.value.start, line.value.end, words_);
        else
            addCodeWords(text_, line.value.start, line.value.end, reading.ids, words_);
        keep(region_.characters && equalsIgnoringCase(key, "ID") ? NameUse::CharId : NameUse::ItemId);
    }

    // A statement: its first word, and then what follows as code or as text.
    void readStatement(std::size_t start, std::size_t end)
    {
        const std::string_view verb = firstWord(text_.substr(start, end - start)).first;
        const std::size_t rest = start + verb.size();
        addCodeWords(text_, start, rest, IdFields::None, words_);
        const KeyReading reading = keyReading(verb);
        if (reading.text)
            addTextWords(text_, rest, end, words_);
        else
            addCodeWords(text_, rest, end, reading.ids, words_);
        keep(NameUse::ItemId);
    }

    [[nodiscard]] bool isAliasLine() const
    {
        if (region_.section < 0)
            return false;
        const std::vector<WrittenName>& aliases = summary_.sections[static_cast<std::size_t>(region_.section)].aliases;
        return std::any_of(aliases.begin(), aliases.end(), [this](const WrittenName& alias) { return alias.line == line_; });
    }

    [[nodiscard]] std::size_t offset(std::string_view part) const
    {
        return part.empty() ? 0 : static_cast<std::size_t>(part.data() - text_.data());
    }

    // The words found so far become uses, numbers with `flags`' kind of id.
    void keep(std::uint8_t flags)
    {
        for (const WordSpan& word : words_) {
            const auto kept = static_cast<std::uint8_t>(word.number ? flags : flags & NameUse::Defines);
            uses_.push_back({static_cast<std::uint32_t>(word.start), line_,
                             static_cast<std::uint32_t>(word.end - word.start), kept});
        }
        words_.clear();
    }

    const ScriptSummary& summary_;
    std::string_view text_;
    const ReadingRegion& region_;
    std::uint32_t line_;
    std::vector<WordSpan> words_;
    std::vector<NameUse> uses_;
};

std::size_t breaksBetween(std::string_view text, std::size_t from, std::size_t to)
{
    std::size_t breaks = 0;
    for (std::size_t at = from; at < to; ++at)
        breaks += text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')) ? 1 : 0;
    return breaks;
}

bool namesIt(const NameUse& use, std::string_view word, std::string_view name, std::uint8_t idKind)
{
    constexpr std::uint8_t kIdKinds = NameUse::ItemId | NameUse::CharId;
    if (!isIdNumber(word))
        return equalsIgnoringCase(word, name);
    return (use.flags & kIdKinds) == idKind && isIdNumber(name) && compareNameKeys(word, name) == 0;
}

// Letters in lower case; other bytes such that equal bytes stay equal (and a
// few others meet, which the full comparison then tells apart).
unsigned char folded(char character)
{
    return static_cast<unsigned char>(character) | 0x20U;
}

// Where `needle` (not empty) stands in the text from `from` on, ASCII letters
// in any case; the text's size when nowhere. Its first and last bytes are
// compared at 64 places at a time, without a branch, which the compiler
// makes vector code of: most of a folder is passed over at that speed.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from)
{
    constexpr std::size_t kBlock = 64;
    const std::size_t last = needle.size() - 1;
    const unsigned char first = folded(needle.front());
    const unsigned char final = folded(needle.back());
    for (std::size_t at = from; at + last < text.size();) {
        const std::size_t block = std::min(kBlock, text.size() - last - at);
        std::array<unsigned char, kBlock> hits{};
        for (std::size_t i = 0; i < block; ++i)
            hits[i] = static_cast<unsigned char>((folded(text[at + i]) == first) & (folded(text[at + i + last]) == final));
        for (std::size_t word = 0; word < kBlock; word += sizeof(std::uint64_t)) {
            std::uint64_t any = 0;
            std::memcpy(&any, hits.data() + word, sizeof any);
            for (std::size_t i = word; any != 0 && i < word + sizeof any; ++i) {
                if (hits[i] != 0 && equalsIgnoringCase(text.substr(at + i, needle.size()), needle))
                    return at + i;
            }
        }
        at += block;
    }
    return text.size();
}

// What the text search looks for: the name, or the digits of an id that every form of it holds.
std::string needleOf(std::string_view name)
{
    if (!isIdNumber(name))
        return std::string(name);
    const std::string key = nameKey(name);
    return key.size() > 1 ? key.substr(1) : key;
}

} // namespace

std::vector<NameUse> usesOf(const ScriptSummary& summary, std::string_view name, std::uint8_t idKind)
{
    std::vector<NameUse> uses;
    if (summary.text == nullptr || summary.regions.empty() || name.empty())
        return uses;
    const std::string_view text = std::string_view(*summary.text).substr(0, summary.readEnd);
    const std::string needle = needleOf(name);
    std::size_t lineStart = 0;
    std::uint32_t line = 0;
    const ReadingRegion* lastRegion = nullptr;
    for (std::size_t at = 0; (at = findIgnoringCase(text, needle, at)) < text.size();) {
        while (at > 0 && isWordByte(text[at - 1]))
            --at;
        const std::size_t start = lineStartAt(text, at);
        const auto region = std::prev(std::upper_bound(
            summary.regions.begin(), summary.regions.end(), start,
            [](std::size_t offset, const ReadingRegion& one) { return offset < one.offset; }));
        line = &*region == lastRegion ? line + static_cast<std::uint32_t>(breaksBetween(text, lineStart, start))
                                      : region->line + static_cast<std::uint32_t>(breaksBetween(text, region->offset, start));
        lastRegion = &*region;
        lineStart = start;
        for (const NameUse& use : LineUses(summary, *region, line).read(start)) {
            if (namesIt(use, std::string_view(*summary.text).substr(use.offset, use.length), name, idKind))
                uses.push_back(use);
        }
        at = std::min(text.find_first_of("\r\n", start), text.size());
    }
    return uses;
}

} // namespace defwright
