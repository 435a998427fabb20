// The box a cell is edited in, under the inspector's values and the table's
// cells: it takes a script's value whole, and keeps what the user types while
// the model changes under it.
#include "ui/widgets/kept_typing_delegate.h"
#include "window_test_main.h"

#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

namespace defwright {

class KeptTypingDelegateTest : public QObject {
    Q_OBJECT

private slots:
    // A line of a script may be longer than a line box takes by default
    // (32,767 characters): cut, the value written back would lose its end.
    // The view gives the open box its cell again when the cell's look
    // changes (a problem marked on the row): the typing stays.
    void aLongValueIsTypedIntoAndWrittenBackWhole()
    {
        const QString value(40'000, QLatin1Char('v'));
        QStandardItemModel model(1, 1);
        const QModelIndex cell = model.index(0, 0);
        model.setData(cell, value);
        QTableView view;
        view.setModel(&model);
        view.setItemDelegate(new KeptTypingDelegate(&view));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.edit(cell);
        auto* box = view.findChild<QLineEdit*>();
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), value);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral("!"));
        model.setData(cell, QColor(Qt::yellow), Qt::BackgroundRole);
        QCOMPARE(box->text(), value + QLatin1Char('!'));

        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(model.data(cell).toString(), value + QLatin1Char('!')); // the view commits after the key

    }
};

} // namespace defwright

DEFWRIGHT_WINDOW_TEST_MAIN(defwright::KeptTypingDelegateTest)
#include "kept_typing_delegate_test.moc"
