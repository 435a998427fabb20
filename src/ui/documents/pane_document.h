#pragma once

#include "core/files/script_bytes.h"
#include "ui/panes/editor_document.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace defwright {

class ScriptPane;

/// One script open in a pane: its text (an editor document of its own, with
/// its undo history, save point and view), the file it was last opened from
/// or saved to, and that file's format. Each pane holds the form's own
/// script, the one the fields write, first; the others are files.
class PaneDocument : public QObject {
    Q_OBJECT

public:
    enum class Role { FormScript, File };

    /// What is known of the file as the document last read or wrote it.
    struct FileStamp {
        qint64 size = -1;
        QDateTime modified;
    };

    PaneDocument(ScriptPane* pane, Role role, QObject* parent);

    [[nodiscard]] ScriptPane* pane() const { return editor_.pane(); }
    [[nodiscard]] EditorDocument& editor() { return editor_; }
    [[nodiscard]] const EditorDocument& editor() const { return editor_; }
    [[nodiscard]] bool isFormScript() const { return role_ == Role::FormScript; }
    /// Whether its pane shows it.
    [[nodiscard]] bool isInFront() const { return editor_.isShown(); }

    /// Empty while the document has no file.
    [[nodiscard]] const QString& filePath() const { return filePath_; }
    /// The file's name without its folder; empty while there is no file.
    [[nodiscard]] QString fileName() const;
    /// The file as the system finds it, to tell whether two paths are one file.
    [[nodiscard]] const QString& canonicalFilePath() const { return canonicalPath_; }
    [[nodiscard]] const ScriptFormat& format() const { return format_; }
    [[nodiscard]] bool isModified() const { return editor_.isModified(); }
    [[nodiscard]] const FileStamp& fileStamp() const { return stamp_; }

    /// File > New, in front: the document forgets its file and holds
    /// `script`, in CR LF, as one undoable edit.
    void startWithoutFile(const QString& script);

    /// Holds a file's text, line breaks as they came, as the text it starts
    /// from: nothing to undo, nothing modified.
    void open(const QString& path, const ScriptFormat& format, std::string_view paneText);

    /// A text kept from the last run back in the document: one undoable edit
    /// over what it holds when `modified`, else the text it starts from.
    void restoreText(std::string_view paneText, bool modified);

    /// The text as the bytes of a file in the document's format.
    [[nodiscard]] EncodedScript encoded() const;

    /// The text is now what the file at `path` holds.
    void markSaved(const QString& path);

    /// Whether the file is on disk but not as the document last read or wrote
    /// it, as when another program or a version control tool wrote it since.
    [[nodiscard]] bool fileChangedOnDisk() const;

    /// Makes the edits (in the order of the text, apart, their offsets into
    /// the text as it is) as one undo step, whether the pane shows it or not.
    void applyEdits(std::span<const TextEdit> edits);

    /// Changes how the next save writes the text, never the text.
    void setEncoding(TextEncoding encoding);

    /// In front: makes every line break of the text `lineBreak`, as one
    /// undoable edit, and the document's break from now on.
    void convertLineBreaks(LineBreak lineBreak);

signals:
    /// The file, its format or whether the text differs from it changed.
    void changed();
    /// A file's text was put into the document.
    void opened();

private:
    void useFile(const QString& path);

    Role role_;
    EditorDocument editor_;
    QString filePath_;
    QString canonicalPath_;
    ScriptFormat format_;
    FileStamp stamp_;
};

} // namespace defwright
