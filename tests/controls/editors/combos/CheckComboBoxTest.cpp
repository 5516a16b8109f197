// The check combo box: its text and value from the item states, the states through item deletion and
// format changes, toggling in the open list by mouse and Space, the rows' layout, and the filter
// helpers of check combo box and check group columns.
#include "controls/editors/combos/CheckComboBox.h"
#include "controls/editors/combos/CheckFilterHelpers.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/groups/CheckGroup.h"
#include "platform/classlib/Bitmap.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class CheckComboBoxTest : public EditorsTest {
  protected:
    CheckComboBoxTest() {
        InitializeCheckComboBoxUnit();
        InitializeCheckGroupUnit();
    }
    ~CheckComboBoxTest() override {
        delete form;
        FinalizeCheckGroupUnit();
        FinalizeCheckComboBoxUnit();
    }
    static void AddItems(TcxCustomCheckComboBoxProperties& p, std::initializer_list<const char*> names) {
        for (const char* name : names) p.GetItems()->AddCheckItem()->SetDescription(name);
    }
    // A check combo box of A, B, C on a shown form, focused.
    TcxCheckComboBox* Make() {
        form = NewForm(300, 250);
        combo = new TcxCheckComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 150, 21);
        AddItems(*combo->GetProperties(), {"A", "B", "C"});
        combo->GetProperties()->SetItemHeight(18);
        form->Show();
        Pump();
        combo->SetFocus();
        Pump();
        return combo;
    }
    TcxCustomCheckComboBoxListBox* Open() {
        combo->DropDown();
        Pump();
        EXPECT_TRUE(combo->GetDroppedDown());
        return dynamic_cast<TcxCustomCheckComboBoxListBox*>(combo->GetLookupList());
    }
    // The screen point in the middle of a list row's text.
    TPoint RowPoint(TcxCustomCheckComboBoxListBox* list, int index) const {
        const TRect r = list->ItemRect(index);
        return list->ClientToScreen({r.Left + 40, (r.Top + r.Bottom) / 2});
    }
    void Press(TPoint p, bool down) {
        InjectMouseMove(p);
        InjectMouseButton(TInputButton::Left, down, p);
        Pump();
    }
    void Key(std::uint16_t vk) {
        InjectKey(vk, true);
        InjectKey(vk, false);
        Pump();
    }
    TForm* form = nullptr;
    TcxCheckComboBox* combo = nullptr;
};

TEST_F(CheckComboBoxTest, TheTextNamesTheCheckedItemsOrTheEmptySelection) {
    TcxCheckComboBoxProperties p(nullptr);
    AddItems(p, {"A", "B", "C"});
    EXPECT_EQ(p.GetDropDownListStyle(), lsFixedList);
    std::string text;
    p.FormatDisplayText(Variant(0), text, false);
    EXPECT_EQ(text, "None selected");
    p.SetShowEmptyText(false);
    p.FormatDisplayText(Variant(0), text, false);
    EXPECT_EQ(text, "");
    p.SetDelimiter(", ");
    p.FormatDisplayText(Variant(5), text, false);
    EXPECT_EQ(text, "A, C");
    p.SetDelimiter(";");
    p.GetItems()->GetItem(1)->SetShortDescription("b");
    p.FormatDisplayText(Variant(3), text, false);
    EXPECT_EQ(text, "A;b") << "the short description stands for the item";

    // A grayed state is no checked item; a text that does not parse checks nothing.
    p.SetShowEmptyText(true);
    p.SetEditValueFormat(cvfStatesString);
    p.FormatDisplayText(Variant("201"), text, false);
    EXPECT_EQ(text, "C");
    p.FormatDisplayText(Variant("x1"), text, false);
    EXPECT_EQ(text, "None selected");
}

TEST_F(CheckComboBoxTest, TheValueFollowsTheStatesThroughDeletionAndFormatChanges) {
    Make();
    combo->GetProperties()->SetDelimiter(", ");
    combo->SetEditValue(Variant(5));
    EXPECT_EQ(combo->GetText(), "A, C");
    EXPECT_EQ(combo->GetStates(), (TcxCheckStates{cbsChecked, cbsUnchecked, cbsChecked}));

    combo->GetProperties()->GetItems()->Delete(1);
    EXPECT_EQ(combo->GetStates(), (TcxCheckStates{cbsChecked, cbsChecked}));
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 3) << "A and C keep their states at their new places";
    EXPECT_EQ(combo->GetText(), "A, C");

    combo->GetProperties()->GetItems()->AddCheckItem()->SetDescription("D");
    combo->GetProperties()->SetEditValueFormat(cvfIndices);
    EXPECT_EQ(combo->GetEditValue().AsString(), ";0,1");
    EXPECT_EQ(combo->GetText(), "A, C");
}

