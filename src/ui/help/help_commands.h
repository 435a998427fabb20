#pragma once

#include <QObject>

class QMainWindow;
class QMenu;

namespace defwright {

/// The Help menu: About, Shout-outs and History, each a window of its own
/// shown modally over the main window and gone when closed.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    explicit HelpCommands(QMainWindow* window);

    /// "&Help", the last menu of the menu bar.
    [[nodiscard]] QMenu* menu() const { return mnuHelp_; }

public slots:
    void mnuAbout_Click();
    void mnuCredits_Click();
    void mnuHistory_Click();

private:
    QMainWindow* window_;
    QMenu* mnuHelp_;
};

} // namespace defwright
