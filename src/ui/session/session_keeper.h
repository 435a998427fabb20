#pragma once

#include "ui/session/kept_documents.h"
#include "ui/session/session_store.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QList>
#include <QObject>

#include <chrono>
#include <memory>

class QLockFile;
class QMainWindow;
class QTimer;

namespace defwright {

class FrontDocument;
class ItemFieldsPage;
class NpcFieldsPage;

/// Keeps the window's unsaved work when it closes, and brings it back at the
/// next start: every document of both panes in the order of their tabs, the
/// text of each that differs from its file with its file, format, view and
/// tie, the path and view of one that does not, and which is in front; the
/// texts of all fields and which NPC frame shows. The work is also kept a moment after
/// each change, so that a crash, a kill or a power cut loses at most the last
/// seconds of typing. Only a window that ran its load step (and so called
/// restore()) keeps anything: others, made and gone within a run, leave the
/// store alone.
class SessionKeeper : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QMainWindow* window;
        ItemFieldsPage* itemFields;
        NpcFieldsPage* npcFields;
        FrontDocument* front;
        TieAgain tieAgain; ///< ties the fields again
    };

    SessionKeeper(const Parts& parts, SessionStore store = SessionStore());
    ~SessionKeeper() override;

    /// Brings back what the last run kept, says so in the status bar, and
    /// from now on keeps the work when the window closes or the desktop
    /// session ends. While another Defwright holds the store, this one
    /// neither restores nor keeps anything, and says so.
    void restore();

    /// Writes the work to the store, at once and without a question.
    void keep();

    /// How long the work waits for typing to pause before it is kept.
    void setQuietTime(std::chrono::milliseconds quiet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QList<QWidget*> fieldPages() const;
    [[nodiscard]] KeptSession session() const;
    /// Whether any field changed; the NPC frames shown as they were.
    bool restoreFields(const KeptSession& session) const;
    [[nodiscard]] QStringList restorePanes(const KeptSession& session) const;
    [[nodiscard]] QString restoreKept() const;
    [[nodiscard]] bool claimStore();
    void tell(const QString& message) const;
    void followChanges();
    void changed();
    void keepQuietly();
    void tellKept(const QString& error);

    Parts parts_;
    SessionStore store_;
    std::unique_ptr<QLockFile> lock_;
    bool keeping_ = false;
    QTimer* pending_; // runs from a change until the work is kept
    QElapsedTimer changedSince_;
    QFuture<QString> quietKeep_; // the store written off the window's thread
    QString keptError_; // what the last quiet keep could not do
};

} // namespace defwright
