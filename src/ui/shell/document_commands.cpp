#include "ui/shell/document_commands.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/files/file_commands.h"

#include <QAction>
#include <QMainWindow>

namespace defwright {

DocumentCommands::DocumentCommands(QMainWindow* window, FrontDocument* front, FileCommands* files)
    : QObject(window)
    , window_(window)
    , front_(front)
    , files_(files)
    , mnuClose_(action("mnuClose", tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &DocumentCommands::mnuClose_Click))
    , mnuNextDocument_(action("mnuNextDocument", tr("Ne&xt Document"), QKeySequence(Qt::CTRL | Qt::Key_F6),
                              &DocumentCommands::mnuNextDocument_Click))
    , mnuPreviousDocument_(action("mnuPreviousDocument", tr("Pre&vious Document"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
                                  &DocumentCommands::mnuPreviousDocument_Click))
{
    for (DocumentTabs* pane : front->panes())
        connect(pane, &DocumentTabs::closeRequested, files, &FileCommands::close);
    connect(front, &FrontDocument::frontChanged, this, &DocumentCommands::enableClose);
    enableClose();
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
    return {mnuClose_->shortcut(), mnuNextDocument_->shortcut(), mnuPreviousDocument_->shortcut()};
}

void DocumentCommands::mnuClose_Click()
{
    files_->close(front_->document());
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

void DocumentCommands::enableClose()
{
    mnuClose_->setEnabled(!front_->document()->isFormScript());
}

} // namespace defwright
