// Dataset-bound table and banded views over the real draws, on SQLite and on PostgreSQL: columns
// made for the fields, columns bound by name (shared, renamed, unmatched), the view with no dataset,
// and a trend window's banded form.
#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/dbviews/DBSummaryItem.h"
#include "controls/grid/dbviews/DBViews.h"
#include "platform/rtl/StringList.h"
#include "data/DataModule.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/rtl/Variant.h"
#include "tests/controls/grid/GridFixture.h"
#include "tests/platform/db/Engines.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class DBViewsTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        InitializeForms();
        InitializeFoundationUnits();
        InitializeGridUnits();
        InitializeTextEditUnit();
        form_ = Application->CreateForm<TForm>();
        form_->SetBounds(0, 0, 865, 694);
        grid_ = new TcxGrid(form_);
        grid_->SetName("cxGrid1");
        grid_->SetParent(form_);
    }
    void TearDown() override {
        delete form_;
        FinalizeTextEditUnit();
        FinalizeGridUnits();
        FinalizeForms();
        FinalizeFoundationUnits();
    }
    template <class View> View* NewView(const std::string& name) {
        auto* view = static_cast<View*>(TcxControlChildComponent::CreateForControl(View::StaticClass(), grid_, true));
        view->SetName(name);
        auto* level = new TcxGridLevel(grid_->GetOwner());
        grid_->GetRootLevel()->Add(level);
        level->SetGridView(view);
        return view;
    }
    TDataSource* OpenDraws(const std::string& sql) {
        TADOQuery* query = NewQuery({sql});
        auto* source = new TDataSource(&owner_);
        source->SetDataSet(query);
        query->Open();
        return source;
    }
    static std::string Lower(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        return text;
    }
    static std::string Text(TcxCustomDataController* data, int record, int item) {
        return VarToStr(data->GetValue(record, item));
    }

    THeadlessDisplay display_;
    TForm* form_ = nullptr;
    TcxGrid* grid_ = nullptr;
};

TEST_P(DBViewsTest, AViewWithoutADatasetHasAllItemsAndMakesNone) {
    auto* view = NewView<TcxGridDBTableView>("cxGrid1DBTableView1");
    TcxGridDBDataController* data = view->GetDataController();
    EXPECT_FALSE(data->IsDataLinked());
    EXPECT_TRUE(data->HasAllItems());
    data->CreateAllItems(false);
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_TRUE(data->SupportsCreateAllItems());
    EXPECT_FALSE(data->IsDataChangeable());
    EXPECT_EQ(data->GetScrollBarPos(), -1);
    EXPECT_FALSE(data->DoScroll(true));
}

TEST_P(DBViewsTest, CreatingAllItemsMakesOneNamedColumnPerFieldOnce) {
    auto* view = NewView<TcxGridDBTableView>("cxGrid1DBTableView1");
    TcxGridDBDataController* data = view->GetDataController();
    data->SetDataSource(OpenDraws("select Issue, EndTime, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"));
    EXPECT_TRUE(data->IsDataLinked());
    EXPECT_FALSE(data->HasAllItems());

    // PostgreSQL gives the names in lower case: the names follow the fields.
    std::vector<std::string> fields;
    for (int i = 0; i < 3; ++i) fields.push_back(data->GetDataSet()->GetFields()[i]->GetFieldName());
    TcxGridDBColumn* own = view->CreateColumn();
    own->GetDataBinding()->SetFieldName("ISSUE");
    data->CreateAllItems(true);
    ASSERT_EQ(view->GetItemCount(), 3);
    EXPECT_EQ(view->GetColumn(1)->GetName(), "cxGrid1DBTableView1" + fields[1]);
    EXPECT_EQ(view->GetColumn(2)->GetName(), "cxGrid1DBTableView1" + fields[2]);
    EXPECT_TRUE(data->HasAllItems());

    // Without MissingOnly every field gets a column; a taken name gets a number.
    data->CreateAllItems(false);
    ASSERT_EQ(view->GetItemCount(), 6);
    EXPECT_EQ(view->GetColumn(3)->GetName(), "cxGrid1DBTableView1" + fields[0]);
    EXPECT_EQ(view->GetColumn(4)->GetName(), "cxGrid1DBTableView1" + fields[1] + "1");
    EXPECT_EQ(view->GetColumn(3)->GetCaption(), fields[0]);
    if (GetParam() == Engine::Sqlite) {
        EXPECT_EQ(view->GetColumn(3)->GetName(), "cxGrid1DBTableView1Issue");
    }

    ASSERT_EQ(data->GetRecordCount(), 3493);
    EXPECT_EQ(Text(data, 0, 3), "2003001");
    EXPECT_EQ(Text(data, 3492, 0), Text(data, 3492, 3));

    data->DeleteAllItems();
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetNextID(), 0);
}

