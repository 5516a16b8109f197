// The controller's filter criteria and the filter value lists of a column.
#include "controls/data/DataController.h"
#include "controls/data/FilterOperators.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Number (Integer) and Name (String).
class FilterFixture : public ::testing::Test {
  protected:
    FilterFixture() : dc_(nullptr) {
        for (auto* type : {&cxIntegerValueType, &cxStringValueType}) {
            items_.push_back(std::make_unique<TObject>());
            dc_.AddItem(items_.back().get())->ChangeValueType(type);
        }
    }
    void Fill(const std::vector<std::pair<Variant, Variant>>& rows) {
        dc_.BeginUpdate();
        for (const auto& [number, name] : rows) {
            int r = dc_.AppendRecord();
            dc_.SetValue(r, 0, number);
            dc_.SetValue(r, 1, name);
        }
        dc_.EndUpdate();
    }
    std::vector<int> Rows() {
        std::vector<int> rows;
        for (int row = 0; row < dc_.GetRowCount(); ++row)
            rows.push_back(dc_.GetRowInfo(row).RecordIndex);
        return rows;
    }
    // Each entry's display text, "|" between them.
    static std::string Texts(const TcxFilterValueList& list) {
        std::string s;
        for (int i = 0; i < list.GetCount(); ++i)
            s += (i ? "|" : "") + list.GetItem(i).DisplayText;
        return s;
    }
    TObject* Item(int i) { return items_[static_cast<size_t>(i)].get(); }

    std::vector<std::unique_ptr<TObject>> items_;
    TcxDataController dc_;
};

using V = std::vector<int>;

} // namespace

TEST_F(FilterFixture, RowsFollowTheCriteriaThroughEditsInsertsAndDeletes) {
    Fill({{1, "a"}, {5, "b"}, {3, "c"}, {7, "d"}});
    TcxDataFilterCriteria& filter = dc_.GetFilter();
    int changed = 0;
    filter.OnChanged = [&](TObject*) { ++changed; };
    filter.AddItem(nullptr, Item(0), ocGreater, 2, "2"); // linked by the view item
    EXPECT_EQ(Rows(), (V{0, 1, 2, 3})) << "not active yet";
    filter.SetActive(true);
    EXPECT_EQ(Rows(), (V{1, 2, 3}));
    EXPECT_GE(changed, 1);
    dc_.ChangeFocusedRowIndex(1); // record 2
    dc_.SetValue(0, 0, 9);
    EXPECT_EQ(Rows(), (V{0, 1, 2, 3})) << "an edited value that now passes";
    dc_.SetValue(1, 0, 0);
    EXPECT_EQ(Rows(), (V{0, 2, 3}));
    int r = dc_.AppendRecord();
    dc_.SetValue(r, 0, 4);
    dc_.InsertRecord(0); // a Null number fails the condition
    EXPECT_EQ(Rows(), (V{1, 3, 4, 5}));
    dc_.DeleteRecord(4);
    EXPECT_EQ(Rows(), (V{1, 3, 4}));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 3) << "the focused record (2, now 3) keeps the focus";
    filter.RemoveAllItems();
    EXPECT_EQ(Rows(), (V{0, 1, 2, 3, 4})) << "active but empty filters nothing";
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 3);
    // A field that goes takes its conditions along.
    filter.AddItem(nullptr, Item(1), ocEqual, "c", "c");
    EXPECT_EQ(Rows(), (V{3}));
    dc_.RemoveItem(Item(1));
    EXPECT_TRUE(filter.IsEmpty());
    EXPECT_EQ(dc_.GetRowCount(), 5);
}

TEST_F(FilterFixture, ConditionsNameTheFieldsViewItemAndReadTheControllersValues) {
    Fill({{4, "x"}});
    TcxFilterCriteriaItem* condition = dc_.GetFilter().AddItem(nullptr, Item(1), ocEqual, "x", "x");
    EXPECT_EQ(condition->GetItemLink(), Item(1));
    EXPECT_EQ(static_cast<TcxDataFilterCriteriaItem*>(condition)->GetField(), dc_.GetItemField(1));
    Variant value;
    condition->GetDataValue(0, value);
    EXPECT_EQ(VarToStr(value), "x");
    EXPECT_EQ(dc_.GetFilter().FindItemForLink(Item(1)), condition);
}

