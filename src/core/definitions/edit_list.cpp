#include "core/definitions/edit_list.h"

#include <algorithm>

namespace defwright {

std::optional<std::vector<TextEdit>> joinedEdits(std::vector<TextEdit> edits)
{
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& left, const TextEdit& right) {
        return left.start < right.start || (left.start == right.start && left.end < right.end);
    });
    std::vector<TextEdit> joined;
    joined.reserve(edits.size());
    for (TextEdit& edit : edits) {
        if (edit.changesNothing())
            continue;
        if (joined.empty() || joined.back().end < edit.start) {
            joined.push_back(std::move(edit));
            continue;
        }
        TextEdit& before = joined.back();
        if (before.end > edit.start)
            return std::nullopt;
        before.replacement += edit.replacement;
        before.end = edit.end;
    }
    return joined;
}

std::string applyEdits(std::string_view text, std::span<const TextEdit> edits)
{
    std::size_t size = text.size();
    for (const TextEdit& edit : edits)
        size = size - (edit.end - edit.start) + edit.replacement.size();
    std::string result;
    result.reserve(size);
    std::size_t copied = 0;
    for (const TextEdit& edit : edits) {
        result.append(text.substr(copied, edit.start - copied)).append(edit.replacement);
        copied = edit.end;
    }
    return result.append(text.substr(copied));
}

std::vector<TextEdit> inverseEdits(std::string_view text, std::span<const TextEdit> edits)
{
    std::vector<TextEdit> inverse;
    inverse.reserve(edits.size());
    std::size_t shift = 0; // how far the edited text has moved on, minus how far it fell back
    std::size_t fallen = 0;
    for (const TextEdit& edit : edits) {
        const std::size_t start = edit.start + shift - fallen;
        inverse.push_back({start, start + edit.replacement.size(), std::string(text.substr(edit.start, edit.end - edit.start))});
        shift += edit.replacement.size();
        fallen += edit.end - edit.start;
    }
    return inverse;
}

} // namespace defwright
