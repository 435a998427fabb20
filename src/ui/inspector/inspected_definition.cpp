#include "ui/inspector/inspected_definition.h"

#include "core/language/script_check.h"
#include "ui/inspector/section_kind_name.h"

#include <algorithm>

namespace defwright {
namespace {

// Where the section ends: the start of the next header's line, or the text's end.
std::size_t sectionEnd(std::string_view text, const DefinitionRows& rows)
{
    for (ScriptLine line = scriptLineAt(text, lineStartAt(text, rows.end)); !line.isLast();) {
        line = scriptLineAt(text, line.next());
        if (line.kind == LineKind::Header)
            return line.start();
    }
    return text.size();
}

// Counts lines as the panes do: a CR LF, a lone CR and a lone LF each end one.
class LineCounter {
public:
    explicit LineCounter(std::string_view text, std::size_t first)
        : text_(text)
        , line_(first)
    {
    }

    // The number of the line that holds `offset`; offsets asked must not go back.
    std::size_t lineAt(std::size_t offset)
    {
        for (; at_ < offset; ++at_) {
            if (text_[at_] == '\n' || (text_[at_] == '\r' && (at_ + 1 == text_.size() || text_[at_ + 1] != '\n')))
                ++line_;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_;
};

std::vector<InspectedRow> rowsOf(const InspectedDefinition& definition, std::size_t headerLine)
{
    LineCounter lines(definition.text, headerLine);
    std::vector<InspectedRow> shown;
    shown.reserve(definition.rows.body.size() + definition.rows.triggers.size() + 1);
    shown.push_back({InspectedRow::Kind::Header, definition.rows.header, headerLine, 0, {}});
    for (const ScriptLine& line : definition.rows.body) {
        if (line.kind != LineKind::Blank)
            shown.push_back({InspectedRow::Kind::Line, line, lines.lineAt(line.start()), 0, {}});
    }
    for (const DefinitionTrigger& trigger : definition.rows.triggers) {
        shown.push_back({InspectedRow::Kind::Trigger, trigger.line, lines.lineAt(trigger.line.start()),
                         trigger.lineCount, {}});
    }
    return shown;
}

} // namespace

std::optional<Severity> InspectedRow::severity() const
{
    if (problems.empty())
        return std::nullopt;
    return std::min_element(problems.begin(), problems.end(), [](const RowProblem& left, const RowProblem& right) {
               return left.severity < right.severity;
           })->severity;
}

std::size_t InspectedDefinition::rowAt(std::size_t offset) const
{
    const auto after = std::upper_bound(shown.begin(), shown.end(), offset,
                                        [](std::size_t at, const InspectedRow& row) { return at < row.line.start(); });
    return after == shown.begin() ? 0 : static_cast<std::size_t>(after - shown.begin()) - 1;
}

// A section that ends with a line break ends before the next line; one that
// does not ends the document, and a caret after its last byte is still in it.
bool InspectedDefinition::holds(std::size_t position) const
{
    if (position < start)
        return false;
    const std::size_t end = start + text.size();
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    return endsWithBreak ? position < end : position <= end;
}

std::optional<InspectedDefinition> inspectDefinition(std::string_view fromHeader, std::size_t start,
                                                     std::size_t headerLine)
{
    std::optional<DefinitionRows> rows = readDefinitionRowsAtHeader(fromHeader, 0);
    if (!rows)
        return std::nullopt;
    InspectedDefinition definition;
    definition.start = start;
    definition.text = std::string(fromHeader.substr(0, sectionEnd(fromHeader, *rows)));
    definition.rows = std::move(*rows);
    definition.kind = sectionKindName(definition.rows.header.key.of(definition.text));
    definition.shown = rowsOf(definition, headerLine);
    return definition;
}

// The checker gives its problems in the order of their spans, as the rows go.
std::vector<std::vector<RowProblem>> rowProblems(const InspectedDefinition& definition,
                                                 const FolderVocabulary& vocabulary)
{
    std::vector<std::vector<RowProblem>> problems(definition.shown.size());
    LineCounter lines(definition.text, definition.shown.front().number);
    for (ScriptProblem& problem : checkSection(definition.text, {0, definition.text.size()}, vocabulary)) {
        const std::size_t line = lines.lineAt(problem.span.start);
        problems[definition.rowAt(problem.span.start)].push_back(
            {line, problem.severity, std::move(problem.message)});
    }
    return problems;
}

} // namespace defwright
