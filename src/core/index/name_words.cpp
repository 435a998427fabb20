#include "core/index/name_words.h"

#include "core/index/definition_name.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <array>
#include <compare>
#include <optional>
#include <utility>

namespace defwright {
namespace {

// A key of up to 16 letters as two numbers, to find it with a few comparisons of numbers.
struct PackedKey {
    std::uint64_t first = 0;
    std::uint64_t second = 0;

    auto operator<=>(const PackedKey&) const = default;
};

constexpr std::size_t kPackedLetters = 16;

// The letters of a key's last part in upper case, packed; none for a longer one.
constexpr std::optional<PackedKey> packedLastPart(std::string_view key)
{
    const std::size_t dot = key.rfind('.');
    const std::string_view last = dot == std::string_view::npos ? key : key.substr(dot + 1);
    if (last.size() > kPackedLetters)
        return std::nullopt;
    constexpr std::size_t kHalf = kPackedLetters / 2;
    PackedKey packed;
    for (std::size_t i = 0; i < last.size(); ++i) {
        const std::uint64_t letter = static_cast<unsigned char>(asciiUpper(last[i]));
        (i < kHalf ? packed.first : packed.second) |= letter << (8 * (i % kHalf));
    }
    return packed;
}

constexpr KeyReading kText{true, IdFields::None};
constexpr KeyReading kAllIds{false, IdFields::All};
constexpr KeyReading kFirstId{false, IdFields::First};

// Keys whose values are text, and keys whose values hold ids, by their last part.
constexpr auto kKeyReadings = [] {
    std::array<std::pair<std::string_view, KeyReading>, 29> readings = {{
        {"B", kText},          {"BROADCAST", kText},  {"CATEGORY", kText},      {"DESCRIPTION", kText},
        {"DISPID", kAllIds},   {"DUPEITEM", kAllIds}, {"DUPELIST", kAllIds},    {"EMOTE", kText},
        {"ID", kAllIds},       {"ITEM", kFirstId},    {"ITEMNEWBIE", kFirstId}, {"LOG", kText},
        {"MESSAGE", kText},    {"MESSAGEUA", kText},  {"NAME", kText},          {"NEWITEM", kFirstId},
        {"ON", kText},         {"SAY", kText},        {"SAYU", kText},          {"SAYUA", kText},
        {"SPEAK", kText},      {"SPEAKU", kText},     {"SPEAKUA", kText},       {"SUBSECTION", kText},
        {"SYSMESSAGE", kText}, {"SYSMESSAGELOC", kText}, {"SYSMESSAGEUA", kText}, {"TITLE", kText},
        {"TITLES", kText},
    }};
    std::array<std::pair<PackedKey, KeyReading>, readings.size()> packed{};
    for (std::size_t i = 0; i < readings.size(); ++i)
        packed[i] = {*packedLastPart(readings[i].first), readings[i].second};
    std::sort(packed.begin(), packed.end(), [](const auto& left, const auto& right) { return left.first < right.first; });
    return packed;
}();

constexpr auto kWordCharacters = [] {
    std::array<bool, 256> table{};
    for (int character = 0; character < 256; ++character)
        table[static_cast<std::size_t>(character)] = (character >= 'a' && character <= 'z')
            || (character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9') || character == '_';
    return table;
}();

bool isWordCharacter(char character)
{
    return kWordCharacters[static_cast<unsigned char>(character)];
}

// Reads a stretch of a line word by word, keeping track of quotes, "<...>" and braces.
class WordScanner {
public:
    WordScanner(std::string_view text, IdFields ids, bool asText, std::vector<WordSpan>& words)
        : text_(text)
        , ids_(ids)
        , asText_(asText)
        , words_(words)
    {
    }

    void run(std::size_t from, std::size_t to)
    {
        for (std::size_t at = from; at < to;) {
            if (!isWordCharacter(text_[at])) {
                mark(text_[at++]);
                continue;
            }
            std::size_t end = at + 1;
            while (end < to && isWordCharacter(text_[end]))
                ++end;
            word(at, end);
            at = end;
        }
    }

private:
    [[nodiscard]] bool inCode() const { return depth_ > 0 || (!asText_ && !quoted_); }

    void mark(char character)
    {
        switch (character) {
        case '<':
            depth_ += depth_ > 0 || !inCode() ? 1 : 0;
            break;
        case '>':
            depth_ -= depth_ > 0 ? 1 : 0;
            break;
        case '"':
            quoted_ = depth_ == 0 && !asText_ ? !quoted_ : quoted_;
            break;
        case '{':
            ++braces_;
            braceWords_ = 0;
            break;
        case '}':
            braces_ -= braces_ > 0 ? 1 : 0;
            break;
        case ',':
            firstField_ = firstField_ && braces_ > 0;
            break;
        default:
            break;
        }
    }

    void word(std::size_t start, std::size_t end)
    {
        if (!inCode())
            return;
        const std::size_t inBraces = braces_ > 0 ? braceWords_++ : 0;
        const char first = text_[start];
        if (!(first >= '0' && first <= '9')) {
            words_.push_back({start, end, false});
            return;
        }
        const bool idField = ids_ == IdFields::All || (ids_ == IdFields::First && firstField_);
        const bool afterDot = start > 0 && text_[start - 1] == '.';
        if (idField && inBraces % 2 == 0 && !afterDot && isIdNumber(text_.substr(start, end - start)))
            words_.push_back({start, end, true});
    }

    std::string_view text_;
    IdFields ids_;
    bool asText_;
    std::vector<WordSpan>& words_;
    int depth_ = 0;
    bool quoted_ = false;
    int braces_ = 0;
    std::size_t braceWords_ = 0;
    bool firstField_ = true;
};

} // namespace

void addCodeWords(std::string_view text, std::size_t from, std::size_t to, IdFields ids, std::vector<WordSpan>& words)
{
    WordScanner(text, ids, false, words).run(from, to);
}

void addTextWords(std::string_view text, std::size_t from, std::size_t to, std::vector<WordSpan>& words)
{
    WordScanner(text, IdFields::None, true, words).run(from, to);
}

KeyReading keyReading(std::string_view key)
{
    const std::optional<PackedKey> packed = packedLastPart(key);
    if (!packed)
        return {};
    const auto found = std::lower_bound(kKeyReadings.begin(), kKeyReadings.end(), *packed,
                                        [](const auto& entry, const PackedKey& wanted) { return entry.first < wanted; });
    return found == kKeyReadings.end() || found->first != *packed ? KeyReading() : found->second;
}

std::pair<std::string_view, std::string_view> firstWord(std::string_view words)
{
    std::size_t blank = 0;
    while (blank < words.size() && words[blank] != ' ' && words[blank] != '\t')
        ++blank;
    std::size_t rest = blank;
    while (rest < words.size() && (words[rest] == ' ' || words[rest] == '\t'))
        ++rest;
    return {words.substr(0, blank), words.substr(rest)};
}

bool isPlainKey(std::string_view key)
{
    return !key.empty()
        && std::all_of(key.begin(), key.end(), [](char character) { return isWordCharacter(character) || character == '.'; });
}

} // namespace defwright
