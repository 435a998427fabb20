#pragma once

// What the tests of the kept session share: starting and ending the program
// as a scripter does, and reading what it kept.

#include "../scripts_folder_fixture.h"
#include "core/session/session_codec.h"
#include "ui/session/session_store.h"

#include <QStatusBar>
#include <QWindow>

#include <memory>

namespace defwright::test {

enum class Ending { CtrlQ, Exit, CloseButton };

// Started as the program starts it: the load step, the splash clicked away.
inline std::unique_ptr<MainWindow> start()
{
    auto window = std::make_unique<MainWindow>();
    loadAndShow(*window);
    return window;
}

inline void end(MainWindow& window, Ending how)
{
    if (how == Ending::CtrlQ) {
        QVERIFY(showActive(window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    } else if (how == Ending::Exit) {
        trigger(window, "mnuExit");
    } else {
        window.windowHandle()->close();
    }
    QVERIFY(!window.isVisible());
}

inline QString statusMessage(const MainWindow& window)
{
    return window.statusBar()->currentMessage();
}

inline KeptSession storedSession()
{
    const QByteArray bytes = contents(SessionStore::defaultPath());
    DecodedSession decoded = decodeSession({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!decoded.session)
        qFatal("the store is damaged: %s", decoded.damage.c_str());
    return *decoded.session;
}

inline void removeStores()
{
    for (const QString& path : {SessionStore::defaultPath(), SessionStore().asidePath()}) {
        QFile::remove(path);
        QDir(path).removeRecursively();
    }
}

} // namespace defwright::test
