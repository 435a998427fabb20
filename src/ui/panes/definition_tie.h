#pragma once

#include "core/script/definition_text.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

namespace defwright {

class ScriptPane;

/// The definition a pane's fields stand for while they are tied to it. A
/// marker on its header line, shown in the margin, moves with the line when
/// lines are added or removed above it; the tie ends when that line is no
/// longer a header of its kind, so deleting the header ends it.
class DefinitionTie : public QObject {
    Q_OBJECT

public:
    DefinitionTie(ScriptPane* pane, const DefinitionKind& kind, QObject* parent);

    [[nodiscard]] bool isTied() const { return marker_ >= 0; }

    /// Where the tied header line begins; only while tied.
    [[nodiscard]] std::size_t headerStart() const;
    /// Its number, from 0; -1 while untied.
    [[nodiscard]] int headerLine() const { return line_; }
    /// Its "[...]" as the script writes it, such as "[ITEMDEF 0f5e]".
    [[nodiscard]] const QString& header() const { return header_; }

    /// Ties to the header line that begins at `headerStart`, ending any other tie.
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
    void noteDeletion(int position, int modification, const char* text, int length);
    void checkHeader();
    [[nodiscard]] bool readHeader();
    void showMarginSymbol(bool shown);

    ScriptPane* pane_;
    DefinitionKind kind_;
    int marker_ = -1;
    int line_ = -1;
    QString header_;
    bool editing_ = false;
    bool headerDeleted_ = false;
};

} // namespace defwright
