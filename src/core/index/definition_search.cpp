#include "core/index/definition_search.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/scripts_folder.h"

namespace defwright {
namespace {

bool answersTo(const SectionEntry& section, const std::string& key)
{
    if (!section.name.text.empty() && nameKey(section.name.text) == key)
        return true;
    for (const WrittenName& alias : section.aliases) {
        if (nameKey(alias.text) == key)
            return true;
    }
    return false;
}

std::string shownHeader(const SectionEntry& section)
{
    std::string shown = "[" + section.kind + (section.name.text.empty() ? "" : " " + section.name.text) + "]";
    if (!section.aliases.empty() && section.kind != "DEFNAME" && section.kind != "TYPEDEFS")
        shown += " " + section.aliases.front().text;
    return shown;
}

} // namespace

std::vector<DefinitionHit> findDefinitions(std::string_view name, const ScriptSummary& pane,
                                           const std::filesystem::path& paneFile, const FolderIndex& index)
{
    std::vector<DefinitionHit> hits;
    const std::string key = nameKey(name);
    if (key.empty())
        return hits;
    for (const SectionEntry& section : pane.sections) {
        if (answersTo(section, key))
            hits.push_back({{}, section.name.line, section.kind,
                            shownHeader(section) + "  line " + std::to_string(section.name.line + 1), true});
    }
    if (!hits.empty())
        return hits;
    const std::filesystem::path skipped = paneFile.lexically_normal();
    for (const NamePlace& place : index.lookup(name)) {
        const std::filesystem::path& file = index.filePath(place.file);
        if (!paneFile.empty() && file == skipped)
            continue;
        const SectionEntry& section = index.section(place);
        if (!hits.empty() && hits.back().file == file && hits.back().line == section.name.line)
            continue; // its header and a DEFNAME= line give the same name
        const std::filesystem::path relative = file.lexically_relative(index.folder());
        hits.push_back({file, section.name.line, section.kind,
                        shownHeader(section) + "  " + utf8Path(relative.empty() ? file : relative) + ":"
                            + std::to_string(section.name.line + 1),
                        false});
    }
    return hits;
}

} // namespace defwright
