#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace defwright::test {

// Splits a script at its CR LF line breaks; a text ending with CR LF yields a
// last, empty line.
inline std::vector<std::string> scriptLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos;
         end = text.find("\r\n", start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace defwright::test
