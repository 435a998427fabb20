#include "core/definitions/row_edits.h"
#include "core/files/line_breaks.h"
#include "core/index/scripts_folder.h"
#include "core/script/script_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

const std::filesystem::path kSamples = DEFWRIGHT_SAMPLE_SCRIPTS;

std::vector<std::size_t> headerStarts(std::string_view text)
{
    std::vector<std::size_t> headers;
    for (const ScriptLine& line : test::linesOf(text))
        if (line.kind == LineKind::Header)
            headers.push_back(line.start());
    return headers;
}

// Every line from the header to the first trigger is a body row, in order,
// and every trigger after it is one, up to the definition's end.
void expectEveryLineRead(std::string_view text, const DefinitionRows& rows)
{
    std::size_t next = rows.header.next();
    for (const ScriptLine& line : rows.body) {
        ASSERT_EQ(line.start(), next);
        next = line.next();
    }
    for (const DefinitionTrigger& trigger : rows.triggers) {
        ASSERT_EQ(trigger.line.kind, LineKind::Trigger);
        ASSERT_GE(trigger.line.start(), next);
        ASSERT_EQ(trigger.line.start(), lineStartAt(text, trigger.line.start()));
        next = trigger.line.next();
    }
    EXPECT_EQ(rows.end, rows.triggers.empty() ? (rows.body.empty() ? rows.header.text.end : rows.body.back().text.end)
                                              : rows.triggers.back().end);
}

// The edit round-trips and leaves the definition's body as `expected` says.
void expectRoundTrip(std::string_view text, const DefinitionRows& rows, const TextEdit& edit,
                     const std::vector<std::string>& expected)
{
    const std::string edited = applyEdit(text, edit);
    ASSERT_EQ(applyEdit(edited, inverseEdit(text, edit)), text);
    const DefinitionRows again = readDefinitionRowsAtHeader(edited, rows.header.start()).value();
    std::vector<std::string> body;
    for (const ScriptLine& line : again.body)
        body.emplace_back(line.text.of(edited));
    ASSERT_EQ(body, expected);
    ASSERT_EQ(again.triggers.size(), rows.triggers.size());
}

// A value changed, a row taken away and one added, in the definition alone
// (from its header to the next one, as it reads).
void expectEditsRoundTrip(std::string_view text, const DefinitionRows& rows, std::string_view lineBreak)
{
    std::vector<std::string> body;
    for (const ScriptLine& line : rows.body)
        body.emplace_back(line.text.of(text));
    std::vector<std::string> added = body;
    std::size_t after = body.size();
    while (after > 0 && !holdsContent(rows.body[after - 1]))
        --after;
    added.insert(added.begin() + static_cast<std::ptrdiff_t>(after), std::string(after == 0 ? "" : rows.body[after - 1].indent.of(text)) + "NEW=1");
    ASSERT_NO_FATAL_FAILURE(expectRoundTrip(text, rows, planRowAddition(text, rows, "NEW", "1", lineBreak).value(), added));
    for (std::size_t row = 0; row < rows.body.size(); ++row) {
        if (rows.body[row].kind != LineKind::Keyed)
            continue;
        std::vector<std::string> changed = body;
        changed[row].replace(rows.body[row].value.start - rows.body[row].start(), rows.body[row].value.size(), "x y");
        ASSERT_NO_FATAL_FAILURE(expectRoundTrip(text, rows, planValueChange(text, rows.body[row], "x y").value(), changed));
        std::vector<std::string> removed = body;
        removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(row));
        if (rows.triggers.empty()) // notes left at the end are no longer the body's
            while (!removed.empty() && !holdsContent(scriptLineAt(removed.back(), 0)))
                removed.pop_back();
        ASSERT_NO_FATAL_FAILURE(expectRoundTrip(text, rows, planRowRemoval(text, rows.body[row]), removed));
        return;
    }
}

// Every definition of the real scripts, in their own line breaks and in LF,
// CR, and without the last break: each line is read, and a value change, a
// removal and an addition round-trip.
TEST(SampleDefinitions, EveryDefinitionIsReadWholeAndEditedInPlace)
{
    std::size_t definitions = 0;
    for (const std::filesystem::path& file : listScriptFiles(kSamples)) {
        const std::string original = readScriptText(file).value();
        std::string unended = original;
        while (unended.ends_with('\n') || unended.ends_with('\r'))
            unended.pop_back();
        for (const std::string& text : {original, withLineBreaks(original, LineBreak::Lf), withLineBreaks(original, LineBreak::Cr), unended}) {
            SCOPED_TRACE(file.string());
            const std::vector<std::size_t> headers = headerStarts(text);
            for (std::size_t i = 0; i < headers.size(); ++i) {
                const std::size_t end = i + 1 < headers.size() ? headers[i + 1] : text.size();
                const std::string_view definition = std::string_view(text).substr(headers[i], end - headers[i]);
                const DefinitionRows rows = readDefinitionRowsAtHeader(definition, 0).value();
                ASSERT_NO_FATAL_FAILURE(expectEveryLineRead(definition, rows));
                ASSERT_NO_FATAL_FAILURE(expectEditsRoundTrip(definition, rows, firstLineBreak(text)));
                ++definitions;
            }
        }
    }
    EXPECT_GT(definitions, 4 * 3000u);
}

} // namespace
} // namespace defwright
