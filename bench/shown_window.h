#pragma once

#include <QTest>
#include <QWidget>

namespace defwright::bench {

/// Shows the window with its script page in front, as a scripter at work
/// sees it. Until the window system says the window is shown, nothing is drawn.
inline void showScriptPage(QWidget& window)
{
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was not shown");
}

} // namespace defwright::bench
