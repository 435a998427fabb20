#pragma once

#include <QDialog>

namespace defwright {

/// Help > About.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* owner);
};

} // namespace defwright
