#pragma once

#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "ui/panes/script_pane.h"
#include "window_probe.h"
#include "worked_examples.h"

#include <QtTest>

#include <string>

namespace defwright::test {

// The worked example's item script again and again, as a server file holds
// many definitions, up to `bytes`; the first line has an accented letter and a
// character beyond 16 bits, so that bytes, UTF-16 units and characters differ.
inline std::string longScript(std::size_t bytes)
{
    const std::string item = itemScript(samples::magicSword()) + std::string(kLineBreak) + std::string(kLineBreak);
    std::string script = "// \xC3\xA9p\xC3\xA9" "e \xF0\x9F\x98\x80\r\n";
    script.reserve(bytes + item.size());
    while (script.size() < bytes)
        script += item;
    return script;
}

// The item pane of a shown window, holding `script`, with the focus and the caret at its end.
inline ScriptPane* itemPane(MainWindow& window, const std::string& script = {})
{
    if (!showActive(window))
        qFatal("the window did not show");
    showPage(window, 1);
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    pane->replacePaneText(script);
    pane->setFocus(Qt::OtherFocusReason);
    pane->repaint();
    return pane;
}

// The rows of a test run on a short script and on one of 10 MiB, where the
// pane must not touch the whole text for each key.
inline void shortAndLongScripts()
{
    QTest::addColumn<qsizetype>("bytes");
    QTest::newRow("short") << qsizetype(0);
    QTest::newRow("10 MiB") << qsizetype(10 * 1024 * 1024);
}

// The item pane as itemPane() gives it, holding the row's script and then `tail`.
inline ScriptPane* rowPane(MainWindow& window, const std::string& tail = {})
{
    QFETCH(qsizetype, bytes);
    return itemPane(window, longScript(static_cast<std::size_t>(bytes)) + tail);
}

} // namespace defwright::test
