#include "core/index/folder_check.h"
#include "core/index/folder_index.h"

#include <map>
#include <set>

namespace defwright {
namespace {

struct FolderCount {
    std::size_t scripts = 0;
    std::size_t notLoaded = 0;
};

// Every folder above a script, but the scripts folder itself: "a/b/c.scp" is in "a" and "a/b".
template <typename Visit>
void forEachFolderAbove(std::string_view path, Visit visit)
{
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos; slash = path.find('/', slash + 1))
        visit(path.substr(0, slash));
}

std::map<std::string, FolderCount, std::less<>> countByFolder(const FolderIndex& index)
{
    std::map<std::string, FolderCount, std::less<>> counts;
    for (const std::uint32_t file : index.files()) {
        forEachFolderAbove(index.shownPath(file), [&](std::string_view folder) {
            FolderCount& count = counts[std::string(folder)];
            ++count.scripts;
            count.notLoaded += index.isLoaded(file) ? 0 : 1;
        });
    }
    return counts;
}

// One hint for the highest folder the server loads nothing of, else one for the file.
void reportNotLoaded(const FolderIndex& index, std::uint32_t tables, std::vector<FolderProblem>& problems)
{
    const std::map<std::string, FolderCount, std::less<>> counts = countByFolder(index);
    const std::string reason = ": the load list of " + index.shownPath(tables) + " never reaches ";
    std::set<std::string, std::less<>> reported;
    for (const std::uint32_t file : index.files()) {
        if (index.isLoaded(file))
            continue;
        std::string_view whole;
        forEachFolderAbove(index.shownPath(file), [&](std::string_view folder) {
            const FolderCount& count = counts.find(folder)->second;
            if (whole.empty() && count.notLoaded == count.scripts)
                whole = folder;
        });
        if (whole.empty()) {
            problems.push_back(folderProblem(FolderProblem::Kind::NotLoaded, index.filePath(file), 0,
                                             "The server does not load this file" + reason + "it"));
        } else if (reported.insert(std::string(whole)).second) {
            // At the folder's first script, which opens as any problem's file does.
            const std::size_t scripts = counts.find(whole)->second.scripts;
            const std::string folder = std::string(whole) + "/";
            problems.push_back(folderProblem(
                FolderProblem::Kind::NotLoaded, index.filePath(file), 0,
                scripts == 1 ? "The server does not load the only script in " + folder + reason + "it"
                             : "The server loads none of the " + std::to_string(scripts) + " scripts in " + folder
                                 + reason + "them"));
        }
    }
}

} // namespace

std::vector<FolderProblem> checkLoadList(const FolderIndex& index)
{
    std::vector<FolderProblem> problems;
    const std::optional<std::uint32_t> tables = index.tablesFile();
    if (!tables)
        return problems;
    for (const UnreachedLoad& load : index.unreachedLoads()) {
        std::string message = load.folder ? "The load list names the folder " + load.path
                                                + ", which holds no script in the scripts folder"
                                          : "The load list names " + load.path + ", which is not in the scripts folder";
        problems.push_back(folderProblem(FolderProblem::Kind::ListedButMissing, index.filePath(*tables), load.line,
                                         std::move(message)));
    }
    reportNotLoaded(index, *tables, problems);
    return problems;
}

} // namespace defwright
