#include "core/index/folder_index.h"

#include "core/index/definition_name.h"
#include "core/index/scripts_folder.h"

#include <algorithm>
#include <tuple>

namespace defwright {
namespace {

std::string fileKey(const std::filesystem::path& file)
{
    return utf8Path(file.lexically_normal());
}

// Each place's number under its hash, (hash << 32) | number, sorted by hash
// and, for one hash, by number: sorted by the hash's halves in turn, each
// pass keeping the order of the one before.
std::vector<std::uint64_t> byHash(const std::vector<std::uint32_t>& hashes)
{
    constexpr unsigned kBits = 16;
    constexpr std::size_t kFewest = 4096; // fewer are sorted at once: a file's, as it changes
    std::vector<std::uint64_t> order(hashes.size());
    for (std::size_t i = 0; i < hashes.size(); ++i)
        order[i] = (std::uint64_t{hashes[i]} << 32U) | i;
    if (order.size() < kFewest) {
        std::sort(order.begin(), order.end());
        return order;
    }
    std::vector<std::uint64_t> sorted(order.size());
    for (const unsigned shift : {32U, 32U + kBits}) {
        std::vector<std::size_t> starts((1U << kBits) + 1);
        for (const std::uint64_t entry : order)
            ++starts[((entry >> shift) & 0xFFFFU) + 1];
        for (std::size_t digit = 1; digit < starts.size(); ++digit)
            starts[digit] += starts[digit - 1];
        for (const std::uint64_t entry : order)
            sorted[starts[(entry >> shift) & 0xFFFFU]++] = entry;
        order.swap(sorted);
    }
    return order;
}

} // namespace

FolderIndex::FolderIndex(std::filesystem::path folder)
    : folder_(std::move(folder).lexically_normal())
{
}

void FolderIndex::setFile(const std::filesystem::path& file, ScriptSummary summary)
{
    const bool added = !holds(file);
    const std::uint32_t slot = putFile(file, std::move(summary));
    std::vector<std::uint32_t> hashes;
    std::vector<NamePlace> places;
    addPlaces(slot, hashes, places);
    mergePlaces(std::move(hashes), std::move(places));
    if (added || files_[slot]->shown.find('/') == std::string::npos)
        followLoads();
}

void FolderIndex::setFiles(std::vector<std::pair<std::filesystem::path, ScriptSummary>> files)
{
    std::vector<std::uint32_t> hashes;
    std::vector<NamePlace> places;
    for (auto& [path, summary] : files)
        addPlaces(putFile(path, std::move(summary)), hashes, places);
    mergePlaces(std::move(hashes), std::move(places));
    followLoads();
}

std::uint32_t FolderIndex::putFile(const std::filesystem::path& file, ScriptSummary summary)
{
    std::filesystem::path normal = file.lexically_normal();
    const auto [slot, added] = fileSlots_.try_emplace(utf8Path(normal), static_cast<std::uint32_t>(files_.size()));
    if (added) {
        files_.emplace_back();
    } else {
        removePlaces(slot->second);
        sectionCount_ -= files_[slot->second]->summary.sections.size();
        removeVocabulary(vocabulary_, files_[slot->second]->summary.vocabulary);
    }
    sectionCount_ += summary.sections.size();
    addVocabulary(vocabulary_, summary.vocabulary);
    std::string shown = pathInFolder(normal, folder_);
    files_[slot->second] = IndexedFile{std::move(normal), std::move(shown), std::move(summary)};
    return slot->second;
}

void FolderIndex::removeFile(const std::filesystem::path& file)
{
    const auto slot = fileSlots_.find(fileKey(file));
    if (slot == fileSlots_.end())
        return;
    removePlaces(slot->second);
    sectionCount_ -= files_[slot->second]->summary.sections.size();
    removeVocabulary(vocabulary_, files_[slot->second]->summary.vocabulary);
    files_[slot->second].reset();
    fileSlots_.erase(slot);
    followLoads();
}

bool FolderIndex::holds(const std::filesystem::path& file) const
{
    return fileSlots_.contains(fileKey(file));
}

std::span<const NamePlace> FolderIndex::lookup(std::string_view name) const
{
    if (name.empty())
        return {};
    const auto [first, last] = std::equal_range(hashes_.begin(), hashes_.end(), nameHash(name));
    const auto begin = places_.begin() + (first - hashes_.begin());
    const auto end = places_.begin() + (last - hashes_.begin());
    const auto from = std::partition_point(begin, end, [&](const NamePlace& place) {
        return compareNameKeys(writtenName(place).text, name) < 0;
    });
    const auto to = std::partition_point(from, end, [&](const NamePlace& place) {
        return compareNameKeys(writtenName(place).text, name) == 0;
    });
    return {from, to};
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

const std::string& FolderIndex::shownPath(std::uint32_t file) const
{
    return files_.at(file).value().shown;
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

std::optional<std::uint32_t> FolderIndex::loadPlace(std::uint32_t file) const
{
    return file < loadPlaces_.size() ? loadPlaces_[file] : std::nullopt;
}

// A list's header names nothing; its lines' names do.
void FolderIndex::addPlaces(std::uint32_t file, std::vector<std::uint32_t>& hashes,
                            std::vector<NamePlace>& places) const
{
    const std::vector<SectionEntry>& sections = files_[file]->summary.sections;
    for (std::uint32_t section = 0; section < sections.size(); ++section) {
        const SectionEntry& entry = sections[section];
        if (entry.use != SectionUse::List && !entry.name.text.empty()) {
            hashes.push_back(entry.name.hash);
            places.push_back({file, section});
        }
        if (entry.use == SectionUse::Part)
            continue;
        for (std::uint32_t alias = 0; alias < entry.aliases.size(); ++alias) {
            hashes.push_back(entry.aliases[alias].hash);
            places.push_back({file, section, alias});
        }
    }
}

void FolderIndex::mergePlaces(std::vector<std::uint32_t> hashes, std::vector<NamePlace> places)
{
    // By hash, then in the order they came, which is that of their places; a
    // run of one hash is then put in order of its names, which seldom differ.
    std::vector<std::uint64_t> order = byHash(hashes);
    for (auto run = order.begin(); run != order.end();) {
        const auto end = std::find_if(run, order.end(), [run](std::uint64_t one) { return one >> 32U != *run >> 32U; });
        if (end - run > 1)
            std::sort(run, end, [&](std::uint64_t left, std::uint64_t right) {
                return placeLess(hashes[left & UINT32_MAX], places[left & UINT32_MAX], hashes[right & UINT32_MAX],
                                 places[right & UINT32_MAX]);
            });
        run = end;
    }
    std::vector<std::uint32_t> mergedHashes;
    std::vector<NamePlace> mergedPlaces;
    mergedHashes.reserve(hashes_.size() + order.size());
    mergedPlaces.reserve(hashes_.size() + order.size());
    std::size_t old = 0;
    for (const std::uint64_t entry : order) {
        const std::size_t added = entry & UINT32_MAX;
        while (old < hashes_.size() && placeLess(hashes_[old], places_[old], hashes[added], places[added])) {
            mergedHashes.push_back(hashes_[old]);
            mergedPlaces.push_back(places_[old++]);
        }
        mergedHashes.push_back(hashes[added]);
        mergedPlaces.push_back(places[added]);
    }
    mergedHashes.insert(mergedHashes.end(), hashes_.begin() + static_cast<std::ptrdiff_t>(old), hashes_.end());
    mergedPlaces.insert(mergedPlaces.end(), places_.begin() + static_cast<std::ptrdiff_t>(old), places_.end());
    hashes_ = std::move(mergedHashes);
    places_ = std::move(mergedPlaces);
}

void FolderIndex::removePlaces(std::uint32_t file)
{
    std::size_t kept = 0;
    for (std::size_t at = 0; at < places_.size(); ++at) {
        if (places_[at].file == file)
            continue;
        hashes_[kept] = hashes_[at];
        places_[kept++] = places_[at];
    }
    hashes_.resize(kept);
    places_.resize(kept);
}

bool FolderIndex::placeLess(std::uint32_t leftHash, const NamePlace& left, std::uint32_t rightHash,
                            const NamePlace& right) const
{
    if (leftHash != rightHash)
        return leftHash < rightHash;
    const int byName = compareNameKeys(writtenName(left).text, writtenName(right).text);
    if (byName != 0)
        return byName < 0;
    return std::tie(left.file, left.section, left.alias) < std::tie(right.file, right.section, right.alias);
}

bool FolderIndex::sameName(std::size_t left, std::size_t right) const
{
    return hashes_[left] == hashes_[right]
        && compareNameKeys(writtenName(places_[left]).text, writtenName(places_[right]).text) == 0;
}

void FolderIndex::followLoads()
{
    const std::vector<std::uint32_t> numbers = files();
    std::vector<std::string> paths;
    std::vector<std::string> candidates;
    std::vector<std::uint32_t> candidateFiles;
    for (const std::uint32_t file : numbers) {
        paths.push_back(files_[file]->shown);
        if (files_[file]->summary.listsLoads) {
            candidates.push_back(files_[file]->shown);
            candidateFiles.push_back(static_cast<std::uint32_t>(paths.size() - 1));
        }
    }
    const std::optional<std::uint32_t> chosen = chooseTablesFile(candidates);
    const std::optional<std::uint32_t> tables = chosen ? std::optional(candidateFiles[*chosen]) : std::nullopt;
    const std::filesystem::path name = folder_.filename().empty() ? folder_.parent_path().filename() : folder_.filename();
    const std::span<const LoadEntry> list = tables ? std::span<const LoadEntry>(summary(numbers[*tables]).loads)
                                                   : std::span<const LoadEntry>();
    LoadOrder order = followLoadList(paths, utf8Path(name), tables, list);
    tablesFile_ = tables ? std::optional(numbers[*tables]) : std::nullopt;
    loadPlaces_.assign(files_.size(), std::nullopt);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        loadPlaces_[numbers[i]] = order.places[i];
    unreachedLoads_ = std::move(order.unreached);
}

} // namespace defwright
