#pragma once

#include "ui/widgets/kept_typing_delegate.h"

namespace defwright {

/// Edits a cell in a line box, or, for a repeated key, in a box of one
/// value a line, where Enter begins another line and leaving the box sets it.
/// What is typed stays when the table reads the file anew meanwhile, and is
/// planned on the text read anew once it is given.
class CellDelegate : public KeptTypingDelegate {
    Q_OBJECT

public:
    using KeptTypingDelegate::KeptTypingDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};

} // namespace defwright
