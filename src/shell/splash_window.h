#pragma once

#include <QDialog>

namespace defwright {

/// The splash shown at start-up until it is clicked away.
class SplashWindow : public QDialog {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* owner);
};

} // namespace defwright
