#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMainWindow;

namespace defwright {

class FileCommands;
class FrontDocument;

/// What works on the documents open in a pane: File > Close (Ctrl+W), which
/// asks before it drops changes, and View > Next Document (Ctrl+F6) and
/// Previous Document (Ctrl+Shift+F6), which go round the tabs of the pane in
/// front and show its script page. A tab's close button and a middle click
/// on a tab close as File > Close does. The form's script is never closed.
class DocumentCommands : public QObject {
    Q_OBJECT

public:
    DocumentCommands(QMainWindow* window, FrontDocument* front, FileCommands* files);

    [[nodiscard]] QAction* closeAction() const { return mnuClose_; }
    /// Next Document, then Previous Document.
    [[nodiscard]] QList<QAction*> switchActions() const { return {mnuNextDocument_, mnuPreviousDocument_}; }
    [[nodiscard]] QList<QKeySequence> shortcuts() const;

public slots:
    void mnuClose_Click();
    void mnuNextDocument_Click();
    void mnuPreviousDocument_Click();

private:
    QAction* action(const char* name, const QString& caption, const QKeySequence& shortcut,
                    void (DocumentCommands::*slot)());
    void showNeighbour(int step);
    void enableClose();

    QMainWindow* window_;
    FrontDocument* front_;
    FileCommands* files_;
    QAction* mnuClose_;
    QAction* mnuNextDocument_;
    QAction* mnuPreviousDocument_;
};

} // namespace defwright
