// The lookup combo box over the first five real draws on SQLite and on PostgreSQL: keys and their
// texts, typed texts, the grid-mode cache, several key fields, lookup fields, circular links, stepping,
// and the filter helper. Expected texts are the draw file's own lines.
#include "controls/dbeditors/DBEditDefaults.h"
#include "controls/dbeditors/DBRegisteredRepositoryItems.h"
#include "controls/dbeditors/LookupComboBox.h"
#include "controls/dbeditors/LookupDBGrid.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Forms.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/db/Engines.h"
#include "tests/platform/db/MemoryDataSet.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

// Forms on a headless display, the editor units and the default editors per field type.
struct LookupUnits {
    LookupUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeTextEditUnit();
        RegisterDefaultEditorsByValueType();
        RegisterDefaultEditorsByFieldType();
        InitializeLookupComboBoxUnit();
    }
    ~LookupUnits() {
        FinalizeLookupComboBoxUnit();
        UnregisterDefaultEditorsByFieldType();
        UnregisterDefaultEditorsByValueType();
        FinalizeTextEditUnit();
        FinalizeEditUnit();
        FinalizeForms();
        FinalizeFoundationUnits();
    }
};

// ResultA1 and ResultB1 of the first five lines of the draw file.
constexpr const char* kReds[] = {"10 11 12 13 26 28", "04 09 19 20 21 26", "01 07 10 23 28 32",
                                 "04 06 07 10 13 25", "04 06 15 17 30 31"};
constexpr const char* kIssues[] = {"2003001", "2003002", "2003003", "2003004", "2003005"};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

class LookupComboBoxTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        list_ = NewQuery({"select Issue, ResultA1, ResultB1 from LotteryIssue where Issue < '2003006' order by Issue"});
        listSource_ = new TDataSource(&owner_);
        listSource_->SetDataSet(list_);
        list_->Open();
    }
    void TearDown() override {
        editor_ = nullptr;
        properties_.reset();
    }

    // Keys are issues; the list shows the given fields, the display column is `displayIndex`.
    TcxLookupComboBoxProperties* NewProperties(const std::string& fields = "Issue;ResultA1", int displayIndex = 1,
                                               const std::string& keys = "Issue") {
        properties_ = std::make_unique<TcxLookupComboBoxProperties>(nullptr);
        properties_->SetListSource(listSource_);
        properties_->SetKeyFieldNames(keys);
        properties_->SetListFieldNames(fields);
        properties_->SetListFieldIndex(displayIndex);
        return properties_.get();
    }
    // A shown editor with a copy of the properties.
    TcxLookupComboBox* NewEditor(TcxLookupComboBoxProperties* properties) {
        TForm* form = Application->CreateForm<TForm>();
        form->SetBounds(10, 10, 300, 200);
        editor_ = new TcxLookupComboBox(form);
        editor_->SetParent(form);
        editor_->SetProperties(properties);
        form->Show();
        Application->ProcessMessages();
        return editor_;
    }

    THeadlessDisplay display_;
    LookupUnits units_;
    TADOQuery* list_ = nullptr;
    TDataSource* listSource_ = nullptr;
    std::unique_ptr<TcxLookupComboBoxProperties> properties_;
    TcxLookupComboBox* editor_ = nullptr;
};

TEST_P(LookupComboBoxTest, AKeyShowsItsRowsTextAndATextWithoutARowIsNull) {
    for (bool gridMode : {false, true}) {
        SCOPED_TRACE(gridMode ? "grid mode" : "all records");
        TcxLookupComboBoxProperties* p = NewProperties();
        p->SetGridMode(gridMode);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(p->GetDisplayText(Variant(kIssues[i])), kReds[i]);
        EXPECT_EQ(p->GetDisplayText(Variant("1999001")), "");
        EXPECT_EQ(p->GetDisplayText(Variant::Null()), "");

        TcxLookupComboBox* edit = NewEditor(p);
        edit->SetEditValue(Variant("2003002"));
        EXPECT_EQ(edit->ReadDisplayText(), kReds[1]);
        EXPECT_EQ(VarToStr(edit->TextToEditValue(Variant(std::string(kReds[2])))), "2003003");
        EXPECT_TRUE(edit->TextToEditValue(Variant("no such draw")).IsNull());
    }
}

