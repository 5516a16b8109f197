// The tab-drawing styles: the shared colour routines, the size rules and the navigator order, and
// every style in every tab position against committed golden images (golden/<style>.png, the four
// positions side by side). The tabs carry no captions, so fonts cannot differ.
// ZORVY_UPDATE_GOLDEN=1 writes the images instead (after a deliberate change, looked at in the gallery).
#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/PCStandardPainter.h"
#include "controls/pages/TabControl.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/controls/pages/PagesFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace zorvy::test {
namespace {

class PaintersTest : public PagesTest {
  protected:
    TcxCustomTabControl* NewTabControl(TForm* owner, int style, std::initializer_list<const char*> captions) {
        auto* c = new TcxCustomTabControl(owner);
        c->SetParent(owner);
        c->SetBounds(0, 0, 300, 120);
        c->SetStyle(style);
        for (const char* caption : captions) c->GetTabs()->Add(caption);
        Pump();
        return c;
    }
    TcxPCStandardPainter* PainterOf(TcxCustomTabControl* c) { return static_cast<TcxPCStandardPainter*>(c->GetPainter()); }
};

TEST_F(PaintersTest, ColourRoutinesFollowHueSaturationAndBrightness) {
    long double h = -1, s = -1, b = -1;
    ColorToHSB(RGB(255, 0, 0), h, s, b);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 100);
    EXPECT_EQ(b, 100);
    ColorToHSB(RGB(0, 0, 255), h, s, b);
    EXPECT_EQ(h, 240);
    EXPECT_EQ(HSBToColor(0, 100, 100), RGB(255, 0, 0));
    EXPECT_EQ(HSBToColor(120, 100, 100), RGB(0, 255, 0));
    // Half brightness, half saturation at hue 60: hi 127.5, lo 63.75 -> (127, 127, 63).
    EXPECT_EQ(HSBToColor(60, 50, 50), RGB(127, 127, 63));
    EXPECT_EQ(LightenColor(RGB(255, 0, 0), 50), RGB(255, 0, 0)) << "brightness stays at 100";
    EXPECT_EQ(LightenColor(RGB(0, 0, 0), 85), RGB(0, 0, 0)) << "black stays black";
    // Brightness 40 (102 of 255) by 50 % is 60: 153.
    EXPECT_EQ(LightenColor(RGB(102, 102, 102), 50), RGB(153, 153, 153));
    EXPECT_EQ(MakeLightBtnFaceColor(RGB(212, 208, 200)), RGB(232, 228, 220));
    EXPECT_EQ(MakeLightBtnFaceColor(RGB(240, 235, 236)), RGB(255, 255, 255));
}

TEST_F(PaintersTest, TabsAreAtLeast42PixelsUnlessTheControlFixesTheirWidth) {
    TcxCustomTabControl* c = NewTabControl(form, 1, {"", ""});
    TcxPCCustomPainter* painter = c->GetPainter();
    EXPECT_EQ(painter->CalculateTabNormalWidth(c->GetTabs()->GetTab(0)), 42);
    c->SetTabWidth(30);
    EXPECT_EQ(painter->CalculateTabNormalWidth(c->GetTabs()->GetTab(0)), 30) << "below the minimum";
    c->SetTabWidth(0);
    c->SetStyle(5);
    EXPECT_EQ(c->GetPainter()->CalculateTabNormalWidth(c->GetTabs()->GetTab(0)), 12) << "ExtraFlat has no minimum";
}

TEST_F(PaintersTest, ExtraFlatRowsTakeTheTabHeightLessTheStripEdges) {
    TcxCustomTabControl* c = NewTabControl(form, 5, {"A"});
    const int natural = c->GetPainter()->CalculateTabNormalHeight();
    c->SetTabHeight(30);
    EXPECT_EQ(c->GetPainter()->CalculateTabNormalHeight(), std::max(natural, 26));
    c->SetTabHeight(20);
    EXPECT_EQ(c->GetPainter()->CalculateTabNormalHeight(), natural) << "20 - 4 is below the minimum 17";
}

