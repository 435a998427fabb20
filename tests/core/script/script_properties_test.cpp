#include "core/files/line_breaks.h"
#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/new_definition.h"
#include "core/script/text_lines.h"

#include "random_scripts.h"
#include "script_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {
namespace {

using test::RandomScripts;

// Whatever the record holds (values without blanks at their ends or "//"),
// its script reads back into a record that writes the same script, every line held.
TEST(ScriptProperties, EveryRandomRecordsScriptReadsBack)
{
    RandomScripts random(1306);
    for (int run = 0; run < 10'000; ++run) {
        const std::string item = itemScript(random.item());
        const std::optional<ItemReading> itemReading = readDefinition<ItemKind>(item);
        ASSERT_TRUE(itemReading && itemReading->unheld.empty()) << item;
        ASSERT_EQ(itemScript(itemReading->record), item);
        const std::string npc = npcScript(random.npc());
        const std::optional<NpcReading> npcReading = readDefinition<NpcKind>(npc);
        ASSERT_TRUE(npcReading && npcReading->unheld.empty()) << npc;
        ASSERT_EQ(npcScript(npcReading->record), npc);
    }
}

// The identifier one time in ten, else any other field.
FieldId randomField(RandomScripts& random, const DefinitionLayout& layout)
{
    const std::vector<FieldId> fields = test::everyField(layout);
    return random.chance(0.1) ? fields.front() : fields[1 + random.below(fields.size() - 1)];
}

std::string randomValue(RandomScripts& random, const DefinitionLayout& layout, const FieldId& field)
{
    if (random.chance(0.3))
        return {};
    if (field.slot == FieldId::kIdentifier) {
        const std::string identifier = random.identifier();
        return startsIgnoringCase(identifier, layout.kind.identifierPrefix) ? "x" + identifier : identifier;
    }
    if (field.part == FieldPart::Name)
        return random.skillName();
    return field.part == FieldPart::Value ? random.value() : random.rangeValue();
}

// Where an edit may touch the text: within one line, a whole line with one
// break, or new lines put in at a line's start or end.
void expectOneLineTouched(std::string_view text, const TextEdit& edit, std::string_view lineBreak)
{
    using test::breaksIn;
    const std::string_view replaced = text.substr(edit.start, edit.end - edit.start);
    if (edit.start == edit.end && breaksIn(edit.replacement) > 0) {
        const std::size_t added = breaksIn(edit.replacement);
        EXPECT_TRUE(added == 1 || (added == 2 && edit.replacement.find("ON=@CREATE") != std::string::npos));
        EXPECT_TRUE(edit.replacement.starts_with(lineBreak) || edit.replacement.ends_with(lineBreak));
        const std::size_t at = edit.start;
        EXPECT_TRUE(at == text.size() || text[at] == '\r' || text[at] == '\n' || at == lineStartAt(text, at));
    } else if (edit.replacement.empty() && breaksIn(replaced) == 1) {
        EXPECT_TRUE(edit.end == text.size() || lineStartAt(text, edit.end) == edit.end);
    } else {
        EXPECT_EQ(breaksIn(replaced), 0u);
        EXPECT_EQ(breaksIn(edit.replacement), 0u);
        const bool wholeLine = edit.start == lineStartAt(text, edit.start)
            && (edit.end == text.size() || text[edit.end] == '\r' || text[edit.end] == '\n');
        EXPECT_FALSE(wholeLine && edit.replacement.empty()) << "an emptied line stays behind";
    }
}

// One field set in the definition at `header`: the edit touches one line as
// above, its inverse gives the text back, and the definition then reads as the fields say.
template <typename Kind>
void expectEditReadsBack(const std::string& text, std::size_t header, const typename Kind::Record& fields,
                         const FieldId& field, const std::string& value, std::string_view lineBreak)
{
    const std::optional<TextEdit> edit = planEdit<Kind>(text, header, fields, field, value, lineBreak);
    ASSERT_TRUE(edit);
    SCOPED_TRACE("bytes " + std::to_string(edit->start) + " to " + std::to_string(edit->end) + " become \""
                 + edit->replacement + "\"");
    const std::string edited = applyEdit(text, *edit);
    ASSERT_EQ(applyEdit(edited, inverseEdit(text, *edit)), text);
    ASSERT_NO_FATAL_FAILURE(expectOneLineTouched(text, *edit, lineBreak));
    typename Kind::Record expected = fields;
    recordField<Kind>(expected, field) = value;
    const auto again = readDefinitionAt<Kind>(edited, header);
    ASSERT_TRUE(again);
    ASSERT_EQ(Kind::script(again->record), Kind::script(expected));
}

template <typename Kind>
void expectRandomEditReadsBack(RandomScripts& random, const std::string& text, std::size_t header,
                               const typename Kind::Record& written, std::string_view lineBreak)
{
    SCOPED_TRACE(text);
    const auto reading = readDefinitionAt<Kind>(text, header);
    ASSERT_TRUE(reading);
    ASSERT_EQ(Kind::script(reading->record), Kind::script(written));
    const FieldId field = randomField(random, Kind::layout());
    expectEditReadsBack<Kind>(text, header, reading->record, field, randomValue(random, Kind::layout(), field),
                              lineBreak);
}

// Scripts of many definitions, each written its own way, and one random field
// edit in one of them: nothing but the field's line changes, the definition
// then reads as the fields say, and the edit's inverse gives the text back.
TEST(ScriptProperties, EveryFieldEditChangesOnlyItsLineAndReadsBack)
{
    RandomScripts random(1912);
    constexpr std::array<std::string_view, 4> kBreaks = {"\r\n", "\n", "\r\n", "\r"};
    for (int run = 0; run < 12'000; ++run) {
        const std::string_view lineBreak = kBreaks[static_cast<std::size_t>(run) % kBreaks.size()];
        const test::RandomScript script = test::randomScript(random, lineBreak);
        SCOPED_TRACE(run);
        if (!script.itemHeaders.empty() && (script.npcHeaders.empty() || random.chance(0.5))) {
            const std::size_t i = random.below(script.itemHeaders.size());
            ASSERT_NO_FATAL_FAILURE(expectRandomEditReadsBack<ItemKind>(random, script.text, script.itemHeaders[i],
                                                                        script.items[i], lineBreak));
        } else {
            const std::size_t i = random.below(script.npcHeaders.size());
            ASSERT_NO_FATAL_FAILURE(expectRandomEditReadsBack<NpcKind>(random, script.text, script.npcHeaders[i],
                                                                       script.npcs[i], lineBreak));
        }
    }
}

// Typing one character at the end of a real definition's NAME box changes
// its NAME line alone, or adds one.
template <typename Kind>
void expectNameTyped(const std::string& text, std::size_t header, std::string_view lineBreak, std::size_t& count)
{
    ++count;
    const auto reading = readDefinitionAt<Kind>(text, header);
    ASSERT_TRUE(reading) << header;
    const FieldId name{0, FieldPart::Value};
    const std::string typed = reading->record.basic[0] + "x";
    const std::optional<TextEdit> edit = planEdit<Kind>(text, header, reading->record, name, typed, lineBreak);
    ASSERT_TRUE(edit);
    if (const std::optional<ScriptLine> nameLine = reading->lines.slotLines[0]) {
        EXPECT_TRUE(edit->start >= nameLine->text.start && edit->end <= nameLine->text.end);
    } else {
        EXPECT_EQ(edit->start, edit->end);
        EXPECT_TRUE(edit->replacement == std::string(lineBreak) + "NAME=x" || edit->replacement == "NAME=x" + std::string(lineBreak));
    }
    expectEditReadsBack<Kind>(text, header, reading->record, name, typed, lineBreak);
}

// Every real script file, with its own LF breaks, with CR LF and with lone CRs.
template <typename Check>
void forEachSampleScript(Check check)
{
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DEFWRIGHT_SAMPLE_SCRIPTS)) {
        if (entry.path().extension() != ".scp")
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        for (const LineBreak lineBreak : {LineBreak::Lf, LineBreak::CrLf, LineBreak::Cr}) {
            SCOPED_TRACE(entry.path().string() + " with breaks of " + std::to_string(lineBreakText(lineBreak).size())
                         + " bytes");
            check(withLineBreaks(bytes, lineBreak), lineBreak);
            ASSERT_FALSE(testing::Test::HasFatalFailure());
        }
    }
}

