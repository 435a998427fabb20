#include "ui/panes/script_page.h"

#include "ui/panes/find_bar.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/form_builder.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

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
    findBar_ = new FindBar(pane_, holder.container());
    findBar_->installEventFilter(this);
}

bool ScriptPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == findBar_ && (type == QEvent::Show || type == QEvent::Hide || type == QEvent::LayoutRequest))
        fitFindBar();
    return QWidget::eventFilter(watched, event);
}

void ScriptPage::fitFindBar()
{
    if (findBar_->isHidden()) {
        pane_->setGeometry(paneRect_);
        return;
    }
    const int height = findBar_->heightForWidth(paneRect_.width()) > 0 ? findBar_->heightForWidth(paneRect_.width())
                                                                        : findBar_->sizeHint().height();
    pane_->setGeometry(paneRect_.adjusted(0, 0, 0, -height));
    findBar_->setGeometry(paneRect_.left(), paneRect_.bottom() + 1 - height, paneRect_.width(), height);
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
    fitFindBar();
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
