#include "core/files/line_breaks.h"
#include "core/index/scripts_folder.h"
#include "core/items/item_script.h"
#include "core/language/script_check.h"
#include "core/npcs/npc_script.h"
#include "core/script/ascii_case.h"

#include "core/script/random_scripts.h"
#include "core/script/script_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

namespace defwright {
namespace {

// Every span lies inside the text and says something; every fix applies there.
void expectSound(std::string_view text, const std::vector<ScriptProblem>& problems)
{
    for (const ScriptProblem& problem : problems) {
        ASSERT_LT(problem.span.start, problem.span.end) << problem.message;
        ASSERT_LE(problem.span.end, text.size()) << problem.message;
        if (problem.fix) {
            ASSERT_LE(problem.fix->start, problem.fix->end);
            ASSERT_LE(problem.fix->end, text.size());
        }
    }
    ASSERT_TRUE(std::is_sorted(problems.begin(), problems.end(), [](const ScriptProblem& left, const ScriptProblem& right) {
        return left.span.start < right.span.start;
    }));
}

// A script the program writes, from any record, is one it finds nothing wrong with.
TEST(ScriptCheckProperties, ScriptsTheProgramWritesHaveNoProblem)
{
    test::RandomScripts random(3007);
    for (int run = 0; run < 5'000; ++run) {
        const std::string item = itemScript(random.item());
        ASSERT_EQ(checkScript(item, {}), std::vector<ScriptProblem>()) << item;
        const std::string npc = npcScript(random.npc());
        ASSERT_EQ(checkScript(npc, {}), std::vector<ScriptProblem>()) << npc;
    }
}

// Checked again after an edit, one section alone says what the whole check says of it.
TEST(ScriptCheckProperties, ASectionAloneHasTheProblemsTheWholeCheckFindsInIt)
{
    test::RandomScripts random(3008);
    std::size_t problemsSeen = 0;
    for (int run = 0; run < 300; ++run) {
        std::string text = test::randomScript(random, random.pick(std::vector<std::string>{"\r\n", "\n", "\r"})).text;
        text += random.pick(std::vector<std::string>{"", "\nIF 1\n", "\n[FUNCTION f]\nIF\nELSE\n", "[ITEMDEF x\n"});
        const std::vector<ScriptProblem> whole = checkScript(text, {});
        ASSERT_NO_FATAL_FAILURE(expectSound(text, whole));
        problemsSeen += whole.size();
        for (std::size_t at = 0; at <= text.size(); at = sectionAt(text, at).end + 1) {
            const TextSpan section = sectionAt(text, at);
            ASSERT_TRUE(section.start == 0 || scriptLineAt(text, section.start).kind == LineKind::Header);
            const std::size_t inside = section.start + random.below(std::max<std::size_t>(section.size(), 1));
            ASSERT_EQ(sectionAt(text, inside), section) << "at " << inside << " of " << text;
            std::vector<ScriptProblem> inSection;
            std::copy_if(whole.begin(), whole.end(), std::back_inserter(inSection), [&](const ScriptProblem& problem) {
                return problem.span.start >= section.start && problem.span.start < section.end;
            });
            ASSERT_EQ(checkSection(text, section, {}), inSection) << text;
            if (section.end >= text.size())
                break;
        }
    }
    EXPECT_GT(problemsSeen, 100U); // the generator's stray lines are faults to find
}

std::string nested(std::size_t depth, std::string_view opener)
{
    std::string text = "[FUNCTION f_deep]\n";
    for (std::size_t i = 0; i < depth; ++i)
        text.append(opener).append("\n");
    return text;
}

std::string randomBytes(std::size_t size)
{
    std::mt19937 random(77);
    std::string text(size, '\0');
    for (char& byte : text)
        byte = static_cast<char>(random() % 256);
    return text;
}

TEST(ScriptCheckProperties, BadInputEndsWithProblemsInsideTheText)
{
    const std::string fiveMegabytes(5 * 1024 * 1024, 'x');
    const struct {
        std::string_view name;
        std::string text;
        std::size_t problems;
    } cases[] = {
        {"a line of 5 MB in a definition", "[ITEMDEF i_x]\n" + fiveMegabytes + "=1\n", 1},
        {"a header of 5 MB without its bracket", "[ITEMDEF " + fiveMegabytes, 1},
        {"a line of code of 5 MB", "[FUNCTION f]\nIF " + fiveMegabytes + "\nENDIF", 0},
        {"100,000 nested IFs", nested(100'000, "IF 1"), 100'000},
        {"100,000 nested IFs, closed", nested(100'000, "IF 1") + nested(100'000, "ENDIF").substr(18), 0},
        {"100,000 closers", nested(100'000, "ENDWHILE"), 100'000},
        {"binary bytes", randomBytes(1 << 20), std::string::npos},
        {"a [ alone", "[", 1},
        {"a file of [", std::string(100'000, '['), 1},
        {"lines of [", nested(1'000, "["), 1'000},
        {"nothing", "", 0},
    };
    for (const auto& [name, text, count] : cases) {
        const std::vector<ScriptProblem> problems = checkScript(text, {});
        ASSERT_NO_FATAL_FAILURE(expectSound(text, problems)) << name;
        if (count != std::string::npos) {
            EXPECT_EQ(problems.size(), count) << name;
        }
    }
}

const std::filesystem::path kSamples = DEFWRIGHT_SAMPLE_SCRIPTS;

std::vector<std::string> described(std::string_view text, const std::vector<ScriptProblem>& problems)
{
    std::vector<std::string> result;
    for (const ScriptProblem& problem : problems)
        result.push_back(std::string(problem.span.of(text)) + ": " + problem.message);
    return result;
}

// The checker finds no fault in the real scripts: every key of the
// collection's item and NPC definitions is in the server's lists (its
// templates' ITEM= and COLOR= lines are template lines, which are not checked
// as keys), every block of its triggers and functions pairs, every trigger is
// one its object fires, and the prose of its [COMMENT] sections ("For more
// information"-like lines) is not read as code. Each file as it is and in
// other clothes: CR alone, LF, CR LF, mixed, and without its last line break;
// alone and with the folder's vocabulary.
TEST(SampleCheck, TheRealScriptsHaveNoFaultInAnyLineBreaks)
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
        std::string mixed = withLineBreaks(texts[i], LineBreak::CrLf);
        for (std::size_t at = mixed.find("\r\n"); at != std::string::npos; at = mixed.find("\r\n", at + 3))
            mixed.erase(at, 1);
        const std::string variants[] = {texts[i], withLineBreaks(texts[i], LineBreak::Cr),
                                        withLineBreaks(texts[i], LineBreak::CrLf), mixed,
                                        texts[i].substr(0, texts[i].find_last_not_of("\r\n") + 1)};
        for (const std::string& text : variants) {
            EXPECT_EQ(described(text, checkScript(text, vocabulary)), std::vector<std::string>{}) << name;
            EXPECT_EQ(described(text, checkScript(text, {})), std::vector<std::string>{}) << name << " alone";
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
