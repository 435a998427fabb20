#pragma once

#include "core/index/load_order.h"
#include "core/index/script_summary.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace defwright {

/// Where one name is defined: a section's header, or one of its aliases.
struct NamePlace {
    static constexpr std::uint32_t kHeader = UINT32_MAX;

    std::uint32_t file = 0;
    std::uint32_t section = 0;
    std::uint32_t alias = kHeader;

    bool operator==(const NamePlace&) const = default;
};

/// The sections of every script of a folder, found by any name they answer
/// to: their header's name and their aliases, without regard to case, ids
/// in any of their forms (see nameKey()). A list's header names nothing; a
/// part's names the definition it is part of.
///
/// Files are known by their path as given, made lexically normal; a file's
/// number stays the same while the index lives, also once it is removed.
/// The index follows the folder's load list (see followLoadList()) as files come and go.
class FolderIndex {
public:
    FolderIndex() = default;
    explicit FolderIndex(std::filesystem::path folder);

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

    /// Adds the file, or replaces what was known of it.
    void setFile(const std::filesystem::path& file, ScriptSummary summary);
    /// Adds many files at once, as setFile() would one by one, faster.
    void setFiles(std::vector<std::pair<std::filesystem::path, ScriptSummary>> files);
    void removeFile(const std::filesystem::path& file);

    [[nodiscard]] bool holds(const std::filesystem::path& file) const;
    [[nodiscard]] std::size_t fileCount() const { return fileSlots_.size(); }
    [[nodiscard]] std::size_t sectionCount() const { return sectionCount_; }
    /// What the scripts of the folder write of the language, every file's together.
    [[nodiscard]] const FolderVocabulary& vocabulary() const { return vocabulary_; }

    /// Every place that defines the name, in loaded and not loaded files; none for a name defined nowhere.
    [[nodiscard]] std::span<const NamePlace> lookup(std::string_view name) const;

    /// The file numbers of the files the index holds, in the order they came.
    [[nodiscard]] std::vector<std::uint32_t> files() const;
    [[nodiscard]] const std::filesystem::path& filePath(std::uint32_t file) const;
    /// The file's path relative to the folder, "/" between its parts, in UTF-8.
    [[nodiscard]] const std::string& shownPath(std::uint32_t file) const;
    [[nodiscard]] const ScriptSummary& summary(std::uint32_t file) const;
    [[nodiscard]] const SectionEntry& section(const NamePlace& place) const;
    [[nodiscard]] const WrittenName& writtenName(const NamePlace& place) const;

    /// The file that holds the load list, if the folder has one.
    [[nodiscard]] std::optional<std::uint32_t> tablesFile() const { return tablesFile_; }
    /// The file's place in the order the server loads the folder, from 0; none when the server does not load it.
    [[nodiscard]] std::optional<std::uint32_t> loadPlace(std::uint32_t file) const;
    [[nodiscard]] bool isLoaded(std::uint32_t file) const { return loadPlace(file).has_value(); }
    /// The lines of the load list that reach no script of the folder.
    [[nodiscard]] const std::vector<UnreachedLoad>& unreachedLoads() const { return unreachedLoads_; }

    /// Calls `visit(name, places)` for every name the index holds, `name` as one of its places writes it.
    template <typename Visit>
    void forEachName(Visit visit) const
    {
        for (std::size_t first = 0; first < places_.size();) {
            std::size_t end = first + 1;
            while (end < places_.size() && sameName(first, end))
                ++end;
            visit(writtenName(places_[first]).text, std::span<const NamePlace>(places_).subspan(first, end - first));
            first = end;
        }
    }

private:
    struct IndexedFile {
        std::filesystem::path path;
        std::string shown;
        ScriptSummary summary;
    };

    std::uint32_t putFile(const std::filesystem::path& file, ScriptSummary summary);
    void addPlaces(std::uint32_t file, std::vector<std::uint32_t>& hashes, std::vector<NamePlace>& places) const;
    void mergePlaces(std::vector<std::uint32_t> hashes, std::vector<NamePlace> places);
    void removePlaces(std::uint32_t file);
    void followLoads();
    [[nodiscard]] bool placeLess(std::uint32_t leftHash, const NamePlace& left, std::uint32_t rightHash,
                                 const NamePlace& right) const;
    [[nodiscard]] bool sameName(std::size_t left, std::size_t right) const;

    std::filesystem::path folder_;
    std::vector<std::optional<IndexedFile>> files_;
    std::unordered_map<std::string, std::uint32_t> fileSlots_;
    // Every name's places, sorted by the name's hash, then its key, then place.
    std::vector<std::uint32_t> hashes_;
    std::vector<NamePlace> places_;
    std::size_t sectionCount_ = 0;
    FolderVocabulary vocabulary_;
    std::optional<std::uint32_t> tablesFile_;
    std::vector<std::optional<std::uint32_t>> loadPlaces_; ///< by file number
    std::vector<UnreachedLoad> unreachedLoads_;
};

} // namespace defwright
