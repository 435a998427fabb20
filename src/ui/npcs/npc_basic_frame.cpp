#include "ui/npcs/npc_basic_frame.h"

#include "core/npcs/npc_tables.h"
#include "ui/widgets/form_builder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <span>

namespace defwright {
namespace {

constexpr int kLeftLabelX = 360;
constexpr int kLeftLabelWidth = 1455;
constexpr int kLeftBoxX = 1920;
constexpr int kRightBoxX = 5400;
constexpr int kBoxWidth = 1815;

constexpr int kIdentifierY = 1230;
constexpr TwipsRect kHeaderEndLabel{3840, kIdentifierY, 135, kLabelHeight};

// The basic boxes, 1 to 17, with their label's place.
struct BasicRow {
    int boxX;
    int y;
    int labelX;
    int labelWidth;
};

constexpr BasicRow left(int y)
{
    return {kLeftBoxX, y, kLeftLabelX, kLeftLabelWidth};
}

// The row at 2310 stays empty: it parts the identifying fields from the rest.
constexpr std::array<BasicRow, NpcRecord::kBasicCount> kBasicRows = {{
    left(1590), left(1950), left(2670), left(3030), left(3390), left(3750), left(4110),
    left(4470), left(4830), left(5190), left(5550), left(5910), left(6270), left(6630),
    {kRightBoxX, 1230, 4200, 1095},
    {kRightBoxX, 1590, 3840, 1455},
    {kRightBoxX, 1950, 3840, 1455},
}};

// The flag and trigger-list boxes, in three groups with a gap between them.
constexpr std::array<int, NpcRecord::kListCount> kListRowsY = {
    2430, 2790, 3150, 3870, 4230, 4590, 5190, 5550, 5910, 6270,
};
constexpr int kListLabelX = 3960;
constexpr int kListLabelWidth = 1335;

} // namespace

NpcBasicFrame::NpcBasicFrame(const FormBuilder& page, const TwipsRect& rect)
    : QGroupBox(QStringLiteral("Basic NPC Defs"), page.container())
{
    page.place(this, QStringLiteral("frmnpcdefs"), rect);
    const FormBuilder frame = page.inside(this, rect);
    createIdentifier(frame);
    createBasicFields(frame);
    createListBoxes(frame);
    connectFields();
}

void NpcBasicFrame::createIdentifier(const FormBuilder& frame)
{
    txtndef_ = frame.textBox(QStringLiteral("txtndef"), kLeftBoxX, kIdentifierY, kBoxWidth);
    frame.keyLabel(QStringLiteral("Label4"), kNpcHeaderCaption,
                   {kLeftLabelX, kIdentifierY, kLeftLabelWidth, kLabelHeight}, txtndef_);
    frame.label(QStringLiteral("Label2"), kNpcHeaderEnd, kHeaderEndLabel);
}

void NpcBasicFrame::createBasicFields(const FormBuilder& frame)
{
    for (int i = 0; i < NpcRecord::kBasicCount; ++i) {
        const int index = i + NpcRecord::kFirstBasicIndex;
        const BasicRow& row = kBasicRows[i];
        txtnBasic_[i] = frame.textBox(arrayName("txtnBasic", index), row.boxX, row.y, kBoxWidth);
        frame.keyLabel(arrayName("lblnBasic", index), kNpcBasicKeys[i],
                       {row.labelX, row.y, row.labelWidth, kLabelHeight}, txtnBasic_[i]);
    }
}

void NpcBasicFrame::createListBoxes(const FormBuilder& frame)
{
    for (int i = 0; i < NpcRecord::kListCount; ++i) {
        const auto entries = i < kMovementFlagBoxes ? std::span<const std::string_view>(kMovementFlags)
                                                    : std::span<const std::string_view>();
        lstCan_[i] = frame.comboBox(arrayName("lstCan", i), kRightBoxX, kListRowsY[i], kBoxWidth, entries);
        frame.keyLabel(arrayName("lblCan", i), kNpcListKeys[i],
                       {kListLabelX, kListRowsY[i], kListLabelWidth, kLabelHeight}, lstCan_[i]);
    }
}

void NpcBasicFrame::connectFields()
{
    connect(txtndef_, &QLineEdit::textChanged, this, &NpcBasicFrame::fieldChanged);
    for (QLineEdit* box : txtnBasic_)
        connect(box, &QLineEdit::textChanged, this, &NpcBasicFrame::fieldChanged);
    for (QComboBox* box : lstCan_)
        connect(box, &QComboBox::editTextChanged, this, &NpcBasicFrame::fieldChanged);
}

void NpcBasicFrame::readInto(NpcRecord& npc) const
{
    npc.identifier = fieldText(txtndef_);
    for (int i = 0; i < NpcRecord::kBasicCount; ++i)
        npc.basic[i] = fieldText(txtnBasic_[i]);
    for (int i = 0; i < NpcRecord::kListCount; ++i)
        npc.lists[i] = fieldText(lstCan_[i]);
}

QWidgetList NpcBasicFrame::focusOrder() const
{
    QWidgetList order = {txtndef_};
    order.append(QWidgetList(txtnBasic_.begin(), txtnBasic_.end()));
    order.append(QWidgetList(lstCan_.begin(), lstCan_.end()));
    return order;
}

} // namespace defwright
