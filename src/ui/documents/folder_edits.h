#pragma once

#include "core/script/text_edit.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace defwright {

class FrontDocument;
class StagedFiles;

/// One file's share of an edit across the scripts folder.
struct FileEdits {
    QString path;
    /// In the order of the text and apart (see joinedEdits()), their offsets into `basis`.
    std::vector<TextEdit> edits;
    /// The text the edits were planned on, as a pane holds it (UTF-8, the
    /// file's own line breaks): the file, or the document that holds it, must
    /// hold it still.
    std::shared_ptr<const std::string> basis;
};

/// What an edit across the folder did, or why it did nothing.
struct FolderEditOutcome {
    QString error;               ///< empty when it was done; else nothing changed, and it says which file stopped it
    std::vector<FileEdits> undo; ///< applied in turn, takes every file back
    std::vector<FileEdits> redo; ///< applied after `undo`, does it all again
    int documents = 0;           ///< files changed in the documents that hold them
    int written = 0;             ///< files rewritten on disk
    std::size_t places = 0;      ///< edits made
};

/// Makes edits in many files of the folder as one action, all or nothing. A
/// file open in a pane changes in its document, as one undo step there; any
/// other is read in its own format, changed and written back in that format,
/// through a new file put in place whole. Everything is checked and made
/// ready first: each file must hold still the text the edits were planned
/// on, each edit must fit it, each new text must be writable in the file's
/// encoding and written out beside its file; only then does any file change.
class FolderEdits : public QObject {
    Q_OBJECT

public:
    FolderEdits(const FrontDocument* front, QObject* parent);

    FolderEditOutcome apply(const std::vector<FileEdits>& files);

signals:
    /// A file no document holds was written anew; `text` is how a pane holds it.
    void fileWritten(const QString& path, const std::string& text);

private:
    struct Ready;

    [[nodiscard]] QString prepare(const FileEdits& file, std::vector<Ready>& ready, StagedFiles& staged) const;

    const FrontDocument* front_;
};

} // namespace defwright
