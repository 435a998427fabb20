#include "ui/help/help_commands.h"

#include "ui/help/about_dialog.h"
#include "ui/help/credits_window.h"
#include "ui/help/history_window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace defwright {

HelpCommands::HelpCommands(QMainWindow* window)
    : QObject(window)
    , window_(window)
    , mnuHelp_(new QMenu(tr("&Help"), window))
{
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    const auto add = [this](const char* name, const QString& caption, void (HelpCommands::*slot)()) {
        QAction* action = mnuHelp_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
    };
    add("mnuAbout", tr("A&bout"), &HelpCommands::mnuAbout_Click);
    add("mnuCredits", tr("&Shout-outs"), &HelpCommands::mnuCredits_Click);
    add("mnuHistory", tr("&History"), &HelpCommands::mnuHistory_Click);
}

void HelpCommands::mnuAbout_Click()
{
    AboutDialog about(window_);
    about.exec();
}

void HelpCommands::mnuCredits_Click()
{
    CreditsWindow credits(window_);
    credits.exec();
}

void HelpCommands::mnuHistory_Click()
{
    HistoryWindow history(window_);
    history.exec();
}

} // namespace defwright
