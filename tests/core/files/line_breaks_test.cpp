#include "core/files/line_breaks.h"

#include <gtest/gtest.h>

namespace defwright {
namespace {

TEST(LineBreaks, CrLfALoneCrAndALoneLfEachBecomeOneEditorBreak)
{
    EXPECT_EQ(withEditorLineBreaks(u"a\r\nb\rc\nd"), u"a\nb\nc\nd");
    EXPECT_EQ(withEditorLineBreaks(u"\n\r\r\n\r"), u"\n\n\n\n");
    EXPECT_EQ(withEditorLineBreaks(u"\r\r\n\n"), u"\n\n\n");
    EXPECT_EQ(withEditorLineBreaks(u""), u"");
}

TEST(LineBreaks, EditorSeparatorsBecomeCrLfAndNothingElseChanges)
{
    EXPECT_EQ(withScriptLineBreaks(u"a\u2029b\u2028c"), u"a\r\nb\r\nc");
    EXPECT_EQ(withScriptLineBreaks(u"\u2029\u2029"), u"\r\n\r\n");
    const std::u16string untouched{u"\0\t\u00A0 x\u2027", 6};
    EXPECT_EQ(withScriptLineBreaks(untouched), untouched);
    EXPECT_EQ(withEditorLineBreaks(untouched), untouched);
}

} // namespace
} // namespace defwright
