#include "ui/shell/main_window.h"

#include "core/items/item_layout.h"
#include "core/items/item_script.h"
#include "core/items/item_tables.h"
#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_script.h"
#include "core/npcs/npc_tables.h"
#include "core/script/script_text.h"
#include "ui/files/file_commands.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/front_document.h"
#include "ui/panes/pane_document.h"
#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/edit_commands.h"
#include "ui/shell/field_typing_undo.h"
#include "ui/shell/folder_commands.h"
#include "ui/shell/help_commands.h"
#include "ui/shell/menu_shortcut_filter.h"
#include "ui/shell/program_icon.h"
#include "ui/shell/script_commands.h"
#include "ui/shell/script_page_layouts.h"
#include "ui/shell/script_status_bar.h"
#include "ui/shell/session_keeper.h"
#include "ui/shell/splash_window.h"
#include "ui/shell/view_commands.h"
#include "ui/widgets/focus_marker.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

namespace defwright {

namespace {

constexpr int kClientWidth = 9300;
constexpr int kClientHeight = 7845;
constexpr TwipsRect kTabControl{120, 120, 9135, 7695};
constexpr int kTabRows = 2;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Defwright"));
    setFont(windowFont(Typeface::Verdana, 8.25));
    setWindowIcon(programIcon());
    createPages();
    createDocuments();
    setFocusOrder();
    new FocusMarker(this);
    connectPages();
    fileCommands_ = new FileCommands(this, front_, itemDocument_);
    scriptCommands_ = new ScriptCommands(
        this, {SSTab1_, itemFields_, itemScript_, itemDocument_, npcFields_, npcScript_, npcDocument_, front_});
    editCommands_ = new EditCommands(this, front_);
    sessionKeeper_ = new SessionKeeper({this, itemFields_, npcFields_, front_->documents(), fileCommands_});
    viewCommands_ = new ViewCommands(this, SSTab1_, pixelSize(kClientWidth, kClientHeight), {itemScript_, npcScript_});
    helpCommands_ = new HelpCommands(this);
    createActions();
    createMenus();
    folderCommands_ = new FolderCommands({this, front_, itemDocument_, npcDocument_, fileCommands_, statusBar_},
                                         scriptCommands_->menu());
    guardMenuShortcuts();
    typingUndo_ = new FieldTypingUndo(this, {itemFields_, npcFields_}, {itemScript_->pane(), npcScript_->pane()});
    placeWindow();
}

// The status bar and the Script menu go first: while the pages go, the tabs
// still report changes, and neither must read what has gone.
MainWindow::~MainWindow()
{
    delete statusBar_;
    delete scriptCommands_;
}

void MainWindow::Form_Load()
{
    npcFields_->hideCreateFrame();
    SplashWindow splash(this);
    splash.exec(); // returns once the splash has been clicked away
    sessionKeeper_->restore();
}

void MainWindow::openItemScript(const QString& path)
{
    fileCommands_->openFile(itemDocument_, path);
}

// Every page is laid out in the window's own twips; the pages' corner is where
// the tab control puts them.
void MainWindow::createPages()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    SSTab1_ = new TabControl(client);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->setGeometry(pixelRect(kTabControl));
    const TwipsPoint offset = TabControl::pageOffset(kTabRows);
    const TwipsPoint corner{kTabControl.x + offset.x, kTabControl.y + offset.y};

    itemFields_ = new ItemFieldsPage(corner);
    itemScript_ = new ScriptPage(kItemScriptPage, corner);
    npcFields_ = new NpcFieldsPage(corner);
    npcScript_ = new ScriptPage(kNpcScriptPage, corner);
    SSTab1_->addPage(itemFields_, tr("Basic Item Defs"));
    SSTab1_->addPage(itemScript_, tr("Compiled Item Script"));
    SSTab1_->addPage(npcFields_, tr("Basic NPC Defs"));
    SSTab1_->addPage(npcScript_, tr("Compiled NPC Script"));
}

void MainWindow::createDocuments()
{
    itemDocument_ = new PaneDocument(itemScript_->pane(), QStringLiteral("item"), QString(), itemLayout().kind);
    npcDocument_ = new PaneDocument(npcScript_->pane(), QStringLiteral("npc"), tr("NPC script"), npcLayout().kind);
    front_ = new FrontDocument(SSTab1_, {{0, 1, itemScript_, itemDocument_}, {2, 3, npcScript_, npcDocument_}}, this);
    statusBar_ = new ScriptStatusBar(front_, this);
    setStatusBar(statusBar_);
}

