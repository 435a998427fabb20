#pragma once

#include "core/script/script_line.h"
#include "core/script/text_edit.h"

#include <cstdint>
#include <optional>
#include <string>

namespace defwright {

enum class Severity : std::uint8_t { Error, Warning, Hint };

/// Something wrong, or likely wrong, in a script, at a span of its text.
struct ScriptProblem {
    TextSpan span; ///< into the whole text, never empty
    Severity severity = Severity::Warning;
    std::string message;
    std::optional<TextEdit> fix; ///< the edit that mends it, where there is one

    bool operator==(const ScriptProblem&) const = default;
};

} // namespace defwright