TEST(SampleScripts, EveryDefinitionReadsAndANameEditTouchesOnlyItsLine)
{
    std::size_t items = 0;
    std::size_t npcs = 0;
    forEachSampleScript([&](const std::string& text, LineBreak lineBreak) {
        const std::string_view breakText = lineBreakText(lineBreak);
        for (const ScriptLine& line : test::linesOf(text)) {
            if (headerPlace(text, line, itemLayout().kind))
                expectNameTyped<ItemKind>(text, line.start(), breakText, items);
            else if (headerPlace(text, line, npcLayout().kind))
                expectNameTyped<NpcKind>(text, line.start(), breakText, npcs);
            if (HasFatalFailure())
                return;
        }
    });
    EXPECT_EQ(items, 3u * 2936u);
    EXPECT_EQ(npcs, 3u * 183u);
}

// Add Definition at the end of a real script: what it puts in is in the
// script's own line breaks and reads back as an empty record, every line held.
template <typename Kind>
void expectNewDefinitionReadsBackEmpty(const std::string& text, LineBreak lineBreak)
{
    const NewDefinition added = planNewDefinition<Kind>(text, text.size(), lineBreak);
    EXPECT_TRUE(hasOnlyLineBreaks(added.edit.replacement, lineBreak));
    const auto reading = readDefinitionAt<Kind>(applyEdit(text, added.edit), added.header);
    ASSERT_TRUE(reading && reading->unheld.empty());
    EXPECT_EQ(Kind::script(reading->record), Kind::script({}));
}

