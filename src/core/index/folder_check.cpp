#include "core/index/folder_check.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/server_names.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace defwright {
namespace {

std::string placeText(const FolderIndex& index, const NamePlace& place)
{
    return index.shownPath(place.file) + ":" + std::to_string(index.writtenName(place).line + 1);
}

// A [TYPEDEFS] line numbers the type a [TYPEDEF] section scripts: together they are one type.
bool clashes(const FolderIndex& index, const std::vector<NamePlace>& places)
{
    std::size_t typedefs = 0;
    std::size_t typeLines = 0;
    for (const NamePlace& place : places) {
        const std::string& kind = index.section(place).kind;
        typedefs += kind == "TYPEDEF" ? 1 : 0;
        typeLines += kind == "TYPEDEFS" ? 1 : 0;
    }
    const std::size_t others = places.size() - typedefs - typeLines;
    return typedefs > 1 || typeLines > 1 || others > 1 || (others == 1 && typedefs + typeLines > 0);
}

void reportDuplicates(const FolderIndex& index, std::vector<NamePlace> places, std::vector<FolderProblem>& problems)
{
    // A section may give its own name twice, in its header and a DEFNAME= line.
    std::sort(places.begin(), places.end(), [](const NamePlace& left, const NamePlace& right) {
        return std::tie(left.file, left.section, left.alias) < std::tie(right.file, right.section, right.alias);
    });
    places.erase(std::unique(places.begin(), places.end(),
                             [](const NamePlace& left, const NamePlace& right) {
                                 return left.file == right.file && left.section == right.section;
                             }),
                 places.end());
    if (places.size() < 2 || !clashes(index, places))
        return;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const NamePlace& other = places[i == 0 ? 1 : 0];
        const std::string name(index.writtenName(places[i]).text);
        problems.push_back(folderProblem(FolderProblem::Kind::DefinedTwice, index.filePath(places[i].file),
                                         index.writtenName(places[i]).line,
                                         name + " is defined " + std::to_string(places.size()) + " times; also at "
                                             + placeText(index, other)));
    }
}

// Only definitions of loaded files clash; a part is no definition of its own.
void checkNames(const FolderIndex& index, std::vector<FolderProblem>& problems)
{
    index.forEachName([&index, &problems](std::string_view name, std::span<const NamePlace> all) {
        if (all.size() < 2)
            return;
        std::vector<NamePlace> places;
        std::copy_if(all.begin(), all.end(), std::back_inserter(places), [&index](const NamePlace& place) {
            return index.isLoaded(place.file) && index.section(place).use != SectionUse::Part;
        });
        if (!isIdNumber(name)) {
            reportDuplicates(index, std::move(places), problems);
            return;
        }
        std::map<std::string, std::vector<NamePlace>> byKind;
        for (const NamePlace& place : places)
            byKind[index.section(place).kind].push_back(place);
        for (auto& [kind, ofKind] : byKind)
            reportDuplicates(index, std::move(ofKind), problems);
    });
}

bool satisfies(const FolderIndex& index, const NameReference& reference, const NamePlace& place)
{
    return !isIdNumber(reference.name) || index.section(place).kind == "ITEMDEF";
}

struct Fault {
    FolderProblem::Kind kind;
    std::string where;
};

// Where a name a reference needs is not defined, if it is defined nowhere the server reads.
std::optional<Fault> referenceFault(const FolderIndex& index, const NameReference& reference)
{
    const NamePlace* unloaded = nullptr;
    for (const NamePlace& place : index.lookup(reference.name)) {
        if (!satisfies(index, reference, place))
            continue;
        if (index.isLoaded(place.file))
            return std::nullopt;
        unloaded = unloaded == nullptr ? &place : unloaded;
    }
    if (!isIdNumber(reference.name) && isServerName(reference.name))
        return std::nullopt;
    if (unloaded != nullptr)
        return Fault{FolderProblem::Kind::DefinedWhereNotLoaded,
                     "defined only in " + index.shownPath(unloaded->file) + ", which the server does not load"};
    return Fault{FolderProblem::Kind::Undefined, "defined nowhere in the folder"};
}

void checkFiles(const FolderIndex& index, std::vector<FolderProblem>& problems)
{
    for (const std::uint32_t file : index.files()) {
        if (!index.isLoaded(file))
            continue;
        const ScriptSummary& summary = index.summary(file);
        for (const std::uint32_t line : summary.unclosedHeaders)
            problems.push_back(folderProblem(FolderProblem::Kind::UnclosedHeader, index.filePath(file), line,
                                             "The section header has no \"]\""));
        for (const NameReference& reference : summary.references) {
            if (const std::optional<Fault> fault = referenceFault(index, reference)) {
                const std::string name(reference.name);
                problems.push_back(folderProblem(fault->kind, index.filePath(file), reference.line,
                                                 std::string(reference.key) + "=" + name + ": " + name + " is "
                                                     + fault->where));
            }
        }
    }
}

} // namespace

FolderProblem folderProblem(FolderProblem::Kind kind, std::filesystem::path file, std::uint32_t line,
                            std::string message)
{
    return {kind, kProblemSeverities.at(static_cast<std::size_t>(kind)), std::move(file), line, std::move(message)};
}

std::vector<FolderProblem> checkFolder(const FolderIndex& index)
{
    std::vector<FolderProblem> problems = checkLoadList(index);
    checkNames(index, problems);
    checkFiles(index, problems);
    std::sort(problems.begin(), problems.end(), [](const FolderProblem& left, const FolderProblem& right) {
        return std::tie(left.file, left.line, left.message) < std::tie(right.file, right.line, right.message);
    });
    return problems;
}

} // namespace defwright
