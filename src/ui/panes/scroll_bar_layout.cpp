#include "ui/panes/scroll_bar_layout.h"

#include <QAbstractScrollArea>
#include <QMetaObject>
#include <QScrollBar>

namespace defwright {
namespace {

// The scroll area's own slot, connected to both bars' rangeChanged.
constexpr const char* kLayOutSlot = "_q_showOrHideScrollBars";

void layOutWhenScrollingChanges(QAbstractScrollArea* area, QScrollBar* bar)
{
    // A Qt that lays the area out some other way is left to do so.
    if (area->metaObject()->indexOfMethod("_q_showOrHideScrollBars()") < 0
        || !QObject::disconnect(bar, SIGNAL(rangeChanged(int,int)), area, SLOT(_q_showOrHideScrollBars())))
        return;
    QObject::connect(bar, &QScrollBar::rangeChanged, area,
                     [area, scrolls = bar->minimum() < bar->maximum()](int minimum, int maximum) mutable {
                         if ((minimum < maximum) == scrolls)
                             return;
                         scrolls = minimum < maximum;
                         QMetaObject::invokeMethod(area, kLayOutSlot, Qt::QueuedConnection);
                     });
}

} // namespace

void layOutScrollBarsOnlyWhenNeeded(QAbstractScrollArea* area)
{
    layOutWhenScrollingChanges(area, area->horizontalScrollBar());
    layOutWhenScrollingChanges(area, area->verticalScrollBar());
}

} // namespace defwright
