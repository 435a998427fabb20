#include "core/index/folder_index.h"

#include "core/index/definition_name.h"
#include "core/index/scripts_folder.h"

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

std::string fileKey(const std::filesystem::path& file)
{
    return utf8Path(file.lexically_normal());
}

} // namespace

FolderIndex::FolderIndex(std::filesystem::path folder)
    : folder_(std::move(folder))
{
}

void FolderIndex::setFile(const std::filesystem::path& file, ScriptSummary summary)
{
    const auto [slot, added] = fileSlots_.try_emplace(fileKey(file), static_cast<std::uint32_t>(files_.size()));
    if (added)
        files_.emplace_back();
    else
        removeNames(slot->second);
    files_[slot->second] = IndexedFile{file.lexically_normal(), std::move(summary)};
    addNames(slot->second);
}

void FolderIndex::removeFile(const std::filesystem::path& file)
{
    const auto slot = fileSlots_.find(fileKey(file));
    if (slot == fileSlots_.end())
        return;
    removeNames(slot->second);
    files_[slot->second].reset();
    fileSlots_.erase(slot);
}

bool FolderIndex::holds(const std::filesystem::path& file) const
{
    return fileSlots_.contains(fileKey(file));
}

std::span<const NamePlace> FolderIndex::lookup(std::string_view name) const
{
    const auto found = names_.find(nameKey(name));
    return found == names_.end() ? std::span<const NamePlace>() : std::span<const NamePlace>(found->second);
}

std::vector<std::uint32_t> FolderIndex::files() const
{
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t file = 0; file < files_.size(); ++file) {
        if (files_[file])
            numbers.push_back(file);
    }
    return numbers;
}

const std::filesystem::path& FolderIndex::filePath(std::uint32_t file) const
{
    return files_.at(file).value().path;
}

const ScriptSummary& FolderIndex::summary(std::uint32_t file) const
{
    return files_.at(file).value().summary;
}

const SectionEntry& FolderIndex::section(const NamePlace& place) const
{
    return summary(place.file).sections.at(place.section);
}

const WrittenName& FolderIndex::writtenName(const NamePlace& place) const
{
    const SectionEntry& entry = section(place);
    return place.alias == NamePlace::kHeader ? entry.name : entry.aliases.at(place.alias);
}

void FolderIndex::addNames(std::uint32_t file)
{
    const std::vector<SectionEntry>& sections = files_[file]->summary.sections;
    for (std::uint32_t section = 0; section < sections.size(); ++section) {
        addName(sections[section].name.text, {file, section});
        for (std::uint32_t alias = 0; alias < sections[section].aliases.size(); ++alias)
            addName(sections[section].aliases[alias].text, {file, section, alias});
    }
    sectionCount_ += sections.size();
}

void FolderIndex::addName(std::string_view name, const NamePlace& place)
{
    if (!name.empty())
        names_[nameKey(name)].push_back(place);
}

void FolderIndex::removeNames(std::uint32_t file)
{
    const std::vector<SectionEntry>& sections = files_[file]->summary.sections;
    const auto drop = [this, file](const std::string& name) {
        const auto found = names_.find(nameKey(name));
        if (found == names_.end())
            return;
        std::erase_if(found->second, [file](const NamePlace& place) { return place.file == file; });
        if (found->second.empty())
            names_.erase(found);
    };
    for (const SectionEntry& section : sections) {
        drop(section.name.text);
        for (const WrittenName& alias : section.aliases)
            drop(alias.text);
    }
    sectionCount_ -= sections.size();
}

} // namespace defwright
