#pragma once

#include <QDialog>

namespace defwright {

/// Help > About: the product name, its version, the author and how to reach
/// them. OK, Enter and Escape close it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* owner);

private:
    void setWindowProperties();
    void createTexts();
    void createPicture();
    void createSeparator();
    void createButton();
};

} // namespace defwright
