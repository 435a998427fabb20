#pragma once

#include <QTableView>

namespace defwright {

/// The inspector's rows as a table a keyboard reaches everywhere: F2 edits
/// the value of the row with the focus, whichever of its cells has it,
/// Delete asks to take the row away, Insert to add one, and Escape to go
/// back to the pane. These keys are the view's own while it has the focus,
/// before any shortcut of the window.
class InspectorView : public QTableView {
    Q_OBJECT

public:
    explicit InspectorView(QWidget* parent = nullptr);

signals:
    /// F2 on a row whose value cannot be edited.
    void editRefused(int row);
    void removeRequested(int row);
    void addRequested();
    void leaveRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] static bool isOwnKey(const QKeyEvent& event);
};

} // namespace defwright
