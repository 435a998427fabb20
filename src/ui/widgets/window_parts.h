#pragma once

#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QList>

#include <optional>
#include <span>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace defwright {

struct LabelFont {
    Typeface typeface;
    qreal pointSize;
    bool bold = false;
};

/// One row of a window's label table: a fixed text in a box given in twips.
struct LabelRow {
    const char* name;
    const char* text;
    TwipsRect rect;
    std::optional<LabelFont> font = {}; // none: the window's own font
    bool wraps = false;
};

/// Creates one label on `parent` for each row, in table order, named after the
/// row. The text stands at the box's top left and is clipped to the box.
QList<QLabel*> createLabels(QWidget* parent, std::span<const LabelRow> rows);

/// An "OK" push button named `name` that closes `dialog` when pressed.
QPushButton* createOkButton(QDialog* dialog, const char* name, const TwipsRect& rect);

} // namespace defwright
