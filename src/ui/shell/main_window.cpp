#include "ui/shell/main_window.h"

#include "core/items/item_layout.h"
#include "core/items/item_script.h"
#include "core/items/item_tables.h"
#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_script.h"
#include "core/npcs/npc_tables.h"
#include "core/script/script_text.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/files/file_commands.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "ui/panes/definition_tie.h"
#include "ui/panes/script_page.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/document_commands.h"
#include "ui/shell/edit_commands.h"
#include "ui/binding/field_typing_undo.h"
#include "ui/folder/folder_commands.h"
#include "ui/help/help_commands.h"
#include "ui/index/vocabulary_source.h"
#include "ui/language/language_commands.h"
#include "ui/inspector/inspector_command.h"
#include "ui/shell/menu_shortcut_filter.h"
#include "ui/widgets/program_icon.h"
#include "ui/shell/script_commands.h"
#include "ui/shell/script_page_layouts.h"
#include "ui/shell/script_status_bar.h"
#include "ui/session/session_keeper.h"
#include "ui/help/splash_window.h"
#include "ui/shell/view_commands.h"
#include "ui/table/table_commands.h"
#include "ui/widgets/focus_marker.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

namespace defwright {

namespace {

constexpr int kClientWidth = 9300;
constexpr int kClientHeight = 7845;
constexpr TwipsRect kTabControl{120, 120, 9135, 7695};
constexpr int kTabRows = 2;
constexpr QLatin1StringView kGeometry("window/geometry");

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
    fileCommands_ = new FileCommands(this, front_, {itemDocuments_, npcDocuments_});
    documentCommands_ = new DocumentCommands(this, front_);
    scriptCommands_ = new ScriptCommands(this, {SSTab1_, itemFields_, itemDocuments_, npcFields_, npcDocuments_, front_});
    editCommands_ = new EditCommands(this, front_);
    viewCommands_ = new ViewCommands(this, SSTab1_, pixelSize(kClientWidth, kClientHeight), {itemScript_, npcScript_});
    helpCommands_ = new HelpCommands(this);
    createMenus();
    folderCommands_ = new FolderCommands({this, front_, itemDocuments_, npcDocuments_, fileCommands_, statusBar_},
                                         scriptCommands_->menu());
    // The panes' checks and the inspector take the folder's words from one source.
    const auto* vocabulary = new VocabularySource(folderCommands_->scriptsIndex(), this);
    languageCommands_ = new LanguageCommands({this, front_, itemDocuments_, npcDocuments_, statusBar_,
                                              scriptCommands_->menu(), vocabulary});
    inspectorCommand_ = new InspectorCommand(this, front_, vocabulary, scriptCommands_->menu());
    new TableCommands({this, folderCommands_->scriptsIndex(), folderCommands_->folderEdits(), front_,
                       [this](const QString& file, int line) { folderCommands_->openPlace(file, line); }},
                      scriptCommands_->menu());
    const TieAgain tieAgain = [this](const DocumentTabs& pane, int line) {
        return scriptCommands_->tieAgain(&pane, line);
    };
    sessionKeeper_ = new SessionKeeper({this, itemFields_, npcFields_, front_, tieAgain});
    guardMenuShortcuts();
    typingUndo_ = new FieldTypingUndo(this, {itemFields_, npcFields_}, {itemScript_->pane(), npcScript_->pane()});
    connect(front_, &FrontDocument::frontChanged, this, &MainWindow::showCaption);
    connect(front_, &FrontDocument::documentChanged, this, &MainWindow::showCaption);
    placeWindow();
}

// While the pages go, the tabs still report changes, and nothing may read
// what has gone: the news of the document in front stop first.
MainWindow::~MainWindow()
{
    disconnect(front_, nullptr, nullptr, nullptr);
    delete statusBar_;
    delete scriptCommands_;
}

void MainWindow::Form_Load()
{
    npcFields_->hideCreateFrame();
    SplashWindow splash(this);
    splash.exec(); // returns once the splash has been clicked away
    loaded_ = true;
    restoreGeometry(QSettings().value(kGeometry).toByteArray());
    inspectorCommand_->restore();
    sessionKeeper_->restore();
}

void MainWindow::openItemScript(const QString& path)
{
    fileCommands_->openFile(itemDocuments_, path);
}

// Only a window that ran the load step is the program's own: the others,
// made and gone within a run, leave the settings alone.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (loaded_)
        QSettings().setValue(kGeometry, saveGeometry());
    QMainWindow::closeEvent(event);
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
    itemDocuments_ = new DocumentTabs(itemScript_, {QStringLiteral("item"), QString(), tr("Item Fields")},
                                      itemLayout().kind, this);
    npcDocuments_ = new DocumentTabs(npcScript_, {QStringLiteral("npc"), tr("NPC script"), tr("NPC Fields")},
                                     npcLayout().kind, this);
    front_ = new FrontDocument(SSTab1_, {{0, 1, itemDocuments_}, {2, 3, npcDocuments_}}, this);
    statusBar_ = new ScriptStatusBar(front_, this);
    setStatusBar(statusBar_);
}

