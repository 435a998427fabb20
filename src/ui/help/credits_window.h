#pragma once

#include "ui/help/text_window.h"

namespace defwright {

/// Help > Shout-outs: the acknowledgements.
class CreditsWindow : public TextWindow {
    Q_OBJECT

public:
    explicit CreditsWindow(QWidget* owner);
};

} // namespace defwright
