// The check list box: the value cycle between states and EditValue with its events, toggling by keys,
// clicks and double clicks, read-only lists, the row metrics, sorting and the painted check.
#include "controls/editors/lists/CheckListBox.h"

#include "controls/editors/checks/CheckBox.h"

#include "controls/foundation/containers/ContainerStyle.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class CheckListBoxTest : public EditorsTest {
  protected:
    CheckListBoxTest() {
        InitializeCheckBoxUnit(); // the tick mask
        form = NewForm(400, 300);
        box = new TcxCheckListBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 200, 150);
        box->OnEditValueChanged = [this](TObject*) { ++valueChanges; };
        form->Show();
        Pump();
    }
    ~CheckListBoxTest() override { FinalizeCheckBoxUnit(); }
    void AddItems(std::initializer_list<const char*> texts) {
        for (const char* text : texts) box->GetItems()->Add()->SetText(text);
        Pump();
    }
    std::vector<TcxCheckBoxState> States() const {
        std::vector<TcxCheckBoxState> states;
        for (int i = 0; i < box->GetItems()->GetCount(); ++i) states.push_back(box->GetItems()->GetItem(i)->GetState());
        return states;
    }
    TcxCustomInnerCheckListBox* Inner() const { return box->GetInnerCheckListBox(); }
    // The centre of a row's check and of its text, in the inner box's coordinates.
    TPoint CheckCentre(int index) const {
        const TRect r = Inner()->GetCheckRect(Inner()->ItemRect(index), false);
        return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    }
    TPoint TextPoint(int index) const {
        const TRect r = Inner()->ItemRect(index);
        return {r.Right - 10, r.Top + r.Height() / 2};
    }
    void Click(TPoint p) {
        display.Click(Inner()->GetHandle(), p.X, p.Y);
        Pump();
    }

    TForm* form = nullptr;
    TcxCheckListBox* box = nullptr;
    int valueChanges = 0;
};

TEST_F(CheckListBoxTest, TheIntegerValueChecksItsBitsAndFollowsAToggle) {
    AddItems({"A", "B", "C", "D"});
    EXPECT_EQ(box->GetEditValueFormat(), cvfInteger);
    box->SetEditValue(5);
    EXPECT_EQ(States(), (std::vector{cbsChecked, cbsUnchecked, cbsChecked, cbsUnchecked}));
    EXPECT_EQ(valueChanges, 1);
    box->GetItems()->Add()->SetText("E");
    EXPECT_EQ(box->GetItems()->GetItem(4)->GetState(), cbsUnchecked) << "a new item reads the value";
    EXPECT_EQ(VarToStr(box->GetEditValue()), "5");
    valueChanges = 0;
    Inner()->Toggle(1);
    EXPECT_EQ(VarToStr(box->GetEditValue()), "7");
    EXPECT_EQ(valueChanges, 1);
    const Variant same = box->GetEditValue();
    box->SetEditValue(same);
    EXPECT_EQ(valueChanges, 1) << "the same value again is no change";
}

TEST_F(CheckListBoxTest, SpaceCyclesThroughGrayedOnlyWhereTheFormatHoldsIt) {
    AddItems({"A", "B"});
    box->SetAllowGrayed(true);
    box->SetItemIndex(0);
    box->SetFocus();
    Pump();
    struct Case {
        TcxCheckStatesValueFormat format;
        std::vector<TcxCheckBoxState> cycle;
    } cases[] = {
        {cvfIndices, {cbsGrayed, cbsChecked, cbsUnchecked}},
        {cvfInteger, {cbsChecked, cbsUnchecked, cbsChecked, cbsUnchecked}},
    };
    for (const Case& c : cases) {
        box->SetEditValueFormat(c.format);
        for (TcxCheckBoxState expected : c.cycle) {
            display.TypeText(" ");
            Pump();
            EXPECT_EQ(box->GetItems()->GetItem(0)->GetState(), expected) << "format " << c.format;
        }
    }
}

