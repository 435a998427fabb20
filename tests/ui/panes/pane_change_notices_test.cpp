#include "long_script.h"
#include "window_test_main.h"
#include "ui/panes/pane_search.h"
#include "ui/panes/script_pane.h"
#include "ui/widgets/wait_cursor.h"
#include "window_probe.h"

#include <QClipboard>
#include <QPaintEvent>
#include <QSignalSpy>

#include <utility>

using namespace defwright;
using namespace defwright::test;

namespace {

long send(const ScriptPane* pane, unsigned int message, unsigned long wParam = 0)
{
    return pane->SendScintilla(message, wParam);
}

// The part of a widget painted since the last look.
class PaintedArea : public QObject {
public:
    explicit PaintedArea(QWidget* widget) { widget->installEventFilter(this); }
    QRegion take() { return std::exchange(painted_, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion painted_;
};

// What the window system would paint next, painted now.
void paintWhatWaits()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

class PaneChangeNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void listenersHearOfEveryEdit_data();
    void listenersHearOfEveryEdit();
    void typedLinesAreColouredMarkedAndFolded_data() { shortAndLongScripts(); }
    void typedLinesAreColouredMarkedAndFolded();
    void typedBracesAreLit_data() { shortAndLongScripts(); }
    void typedBracesAreLit();
    void aKeyRepaintsItsLineAndLeavesTheRestToColour_data() { shortAndLongScripts(); }
    void aKeyRepaintsItsLineAndLeavesTheRestToColour();
};

void PaneChangeNoticesTest::listenersHearOfEveryEdit_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("9 lines") << 9;
    QTest::newRow("999,999 lines, 9 MB") << 999'999;
}

// The text's and the line count's change signals come once an edit is made,
// before anything is drawn (a file read in is told of under the wait cursor);
// a line number with another digit widens the margin, and the pane knows it is changed.
void PaneChangeNoticesTest::listenersHearOfEveryEdit()
{
    QFETCH(int, lines);
    const std::string script = QByteArray("ID=0f5c\r\n").repeated(lines - 1).toStdString();
    MainWindow window;
    ScriptPane* pane = itemPane(window);
    QSignalSpy text(pane, &ScriptPane::textChanged);
    QSignalSpy linesChanged(pane, &ScriptPane::linesChanged);
    const auto heard = [&] { return std::pair(int(text.count()), int(linesChanged.count())); };
    bool waiting = false;
    connect(pane, &ScriptPane::textChanged, this, [&] { waiting = QGuiApplication::overrideCursor() != nullptr; });
    withWaitCursor([&] { pane->replacePaneText(script + "ID=0f5c"); });
    QVERIFY(waiting && heard() == std::pair(1, 1));
    text.clear();
    linesChanged.clear();
    pane->repaint();
    pane->setModified(false);
    const long margin = send(pane, ScriptPane::SCI_GETMARGINWIDTHN, 0);

    QTest::keyClick(pane, Qt::Key_X);
    QCOMPARE(heard(), std::pair(1, 0));
    QVERIFY(pane->isModified());
    QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(heard(), std::pair(2, 1));
    QVERIFY(send(pane, ScriptPane::SCI_GETMARGINWIDTHN, 0) > margin);
    control<QAbstractButton>(window, QStringLiteral("cmdtriggers(0)"))->click();
    QCOMPARE(heard(), std::pair(3, 2));
    showPage(window, 0);
    pane->undo(); // neither a key nor drawn: told when the event loop runs
    QCOMPARE(heard().first, 3);
    QTRY_COMPARE(heard(), std::pair(4, 3));
}

// Lines typed and pasted at the end are coloured (a long script only where in
// view), the find bar marks what it finds in them, and a header made and unmade by hand folds and unfolds its block.
void PaneChangeNoticesTest::typedLinesAreColouredMarkedAndFolded()
{
    MainWindow window;
    ScriptPane* pane = rowPane(window);
    QTest::keyClick(pane, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("sword"));
    pane->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(pane, Qt::Key_Left); // the bar marks what is in view as the caret moves
    QTest::keyClick(pane, Qt::Key_Right);
    pane->repaint();
    QTest::keyClicks(pane, QStringLiteral("ITEMDEF i_x]"));
    QTest::keyClick(pane, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("NAME=sword\nID=1"));
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    pane->repaint();
    QTest::keyClick(pane, Qt::Key_Home);
    QTest::keyClick(pane, Qt::Key_Up);
    QTest::keyClick(pane, Qt::Key_Up);
    QTest::keyClicks(pane, QStringLiteral("["));
    pane->repaint();

    const long header = send(pane, ScriptPane::SCI_GETLINECOUNT) - 3;
    const long name = send(pane, ScriptPane::SCI_POSITIONFROMLINE, static_cast<unsigned long>(header + 1));
    QCOMPARE(send(pane, ScriptPane::SCI_GETSTYLEAT, send(pane, ScriptPane::SCI_POSITIONFROMLINE, header)), 5L);
    QCOMPARE(send(pane, ScriptPane::SCI_GETSTYLEAT, static_cast<unsigned long>(name)), 1L);
    QCOMPARE(send(pane, ScriptPane::SCI_GETSTYLEAT, static_cast<unsigned long>(name + 5)), 2L);
    QCOMPARE(pane->SendScintilla(ScriptPane::SCI_INDICATORVALUEAT, PaneSearch::kMatchIndicator, name + 5), 1L);

    pane->foldLine(static_cast<int>(header));
    QCOMPARE(send(pane, ScriptPane::SCI_GETLINEVISIBLE, static_cast<unsigned long>(header + 2)), 0L);
    QTest::keyClick(pane, Qt::Key_Home);
    QTest::keyClicks(pane, QStringLiteral("x"));
    pane->repaint();
    QCOMPARE(send(pane, ScriptPane::SCI_GETLINEVISIBLE, static_cast<unsigned long>(header + 2)), 1L);
}

// A brace next to the caret and its match are drawn on their own background.
void PaneChangeNoticesTest::typedBracesAreLit()
{
    MainWindow window;
    ScriptPane* pane = rowPane(window);
    const long back = send(pane, ScriptPane::SCI_STYLEGETBACK, ScriptPane::STYLE_BRACELIGHT);
    const QRgb lit = qRgb(back & 0xff, (back >> 8) & 0xff, (back >> 16) & 0xff);
    const auto litPixels = [pane, lit] {
        const QImage image = pane->grab().toImage().convertToFormat(QImage::Format_RGB32);
        qsizetype count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            count += std::count(line, line + image.width(), lit);
        }
        return count;
    };
    QTest::keyClicks(pane, QStringLiteral("RANGE={1,2}"));
    QVERIFY(litPixels() > 0);
    QTest::keyClick(pane, Qt::Key_Home);
    QCOMPARE(litPixels(), 0);
}

