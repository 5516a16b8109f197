// Edit styles: the edit values found through the controller chain and the parent style, values held
// by the normal style only, copying, names; the default controller's life.
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class EditStyleTest : public EditorsTest {
  protected:
    // An editor's four styles as a style set builds them.
    TcxContainerStyles styles{nullptr, TcxEditStyle::Class()};
    TcxCustomEditStyle* Style(int state) { return static_cast<TcxCustomEditStyle*>(styles.StyleForState(state)); }
};

TEST_F(EditStyleTest, ButtonStyleResolutionOrder) {
    TcxEditStyleController controller(nullptr);
    Style(cxssNormal)->SetStyleController(&controller);
    TcxCustomEditStyle* focused = Style(cxssFocused);
    EXPECT_EQ(focused->GetButtonStyle(), btsDefault);
    controller.GetStyle()->SetButtonStyle(btsSimple);
    EXPECT_EQ(focused->GetButtonStyle(), btsSimple);
    Style(cxssNormal)->SetButtonStyle(btsHotFlat);
    EXPECT_EQ(focused->GetButtonStyle(), btsHotFlat);
    controller.GetStyleFocused()->SetButtonStyle(btsFlat);
    EXPECT_EQ(focused->GetButtonStyle(), btsFlat);
    focused->SetButtonStyle(btsOffice11);
    EXPECT_EQ(focused->GetButtonStyle(), btsOffice11);
    EXPECT_TRUE(focused->IsValueAssigned(svButtonStyle));
    EXPECT_FALSE(Style(cxssHot)->IsValueAssigned(svButtonTransparency));
}

TEST_F(EditStyleTest, TheDefaultControllerReachesEveryStyleThatFollowsNoOther) {
    ASSERT_NE(GetDefaultEditStyleController(), nullptr);
    EXPECT_EQ(SharedFallbackStyleController, GetDefaultEditStyleController());
    EXPECT_EQ(Style(cxssNormal)->GetEffectiveStyleController(), GetDefaultEditStyleController());
    GetDefaultEditStyleController()->GetStyle()->SetButtonStyle(bts3D);
    EXPECT_EQ(Style(cxssHot)->GetButtonStyle(), bts3D);
}

TEST_F(EditStyleTest, TransparencyPopupBorderAndCloseButtonLiveInTheNormalStyle) {
    Style(cxssHot)->SetButtonTransparency(ebtHideInactive);
    EXPECT_EQ(Style(cxssNormal)->GetButtonTransparency(), ebtHideInactive);
    EXPECT_FALSE(Style(cxssHot)->IsButtonTransparencyStored());
    Style(cxssFocused)->SetPopupBorderStyle(epbsFlat);
    EXPECT_EQ(Style(cxssNormal)->GetPopupBorderStyle(), epbsFlat);
    EXPECT_TRUE(Style(cxssDisabled)->PopupCloseButtonInEffect());
    Style(cxssDisabled)->SetPopupCloseButton(false);
    EXPECT_FALSE(Style(cxssNormal)->PopupCloseButtonInEffect());

    TcxEditStyle copy(nullptr);
    copy.AssignFrom(Style(cxssNormal));
    EXPECT_FALSE(copy.PopupCloseButtonInEffect());
    EXPECT_EQ(copy.GetButtonTransparency(), ebtHideInactive);
}

TEST_F(EditStyleTest, ValueNamesAndHiddenValues) {
    std::string name;
    EXPECT_TRUE(Style(cxssNormal)->StyleValueName(13, name));
    EXPECT_EQ(name, "GradientButtons");
    EXPECT_TRUE(Style(cxssNormal)->StyleValueName(10, name));
    EXPECT_EQ(name, "ButtonStyle");
    EXPECT_FALSE(Style(cxssNormal)->StyleValueName(14, name));
    EXPECT_EQ(Style(cxssNormal)->HiddenExtendedValues(), 14968u);
}

TEST(EditUnit, ShutdownClearsTheFallbackBeforeFreeingTheController) {
    InitializeEditUnit();
    TcxEditStyle style(nullptr);
    EXPECT_EQ(style.GetEffectiveStyleController(), GetDefaultEditStyleController());
    FinalizeEditUnit();
    EXPECT_EQ(SharedFallbackStyleController, nullptr);
    EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
    EXPECT_EQ(style.GetEffectiveStyleController(), nullptr);
}

TEST_F(EditStyleTest, StartUpInstallsTheMouseWheelCursor) {
    const HCURSOR wheel = Screen->GetCursorHandle(crcxEditMouseWheel);
    EXPECT_NE(wheel, Screen->GetCursorHandle(crDefault));
    EXPECT_EQ(wheel, Screen->GetCursorHandle(crcxVerScroll)) << "the vertical panning design";
}

} // namespace
} // namespace zorvy::test
