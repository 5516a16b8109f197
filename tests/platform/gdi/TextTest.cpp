#include "GdiTestSupport.h"
#include "platform/gdi/TextInternal.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSelectedFont;
using testing::TSurface;

using testing::White;
using testing::Black;

TEST(GdiText, MetricsFollowTheLogicalFontHeight) {
    TSurface s(1, 1);
    TEXTMETRIC small, large, cell;
    {
        TSelectedFont font(s.dc, -11);
        GetTextMetrics(s.dc, small);
    }
    {
        TSelectedFont font(s.dc, -24);
        GetTextMetrics(s.dc, large);
    }
    {
        TSelectedFont font(s.dc, 20); // a cell height
        GetTextMetrics(s.dc, cell);
    }
    EXPECT_EQ(small.tmHeight, small.tmAscent + small.tmDescent);
    EXPECT_GE(small.tmHeight, 11);
    EXPECT_LE(small.tmHeight, 16);
    EXPECT_EQ(small.tmInternalLeading, small.tmHeight - 11);
    EXPECT_GT(large.tmHeight, 2 * small.tmHeight - 4);
    EXPECT_NEAR(cell.tmHeight, 20, 1);
    EXPECT_TRUE(small.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_GT(small.tmAveCharWidth, 0);
    EXPECT_GE(small.tmMaxCharWidth, small.tmAveCharWidth);
    EXPECT_EQ(GetTextFace(s.dc), "DejaVu Sans") << "the default face maps to an installed family";
}

TEST(GdiText, ChineseCaptionsRenderWithRealGlyphs) {
    for (const char* face : {"宋体", "Tahoma", "MS Sans Serif"}) {
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.lfFaceName = face;
        TFontData data(lf);
        PangoLayout* layout = data.Layout("开始过滤");
        EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout), 0) << face;
    }
}

TEST(GdiText, ExtentsAreAdditiveAndFitCountsRespectCharacters) {
    TSurface s(1, 1);
    TSelectedFont font(s.dc, -12);
    std::string text = "ab开始";
    TSize whole, part;
    GetTextExtentPoint32(s.dc, text, whole);
    std::vector<int> extents;
    int fit = -1;
    TSize size;
    ASSERT_TRUE(GetTextExtentExPoint(s.dc, text, whole.cx - 1, &fit, &extents, size));
    EXPECT_EQ(size, whole);
    ASSERT_EQ(extents.size(), text.size());
    EXPECT_EQ(extents.back(), whole.cx);
    EXPECT_EQ(fit, 5) << "the last three-byte character does not fit";
    EXPECT_EQ(extents[2], extents[4]) << "bytes of one character share its extent";
    GetTextExtentPoint32(s.dc, "ab开", part);
    EXPECT_EQ(extents[4], part.cx);
    ASSERT_TRUE(GetTextExtentExPoint(s.dc, text, 0, &fit, nullptr, size));
    EXPECT_EQ(fit, 0);
    // Invalid UTF-8 is measured and drawn as replacement characters, never a crash.
    std::string broken = "a\xff\xfe"
                         "b\xe5";
    GetTextExtentPoint32(s.dc, broken, size);
    EXPECT_GT(size.cx, 0);
    EXPECT_TRUE(TextOut(s.dc, 0, 0, broken));
}

TEST(GdiText, AQuickBoundIsNeverBelowTheExtentAndRefusesTextItCannotBound) {
    TSurface s(1, 1);
    for (const char* face : {"Tahoma", "宋体", "Times New Roman"}) {
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.lfFaceName = face;
        HFONT font = CreateFontIndirect(lf);
        HGDIOBJ old = SelectObject(s.dc, font);
        // Kerning pairs, ligature candidates, wide letters, Chinese with Latin, full-width signs.
        for (const char* text : {"", "AVAVAVAV To Ty WA", "ffi fl office", "WWWWMMMM@@@@", "第 99999 行 01 04 12 20 28 33",
                                 "开始过滤。“组合”——……", "（１２３）", "iiiiiiii.....''''"}) {
            TSize size;
            GetTextExtentPoint32(s.dc, text, size);
            const int bound = GetTextExtentBound(s.dc, text);
            EXPECT_GE(bound, size.cx) << face << ": " << text;
            EXPECT_LE(bound, 3 * size.cx + 10) << face << ": " << text << " (a bound too loose to be of use)";
        }
        for (const char* text : {"a\tb", "line\r\n", "سلام", "a\xC3", "😀"})
            EXPECT_EQ(GetTextExtentBound(s.dc, text), -1) << face << ": " << text;
        SelectObject(s.dc, old);
        DeleteObject(font);
    }
}

