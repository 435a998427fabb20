#pragma once

#include "core/language/line_placer.h"

#include <cstddef>
#include <string_view>

namespace defwright {

/// The lines of a script one after another, each with its place, as the
/// server reads them: nothing after [EOF].
class ScriptWalk {
public:
    /// Walks from `start`, which is a line's start; a walk from the middle of
    /// a script should begin at a header, or the lines before the next one are Outside.
    explicit ScriptWalk(std::string_view text, std::size_t start = 0);

    /// Moves to the next line (the first, on the first call); false at the
    /// end of the text and after [EOF].
    bool next();

    /// Moves on as next() does, but passes over the plain lines of
    /// LinePlacer::passesOver(), for a reader of the others alone.
    bool nextPassingOverPlainLines();

    [[nodiscard]] const ScriptLine& line() const { return line_; }
    [[nodiscard]] LinePlace place() const { return placer_.placed(); }
    /// The kind of the section the line stands in, or that a header opens; none outside or for an unknown kind.
    [[nodiscard]] const std::optional<SectionKind>& kind() const { return placer_.kind(); }
    /// The first word of the section's header, as written; empty outside.
    [[nodiscard]] std::string_view kindWord() const { return placer_.kindWord(); }
    [[nodiscard]] const LinePlacer& placer() const { return placer_; }

private:
    std::string_view text_;
    std::size_t next_ = 0;
    bool ended_ = false;
    ScriptLine line_;
    LinePlacer placer_;
};

} // namespace defwright
