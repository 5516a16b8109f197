// Small painter elements against committed golden PNGs (golden/<painter>-<element>.png, one cell per
// state side by side), so a change of any pixel of a button, check box, radio button, header or scroll
// arrow shows with its painter, element and state. The elements carry no text, so fonts cannot differ.
// ZORVY_UPDATE_GOLDEN=1 writes the files instead (after a deliberate change, looked at in the gallery).
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace zorvy::test {
namespace {

struct TGoldenElement {
    const char* Name;
    std::vector<const char*> States;
    TSize Cell;
    std::function<void(TcxLookAndFeelPainterClass, TcxCanvas*, const TRect&, int state)> Draw;
};

const std::vector<TGoldenElement>& Elements() {
    static const std::vector<TGoldenElement> elements = {
        {"button",
         {"default", "normal", "hot", "pressed", "disabled"},
         {24, 16},
         [](TcxLookAndFeelPainterClass p, TcxCanvas* c, const TRect& r, int s) {
             p->DrawPushButton(c, r, "", TcxButtonState(s));
         }},
        {"check",
         {"normal", "hot", "pressed", "disabled", "normal-checked", "hot-checked", "pressed-checked",
          "disabled-checked"},
         {15, 15},
         [](TcxLookAndFeelPainterClass p, TcxCanvas* c, const TRect& r, int s) {
             p->DrawCheckBox(c, CenterRectOfSize(r, 13, 13), TcxButtonState(s % 4 + 1), s >= 4);
         }},
        {"radio",
         {"normal", "hot", "pressed", "disabled", "normal-checked", "hot-checked", "pressed-checked",
          "disabled-checked"},
         {14, 14},
         [](TcxLookAndFeelPainterClass p, TcxCanvas* c, const TRect& r, int s) {
             const TSize e = p->GetRadioButtonExtent();
             const TRect at = CenterRectOfSize(r, e.cx, e.cy);
             p->DrawRadioButton(c, at.Left, at.Top, TcxButtonState(s % 4 + 1), s >= 4, false, clDefault);
         }},
        {"header",
         {"normal", "hot", "pressed", "normal-neighbours", "hot-neighbours", "pressed-neighbours"},
         {20, 14},
         [](TcxLookAndFeelPainterClass p, TcxCanvas* c, const TRect& r, int s) {
             const TcxHeaderNeighbours n =
                 s >= 3 ? TcxHeaderNeighbours(cxBorder(bLeft) | cxBorder(bRight)) : 0;
             TcxHeaderText text;
             text.BackgroundColor = p->DefaultHeaderColor();
             p->DrawHeader(c, r, n, p->GetHeaderBorders(n), TcxButtonState(s % 3 + 1), text);
         }},
        {"scroll",
         {"up-normal", "up-hot", "up-pressed", "up-disabled", "thumb-normal", "page-pressed"},
         {17, 17},
         [](TcxLookAndFeelPainterClass p, TcxCanvas* c, const TRect& r, int s) {
             const TcxScrollPart part = s < 4 ? spLineUp : s == 4 ? spThumb : spPageUp;
             const TcxButtonState state = s < 4 ? TcxButtonState(s + 1) : s == 4 ? cxbsNormal : cxbsPressed;
             p->DrawScrollBarElement(c, false, r, part, state);
         }},
    };
    return elements;
}

struct TGoldenPainter {
    const char* Name;
    TcxLookAndFeelPainterClass (*Painter)();
};
const TGoldenPainter GoldenPainters[] = {
    {"Standard", [] { return TcxLookAndFeelPainterClass(TcxStandardLookAndFeelPainter::Instance()); }},
    {"Flat", [] { return TcxLookAndFeelPainterClass(TcxFlatLookAndFeelPainter::Instance()); }},
    {"UltraFlat", [] { return TcxLookAndFeelPainterClass(TcxUltraFlatLookAndFeelPainter::Instance()); }},
    {"Office11", [] { return TcxLookAndFeelPainterClass(TcxOffice11LookAndFeelPainter::Instance()); }},
    {"WinXP", [] { return TcxLookAndFeelPainterClass(TcxWinXPLookAndFeelPainter::Instance()); }},
};

class GoldenPainterElements : public ::testing::TestWithParam<TGoldenPainter> {
  protected:
    GoldenPainterElements() { InitializeFoundationUnits(); }
    ~GoldenPainterElements() override { FinalizeFoundationUnits(); }
    THeadlessDisplay display;
};

TEST_P(GoldenPainterElements, EveryStateMatchesItsGoldenCell) {
    const TGoldenPainter& painter = GetParam();
    const std::string folder = std::string(ZORVY_SOURCE_DIR) + "/tests/controls/foundation/painters/golden/";
    const bool update = std::getenv("ZORVY_UPDATE_GOLDEN") != nullptr;
    for (const TGoldenElement& element : Elements()) {
        const int cells = int(element.States.size());
        TPaintSurface strip(element.Cell.cx * cells, element.Cell.cy, clWhite);
        for (int s = 0; s < cells; ++s) {
            strip.Canvas()->PushState();
            const TRect cell = Bounds(s * element.Cell.cx, 0, element.Cell.cx, element.Cell.cy);
            strip.Canvas()->ClipIntersectRect(cell);
            element.Draw(painter.Painter(), strip.Canvas(), cell, s);
            strip.Canvas()->PopState();
        }
        const std::string path = folder + painter.Name + "-" + element.Name + ".png";
        if (update) {
            std::filesystem::create_directories(folder);
            SavePngFile(strip.bitmap.GetHandle(), path);
            continue;
        }
        HBITMAP golden = LoadImageFile(path);
        ASSERT_EQ(golden->width, strip.bitmap.GetWidth()) << path;
        ASSERT_EQ(golden->height, strip.bitmap.GetHeight()) << path;
        for (int s = 0; s < cells; ++s) {
            bool same = true;
            TPoint first;
            for (int y = 0; y < element.Cell.cy && same; ++y)
                for (int x = s * element.Cell.cx; x < (s + 1) * element.Cell.cx && same; ++x) {
                    const uint32_t g = golden->Row(y)[x] & 0xFFFFFF;
                    if (RGB(uint8_t(g >> 16), uint8_t(g >> 8), uint8_t(g)) != strip.At(x, y)) {
                        same = false;
                        first = {x - s * element.Cell.cx, y};
                    }
                }
            EXPECT_TRUE(same) << painter.Name << " " << element.Name << " " << element.States[size_t(s)]
                              << ": first differing pixel (" << first.X << ", " << first.Y << ") of the cell";
        }
        DeleteObject(golden);
    }
}

INSTANTIATE_TEST_SUITE_P(EachPainter, GoldenPainterElements, ::testing::ValuesIn(GoldenPainters),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace zorvy::test
