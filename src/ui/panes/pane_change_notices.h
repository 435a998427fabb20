#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QsciScintillaBase;

namespace defwright {

/// Tells of a script pane's edits. The editor's own notice of an edit also
/// runs its screen-reader support, which counts the characters from the start
/// of the text up to the edit whether or not a screen reader runs: tens of
/// milliseconds for a key typed at the end of a long script. So the editor is
/// asked to say only that an edit is about to be made (and that a block's fold
/// changed, which it needs itself), and this tells of each edit once it is
/// made: `textChanged` and `linesChanged` for the pane's listeners, and, while
/// a screen reader runs, the text inserted and removed and the caret's moves,
/// at offsets found through the editor's line index.
class PaneChangeNotices : public QObject {
    Q_OBJECT

public:
    explicit PaneChangeNotices(QsciScintillaBase* pane);

    /// Tells now what is not told yet. Left alone, it is told when the pane is
    /// next drawn or the event loop next runs, whichever comes first.
    void tell();

    /// The pane shows another document: its lines are counted afresh, and a
    /// screen reader hears the caret where it now stands.
    void documentShown();

signals:
    void textChanged();
    void linesChanged();

private:
    // An edit for a screen reader: its offset, and the text it put in or took out.
    struct Edit {
        bool inserted;
        int offset;
        long position;
        long length;
        QString text;
    };

    void editing(long position, int modification, long length);
    void edited();
    void tellEdits();
    void tellCaret();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    QsciScintillaBase* pane_;
    bool changed_ = false;
    bool tellingSoon_ = false;
    long lines_ = 1;
    std::optional<Edit> editing_;
    std::vector<Edit> edits_;
    int caret_ = -1;
    std::pair<int, int> selection_{-1, -1};
};

} // namespace defwright
