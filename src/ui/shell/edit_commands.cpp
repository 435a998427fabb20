#include "ui/shell/edit_commands.h"

#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/panes/script_page.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace defwright {

EditCommands::EditCommands(QWidget* window, const FrontDocument* front)
    : QObject(window)
    , window_(window)
    , front_(front)
{
    action("mnuFind", tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), &EditCommands::mnuFind_Click);
    action("mnuFindNext", tr("Find &Next"), QKeySequence(Qt::Key_F3), &EditCommands::mnuFindNext_Click);
    action("mnuFindPrevious", tr("Find &Previous"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
           &EditCommands::mnuFindPrevious_Click);
    action("mnuReplace", tr("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_H), &EditCommands::mnuReplace_Click);
    action("mnuGoToLine", tr("&Go to Line..."), QKeySequence(Qt::CTRL | Qt::Key_G),
           &EditCommands::mnuGoToLine_Click);
}

QAction* EditCommands::action(const char* name, const QString& caption, const QKeySequence& shortcut,
                              void (EditCommands::*slot)())
{
    auto* created = new QAction(caption, window_);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcut(shortcut);
    connect(created, &QAction::triggered, this, slot);
    actions_.append(created);
    return created;
}

void EditCommands::addMenu(QMenuBar* menuBar) const
{
    QMenu* menu = menuBar->addMenu(tr("&Edit"));
    menu->setObjectName(QStringLiteral("mnuEdit"));
    menu->addActions({actions_[0], actions_[1], actions_[2]});
    menu->addSeparator();
    menu->addAction(actions_[3]);
    menu->addSeparator();
    menu->addAction(actions_[4]);
}

QList<QKeySequence> EditCommands::shortcuts() const
{
    QList<QKeySequence> sequences;
    for (const QAction* action : actions_)
        sequences.append(action->shortcut());
    return sequences;
}

void EditCommands::mnuFind_Click()
{
    targetBar()->open(FindBar::Mode::Find);
}

void EditCommands::mnuFindNext_Click()
{
    targetBar()->findNext();
}

void EditCommands::mnuFindPrevious_Click()
{
    targetBar()->findPrevious();
}

void EditCommands::mnuReplace_Click()
{
    targetBar()->open(FindBar::Mode::Replace);
}

void EditCommands::mnuGoToLine_Click()
{
    targetBar()->open(FindBar::Mode::GoToLine);
}

FindBar* EditCommands::targetBar() const
{
    ScriptPage* page = front_->page();
    front_->bringToFront(front_->document());
    return page->findBar();
}

} // namespace defwright
