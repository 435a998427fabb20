#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace defwright {

/// A stretch of a text, as byte offsets into it: [start, end).
struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;

    [[nodiscard]] constexpr std::size_t size() const { return end - start; }
    [[nodiscard]] constexpr bool empty() const { return start == end; }
    [[nodiscard]] constexpr std::string_view of(std::string_view text) const { return text.substr(start, size()); }

    bool operator==(const TextSpan&) const = default;
};

enum class LineKind : std::uint8_t {
    Blank,   // nothing but blanks
    Comment, // "//" first, blanks aside
    Header,  // "[" first, blanks aside, and a "]" before any comment
    Trigger, // ON=@NAME: the key "ON" in any case and a value that begins with "@"
    Keyed,   // KEY=value with a key that is not empty
    Other,   // anything else, such as a line of a trigger's body
};

/// One line of a script and the byte offsets of its parts, all into the whole
/// text. Blanks are spaces and tabs. A comment is everything from the line's
/// first "//" (for a header, the first after its "]") to the line's end, and
/// neither a key nor a value ever holds one or the blanks before it.
struct ScriptLine {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    LineKind kind = LineKind::Blank;
    TextSpan text;       // the line without its break
    TextSpan indent;     // the blanks it begins with
    TextSpan key;        // Keyed, Trigger: before the first "=", without blanks. Header: the words inside the brackets, without blanks around them
    std::size_t equals = kNone; // the first "=" before the comment, in any kind of line
    TextSpan value;      // Keyed, Trigger: after that "=", without blanks around it. Header: what follows the "]" before the comment
    TextSpan section;    // Header: from "[" to "]", both included
    TextSpan commentGap; // the blanks before the comment, when there is one
    TextSpan comment;    // from "//" to the line's end, blanks included
    TextSpan lineBreak;  // CR LF, LF, CR, or nothing at the text's end

    [[nodiscard]] constexpr std::size_t start() const { return text.start; }
    [[nodiscard]] constexpr std::size_t next() const { return lineBreak.end; } // where the next line begins
    [[nodiscard]] constexpr bool isLast() const { return lineBreak.empty(); }
};

/// The line of `text` that begins at `start`. A CR LF, a lone CR and a lone LF
/// each end a line.
[[nodiscard]] ScriptLine scriptLineAt(std::string_view text, std::size_t start);

/// The same for a caller that has found the line's end already: `end` is
/// where its break begins, or the text's size.
[[nodiscard]] ScriptLine scriptLineAt(std::string_view text, std::size_t start, std::size_t end);

/// Whether a line begins as a header ("[" first, blanks aside) but is none,
/// since no "]" comes before the line's end or its comment.
[[nodiscard]] bool isUnclosedHeader(std::string_view text, const ScriptLine& line);

/// Where the line that holds byte `position` begins (a line's break counts as its own).
[[nodiscard]] std::size_t lineStartAt(std::string_view text, std::size_t position);

/// The first line break of the text (CR LF, LF or CR), or CR LF for a text without one.
[[nodiscard]] std::string_view firstLineBreak(std::string_view text);

[[nodiscard]] constexpr bool isBlank(char character)
{
    return character == ' ' || character == '\t';
}

} // namespace defwright