TEST_F(FilterFixture, ValueListsPutSpecialEntriesFirstAndValuesSortedOnce) {
    Fill({{3, "b"}, {Variant::Null(), ""}, {1, "a"}, {3, "b"}});
    auto list = dc_.GetFilter().CreateValueList();
    bool onlyFiltered = false;
    list->Load(0, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|(Blanks)|(NonBlanks)|1|3");
    EXPECT_EQ(list->GetFirstValueIndex(), 4);
    EXPECT_EQ(list->IndexOfValue(3), 5);
    EXPECT_EQ(list->IndexOfValue(2), -1);

    list->Load(1, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)||a|b") << "an empty text is a value";
    dc_.GetFilter().SetOptions(FilterOption(fcoSoftNull));
    list->Load(1, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|(Blanks)|(NonBlanks)|a|b") << "soft null: it is a blank";

    // Every kind counts towards the limit; blanks are still listed.
    dc_.GetFilter().MaxValueListCount = 3;
    list->Load(0, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|(Blanks)|(NonBlanks)|3") << "3 came first and filled the list";

    // Recent entries go first, before their separator.
    dc_.GetFilter().MaxValueListCount = 0;
    list->Load(0, false, onlyFiltered);
    list->Add(fvkRecent, 1, "recent 1", false);
    list->Add(fvkRecent, 3, "recent 3", false);
    EXPECT_EQ(list->GetItem(2).Kind, fvkRecentSeparator);
    EXPECT_EQ(Texts(*list), "recent 1|recent 3||(All)|(Custom...)|(Blanks)|(NonBlanks)|1|3");
}

TEST_F(FilterFixture, ValueListsOfFilteredRecordsFallBackWhenNoneIsLeft) {
    Fill({{1, "a"}, {2, "b"}, {3, "c"}});
    TcxDataFilterCriteria& filter = dc_.GetFilter();
    filter.SetActive(true);
    filter.AddItem(nullptr, Item(0), ocLess, 3, "3");
    auto list = filter.CreateValueList();
    bool onlyFiltered = true;
    list->Load(1, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|a|b");
    EXPECT_TRUE(onlyFiltered);
    filter.AddItem(nullptr, Item(0), ocGreater, 5, "5");
    ASSERT_EQ(dc_.GetRowCount(), 0);
    list->Load(1, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|a|b|c");
    EXPECT_FALSE(onlyFiltered);

    // A not-blank condition of the item brings its entry with the filtered records.
    filter.RemoveAllItems();
    filter.AddItem(nullptr, Item(1), ocNotEqual, Variant::Null(), "");
    onlyFiltered = true;
    list->Load(1, false, onlyFiltered);
    EXPECT_EQ(Texts(*list), "(All)|(Custom...)|(NonBlanks)|a|b|c");
}

TEST_F(FilterFixture, AConditionPointsAtItsEntry) {
    Fill({{1, "a"}, {Variant::Null(), "b"}, {3, "c"}});
    TcxDataFilterCriteria& filter = dc_.GetFilter();
    auto list = filter.CreateValueList();
    bool onlyFiltered = false;
    list->Load(0, false, onlyFiltered);
    ASSERT_EQ(Texts(*list), "(All)|(Custom...)|(Blanks)|(NonBlanks)|1|3");
    EXPECT_EQ(list->GetIndexByCriteriaItem(nullptr), 0);
    EXPECT_EQ(list->GetIndexByCriteriaItem(filter.AddItem(nullptr, Item(0), ocEqual, 3, "3")), 5);
    EXPECT_EQ(list->GetIndexByCriteriaItem(filter.AddItem(nullptr, Item(0), ocEqual, Variant::Null(), "")), 2);
    EXPECT_EQ(list->GetIndexByCriteriaItem(filter.AddItem(nullptr, Item(0), ocNotEqual, Variant::Null(), "")), 3);
    EXPECT_EQ(list->GetIndexByCriteriaItem(filter.AddItem(nullptr, Item(0), ocGreater, 1, "1")), 1);
    EXPECT_EQ(list->GetIndexByCriteriaItem(filter.AddItem(nullptr, Item(0), ocEqual, 2, "2")), 1)
        << "a value not in the list: custom";
}

namespace {

// A controller whose items are components named Number and Name, so conditions travel by name.
struct NamedController {
    TComponent Number{nullptr}, Name{nullptr};
    TcxDataController Data{nullptr};
    NamedController() {
        Number.SetName("Number");
        Name.SetName("Name");
        Data.AddItem(&Number)->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Name)->ChangeValueType(&cxStringValueType);
        Data.BeginUpdate();
        for (int n : {1, 5, 3}) Data.SetValue(Data.AppendRecord(), 0, n);
        Data.EndUpdate();
    }
    int Rows() { return Data.GetRowCount(); }
};

bool Holds(TMemoryStream& stream, const std::string& text) {
    std::string bytes(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.GetSize()));
    return bytes.find(text) != std::string::npos;
}

} // namespace

TEST(DataFilterStorage, TheConditionsTravelAsTheCriteriaPropertyWithActive) {
    NamedController from, to;
    from.Data.GetFilter().AddItem(nullptr, &from.Number, ocGreater, 2, "2");
    from.Data.GetFilter().SetActive(true);
    ASSERT_EQ(from.Rows(), 2);
    TMemoryStream stream;
    from.Data.GetFilter().SaveToComponentStream(stream);
    EXPECT_TRUE(Holds(stream, "Criteria"));
    EXPECT_TRUE(Holds(stream, "Active"));

    stream.SetPosition(0);
    to.Data.GetFilter().LoadFromComponentStream(stream);
    TcxDataFilterCriteria& filter = to.Data.GetFilter();
    EXPECT_TRUE(filter.GetActive());
    ASSERT_EQ(filter.GetRoot()->GetCount(), 1);
    auto* condition = static_cast<TcxFilterCriteriaItem*>(filter.GetRoot()->GetItem(0));
    EXPECT_EQ(condition->GetItemLink(), &to.Number) << "resolved by the item's name in the other controller";
    EXPECT_EQ(condition->GetOperatorKind(), ocGreater);
    EXPECT_EQ(to.Rows(), 2) << "the loaded filter filters";
}

TEST(DataFilterStorage, CriteriaWithoutConditionsAreNotStoredUnlessNegated) {
    NamedController data;
    TMemoryStream empty;
    data.Data.GetFilter().SaveToComponentStream(empty);
    EXPECT_FALSE(Holds(empty, "Criteria"));
    EXPECT_FALSE(Holds(empty, "Active")) << "a default is not stored";

    data.Data.GetFilter().GetRoot()->SetBoolOperatorKind(goNotAnd);
    TMemoryStream negated;
    data.Data.GetFilter().SaveToComponentStream(negated);
    EXPECT_TRUE(Holds(negated, "Criteria"));
}

TEST(DataFilterStorage, ADamagedCriteriaPropertyRaisesAndKeepsTheConditions) {
    NamedController from, to;
    from.Data.GetFilter().AddItem(nullptr, &from.Number, ocGreater, 2, "2");
    TMemoryStream stream;
    from.Data.GetFilter().SaveToComponentStream(stream);
    to.Data.GetFilter().AddItem(nullptr, &to.Name, ocEqual, "x", "x");
    TMemoryStream cut;
    cut.WriteBytes(std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.GetSize() - 4)));
    cut.SetPosition(0);
    EXPECT_THROW(to.Data.GetFilter().LoadFromComponentStream(cut), EReadError);
    ASSERT_EQ(to.Data.GetFilter().GetRoot()->GetCount(), 1);
    EXPECT_EQ(static_cast<TcxFilterCriteriaItem*>(to.Data.GetFilter().GetRoot()->GetItem(0))->GetItemLink(), &to.Name);
}

TEST(DataFilterExtra, ExtraFiltersFilterNothingAndLoseTheConditionsOfARemovedItem) {
    NamedController data;
    TcxDataFilterCriteria* extra = data.Data.CreateFilter();
    ASSERT_EQ(data.Data.GetFilterList().GetCount(), 1);
    EXPECT_EQ(data.Data.GetFilterList().GetItem(0), extra);
    EXPECT_EQ(extra->GetDataController(), &data.Data);
    int changed = 0;
    extra->OnChanged = [&](TObject*) { ++changed; };
    extra->AddItem(nullptr, &data.Number, ocGreater, 2, "2");
    extra->AddItem(nullptr, &data.Name, ocEqual, "a", "a");
    extra->SetActive(true);
    EXPECT_EQ(data.Rows(), 3) << "the controller's rows ignore an extra filter";
    EXPECT_EQ(changed, 0);
    EXPECT_FALSE(extra->RecordPasses(1)) << "it still evaluates records: 5 > 2, but Name is blank";

    data.Data.RemoveItem(&data.Name);
    ASSERT_EQ(extra->GetRoot()->GetCount(), 1);
    EXPECT_EQ(static_cast<TcxFilterCriteriaItem*>(extra->GetRoot()->GetItem(0))->GetItemLink(), &data.Number);
    EXPECT_TRUE(extra->RecordPasses(1));
    EXPECT_FALSE(extra->RecordPasses(0));

    TcxDataFilterCriteria* second = data.Data.CreateFilter();
    delete extra; // a criteria freed by its user leaves the list
    ASSERT_EQ(data.Data.GetFilterList().GetCount(), 1);
    EXPECT_EQ(data.Data.GetFilterList().GetItem(0), second);
    EXPECT_THROW(data.Data.GetFilterList().GetItem(1), EListError);
}