TEST_P(DBViewsTest, ColumnsBindByNameShareValuesAndRebindAlone) {
    auto* view = NewView<TcxGridDBTableView>("cxGrid1DBTableView1");
    TcxGridDBDataController* data = view->GetDataController();
    TcxGridDBColumn* issue = view->CreateColumn();
    TcxGridDBColumn* again = view->CreateColumn();
    TcxGridDBColumn* missing = view->CreateColumn();
    issue->GetDataBinding()->SetFieldName("Issue");
    again->GetDataBinding()->SetFieldName("issue");
    missing->GetDataBinding()->SetFieldName("NoSuchField");
    data->SetDataSource(OpenDraws("select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"));
    ASSERT_EQ(data->GetRecordCount(), 3493);
    EXPECT_EQ(Text(data, 10, 0), Text(data, 10, 1));
    EXPECT_NE(issue->GetDataBinding()->GetField(), nullptr);

    // A name that matches no field: its own name as caption, 64 wide, empty cells.
    EXPECT_EQ(missing->GetDataBinding()->GetField(), nullptr);
    EXPECT_EQ(missing->GetCaption(), "NoSuchField");
    EXPECT_EQ(missing->GetWidth(), 64);
    EXPECT_EQ(Text(data, 10, 2), "");
    // A column with no field name at all is editable as far as the field is concerned.
    EXPECT_FALSE(missing->GetDataBinding()->GetDefaultValuesProviderObject()->CanModifyValue());
    EXPECT_TRUE(view->CreateColumn()->GetDataBinding()->GetDefaultValuesProviderObject()->CanModifyValue());

    // A bound column is as wide as its field's display width in digits, plus 4.
    TField* field = issue->GetDataBinding()->GetField();
    EXPECT_GT(issue->GetWidth(), field->GetDisplayWidth());
    EXPECT_EQ((issue->GetWidth() - 4) % field->GetDisplayWidth(), 0);

    again->GetDataBinding()->SetFieldName("ResultA1");
    EXPECT_EQ(issue->GetDataBinding()->GetFieldName(), "Issue");
    EXPECT_EQ(Text(data, 10, 0).size(), 7u);
    EXPECT_NE(Text(data, 10, 1), Text(data, 10, 0));
    EXPECT_THROW(data->GetItemFieldName(7), std::exception);
}

