#include "core/index/load_order.h"

#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace defwright {
namespace {

constexpr std::string_view kScriptExtension = ".scp";
constexpr std::string_view kTablesEnding = "tables.scp";

std::string lowered(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
    return lower;
}

std::string joined(std::span<const std::string> parts)
{
    std::string path;
    for (const std::string& part : parts)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

bool endsIgnoringCase(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && equalsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

std::string_view fileName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view folderOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

using FilesByPath = std::unordered_map<std::string, std::vector<std::uint32_t>>;

// The scripts by their path and by their folder, both in lower case, a folder's in name order.
struct PathTables {
    FilesByPath files;
    FilesByPath folders;
};

PathTables pathTables(std::span<const std::string> files)
{
    PathTables tables;
    for (std::uint32_t file = 0; file < files.size(); ++file) {
        std::string lower = lowered(files[file]);
        tables.folders[std::string(folderOf(lower))].push_back(file);
        tables.files[std::move(lower)].push_back(file);
    }
    for (auto& [folder, inFolder] : tables.folders)
        std::stable_sort(inFolder.begin(), inFolder.end(), [&files](std::uint32_t left, std::uint32_t right) {
            return lowered(fileName(files[left])) < lowered(fileName(files[right]));
        });
    return tables;
}

// The scripts a path names from one base; of files alike but for case, the one written alike.
std::vector<std::uint32_t> reached(std::span<const std::string> files, const PathTables& tables,
                                   std::span<const std::string> parts, bool folder)
{
    std::string path = joined(parts);
    if (!folder && !endsIgnoringCase(path, kScriptExtension))
        path += kScriptExtension;
    const FilesByPath& table = folder ? tables.folders : tables.files;
    const auto found = table.find(lowered(path));
    if (found == table.end())
        return {};
    if (folder)
        return found->second;
    const auto same = std::find_if(found->second.begin(), found->second.end(),
                                   [&](std::uint32_t file) { return files[file] == path; });
    return {same == found->second.end() ? found->second.front() : *same};
}

} // namespace

LoadPath readLoadPath(std::string_view line)
{
    LoadPath path;
    line = trimBlanks(line.substr(0, line.find("//")));
    std::string text(line);
    std::replace(text.begin(), text.end(), '\\', '/');
    path.folder = !text.empty() && text.back() == '/';
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('/', start), text.size());
        const std::string_view part = std::string_view(text).substr(start, end - start);
        if (part == "..") {
            path.outside = path.outside || path.parts.empty();
            if (!path.parts.empty())
                path.parts.pop_back();
        } else if (!part.empty() && part != ".") {
            path.parts.emplace_back(part);
        }
        start = end + 1;
    }
    return path;
}

std::optional<std::uint32_t> chooseTablesFile(std::span<const std::string> candidates)
{
    std::optional<std::uint32_t> chosen;
    const auto rank = [&candidates](std::uint32_t file) {
        const std::string& path = candidates[file];
        return std::make_tuple(!endsIgnoringCase(path, kTablesEnding), path.size(), lowered(path));
    };
    for (std::uint32_t file = 0; file < candidates.size(); ++file) {
        if (candidates[file].find('/') == std::string::npos && (!chosen || rank(file) < rank(*chosen)))
            chosen = file;
    }
    return chosen;
}

LoadOrder followLoadList(std::span<const std::string> files, std::string_view folderName,
                         std::optional<std::uint32_t> tablesFile, std::span<const LoadEntry> list)
{
    LoadOrder order{tablesFile, std::vector<std::optional<std::uint32_t>>(files.size()), {}};
    std::uint32_t next = 0;
    if (!tablesFile) {
        for (auto& place : order.places)
            place = next++;
        return order;
    }
    const PathTables tables = pathTables(files);
    order.places.at(*tablesFile) = next++;
    for (const LoadEntry& entry : list) {
        const LoadPath path = readLoadPath(entry.path);
        std::vector<std::uint32_t> found;
        if (!path.outside && (!path.parts.empty() || path.folder))
            found = reached(files, tables, path.parts, path.folder);
        if (found.empty() && path.parts.size() > 1 && equalsIgnoringCase(path.parts.front(), folderName))
            found = reached(files, tables, std::span(path.parts).subspan(1), path.folder);
        if (found.empty() && (!path.parts.empty() || path.folder))
            order.unreached.push_back(
                {entry.line, std::string(trimBlanks(entry.path.substr(0, entry.path.find("//")))), path.folder});
        for (const std::uint32_t file : found) {
            if (!order.places[file])
                order.places[file] = next++;
        }
    }
    return order;
}

} // namespace defwright
