#include "core/language/definition_keys.h"
#include "core/language/fired_triggers.h"
#include "core/language/section_kind.h"
#include "core/language/statement_word.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace defwright {
namespace {

// Lookups search the tables by halves, so each must be sorted, each name once.
TEST(LanguageTables, AreSortedWithEachNameOnce)
{
    const auto sortedOnce = [](auto rows, auto key) {
        return std::adjacent_find(rows.begin(), rows.end(),
                                  [&](const auto& left, const auto& right) { return !(key(left) < key(right)); })
            == rows.end();
    };
    EXPECT_TRUE(sortedOnce(sectionKindRows(), [](const auto& row) { return std::tuple(row.kind, row.part); }));
    EXPECT_TRUE(sortedOnce(sectionAliasRows(), [](const auto& row) { return row.written; }));
    EXPECT_TRUE(sortedOnce(definitionKeyRows(), [](const auto& row) { return std::tuple(row.kind, row.key); }));
    EXPECT_TRUE(sortedOnce(triggerRows(), [](const auto& row) { return std::tuple(row.object, row.upper); }));
    EXPECT_TRUE(sortedOnce(statementRows(), [](const auto& row) { return row.word; }));
    EXPECT_EQ(sectionKindRows().size(), 59U);
    EXPECT_EQ(definitionKeyRows().size(), 468U);
    EXPECT_EQ(triggerRows().size(), 252U);
    EXPECT_EQ(statementRows().size(), 31U);
}

struct KindCase {
    std::string_view header;
    std::optional<SectionKind> kind;
};

constexpr SectionKind kItem{"ITEMDEF", SectionBody::Definition, ObjectKind::Item, true};

TEST(SectionKinds, HeadersInAnyCaseAndByTheirAliases)
{
    const KindCase cases[] = {
        {"ITEMDEF i_sword", kItem},
        {"itemdef 0f5e", kItem},
        {"ItemDef\t0f5e", kItem},
        {"MULTIDEF m_house", kItem},
        {"CHARDEF c_man", SectionKind{"CHARDEF", SectionBody::Definition, ObjectKind::Character, true}},
        {"areadef a_town", SectionKind{"AREA", SectionBody::Definition, ObjectKind::Region, false}},
        {"REGIONTYPE r_x t_rock", SectionKind{"REGIONTYPE", SectionBody::Definition, ObjectKind::Region, false}},
        {"TYPEDEF t_ore", SectionKind{"TYPEDEF", SectionBody::Definition, ObjectKind::Item, false}},
        {"TEMPLATE t_set", SectionKind{"TEMPLATE", SectionBody::Definition, ObjectKind::None, false}},
        {"SPELL 1", SectionKind{"SPELL", SectionBody::Definition, ObjectKind::None, true}},
        {"EVENTS e_horse", SectionKind{"EVENTS", SectionBody::Triggers, ObjectKind::Any, false}},
        {"SPEECH spk_pet", SectionKind{"SPEECH", SectionBody::Triggers, ObjectKind::None, false}},
        {"FUNCTION f_x", SectionKind{"FUNCTION", SectionBody::Code, ObjectKind::None, false}},
        {"DIALOG d_x", SectionKind{"DIALOG", SectionBody::Code, ObjectKind::None, false}},
        {"dialog d_x text", SectionKind{"DIALOG", SectionBody::Prose, ObjectKind::None, false}},
        {"DIALOG d_x BUTTON", SectionKind{"DIALOG", SectionBody::Triggers, ObjectKind::None, false}},
        {"DIALOG d_x OTHER", SectionKind{"DIALOG", SectionBody::Code, ObjectKind::None, false}},
        {"COMMENT notes", SectionKind{"COMMENT", SectionBody::Prose, ObjectKind::None, false}},
        {"PLEVEL 1", SectionKind{"PLEVEL", SectionBody::List, ObjectKind::None, false}},
        {"DEFMESSAGE messages", SectionKind{"DEFNAME", SectionBody::List, ObjectKind::None, false}},
        {"TYPEDEFS", SectionKind{"TYPEDEFS", SectionBody::List, ObjectKind::None, false}},
        {"WORLDITEM i_gold", SectionKind{"WORLDITEM", SectionBody::Saved, ObjectKind::None, false}},
        {"GLOBALS", SectionKind{"WORLDVARS", SectionBody::Saved, ObjectKind::None, false}},
        {"eof", SectionKind{"EOF", SectionBody::EndOfFile, ObjectKind::None, false}},
        {"ITMEDEF i_sword", std::nullopt},
        {"ITEMDEFS i_sword", std::nullopt},
        {"", std::nullopt},
        {"i_sword", std::nullopt},
    };
    for (const KindCase& row : cases)
        EXPECT_EQ(sectionKind(row.header), row.kind) << row.header;
}

TEST(DefinitionKeys, ListedFormAndTagKeysInAnyCase)
{
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        {"ITEMDEF", "WEIGHT", true},       {"ITEMDEF", "weight", true},     {"ITEMDEF", "WEIGHTX", false},
        {"ITEMDEF", "WEIGH", false},       {"ITEMDEF", "RESOURCES2", true}, {"ITEMDEF", "COLOR", false},
        {"ITEMDEF", "TAG.Anything", true}, {"CHARDEF", "tag0.x.y", true},   {"CHARDEF", "TAG.", false},
        {"CHARDEF", "TAGX", false},        {"CHARDEF", "ATTACK", false},    {"CHARDEF", "SHELTER", true},
        {"CHARDEF", "TSPEECH", true},      {"SPELL", "ManaUse", true},      {"SPELL", "WEIGHT", false},
        {"AREA", "NAME", false},
    };
    for (const auto& [kind, key, known] : cases)
        EXPECT_EQ(isKnownKey(kind, key), known) << kind << " " << key;
    const std::pair<std::string_view, bool> tags[] = {
        {"TAG.x", true}, {"tag0.OVERRIDE.X", true}, {"TAG.", false}, {"TAGS", false}, {"TEVENTS", false}};
    for (const auto& [key, tag] : tags)
        EXPECT_EQ(isTagKey(key), tag) << key;
}

