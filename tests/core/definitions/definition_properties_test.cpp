#include "core/definitions/row_edits.h"
#include "core/files/line_breaks.h"
#include "core/index/scripts_folder.h"
#include "core/script/script_lines.h"
#include "core/script/text_lines.h"

#include "random_definitions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

using test::RandomDefinition;
using test::RandomScripts;

std::vector<std::string> lineTexts(std::string_view text)
{
    std::vector<std::string> lines;
    for (const ScriptLine& line : test::linesOf(text))
        lines.emplace_back(line.text.of(text));
    return lines;
}

std::vector<std::string> bodyTexts(std::string_view text, const DefinitionRows& rows)
{
    std::vector<std::string> body;
    for (const ScriptLine& line : rows.body)
        body.emplace_back(line.text.of(text));
    return body;
}

// The body once `line` is added after its last line that holds something, in that line's indent.
std::vector<std::string> withRowAdded(std::string_view text, const DefinitionRows& rows, const std::string& line)
{
    std::vector<std::string> body = bodyTexts(text, rows);
    std::size_t after = body.size();
    while (after > 0 && !holdsContent(rows.body[after - 1]))
        --after;
    const std::string indent = after == 0 ? "" : std::string(rows.body[after - 1].indent.of(text));
    body.insert(body.begin() + static_cast<std::ptrdiff_t>(after), indent + line);
    return body;
}

// The edit's inverse gives the text back, and the definition then reads with
// the same triggers and the body `expected` (with nothing after them, notes at
// the body's end are no longer the definition's).
void expectRoundTrip(std::string_view text, const DefinitionRows& rows, const TextEdit& edit,
                     std::vector<std::string> expected)
{
    const std::string edited = applyEdit(text, edit);
    ASSERT_EQ(applyEdit(edited, inverseEdit(text, edit)), text);
    const std::optional<DefinitionRows> again = readDefinitionRowsAtHeader(edited, rows.header.start());
    ASSERT_TRUE(again);
    while (rows.triggers.empty() && !expected.empty() && !holdsContent(scriptLineAt(expected.back(), 0)))
        expected.pop_back();
    ASSERT_EQ(bodyTexts(edited, *again), expected);
    ASSERT_EQ(again->triggers.size(), rows.triggers.size());
}

void expectReadAsWritten(const std::string& text, const RandomDefinition& definition, std::size_t position)
{
    const std::optional<DefinitionRows> rows = readDefinitionRows(text, position);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->header.start(), definition.header);
    EXPECT_EQ(rows->words.kind.of(text), definition.kind);
    EXPECT_EQ(rows->words.name.of(text), definition.name);
    EXPECT_EQ(bodyTexts(text, *rows), definition.body);
    ASSERT_EQ(rows->triggers.size(), definition.triggers.size());
    for (std::size_t i = 0; i < definition.triggers.size(); ++i) {
        EXPECT_EQ(rows->triggers[i].line.value.of(text), definition.triggers[i].name);
        EXPECT_EQ(rows->triggers[i].lineCount, definition.triggers[i].lineCount);
    }
}

// Scripts of definitions of every kind, with any line breaks: each reads as
// written from any byte of it.
TEST(DefinitionProperties, EveryRandomDefinitionReadsAsWrittenFromAnyOfItsBytes)
{
    RandomScripts random(3201);
    for (int run = 0; run < 3'000; ++run) {
        const auto script = test::randomDefinitions(random, random.pick(std::vector<std::string>{"\r\n", "\n", "\r", ""}));
        SCOPED_TRACE(script.text);
        for (std::size_t i = 0; i < script.definitions.size(); ++i) {
            const std::size_t end = i + 1 < script.definitions.size() ? script.definitions[i + 1].header : script.text.size() + 1;
            const std::size_t position = script.definitions[i].header + random.below(end - script.definitions[i].header);
            ASSERT_NO_FATAL_FAILURE(expectReadAsWritten(script.text, script.definitions[i], position));
        }
    }
}

struct PlannedEdit {
    TextEdit edit;
    std::vector<std::string> body; // the definition's body lines as the edit should leave them
};

