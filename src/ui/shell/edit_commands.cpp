#include "ui/shell/edit_commands.h"

#include "ui/panes/script_page.h"
#include "ui/widgets/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <utility>

namespace defwright {

EditCommands::EditCommands(QWidget* window, TabControl* tabs, QList<ScriptTab> scripts)
    : QObject(window)
    , window_(window)
    , tabs_(tabs)
    , scripts_(std::move(scripts))
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
    const QWidget* focused = QApplication::focusWidget();
    const int front = tabs_->currentIndex();
    auto target = std::find_if(scripts_.cbegin(), scripts_.cend(),
                               [focused](const ScriptTab& script) { return script.page->isAncestorOf(focused); });
    if (target == scripts_.cend()) {
        target = std::find_if(scripts_.cbegin(), scripts_.cend(), [front](const ScriptTab& script) {
            return script.scriptTab == front || script.fieldsTab == front;
        });
    }
    const ScriptTab& script = target != scripts_.cend() ? *target : scripts_.constFirst();
    tabs_->setCurrentIndex(script.scriptTab);
    return script.page->findBar();
}

} // namespace defwright
