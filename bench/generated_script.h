#pragma once

#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "worked_examples.h"

#include <cstddef>
#include <string>

namespace defwright::bench {

inline constexpr std::size_t kScriptBytes = 10 * 1024 * 1024;

// The worked example item again and again, each followed by an empty line:
// a file of many short lines, as real .scp files are.
inline std::string generatedScript()
{
    const std::string item = itemScript(samples::magicSword()) + std::string(kLineBreak) + std::string(kLineBreak);
    std::string script;
    script.reserve(kScriptBytes + item.size());
    while (script.size() < kScriptBytes)
        script += item;
    return script;
}

// The same script in UTF-8, with a non-ASCII letter in every item's name.
inline std::string utf8Script(const std::string& script)
{
    std::string utf8;
    utf8.reserve(script.size() + script.size() / 16);
    std::size_t at = 0;
    for (std::size_t found = script.find("NAME=", at); found != std::string::npos; found = script.find("NAME=", at)) {
        utf8.append(script, at, found + 5 - at).append("\xC3\x86");
        at = found + 5;
    }
    return utf8.append(script, at);
}

} // namespace defwright::bench