TEST(SampleScripts, ANewDefinitionAtTheEndReadsBackEmpty)
{
    forEachSampleScript([](const std::string& text, LineBreak lineBreak) {
        expectNewDefinitionReadsBackEmpty<ItemKind>(text, lineBreak);
        expectNewDefinitionReadsBackEmpty<NpcKind>(text, lineBreak);
    });
}

// A text of short lines ended by every kind of break, long enough that breaks,
// CR LF pairs among them, fall on the edges of the blocks that are counted at once.
TEST(TextLines, LineStartsAgreeWithABreakByBreakCount)
{
    constexpr std::array<std::string_view, 4> kBreaks = {"\r\n", "\n", "\r", "\r\n"};
    std::mt19937 random(7);
    std::string text;
    std::vector<std::size_t> starts = {0};
    while (text.size() < 20'000) {
        const bool afterLoneCr = text.ends_with('\r'); // an LF next would join it into a CR LF
        text.append(std::uniform_int_distribution<std::size_t>(afterLoneCr ? 1 : 0, 6)(random), 'x');
        text += kBreaks[std::uniform_int_distribution<std::size_t>(0, kBreaks.size() - 1)(random)];
        starts.push_back(text.size());
    }
    const TextLines lines(text);
    for (std::size_t line = 0; line < starts.size(); ++line) {
        ASSERT_EQ(lines.lineStart(line).start, starts[line]) << line;
        ASSERT_EQ(lines.lineAt(starts[line]), line);
        ASSERT_EQ(lineStartAt(text, starts[line]), starts[line]);
        if (line + 1 < starts.size()) {
            ASSERT_EQ(lineStartAt(text, starts[line + 1] - 1), starts[line]) << line; // its break is its own
        }
    }
    EXPECT_EQ(lines.lineStart(starts.size() + 5).line, starts.size() - 1);
    EXPECT_EQ(TextLines("ab\r\ncd").lineStart(9).start, 4u);
    EXPECT_EQ(TextLines("").lineStart(3).line, 0u);
}

} // namespace
} // namespace defwright
