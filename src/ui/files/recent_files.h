#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QMenu;

namespace defwright {

class DocumentTabs;

/// The scripts the user last opened or saved, newest first, kept in the
/// user's settings so that the list outlives the run. Each remembers which
/// pane it was in, by the pane's key, so choosing it opens it there again.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kMaxEntries = 8;

    struct Entry {
        QString path;
        DocumentTabs* pane = nullptr;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    /// @param panes the script panes; an entry of an unknown pane goes to the first
    RecentFiles(QList<DocumentTabs*> panes, QObject* parent = nullptr);

    [[nodiscard]] QList<Entry> entries() const;

    /// Puts the file at the top of the list; an older entry of it goes.
    void add(const QString& path, const DocumentTabs* pane);
    void remove(const QString& path);
    void clear();

    /// Keeps the menu holding one entry per file and "Clear List" below them.
    void showIn(QMenu* menu);

signals:
    void chosen(const QString& path, DocumentTabs* pane);

private:
    void store(const QList<Entry>& entries);
    void fillMenu();

    [[nodiscard]] DocumentTabs* paneOf(const QString& key) const;

    QList<DocumentTabs*> panes_;
    QMenu* menu_ = nullptr;
    QList<Entry> shown_;
};

} // namespace defwright
