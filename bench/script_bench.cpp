#include "core/items/item_kind.h"
#include "core/npcs/npc_script.h"
#include "core/session/session_codec.h"
#include "generated_script.h"
#include "worked_examples.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace defwright {
namespace {

constexpr std::size_t kLongValueBytes = 64 * 1024;

ItemRecord longItem()
{
    const std::string value(kLongValueBytes, 'v');
    ItemRecord item;
    item.identifier = item.type = item.hitPointsLow = item.hitPointsHigh = item.color = value;
    item.basic.fill(value);
    item.axis.fill(value);
    return item;
}

NpcRecord longNpc()
{
    const std::string value(kLongValueBytes, 'v');
    NpcRecord npc;
    npc.identifier = npc.brain = value;
    npc.basic.fill(value);
    npc.lists.fill(value);
    npc.stats.fill({value, value});
    npc.creation.fill(value);
    npc.skills.fill({value, value, value});
    return npc;
}

void BM_ItemWorkedExample(benchmark::State& state)
{
    const ItemRecord item = samples::magicSword();
    for (auto _ : state)
        benchmark::DoNotOptimize(itemScript(item));
}
BENCHMARK(BM_ItemWorkedExample);

void BM_NpcWorkedExample(benchmark::State& state)
{
    const NpcRecord npc = samples::trollGuard();
    for (auto _ : state)
        benchmark::DoNotOptimize(npcScript(npc));
}
BENCHMARK(BM_NpcWorkedExample);

void BM_ItemLongValues(benchmark::State& state)
{
    const ItemRecord item = longItem();
    for (auto _ : state)
        benchmark::DoNotOptimize(itemScript(item));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(itemScript(item).size()));
}
BENCHMARK(BM_ItemLongValues);

void BM_NpcLongValues(benchmark::State& state)
{
    const NpcRecord npc = longNpc();
    for (auto _ : state)
        benchmark::DoNotOptimize(npcScript(npc));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(npcScript(npc).size()));
}
BENCHMARK(BM_NpcLongValues);

// The floor no generator can beat: copying the same number of output bytes
// into a freshly allocated, uninitialised buffer, as each generator run must.
void memcpyFloor(benchmark::State& state, std::size_t bytes)
{
    const std::vector<char> source(bytes, 'v');
    for (auto _ : state) {
        const std::unique_ptr<char[]> target(new char[bytes]);
        std::memcpy(target.get(), source.data(), bytes);
        benchmark::DoNotOptimize(target.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

void BM_MemcpyFloorItem(benchmark::State& state)
{
    memcpyFloor(state, itemScript(longItem()).size());
}
BENCHMARK(BM_MemcpyFloorItem);

void BM_MemcpyFloorNpc(benchmark::State& state)
{
    memcpyFloor(state, npcScript(longNpc()).size());
}
BENCHMARK(BM_MemcpyFloorNpc);

// Fields from Script in a long file: the definition around a caret near the
// end of the 10 MiB script found (the pane gives the caret as a byte) and read.
void BM_ReadDefinitionNearEndOfLongScript(benchmark::State& state)
{
    const std::string script = bench::generatedScript();
    const std::size_t caret = script.size() - 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(readDefinition<ItemKind>(script, caret));
    if (readDefinition<ItemKind>(script, caret)->record != samples::magicSword())
        state.SkipWithError("the definition at the caret was not read");
}
BENCHMARK(BM_ReadDefinitionNearEndOfLongScript)->Unit(benchmark::kMicrosecond);

// A keystroke in a field tied to the last definition of that script: the
// definition read again from its header and the one replacement planned.
void BM_PlanEditNearEndOfLongScript(benchmark::State& state)
{
    const std::string script = bench::generatedScript();
    const std::optional<ItemReading> reading = readDefinition<ItemKind>(script, script.size() - 100);
    const std::size_t header = reading->lines.place.start;
    for (auto _ : state)
        benchmark::DoNotOptimize(planEdit<ItemKind>(script, header, reading->record, itemBasicField(0), "Magic Swords", "\r\n"));
    const std::optional<TextEdit> edit = planEdit<ItemKind>(script, header, reading->record, itemBasicField(0), "Magic Swords", "\r\n");
    if (!edit || edit->replacement != "Magic Swords")
        state.SkipWithError("the edit was not planned");
}
BENCHMARK(BM_PlanEditNearEndOfLongScript)->Unit(benchmark::kMicrosecond);

// The end of the program with both panes holding the 10 MiB script unsaved:
// the store's bytes, made and read back, beside a copy of the texts.
KeptSession keptLongScripts()
{
    KeptSession session;
    for (const char* name : {"item", "npc"}) {
        KeptPane& pane = session.panes.emplace_back();
        pane.name = name;
        KeptDocument& form = pane.documents.emplace_back();
        form.formScript = true;
        form.text = bench::generatedScript();
        form.modified = true;
    }
    return session;
}

void BM_KeepTwoLongScripts(benchmark::State& state)
{
    const KeptSession session = keptLongScripts();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSession(session));
}
BENCHMARK(BM_KeepTwoLongScripts)->Unit(benchmark::kMillisecond);

void BM_ReadTwoLongScriptsKept(benchmark::State& state)
{
    const std::string bytes = encodeSession(keptLongScripts());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeSession(bytes));
    if (decodeSession(bytes).session != keptLongScripts())
        state.SkipWithError("the session did not come back");
}
BENCHMARK(BM_ReadTwoLongScriptsKept)->Unit(benchmark::kMillisecond);

void BM_CopyFloorTwoLongScripts(benchmark::State& state)
{
    const KeptSession session = keptLongScripts();
    for (auto _ : state) {
        std::string copy;
        copy.reserve(2 * bench::kScriptBytes + 4096);
        for (const KeptPane& pane : session.panes)
            copy += *pane.documents.front().text;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyFloorTwoLongScripts)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright
