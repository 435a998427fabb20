// libFuzzer target for rename plans: any script, any name it defines renamed.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/index/definition_name.h"
#include "core/definitions/edit_list.h"
#include "core/index/folder_index.h"
#include "core/index/rename_plan.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

constexpr std::string_view kNewName = "zz_renamed";

// The first name the script defines, if any.
std::string_view definedName(const ScriptSummary& summary)
{
    for (const SectionEntry& section : summary.sections) {
        if (section.use != SectionUse::List && isDefinitionName(section.name.text))
            return section.name.text;
        for (const WrittenName& alias : section.aliases) {
            if (isDefinitionName(alias.text))
                return alias.text;
        }
    }
    return {};
}

// Every change chosen, or every other one: only the old name's bytes change,
// each into the new name, and the inverse edits give every byte back.
void checkRename(std::string_view text, const RenameFile& file, bool everyOther)
{
    std::vector<bool> chosen;
    for (std::size_t i = 0; i < file.changes.size(); ++i)
        chosen.push_back(!everyOther || i % 2 == 0);
    const std::vector<TextEdit> edits = chosenEdits(file, chosen);
    check(joinedEdits(edits) == edits && (edits.empty() || edits.back().end <= text.size()));
    const std::string renamed = applyEdits(text, edits);
    std::size_t from = 0;
    std::size_t to = 0;
    for (const TextEdit& edit : edits) {
        check(text.substr(from, edit.start - from) == std::string_view(renamed).substr(to, edit.start - from));
        check(isDefinitionName(text.substr(edit.start, edit.end - edit.start)) && edit.replacement == kNewName);
        to += edit.start - from + edit.replacement.size();
        from = edit.end;
    }
    check(text.substr(from) == std::string_view(renamed).substr(to));
    check(applyEdits(renamed, inverseEdits(text, edits)) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    FolderIndex index("folder");
    index.setFile("folder/a.scp", summarizeScript(text));
    const std::string name(definedName(index.summary(index.files().front())));
    if (name.empty() || text.find(kNewName) != std::string::npos)
        return 0;
    const RenamePlan plan = planRename(index, name, kNewName, [&text](const auto&) { return std::optional(text); });
    check(plan.error.empty() || plan.error.find("is a name the server defines") != std::string::npos);
    for (const RenameFile& file : plan.files) {
        check(!file.changes.empty());
        checkRename(text, file, false);
        checkRename(text, file, true);
    }
    return 0;
}
