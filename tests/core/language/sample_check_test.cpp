#include "core/files/line_breaks.h"
#include "core/index/scripts_folder.h"
#include "core/language/script_check.h"
#include "core/script/ascii_case.h"
#include "core/script/script_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace defwright {
namespace {

const std::filesystem::path kSamples = DEFWRIGHT_SAMPLE_SCRIPTS;

// The faults the checker finds in the real scripts, by file, each with why it
// is one. There are none: every key of the collection's item and NPC
// definitions is in the server's lists (its templates' ITEM= and COLOR= lines
// are template lines, which are not checked as keys), every block of its
// triggers and functions pairs, every trigger is one its object fires, and
// the prose of its [COMMENT] sections ("For more information"-like lines)
// is not read as code.
const std::map<std::string, std::vector<std::string>> kExpected = {};

std::vector<std::string> described(std::string_view text, const std::vector<ScriptProblem>& problems)
{
    std::vector<std::string> result;
    for (const ScriptProblem& problem : problems)
        result.push_back(std::string(problem.span.of(text)) + ": " + problem.message);
    return result;
}

// Each file as it is and in other clothes: CR alone, LF, CR LF, mixed, and
// without its last line break; alone and with the folder's vocabulary.
TEST(SampleCheck, TheRealScriptsHaveOnlyTheirListedFaultsInAnyLineBreaks)
{
    const std::vector<std::filesystem::path> files = listScriptFiles(kSamples);
    ASSERT_EQ(files.size(), 14U);
    std::vector<std::string> texts;
    FolderVocabulary vocabulary;
    for (const std::filesystem::path& file : files) {
        texts.push_back(readScriptText(file).value());
        addScriptVocabulary(vocabulary, texts.back());
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = files[i].filename().string();
        const auto listed = kExpected.find(name);
        const std::vector<std::string> expected = listed == kExpected.end() ? std::vector<std::string>() : listed->second;
        std::string mixed = withLineBreaks(texts[i], LineBreak::CrLf);
        for (std::size_t at = mixed.find("\r\n"); at != std::string::npos; at = mixed.find("\r\n", at + 3))
            mixed.erase(at, 1);
        const std::string variants[] = {texts[i], withLineBreaks(texts[i], LineBreak::Cr),
                                        withLineBreaks(texts[i], LineBreak::CrLf), mixed,
                                        texts[i].substr(0, texts[i].find_last_not_of("\r\n") + 1)};
        for (const std::string& text : variants) {
            EXPECT_EQ(described(text, checkScript(text, vocabulary)), expected) << name;
            EXPECT_EQ(described(text, checkScript(text, {})), expected) << name << " alone";
        }
    }
}

// The first place of `what` in the text, in any case, at a line's start after blanks.
std::size_t lineStartingWith(const std::string& text, std::string_view what)
{
    for (const ScriptLine& line : test::linesOf(text))
        if (startsIgnoringCase(text.substr(line.indent.end, what.size()), what))
            return line.indent.end;
    return std::string::npos;
}

// A fault made in a real file is found, and little else.
TEST(SampleCheck, AFaultMadeInARealScriptIsFound)
{
    const struct {
        std::string_view line;
        std::string_view becomes;
        std::string_view message;
    } faults[] = {
        {"WEIGHT=", "WEIGTH=", "Unknown ITEMDEF key WEIGTH: did you mean WEIGHT?"},
        {"ENDIF", "", "IF never closed: ENDIF missing"},
        {"ENDFOR", "ENDWHILE", "ENDWHILE closes FOR"},
        {"ON=@Create", "ON=@Craete", "fires @Craete by itself: did you mean @Create?"},
    };
    std::size_t made = 0;
    for (const std::filesystem::path& file : listScriptFiles(kSamples)) {
        for (const auto& fault : faults) {
            std::string text = readScriptText(file).value();
            const std::size_t at = lineStartingWith(text, fault.line);
            if (at == std::string::npos)
                continue;
            text.replace(at, fault.line.size(), fault.becomes);
            const std::vector<std::string> problems = described(text, checkScript(text, {}));
            const auto found = [&fault](const std::string& problem) { return problem.find(fault.message) != std::string::npos; };
            EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), found)) << file << " " << fault.line;
            EXPECT_LE(problems.size(), 3U) << file << " " << fault.line; // the fault's ends, and no more
            ++made;
        }
    }
    EXPECT_GT(made, 10U);
}

} // namespace
} // namespace defwright