TEST_F(CheckListBoxTest, GrayedStatesTurnUncheckedWhenTheFormatBecomesInteger) {
    AddItems({"A", "B", "C"});
    box->SetEditValueFormat(cvfIndices);
    box->GetItems()->GetItem(0)->SetState(cbsGrayed);
    box->GetItems()->GetItem(1)->SetState(cbsChecked);
    box->SetEditValueFormat(cvfInteger);
    EXPECT_EQ(States(), (std::vector{cbsUnchecked, cbsChecked, cbsUnchecked}));
    EXPECT_EQ(VarToStr(box->GetEditValue()), "2");
    box->GetItems()->GetItem(2)->SetState(cbsGrayed);
    EXPECT_EQ(box->GetItems()->GetItem(2)->GetState(), cbsUnchecked);
}

TEST_F(CheckListBoxTest, AStateTheIntegerCannotHoldIsRefusedNotLost) {
    box->GetItems()->BeginUpdate();
    for (int i = 0; i < 70; ++i) box->GetItems()->Add()->SetText("N" + std::to_string(i));
    box->GetItems()->EndUpdate();
    box->GetItems()->GetItem(1)->SetState(cbsChecked);
    EXPECT_THROW(box->GetItems()->GetItem(65)->SetState(cbsChecked), EConvertError);
    EXPECT_EQ(box->GetItems()->GetItem(65)->GetState(), cbsUnchecked) << "the row shows what the value holds";
    EXPECT_EQ(VarToStr(box->GetEditValue()), "2");
}

TEST_F(CheckListBoxTest, AClickTogglesOnlyOnItsCheckAndOnlyWhenReleasedThere) {
    AddItems({"A", "B", "C"});
    int clickChecks = 0;
    Inner()->OnClickCheck = [&](TObject* sender, int index, TcxCheckBoxState, TcxCheckBoxState) {
        EXPECT_EQ(sender, box);
        EXPECT_EQ(index, 1);
        ++clickChecks;
    };
    Click(TextPoint(1));
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(States()[1], cbsUnchecked) << "the text only selects";
    const TPoint check = CheckCentre(1);
    display.PressMouse(Inner()->GetHandle(), check.X, check.Y);
    Pump();
    EXPECT_EQ(States()[1], cbsUnchecked) << "nothing before the release";
    EXPECT_EQ(Inner()->GetPressedCheck(), 1);
    display.ReleaseMouse(Inner()->GetHandle(), check.X, check.Y);
    Pump();
    EXPECT_EQ(States()[1], cbsChecked);
    EXPECT_EQ(clickChecks, 1);
    Wait(1000);
    display.PressMouse(Inner()->GetHandle(), check.X, check.Y);
    display.MoveMouse(Inner()->GetHandle(), TextPoint(2).X, TextPoint(2).Y);
    display.ReleaseMouse(Inner()->GetHandle(), TextPoint(2).X, TextPoint(2).Y);
    Pump();
    EXPECT_EQ(States()[1], cbsChecked) << "released elsewhere";
    EXPECT_EQ(clickChecks, 1);
}

TEST_F(CheckListBoxTest, WithAutomaticDraggingAPressTogglesAtOnce) {
    AddItems({"A", "B"});
    box->SetDragMode(dmAutomatic);
    const TPoint check = CheckCentre(0);
    display.PressMouse(Inner()->GetHandle(), check.X, check.Y);
    Pump();
    EXPECT_EQ(States()[0], cbsChecked);
    display.ReleaseMouse(Inner()->GetHandle(), check.X, check.Y);
    Pump();
    EXPECT_EQ(States()[0], cbsChecked) << "the release does not toggle back";
}

TEST_F(CheckListBoxTest, ADoubleClickOnTheTextTogglesOnlyWhenAllowed) {
    AddItems({"A", "B"});
    box->SetAllowDblClickToggle(false);
    Click(TextPoint(0));
    Click(TextPoint(0));
    EXPECT_EQ(States()[0], cbsUnchecked);
    Wait(1000);
    box->SetAllowDblClickToggle(true);
    Click(TextPoint(0));
    Click(TextPoint(0));
    EXPECT_EQ(States()[0], cbsChecked);
}

