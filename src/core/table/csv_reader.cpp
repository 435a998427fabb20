#include "core/table/csv_reader.h"

#include "core/files/utf8.h"
#include "core/files/windows_1252.h"

#include <algorithm>

namespace defwright {
namespace {

class CsvParser {
public:
    CsvParser(std::string_view text, char separator, bool keepEmptyRows, CsvText& out)
        : text_(text)
        , stops_{separator, '\r', '\n'}
        , keepEmptyRows_(keepEmptyRows)
        , out_(out)
    {
    }

    void run()
    {
        while (at_ < text_.size() && readRow()) {
        }
    }

private:
    bool readRow()
    {
        const std::size_t line = line_;
        std::vector<std::string> fields;
        for (;;) {
            if (!readField(fields.emplace_back()))
                return false;
            if (at_ < text_.size() && text_[at_] == stops_[0]) {
                ++at_;
                continue;
            }
            skipBreak();
            break;
        }
        if (keepEmptyRows_ || fields.size() > 1 || !fields.front().empty()) {
            out_.rows.push_back(std::move(fields));
            out_.lines.push_back(line);
        }
        return true;
    }

    bool readField(std::string& field)
    {
        if (at_ < text_.size() && text_[at_] == '"')
            return readQuoted(field);
        const std::size_t end = std::min(text_.find_first_of(std::string_view(stops_.data(), stops_.size()), at_), text_.size());
        field.assign(text_.substr(at_, end - at_));
        at_ = end;
        return true;
    }

    bool readQuoted(std::string& field)
    {
        const std::size_t opened = line_;
        for (++at_;;) {
            const std::size_t stop = text_.find_first_of("\"\r\n", at_);
            if (stop == std::string_view::npos)
                return fail(opened, CsvFault::UnclosedQuote);
            field.append(text_.substr(at_, stop - at_));
            at_ = stop;
            if (text_[at_] != '"') {
                field += '\n';
                skipBreak();
            } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                field += '"';
                at_ += 2;
            } else {
                ++at_;
                const bool ends = at_ == text_.size() || text_[at_] == stops_[0] || text_[at_] == '\r' || text_[at_] == '\n';
                return ends || fail(line_, CsvFault::TextAfterQuote);
            }
        }
    }

    bool fail(std::size_t line, CsvFault fault)
    {
        out_.problem = CsvProblem{line, fault};
        return false;
    }

    void skipBreak()
    {
        const std::size_t before = at_;
        if (at_ < text_.size() && text_[at_] == '\r')
            ++at_;
        if (at_ < text_.size() && text_[at_] == '\n')
            ++at_;
        line_ += at_ > before ? 1 : 0;
    }

    std::string_view text_;
    std::array<char, 3> stops_; // the separator, CR and LF
    bool keepEmptyRows_;
    CsvText& out_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

void appendUtf8(std::string& text, char32_t character)
{
    const auto unit = [](char32_t bits) { return static_cast<char>(bits); };
    if (character < 0x80) {
        text += unit(character);
    } else if (character < 0x800) {
        text += {unit(0xC0 | (character >> 6)), unit(0x80 | (character & 0x3F))};
    } else if (character < 0x10000) {
        text += {unit(0xE0 | (character >> 12)), unit(0x80 | ((character >> 6) & 0x3F)), unit(0x80 | (character & 0x3F))};
    } else {
        text += {unit(0xF0 | (character >> 18)), unit(0x80 | ((character >> 12) & 0x3F)),
                 unit(0x80 | ((character >> 6) & 0x3F)), unit(0x80 | (character & 0x3F))};
    }
}

std::string fromUtf16(std::string_view bytes, bool littleEndian)
{
    const auto unitAt = [&](std::size_t at) -> char32_t {
        const auto low = static_cast<unsigned char>(bytes[at + (littleEndian ? 0 : 1)]);
        const auto high = static_cast<unsigned char>(bytes[at + (littleEndian ? 1 : 0)]);
        return static_cast<char32_t>(high << 8 | low);
    };
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        char32_t unit = unitAt(at);
        const bool lead = unit >= 0xD800 && unit < 0xDC00;
        if (lead && at + 3 < bytes.size() && unitAt(at + 2) >= 0xDC00 && unitAt(at + 2) < 0xE000) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
            at += 2;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            unit = 0xFFFD;
        }
        appendUtf8(text, unit);
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(text, 0xFFFD);
    return text;
}

// UTF-8 whose bytes that begin no character are each taken as U+FFFD.
std::string repairedUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Character character = nextUtf8Character(bytes, at);
        if (character.valid)
            text.append(bytes.substr(at, character.size));
        else
            appendUtf8(text, 0xFFFD);
        at += character.size;
    }
    return text;
}

} // namespace

std::string csvUtf8(std::string_view bytes, CsvEncoding& encoding)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        encoding = CsvEncoding::Utf8WithBom;
        return repairedUtf8(bytes.substr(3));
    }
    const bool littleBom = bytes.starts_with("\xFF\xFE");
    if (littleBom || bytes.starts_with("\xFE\xFF")) {
        encoding = littleBom ? CsvEncoding::Utf16LittleEndian : CsvEncoding::Utf16BigEndian;
        return fromUtf16(bytes.substr(2), littleBom);
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        encoding = nul % 2 == 1 ? CsvEncoding::Utf16LittleEndian : CsvEncoding::Utf16BigEndian;
        return fromUtf16(bytes, nul % 2 == 1);
    }
    encoding = isValidUtf8(bytes) ? CsvEncoding::Utf8 : CsvEncoding::Windows1252;
    return encoding == CsvEncoding::Utf8 ? std::string(bytes) : utf8FromWindows1252(bytes);
}

CsvText readCsvText(std::string_view text, char separator, bool keepEmptyRows)
{
    CsvText csv;
    CsvParser(text, separator, keepEmptyRows, csv).run();
    return csv;
}

CsvText readCsv(std::string_view bytes, char separator)
{
    CsvEncoding encoding = CsvEncoding::Utf8;
    const std::string text = csvUtf8(bytes, encoding);
    CsvText csv = readCsvText(text, separator);
    csv.encoding = encoding;
    return csv;
}

} // namespace defwright
