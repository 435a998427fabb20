#include "ui/widgets/kept_typing_delegate.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

namespace defwright {

QWidget* KeptTypingDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* box = qobject_cast<QLineEdit*>(editor))
        box->setMaxLength(std::numeric_limits<int>::max());
    return editor;
}

void KeptTypingDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* lines = qobject_cast<QPlainTextEdit*>(editor)) {
        if (lines->document()->isModified())
            return;
        lines->setPlainText(index.data(Qt::EditRole).toString());
        lines->document()->setModified(false);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor); line == nullptr || !line->isModified()) {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

} // namespace defwright
