// The lookup data of a text editor: search, synchronising with the text, stepping without wrapping.
#include "controls/editors/text/TextEdit.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class LookupDataTest : public EditorsTest {
  protected:
    TcxTextEdit* NewEdit(const std::vector<std::string>& items) {
        TForm* form = NewForm();
        auto* edit = new TcxTextEdit(form);
        edit->SetParent(form);
        props = static_cast<TcxTextEditProperties*>(edit->GetProperties());
        props->SetLookupItems(items);
        return edit;
    }
    TcxTextEditProperties* props = nullptr;
};

TEST_F(LookupDataTest, SearchFromTheFirstItemNeverWraps) {
    TcxTextEdit* edit = NewEdit({"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    TcxCustomTextEditLookupData* data = edit->GetLookupData();
    std::string text = "3", tail;
    EXPECT_TRUE(data->FindCompletion(text, tail, false, false));
    EXPECT_EQ(data->GetCurrentKey(), 3);
    EXPECT_EQ(tail, "");
    text = "9";
    EXPECT_FALSE(data->FindCompletion(text, tail, false, false));
    EXPECT_EQ(data->GetCurrentKey(), -1); // free text: no item
    data->SetCurrentKey(8);
    text = "8";
    EXPECT_FALSE(data->FindCompletion(text, tail, true, false)); // after the last item
    text = "";
    props->SetLookupItems({"", "a"});
    EXPECT_FALSE(data->FindCompletion(text, tail, false, false)); // an empty text matches nothing
}

TEST_F(LookupDataTest, TheTextSelectsItsItemWholeOrByPrefix) {
    TcxTextEdit* edit = NewEdit({"10", "1"});
    edit->SetText("1");
    edit->GetLookupData()->SyncWithEditText();
    EXPECT_EQ(edit->GetLookupData()->GetCurrentKey(), 0); // the first item starting with 1
    props->SetSyncByWholeText(true);
    edit->GetLookupData()->SetCurrentKey(-1);
    edit->GetLookupData()->SyncWithEditText();
    EXPECT_EQ(edit->GetLookupData()->GetCurrentKey(), 1);
}

TEST_F(LookupDataTest, SteppingStopsAtTheEndsAndShowsTheItem) {
    TcxTextEdit* edit = NewEdit({"a", "b", "c"});
    TcxCustomTextEditLookupData* data = edit->GetLookupData();
    data->StepItem(eldLast, false);
    EXPECT_EQ(data->GetCurrentKey(), 2);
    EXPECT_EQ(edit->GetText(), "c");
    data->StepItem(eldNext, false);
    EXPECT_EQ(data->GetCurrentKey(), 2);
    data->StepItem(eldNext, true);
    EXPECT_EQ(data->GetCurrentKey(), 0);
    EXPECT_EQ(edit->GetText(), "a");
    data->StepItem(eldPageDown, false);
    EXPECT_EQ(data->GetCurrentKey(), 2);
    data->StepItem(eldPageUp, false);
    EXPECT_EQ(data->GetCurrentKey(), 0);
}

TEST_F(LookupDataTest, AnInPlaceEditorGetsTheColumnsTextSettings) {
    TcxTextEditProperties column(nullptr);
    column.SetLookupItems({"0", "1"});
    column.SetMaxLength(4);
    column.SetDisplayFormat("0.0");
    TcxTextEditProperties copy(nullptr);
    copy.Assign(&column);
    EXPECT_EQ(copy.GetLookupItems(), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(copy.GetMaxLength(), 4);
    EXPECT_EQ(copy.GetDisplayFormat(), "0.0");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(LookupDataTest, SettingTheItemIndexStoresTheItemAndNotifiesAClick) {
    TcxTextEdit* edit = NewEdit({"a", "b", "c"});
    int clicks = 0;
    edit->OnClick = [&](TObject*) { ++clicks; };
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->GetText(), "b");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "b");
    EXPECT_EQ(clicks, 1);
    edit->SetItemIndex(1); // the current item: no click
    EXPECT_EQ(clicks, 1);
    edit->SetItemIndex(7); // no such item: nothing changes
    EXPECT_EQ(edit->GetItemIndex(), 1);
    edit->SetItemIndex(-1);
    EXPECT_EQ(edit->GetItemIndex(), -1);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "");
    EXPECT_EQ(clicks, 2);
}


// The current item's object is the one stored with its line, and it moves with the line when sorting.
TEST_F(LookupDataTest, TheSelectedItemsObjectTravelsWithItsLine) {
    TcxTextEdit* edit = NewEdit({});
    TObject first, second, third;
    props->AddLookupItem("c", &third);
    props->AddLookupItem("a", &first);
    props->AddLookupItem("b", &second);
    EXPECT_EQ(edit->GetSelectedItemObject(), nullptr) << "no current item";
    edit->SetItemIndex(0);
    EXPECT_EQ(edit->GetSelectedItemObject(), &third);
    props->SetLookupItemsSorted(true);
    EXPECT_EQ(props->GetLookupItems(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(props->GetLookupItemObject(0), &first);
    EXPECT_EQ(props->GetLookupItemObject(2), &third);
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->GetSelectedItemObject(), &second);
    props->AddLookupItem("ab", nullptr);
    EXPECT_EQ(props->GetLookupItemObject(1), nullptr);
    EXPECT_EQ(props->GetLookupItemObject(2), &second);
    props->SetLookupItems({"x"});
    EXPECT_EQ(props->GetLookupItemObject(0), nullptr) << "lines are copied without objects";
}

} // namespace
} // namespace zorvy::test
