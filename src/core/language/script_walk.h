#pragma once

#include "core/language/section_kind.h"
#include "core/script/script_line.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace defwright {

/// What a line of a script is, by the section it stands in.
enum class LinePlace : std::uint8_t {
    Outside,        ///< before the first header
    Header,         ///< a header, [EOF] included
    UnclosedHeader, ///< "[" first, but no "]" before the line's end or its comment
    Keys,           ///< in a definition, before its first ON=
    Title,          ///< in a section of triggers, before its first ON=
    Trigger,        ///< an ON= line of a section with code: the key ON, any value
    Code,           ///< a line of a trigger's or a function's code
    Text,           ///< in a list, prose, saved instances, or a section of no known kind
};

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

    [[nodiscard]] const ScriptLine& line() const { return line_; }
    [[nodiscard]] LinePlace place() const { return place_; }
    /// The kind of the section the line stands in, or that a header opens; none outside or for an unknown kind.
    [[nodiscard]] const std::optional<SectionKind>& kind() const { return kind_; }
    /// The first word of the section's header, as written; empty outside.
    [[nodiscard]] std::string_view kindWord() const { return kindWord_; }

private:
    LinePlace bodyPlace(bool triggerLine);

    std::string_view text_;
    std::size_t next_ = 0;
    bool ended_ = false;
    ScriptLine line_;
    LinePlace place_ = LinePlace::Outside;
    std::optional<SectionKind> kind_;
    std::string_view kindWord_;
    bool inSection_ = false;
    bool triggered_ = false; // an ON= line came in this section
};

/// Whether a line is an ON= line: the key ON in any case, whatever value follows.
[[nodiscard]] bool isTriggerLine(std::string_view text, const ScriptLine& line);

/// The trigger an ON= line names: its value's first word when that begins
/// with "@" ("@DClick" of "ON=@DClick 1"); empty for "ON=hello".
[[nodiscard]] TextSpan triggerNameOf(std::string_view text, const ScriptLine& line);

} // namespace defwright
