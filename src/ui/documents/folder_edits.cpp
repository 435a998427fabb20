#include "ui/documents/folder_edits.h"

#include "core/definitions/edit_list.h"
#include "core/files/script_bytes.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/documents/script_file.h"
#include "ui/documents/staged_files.h"

#include <QSet>

namespace defwright {
namespace {

bool insideCharacter(std::string_view text, std::size_t at)
{
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// Edits that overlap, run past the text or cut a character in two would
// make a text nobody planned.
bool fits(std::string_view text, const std::vector<TextEdit>& edits)
{
    std::size_t from = 0;
    for (const TextEdit& edit : edits) {
        if (edit.start < from || edit.end < edit.start || edit.end > text.size() || insideCharacter(text, edit.start)
            || insideCharacter(text, edit.end))
            return false;
        from = edit.end;
    }
    return true;
}

FolderEditOutcome refused(const QString& error)
{
    FolderEditOutcome outcome;
    outcome.error = error;
    return outcome;
}

} // namespace

// A file made ready: its document and the edits to make there, or its new bytes staged.
struct FolderEdits::Ready {
    PaneDocument* document = nullptr;
    QString path;
    std::vector<TextEdit> edits;
    std::shared_ptr<const std::string> before;
    std::shared_ptr<const std::string> after;
};

FolderEdits::FolderEdits(const FrontDocument* front, QObject* parent)
    : QObject(parent)
    , front_(front)
{
}

FolderEditOutcome FolderEdits::apply(const std::vector<FileEdits>& files)
{
    std::vector<Ready> ready;
    StagedFiles staged;
    QSet<QString> seen;
    for (const FileEdits& file : files) {
        if (file.edits.empty())
            continue;
        const QString canonical = canonicalPath(file.path);
        if (seen.contains(canonical))
            return refused(tr("%1 is given twice, so nothing was changed.").arg(shownPath(file.path)));
        seen.insert(canonical);
        if (const QString error = prepare(file, ready, staged); !error.isEmpty())
            return refused(error);
    }
    if (const QString error = staged.commit(); !error.isEmpty())
        return refused(error);
    FolderEditOutcome outcome;
    for (Ready& one : ready) {
        if (one.document != nullptr) {
            one.document->applyEdits(one.edits);
            ++outcome.documents;
        } else {
            emit fileWritten(one.path, *one.after);
            ++outcome.written;
        }
        outcome.places += one.edits.size();
        outcome.undo.push_back({one.path, inverseEdits(*one.before, one.edits), one.after});
        outcome.redo.push_back({one.path, std::move(one.edits), one.before});
    }
    return outcome;
}

// What the file holds now must be what the edits were planned on: a file
// changed since, by another program or by hand, is never written over.
QString FolderEdits::prepare(const FileEdits& file, std::vector<Ready>& ready, StagedFiles& staged) const
{
    const QString shown = shownPath(file.path);
    PaneDocument* document = front_->documentOf(file.path);
    ScriptFile::Contents contents;
    if (document == nullptr) {
        contents = ScriptFile(file.path).read();
        if (!contents.error.isEmpty())
            return tr("Could not read %1: %2").arg(shown, contents.error);
    }
    const std::string_view now = document != nullptr ? document->editor().bytes() : std::string_view(contents.script);
    if (file.basis == nullptr || now != *file.basis)
        return tr("%1 has changed since it was read, so nothing was changed.").arg(shown);
    if (!fits(now, file.edits))
        return tr("The changes do not fit the text of %1, so nothing was changed.").arg(shown);
    auto after = std::make_shared<const std::string>(applyEdits(now, file.edits));
    if (document == nullptr) {
        const EncodedScript encoded = encodeScript(*after, contents.format);
        if (encoded.unencodable > 0)
            return tr("%1 is written in Windows-1252, which lacks %2 of the characters the change puts in, so "
                      "nothing was changed.")
                .arg(shown)
                .arg(encoded.unencodable);
        const QString error = staged.stage(file.path, encoded.bytes, encodeScript(now, contents.format).bytes);
        if (!error.isEmpty())
            return error;
    }
    ready.push_back({document, file.path, file.edits, file.basis, std::move(after)});
    return {};
}

} // namespace defwright
