#pragma once

#include "window_probe.h"

#include <QLineEdit>
#include <QtTest>

namespace defwright::test {

inline QLineEdit* box(const QWidget& window, const QString& name)
{
    return control<QLineEdit>(window, name);
}

// Types the keys at the end of what the box holds, as a scripter adding to it would.
inline void typeAtEnd(const QWidget& window, const QString& name, const QString& keys)
{
    QLineEdit* field = box(window, name);
    field->end(false);
    QTest::keyClicks(field, keys);
}

inline void emptyBox(const QWidget& window, const QString& name)
{
    box(window, name)->selectAll();
    QTest::keyClick(box(window, name), Qt::Key_Delete);
}

} // namespace defwright::test
