#include "ui/folder/reference_commands.h"

#include "ui/folder/name_at_focus.h"
#include "ui/folder/references_window.h"
#include "ui/index/scripts_index.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

constexpr int kMessageTime = 8000;

} // namespace

ReferenceCommands::ReferenceCommands(const Parts& parts, OpenPlace openPlace, QMenu* scriptMenu)
    : QObject(parts.window)
    , parts_(parts)
    , openPlace_(std::move(openPlace))
    , mnuFindReferences_(new QAction(tr("Find All &References"), this))
{
    mnuFindReferences_->setObjectName(QStringLiteral("mnuFindReferences"));
    mnuFindReferences_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    scriptMenu->addAction(mnuFindReferences_);
    parts.window->addAction(mnuFindReferences_); // its key works wherever the focus is in the window
    connect(mnuFindReferences_, &QAction::triggered, this, &ReferenceCommands::mnuFindReferences_Click);
}

QList<QKeySequence> ReferenceCommands::shortcuts() const
{
    return {mnuFindReferences_->shortcut()};
}

// The definition the name stands for: of several, the first the server loads
// that is not a part of another; a name defined nowhere is looked for as it is.
std::vector<ReferenceHit> ReferenceCommands::referencesOf(const std::string& name) const
{
    const FolderIndex& index = parts_.index->index();
    const std::span<const NamePlace> places = index.lookup(name);
    if (places.empty())
        return findReferences(index, name);
    const auto chosen = std::find_if(places.begin(), places.end(), [&index](const NamePlace& place) {
        return index.isLoaded(place.file) && index.section(place).use != SectionUse::Part;
    });
    return findReferences(index, chosen != places.end() ? *chosen : places.front());
}

void ReferenceCommands::mnuFindReferences_Click()
{
    const NameAtFocus lookup = nameAtFocus(parts_.window, parts_.front);
    if (lookup.name.isEmpty()) {
        parts_.statusBar->showMessage(tr("No name at the caret to look for"), kMessageTime);
        return;
    }
    if (parts_.index->folder().isEmpty()) {
        parts_.statusBar->showMessage(tr("No scripts folder to look in: open a script of one, or choose one with "
                                         "Scripts Folder..."),
                                      kMessageTime);
        return;
    }
    waitForIndex(parts_.index);
    const std::vector<ReferenceHit> hits = withWaitCursor([this, &lookup] { return referencesOf(lookup.name.toStdString()); });
    if (hits.empty()) {
        parts_.statusBar->showMessage(tr("No place in the scripts folder names %1").arg(lookup.name), kMessageTime);
        return;
    }
    if (window_ == nullptr) {
        window_ = new ReferencesWindow(parts_.window);
        connect(window_, &ReferencesWindow::placeChosen, this, [this](const QString& file, int line) {
            parts_.window->activateWindow();
            openPlace_(file, line);
        });
    }
    window_->showReferences(lookup.name, hits, parts_.index->folder());
    parts_.statusBar->showMessage(tr("References to %1: %2").arg(lookup.name, window_->countText()), kMessageTime);
}

} // namespace defwright
