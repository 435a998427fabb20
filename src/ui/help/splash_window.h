#pragma once

#include <QDialog>

class QFrame;

namespace defwright {

/// The splash shown at start-up until it is clicked away: the product name,
/// its version and credits beside the program's icon.
class SplashWindow : public QDialog {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* owner);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setWindowProperties();
    QFrame* createFrame();
    void createFrameContents(QFrame* frame);
    void centreOnScreen();
};

} // namespace defwright
