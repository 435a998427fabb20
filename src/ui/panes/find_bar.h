#pragma once

#include "ui/panes/pane_search.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace defwright {

class ScriptPane;

/// The bar under a script pane for finding, replacing and going to a line.
/// It never blocks the window: the scripter can go on typing in the pane
/// while it is open. What happened (not found, wrapped, how many were
/// replaced, a bad pattern or line number) is said in the bar itself.
class FindBar : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Find, Replace, GoToLine };

    explicit FindBar(ScriptPane* pane, QWidget* parent = nullptr);

    /// Shows the bar in the mode and puts the focus into its first field,
    /// with the pane's selected text as the text to find.
    void open(Mode mode);

    /// Find Next and Find Previous: the bar opens if it is closed.
    void findNext();
    void findPrevious();

    [[nodiscard]] QWidgetList focusOrder() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOut();
    void showMode(Mode mode);
    void find(bool forward);
    void replace();
    void replaceAll();
    void goToLine();
    void close();
    /// False, with a word in the bar, when there is nothing to look for.
    [[nodiscard]] bool hasQuery();
    void say(const QString& message);
    [[nodiscard]] SearchQuery query() const;
    void sayOutcome(SearchOutcome outcome);

    ScriptPane* pane_;
    PaneSearch search_;
    QLineEdit* findText_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* close_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* regularExpression_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QLineEdit* replaceText_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QLineEdit* lineNumber_ = nullptr;
    QPushButton* goToLine_ = nullptr;
    QLabel* status_ = nullptr;
    QList<QWidget*> findRow_;
    QList<QWidget*> replaceRow_;
    QList<QWidget*> lineRow_;
    // The matches in view are marked again once the text changes or the view moves.
    long markedTop_ = -1;
    bool marksStale_ = true;
};

} // namespace defwright
