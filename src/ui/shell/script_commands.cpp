#include "ui/shell/script_commands.h"

#include "core/items/item_tables.h"
#include "core/npcs/npc_tables.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace defwright {

ScriptCommands::ScriptCommands(QMainWindow* window, const Pages& pages)
    : QObject(window)
    , window_(window)
    , pages_(pages)
    , mnuScript_(new QMenu(tr("&Script"), window->menuBar()))
    , mnuFieldsFromScript_(addAction("mnuFieldsFromScript", tr("&Fields from Script")))
    , mnuDetachFields_(addAction("mnuDetachFields", tr("&Detach Fields")))
    , mnuAddDefinition_(addAction("mnuAddDefinition", tr("&Add Definition")))
    , itemTie_(pages.itemFields, pages.itemDocuments, this)
    , npcTie_(pages.npcFields, pages.npcDocuments, this)
{
    mnuScript_->setObjectName(QStringLiteral("mnuScript"));
    mnuFieldsFromScript_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    window->addAction(mnuFieldsFromScript_); // its shortcut works wherever the focus is in the window
    connect(mnuFieldsFromScript_, &QAction::triggered, this, &ScriptCommands::mnuFieldsFromScript_Click);
    connect(mnuDetachFields_, &QAction::triggered, this, &ScriptCommands::mnuDetachFields_Click);
    connect(mnuAddDefinition_, &QAction::triggered, this, &ScriptCommands::mnuAddDefinition_Click);
    for (const DocumentTabs* pane : {pages.itemDocuments, pages.npcDocuments})
        connect(pane->tie(), &DefinitionTie::changed, this, &ScriptCommands::enableDetach);
    connect(pages.front, &FrontDocument::frontChanged, this, &ScriptCommands::enableDetach);
    enableDetach();
}

QAction* ScriptCommands::addAction(const char* name, const QString& caption)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    mnuScript_->addAction(action);
    return action;
}

bool ScriptCommands::editTiedItem(bool goesOn)
{
    return itemTie_.applyFieldChanges(goesOn);
}

bool ScriptCommands::editTiedNpc(bool goesOn)
{
    return npcTie_.applyFieldChanges(goesOn);
}

bool ScriptCommands::tieAgain(const DocumentTabs* pane, int line)
{
    const auto start = static_cast<std::size_t>(pane->pane()->positionFromLineIndex(line, 0));
    return pane == pages_.itemDocuments ? itemTie_.tieToHeader(start) : npcTie_.tieToHeader(start);
}

// Nothing is rewritten, so nothing is lost and there is nothing to ask.
void ScriptCommands::mnuFieldsFromScript_Click()
{
    if (itemInFront()) {
        if (withWaitCursor([this] { return itemTie_.tieToCaret(); }))
            showFields(pages_.itemFields, pages_.itemFields->focusOrder().constFirst());
        else
            tellNoDefinition(toQString(kItemHeaderCaption));
        return;
    }
    if (withWaitCursor([this] { return npcTie_.tieToCaret(); })) {
        pages_.npcFields->showBasicFrame();
        showFields(pages_.npcFields, pages_.npcFields->focusOrder().constFirst());
    } else {
        tellNoDefinition(toQString(kNpcHeaderCaption));
    }
}

void ScriptCommands::mnuDetachFields_Click()
{
    pages_.front->tabs()->tie()->end();
}

void ScriptCommands::mnuAddDefinition_Click()
{
    if (itemInFront()) {
        itemTie_.addDefinition();
        showFields(pages_.itemFields, pages_.itemFields->focusOrder().constFirst());
        return;
    }
    npcTie_.addDefinition();
    pages_.npcFields->showBasicFrame();
    showFields(pages_.npcFields, pages_.npcFields->focusOrder().constFirst());
}

bool ScriptCommands::itemInFront() const
{
    return pages_.front->tabs() == pages_.itemDocuments;
}

void ScriptCommands::showFields(QWidget* fields, QWidget* first)
{
    pages_.tabs->setCurrentIndex(pages_.tabs->indexOf(fields));
    first->setFocus(Qt::OtherFocusReason);
}

void ScriptCommands::tellNoDefinition(const QString& kind) const
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Defwright"),
                    tr("The caret is not in a definition that begins with %1.\n\n"
                       "Put the caret into one and choose Fields from Script again.")
                        .arg(kind),
                    QMessageBox::Ok, window_);
    box.exec();
}

void ScriptCommands::enableDetach()
{
    mnuDetachFields_->setEnabled(pages_.front->tabs()->tie()->isTied());
}

} // namespace defwright
