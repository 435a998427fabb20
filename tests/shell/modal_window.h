#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

/// Calls `open`, which shows a modal window and returns once that window has
/// closed, and hands the window to `drive` while it is up. A window that `drive`
/// leaves open is closed afterwards, so a failing test cannot hang in its loop.
/// Returns whether a modal window came up at all.
inline bool driveModalWindow(const std::function<void()>& open, const std::function<void(QWidget&)>& drive)
{
    bool driven = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || driven)
            return;
        driven = true;
        poll.stop();
        drive(*window);
        if (window->isVisible())
            window->close();
    });
    poll.start();
    open();
    return driven;
}
