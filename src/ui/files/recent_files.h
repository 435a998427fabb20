#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QMenu;

namespace defwright {

class PaneDocument;

/// The scripts last opened or saved, newest first, kept in the user's
/// settings so that the list outlives the run. Each remembers which pane it
/// was in, by the pane document's key, so choosing it opens it there again.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kMaxEntries = 8;

    struct Entry {
        QString path;
        PaneDocument* document = nullptr;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    /// @param documents the panes' documents; an entry of an unknown pane goes to the first
    RecentFiles(QList<PaneDocument*> documents, QObject* parent = nullptr);

    [[nodiscard]] QList<Entry> entries() const;

    /// Puts the file at the top of the list; an older entry of it goes.
    void add(const QString& path, const PaneDocument* document);
    void remove(const QString& path);
    void clear();

    /// Keeps the menu holding one entry per file and "Clear List" below them.
    void showIn(QMenu* menu);

signals:
    void chosen(const QString& path, PaneDocument* document);

private:
    void store(const QList<Entry>& entries);
    void fillMenu();

    [[nodiscard]] PaneDocument* documentOf(const QString& key) const;

    QList<PaneDocument*> documents_;
    QMenu* menu_ = nullptr;
    QList<Entry> shown_;
};

} // namespace defwright