// A key typed at the end of a line repaints that line, not the whole view; two keys
// typed before a paint leave the lines never shown still to be coloured when
// they come into view.
void PaneChangeNoticesTest::aKeyRepaintsItsLineAndLeavesTheRestToColour()
{
    MainWindow window;
    ScriptPane* pane = rowPane(window, "NAME=a\r\nID=1");
    QTest::keyClick(pane, Qt::Key_Up);
    QTest::keyClick(pane, Qt::Key_End);
    PaintedArea painted(pane->viewport());
    paintWhatWaits();
    painted.take();
    const int lineHeight = static_cast<int>(send(pane, ScriptPane::SCI_TEXTHEIGHT, 0));

    QTest::keyClick(pane, Qt::Key_B);
    paintWhatWaits();
    QVERIFY(!painted.take().isEmpty());
    QTest::keyClick(pane, Qt::Key_C);
    paintWhatWaits();
    const int height = painted.take().boundingRect().height();
    QVERIFY2(height <= 2 * lineHeight, qPrintable(QStringLiteral("%1 pixels high").arg(height)));

    QTest::keyClick(pane, Qt::Key_D);
    QTest::keyClick(pane, Qt::Key_E);
    paintWhatWaits();
    QCOMPARE(send(pane, ScriptPane::SCI_GETSTYLEAT, static_cast<unsigned long>(send(pane, ScriptPane::SCI_GETCURRENTPOS) - 1)), 2L);
    send(pane, ScriptPane::SCI_DOCUMENTSTART);
    pane->repaint();
    int line = 0;
    while (!pane->text(line).contains(QLatin1Char('=')))
        ++line;
    const long key = send(pane, ScriptPane::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    QCOMPARE(send(pane, ScriptPane::SCI_GETSTYLEAT, static_cast<unsigned long>(key)), 1L);
}

DEFWRIGHT_WINDOW_TEST_MAIN(PaneChangeNoticesTest)
#include "pane_change_notices_test.moc"
