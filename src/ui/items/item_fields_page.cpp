#include "ui/items/item_fields_page.h"

#include "core/items/item_tables.h"
#include "core/script/script_text.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/form_builder.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace defwright {
namespace {

constexpr TwipsRect kFrame3{240, 840, 7095, 6855};

// A column of labels and boxes: where the labels and where the boxes stand.
struct Column {
    int labelX;
    int labelWidth;
    int boxX;
    int boxWidth;
};

constexpr Column kLeftColumn{360, 1455, 1920, 1695};
constexpr Column kRightColumn{3720, 1455, 5280, 1695};

// The basic fields as the page shows them; rows are 360 apart except where the
// right column leaves room for the frame's own rows.
struct BasicRow {
    int index;
    int boxY;
    Column column;
};

constexpr std::array<BasicRow, ItemRecord::kBasicCount> kBasicRows = {{
    {0, 1590, kLeftColumn},   {1, 1950, kLeftColumn},   {2, 2310, kLeftColumn},
    {3, 2670, kLeftColumn},   {4, 3030, kLeftColumn},   {5, 3390, kLeftColumn},
    {6, 3750, kLeftColumn},   {7, 4110, kLeftColumn},   {8, 4470, kLeftColumn},
    {9, 4830, kLeftColumn},   {10, 5190, kLeftColumn},  {11, 5550, kLeftColumn},
    {12, 5910, kLeftColumn},  {13, 6270, kLeftColumn},  {18, 6630, kLeftColumn},
    {14, 1230, kRightColumn}, {15, 1590, kRightColumn}, {16, 1950, kRightColumn},
    {17, 2310, kRightColumn}, {19, 2640, kRightColumn}, {20, 3000, kRightColumn},
    {21, 3360, kRightColumn},
}};

// Boxes 0 to 18 stand on the page itself, their labels a little higher than the
// box; boxes 19 to 21 stand inside the frame, level with their labels.
constexpr int kLastBasicOnPage = 18;
constexpr int kRaisedLabelTwips = 30;

struct AxisRow {
    int boxY;
    int labelX;
    int labelWidth;
};

constexpr std::array<AxisRow, ItemRecord::kAxisCount> kAxisRows = {{
    {3960, 3960, 1215},
    {4320, 3720, 1455},
    {4680, 3720, 1455},
}};

constexpr int kIdentifierY = 1230;
constexpr TwipsRect kIdentifierLabel{720, kIdentifierY - kRaisedLabelTwips, 1215, kLabelHeight};
constexpr TwipsRect kTypeLabel{480, 6960, 1335, kLabelHeight};
constexpr int kTypeY = 6960;
constexpr TwipsRect kCreateLabel{4560, 5160, 1935, kLabelHeight};
constexpr TwipsRect kHitPointsLabel{3840, 5520, 1335, kLabelHeight};
constexpr int kHitPointsY = 5520;
constexpr int kHitPointsLowX = 5280;
constexpr int kHitPointsHighX = 6240;
constexpr int kHitPointsWidth = 735;
constexpr TwipsRect kColorLabel{3840, 5880, 1335, kLabelHeight};
constexpr int kColorY = 5880;

} // namespace

ItemFieldsPage::ItemFieldsPage(TwipsPoint corner, QWidget* parent)
    : QWidget(parent)
{
    const FormBuilder page(this, corner);
    QGroupBox* frame3 = page.frame(QStringLiteral("Frame3"), "Basic Item Definitons", kFrame3);
    const FormBuilder frame = page.inside(frame3, kFrame3);
    createLeftColumn(page, frame);
    createBasicFields(page, frame);
    createRightColumn(page, frame);
    setBoxFonts();
    connectFields();
}

void ItemFieldsPage::createLeftColumn(const FormBuilder& page, const FormBuilder& frame)
{
    txtidef_ = page.textBox(QStringLiteral("txtidef"), kLeftColumn.boxX, kIdentifierY, kLeftColumn.boxWidth);
    frame.keyLabel(QStringLiteral("Label1"), kItemHeaderCaption, kIdentifierLabel, txtidef_)
        ->setFont(windowFont(Typeface::Verdana, 9.75));

    txtType_ = frame.comboBox(arrayName("txtType", 1), kLeftColumn.boxX, kTypeY, kLeftColumn.boxWidth, kItemTypes);
    frame.keyLabel(arrayName("lblType", 1), kItemTypeKey, kTypeLabel, txtType_);
}

void ItemFieldsPage::createBasicFields(const FormBuilder& page, const FormBuilder& frame)
{
    for (const BasicRow& row : kBasicRows) {
        const bool onPage = row.index <= kLastBasicOnPage;
        const FormBuilder& holder = onPage ? page : frame;
        QLineEdit* box = holder.textBox(arrayName("txtBasic", row.index), row.column.boxX, row.boxY,
                                        row.column.boxWidth);
        const int labelY = row.boxY - (onPage ? kRaisedLabelTwips : 0);
        frame.keyLabel(arrayName("lblBasic", row.index), kItemBasicKeys[row.index],
                       {row.column.labelX, labelY, row.column.labelWidth, kLabelHeight}, box);
        txtBasic_[row.index] = box;
    }
}

