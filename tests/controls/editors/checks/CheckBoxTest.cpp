// The check box editor: which changes fire OnClick and OnChange, stepping by mouse, keys and
// accelerator, loading, and how values map to what it shows.
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/checks/CheckBoxFilterHelper.h"
#include "controls/editors/checks/CheckBoxViewInfo.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/classlib/Actions.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/lookandfeel/FakeThemeBinding.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvy::test {
namespace {

class CheckBoxTest : public EditorsTest {
  protected:
    CheckBoxTest() {
        InitializeCheckBoxUnit();
        form = NewForm(300, 100);
        box = new TcxCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 121, 21);
        box->SetCaption("&Blue ball");
        box->OnClick = [this](TObject*) { ++clicks; };
        box->GetProperties()->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        Pump();
    }
    ~CheckBoxTest() override { FinalizeCheckBoxUnit(); }
    void Release(int x, int y) {
        SendMessage(box->GetHandle(), WM_LBUTTONUP, 0, MakeLParam(x, y));
        Pump();
    }

    TForm* form = nullptr;
    TcxCheckBox* box = nullptr;
    int clicks = 0;
    int changes = 0;
};

TEST_F(CheckBoxTest, ChangingTheStateFiresOneClickAndOneChange) {
    EXPECT_EQ(box->GetWidth(), 121);
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    EXPECT_TRUE(VariantsIdentical(box->GetEditValue(), Variant(false)));
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->GetCheckViewInfo()->CheckState, cbsChecked);
    box->SetChecked(true); // the same state: nothing
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    // Checked false on a grayed box unchecks it; so does an edit value.
    box->SetState(cbsGrayed);
    box->SetChecked(false);
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    box->SetState(cbsChecked);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(changes, 4);
}

TEST_F(CheckBoxTest, ClearingAnEditorUnchecksTheBox) {
    // Cleared as any editor (through the base), a box is unchecked, not grayed by an empty value.
    TcxCustomEdit* edit = box;
    for (TcxCheckBoxState from : {cbsChecked, cbsGrayed}) {
        box->SetState(from);
        const int clicksBefore = clicks, changesBefore = changes;
        edit->ClearValue();
        EXPECT_EQ(box->GetState(), cbsUnchecked) << from;
        EXPECT_TRUE(VariantsIdentical(box->GetEditValue(), Variant(false))) << from;
        EXPECT_EQ(clicks - clicksBefore, 1) << from;
        EXPECT_EQ(changes - changesBefore, 1) << from;
    }
    box->GetProperties()->SetValueUnchecked(Variant("N"));
    box->SetChecked(true);
    edit->ClearValue();
    EXPECT_TRUE(VariantsIdentical(box->GetEditValue(), Variant("N")));
    const int clicksBefore = clicks, changesBefore = changes;
    edit->ClearValue(); // already unchecked: nothing fires
    EXPECT_EQ(clicks, clicksBefore);
    EXPECT_EQ(changes, changesBefore);
}

TEST_F(CheckBoxTest, ClicksStepTheStateAndARefusedEditChangesNothing) {
    const int x = 8, y = 10; // on the mark
    // Refused by OnEditing: nothing changes, nothing fires.
    box->OnEditing = [](TObject*, bool& canEdit) { canEdit = false; };
    display.Click(box->GetHandle(), x, y);
    Pump();
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    EXPECT_EQ(clicks + changes, 0);
    box->OnEditing = nullptr;

    display.Click(box->GetHandle(), x, y);
    Pump();
    EXPECT_EQ(box->GetState(), cbsChecked);
    EXPECT_EQ(clicks, 1);
    display.Click(box->GetHandle(), x, y);
    Pump();
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    EXPECT_EQ(clicks, 2);

    box->GetProperties()->SetAllowGrayed(true);
    std::vector<TcxCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        display.Click(box->GetHandle(), x, y);
        Pump();
        seen.push_back(box->GetState());
    }
    EXPECT_EQ(seen, (std::vector<TcxCheckBoxState>{cbsGrayed, cbsChecked, cbsUnchecked}));

}