TEST_P(DBViewsTest, ATrendFormShowsItsBandedColumnsInBandOrder) {
    // The position view's draw query, as the trend windows bind it.
    TData dataModule(nullptr);
    if (GetParam() == Engine::Postgres) {
        dataModule.datacon->Close();
        dataModule.datacon->SetConnectionString(PostgresServer::ConnectionString());
    }
    ASSERT_TRUE(dataModule.RefreshView(TTrendView::gw, "2003001", "2026096"));
    auto* view = NewView<TcxGridDBBandedTableView>("cxGrid1DBBandedTableView1");
    TcxGridDBDataController* data = view->GetDataController();
    for (int i = 0; i < 15; ++i) view->GetBands()->Add()->SetCaption("B" + std::to_string(i));
    data->SetDataSource(dataModule.ViewSource(TTrendView::gw));
    data->CreateAllItems(false);
    ASSERT_GE(view->GetItemCount(), 63);

    // 61 columns in row 0 of the bands, four to a band; bgxt and bgbt in none, and so are the others.
    int placed = 0;
    int inFirstBand = 0;
    std::vector<std::string> expected;
    for (int i = 0; i < view->GetItemCount(); ++i) {
        TcxGridDBBandedColumn* column = view->GetColumn(i);
        const std::string name = Lower(column->GetDataBinding()->GetFieldName());
        if (name == "bgxt" || name == "bgbt" || name == "lotteryid" || placed == 61) {
            column->GetPosition()->SetBandIndex(-1);
            column->SetVisible(false);
            continue;
        }
        column->GetPosition()->SetBandIndex(std::min(placed / 4, 14));
        column->GetPosition()->SetRowIndex(0);
        ++placed;
        if (name == "endtime" || name == "resulta1") continue;
        expected.push_back(name);
        if (placed <= 4) ++inFirstBand;
    }
    ASSERT_EQ(placed, 61);
    for (const char* hidden : {"endtime", "resulta1"})
        for (int i = 0; i < view->GetItemCount(); ++i)
            if (Lower(view->GetColumn(i)->GetDataBinding()->GetFieldName()) == hidden) view->GetColumn(i)->SetVisible(false);

    EXPECT_EQ(view->GetBands()->GetRootItemCount(), 15);
    ASSERT_EQ(view->GetVisibleItemCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < view->GetVisibleItemCount(); ++i)
        EXPECT_EQ(Lower(static_cast<TcxGridDBBandedColumn*>(view->GetVisibleItem(i))->GetDataBinding()->GetFieldName()),
                  expected[static_cast<size_t>(i)]);
    EXPECT_EQ(data->GetRecordCount(), 3493);

    // Hiding band 0 hides Issue, the first column.
    TcxGridDBBandedColumn* issue = static_cast<TcxGridDBBandedColumn*>(view->GetVisibleItem(0));
    EXPECT_EQ(Lower(issue->GetDataBinding()->GetFieldName()), "issue");
    view->GetBands()->GetItem(0)->SetVisible(false);
    EXPECT_FALSE(issue->GetActuallyVisible());
    EXPECT_EQ(view->GetVisibleItemCount(), static_cast<int>(expected.size()) - inFirstBand);
}

TEST_P(DBViewsTest, SummaryItemsLinkColumnsAndKeepTheirStoredNames) {
    auto* view = NewView<TcxGridDBBandedTableView>("cxGrid1DBBandedTableView1");
    TcxGridDBDataController* data = view->GetDataController();
    data->SetDataSource(OpenDraws("select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"));
    data->CreateAllItems(false);
    ASSERT_EQ(view->GetItemCount(), 2);
    TcxDataSummaryItem* added = data->GetSummary().FooterSummaryItems().AddLinked(view->GetColumn(0), spFooter, "", skCount);
    auto* item = dynamic_cast<TcxGridDBTableSummaryItem*>(added);
    ASSERT_NE(item, nullptr) << "the view's summary items are of the dataset-bound kind";
    EXPECT_TRUE(item->GetVisibleForCustomization());
    EXPECT_EQ(item->GetColumn(), view->GetColumn(0));
    EXPECT_EQ(VarToStr(data->GetSummary().FooterValue(0)), std::to_string(data->GetRecordCount()));

    TStringList properties;
    item->GetStoredProperties(&properties);
    ASSERT_EQ(properties.GetCount(), 1);
    EXPECT_EQ(properties.Get(0), "Column");
    EXPECT_EQ(item->GetStoredObjectName(), "");
    Variant stored;
    item->GetStoredPropertyValue("Column", stored);
    EXPECT_EQ(VarToStr(stored), view->GetColumn(0)->GetStoredObjectName());

    // Restoring names a column by its stored name; an unknown name or a value that is no text unlinks.
    item->SetStoredPropertyValue("Column", Variant(view->GetColumn(1)->GetStoredObjectName()));
    EXPECT_EQ(item->GetColumn(), view->GetColumn(1));
    item->SetStoredPropertyValue("Column", Variant(std::string("NoSuchColumn")));
    EXPECT_EQ(item->GetColumn(), nullptr);
    item->GetStoredPropertyValue("Column", stored);
    EXPECT_EQ(VarToStr(stored), "");

    item->SetDisplayText("count");
    item->SetVisibleForCustomization(false);
    TcxDataSummaryItem* copy = data->GetSummary().FooterSummaryItems().NewItem();
    copy->Assign(item);
    EXPECT_EQ(static_cast<TcxGridDBTableSummaryItem*>(copy)->GetDisplayText(), "count");
    EXPECT_FALSE(static_cast<TcxGridDBTableSummaryItem*>(copy)->GetVisibleForCustomization());
}

ZORVY_ON_BOTH_ENGINES(DBViewsTest);

} // namespace
} // namespace zorvy::test
