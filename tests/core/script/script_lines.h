#pragma once

#include "core/script/definition_lines.h"
#include "core/script/script_text.h"

#include <string>
#include <vector>

namespace defwright::test {

// The lines joined by CR LF, as a script holds them.
inline std::string scriptText(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

// A generated script: the banner, then these lines.
inline std::string withBanner(const std::vector<std::string>& lines)
{
    return bannerText() + "\r\n" + scriptText(lines);
}

// The unheld lines of a reading, each as its number, a blank and its text.
inline std::vector<std::string> unheldLines(const std::vector<UnheldLine>& unheld)
{
    std::vector<std::string> lines;
    for (const UnheldLine& line : unheld)
        lines.push_back(std::to_string(line.number) + " " + line.text);
    return lines;
}

} // namespace defwright::test
