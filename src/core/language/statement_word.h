#pragma once

#include "core/language/language_tables.h"
#include "core/script/script_line.h"

#include <optional>
#include <string_view>

namespace defwright {

/// A statement word at the start of a line of code.
struct Statement {
    StatementRole role = StatementRole::Plain;
    BlockKind block = BlockKind::None;
    TextSpan word; ///< into the whole text
};

/// The statement a line of code begins with: its first word, in any case,
/// when that is a statement word of the language and no name goes on after
/// it. "IF (<x>)", "if(<x>)", "ELSE// note" and "ENDIF" are statements;
/// "FORENSICS=50", "ENDIF.x" and "IFX" are not.
[[nodiscard]] std::optional<Statement> statementOf(std::string_view text, const ScriptLine& line);

} // namespace defwright
