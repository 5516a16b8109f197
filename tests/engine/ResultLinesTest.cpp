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

    // Lines written in a region further on move down behind the committed ones, index rebased.
    lines.Reserve(20, 200);
    lines.StartRegion(10, 100);
    TResultLines::TAppender region = lines.AppenderAt(10);
    region.Append("dd", 2);
    region.Append("eeee", 4);
    lines.MoveLines(10, 12);
    lines.MoveLines(12, 12);
    ASSERT_EQ(lines.Count(), 5);
    EXPECT_EQ(lines.Line(3), "dd");
    EXPECT_EQ(lines.Line(4), "eeee");
    EXPECT_EQ(std::string(lines.Text(), lines.LineStart(5)), "abbcccddeeee");
}

} // namespace
} // namespace zorvy
