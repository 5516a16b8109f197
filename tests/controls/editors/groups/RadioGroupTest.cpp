// The radio group: value and ItemIndex moving together, loading, the column layout, focus, tab order
// and the keyboard, its buttons following the items, and its filter combo.
#include "controls/editors/groups/RadioGroup.h"

#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/popup/ComboBox.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class RadioGroupTest : public EditorsTest {
  protected:
    RadioGroupTest() {
        InitializeRadioGroupUnit();
        form = NewForm(400, 300);
        group = new TcxRadioGroup(form);
        group->SetParent(form);
        group->SetBounds(10, 10, 300, 150);
        group->GetProperties()->OnChange = [this](TObject*) { ++changes; };
        group->OnClick = [this](TObject*) { ++clicks; };
        form->Show();
        Pump();
    }
    ~RadioGroupTest() override { FinalizeRadioGroupUnit(); }
    TcxRadioGroupItem* Add(const std::string& caption, const Variant& value = Variant::Null()) {
        TcxRadioGroupItem* item = group->GetProperties()->GetItems()->Add();
        item->SetCaption(caption);
        item->SetValue(value);
        return item;
    }
    void AddItems(int count) {
        for (int i = 0; i < count; ++i) Add("Item " + std::to_string(i));
        Pump();
    }

    TForm* form = nullptr;
    TcxRadioGroup* group = nullptr;
    int changes = 0;
    int clicks = 0;
};

TEST_F(RadioGroupTest, ItemIndexIsClampedAndGivesTheItemsValue) {
    Add("A");
    Add("B", Variant(42));
    Add("C");
    group->SetItemIndex(10);
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_EQ(VarToStr(group->GetEditValue()), "C");
    group->SetItemIndex(1);
    EXPECT_TRUE(VariantsIdentical(group->GetEditValue(), Variant(42)));
    EXPECT_TRUE(group->GetButton(1)->GetChecked());
    group->GetProperties()->SetDefaultValue(Variant(-7));
    group->GetProperties()->SetDefaultCaption("none");
    group->SetItemIndex(-5);
    EXPECT_EQ(group->GetItemIndex(), -1);
    EXPECT_TRUE(VariantsIdentical(group->GetEditValue(), Variant(-7)));
    std::string text;
    group->GetProperties()->FormatDisplayText(group->GetEditValue(), text, false);
    EXPECT_EQ(text, "none");
}

TEST_F(RadioGroupTest, AValueSelectsByValueOrByCaptionCaseSensitively) {
    Add("A");
    Add("B");
    Add("B");
    Add("", Variant::Null());
    group->SetEditValue(Variant("B"));
    EXPECT_EQ(group->GetItemIndex(), 1); // the first of two equal captions
    group->SetEditValue(Variant("b"));
    EXPECT_EQ(group->GetItemIndex(), -1);
    for (int i = 0; i < group->GetButtonCount(); ++i) EXPECT_FALSE(group->GetButton(i)->GetChecked());
    group->SetEditValue(Variant::Null());
    EXPECT_EQ(group->GetItemIndex(), 3); // empty caption, Null value
}

TEST_F(RadioGroupTest, ClearAppliesTheDefaultValueWhichMaySelectAnItem) {
    Add("A", Variant(1));
    Add("B", Variant(2));
    group->GetProperties()->SetDefaultValue(Variant(1));
    group->SetItemIndex(1);
    group->ClearValue();
    EXPECT_EQ(group->GetItemIndex(), 0);
}

TEST_F(RadioGroupTest, ChangesFireOnceAndTheSameIndexFiresNothing) {
    AddItems(3);
    changes = 0;
    group->SetItemIndex(2);
    EXPECT_EQ(changes, 1);
    group->SetItemIndex(2);
    EXPECT_EQ(changes, 1);
}

