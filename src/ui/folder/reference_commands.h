#pragma once

#include "core/index/reference_search.h"
#include "ui/folder/script_window_parts.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace defwright {

class ReferencesWindow;
class ScriptsIndex;

/// Find All References (Shift+F12): every place of the scripts folder that
/// names the definition at the caret, or at a field box's cursor, by any of
/// its names, in a window of its own; a place chosen there opens as a jump,
/// so Go Back returns.
class ReferenceCommands : public QObject {
    Q_OBJECT

public:
    struct Parts : ScriptWindowParts {
        ScriptsIndex* index;
    };
    /// Opens a file of the folder at a line (from 0), as a jump.
    using OpenPlace = std::function<void(const QString& file, int line)>;

    ReferenceCommands(const Parts& parts, OpenPlace openPlace, QMenu* scriptMenu);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;

public slots:
    void mnuFindReferences_Click();

private:
    [[nodiscard]] std::vector<ReferenceHit> referencesOf(const std::string& name) const;

    Parts parts_;
    OpenPlace openPlace_;
    QAction* mnuFindReferences_;
    ReferencesWindow* window_ = nullptr;
};

} // namespace defwright
