#pragma once

#include "core/script/definition_text.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A line of a definition that the fields cannot hold, as it stands in the script.
struct UnheldLine {
    std::size_t number; // counting from 1, as an editor shows it
    std::string text;
};

/// A record read from a definition, and the lines of it that the record cannot hold.
template <typename Record>
struct DefinitionReading {
    Record record;
    std::vector<UnheldLine> unheld;
};

/// A KEY=value line of a definition.
struct KeyedLine {
    std::string_view key;   // the text before the first "=", without its blanks
    std::string_view value; // the text after it, exactly as written
    std::string_view text;  // the whole line
    bool inCreateBlock;     // after the definition's "ON=@CREATE"
};

/// Walks the lines after a definition's header. Blank lines are skipped and the
/// first "ON=@CREATE" opens the creation block. Every other "ON=@" trigger opens
/// a block the fields cannot hold, and that line and the block's lines are
/// unheld, as are lines without "=" and the keyed lines that `take` refuses.
class DefinitionReader {
public:
    using Take = std::function<bool(const KeyedLine&)>;

    [[nodiscard]] static std::vector<UnheldLine> read(const DefinitionText& definition, const Take& take);
};

} // namespace defwright
