#include "ui/widgets/window_parts.h"

#include "ui/widgets/form_builder.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace defwright {

QList<QLabel*> createLabels(QWidget* parent, std::span<const LabelRow> rows)
{
    const FormBuilder builder(parent, {});
    QList<QLabel*> labels;
    for (const LabelRow& row : rows) {
        QLabel* label = builder.label(QString::fromLatin1(row.name), row.text, row.rect, Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(row.wraps);
        if (row.font)
            label->setFont(windowFont(row.font->typeface, row.font->pointSize, row.font->bold));
        labels.append(label);
    }
    return labels;
}

QPushButton* createOkButton(QDialog* dialog, const char* name, const TwipsRect& rect)
{
    auto* button = new QPushButton(QStringLiteral("OK"), dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixelRect(rect));
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

} // namespace defwright