std::optional<PlannedEdit> randomEdit(RandomScripts& random, std::string_view text, const DefinitionRows& rows,
                                      std::string_view lineBreak)
{
    std::vector<std::string> body = bodyTexts(text, rows);
    const std::size_t row = rows.body.empty() ? 0 : random.below(rows.body.size());
    const std::size_t choice = rows.body.empty() ? 2 : random.below(3);
    if (choice == 0) {
        const ScriptLine& line = rows.body[row];
        const std::string value = random.value();
        const std::optional<TextEdit> edit = planValueChange(text, line, value);
        if (!edit)
            return std::nullopt;
        body[row] = applyEdit(text, *edit).substr(line.start(), line.text.size() - edit->end + edit->start + edit->replacement.size());
        const ScriptLine changed = scriptLineAt(body[row], 0);
        const TextSpan read = line.kind == LineKind::Keyed
            ? changed.value
            : TextSpan{changed.indent.end, std::max(changed.indent.end, changed.commentGap.start)};
        EXPECT_EQ(read.of(body[row]), value) << body[row];
        EXPECT_EQ(changed.comment.of(body[row]), line.comment.of(text));
        return PlannedEdit{*edit, body};
    }
    if (choice == 1) {
        body.erase(body.begin() + static_cast<std::ptrdiff_t>(row));
        return PlannedEdit{planRowRemoval(text, rows.body[row]), body};
    }
    const std::string key = test::randomKey(random);
    const std::string value = random.value();
    return PlannedEdit{planRowAddition(text, rows, key, value, lineBreak).value(),
                       withRowAdded(text, rows, key + "=" + value)};
}

// One random edit of one row of a random definition: only that line changes
// (or goes, or comes), the definition then reads as planned, and the
// inverse gives back every byte.
TEST(DefinitionProperties, EveryRandomRowEditTouchesItsLineAloneAndIsUndone)
{
    RandomScripts random(3202);
    int refused = 0;
    for (int run = 0; run < 5'000; ++run) {
        const std::string lineBreak = random.pick(std::vector<std::string>{"\r\n", "\n", "\r"});
        const auto script = test::randomDefinitions(random, random.chance(0.5) ? lineBreak : "");
        const RandomDefinition& definition = random.pick(script.definitions);
        const DefinitionRows rows = readDefinitionRowsAtHeader(script.text, definition.header).value();
        const std::optional<PlannedEdit> planned = randomEdit(random, script.text, rows, lineBreak);
        if (!planned) {
            ++refused;
            continue;
        }
        SCOPED_TRACE(script.text + "\nbytes " + std::to_string(planned->edit.start) + " to "
                     + std::to_string(planned->edit.end) + " become \"" + planned->edit.replacement + "\"");
        ASSERT_NO_FATAL_FAILURE(expectRoundTrip(script.text, rows, planned->edit, planned->body));
        const std::string edited = applyEdit(script.text, planned->edit);
        const std::vector<std::string> before = lineTexts(script.text);
        const std::vector<std::string> after = lineTexts(edited);
        const std::size_t first = TextLines(script.text).lineAt(definition.header) + 1;
        const std::size_t bodyEnd = first + rows.body.size();
        EXPECT_EQ(std::vector(before.begin(), before.begin() + first), std::vector(after.begin(), after.begin() + first));
        EXPECT_EQ(std::vector(before.begin() + bodyEnd, before.end()), std::vector(after.end() - (before.end() - (before.begin() + bodyEnd)), after.end()));
    }
    EXPECT_LT(refused, 100);
}

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

// A value changed, a row taken away and one added, in the definition alone
// (from its header to the next one, as it reads).
void expectEditsRoundTrip(std::string_view text, const DefinitionRows& rows, std::string_view lineBreak)
{
    ASSERT_NO_FATAL_FAILURE(expectRoundTrip(text, rows, planRowAddition(text, rows, "NEW", "1", lineBreak).value(),
                                            withRowAdded(text, rows, "NEW=1")));
    for (std::size_t row = 0; row < rows.body.size(); ++row) {
        if (rows.body[row].kind != LineKind::Keyed)
            continue;
        std::vector<std::string> changed = bodyTexts(text, rows);
        changed[row].replace(rows.body[row].value.start - rows.body[row].start(), rows.body[row].value.size(), "x y");
        ASSERT_NO_FATAL_FAILURE(expectRoundTrip(text, rows, planValueChange(text, rows.body[row], "x y").value(), changed));
        std::vector<std::string> removed = bodyTexts(text, rows);
        removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(row));
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
        const std::string unended = original.substr(0, original.find_last_not_of("\r\n") + 1);
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
