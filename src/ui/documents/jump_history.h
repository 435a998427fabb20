#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace defwright {

class DocumentTabs;
class FrontDocument;
class PaneDocument;

/// The places jumped from, for Go Back, and gone back from, for Go Forward,
/// across documents. A place is a line and column of a document, marked so
/// that it moves with the lines added or taken away above it, and where the
/// view stood; going there brings its document to the front and reads
/// nothing from disk. Once its document is closed, a place is its file's
/// line and column, and going there opens the file again.
class JumpHistory : public QObject {
    Q_OBJECT

public:
    /// Opens a file again, in the pane it was closed in, for a place whose
    /// document was closed; none if it cannot be.
    using OpenFile = std::function<PaneDocument*(DocumentTabs* pane, const QString& path)>;

    static constexpr qsizetype kMostPlaces = 50;

    JumpHistory(FrontDocument* front, OpenFile openFile, QObject* parent);

    /// A jump leaves the place in front: Go Back returns to it, and Go
    /// Forward has nowhere to go until Go Back is used.
    void leaving();
    /// The jump did not happen after all: the place it left is let go.
    void stayed();

    /// False when there is nowhere to go.
    bool goBack();
    bool goForward();

    /// Some document is about to go: its places keep only their file.
    void forget(PaneDocument* document);

private:
    struct Place {
        QPointer<PaneDocument> document;
        int mark = -1;
        int column = 0;
        int linesAbove = 0; // between the first line in view and the place's
        DocumentTabs* pane = nullptr;
        QString file;
        int line = 0; // once the document has gone
    };

    [[nodiscard]] Place here() const;
    bool go(QList<Place>& from, QList<Place>& to);
    static void remember(QList<Place>& places, const Place& place);
    [[nodiscard]] PaneDocument* documentOf(const Place& place) const;
    static void drop(Place& place);

    FrontDocument* front_;
    OpenFile openFile_;
    QList<Place> back_;
    QList<Place> forward_;
};

} // namespace defwright
