#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QString;
class QWidget;

namespace defwright {

class ScriptPane;

/// Makes typing into one field one undo step of its pane, as typing a word is
/// in an editor. The edit of the pane that a keystroke in a field causes takes
/// the place of the edit the previous keystroke in that field made, so the
/// step keeps the text from before the first keystroke and the pane's history
/// holds one step for the whole word. Another field, a change to the pane by
/// anything else, a move of the focus or a menu command ends the edit.
class FieldTypingUndo : public QObject {
    Q_OBJECT

public:
    /// Follows the typing in every text box and editable list of `pages`, and
    /// ends the edit when a pane changes other than by rebuild() or any
    /// command of `window` runs.
    FieldTypingUndo(QWidget* window, const QList<const QWidget*>& pages, const QList<ScriptPane*>& panes);

    /// Puts a rebuilt script into the pane: merged with the previous rebuild
    /// while the scripter goes on typing in the same field.
    void rebuild(ScriptPane* pane, const QString& script);

    /// Runs the edits of `pane` that a field change makes, telling them whether
    /// they go on with the typing whose step the previous edits made, which
    /// they are then to take over.
    void edit(ScriptPane* pane, const std::function<void(bool goesOn)>& edits);

public slots:
    /// Something other than typing was done: the next rebuild is a step of its own.
    void endEdit();

private:
    void watchFields(const QWidget* page);
    void watchPane(ScriptPane* pane);

    QPointer<const QObject> typedIn_; // the box typed into, until its rebuild
    QPointer<const QObject> editedField_;
    QPointer<ScriptPane> editedPane_;
    bool rebuilding_ = false;
};

} // namespace defwright