TEST(GdiText, DrawnTextStaysInsideItsCalculatedRectangle) {
    struct TCase {
        const char* text;
        unsigned format;
        int width;
    } cases[] = {
        {"Hello, world", DT_SINGLELINE, 200},
        {"开始过滤 Filter", DT_SINGLELINE, 200},
        {"one two three four five six", DT_WORDBREAK, 60},
        {"第一行\r\nsecond line\nthird", 0, 200},
        {"&Open file", DT_SINGLELINE, 200},
        {"Justify\twith\ttabs", DT_EXPANDTABS | DT_SINGLELINE, 200},
    };
    for (const TCase& c : cases) {
        TSurface s(240, 120);
        TSelectedFont font(s.dc, -12);
        SetBkMode(s.dc, TRANSPARENT);
        TRect calc = Rect(10, 10, 10 + c.width, 10);
        int height = DrawText(s.dc, c.text, calc, c.format | DT_CALCRECT);
        EXPECT_EQ(s.InkBounds(), TRect{}) << c.text << ": measuring draws nothing";
        EXPECT_EQ(height, calc.Height()) << c.text;
        TRect r = Rect(10, 10, 10 + c.width, 110);
        EXPECT_EQ(DrawText(s.dc, c.text, r, c.format), height) << c.text;
        TRect ink = s.InkBounds();
        EXPECT_FALSE(IsRectEmpty(ink)) << c.text;
        EXPECT_GE(ink.Left, calc.Left) << c.text;
        EXPECT_GE(ink.Top, calc.Top) << c.text;
        EXPECT_LE(ink.Right, calc.Right + 1) << c.text;
        EXPECT_LE(ink.Bottom, calc.Bottom) << c.text;
        EXPECT_GE(ink.Right, calc.Right - 3) << c.text << ": the measured width is what is drawn";
    }
}

TEST(GdiText, WordBreakMakesRowsAndEditControlBreaksLongWords) {
    TSurface s(1, 1);
    TSelectedFont font(s.dc, -12);
    TEXTMETRIC tm;
    GetTextMetrics(s.dc, tm);
    TSize word;
    GetTextExtentPoint32(s.dc, "three", word);
    struct TCase {
        const char* text;
        unsigned format;
        int width;
        int rows;
    } cases[] = {
        {"one two three", DT_WORDBREAK, word.cx + 2, 3},
        {"one two three", DT_WORDBREAK, 1000, 1},
        {"one two three", 0, word.cx, 1},
        {"abcdefghijklmnopqrstuvwxyz", DT_WORDBREAK, word.cx, 1},
        {"abcdefghijklmnopqrstuvwxyz", DT_WORDBREAK | DT_EDITCONTROL, word.cx, 6},
        {"开始过滤开始过滤", DT_WORDBREAK, 4 * 12 + 2, 2},
        {"a\r\n\r\nb", DT_WORDBREAK, 100, 3},
        {"", DT_WORDBREAK, 100, 0},
        {"&", 0, 100, 0},
    };
    for (const TCase& c : cases) {
        TRect r = Rect(0, 0, c.width, 0);
        int height = DrawText(s.dc, c.text, r, c.format | DT_CALCRECT);
        if (std::string(c.text) == "abcdefghijklmnopqrstuvwxyz" && (c.format & DT_EDITCONTROL)) {
            EXPECT_GE(height / tm.tmHeight, 5) << c.text;
            EXPECT_LE(r.Width(), c.width) << c.text << ": no row is wider than the rectangle";
            continue;
        }
        EXPECT_EQ(height, c.rows * tm.tmHeight) << c.text << " in " << c.width;
    }
}

