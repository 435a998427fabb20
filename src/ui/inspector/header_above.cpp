#include "ui/inspector/header_above.h"

#include "ui/panes/script_pane.h"

#include <algorithm>

namespace defwright {

std::optional<HeaderLine> headerAbove(const ScriptPane& pane, int from, int highest)
{
    for (int line = from; line >= std::max(highest, 0); --line) {
        const auto start = static_cast<std::size_t>(pane.positionFromLineIndex(line, 0));
        const auto length = static_cast<std::size_t>(std::max(pane.lineLength(line), 0));
        const std::string_view text = pane.bytesIn(start, start + length);
        const std::size_t first = text.find_first_not_of(" \t");
        if (first != std::string_view::npos && text[first] == '['
            && scriptLineAt(text, 0).kind == LineKind::Header)
            return HeaderLine{start, static_cast<std::uint32_t>(line)};
    }
    return std::nullopt;
}

} // namespace defwright
