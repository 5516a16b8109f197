// Rectangle measures, text flags, the rotated font and the number-text tests of the standard editors.
#include "controls/editors/checks/EditUtils.h"

#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(EditUtilsTest, RectangleMeasures) {
    TRect r{10, 20, 30, 40};
    ExtendRect(r, -2, 3, 4, -5);
    EXPECT_EQ(r, (TRect{8, 23, 34, 35}));
    EXPECT_EQ(NonNegativeRectWidth(TRect{10, 0, 5, 0}), 0);
    EXPECT_EQ(NonNegativeRectHeight(TRect{0, 10, 0, 4}), 0);
    EXPECT_EQ(NonNegativeRectWidth(TRect{5, 0, 12, 0}), 7);
    EXPECT_EQ(VertCenterOffset(TRect{0, 0, 10, 15}, 12), 1);
    EXPECT_EQ(VertCenterOffset(TRect{0, 0, 10, 15}, 20), -2); // truncated toward zero
}

TEST(EditUtilsTest, TextFlagsOfBothFamilies) {
    EXPECT_EQ(BuildTextFlags(0, taCenter, taVCenter, false, true, 0, true, false), 0x815);
    EXPECT_EQ(BuildTextFlags(0, taCenter, taVCenter, false, true, 0, false, false), 0x424);
    EXPECT_EQ(BuildTextFlags(0, taRightJustify, taBottomJustify, true, false, 8, true, true), 0x80CA);
    EXPECT_EQ(BuildTextFlags(0, taRightJustify, taBottomJustify, true, false, 8, false, true), 0xB12);
    EXPECT_EQ(BuildTextFlags(0x10000, taLeftJustify, taTopJustify, false, false, -1, false, false), 0x10009);
}

TEST(EditUtilsTest, RotatedFontTurnsTrueTypeFontsOnly) {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TFont font;
    font.SetName("DejaVu Sans");
    auto escapement = [&](int angle, bool& trueType) {
        trueType = PrepareRotatedFont(bitmap.GetCanvas(), &font, angle);
        LOGFONT logFont;
        EXPECT_TRUE(FetchLogFont(bitmap.GetCanvas()->GetFont()->GetHandle(), logFont));
        return logFont.lfEscapement;
    };
    bool trueType = false;
    EXPECT_EQ(escapement(-90, trueType), 2700);
    EXPECT_TRUE(trueType);
    EXPECT_EQ(escapement(360, trueType), 0);
    EXPECT_TRUE(trueType);
    EXPECT_EQ(escapement(-720, trueType), 0);
    EXPECT_EQ(escapement(450, trueType), 900);
}

TEST(EditUtilsTest, ValueAndNumberTexts) {
    EXPECT_TRUE(IsVarNullOrEmpty(Null()));
    EXPECT_TRUE(IsVarNullOrEmpty(Variant()));
    EXPECT_FALSE(IsVarNullOrEmpty(Variant("")));

    for (const char* yes : {" 42 ", "$FF", "-2147483648", "0x1f", "X10", "+7"})
        EXPECT_TRUE(IsIntegerText(yes)) << yes;
    for (const char* no : {"2147483648", "", "   ", "4.0", "$100000000", "1 2", "--1"})
        EXPECT_FALSE(IsIntegerText(no)) << no;

    const TFormatSettings saved = FormatSettings();
    TFormatSettings settings = saved;
    settings.DecimalSeparator = '.';
    SetFormatSettings(settings);
    for (const char* yes : {"-3.5", "3.", ".5", ".", "-.", " 12 "})
        EXPECT_TRUE(IsFloatText(yes)) << yes;
    for (const char* no : {"3-", "1.2.3", "+3", "-", "1E5", "", "1,000", "1 2"})
        EXPECT_FALSE(IsFloatText(no)) << no;
    EXPECT_FALSE(IsFloatText("2" + std::string(310, '0'))); // beyond 1.7E308
    settings.DecimalSeparator = ',';
    SetFormatSettings(settings);
    EXPECT_TRUE(IsFloatText("3,5"));
    EXPECT_FALSE(IsFloatText("3.5"));
    SetFormatSettings(saved);
}

} // namespace
} // namespace zorvy
