#pragma once

#include "ui/widgets/twips.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace defwright {

/// Heights every control of a kind shares on the windows, in twips.
inline constexpr int kLabelHeight = 255;
inline constexpr int kTextBoxHeight = 285;
inline constexpr int kComboBoxHeight = 315;

/// The objectName of one element of a control array: "txtBasic(3)".
QString arrayName(std::string_view name, int index);

QString toQString(std::string_view utf8);

/// What a screen reader calls the field of a key caption: the key without its
/// "=" ("NAME" for "NAME="), so it reads as a word.
QString fieldName(std::string_view keyCaption);

/// A field's text as the core takes it: UTF-8, exactly as typed.
std::string fieldText(const QLineEdit* box);
std::string fieldText(const QComboBox* box);

/// Creates controls inside one container from rectangles in twips, measured
/// from the same corner as the container's own place, and names each control.
class FormBuilder {
public:
    FormBuilder(QWidget* container, TwipsPoint containerCorner);

    /// A builder for the children of a frame that this builder created at `rect`.
    [[nodiscard]] FormBuilder inside(QWidget* frame, const TwipsRect& rect) const;

    QGroupBox* frame(const QString& name, std::string_view caption, const TwipsRect& rect) const;
    /// A plain-text label, vertically centred in its box unless `alignment` says otherwise.
    QLabel* label(const QString& name, std::string_view caption, const TwipsRect& rect,
                  Qt::Alignment alignment = Qt::AlignLeft) const;
    /// A label whose caption is a script key ("NAME=") for `field`: right-aligned,
    /// so that it ends just left of its box. The label becomes the field's buddy
    /// and names it, also where the two stand in different frames.
    QLabel* keyLabel(const QString& name, std::string_view caption, const TwipsRect& rect, QWidget* field) const;
    QLineEdit* textBox(const QString& name, int x, int y, int width) const;
    /// An editable drop-down box with a fixed list and empty text: it neither
    /// completes what is typed nor adds it to the list.
    QComboBox* comboBox(const QString& name, int x, int y, int width,
                        std::span<const std::string_view> entries) const;
    QPushButton* button(const QString& name, std::string_view caption, const TwipsRect& rect) const;

    /// Names a control made elsewhere and puts it at its place in the container.
    void place(QWidget* widget, const QString& name, const TwipsRect& rect) const;
    [[nodiscard]] QWidget* container() const { return container_; }

private:
    QWidget* container_;
    TwipsPoint corner_;
};

} // namespace defwright
