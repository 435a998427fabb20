#include "ui/inspector/section_kind_name.h"

#include "core/language/section_kind.h"

namespace defwright {

std::string sectionKindName(std::string_view bracketed)
{
    const std::optional<SectionKind> kind = sectionKind(bracketed);
    return kind ? std::string(kind->name) : std::string();
}

} // namespace defwright
