#pragma once

#include "core/table/definition_table.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace defwright {

class FolderIndex;
class FrontDocument;
class PaneDocument;

/// The scripts a table is read from, by the table's file numbers: the files
/// the server loads, each as its document holds it when one is open, else as
/// the index last read it. The texts are shared with the index, not copied.
struct TableSources {
    std::vector<std::string> shown; ///< relative to the folder, "/" between parts, UTF-8: as the table names them
    QStringList paths;              ///< as the window opens them
    std::vector<std::shared_ptr<const std::string>> texts;
    std::vector<std::uint32_t> indexFiles; ///< each file's number in the index
    /// The index's text of each when it was taken: once the index holds
    /// another, the file may have changed.
    std::vector<std::shared_ptr<const std::string>> indexTexts;

    [[nodiscard]] std::size_t size() const { return texts.size(); }
    [[nodiscard]] std::vector<TableFile> tableFiles() const;
    [[nodiscard]] std::vector<std::string_view> textViews() const;
};

/// The open documents of files, by their canonical paths.
[[nodiscard]] QHash<QString, PaneDocument*> fileDocuments(const FrontDocument& front);

/// The loaded scripts of the index, in the order the server loads them.
[[nodiscard]] TableSources gatherSources(const FolderIndex& index, const FrontDocument& front);

/// Whether the index no longer loads the same files as the sources.
[[nodiscard]] bool loadsOtherFiles(const FolderIndex& index, const TableSources& sources);

} // namespace defwright
