#pragma once

#include <QObject>
#include <QPointer>

class QFocusFrame;
class QWidget;

namespace defwright {

/// Keeps the focused control of one window visibly marked. Styles such as
/// Fusion mark a focused text box, combo box, button or tab themselves but
/// draw nothing around a focused multi-line editor; this puts the style's own
/// focus frame around such an editor while it has the focus.
class FocusMarker : public QObject {
    Q_OBJECT

public:
    explicit FocusMarker(QWidget* window);

private:
    void follow(QWidget* focused);

    QWidget* window_;
    QPointer<QFocusFrame> frame_;
};

} // namespace defwright
