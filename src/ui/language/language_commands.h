#pragma once

#include "ui/language/language_info.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

#include <array>
#include <cstddef>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QStatusBar;

namespace defwright {

class DocumentTabs;
class FrontDocument;
class PaneHover;
class PaneProblems;
class ScriptPane;
class VocabularySource;
struct TextEdit;

/// What the script language brings to the window: the problems of the
/// document each pane shows, marked as it is typed (PaneProblems), their
/// count in the status bar, the Script menu's Next Problem (F8), Previous
/// Problem (Shift+F8), Fix Problem (Ctrl+.) and Show Info (Ctrl+Shift+Space),
/// the fixes on the panes' context menus, the tooltips (PaneHover) and
/// completion (PaneCompletion). The folder's words come from the index.
class LanguageCommands : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QMainWindow* window;
        FrontDocument* front;
        DocumentTabs* item;
        DocumentTabs* npc;
        QStatusBar* statusBar;
        QMenu* scriptMenu;
        const VocabularySource* vocabulary; ///< the folder's words, as the checks take them
    };

    explicit LanguageCommands(const Parts& parts);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;

public slots:
    void mnuNextProblem_Click();
    void mnuPreviousProblem_Click();
    void mnuFixProblem_Click();
    void mnuShowInfo_Click();

private:
    struct Pane {
        DocumentTabs* documents;
        PaneProblems* problems;
        PaneHover* hover;
    };

    void addActions(QMenu* menu);
    [[nodiscard]] Pane& front();
    void step(bool forward);
    void showCount();
    void offerFixes(Pane& pane, QMenu* menu, std::size_t position);
    [[nodiscard]] std::vector<TextEdit> fixesAt(Pane& pane, std::size_t position);
    void applyFix(ScriptPane* pane, const TextEdit& fix);

    Parts parts_;
    const VocabularySource* vocabulary_;
    LanguageInfo info_;
    std::array<Pane, 2> panes_;
    QPointer<QLabel> count_; // the status bar goes first when the window does
    QList<QAction*> actions_;
};

} // namespace defwright
