#include "core/index/edit_list.h"

#include <cstddef>

namespace defwright {

bool areApart(std::string_view text, std::span<const TextEdit> edits)
{
    std::size_t from = 0;
    for (const TextEdit& edit : edits) {
        if (edit.start < from || edit.end < edit.start || edit.end > text.size())
            return false;
        from = edit.end;
    }
    return true;
}

std::string applyEdits(std::string_view text, std::span<const TextEdit> edits)
{
    std::size_t size = text.size();
    for (const TextEdit& edit : edits)
        size = size - (edit.end - edit.start) + edit.replacement.size();
    std::string result;
    result.reserve(size);
    std::size_t from = 0;
    for (const TextEdit& edit : edits) {
        result.append(text.substr(from, edit.start - from)).append(edit.replacement);
        from = edit.end;
    }
    return result.append(text.substr(from));
}

std::vector<TextEdit> inverseEdits(std::string_view text, std::span<const TextEdit> edits)
{
    std::vector<TextEdit> inverse;
    inverse.reserve(edits.size());
    std::ptrdiff_t shift = 0;
    for (const TextEdit& edit : edits) {
        const auto start = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(edit.start) + shift);
        inverse.push_back({start, start + edit.replacement.size(), std::string(text.substr(edit.start, edit.end - edit.start))});
        shift += static_cast<std::ptrdiff_t>(edit.replacement.size()) - static_cast<std::ptrdiff_t>(edit.end - edit.start);
    }
    return inverse;
}

} // namespace defwright
