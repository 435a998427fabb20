#include "inspector_probe.h"
#include "window_test_main.h"

#include <QLabel>
#include <QRegularExpression>

#include <utility>

using namespace defwright;
using namespace defwright::test;

namespace {

QString note(const QWidget& window)
{
    return control<QLabel>(window, QStringLiteral("lblInspectorNote"))->text();
}

// The rows a definition should show, counted from its text alone: the header,
// each line up to the next header that is not blank and comes before the
// first ON=@ (comments too, but not those that end a definition without
// triggers, which are the next one's), and each ON=@ line.
int expectedRows(const QStringList& lines, int header)
{
    static const QRegularExpression trigger(QStringLiteral("^\\s*on\\s*=\\s*@"),
                                            QRegularExpression::CaseInsensitiveOption);
    int count = 1;
    int comments = 0;
    bool inTriggers = false;
    for (int line = header + 1; line < lines.size() && !lines[line].trimmed().startsWith(u'['); ++line) {
        const QString text = lines[line].trimmed();
        if (trigger.match(lines[line]).hasMatch()) {
            count += (inTriggers ? 0 : std::exchange(comments, 0)) + 1;
            inTriggers = true;
        } else if (!inTriggers && text.startsWith(QStringLiteral("//"))) {
            ++comments;
        } else if (!inTriggers && !text.isEmpty()) {
            count += std::exchange(comments, 0) + 1;
        }
    }
    return count;
}

// What one insertion into `before` made `after`; "<not one insertion>" otherwise.
std::string inserted(std::string_view before, std::string_view after)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && before[prefix] == after[prefix])
        ++prefix;
    const std::size_t added = after.size() - before.size();
    if (after.size() < before.size() || after.substr(prefix + added) != before.substr(prefix))
        return "<not one insertion>";
    return std::string(after.substr(prefix, added));
}

} // namespace

class InspectorInputTest : public QObject {
    Q_OBJECT

private slots:
    void aDefinitionOfFiftyThousandLines();
    void aHeaderWithoutABodyTakesALine_data();
    void aHeaderWithoutABodyTakesALine();
    void aLineWithoutEqualsIsARow();
    void aValueOfOneMegabyteIsEditedWhole();
    void everyRealDefinitionShowsEachLineAndTakesAnEdit();
};