TEST_F(PaintersTest, TheNavigatorKeepsCloseOutermostAndGoDialogNextToTheTabs) {
    TcxCustomTabControl* c = NewTabControl(form, 1, {"", "", "", "", "", "", "", "", ""});
    c->SetOptions(c->GetOptions() | PCOptionSet(pcoCloseButton) | PCOptionSet(pcoGoDialog));
    c->SetNavigatorPosition(npRightTop);
    Pump();
    const TcxPCNavigatorButtonPositions& buttons = PainterOf(c)->ButtonPositions;
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].Button, nbGoDialog);
    EXPECT_EQ(buttons[1].Button, nbTopLeft);
    EXPECT_EQ(buttons[2].Button, nbBottomRight);
    EXPECT_EQ(buttons[3].Button, nbClose);
    EXPECT_EQ(buttons[3].Bounds.Right, 300) << "flush with the right edge";
    // 12 + 20 + 20 + 20 along the row, 20 across.
    EXPECT_EQ(buttons[0].Bounds, Rect(228, 0, 240, 20));
    c->SetNavigatorPosition(npLeftTop);
    Pump();
    EXPECT_EQ(PainterOf(c)->ButtonPositions[0].Button, nbClose);
    EXPECT_EQ(PainterOf(c)->ButtonPositions[0].Bounds.Left, 0);
}

TEST_F(PaintersTest, OneNoteRefusesRotationAndTheOthersAllowIt) {
    TcxCustomTabControl* c = NewTabControl(form, 10, {"A"});
    EXPECT_THROW(c->SetRotate(true), EcxPCError);
    EXPECT_FALSE(c->GetRotate());
    c->SetStyle(9);
    c->SetRotate(true);
    EXPECT_TRUE(c->GetRotate());
}

TEST_F(PaintersTest, EachStyleIsRegisteredUnderItsIdentifierAndName) {
    const struct {
        int id;
        const char* name;
        bool tabStyle;
    } styles[] = {{1, "Tabs", true},       {2, "Buttons", false},  {3, "FlatButtons", false},
                  {5, "ExtraFlat", true},  {6, "UltraFlat", true}, {7, "Flat", true},
                  {8, "Office11", true},   {9, "Slanted", true},   {10, "OneNote", true}};
    for (const auto& s : styles) {
        TcxPCPainterClass painter = PaintersFactory()->GetPainterClass(s.id);
        ASSERT_NE(painter, nullptr) << s.id;
        EXPECT_EQ(painter->GetStyleName(), s.name);
        EXPECT_EQ(painter->IsTabStyle(), s.tabStyle) << s.name;
        EXPECT_EQ(painter->AllowMultiSelection(), !s.tabStyle) << s.name;
    }
    EXPECT_EQ(PaintersFactory()->GetPainterClass(4), nullptr) << "there is no style 4";
    EXPECT_EQ(PaintersFactory()->GetDefaultStyleID(nullptr), 1);
}

TEST_F(PaintersTest, ButtonStylesPressTheTrackedTabOnlyInButtonsAndLightenTheMainFace) {
    TcxCustomTabControl* c = NewTabControl(form, 2, {"A", "B", "C"});
    c->SetTabIndex(0);
    c->GetTabs()->SetTrackingTab(2);
    EXPECT_TRUE(c->GetPainter()->IsTabActive(2)) << "Buttons: the tracked tab is down";
    EXPECT_FALSE(c->GetPainter()->IsTabActive(1));
    EXPECT_EQ(c->GetPainter()->GetTabBodyColor(0), clBtnHighlight);
    EXPECT_EQ(c->GetPainter()->GetTabBodyColor(1), clBtnFace);
    c->SetStyle(3);
    c->GetTabs()->SetTrackingTab(2);
    EXPECT_FALSE(c->GetPainter()->IsTabActive(2)) << "FlatButtons: the tracked tab rises";
    EXPECT_EQ(c->GetPainter()->GetTabBodyColor(0), clBtnHighlight);
}

