#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace defwright {

/// Writes script text separator-first: the first line bare, every later line
/// as CR LF followed by its text. The text therefore never ends with CR LF
/// unless writeLineBreak() was the last call.
class ScriptWriter {
public:
    /// @param expectedSize the number of bytes the caller expects to write;
    ///        reserving it up front keeps long values from being copied twice.
    explicit ScriptWriter(std::size_t expectedSize = 0);

    /// Writes the pieces with nothing before them. Only the first line of a text is bare.
    void writeFirstLine(std::initializer_list<std::string_view> pieces);

    /// Writes CR LF, then the pieces joined with nothing between them.
    void writeLine(std::initializer_list<std::string_view> pieces);

    /// Writes CR LF, the key and the value, but only when the value is not the
    /// empty string. The value is copied as it is: blanks, "=", braces and all.
    void writeFieldLine(std::string_view key, std::string_view value);

    /// Writes a CR LF of its own; the next line's CR LF then leaves an empty line.
    void writeLineBreak();

    [[nodiscard]] std::string release() &&;

private:
    void append(std::initializer_list<std::string_view> pieces);

    std::string text_;
};

} // namespace defwright
