// The coverage mask: smoothing by quality, its transforms worked by hand on small masks, and line access.
#include "controls/textfx/AAFont.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <algorithm>
#include <set>

namespace zorvy::test {
namespace {

class Mask : public ClassLibTest {
  protected:
    Mask() {
        bitmap.SetSize(10, 10);
        bitmap.GetCanvas()->GetFont()->SetName("Tahoma");
        bitmap.GetCanvas()->GetFont()->SetHeight(-40);
    }
    // A mask filled from rows of coverage values.
    static void Fill(TAAMask& mask, const std::vector<std::vector<int>>& rows) {
        mask.SetSize(int(rows[0].size()), int(rows.size()));
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x) mask.ScanLine(int(y))[x] = std::uint8_t(rows[y][x]);
    }
    static std::vector<int> Line(const TAAMask& mask, int y) {
        return {mask.ScanLine(y), mask.ScanLine(y) + mask.GetWidth()};
    }
    std::set<int> Levels(TAAQuality quality, const std::string& text) {
        font.SetQuality(quality);
        font.Mask.DrawText(text);
        std::set<int> levels;
        for (int y = 0; y < font.Mask.GetHeight(); ++y)
            for (int v : Line(font.Mask, y)) levels.insert(v);
        return levels;
    }
    TBitmap bitmap;
    TAAFont font{bitmap.GetCanvas()};
};

TEST_F(Mask, HardEdgesWithoutSmoothingAndGreysWithIt) {
    EXPECT_EQ(Levels(aqNone, "国W"), (std::set<int>{0, 255}));
    const std::set<int> smooth = Levels(aqHigh, "国W");
    EXPECT_GT(smooth.size(), 10u) << "edges get intermediate coverage";
}

TEST_F(Mask, AFullyCoveredCellReachesWhatEachQualitysAveragingGives) {
    // A solid square fills whole cells: 16, 4 and 1 white samples give 255; nine samples with two
    // halved corners shifted by 3 give (255 * 7 + 127 * 2) / 8 = 254.
    const struct {
        TAAQuality quality;
        int full;
    } cases[] = {{aqHigh, 255}, {aqNormal, 254}, {aqLow, 255}, {aqNone, 255}};
    for (const auto& c : cases) EXPECT_EQ(*Levels(c.quality, "■").rbegin(), c.full) << int(c.quality);
}

TEST_F(Mask, ScaleFollowsQualityAndTheMaskIsTheMeasuredSize) {
    for (auto [quality, scale] : {std::pair{aqHigh, 4}, {aqNormal, 3}, {aqLow, 2}, {aqNone, 1}}) {
        font.SetQuality(quality);
        EXPECT_EQ(font.Mask.GetScale(), scale);
    }
    font.Mask.DrawText("Zorvy");
    const TSize size = font.TextExtent("Zorvy");
    EXPECT_EQ(font.Mask.GetWidth(), size.cx);
    EXPECT_EQ(font.Mask.GetHeight(), size.cy);
    EXPECT_EQ(font.Mask.GetStride() % 4, 0);
}

TEST_F(Mask, ALineOutsideTheMaskIsRefused) {
    TAAMask mask;
    Fill(mask, {{1, 2}, {3, 4}});
    EXPECT_EQ(Line(mask, 1), (std::vector<int>{3, 4}));
    for (int line : {-1, 2}) {
        try {
            mask.ScanLine(line);
            ADD_FAILURE() << line;
        } catch (const EInvalidLine& e) {
            EXPECT_STREQ(e.what(), "Invalid line!");
        }
    }
}

TEST_F(Mask, OutlineKeepsTheBorderAndTakesTheGradientInside) {
    TAAMask mask;
    Fill(mask, {{0, 0, 0, 0}, {0, 200, 200, 0}, {0, 200, 200, 0}, {0, 0, 0, 0}});
    mask.Outline();
    // Pixel (1,1): |B[2]-A[0]| + |B[1]-A[1]| + |M[2]-M[0]| + |B[0]-A[2]| = 200 + 200 + 200 + 0 = 600 -> 150.
    // Pixel (2,1): |B[3]-A[1]| + |B[2]-A[2]| + |M[3]-M[1]| + |B[1]-A[3]| = 0 + 200 + 200 + 200 = 600 -> 150.
    EXPECT_EQ(Line(mask, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Line(mask, 1), (std::vector<int>{0, 150, 150, 0}));
    EXPECT_EQ(Line(mask, 2), (std::vector<int>{0, 150, 150, 0}));

    TAAMask flat;
    Fill(flat, {{9, 9, 9}, {9, 9, 9}});
    flat.Outline();
    EXPECT_EQ(Line(flat, 1), (std::vector<int>{9, 9, 9})) << "fewer than three lines stay";

    TAAMask steep; // c = 255 + 255 + 0 + 255 = 765, below the cap of 1024: 765 >> 2
    Fill(steep, {{0, 0, 0}, {0, 0, 0}, {255, 255, 255}});
    steep.Outline();
    EXPECT_EQ(Line(steep, 1)[1], (255 + 255 + 0 + 255) / 4);
}

TEST_F(Mask, MirrorsReverseLinesAndColumns) {
    TAAMask mask;
    Fill(mask, {{1, 2, 3}, {4, 5, 6}});
    mask.HorzMirror();
    EXPECT_EQ(Line(mask, 0), (std::vector<int>{3, 2, 1}));
    mask.VertMirror();
    EXPECT_EQ(Line(mask, 0), (std::vector<int>{6, 5, 4}));
    EXPECT_EQ(Line(mask, 1), (std::vector<int>{3, 2, 1}));
}

TEST_F(Mask, BlurTakesTheFiveByFiveMeanWeightedByTheAmount) {
    // One 250 in the middle of a 6 x 6 mask: every pixel whose neighbourhood holds the centre once sees
    // a mean of 250 / 25 = 10.
    std::vector<std::vector<int>> rows(6, std::vector<int>(6, 0));
    rows[2][2] = 250;
    TAAMask full;
    Fill(full, rows);
    full.Blur(100);
    EXPECT_EQ(Line(full, 2)[2], 10);
    EXPECT_EQ(Line(full, 0)[0], 10) << "corner offsets (0,0,0,+1,+2) reach (2,2)";
    EXPECT_EQ(Line(full, 5)[5], 0) << "offsets (-2,-1,0,0,0) from 5 reach 3 at most";

    TAAMask half; // weight Round(50 * 2.55) = 128: old + ((mean - old) * 128 >> 8)
    Fill(half, rows);
    half.Blur(50);
    EXPECT_EQ(Line(half, 2)[2], 250 + ((10 - 250) * 128 >> 8));
    EXPECT_EQ(Line(half, 0)[0], (10 * 128) >> 8);
}

TEST_F(Mask, BlurOfMasksSmallerThanItsWindowStaysInside) {
    // The border offsets assume four lines and columns; smaller masks sample only their own pixels.
    for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {3, 1}}) {
        TAAMask mask;
        mask.SetSize(w, h);
        for (int y = 0; y < h; ++y) std::fill_n(mask.ScanLine(y), w, 200);
        mask.Blur(100);
        for (int y = 0; y < h; ++y) EXPECT_EQ(Line(mask, y), std::vector<int>(size_t(w), 200)) << w << "x" << h;
    }
}

TEST_F(Mask, SprayMovesOnlyExistingValuesAndNothingAtZero) {
    TAAMask mask;
    Fill(mask, {{0, 255, 0, 255}, {255, 0, 255, 0}});
    TAAMask copy;
    copy.Assign(&mask);
    copy.Spray(0);
    EXPECT_EQ(Line(copy, 0), Line(mask, 0));
    mask.Spray(100);
    for (int y = 0; y < 2; ++y)
        for (int v : Line(mask, y)) EXPECT_TRUE(v == 0 || v == 255);
}

} // namespace
} // namespace zorvy::test
