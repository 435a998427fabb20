#include "core/index/scripts_folder.h"

#include "core/files/script_bytes.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace defwright {
namespace fs = std::filesystem;
namespace {

bool holdsScript(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && entry != end; entry.increment(error)) {
        if (isScriptPath(entry->path()) && entry->is_regular_file(error))
            return true;
    }
    return false;
}

int subfoldersWithScripts(const fs::path& folder)
{
    int count = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && entry != end && count < 2; entry.increment(error)) {
        if (entry->is_directory(error) && holdsScript(entry->path()))
            ++count;
    }
    return count;
}

// Without a branch in the loop, so that the compiler makes vector code of it.
bool isPlainAscii(std::string_view bytes)
{
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte);
    return (high & 0x80U) == 0;
}

} // namespace

fs::path findScriptsFolder(const fs::path& fileFolder)
{
    std::error_code error;
    fs::path folder = fs::weakly_canonical(fs::absolute(fileFolder, error), error);
    if (error)
        folder = fileFolder;
    if (folder.filename().empty() && folder.has_parent_path())
        folder = folder.parent_path(); // "a/b/" names "b"
    for (fs::path at = folder; !at.empty(); at = at.parent_path()) {
        if (equalsIgnoringCase(utf8Path(at.filename()), "scripts"))
            return at;
        if (at == at.root_path())
            break;
    }
    if (folder.has_parent_path() && folder != folder.root_path() && subfoldersWithScripts(folder.parent_path()) >= 2)
        return folder.parent_path();
    return folder;
}

std::string utf8Path(const fs::path& path)
{
    const std::u8string text = path.generic_u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::string pathInFolder(const fs::path& file, const fs::path& folder)
{
    // Most files lie in the folder as given: their path begins with the folder's.
    std::string path = utf8Path(file);
    const std::string base = utf8Path(folder);
    if (!base.empty() && path.size() > base.size() + 1 && path.starts_with(base)
        && (base.back() == '/' || path[base.size()] == '/') && path.find("/.", base.size()) == std::string::npos)
        return path.substr(base.size() + (base.back() == '/' ? 0 : 1));
    const fs::path relative = file.lexically_relative(folder);
    return utf8Path(relative.empty() || *relative.begin() == ".." ? file : relative);
}

bool isScriptPath(const fs::path& path)
{
    return equalsIgnoringCase(utf8Path(path.extension()), ".scp");
}

std::vector<fs::path> listScriptFiles(const fs::path& folder, const std::atomic<bool>* stop)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && entry != end && (stop == nullptr || !stop->load()); entry.increment(error)) {
        std::error_code typeError;
        if (isScriptPath(entry->path()) && entry->is_regular_file(typeError))
            files.push_back(entry->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<std::string> readScriptText(const fs::path& file)
{
    // The size of a regular file alone: a folder or a pipe gives an error, and a pipe would never end.
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kMaxScriptBytes)
        return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!stream.read(bytes.data(), static_cast<std::streamsize>(size)))
        return std::nullopt;
    // Plain ASCII reads the same in every format: most scripts need no decoding.
    if (isPlainAscii(bytes))
        return bytes;
    return decodeScript(bytes, detectFormat(bytes).encoding);
}

} // namespace defwright
