#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace defwright {

/// A word of a line that may name a definition, as byte offsets into the text.
struct WordSpan {
    std::size_t start = 0;
    std::size_t end = 0;
    bool number = false; ///< an id ("0a25"); else a name
};

/// Where numbers are ids: in no place, in the first of the comma-separated
/// fields only ("ITEM=0a25,5"), or in every field ("DUPELIST=0a25,0a26").
/// In a "{ name weight ... }" list, a weight is never an id.
enum class IdFields : std::uint8_t { None, First, All };

/// Adds the words of text[from, to) read as code: each run of letters, digits
/// and "_" ("." parts them, as in "<DEF.i_x>") that begins with a letter or
/// "_", and the ids `ids` allows. Between quotes it reads as text.
void addCodeWords(std::string_view text, std::size_t from, std::size_t to, IdFields ids, std::vector<WordSpan>& words);

/// Adds the words of text[from, to) read as text: only those inside "<...>".
void addTextWords(std::string_view text, std::size_t from, std::size_t to, std::vector<WordSpan>& words);

/// How the value of a key, or what follows a statement's first word, is read.
struct KeyReading {
    bool text = false; ///< text shown to players or scripters (NAME, DESCRIPTION, SYSMESSAGE, SAY, ...)
    IdFields ids = IdFields::None;
};

/// How the value of this key is read, by the key's last part ("SRC.SYSMESSAGE"
/// is "SYSMESSAGE"), in any case.
[[nodiscard]] KeyReading keyReading(std::string_view key);

/// The first word of `words` (blanks end it) and what follows it, without the blanks between.
[[nodiscard]] std::pair<std::string_view, std::string_view> firstWord(std::string_view words);

/// Whether a key is written as keys are: letters, digits, "_" and "." alone.
/// "IF (<A>" before "==" is none: the line is a statement.
[[nodiscard]] bool isPlainKey(std::string_view key);

} // namespace defwright
