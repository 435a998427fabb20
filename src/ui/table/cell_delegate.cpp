#include "ui/table/cell_delegate.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace defwright {
namespace {

constexpr int kValueLines = 4;

bool isRepeated(const QModelIndex& index)
{
    return index.data(Qt::EditRole).toString().contains(QLatin1Char('\n'));
}

} // namespace

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    if (isRepeated(index)) {
        auto* lines = new QPlainTextEdit(parent);
        lines->setTabChangesFocus(true);
        lines->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor = lines;
    } else {
        editor = KeptTypingDelegate::createEditor(parent, option, index);
    }
    editor->setObjectName(QStringLiteral("txtCell"));
    editor->setAccessibleName(tr("%1 of %2")
                                  .arg(index.model()->headerData(index.column(), Qt::Horizontal).toString(),
                                       index.siblingAtColumn(0).data().toString()));
    return editor;
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* lines = qobject_cast<QPlainTextEdit*>(editor))
        model->setData(index, lines->toPlainText(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    if (qobject_cast<QPlainTextEdit*>(editor) != nullptr) {
        QRect box = editor->geometry();
        box.setHeight(std::max(box.height(), option.fontMetrics.lineSpacing() * kValueLines));
        editor->setGeometry(box);
    }
}

} // namespace defwright
