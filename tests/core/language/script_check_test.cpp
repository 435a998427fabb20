#include "core/language/script_check.h"
#include "core/script/script_line.h"
#include "core/script/text_edit.h"
#include "core/script/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace defwright {
namespace {

// A problem as a test expects it: on a line (from 1), at a text, with its
// severity (E, W or H), its message and, when it has one, its fix's text.
struct Expected {
    std::size_t line = 0;
    std::string_view at;
    char severity = 'W';
    std::string_view message;
    std::string_view fix;

    bool operator==(const Expected&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Expected& problem)
{
    return out << problem.line << " \"" << problem.at << "\" " << problem.severity << " " << problem.message << " -> "
               << problem.fix;
}

struct CheckCase {
    std::string_view name;
    std::vector<std::string_view> lines;
    std::vector<Expected> problems;
};

std::string joined(const std::vector<std::string_view>& lines, std::string_view lineBreak, bool lastBreak)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text.append(lines[i]).append(i + 1 < lines.size() || lastBreak ? lineBreak : "");
    return text;
}

std::size_t lineOf(std::string_view text, std::size_t position)
{
    return TextLines(text).lineAt(position) + 1;
}

std::vector<Expected> described(std::string_view text, const std::vector<ScriptProblem>& problems)
{
    std::vector<Expected> result;
    for (const ScriptProblem& problem : problems) {
        const char severity = "EWH"[static_cast<int>(problem.severity)];
        result.push_back({lineOf(text, problem.span.start), problem.span.of(text), severity, problem.message,
                          problem.fix ? std::string_view(problem.fix->replacement) : std::string_view()});
    }
    return result;
}

// A fix mends its problem: the message is gone from its line.
void expectFixesMend(const std::string& text, const std::vector<ScriptProblem>& problems)
{
    for (const ScriptProblem& problem : problems) {
        if (!problem.fix)
            continue;
        const std::string fixed = applyEdit(text, *problem.fix);
        const std::size_t line = lineOf(text, problem.span.start);
        for (const Expected& after : described(fixed, checkScript(fixed, {})))
            EXPECT_FALSE(after.line == line && after.message == problem.message) << fixed;
    }
}

// Each case in every line break a real file has, ended by one or not.
void expectCases(const std::vector<CheckCase>& cases)
{
    for (const CheckCase& check : cases) {
        for (const std::string_view lineBreak : {"\r\n", "\n", "\r"}) {
            for (const bool lastBreak : {true, false}) {
                const std::string text = joined(check.lines, lineBreak, lastBreak);
                const std::vector<ScriptProblem> problems = checkScript(text, {});
                EXPECT_EQ(described(text, problems), check.problems) << check.name;
                expectFixesMend(text, problems);
            }
        }
    }
}

TEST(ScriptCheck, KeysADefinitionDoesNotTakeBeforeItsFirstTrigger)
{
    expectCases({
        {"a transposed key", {"[ITEMDEF i_x]", "WEIGTH=5"},
         {{2, "WEIGTH", 'W', "Unknown ITEMDEF key WEIGTH: did you mean WEIGHT?", "WEIGHT"}}},
        {"tabs, lower case, blanks, comments after the value and the header",
         {"[itemdef 0f5e] // sword", "\tweigth = 5 // heavy"},
         {{2, "weigth", 'W', "Unknown ITEMDEF key weigth: did you mean weight?", "weight"}}},
        {"a key far from any", {"[CHARDEF c_x]", "ZORGLUB=1"}, {{2, "ZORGLUB", 'W', "Unknown CHARDEF key ZORGLUB", ""}}},
        {"short keys are one edit from their suggestion, the first in order of a tie",
         {"[ITEMDEF i_x]", "DAMM=1", "DAN=1", "DX=1"},
         {{2, "DAMM", 'W', "Unknown ITEMDEF key DAMM: did you mean DAM?", "DAM"},
          {3, "DAN", 'W', "Unknown ITEMDEF key DAN: did you mean CAN?", "CAN"},
          {4, "DX", 'W', "Unknown ITEMDEF key DX", ""}}},
        {"keys of the lists, the form and tags", {"[ITEMDEF i_x]", "WEIGHT=1", "RESOURCES2=i_log", "TAG.Owner=me", "tag0.x=1"}, {}},
        {"an alias's keys are its kind's", {"[MULTIDEF m_house]", "MULTIREGION=0", "COMPONENT=0"}, {}},
        {"keys after ON= are code", {"[ITEMDEF i_x]", "ON=@Create", "WEIGTH=5", "i_sword"}, {}},
        {"kinds without a full list of keys", {"[AREADEF a_x]", "ANYTHING=1", "[TEMPLATE t_x]", "ITEM=i_gold", "COLOR=0"}, {}},
    });
}

TEST(ScriptCheck, LinesOfADefinitionThatAreNoKeys)
{
    expectCases({
        {"a name standing alone", {"[CHARDEF c_x]", "NAME=orc", "  c_orc_lord  // here"},
         {{3, "c_orc_lord", 'W', "Not a key line: CHARDEF lines before ON= are KEY=value", ""}}},
        {"a key and its value after a blank", {"[CHARDEF c_x]", "NAME the orc", "NAEM the orc"},
         {{3, "NAEM the orc", 'W', "Not a key line: CHARDEF lines before ON= are KEY=value", ""}}},
        {"an empty key", {"[ITEMDEF i_x]", "=5"}, {{2, "=5", 'W', "Not a key line: ITEMDEF lines before ON= are KEY=value", ""}}},
        {"in a template", {"[TEMPLATE t_x]", "ITEM i_gold", "i_gold"},
         {{3, "i_gold", 'W', "Not a key line: TEMPLATE lines before ON= are KEY=value", ""}}},
        {"comments and blank lines", {"[ITEMDEF i_x]", "// a note", "", " \t", "ON=@Click"}, {}},
    });
}

TEST(ScriptCheck, HeadersOfNoKindAndWithoutTheirBracket)
{
    expectCases({
        {"a misspelt kind", {"[ITMEDEF i_x] // c"}, {{1, "ITMEDEF", 'W', "Unknown section kind ITMEDEF: did you mean ITEMDEF?", "ITEMDEF"}}},
        {"a kind far from any", {"[ZORGLUB z]"}, {{1, "ZORGLUB", 'W', "Unknown section kind ZORGLUB", ""}}},
        {"no kind at all", {"[ ]"}, {{1, "[ ]", 'W', "Header without a section kind", ""}}},
        {"no closing bracket", {"[ITEMDEF i_x", "\t[CHARDEF c_x // note ]"},
         {{1, "[ITEMDEF i_x", 'E', "Header without its ]", "]"}, {2, "[CHARDEF c_x", 'E', "Header without its ]", "]"}}},
        {"aliases and the end, in any case", {"[areadef a_x]", "[ROOMDEF r]", "[eof]", "[ZORGLUB z]", "IF"}, {}},
    });
}

TEST(ScriptCheck, BlocksThatDoNotPair)
{
    expectCases({
        {"every block closed, in the shapes scripts write",
         {"[FUNCTION f_x]", "if (<x>)", "  FORINSTANCES i_chest", "    DORAND 2", "      BEGIN", "      END",
          "      SAY hi", "    ENDRAND", "  endfor", "ELIF <y>", "\tWHILE(<z>)//loop", "\tENDWHILE", "ElseIf 1",
          "  DOSWITCH 1", "  ENDDO", "else", "  FOR n 5", "  ENDFOR", "ENDIF", "RETURN 1"},
         {}},
        {"an opener never closed, marked where the trigger ends",
         {"[ITEMDEF i_x]", "ON=@Click", "IF <x>", "  SAY hi", "// end", "ON=@DClick", "ENDIF"},
         {{3, "IF", 'E', "IF never closed: ENDIF missing", ""},
          {4, "SAY hi", 'E', "ENDIF missing: the code ends here", ""},
          {7, "ENDIF", 'E', "ENDIF with no IF open", ""}}},
        {"an opener on the last line is its own end", {"[FUNCTION f]", "WHILE 1"},
         {{2, "WHILE", 'E', "WHILE never closed: ENDWHILE missing", ""}}},
        {"ELSE outside an IF", {"[FUNCTION f]", "ELSE", "WHILE 1", "elif 2", "ENDWHILE"},
         {{2, "ELSE", 'E', "ELSE outside an IF", ""}, {4, "elif", 'E', "ELIF outside an IF", ""}}},
        {"the wrong closer", {"[FUNCTION f]", "IF 1", "ENDWHILE"},
         {{2, "IF", 'E', "IF closed by ENDWHILE: ENDIF expected", ""}, {3, "ENDWHILE", 'E', "ENDWHILE closes IF: ENDIF expected", ""}}},
        {"a closer past a block inside", {"[FUNCTION f]", "IF 1", "FORCHARS 5", "DORAND 2", "ENDIF"},
         {{3, "FORCHARS", 'E', "FORCHARS never closed: ENDFOR missing", ""},
          {4, "DORAND", 'E', "DORAND never closed: ENDDO missing", ""},
          {5, "ENDIF", 'E', "ENDIF reached with ENDDO, ENDFOR missing inside", ""}}},
        {"prose, lists and titles are no code",
         {"[COMMENT c]", "For more information", "If you wish", "[DEFNAME d]", "END 1", "[DIALOG d_x TEXT]", "If so",
          "[MENU m_x]", "For what?", "ON=0 Sword", "SAY hi", "[EOF]", "IF"},
         {}},
    });
}

TEST(ScriptCheck, TriggersTheObjectNeverFires)
{
    expectCases({
        {"a character's trigger in an item", {"[ITEMDEF i_x]", "ON=@NPCSeeNewPlayer"},
         {{2, "@NPCSeeNewPlayer", 'H', "No item fires @NPCSeeNewPlayer by itself (only a script that calls it runs it)", ""}}},
        {"a misspelt trigger", {"[CHARDEF c_x]", "on = @dclck // c"},
         {{2, "@dclck", 'H', "No character fires @dclck by itself: did you mean @dclick?", "@dclick"}}},
        {"events fire any object's triggers", {"[EVENTS e_x]", "ON=@Click", "ON=@Enter", "ON=@NPCSeeNewPlayer", "ON=@Mine"},
         {{5, "@Mine", 'H', "No object fires @Mine by itself (only a script that calls it runs it)", ""}}},
        {"what the lists and the form know",
         {"[TYPEDEF t_x]", "ON=@DClick 1", "[AREADEF a]", "ON=@Enter", "[CHARDEF c]", "ON=@UserDClick", "[ITEMDEF i]", "ON=@DropOn_Ground"},
         {}},
        {"objects the lists say nothing of", {"[SPELL 1]", "ON=@Select", "[SPEECH s]", "ON=*hello*", "[FUNCTION f]", "ON=@X"}, {}},
    });
}

} // namespace
} // namespace defwright