void InspectorInputTest::aDefinitionOfFiftyThousandLines()
{
    std::string text = "[ITEMDEF big]\n";
    for (int line = 0; line < 50'000; ++line)
        text += "KEY" + std::to_string(line) + "=value " + std::to_string(line) + "\n";
    text += "ON=@Create\nCOLOR=1\n[ITEMDEF next]\nNAME=n\n";
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, text, 40'000);
    QCOMPARE(rows(window)->model()->rowCount(), 50'002);
    QCOMPARE(rows(window)->currentIndex().row(), 40'000);
    editValue(window, 50'000, QStringLiteral("last"));
    QCOMPARE(paneBytes(window), replaced(text, "=value 49999\n", "=last\n"));
    pressOnRow(window, 1, Qt::Key_Delete);
    QCOMPARE(paneBytes(window), replaced(replaced(text, "=value 49999\n", "=last\n"), "KEY0=value 0\n", ""));
}

void InspectorInputTest::aHeaderWithoutABodyTakesALine_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("added");
    QTest::newRow("before the next header") << std::string("[ITEMDEF empty]\r\n[ITEMDEF next]\r\nNAME=n\r\n")
                                            << std::string("[ITEMDEF empty]\r\nVALUE=7\r\n[ITEMDEF next]\r\nNAME=n\r\n");
    QTest::newRow("the last line, no break") << std::string("[ITEMDEF empty]") << std::string("[ITEMDEF empty]\r\nVALUE=7");
    QTest::newRow("its comments stay below") << std::string("[ITEMDEF empty] // none\n// about the next\n[ITEMDEF n]\n")
                                             << std::string("[ITEMDEF empty] // none\nVALUE=7\n// about the next\n[ITEMDEF n]\n");
}

// Enter in the key box goes on to the value, and Enter there adds the line.
void InspectorInputTest::aHeaderWithoutABodyTakesALine()
{
    QFETCH(std::string, text);
    QFETCH(std::string, added);
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, text, 0);
    QCOMPARE(rowTexts(window).size(), 1);
    ModalAnswers answers;
    answers.then([](QWidget* modal) {
        QTRY_COMPARE(QApplication::activeWindow(), modal);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("VALUE"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(rows(window), Qt::Key_Insert);
    QVERIFY(answeredAll(answers));
    QCOMPARE(paneBytes(window), added);
    QCOMPARE(rowTexts(window).value(1), QStringLiteral("VALUE|7|"));
}

// A bare line's text is its value, and it may not become a header or a trigger.
void InspectorInputTest::aLineWithoutEqualsIsARow()
{
    const std::string text = "[ITEMDEF i]\nstray words // note\nNAME=a\n";
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, text, 2);
    QCOMPARE(rowTexts(window).value(1), QStringLiteral("|stray words|// note"));
    QTRY_VERIFY(!cell(window, 1, 0, Qt::ToolTipRole).isEmpty());
    for (const QString refused : {"ON=@Create", "[ITEMDEF x]"}) {
        editValue(window, 1, refused);
        QCOMPARE(paneBytes(window), text);
        QCOMPARE(note(window), QStringLiteral("That value would make the line a header or a trigger; nothing was edited."));
    }
    editValue(window, 1, QStringLiteral("other words"));
    QCOMPARE(paneBytes(window), replaced(text, "stray words", "other words"));
    QVERIFY(note(window).isEmpty());
}

void InspectorInputTest::aValueOfOneMegabyteIsEditedWhole()
{
    const std::string value(1 << 20, 'x');
    const std::string text = "[ITEMDEF i]\r\nDESCRIPTION=" + value + " // long\r\nNAME=a\r\n";
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, text, 2);
    QCOMPARE(cell(window, 1, kValue).size(), InspectorModel::kShownValueLength + 1);
    QCOMPARE(cell(window, 1, kValue, Qt::EditRole).size(), qsizetype{1 << 20});
    editValue(window, 2, QStringLiteral("b"));
    QCOMPARE(paneBytes(window), replaced(text, "NAME=a", "NAME=b"));
    pressOnRow(window, 1, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_Y);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(paneBytes(window), replaced(replaced(text, "NAME=a", "NAME=b"), "x // long", "xy // long"));
}

// Each definition of real files, in their encodings and line breaks: every
// line shown, and a value typed on and taken back with Ctrl+Z.
void InspectorInputTest::everyRealDefinitionShowsEachLineAndTakesAnEdit()
{
    MainWindow window;
    QTemporaryDir dir;
    QVERIFY(showActive(window));
    int definitions = 0;
    for (const char* name : {"functions/f_dungeon_chest.scp", "speech/spk_pet.scp", "types/types.scp",
                             "npcs/c_human_guildmasters.scp", "items/i_provisions_armor_gargish.scp"}) {
        window.openItemScript(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/") + name);
        ScriptPane* pane = itemPane(window);
        if (!inspector(window)->isVisible())
            showInspector(window);
        const std::string original(pane->bytes());
        const QStringList lines = QString::fromStdString(original).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        for (int line = 0; line < lines.size(); ++line) {
            if (!lines[line].trimmed().startsWith(u'[') || lines[line].trimmed().startsWith(QStringLiteral("[EOF]")))
                continue;
            ++definitions;
            pane->setCursorPosition(line, 0);
            const QString place = QStringLiteral(" in %1, line %2").arg(QString(name).section(u'/', -1)).arg(line + 1);
            QTRY_VERIFY(control<QLabel>(window, QStringLiteral("lblInspectorPlace"))->text().endsWith(place));
            QVERIFY2(rows(window)->model()->rowCount() == expectedRows(lines, line),
                     qPrintable(QStringLiteral("%1, line %2: %3 rows").arg(name).arg(line + 1).arg(rows(window)->model()->rowCount())));
            for (int row = 1; row < rows(window)->model()->rowCount(); ++row) {
                const QModelIndex value = rows(window)->model()->index(row, kValue);
                if (!(value.flags() & Qt::ItemIsEditable))
                    continue;
                rows(window)->model()->setData(value, value.data(Qt::EditRole).toString() + u'x');
                QCOMPARE(inserted(original, pane->bytes()), std::string("x"));
                QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
                QVERIFY2(pane->bytes() == original, name);
                break;
            }
        }
    }
    QVERIFY(definitions > 100);
}

DEFWRIGHT_WINDOW_TEST_MAIN(InspectorInputTest)

#include "inspector_input_test.moc"
