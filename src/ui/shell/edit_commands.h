#pragma once

#include "ui/panes/find_bar.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace defwright {

class FrontDocument;

/// The Edit menu: find, replace and go to line, in the script in front (from
/// a field page, that page's script, which is brought to the front).
class EditCommands : public QObject {
    Q_OBJECT

public:
    EditCommands(QWidget* window, const FrontDocument* front);

    /// Adds the "&Edit" menu at the end of the menu bar.
    void addMenu(QMenuBar* menuBar) const;

    /// The menu's shortcuts, which must win over the editors' own keys.
    [[nodiscard]] QList<QKeySequence> shortcuts() const;

private:
    QAction* action(const char* name, const QString& caption, const QKeySequence& shortcut,
                    void (EditCommands::*slot)());
    void mnuFind_Click();
    void mnuFindNext_Click();
    void mnuFindPrevious_Click();
    void mnuReplace_Click();
    void mnuGoToLine_Click();
    /// The find bar of the pane to work in, its page brought to the front.
    [[nodiscard]] FindBar* targetBar() const;

    QWidget* window_;
    const FrontDocument* front_;
    QList<QAction*> actions_;
};

} // namespace defwright
