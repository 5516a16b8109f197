// The filter dialogs: which criteria need the Filter builder, the Custom Filter dialog's operators,
// loading and writing an item's conditions, and the Filter builder's caption, Esc, placement and
// its refusal of a value it cannot apply.
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/groups/RadioButton.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/win/Timers.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/grid/filtercontrol/FilterControlDialog.h"
#include "controls/grid/filtercontrol/FilterDialog.h"
#include "tests/controls/grid/filtercontrol/FilterControlFixture.h"

namespace zorvy::test {
namespace {

class FilterDialogs : public FilterControlTest {
  protected:
    TcxFilterCriteria& Criteria() { return link->dc.GetFilter(); }
    TObject* Item(int i) { return link->GetItemLink(i); }
    std::unique_ptr<TcxFilterDialog> Dialog(int item) {
        return std::make_unique<TcxFilterDialog>(&Criteria(), nullptr, nullptr, link->GetValueType(item),
                                                 link->GetCaption(item), link->GetProperties(item), Item(item));
    }
    static std::vector<std::string> Entries(TcxComboBox* combo) { return combo->GetProperties()->GetItems(); }
};

TEST_F(FilterDialogs, OnlyOneConditionOrPairPerColumnUnderAnAndRootFitsTheCustomFilter) {
    auto& c = Criteria();
    EXPECT_FALSE(RequiresFilterBuilder(&c));
    c.AddItem(nullptr, Item(0), ocLike, Variant(std::string("a%")), "a%");
    c.AddItem(nullptr, Item(1), ocGreater, Variant(2), "2");
    EXPECT_FALSE(RequiresFilterBuilder(&c));
    c.AddItem(nullptr, Item(1), ocLess, Variant(9), "9"); // a second condition on Count at the root
    EXPECT_TRUE(RequiresFilterBuilder(&c));
    c.RemoveItemsByItemLink(Item(1));
    TcxFilterCriteriaItemList* pair = c.GetRoot()->AddItemList(goOr);
    c.AddItem(pair, Item(1), ocLess, Variant(2), "2");
    c.AddItem(pair, Item(1), ocGreater, Variant(9), "9");
    EXPECT_FALSE(RequiresFilterBuilder(&c));
    c.AddItem(pair, Item(1), ocEqual, Variant(5), "5"); // three in the group
    EXPECT_TRUE(RequiresFilterBuilder(&c));
    c.RemoveAllItems();
    c.AddItem(nullptr, Item(1), ocBetween, VarArrayOf({Variant(1), Variant(2)}), "1;2");
    EXPECT_TRUE(RequiresFilterBuilder(&c));
    c.RemoveAllItems();
    c.GetRoot()->SetBoolOperatorKind(goOr);
    EXPECT_TRUE(RequiresFilterBuilder(&c));
}

TEST_F(FilterDialogs, ADateColumnOffersComparisonsAndBlankTestsButNoLike) {
    auto dialog = Dialog(2);
    const std::vector<std::string> expected = {"equals", "does not equal", "is less than",
                                               "is less than or equal to", "is greater than",
                                               "is greater than or equal to", "is blank", "is not blank"};
    EXPECT_EQ(Entries(dialog->cbOperator1), expected);
    auto withEmpty = expected;
    withEmpty.insert(withEmpty.begin(), "");
    EXPECT_EQ(Entries(dialog->cbOperator2), withEmpty);
    EXPECT_EQ(dialog->SelectedOperator(dialog->cbOperator1), fcoEqual);
    EXPECT_EQ(dialog->GetCaption(), "Custom Filter");
    EXPECT_EQ(dialog->lblColumnCaption->GetCaption(), "Day ");
    // Texts start on like, and its wildcard hints show only with a like operator.
    auto names = Dialog(0);
    EXPECT_EQ(names->SelectedOperator(names->cbOperator1), fcoLike);
    EXPECT_EQ(names->lblSingle->GetCaption(), "Use _ to represent any single character");
    EXPECT_EQ(names->lblSeries->GetCaption(), "Use % to represent any series of characters");
    EXPECT_TRUE(names->lblSingle->GetVisible());
    EXPECT_FALSE(dialog->lblSingle->GetVisible());
}

TEST_F(FilterDialogs, OkWithoutASecondOperatorWritesOneConditionInPlaceOfTheColumnsOld) {
    Criteria().AddItem(nullptr, Item(1), ocGreater, Variant(1), "1");
    Criteria().AddItem(nullptr, Item(1), ocLess, Variant(9), "9");
    Criteria().AddItem(nullptr, Item(0), ocLike, Variant(std::string("p%")), "p%");
    auto dialog = Dialog(1);
    // The column's first condition is shown.
    EXPECT_EQ(dialog->SelectedOperator(dialog->cbOperator1), fcoGreater);
    dialog->SelectOperator(dialog->cbOperator1, fcoBlanks);
    dialog->SetModalResult(mrOk);
    bool canClose = false;
    dialog->FormCloseQuery(dialog.get(), canClose);
    ASSERT_TRUE(canClose);
    dialog->ApplyToCriteria();
    TcxFilterCriteriaItemList* root = Criteria().GetRoot();
    ASSERT_EQ(root->GetCount(), 2);
    auto* written = static_cast<TcxFilterCriteriaItem*>(root->GetItem(1));
    EXPECT_EQ(written->GetItemLink(), Item(1));
    EXPECT_EQ(written->GetOperatorKind(), ocEqual);
    EXPECT_TRUE(VarIsNull(written->GetValue()));
    EXPECT_EQ(written->GetDisplayValue(), "blank");
}

TEST_F(FilterDialogs, TwoOperatorsMakeAGroupJoinedAsChosen) {
    auto dialog = Dialog(1);
    dialog->SelectOperator(dialog->cbOperator1, fcoLess);
    dialog->SelectOperator(dialog->cbOperator2, fcoGreater);
    dialog->rbOr->SetChecked(true);
    dialog->GetEdit1()->SetEditValue(Variant(3));
    dialog->GetEdit2()->SetEditValue(Variant(8));
    dialog->SetModalResult(mrOk);
    bool canClose = false;
    dialog->FormCloseQuery(dialog.get(), canClose);
    ASSERT_TRUE(canClose);
    dialog->ApplyToCriteria();
    ASSERT_EQ(Criteria().GetRoot()->GetCount(), 1);
    auto* group = static_cast<TcxFilterCriteriaItemList*>(Criteria().GetRoot()->GetItem(0));
    ASSERT_TRUE(group->IsItemList());
    EXPECT_EQ(group->GetBoolOperatorKind(), goOr);
    ASSERT_EQ(group->GetCount(), 2);
    EXPECT_EQ(static_cast<TcxFilterCriteriaItem*>(group->GetItem(0))->GetOperatorKind(), ocLess);
    EXPECT_EQ(VarToStr(static_cast<TcxFilterCriteriaItem*>(group->GetItem(1))->GetValue()), "8");
    // The pair reads back into a new dialog.
    auto again = Dialog(1);
    EXPECT_EQ(again->SelectedOperator(again->cbOperator2), fcoGreater);
    EXPECT_TRUE(again->rbOr->GetChecked());
}

TEST_F(FilterDialogs, TheBuilderNamesItsFileAndEscFirstClosesAnOpenList) {
    TfmFilterControlDialog dialog(nullptr);
    control->SetParent(nullptr);
    dialog.Initialize(control, {});
    Link();
    EXPECT_EQ(dialog.GetCaption(), "Filter builder - [untitled.flt]");
    EXPECT_EQ(dialog.OpenDialog->Filter, "Filters (*.flt)|*.flt");
    EXPECT_EQ(dialog.btSave->GetCaption(), "&Save As...");
    dialog.Show();
    Pump();
    control->SetFocus();
    control->AddCondition(nullptr);
    control->SetFocusedPart(fhtOperator);
    Key(VK_RETURN);
    ASSERT_EQ(control->GetDropDownKind(), fddOperatorList);
    std::uint16_t esc = VK_ESCAPE;
    dialog.FormKeyDown(&dialog, esc, 0);
    char32_t ch = 27;
    dialog.FormKeyPress(&dialog, ch);
    EXPECT_EQ(dialog.GetModalResult(), mrNone);
    control->GetPartComboBox()->SetDroppedDown(false);
    Key(VK_TAB); // the list's combo box loses the focus and closes
    control->SetFocus();
    Pump();
    dialog.FormKeyDown(&dialog, esc, 0);
    ch = 27;
    dialog.FormKeyPress(&dialog, ch);
    EXPECT_EQ(dialog.GetModalResult(), mrCancel);
    control->SetParent(nullptr);
}


// OK with a typed value the item's type refuses says why and keeps the builder open, its editor
// and the view's filter as they were, instead of applying a filter other than the one shown.
TEST_F(FilterDialogs, TheBuilderRefusesAValueItCannotApplyAndStaysOpen) {
    TfmFilterControlDialog dialog(nullptr);
    control->SetParent(nullptr);
    dialog.Initialize(control, {});
    Link();
    dialog.Show();
    Pump();
    control->AddCondition(nullptr);
    static_cast<TcxConditionViewInfo*>(control->GetRow(1))->SetItemIndex(1); // Count: equals
    control->SetFocusedRow(control->GetRow(1));
    control->SetFocusedPart(fhtValue, 0);
    control->SetFocus();
    Pump();
    InjectText("x");
    Pump();
    ASSERT_NE(control->GetValueEditor(), nullptr);
    std::string said;
    static std::uintptr_t timer;
    static std::function<void()> answer;
    answer = [&] {
        KillTimer(0, timer);
        if (TCustomForm* box = Screen->GetActiveForm(); box && box != &dialog) {
            for (int i = 0; i < box->GetControlCount(); ++i)
                if (box->GetControl(i)->GetCaption().find("value") != std::string::npos) said = box->GetControl(i)->GetCaption();
        }
        display.PressKey(VK_RETURN);
    };
    timer = SetTimer(0, 0, 1, [](HWND, UINT, std::uintptr_t, std::uint64_t) { answer(); });
    dialog.acOkExecute(&dialog);
    EXPECT_EQ(said, "Invalid value.");
    EXPECT_EQ(dialog.GetModalResult(), mrNone);
    EXPECT_NE(control->GetValueEditor(), nullptr) << "the refused value stays in its editor";
    EXPECT_TRUE(Criteria().IsEmpty());
    control->EndValueEditing(false);
    control->SetParent(nullptr);
}

} // namespace
} // namespace zorvy::test
