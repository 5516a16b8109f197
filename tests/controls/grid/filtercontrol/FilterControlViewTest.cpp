// The filter control on screen: row height and part layout, hit tests, moving the focus with keys,
// the dotted level lines, and typing a value in place with the keys that end the editing.
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/rtl/Numbers.h"
#include "tests/controls/grid/filtercontrol/FilterControlFixture.h"

namespace zorvy::test {
namespace {

class FilterControlView : public FilterControlTest {
  protected:
    FilterControlView() {
        Link();
        control->AddCondition(nullptr);
        control->AddCondition(nullptr);
        Pump();
    }
    TcxFilterControlViewInfo* ViewInfo() { return control->GetViewInfo(); }
    TcxFilterControlHitTest HitAt(TPoint p, int* valueIndex = nullptr) {
        TcxFilterControlHitInfo info;
        ViewInfo()->HitTestAt(0, p, info);
        if (valueIndex) *valueIndex = info.ValueIndex;
        return info.HitTest;
    }
    static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(FilterControlView, RowsAreHalfAgainAsHighAsTheirTallestPart) {
    // The value editor's height for "Yy" in the value font, measured apart from the control.
    TcxTextEditProperties properties(nullptr);
    TcxEditStyle style(nullptr);
    style.SetFont(control->GetFontValue());
    std::unique_ptr<TcxCustomEditViewData> data(properties.MakeViewData(&style, true));
    std::unique_ptr<TcxCustomEditViewInfo> info(properties.CreateViewInfo());
    TSize size{};
    data->MeasureEditorSize(control->GetActiveCanvas(), Variant(std::string("Yy")), {}, info.get(), size);
    int tallest = size.cy;
    for (TFont* font : {control->GetFont(), control->GetFontBoolOperator(), control->GetFontItem(),
                        control->GetFontCondition()})
        tallest = std::max(tallest, control->GetActiveCanvas()->MeasureFontLineHeight(font));
    EXPECT_EQ(ViewInfo()->GetRowHeight(), (3 * tallest + 1) / 2);
    EXPECT_EQ(MulDiv(15, 3, 2), 23);
    EXPECT_EQ(MulDiv(14, 3, 2), 21);
    // Rows follow one another; the root's button is wider than the nested "..." buttons.
    EXPECT_EQ(control->GetRow(1)->GetRowRect().Top - control->GetRow(0)->GetRowRect().Top, ViewInfo()->GetRowHeight());
    EXPECT_GT(control->GetRoot()->GetButtonRect().Width(), control->GetRow(1)->GetButtonRect().Width());
    EXPECT_EQ(control->GetRow(1)->GetButtonText(), "...");
    EXPECT_EQ(control->GetRoot()->GetButtonText(), "Filter");
}

TEST_F(FilterControlView, APointNamesThePartUnderIt) {
    TcxConditionViewInfo* condition = Condition(1);
    EXPECT_EQ(HitAt(Centre(control->GetRoot()->GetButtonRect())), fhtButton);
    EXPECT_EQ(HitAt(Centre(control->GetRoot()->GetBoolOperatorRect())), fhtBoolOperator);
    EXPECT_EQ(HitAt(Centre(control->GetRoot()->GetCaptionRect())), fhtNone);
    EXPECT_EQ(HitAt(Centre(condition->GetItemRect())), fhtItem);
    EXPECT_EQ(HitAt(Centre(condition->GetOperatorRect())), fhtOperator);
    int index = -1;
    EXPECT_EQ(HitAt(Centre(condition->GetValues()->GetValue(0)->ValueRect), &index), fhtValue);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(HitAt(Centre(ViewInfo()->GetAddConditionRect())), fhtAddCondition);
    // Parts follow one another left to right, 8 pixels apart.
    EXPECT_EQ(condition->GetItemRect().Left, condition->GetButtonRect().Right + 8);
    EXPECT_EQ(condition->GetOperatorRect().Left, condition->GetItemRect().Right + 8);
    EXPECT_EQ(condition->GetValues()->GetValue(0)->ValueRect.Left, condition->GetOperatorRect().Right + 8);
}

TEST_F(FilterControlView, ArrowKeysMoveThroughRowsAndTheAddConditionButton) {
    control->SetFocusedRow(control->GetRow(1));
    Key(VK_UP);
    EXPECT_EQ(control->GetFocusedRow(), control->GetRoot());
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtBoolOperator);
    Key(VK_UP);
    EXPECT_EQ(control->GetFocusedRow(), control->GetRoot());
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtAddCondition);
    Key(VK_RIGHT);
    EXPECT_EQ(control->GetFocusedRow(), control->GetRow(2));
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtItem);
    Key(VK_RIGHT);
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtOperator);
    Key(VK_RIGHT);
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtValue);
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtButton);
    // Insert adds a condition after the focused one's group.
    Key(VK_INSERT);
    EXPECT_EQ(control->GetRowCount(), 4);
}