TEST_F(CheckBoxTest, AReleaseOutsideTheBoxDoesNotToggle) {
    display.PressMouse(box->GetHandle(), 8, 10);
    Pump();
    EXPECT_EQ(box->GetCheckViewInfo()->CheckButtonState, ecsPressed);
    display.MoveMouse(box->GetHandle(), 200, 50);
    display.ReleaseMouse(box->GetHandle(), 200, 50);
    Pump();
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    EXPECT_EQ(clicks, 0);
}

TEST_F(CheckBoxTest, SpaceAndTheAcceleratorToggle) {
    box->SetFocus();
    Pump();
    display.PressKey(VK_SPACE);
    Pump();
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(clicks, 1);

    // Alt+B: the accelerator of "&Blue ball".
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'b', 0), 1);
    Pump();
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(clicks, 2);
    box->Perform(CM_DIALOGCHAR, 'x', 0);
    EXPECT_FALSE(box->GetChecked());
}

TEST_F(CheckBoxTest, LoadingAppliesTheStoredStateWithoutClicks) {
    box->SetComponentStateFlag(csLoading, true);
    box->SetState(cbsChecked);
    EXPECT_FALSE(box->GetChecked()); // remembered only
    box->GetProperties()->SetValueChecked(Variant("yes"));
    box->Loaded();
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(VariantsIdentical(box->GetEditValue(), Variant("yes")));
    EXPECT_EQ(clicks, 0);

    // No state streamed: unchecked, in the streamed ValueUnchecked.
    box->SetComponentStateFlag(csLoading, true);
    box->GetProperties()->SetValueUnchecked(Variant("no"));
    box->Loaded();
    EXPECT_TRUE(VariantsIdentical(box->GetEditValue(), Variant("no")));
    EXPECT_EQ(clicks, 0);
}

