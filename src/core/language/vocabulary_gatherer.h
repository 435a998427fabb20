#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/language/line_placer.h"

#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Adds what one script writes to a vocabulary, from its lines given one
/// after another with the places a LinePlacer found for them; the lines the
/// placer passes over may be left out. Each section counts once to its kind,
/// each definition once to each key of its body, each section of an object
/// kind once to each trigger of its ON= lines, when the next header comes or at finish().
class VocabularyGatherer {
public:
    explicit VocabularyGatherer(FolderVocabulary& into);

    /// Reads a line of `text` that `placer` has just placed.
    void read(std::string_view text, const ScriptLine& line, const LinePlacer& placer);

    /// Counts the last section's uses.
    void finish();

private:
    void countSection();
    void countOnce(FolderVocabulary::Counts& counts, std::string_view word);

    FolderVocabulary& into_;
    std::string kind_;
    ObjectKind object_ = ObjectKind::None;
    std::vector<std::string_view> keys_;     // each once, in any case
    std::vector<std::string_view> triggers_; // each once, "@" included
    std::string upper_;                      // the word being counted, in upper case
};

} // namespace defwright
