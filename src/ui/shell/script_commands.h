#pragma once

#include "core/script/definition_reader.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace defwright {

class ItemFieldsPage;
class NpcFieldsPage;
class ScriptPage;
class TabControl;

/// The Script menu: "Fields from Script" reads the definition at the caret of a
/// script pane back into that pane's fields, and rebuilds the pane from them.
class ScriptCommands : public QObject {
    Q_OBJECT

public:
    /// The window's pages that the command reads and fills.
    struct Pages {
        TabControl* tabs;
        ItemFieldsPage* itemFields;
        ScriptPage* itemScript;
        NpcFieldsPage* npcFields;
        ScriptPage* npcScript;
    };

    ScriptCommands(QMainWindow* window, const Pages& pages);

    /// "&Script", to stand in the menu bar between File and Help.
    [[nodiscard]] QMenu* menu() const { return mnuScript_; }
    [[nodiscard]] QAction* fieldsFromScript() const { return mnuFieldsFromScript_; }

public slots:
    void mnuFieldsFromScript_Click();

private:
    void rememberPane(QWidget* now);
    [[nodiscard]] bool itemPaneChosen() const;

    template <typename Reading, typename FieldsPage>
    void fill(const std::optional<Reading>& reading, FieldsPage* fields, const QString& kind);

    void tellNoDefinition(const QString& kind) const;
    [[nodiscard]] bool confirmUnheld(const std::vector<UnheldLine>& unheld) const;

    QMainWindow* window_;
    Pages pages_;
    QMenu* mnuScript_;
    QAction* mnuFieldsFromScript_;
    // The focus moves on while the window is being destroyed, after its
    // pages: a dialog's box gives it up then. These tell that the panes are gone.
    QPointer<const QWidget> itemPane_;
    QPointer<const QWidget> npcPane_;
    std::optional<bool> itemPaneLast_; // which pane last had the focus, if one has had it
};

} // namespace defwright