// A box linked to an action takes the action's Checked without firing anything; a grayed box is not
// linked; a change of state (with no OnClick of the box's own) runs the action.
TEST_F(CheckBoxTest, AnActionSetsCheckedSilentlyAndAChangeRunsIt) {
    auto* action = new TAction(form);
    action->SetCaption("&Red");
    action->SetChecked(true);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    box->OnClick = nullptr;
    box->SetAction(action);
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(box->GetCaption(), "&Red");
    EXPECT_FALSE(box->IsStateStored()) << "the action brings the state back";
    EXPECT_TRUE(box->GetActionLink()->IsCheckedLinked());
    action->SetChecked(false);
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(changes + executed, 0);

    box->GetProperties()->SetAllowGrayed(true);
    box->SetState(cbsGrayed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(executed, 1);
    EXPECT_TRUE(box->IsStateStored());
    EXPECT_FALSE(box->GetActionLink()->IsCheckedLinked());
    // Any change of the action brings its Checked over, still silently.
    action->SetChecked(true);
    EXPECT_EQ(box->GetState(), cbsChecked);
    EXPECT_EQ(changes, 1);
    display.Click(box->GetHandle(), 8, 10);
    Pump();
    EXPECT_EQ(box->GetState(), cbsUnchecked);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(executed, 2);
}

// A stand-alone box sizes its height to fit its mark (with 2 pixels above and below) and its caption,
// whatever height is asked for; its width is the caller's. Without AutoSize the height asked for stays.
TEST_F(CheckBoxTest, AutoSizeFitsTheHeightToTheMarkAndCaption) {
    EXPECT_TRUE(box->GetAutoSize());
    TcxScreenCanvas* screen = ScreenCanvasInstance();
    screen->AssignFont(box->GetStyle()->GetFont());
    const int textHeight = screen->MeasureTextHeight("Blue ball");
    const int markHeight = MeasureEditCheck(screen, false, nullptr, nullptr, 6).cy;
    const int natural = std::max(markHeight + 4, textHeight);
    box->SetBounds(10, 10, 150, 40);
    const int sized = box->GetHeight();
    EXPECT_GE(sized, natural);
    EXPECT_LT(sized, 40);
    EXPECT_EQ(box->GetWidth(), 150);
    box->SetBounds(10, 10, 150, 5);
    EXPECT_EQ(box->GetHeight(), sized) << "whatever height is asked for";
    // A caption that wraps in two lines needs two lines' height.
    box->GetProperties()->SetMultiLine(true);
    box->SetCaption("Blue ball Blue ball Blue ball");
    box->SetWidth(80);
    EXPECT_GE(box->GetHeight(), 2 * textHeight);
    box->SetAutoSize(false);
    box->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(box->GetHeight(), 40);
}

// A filter value for a check-box column is typed in a fixed combo list of the two display texts; the
// checked one comes first, and no choice (or a grayed value) is Null.
TEST_F(CheckBoxTest, TheFilterComboListsBothTextsAndNoChoiceIsNull) {
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxCheckBoxProperties::StaticClass()),
              TcxFilterCheckBoxHelper::StaticClass());
    const TcxCustomFilterEditHelper* helper = FilterEditHelper(TcxFilterCheckBoxHelper::StaticClass());
    TcxCheckBoxProperties* check = box->GetProperties();
    check->SetDisplayChecked("Yes");
    check->SetDisplayUnchecked("No");
    EXPECT_EQ(helper->GetAllowedOperators(check, nullptr, true), 0x606u);
    EXPECT_TRUE(helper->FiltersByDisplayText());

    auto* combo = new TcxComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 50, 120, 21);
    combo->GetProperties()->OnChange = [](TObject*) {};
    helper->PrepareFilterProperties(combo->GetProperties(), check, true);
    EXPECT_EQ(combo->GetProperties()->GetItems(), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(combo->GetProperties()->GetDropDownListStyle(), lsFixedList);
    EXPECT_FALSE(combo->GetProperties()->OnChange) << "the column's handlers are not the filter's";
    Pump();

    struct Case {
        Variant put;
        int index;
        std::string text;
        Variant value;
    } cases[] = {{Variant(true), 0, "Yes", Variant(true)},
                 {Variant(false), 1, "No", Variant(false)},
                 {Variant::Null(), -1, "", Variant::Null()}};
    for (const Case& c : cases) {
        helper->PutFilterValue(combo, check, c.put);
        EXPECT_EQ(combo->GetItemIndex(), c.index) << c.text;
        std::string text = "?";
        Variant value;
        helper->GetFilterValueText(combo, check, text, value);
        EXPECT_EQ(text, c.text);
        EXPECT_TRUE(VariantsIdentical(value, c.value)) << c.text;
    }
}

// Under the native look a box with a transparent border is shaped 2 pixels inside its bounds and shows
// its parent's background through it.
TEST_F(CheckBoxTest, TheNativeLookShapesTheBoxInsideATransparentBorder) {
    TFakeThemeBinding fake;
    TInstalledThemeBinding installed(fake);
    box->GetStyle()->GetLookAndFeel()->SetNativeStyle(true);
    box->GetStyle()->SetTransparentBorder(true);
    box->ControlStyle |= csParentBackground;
    EXPECT_EQ(box->GetShapeBounds(), Rect(2, 2, box->GetWidth() - 2, box->GetHeight() - 2));
    EXPECT_TRUE(box->AlwaysTransparent());
    box->GetProperties()->SetTransparent(true);
    EXPECT_FALSE(box->AlwaysTransparent()) << "a Transparent box is transparent by its own setting";
}

TEST_F(CheckBoxTest, ValuesAndWhatTheyShow) {
    TcxCheckBoxProperties* p = box->GetProperties();
    EXPECT_EQ(p->GetValueState(Variant(1)), cbsGrayed); // ValueChecked is the Boolean true, not 1
    EXPECT_EQ(p->GetValueState(Variant("True")), cbsChecked);
    EXPECT_FALSE(p->IsValidEditValue(Variant("True"), false));
    box->SetEditValue(Variant(1));
    EXPECT_EQ(box->GetCheckViewInfo()->CheckState, cbsGrayed);

    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    const int index = registry->IndexOfClass(TcxCheckBoxProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(registry->GetDescription(index), "CheckBox|Represents a check box control that allows selecting an option");
    EXPECT_NE(CheckMarkMask(), nullptr);
}

} // namespace
} // namespace zorvy::test