TEST_F(RadioGroupTest, AStreamedItemIndexIsCheckedAfterLoadingWithoutOnChange) {
    auto* loaded = new TcxRadioGroup(form);
    loaded->SetComponentStateFlag(csLoading, true);
    loaded->SetParent(form);
    int loadChanges = 0;
    loaded->GetProperties()->OnChange = [&](TObject*) { ++loadChanges; };
    for (const char* caption : {"A", "B"})
        loaded->GetProperties()->GetItems()->Add()->SetCaption(caption);
    loaded->SetItemIndex(0);
    EXPECT_EQ(loaded->GetItemIndex(), 0); // stored while loading
    loaded->Loaded();
    Pump();
    EXPECT_EQ(loadChanges, 0);
    EXPECT_EQ(loaded->GetItemIndex(), 0);
    ASSERT_EQ(loaded->GetButtonCount(), 2);
    EXPECT_TRUE(loaded->GetButton(0)->GetChecked());
}

TEST_F(RadioGroupTest, ColumnsAreFilledTopToBottomWithoutBalancing) {
    struct Case {
        int items, columns;
        std::vector<int> perColumn;
    } cases[] = {{5, 4, {2, 2, 1, 0}}, {7, 3, {3, 3, 1}}, {0, 4, {}}};
    for (const Case& c : cases) {
        group->GetProperties()->GetItems()->Clear();
        group->GetProperties()->SetColumns(c.columns);
        AddItems(c.items);
        SCOPED_TRACE(c.items);
        if (c.items == 0) {
            EXPECT_EQ(group->GetProperties()->GetColumnCount(), 1);
            EXPECT_EQ(group->GetButtonCount(), 0);
            continue;
        }
        const int columns = group->GetProperties()->GetColumnCount();
        EXPECT_EQ(columns, static_cast<int>(c.perColumn.size()));
        // Buttons of one column share their left edge; columns follow one another.
        std::vector<int> lefts;
        for (int i = 0; i < group->GetButtonCount(); ++i) {
            const int left = group->GetButton(i)->GetLeft();
            if (lefts.empty() || lefts.back() != left) lefts.push_back(left);
        }
        std::vector<int> counts(lefts.size(), 0);
        for (int i = 0; i < group->GetButtonCount(); ++i)
            ++counts[std::find(lefts.begin(), lefts.end(), group->GetButton(i)->GetLeft()) - lefts.begin()];
        std::vector<int> expected = c.perColumn;
        std::erase(expected, 0);
        EXPECT_EQ(counts, expected);
        // The width is split over every column, the empty ones too.
        const int columnWidth = group->GetButton(0)->GetWidth();
        EXPECT_NEAR(columnWidth * columns, 300 - 6 - 6 - 2, 2 * columns);
    }
}

TEST_F(RadioGroupTest, FocusingAnUncheckedButtonChecksItWithOneClick) {
    AddItems(3);
    clicks = changes = 0;
    group->GetButton(1)->SetFocus();
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(RadioGroupTest, TabPassesOverAGroupWithoutAChoiceAndLandsOnTheCheckedButton) {
    AddItems(3);
    auto* before = new TCharSink(form);
    before->SetParent(form);
    before->SetBounds(10, 200, 50, 20);
    before->SetTabOrder(0);
    auto* after = new TCharSink(form);
    after->SetParent(form);
    after->SetBounds(80, 200, 50, 20);
    Pump();
    before->SetFocus();
    Pump();
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_TRUE(after->Focused());
    group->SetItemIndex(2);
    before->SetFocus();
    Pump();
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_TRUE(group->GetButton(2)->Focused());
}

TEST_F(RadioGroupTest, ArrowsMoveByColumnsAndRows) {
    group->GetProperties()->SetColumns(3);
    AddItems(7);
    group->SetItemIndex(6);
    group->GetButton(6)->SetFocus();
    Pump();
    display.PressKey(VK_DOWN); // the last row of a short column: nowhere to go
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 6);
    display.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 3);
    display.PressKey(VK_UP); // the first row: nowhere to go
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 3);
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 4);
    display.PressKey(VK_RIGHT);
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 4); // no item to the right of row 1 in the short last column
    display.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 1);
}

