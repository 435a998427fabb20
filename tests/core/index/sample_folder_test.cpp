#include "core/files/line_breaks.h"
#include "core/files/windows_1252.h"
#include "core/index/definition_name.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "core/index/load_order.h"
#include "core/index/name_uses.h"
#include "core/index/scripts_folder.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"
#include "core/script/text_lines.h"
#include "core/script/script_lines.h"
#include "scripts_folder_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace defwright {
namespace {

const std::filesystem::path kSamples = DEFWRIGHT_SAMPLE_SCRIPTS;

std::size_t headerLines(const std::filesystem::path& file)
{
    const std::string text = readScriptText(file).value();
    std::size_t count = 0;
    for (const ScriptLine& line : test::linesOf(text)) {
        const std::string_view words = line.key.of(text);
        if (line.kind == LineKind::Header && !startsIgnoringCase(words, "COMMENT") && !startsIgnoringCase(words, "EOF"))
            ++count;
    }
    return count;
}

// The real scripts, and a folder of the test's own for what is made of them.
class SampleFolder : public ScriptsFolder {};

// Also every sample in other clothes: CR alone for its breaks, UTF-8 with a
// BOM made Windows-1252 where it can be, and without its last break. The
// index finds the same sections, and the same words that may name them, on the same lines.
TEST_F(SampleFolder, EverySectionOfTheRealScriptsAndOfTheirVariantsIsIndexed)
{
    const std::vector<std::filesystem::path> files = listScriptFiles(kSamples);
    std::size_t headers = 0;
    for (const std::filesystem::path& file : files) {
        headers += headerLines(file);
        std::string variant = withLineBreaks(*readScriptText(file), LineBreak::Cr);
        if (variant.ends_with('\r'))
            variant.pop_back();
        write(file.lexically_relative(kSamples), windows1252FromUtf8(variant).bytes);
    }
    const FolderIndex original = indexFolder(kSamples);
    EXPECT_EQ(original.fileCount(), files.size());
    EXPECT_EQ(files.size(), 14U);
    EXPECT_EQ(original.sectionCount(), headers);
    EXPECT_GT(headers, 3000U);
    const FolderIndex changed = indexFolder(root);
    ASSERT_EQ(changed.sectionCount(), original.sectionCount());
    for (const std::uint32_t file : original.files()) {
        const ScriptSummary& before = original.summary(file);
        const ScriptSummary& after = changed.summary(file);
        ASSERT_EQ(after.sections.size(), before.sections.size());
        for (std::size_t i = 0; i < before.sections.size(); ++i) {
            EXPECT_EQ(after.sections[i].name.line, before.sections[i].name.line);
            EXPECT_EQ(after.sections[i].name.text, before.sections[i].name.text);
        }
        EXPECT_EQ(after.references.size(), before.references.size());
        for (std::size_t i = 0; i < before.sections.size(); i += 7) {
            const std::string name(before.sections[i].name.text);
            const std::vector<NameUse> beforeUses = usesOf(before, name, NameUse::ItemId);
            const std::vector<NameUse> afterUses = usesOf(after, name, NameUse::ItemId);
            ASSERT_EQ(afterUses.size(), beforeUses.size()) << name;
            for (std::size_t use = 0; use < beforeUses.size(); ++use)
                EXPECT_EQ(afterUses[use].line, beforeUses[use].line) << name;
        }
    }
}

TEST_F(SampleFolder, NamesLeadToTheirFilesAndLines)
{
    const FolderIndex index = indexFolder(kSamples);
    const auto only = [&index](std::string_view name) {
        const std::span<const NamePlace> places = index.lookup(name);
        EXPECT_EQ(places.size(), 1U) << name;
        return places.empty() ? std::string() : index.filePath(places[0].file).filename().string() + ":"
                + std::to_string(index.section(places[0]).name.line + 1);
    };
    EXPECT_EQ(only("I_DEED_SHIP"), "i_provisions_deed.scp:21");
    EXPECT_EQ(only("0x14f1"), "i_provisions_deed.scp:21");
    EXPECT_EQ(only("t_ore"), "type_ore.scp:8");
    EXPECT_EQ(only("spk_pet"), "spk_pet.scp:7");
    EXPECT_EQ(only("set_armor_ronin_plate"), "c_evil.scp:148");
    EXPECT_EQ(only("f_dungeon_chest_additem"), "f_dungeon_chest.scp:7");
}

// The samples are 14 files of a collection of 772. What the check finds there
// is the names they take from the other 758: all references (no clash, no
// header without its "]"), and no sample file defines any of them, which the
// test sees for itself in the files' headers and DEFNAME lines. By key:
// ITEM= lines name the loot and the clothes of the NPCs (templates such as
// random_coin_purse, items such as i_gold, both defined in the collection's
// own item and template files); ITEMNEWBIE= the hair and beards of humans and
// elves; TEVENTS= the equipment events ei_equipitem of the collection's core
// files and the NPC events e_horses, e_carnivores2, ...; and the one DUPEITEM=
// is [ITEMDEF 01239]'s, whose base 01231 is not among the samples.
TEST_F(SampleFolder, CheckReportsOnlyTheNamesTheOtherFilesOfTheCollectionDefine)
{
    std::set<std::string> defined;
    for (const std::filesystem::path& file : listScriptFiles(kSamples)) {
        const std::string text = *readScriptText(file);
        for (const ScriptLine& line : test::linesOf(text)) {
            const std::string_view key = line.key.of(text);
            if (line.kind == LineKind::Header)
                defined.insert(nameKey(key.substr(std::min(key.find(' ') + 1, key.size()))));
            if (line.kind == LineKind::Keyed && startsIgnoringCase(key, "DEFNAME"))
                defined.insert(nameKey(line.value.of(text)));
        }
    }
    std::map<std::string, int> byKey;
    for (const FolderProblem& problem : checkFolder(indexFolder(kSamples))) {
        EXPECT_EQ(problem.kind, FolderProblem::Kind::Undefined) << problem.message;
        EXPECT_EQ(problem.severity, FolderProblem::Severity::Error);
        const std::size_t equals = problem.message.find('=');
        const std::string name = problem.message.substr(equals + 1, problem.message.find(':') - equals - 1);
        EXPECT_FALSE(defined.contains(nameKey(name))) << problem.message;
        ++byKey[problem.message.substr(0, equals)];
    }
    EXPECT_EQ(byKey, (std::map<std::string, int>{{"DUPEITEM", 1}, {"ITEM", 856}, {"ITEMNEWBIE", 110}, {"TEVENTS", 122}}));
}

// The samples under the collection's own load list (tests/samples/tables): the
// folders they lie in are listed, so every sample is loaded; every other line
// of the list names a file or folder of the collection that the samples lack.
TEST_F(SampleFolder, TheCollectionsLoadListLoadsEverySampleAndNamesTheRestAsMissing)
{
    const std::filesystem::path folder = root / "scripts";
    std::filesystem::copy(kSamples, folder, std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(kSamples.parent_path() / "tables" / "resources.scp", folder / "shard_tables.scp");
    const FolderIndex index = indexFolder(folder);
    for (const std::uint32_t file : index.files())
        EXPECT_TRUE(index.isLoaded(file)) << index.shownPath(file);
    std::size_t missing = 0;
    for (const FolderProblem& problem : checkLoadList(index)) {
        ASSERT_EQ(problem.kind, FolderProblem::Kind::ListedButMissing) << problem.message;
        const std::string text = *readScriptText(folder / "shard_tables.scp");
        const std::string_view line = TextLines(text).line(TextLines(text).lineStart(problem.line).start);
        const LoadPath path = readLoadPath(line);
        std::filesystem::path named = folder;
        for (const std::string& part : path.parts)
            named /= part;
        std::error_code error;
        const bool holdsScripts = std::filesystem::is_directory(named, error)
            && std::any_of(std::filesystem::directory_iterator(named), std::filesystem::directory_iterator(),
                           [](const auto& entry) { return isScriptPath(entry.path()); });
        EXPECT_FALSE(path.folder ? holdsScripts : std::filesystem::exists(named, error)) << line;
        ++missing;
    }
    EXPECT_EQ(missing, 104U);
}

} // namespace
} // namespace defwright