TEST(GdiText, EndEllipsisAndPathEllipsisShortenToTheRectangle) {
    TSurface s(300, 30);
    TSelectedFont font(s.dc, -12);
    SetBkMode(s.dc, TRANSPARENT);
    TSize full, dots;
    GetTextExtentPoint32(s.dc, "A fairly long caption", full);
    GetTextExtentPoint32(s.dc, "...", dots);
    TRect r = Rect(0, 0, full.cx / 2, 20);
    TRect calc = r;
    DrawText(s.dc, "A fairly long caption", calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(calc.Width(), r.Width());
    EXPECT_GT(calc.Width(), r.Width() - dots.cx - 12);
    DrawText(s.dc, "A fairly long caption", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    EXPECT_LE(s.InkBounds().Right, r.Right + 1);
    // The path form keeps the file name.
    TRect path = Rect(0, 0, 120, 20);
    DrawText(s.dc, "C:\\Program Files\\Zorvy\\FangAn\\scheme.ini", path,
             DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_CALCRECT);
    TSize name;
    GetTextExtentPoint32(s.dc, "...\\scheme.ini", name);
    EXPECT_LE(path.Width(), 120);
    EXPECT_GE(path.Width(), name.cx);
}

TEST(GdiText, PrefixUnderlinesTheMarkedCharacterOnly) {
    auto drawn = [](const char* text, unsigned format) {
        auto s = std::make_unique<TSurface>(100, 20);
        TSelectedFont font(s->dc, -12);
        SetBkMode(s->dc, TRANSPARENT);
        TRect r = Rect(0, 0, 100, 20);
        DrawText(s->dc, text, r, format | DT_SINGLELINE);
        return s;
    };
    auto plain = drawn("File", 0), prefixed = drawn("&File", 0), literal = drawn("&File", DT_NOPREFIX),
         hidden = drawn("&File", DT_HIDEPREFIX), doubled = drawn("&&File", 0);
    EXPECT_NE(plain->bitmap->bits, prefixed->bitmap->bits);
    EXPECT_EQ(plain->bitmap->bits, hidden->bitmap->bits);
    EXPECT_NE(literal->bitmap->bits, plain->bitmap->bits) << "the ampersand is drawn";
    EXPECT_NE(doubled->bitmap->bits, plain->bitmap->bits);
    // The underline lies below the F only: under the F's columns, the difference is a horizontal line.
    TSize f;
    {
        TSurface m(1, 1);
        TSelectedFont font(m.dc, -12);
        GetTextExtentPoint32(m.dc, "F", f);
    }
    TRect diff{100, 20, 0, 0};
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain->At(x, y) != prefixed->At(x, y)) {
                diff.Left = std::min(diff.Left, x);
                diff.Top = std::min(diff.Top, y);
                diff.Right = std::max(diff.Right, x + 1);
                diff.Bottom = std::max(diff.Bottom, y + 1);
            }
    EXPECT_EQ(diff.Left, 0);
    EXPECT_EQ(diff.Right, f.cx);
    EXPECT_EQ(diff.Height(), 1);
}

TEST(GdiText, AlignmentAndVerticalCentringPlaceTheLine) {
    TSurface s(200, 40);
    TSelectedFont font(s.dc, -12);
    SetBkMode(s.dc, OPAQUE);
    SetBkColor(s.dc, Black); // the cell background shows where the line was placed
    TEXTMETRIC tm;
    GetTextMetrics(s.dc, tm);
    TSize size;
    GetTextExtentPoint32(s.dc, "Right", size);
    TRect r = Rect(0, 0, 200, 40);
    int result = DrawText(s.dc, "Right", r, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    int top = (40 - tm.tmHeight) / 2;
    EXPECT_EQ(s.InkBounds(), Rect(200 - size.cx, top, 200, top + tm.tmHeight));
    EXPECT_EQ(result, top + tm.tmHeight);
}

TEST(GdiText, TextOutBackgroundClippingAndTabs) {
    TSurface s(200, 30);
    TSelectedFont font(s.dc, -12);
    TEXTMETRIC tm;
    GetTextMetrics(s.dc, tm);
    SetBkColor(s.dc, Black);
    TSize size;
    GetTextExtentPoint32(s.dc, "Cell", size);
    TextOut(s.dc, 5, 2, "Cell");
    EXPECT_EQ(s.InkBounds(), Bounds(5, 2, size.cx, tm.tmHeight)) << "OPAQUE fills the text cell";

    TSurface clipped(200, 30);
    TRect r = Rect(0, 0, 10, 30);
    SetBkColor(clipped.dc, RGB(0, 0, 255));
    ExtTextOut(clipped.dc, 0, 0, ETO_CLIPPED | ETO_OPAQUE, &r, "Clipped text");
    EXPECT_EQ(clipped.InkBounds(), Rect(0, 0, 10, 30));

    TSurface tabs(200, 30);
    SetBkMode(tabs.dc, TRANSPARENT);
    int stops[1] = {50};
    TSize extent = TabbedTextOut(tabs.dc, 0, 0, "a\tb", stops, 1, 0);
    TSize b;
    GetTextExtentPoint32(tabs.dc, "b", b);
    EXPECT_EQ(extent.cx, 50 + b.cx);
    EXPECT_EQ(GetTabbedTextExtent(tabs.dc, "a\tb", stops, 1), extent);
    EXPECT_GE(tabs.InkBounds().Right, 50 + 1);
}

TEST(GdiText, RotatedFontsTurnTheTextAboutItsOrigin) {
    TSurface flat(120, 120), turned(120, 120);
    SetBkMode(flat.dc, TRANSPARENT);
    SetBkMode(turned.dc, TRANSPARENT);
    TSelectedFont a(flat.dc, -16), b(turned.dc, -16, "Tahoma", 900);
    TextOut(flat.dc, 10, 60, "Rotated");
    TextOut(turned.dc, 60, 110, "Rotated");
    TRect f = flat.InkBounds(), t = turned.InkBounds();
    EXPECT_GT(f.Width(), f.Height());
    EXPECT_GT(t.Height(), t.Width()) << "a quarter turn stands the text up";
    EXPECT_NEAR(t.Height(), f.Width(), 2);
    EXPECT_LE(t.Bottom, 111) << "the text runs upwards from its origin";
    EXPECT_GE(t.Left, 59);
}

TEST(GdiText, UnderlinedFontsAndTextOutlinesAsPaths) {
    TSurface plain(100, 30), underlined(100, 30);
    SetBkMode(plain.dc, TRANSPARENT);
    SetBkMode(underlined.dc, TRANSPARENT);
    TSelectedFont a(plain.dc, -14), b(underlined.dc, -14, "Tahoma", 0, true);
    TextOut(plain.dc, 0, 0, "under");
    TextOut(underlined.dc, 0, 0, "under");
    EXPECT_GT(underlined.Count(Black), plain.Count(Black));

    // Text recorded into a path fills as a region shaped like the glyphs.
    TSurface s(100, 30);
    TSelectedFont font(s.dc, -20);
    BeginPath(s.dc);
    TextOut(s.dc, 0, 0, "O");
    EndPath(s.dc);
    EXPECT_EQ(s.InkBounds(), TRect{}) << "recording draws nothing";
    HRGN rgn = PathToRegion(s.dc);
    ASSERT_NE(rgn, nullptr);
    TRect box = rgn->region.Box();
    EXPECT_GT(box.Width(), 8);
    EXPECT_FALSE(rgn->region.Contains({(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2}))
        << "the O has a hole";
    // The same path as the clip region lets a fill through the letter's shape only.
    BeginPath(s.dc);
    TextOut(s.dc, 0, 0, "O");
    EndPath(s.dc);
    EXPECT_TRUE(SelectClipPath(s.dc, RGN_COPY));
    s.Fill(Rect(0, 0, 100, 30), RGB(255, 0, 0));
    SelectClipRgn(s.dc, nullptr);
    EXPECT_EQ(s.Count(RGB(255, 0, 0)), int([&] {
                  int n = 0;
                  for (const TRect& r : rgn->region.Rects())
                      n += r.Width() * r.Height();
                  return n;
              }()));
    DeleteObject(rgn);
}

} // namespace
} // namespace zorvy

namespace zorvy {
namespace {

TEST(GdiText, StrokedTextOutlinesAreRingsAndMarginsNarrowTheLayout) {
    TSurface s(60, 40);
    TSelectedFont font(s.dc, -28);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(s.dc, pen);
    BeginPath(s.dc);
    TextOut(s.dc, 4, 2, "O");
    EndPath(s.dc);
    EXPECT_TRUE(StrokePath(s.dc));
    SelectObject(s.dc, old);
    DeleteObject(pen);
    TRect ink = s.InkBounds();
    EXPECT_GT(ink.Width(), 10);
    EXPECT_EQ(s.At((ink.Left + ink.Right) / 2, (ink.Top + ink.Bottom) / 2), White)
        << "the counter stays empty";
    EXPECT_EQ(s.Count(RGB(255, 0, 0)) + s.Count(White), 60 * 40)
        << "outlines are drawn with the pen, unblended";
    EXPECT_FALSE(StrokePath(s.dc)) << "the path was used up";

    TSurface m(1, 1);
    TSelectedFont small(m.dc, -12);
    TSize word;
    GetTextExtentPoint32(m.dc, "word", word);
    DRAWTEXTPARAMS params;
    params.iLeftMargin = 5;
    params.iRightMargin = 7;
    TRect r = Rect(0, 0, 0, 0);
    DrawTextEx(m.dc, "word", r, DT_CALCRECT | DT_SINGLELINE, &params);
    EXPECT_EQ(r.Width(), word.cx + 12);
    EXPECT_EQ(params.uiLengthDrawn, 4);
}

} // namespace
} // namespace zorvy
