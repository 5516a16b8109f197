// The filter control's model: new conditions and their operators, fitting values to an operator,
// building criteria from the rows and back, removing rows, apply into a real data controller's
// filter, and filter files.
#include "controls/data/Variants.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "tests/controls/grid/filtercontrol/FilterControlFixture.h"
#include "tests/support/FileRights.h"
#include "tests/support/TempFolder.h"

#include <sys/stat.h>

namespace zorvy::test {
namespace {

// Typed into a value as the editor would store it.
void SetValue(TcxConditionViewInfo* condition, int index, const Variant& value, const std::string& text) {
    TcxValueInfo* info = condition->GetValues()->GetValue(index);
    info->Value = value;
    info->ValueText = text;
}

TEST_F(FilterControlTest, ANewConditionStartsWithLikeOnTextsAndEqualsOnNumbers) {
    Link();
    control->AddCondition(nullptr);
    ASSERT_EQ(control->GetRowCount(), 2);
    EXPECT_EQ(Condition(1)->GetItemText(), "Name");
    EXPECT_EQ(Condition(1)->Operator, fcoLike);
    EXPECT_EQ(Condition(1)->GetOperatorText(), "like");
    EXPECT_EQ(control->GetFocusedInfo().HitTest, fhtItem);

    Condition(1)->SetItemIndex(1);
    EXPECT_EQ(Condition(1)->GetItemText(), "Count");
    EXPECT_EQ(Condition(1)->Operator, fcoEqual);
    // Numbers offer no like, and the blank tests, ranges and lists but no date operators.
    EXPECT_FALSE(Condition(1)->GetSupportedOperators() & FilterOperatorBit(fcoLike));
    EXPECT_TRUE(Condition(1)->GetSupportedOperators() & FilterOperatorBit(fcoNotInList));

    // Sorted items start on the alphabetically first caption.
    control->SetSortItems(true);
    control->AddCondition(nullptr);
    EXPECT_EQ(Condition(2)->GetItemText(), "Count");
}

TEST_F(FilterControlTest, ChangingTheOperatorKeepsTheValuesThatFit) {
    Link();
    control->AddCondition(nullptr);
    TcxConditionViewInfo* condition = Condition(1);
    condition->SetItemIndex(1);
    condition->Operator = fcoInList;
    condition->AdjustValues(false);
    for (int i = 0; i < 3; ++i) {
        if (i > 0) condition->GetValues()->AddValue();
        SetValue(condition, i, Variant(i + 1), std::to_string(i + 1));
    }
    ASSERT_EQ(condition->GetValues()->GetCount(), 3);

    condition->Operator = fcoBetween;
    condition->AdjustValues(true);
    ASSERT_EQ(condition->GetValues()->GetCount(), 2);
    EXPECT_EQ(condition->GetValues()->GetValue(1)->ValueText, "2");

    condition->Operator = fcoEqual;
    condition->AdjustValues(true);
    ASSERT_EQ(condition->GetValues()->GetCount(), 1);
    EXPECT_EQ(condition->GetValues()->GetValue(0)->ValueText, "1");

    condition->Operator = fcoBlanks;
    condition->AdjustValues(true);
    condition->Operator = fcoEqual;
    condition->AdjustValues(true);
    ASSERT_EQ(condition->GetValues()->GetCount(), 1);
    EXPECT_TRUE(VarIsNull(condition->GetValues()->GetValue(0)->Value));
    // Without keeping, a fresh null value (two for a range).
    condition->Operator = fcoNotBetween;
    condition->AdjustValues(false);
    ASSERT_EQ(condition->GetValues()->GetCount(), 2);
    EXPECT_TRUE(VarIsNull(condition->GetValues()->GetValue(0)->Value));
}

TEST_F(FilterControlTest, BuildingStoresRangesInOrderListsJoinedAndBlanksAsBlank) {
    Link();
    struct Case {
        TcxFilterControlOperator op;
        std::vector<std::pair<Variant, std::string>> values;
        std::string display;
        int item;
    };
    const Case cases[] = {
        {fcoBetween, {{Variant(9), "9"}, {Variant(3), "3"}}, "3;9", 1},
        {fcoNotBetween, {{Variant(3), "3"}, {Variant(9), "9"}}, "3;9", 1},
        {fcoInList, {{Variant(4), "4"}, {Null(), ""}, {Variant(2), "2"}}, "4;blank;2", 1},
        {fcoEqual, {{Null(), ""}}, "blank", 1},
        {fcoLike, {{Variant(std::string()), ""}}, "blank", 0},
        {fcoLess, {{Variant(5), "5"}}, "5", 1},
    };
    for (const Case& c : cases) {
        control->Clear();
        control->AddCondition(nullptr);
        TcxConditionViewInfo* condition = Condition(1);
        condition->SetItemIndex(c.item);
        condition->Operator = c.op;
        condition->AdjustValues(false);
        condition->GetValues()->Clear();
        for (const auto& [value, text] : c.values) {
            TcxValueInfo* info = condition->GetValues()->AddValue();
            info->Value = value;
            info->ValueText = text;
        }
        control->BuildCriteria();
        auto* item = static_cast<TcxFilterCriteriaItem*>(control->GetCriteria()->GetRoot()->GetItem(0));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetDisplayValue(), c.display) << GetFilterOperatorText(c.op);
        EXPECT_EQ(item->GetOperatorKind(), ControlOperatorToCriteriaOperator(c.op));
        if (c.op == fcoBetween || c.op == fcoNotBetween) {
            EXPECT_TRUE(VariantsEqual(item->GetValue(), VarArrayOf({Variant(3), Variant(9)})));
        }
    }
}

// Two equal bounds written apart ("5" and "05") must not trade places at every build, or a
// filter saved, read and saved again would never settle.
TEST_F(FilterControlTest, ARangeOfEqualBoundsKeepsItsOrderAcrossBuilds) {
    Link();
    control->AddCondition(nullptr);
    TcxConditionViewInfo* condition = Condition(1);
    condition->SetItemIndex(1);
    condition->Operator = fcoBetween;
    condition->AdjustValues(false);
    condition->GetValues()->Clear();
    for (const char* text : {"5", "05"}) {
        TcxValueInfo* info = condition->GetValues()->AddValue();
        info->Value = Variant(5);
        info->ValueText = text;
    }
    for (int pass = 0; pass < 2; ++pass) {
        control->BuildCriteria();
        auto* item = static_cast<TcxFilterCriteriaItem*>(control->GetCriteria()->GetRoot()->GetItem(0));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetDisplayValue(), "5;05") << "pass " << pass;
        control->RebuildFromCriteria();
    }
}

