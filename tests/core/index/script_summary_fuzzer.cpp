// libFuzzer target for the folder index's reading of one script. Built with
// clang by run_fuzzer.sh; any broken property aborts.
#include "core/files/line_breaks.h"
#include "core/index/definition_name.h"
#include "core/index/folder_check.h"
#include "core/index/folder_index.h"
#include "core/index/script_summary.h"
#include "core/script/text_lines.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace defwright;

// Every line a summary names lies in the text, an alias on or after its
// section's header; the line breaks change nothing; and an index of the text
// finds each section by its name and can be checked.
void checkSummary(std::string_view text)
{
    const ScriptSummary summary = summarizeScript(text);
    const std::size_t lines = TextLines(text).lineAt(text.size()) + 1;
    for (const SectionEntry& section : summary.sections) {
        check(section.name.line < lines);
        for (const WrittenName& alias : section.aliases)
            check(alias.line > section.name.line && alias.line < lines);
    }
    for (const NameReference& reference : summary.references)
        check(reference.line < lines && !reference.name.empty());
    for (const std::uint32_t line : summary.unclosedHeaders)
        check(line < lines);
    const ScriptSummary unixSummary = summarizeScript(withLineBreaks(text, LineBreak::Lf));
    check(unixSummary.sections.size() == summary.sections.size());
    for (std::size_t i = 0; i < summary.sections.size(); ++i)
        check(unixSummary.sections[i].name.line == summary.sections[i].name.line);
    FolderIndex index("folder");
    index.setFile("folder/a.scp", summary);
    for (const SectionEntry& section : summary.sections)
        check(section.name.text.empty() || !index.lookup(section.name.text).empty());
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
    return 0;
}
