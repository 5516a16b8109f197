#include "engine/ResultLines.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvy {
namespace {

TEST(ResultLines, LinesBackToBackWithTheirIndex) {
    TResultLines lines;
    lines.Append("01 02 03 04 05 06    1");
    lines.Append("");
    lines.Append("28 29 30 31 32 33    1107568");
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Line(0), "01 02 03 04 05 06    1");
    EXPECT_EQ(lines.Line(1), "");
    EXPECT_EQ(lines.Line(2), "28 29 30 31 32 33    1107568");
    EXPECT_EQ(lines.LineStart(1), 22u);
    EXPECT_EQ(lines.LineStart(3), 22u + 28u);
    EXPECT_EQ(std::string(lines.Text(), lines.LineStart(3)),
              "01 02 03 04 05 06    128 29 30 31 32 33    1107568");

    // Growing one line at a time keeps what is there.
    for (int i = 0; i < 5000; ++i)
        lines.Append(std::to_string(i));
    EXPECT_EQ(lines.Count(), 5003);
    EXPECT_EQ(lines.Line(0), "01 02 03 04 05 06    1");
    EXPECT_EQ(lines.Line(5002), "4999");

    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    lines.Append("x");
    EXPECT_EQ(lines.Line(0), "x");
}

TEST(ResultLines, WrittenLinesCountOnlyOnceCommitted) {
    TResultLines lines;
    lines.Append("a");
    lines.Reserve(3, 3 * 32);
    TResultLines::TAppender appender = lines.Appender();
    char padded[32] = "bb";
    appender.AppendPadded(padded, 2);
    appender.Append("ccc", 3);
    EXPECT_EQ(lines.Count(), 1);
    lines.Commit(3);
    EXPECT_EQ(lines.Line(1), "bb");
    EXPECT_EQ(lines.Line(2), "ccc");

    // Another buffer's lines, committed or only written, are copied with their index rebased.
    TResultLines joined;
    joined.Append("first");
    joined.AppendLines(lines, 1, 3);
    joined.AppendLines(lines, 2, 2);
    ASSERT_EQ(joined.Count(), 3);
    EXPECT_EQ(joined.Line(1), "bb");
    EXPECT_EQ(joined.Line(2), "ccc");
    EXPECT_EQ(std::string(joined.Text(), joined.LineStart(3)), "firstbbccc");
}

} // namespace
} // namespace zorvy
