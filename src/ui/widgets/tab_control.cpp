#include "ui/widgets/tab_control.h"

#include "ui/widgets/tab_control_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace defwright {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
    , pages_(new QStackedWidget(this))
{
    // Installing the same factory again is a no-op, so every control may do it.
    QAccessible::installFactory(&TabControlAccessible::create);
    setAccessibleName(tr("Pages"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_MacShowFocusRect);
    connect(pages_, &QStackedWidget::currentChanged, this, [this](int index) {
        update();
        announceCurrentTab(index);
        emit currentChanged(index);
    });
}

int TabControl::addPage(QWidget* page, const QString& caption)
{
    captions_.append(caption);
    const int index = pages_->addWidget(page);
    pages_->setGeometry(pagesRect());
    update();
    return index;
}

int TabControl::count() const
{
    return static_cast<int>(captions_.size());
}

int TabControl::currentIndex() const
{
    return pages_->currentIndex();
}

QString TabControl::tabText(int index) const
{
    return captions_.value(index);
}

TwipsPoint TabControl::pageOffset(int rows)
{
    return {kFrameTwips, rows * kRowHeightTwips + kFrameTwips};
}

void TabControl::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        pages_->setCurrentIndex(index);
}

// Tells a screen reader which tab is selected now, and that it has the focus
// when the tab control has it, as a tab bar does.
void TabControl::announceCurrentTab(int index)
{
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

int TabControl::rowCount() const
{
    return (count() + kTabsPerRow - 1) / kTabsPerRow;
}

// The current tab's row stands next to the page; the other rows keep their
// order above it, as a multi-row tab control on the desktop does.
QRect TabControl::tabRect(int index) const
{
    const int rowHeight = twipsToPixels(kRowHeightTwips);
    const int currentRow = currentIndex() / kTabsPerRow;
    const int row = index / kTabsPerRow;
    const int rows = rowCount();
    const int visualRow = row == currentRow ? rows - 1 : (row < currentRow ? row : row - 1);
    const int column = index % kTabsPerRow;
    const int left = width() * column / kTabsPerRow;
    const int right = width() * (column + 1) / kTabsPerRow;
    return {left, visualRow * rowHeight, right - left, rowHeight};
}

QRect TabControl::frameRect() const
{
    return rect().adjusted(0, twipsToPixels(rowCount() * kRowHeightTwips), 0, 0);
}

// Pages sit inside the frame, so their corner is where pageOffset() says.
QRect TabControl::pagesRect() const
{
    const int frame = twipsToPixels(kFrameTwips);
    return frameRect().adjusted(frame, frame, -frame, -frame);
}

int TabControl::tabAt(const QPoint& position) const
{
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = frameRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarRect = QRect(0, 0, width(), frameRect().top());
    frame.tabBarSize = frame.tabBarRect.size();
    frame.selectedTabRect = currentIndex() >= 0 ? tabRect(currentIndex()) : QRect();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    for (int index = 0; index < count(); ++index) {
        if (index != currentIndex())
            drawTab(painter, index);
    }
    if (currentIndex() >= 0)
        drawTab(painter, currentIndex()); // drawn last, so it overlaps its neighbours
}

void TabControl::drawTab(QPainter& painter, int index) const
{
    QStyleOptionTab tab;
    tab.initFrom(this);
    tab.rect = tabRect(index);
    tab.text = captions_.at(index);
    tab.shape = QTabBar::RoundedNorth;
    tab.position = index % kTabsPerRow == 0 ? QStyleOptionTab::Beginning : QStyleOptionTab::End;
    tab.state &= ~QStyle::State_HasFocus;
    if (index == currentIndex()) {
        tab.state |= QStyle::State_Selected;
        if (hasFocus())
            tab.state |= QStyle::State_HasFocus;
    }
    // Some styles paint a selected tab's body on below it, where a one-row tab
    // bar's page would begin; here the page begins at the lower row only.
    painter.save();
    painter.setClipRect(tab.rect.adjusted(0, 0, 0, style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this)));
    style()->drawControl(QStyle::CE_TabBarTab, &tab, &painter, this);
    painter.restore();
    if (tab.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = tab.rect.adjusted(4, 3, -4, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TabControl::mousePressEvent(QMouseEvent* event)
{
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        setCurrentIndex(index);
    else
        QWidget::mousePressEvent(event);
}

// Arrow keys move between tabs while the tab control has the focus; Ctrl+Tab and
// Ctrl+Page Down (with Shift, or Page Up, backwards) do so from anywhere on a page,
// as the keys reach here when the focused control leaves them unused.
void TabControl::keyPressEvent(QKeyEvent* event)
{
    const int step = keyStep(*event);
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (count() > 0)
        setCurrentIndex((currentIndex() + step + count()) % count());
}

int TabControl::keyStep(const QKeyEvent& event) const
{
    const bool control = event.modifiers() & Qt::ControlModifier;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return hasFocus() ? -1 : 0;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return hasFocus() ? 1 : 0;
    case Qt::Key_Tab:
        return control ? (shift ? -1 : 1) : 0;
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
        return control ? -1 : 0;
    case Qt::Key_PageDown:
        return control ? 1 : 0;
    default:
        return 0;
    }
}

void TabControl::resizeEvent(QResizeEvent*)
{
    pages_->setGeometry(pagesRect());
}

} // namespace defwright
