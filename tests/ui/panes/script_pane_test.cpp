#include "window_probe.h"

using namespace defwright;
using namespace defwright::test;

class ScriptPaneTest : public QObject {
    Q_OBJECT

private slots:
};

QTEST_MAIN(ScriptPaneTest)
#include "script_pane_test.moc"
