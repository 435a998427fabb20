#include "ui/files/recent_files.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/native_paths.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

constexpr QLatin1StringView kGroup("recentFiles");
constexpr QLatin1StringView kPath("path");
constexpr QLatin1StringView kPane("pane");

// "&" in a file name would otherwise mark an access key.
QString menuText(qsizetype index, const RecentFiles::Entry& entry)
{
    QString name = QFileInfo(entry.path).fileName();
    name.replace(u'&', QStringLiteral("&&"));
    const QString text = QStringLiteral("&%1 %2").arg(index + 1).arg(name);
    const QString& note = entry.pane->names().note;
    return note.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, note);
}

} // namespace

RecentFiles::RecentFiles(QList<DocumentTabs*> panes, QObject* parent)
    : QObject(parent)
    , panes_(std::move(panes))
{
}

DocumentTabs* RecentFiles::paneOf(const QString& key) const
{
    const auto found = std::find_if(panes_.cbegin(), panes_.cend(),
                                    [&key](const DocumentTabs* pane) { return pane->names().key == key; });
    return found != panes_.cend() ? *found : panes_.constFirst();
}

// Read afresh each time, so a second window's changes are not overwritten.
QList<RecentFiles::Entry> RecentFiles::entries() const
{
    QSettings settings;
    QList<Entry> entries;
    const int size = settings.beginReadArray(kGroup);
    for (int i = 0; i < size && entries.size() < kMaxEntries; ++i) {
        settings.setArrayIndex(i);
        const QString path = settings.value(kPath).toString();
        if (!path.isEmpty())
            entries.append({path, paneOf(settings.value(kPane).toString())});
    }
    settings.endArray();
    return entries;
}

void RecentFiles::add(const QString& path, const DocumentTabs* pane)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QList<Entry> list = entries();
    list.removeIf([&absolute](const Entry& entry) { return samePath(entry.path, absolute); });
    list.prepend({absolute, paneOf(pane->names().key)});
    store(list.mid(0, kMaxEntries));
}

void RecentFiles::remove(const QString& path)
{
    QList<Entry> list = entries();
    list.removeIf([&path](const Entry& entry) { return samePath(entry.path, path); });
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

// The entries are made once and refilled, never deleted: the one triggered
// may be what changes the list. The menu is filled again as it opens, so it
// shows what another window of the program added meanwhile.
void RecentFiles::showIn(QMenu* menu)
{
    menu_ = menu;
    for (qsizetype i = 0; i < kMaxEntries; ++i) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QStringLiteral("mnuRecentFile(%1)").arg(i));
        // A copy is sent: the receiver may change the list, and shown_ with it.
        connect(action, &QAction::triggered, this, [this, i] {
            if (i < shown_.size()) {
                const Entry entry = shown_[i];
                emit chosen(entry.path, entry.pane);
            }
        });
    }
    menu->addSeparator();
    menu->addAction(tr("Clear List"), this, &RecentFiles::clear)->setObjectName(QStringLiteral("mnuClearRecent"));
    connect(menu, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
    fillMenu();
}

void RecentFiles::store(const QList<Entry>& entries)
{
    QSettings settings;
    settings.remove(kGroup);
    settings.beginWriteArray(kGroup, static_cast<int>(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kPath, entries[i].path);
        settings.setValue(kPane, entries[i].pane->names().key);
    }
    settings.endArray();
    fillMenu();
}

void RecentFiles::fillMenu()
{
    if (menu_ == nullptr)
        return;
    shown_ = entries();
    const QList<QAction*> actions = menu_->actions();
    for (qsizetype i = 0; i < kMaxEntries; ++i) {
        const bool used = i < shown_.size();
        actions[i]->setVisible(used);
        actions[i]->setText(used ? menuText(i, shown_[i]) : QString());
        actions[i]->setStatusTip(used ? shownPath(shown_[i].path) : QString());
        actions[i]->setToolTip(actions[i]->statusTip());
    }
    actions.constLast()->setEnabled(!shown_.isEmpty());
}

} // namespace defwright
