#pragma once

#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "ui/shell/tied_fields.h"

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace defwright {

class FrontDocument;
class ItemFieldsPage;
class NpcFieldsPage;
class PaneDocument;
class ScriptPage;
class TabControl;

/// The Script menu: "Fields from Script" fills a page's fields from the
/// definition at the caret of its script pane and ties them to it, "Detach
/// Fields" ends the tie, "Add Definition" inserts an empty definition and
/// ties the emptied fields to it. Tied, a field change edits only its own
/// line of that definition.
class ScriptCommands : public QObject {
    Q_OBJECT

public:
    /// The window's pages that the commands read and fill.
    struct Pages {
        TabControl* tabs;
        ItemFieldsPage* itemFields;
        ScriptPage* itemScript;
        PaneDocument* itemDocument;
        NpcFieldsPage* npcFields;
        ScriptPage* npcScript;
        PaneDocument* npcDocument;
        const FrontDocument* front; ///< says which of the two scripts is read
    };

    ScriptCommands(QMainWindow* window, const Pages& pages);

    /// "&Script", to stand in the menu bar between File and Help.
    [[nodiscard]] QMenu* menu() const { return mnuScript_; }
    [[nodiscard]] QAction* fieldsFromScript() const { return mnuFieldsFromScript_; }

    /// While the fields are tied, edits their definition as they now say and
    /// returns true; untied, returns false and the pane is to be rebuilt.
    /// `goesOn`: the typing in a field goes on, its step is taken over.
    bool editTiedItem(bool goesOn);
    bool editTiedNpc(bool goesOn);

public slots:
    void mnuFieldsFromScript_Click();
    void mnuDetachFields_Click();
    void mnuAddDefinition_Click();

private:
    QAction* addAction(const char* name, const QString& caption);
    [[nodiscard]] bool itemInFront() const;
    void showFields(QWidget* fields, QWidget* first);
    void tellNoDefinition(const QString& kind) const;
    void enableDetach();

    QMainWindow* window_;
    Pages pages_;
    QMenu* mnuScript_;
    QAction* mnuFieldsFromScript_;
    QAction* mnuDetachFields_;
    QAction* mnuAddDefinition_;
    TiedFields<ItemKind, ItemFieldsPage> itemTie_;
    TiedFields<NpcKind, NpcFieldsPage> npcTie_;
};

} // namespace defwright
