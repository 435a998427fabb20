#include "ui/panes/script_page.h"

#include "ui/panes/find_bar.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/form_builder.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>

namespace defwright {
namespace {

constexpr TwipsRect kPaneFrame{240, 870, 6255, 6855};
constexpr TwipsRect kPane{360, 1110, 6015, 6495};
constexpr int kButtonX = 6720;
constexpr int kFirstButtonY = 1230;
constexpr int kButtonStep = 480;
constexpr int kButtonWidth = 2175;
constexpr int kButtonHeight = 375;

} // namespace

ScriptPage::ScriptPage(const ScriptPageLayout& layout, TwipsPoint corner, QWidget* parent)
    : QWidget(parent)
{
    const FormBuilder page(this, corner);
    createPane(layout, page);
    createTriggerButtons(layout, page);
}

void ScriptPage::createPane(const ScriptPageLayout& layout, const FormBuilder& page)
{
    paneFrame_ = page.frame(QString::fromLatin1(layout.paneFrameName), layout.paneFrameCaption, kPaneFrame);
    paneFrameDesign_ = paneFrame_->geometry();
    const FormBuilder holder = layout.paneInsideFrame ? page.inside(paneFrame_, kPaneFrame) : page;
    pane_ = new ScriptPane(holder.container());
    holder.place(pane_, QString::fromLatin1(layout.paneName), kPane);
    pane_->setAccessibleName(toQString(layout.paneFrameCaption));
    paneDesign_ = pane_->geometry();
    paneRect_ = paneDesign_;
    createTabBar(layout, holder);
    findBar_ = new FindBar(pane_, holder.container());
    findBar_->installEventFilter(this);
    fitPane();
}

// The tabs never take the focus: the keys that switch documents work from
// anywhere, and the page's focus order stays as designed.
void ScriptPage::createTabBar(const ScriptPageLayout& layout, const FormBuilder& holder)
{
    tabBar_ = new QTabBar(holder.container());
    tabBar_->setObjectName(QString::fromLatin1(layout.tabBarName));
    tabBar_->setAccessibleName(toQString(layout.tabBarCaption));
    tabBar_->setFocusPolicy(Qt::NoFocus);
    tabBar_->setDocumentMode(true);
    tabBar_->setExpanding(false);
    tabBar_->setElideMode(Qt::ElideMiddle);
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setTabsClosable(true);
    tabBar_->setMovable(true);
    tabBar_->installEventFilter(this);
    // The first tab gives the bar its height; a tab of another document
    // changes nothing of it, and is cheap to fit again.
    connect(tabBar_, &QTabBar::currentChanged, this, &ScriptPage::fitPane);
}

bool ScriptPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool findBarChanged = watched == findBar_
                                && (type == QEvent::Show || type == QEvent::Hide || type == QEvent::LayoutRequest);
    const bool tabsChanged = watched == tabBar_ && (type == QEvent::FontChange || type == QEvent::StyleChange);
    if (findBarChanged || tabsChanged)
        fitPane();
    return QWidget::eventFilter(watched, event);
}

void ScriptPage::fitPane()
{
    const int tabs = tabBar_->sizeHint().height();
    tabBar_->setGeometry(paneRect_.left(), paneRect_.top(), paneRect_.width(), tabs);
    const QRect below = paneRect_.adjusted(0, tabs, 0, 0);
    if (findBar_->isHidden()) {
        pane_->setGeometry(below);
        return;
    }
    const int height = findBar_->heightForWidth(below.width()) > 0 ? findBar_->heightForWidth(below.width())
                                                                    : findBar_->sizeHint().height();
    pane_->setGeometry(below.adjusted(0, 0, 0, -height));
    findBar_->setGeometry(below.left(), below.bottom() + 1 - height, below.width(), height);
}

void ScriptPage::createTriggerButtons(const ScriptPageLayout& layout, const FormBuilder& page)
{
    QGroupBox* frame = page.frame(QString::fromLatin1(layout.triggerFrameName), "Other Triggers", layout.triggerFrame);
    triggerFrame_ = frame;
    triggerFrameDesign_ = frame->geometry();
    const FormBuilder column = page.inside(frame, layout.triggerFrame);
    for (int i = 0; i < static_cast<int>(layout.triggers.size()); ++i) {
        QPushButton* button = column.button(arrayName(layout.buttonName, i), layout.triggers[i],
                                            {kButtonX, kFirstButtonY + kButtonStep * i, kButtonWidth, kButtonHeight});
        connect(button, &QPushButton::clicked, this, [this, i] { emit triggerClicked(i); });
        buttons_.append(button);
    }
}

void ScriptPage::stretch(QSize extra)
{
    paneFrame_->setGeometry(paneFrameDesign_.adjusted(0, 0, extra.width(), extra.height()));
    paneRect_ = paneDesign_.adjusted(0, 0, extra.width(), extra.height());
    triggerFrame_->setGeometry(triggerFrameDesign_.translated(extra.width(), 0));
    fitPane();
}

QWidgetList ScriptPage::focusOrder() const
{
    QWidgetList order = {pane_};
    order.append(findBar_->focusOrder());
    for (QPushButton* button : buttons_)
        order.append(button);
    return order;
}

} // namespace defwright
