#include "modal_answers.h"
#include "shell/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using defwright::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menuShortcutsWinOverTextBoxes();
};

void MainWindowTest::menuShortcutsWinOverTextBoxes()
{
    MainWindow window;
    auto* box = new QLineEdit(window.centralWidget());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box->setFocus();
    auto* saveAs = window.findChild<QAction*>(QStringLiteral("mnuSaveAs"));
    QVERIFY(saveAs);
    QSignalSpy triggered(saveAs, &QAction::triggered);
    // Save As shows its dialog; cancelling it shows "Cancel was pressed".
    const auto close = [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); };
    ModalAnswers answers;
    answers.then(close).then(close);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(answers.unused(), 0U);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
