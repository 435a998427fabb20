#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMainWindow;

namespace defwright {

class FrontDocument;

/// Going round the documents open in a pane: View > Next Document (Ctrl+F6)
/// and Previous Document (Ctrl+Shift+F6), which go round the tabs of the pane
/// in front and show its script page.
class DocumentCommands : public QObject {
    Q_OBJECT

public:
    DocumentCommands(QMainWindow* window, FrontDocument* front);

    /// Next Document, then Previous Document.
    [[nodiscard]] QList<QAction*> switchActions() const { return {mnuNextDocument_, mnuPreviousDocument_}; }
    [[nodiscard]] QList<QKeySequence> shortcuts() const;

public slots:
    void mnuNextDocument_Click();
    void mnuPreviousDocument_Click();

private:
    QAction* action(const char* name, const QString& caption, const QKeySequence& shortcut,
                    void (DocumentCommands::*slot)());
    void showNeighbour(int step);

    QMainWindow* window_;
    FrontDocument* front_;
    QAction* mnuNextDocument_;
    QAction* mnuPreviousDocument_;
};

} // namespace defwright