TEST_F(FilterControlTest, ApplyFiltersTheLinkedRecordsAndRebuildsTheRowsFromThem) {
    link->AddRecord("apple", 3);
    link->AddRecord("pear", 9);
    link->AddRecord("plum", 12);
    Link();
    control->AddCondition(nullptr);
    Condition(1)->SetItemIndex(1);
    Condition(1)->Operator = fcoBetween;
    Condition(1)->AdjustValues(false);
    SetValue(Condition(1), 0, Variant(10), "10");
    SetValue(Condition(1), 1, Variant(5), "5");
    int applied = 0;
    control->OnApplyFilter = [&](TObject* sender) {
        EXPECT_EQ(sender, control);
        ++applied;
    };
    link->dc.GetFilter().SetActive(true);
    control->ApplyFilter();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(link->dc.GetFilteredRecordCount(), 1);
    // The rows come back from the applied criteria: the range in ascending order.
    ASSERT_EQ(control->GetRowCount(), 2);
    EXPECT_EQ(Condition(1)->Operator, fcoBetween);
    EXPECT_EQ(Condition(1)->GetValues()->GetValue(0)->ValueText, "5");
    EXPECT_EQ(Condition(1)->GetValues()->GetValue(1)->ValueText, "10");

    // A second control linked to the view shows the applied filter.
    auto* other = new TcxFilterControl(form);
    other->SetLinkComponent(link);
    EXPECT_EQ(other->GetRowCount(), 2);
    // A component without the interface is refused and clears the control.
    other->SetLinkComponent(form);
    EXPECT_EQ(other->GetLinkComponent(), nullptr);
    EXPECT_EQ(other->GetRowCount(), 1);
}