TEST_P(LookupComboBoxTest, InGridModeTheCacheAnswersAKeySeenBeforeAlsoWhenItHadNoRow) {
    TcxLookupComboBoxProperties* p = NewProperties();
    p->SetGridMode(true);
    EXPECT_EQ(p->GetDisplayText(Variant("2003004")), kReds[3]);
    EXPECT_EQ(p->GetDisplayText(Variant("1999001")), "");
    // With the list closed nothing can be located: only the cache still knows the key.
    p->Lock();
    list_->Close();
    EXPECT_EQ(p->GetDisplayText(Variant("2003004")), kReds[3]);
    EXPECT_EQ(p->GetDisplayText(Variant("2003005")), "");
    p->Unlock();
    list_->Open();
    EXPECT_EQ(p->GetDisplayText(Variant("2003005")), kReds[4]);
    // A change notice empties the cache.
    p->Lock();
    list_->Close();
    p->Unlock();
    p->Changed();
    EXPECT_EQ(p->GetDisplayText(Variant("2003004")), "");
}

TEST_P(LookupComboBoxTest, ADatabaseErrorDuringALookupIsReportedNotTakenAsNoRow) {
    TcxLookupComboBoxProperties* p = NewProperties();
    p->SetGridMode(true);
    p->SetKeyFieldNames("NoSuchColumn");
    EXPECT_THROW(p->GetDisplayText(Variant("2003001")), EDatabaseError);
    // Nothing was kept for the key: asking again reports again.
    EXPECT_THROW(p->GetDisplayText(Variant("2003001")), EDatabaseError);
}

TEST_P(LookupComboBoxTest, TwoKeyFieldsMakeArrayKeysAndAnArrayOfNullsForNoRow) {
    TcxLookupComboBoxProperties* p = NewProperties("Issue;ResultA1", 1, "Issue;ResultB1");
    const Variant empty = p->GetEmptyKey();
    ASSERT_TRUE(empty.IsArray());
    ASSERT_EQ(empty.Array()->Items().size(), 2u);
    EXPECT_TRUE(empty.Array()->At({0}).IsNull());
    EXPECT_TRUE(empty.Array()->At({1}).IsNull());
    EXPECT_EQ(p->GetDisplayText(VarArrayOf({Variant("2003004"), Variant("03")})), kReds[3]);

    TcxLookupComboBox* edit = NewEditor(p);
    const Variant none = edit->TextToEditValue(Variant("no such draw"));
    ASSERT_TRUE(none.IsArray());
    EXPECT_TRUE(none.Array()->At({0}).IsNull());
    EXPECT_TRUE(none.Array()->At({1}).IsNull());
    const Variant found = edit->TextToEditValue(Variant(std::string(kReds[0])));
    ASSERT_TRUE(found.IsArray());
    EXPECT_EQ(VarToStr(found.Array()->At({0})), "2003001");
    EXPECT_EQ(VarToStr(found.Array()->At({1})), "11");
}

TEST_P(LookupComboBoxTest, ListFieldNamesMakeTheColumnsAndTheDisplayColumnStaysWithinThem) {
    TcxLookupComboBoxProperties* p = NewProperties("Issue;ResultA1;ResultB1", 0);
    EXPECT_EQ(p->GetListColumnCount(), 3);
    EXPECT_EQ(p->GetListFieldNames(), "Issue;ResultA1;ResultB1");
    p->SetListFieldIndex(5);
    EXPECT_EQ(p->GetListFieldIndex(), 2);

    TcxLookupComboBoxProperties two(nullptr);
    two.SetListSource(listSource_);
    two.SetListFieldNames("Issue;ResultB1");
    p->SetListColumns(two.GetListColumns());
    EXPECT_EQ(p->GetListFieldNames(), "Issue;ResultB1");
    EXPECT_EQ(p->GetListFieldIndex(), 1);
    EXPECT_EQ(p->GetDisplayText(Variant("2003004")), "03");
}

