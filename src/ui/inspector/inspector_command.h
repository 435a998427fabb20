#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QSize>

class QAction;
class QMainWindow;
class QMenu;

namespace defwright {

class DefinitionInspector;
class FrontDocument;
class VocabularySource;

/// Script > Definition Inspector (F4): shows the inspector beside the pages
/// and gives it the focus; from the inspector it hides it again, and while
/// it is shown but the focus is elsewhere, it gives it the focus. Docked,
/// the window grows by the inspector's room, so the pages' fixed layout is
/// not covered, and gives it back when it goes. Off until asked for; in the
/// program's own window, whether and where it shows is kept for the next start.
class InspectorCommand : public QObject {
    Q_OBJECT

public:
    InspectorCommand(QMainWindow* window, FrontDocument* front, const VocabularySource* vocabulary, QMenu* scriptMenu);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;
    [[nodiscard]] DefinitionInspector* inspector() const { return inspector_; }

    /// The window is the program's own: the inspector comes back as it was
    /// at its last end, and is kept so at this one's.
    void restore();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mnuDefinitionInspector_Click(bool checked);
    void showInspector();
    void hideInspector();
    void inspectorToggled(bool shown);
    [[nodiscard]] QSize room(QSize size) const;

    QMainWindow* window_;
    DefinitionInspector* inspector_;
    QAction* mnuDefinitionInspector_;
    QSize grown_; // what the window grew by when the inspector was last shown
    bool kept_ = false;
};

} // namespace defwright
