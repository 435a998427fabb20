#pragma once

#include <QStyledItemDelegate>

namespace defwright {

/// Edits a cell in a box that takes its value whole and keeps what is typed.
/// A line box cuts what it is given at 32,767 characters unless told
/// otherwise, and a script's value is as long as its line. The view gives an
/// open box its cell again at every change of the model (the row's problems
/// coming in, a file read anew), which would throw away what is being typed:
/// a box the user has typed into keeps its text.
class KeptTypingDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

} // namespace defwright
