#pragma once

#include "core/language/language_facts.h"
#include "core/language/script_problem.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace defwright {

/// "Error", "Warning" or "Hint".
[[nodiscard]] QString severityName(Severity severity);

/// How many problems of each severity, as the status bar shows them: "2
/// errors, 5 warnings, 1 hint"; "No problems" for none.
[[nodiscard]] QString problemCount(const std::vector<ScriptProblem>& problems);

/// A problem in one line: "Warning: ..." with its message.
[[nodiscard]] QString problemLine(const ScriptProblem& problem);

/// What the hover says of a key (KeyFacts), one line a fact; nothing when it knows nothing.
[[nodiscard]] QStringList keyLines(const KeyFacts& facts);

/// What the hover says of a trigger, likewise.
[[nodiscard]] QStringList triggerLines(const TriggerFacts& facts);

/// The lines as a tooltip shows them, each as written, whatever characters it holds.
[[nodiscard]] QString tooltipText(const QStringList& lines);

} // namespace defwright
