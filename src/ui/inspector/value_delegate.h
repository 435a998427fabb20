#pragma once

#include <QStyledItemDelegate>

namespace defwright {

/// Edits a value in a line box that takes it whole: a box cuts what it is
/// given at 32,767 characters unless told otherwise, and a value is as long
/// as its line.
class ValueDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace defwright
