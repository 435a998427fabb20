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

} // namespace defwright::bench