TEST_F(CheckListBoxTest, AFocusedReadOnlyListTogglesNothing) {
    AddItems({"A", "B"});
    box->SetReadOnly(true);
    box->SetItemIndex(0);
    box->SetFocus();
    Pump();
    display.PressKey(VK_SPACE);
    Click(CheckCentre(0));
    Pump();
    EXPECT_EQ(States(), (std::vector{cbsUnchecked, cbsUnchecked}));
    box->SetShowChecks(false);
    display.PressKey(VK_DOWN);
    Click(TextPoint(1));
    EXPECT_EQ(box->GetItemIndex(), 0) << "without checks the selection stays";
}

TEST_F(CheckListBoxTest, TheItemWidthAddsBordersCheckAndReserveToTheText) {
    box->GetStyle()->GetLookAndFeel()->SetKind(lfUltraFlat);
    AddItems({"Banana split"});
    ASSERT_EQ(Inner()->GetNetCheckSize().cx, 11) << "a 13-pixel mark less its one-pixel frame";
    const TRect border = box->GetBorderExtent();
    TBitmap scratch;
    scratch.SetSize(10, 10);
    scratch.GetCanvas()->SetFont(box->GetFont());
    const int textWidth = scratch.GetCanvas()->TextWidth("Banana split");
    EXPECT_EQ(box->GetItemWidth(0), border.Left + border.Right + (0 + 1 + 2 + 11) + textWidth + 3);
    EXPECT_EQ(box->GetHeightForRows(3), 3 * Inner()->GetItemHeight() + border.Top + border.Bottom);
}

TEST_F(CheckListBoxTest, IntegralHeightKeepsWholeRowsOfTheComputedHeight) {
    AddItems({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    const int row = Inner()->GetItemHeight();
    const TRect border = box->GetBorderExtent();
    box->SetIntegralHeight(true);
    box->SetHeight(border.Top + border.Bottom + 3 * row + row / 2);
    EXPECT_EQ(box->GetHeight(), box->GetHeightForRows(3));
    box->SetHeight(1);
    EXPECT_EQ(box->GetHeight(), box->GetHeightForRows(1)) << "the first row always shows";
}

TEST_F(CheckListBoxTest, SortingIgnoresCaseAndKeepsEachItemsState) {
    AddItems({"banana", "Cherry", "apple", "Banana2"});
    box->GetItems()->GetItem(1)->SetState(cbsChecked);
    box->SetSorted(true);
    std::vector<std::string> texts;
    for (int i = 0; i < 4; ++i) texts.push_back(box->GetItems()->GetItem(i)->GetText());
    EXPECT_EQ(texts, (std::vector<std::string>{"apple", "banana", "Banana2", "Cherry"}));
    EXPECT_EQ(box->GetItems()->GetItem(3)->GetState(), cbsChecked);
    EXPECT_EQ(Inner()->GetItems()->Get(3), "Cherry") << "the rows follow";
    box->GetItems()->GetItem(0)->SetText("zebra");
    EXPECT_EQ(box->GetItems()->GetItem(3)->GetText(), "zebra");
}

TEST_F(CheckListBoxTest, ACheckedRowPaintsItsTick) {
    AddItems({"A", "B"});
    box->GetItems()->GetItem(0)->SetChecked(true);
    form->Repaint();
    Pump();
    auto darkPixels = [&](int index) {
        const TRect r = Inner()->GetCheckRect(Inner()->ItemRect(index), false);
        const TPoint origin = Inner()->ClientToScreen({0, 0});
        const TPoint formOrigin = form->ClientToScreen({0, 0});
        int dark = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 2; x < r.Right - 2; ++x)
                if (GetRValue(PixelAt(form, origin.X - formOrigin.X + x, origin.Y - formOrigin.Y + y)) < 100) ++dark;
        return dark;
    };
    EXPECT_GT(darkPixels(0), 5);
    EXPECT_EQ(darkPixels(1), 0);
}

} // namespace
} // namespace zorvy::test