TEST_F(RadioGroupTest, AClickThatStartsEditingInPlaceReachesTheButtonUnderIt) {
    auto* inplace = new TcxRadioGroup(form, true);
    inplace->SetParent(form);
    inplace->SetBounds(10, 180, 300, 60);
    for (const char* caption : {"A", "B"}) inplace->GetProperties()->GetItems()->Add()->SetCaption(caption);
    Pump();
    ASSERT_EQ(inplace->GetButtonCount(), 2);
    TcxCustomRadioGroupButton* second = inplace->GetButton(1);
    TcxCustomEditData* data = nullptr;
    inplace->ActivateByMouse(ssLeft, 10 + second->GetLeft() + 4, 180 + second->GetTop() + 4, data);
    EXPECT_EQ(second->GetState(), rbsPressed);
    SendMessage(second->GetHandle(), WM_LBUTTONUP, 0, MakeLParam(4, 4));
    Pump();
    EXPECT_EQ(inplace->GetItemIndex(), 1);
}

TEST_F(RadioGroupTest, ButtonsFollowTheItemsOneByOne) {
    AddItems(3);
    TWinControl* first = group->GetButton(0);
    TWinControl* last = group->GetButton(2);
    group->SetItemIndex(2);
    group->GetProperties()->GetItems()->Delete(1);
    Pump();
    ASSERT_EQ(group->GetButtonCount(), 2);
    EXPECT_EQ(group->GetButton(0), first);
    EXPECT_EQ(group->GetButton(1), last);
    EXPECT_EQ(group->GetItemIndex(), 1);
    group->GetProperties()->GetItems()->ItemAt(0)->SetEnabled(false);
    Pump();
    EXPECT_FALSE(group->GetButton(0)->GetEnabled());
    group->SetEnabled(false);
    group->SetEnabled(true);
    Pump();
    EXPECT_FALSE(group->GetButton(0)->GetEnabled());
    EXPECT_TRUE(group->GetButton(1)->GetEnabled());
}

TEST_F(RadioGroupTest, AssigningSettingsThatDifferOnlyInTheirItemsRebuildsTheButtons) {
    AddItems(2);
    TcxRadioGroupProperties other(nullptr);
    for (const char* caption : {"X", "Y", "Z"}) other.GetItems()->Add()->SetCaption(caption);
    group->GetProperties()->Assign(&other);
    Pump();
    ASSERT_EQ(group->GetButtonCount(), 3);
    EXPECT_EQ(group->GetButton(2)->GetCaption(), "Z");
}

TEST_F(RadioGroupTest, TheFilterComboListsTheCaptions) {
    Add("Odd", Variant(1));
    Add("Even");
    TcxFilterRadioGroupHelper helper;
    auto* combo = new TcxComboBox(form);
    combo->SetParent(form);
    helper.PrepareFilterProperties(combo->GetProperties(), group->GetProperties(), false);
    EXPECT_EQ(combo->GetProperties()->GetItems(), (std::vector<std::string>{"Odd", "Even"}));
    group->GetProperties()->SetDefaultCaption("any");
    std::string text;
    Variant value;
    helper.GetFilterValueText(combo, group->GetProperties(), text, value);
    EXPECT_EQ(text, "any");
    EXPECT_TRUE(value.IsNull());
    helper.PutFilterValue(combo, group->GetProperties(), Variant(1));
    EXPECT_EQ(combo->GetItemIndex(), 0);
    helper.GetFilterValueText(combo, group->GetProperties(), text, value);
    EXPECT_EQ(text, "Odd");
    EXPECT_TRUE(VariantsIdentical(value, Variant(1)));
    EXPECT_EQ(helper.GetAllowedOperators(group->GetProperties(), nullptr, false), 0x606u);
    EXPECT_EQ(helper.GetAllowedOperators(group->GetProperties(), nullptr, true), 0x6606u);
}

} // namespace
} // namespace zorvy::test
