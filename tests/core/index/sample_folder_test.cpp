#include "core/files/line_breaks.h"
#include "core/files/windows_1252.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "core/index/scripts_folder.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace defwright {
namespace {

const std::filesystem::path kSamples = DEFWRIGHT_SAMPLE_SCRIPTS;

std::size_t headerLines(const std::filesystem::path& file)
{
    const std::optional<std::string> text = readScriptText(file);
    std::size_t count = 0;
    for (std::size_t start = 0; text;) {
        const ScriptLine line = scriptLineAt(*text, start);
        const std::string_view words = line.key.of(*text);
        if (line.kind == LineKind::Header && !startsIgnoringCase(words, "COMMENT") && !startsIgnoringCase(words, "EOF"))
            ++count;
        if (line.isLast())
            break;
        start = line.next();
    }
    return count;
}

// Also every sample in other clothes: CR alone for its breaks, UTF-8 with a
// BOM made Windows-1252 where it can be, and without its last break. The
// index finds the same sections on the same lines.
TEST(SampleFolder, EverySectionOfTheRealScriptsAndOfTheirVariantsIsIndexed)
{
    const std::vector<std::filesystem::path> files = listScriptFiles(kSamples);
    const std::filesystem::path variants = std::filesystem::temp_directory_path() / "defwright-sample-variants";
    std::filesystem::remove_all(variants);
    std::size_t headers = 0;
    for (const std::filesystem::path& file : files) {
        headers += headerLines(file);
        std::string variant = withLineBreaks(*readScriptText(file), LineBreak::Cr);
        if (variant.ends_with('\r'))
            variant.pop_back();
        const std::filesystem::path copy = variants / file.lexically_relative(kSamples);
        std::filesystem::create_directories(copy.parent_path());
        std::ofstream(copy, std::ios::binary) << windows1252FromUtf8(variant).bytes;
    }
    const FolderIndex original = indexFolder(kSamples);
    EXPECT_EQ(original.fileCount(), files.size());
    EXPECT_EQ(files.size(), 14U);
    EXPECT_EQ(original.sectionCount(), headers);
    EXPECT_GT(headers, 3000U);
    const FolderIndex changed = indexFolder(variants);
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
    }
    std::filesystem::remove_all(variants);
}

TEST(SampleFolder, NamesLeadToTheirFilesAndLines)
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

// The samples are a few files of a larger folder: they name much that lies
// elsewhere, but no header lacks its "]", and the server's own types are known.
TEST(SampleFolder, CheckReportsOnlyWhatTheFewFilesLack)
{
    const std::vector<FolderProblem> problems = checkFolder(indexFolder(kSamples));
    EXPECT_FALSE(problems.empty());
    for (const FolderProblem& problem : problems) {
        EXPECT_NE(problem.kind, FolderProblem::Kind::UnclosedHeader) << problem.file << ":" << problem.line;
        EXPECT_EQ(problem.message.find("t_normal"), std::string::npos) << problem.message;
        EXPECT_EQ(problem.message.find("t_ore "), std::string::npos) << problem.message;
    }
}

} // namespace
} // namespace defwright
