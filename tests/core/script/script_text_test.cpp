#include "core/script/script_text.h"
#include "core/script/script_writer.h"

#include <gtest/gtest.h>

#include <utility>

namespace defwright {
namespace {

TEST(ScriptText, BannerIsThreeLinesWithoutATrailingBreak)
{
    EXPECT_EQ(bannerText(),
              "//Compiled with Defwright by Vostrel\r\n"
              "//Defwright: https://defwright.example.org\r\n"
              "//Please do not edit this tag");
}

TEST(ScriptText, TriggerBlockEndsWithALineBreak)
{
    EXPECT_EQ(triggerBlock("@CLICK"), "\r\n\r\nON=@CLICK\r\n");
}

TEST(ScriptWriter, WritesSeparatorFirstAndSkipsEmptyFields)
{
    ScriptWriter out;
    out.writeFirstLine({"a", "b"});
    out.writeFieldLine("KEY=", "");
    out.writeFieldLine("KEY=", " ");
    out.writeLineBreak();
    out.writeLine({"end"});
    EXPECT_EQ(std::move(out).release(), "ab\r\nKEY= \r\n\r\nend");
}

} // namespace
} // namespace defwright
