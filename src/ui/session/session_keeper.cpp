#include "ui/session/session_keeper.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "ui/panes/script_pane.h"
#include "ui/session/kept_documents.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/wait_cursor.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QMainWindow>
#include <QMap>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace defwright {
namespace {

constexpr int kNoteMilliseconds = 30000;
// The work is kept once typing pauses this long, and while it goes on, at
// least this often.
constexpr std::chrono::milliseconds kQuietTime{2000};
constexpr qint64 kMostUnkeptMilliseconds = 30000;

// The text boxes and combo boxes of the pages by their names; the box inside
// a combo box is the combo box's.
QMap<QString, QWidget*> fieldsByName(const QWidgetList& pages)
{
    QMap<QString, QWidget*> fields;
    for (const QWidget* page : pages) {
        for (QLineEdit* box : page->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(box->parentWidget()) == nullptr && !box->objectName().isEmpty())
                fields.insert(box->objectName(), box);
        }
        for (QComboBox* box : page->findChildren<QComboBox*>())
            fields.insert(box->objectName(), box);
    }
    return fields;
}

KeptNpcFrames kept(NpcFieldsPage::Frames frames)
{
    switch (frames) {
    case NpcFieldsPage::Frames::Basic:
        return KeptNpcFrames::Basic;
    case NpcFieldsPage::Frames::Create:
        return KeptNpcFrames::Create;
    default:
        return KeptNpcFrames::Start;
    }
}

NpcFieldsPage::Frames shown(KeptNpcFrames frames)
{
    switch (frames) {
    case KeptNpcFrames::Basic:
        return NpcFieldsPage::Frames::Basic;
    case KeptNpcFrames::Create:
        return NpcFieldsPage::Frames::Create;
    default:
        return NpcFieldsPage::Frames::Start;
    }
}

} // namespace

SessionKeeper::SessionKeeper(const Parts& parts, SessionStore store)
    : QObject(parts.window)
    , parts_(parts)
    , store_(std::move(store))
    , pending_(new QTimer(this))
{
    pending_->setSingleShot(true);
    pending_->setInterval(kQuietTime);
    connect(pending_, &QTimer::timeout, this, &SessionKeeper::keepQuietly);
}

// A store half written when the program ends would be a store lost.
SessionKeeper::~SessionKeeper()
{
    quietKeep_.waitForFinished();
}

void SessionKeeper::restore()
{
    if (!claimStore()) {
        tell(tr("Another Defwright is running and keeps its own unsaved work: "
                "what this window holds is not kept when it ends."));
        return;
    }
    keeping_ = true;
    parts_.window->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionKeeper::keep);
    tell(restoreKept());
    followChanges();
}

// What the status bar says of it.
QString SessionKeeper::restoreKept() const
{
    const SessionStore::Loaded loaded = store_.load();
    if (!loaded.session)
        return loaded.problem;
    const bool fieldsChanged = restoreFields(*loaded.session);
    QStringList notes = withWaitCursor([this, &loaded] { return restorePanes(*loaded.session); });
    const auto unsaved = [](const KeptPane& pane) {
        return std::ranges::any_of(pane.documents, [](const KeptDocument& document) { return document.modified; });
    };
    if (fieldsChanged || std::ranges::any_of(loaded.session->panes, unsaved))
        notes.prepend(tr("Restored unsaved work from the last session") + (notes.isEmpty() ? "" : "."));
    return notes.join(QLatin1Char(' '));
}

void SessionKeeper::keep()
{
    if (!keeping_)
        return;
    pending_->stop();
    quietKeep_.waitForFinished(); // else it could land after this, and older
    const QString error = store_.save(session());
    if (error.isEmpty())
        return;
    // The one thing the end of the program ever says: it is losing work.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Defwright"),
                    tr("The unsaved work could not be kept for the next start in %1\n\n%2")
                        .arg(shownPath(store_.path()), error),
                    QMessageBox::Ok, parts_.window);
    box.exec();
}

void SessionKeeper::setQuietTime(std::chrono::milliseconds quiet)
{
    pending_->setInterval(quiet);
}

