#include "../scripts_folder_fixture.h"
#include "core/items/item_layout.h"
#include "core/npcs/npc_layout.h"
#include "core/script/ascii_case.h"
#include "window_test_main.h"

#include <QDirIterator>

#include <algorithm>

using namespace defwright;
using namespace defwright::test;

namespace {

// What typing one letter at the end of the name box did to the script: empty
// when it changed only the value of the definition's NAME line, or added one
// NAME line; otherwise the bytes it took away and put in.
QString wrongNameEdit(std::string_view before, std::string_view after)
{
    const auto prefix = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first - before.begin());
    const auto suffix = static_cast<std::size_t>(
        std::mismatch(before.rbegin(), before.rend() - prefix, after.rbegin(), after.rend() - prefix).first
        - before.rbegin());
    const std::string_view removed = before.substr(prefix, before.size() - suffix - prefix);
    const std::string_view added = after.substr(prefix, after.size() - suffix - prefix);
    const ScriptLine line = scriptLineAt(before, lineStartAt(before, prefix));
    const bool onNameLine = line.kind == LineKind::Keyed && equalsIgnoringCase(line.key.of(before), "NAME");
    std::string addedText(added);
    std::erase_if(addedText, [](char c) { return c == '\r' || c == '\n'; });
    const bool newNameLine = addedText == "NAME=x" && added.size() - addedText.size() <= 2;
    if (removed.empty() && ((added == "x" && onNameLine) || newNameLine))
        return {};
    return QStringLiteral("took away \"%1\", put in \"%2\" at byte %3")
        .arg(qt(std::string(removed)), qt(std::string(added)))
        .arg(prefix);
}

// Ctrl+R at each header of the kind, "x" typed at the end of the name box,
// one Ctrl+Z in the pane; counts the definitions.
void typeIntoEveryName(const MainWindow& window, ScriptPane* pane, const DefinitionKind& kind, QLineEdit* name,
                       const QString& file, int& count)
{
    const std::string original(pane->bytes());
    const ModalAnswers none;
    for (std::size_t start = 0;; start = scriptLineAt(original, start).next()) {
        const ScriptLine line = scriptLineAt(original, start);
        if (headerPlace(original, line, kind)) {
            ++count;
            pane->SendScintilla(ScriptPane::SCI_GOTOPOS, start);
            trigger(window, QStringLiteral("mnuFieldsFromScript"));
            name->end(false);
            QTest::keyClick(name, Qt::Key_X);
            const QString wrong = wrongNameEdit(original, pane->bytes());
            const long line = pane->SendScintilla(ScriptPane::SCI_LINEFROMPOSITION, start) + 1;
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(wrong)));
            QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(pane->bytes() == original, qPrintable(file + ": undo at byte " + QString::number(start)));
        }
        if (line.isLast())
            break;
    }
    QVERIFY2(none.unexpected().isEmpty(), qPrintable(file + ": " + none.unexpected().join(u',')));
}

} // namespace

class TiedSamplesTest : public QObject {
    Q_OBJECT

private slots:
    void everyRealDefinitionTakesANameWithoutLosingAByte();
};

// Both panes, so both kinds are read from the file as it was opened, its
// encoding and line breaks as they are.
void TiedSamplesTest::everyRealDefinitionTakesANameWithoutLosingAByte()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* itemPane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    auto* npcPane = control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    int items = 0;
    int npcs = 0;
    QDirIterator files(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS), {QStringLiteral("*.scp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        window.openItemScript(path);
        showPage(window, 0);
        typeIntoEveryName(window, itemPane, itemLayout().kind, control<QLineEdit>(window, "txtBasic(0)"), path, items);
        trigger(window, QStringLiteral("mnuClose")); // a file is one document, in one pane at a time
        openNpcScript(window, path);
        showPage(window, 2);
        typeIntoEveryName(window, npcPane, npcLayout().kind, control<QLineEdit>(window, "txtnBasic(1)"), path, npcs);
        QVERIFY(!QTest::currentTestFailed());
    }
    QCOMPARE(items, 2936);
    QCOMPARE(npcs, 183);
}

DEFWRIGHT_WINDOW_TEST_MAIN(TiedSamplesTest)
#include "tied_samples_test.moc"
