#include "core/files/line_breaks.h"
#include "core/index/definition_name.h"
#include "core/definitions/edit_list.h"
#include "core/index/reference_search.h"
#include "core/index/rename_plan.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace defwright {
namespace {

// Names that begin alike, so that a rename of one must leave the others be.
constexpr std::array<std::string_view, 5> kNames = {"i_a", "I_A", "i_ab", "e_a", "a"};
// Lines of every kind of place a name stands in, "$" for a name.
constexpr std::array<std::string_view, 18> kLines = {
    "[ITEMDEF $]",     "DEFNAME=$",           "ITEM=$,2",         "TEVENTS=+$,-$",      "ON=@Click",
    "    SRC.NEWITEM $", "    IF (<type>==$)", "NAME=$ of old",    "// $ in a comment", "    SRC.SAY $ <DEF.$>",
    "[DEFNAME list]",  "$ 12",                "[COMMENT]",         "[EVENTS $]",         "[DIALOG $ TEXT]",
    "x_$=$",           "    f_call \"$\" $.$", "[WORLDITEM $]",
};

using Folder = std::map<std::string, std::string>;

std::string randomScript(std::mt19937& random)
{
    const std::array<std::string_view, 3> breaks = {"\r\n", "\n", "\r"};
    std::string script;
    const int lines = std::uniform_int_distribution(1, 30)(random);
    for (int line = 0; line < lines; ++line) {
        for (const char character : kLines[std::uniform_int_distribution<std::size_t>(0, kLines.size() - 1)(random)]) {
            if (character == '$')
                script += kNames[std::uniform_int_distribution<std::size_t>(0, kNames.size() - 1)(random)];
            else
                script += character;
        }
        script += breaks[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
    }
    return script;
}

FolderIndex indexOf(const Folder& folder)
{
    FolderIndex index("scripts");
    for (const auto& [file, text] : folder)
        index.setFile(file, summarizeScript(text));
    return index;
}

// Applies `plan` to the folder, each change chosen or not by a coin; checks
// that only chosen names changed and that the inverse edits bring every byte back.
Folder applied(const Folder& folder, const RenamePlan& plan, std::mt19937& random, bool all)
{
    Folder result = folder;
    for (const RenameFile& file : plan.files) {
        const std::string& text = folder.at(file.file.generic_string());
        std::vector<bool> chosen;
        for (std::size_t i = 0; i < file.changes.size(); ++i)
            chosen.push_back(all || std::bernoulli_distribution(0.5)(random));
        const std::vector<TextEdit> edits = chosenEdits(file, chosen);
        EXPECT_TRUE(joinedEdits(edits) == edits);
        std::string renamed = applyEdits(text, edits);
        std::size_t from = 0;
        std::size_t to = 0;
        for (const TextEdit& edit : edits) {
            EXPECT_EQ(text.substr(from, edit.start - from), renamed.substr(to, edit.start - from));
            EXPECT_EQ(nameKey(text.substr(edit.start, edit.end - edit.start)), "i_a");
            to += edit.start - from + edit.replacement.size();
            from = edit.end;
        }
        EXPECT_EQ(text.substr(from), renamed.substr(to));
        EXPECT_EQ(applyEdits(renamed, inverseEdits(text, edits)), text);
        result[file.file.generic_string()] = std::move(renamed);
    }
    return result;
}

TEST(RenameProperties, RandomFoldersRenamedChangeOnlyTheNamesBytesAndEveryPlaceFollows)
{
    std::mt19937 random(20261207);
    int renamed = 0;
    for (int round = 0; round < 300; ++round) {
        Folder folder;
        for (int file = std::uniform_int_distribution(1, 4)(random); file > 0; --file)
            folder["scripts/f" + std::to_string(file) + ".scp"] = randomScript(random);
        const FolderIndex index = indexOf(folder);
        const RenamePlan plan = planRename(index, "i_a", "n_new", [&folder](const std::filesystem::path& file) {
            return std::optional(folder.at(file.generic_string()));
        });
        if (!plan.error.empty())
            continue;
        ++renamed;
        static_cast<void>(applied(folder, plan, random, false));
        const FolderIndex after = indexOf(applied(folder, plan, random, true));
        EXPECT_TRUE(after.lookup("i_a").empty());
        EXPECT_EQ(after.lookup("n_new").size(), index.lookup("i_a").size());
        EXPECT_EQ(findReferences(after, "n_new").size(), findReferences(index, "i_a").size());
        EXPECT_EQ(findReferences(after, "i_ab").size(), findReferences(index, "i_ab").size());
    }
    EXPECT_GT(renamed, 100);
}

} // namespace
} // namespace defwright
