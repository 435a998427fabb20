#include "core/files/line_breaks.h"
#include "core/index/completion_words.h"
#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/name_words.h"
#include "core/index/reference_search.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

// A line of a script and how many times it names the lantern (i_lantern, or its id 0a25).
struct Use {
    std::string_view line;
    int names;
};

// Every form the sample scripts write names in, and the words that only look like names.
constexpr Use kUses[] = {
    {"[ITEMDEF i_box]", 0},
    {"ITEM=i_lantern", 1},
    {"itemnewbie=I_LANTERN,3", 1},
    {"ITEM={ i_torch 1 i_lantern 2 }", 1},
    {"ITEM=i_gold,0a25 // an amount, not the lantern", 0},
    {"DUPEITEM=0a25", 1},
    {"DUPEITEM=0x0A25", 1},
    {"ID=i_lantern", 1},
    {"RESOURCES=2 i_lantern,1 i_ingot_iron", 1},
    {"SKILLMAKE=Tinkering 50.0,1 i_lantern", 1},
    {"dispid={i_lantern 1 0a25 1}", 2},
    {"TEVENTS=+e_light,-i_lantern", 1},
    {"COLOR=0a25", 0},
    {"NAME=i_lantern of old", 0},
    {"DESCRIPTION=<DEF.i_lantern>", 1},
    {"ON=@Click", 0},
    {"    NEWITEM=i_lantern", 1},
    {"    SERV.NEWITEM i_lantern", 1},
    {"    SRC.NEWITEM 0a25", 1},
    {"    ARGN2=<DEF.i_lantern>", 1},
    {"    IF (<type>==i_lantern) || <SRC.RESTEST 1 i_lantern>", 2},
    {"    f_give i_lantern,1 // i_lantern", 1},
    {"    SRC.SYSMESSAGE the <DEF.i_lantern> and the i_lantern", 1},
    {"    f_say \"i_lantern <DEF.i_lantern>\" i_lantern", 2},
    {"    i_lantern_big=1", 0},
    {"[REGIONTYPE r_rock i_lantern]", 1},
    {"[CHARDEF c_keeper]", 0},
    {"ID=0a25 // a body, not the item", 0},
    {"ITEMNEWBIE=i_lantern", 1},
    {"[DIALOG d_shop TEXT]", 0},
    {"A lantern, i_lantern, <DEF.i_lantern>", 1},
    {"[DEFNAME lights]", 0},
    {"light_default i_lantern", 1},
    {"[COMMENT]", 0},
    {"ITEM=i_lantern", 0},
    {"[WORLDITEM 040000001]", 0},
    {"ID=i_lantern", 0},
};

class ReferenceSearch : public ::testing::Test {
protected:
    ReferenceSearch()
    {
        for (const Use& use : kUses)
            uses_ += std::string(use.line) + "\n";
        index_.setFile("scripts/uses.scp", summarizeScript(uses_));
        index_.setFile("scripts/lantern.scp", summarizeScript("[ITEMDEF 0a25]\r\nDEFNAME=i_lantern\r\nNAME=lantern\r\n"));
    }

    [[nodiscard]] NamePlace lantern() const { return index_.lookup("0a25").front(); }

    std::string uses_;
    FolderIndex index_{"scripts"};
};

TEST_F(ReferenceSearch, EveryFormOfTheNameAndOfTheIdInKeysStatementsAndExpressions)
{
    const std::vector<ReferenceHit> hits = findReferences(index_, lantern());
    std::vector<int> perLine(std::size(kUses));
    for (const ReferenceHit& hit : hits) {
        const std::string_view named = std::string_view(hit.lineText).substr(hit.start, hit.end - hit.start);
        EXPECT_TRUE(nameKey(named) == "i_lantern" || nameKey(named) == nameKey("0a25")) << named;
        if (hit.file == "scripts/uses.scp") {
            EXPECT_FALSE(hit.defines);
            ++perLine.at(hit.line);
        }
    }
    for (std::size_t line = 0; line < std::size(kUses); ++line)
        EXPECT_EQ(perLine[line], kUses[line].names) << kUses[line].line;
    ASSERT_GE(hits.size(), 2U);
    EXPECT_EQ(hits[0].file, "scripts/lantern.scp");
    EXPECT_EQ(hits[0].lineText, "[ITEMDEF 0a25]");
    EXPECT_TRUE(hits[0].defines && hits[1].defines);
    EXPECT_EQ(hits[1].start, 8U);
}

