#include "core/script/text_edit.h"

namespace defwright {

std::string applyEdit(std::string_view text, const TextEdit& edit)
{
    std::string result;
    result.reserve(text.size() - (edit.end - edit.start) + edit.replacement.size());
    result.append(text.substr(0, edit.start)).append(edit.replacement).append(text.substr(edit.end));
    return result;
}

TextEdit inverseEdit(std::string_view text, const TextEdit& edit)
{
    return {edit.start, edit.start + edit.replacement.size(), std::string(text.substr(edit.start, edit.end - edit.start))};
}

} // namespace defwright
