#include "ui/widgets/tab_control_accessible.h"

#include "ui/widgets/page_tab_accessible.h"
#include "ui/widgets/tab_control.h"

namespace defwright {

TabControlAccessible::TabControlAccessible(TabControl* control)
    : QAccessibleWidget(control, QAccessible::PageTabList)
{
}

TabControlAccessible::~TabControlAccessible()
{
    for (const QAccessible::Id id : std::as_const(tabs_))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TabControlAccessible::create(const QString& className, QObject* object)
{
    auto* control = qobject_cast<TabControl*>(object);
    if (control == nullptr || className != QLatin1String(TabControl::staticMetaObject.className()))
        return nullptr;
    return new TabControlAccessible(control);
}

TabControl* TabControlAccessible::control() const
{
    return static_cast<TabControl*>(widget());
}

int TabControlAccessible::tabCount() const
{
    return control()->count();
}

int TabControlAccessible::childCount() const
{
    return tabCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* TabControlAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (index >= tabCount())
        return QAccessibleWidget::child(index - tabCount());
    if (const auto known = tabs_.constFind(index); known != tabs_.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* tab = new PageTabAccessible(control(), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabControlAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr)
        return -1;
    for (auto tab = tabs_.constBegin(); tab != tabs_.constEnd(); ++tab) {
        if (QAccessible::accessibleInterface(tab.value()) == child)
            return tab.key();
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : widgetIndex + tabCount();
}

// While the tab control has the focus, the current tab is what has it.
QAccessibleInterface* TabControlAccessible::focusChild() const
{
    if (control()->hasFocus())
        return child(control()->currentIndex());
    return QAccessibleWidget::focusChild();
}

} // namespace defwright
