// libFuzzer target for the folder index's reading of one script. Built with
// clang by run_fuzzer.sh; any broken property aborts.
#include "core/files/line_breaks.h"
#include "core/index/definition_name.h"
#include "core/index/folder_check.h"
#include "core/index/folder_index.h"
#include "core/index/name_uses.h"
#include "core/index/reference_search.h"
#include "core/index/script_summary.h"
#include "core/script/text_lines.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace defwright;

bool within(std::string_view text, std::string_view part)
{
    return part.empty() || (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

// Every line a summary names lies in the text, an alias on or after its
// section's header, every view within the summary's own text; each word that
// may name a definition is a name or an id on the line it gives.
void checkPlaces(std::string_view original, const ScriptSummary& summary)
{
    const std::string_view text = *summary.text;
    check(text == original);
    const TextLines lines(text);
    const std::size_t lineCount = lines.lineAt(text.size()) + 1;
    for (const SectionEntry& section : summary.sections) {
        check(section.name.line < lineCount && within(text, section.name.text) && within(text, section.arguments));
        for (const WrittenName& alias : section.aliases)
            check(alias.line > section.name.line && alias.line < lineCount && within(text, alias.text));
    }
    for (const NameReference& reference : summary.references)
        check(reference.line < lineCount && !reference.name.empty() && within(text, reference.name));
    for (const std::uint32_t line : summary.unclosedHeaders)
        check(line < lineCount);
    check(!summary.regions.empty() && summary.regions.front().offset == 0 && summary.readEnd <= text.size());
    for (std::size_t i = 1; i < summary.regions.size(); ++i) {
        const ReadingRegion& region = summary.regions[i];
        check(region.offset >= summary.regions[i - 1].offset && lines.lineAt(region.offset) == region.line);
        check(region.section < static_cast<std::int32_t>(summary.sections.size()));
    }
    for (const SectionEntry& section : summary.sections) {
        for (const NameUse& use : usesOf(summary, section.name.text, NameUse::ItemId)) {
            const std::string_view word = text.substr(use.offset, use.length);
            check(use.offset + use.length <= text.size() && lines.lineAt(use.offset) == use.line);
            check((isDefinitionName(word) || isIdNumber(word)) && compareNameKeys(word, section.name.text) == 0);
        }
    }
    for (const LoadEntry& load : summary.loads)
        check(load.line < lineCount && !load.path.empty() && within(text, load.path));
}

// The line breaks change nothing; and an index of the text finds each section
// by its name, every place that names it, and can be checked.
void checkSummary(std::string_view text)
{
    const ScriptSummary summary = summarizeScript(text);
    checkPlaces(text, summary);
    FolderVocabulary vocabulary; // gathered in the summary's own pass, which passes over more lines
    addScriptVocabulary(vocabulary, text);
    check(summary.vocabulary == vocabulary);
    const ScriptSummary unixSummary = summarizeScript(withLineBreaks(text, LineBreak::Lf));
    check(unixSummary.sections.size() == summary.sections.size() && unixSummary.regions.size() == summary.regions.size());
    for (std::size_t i = 0; i < summary.sections.size(); ++i)
        check(unixSummary.sections[i].name.line == summary.sections[i].name.line);
    FolderIndex index("folder");
    index.setFile("folder/a.scp", summary);
    for (const SectionEntry& section : summary.sections) {
        if (section.use != SectionUse::List && !section.name.text.empty())
            check(!index.lookup(section.name.text).empty());
    }
    for (const std::uint32_t file : index.files()) {
        for (std::uint32_t section = 0; section < index.summary(file).sections.size(); ++section) {
            for (const ReferenceHit& hit : findReferences(index, NamePlace{file, section}))
                check(hit.start < hit.end && hit.end <= hit.lineText.size());
        }
    }
    static_cast<void>(checkFolder(index));
    index.removeFile("folder/a.scp");
    check(index.sectionCount() == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSummary(text);
    check(nameKey(nameKey(text)) == nameKey(text));
    check(compareNameKeys(text, text) == 0 && nameHash(text) == nameHash(nameKey(text)));
    return 0;
}
