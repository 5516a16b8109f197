// The check group: the value in each format following the buttons, values written into the buttons,
// the display text, states the integer format cannot hold, keys, items coming and going, and the
// balanced columns of the button group.
#include "controls/editors/groups/CheckGroup.h"

#include "platform/rtl/Exceptions.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class CheckGroupTest : public EditorsTest {
  protected:
    CheckGroupTest() {
        InitializeCheckGroupUnit();
        form = NewForm(400, 300);
        group = new TcxCheckGroup(form);
        group->SetParent(form);
        group->SetBounds(10, 10, 300, 150);
        group->GetProperties()->OnEditValueChanged = [this](TObject*) { ++valueChanges; };
        form->Show();
        Pump();
    }
    ~CheckGroupTest() override { FinalizeCheckGroupUnit(); }
    void AddItems(std::initializer_list<const char*> captions) {
        for (const char* caption : captions) group->GetProperties()->GetItems()->Add()->SetCaption(caption);
        Pump();
    }
    void AddItems(int count) {
        for (int i = 0; i < count; ++i)
            group->GetProperties()->GetItems()->Add()->SetCaption("N" + std::to_string(i));
        Pump();
    }
    std::vector<TcxCheckBoxState> States() {
        std::vector<TcxCheckBoxState> states;
        for (int i = 0; i < group->GetButtonCount(); ++i) states.push_back(group->GetItemState(i));
        return states;
    }

    TForm* form = nullptr;
    TcxCheckGroup* group = nullptr;
    int valueChanges = 0;
};

TEST_F(CheckGroupTest, CheckingButtonsBuildsTheIndicesValue) {
    AddItems({"A", "B", "C"});
    EXPECT_EQ(group->GetProperties()->GetEditValueFormat(), cvfIndices);
    valueChanges = 0;
    group->SetItemState(2, cbsChecked);
    EXPECT_EQ(VarToStr(group->GetEditValue()), ";2");
    EXPECT_EQ(valueChanges, 1);
    EXPECT_EQ(group->GetItemState(1), cbsUnchecked);
    group->SetItemState(0, cbsChecked);
    EXPECT_EQ(VarToStr(group->GetEditValue()), ";0,2");
    EXPECT_EQ(valueChanges, 2);
}

TEST_F(CheckGroupTest, AValueIsWrittenIntoTheButtonsAndABadOneUnchecksAll) {
    AddItems({"A", "B", "C"});
    struct Case {
        const char* value;
        std::vector<TcxCheckBoxState> states;
    } cases[] = {
        {";0,2", {cbsChecked, cbsUnchecked, cbsChecked}},
        {"1", {cbsUnchecked, cbsGrayed, cbsUnchecked}},
        {"0;", {cbsUnchecked, cbsUnchecked, cbsUnchecked}},
        {";1", {cbsUnchecked, cbsChecked, cbsUnchecked}},
        {"3", {cbsUnchecked, cbsUnchecked, cbsUnchecked}},
    };
    for (const Case& c : cases) {
        group->SetEditValue(Variant(c.value));
        EXPECT_EQ(States(), c.states) << c.value;
    }
}

TEST_F(CheckGroupTest, TheIntegerFormatUsesOneBitPerItem) {
    group->GetProperties()->SetEditValueFormat(cvfInteger);
    AddItems(10);
    group->SetItemState(0, cbsChecked);
    group->SetItemState(9, cbsChecked);
    EXPECT_EQ(group->GetEditValue().AsInt64(), 513);
    group->SetEditValue(Variant(6));
    EXPECT_EQ(States(), (std::vector<TcxCheckBoxState>{cbsUnchecked, cbsChecked, cbsChecked, cbsUnchecked,
                                                      cbsUnchecked, cbsUnchecked, cbsUnchecked, cbsUnchecked,
                                                      cbsUnchecked, cbsUnchecked}));
}

TEST_F(CheckGroupTest, StatesTheIntegerCannotHoldAreRefusedAndKept) {
    AddItems(66);
    group->SetItemState(1, cbsGrayed);
    group->SetItemState(2, cbsChecked);
    const Variant before = group->GetEditValue();
    // Changing the format would lose the grayed item: refused, nothing changes.
    EXPECT_THROW(group->GetProperties()->SetEditValueFormat(cvfInteger), EConvertError);
    EXPECT_EQ(group->GetProperties()->GetEditValueFormat(), cvfIndices);
    EXPECT_EQ(group->GetItemState(1), cbsGrayed);
    EXPECT_TRUE(VariantsIdentical(group->GetEditValue(), before));
    // Without it the format changes and the value follows.
    group->SetItemState(1, cbsUnchecked);
    group->GetProperties()->SetEditValueFormat(cvfInteger);
    EXPECT_EQ(group->GetEditValue().AsInt64(), 4);
    // Clicks no longer offer the grayed state, which the value could not hold.
    group->GetProperties()->SetAllowGrayed(true);
    EXPECT_FALSE(static_cast<TcxCheckBoxProperties*>(group->GetButton(0)->GetProperties())->GetAllowGrayed());
    // Item 64 has no bit: checking it is refused and the item stays unchecked.
    EXPECT_THROW(group->SetItemState(64, cbsChecked), EConvertError);
    EXPECT_EQ(group->GetItemState(64), cbsUnchecked);
    EXPECT_EQ(group->GetEditValue().AsInt64(), 4);
}