TEST_F(CheckComboBoxTest, AFormatThatCannotHoldAGrayedStateIsRefused) {
    Make();
    combo->GetProperties()->SetEditValueFormat(cvfStatesString);
    combo->SetEditValue(Variant("210"));
    EXPECT_EQ(combo->GetText(), "B");
    EXPECT_THROW(combo->GetProperties()->SetEditValueFormat(cvfInteger), EConvertError);
    EXPECT_EQ(combo->GetProperties()->GetEditValueFormat(), cvfStatesString);
    EXPECT_EQ(combo->GetEditValue().AsString(), "210") << "nothing stored is lost";
}

TEST_F(CheckComboBoxTest, AClickAnywhereOnARowTogglesItOnReleaseOverTheSameRow) {
    Make();
    TcxCustomCheckComboBoxListBox* list = Open();
    ASSERT_NE(list, nullptr);
    Press(RowPoint(list, 0), true);
    EXPECT_EQ(list->GetPressedCheck(), 0);
    Press(RowPoint(list, 0), false);
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 1);
    EXPECT_EQ(combo->GetText(), "A");
    EXPECT_TRUE(combo->GetDroppedDown()) << "the list stays open for more";

    Press(RowPoint(list, 1), true);
    Press(RowPoint(list, 2), false);
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 1) << "a release over another row toggles nothing";
    EXPECT_EQ(combo->GetLookupData()->GetCurrentKey(), 2);

    // The list stays open after a toggle and Escape closes it without taking anything back.
    Key(VK_ESCAPE);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 1);
}

TEST_F(CheckComboBoxTest, ArrowsMoveTheSelectionAndSpaceTogglesIt) {
    Make();
    combo->GetProperties()->GetItems()->GetItem(2)->SetEnabled(false);
    TcxCustomCheckComboBoxListBox* list = Open();
    ASSERT_NE(list, nullptr);
    Key(VK_DOWN);
    const int selected = list->GetItemIndex();
    ASSERT_GE(selected, 0);
    display.TypeText(" ");
    Pump();
    EXPECT_EQ(combo->GetItemState(selected), cbsChecked);
    EXPECT_EQ(list->GetItemIndex(), selected) << "the selection stays where it is";
    display.TypeText(" ");
    Pump();
    EXPECT_EQ(combo->GetItemState(selected), cbsUnchecked);

    list->SetItemIndex(2);
    display.TypeText(" ");
    Pump();
    EXPECT_EQ(combo->GetItemState(2), cbsUnchecked) << "a disabled item cannot be toggled";
}

TEST_F(CheckComboBoxTest, OnClickCheckBlocksTheItemItRefusesAndGrayedTogglesToUnchecked) {
    Make();
    combo->GetProperties()->OnClickCheck = [](TObject*, int index, bool& allow) { allow = index != 1; };
    combo->GetProperties()->SetEditValueFormat(cvfStatesString);
    combo->SetEditValue(Variant("200"));
    TcxCustomCheckComboBoxListBox* list = Open();
    ASSERT_NE(list, nullptr);
    list->ToggleItem(1);
    EXPECT_EQ(combo->GetItemState(1), cbsUnchecked);
    list->ToggleItem(0);
    EXPECT_EQ(combo->GetItemState(0), cbsUnchecked) << "grayed becomes unchecked, never the other way";
    list->ToggleItem(2);
    EXPECT_EQ(combo->GetEditValue().AsString(), "001");
    EXPECT_TRUE(combo->IsChangedSinceEnter());
}

TEST_F(CheckComboBoxTest, TypingAndPastingLeaveTheText) {
    Make();
    combo->SetEditValue(Variant(2));
    for (std::uint16_t vk : {std::uint16_t('X'), std::uint16_t(VK_BACK), std::uint16_t(VK_DELETE)}) Key(vk);
    EXPECT_EQ(combo->GetText(), "B");
    EXPECT_FALSE(combo->AcceptText("A"));
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 2);
    ASSERT_TRUE(combo->ValidateInput(false));
    EXPECT_EQ(combo->GetEditValue().AsInt64(), 2) << "the text is never read back as a value";
}

