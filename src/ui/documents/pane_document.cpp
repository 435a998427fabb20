#include "ui/documents/pane_document.h"

#include "core/files/line_breaks.h"
#include "ui/documents/native_paths.h"
#include "ui/panes/script_pane.h"

#include <QFileInfo>

namespace defwright {

PaneDocument::PaneDocument(ScriptPane* pane, Role role, QObject* parent)
    : QObject(parent)
    , role_(role)
    , editor_(pane)
{
    editor_.useLineBreak(format_.lineBreak);
    // The pane tells of the document it shows.
    connect(pane, &ScriptPane::modificationChanged, this, [this] {
        if (isInFront())
            emit changed();
    });
}

QString PaneDocument::fileName() const
{
    return QFileInfo(filePath_).fileName();
}

void PaneDocument::startWithoutFile(const QString& script)
{
    useFile({});
    format_ = {};
    editor_.useLineBreak(format_.lineBreak);
    pane()->replaceScript(script);
    editor_.setSavePoint();
    emit changed();
}

void PaneDocument::open(const QString& path, const ScriptFormat& format, std::string_view paneText)
{
    format_ = format;
    editor_.useLineBreak(format_.lineBreak);
    editor_.load(paneText);
    useFile(path);
    emit changed();
    emit opened();
}

void PaneDocument::restoreText(std::string_view paneText, bool modified)
{
    if (modified)
        editor_.replaceText(paneText);
    else
        editor_.load(paneText);
    emit changed();
}

EncodedScript PaneDocument::encoded() const
{
    return encodeScript(editor_.bytes(), format_);
}

void PaneDocument::markSaved(const QString& path)
{
    useFile(path);
    editor_.setSavePoint();
    emit changed();
}

// A file gone from disk is not a changed one: saving puts it back, and loses nothing.
bool PaneDocument::fileChangedOnDisk() const
{
    const QFileInfo file(filePath_);
    if (filePath_.isEmpty() || stamp_.size < 0 || !file.isFile())
        return false;
    return file.size() != stamp_.size || file.lastModified() != stamp_.modified;
}

void PaneDocument::useFile(const QString& path)
{
    filePath_ = path;
    canonicalPath_ = path.isEmpty() ? QString() : canonicalPath(path);
    const QFileInfo file(path);
    const bool onDisk = !path.isEmpty() && file.isFile();
    stamp_ = {onDisk ? file.size() : -1, onDisk ? file.lastModified() : QDateTime()};
}

// The pane tells only of the document it shows; the others tell here.
void PaneDocument::applyEdits(std::span<const TextEdit> edits)
{
    editor_.applyEdits(edits);
    emit changed();
}

void PaneDocument::setEncoding(TextEncoding encoding)
{
    format_.encoding = encoding;
    emit changed();
}

// The text goes in whole, as one edit: converted line by line, a long script
// would take minutes to change and as long to undo. Each break stays one
// break, so the caret keeps its line and column and the view its first line.
void PaneDocument::convertLineBreaks(LineBreak lineBreak)
{
    editor_.useLineBreak(lineBreak);
    const std::string converted = withLineBreaks(editor_.bytes(), lineBreak);
    if (converted != editor_.bytes())
        editor_.replaceLineForLine(converted);
    format_.lineBreak = lineBreak;
    format_.mixedLineBreaks = false;
    emit changed();
}

} // namespace defwright
