#pragma once

#include "core/definitions/definition_rows.h"

#include <optional>

namespace defwright {

class ScriptPane;

/// The nearest header line at or above line `from` of the document the pane
/// shows, looking no higher than line `highest`. Only lines that open with
/// "[" are read whole, and each line is read where the editor keeps it, so
/// nothing of a long text is joined or copied.
[[nodiscard]] std::optional<HeaderLine> headerAbove(const ScriptPane& pane, int from, int highest = 0);

} // namespace defwright
