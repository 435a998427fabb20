#include "core/index/script_summary.h"

#include "core/index/definition_name.h"
#include "core/index/distinct_words.h"
#include "core/index/name_words.h"
#include "core/index/reference_names.h"
#include "core/index/header_reading.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace defwright {
namespace {

constexpr std::size_t kLongestWord = std::numeric_limits<std::uint16_t>::max();

bool isBreak(char character)
{
    return character == '\n' || character == '\r';
}

// The first CR or LF from `at` on, or the text's end: eight bytes at a step
// while none of them is one, as most bytes of a script are not.
std::size_t lineEnd(std::string_view text, std::size_t at)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + at, sizeof bytes);
        const std::uint64_t lf = bytes ^ (kOnes * '\n');
        const std::uint64_t cr = bytes ^ (kOnes * '\r');
        if ((((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighs)
            break;
    }
    while (at < text.size() && !isBreak(text[at]))
        ++at;
    return at;
}

// The first word of `words` and what follows it, without the blanks between.
std::pair<std::string_view, std::string_view> firstWord(std::string_view words)
{
    std::size_t blank = 0;
    while (blank < words.size() && !isBlank(words[blank]))
        ++blank;
    std::size_t rest = blank;
    while (rest < words.size() && isBlank(words[rest]))
        ++rest;
    return {words.substr(0, blank), words.substr(rest)};
}


// Reads a script line by line, keeping what it needs to know of the section it is in.
class Summarizer {
public:
    explicit Summarizer(std::shared_ptr<const std::string> text)
        : text_(*text)
    {
        summary_.text = std::move(text);
    }

    ScriptSummary run()
    {
        for (std::size_t start = 0;;) {
            const std::size_t end = lineEnd(text_, start);
            if (!readLine(start, end) || end == text_.size())
                break;
            start = end + (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1);
            ++lineNumber_;
        }
        summary_.itemKeys = itemKeys_.take();
        summary_.characterKeys = characterKeys_.take();
        summary_.triggers = triggers_.take();
        return std::move(summary_);
    }

private:
    // Most lines are passed over by their first characters: blank, comments, a body that is not read.
    bool readLine(std::size_t start, std::size_t end)
    {
        std::size_t first = start;
        while (first < end && isBlank(text_[first]))
            ++first;
        if (first == end || (text_[first] == '/' && first + 1 < end && text_[first + 1] == '/'))
            return true;
        if (text_[first] != '[' && skipsBody(first, end))
            return true;
        return read(scriptLineAt(text_, start, end));
    }

    [[nodiscard]] bool skipsBody(std::size_t first, std::size_t end) const
    {
        if (body_ == BodyReading::None)
            return true;
        return body_ == BodyReading::Text && text_.substr(first, end - first).find('<') == std::string_view::npos;
    }

    // False once the script's end is reached.
    bool read(const ScriptLine& line)
    {
        if (line.kind == LineKind::Header)
            return openSection(line);
        if (isUnclosedHeader(text_, line)) {
            summary_.unclosedHeaders.push_back(lineNumber_);
            enterSection(BodyReading::Code, nullptr); // the server begins a section there all the same
        } else if (line.kind == LineKind::Trigger) {
            readTrigger(line);
        } else if (body_ == BodyReading::Names) {
            readListedName(line);
        } else if (body_ == BodyReading::Loads) {
            readLoad(line);
        } else if (body_ == BodyReading::Text) {
            addTextWords(text_, line.indent.end, line.commentGap.start, words_);
        } else if (line.kind == LineKind::Keyed && isPlainKey(line.key.of(text_))) {
            readKeyed(line);
        } else {
            readStatement(line.indent.end, line.commentGap.start);
        }
        addUses(0);
        return true;
    }

    void enterSection(BodyReading body, SectionEntry* section)
    {
        body_ = body;
        section_ = section;
        inTrigger_ = false;
        keys_ = nullptr;
        aliases_ = false;
    }

    bool openSection(const ScriptLine& line)
    {
        HeaderReading header = readHeader(line.key.of(text_));
        if (header.end)
            return false;
        enterSection(header.body, nullptr);
        if (!header.listed)
            return true;
        summary_.listsLoads = summary_.listsLoads || header.body == BodyReading::Loads;
        addHeaderWords(header);
        summary_.sections.push_back({std::move(header.kind), {header.name, lineNumber_}, header.arguments, {}, {},
                                     header.use});
        section_ = &summary_.sections.back();
        aliases_ = header.aliases;
        if (header.use == SectionUse::Definition)
            keys_ = section_->kind == "ITEMDEF" ? &itemKeys_ : section_->kind == "CHARDEF" ? &characterKeys_ : nullptr;
        return true;
    }

    void addHeaderWords(const HeaderReading& header)
    {
        const auto offset = [this](std::string_view part) { return static_cast<std::size_t>(part.data() - text_.data()); };
        const std::string_view name = header.name;
        if (header.use != SectionUse::List && (isDefinitionName(name) || isIdNumber(name))) {
            words_.push_back({offset(name), offset(name) + name.size(), isIdNumber(name)});
            const std::uint8_t id = header.kind == "ITEMDEF" ? NameUse::ItemId
                : header.kind == "CHARDEF"                   ? NameUse::CharId
                                                             : 0;
            addUses(header.use == SectionUse::Definition ? NameUse::Defines | id : id);
        }
        if (!header.arguments.empty())
            addCodeWords(text_, offset(header.arguments), offset(header.arguments) + header.arguments.size(),
                         IdFields::None, words_);
        addUses(0);
    }

    void readTrigger(const ScriptLine& line)
    {
        inTrigger_ = true;
        aliases_ = false;
        triggers_.add(firstWord(line.value.of(text_)).first);
    }

    // A list's line is "name value" or "name=value": it defines the name.
    void readListedName(const ScriptLine& line)
    {
        const std::size_t end = line.kind == LineKind::Keyed ? line.key.end : line.commentGap.start;
        const std::string_view name = firstWord(text_.substr(line.indent.end, end - line.indent.end)).first;
        if (section_ != nullptr && isDefinitionName(name)) {
            section_->aliases.push_back({name, lineNumber_});
            words_.push_back({line.indent.end, line.indent.end + name.size(), false});
            addUses(NameUse::Defines);
        }
        addCodeWords(text_, line.indent.end + name.size(), line.commentGap.start, IdFields::None, words_);
    }

    void readLoad(const ScriptLine& line)
    {
        const std::string_view path = text_.substr(line.indent.end, line.commentGap.start - line.indent.end);
        if (!path.empty())
            summary_.loads.push_back({path, lineNumber_});
    }

    void readKeyed(const ScriptLine& line)
    {
        const std::string_view key = line.key.of(text_);
        const std::string_view value = line.value.of(text_);
        addReferences(key, value);
        if (keys_ != nullptr && !inTrigger_) {
            if (section_->title.empty() && equalsIgnoringCase(key, "NAME"))
                section_->title = value;
            keys_->add(key);
        }
        if (aliases_ && !value.empty() && (equalsIgnoringCase(key, "DEFNAME") || equalsIgnoringCase(key, "DEFNAME2"))) {
            section_->aliases.push_back({value, lineNumber_});
            if (isDefinitionName(value)) {
                words_.push_back({line.value.start, line.value.end, false});
                addUses(NameUse::Defines);
                return;
            }
        }
        const KeyReading reading = keyReading(key);
        if (reading.text)
            addTextWords(text_, line.value.start, line.value.end, words_);
        else
            addCodeWords(text_, line.value.start, line.value.end, reading.ids, words_);
        const bool characterId = section_ != nullptr && section_->kind == "CHARDEF" && equalsIgnoringCase(key, "ID");
        addUses(characterId ? NameUse::CharId : NameUse::ItemId);
    }

    void addReferences(std::string_view key, std::string_view value)
    {
        const std::string_view naming = namingKey(key);
        if (naming.empty())
            return;
        names_.clear();
        addReferencedNames(naming, value, names_);
        for (const std::string_view name : names_)
            summary_.references.push_back({naming, name, lineNumber_});
    }

    // A line of a trigger's body: its first word, and then what follows as code or as text.
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
        addUses(NameUse::ItemId);
    }

    // The words found on the line become uses, numbers with `flags`' kind of id.
    void addUses(std::uint8_t flags)
    {
        for (const WordSpan& word : words_) {
            if (word.end - word.start > kLongestWord)
                continue;
            const auto kept = static_cast<std::uint8_t>(word.number ? flags : flags & NameUse::Defines);
            summary_.uses.push_back({static_cast<std::uint32_t>(word.start), lineNumber_,
                                     static_cast<std::uint16_t>(word.end - word.start), kept});
        }
        words_.clear();
    }

    std::string_view text_;
    ScriptSummary summary_;
    std::uint32_t lineNumber_ = 0;
    BodyReading body_ = BodyReading::Code;
    SectionEntry* section_ = nullptr;
    bool inTrigger_ = false;
    bool aliases_ = false;
    DistinctWords* keys_ = nullptr;
    DistinctWords itemKeys_;
    DistinctWords characterKeys_;
    DistinctWords triggers_;
    std::vector<WordSpan> words_;
    std::vector<std::string_view> names_;
};

} // namespace

ScriptSummary summarizeScript(std::string_view text)
{
    return summarizeScript(std::make_shared<const std::string>(text));
}

ScriptSummary summarizeScript(std::shared_ptr<const std::string> text)
{
    if (text == nullptr)
        text = std::make_shared<const std::string>();
    return Summarizer(std::move(text)).run();
}

} // namespace defwright
