// Text drawn from cached glyph coverage against cairo's own drawing of the same runs: every pixel,
// alpha byte included, over a background of noise, for faces, sizes, styles, scripts, colours, clips
// and the ways text is output.
#include "GdiTestSupport.h"
#include "platform/gdi/TextInternal.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zorvy {
namespace {

using testing::TSurface;

struct TTextCase {
    std::string face;
    int height;
    int weight;
    bool italic;
    bool underline;
    std::string text;
};

// Draws the case's text every way on a noise background: TextOut at whole and odd places, clipped
// ExtTextOut, DrawText in a narrow rectangle (breaks and an ellipsis), through a clip region of
// two parts, and in an opaque cell.
void DrawCase(TSurface& s, const TTextCase& c, COLORREF color) {
    std::mt19937 noise(7);
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            s.bitmap->Row(y)[x] = uint32_t(noise());
    LOGFONT lf;
    lf.lfHeight = c.height;
    lf.lfFaceName = c.face;
    lf.lfWeight = c.weight;
    lf.lfItalic = c.italic;
    lf.lfUnderline = c.underline;
    HFONT font = CreateFontIndirect(lf);
    HGDIOBJ old = SelectObject(s.dc, font);
    SetTextColor(s.dc, color);
    SetBkMode(s.dc, TRANSPARENT);
    TextOut(s.dc, 3, 2, c.text);
    TextOut(s.dc, -7, 37, c.text);
    const TRect clip = Rect(20, 70, 90, 84);
    ExtTextOut(s.dc, 11, 68, ETO_CLIPPED, &clip, c.text);
    TRect box = Rect(150, 0, 230, 120);
    DrawText(s.dc, c.text + " " + c.text, box, DT_WORDBREAK | DT_END_ELLIPSIS);
    const int saved = SaveDC(s.dc);
    IntersectClipRect(s.dc, 0, 100, 140, 140);
    ExcludeClipRect(s.dc, 30, 100, 45, 140);
    TextOut(s.dc, 5, 110, c.text);
    RestoreDC(s.dc, saved);
    SetBkMode(s.dc, OPAQUE);
    SetBkColor(s.dc, RGB(250, 240, 10));
    TextOut(s.dc, 240, 130, c.text);
    SelectObject(s.dc, old);
    DeleteObject(font);
}

TEST(GlyphMasks, TextDrawsTheSamePixelsAsCairo) {
    const std::vector<TTextCase> cases = {
        {"Tahoma", -11, FW_NORMAL, false, false, "2003-01-01"},
        {"Tahoma", -13, FW_BOLD, false, false, "AVAWAY fi ffl Wo."},
        {"Tahoma", -12, FW_NORMAL, true, true, "Italic overhangs f/j"},
        {"宋体", -12, FW_NORMAL, false, false, "第 12 行 01 04 12 20 28 33"},
        {"宋体", -17, FW_BOLD, true, false, "开始过滤，红球"},
        {"DejaVu Serif", -23, FW_NORMAL, false, false, "Tab\there, bad \xff byte"},
        {"DejaVu Sans Mono", -9, FW_NORMAL, false, false, "tiny 0123456789"},
        {"Tahoma", -40, FW_NORMAL, false, false, "Big gj"},
        {"Tahoma", -12, FW_NORMAL, false, false, "\xe2\x80\x8b missing \xf4\x8f\xbf\xbf box \xf0\x9f\x98\x80"},
    };
    const COLORREF colors[] = {RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(200, 120, 30)};
    for (const TTextCase& c : cases)
        for (COLORREF color : colors) {
            TSurface fast(320, 160), reference(320, 160);
            DrawRunsFromMasks = true;
            DrawCase(fast, c, color);
            DrawRunsFromMasks = false;
            DrawCase(reference, c, color);
            DrawRunsFromMasks = true;
            int differing = 0, firstX = -1, firstY = -1;
            for (int y = 0; y < fast.Height(); ++y)
                for (int x = 0; x < fast.Width(); ++x)
                    if (fast.Raw(x, y) != reference.Raw(x, y) && differing++ == 0) {
                        firstX = x;
                        firstY = y;
                    }
            EXPECT_EQ(differing, 0) << c.face << " " << c.height << " \"" << c.text << "\" colour " << color
                                    << ", first at " << firstX << "," << firstY;
        }
}

} // namespace
} // namespace zorvy
