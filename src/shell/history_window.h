#pragma once

#include <QDialog>

namespace defwright {

/// Help > History: the releases so far.
class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    explicit HistoryWindow(QWidget* owner);
};

} // namespace defwright
