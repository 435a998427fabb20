#pragma once

#include "core/script/text_edit.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QUndoStack;

namespace defwright {

class DefinitionTableModel;
class FolderEdits;
class FrontDocument;
class ScriptsIndex;
struct FolderEditOutcome;

/// The edits the table planned in one of its files, on the text it read.
struct PlannedFile {
    std::uint32_t file = 0; ///< the table's number of the file
    std::vector<TextEdit> edits;
};

/// Writes the table's actions through the folder's edits, all or nothing,
/// keeps them on the table's own undo stack, and takes whole actions back
/// and forth across files. The table reads each file again from what was
/// written, and the index hears of the documents changed out of sight.
class TableWriter : public QObject {
    Q_OBJECT

public:
    struct Parts {
        DefinitionTableModel* model;
        FolderEdits* edits;
        const FrontDocument* front;
        ScriptsIndex* index;
    };

    TableWriter(const Parts& parts, QObject* parent);

    [[nodiscard]] QUndoStack* stack() const { return stack_; }

    /// Returns false when nothing was written, which is told.
    bool write(std::vector<PlannedFile> files, const QString& caption);
    void undo();
    void redo();

signals:
    /// What the bar is to say.
    void told(const QString& message);

private:
    void follow(const FolderEditOutcome& outcome);

    Parts parts_;
    QUndoStack* stack_;
};

} // namespace defwright
