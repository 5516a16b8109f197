// The table view itself: its stored-layout entries, the columns it copies to the clipboard, when
// cells may merge, the registered view kind and what copying a view carries over.
#include "controls/grid/view/RegisteredViews.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

using GridTableView = TableViewTest;

TEST_F(GridTableView, ItsOwnEntriesLeadTheStoredProperties) {
    TStringList names;
    view->GetStoredProperties(&names);
    ASSERT_GE(names.GetCount(), 6);
    const char* expected[] = {"Footer", "GroupByBox", "GroupFooters", "NewItemRow", "FilterActive", "Filter"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(names.Get(i), expected[i]) << i;
}

TEST_F(GridTableView, StoredGroupFootersAcceptTextsAndTheThreeModes) {
    TcxGridTableOptionsView* options = view->GetOptionsView();
    struct Case {
        Variant stored;
        TcxGridGroupFootersMode restored;
    } cases[] = {
        {Variant(std::string("True")), gfVisibleWhenExpanded},
        {Variant(std::string("False")), gfInvisible},
        {Variant(int32_t(2)), gfAlwaysVisible},
        {Variant(int32_t(7)), gfAlwaysVisible}, // no such mode: the current one stays
        {Variant(int32_t(-1)), gfAlwaysVisible},
        {Variant(int32_t(1)), gfVisibleWhenExpanded},
        {Variant(int32_t(0)), gfInvisible},
    };
    for (const Case& c : cases) {
        view->SetStoredPropertyValue("GroupFooters", c.stored);
        EXPECT_EQ(options->GetGroupFooters(), c.restored) << VarToStr(c.stored);
    }
    options->SetGroupFooters(gfAlwaysVisible);
    Variant value;
    view->GetStoredPropertyValue("GroupFooters", value);
    EXPECT_EQ(value.AsInteger(), 2);
}

TEST_F(GridTableView, StoredBooleansRoundTrip) {
    view->SetStoredPropertyValue("Footer", Variant(std::string("True")));
    view->SetStoredPropertyValue("GroupByBox", Variant(false));
    view->SetStoredPropertyValue("NewItemRow", Variant(true));
    EXPECT_TRUE(view->GetOptionsView()->GetFooter());
    EXPECT_FALSE(view->GetOptionsView()->GetGroupByBox());
    EXPECT_TRUE(view->GetNewItemRow()->GetVisible());
    Variant value;
    view->GetStoredPropertyValue("GroupByBox", value);
    EXPECT_FALSE(value.AsBoolean());
}

TEST_F(GridTableView, CellMultiSelectCopiesOnlySelectedColumnsAndThePreview) {
    TcxGridColumn* issue = AddColumn("Issue");
    TcxGridColumn* red = AddColumn("Red");
    TcxGridColumn* note = AddColumn("Note");
    view->GetPreview()->SetColumn(note);
    view->GetPreview()->SetVisible(true);
    using Items = std::vector<TcxCustomGridTableItem*>;
    EXPECT_EQ(view->GetCopyToClipboardItems(false), (Items{issue, red, note}));

    view->GetOptionsSelection()->SetCellMultiSelect(true);
    EXPECT_EQ(view->GetCopyToClipboardItems(false), (Items{note})) << "no column selected";
    red->SetSelected(true);
    EXPECT_EQ(view->GetCopyToClipboardItems(false), (Items{red, note}));
    EXPECT_EQ(view->GetCopyToClipboardItems(true), (Items{issue, red, note})) << "copying all takes every column";
    view->GetOptionsBehavior()->SetCopyPreviewToClipboard(false);
    EXPECT_EQ(view->GetCopyToClipboardItems(false), (Items{red}));
}

TEST_F(GridTableView, CellsMergeOnlyWithoutPreviewAndSeparators) {
    TcxGridColumn* red = AddColumn("Red");
    TcxGridColumn* note = AddColumn("Note");
    red->GetOptions()->SetCellMerging(true);
    EXPECT_TRUE(red->AllowsCellMerging());
    EXPECT_TRUE(view->HasCellMergingColumns());
    EXPECT_FALSE(red->CanEditFocusedCell()) << "a merging column edits no cell";

    view->GetOptionsView()->SetRowSeparatorWidth(1);
    EXPECT_FALSE(red->AllowsCellMerging());
    view->GetOptionsView()->SetRowSeparatorWidth(0);
    view->GetPreview()->SetColumn(note);
    view->GetPreview()->SetVisible(true);
    EXPECT_FALSE(red->AllowsCellMerging());
    EXPECT_FALSE(view->HasCellMergingColumns());
}

TEST_F(GridTableView, RecordsHaveEqualHeightsOnlyInAPlainView) {
    AddColumn("Red");
    EXPECT_TRUE(view->IsEqualHeightRecords());
    view->GetOptionsView()->SetGridLines(glVertical);
    EXPECT_FALSE(view->IsEqualHeightRecords()) << "the last row carries a bottom line";
    view->GetOptionsView()->SetRowSeparatorWidth(2);
    EXPECT_TRUE(view->IsEqualHeightRecords());
}

TEST_F(GridTableView, IsRegisteredAsTheTableKind) {
    TcxGridRegisteredViews* views = GetGridRegisteredViews();
    const int index = views->IndexOfClass(TcxGridTableView::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(views->GetDescription(index), "Table");
    EXPECT_EQ(view->GetLayoutCaption(), "Columns customization");
}

TEST_F(GridTableView, AssigningAViewCopiesItsSpecialRowsAndEvents) {
    int clicks = 0;
    view->SetOnColumnHeaderClick([&](TcxGridTableView*, TcxGridColumn*) { ++clicks; });
    view->GetFilterRow()->SetVisible(true);
    view->GetFilterRow()->SetApplyChanges(fracImmediately);
    view->GetNewItemRow()->SetSeparatorWidth(9);
    view->GetPreview()->SetMaxLineCount(5);

    TTestGridTableView* copy = NewTableView();
    AddLevel(grid, nullptr, copy);
    copy->Assign(view);
    EXPECT_TRUE(copy->GetFilterRow()->GetVisible());
    EXPECT_NE(copy->GetViewData()->GetFilterRow(), nullptr) << "the filter row exists once shown";
    EXPECT_EQ(copy->GetFilterRow()->GetApplyChanges(), fracImmediately);
    EXPECT_EQ(copy->GetNewItemRow()->GetSeparatorWidth(), 9);
    EXPECT_EQ(copy->GetPreview()->GetMaxLineCount(), 5);
    TcxGridColumn* column = copy->CreateColumn();
    column->DoHeaderClick();
    EXPECT_EQ(clicks, 1);
}

// Writes what an older form kept among the view options.
class TLegacyViewOptions : public TPersistent {
  public:
    void DefineProperties(TFiler* filer) override {
        filer->DefineProperty("NewItemRow", nullptr, [](TWriter& w) { w.WriteBoolean(true); }, true);
        filer->DefineProperty("NewItemRowSeparatorWidth", nullptr, [](TWriter& w) { w.WriteInteger(1); }, true);
        filer->DefineProperty("NewItemRowSeparatorColor", nullptr, [](TWriter& w) { w.WriteString("clWindow"); },
                              true);
        filer->DefineProperty("NewItemRowInfoText", nullptr, [](TWriter& w) { w.WriteString("Add a draw"); }, true);
    }
};

TEST_F(GridTableView, LegacyNewItemRowSettingsAreReadIntoTheNewItemRow) {
    TLegacyViewOptions legacy;
    TMemoryStream stream;
    TWriter(stream).WriteDefinedProperties(legacy);
    stream.SetPosition(0);
    TReader(stream).ReadDefinedProperties(*view->GetOptionsView());
    EXPECT_TRUE(view->GetNewItemRow()->GetVisible());
    EXPECT_EQ(view->GetNewItemRow()->GetSeparatorWidth(), 2) << "a 1-pixel separator is corrected";
    EXPECT_EQ(view->GetNewItemRow()->GetSeparatorColor(), clWindow);
    EXPECT_EQ(view->GetNewItemRow()->GetInfoText(), "Add a draw");
}

} // namespace
} // namespace zorvy::test
