#pragma once

#include <QDialog>

namespace defwright {

/// Help > Shout-outs: the acknowledgements.
class CreditsWindow : public QDialog {
    Q_OBJECT

public:
    explicit CreditsWindow(QWidget* owner);
};

} // namespace defwright