TEST_F(CheckGroupTest, ANewFormatRebuildsTheValueFromTheButtons) {
    AddItems({"A", "B", "C"});
    group->SetEditValue(Variant(";0,2"));
    group->GetProperties()->SetEditValueFormat(cvfStatesString);
    EXPECT_EQ(VarToStr(group->GetEditValue()), "101");
    group->GetProperties()->SetEditValueFormat(cvfCaptions);
    EXPECT_EQ(VarToStr(group->GetEditValue()), ";1:A1:C");
}

TEST_F(CheckGroupTest, TheDisplayTextNamesEveryItemsState) {
    AddItems({"A", "B", "C"});
    std::string text;
    group->GetProperties()->FormatDisplayText(Variant("0;1"), text, false);
    EXPECT_EQ(text, "A: Grayed; B: Checked; C: Unchecked");
    EXPECT_TRUE(group->GetProperties()->SameDisplayValue(Variant("0;1"), Variant("0;1,")));
    EXPECT_FALSE(group->GetProperties()->SameDisplayValue(Variant("0;1"), Variant(";1")));
}

TEST_F(CheckGroupTest, GrayedShowsOnlyWhileUnfocusedUnlessAllowed) {
    AddItems({"A", "B"});
    group->SetEditValue(Variant("0"));
    EXPECT_EQ(group->GetItemState(0), cbsGrayed);
    group->GetButton(1)->SetFocus();
    Pump();
    group->ShowEditValue();
    EXPECT_EQ(group->GetItemState(0), cbsUnchecked);
}

TEST_F(CheckGroupTest, ArrowsSkipDisabledButtonsAndWrap) {
    AddItems({"A", "B", "C"});
    group->GetProperties()->GetItems()->ItemAt(1)->SetEnabled(false);
    Pump();
    group->GetButton(0)->SetFocus();
    Pump();
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_TRUE(group->GetButton(2)->Focused());
    display.PressKey(VK_RIGHT);
    Pump();
    EXPECT_TRUE(group->GetButton(0)->Focused());
    display.PressKey(VK_UP);
    Pump();
    EXPECT_TRUE(group->GetButton(2)->Focused());
}

TEST_F(CheckGroupTest, TabEntersTheGroupOnceAtTheButtonFocusedLast) {
    AddItems({"A", "B", "C"});
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
    EXPECT_TRUE(group->GetButton(0)->Focused());
    display.PressKey(VK_DOWN);
    Pump();
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_TRUE(after->Focused());
    before->SetFocus();
    Pump();
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_TRUE(group->GetButton(1)->Focused());
}

TEST_F(CheckGroupTest, DeletingAnItemKeepsTheOtherStates) {
    AddItems({"A", "B", "C"});
    group->SetEditValue(Variant("1;2"));
    group->GetProperties()->GetItems()->Delete(0);
    Pump();
    EXPECT_EQ(States(), (std::vector<TcxCheckBoxState>{cbsGrayed, cbsChecked}));
    EXPECT_EQ(VarToStr(group->GetEditValue()), "0;1");
}

TEST_F(CheckGroupTest, ColumnsAreBalanced) {
    struct Case {
        int items, columns, expectedColumns, rows;
    } cases[] = {{7, 3, 3, 3}, {5, 3, 3, 2}, {4, 3, 2, 2}, {0, 3, 0, 0}};
    for (const Case& c : cases) {
        group->GetProperties()->GetItems()->Clear();
        group->GetProperties()->SetColumns(c.columns);
        AddItems(c.items);
        EXPECT_EQ(group->GetProperties()->GetColumnCount(), c.expectedColumns) << c.items;
        EXPECT_EQ(group->GetProperties()->GetRowCount(), c.rows) << c.items;
    }
    group->GetProperties()->SetColumns(0);
    EXPECT_EQ(group->GetProperties()->GetColumns(), 1);
    // Items 0-2 in the first column, 3-5 in the second, 6 alone in the third.
    group->GetProperties()->GetItems()->Clear();
    group->GetProperties()->SetColumns(3);
    AddItems(7);
    for (int i : {1, 2}) EXPECT_EQ(group->GetButton(i)->GetLeft(), group->GetButton(0)->GetLeft());
    EXPECT_GT(group->GetButton(3)->GetLeft(), group->GetButton(2)->GetLeft());
    EXPECT_GT(group->GetButton(6)->GetLeft(), group->GetButton(5)->GetLeft());
    EXPECT_EQ(group->GetButton(6)->GetTop(), group->GetButton(0)->GetTop());
}

TEST_F(CheckGroupTest, TheNaturalSizeFitsTheWidestCaptionPerColumn) {
    AddItems({"A", "Longer caption"});
    group->GetProperties()->SetColumns(2);
    TcxScreenCanvas* canvas = ScreenCanvasInstance();
    TSize one, other;
    group->GetProperties()->MeasureEditorSize(canvas, static_cast<TcxCustomEditStyle*>(group->GetStyle()), false, Variant(""), one, {});
    group->GetProperties()->GetItems()->ItemAt(0)->SetCaption("Longer caption too");
    group->GetProperties()->MeasureEditorSize(canvas, static_cast<TcxCustomEditStyle*>(group->GetStyle()), false, Variant(""), other, {});
    canvas->AssignFont(group->GetStyle()->EffectiveFont());
    const int grown = canvas->MeasureTextWidth("Longer caption too") - canvas->MeasureTextWidth("Longer caption");
    EXPECT_EQ(other.cx - one.cx, 2 * grown);
    EXPECT_EQ(other.cy, one.cy);
}

} // namespace
} // namespace zorvy::test
