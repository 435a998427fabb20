#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace defwright {

/// Where one name is written: a section's header, or one of its aliases.
struct NamePlace {
    static constexpr std::uint32_t kHeader = UINT32_MAX;

    std::uint32_t file = 0;
    std::uint32_t section = 0;
    std::uint32_t alias = kHeader;

    bool operator==(const NamePlace&) const = default;
};

/// The sections of every script of a folder, found by any name they answer
/// to: their header's name and their aliases, without regard to case, ids
/// in any of their forms (see nameKey()).
///
/// Files are known by their path as given, made lexically normal; a file's
/// number stays the same while the index lives, also once it is removed.
class FolderIndex {
public:
    FolderIndex() = default;
    explicit FolderIndex(std::filesystem::path folder);

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

    /// Adds the file, or replaces what was known of it.
    void setFile(const std::filesystem::path& file, ScriptSummary summary);
    void removeFile(const std::filesystem::path& file);

    [[nodiscard]] bool holds(const std::filesystem::path& file) const;
    [[nodiscard]] std::size_t fileCount() const { return fileSlots_.size(); }
    [[nodiscard]] std::size_t sectionCount() const { return sectionCount_; }

    /// Every place that defines the name; none for a name defined nowhere.
    [[nodiscard]] std::span<const NamePlace> lookup(std::string_view name) const;

    /// The file numbers of the files the index holds, in the order they came.
    [[nodiscard]] std::vector<std::uint32_t> files() const;
    [[nodiscard]] const std::filesystem::path& filePath(std::uint32_t file) const;
    [[nodiscard]] const ScriptSummary& summary(std::uint32_t file) const;
    [[nodiscard]] const SectionEntry& section(const NamePlace& place) const;
    [[nodiscard]] const WrittenName& writtenName(const NamePlace& place) const;

    /// Calls `visit(key, places)` for every name the index holds.
    template <typename Visit>
    void forEachName(Visit visit) const
    {
        for (const auto& [key, places] : names_)
            visit(std::string_view(key), std::span<const NamePlace>(places));
    }

private:
    struct IndexedFile {
        std::filesystem::path path;
        ScriptSummary summary;
    };

    void addNames(std::uint32_t file);
    void removeNames(std::uint32_t file);
    void addName(std::string_view name, const NamePlace& place);

    std::filesystem::path folder_;
    std::vector<std::optional<IndexedFile>> files_;
    std::unordered_map<std::string, std::uint32_t> fileSlots_;
    std::unordered_map<std::string, std::vector<NamePlace>> names_;
    std::size_t sectionCount_ = 0;
};

} // namespace defwright
