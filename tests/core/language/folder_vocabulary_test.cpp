#include "core/language/folder_vocabulary.h"
#include "core/language/script_check.h"

#include <gtest/gtest.h>

#include <string>

namespace defwright {
namespace {

constexpr std::string_view kOldBranch = "[CHARDEF c_orc]\r\n"
                                        "ATTACK=5\r\n"
                                        "attack = 6 // twice, one definition\r\n"
                                        "TAG.KIND=orc\r\n"
                                        "ON=@Create\r\n"
                                        "PARRY=50\r\n"
                                        "ON=@UserDClick\r\n"
                                        "ON=@USERDCLICK\r\n"
                                        "[chardef c_troll]\r\n"
                                        "\tAttack=7\r\n"
                                        "[EVENTS e_horse]\r\n"
                                        "ON=@UserClick\r\n"
                                        "[AREADEF a_town]\r\n"
                                        "[DEFNAMES d]\r\n"
                                        "[EOF]\r\n"
                                        "[CHARDEF c_after_the_end]\r\n"
                                        "ATTACK=8\r\n";

TEST(FolderVocabulary, CountsEachDefinitionOnceAndNothingAfterTheEnd)
{
    FolderVocabulary vocabulary;
    addScriptVocabulary(vocabulary, kOldBranch);
    const FolderVocabulary::Counts kinds = {{"AREA", 1}, {"CHARDEF", 2}, {"DEFNAMES", 1}, {"EOF", 1}, {"EVENTS", 1}};
    EXPECT_EQ(vocabulary.kinds, kinds);
    const FolderVocabulary::Counts characterKeys = {{"ATTACK", 2}};
    EXPECT_EQ(vocabulary.keys, (std::map<std::string, FolderVocabulary::Counts, std::less<>>{{"CHARDEF", characterKeys}}));
    EXPECT_EQ(vocabulary.triggers[static_cast<int>(ObjectKind::Character)],
              (FolderVocabulary::Counts{{"@CREATE", 1}, {"@USERDCLICK", 1}}));
    EXPECT_EQ(vocabulary.triggers[static_cast<int>(ObjectKind::Any)], (FolderVocabulary::Counts{{"@USERCLICK", 1}}));
}

TEST(FolderVocabulary, TakesBackWhatAFileAdded)
{
    FolderVocabulary one;
    addScriptVocabulary(one, "[ITEMDEF i_a]\nRESOURCES2=i_log\nON=@UserDClick\n");
    FolderVocabulary other;
    addScriptVocabulary(other, kOldBranch);
    FolderVocabulary folder;
    addVocabulary(folder, one);
    addVocabulary(folder, other);
    addVocabulary(folder, one);
    EXPECT_EQ(folder.keys["ITEMDEF"]["RESOURCES2"], 2U);
    removeVocabulary(folder, one);
    removeVocabulary(folder, one);
    EXPECT_EQ(folder, other);
}

// One definition with a key the lists lack is a typo, and so is its copy
// in a second; a third makes it the folder's own, and a folder written for
// an older branch of the server uses its keys and triggers far more often.
TEST(FolderVocabulary, AKeyKindOrTriggerIsTheFoldersOwnFromThreeUses)
{
    const auto problemsWith = [](std::size_t definitions) {
        std::string folder;
        for (std::size_t i = 0; i < definitions; ++i)
            folder += "[CHARDEF c_" + std::to_string(i) + "]\nATTACK=5\nON=@UserDClick\n[ITEMDEFS i]\n";
        FolderVocabulary vocabulary;
        addScriptVocabulary(vocabulary, folder);
        return checkScript("[CHARDEF c_mine]\nATTACK=1\n[ITEMDEF i_mine]\nON=@UserDClick\n[ITEMDEFS x]\n", vocabulary)
            .size();
    };
    EXPECT_EQ(problemsWith(0), 3U);
    EXPECT_EQ(problemsWith(1), 3U);
    EXPECT_EQ(problemsWith(2), 3U);
    EXPECT_EQ(problemsWith(3), 1U); // an NPC's trigger does not make it an item's
}

} // namespace
} // namespace defwright
