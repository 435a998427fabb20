#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QMenu;

namespace defwright {

/// The scripts last opened or saved, newest first, kept in the user's
/// settings so that the list outlives the run. Each remembers which pane it
/// was in, so choosing it opens it there again.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kMaxEntries = 8;

    enum class Pane { Item, Npc };

    struct Entry {
        QString path;
        Pane pane = Pane::Item;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    explicit RecentFiles(QObject* parent = nullptr);

    [[nodiscard]] QList<Entry> entries() const;

    /// Puts the file at the top of the list; an older entry of it goes.
    void add(const QString& path, Pane pane);
    void remove(const QString& path);
    void clear();

    /// Keeps the menu holding one entry per file and "Clear List" below them.
    void showIn(QMenu* menu);

signals:
    void chosen(const QString& path, RecentFiles::Pane pane);

private:
    void store(const QList<Entry>& entries);
    void fillMenu();

    QMenu* menu_ = nullptr;
    QList<Entry> shown_;
};

} // namespace defwright
