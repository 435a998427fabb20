#pragma once

#include "modal_answers.h"
#include "ui/panes/script_document.h"
#include "ui/shell/main_window.h"

#include <QtTest>

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

// A script pane as the File commands see it, whichever editor widget shows it.
inline ScriptDocument* document(const QWidget& window, const QString& pane)
{
    return dynamic_cast<ScriptDocument*>(control(window, pane));
}

inline QString paneText(const QWidget& window, const QString& pane)
{
    return document(window, pane)->script();
}

// Gives the pane the focus and puts the caret at the start of `line` (from 0)
// with the keys a scripter would press; returns the pane to type into.
inline QWidget* caretToLine(const QWidget& window, const QString& pane, int line)
{
    QWidget* editor = control(window, pane);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Home, Qt::ControlModifier);
    for (int down = 0; down < line; ++down)
        QTest::keyClick(editor, Qt::Key_Down);
    return editor;
}

inline void showPage(const QWidget& window, int page)
{
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", page);
}

inline int currentPage(const QWidget& window)
{
    return control(window, QStringLiteral("SSTab1"))->property("currentIndex").toInt();
}

inline QString qt(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Shows the window and waits until it is the active one, as a scripter sees it.
// Not QTest::qWaitForWindowActive: it asks QWindow::isActive(), which is true
// while a dialog of the window has the focus, even one closed since whose late
// activation arrived after it closed. Keys and the window's shortcuts go by
// QApplication's active window, so that is what is waited for.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// Runs the load step, closing the splash as soon as it is up, and shows the window.
inline void loadAndShow(MainWindow& window)
{
    driveModalWindow([&window] { window.Form_Load(); }, [](QWidget& splash) { splash.close(); });
    window.show();
}

} // namespace defwright::test