TEST_F(FilterControlView, LevelLinesAreDottedAndCanBeTurnedOff) {
    const TRect button = control->GetRow(1)->GetButtonRect();
    const int x = control->GetRoot()->GetButtonRect().Left + button.Width() / 2;
    const int top = control->GetRow(1)->GetRowRect().Top;
    auto darkPixels = [&] {
        control->Invalidate();
        Pump();
        int dark = 0;
        for (int y = top; y < top + ViewInfo()->GetRowHeight() / 2; ++y)
            if (PixelAt(form, x, y) == ColorToRGB(cl3DDkShadow)) ++dark;
        return dark;
    };
    EXPECT_GE(darkPixels(), ViewInfo()->GetRowHeight() / 4 - 1);
    control->SetShowLevelLines(false);
    EXPECT_EQ(darkPixels(), 0);
}

TEST_F(FilterControlView, TypingOnAValueEditsItAndEndingKeepsIt) {
    Condition(2)->SetItemIndex(1); // Count: equals
    control->SetFocusedRow(control->GetRow(2));
    control->SetFocusedPart(fhtValue, 0);
    // A focused value is at least twelve widths of "0" wide.
    control->SetFocus();
    Pump();
    EXPECT_GE(Condition(2)->GetValues()->GetValue(0)->ValueRect.Width(), ViewInfo()->GetMinValueWidth());
    InjectText("5");
    Pump();
    ASSERT_NE(control->GetValueEditor(), nullptr);
    control->EndValueEditing(true);
    EXPECT_EQ(control->GetValueEditor(), nullptr);
    EXPECT_EQ(Condition(2)->GetValues()->GetValue(0)->ValueText, "5");
    control->BuildCriteria();
    auto* item = static_cast<TcxFilterCriteriaItem*>(control->GetCriteria()->GetRoot()->GetItem(1));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(VarToStr(item->GetValue()), "5");
}


// The keys of a value being typed: Enter keeps it, Esc brings the old one back, Down keeps it and
// moves on, and Ctrl+Delete removes the condition.
TEST_F(FilterControlView, TheValueEditorsKeysKeepRestoreMoveOrRemove) {
    struct Case {
        const char* typed;
        std::uint16_t key;
        bool ctrl;
        const char* value; // of the first condition afterwards
        int rows;          // root and conditions afterwards
    };
    const Case cases[] = {
        {"7", VK_RETURN, false, "7", 3},
        {"7", VK_ESCAPE, false, "", 3},
        {"7", VK_DOWN, false, "7", 3},
        {"7", VK_DELETE, true, nullptr, 2},
    };
    for (const Case& c : cases) {
        control->Clear();
        control->AddCondition(nullptr);
        control->AddCondition(nullptr);
        Condition(1)->SetItemIndex(1); // Count: equals
        control->SetFocusedRow(control->GetRow(1));
        control->SetFocusedPart(fhtValue, 0);
        control->SetFocus();
        Pump();
        InjectText(c.typed);
        Pump();
        ASSERT_NE(control->GetValueEditor(), nullptr) << c.typed;
        EXPECT_TRUE(control->GetValueEditor()->IsFocused()) << "the keys after the first go to the editor";
        Key(c.key, c.ctrl);
        EXPECT_EQ(control->GetRowCount(), c.rows) << "key " << c.key;
        EXPECT_EQ(control->GetValueEditor(), nullptr) << "key " << c.key;
        if (c.value) {
            EXPECT_EQ(Condition(1)->GetValues()->GetValue(0)->ValueText, c.value) << "key " << c.key;
        }
        if (c.key == VK_DOWN) {
            EXPECT_EQ(control->GetFocusedRow(), control->GetRow(2));
        }
        control->EndValueEditing(false);
    }
}

} // namespace
} // namespace zorvy::test
