#include "ui/folder/definition_commands.h"

#include "core/index/definition_list.h"
#include "core/index/definition_name.h"
#include "core/index/script_summary.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/files/file_commands.h"
#include "ui/folder/name_at_focus.h"
#include "ui/index/definition_navigator.h"
#include "ui/index/definition_popup.h"
#include "ui/index/index_paths.h"
#include "ui/index/pane_text.h"
#include "ui/index/scripts_index.h"
#include "ui/panes/pane_caret.h"
#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>

namespace defwright {
namespace {

constexpr int kMessageTime = 8000;

std::filesystem::path indexedFile(const PaneDocument* document)
{
    return document->filePath().isEmpty() ? std::filesystem::path() : toPath(document->canonicalFilePath());
}

} // namespace

DefinitionCommands::DefinitionCommands(const Parts& parts, QMenu* scriptMenu)
    : QObject(parts.window)
    , parts_(parts)
    , navigator_(new DefinitionNavigator(
          parts.front, parts.item, parts.npc,
          [files = parts.files](DocumentTabs* pane, const QString& path) {
              return files->openFile(pane, path, FileCommands::Remember::No);
          },
          this))
{
    const auto action = [this, scriptMenu](const char* name, const QString& caption, const QKeySequence& shortcut,
                                           void (DefinitionCommands::*slot)()) {
        auto* created = new QAction(caption, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(shortcut);
        scriptMenu->addAction(created);
        parts_.window->addAction(created); // its key works wherever the focus is in the window
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    mnuGoToDefinition_ = action("mnuGoToDefinition", tr("&Go to Definition"), QKeySequence(Qt::Key_F12),
                                &DefinitionCommands::mnuGoToDefinition_Click);
    mnuDefinitionList_ = action("mnuDefinitionList", tr("Go to Definition by &Name..."),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &DefinitionCommands::mnuDefinitionList_Click);
    mnuGoBack_ = action("mnuGoBack", tr("Go &Back"), QKeySequence(Qt::ALT | Qt::Key_Left),
                        &DefinitionCommands::mnuGoBack_Click);
    mnuGoForward_ = action("mnuGoForward", tr("Go For&ward"), QKeySequence(Qt::ALT | Qt::Key_Right),
                           &DefinitionCommands::mnuGoForward_Click);
    for (const DocumentTabs* pane : {parts.item, parts.npc})
        pane->pane()->viewport()->installEventFilter(this);
}

QList<QKeySequence> DefinitionCommands::shortcuts() const
{
    return {mnuGoToDefinition_->shortcut(), mnuDefinitionList_->shortcut(), mnuGoBack_->shortcut(),
            mnuGoForward_->shortcut()};
}

void DefinitionCommands::mnuGoToDefinition_Click()
{
    goToDefinition(nameAtFocus(parts_.window, parts_.front));
}

void DefinitionCommands::goToDefinition(const NameAtFocus& lookup)
{
    if (lookup.name.isEmpty()) {
        parts_.statusBar->showMessage(tr("No name at the caret to look up"), kMessageTime);
        return;
    }
    waitForIndex(parts_.index);
    const std::vector<DefinitionHit> hits = withWaitCursor([this, &lookup] {
        return findDefinitions(lookup.name.toStdString(), summarizeScript(paneText(lookup.from->pane())),
                               indexedFile(lookup.from), parts_.index->index());
    });
    if (hits.empty()) {
        parts_.statusBar->showMessage(parts_.index->folder().isEmpty()
                                          ? tr("No definition of %1 in this script, and no scripts folder is known")
                                                .arg(lookup.name)
                                          : tr("No definition of %1 in the scripts folder").arg(lookup.name),
                                      kMessageTime);
        return;
    }
    const DefinitionHit* hit = hits.size() == 1 ? &hits.front() : chooseHit(hits, lookup.from);
    if (hit == nullptr)
        return;
    navigator_->open(*hit, lookup.from);
    if (!hit->loaded)
        parts_.statusBar->showMessage(tr("%1 is defined in %2, which the server does not load")
                                          .arg(lookup.name, QDir::toNativeSeparators(toQString(hit->file))),
                                      kMessageTime);
}

// A small menu at the caret: arrows, Enter and Escape work as in any menu.
const DefinitionHit* DefinitionCommands::chooseHit(const std::vector<DefinitionHit>& hits, PaneDocument* from) const
{
    QMenu menu(parts_.window);
    menu.setObjectName(QStringLiteral("mnuDefinitionMatches"));
    menu.setAccessibleName(tr("Definitions"));
    for (std::size_t i = 0; i < hits.size(); ++i)
        menu.addAction(QString::fromStdString(hits[i].shown))->setData(static_cast<qulonglong>(i));
    menu.setActiveAction(menu.actions().constFirst());
    const ScriptPane* pane = from->pane();
    const QPoint below = caretPoint(*pane) + QPoint(0, pane->fontMetrics().height());
    const QAction* chosen = menu.exec(pane->viewport()->mapToGlobal(below));
    return chosen == nullptr ? nullptr : &hits[chosen->data().toULongLong()];
}

void DefinitionCommands::mnuGoBack_Click()
{
    if (!navigator_->goBack())
        parts_.statusBar->showMessage(tr("No place to go back to"), kMessageTime);
}

void DefinitionCommands::mnuGoForward_Click()
{
    if (!navigator_->goForward())
        parts_.statusBar->showMessage(tr("No place to go forward to"), kMessageTime);
}

void DefinitionCommands::openPlace(const DefinitionHit& hit)
{
    navigator_->open(hit, parts_.front->document());
}

// The sections of the document in front first, then every other file of the folder.
void DefinitionCommands::mnuDefinitionList_Click()
{
    PaneDocument* from = parts_.front->document();
    waitForIndex(parts_.index);
    DefinitionList list = withWaitCursor([this, from] {
        DefinitionList made;
        const QString shownName = from->filePath().isEmpty() ? tr("this script") : QFileInfo(from->filePath()).fileName();
        made.addFile(indexedFile(from), shownName.toStdString(), summarizeScript(paneText(from->pane())));
        return made;
    });
    const std::size_t paneRows = list.size();
    withWaitCursor([this, &list, from] { list.addIndex(parts_.index->index(), indexedFile(from)); });
    auto* popup = new DefinitionPopup(std::move(list), paneRows, from->pane());
    connect(popup, &DefinitionPopup::chosen, this, [this, from](const DefinitionHit& hit) { navigator_->open(hit, from); });
    popup->show();
}

// Ctrl and a click on a name: Go to Definition of that name.
bool DefinitionCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::ControlModifier)
        return false;
    for (DocumentTabs* documents : {parts_.item, parts_.npc}) {
        ScriptPane* pane = documents->pane();
        if (watched != pane->viewport())
            continue;
        if (!placeCaretAt(*pane, mouse->position().toPoint()))
            return false;
        pane->setFocus(Qt::MouseFocusReason);
        goToDefinition({nameAtCaret(*pane), documents->front()});
        return true;
    }
    return false;
}

} // namespace defwright
