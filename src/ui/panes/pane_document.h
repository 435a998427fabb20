#pragma once

#include "core/files/script_bytes.h"
#include "core/script/definition_text.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <string_view>

namespace defwright {

class DefinitionTie;
class ScriptPane;

/// What belongs to the text of one script pane besides the text: the file it
/// was last opened from or saved to, that file's format, and whether the pane
/// differs from it (the editor's own save point), and the definition the
/// fields are tied to. The pane holds the text.
class PaneDocument : public QObject {
    Q_OBJECT

public:
    /// @param recentKey how the recent files remember this pane ("item", "npc")
    /// @param recentNote what the recent files menu adds to its files, if anything
    /// @param definitions the kind of definition the pane's fields stand for
    PaneDocument(ScriptPane* pane, QString recentKey, QString recentNote, const DefinitionKind& definitions);

    [[nodiscard]] ScriptPane* pane() const { return pane_; }
    [[nodiscard]] const QString& recentKey() const { return recentKey_; }
    [[nodiscard]] const QString& recentNote() const { return recentNote_; }
    [[nodiscard]] DefinitionTie* tie() const { return tie_; }

    /// Empty while the pane has no file.
    [[nodiscard]] const QString& filePath() const { return filePath_; }
    [[nodiscard]] const ScriptFormat& format() const { return format_; }
    [[nodiscard]] bool isModified() const;

    /// File > New: the pane forgets its file and its tie, and holds `script`, in CR LF.
    void startWithoutFile(const QString& script);

    /// The pane holds a file's text, as one undoable edit, line breaks as they
    /// came; the fields are no longer tied.
    void open(const QString& path, const ScriptFormat& format, std::string_view paneText);

    /// The pane's text as the bytes of a file in the document's format.
    [[nodiscard]] EncodedScript encoded() const;

    /// The pane's text is now what the file at `path` holds.
    void markSaved(const QString& path);

    /// Whether the file is on disk but not as the pane last read or wrote it,
    /// as when another program or a version control tool wrote it since.
    [[nodiscard]] bool fileChangedOnDisk() const;

    /// Changes how the next save writes the text, never the text.
    void setEncoding(TextEncoding encoding);

    /// Makes every line break of the pane `lineBreak`, as one undoable edit,
    /// and the pane's break from now on.
    void convertLineBreaks(LineBreak lineBreak);

signals:
    /// The file, its format or whether the pane differs from it changed.
    void changed();
    /// A file was opened into the pane.
    void opened();

private:
    [[nodiscard]] std::string_view paneText() const;
    void noteFileOnDisk();

    ScriptPane* pane_;
    QString recentKey_;
    QString recentNote_;
    QString filePath_;
    ScriptFormat format_;
    qint64 fileSize_ = -1;
    QDateTime fileModified_;
    DefinitionTie* tie_;
};

} // namespace defwright
