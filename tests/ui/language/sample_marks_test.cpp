#include "core/files/line_breaks.h"
#include "core/language/script_check.h"
#include "language_probe.h"
#include "ui/index/vocabulary_source.h"
#include "window_test_main.h"

#include <QSignalSpy>

#include <random>

using namespace defwright;
using namespace defwright::test;

class SampleMarksTest : public QObject {
    Q_OBJECT

private slots:
    void marksAfterEditsAreThoseOfAWholeCheck_data();
    void marksAfterEditsAreThoseOfAWholeCheck();
};

namespace {

const QString kSamples = QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS);

// Lines that make and mend faults, and headers that move the sections' ends.
const char* const kInserted[] = {"WEIGTH=1", "IF 1",        "ENDIF",     "ELSE",  "[ITEMDEF i_new]", "[EOF]",
                                 "ON=@Bogus", "[CHARDEF c_x", "// WHILE", "BEGIN", "[COMMENT x]",     "ENDWHILE"};

// The lines of the pane that carry a margin symbol of each severity.
std::set<std::pair<int, int>> symbols(ScriptPane* pane)
{
    std::set<std::pair<int, int>> lines;
    for (int line = 0; line < pane->lines(); ++line) {
        for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Hint}) {
            if (markedLine(pane, severity, line))
                lines.insert({static_cast<int>(severity), line});
        }
    }
    return lines;
}

std::set<std::pair<int, int>> symbols(ScriptPane* pane, const std::vector<ScriptProblem>& problems)
{
    std::set<std::pair<int, int>> lines;
    for (const ScriptProblem& problem : problems)
        lines.insert({static_cast<int>(problem.severity),
                      static_cast<int>(pane->SendScintilla(ScriptPane::SCI_LINEFROMPOSITION, problem.span.start))});
    return lines;
}

// A place on a character's first byte, so no edit splits one.
std::size_t onCharacter(ScriptPane* pane, std::size_t position)
{
    const long before = pane->SendScintilla(ScriptPane::SCI_POSITIONBEFORE, position);
    return static_cast<std::size_t>(pane->SendScintilla(ScriptPane::SCI_POSITIONAFTER, static_cast<unsigned long>(before)));
}

void editAtRandom(ScriptPane* pane, std::mt19937& random, const std::string& lineBreak)
{
    const auto length = static_cast<std::size_t>(pane->SendScintilla(ScriptPane::SCI_GETLENGTH));
    const auto line = static_cast<unsigned long>(random() % static_cast<unsigned>(pane->lines()));
    const auto start = static_cast<std::size_t>(pane->SendScintilla(ScriptPane::SCI_POSITIONFROMLINE, line));
    switch (random() % 4) {
    case 0:
    case 1:
        pane->replaceRange(start, start, kInserted[random() % std::size(kInserted)] + lineBreak);
        break;
    case 2: {
        const std::size_t from = onCharacter(pane, std::min(length, start + random() % 12));
        pane->replaceRange(from, onCharacter(pane, std::min(length, from + 1 + random() % 30)), "");
        break;
    }
    default:
        pane->undo();
    }
}

} // namespace

void SampleMarksTest::marksAfterEditsAreThoseOfAWholeCheck_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lineBreak");
    for (const QString file : {"npcs/c_monster_lbr.scp", "functions/f_dungeon_chest.scp", "items/i_misc.scp"}) {
        for (const LineBreak lineBreak : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}) {
            const QByteArray row = file.toUtf8() + ' ' + QByteArray::number(static_cast<int>(lineBreak));
            QTest::newRow(row.constData()) << file << static_cast<int>(lineBreak);
        }
    }
}

// A real script in each kind of line break, edited again and again where a
// scripter would: after each edit, checked section by section as the pane
// does it, the marks are those a check of the whole text makes, squiggle for
// squiggle and symbol for symbol. Now and then the timer checks, not the test.
void SampleMarksTest::marksAfterEditsAreThoseOfAWholeCheck()
{
    QFETCH(QString, file);
    QFETCH(int, lineBreak);
    const auto breaks = static_cast<LineBreak>(lineBreak);
    const std::string text = withLineBreaks(contents(kSamples + QLatin1Char('/') + file).toStdString(), breaks);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.scp"));
    writeFile(path, QByteArray::fromStdString(text));
    MainWindow window;
    QVERIFY(showActive(window));
    window.openItemScript(path);
    ScriptPane* pane = scriptPane(window, kItemPane);
    PaneProblems* problems = paneProblems(window, kItemPane);
    const VocabularySource* vocabulary = window.findChild<VocabularySource*>();
    QSignalSpy checked(problems, &PaneProblems::problemsChanged);
    std::mt19937 random(20261207);
    const std::string lineBreakText = breaks == LineBreak::Lf ? "\n" : breaks == LineBreak::Cr ? "\r" : "\r\n";
    for (int edit = 0; edit < 80; ++edit) {
        const std::string before(pane->bytes());
        checked.clear();
        editAtRandom(pane, random, lineBreakText);
        if (edit % 10 == 0 && pane->bytes() != before)
            QVERIFY(checked.wait());
        problems->checkNow(); // and what the folder's index, following the edits, asked for

        const std::vector<ScriptProblem> whole = checkScript(pane->bytes(), *vocabulary->vocabulary());
        QCOMPARE(squiggles(pane), squiggles(whole));
        QCOMPARE(symbols(pane), symbols(pane, whole));
    }
}

DEFWRIGHT_WINDOW_TEST_MAIN(SampleMarksTest)
#include "sample_marks_test.moc"
