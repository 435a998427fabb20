// libFuzzer target for the item and NPC readers. Built with clang by
// run_fuzzer.sh; any broken property aborts. The first two bytes choose the
// caret's line, the rest is the script.
#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

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

// Unheld lines come in the order they stand, after the header line.
template <typename Reading>
void checkUnheldOrder(const Reading& reading)
{
    std::size_t previous = 1;
    for (const UnheldLine& line : reading.unheld) {
        check(line.number > previous);
        previous = line.number;
    }
}

// Whatever a reader makes of a text, the script written from it reads back
// into a record that writes the same script, with nothing left over.
template <typename Read, typename Write>
void readsStably(std::string_view script, std::size_t caretLine, Read read, Write write)
{
    const auto reading = read(script, caretLine);
    if (!reading)
        return;
    checkUnheldOrder(*reading);
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
