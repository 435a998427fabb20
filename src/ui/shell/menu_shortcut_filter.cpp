#include "ui/shell/menu_shortcut_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace defwright {

MenuShortcutFilter::MenuShortcutFilter(QWidget* window, QList<QKeySequence> sequences)
    : QObject(window)
    , window_(window)
    , sequences_(std::move(sequences))
{
}

bool MenuShortcutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    // Swallowing the override unaccepted leaves the key to the shortcut map.
    return sequences_.contains(pressed);
}

} // namespace defwright
