#pragma once

#include <QGuiApplication>
#include <QScopeGuard>

namespace defwright {

/// Runs work that may take a moment on a long script under the desktop's wait
/// cursor, and returns its result. Show no message box from within it: the
/// cursor must be gone again before any message shows.
template <typename Work>
auto withWaitCursor(Work work)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    return work();
}

} // namespace defwright
