#include "field_typing.h"

#include "ui/widgets/form_builder.h"
#include "window_probe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace defwright::samples {
namespace {

void typeInto(QWidget& window, const QString& boxName, const std::string& value)
{
    QTest::keyClicks(test::control(window, boxName), QString::fromStdString(value));
}

// A pick from the list, as a click on the entry in the drop-down would do it;
// a value not in the list is typed over whatever the box shows.
void pickOrType(QWidget& window, const QString& boxName, const std::string& value)
{
    auto* box = test::control<QComboBox>(window, boxName);
    const int entry = box->findText(QString::fromStdString(value));
    if (entry >= 0)
        return box->setCurrentIndex(entry);
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    typeInto(window, boxName, value);
}

} // namespace

void typeItem(QWidget& window, const ItemRecord& item)
{
    typeInto(window, QStringLiteral("txtidef"), item.identifier);
    for (int i = 0; i < ItemRecord::kBasicCount; ++i)
        typeInto(window, arrayName("txtBasic", i), item.basic[i]);
    if (!item.type.empty())
        pickOrType(window, arrayName("txtType", 1), item.type);
    for (int i = 0; i < ItemRecord::kAxisCount; ++i)
        typeInto(window, arrayName("txtAxis", i), item.axis[i]);
    typeInto(window, QStringLiteral("txticreatel"), item.hitPointsLow);
    typeInto(window, QStringLiteral("txticreateh"), item.hitPointsHigh);
    typeInto(window, QStringLiteral("txtic"), item.color);
}

void typeNpc(QWidget& window, const NpcRecord& npc)
{
    typeInto(window, QStringLiteral("txtndef"), npc.identifier);
    for (int i = 0; i < NpcRecord::kBasicCount; ++i)
        typeInto(window, arrayName("txtnBasic", i + NpcRecord::kFirstBasicIndex), npc.basic[i]);
    for (int i = 0; i < NpcRecord::kListCount; ++i)
        typeInto(window, arrayName("lstCan", i), npc.lists[i]);
    pickOrType(window, QStringLiteral("cmbbrain"), npc.brain);
    for (int i = 0; i < NpcRecord::kStatCount; ++i) {
        typeInto(window, arrayName("txth", i), npc.stats[i].low);
        typeInto(window, arrayName("txtl", i), npc.stats[i].high);
    }
    for (int i = 0; i < NpcRecord::kCreationCount; ++i)
        typeInto(window, arrayName("txtncreate", i), npc.creation[i]);
    for (int i = 0; i < NpcRecord::kSkillCount; ++i) {
        typeInto(window, arrayName("cmbskill1", i), npc.skills[i].name);
        typeInto(window, arrayName("txtsl", i), npc.skills[i].low);
        typeInto(window, arrayName("txtsh", i), npc.skills[i].high);
    }
}

} // namespace defwright::samples