TEST_F(CheckComboBoxTest, RowsAreAtLeastTheCheckHighAndTheTextStartsAfterIt) {
    Make();
    combo->GetProperties()->SetItemHeight(10);
    TcxCustomCheckComboBoxListBox* list = Open();
    ASSERT_NE(list, nullptr);
    const TSize check = list->GetNetCheckSize();
    EXPECT_EQ(list->GetItemHeight(0), std::max(10, check.cy + 2));
    const TRect row{0, 30, 100, 45};
    const TRect r = list->GetCheckRect(row, false);
    EXPECT_EQ(r.Top, 30 + (15 - check.cy) / 2);
    EXPECT_EQ(r.Width(), check.cx);
    EXPECT_EQ(TcxCheckPaintHelper::GetTextRect(row).Left, 15 + 2);
}

TEST_F(CheckComboBoxTest, TheUnitKeepsTheTickMaskItsRowsPaintWith) {
    FinalizeCheckGroupUnit();
    EXPECT_NE(CheckMarkMask(), nullptr) << "flat looks draw their ticks through it";
    InitializeCheckGroupUnit();
}

TEST_F(CheckComboBoxTest, FilterEditorsAreCheckComboBoxesOfTheColumnsCaptionsAndFormat) {
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxCheckComboBoxProperties::StaticClass()),
              TcxFilterCheckComboBoxHelper::StaticClass());
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxCheckGroupProperties::StaticClass()),
              TcxFilterCheckGroupHelper::StaticClass());

    TcxCheckGroupProperties group(nullptr);
    for (const char* name : {"A", "B", "C"}) group.GetItems()->Add()->SetCaption(name);
    group.SetEditValueFormat(cvfInteger);
    group.GetGlyph()->SetSize(24, 12);
    const auto* groupHelper = FilterEditHelper(TcxFilterCheckGroupHelper::StaticClass());
    TcxCheckComboBoxProperties filter(nullptr);
    groupHelper->PrepareFilterProperties(&filter, &group, groupHelper->KeepsEditButtons());
    ASSERT_EQ(filter.GetItems()->GetCount(), 3);
    EXPECT_EQ(filter.GetItems()->GetItem(2)->GetDescription(), "C");
    EXPECT_EQ(filter.GetEditValueFormat(), cvfInteger);
    std::string text;
    filter.FormatDisplayText(Variant(5), text, false);
    EXPECT_EQ(text, "A;C");
    EXPECT_EQ(filter.GetButtons()->GetCount(), 1);
    EXPECT_EQ(filter.GetDropDownListStyle(), lsFixedList);
    ASSERT_TRUE(filter.HasGlyph());
    EXPECT_EQ(filter.GetGlyph()->GetWidth(), 24);

    TcxCheckComboBoxProperties source(nullptr);
    AddItems(source, {"X", "Y"});
    source.GetItems()->GetItem(0)->SetShortDescription("x");
    source.SetEditValueFormat(cvfCaptions);
    const auto* comboHelper = FilterEditHelper(TcxFilterCheckComboBoxHelper::StaticClass());
    TcxCheckComboBoxProperties filter2(nullptr);
    comboHelper->PrepareFilterProperties(&filter2, &source, comboHelper->KeepsEditButtons());
    ASSERT_EQ(filter2.GetItems()->GetCount(), 2);
    EXPECT_EQ(filter2.GetItems()->GetItem(0)->GetShortDescription(), "") << "descriptions only";
    EXPECT_EQ(filter2.GetEditValueFormat(), cvfCaptions);

    const TcxFilterControlOperators basic = FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) |
                                            FilterOperatorBit(fcoBlanks) | FilterOperatorBit(fcoNonBlanks);
    EXPECT_EQ(basic, 0x606u);
    EXPECT_EQ(comboHelper->GetAllowedOperators(&source, nullptr, false), basic);
    EXPECT_EQ(comboHelper->GetAllowedOperators(&source, nullptr, true), basic | 0x6000u);
}

} // namespace
} // namespace zorvy::test
