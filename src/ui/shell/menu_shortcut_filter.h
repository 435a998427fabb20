#pragma once

#include <QList>
#include <QKeySequence>
#include <QObject>

class QWidget;

namespace defwright {

/// Lets the main window's menu shortcuts win over its editors. A text box claims
/// Ctrl+A (select all) before any shortcut sees it; this filter refuses that
/// claim for the menu's own key sequences, inside the one window it guards only.
class MenuShortcutFilter : public QObject {
    Q_OBJECT

public:
    MenuShortcutFilter(QWidget* window, QList<QKeySequence> sequences);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QKeySequence> sequences_;
};

} // namespace defwright
