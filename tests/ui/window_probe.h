#pragma once

#include "modal_answers.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QtTest>

#include <string>

namespace defwright::test {

// Finds a control of the window by its objectName and fails the test when it is missing.
template <typename Control = QWidget>
Control* control(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (found == nullptr)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QString paneText(const QWidget& window, const QString& pane)
{
    return control<ScriptPane>(window, pane)->script();
}

// Where the pane's caret stands, in bytes of its text.
inline long caretPosition(const ScriptPane& pane)
{
    return pane.SendScintilla(ScriptPane::SCI_GETCURRENTPOS);
}

inline bool caretAtEnd(const ScriptPane& pane)
{
    return caretPosition(pane) == pane.SendScintilla(ScriptPane::SCI_GETLENGTH);
}

inline QString qt(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Shows the window and waits until it is the active one, as a scripter sees it.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Runs the load step, closing the splash as soon as it is up, and shows the window.
inline void loadAndShow(MainWindow& window)
{
    driveModalWindow([&window] { window.Form_Load(); }, [](QWidget& splash) { splash.close(); });
    window.show();
}

} // namespace defwright::test
