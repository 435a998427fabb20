#include "ui/widgets/form_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace defwright {

QString arrayName(std::string_view name, int index)
{
    return QStringLiteral("%1(%2)").arg(toQString(name)).arg(index);
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString fieldName(std::string_view keyCaption)
{
    if (keyCaption.ends_with('='))
        keyCaption.remove_suffix(1);
    return toQString(keyCaption);
}

std::string fieldText(const QLineEdit* box)
{
    return box->text().toStdString();
}

std::string fieldText(const QComboBox* box)
{
    return box->currentText().toStdString();
}

// A box that already holds the text is left alone, its cursor and undo with it.
void setFieldText(QLineEdit* box, std::string_view text)
{
    const QString value = toQString(text);
    if (box->text() == value)
        return;
    const QSignalBlocker blocker(box);
    box->setText(value);
}

void setFieldText(QComboBox* box, std::string_view text)
{
    const QString value = toQString(text);
    if (box->currentText() == value)
        return;
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(value));
    box->setEditText(value);
}

FormBuilder::FormBuilder(QWidget* container, TwipsPoint containerCorner)
    : container_(container)
    , corner_(containerCorner)
{
}

FormBuilder FormBuilder::inside(QWidget* frame, const TwipsRect& rect) const
{
    return FormBuilder(frame, {rect.x, rect.y});
}

QGroupBox* FormBuilder::frame(const QString& name, std::string_view caption, const TwipsRect& rect) const
{
    auto* frame = new QGroupBox(toQString(caption), container_);
    place(frame, name, rect);
    return frame;
}

QLabel* FormBuilder::label(const QString& name, std::string_view caption, const TwipsRect& rect,
                           Qt::Alignment alignment) const
{
    auto* label = new QLabel(toQString(caption), container_);
    label->setTextFormat(Qt::PlainText);
    const bool placedVertically = alignment & Qt::AlignVertical_Mask;
    label->setAlignment(placedVertically ? alignment : alignment | Qt::AlignVCenter);
    place(label, name, rect);
    return label;
}

// Qt names a field after its buddy only when the label is the field's sibling,
// so the name is set here for every field alike.
QLabel* FormBuilder::keyLabel(const QString& name, std::string_view caption, const TwipsRect& rect,
                              QWidget* field) const
{
    QLabel* created = label(name, caption, rect, Qt::AlignRight);
    created->setBuddy(field);
    field->setAccessibleName(fieldName(caption));
    return created;
}

QLineEdit* FormBuilder::textBox(const QString& name, int x, int y, int width) const
{
    auto* box = new QLineEdit(container_);
    place(box, name, {x, y, width, kTextBoxHeight});
    return box;
}

QComboBox* FormBuilder::comboBox(const QString& name, int x, int y, int width,
                                 std::span<const std::string_view> entries) const
{
    auto* box = new QComboBox(container_);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string_view entry : entries)
        box->addItem(toQString(entry));
    box->setCurrentIndex(-1);
    place(box, name, {x, y, width, kComboBoxHeight});
    return box;
}

QPushButton* FormBuilder::button(const QString& name, std::string_view caption, const TwipsRect& rect) const
{
    auto* button = new QPushButton(toQString(caption), container_);
    button->setAutoDefault(false);
    place(button, name, rect);
    return button;
}

void FormBuilder::place(QWidget* widget, const QString& name, const TwipsRect& rect) const
{
    widget->setObjectName(name);
    widget->setGeometry(pixelRect(rect, corner_));
}

} // namespace defwright