TEST_P(LookupComboBoxTest, TheTextOfTheCurrentKeyKeepsItWhereAnotherRowHasTheSameText) {
    // ResultB1 is "16" in 2003003 and in 2003005.
    TcxLookupComboBoxProperties* p = NewProperties("Issue;ResultB1", 1);
    TcxLookupComboBox* edit = NewEditor(p);
    edit->SetEditValue(Variant("2003005"));
    EXPECT_EQ(edit->ReadDisplayText(), "16");
    EXPECT_EQ(VarToStr(edit->TextToEditValue(Variant("16"))), "2003005");
    edit->SetEditValue(Variant("2003001"));
    EXPECT_EQ(VarToStr(edit->TextToEditValue(Variant("16"))), "2003003");
}

TEST_P(LookupComboBoxTest, TheTextIsTheValueOnlyInAnEditListShowingItsOneKeyField) {
    TcxLookupComboBoxProperties* p = NewProperties("Issue;ResultA1", 0);
    EXPECT_FALSE(p->IsTextTheValue()); // a fixed edit list
    p->SetDropDownListStyle(lsEditList);
    EXPECT_TRUE(p->IsTextTheValue());
    TcxLookupComboBox* edit = NewEditor(p);
    EXPECT_EQ(VarToStr(edit->TextToEditValue(Variant("2099999"))), "2099999");
    p->SetListFieldIndex(1);
    EXPECT_FALSE(p->IsTextTheValue());
    p->SetListFieldIndex(0);
    p->SetKeyFieldNames("Issue;ResultB1");
    EXPECT_FALSE(p->IsTextTheValue());
}

TEST_P(LookupComboBoxTest, SteppingAndTypingMoveTheKeyThroughTheRows) {
    TcxLookupComboBox* edit = NewEditor(NewProperties());
    TcxCustomLookupEditLookupData* data = edit->GetLookupEditData();
    edit->SetEditValue(Variant("2003005"));
    data->StepItem(eldNext, false);
    EXPECT_EQ(VarToStr(data->GetCurrentKey()), "2003005") << "the last row stays without cycling";
    data->StepItem(eldNext, true);
    EXPECT_EQ(VarToStr(data->GetCurrentKey()), "2003001") << "cycling goes on with the first row";
    EXPECT_EQ(edit->ReadDisplayText(), kReds[0]);
    data->StepItem(eldLast, false);
    EXPECT_EQ(VarToStr(data->GetCurrentKey()), "2003005");
    data->StepItem(eldPrevious, false);
    EXPECT_EQ(VarToStr(data->GetCurrentKey()), "2003004");

    std::string text = "04 0", tail;
    ASSERT_TRUE(data->FindCompletion(text, tail, false, false));
    EXPECT_EQ(text + tail, kReds[1]);
    EXPECT_EQ(VarToStr(data->GetCurrentKey()), "2003002");
    text = "05";
    EXPECT_FALSE(data->FindCompletion(text, tail, false, false));
}

TEST_P(LookupComboBoxTest, TheOpenListFiltersWhileTypingAndTakesItsFocusedRowOnEnter) {
    for (TcxEditDropDownListStyle style : {lsEditFixedList, lsEditList}) {
        SCOPED_TRACE(style == lsEditList ? "edit list" : "fixed edit list");
        TcxLookupComboBoxProperties* p = NewProperties();
        p->SetDropDownListStyle(style);
        TcxLookupComboBox* edit = NewEditor(p);
        edit->SetEditValue(Variant("2003001"));
        edit->SetFocus();
        edit->DropDown();
        Application->ProcessMessages();
        TcxCustomLookupEditLookupData* data = edit->GetLookupEditData();
        TcxCustomLookupGrid* grid = edit->GetActiveProperties()->GetListGrid();
        ASSERT_TRUE(data->IsListOpen());
        EXPECT_EQ(grid->GetParent(), edit->GetPopupWindow());
        EXPECT_EQ(grid->GetRowCount(), 5);

        std::string text = "04", tail;
        ASSERT_TRUE(data->FindCompletion(text, tail, false, false));
        EXPECT_EQ(grid->GetRowCount(), 3) << "the rows of 2003002, 2003004 and 2003005";
        text = "04 9";
        EXPECT_FALSE(data->FindCompletion(text, tail, false, false));
        // Only list texts are accepted: the list keeps the rows of what was typed before.
        EXPECT_EQ(grid->GetRowCount(), style == lsEditList ? 0 : 3);

        text = "04 06 1";
        ASSERT_TRUE(data->FindCompletion(text, tail, false, false));
        InjectKey(VK_RETURN, true);
        InjectKey(VK_RETURN, false);
        Application->ProcessMessages();
        EXPECT_FALSE(edit->GetDroppedDown());
        EXPECT_FALSE(data->IsListOpen());
        EXPECT_EQ(edit->ReadDisplayText(), kReds[4]);
        EXPECT_EQ(grid->GetRowCount(), 5) << "closing ends the filter";
        ASSERT_TRUE(edit->ValidateInput(false));
        EXPECT_EQ(VarToStr(edit->GetEditValue()), "2003005");
        delete edit->GetParent();
        editor_ = nullptr;
    }
}

