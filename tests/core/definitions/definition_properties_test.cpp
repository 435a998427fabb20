#include "core/definitions/row_edits.h"
#include "core/script/text_lines.h"

#include "../script/script_lines.h"
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
    const std::optional<TextEdit> edit = planRowAddition(text, rows, key, value, lineBreak);
    std::size_t after = body.size();
    while (after > 0 && !holdsContent(rows.body[after - 1]))
        --after;
    const std::string indent = after == 0 ? "" : std::string(rows.body[after - 1].indent.of(text));
    body.insert(body.begin() + static_cast<std::ptrdiff_t>(after), indent + key + "=" + value);
    return PlannedEdit{edit.value(), body};
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
        const std::string edited = applyEdit(script.text, planned->edit);
        ASSERT_EQ(applyEdit(edited, inverseEdit(script.text, planned->edit)), script.text);
        const std::optional<DefinitionRows> again = readDefinitionRowsAtHeader(edited, definition.header);
        ASSERT_TRUE(again);
        std::vector<std::string> expected = planned->body;
        while (rows.triggers.empty() && !expected.empty() && !holdsContent(scriptLineAt(expected.back(), 0)))
            expected.pop_back(); // with nothing after them, notes at the body's end are not the definition's
        ASSERT_EQ(bodyTexts(edited, *again), expected);
        ASSERT_EQ(again->triggers.size(), rows.triggers.size());
        const std::vector<std::string> before = lineTexts(script.text);
        const std::vector<std::string> after = lineTexts(edited);
        const std::size_t first = TextLines(script.text).lineAt(definition.header) + 1;
        const std::size_t bodyEnd = first + rows.body.size();
        EXPECT_EQ(std::vector(before.begin(), before.begin() + first), std::vector(after.begin(), after.begin() + first));
        EXPECT_EQ(std::vector(before.begin() + bodyEnd, before.end()), std::vector(after.end() - (before.end() - (before.begin() + bodyEnd)), after.end()));
    }
    EXPECT_LT(refused, 100);
}

} // namespace
} // namespace defwright
