#include "core/index/scripts_folder.h"
#include "core/items/item_layout.h"
#include "core/language/language_completion.h"
#include "core/language/language_facts.h"
#include "core/npcs/npc_layout.h"
#include "core/language/table_lookup.h"
#include "core/script/script_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace defwright {
namespace {

FolderVocabulary vocabularyOf(std::string_view text)
{
    FolderVocabulary vocabulary;
    addScriptVocabulary(vocabulary, text);
    return vocabulary;
}

// Three NPCs with a key of an older branch, three events with a trigger of their own.
FolderVocabulary oldBranch()
{
    return vocabularyOf("[CHARDEF a]\nATTACK=1\n[CHARDEF b]\nATTACK=1\n[CHARDEF c]\nATTACK=1\n"
                        "[EVENTS e]\nON=@Mine\n[EVENTS f]\nON=@Mine\n[EVENTS g]\nON=@Mine\n");
}

std::vector<std::string> keysUsedMostInTheSamples()
{
    std::map<std::string, std::size_t> uses;
    for (const std::filesystem::path& file : listScriptFiles(DEFWRIGHT_SAMPLE_SCRIPTS)) {
        const std::string text = readScriptText(file).value();
        for (const ScriptLine& line : test::linesOf(text)) {
            std::string key = upperCase(line.key.of(text));
            key = key.substr(0, key.find('.'));
            const bool name = std::all_of(key.begin(), key.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
            if (line.kind == LineKind::Keyed && name && !key.empty())
                ++uses[key];
        }
    }
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const auto& [key, count] : uses)
        ranked.emplace_back(count, key);
    std::sort(ranked.rbegin(), ranked.rend());
    std::vector<std::string> keys;
    for (const auto& [count, key] : ranked) {
        if (keys.size() >= 100 && count < ranked[99].first)
            break;
        keys.push_back(key);
    }
    return keys;
}

// The 100 keys the real scripts use most (and those as often as the 100th),
// and every key of the pages, have a line of their own.
TEST(KeyNotes, TheKeysUsedMostAndThePagesKeysAreExplained)
{
    const std::vector<std::string> most = keysUsedMostInTheSamples();
    EXPECT_GE(most.size(), 100U);
    for (const std::string& key : most)
        EXPECT_FALSE(keyFacts(key, {}).note.empty()) << key;
    for (const DefinitionLayout* layout : {&itemLayout(), &npcLayout()}) {
        for (const LineSlot& slot : layout->lineSlots) {
            if (!slot.key.empty()) {
                EXPECT_FALSE(keyFacts(slot.key.substr(0, slot.key.size() - 1), {}).note.empty()) << slot.key;
            }
        }
        for (const std::string_view skill : layout->skillNames)
            EXPECT_FALSE(keyFacts(skill, {}).note.empty()) << skill;
    }
}

TEST(KeyFacts, KindsFieldsAndNote)
{
    const KeyFacts weight = keyFacts("weight", {});
    EXPECT_EQ(weight.key, "WEIGHT");
    EXPECT_EQ(weight.kinds, (std::vector<std::string_view>{"ITEMDEF", "SPAWN", "TEMPLATE"}));
    EXPECT_EQ(weight.fields, (std::vector<FormField>{{"ITEMDEF", "WEIGHT=", false}}));
    EXPECT_EQ(weight.note, "How heavy the item is, in stones.");
    const KeyFacts name = keyFacts("NAME", {});
    EXPECT_EQ(name.kinds, (std::vector<std::string_view>{"CHARDEF", "ITEMDEF", "SKILL", "SKILLCLASS", "SPELL"}));
    EXPECT_EQ(name.fields, (std::vector<FormField>{{"ITEMDEF", "NAME=", false}, {"CHARDEF", "NAME=", false}}));
    const KeyFacts color = keyFacts("Color", {});
    EXPECT_EQ(color.kinds, (std::vector<std::string_view>{"CHARDEF"})) << "an item's colour is given when it is created";
    EXPECT_EQ(color.fields, (std::vector<FormField>{{"ITEMDEF", "COLOR=", true}, {"CHARDEF", "COLOR=", true}}));
    EXPECT_EQ(keyFacts("wrestling", {}).fields, (std::vector<FormField>{{"CHARDEF", "", true}}));
    const KeyFacts tag = keyFacts("TAG.Owner", {});
    EXPECT_TRUE(tag.tag);
    EXPECT_EQ(tag.note, keyFacts("TAG", {}).note);
    EXPECT_EQ(keyFacts("NEW.P", {}).note, keyFacts("NEW", {}).note);
    EXPECT_TRUE(keyFacts("ZORGLUB", {}).empty());
    EXPECT_TRUE(keyFacts("ATTACK", {}).empty());
    EXPECT_EQ(keyFacts("ATTACK", oldBranch()).kinds, (std::vector<std::string_view>{"CHARDEF"}));
}

TEST(TriggerFacts, TheObjectsThatFireIt)
{
    EXPECT_EQ(triggerFacts("@Step", {}).objects, (std::vector{ObjectKind::Item, ObjectKind::Region}));
    EXPECT_EQ(triggerFacts("@userdclick", {}).objects, (std::vector{ObjectKind::Character}));
    EXPECT_EQ(triggerFacts("@userdclick", {}).trigger, "@USERDCLICK");
    EXPECT_TRUE(triggerFacts("@Mine", {}).empty());
    EXPECT_TRUE(triggerFacts("@Mine", oldBranch()).empty()) << "events say nothing of which object fires it";
    EXPECT_EQ(triggerFacts("@Mine", vocabularyOf("[ITEMDEF a]\nON=@Mine\n[ITEMDEF b]\nON=@Mine\n[ITEMDEF c]\nON=@Mine\n")).objects,
              (std::vector{ObjectKind::Item}));
}

TEST(LanguageWord, AKeyOrATriggerUnderTheMouse)
{
    const std::string_view text = "[ITEMDEF i_x]\r\n\tWEIGHT = 5 // w\r\nON=@DClick 1\r\nSAY hi\r\n";
    const std::tuple<std::string_view, LanguageWord::Kind, std::string_view> cases[] = {
        {"ITEMDEF", LanguageWord::Kind::None, ""},  {"EIGHT", LanguageWord::Kind::Key, "WEIGHT"},
        {"5 //", LanguageWord::Kind::None, ""},     {"w\r", LanguageWord::Kind::None, ""},
        {"@DClick", LanguageWord::Kind::Trigger, "@DClick"}, {"Click 1", LanguageWord::Kind::Trigger, "@DClick"},
        {"1\r", LanguageWord::Kind::None, ""},      {"SAY", LanguageWord::Kind::None, ""},
    };
    for (const auto& [at, kind, word] : cases) {
        const LanguageWord found = languageWordAt(text, text.find(at));
        EXPECT_EQ(found.kind, kind) << at;
        EXPECT_EQ(found.span.of(text), word) << at;
    }
}

// The script's lines with "|" where the caret stands.
std::optional<LanguageCompletion> completeAt(std::string_view marked, const FolderVocabulary& vocabulary = {})
{
    std::string text(marked);
    const std::size_t caret = text.find('|');
    text.erase(caret, 1);
    return completionAt(text, caret, vocabulary);
}

TEST(LanguageCompletion, WhatBeginsWithTheLettersThenWhatHoldsThem)
{
    const std::optional<LanguageCompletion> re = completeAt("[ITEMDEF i_x]\r\nNAME=x\r\nRE|\r\nON=@Create\r\n");
    ASSERT_TRUE(re);
    ASSERT_GE(re->words.size(), 10U);
    EXPECT_EQ(re->words.front(), "REACTIVEPARALYZE=");
    const auto beginning = std::partition_point(re->words.begin(), re->words.end(),
                                                [](const std::string& word) { return word.starts_with("RE"); });
    ASSERT_NE(beginning, re->words.end());
    EXPECT_EQ(*beginning, "ALTERED=");
    EXPECT_TRUE(std::all_of(beginning, re->words.end(), [](const std::string& word) { return word.find("RE") != std::string::npos; }));
    EXPECT_NE(std::find(re->words.begin(), re->words.end(), "RESOURCES2="), re->words.end()) << "the pages' own keys";
    EXPECT_EQ(completeAt("[itemdef 0f5e]\n\twei|")->words, (std::vector<std::string>{"WEIGHT=", "WEIGHTREDUCTION="}));
    EXPECT_EQ(completeAt("[ITEMDEF 0f5e]\nWEI|=5")->words.front(), "WEIGHT");
    EXPECT_EQ(completeAt("[SPELL 1]\nmanau|")->words, (std::vector<std::string>{"MANAUSE="}));
    EXPECT_EQ(completeAt("[CHARDEF c]\nATTA|", oldBranch())->words, (std::vector<std::string>{"ATTACK="}));
}

TEST(LanguageCompletion, TriggersOfTheSectionsObject)
{
    const std::optional<LanguageCompletion> item = completeAt("[ITEMDEF i_x]\nON=@|\n");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->typed.size(), 1U);
    EXPECT_NE(std::find(item->words.begin(), item->words.end(), "@DCLICK"), item->words.end());
    EXPECT_EQ(std::find(item->words.begin(), item->words.end(), "@NPCSeeNewPlayer"), item->words.end());
    EXPECT_EQ(completeAt("[TYPEDEF t_x]\nON=@|")->words, item->words);
    const std::optional<LanguageCompletion> npc = completeAt("[CHARDEF c_x]\r\non = @npcs|\r\n");
    ASSERT_TRUE(npc);
    EXPECT_EQ(npc->words, (std::vector<std::string>{"@NPCSeeNewPlayer", "@NPCSeeWantItem", "@NPCSpecialAction"}));
    EXPECT_EQ(completeAt("[AREADEF a]\nON=|")->words.size(), 5U);
}

TEST(LanguageCompletion, NothingWhereNoKeyOrTriggerFits)
{
    for (const std::string_view marked :
         {"[ITEMDEF i_x]\nON=@Create\nRE|", "[COMMENT c]\nRE|", "[FUNCTION f]\nRE|", "RE|", "[SPELL 1]\nON=@|",
          "[ITEMDEF i_x]\nNAME=RE|", "[ITE|MDEF i_x]", "[ITEMDEF i_x]\n// RE|", "[ITEMDEF i_x]\nZORGLUB|",
          "[ITEMDEF i_x]\nON=@DClick |"})
        EXPECT_FALSE(completeAt(marked)) << marked;
}

} // namespace
} // namespace defwright
