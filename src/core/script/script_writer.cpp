#include "core/script/script_writer.h"

#include "core/script/script_text.h"

#include <utility>

namespace defwright {

ScriptWriter::ScriptWriter(std::size_t expectedSize)
{
    text_.reserve(expectedSize);
}

void ScriptWriter::writeFirstLine(std::initializer_list<std::string_view> pieces)
{
    append(pieces);
}

void ScriptWriter::writeLine(std::initializer_list<std::string_view> pieces)
{
    writeLineBreak();
    append(pieces);
}

void ScriptWriter::writeFieldLine(std::string_view key, std::string_view value)
{
    if (!value.empty())
        writeLine({key, value});
}

void ScriptWriter::writeLineBreak()
{
    text_ += kLineBreak;
}

std::string ScriptWriter::release() &&
{
    return std::move(text_);
}

void ScriptWriter::append(std::initializer_list<std::string_view> pieces)
{
    for (const std::string_view piece : pieces)
        text_ += piece;
}

} // namespace defwright
