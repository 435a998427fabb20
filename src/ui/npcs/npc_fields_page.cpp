#include "ui/npcs/npc_fields_page.h"

#include "ui/npcs/npc_basic_frame.h"
#include "ui/npcs/npc_create_frame.h"
#include "ui/widgets/form_builder.h"

#include <QPushButton>

namespace defwright {
namespace {

constexpr TwipsRect kFrames{240, 870, 7095, 6855}; // both frames share one place
constexpr TwipsRect kCreateButton{7440, 960, 1575, 375};
constexpr TwipsRect kBasicButton{7440, 7350, 1575, 375};

} // namespace

NpcFieldsPage::NpcFieldsPage(TwipsPoint corner, QWidget* parent)
    : QWidget(parent)
{
    const FormBuilder page(this, corner);
    frmnpcdefs_ = new NpcBasicFrame(page, kFrames);
    frmcreate_ = new NpcCreateFrame(page, kFrames);
    Command2_ = page.button(QStringLiteral("Command2"), "@Create", kCreateButton);
    Command3_ = page.button(QStringLiteral("Command3"), "Basic NPC Defs", kBasicButton);
    connect(Command2_, &QPushButton::clicked, this, &NpcFieldsPage::Command2_Click);
    connect(Command3_, &QPushButton::clicked, this, &NpcFieldsPage::Command3_Click);
    connect(frmnpcdefs_, &NpcBasicFrame::fieldChanged, this, &NpcFieldsPage::fieldChanged);
    connect(frmcreate_, &NpcCreateFrame::fieldChanged, this, &NpcFieldsPage::fieldChanged);
}

void NpcFieldsPage::hideCreateFrame()
{
    frmcreate_->hide();
}

NpcFieldsPage::Frames NpcFieldsPage::frames() const
{
    if (!frmcreate_->isHidden())
        return Frames::Create;
    return Command3_->isHidden() ? Frames::Basic : Frames::Start;
}

void NpcFieldsPage::showFrames(Frames frames)
{
    if (frames == Frames::Create) {
        Command2_Click();
        return;
    }
    Command3_Click();
    if (frames == Frames::Start)
        Command3_->show();
}

void NpcFieldsPage::Command2_Click()
{
    frmnpcdefs_->hide();
    frmcreate_->show();
    Command2_->hide();
    Command3_->show();
}

void NpcFieldsPage::Command3_Click()
{
    frmnpcdefs_->show();
    frmcreate_->hide();
    Command3_->hide();
    Command2_->show();
}

NpcRecord NpcFieldsPage::record() const
{
    NpcRecord npc;
    frmnpcdefs_->readInto(npc);
    frmcreate_->readInto(npc);
    return npc;
}

void NpcFieldsPage::setRecord(const NpcRecord& npc)
{
    showRecord(npc);
    showBasicFrame();
    emit fieldChanged();
}

void NpcFieldsPage::showRecord(const NpcRecord& npc)
{
    frmnpcdefs_->writeFrom(npc);
    frmcreate_->writeFrom(npc);
}

void NpcFieldsPage::showBasicFrame()
{
    Command3_Click();
}

QWidgetList NpcFieldsPage::focusOrder() const
{
    QWidgetList order = frmnpcdefs_->focusOrder();
    order.append(frmcreate_->focusOrder());
    order.append({Command3_, Command2_});
    return order;
}

} // namespace defwright
