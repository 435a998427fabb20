// libFuzzer target for reading a load list and following it over a folder.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/index/load_order.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace defwright;

// Each line's path: parts without separators, ".", ".." or a comment.
void checkPath(std::string_view line)
{
    const LoadPath path = readLoadPath(line);
    for (const std::string& part : path.parts)
        check(!part.empty() && part != "." && part != ".." && part.find_first_of("/\\") == std::string::npos);
    check(path.parts.empty() || line.find("//") == std::string_view::npos
          || line.find(path.parts.front()) < line.find("//"));
}

// The input's first lines are the folder's scripts, the rest its load list:
// every script gets one place at most, the places are 0, 1, 2, ... with the
// tables file first, and the lines that reach nothing are the list's own.
void checkOrder(std::string_view input)
{
    std::vector<std::string> files;
    std::vector<LoadEntry> list;
    std::uint32_t line = 0;
    for (std::size_t start = 0; start <= input.size(); ++line) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view text = input.substr(start, end - start);
        checkPath(text);
        if (line % 3 == 0)
            files.emplace_back(text);
        else
            list.push_back({text, line});
        start = end + 1;
    }
    const std::optional<std::uint32_t> tables = files.empty() ? std::nullopt : chooseTablesFile(files);
    const LoadOrder order = followLoadList(files, "scripts", tables, list);
    check(order.places.size() == files.size());
    std::set<std::uint32_t> places;
    for (const std::optional<std::uint32_t>& place : order.places) {
        if (place)
            check(places.insert(*place).second && *place < files.size());
    }
    check(places.empty() || *places.rbegin() + 1 == places.size());
    check(!tables || order.places[*tables] == 0U);
    for (const UnreachedLoad& unreached : order.unreached)
        check(unreached.line % 3 != 0 && !unreached.path.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkOrder(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
