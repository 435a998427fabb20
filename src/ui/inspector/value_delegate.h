#pragma once

#include <QStyledItemDelegate>

namespace defwright {

/// Edits a value in a line box that takes it whole: a box cuts what it is
/// given at 32,767 characters unless told otherwise, and a value is as long
/// as its line. What is typed in the box stays there when the row's problems
/// come in meanwhile (the view gives an open box its cell again at every change).
class ValueDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

} // namespace defwright
