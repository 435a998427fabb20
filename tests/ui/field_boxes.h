#pragma once

#include "ui/panes/script_pane.h"
#include "window_probe.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <string>

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

inline ScriptPane* itemPane(const QWidget& window)
{
    return control<ScriptPane>(window, QStringLiteral("txtEdit"));
}

inline std::string paneBytes(const QWidget& window)
{
    return std::string(itemPane(window)->bytes());
}

// What the status bar says the fields are tied to; empty while they are not.
inline QString tieShown(const QWidget& window)
{
    const auto* label = control<QLabel>(window, QStringLiteral("lblStatusFields"));
    return label->isVisible() ? label->text() : QString();
}

// The text with the first `from` made `to`; says so when there is none.
inline std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    return at == std::string::npos ? "<" + from + " not found>" : text.replace(at, from.size(), to);
}

} // namespace defwright::test
