#include "ui/binding/field_typing_undo.h"

#include "ui/panes/script_pane.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <utility>

namespace defwright {

FieldTypingUndo::FieldTypingUndo(QWidget* window, const QList<const QWidget*>& pages,
                                 const QList<ScriptPane*>& panes)
    : QObject(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FieldTypingUndo::endEdit);
    for (const QWidget* page : pages)
        watchFields(page);
    for (ScriptPane* pane : panes)
        watchPane(pane);
    for (const QAction* action : window->findChildren<QAction*>())
        connect(action, &QAction::triggered, this, &FieldTypingUndo::endEdit);
}

// A line edit tells of the scripter's own edits before it tells of the change;
// a text set by the program, or picked from a list, is not typing.
void FieldTypingUndo::watchFields(const QWidget* page)
{
    for (QLineEdit* box : page->findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textEdited, this, [this, box] { typedIn_ = box; });
}

// Another document shown is another history: the typing's step is in the one that went.
void FieldTypingUndo::watchPane(ScriptPane* pane)
{
    connect(pane, &QsciScintilla::textChanged, this, [this] {
        if (!rebuilding_)
            endEdit();
    });
    connect(pane, &ScriptPane::documentShown, this, &FieldTypingUndo::endEdit);
}

// Undoing the previous rebuild first leaves its step to be taken over by this
// one, which then replaces the text from before the edit began.
void FieldTypingUndo::rebuild(ScriptPane* pane, const QString& script)
{
    edit(pane, [pane, &script](bool goesOn) {
        if (goesOn)
            pane->undo();
        pane->replaceScript(script);
    });
}

void FieldTypingUndo::edit(ScriptPane* pane, const std::function<void(bool goesOn)>& edits)
{
    const QObject* field = std::exchange(typedIn_, nullptr);
    const bool goesOn = field != nullptr && field == editedField_ && pane == editedPane_;
    rebuilding_ = true;
    edits(goesOn);
    rebuilding_ = false;
    editedField_ = field;
    editedPane_ = field != nullptr ? pane : nullptr;
}

void FieldTypingUndo::endEdit()
{
    editedField_ = nullptr;
    editedPane_ = nullptr;
}

} // namespace defwright
