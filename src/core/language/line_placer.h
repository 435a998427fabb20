#pragma once

#include "core/language/section_kind.h"
#include "core/script/script_line.h"

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

/// Tells the place of each line of a script, given one after another from
/// its start, as the server reads them. A reader may leave out the lines
/// that passesOver() lets it.
class LinePlacer {
public:
    /// The place of the next line, which the placer now stands on.
    LinePlace place(std::string_view text, const ScriptLine& line);

    /// Whether the next line, beginning (blanks aside) with `first`, is
    /// plain: code, text, a title or outside a section, and neither a header
    /// nor an ON= line. Placing it would change nothing, so it may be left out.
    [[nodiscard]] bool passesOver(char first) const;

    /// The place of the line placed last; Outside before the first.
    [[nodiscard]] LinePlace placed() const { return place_; }

    /// Whether the line placed last is [EOF], after which the server reads nothing.
    [[nodiscard]] bool atEnd() const;

    /// The kind of the section the line stands in, or that a header opens; none outside or for an unknown kind.
    [[nodiscard]] const std::optional<SectionKind>& kind() const { return kind_; }
    /// The first word of the section's header, as written; empty outside.
    [[nodiscard]] std::string_view kindWord() const { return kindWord_; }

private:
    LinePlace bodyPlace(bool triggerLine);

    LinePlace place_ = LinePlace::Outside;
    std::optional<SectionKind> kind_;
    std::string_view kindWord_;
    std::string_view partWord_;
    bool inSection_ = false;
    bool triggered_ = false; // an ON= line came in this section
};

/// Whether a line is an ON= line: the key ON in any case, whatever value follows.
[[nodiscard]] bool isTriggerLine(std::string_view text, const ScriptLine& line);

/// The trigger an ON= line names: its value's first word when that begins
/// with "@" ("@DClick" of "ON=@DClick 1"); empty for "ON=hello".
[[nodiscard]] TextSpan triggerNameOf(std::string_view text, const ScriptLine& line);

} // namespace defwright