TEST_F(PaintersTest, ThemedTabsTakeTheEdgePartsOfTheirRow) {
    TcxCustomTabControl* c = NewTabControl(form, 1, {"A"});
    int part = 0, state = 0;
    c->GetPainter()->GetTabThemeParams(0, part, state);
    EXPECT_EQ(part, 6) << "a single main tab takes the left edge, never the right";
    EXPECT_EQ(state, 3);
    c->GetTabs()->Add("B");
    c->GetTabs()->Add("C");
    Pump();
    const int expected[] = {6, 1, 3};
    for (int v = 0; v < 3; ++v) {
        c->GetPainter()->GetTabThemeParams(v, part, state);
        EXPECT_EQ(part, expected[v]) << v;
    }
    c->SetTabIndex(2);
    Pump();
    c->GetPainter()->GetTabThemeParams(2, part, state);
    EXPECT_EQ(part, 5) << "the main tab never takes the right edge in one line";
}

TEST_F(PaintersTest, ADisabledExtraFlatControlDrawsItsArrowsAsLightOutlines) {
    TcxCustomTabControl* c = NewTabControl(form, 5, {"A"});
    TcxPCButtonGlyphParams params;
    PainterOf(c)->GetButtonGlyphParams(nbTopLeft, params);
    EXPECT_TRUE(params.Enabled);
    EXPECT_FALSE(params.SmallCloseGlyph);
    EXPECT_EQ(params.FillColor, clBtnText);
    c->SetEnabled(false);
    PainterOf(c)->GetButtonGlyphParams(nbTopLeft, params);
    EXPECT_TRUE(params.Enabled) << "drawn once, not embossed";
    EXPECT_EQ(params.LineColor, clBtnShadow);
    EXPECT_EQ(params.FillColor, LightBtnFaceColor());
}

TEST_F(PaintersTest, TabsAndFlatKeepTheirFrameWithoutShowFrame) {
    TcxCustomTabControl* c = NewTabControl(form, 1, {"A"});
    c->SetShowFrame(false);
    EXPECT_TRUE(c->GetPainter()->HasFrame());
    c->SetStyle(7);
    EXPECT_TRUE(c->GetPainter()->HasFrame());
    c->SetStyle(5);
    EXPECT_FALSE(c->GetPainter()->HasFrame());
}

TEST_F(PaintersTest, WithoutNavigatorButtonsTheTabsRegionIsTheWholeControl) {
    TcxCustomTabControl* c = NewTabControl(form, 2, {"A"});
    EXPECT_EQ(c->GetVisibleButtons(), 0);
    EXPECT_EQ(PainterOf(c)->GetNavigatorExtent(0), 0);
    EXPECT_EQ(c->GetTabsRegion().TabsBounds, Rect(0, 0, 300, 120));
}

