#include "core/index/definition_preview.h"

#include "core/definitions/definition_rows.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

#include <algorithm>
#include <array>

namespace defwright {
namespace {

constexpr std::array<std::string_view, 3> kShownKeys = {"NAME", "ID", "TYPE"};

} // namespace

std::vector<std::string_view> definitionPreview(std::string_view text, std::size_t lineStart)
{
    const ScriptLine line = scriptLineAt(text, std::min(lineStart, text.size()));
    std::vector<std::string_view> shown{trimBlanks(line.text.of(text))};
    if (line.kind != LineKind::Header)
        return shown;
    for (const ScriptLine& body : bodyLines(text, line)) {
        const std::string_view key = body.key.of(text);
        if (body.kind == LineKind::Keyed && std::any_of(kShownKeys.begin(), kShownKeys.end(), [key](std::string_view shownKey) {
                return equalsIgnoringCase(key, shownKey);
            }))
            shown.push_back(trimBlanks(body.text.of(text)));
    }
    return shown;
}

} // namespace defwright
