#include "core/definitions/edit_list.h"
#include "core/files/line_breaks.h"
#include "core/files/script_bytes.h"
#include "core/index/definition_name.h"
#include "core/index/folder_indexing.h"
#include "core/index/reference_search.h"
#include "core/index/rename_plan.h"
#include "core/index/scripts_folder.h"
#include "core/script/random_scripts.h"
#include "scripts_folder_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

std::string replaced(std::string text, std::string_view marker, std::string_view name)
{
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + name.size()))
        text.replace(at, marker.size(), name);
    return text;
}

TEST(RenamePlan, TheNewNameIsValidAndFreeAndTheOldOneANameOfTheFolder)
{
    FolderIndex index("scripts");
    index.setFile("scripts/a.scp", summarizeScript("[ITEMDEF 0a25]\nDEFNAME=i_lantern\n[ITEMDEF i_torch]\n"));
    const std::pair<std::pair<std::string_view, std::string_view>, std::string_view> cases[] = {
        {{"i_lantern", "i_lamp"}, ""},
        {{"I_LANTERN", "i_Lantern"}, ""},
        {{"i_lantern", "i_lantern"}, "The new name is the name as it is"},
        {{"i_lantern", "1lamp"}, "\"1lamp\" is not a valid name: a letter or \"_\" first, then letters, digits and \"_\""},
        {{"i_lantern", "i lamp"}, "\"i lamp\" is not a valid name: a letter or \"_\" first, then letters, digits and \"_\""},
        {{"i_lantern", "I_TORCH"}, "\"I_TORCH\" is defined already, at a.scp:3"},
        {{"i_lantern", "t_normal"}, "\"t_normal\" is a name the server defines itself"},
        {{"0a25", "i_lamp"}, "0a25 is no name to rename: ids and words of other forms keep their places"},
        {{"i_nowhere", "i_lamp"}, "i_nowhere is defined nowhere in the folder"},
    };
    for (const auto& [names, problem] : cases)
        EXPECT_EQ(renameProblem(index, names.first, names.second), problem) << names.first << " " << names.second;
    const RenamePlan plan = planRename(index, "i_lantern", "i_torch", [](const auto&) { return std::string(); });
    EXPECT_FALSE(plan.error.empty());
    EXPECT_TRUE(plan.files.empty());
}

// Real files in their own formats: the pane's texts are renamed, written back
// in each file's format, and only the name's bytes differ.
class RenameFormats : public ScriptsFolder {
protected:
    // "{OLD}" is where the name is renamed; the words "i_lantern" in text and comments stay.
    static constexpr std::string_view kTemplate =
        "// i_lantern in a comment stays\n[ITEMDEF {OLD}]\nNAME=Lanterne \xC3\xA9 i_lantern\nTYPE=t_light_out\n"
        "ON=@Click\n    SRC.SYSMESSAGE <DEF.{OLD}> is the i_lantern\n    SERV.NEWITEM {OLD}\n[CHARDEF c_keeper]\n"
        "ITEMNEWBIE={OLD},1\nITEM={ i_torch 1 {OLD} 2 }";

    // The template's bytes in a format: its breaks, its encoding, and a last break or none.
    static std::string bytesOf(std::string_view text, LineBreak lineBreak, TextEncoding encoding, bool lastBreak)
    {
        const ScriptFormat format{encoding, lineBreak, false, lastBreak};
        return encodeScript(withLineBreaks(text, lineBreak), format).bytes;
    }
};

