#include "ui/panes/pane_document.h"

#include "core/files/line_breaks.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/script_pane.h"

#include <QFileInfo>

#include <utility>

namespace defwright {

// A child of its pane: it goes when the pane goes.
PaneDocument::PaneDocument(ScriptPane* pane, QString recentKey, QString recentNote,
                           const DefinitionKind& definitions)
    : QObject(pane)
    , pane_(pane)
    , recentKey_(std::move(recentKey))
    , recentNote_(std::move(recentNote))
    , tie_(new DefinitionTie(pane, definitions, this))
{
    pane_->useLineBreak(format_.lineBreak);
    connect(pane_, &ScriptPane::modificationChanged, this, &PaneDocument::changed);
}

bool PaneDocument::isModified() const
{
    return pane_->isModified();
}

void PaneDocument::startWithoutFile(const QString& script)
{
    tie_->end();
    filePath_.clear();
    noteFileOnDisk();
    format_ = {};
    pane_->useLineBreak(format_.lineBreak);
    pane_->replaceScript(script);
    pane_->setModified(false);
    emit changed();
}

void PaneDocument::open(const QString& path, const ScriptFormat& format, std::string_view paneText)
{
    tie_->end();
    filePath_ = path;
    noteFileOnDisk();
    format_ = format;
    pane_->useLineBreak(format_.lineBreak);
    pane_->replacePaneText(paneText);
    pane_->setModified(false);
    emit changed();
    emit opened();
}

EncodedScript PaneDocument::encoded() const
{
    return encodeScript(paneText(), format_);
}

void PaneDocument::markSaved(const QString& path)
{
    filePath_ = path;
    noteFileOnDisk();
    pane_->setModified(false);
    emit changed();
}

// A file gone from disk is not a changed one: saving puts it back, and loses nothing.
bool PaneDocument::fileChangedOnDisk() const
{
    const QFileInfo file(filePath_);
    if (filePath_.isEmpty() || fileSize_ < 0 || !file.isFile())
        return false;
    return file.size() != fileSize_ || file.lastModified() != fileModified_;
}

void PaneDocument::noteFileOnDisk()
{
    const QFileInfo file(filePath_);
    const bool onDisk = !filePath_.isEmpty() && file.isFile();
    fileSize_ = onDisk ? file.size() : -1;
    fileModified_ = onDisk ? file.lastModified() : QDateTime();
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
    pane_->useLineBreak(lineBreak);
    const std::string converted = withLineBreaks(paneText(), lineBreak);
    if (converted != paneText()) {
        const long caret = pane_->SendScintilla(ScriptPane::SCI_GETCURRENTPOS);
        const long line = pane_->SendScintilla(ScriptPane::SCI_LINEFROMPOSITION, caret);
        const long column = pane_->SendScintilla(ScriptPane::SCI_GETCOLUMN, caret);
        const long firstShown = pane_->SendScintilla(ScriptPane::SCI_GETFIRSTVISIBLELINE);
        pane_->replacePaneText(converted);
        pane_->SendScintilla(ScriptPane::SCI_GOTOPOS, pane_->SendScintilla(ScriptPane::SCI_FINDCOLUMN, line, column));
        pane_->SendScintilla(ScriptPane::SCI_SETFIRSTVISIBLELINE, firstShown);
    }
    format_.lineBreak = lineBreak;
    format_.mixedLineBreaks = false;
    emit changed();
}

// The editor's own bytes, without a copy; valid until the next edit.
std::string_view PaneDocument::paneText() const
{
    return pane_->bytes();
}

} // namespace defwright