TEST_F(PaintersTest, SlantedTabsOverlapByTheirCutsAndTheMainTabOwnsTheOverlap) {
    TcxCustomTabControl* c = NewTabControl(form, 9, {"Alpha", "Beta", "Gamma"});
    c->GetTabSlants()->SetKind(skCutCorner);
    c->GetTabSlants()->SetPositions(0);
    Pump();
    int betweenTabs = 0, betweenRows = 0;
    c->GetPainter()->GetTabsNormalDistance(betweenTabs, betweenRows);
    EXPECT_EQ(betweenTabs, 1) << "bevelled tabs keep apart";
    EXPECT_EQ(betweenRows, -3);

    c->GetTabSlants()->SetKind(skSlant);
    c->GetTabSlants()->SetPositions((1u << spLeft) | (1u << spRight));
    c->SetTabIndex(1);
    Pump();
    auto* painter = static_cast<TcxPCStandardPainter*>(c->GetPainter());
    const int cut = painter->CalculateTabNormalHeight() - 1;
    c->GetPainter()->GetTabsNormalDistance(betweenTabs, betweenRows);
    EXPECT_EQ(betweenTabs, -2 * (cut / 2));
    TRect first, second;
    c->GetTabs()->GetVisibleTab(0)->GetNormalRect(first);
    c->GetTabs()->GetVisibleTab(1)->GetNormalRect(second);
    ASSERT_LT(second.Left, first.Right) << "the tabs overlap";
    // Low in the overlap both figures reach; the point belongs to the main tab that follows.
    const TPoint p{(second.Left + first.Right) / 2, first.Bottom - 2};
    EXPECT_FALSE(c->GetPainter()->IsPointInTab(0, p.X, p.Y));
    EXPECT_TRUE(c->GetPainter()->IsPointInTab(1, p.X, p.Y));
}

// ---- golden images ----

struct TGoldenStyle {
    int ID;
    const char* Name;
};
const TGoldenStyle GoldenStyles[] = {{1, "Tabs"},      {2, "Buttons"},  {3, "FlatButtons"},
                                     {5, "ExtraFlat"}, {6, "UltraFlat"}, {7, "Flat"},
                                     {8, "Office11"},  {9, "Slanted"},   {10, "OneNote"}};

class GoldenTabStyles : public PagesTest, public ::testing::WithParamInterface<TGoldenStyle> {};

constexpr int CellWidth = 110, CellHeight = 80;

TEST_P(GoldenTabStyles, EveryPositionMatchesItsGoldenCell) {
    const TGoldenStyle& style = GetParam();
    TForm* sheet = NewForm(4 * CellWidth, CellHeight);
    const TcxTabPosition positions[] = {tpTop, tpBottom, tpLeft, tpRight};
    for (int i = 0; i < 4; ++i) {
        auto* c = new TcxCustomTabControl(sheet);
        c->SetParent(sheet);
        c->SetBounds(i * CellWidth, 0, CellWidth, CellHeight);
        c->SetStyle(style.ID);
        c->SetTabPosition(positions[i]);
        c->SetTabStop(false);
        for (int t = 0; t < 3; ++t) c->GetTabs()->Add("");
        c->SetTabIndex(1);
    }
    sheet->Show();
    Pump();
    HBITMAP image = display.Capture(sheet->GetHandle());
    const std::string folder = std::string(ZORVY_SOURCE_DIR) + "/tests/controls/pages/golden/";
    const std::string path = folder + style.Name + ".png";
    if (std::getenv("ZORVY_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(folder);
        SavePngFile(image, path);
        DeleteObject(image);
        return;
    }
    HBITMAP golden = LoadImageFile(path);
    ASSERT_NE(golden, nullptr) << path;
    ASSERT_EQ(golden->width, image->width);
    ASSERT_EQ(golden->height, image->height);
    const char* names[] = {"top", "bottom", "left", "right"};
    for (int i = 0; i < 4; ++i) {
        TPoint first{-1, -1};
        for (int y = 0; y < CellHeight && first.X < 0; ++y)
            for (int x = i * CellWidth; x < (i + 1) * CellWidth && first.X < 0; ++x)
                if ((golden->Row(y)[x] & 0xFFFFFF) != (image->Row(y)[x] & 0xFFFFFF)) first = {x - i * CellWidth, y};
        EXPECT_EQ(first.X, -1) << style.Name << " " << names[i] << ": first differing pixel (" << first.X << ", "
                               << first.Y << ")";
    }
    DeleteObject(golden);
    DeleteObject(image);
}

INSTANTIATE_TEST_SUITE_P(EachStyle, GoldenTabStyles, ::testing::ValuesIn(GoldenStyles),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace zorvy::test
