#include "ui/npcs/npc_create_frame.h"

#include "core/npcs/npc_tables.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/form_builder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace defwright {
namespace {

constexpr int kLabelX = 840;
constexpr int kLabelWidth = 975;
constexpr int kBoxX = 1920;
constexpr int kRowStep = 360;

constexpr int kBrainY = 1230;
constexpr int kBrainWidth = 2055;

// Stats: the low value in the left column under "Low", the high one under "High".
constexpr std::array<int, 2> kStatHeadingsY = {1590, 3630};
constexpr int kLowHeadingX = 2280;
constexpr int kLowHeadingWidth = 375;
constexpr int kHighHeadingX = 3240;
constexpr int kHighHeadingWidth = 495;
constexpr int kFirstStatY = 1830;
constexpr int kLowX = 1920;
constexpr int kHighX = 3000;
constexpr int kStatWidth = 975;

constexpr int kFirstCreationY = 3990;
constexpr int kCreationWidth = 2055;
constexpr int kWideLabelX = 360; // "SPEECHCOLOR=" needs a wider label
constexpr int kWideLabelWidth = 1455;
constexpr int kSpeechColorIndex = 1;

// Skills: each slot is the skill box and, on the line under it, low and high.
constexpr TwipsRect kSkillsHeading{5040, 1230, 1095, kLabelHeight};
constexpr TwipsRect kSkillLowHeading{4680, 1470, 855, kLabelHeight};
constexpr TwipsRect kSkillHighHeading{5760, 1470, 855, kLabelHeight};
constexpr int kFirstSkillY = 1710;
constexpr int kSkillStep = 720;
constexpr int kSkillX = 4560;
constexpr int kSkillWidth = 2175;
constexpr int kSkillLowX = 4560;
constexpr int kSkillLowWidth = 975;
constexpr int kSkillHighX = 5640;
constexpr int kSkillHighWidth = 1095;

} // namespace

NpcCreateFrame::NpcCreateFrame(const FormBuilder& page, const TwipsRect& rect)
    : QGroupBox(QStringLiteral("@Create"), page.container())
{
    page.place(this, QStringLiteral("frmcreate"), rect);
    const FormBuilder frame = page.inside(this, rect);
    createBrainAndStats(frame);
    createCreationValues(frame);
    createSkills(frame);
    connectFields();
}

void NpcCreateFrame::createBrainAndStats(const FormBuilder& frame)
{
    cmbbrain_ = frame.comboBox(QStringLiteral("cmbbrain"), kBoxX, kBrainY, kBrainWidth, kBrains);
    cmbbrain_->setEditText(toQString(NpcRecord{}.brain));
    frame.keyLabel(QStringLiteral("Label3"), "Brain", {kLabelX, kBrainY, kLabelWidth, kLabelHeight}, cmbbrain_);

    const std::array<QString, 4> headingNames = {QStringLiteral("lblStatLow"), QStringLiteral("lblStatHigh"),
                                                 QStringLiteral("Label7"), QStringLiteral("Label8")};
    for (int pair = 0; pair < 2; ++pair) {
        const int y = kStatHeadingsY[pair];
        frame.label(headingNames[pair * 2], "Low", {kLowHeadingX, y, kLowHeadingWidth, kLabelHeight});
        frame.label(headingNames[pair * 2 + 1], "High", {kHighHeadingX, y, kHighHeadingWidth, kLabelHeight});
    }
    for (int i = 0; i < NpcRecord::kStatCount; ++i) {
        const int y = kFirstStatY + kRowStep * i;
        txth_[i] = frame.textBox(arrayName("txth", i), kLowX, y, kStatWidth);
        txtl_[i] = frame.textBox(arrayName("txtl", i), kHighX, y, kStatWidth);
        frame.keyLabel(arrayName("lblnhl", i), kNpcStatKeys[i], {kLabelX, y, kLabelWidth, kLabelHeight}, txth_[i]);
        txth_[i]->setAccessibleName(fieldName(kNpcStatKeys[i]) + tr(" low"));
        txtl_[i]->setAccessibleName(fieldName(kNpcStatKeys[i]) + tr(" high"));
    }
}

