#include "ui/table/table_sources.h"

#include "core/index/folder_index.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/index/index_paths.h"

#include <algorithm>

namespace defwright {
namespace {

std::vector<std::uint32_t> loadedFiles(const FolderIndex& index)
{
    std::vector<std::uint32_t> files = index.files();
    std::erase_if(files, [&index](std::uint32_t file) { return !index.isLoaded(file); });
    std::sort(files.begin(), files.end(),
              [&index](std::uint32_t a, std::uint32_t b) { return *index.loadPlace(a) < *index.loadPlace(b); });
    return files;
}

} // namespace

std::vector<TableFile> TableSources::tableFiles() const
{
    std::vector<TableFile> files;
    files.reserve(texts.size());
    for (std::size_t file = 0; file < texts.size(); ++file)
        files.push_back({shown[file], *texts[file]});
    return files;
}

std::vector<std::string_view> TableSources::textViews() const
{
    std::vector<std::string_view> views;
    views.reserve(texts.size());
    for (const std::shared_ptr<const std::string>& text : texts)
        views.emplace_back(*text);
    return views;
}

QHash<QString, PaneDocument*> fileDocuments(const FrontDocument& front)
{
    QHash<QString, PaneDocument*> documents;
    for (PaneDocument* document : front.documents()) {
        if (!document->canonicalFilePath().isEmpty())
            documents.insert(document->canonicalFilePath(), document);
    }
    return documents;
}

TableSources gatherSources(const FolderIndex& index, const FrontDocument& front)
{
    const QHash<QString, PaneDocument*> documents = fileDocuments(front);
    TableSources sources;
    for (const std::uint32_t file : loadedFiles(index)) {
        const QString path = toQString(index.filePath(file));
        std::shared_ptr<const std::string> indexed = index.summary(file).text;
        if (!indexed)
            indexed = std::make_shared<const std::string>();
        const PaneDocument* document = documents.value(path);
        sources.shown.push_back(index.shownPath(file));
        sources.paths.append(path);
        sources.texts.push_back(document ? std::make_shared<const std::string>(document->editor().bytes()) : indexed);
        sources.indexFiles.push_back(file);
        sources.indexTexts.push_back(std::move(indexed));
    }
    return sources;
}

bool loadsOtherFiles(const FolderIndex& index, const TableSources& sources)
{
    return loadedFiles(index) != sources.indexFiles;
}

} // namespace defwright
