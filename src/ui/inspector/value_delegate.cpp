#include "ui/inspector/value_delegate.h"

namespace defwright {

QWidget* ValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = KeptTypingDelegate::createEditor(parent, option, index);
    const QString key = index.siblingAtColumn(0).data().toString();
    editor->setAccessibleName(key.isEmpty() ? tr("Value") : tr("Value of %1").arg(key));
    return editor;
}

} // namespace defwright
