// libFuzzer target for the item and NPC readers. Built with clang by
// run_fuzzer.sh; any broken property aborts. The first two bytes choose the
// caret's line, the rest is the script.
#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"
#include "core/script/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// Whatever a reader makes of a text, its unheld lines come in the order they
// stand, after the header, each under its line's number in the script; and the
// script written from the record reads back into a record that writes the same
// script, with nothing left over.
template <typename Read, typename Write>
void readsStably(std::string_view script, std::size_t caretLine, Read read, Write write)
{
    const auto reading = read(script, caretLine);
    if (!reading)
        return;
    const TextLines lines(script);
    std::size_t previous = 1;
    for (const UnheldLine& line : reading->unheld) {
        const TextLines::Place place = lines.lineStart(line.number - 1);
        check(line.number > previous && place.line == line.number - 1);
        check(lines.line(place.start) == line.text);
        previous = line.number;
    }
    const std::string written = write(reading->record);
    const auto again = read(written, 0);
    check(again && again->unheld.empty() && write(again->record) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t caretLine = data[0] | (data[1] << 8);
    const std::string_view script(reinterpret_cast<const char*>(data) + 2, size - 2);
    readsStably(script, caretLine, readItemDefinition, itemScript);
    readsStably(script, caretLine, readNpcDefinition, npcScript);
    return 0;
}