// The data-bound grid with its scroll reaction reachable, called as the scroll bar would.
class TTestLookupDBGrid : public TcxCustomLookupDBGrid {
  public:
    using TcxCustomLookupDBGrid::TcxCustomLookupDBGrid;
    using TcxCustomLookupDBGrid::ScrollContent;
};

TEST_P(LookupComboBoxTest, InGridModeTheScrollBarStandsForTheListDatasetsRecords) {
    TADOQuery* draws = NewQuery({"select Issue, ResultA1 from LotteryIssue where Issue < '2003031' order by Issue"});
    auto* source = new TDataSource(&owner_);
    source->SetDataSet(draws);
    draws->Open();
    ASSERT_EQ(draws->GetRecordCount(), 30);
    TForm* form = Application->CreateForm<TForm>();
    form->SetBounds(10, 10, 300, 300);
    auto* grid = new TTestLookupDBGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 250, 150);
    grid->SetKeyFieldNames("Issue");
    grid->SetColumnFieldNames("Issue;ResultA1");
    grid->GetDBDataController()->GetDataModeController().SetGridMode(true);
    grid->SetDataSource(source);
    form->Show();
    Application->ProcessMessages();
    grid->FullRefresh();
    const int visible = grid->GetViewInfo()->FullyVisibleRowCount;
    ASSERT_GT(visible, 2);
    const TcxControlScrollBar* bar = grid->GetVScrollBar();
    EXPECT_EQ(bar->GetMin(), 0);
    EXPECT_EQ(bar->GetMax(), 30 + visible - 2); // the last record can stand at the thumb's top
    EXPECT_EQ(bar->GetPageSize(), visible);
    EXPECT_EQ(bar->GetPosition(), 0);

    int pos = 0;
    grid->ScrollContent(sbVertical, scLineDown, pos);
    EXPECT_EQ(draws->GetRecNo(), 2);
    EXPECT_EQ(pos, 1);
    pos = 19;
    grid->ScrollContent(sbVertical, scPosition, pos);
    EXPECT_EQ(VarToStr(draws->FieldByName("Issue")->GetValue()), "2003020");
    EXPECT_EQ(pos, 19);
    Application->ProcessMessages();
    EXPECT_EQ(bar->GetPosition(), 19);
    grid->ScrollContent(sbVertical, scLineUp, pos);
    EXPECT_EQ(draws->GetRecNo(), 19);
    pos = 5;
    grid->ScrollContent(sbVertical, scTrack, pos); // only the thumb's end moves the dataset
    EXPECT_EQ(pos, 18);
    pos = 30 + visible - 2;
    grid->ScrollContent(sbVertical, scPosition, pos); // past the last record: the last one
    EXPECT_EQ(VarToStr(draws->FieldByName("Issue")->GetValue()), "2003030");
    EXPECT_EQ(pos, 29);

    grid->GetDBDataController()->GetDataModeController().SetGridMode(false);
    grid->FullRefresh();
    EXPECT_EQ(bar->GetMax(), 29); // all records loaded: one position a row
}

