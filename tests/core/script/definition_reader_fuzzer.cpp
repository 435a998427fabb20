// libFuzzer target for the item and NPC readers, and for Add Definition.
// Built with clang by run_fuzzer.sh; any broken property aborts. The first two
// bytes choose the caret's byte (scaled over the script) and the line break,
// the rest is the script.
#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/new_definition.h"
#include "core/script/text_lines.h"
#include "fuzz_check.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

// Whatever a reader makes of a text: the definition holds its header and every
// line it read, its unheld lines come in the order they stand, each under its
// line's number; and the script written from the record reads back with
// nothing left over into a record that writes the same script.
template <typename Kind>
void readsStably(std::string_view script, std::size_t caret)
{
    const auto reading = readDefinition<Kind>(script, caret);
    if (!reading)
        return;
    const DefinitionPlace& place = reading->lines.place;
    check(place.start <= place.end && place.end <= script.size());
    check(place.identifier.start > place.start && place.identifier.end <= reading->lines.header.text.end);
    for (const auto& line : reading->lines.slotLines)
        check(!line || (line->start() > place.start && line->text.end <= place.end));
    const TextLines lines(script);
    std::size_t previous = 1;
    for (const UnheldLine& line : reading->unheld) {
        const TextLines::Place at = lines.lineStart(line.number - 1);
        check(line.number > previous && at.line == line.number - 1);
        check(lines.line(at.start) == line.text);
        previous = line.number;
    }
    // A range value with a blank or comma in it is split anew once written in
    // braces ("a  b,c" becomes a low "a  b" and a high "c", then "{a  b c}" a
    // low "a"), so the written script settles after a round or two, not at once.
    std::string written = Kind::script(reading->record);
    for (int round = 0;; ++round) {
        const auto again = readDefinition<Kind>(written, 0);
        check(again && again->unheld.empty());
        std::string rewritten = Kind::script(again->record);
        if (rewritten == written)
            return;
        check(round < 2);
        written = std::move(rewritten);
    }
}

// Add Definition, wherever the caret is: it only puts text in, at the start or
// at the end of a line, and what it puts in reads back as an empty record with
// every line held.
template <typename Kind>
void addsAnEmptyDefinition(std::string_view script, std::size_t caret, LineBreak lineBreak)
{
    const NewDefinition added = planNewDefinition<Kind>(script, caret, lineBreak);
    const std::size_t at = added.edit.start;
    check(added.edit.end == at && at <= script.size());
    check(at == 0 || at == script.size() || script[at] == '\r' || script[at] == '\n');
    check(added.header >= at && added.header < at + added.edit.replacement.size());
    const auto reading = readDefinitionAt<Kind>(applyEdit(script, added.edit), added.header);
    check(reading && reading->unheld.empty() && Kind::script(reading->record) == Kind::script({}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string_view script(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t caret = (data[0] | (data[1] << 8)) * (script.size() + 1) / 65536;
    readsStably<ItemKind>(script, caret);
    readsStably<NpcKind>(script, caret);
    const LineBreak lineBreak = std::array{LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}[data[0] % 3];
    addsAnEmptyDefinition<ItemKind>(script, caret, lineBreak);
    addsAnEmptyDefinition<NpcKind>(script, caret, lineBreak);
    return 0;
}
