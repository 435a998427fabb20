#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace defwright {

class FolderEdits;
class FrontDocument;
class ScriptsIndex;
class TableWindow;

/// Script > Definitions Table: the table of the scripts folder's
/// definitions, a window made the first time it is asked for and kept.
class TableCommands : public QObject {
    Q_OBJECT

public:
    /// Opens a definition as Go to Definition does: its file and header line, from 0.
    using OpenPlace = std::function<void(const QString& file, int line)>;

    struct Parts {
        QWidget* window;
        ScriptsIndex* index;
        FolderEdits* edits;
        FrontDocument* front;
        OpenPlace openPlace;
    };

    TableCommands(const Parts& parts, QMenu* scriptMenu);

    /// None until the table is first shown.
    [[nodiscard]] TableWindow* tableWindow() const { return table_; }

public slots:
    void mnuDefinitionsTable_Click();

private:
    Parts parts_;
    TableWindow* table_ = nullptr;
};

} // namespace defwright
