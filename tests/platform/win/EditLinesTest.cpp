#include "platform/win/EditLines.h"
#include "platform/rtl/Encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace zorvy::test {
namespace {

// Wraps after at most 5 bytes, after the last space that fits when there is one.
std::size_t WrapAtFive(std::string_view line) {
    if (line.size() <= 5) return line.size();
    std::size_t cut = 0;
    for (std::size_t p = 0; p < line.size(); p = NextCharIndex(line, p))
        if (NextCharIndex(line, p) <= 5) cut = NextCharIndex(line, p);
    const std::size_t space = line.rfind(' ', cut - 1);
    return space != std::string_view::npos && space > 0 ? space + 1 : cut;
}

std::vector<std::size_t> Boundaries(const std::string& text) {
    std::vector<std::size_t> out;
    for (std::size_t p = 0;; p = NextCharIndex(text, p)) {
        if (!(p > 0 && p < text.size() && text[p] == '\n' && text[p - 1] == '\r')) out.push_back(p);
        if (p >= text.size()) break;
    }
    return out;
}

void ExpectSame(const TEditLines& a, const TEditLines& b, const std::string& context) {
    ASSERT_EQ(a.Count(), b.Count()) << context;
    for (int i = 0; i < a.Count(); ++i) {
        EXPECT_EQ(a.Line(i).start, b.Line(i).start) << context << " line " << i;
        EXPECT_EQ(a.Line(i).length, b.Line(i).length) << context << " line " << i;
        EXPECT_EQ(a.Line(i).breakLength, b.Line(i).breakLength) << context << " line " << i;
        EXPECT_EQ(a.Line(i).wrapped, b.Line(i).wrapped) << context << " line " << i;
    }
}

TEST(EditLines, HardLinesAndWrapsByHand) {
    TEditLines lines;
    lines.SetWrap(&WrapAtFive);
    // "ab cd ef" wraps to "ab " "cd ef"; "\xE4\xB8\xAD\xE6\x96\x87" (6 bytes) wraps after 中.
    const std::string text = "ab cd ef\r\n\xE4\xB8\xAD\xE6\x96\x87\nx\r\n";
    lines.Rebuild(text);
    struct Expected {
        std::size_t start, length, breakLength;
        bool wrapped;
    };
    const Expected expected[] = {{0, 3, 0, true},   {3, 5, 2, false},  {10, 3, 0, true},
                                 {13, 3, 1, false}, {17, 1, 2, false}, {20, 0, 0, false}};
    ASSERT_EQ(lines.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines.Line(i).start, expected[i].start) << i;
        EXPECT_EQ(lines.Line(i).length, expected[i].length) << i;
        EXPECT_EQ(lines.Line(i).breakLength, expected[i].breakLength) << i;
        EXPECT_EQ(lines.Line(i).wrapped, expected[i].wrapped) << i;
    }
    EXPECT_EQ(lines.LineFromPos(3), 1) << "a wrap position starts the next line";
    EXPECT_EQ(lines.LineFromPos(20), 5);
}

TEST(EditLines, UpdatingAfterAnEditLaysOutAsAFreshLayoutWould) {
    const std::string pieces[] = {"a", " ", "\r\n", "\n", "\xE4\xB8\xAD", "word ", "xy"};
    for (bool wrap : {false, true}) {
        std::mt19937 random(7);
        std::string text = "one two\r\nthree\nfour five six";
        TEditLines lines;
        if (wrap) lines.SetWrap(&WrapAtFive);
        lines.Rebuild(text);
        for (int step = 0; step < 400; ++step) {
            const auto bounds = Boundaries(text);
            std::size_t from = bounds[random() % bounds.size()];
            std::size_t to = bounds[random() % bounds.size()];
            if (from > to) std::swap(from, to);
            if (random() % 2) to = from; // as often a plain insertion
            std::string insert;
            for (unsigned k = random() % 3; k > 0; --k)
                insert += pieces[random() % std::size(pieces)];
            // Never between "\r" and "\n": an inserted "\n" after a "\r" would make one break of two.
            if (from > 0 && text[from - 1] == '\r' && !insert.empty() && insert[0] == '\n')
                insert = "x" + insert;
            if (to < text.size() && text[to] == '\n' && !insert.empty() && insert.back() == '\r')
                insert += "x";
            text.replace(from, to - from, insert);
            lines.Update(text, from, to - from, insert.size());
            TEditLines fresh;
            if (wrap) fresh.SetWrap(&WrapAtFive);
            fresh.Rebuild(text);
            ExpectSame(lines, fresh, "step " + std::to_string(step) + (wrap ? " wrapped" : ""));
            if (HasFailure()) return;
        }
    }
}

} // namespace
} // namespace zorvy::test
