#pragma once

#include <cstddef>
#include <string_view>

namespace defwright {

/// Lines of a script as the panes count them: a CR LF, a lone CR and a lone LF
/// each end a line, so a text with n breaks has n + 1 lines.
class TextLines {
public:
    explicit TextLines(std::string_view text)
        : text_(text)
    {
    }

    struct Place {
        std::size_t start;
        std::size_t line;
    };

    /// Where line `line` (from 0) begins; the last line when the text has fewer.
    [[nodiscard]] Place lineStart(std::size_t line) const;

    /// The end of the line that begins at `start`: the offset of its break, or the text's size.
    [[nodiscard]] std::size_t lineEnd(std::size_t start) const;

    /// Where the line after the one ending at `end` begins.
    [[nodiscard]] std::size_t nextLineStart(std::size_t end) const;

    /// The number (from 0) of the line that holds byte `position`.
    [[nodiscard]] std::size_t lineAt(std::size_t position) const;

    /// Where the line before the one beginning at `start` begins; `start` must not be 0.
    [[nodiscard]] std::size_t previousLineStart(std::size_t start) const;

    [[nodiscard]] std::string_view line(std::size_t start) const
    {
        return text_.substr(start, lineEnd(start) - start);
    }

    [[nodiscard]] std::size_t size() const { return text_.size(); }

private:
    std::string_view text_;
};

/// The text without the blanks (spaces and tabs) at its start and end.
[[nodiscard]] std::string_view trimBlanks(std::string_view text);

} // namespace defwright
