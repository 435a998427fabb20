#pragma once

#include <QStringList>

#include <cstddef>
#include <string_view>

namespace defwright {

struct DefinitionHit;
class PaneDocument;
class VocabularySource;

/// What the hover and Script > Show Info say of a place of a script shown in
/// its pane: of a key, what accepts it, the field it fills and what it is;
/// of a trigger, which objects fire it; of a name, its definition's header,
/// NAME=, ID= and TYPE= lines and file:line, found in the document's own
/// text first, then in the scripts folder. An id counts as a name in a header
/// and in the value of a key that names definitions. Nothing where there is
/// nothing to say.
class LanguageInfo {
public:
    explicit LanguageInfo(const VocabularySource* vocabulary)
        : vocabulary_(vocabulary)
    {
    }

    /// `document` is the one its pane shows.
    [[nodiscard]] QStringList at(const PaneDocument& document, std::size_t position) const;

private:
    [[nodiscard]] QStringList nameLines(const PaneDocument& document, std::string_view name) const;
    [[nodiscard]] QStringList hitLines(const PaneDocument& document, const DefinitionHit& hit) const;

    const VocabularySource* vocabulary_;
};

} // namespace defwright
