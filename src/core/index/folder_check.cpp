#include "core/index/folder_check.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/scripts_folder.h"
#include "core/index/server_names.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace defwright {
namespace {

std::string shownPath(const FolderIndex& index, std::uint32_t file)
{
    const std::filesystem::path& path = index.filePath(file);
    const std::filesystem::path relative = path.lexically_relative(index.folder());
    return utf8Path(relative.empty() || *relative.begin() == ".." ? path : relative);
}

std::string placeText(const FolderIndex& index, const NamePlace& place)
{
    return shownPath(index, place.file) + ":" + std::to_string(index.writtenName(place).line + 1);
}

// A [TYPEDEFS] block numbers types that [TYPEDEF] sections script: both name one type.
bool countsForDuplicates(const FolderIndex& index, const NamePlace& place)
{
    return place.alias == NamePlace::kHeader || index.section(place).kind != "TYPEDEFS";
}

void reportDuplicates(const FolderIndex& index, std::vector<NamePlace> places, std::vector<FolderProblem>& problems)
{
    std::erase_if(places, [&index](const NamePlace& place) { return !countsForDuplicates(index, place); });
    // A section may give its own name twice, in its header and a DEFNAME= line.
    std::sort(places.begin(), places.end(), [](const NamePlace& left, const NamePlace& right) {
        return std::tie(left.file, left.section, left.alias) < std::tie(right.file, right.section, right.alias);
    });
    places.erase(std::unique(places.begin(), places.end(),
                             [](const NamePlace& left, const NamePlace& right) {
                                 return left.file == right.file && left.section == right.section;
                             }),
                 places.end());
    if (places.size() < 2)
        return;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const NamePlace& other = places[i == 0 ? 1 : 0];
        const std::string& name = index.writtenName(places[i]).text;
        problems.push_back({FolderProblem::Kind::DefinedTwice, index.filePath(places[i].file),
                            index.writtenName(places[i]).line,
                            name + " is defined " + std::to_string(places.size()) + " times; also at "
                                + placeText(index, other)});
    }
}

void checkNames(const FolderIndex& index, std::vector<FolderProblem>& problems)
{
    index.forEachName([&index, &problems](std::string_view key, std::span<const NamePlace> places) {
        if (places.size() < 2)
            return;
        if (!isIdNumber(key)) {
            reportDuplicates(index, {places.begin(), places.end()}, problems);
            return;
        }
        std::map<std::string, std::vector<NamePlace>> byKind;
        for (const NamePlace& place : places)
            byKind[index.section(place).kind].push_back(place);
        for (auto& [kind, ofKind] : byKind)
            reportDuplicates(index, std::move(ofKind), problems);
    });
}

bool isDefined(const FolderIndex& index, const NameReference& reference)
{
    const std::span<const NamePlace> places = index.lookup(reference.name);
    if (!isIdNumber(reference.name))
        return !places.empty() || isServerName(reference.name);
    return std::any_of(places.begin(), places.end(),
                       [&index](const NamePlace& place) { return index.section(place).kind == "ITEMDEF"; });
}

void checkFiles(const FolderIndex& index, std::vector<FolderProblem>& problems)
{
    for (const std::uint32_t file : index.files()) {
        const ScriptSummary& summary = index.summary(file);
        for (const std::uint32_t line : summary.unclosedHeaders)
            problems.push_back({FolderProblem::Kind::UnclosedHeader, index.filePath(file), line,
                                "The section header has no \"]\""});
        for (const NameReference& reference : summary.references) {
            if (!isDefined(index, reference))
                problems.push_back({FolderProblem::Kind::Undefined, index.filePath(file), reference.line,
                                    reference.key + "=" + reference.name + ": " + reference.name
                                        + " is defined nowhere in the folder"});
        }
    }
}

} // namespace

std::vector<FolderProblem> checkFolder(const FolderIndex& index)
{
    std::vector<FolderProblem> problems;
    checkNames(index, problems);
    checkFiles(index, problems);
    std::sort(problems.begin(), problems.end(), [](const FolderProblem& left, const FolderProblem& right) {
        return std::tie(left.file, left.line, left.message) < std::tie(right.file, right.line, right.message);
    });
    return problems;
}

} // namespace defwright