// What the tabs hold, their order and the one in front count as much as the text.
void SessionKeeper::followChanges()
{
    for (const DocumentTabs* pane : parts_.front->panes()) {
        connect(pane->pane(), &ScriptPane::textChanged, this, &SessionKeeper::changed);
        for (const auto signal : {&DocumentTabs::frontChanged, &DocumentTabs::orderChanged})
            connect(pane, signal, this, &SessionKeeper::changed);
        connect(pane, &DocumentTabs::documentAdded, this, &SessionKeeper::changed);
        connect(pane, &DocumentTabs::documentClosing, this, &SessionKeeper::changed);
    }
    connect(parts_.front, &FrontDocument::documentChanged, this, &SessionKeeper::changed);
    for (QWidget* field : fieldsByName(fieldPages())) {
        if (auto* box = qobject_cast<QComboBox*>(field))
            connect(box, &QComboBox::currentTextChanged, this, &SessionKeeper::changed);
        else if (auto* line = qobject_cast<QLineEdit*>(field))
            connect(line, &QLineEdit::textChanged, this, &SessionKeeper::changed);
    }
}

void SessionKeeper::changed()
{
    if (!pending_->isActive())
        changedSince_.start();
    if (changedSince_.elapsed() < kMostUnkeptMilliseconds)
        pending_->start();
}

// Between keystrokes nothing may stop the typing: the work is taken from the
// window here, and written on another thread (a 10 MiB pane is tens of
// milliseconds of disk). One write at a time, so none overtakes another.
void SessionKeeper::keepQuietly()
{
    if (quietKeep_.isRunning()) {
        pending_->start();
        return;
    }
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher] {
        tellKept(watcher->result());
        watcher->deleteLater();
    });
    quietKeep_ = QtConcurrent::run([store = store_, session = session()] { return store.save(session); });
    watcher->setFuture(quietKeep_);
}

// A store that cannot be written is told in the status bar, once; closing
// the window asks again.
void SessionKeeper::tellKept(const QString& error)
{
    if (error == std::exchange(keptError_, error) || error.isEmpty())
        return;
    parts_.window->statusBar()->showMessage(
        tr("The unsaved work cannot be kept in case Defwright ends unexpectedly: %1").arg(error), kNoteMilliseconds);
}

bool SessionKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parts_.window && event->type() == QEvent::Close)
        keep();
    return QObject::eventFilter(watched, event);
}

QList<QWidget*> SessionKeeper::fieldPages() const
{
    return {parts_.itemFields, parts_.npcFields};
}

KeptSession SessionKeeper::session() const
{
    KeptSession session;
    for (const DocumentTabs* pane : parts_.front->panes())
        session.panes.push_back(keptPane(*pane));
    const QMap<QString, QWidget*> fields = fieldsByName(fieldPages());
    for (auto field = fields.cbegin(); field != fields.cend(); ++field) {
        const auto* box = qobject_cast<const QComboBox*>(field.value());
        const std::string text = box ? fieldText(box) : fieldText(qobject_cast<const QLineEdit*>(field.value()));
        session.fields.emplace_back(field.key().toStdString(), text);
    }
    session.npcFrames = kept(parts_.npcFields->frames());
    return session;
}

// The fields take their texts without telling anyone, so nothing is rebuilt.
bool SessionKeeper::restoreFields(const KeptSession& session) const
{
    const QMap<QString, QWidget*> fields = fieldsByName(fieldPages());
    bool changed = false;
    for (const auto& [name, text] : session.fields) {
        QWidget* field = fields.value(QString::fromStdString(name));
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            changed = changed || fieldText(box) != text;
            setFieldText(box, text);
        } else if (auto* line = qobject_cast<QLineEdit*>(field)) {
            changed = changed || fieldText(line) != text;
            setFieldText(line, text);
        }
    }
    parts_.npcFields->showFrames(shown(session.npcFrames));
    return changed;
}

QStringList SessionKeeper::restorePanes(const KeptSession& session) const
{
    QStringList notes;
    for (const KeptPane& kept : session.panes) {
        for (DocumentTabs* pane : parts_.front->panes()) {
            if (pane->names().key.toStdString() == kept.name)
                notes << restorePane(*parts_.front, pane, kept, parts_.tieAgain);
        }
    }
    return notes;
}

// Two programs at once would restore the same work twice and each replace
// the other's store. A lock left by one that crashed is taken over.
bool SessionKeeper::claimStore()
{
    QDir().mkpath(QFileInfo(store_.path()).absolutePath());
    lock_ = std::make_unique<QLockFile>(store_.path() + QStringLiteral(".lock"));
    return lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
}

// Later, as the file named on the command line opens right after the load
// step and its own note would take this one's place.
void SessionKeeper::tell(const QString& message) const
{
    if (message.isEmpty())
        return;
    QStatusBar* bar = parts_.window->statusBar();
    QTimer::singleShot(0, bar, [bar, message] { bar->showMessage(message, kNoteMilliseconds); });
}

} // namespace defwright
