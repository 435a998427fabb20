#pragma once

#include "core/script/definition_text.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

namespace defwright {

class EditorDocument;
class ScriptPane;

/// The definition a pane's fields stand for while they are tied to it, in
/// one of the pane's documents. A marker on its header line, shown in the
/// margin while that document is, moves with the line when lines are added
/// or removed above it; the tie ends when that line is no longer a header of
/// its kind, so deleting the header ends it. What is asked of the header and
/// edited through the tie is asked of the pane while it shows the document.
class DefinitionTie : public QObject {
    Q_OBJECT

public:
    DefinitionTie(ScriptPane* pane, const DefinitionKind& kind, QObject* parent);

    [[nodiscard]] bool isTied() const { return marker_ >= 0; }
    /// The document of the definition; none while untied.
    [[nodiscard]] EditorDocument* document() const { return document_; }
    [[nodiscard]] ScriptPane* pane() const { return pane_; }

    /// Where the tied header line begins; only while tied.
    [[nodiscard]] std::size_t headerStart() const;
    /// Its number, from 0; -1 while untied.
    [[nodiscard]] int headerLine() const { return line_; }
    /// Its "[...]" as the script writes it, such as "[ITEMDEF 0f5e]".
    [[nodiscard]] const QString& header() const { return header_; }

    /// Ties to the header line that begins at `headerStart` in the document
    /// the pane shows, ending any other tie.
    void tieTo(std::size_t headerStart);
    void end();

    /// Runs the fields' own edits of the pane, which are not hand edits.
    void editPane(const std::function<void()>& edits);

signals:
    /// Tied, ended, or the header moved or changed.
    void changed();
    /// The pane's text changed while tied, and not by editPane(): an edit by hand, an undo.
    void paneEdited();

private:
    [[nodiscard]] bool isShown() const;
    void noteDeletion(int position, int modification, const char* text, int length);
    void checkHeader();
    [[nodiscard]] bool readHeader();
    void showMarginSymbol();

    ScriptPane* pane_;
    DefinitionKind kind_;
    EditorDocument* document_ = nullptr;
    int marker_ = -1;
    int line_ = -1;
    QString header_;
    bool editing_ = false;
    bool headerDeleted_ = false;
};

} // namespace defwright
