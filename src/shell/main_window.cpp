#include "shell/main_window.h"

#include "files/file_commands.h"
#include "shell/about_dialog.h"
#include "shell/credits_window.h"
#include "shell/history_window.h"
#include "shell/menu_shortcut_filter.h"
#include "shell/program_icon.h"
#include "shell/script_pane.h"
#include "shell/splash_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTabWidget>

namespace defwright {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Defwright"));
    setWindowIcon(programIcon());
    createPages();
    createActions();
    createMenus();
    guardMenuShortcuts();
    fileCommands_ = new FileCommands(this, txtEdit_);
}

void MainWindow::Form_Load()
{
    // The NPC page's start state (frmcreate hidden) is set here, ahead of the splash.
    SplashWindow splash(this);
    splash.exec(); // returns once the splash has been clicked away
}

// Placeholder pages: the item and NPC pages land with the main window's layout.
void MainWindow::createPages()
{
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    txtEdit_ = new ScriptPane;
    txtEdit_->setObjectName(QStringLiteral("txtEdit"));
    txtnEdit_ = new ScriptPane;
    txtnEdit_->setObjectName(QStringLiteral("txtnEdit"));
    SSTab1_->addTab(new QWidget, QStringLiteral("Basic Item Defs"));
    SSTab1_->addTab(txtEdit_, QStringLiteral("Compiled Item Script"));
    SSTab1_->addTab(new QWidget, QStringLiteral("Basic NPC Defs"));
    SSTab1_->addTab(txtnEdit_, QStringLiteral("Compiled NPC Script"));
    setCentralWidget(SSTab1_);
}

void MainWindow::createActions()
{
    const auto action = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                               void (MainWindow::*slot)()) {
        auto* created = new QAction(caption, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    mnuNew_ = action("mnuNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::mnuNew_Click);
    mnuOpen_ = action("mnuOpen", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::mnuOpen_Click);
    mnuSave_ = action("mnuSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::mnuSave_Click);
    mnuSaveAs_ = action("mnuSaveAs", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_A),
                        &MainWindow::mnuSaveAs_Click);
    mnuExit_ = action("mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::mnuExit_Click);
    mnuAbout_ = action("mnuAbout", tr("A&bout"), {}, &MainWindow::mnuAbout_Click);
    mnuCredits_ = action("mnuCredits", tr("&Shout-outs"), {}, &MainWindow::mnuCredits_Click);
    mnuHistory_ = action("mnuHistory", tr("&History"), {}, &MainWindow::mnuHistory_Click);
}

void MainWindow::createMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    fileMenu->addAction(mnuNew_);
    fileMenu->addAction(mnuOpen_);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    fileMenu->addAction(mnuSave_);
    fileMenu->addAction(mnuSaveAs_);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    fileMenu->addAction(mnuExit_);

    QMenu* helpMenu = menuBar()->addMenu(tr("Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    helpMenu->addAction(mnuAbout_);
    helpMenu->addAction(mnuCredits_);
    helpMenu->addAction(mnuHistory_);
}

void MainWindow::guardMenuShortcuts()
{
    const QList<QKeySequence> sequences = {mnuNew_->shortcut(), mnuOpen_->shortcut(), mnuSave_->shortcut(),
                                           mnuSaveAs_->shortcut(), mnuExit_->shortcut()};
    qApp->installEventFilter(new MenuShortcutFilter(this, sequences));
}

void MainWindow::mnuNew_Click()
{
    fileCommands_->newScript();
}

void MainWindow::mnuOpen_Click()
{
    fileCommands_->open();
}

void MainWindow::mnuSave_Click()
{
    fileCommands_->save();
}

void MainWindow::mnuSaveAs_Click()
{
    fileCommands_->saveAs();
}

// Ends the program at once: nothing asks about unsaved script text.
void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::mnuAbout_Click()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::mnuCredits_Click()
{
    CreditsWindow credits(this);
    credits.exec();
}

void MainWindow::mnuHistory_Click()
{
    HistoryWindow history(this);
    history.exec();
}

} // namespace defwright
