#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// How the bytes of a CSV file were read.
enum class CsvEncoding : std::uint8_t { Utf8, Utf8WithBom, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

inline constexpr std::array<std::string_view, 5> kCsvEncodingNames = {"UTF-8", "UTF-8 with BOM", "UTF-16 LE",
                                                                      "UTF-16 BE", "Windows-1252"};

/// Why the reading of a CSV stopped.
enum class CsvFault : std::uint8_t { UnclosedQuote, TextAfterQuote };

inline constexpr std::array<std::string_view, 2> kCsvFaultTexts = {
    "A quoted field is never closed.",
    "Text follows the closing quote of a field.",
};

struct CsvProblem {
    std::size_t line = 0; ///< from 1: where the broken field's quote opened, or the text after it stands
    CsvFault fault = CsvFault::UnclosedQuote;
};

/// The rows of a CSV file.
struct CsvText {
    std::vector<std::vector<std::string>> rows; ///< UTF-8; a line break in a field is one LF
    std::vector<std::size_t> lines;             ///< the line (from 1) each row begins on
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::optional<CsvProblem> problem;          ///< the rows are then those before it
};

/// The bytes as UTF-8 text, and how they were read: a UTF-8 BOM (dropped;
/// a byte after it that begins no character becomes U+FFFD);
/// a UTF-16 BOM, or NUL bytes without one (little-endian when the first NUL
/// is on an odd byte), as UTF-16 (a unit that is no character becomes
/// U+FFFD); valid UTF-8 as it is; anything else as Windows-1252.
[[nodiscard]] std::string csvUtf8(std::string_view bytes, CsvEncoding& encoding);

/// The rows of a CSV file's bytes, read as RFC 4180 writes them: fields
/// between `separator`s; a field in double quotes may hold the separator, line
/// breaks and quotes (doubled); rows end with CR LF, LF or CR. Empty lines
/// give no row. A quote never closed, or text after a closing quote, stops
/// the reading with a problem.
[[nodiscard]] CsvText readCsv(std::string_view bytes, char separator = ',');

/// The same for text already in UTF-8, such as tab-separated cells pasted
/// from a spreadsheet; there an empty line is a row of one empty field.
[[nodiscard]] CsvText readCsvText(std::string_view text, char separator, bool keepEmptyRows = false);

} // namespace defwright
