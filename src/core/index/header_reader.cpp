#include "core/index/header_reader.h"

#include "core/language/section_kind.h"

namespace defwright {

HeaderReading HeaderReader::read(std::string_view bracketed)
{
    const HeaderWords words = headerWords(bracketed);
    for (const Known& known : known_) {
        if (!known.kindWord.empty() && known.kindWord == words.kind && known.partWord == words.part) {
            HeaderReading header = known.header;
            header.name = words.name;
            header.arguments = headerArguments(bracketed, words.part);
            return header;
        }
    }
    const HeaderReading header = readHeader(bracketed);
    Known& remembered = known_[next_++ % kKnown];
    remembered = {std::string(words.kind), std::string(words.part), header};
    remembered.header.name = {};
    remembered.header.arguments = {};
    return header;
}

} // namespace defwright