// The tab control first, then each page's controls in their own order; Tab
// skips what is not shown, so each page is visited on its own.
void MainWindow::setFocusOrder()
{
    QWidgetList order = {SSTab1_};
    order.append(itemFields_->focusOrder());
    order.append(itemScript_->focusOrder());
    order.append(npcFields_->focusOrder());
    order.append(npcScript_->focusOrder());
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectPages()
{
    connect(itemFields_, &ItemFieldsPage::fieldChanged, this, &MainWindow::rebuildItemScript);
    connect(itemFields_, &ItemFieldsPage::basicFieldEntered, this, &MainWindow::txtBasic_GotFocus);
    connect(itemScript_, &ScriptPage::triggerClicked, this, &MainWindow::cmdtriggers_Click);
    connect(npcFields_, &NpcFieldsPage::fieldChanged, this, &MainWindow::rebuildNpcScript);
    connect(npcScript_, &ScriptPage::triggerClicked, this, &MainWindow::cmdntriggers_Click);
}

// The window opens at its design size, with the menu bar above the client area
// and the status bar below it; what a larger one does is the View menu's.
void MainWindow::placeWindow()
{
    const int bars = menuBar()->sizeHint().height() + statusBar_->sizeHint().height();
    resize(pixelSize(kClientWidth, kClientHeight) + QSize(0, bars));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().topLeft());
}

// Fields tied to a definition edit its lines instead.
void MainWindow::rebuildItemScript()
{
    if (itemDocument_->tie()->isTied()) {
        typingUndo_->edit(itemScript_->pane(), [this](bool goesOn) { scriptCommands_->editTiedItem(goesOn); });
        return;
    }
    typingUndo_->rebuild(itemScript_->pane(), toQString(itemScript(itemFields_->record())));
}

// Tied, the shortened script would replace the file the definition stands in.
void MainWindow::txtBasic_GotFocus()
{
    if (itemDocument_->tie()->isTied())
        return;
    itemScript_->pane()->replaceScript(toQString(itemFocusScript(itemFields_->record())));
}

void MainWindow::cmdtriggers_Click(int index)
{
    itemScript_->pane()->insertScript(toQString(triggerBlock(kItemTriggers[index])));
}

void MainWindow::rebuildNpcScript()
{
    if (npcDocument_->tie()->isTied()) {
        typingUndo_->edit(npcScript_->pane(), [this](bool goesOn) { scriptCommands_->editTiedNpc(goesOn); });
        return;
    }
    typingUndo_->rebuild(npcScript_->pane(), toQString(npcScript(npcFields_->record())));
}

void MainWindow::cmdntriggers_Click(int index)
{
    npcScript_->pane()->insertScript(toQString(triggerBlock(kNpcTriggers[index])));
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
    mnuOpenNpc_ = action("mnuOpenNpc", tr("Open &NPC Script..."), {}, &MainWindow::mnuOpenNpc_Click);
    mnuSaveNpcAs_ = action("mnuSaveNpcAs", tr("Save NPC Script &As..."), {}, &MainWindow::mnuSaveNpcAs_Click);
    mnuExit_ = action("mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::mnuExit_Click);
}

void MainWindow::createMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    fileMenu->addAction(mnuNew_);
    fileMenu->addAction(mnuOpen_);
    QMenu* recentMenu = fileMenu->addMenu(tr("Open &Recent"));
    recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    fileCommands_->showRecentFilesIn(recentMenu);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    fileMenu->addAction(mnuSave_);
    fileMenu->addAction(mnuSaveAs_);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepNpc"));
    fileMenu->addAction(mnuOpenNpc_);
    fileMenu->addAction(mnuSaveNpcAs_);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    fileMenu->addAction(mnuExit_);

    editCommands_->addMenu(menuBar());
    menuBar()->addMenu(viewCommands_->menu());
    menuBar()->addMenu(scriptCommands_->menu());
    menuBar()->addMenu(helpCommands_->menu());
}

void MainWindow::guardMenuShortcuts()
{
    QList<QKeySequence> sequences = {mnuNew_->shortcut(), mnuOpen_->shortcut(), mnuSave_->shortcut(),
                                     mnuSaveAs_->shortcut(), mnuExit_->shortcut(),
                                     scriptCommands_->fieldsFromScript()->shortcut()};
    sequences.append(editCommands_->shortcuts());
    sequences.append(viewCommands_->shortcuts());
    sequences.append(folderCommands_->shortcuts());
    qApp->installEventFilter(new MenuShortcutFilter(this, sequences));
}

void MainWindow::mnuNew_Click()
{
    fileCommands_->newScript(itemDocument_);
}

void MainWindow::mnuOpen_Click()
{
    fileCommands_->open(itemDocument_);
}

void MainWindow::mnuSave_Click()
{
    fileCommands_->save();
}

void MainWindow::mnuSaveAs_Click()
{
    fileCommands_->saveAs(itemDocument_);
}

void MainWindow::mnuOpenNpc_Click()
{
    fileCommands_->open(npcDocument_);
}

void MainWindow::mnuSaveNpcAs_Click()
{
    fileCommands_->saveAs(npcDocument_);
}

// Ends the program at once: nothing asks about unsaved script text, which
// the session keeper keeps as the window closes.
void MainWindow::mnuExit_Click()
{
    close();
}

} // namespace defwright
