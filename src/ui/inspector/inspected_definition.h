#pragma once

#include "core/definitions/definition_rows.h"
#include "core/language/folder_vocabulary.h"
#include "core/language/script_problem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A problem of the language, on the row that shows its line.
struct RowProblem {
    std::size_t line = 0; ///< in the document, from 0
    Severity severity = Severity::Warning;
    std::string message;

    bool operator==(const RowProblem&) const = default;
};

/// One row of the inspector: the header, a body line that is not blank
/// (keyed, bare or a comment), or a trigger with the lines it holds.
struct InspectedRow {
    enum class Kind : std::uint8_t { Header, Line, Trigger };

    Kind kind = Kind::Line;
    ScriptLine line;           ///< offsets into InspectedDefinition::text
    std::size_t number = 0;    ///< its line in the document, from 0
    std::size_t lineCount = 0; ///< a trigger's lines after its own
    std::vector<RowProblem> problems; ///< those of its line and, for a trigger, of the lines it holds

    /// The worst of its problems; none without any.
    [[nodiscard]] std::optional<Severity> severity() const;

    bool operator==(const InspectedRow&) const = default;
};

/// A definition as the inspector shows it: a copy of its section (from its
/// header's line to the next header's line, or the text's end), read line
/// by line, and the language's problems on the rows they stand in.
struct InspectedDefinition {
    std::size_t start = 0;      ///< where the header's line begins in the document
    std::string text;
    DefinitionRows rows;
    std::string kind;           ///< the section kind, upper case, aliases resolved; empty when it is none
    std::vector<InspectedRow> shown;

    /// The row whose line holds byte `offset` of the text, or the last one above it.
    [[nodiscard]] std::size_t rowAt(std::size_t offset) const;
    /// Whether byte `position` of the document lies in the section.
    [[nodiscard]] bool holds(std::size_t position) const;
};

/// Reads the definition whose header line begins `fromHeader`, a view of the
/// document from byte `start` on, whose line `headerLine` (from 0) that is;
/// none when no header begins there. Its rows have no problems yet.
[[nodiscard]] std::optional<InspectedDefinition> inspectDefinition(std::string_view fromHeader, std::size_t start,
                                                                   std::size_t headerLine);

/// The language's problems of the definition, put on the rows they stand in
/// (a problem of a line no row shows, on the row above it), by row.
[[nodiscard]] std::vector<std::vector<RowProblem>> rowProblems(const InspectedDefinition& definition,
                                                               const FolderVocabulary& vocabulary);

} // namespace defwright
