#include "core/index/script_summary.h"

#include "core/index/definition_name.h"
#include "core/index/header_reader.h"
#include "core/index/name_words.h"
#include "core/index/reference_names.h"
#include "core/language/vocabulary_gatherer.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include <cstring>

namespace defwright {
namespace {

// Whether a CR stands anywhere but before an LF. Without a branch in the
// loop, so that the compiler makes vector code of it.
bool holdsLoneCarriageReturn(std::string_view text)
{
    unsigned lone = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        lone |= static_cast<unsigned>(text[i] == '\r') & static_cast<unsigned>(text[i + 1] != '\n');
    return lone != 0 || (!text.empty() && text.back() == '\r');
}

// Reads a script line by line, keeping what it needs to know of the section it is in.
class Summarizer {
public:
    explicit Summarizer(std::shared_ptr<const std::string> text)
        : text_(*text)
        , loneCarriageReturns_(holdsLoneCarriageReturn(text_))
        , vocabulary_(summary_.vocabulary)
    {
        summary_.text = std::move(text);
        summary_.regions.push_back({});
    }

    ScriptSummary run()
    {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = lineEnd(start);
            if (!readLine(start, end) || end == text_.size())
                break;
            start = end + (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n' ? 2 : 1);
            ++lineNumber_;
        }
        summary_.readEnd = static_cast<std::uint32_t>(ended_ ? start : text_.size());
        vocabulary_.finish();
        return std::move(summary_);
    }

private:
    // The first CR or LF from `at` on, or the text's end. Lines end in LF or
    // CR LF mostly, so memchr finds the next LF, once for as long as it lies
    // ahead; a second one looks for a CR before it only in a text that has
    // CRs of their own.
    std::size_t lineEnd(std::size_t at)
    {
        if (nextLf_ < at || nextLf_ == std::string_view::npos) {
            const void* lf = std::memchr(text_.data() + at, '\n', text_.size() - at);
            nextLf_ = lf == nullptr ? text_.size() : static_cast<std::size_t>(static_cast<const char*>(lf) - text_.data());
        }
        if (!loneCarriageReturns_)
            return nextLf_ > at && text_[nextLf_ - 1] == '\r' ? nextLf_ - 1 : nextLf_;
        const void* cr = std::memchr(text_.data() + at, '\r', nextLf_ - at);
        return cr == nullptr ? nextLf_ : static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
    }

    // Most lines are passed over by their first characters: blanks, comments,
    // a body that tells nothing. Any line that begins with "[" is read: it
    // begins a section, in a comment's body too. The vocabulary is gathered
    // from the same lines, and from those of a definition's keys.
    bool readLine(std::size_t start, std::size_t end)
    {
        std::size_t first = start;
        while (first < end && isBlank(text_[first]))
            ++first;
        if (first == end || (text_[first] == '/' && first + 1 < end && text_[first + 1] == '/'))
            return true;
        const bool summarized = tells(first, end);
        const bool gathered = !placer_.passesOver(text_[first]);
        if (!summarized && !gathered)
            return true;
        const ScriptLine line = scriptLineAt(text_, start, end);
        if (gathered) {
            placer_.place(text_, line);
            vocabulary_.read(text_, line, placer_);
        }
        return !summarized || read(line);
    }

    // Whether a line that is neither blank nor a comment can tell the summary anything.
    [[nodiscard]] bool tells(std::size_t first, std::size_t end) const
    {
        if (text_[first] == '[')
            return true;
        return body_ == BodyReading::Code ? mayTell(first, end) : body_ == BodyReading::Names || body_ == BodyReading::Loads;
    }

    // Of a code body only keys tell anything, and a line without "=" is none;
    // where no aliases or title are looked for, only a trigger or a naming
    // key can, whose first letters are few.
    [[nodiscard]] bool mayTell(std::size_t first, std::size_t end) const
    {
        const bool gathering = aliases_ || seekingTitle();
        if (!gathering && !startsNamingKeyOrTrigger(text_[first]))
            return false;
        return std::memchr(text_.data() + first, '=', end - first) != nullptr;
    }

    // False once the script's end is reached.
    bool read(const ScriptLine& line)
    {
        if (line.kind == LineKind::Header)
            return openSection(line);
        if (isUnclosedHeader(text_, line)) {
            summary_.unclosedHeaders.push_back(lineNumber_);
            enterSection(line, BodyReading::Code, false); // the server begins a section there all the same
        } else if (line.kind == LineKind::Trigger) {
            readTrigger();
        } else if (body_ == BodyReading::Names) {
            readListedName(line);
        } else if (body_ == BodyReading::Loads) {
            readLoad(line);
        } else if (line.kind == LineKind::Keyed) {
            readKeyed(line);
        }
        return true;
    }

    void enterSection(const ScriptLine& line, BodyReading body, bool listed)
    {
        body_ = body;
        section_ = nullptr;
        inTrigger_ = false;
        titled_ = false;
        aliases_ = false;
        const std::int32_t section = listed ? static_cast<std::int32_t>(summary_.sections.size()) : -1;
        summary_.regions.push_back({static_cast<std::uint32_t>(line.start()), lineNumber_, section, body, false});
    }

    bool openSection(const ScriptLine& line)
    {
        HeaderReading header = headers_.read(line.key.of(text_));
        if (header.end) {
            ended_ = true;
            return false;
        }
        enterSection(line, header.body, header.listed);
        if (!header.listed)
            return true;
        summary_.listsLoads = summary_.listsLoads || header.body == BodyReading::Loads;
        const WrittenName name{header.name, lineNumber_, nameHash(header.name)};
        summary_.sections.push_back({std::move(header.kind), name, header.arguments, {}, {}, header.use});
        section_ = &summary_.sections.back();
        aliases_ = header.aliases;
        summary_.regions.back().characters = section_->kind == "CHARDEF";
        titled_ = header.use == SectionUse::Definition && (section_->kind == "ITEMDEF" || section_->kind == "CHARDEF");
        return true;
    }

    void readTrigger()
    {
        inTrigger_ = true;
        aliases_ = false;
    }

    // A list's line is "name value" or "name=value": it defines the name.
    void readListedName(const ScriptLine& line)
    {
        const std::size_t end = line.kind == LineKind::Keyed ? line.key.end : line.commentGap.start;
        const std::string_view name = firstWord(text_.substr(line.indent.end, end - line.indent.end)).first;
        if (section_ != nullptr && isDefinitionName(name))
            section_->aliases.push_back({name, lineNumber_, nameHash(name)});
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
        if (seekingTitle() && equalsIgnoringCase(key, "NAME"))
            section_->title = value;
        if (aliases_ && !value.empty() && isAliasKey(key))
            section_->aliases.push_back({value, lineNumber_, nameHash(value)});
    }

    // An item's or a character's NAME= before its first trigger is its title.
    [[nodiscard]] bool seekingTitle() const { return titled_ && !inTrigger_ && section_->title.empty(); }

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

    std::string_view text_;
    ScriptSummary summary_;
    std::uint32_t lineNumber_ = 0;
    bool loneCarriageReturns_;
    std::size_t nextLf_ = std::string_view::npos;
    BodyReading body_ = BodyReading::Code;
    SectionEntry* section_ = nullptr;
    bool inTrigger_ = false;
    bool aliases_ = false;
    bool ended_ = false;
    HeaderReader headers_;
    bool titled_ = false;
    std::vector<std::string_view> names_;
    LinePlacer placer_;
    VocabularyGatherer vocabulary_;
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
