#include "ui/inspector/value_delegate.h"

#include <QLineEdit>

#include <limits>

namespace defwright {

QWidget* ValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setMaxLength(std::numeric_limits<int>::max());
        const QString key = index.siblingAtColumn(0).data().toString();
        box->setAccessibleName(key.isEmpty() ? tr("Value") : tr("Value of %1").arg(key));
    }
    return editor;
}

void ValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QLineEdit*>(editor); box == nullptr || !box->isModified())
        QStyledItemDelegate::setEditorData(editor, index);
}

} // namespace defwright
