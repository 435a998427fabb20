#include "ui/widgets/page_tab_accessible.h"

#include "ui/widgets/tab_control.h"

namespace defwright {

PageTabAccessible::PageTabAccessible(TabControl* control, int index)
    : control_(control)
    , index_(index)
{
}

bool PageTabAccessible::isValid() const
{
    return control_ != nullptr && index_ < control_->count();
}

// A tab is drawn by its control and has no object of its own.
QObject* PageTabAccessible::object() const
{
    return nullptr;
}

QWindow* PageTabAccessible::window() const
{
    const QAccessibleInterface* control = parent();
    return control != nullptr ? control->window() : nullptr;
}

QAccessibleInterface* PageTabAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* PageTabAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(control_.data());
}

QAccessibleInterface* PageTabAccessible::child(int) const
{
    return nullptr;
}

int PageTabAccessible::childCount() const
{
    return 0;
}

int PageTabAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString PageTabAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || t != QAccessible::Name)
        return {};
    return control_->tabText(index_);
}

void PageTabAccessible::setText(QAccessible::Text, const QString&)
{
}

QRect PageTabAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = control_->tabRect(index_);
    return {control_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role PageTabAccessible::role() const
{
    return QAccessible::PageTab;
}

QAccessible::State PageTabAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const bool current = control_->currentIndex() == index_;
    state.focusable = true;
    state.selectable = true;
    state.selected = current;
    state.focused = current && control_->hasFocus();
    state.invisible = !control_->isVisible();
    return state;
}

void* PageTabAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList PageTabAccessible::actionNames() const
{
    return {pressAction()};
}

void PageTabAccessible::doAction(const QString& actionName)
{
    if (isValid() && actionName == pressAction())
        control_->setCurrentIndex(index_);
}

QStringList PageTabAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

} // namespace defwright
