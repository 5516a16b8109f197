#include "controls/foundation/graphics/ColorBlend.h"
#include "controls/foundation/graphics/PaletteNotifier.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/MessageLoop.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"
#include "tests/controls/foundation/lookandfeel/FakeThemeBinding.h"

#include <gtest/gtest.h>

#include <set>

namespace zorvy::test {
namespace {

class ThemeManager : public ::testing::Test {
  protected:
    THeadlessDisplay display;
    TFakeThemeBinding fake;
};

TEST_F(ThemeManager, WithoutABindingNothingIsThemedAndTheLibraryIsNeverAsked) {
    InitializeThemeManager();
    EXPECT_FALSE(IsUxThemeLoaded());
    EXPECT_FALSE(CanUseThemeFor(tokButton));
    EXPECT_FALSE(CanUseThemesFor(0));
    EXPECT_EQ(GetThemeHandle(tokHeader), HTHEME(0));
    EXPECT_EQ(CloseThemeFor(tokHeader), 1);
    EXPECT_FALSE(IsStockXPTheme());
    FinalizeThemeManager();
}

TEST_F(ThemeManager, VisualStylesOffAnswerNoThemeWithoutOpeningOne) {
    fake.Active = false;
    TInstalledThemeBinding installed(fake);
    EXPECT_TRUE(IsUxThemeLoaded());
    EXPECT_FALSE(CanUseThemeFor(tokButton));
    EXPECT_EQ(GetThemeHandle(tokButton), HTHEME(0));
    EXPECT_EQ(fake.Opens, 0);
}

TEST_F(ThemeManager, HandlesAreCachedPerKindAndClassList) {
    TInstalledThemeBinding installed(fake);
    const HTHEME first = GetThemeHandle(tokButton);
    EXPECT_NE(first, HTHEME(0));
    EXPECT_EQ(GetThemeHandle(tokButton), first);
    const std::string sameInOtherCase = "BUTTON";
    EXPECT_EQ(GetThemeHandle(tokButton, &sameInOtherCase), first);
    EXPECT_EQ(fake.Opens, 1) << "opened once";
    const std::string other = "Explorer::Button";
    const HTHEME reopened = GetThemeHandle(tokButton, &other);
    EXPECT_NE(reopened, first);
    EXPECT_EQ(fake.Closes, 1);
    EXPECT_EQ(fake.Log.back(), "open Explorer::Button");
    fake.Missing = {"TrackBar"};
    EXPECT_TRUE(CanUseThemesFor(0));
    EXPECT_TRUE(CanUseThemesFor(ThemeKindSet(tokButton) | ThemeKindSet(tokHeader)));
    EXPECT_FALSE(CanUseThemesFor(ThemeKindSet(tokButton) | ThemeKindSet(tokTrackBar)));
    EXPECT_FALSE(CanUseThemeFor(tokTrackBar));
}

TEST_F(ThemeManager, AThemeChangeClosesEveryHandleAndTellsNotificatorsInOrder) {
    TInstalledThemeBinding installed(fake);
    std::vector<int> told;
    TdxThemeChangedNotificator first, second;
    first.OnThemeChanged = [&] { told.push_back(1); };
    second.OnThemeChanged = [&] { told.push_back(2); };
    GetThemeHandle(tokButton);
    GetThemeHandle(tokHeader);
    fake.Active = false;
    SendMessage(ThemeChangeReceiverWindow(), WM_THEMECHANGED);
    EXPECT_EQ(fake.Closes, 2);
    EXPECT_EQ(told, (std::vector<int>{1, 2}));
    EXPECT_FALSE(CanUseThemeFor(tokButton)) << "the active flag follows the library";
}

TEST_F(ThemeManager, StockThemesAreRecognisedByFileNameInAnyFolderAndCase) {
    TInstalledThemeBinding installed(fake);
    fake.FileName = "D:\\Themes\\royale.msstyles";
    EXPECT_TRUE(IsStockXPTheme());
    fake.FileName = "/usr/share/themes/Other.msstyles";
    EXPECT_FALSE(IsStockXPTheme());
}

class Office11 : public ::testing::Test {
  protected:
    ~Office11() override { ResetSysColors(); }
    THeadlessDisplay display;
};

TEST_F(Office11, WithoutVisualStylesTheColoursComeFromTheSystemColours) {
    InitOffice11Colors();
    EXPECT_EQ(GetCurrentOffice11Scheme(), 0);
    EXPECT_FALSE(IsOffice11StandardScheme());
    const TOffice11Colors& c = Office11Colors();
    EXPECT_EQ(c.Face, ColorToRGB(clBtnFace));
    EXPECT_EQ(c.HotLight, c.HotDark);
    EXPECT_EQ(c.HotLight, NearestScreenColor(TColor(BlendSystemColors(-2, 30, 72))));
    EXPECT_EQ(c.HeaderLightEdge, RGB(255, 255, 255));
    // A white face makes every colour derived from the system-colour blend the highlight colour.
    SetSysColor(COLOR_BTNFACE, RGB(255, 255, 255));
    InitOffice11Colors();
    EXPECT_EQ(c.HotLight, ColorToRGB(clHighlight));
    EXPECT_EQ(c.PressedLight, ColorToRGB(clHighlight));
    EXPECT_EQ(c.DateSelection, ColorToRGB(clHighlight));
}

TEST_F(Office11, TheStockStylesColourVariantsGiveTheirTables) {
    TFakeThemeBinding fake;
    fake.ColorName = "HomeStead";
    TInstalledThemeBinding installed(fake);
    InitOffice11Colors();
    EXPECT_EQ(GetCurrentOffice11Scheme(), 2);
    EXPECT_TRUE(IsOffice11StandardScheme());
    EXPECT_EQ(Office11Colors().Face, COLORREF(0xA7D9D9));
    fake.ColorName = "Metallic";
    EXPECT_EQ(GetOffice11Scheme(), 3);
    fake.FileName = "C:\\Other.msstyles";
    EXPECT_EQ(GetOffice11Scheme(), 0) << "another theme on this (5.1) system";
    InitOffice11Colors(); // back to the classic colours for the other tests
}

TEST_F(Office11, ASystemColourChangeRefreshesTheColoursBeforeAnyNotifierRuns) {
    TcxSystemPaletteChangedNotifier ordinary(false), primary(true);
    EXPECT_EQ(Office11ColorsReferences(), 1) << "the listener holds the colours";
    std::vector<std::string> order;
    ordinary.OnSystemPaletteChanged = [&](TObject*) { order.push_back("ordinary"); };
    primary.OnSystemPaletteChanged = [&](TObject*) {
        order.push_back("primary");
        EXPECT_EQ(Office11Colors().Face, RGB(1, 2, 3)) << "already refreshed";
    };
    SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    SendMessage(SystemPaletteListenerWindow(), WM_SYSCOLORCHANGE);
    EXPECT_EQ(order, (std::vector<std::string>{"primary", "ordinary"}));
    ASSERT_NE(Office11ExpandPlusBitmap(), nullptr);
    EXPECT_EQ(Office11ExpandPlusBitmap()->GetWidth(), 11);
}

TEST_F(Office11, PicturesAreThereBeforeAnyoneTookAReference) {
    ASSERT_EQ(Office11ColorsReferences(), 0);
    ASSERT_NE(Office11ExpandMinusBitmap(), nullptr);
    EXPECT_EQ(Office11ExpandMinusBitmap()->GetHeight(), 11);
}

TEST(ColourArithmetic, MixAndScale) {
    EXPECT_EQ(MixColors(TColor(RGB(10, 200, 31)), TColor(RGB(10, 200, 31)), 37), RGB(10, 200, 31));
    // 25 % of (200, 100, 0) and 75 % of (0, 0, 255): 50, 25, 191.25 -> 191.
    EXPECT_EQ(MixColors(TColor(RGB(200, 100, 0)), TColor(RGB(0, 0, 255)), 25), RGB(50, 25, 191));
    // 50 % of 5 is 2.5: halves to even.
    EXPECT_EQ(ScaleColorChannels(TColor(RGB(5, 7, 200)), 50), RGB(2, 4, 100));
}

TEST(ColourArithmetic, GradientBands) {
    TPaintSurface s(300, 2);
    HDC dc = s.Canvas()->DeviceContext();
    FillGradientRect(dc, Rect(0, 0, 300, 1), clBlack, clWhite, true);
    std::set<COLORREF> seen;
    for (int x = 0; x < 300; ++x)
        seen.insert(s.At(x, 0));
    EXPECT_EQ(seen.size(), 256u) << "256 bands";
    EXPECT_EQ(s.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.At(299, 0), RGB(255, 255, 255));
    FillGradientRect(dc, Rect(5, 1, 6, 2), clRed, clBlue, true);
    EXPECT_EQ(s.At(5, 1), RGB(255, 0, 0)) << "one band in the start colour";
    FillGradientRect(dc, Rect(7, 1, 7, 2), clRed, clBlue, true);
    EXPECT_EQ(s.At(7, 1), RGB(255, 255, 255)) << "nothing for a width of 0";
}

TEST_F(Office11, GripTriangleDrawsSixDotsWithTheirLightCompanions) {
    InitOffice11Colors();
    TPaintSurface s(16, 16, clRed);
    DrawGripTriangle(s.Canvas()->DeviceContext(), Rect(0, 0, 16, 16));
    const COLORREF dark = Office11Colors().GripDark;
    int darkDots = 0;
    for (int y = 0; y + 1 < 16; ++y)
        for (int x = 0; x + 1 < 16; ++x)
            if (s.At(x, y) == dark && s.At(x + 1, y) == dark && s.At(x, y + 1) == dark) {
                ++darkDots;
                EXPECT_EQ(s.At(x + 2, y + 2), Office11Colors().GripLight);
            }
    EXPECT_EQ(darkDots, 6);
    EXPECT_EQ(s.At(4, 13), dark) << "the bottom row starts 12 pixels from the right";
    EXPECT_EQ(s.At(12, 5), dark) << "the single top dot";
}

} // namespace
} // namespace zorvy::test
