#pragma once

// The language's facts as constant tables. language_tables.cmake writes their
// contents at build time from the files of this folder (the server's names in
// data/, and the project's own tables beside it: section-bodies.tsv,
// statement-blocks.tsv, key-notes.tsv); the functions below are defined there.

#include <cstdint>
#include <span>
#include <string_view>

namespace defwright {

/// What the body of a kind of section holds (section-bodies.tsv says why each kind is what it is).
enum class SectionBody : std::uint8_t {
    Definition, ///< keys up to the first ON=, then triggers of code
    Triggers,   ///< ON= blocks of code; lines before the first ON= are a title or nothing
    Code,       ///< statements from the first line on
    List,       ///< names and values, one entry a line
    Prose,      ///< text for people
    Saved,      ///< instances a running server wrote (world and account saves)
    EndOfFile,  ///< [EOF]: nothing after it is read
};

/// The kind of object whose triggers a section's ON=@ lines are.
enum class ObjectKind : std::uint8_t {
    None,      ///< none the server's lists describe
    Item,      ///< [ITEMDEF], [TYPEDEF]
    Character, ///< [CHARDEF]
    Region,    ///< [AREA], [ROOM], [REGIONTYPE]
    Any,       ///< [EVENTS], which may be put on any of them
};

/// How a statement word shapes the blocks of code.
enum class StatementRole : std::uint8_t { Open, Else, Close, Plain };
enum class BlockKind : std::uint8_t { None, If, While, For, Do, Begin };

/// One kind of section, or one part of a kind when `part` (the header's third word) is not empty.
struct SectionKindRow {
    std::string_view kind; ///< upper case
    std::string_view part; ///< upper case; empty for the kind as a whole
    SectionBody body;
    ObjectKind object;
    bool keysListed; ///< whether definitionKeyRows() lists every key its definition body may hold
};

/// A header word that stands for a kind; `means` is empty for EOF, the end of the file.
struct SectionAliasRow {
    std::string_view written;
    std::string_view means;
};

/// A key the server reads in the body of one kind of definition; both upper case.
struct DefinitionKeyRow {
    std::string_view kind;
    std::string_view key;
};

/// A trigger an object fires: its name upper case, and as the server's source writes it.
struct TriggerRow {
    ObjectKind object;
    std::string_view upper;
    std::string_view written;
};

struct StatementRow {
    std::string_view word; ///< upper case
    StatementRole role;
    BlockKind block;
};

/// The project's own line about a key, for its hover.
struct KeyNoteRow {
    std::string_view key; ///< upper case
    std::string_view note;
};

/// Sorted by kind, then part.
[[nodiscard]] std::span<const SectionKindRow> sectionKindRows();
/// Sorted by written word.
[[nodiscard]] std::span<const SectionAliasRow> sectionAliasRows();
/// Sorted by kind, then key.
[[nodiscard]] std::span<const DefinitionKeyRow> definitionKeyRows();
/// Sorted by object, then upper-case name.
[[nodiscard]] std::span<const TriggerRow> triggerRows();
/// Sorted by word.
[[nodiscard]] std::span<const StatementRow> statementRows();
/// Sorted by key.
[[nodiscard]] std::span<const KeyNoteRow> keyNoteRows();

} // namespace defwright
