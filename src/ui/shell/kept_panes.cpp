#include "ui/shell/kept_panes.h"

#include "ui/files/native_paths.h"
#include "ui/files/script_file.h"
#include "ui/panes/pane_document.h"
#include "ui/panes/script_pane.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <string_view>

namespace defwright {
namespace {

// Far wider than any script line is drawn; a kept offset beyond it is garbage.
constexpr std::uint64_t kMostXOffset = 1 << 20;

QString tr(const char* text)
{
    return QCoreApplication::translate("KeptPanes", text);
}

std::optional<KeptFileStamp> stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return std::nullopt;
    return KeptFileStamp{static_cast<std::uint64_t>(info.size()),
                         static_cast<std::uint64_t>(info.lastModified().toMSecsSinceEpoch())};
}

KeptView viewOf(const ScriptPane* pane)
{
    const auto get = [pane](unsigned int message) {
        return static_cast<std::uint64_t>(std::max(0L, pane->SendScintilla(message)));
    };
    return {get(ScriptPane::SCI_GETCURRENTPOS), get(ScriptPane::SCI_GETANCHOR),
            get(ScriptPane::SCI_GETFIRSTVISIBLELINE), get(ScriptPane::SCI_GETXOFFSET)};
}

// A kept position in a text that may have changed: inside it, on a character.
unsigned long placeIn(ScriptPane* pane, std::uint64_t position)
{
    const auto length = static_cast<std::uint64_t>(pane->SendScintilla(ScriptPane::SCI_GETLENGTH));
    const auto inside = static_cast<unsigned long>(std::min(position, length));
    if (inside == 0)
        return 0;
    const long before = pane->SendScintilla(ScriptPane::SCI_POSITIONBEFORE, inside);
    return static_cast<unsigned long>(pane->SendScintilla(ScriptPane::SCI_POSITIONAFTER, before));
}

void showView(ScriptPane* pane, const KeptView& view)
{
    const auto limited = [](std::uint64_t value, std::uint64_t most) {
        return static_cast<unsigned long>(std::min(value, most));
    };
    const auto caret = static_cast<long>(placeIn(pane, view.caret));
    pane->SendScintilla(ScriptPane::SCI_SETSEL, placeIn(pane, view.anchor), caret);
    pane->SendScintilla(ScriptPane::SCI_SETFIRSTVISIBLELINE, limited(view.firstLine, INT_MAX));
    pane->SendScintilla(ScriptPane::SCI_SETXOFFSET, limited(view.xOffset, kMostXOffset));
}

QString changedOnDisk(const QString& path, const std::optional<KeptFileStamp>& kept)
{
    if (path.isEmpty() || !kept)
        return {};
    const QString name = shownPath(path);
    if (!QFileInfo(path).isFile())
        return tr("%1 is no longer on disk; its pane keeps the unsaved text.").arg(name);
    if (stampOf(path) != kept)
        return tr("%1 changed on disk since; its pane keeps the unsaved text, and Ctrl+Z there shows the file.")
            .arg(name);
    return {};
}

} // namespace

std::optional<KeptPane> keptPane(const PaneDocument& document)
{
    const std::string_view text = document.pane()->bytes();
    const QString path = document.filePath();
    if (path.isEmpty() && text.empty())
        return std::nullopt;
    KeptPane kept;
    kept.name = document.recentKey().toStdString();
    kept.filePath = path.toStdString();
    kept.modified = document.isModified();
    if (kept.modified || path.isEmpty()) {
        kept.text = std::string(text);
        kept.format = document.format();
    }
    kept.fileStamp = stampOf(path);
    kept.view = viewOf(document.pane());
    return kept;
}

QString restorePane(PaneDocument* document, const KeptPane& kept)
{
    const QString path = QString::fromStdString(kept.filePath);
    ScriptFile::Contents file;
    if (!path.isEmpty())
        file = ScriptFile(path).read();
    if (!kept.text) {
        if (path.isEmpty())
            return {};
        if (!file.error.isEmpty())
            return tr("%1 could not be opened again: %2").arg(shownPath(path), file.error);
        document->open(path, file.format, file.script);
        showView(document->pane(), kept.view);
        return {};
    }
    ScriptPane* pane = document->pane();
    document->open(path, kept.format, kept.modified ? file.script : std::string());
    pane->SendScintilla(ScriptPane::SCI_EMPTYUNDOBUFFER);
    pane->replacePaneText(*kept.text);
    if (!kept.modified) { // a pane without a file, as File > New left it
        pane->setModified(false);
        pane->SendScintilla(ScriptPane::SCI_EMPTYUNDOBUFFER);
    }
    showView(pane, kept.view);
    return changedOnDisk(path, kept.fileStamp);
}

} // namespace defwright