void ItemFieldsPage::createRightColumn(const FormBuilder& page, const FormBuilder& frame)
{
    for (int i = 0; i < ItemRecord::kAxisCount; ++i) {
        const AxisRow& row = kAxisRows[i];
        txtAxis_[i] = page.textBox(arrayName("txtAxis", i), kRightColumn.boxX, row.boxY, kRightColumn.boxWidth);
        frame.keyLabel(arrayName("lblAxis", i), kItemAxisKeys[i], {row.labelX, row.boxY, row.labelWidth, kLabelHeight},
                       txtAxis_[i]);
    }
    frame.label(QStringLiteral("Label12"), kCreateLine, kCreateLabel, Qt::AlignHCenter);

    txticreatel_ = frame.textBox(QStringLiteral("txticreatel"), kHitPointsLowX, kHitPointsY, kHitPointsWidth);
    txticreateh_ = frame.textBox(QStringLiteral("txticreateh"), kHitPointsHighX, kHitPointsY, kHitPointsWidth);
    frame.keyLabel(QStringLiteral("lblicreatehp"), kItemHitPointsKey, kHitPointsLabel, txticreatel_);
    // One label stands for both boxes; the names tell them apart.
    txticreatel_->setAccessibleName(fieldName(kItemHitPointsKey) + tr(" low"));
    txticreateh_->setAccessibleName(fieldName(kItemHitPointsKey) + tr(" high"));

    txtic_ = frame.textBox(QStringLiteral("txtic"), kRightColumn.boxX, kColorY, kRightColumn.boxWidth);
    frame.keyLabel(QStringLiteral("lblic"), kItemColorKey, kColorLabel, txtic_);
}

// The identifier, basic and axis boxes use MS Sans Serif; the rest keep the window's font.
void ItemFieldsPage::setBoxFonts()
{
    const QFont boxFont = windowFont(Typeface::MsSansSerif, 8.25);
    txtidef_->setFont(boxFont);
    for (QLineEdit* box : txtBasic_)
        box->setFont(boxFont);
    for (QLineEdit* box : txtAxis_)
        box->setFont(boxFont);
}

// Initial texts are all given by now, so no change below comes from building the page.
void ItemFieldsPage::connectFields()
{
    QList<QLineEdit*> boxes = {txtidef_, txticreatel_, txticreateh_, txtic_};
    boxes.append(QList<QLineEdit*>(txtBasic_.begin(), txtBasic_.end()));
    boxes.append(QList<QLineEdit*>(txtAxis_.begin(), txtAxis_.end()));
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, this, &ItemFieldsPage::fieldChanged);
    connect(txtType_, &QComboBox::editTextChanged, this, &ItemFieldsPage::fieldChanged);
    for (QLineEdit* box : txtBasic_)
        box->installEventFilter(this);
}

ItemRecord ItemFieldsPage::record() const
{
    ItemRecord item;
    item.identifier = fieldText(txtidef_);
    for (int i = 0; i < ItemRecord::kBasicCount; ++i)
        item.basic[i] = fieldText(txtBasic_[i]);
    item.type = fieldText(txtType_);
    for (int i = 0; i < ItemRecord::kAxisCount; ++i)
        item.axis[i] = fieldText(txtAxis_[i]);
    item.hitPointsLow = fieldText(txticreatel_);
    item.hitPointsHigh = fieldText(txticreateh_);
    item.color = fieldText(txtic_);
    return item;
}

void ItemFieldsPage::setRecord(const ItemRecord& item)
{
    showRecord(item);
    emit fieldChanged();
}

void ItemFieldsPage::showRecord(const ItemRecord& item)
{
    setFieldText(txtidef_, item.identifier);
    for (int i = 0; i < ItemRecord::kBasicCount; ++i)
        setFieldText(txtBasic_[i], item.basic[i]);
    setFieldText(txtType_, item.type);
    for (int i = 0; i < ItemRecord::kAxisCount; ++i)
        setFieldText(txtAxis_[i], item.axis[i]);
    setFieldText(txticreatel_, item.hitPointsLow);
    setFieldText(txticreateh_, item.hitPointsHigh);
    setFieldText(txtic_, item.color);
}

QWidgetList ItemFieldsPage::focusOrder() const
{
    QWidgetList order = {txtidef_};
    order.append(QWidgetList(txtBasic_.begin(), txtBasic_.begin() + kLastBasicOnPage + 1));
    order.append(QWidgetList(txtAxis_.begin(), txtAxis_.end()));
    order.append(txtType_);
    order.append(QWidgetList(txtBasic_.begin() + kLastBasicOnPage + 1, txtBasic_.end()));
    order.append({txticreatel_, txticreateh_, txtic_});
    return order;
}

// Only the scripter's own moves into a basic field rebuild the pane. The focus
// also comes back when the window is activated again, first shown, or a popup
// closes: that is not entering the field, and rebuilding then would throw away
// the pane's hand edits.
bool ItemFieldsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason: {
        const auto position = std::find(txtBasic_.begin(), txtBasic_.end(), watched);
        emit basicFieldEntered(static_cast<int>(position - txtBasic_.begin()));
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace defwright
