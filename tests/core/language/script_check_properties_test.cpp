#include "core/items/item_script.h"
#include "core/language/script_check.h"
#include "core/npcs/npc_script.h"

#include "core/script/random_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace
} // namespace defwright
