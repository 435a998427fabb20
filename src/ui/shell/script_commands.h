#pragma once

#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "ui/binding/tied_fields.h"

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace defwright {

class DocumentTabs;
class FrontDocument;
class ItemFieldsPage;
class NpcFieldsPage;
class TabControl;

/// The Script menu: "Fields from Script" fills a page's fields from the
/// definition at the caret of the document in front and ties them to it,
/// "Detach Fields" ends the tie, "Add Definition" inserts an empty definition
/// and ties the emptied fields to it. Tied, a field change edits only its own
/// line of that definition, in that document, which comes to the front of
/// its pane.
class ScriptCommands : public QObject {
    Q_OBJECT

public:
    /// The window's pages that the commands read and fill.
    struct Pages {
        TabControl* tabs;
        ItemFieldsPage* itemFields;
        DocumentTabs* itemDocuments;
        NpcFieldsPage* npcFields;
        DocumentTabs* npcDocuments;
        const FrontDocument* front; ///< says which document is read
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

    /// Ties the fields of the pane's page again to the definition whose
    /// header is `line` (from 0) of the document in front of the pane, as a
    /// restart finds them; false when no definition of the kind begins there.
    bool tieAgain(const DocumentTabs* pane, int line);

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
