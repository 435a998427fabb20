#include "ui/shell/document_commands.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"

#include <QAction>
#include <QMainWindow>

namespace defwright {

DocumentCommands::DocumentCommands(QMainWindow* window, FrontDocument* front)
    : QObject(window)
    , window_(window)
    , front_(front)
    , mnuNextDocument_(action("mnuNextDocument", tr("Ne&xt Document"), QKeySequence(Qt::CTRL | Qt::Key_F6),
                              &DocumentCommands::mnuNextDocument_Click))
    , mnuPreviousDocument_(action("mnuPreviousDocument", tr("Pre&vious Document"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
                                  &DocumentCommands::mnuPreviousDocument_Click))
{
}

// Each entry's shortcut works wherever the focus is in the window.
QAction* DocumentCommands::action(const char* name, const QString& caption, const QKeySequence& shortcut,
                                 void (DocumentCommands::*slot)())
{
    auto* created = new QAction(caption, this);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcut(shortcut);
    window_->addAction(created);
    connect(created, &QAction::triggered, this, slot);
    return created;
}

QList<QKeySequence> DocumentCommands::shortcuts() const
{
    return {mnuNextDocument_->shortcut(), mnuPreviousDocument_->shortcut()};
}

void DocumentCommands::mnuNextDocument_Click()
{
    showNeighbour(1);
}

void DocumentCommands::mnuPreviousDocument_Click()
{
    showNeighbour(-1);
}

void DocumentCommands::showNeighbour(int step)
{
    front_->bringToFront(front_->tabs()->neighbour(step));
}

} // namespace defwright
