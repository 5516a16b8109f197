// Check box settings: which edit value shows which state and text, and the guard that keeps the three
// state values pairwise different outside loading.
#include "controls/editors/checks/CheckBoxProperties.h"

#include "platform/classlib/Bitmap.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

class CheckBoxPropertiesTest : public ::testing::Test {
  protected:
    CheckBoxPropertiesTest() {
        properties.OnPropertiesChanged = [this](TObject*) { ++changes; };
    }
    std::string Text(const Variant& value) {
        std::string text = "?";
        properties.FormatDisplayText(value, text, false);
        return text;
    }

    TComponent owner{nullptr};
    TcxCheckBoxProperties properties{&owner};
    int changes = 0;
};

TEST_F(CheckBoxPropertiesTest, EditValuesMapToStatesAndTexts) {
    struct Case {
        Variant value;
        TcxCheckBoxState state;
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {Variant(true), cbsChecked, "True", true},
        {Variant(false), cbsUnchecked, "False", true},
        {Null(), cbsGrayed, "", true},
        {Variant(1), cbsGrayed, "", false},        // "1" is not the text "True"
        {Variant("True"), cbsChecked, "True", false}, // equal by text, but not identical
        {Variant("x"), cbsGrayed, "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(properties.GetValueState(c.value), c.state) << VarToStr(c.value);
        EXPECT_EQ(Text(c.value), c.text) << VarToStr(c.value);
        EXPECT_EQ(properties.IsValidEditValue(c.value, false), c.valid) << VarToStr(c.value);
    }
    Variant display;
    properties.ToDisplayValue(Variant(true), display, false);
    EXPECT_EQ(VarType(display), varInteger);
    EXPECT_TRUE(properties.SameDisplayValue(Variant("x"), Null()));
    EXPECT_FALSE(properties.SameDisplayValue(Variant(true), Variant(false)));
}

TEST_F(CheckBoxPropertiesTest, StateValuesStayPairwiseDifferentOutsideLoading) {
    properties.SetValueChecked(Null());
    properties.SetValueChecked(Variant(false)); // the unchecked value
    properties.SetValueGrayed(Null());          // already the grayed value
    properties.SetValueUnchecked(Variant(true));
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(VariantsIdentical(properties.GetValueChecked(), Variant(true)));

    properties.SetValueChecked(Variant("Y"));
    properties.SetValueUnchecked(Variant("N"));
    properties.SetValueGrayed(Variant("?"));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(Text(Variant("Y")), "True");
    EXPECT_EQ(Text(Variant(true)), ""); // no longer a state value
    EXPECT_TRUE(properties.IsValueCheckedStored());
    EXPECT_TRUE(properties.IsValueGrayedStored());

    // While a form loads, values are taken as they come.
    owner.SetComponentStateFlag(csLoading, true);
    properties.SetValueChecked(Null());
    properties.SetValueUnchecked(Null());
    owner.SetComponentStateFlag(csLoading, false);
    EXPECT_TRUE(properties.GetValueChecked().IsNull());

    // Such a pair is not copied into other settings, which keep their own three.
    TcxCheckBoxProperties target(nullptr);
    target.Assign(&properties);
    EXPECT_TRUE(VariantsIdentical(target.GetValueChecked(), Variant(true)));
    EXPECT_TRUE(VariantsIdentical(target.GetValueUnchecked(), Variant(false)));
}

TEST_F(CheckBoxPropertiesTest, AssignCopiesEverySettingInOneNotice) {
    TcxCheckBoxProperties source(nullptr);
    source.SetAllowGrayed(true);
    source.SetDisplayChecked("是");
    source.SetMultiLine(true);
    source.SetNullStyle(nssInactive);
    source.SetValueChecked(Variant(1));
    source.SetValueUnchecked(Variant(0));
    source.GetGlyph()->SetSize(72, 12);
    source.SetGlyphCount(6);
    properties.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(properties.GetAllowGrayed());
    EXPECT_EQ(properties.GetDisplayChecked(), "是");
    EXPECT_TRUE(properties.IsDisplayCheckedStored());
    EXPECT_FALSE(properties.IsDisplayUncheckedStored());
    EXPECT_TRUE(properties.GetMultiLine());
    EXPECT_EQ(properties.GetNullStyle(), nssInactive);
    EXPECT_EQ(properties.GetValueState(Variant(1)), cbsChecked);
    EXPECT_EQ(properties.GetValueState(Variant(0)), cbsUnchecked);
    EXPECT_EQ(properties.GetGlyph()->GetWidth(), 72);
}

TEST_F(CheckBoxPropertiesTest, GlyphChangesNotify) {
    properties.SetGlyphCount(4); // no glyph yet: nothing to redraw
    EXPECT_EQ(changes, 0);
    properties.GetGlyph()->SetSize(64, 16);
    EXPECT_GE(changes, 1);
    changes = 0;
    properties.SetGlyphCount(2);
    EXPECT_EQ(changes, 1);
    properties.SetGlyph(nullptr);
    EXPECT_FALSE(properties.HasGlyph());
    EXPECT_EQ(changes, 2);
    properties.SetCaption("");
    EXPECT_TRUE(properties.IsCaptionAssigned()); // even when the text did not change
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace zorvy
