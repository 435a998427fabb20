#include "ui/session/kept_documents.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/documents/script_file.h"
#include "ui/panes/definition_tie.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <limits>
#include <string_view>

namespace defwright {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("KeptDocuments", text);
}

std::optional<KeptFileStamp> stampOf(const PaneDocument::FileStamp& stamp)
{
    if (stamp.size < 0)
        return std::nullopt;
    return KeptFileStamp{static_cast<std::uint64_t>(stamp.size),
                         static_cast<std::uint64_t>(stamp.modified.toMSecsSinceEpoch())};
}

KeptView keptView(const PaneView& view)
{
    const auto kept = [](long value) { return static_cast<std::uint64_t>(std::max(0L, value)); };
    return {kept(view.caret), kept(view.anchor), kept(view.firstLine), kept(view.xOffset)};
}

PaneView paneView(const KeptView& view)
{
    const auto shown = [](std::uint64_t value) {
        return static_cast<long>(std::min<std::uint64_t>(value, std::numeric_limits<long>::max()));
    };
    return {shown(view.caret), shown(view.anchor), shown(view.firstLine), shown(view.xOffset)};
}

KeptDocument keptDocument(const PaneDocument& document, const DefinitionTie& tie)
{
    KeptDocument kept;
    kept.formScript = document.isFormScript();
    kept.filePath = document.filePath().toStdString();
    kept.modified = document.isModified();
    if (kept.modified || document.filePath().isEmpty()) {
        kept.text = std::string(document.editor().bytes());
        kept.format = document.format();
    }
    kept.fileStamp = stampOf(document.fileStamp());
    kept.view = keptView(document.editor().view());
    if (tie.isTied() && tie.document() == &document.editor())
        kept.tie = KeptTie{static_cast<std::uint64_t>(tie.headerLine()), tie.header().toStdString()};
    return kept;
}

QString changedOnDisk(const QString& path, const std::optional<KeptFileStamp>& kept)
{
    if (path.isEmpty() || !kept)
        return {};
    const QFileInfo file(path);
    if (!file.isFile())
        return tr("%1 is no longer on disk; its document keeps the unsaved text.").arg(shownPath(path));
    const KeptFileStamp now{static_cast<std::uint64_t>(file.size()),
                            static_cast<std::uint64_t>(file.lastModified().toMSecsSinceEpoch())};
    if (now != *kept)
        return tr("%1 changed on disk since; its document keeps the unsaved text, and Ctrl+Z there shows the file.")
            .arg(shownPath(path));
    return {};
}

// The document, opened as its file is now, or none when a file's cannot be
// read again (`note` says why) or is open already.
PaneDocument* restoreDocument(const FrontDocument& front, DocumentTabs* pane, const KeptDocument& kept, QString& note)
{
    const QString path = QString::fromStdString(kept.filePath);
    if (!kept.formScript && (path.isEmpty() || front.documentOf(path) != nullptr))
        return nullptr;
    ScriptFile::Contents file;
    if (!path.isEmpty())
        file = ScriptFile(path).read();
    const bool read = !path.isEmpty() && file.error.isEmpty();
    if (!kept.text && !read) {
        if (!path.isEmpty())
            note = tr("%1 could not be opened again: %2").arg(shownPath(path), file.error);
        return kept.formScript ? pane->form() : nullptr;
    }
    const ScriptFormat& format = kept.text ? kept.format : file.format;
    const std::string_view base = read && (kept.modified || !kept.text) ? std::string_view(file.script) : "";
    PaneDocument* document = kept.formScript ? pane->form() : pane->open(path, format, base);
    if (kept.formScript)
        document->open(path, format, base);
    if (kept.text)
        document->restoreText(*kept.text, kept.modified);
    document->editor().setView(paneView(kept.view));
    if (kept.text)
        note = changedOnDisk(path, kept.fileStamp);
    return document;
}

// Tied again only to the same header on the same line: else the fields no
// longer say what the definition says, and the scripter is told.
QString tieAgain(DocumentTabs* pane, PaneDocument* document, const KeptTie& kept, const TieAgain& tie)
{
    pane->bringToFront(document);
    const QString header = QString::fromStdString(kept.header);
    const auto line = static_cast<int>(std::min<std::uint64_t>(kept.line, INT_MAX));
    if (tie(*pane, line) && pane->tie()->header() == header)
        return {};
    pane->tie()->end();
    return tr("The fields are no longer tied: %1 is not on line %2 of %3 any more.")
        .arg(header)
        .arg(line + 1)
        .arg(document->filePath().isEmpty() ? pane->names().formName : document->fileName());
}

} // namespace

KeptPane keptPane(const DocumentTabs& pane)
{
    KeptPane kept;
    kept.name = pane.names().key.toStdString();
    for (const PaneDocument* document : pane.documents()) {
        if (document == pane.front())
            kept.front = kept.documents.size();
        kept.documents.push_back(keptDocument(*document, *pane.tie()));
    }
    return kept;
}

QStringList restorePane(const FrontDocument& front, DocumentTabs* pane, const KeptPane& kept, const TieAgain& tie)
{
    QStringList notes;
    QList<PaneDocument*> restored;
    for (const KeptDocument& document : kept.documents) {
        QString note;
        PaneDocument* made = restoreDocument(front, pane, document, note);
        if (!note.isEmpty())
            notes << note;
        if (made != nullptr && document.tie)
            notes << tieAgain(pane, made, *document.tie, tie);
        restored.append(made);
    }
    if (kept.front < static_cast<std::uint64_t>(restored.size()) && restored[static_cast<qsizetype>(kept.front)])
        pane->bringToFront(restored[static_cast<qsizetype>(kept.front)]);
    notes.removeAll(QString());
    return notes;
}

} // namespace defwright
