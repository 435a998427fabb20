#pragma once

#include "ui/help/text_window.h"

namespace defwright {

/// Help > History: the releases so far.
class HistoryWindow : public TextWindow {
    Q_OBJECT

public:
    explicit HistoryWindow(QWidget* owner);
};

} // namespace defwright