TEST_P(LookupComboBoxTest, ALookupFieldDefinesTheListAndRefusesOtherDefinitions) {
    TADOQuery* reds = NewQuery({"select Issue as DrawIssue, ResultA1 as DrawReds from LotteryIssue"});
    TADOQuery* draws = NewQuery({"select Issue, EndTime from LotteryIssue where Issue < '2003004' order by Issue"});
    auto* lookup = new TWideStringField(draws);
    lookup->SetFieldName("Reds");
    lookup->SetFieldKind(TFieldKind::fkLookup);
    lookup->SetLookupDataSet(reds);
    lookup->SetKeyFields("Issue");
    lookup->SetLookupKeyFields("DrawIssue");
    lookup->SetLookupResultField("DrawReds");
    lookup->SetDataSet(draws);
    auto* drawsSource = new TDataSource(&owner_);
    drawsSource->SetDataSet(draws);
    reds->Open();
    draws->Open();

    TcxLookupComboBoxProperties* p = NewProperties();
    TcxCustomDBEditDefaultValuesProvider provider;
    provider.SetDataSource(drawsSource);
    provider.SetField(lookup);
    p->AttachDefaultValuesProvider(&provider);
    p->Changed();

    EXPECT_TRUE(p->IsDefinedByLookupField());
    EXPECT_EQ(p->GetListSource(), nullptr);
    EXPECT_EQ(p->GetKeyFieldNames(), "DrawIssue");
    ASSERT_GE(p->IndexOfListColumn("DrawReds"), 0);
    EXPECT_EQ(p->GetListFieldIndex(), p->IndexOfListColumn("DrawReds"));
    EXPECT_EQ(p->GetDisplayText(Variant("2003003")), kReds[2]);
    // A cell that is not edited shows the field's own text; an edited one the key's text.
    Variant shown;
    p->ToDisplayValue(Variant("as the field says"), shown, false);
    EXPECT_EQ(VarToStr(shown), "as the field says");
    p->ToDisplayValue(Variant("2003001"), shown, true);
    EXPECT_EQ(VarToStr(shown), kReds[0]);

    const std::string refused = "Property already defined by lookup field";
    EXPECT_EQ(ErrorOf([&] { p->SetKeyFieldNames("Issue"); }), refused);
    EXPECT_EQ(ErrorOf([&] { p->SetListFieldIndex(0); }), refused);
    EXPECT_EQ(ErrorOf([&] { p->SetListSource(listSource_); }), refused);
    EXPECT_EQ(p->GetKeyFieldNames(), "DrawIssue");
    p->DropDefaultValuesProvider();
}

TEST_P(LookupComboBoxTest, AListSourceOfTheEditedDatasetIsRefusedAsACircularLink) {
    TADOQuery* draws = NewQuery({"select Issue, ResultA1 from LotteryIssue where Issue < '2003004'"});
    auto* drawsSource = new TDataSource(&owner_);
    drawsSource->SetDataSet(draws);
    draws->Open();
    TcxLookupComboBoxProperties* p = NewProperties();
    TcxCustomDBEditDefaultValuesProvider provider;
    provider.SetDataSource(drawsSource);
    provider.SetField(draws->FieldByName("Issue"));
    p->AttachDefaultValuesProvider(&provider);

    EXPECT_EQ(ErrorOf([&] { p->SetListSource(drawsSource); }), "Circular datalinks are not allowed");
    EXPECT_EQ(p->GetListSource(), listSource_);
    EXPECT_EQ(p->GetDisplayText(Variant("2003002")), kReds[1]);
    p->DropDefaultValuesProvider();
}

ZORVY_ON_BOTH_ENGINES(LookupComboBoxTest);

// A dataset whose records follow a master's data source.
class DetailDataSet : public MemoryDataSet {
  public:
    DetailDataSet(TDataSource* master)
        : MemoryDataSet({TDataSet::SourceColumn{"Key", TFieldType::ftInteger}}, {{int64_t(1)}}), master_(master) {}
    TDataSource* GetDataSource() const override { return master_; }

  private:
    TDataSource* master_;
};

