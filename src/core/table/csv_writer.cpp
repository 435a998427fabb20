#include "core/table/csv_writer.h"

namespace defwright {

std::string csvField(std::string_view text, char separator)
{
    const char special[] = {separator, '"', '\r', '\n'};
    if (text.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char character : text) {
        if (character == '"')
            quoted += '"';
        quoted += character;
    }
    return quoted += '"';
}

void appendCsvRow(std::string& out, std::span<const std::string_view> fields, char separator)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += csvField(fields[i], separator);
    }
    out += "\r\n";
}

} // namespace defwright