TEST_F(FilterControlTest, RemovingALoneConditionTakesTheGroupsItWouldLeaveEmpty) {
    Link();
    control->AddCondition(nullptr); // row 1, under the root
    control->SetFocusedRow(control->GetRoot());
    control->AddGroup(); // group at row 2 with a condition
    control->SetFocusedRow(control->GetRow(2));
    control->AddGroup(); // nested group with a condition
    ASSERT_EQ(control->GetRowCount(), 6);
    control->SetFocusedRow(control->GetRow(5));
    control->RemoveRow();
    ASSERT_EQ(control->GetRowCount(), 4);
    control->SetFocusedRow(control->GetRow(3));
    control->RemoveRow();
    ASSERT_EQ(control->GetRowCount(), 2);
    EXPECT_EQ(control->GetFocusedRow(), control->GetRow(1));

    // Removing on the root does nothing; clearing resets the root to AND.
    control->GetRoot()->BoolOperator = goOr;
    control->SetFocusedRow(control->GetRoot());
    Key(VK_DELETE, true);
    EXPECT_EQ(control->GetRowCount(), 2);
    control->Clear();
    EXPECT_EQ(control->GetRowCount(), 1);
    EXPECT_EQ(control->GetRoot()->BoolOperator, goAnd);
}

TEST_F(FilterControlTest, RebuildingRefusesAConditionOnAnItemTheLinkLacks) {
    Link();
    TObject stranger;
    control->GetCriteria()->AddItem(nullptr, &stranger, ocEqual, Variant(1), "1");
    try {
        control->RebuildFromCriteria();
        FAIL() << "no error";
    } catch (const EcxFilterControlError& e) {
        EXPECT_EQ(e.Message(), "Can't build filter from source");
    }
}

class FilterFiles : public FilterControlTest {
  protected:
    // A filter of one condition Count = value, saved into path.
    void SaveCount(int value, const std::string& path) {
        control->Clear();
        control->AddCondition(nullptr);
        Condition(1)->SetItemIndex(1);
        SetValue(Condition(1), 0, Variant(value), std::to_string(value));
        control->SaveToFile(path);
    }
    TempFolder folder;
};

TEST_F(FilterFiles, AFileReadsBackAndABadOneLeavesTheFilterAsItWas) {
    Link();
    const std::string path = folder.Path() + "/count.flt";
    SaveCount(7, path);
    control->Clear();
    control->LoadFromFile(path);
    ASSERT_EQ(control->GetRowCount(), 2);
    EXPECT_EQ(Condition(1)->GetItemText(), "Count");
    EXPECT_EQ(Condition(1)->GetValues()->GetValue(0)->ValueText, "7");

    const std::string bad = folder.Path() + "/bad.flt";
    {
        TFileStream out(bad, fmCreate);
        out.WriteInt32(-2);
        out.WriteUInt8(0);
        out.WriteInt32(1000); // far more conditions than follow
    }
    EXPECT_THROW(control->LoadFromFile(bad), Exception);
    ASSERT_EQ(control->GetRowCount(), 2);
    EXPECT_EQ(Condition(1)->GetValues()->GetValue(0)->ValueText, "7");
    EXPECT_THROW(control->LoadFromFile(folder.Path() + "/missing.flt"), Exception);
    EXPECT_EQ(control->GetRowCount(), 2);
}

TEST_F(FilterFiles, LoadingWithoutALinkIsRefused) {
    const std::string path = folder.Path() + "/any.flt";
    {
        TFileStream out(path, fmCreate);
        out.WriteInt32(-2);
    }
    try {
        control->LoadFromFile(path);
        FAIL() << "no error";
    } catch (const EcxFilterControlError& e) {
        EXPECT_EQ(e.Message(), "Can't build filter from source");
    }
}

TEST_F(FilterFiles, AFailedSaveKeepsTheOldFile) {
    Link();
    const std::string path = folder.Path() + "/keep.flt";
    SaveCount(5, path);
    const std::string before = ReadWholeFile(path);
    ASSERT_FALSE(before.empty());
    chmod(path.c_str(), 0444);
    {
        OrdinaryFileRights rights;
        EXPECT_THROW(SaveCount(6, path), Exception);
    }
    EXPECT_EQ(ReadWholeFile(path), before);
    chmod(path.c_str(), 0644);
}

} // namespace
} // namespace zorvy::test
