#include "core/index/script_summary.h"

#include "core/index/reference_names.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), asciiUpper);
    return result;
}

void keepDistinct(std::vector<std::string>& words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
}

enum class Body { Outside, Definition, NameBlock, Ignored };

// Reads a script line by line, keeping what it needs to know of the section it is in.
class Summarizer {
public:
    explicit Summarizer(std::string_view text)
        : text_(text)
    {
    }

    ScriptSummary run()
    {
        for (std::size_t start = 0;;) {
            const ScriptLine line = scriptLineAt(text_, start);
            if (!read(line) || line.isLast())
                break;
            start = line.next();
            ++lineNumber_;
        }
        keepDistinct(summary_.itemKeys);
        keepDistinct(summary_.characterKeys);
        keepDistinct(summary_.triggers);
        return std::move(summary_);
    }

private:
    // False once the script's end is reached.
    bool read(const ScriptLine& line)
    {
        if (line.kind == LineKind::Header)
            return openSection(line);
        if (isUnclosedHeader(text_, line))
            summary_.unclosedHeaders.push_back(lineNumber_);
        else if (body_ == Body::Ignored)
            return true;
        else if (line.kind == LineKind::Trigger)
            readTrigger(line);
        else if (body_ == Body::NameBlock)
            readBlockName(line);
        else if (line.kind == LineKind::Keyed)
            readKeyed(line);
        return true;
    }

    bool openSection(const ScriptLine& line)
    {
        const std::string_view words = line.key.of(text_);
        const std::size_t blank = std::min(words.find_first_of(" \t"), words.size());
        std::string kind = upper(words.substr(0, blank));
        inTrigger_ = false;
        if (kind == "EOF")
            return false;
        body_ = kind == "COMMENT"                                                ? Body::Ignored
            : kind == "DEFNAME" || kind == "DEFNAMES" || kind == "TYPEDEFS"      ? Body::NameBlock
                                                                                 : Body::Definition;
        if (body_ == Body::Ignored)
            return true;
        keys_ = kind == "ITEMDEF" ? &summary_.itemKeys : kind == "CHARDEF" ? &summary_.characterKeys : nullptr;
        defnames_ = kind != "FUNCTION";
        summary_.sections.push_back({std::move(kind), {std::string(trimBlanks(words.substr(blank))), lineNumber_}, {}, {}});
        return true;
    }

    void readTrigger(const ScriptLine& line)
    {
        inTrigger_ = true;
        const std::string_view value = line.value.of(text_);
        summary_.triggers.push_back(upper(value.substr(0, value.find_first_of(" \t"))));
    }

    // A [DEFNAME] block's line is "name value" or "name=value".
    void readBlockName(const ScriptLine& line)
    {
        if (line.kind != LineKind::Keyed && line.kind != LineKind::Other)
            return;
        std::string_view name = line.kind == LineKind::Keyed ? line.key.of(text_) : line.text.of(text_);
        name = trimBlanks(name);
        name = name.substr(0, name.find_first_of(" \t"));
        if (!summary_.sections.empty() && !name.empty())
            summary_.sections.back().aliases.push_back({std::string(name), lineNumber_});
    }

    void readKeyed(const ScriptLine& line)
    {
        std::string key = upper(line.key.of(text_));
        const std::string_view value = line.value.of(text_);
        for (const std::string_view name : referencedNames(key, value))
            summary_.references.push_back({key, std::string(name), lineNumber_});
        if (body_ != Body::Definition || inTrigger_ || summary_.sections.empty())
            return;
        SectionEntry& section = summary_.sections.back();
        if (key == "DEFNAME" && defnames_ && !value.empty())
            section.aliases.push_back({std::string(value), lineNumber_});
        if (keys_ == nullptr)
            return;
        if (key == "NAME" && section.title.empty())
            section.title = value;
        keys_->push_back(std::move(key));
    }

    std::string_view text_;
    ScriptSummary summary_;
    std::uint32_t lineNumber_ = 0;
    Body body_ = Body::Outside;
    bool inTrigger_ = false;
    bool defnames_ = false;
    std::vector<std::string>* keys_ = nullptr;
};

} // namespace

ScriptSummary summarizeScript(std::string_view text)
{
    return Summarizer(text).run();
}

} // namespace defwright