TEST(FiredTriggers, ByTheListsAndTheProgramsButtons)
{
    const std::tuple<ObjectKind, std::string_view, bool> cases[] = {
        {ObjectKind::Item, "@dclick", true},         {ObjectKind::Item, "@DROPON_GROUND", true},
        {ObjectKind::Item, "@NPCSeeNewPlayer", false}, {ObjectKind::Character, "@USERDCLICK", true},
        {ObjectKind::Item, "@USERDCLICK", false},    {ObjectKind::Region, "@Enter", true},
        {ObjectKind::Any, "@NPCSeeNewPlayer", true}, {ObjectKind::Any, "@NoSuchTrigger", false},
        {ObjectKind::None, "@Click", false},
    };
    for (const auto& [object, trigger, known] : cases)
        EXPECT_EQ(isKnownTrigger(object, trigger), known) << static_cast<int>(object) << " " << trigger;
    EXPECT_EQ(objectsFiring("@step"), (std::vector{ObjectKind::Item, ObjectKind::Region}));
    EXPECT_EQ(objectsFiring("@Create"), (std::vector{ObjectKind::Item, ObjectKind::Character}));
}

TEST(Statements, TheFirstWordOfALineInAnyShape)
{
    const std::tuple<std::string_view, std::optional<BlockKind>, StatementRole> cases[] = {
        {"IF (<x>)", BlockKind::If, StatementRole::Open},
        {"\tif(<x>)", BlockKind::If, StatementRole::Open},
        {"  If !(<isempty <argv[4]>>)\t//function", BlockKind::If, StatementRole::Open},
        {"ELSE// note", BlockKind::If, StatementRole::Else},
        {"elif <x>", BlockKind::If, StatementRole::Else},
        {"ELSEIF <x>", BlockKind::If, StatementRole::Else},
        {"endif", BlockKind::If, StatementRole::Close},
        {"forinstances i_chest", BlockKind::For, StatementRole::Open},
        {"FORCHARS 18", BlockKind::For, StatementRole::Open},
        {"ENDFOR", BlockKind::For, StatementRole::Close},
        {"DORAND 4", BlockKind::Do, StatementRole::Open},
        {"ENDSWITCH", BlockKind::Do, StatementRole::Close},
        {"BEGIN", BlockKind::Begin, StatementRole::Open},
        {"return 1", BlockKind::None, StatementRole::Plain},
        {"FORENSICS=50", std::nullopt, StatementRole::Plain},
        {"ENDIF.x", std::nullopt, StatementRole::Plain},
        {"IFX", std::nullopt, StatementRole::Plain},
        {"// IF", std::nullopt, StatementRole::Plain},
        {"For more information", BlockKind::For, StatementRole::Open},
    };
    for (const auto& [line, block, role] : cases) {
        const std::optional<Statement> statement = statementOf(line, scriptLineAt(line, 0));
        ASSERT_EQ(statement.has_value(), block.has_value()) << line;
        if (statement) {
            EXPECT_EQ(statement->block, *block) << line;
            EXPECT_EQ(statement->role, role) << line;
        }
    }
}

} // namespace
} // namespace defwright
