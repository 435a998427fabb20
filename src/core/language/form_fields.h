#pragma once

#include "core/language/language_tables.h"

#include <span>
#include <string_view>
#include <vector>

namespace defwright {

/// A field of the program's own item or NPC pages, which a line of a key fills.
struct FormField {
    std::string_view section; ///< the page's kind of definition, "ITEMDEF" or "CHARDEF"
    std::string_view caption; ///< the key caption, "NAME="; empty for a skill slot
    bool inCreateBlock = false; ///< whether its line stands in the ON=@CREATE block

    bool operator==(const FormField&) const = default;
};

/// The fields that a line of `key`, in any case, fills: one for each page
/// whose generator writes the key (NAME= is on both), a skill slot for a
/// skill's name. None for a key the pages do not know.
[[nodiscard]] std::vector<FormField> formFields(std::string_view key);

/// The keys, without their "=", that the pages write before the first ON=
/// of a definition of `kind` (upper case), each once.
[[nodiscard]] std::vector<std::string_view> formBodyKeys(std::string_view kind);

/// Whether the pages write `key`, in any case, before the first ON= of a
/// definition of `kind` (upper case). A script the program writes is one the
/// checker finds nothing wrong with, also where the server's lists lack a key
/// of the form (RESOURCES2=, SHELTER=).
[[nodiscard]] bool isFormBodyKey(std::string_view kind, std::string_view key);

/// The triggers the pages' buttons insert for an object kind; none for the others.
[[nodiscard]] std::span<const std::string_view> formTriggers(ObjectKind object);

} // namespace defwright