TEST_F(RenameFormats, OnlyTheNamesBytesChangeInEveryEncodingAndLineBreak)
{
    struct Format {
        std::string_view file;
        LineBreak lineBreak;
        TextEncoding encoding;
        bool lastBreak;
    };
    const Format formats[] = {
        {"scripts/crlf_1252.scp", LineBreak::CrLf, TextEncoding::Windows1252, true},
        {"scripts/lf_bom.scp", LineBreak::Lf, TextEncoding::Utf8WithBom, false},
        {"scripts/cr_utf8.scp", LineBreak::Cr, TextEncoding::Utf8, true},
    };
    const std::string before = replaced(std::string(kTemplate), "{OLD}", "i_lantern");
    const std::string after = replaced(std::string(kTemplate), "{OLD}", "i_lamp_of_old");
    for (const Format& format : formats)
        write(format.file, bytesOf(before, format.lineBreak, format.encoding, format.lastBreak));
    const FolderIndex index = indexFolder(root / "scripts");
    const RenamePlan plan = planRename(index, "i_lantern", "i_lamp_of_old", readScriptText);
    ASSERT_EQ(plan.error, "");
    ASSERT_EQ(plan.files.size(), 3U);
    for (const RenameFile& file : plan.files) {
        EXPECT_EQ(file.changes.size(), 5U) << file.file;
        const std::string text = *readScriptText(file.file);
        const std::vector<TextEdit> edits = chosenEdits(file, std::vector<bool>(file.changes.size(), true));
        ASSERT_TRUE(joinedEdits(edits) == edits);
        const std::string renamed = applyEdits(text, edits);
        const auto format = std::find_if(std::begin(formats), std::end(formats),
                                         [&](const Format& one) { return root / one.file == file.file; });
        EXPECT_EQ(encodeScript(renamed, {format->encoding, format->lineBreak, false, format->lastBreak}).bytes,
                  bytesOf(after, format->lineBreak, format->encoding, format->lastBreak))
            << file.file;
        EXPECT_EQ(applyEdits(renamed, inverseEdits(text, edits)), text);
    }
    EXPECT_EQ(plan.files[0].changes[0].before, "[ITEMDEF i_lantern]");
    EXPECT_EQ(plan.files[0].changes[0].after, "[ITEMDEF i_lamp_of_old]");
    EXPECT_EQ(plan.files[0].changes[0].line, 1U);
}

TEST_F(RenameFormats, UntickedChangesStayAndAFileThatCannotBeReadStopsItAll)
{
    const std::string text = replaced(std::string(kTemplate), "{OLD}", "i_lantern");
    write("scripts/a.scp", text);
    write("scripts/b.scp", "[CHARDEF c_x]\nITEM=i_lantern\n");
    const FolderIndex index = indexFolder(root / "scripts");
    const RenamePlan plan = planRename(index, "i_lantern", "i_lamp", readScriptText);
    ASSERT_EQ(plan.files.size(), 2U);
    const RenameFile& file = plan.files[0];
    std::vector<bool> chosen(file.changes.size(), true);
    chosen[0] = false;
    chosen[3] = false;
    const std::vector<TextEdit> edits = chosenEdits(file, chosen);
    const std::string renamed = applyEdits(text, edits);
    EXPECT_NE(renamed.find("[ITEMDEF i_lantern]"), std::string::npos);
    EXPECT_EQ(renamed.find("SERV.NEWITEM i_lantern"), std::string::npos);
    EXPECT_EQ(applyEdits(renamed, inverseEdits(text, edits)), text);
    std::filesystem::remove(root / "scripts/b.scp");
    const RenamePlan failed = planRename(index, "i_lantern", "i_lamp", readScriptText);
    EXPECT_EQ(failed.error, "b.scp cannot be read, so nothing is renamed");
    EXPECT_TRUE(failed.files.empty());
}

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

std::string randomScript(test::RandomScripts& random)
{
    std::string script;
    for (std::size_t lines = 1 + random.below(30); lines > 0; --lines) {
        for (const char character : random.pick(kLines))
            script += character == '$' ? std::string(random.pick(kNames)) : std::string(1, character);
        script += random.pick(std::array<std::string_view, 3>{"\r\n", "\n", "\r"});
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
Folder applied(const Folder& folder, const RenamePlan& plan, test::RandomScripts& random, bool all)
{
    Folder result = folder;
    for (const RenameFile& file : plan.files) {
        const std::string& text = folder.at(file.file.generic_string());
        std::vector<bool> chosen;
        for (std::size_t i = 0; i < file.changes.size(); ++i)
            chosen.push_back(all || random.chance(0.5));
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
    test::RandomScripts random(20261207);
    int renamed = 0;
    for (int round = 0; round < 300; ++round) {
        Folder folder;
        for (std::size_t file = 1 + random.below(4); file > 0; --file)
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