// The caption names the file of the document in front, if it has one.
void MainWindow::showCaption()
{
    const QString path = front_->document()->filePath();
    setWindowTitle(path.isEmpty() ? QStringLiteral("Defwright") : QStringLiteral("File : ") + shownPath(path));
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

// Fields tied to a definition edit its lines instead. Untied, they write the
// form's own script, never a file's, and bring it to the front of its pane.
void MainWindow::rebuildItemScript()
{
    if (itemDocuments_->tie()->isTied()) {
        typingUndo_->edit(itemScript_->pane(), [this](bool goesOn) { scriptCommands_->editTiedItem(goesOn); });
        return;
    }
    itemDocuments_->bringToFront(itemDocuments_->form());
    typingUndo_->rebuild(itemScript_->pane(), toQString(itemScript(itemFields_->record())));
}

// Tied, the shortened script would replace the definition's.
void MainWindow::txtBasic_GotFocus()
{
    if (itemDocuments_->tie()->isTied())
        return;
    itemDocuments_->bringToFront(itemDocuments_->form());
    itemScript_->pane()->replaceScript(toQString(itemFocusScript(itemFields_->record())));
}

void MainWindow::cmdtriggers_Click(int index)
{
    itemDocuments_->bringToFront(itemDocuments_->form());
    itemScript_->pane()->insertScript(toQString(triggerBlock(kItemTriggers[index])));
}

void MainWindow::rebuildNpcScript()
{
    if (npcDocuments_->tie()->isTied()) {
        typingUndo_->edit(npcScript_->pane(), [this](bool goesOn) { scriptCommands_->editTiedNpc(goesOn); });
        return;
    }
    npcDocuments_->bringToFront(npcDocuments_->form());
    typingUndo_->rebuild(npcScript_->pane(), toQString(npcScript(npcFields_->record())));
}

void MainWindow::cmdntriggers_Click(int index)
{
    npcDocuments_->bringToFront(npcDocuments_->form());
    npcScript_->pane()->insertScript(toQString(triggerBlock(kNpcTriggers[index])));
}

void MainWindow::createMenus()
{
    fileCommands_->addMenu(menuBar());
    editCommands_->addMenu(menuBar());
    viewCommands_->menu()->addSeparator();
    viewCommands_->menu()->addActions(documentCommands_->switchActions());
    menuBar()->addMenu(viewCommands_->menu());
    menuBar()->addMenu(scriptCommands_->menu());
    menuBar()->addMenu(helpCommands_->menu());
}

void MainWindow::guardMenuShortcuts()
{
    QList<QKeySequence> sequences = {scriptCommands_->fieldsFromScript()->shortcut()};
    sequences.append(fileCommands_->shortcuts());
    sequences.append(editCommands_->shortcuts());
    sequences.append(viewCommands_->shortcuts());
    sequences.append(folderCommands_->shortcuts());
    sequences.append(languageCommands_->shortcuts());
    sequences.append(documentCommands_->shortcuts());
    sequences.append(inspectorCommand_->shortcuts());
    qApp->installEventFilter(new MenuShortcutFilter(this, sequences));
}

} // namespace defwright
