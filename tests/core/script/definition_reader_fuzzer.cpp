// libFuzzer target for the item and NPC readers. Built with clang by
// run_fuzzer.sh; any broken property aborts. The first two bytes choose the
// caret's line, the rest is the script.
#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace defwright;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// The script's lines, split at CR LF, lone CR and lone LF.
std::vector<std::string_view> linesOf(std::string_view script)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(script.find_first_of("\r\n", start), script.size());
        lines.push_back(script.substr(start, end - start));
        if (end == script.size())
            return lines;
        start = end + (script.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

// Whatever a reader makes of a text, its unheld lines come in the order they
// stand, after the header line, each under the number of its line in the script;
// and the script written from the record reads back into a record that writes
// the same script, with nothing left over.
template <typename Read, typename Write>
void readsStably(std::string_view script, std::size_t caretLine, Read read, Write write)
{
    const auto reading = read(script, caretLine);
    if (!reading)
        return;
    const std::vector<std::string_view> lines = linesOf(script);
    std::size_t previous = 1;
    for (const UnheldLine& line : reading->unheld) {
        check(line.number > previous && line.number <= lines.size() && lines[line.number - 1] == line.text);
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
