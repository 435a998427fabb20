#pragma once

#include "ui/widgets/window_parts.h"
#include "ui/widgets/twips.h"

#include <QDialog>

#include <span>

namespace defwright {

/// A sizable window of fixed texts with one OK button, `Command1`, which closes
/// it. The button is not a cancel button, so Escape leaves the window open.
/// Nothing follows the border: enlarging the window only adds empty space.
class TextWindow : public QDialog {
    Q_OBJECT

protected:
    TextWindow(QWidget* owner, const char* name, const QString& caption, std::span<const LabelRow> texts,
               const TwipsRect& okButton);

    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace defwright
