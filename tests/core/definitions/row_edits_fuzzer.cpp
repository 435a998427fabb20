// libFuzzer target for the reading and planning of any definition. Built
// with clang by run_fuzzer.sh; any broken property aborts. The first byte
// chooses the edit and the row, the next two the byte the caret stands on,
// the fourth the new value's length; the value follows, and the rest is the script.
#include "core/definitions/row_edits.h"
#include "core/script/text_lines.h"
#include "fuzz_check.h"
#include "script/script_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

using test::breaksIn;

// Body rows follow the header line by line; triggers follow them in order; all within the text.
void checkRead(std::string_view script, const DefinitionRows& rows)
{
    check(rows.header.kind == LineKind::Header && rows.end <= script.size());
    std::size_t next = rows.header.next();
    for (const ScriptLine& line : rows.body) {
        check(line.start() == next && line.kind != LineKind::Header && line.kind != LineKind::Trigger);
        next = line.next();
    }
    for (const DefinitionTrigger& trigger : rows.triggers) {
        check(trigger.line.kind == LineKind::Trigger && trigger.line.start() >= next && trigger.end <= rows.end);
        next = trigger.line.next();
    }
}

// None for an edit refused.
std::optional<TextEdit> plan(std::string_view script, const DefinitionRows& rows, std::uint8_t choice,
                             std::string_view value)
{
    const std::size_t row = rows.body.empty() ? 0 : (choice / 3) % rows.body.size();
    if (choice % 3 == 0 && !rows.body.empty())
        return planValueChange(script, rows.body[row], value);
    if (choice % 3 == 1 && !rows.body.empty())
        return planRowRemoval(script, rows.body[row]);
    const std::string key = value.empty() ? "K" : std::string(value.substr(0, value.find('=')));
    return planRowAddition(script, rows, key, value, firstLineBreak(script));
}

// The edit stays within one line, takes one line away or adds one; undone,
// it gives the text back; the definition still begins where it did, with
// the same triggers.
void checkEdit(std::string_view script, const DefinitionRows& rows, const TextEdit& edit)
{
    check(edit.start <= edit.end && edit.end <= script.size() && edit.start >= rows.header.text.end);
    const std::string_view replaced = script.substr(edit.start, edit.end - edit.start);
    if (edit.start == edit.end && !edit.replacement.empty())
        check(breaksIn(edit.replacement) <= 1);
    else if (edit.replacement.empty() && breaksIn(replaced) > 0)
        check(breaksIn(replaced) == 1);
    else if (edit.replacement == "\r\n") // a line taken away between a lone CR and an LF
        check(breaksIn(replaced) == 2 && replaced.front() == '\r');
    else
        check(breaksIn(replaced) == 0 && breaksIn(edit.replacement) == 0);
    const std::string edited = applyEdit(script, edit);
    check(applyEdit(edited, inverseEdit(script, edit)) == script);
    const std::optional<DefinitionRows> again = readDefinitionRowsAtHeader(edited, rows.header.start());
    check(again && again->triggers.size() == rows.triggers.size());
    check(breaksIn(edited) + breaksIn(replaced) == breaksIn(script) + breaksIn(edit.replacement));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4 || size < 4u + data[3])
        return 0;
    std::string value(reinterpret_cast<const char*>(data) + 4, data[3]);
    const std::string_view script(reinterpret_cast<const char*>(data) + 4 + data[3], size - 4 - data[3]);
    const std::size_t caret = (static_cast<std::size_t>(data[1]) << 8 | data[2]) % (script.size() + 1);
    const std::optional<DefinitionRows> rows = readDefinitionRows(script, caret);
    if (!rows)
        return 0;
    checkRead(script, *rows);
    check(readDefinitionRows(script, rows->header.start())->body.size() == rows->body.size());
    if (const std::optional<TextEdit> edit = plan(script, *rows, data[0], value))
        checkEdit(script, *rows, *edit);
    return 0;
}
