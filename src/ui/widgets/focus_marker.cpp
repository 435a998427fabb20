#include "ui/widgets/focus_marker.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusFrame>

namespace defwright {

FocusMarker::FocusMarker(QWidget* window)
    : QObject(window)
    , window_(window)
    , frame_(new QFocusFrame(window))
{
    frame_->setObjectName(QStringLiteral("focusFrame"));
    frame_->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMarker::follow(QWidget* focused)
{
    if (frame_ == nullptr)
        return;
    const bool unmarked = qobject_cast<QAbstractScrollArea*>(focused) != nullptr;
    const bool here = focused != nullptr && focused->window() == window_;
    frame_->setWidget(unmarked && here ? focused : nullptr);
}

} // namespace defwright
