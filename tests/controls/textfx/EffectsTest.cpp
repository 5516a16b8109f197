// Effect parameters: change reports, copies and the ini section.
#include "controls/textfx/AAEffects.h"
#include "platform/rtl/IniFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

TEST(TextEffects, ADisabledPartReportsOnlyBeingSwitched) {
    int reports = 0;
    TAAEffect effect([&](TObject* sender) {
        ++reports;
        EXPECT_NE(dynamic_cast<TAAEffect*>(sender), nullptr) << "parts report as the effect";
    });
    effect.GetShadow()->SetColor(clRed);
    EXPECT_EQ(reports, 0);
    effect.GetShadow()->SetEnabled(true);
    EXPECT_EQ(reports, 1);
    effect.GetShadow()->SetColor(clBlue);
    effect.GetShadow()->SetColor(clBlue);
    EXPECT_EQ(reports, 2) << "an unchanged value reports nothing";
    effect.GetShadow()->SetEnabled(false);
    EXPECT_EQ(reports, 3);
    effect.SetAlpha(40);
    EXPECT_EQ(reports, 4);
}

TEST(TextEffects, ValuesAreClampedToTheirRanges) {
    TAAEffect effect;
    effect.SetAlpha(300);
    effect.SetAngle(-1000);
    effect.SetSpray(-4);
    effect.GetShadow()->SetOffsetX(99);
    EXPECT_EQ(effect.GetAlpha(), 100);
    EXPECT_EQ(effect.GetAngle(), -360);
    EXPECT_EQ(effect.GetSpray(), 0);
    EXPECT_EQ(effect.GetShadow()->GetOffsetX(), 20);
}

TEST(TextEffects, AssignCopiesEveryValueWithoutReporting) {
    TAAEffect source;
    source.SetBlur(30);
    source.SetOutline(true);
    TAAShadow& shadow = *source.GetShadow();
    shadow.SetEnabled(true);
    shadow.SetBlur(10);
    shadow.SetAlpha(55);
    shadow.SetColor(clGreen);
    shadow.SetOffsetX(-4);
    shadow.SetOffsetY(6);
    int reports = 0;
    TAAEffect target([&](TObject*) { ++reports; });
    target.Assign(&source);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(target.GetBlur(), 30);
    EXPECT_TRUE(target.GetOutline());
    const TAAShadow& copy = *target.GetShadow();
    EXPECT_TRUE(copy.GetEnabled());
    EXPECT_EQ(copy.GetBlur(), 10);
    EXPECT_EQ(copy.GetAlpha(), 55);
    EXPECT_EQ(copy.GetColor(), clGreen);
    EXPECT_EQ(copy.GetOffsetX(), -4);
    EXPECT_EQ(copy.GetOffsetY(), 6);
    target.SetShadow(&shadow);
    EXPECT_EQ(reports, 1) << "setting a part reports once";
}

TEST(TextEffects, AnIniSectionRoundTripsAndBadValuesFallBack) {
    TempFolder folder;
    TIniFile ini(folder.Path() + "/effect.ini");
    TAAEffect saved;
    saved.SetAngle(-45);
    saved.SetNoise(12);
    saved.GetGradual()->SetEnabled(true);
    saved.GetGradual()->SetStyle(gsCenterToTB);
    saved.GetGradual()->SetEndColor(TColor(4227072));
    saved.GetTexture()->SetMode(tmCenter);
    saved.SaveToIni(ini, "Title");
    int reports = 0;
    TAAEffect loaded([&](TObject*) { ++reports; });
    loaded.LoadFromIni(ini, "Title");
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(loaded.GetAngle(), -45);
    EXPECT_EQ(loaded.GetNoise(), 12);
    EXPECT_TRUE(loaded.GetGradual()->GetEnabled());
    EXPECT_EQ(loaded.GetGradual()->GetStyle(), gsCenterToTB);
    EXPECT_EQ(loaded.GetGradual()->GetEndColor(), TColor(4227072));
    EXPECT_EQ(loaded.GetTexture()->GetMode(), tmCenter);

    ini.WriteInteger("Odd", "GradualStyle", 9);
    ini.WriteInteger("Odd", "TextureMode", 7);
    ini.WriteInteger("Odd", "Alpha", 300);
    ini.WriteInteger("Odd", "ShadowOffsetY", -99);
    loaded.LoadFromIni(ini, "Odd");
    EXPECT_EQ(loaded.GetGradual()->GetStyle(), gsLeftToRight);
    EXPECT_EQ(loaded.GetTexture()->GetMode(), tmTiled);
    EXPECT_EQ(loaded.GetAlpha(), 100);
    EXPECT_EQ(loaded.GetShadow()->GetOffsetY(), -20);
    EXPECT_EQ(loaded.GetAngle(), -45) << "a missing key keeps the current value";
}

} // namespace
} // namespace zorvy::test
