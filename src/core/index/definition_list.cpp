#include "core/index/definition_list.h"

#include "core/index/folder_index.h"
#include "core/script/ascii_case.h"

#include <algorithm>

namespace defwright {
namespace {

std::string folded(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), asciiLower);
    return result;
}

std::string shownSection(const SectionEntry& section, const std::string& shownPath, std::string_view note)
{
    std::string shown = section.kind;
    for (const std::string_view word : {section.name.text, section.arguments}) {
        if (!word.empty())
            shown.append(" ").append(word);
    }
    if (!section.aliases.empty() && section.use != SectionUse::List)
        shown.append("  ").append(section.aliases.front().text);
    if (!section.title.empty())
        shown.append("  \"").append(section.title).append("\"");
    return shown.append("  ").append(shownPath).append(":").append(std::to_string(section.name.line + 1)).append(note);
}

std::vector<std::string> words(std::string_view typed)
{
    std::vector<std::string> found;
    while (!typed.empty()) {
        const std::size_t start = typed.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            break;
        typed.remove_prefix(start);
        const std::size_t end = std::min(typed.find_first_of(" \t"), typed.size());
        found.push_back(folded(typed.substr(0, end)));
        typed.remove_prefix(end);
    }
    return found;
}

} // namespace

void DefinitionList::addFile(const std::filesystem::path& file, const std::string& shownPath,
                             const ScriptSummary& summary, std::string_view note)
{
    const auto number = static_cast<std::uint32_t>(files_.size());
    files_.push_back(file);
    for (const SectionEntry& section : summary.sections) {
        std::string shown = shownSection(section, shownPath, note);
        std::string lower = folded(shown);
        rows_.push_back({std::move(shown), std::move(lower), section.kind, number, section.name.line});
    }
}

void DefinitionList::addIndex(const FolderIndex& index, const std::filesystem::path& skipped)
{
    const std::filesystem::path skippedNormal = skipped.lexically_normal();
    for (const std::uint32_t file : index.files()) {
        const std::filesystem::path& path = index.filePath(file);
        if (!skipped.empty() && path == skippedNormal)
            continue;
        addFile(path, index.shownPath(file), index.summary(file), index.isLoaded(file) ? "" : "  (not loaded)");
    }
}

std::vector<std::uint32_t> DefinitionList::matching(std::string_view typed) const
{
    const std::vector<std::string> wanted = words(typed);
    std::vector<std::uint32_t> found;
    for (std::uint32_t at = 0; at < rows_.size(); ++at) {
        const std::string& text = rows_[at].folded;
        if (std::all_of(wanted.begin(), wanted.end(),
                        [&text](const std::string& word) { return text.find(word) != std::string::npos; }))
            found.push_back(at);
    }
    return found;
}

} // namespace defwright