void NpcCreateFrame::createCreationValues(const FormBuilder& frame)
{
    for (int i = 0; i < NpcRecord::kCreationCount; ++i) {
        const int y = kFirstCreationY + kRowStep * i;
        const bool wide = i == kSpeechColorIndex;
        txtncreate_[i] = frame.textBox(arrayName("txtncreate", i), kBoxX, y, kCreationWidth);
        frame.keyLabel(arrayName("lblncreate", i), kNpcCreationKeys[i],
                       {wide ? kWideLabelX : kLabelX, y, wide ? kWideLabelWidth : kLabelWidth, kLabelHeight},
                       txtncreate_[i]);
    }
}

void NpcCreateFrame::createSkills(const FormBuilder& frame)
{
    frame.label(QStringLiteral("Label9"), "Skills", kSkillsHeading, Qt::AlignHCenter)
        ->setFont(windowFont(Typeface::Verdana, 8.25, true));
    frame.label(QStringLiteral("Label11"), "Low", kSkillLowHeading, Qt::AlignHCenter);
    frame.label(QStringLiteral("Label10"), "High", kSkillHighHeading, Qt::AlignHCenter);
    for (int i = 0; i < NpcRecord::kSkillCount; ++i) {
        const int y = kFirstSkillY + kSkillStep * i;
        cmbskill1_[i] = frame.comboBox(arrayName("cmbskill1", i), kSkillX, y, kSkillWidth, kSkills);
        txtsl_[i] = frame.textBox(arrayName("txtsl", i), kSkillLowX, y + kRowStep, kSkillLowWidth);
        txtsh_[i] = frame.textBox(arrayName("txtsh", i), kSkillHighX, y + kRowStep, kSkillHighWidth);
        // The slots have headings but no labels of their own; name them for screen readers.
        const QString slot = tr("Skill %1").arg(i + 1);
        cmbskill1_[i]->setAccessibleName(slot);
        txtsl_[i]->setAccessibleName(slot + tr(" low"));
        txtsh_[i]->setAccessibleName(slot + tr(" high"));
    }
}

// Initial texts are all given by now, so no change below comes from building the frame.
void NpcCreateFrame::connectFields()
{
    QList<QLineEdit*> boxes;
    for (const auto* group : {&txth_, &txtl_})
        boxes.append(QList<QLineEdit*>(group->begin(), group->end()));
    boxes.append(QList<QLineEdit*>(txtncreate_.begin(), txtncreate_.end()));
    for (const auto* group : {&txtsl_, &txtsh_})
        boxes.append(QList<QLineEdit*>(group->begin(), group->end()));
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, this, &NpcCreateFrame::fieldChanged);
    connect(cmbbrain_, &QComboBox::editTextChanged, this, &NpcCreateFrame::fieldChanged);
    for (QComboBox* box : cmbskill1_)
        connect(box, &QComboBox::editTextChanged, this, &NpcCreateFrame::fieldChanged);
}

void NpcCreateFrame::readInto(NpcRecord& npc) const
{
    npc.brain = fieldText(cmbbrain_);
    for (int i = 0; i < NpcRecord::kStatCount; ++i)
        npc.stats[i] = {fieldText(txth_[i]), fieldText(txtl_[i])};
    for (int i = 0; i < NpcRecord::kCreationCount; ++i)
        npc.creation[i] = fieldText(txtncreate_[i]);
    for (int i = 0; i < NpcRecord::kSkillCount; ++i)
        npc.skills[i] = {fieldText(cmbskill1_[i]), fieldText(txtsl_[i]), fieldText(txtsh_[i])};
}

QWidgetList NpcCreateFrame::focusOrder() const
{
    QWidgetList order = {cmbbrain_};
    for (int i = 0; i < NpcRecord::kStatCount; ++i)
        order.append({txth_[i], txtl_[i]});
    order.append(QWidgetList(txtncreate_.begin(), txtncreate_.end()));
    for (int i = 0; i < NpcRecord::kSkillCount; ++i)
        order.append({cmbskill1_[i], txtsl_[i], txtsh_[i]});
    return order;
}

} // namespace defwright
