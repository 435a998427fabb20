#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include "script_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace defwright {
namespace {

// A line's kind and its parts, each as "name:text" when it is not empty.
std::string parts(std::string_view text, std::size_t start = 0)
{
    const ScriptLine line = scriptLineAt(text, start);
    constexpr std::string_view kKinds[] = {"Blank", "Comment", "Header", "Trigger", "Keyed", "Other"};
    std::string result(kKinds[static_cast<int>(line.kind)]);
    const auto add = [&](std::string_view name, TextSpan span) {
        if (!span.empty())
            result += " " + std::string(name) + ":" + std::string(span.of(text));
    };
    add("indent", line.indent);
    add("section", line.section);
    add("key", line.key);
    add("value", line.value);
    add("gap", line.commentGap);
    add("comment", line.comment);
    if (line.equals != ScriptLine::kNone)
        result += " =@" + std::to_string(line.equals - start);
    return result;
}

TEST(ScriptLine, SplitsEachKindOfLineIntoItsParts)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Blank"},
        {" \t", "Blank indent: \t"},
        {"// a note", "Comment comment:// a note"},
        {"  //c ", "Comment indent:   comment://c "},
        {" [ITEMDEF i_x] //c", "Header indent:  section:[ITEMDEF i_x] key:ITEMDEF i_x gap:  comment://c"},
        {"[itemdef\t0x0f5e ]\t// lantern", "Header section:[itemdef\t0x0f5e ] key:itemdef\t0x0f5e gap:\t comment:// lantern"},
        {"[ TYPEDEF ] tail //c", "Header section:[ TYPEDEF ] key:TYPEDEF value:tail gap:  comment://c"},
        {"[ITEMDEF a//b]", "Other comment://b]"},
        {"[ITEMDEF i_x", "Other"},
        {"\tName \t= \tAegis //Ægis", "Keyed indent:\t key:Name value:Aegis gap:  comment://Ægis =@7"},
        {"KEY=", "Keyed key:KEY =@3"},
        {"KEY=   // c", "Keyed key:KEY gap:    comment:// c =@3"},
        {"DAM={30, 40}", "Keyed key:DAM value:{30, 40} =@3"},
        {"A=b=c", "Keyed key:A value:b=c =@1"},
        {"on = @Create", "Trigger key:on value:@Create =@3"},
        {"ON=@", "Trigger key:ON value:@ =@2"},
        {"ONE=@x", "Keyed key:ONE value:@x =@3"},
        {"=x", "Other value:x =@0"},
        {"f_call 1,2", "Other"},
        {"x // a=b", "Other gap:  comment:// a=b"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(parts(line), expected) << line;
}

TEST(ScriptLine, EndsLinesAtEveryKindOfBreak)
{
    const std::string text = "a\r\nb\nc\rd\r\r\ne";
    std::vector<std::string> lines;
    for (const ScriptLine& line : test::linesOf(text)) {
        lines.push_back(std::string(line.text.of(text)) + "|" + std::string(line.lineBreak.of(text)));
        EXPECT_EQ(lineStartAt(text, line.text.end), line.start());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"a|\r\n", "b|\n", "c|\r", "d|\r", "|\r\n", "e|"}));
    EXPECT_EQ(parts(text, 3), "Other");
    EXPECT_EQ(firstLineBreak("x\ny\r\n"), "\n");
    EXPECT_EQ(firstLineBreak("x\r\ny\n"), "\r\n");
    EXPECT_EQ(firstLineBreak("x\ry"), "\r");
    EXPECT_EQ(firstLineBreak("x"), "\r\n");
}

// Folding is ASCII's alone: the bytes of "É" or "ß" never equal a letter.
TEST(AsciiCase, FoldsAsciiLettersOnly)
{
    EXPECT_TRUE(equalsIgnoringCase("ItemDef", "ITEMDEF"));
    EXPECT_FALSE(equalsIgnoringCase("ITEMDEF", "ITEMDEX"));
    EXPECT_FALSE(equalsIgnoringCase("\xC3\x89", "\xC3\xA9")); // É and é stay different
    EXPECT_FALSE(equalsIgnoringCase("[", "{"));               // 0x5B and 0x7B differ by the case bit
    EXPECT_TRUE(startsIgnoringCase("i_Sword", "I_"));
    EXPECT_EQ(asciiUpper('z'), 'Z');
    EXPECT_EQ(asciiLower('@'), '@');
}

} // namespace
} // namespace defwright
