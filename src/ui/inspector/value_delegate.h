#pragma once

#include "ui/widgets/kept_typing_delegate.h"

namespace defwright {

/// Edits a value in a line box named for its key, for screen readers.
class ValueDelegate : public KeptTypingDelegate {
    Q_OBJECT

public:
    using KeptTypingDelegate::KeptTypingDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace defwright
