#pragma once

// Scripts of random definitions of any section kind, and what reading them must give.

#include "../script/random_scripts.h"

#include <cstddef>
#include <string>
#include <vector>

namespace defwright::test {

struct RandomTrigger {
    std::string name;      // "@Create"
    std::size_t lineCount; // the lines after its own up to its last one that holds something
};

struct RandomDefinition {
    std::size_t header = 0;         // where its header line begins
    std::string kind;               // the header's first word, as written
    std::string name;
    std::vector<std::string> body;  // each body line's text, without its break
    std::vector<RandomTrigger> triggers;
};

struct RandomDefinitions {
    std::string text;
    std::vector<RandomDefinition> definitions;
};

/// Between one and six definitions of random kinds, each line ended by
/// `lineBreak`, or by any break when it is empty (never a CR right before an
/// LF that ends the next line, which would make one break of two).
RandomDefinitions randomDefinitions(RandomScripts& random, std::string_view lineBreak);

/// A body line's key: a usual one, a tag, or a key of the random kind.
std::string randomKey(RandomScripts& random);

} // namespace defwright::test
