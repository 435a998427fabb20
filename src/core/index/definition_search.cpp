#include "core/index/definition_search.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/scripts_folder.h"

#include <algorithm>

namespace defwright {
namespace {

struct Found {
    const SectionEntry* section;
    std::uint32_t line;
};

std::string shownHeader(const SectionEntry& section, std::uint32_t line)
{
    std::string shown = "[" + section.kind;
    for (const std::string_view word : {section.name.text, section.arguments}) {
        if (!word.empty())
            shown.append(" ").append(word);
    }
    shown += "]";
    if (section.use == SectionUse::List) {
        const auto entry = std::find_if(section.aliases.begin(), section.aliases.end(),
                                        [line](const WrittenName& alias) { return alias.line == line; });
        if (entry != section.aliases.end())
            shown.append(" ").append(entry->text);
    } else if (!section.aliases.empty()) {
        shown.append(" ").append(section.aliases.front().text);
    }
    return shown;
}

// Where F12 lands for a name written there: a list's line on itself, anything else on its header.
std::uint32_t landing(const SectionEntry& section, const WrittenName& written)
{
    return section.use == SectionUse::List ? written.line : section.name.line;
}

// Parts go when their definition is there too.
template <typename Hit>
void dropParts(std::vector<Hit>& hits, const auto& sectionOf)
{
    const bool definition = std::any_of(hits.begin(), hits.end(),
                                        [&](const Hit& hit) { return sectionOf(hit).use != SectionUse::Part; });
    if (definition)
        std::erase_if(hits, [&](const Hit& hit) { return sectionOf(hit).use == SectionUse::Part; });
}

std::vector<Found> inPane(const ScriptSummary& pane, const std::string& key)
{
    std::vector<Found> found;
    for (const SectionEntry& section : pane.sections) {
        if (section.use != SectionUse::List && !section.name.text.empty() && nameKey(section.name.text) == key) {
            found.push_back({&section, section.name.line});
            continue;
        }
        if (section.use == SectionUse::Part)
            continue;
        for (const WrittenName& alias : section.aliases) {
            if (nameKey(alias.text) == key) {
                found.push_back({&section, landing(section, alias)});
                break;
            }
        }
    }
    dropParts(found, [](const Found& hit) -> const SectionEntry& { return *hit.section; });
    return found;
}

} // namespace

std::vector<DefinitionHit> findDefinitions(std::string_view name, const ScriptSummary& pane,
                                           const std::filesystem::path& paneFile, const FolderIndex& index)
{
    std::vector<DefinitionHit> hits;
    const std::string key = nameKey(name);
    if (key.empty())
        return hits;
    for (const Found& found : inPane(pane, key))
        hits.push_back({{}, found.line, found.section->kind,
                        shownHeader(*found.section, found.line) + "  line " + std::to_string(found.line + 1), true});
    if (!hits.empty())
        return hits;
    const std::filesystem::path skipped = paneFile.lexically_normal();
    std::vector<NamePlace> places;
    for (const NamePlace& place : index.lookup(name)) {
        if (paneFile.empty() || index.filePath(place.file) != skipped)
            places.push_back(place);
    }
    dropParts(places, [&index](const NamePlace& place) -> const SectionEntry& { return index.section(place); });
    for (const NamePlace& place : places) {
        const SectionEntry& section = index.section(place);
        const std::uint32_t line = landing(section, index.writtenName(place));
        if (!hits.empty() && hits.back().file == index.filePath(place.file) && hits.back().line == line)
            continue; // its header and a DEFNAME= line give the same name
        const bool loaded = index.isLoaded(place.file);
        hits.push_back({index.filePath(place.file), line, section.kind,
                        shownHeader(section, line) + "  " + index.shownPath(place.file) + ":" + std::to_string(line + 1)
                            + (loaded ? "" : "  (not loaded)"),
                        false, loaded});
    }
    return hits;
}

} // namespace defwright