TEST(LookupLinkChain, AMasterOfTheEditedDatasetIsInItsLinkChain) {
    THeadlessDisplay display;
    LookupUnits units;
    MemoryDataSet top({TDataSet::SourceColumn{"Key", TFieldType::ftInteger}}, {{int64_t(1)}});
    TDataSource topSource(nullptr);
    topSource.SetDataSet(&top);
    DetailDataSet middle(&topSource);
    TDataSource middleSource(nullptr);
    middleSource.SetDataSet(&middle);
    DetailDataSet bottom(&middleSource);
    MemoryDataSet other({TDataSet::SourceColumn{"Key", TFieldType::ftInteger}}, {{int64_t(1)}});
    TDataSource otherSource(nullptr);
    otherSource.SetDataSet(&other);
    EXPECT_TRUE(IsDataSetInLinkChain(&topSource, &bottom));
    EXPECT_TRUE(IsDataSetInLinkChain(&middleSource, &bottom));
    EXPECT_FALSE(IsDataSetInLinkChain(&middleSource, &top));
    EXPECT_FALSE(IsDataSetInLinkChain(&otherSource, &bottom));

    bottom.Open();
    TcxLookupComboBoxProperties p(nullptr);
    TcxCustomDBEditDefaultValuesProvider provider;
    provider.SetField(bottom.FieldByName("Key"));
    p.AttachDefaultValuesProvider(&provider);
    EXPECT_EQ(ErrorOf([&] { p.SetListSource(&topSource); }), "Circular datalinks are not allowed");
    EXPECT_NO_THROW(p.SetListSource(&otherSource));
    p.DropDefaultValuesProvider();
}

TEST(LookupComboBoxFilter, AFilterValueIsAListValueComparedByTheFourKeyOperators) {
    THeadlessDisplay display;
    LookupUnits units;
    TcxFilterLookupComboBoxHelper helper;
    const TcxFilterControlOperators expected = FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) |
                                               FilterOperatorBit(fcoBlanks) | FilterOperatorBit(fcoNonBlanks);
    EXPECT_EQ(helper.GetAllowedOperators(nullptr, nullptr, false), expected);
    EXPECT_EQ(expected, 0x606u);
    TcxLookupComboBoxProperties p(nullptr), source(nullptr);
    helper.PrepareFilterProperties(&p, &source, false);
    EXPECT_EQ(p.GetDropDownListStyle(), lsFixedList);
    EXPECT_TRUE(p.GetDropDownAutoSize());
    EXPECT_TRUE(p.GetPopupSizeable());
    EXPECT_TRUE(p.GetIncrementalFiltering());
    // Only a lookup field's column filters through it.
    EXPECT_FALSE(helper.SupportsFiltering(&p));
}

TEST(LookupComboBoxItem, EditorsSharingAnItemShareItsOneList) {
    THeadlessDisplay display;
    LookupUnits units;
    TcxEditRepository repository(nullptr);
    auto* item = static_cast<TcxEditRepositoryLookupComboBoxItem*>(
        repository.CreateItem(TcxEditRepositoryLookupComboBoxItem::StaticClass()));
    item->GetProperties()->SetListFieldNames("Issue;ResultA1");
    TForm* form = Application->CreateForm<TForm>();
    auto* first = new TcxLookupComboBox(form);
    auto* second = new TcxLookupComboBox(form);
    first->SetRepositoryItem(item);
    second->SetRepositoryItem(item);
    EXPECT_EQ(first->GetActiveProperties()->GetListGrid(), second->GetActiveProperties()->GetListGrid());
    EXPECT_EQ(second->GetActiveProperties()->GetListFieldNames(), "Issue;ResultA1");
    EXPECT_NE(first->GetActiveProperties()->GetListGrid(),
              static_cast<TcxLookupComboBoxProperties*>(first->TcxCustomEdit::GetProperties())->GetListGrid());
    delete first;
    delete second;
}

TEST(LookupEditKeys, NavigationKeysAreThoseOfAListUnlessAltIsHeldAndHomeAndEndNeedCtrl) {
    TcxCustomLookupEditProperties p(nullptr);
    struct Case {
        std::uint16_t key;
        TShiftState shift;
        bool navigation;
    };
    const Case cases[] = {
        {VK_PRIOR, 0, true},      {VK_NEXT, 0, true},     {VK_UP, 0, true},       {VK_DOWN, ssShift, true},
        {VK_DOWN, ssAlt, false},  {VK_PRIOR, ssAlt, false}, {VK_HOME, 0, false},  {VK_END, 0, false},
        {VK_HOME, ssCtrl, true},  {VK_END, ssCtrl, true}, {VK_LEFT, 0, false},    {VK_RETURN, 0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(p.IsNavigationKey(c.key, c.shift), c.navigation) << c.key;
}

} // namespace
} // namespace zorvy::test