// A name asked for alone leaves the id out; the definition's own lines count
// as its places. In CR LF, LF, CR, and the three in turn as a file edited on
// several systems has them: the same lines, none with a break in its text.
TEST_F(ReferenceSearch, ByNameAloneAndTheSameLinesInAnyLineBreaks)
{
    const auto lines = [](const std::vector<ReferenceHit>& hits) {
        std::vector<std::string> rows;
        for (const ReferenceHit& hit : hits) {
            EXPECT_EQ(hit.lineText.find_first_of("\r\n"), std::string::npos) << hit.lineText;
            rows.push_back(hit.file.generic_string() + ":" + std::to_string(hit.line) + " " + hit.lineText);
        }
        return rows;
    };
    const std::vector<std::string> plain = lines(findReferences(index_, lantern()));
    std::string mixed;
    for (std::size_t line = 0; line < std::size(kUses); ++line)
        mixed += std::string(kUses[line].line) + (line % 3 == 0 ? "\r\n" : line % 3 == 1 ? "\r" : "\n");
    for (const std::string& text : {withLineBreaks(uses_, LineBreak::CrLf), withLineBreaks(uses_, LineBreak::Lf),
                                    withLineBreaks(uses_, LineBreak::Cr), mixed}) {
        index_.setFile("scripts/uses.scp", summarizeScript(text));
        EXPECT_EQ(lines(findReferences(index_, lantern())), plain);
        EXPECT_EQ(lines(findReferences(index_, "I_Lantern")).size(), 23U);
    }
    EXPECT_TRUE(findReferences(index_, "lantern").empty());
}

TEST(NameWords, KeysReadAsTextOrWithIdsByTheirLastPartInAnyCase)
{
    EXPECT_TRUE(keyReading("name").text);
    EXPECT_TRUE(keyReading("SRC.SysMessage").text);
    EXPECT_FALSE(keyReading("TAG.NAME.X").text);
    EXPECT_EQ(keyReading("DupeItem").ids, IdFields::All);
    EXPECT_EQ(keyReading("SERV.NEWITEM").ids, IdFields::First);
    EXPECT_EQ(keyReading("COLOR").ids, IdFields::None);
    EXPECT_EQ(keyReading("A_VERY_LONG_KEY_OF_MANY_LETTERS").ids, IdFields::None);
    EXPECT_TRUE(isPlainKey("TAG.x_1"));
    EXPECT_FALSE(isPlainKey("IF (<A>"));
}

TEST(NameCompletionPlace, InTheValueOfANamingKeyOnly)
{
    const std::optional<NameCompletionPlace> events = nameCompletionPlace("tevents=+e_a,e_h", false);
    ASSERT_TRUE(events.has_value());
    EXPECT_EQ(events->key, "TEVENTS");
    EXPECT_EQ(events->typed, 3U);
    EXPECT_FALSE(nameCompletionPlace("TYPE=", false).has_value());
    EXPECT_EQ(nameCompletionPlace("TYPE=", true)->typed, 0U);
    EXPECT_FALSE(nameCompletionPlace("NAME=sw", true).has_value());
    EXPECT_FALSE(nameCompletionPlace("TYPE=t_x ", false).has_value());
    EXPECT_FALSE(nameCompletionPlace("WE", true).has_value());
    EXPECT_FALSE(nameCompletionPlace("ON=@cl", true).has_value());
}

TEST(CompletionNames, NamesOfTheRightKindThoseBeginningWithTheLettersFirst)
{
    FolderIndex index("scripts");
    index.setFile("scripts/a.scp", summarizeScript("[ITEMDEF 0a25]\nDEFNAME=i_lantern\n[EVENTS e_horse]\n"
                                                   "[TYPEDEF t_lamp]\n[TEMPLATE i_pack]\n[ITEMDEF i_Lamp_post]\n"
                                                   "[ITEMDEF i_LANTERN]\n"));
    EXPECT_EQ(completionNames("TEVENTS", "E_", index), std::vector<std::string>{"e_horse"});
    EXPECT_EQ(completionNames("ITEM", "i", index), (std::vector<std::string>{"i_Lamp_post", "i_lantern", "i_pack"}));
    EXPECT_EQ(completionNames("ITEM", "lan", index), std::vector<std::string>{"i_lantern"});
    const std::vector<std::string> types = completionNames("TYPE", "t_l", index);
    EXPECT_EQ(std::count(types.begin(), types.end(), "t_lamp"), 1);
    EXPECT_EQ(std::count(types.begin(), types.end(), "t_light_out"), 1);
    EXPECT_TRUE(completionNames("DUPEITEM", "0", index).empty());
}

} // namespace
} // namespace defwright
