// The bands model of a banded view: IDs, display order, nesting, rows of columns, visibility of
// columns through their bands, the banded options' bounds and the stored layout of bands and
// columns.
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/editors/text/TextEditUnit.h"
#include "platform/rtl/StringList.h"
#include "tests/controls/grid/GridFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class BandsTest : public GridTest {
  protected:
    BandsTest() {
        InitializeTextEditUnit();
        form_ = NewForm();
        grid_ = NewGrid(form_);
        view_ = static_cast<TcxGridBandedTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), grid_, true));
        AddLevel(grid_, nullptr, view_);
    }
    ~BandsTest() override { FinalizeTextEditUnit(); }

    TcxGridBands* Bands() const { return view_->GetBands(); }
    TcxGridBand* AddBand(const std::string& caption) {
        TcxGridBand* band = Bands()->Add();
        band->SetCaption(caption);
        return band;
    }
    TcxGridBandedColumn* AddColumn(const std::string& caption, TcxGridBand* band) {
        TcxGridBandedColumn* column = view_->CreateColumn();
        column->SetCaption(caption);
        column->GetPosition()->SetBandIndex(band ? band->GetIndex() : -1);
        return column;
    }
    static std::vector<std::string> Captions(const std::vector<TcxGridBand*>& bands) {
        std::vector<std::string> result;
        for (TcxGridBand* band : bands) result.push_back(band->GetCaption());
        return result;
    }
    std::vector<std::string> VisibleBands() const {
        std::vector<TcxGridBand*> bands;
        for (int i = 0; i < Bands()->GetVisibleCount(); ++i) bands.push_back(Bands()->GetVisibleItem(i));
        return Captions(bands);
    }
    std::vector<std::string> VisibleColumns() const {
        std::vector<std::string> result;
        for (int i = 0; i < view_->GetVisibleItemCount(); ++i) result.push_back(view_->GetVisibleItem(i)->GetCaption());
        return result;
    }
    // "caption" per column of each row of the band.
    static std::vector<std::vector<std::string>> Rows(TcxGridBand* band) {
        std::vector<std::vector<std::string>> result;
        for (int r = 0; r < band->GetRows()->GetCount(); ++r) {
            result.emplace_back();
            TcxGridBandRow* row = band->GetRows()->GetItem(r);
            for (int c = 0; c < row->GetCount(); ++c) result.back().push_back(row->GetItem(c)->GetCaption());
        }
        return result;
    }

    TForm* form_;
    TcxGrid* grid_;
    TcxGridBandedTableView* view_;
};

TEST_F(BandsTest, AViewMadeAtRunTimeHasNoBandAndItsColumnsBelongToNone) {
    EXPECT_EQ(Bands()->GetCount(), 0);
    TcxGridBandedColumn* column = view_->CreateColumn();
    EXPECT_EQ(column->GetPosition()->GetBandIndex(), -1);
    EXPECT_TRUE(column->GetVisible());
    EXPECT_FALSE(column->GetActuallyVisible());
    EXPECT_FALSE(column->IsVisibleForCustomization());
    EXPECT_EQ(view_->GetVisibleItemCount(), 0);

    // Once a band is there, a new column joins the first visible bottom band's first row.
    TcxGridBand* band = AddBand("A");
    TcxGridBandedColumn* joined = view_->CreateColumn();
    EXPECT_EQ(joined->GetPosition()->GetBand(), band);
    EXPECT_EQ(joined->GetPosition()->GetRowIndex(), 0);
    EXPECT_EQ(column->GetPosition()->GetBand(), nullptr);
}

TEST_F(BandsTest, TheHighestIDComesBackOnlyWhenItsBandIsDeleted) {
    for (const char* caption : {"A", "B", "C", "D"}) AddBand(caption);
    EXPECT_EQ(Bands()->GetItem(3)->GetStoredObjectName(), "Band3");
    delete Bands()->GetItem(3);
    EXPECT_EQ(AddBand("E")->GetStoredObjectName(), "Band3");
    delete Bands()->GetItem(1);
    EXPECT_EQ(AddBand("F")->GetID(), 4);
    EXPECT_EQ(Bands()->FindItemByID(1), nullptr);
    EXPECT_EQ(Bands()->FindItemByID(3)->GetCaption(), "E");
}

TEST_F(BandsTest, VisibleBandsOrderLeftFixedThenOthersThenRightFixed) {
    TcxGridBand* right = AddBand("R");
    AddBand("N1");
    TcxGridBand* left = AddBand("L");
    AddBand("N2");
    right->SetFixedKind(fkRight);
    left->SetFixedKind(fkLeft);
    EXPECT_EQ(VisibleBands(), (std::vector<std::string>{"L", "N1", "N2", "R"}));
    EXPECT_EQ(Bands()->GetVisibleLeftFixedCount(), 1);
    EXPECT_EQ(Bands()->GetVisibleRightFixedCount(), 1);
    EXPECT_EQ(Bands()->GetFirstVisibleRootIndex(fkNone), 1);
    EXPECT_EQ(Bands()->GetLastVisibleRootIndex(fkNone), 2);

    // Columns follow the same order, whatever order they were made in.
    AddColumn("r", right);
    AddColumn("n2", Bands()->GetItem(3));
    AddColumn("l", left);
    AddColumn("n1", Bands()->GetItem(1));
    EXPECT_EQ(VisibleColumns(), (std::vector<std::string>{"l", "r", "n1", "n2"}));

    left->SetVisible(false);
    EXPECT_EQ(VisibleBands(), (std::vector<std::string>{"N1", "N2", "R"}));
    EXPECT_EQ(VisibleColumns(), (std::vector<std::string>{"r", "n1", "n2"}));
}

TEST_F(BandsTest, ColumnsMoveBetweenRowsAndEmptyRowsAreFreed) {
    TcxGridBand* band = AddBand("A");
    TcxGridBandedColumn* a = AddColumn("a", band);
    TcxGridBandedColumn* b = AddColumn("b", band);
    TcxGridBandedColumn* c = AddColumn("c", band);
    EXPECT_EQ(Rows(band), (std::vector<std::vector<std::string>>{{"a", "b", "c"}}));

    // A row index past the last row makes a new last row.
    b->GetPosition()->SetRowIndex(5);
    EXPECT_EQ(Rows(band), (std::vector<std::vector<std::string>>{{"a", "c"}, {"b"}}));
    EXPECT_EQ(b->GetPosition()->GetRowIndex(), 1);
    c->GetPosition()->SetRowIndex(1);
    c->GetPosition()->SetColIndex(0);
    EXPECT_EQ(Rows(band), (std::vector<std::vector<std::string>>{{"a"}, {"c", "b"}}));
    EXPECT_EQ(band->GetRows()->GetLineCount(), 2);

    // Moving the last column out of the first row frees it; the rest move up.
    a->GetPosition()->SetRowIndex(1);
    EXPECT_EQ(Rows(band), (std::vector<std::vector<std::string>>{{"c", "b", "a"}}));
    EXPECT_TRUE(a->IsLastInRow());
    EXPECT_TRUE(c->IsFirstInRow());
    EXPECT_TRUE(c->IsLeftmostInView());
    EXPECT_TRUE(a->IsRightmostInView());

    // A negative row or column index is ignored.
    a->GetPosition()->SetRowIndex(-3);
    a->GetPosition()->SetColIndex(-1);
    EXPECT_EQ(Rows(band), (std::vector<std::vector<std::string>>{{"c", "b", "a"}}));
}

TEST_F(BandsTest, HeaderLineCountAddsTheRowsLargestLineCounts) {
    TcxGridBand* band = AddBand("A");
    TcxGridBandedColumn* tall = AddColumn("tall", band);
    TcxGridBandedColumn* low = AddColumn("low", band);
    low->GetPosition()->SetRowIndex(1);
    tall->GetPosition()->SetLineCount(2);
    EXPECT_EQ(Bands()->GetLineCount(), 3);
    EXPECT_EQ(Bands()->GetVisibleRowCount(), 2);
    EXPECT_EQ(low->GetPosition()->GetRow()->GetLineOffset(), 2);
    tall->GetPosition()->SetLineCount(0);
    EXPECT_EQ(tall->GetPosition()->GetLineCount(), 1);
}

TEST_F(BandsTest, NestingMovesTheParentsColumnsIntoTheChildAndHidingAParentHidesThem) {
    TcxGridBand* parent = AddBand("Parity");
    TcxGridBandedColumn* a = AddColumn("a", parent);
    TcxGridBandedColumn* b = AddColumn("b", parent);
    b->GetPosition()->SetRowIndex(1);
    TcxGridBand* child = AddBand("Odd");
    child->GetPosition()->SetBandIndex(parent->GetIndex());
    EXPECT_EQ(a->GetPosition()->GetBand(), child);
    EXPECT_EQ(Rows(child), (std::vector<std::vector<std::string>>{{"a"}, {"b"}}));
    EXPECT_EQ(parent->GetColumnCount(), 0);
    EXPECT_TRUE(Bands()->HasNestedBands());
    EXPECT_EQ(child->GetLevel(), 1);

    view_->GetOptionsView()->SetBandCaptionsInColumnAlternateCaption(true);
    EXPECT_EQ(a->GetAlternateCaptionText(), "Parity-Odd-a");
    view_->GetOptionsView()->SetBandCaptionsInColumnAlternateCaption(false);
    EXPECT_EQ(a->GetAlternateCaptionText(), "a");

    parent->SetVisible(false);
    EXPECT_FALSE(a->GetActuallyVisible());
    EXPECT_EQ(view_->GetVisibleItemCount(), 0);
    parent->SetVisible(true);
    EXPECT_EQ(VisibleColumns(), (std::vector<std::string>{"a", "b"}));

    // A parent of a different fixed kind sends the child back to the root.
    child->SetFixedKind(fkLeft);
    EXPECT_TRUE(child->IsRoot());

    // Moving a band under its own descendant first lifts its children to its parent.
    child->GetPosition()->SetBandIndex(parent->GetIndex());
    child->SetFixedKind(fkNone);
    child->GetPosition()->SetBandIndex(parent->GetIndex());
    TcxGridBand* grandChild = AddBand("Deep");
    grandChild->GetPosition()->SetBandIndex(child->GetIndex());
    parent->GetPosition()->SetBandIndex(grandChild->GetIndex());
    EXPECT_EQ(parent->GetParentBand(), grandChild);
    EXPECT_FALSE(parent->IsParentOf(parent));
    EXPECT_TRUE(child->IsRoot());
}

TEST_F(BandsTest, DeletingABandTakesItsColumnsOutAndLiftsItsChildren) {
    TcxGridBand* parent = AddBand("P");
    TcxGridBand* child = AddBand("C");
    child->GetPosition()->SetBandIndex(parent->GetIndex());
    TcxGridBandedColumn* column = AddColumn("c", child);
    delete parent;
    EXPECT_TRUE(child->IsRoot());
    EXPECT_EQ(column->GetPosition()->GetBand(), child);
    delete child;
    EXPECT_EQ(column->GetPosition()->GetBandIndex(), -1);
    EXPECT_FALSE(column->GetActuallyVisible());
    EXPECT_EQ(Bands()->GetVisibleCount(), 0);
}

TEST_F(BandsTest, BandRulesAndBoundedOptions) {
    TcxGridBand* only = AddBand("A");
    EXPECT_FALSE(only->CanHide());
    EXPECT_EQ(only->GetMinWidth(), 20);
    AddColumn("a", only);
    EXPECT_EQ(only->GetMinWidth(), 0);
    only->SetWidth(-5);
    EXPECT_EQ(only->GetWidth(), 0);
    only->SetWidth(80);
    only->GetOptions()->SetSizing(false);
    EXPECT_EQ(only->GetMinWidth(), 80);
    EXPECT_FALSE(only->CanSize());
    AddBand("B");
    EXPECT_TRUE(only->CanHide());
    EXPECT_EQ(AddBand("")->GetDisplayName(), "<Empty caption>");

    struct Case {
        int given, expected;
        void (TcxGridBandedTableOptionsView::*set)(int);
        int (TcxGridBandedTableOptionsView::*get)() const;
    };
    TcxGridBandedTableOptionsView* options = view_->GetOptionsView();
    for (const Case& c : {Case{0, 1, &TcxGridBandedTableOptionsView::SetBandHeaderLineCount,
                               &TcxGridBandedTableOptionsView::GetBandHeaderLineCount},
                          Case{-5, 0, &TcxGridBandedTableOptionsView::SetBandHeaderHeight,
                               &TcxGridBandedTableOptionsView::GetBandHeaderHeight},
                          Case{-1, 0, &TcxGridBandedTableOptionsView::SetFixedBandSeparatorWidth,
                               &TcxGridBandedTableOptionsView::GetFixedBandSeparatorWidth}}) {
        (options->*c.set)(c.given);
        EXPECT_EQ((options->*c.get)(), c.expected);
    }
    view_->GetOptionsCustomize()->SetBandsQuickCustomizationMaxDropDownCount(-4);
    EXPECT_EQ(view_->GetOptionsCustomize()->GetBandsQuickCustomizationMaxDropDownCount(), 0);

    // Nested bands can never be reordered in the quick-customization list.
    view_->GetOptionsCustomize()->SetBandsQuickCustomizationReordering(qcrEnabled);
    EXPECT_TRUE(view_->GetOptionsCustomize()->SupportsBandsQuickCustomizationReordering());
    Bands()->GetItem(1)->GetPosition()->SetBandIndex(0);
    EXPECT_FALSE(view_->GetOptionsCustomize()->SupportsBandsQuickCustomizationReordering());
}

TEST_F(BandsTest, AStoredLayoutPutsBandsAndColumnsBackAndIgnoresWhatItCannotUse) {
    TcxGridBand* a = AddBand("A");
    TcxGridBand* b = AddBand("B");
    TcxGridBandedColumn* x = AddColumn("x", a);
    TcxGridBandedColumn* y = AddColumn("y", a);
    TcxGridBandedColumn* z = AddColumn("z", b);
    TcxGridBand* outer = AddBand("O");
    TcxGridBand* nested = AddBand("N");
    nested->GetPosition()->SetBandIndex(outer->GetIndex());
    TcxGridBandedColumn* w = AddColumn("w", nested);

    // What is stored for the band B and the columns.
    Variant value;
    b->GetStoredPropertyValue("Index", value);
    EXPECT_EQ(value.AsInteger(), 1);
    x->GetStoredPropertyValue("RowIndex", value);
    EXPECT_EQ(value.AsInteger(), 0);
    TStringList names;
    x->GetStoredProperties(&names);
    ASSERT_GE(names.GetCount(), 4);
    EXPECT_EQ(names[0], "BandIndex");
    EXPECT_EQ(names[3], "LineCount");

    view_->BeforeRestoring();
    b->SetStoredPropertyValue("Index", Variant(0));
    b->SetStoredPropertyValue("Width", Variant(90));
    a->SetStoredPropertyValue("BandIndex", Variant(0)); // the band B, now at index 0
    a->SetStoredPropertyValue("ColIndex", Variant(0));
    z->SetStoredPropertyValue("BandIndex", Variant(99)); // no such band: in none
    y->SetStoredPropertyValue("RowIndex", Variant(1));
    y->SetStoredPropertyValue("ColIndex", Variant(-7));
    x->SetStoredPropertyValue("LineCount", Variant("two")); // not a number: kept
    a->SetStoredPropertyValue("Visible", Variant("maybe"));
    view_->AfterRestoring();

    EXPECT_EQ(b->GetIndex(), 0);
    EXPECT_EQ(b->GetWidth(), 90);
    EXPECT_EQ(a->GetParentBand(), b);
    // What the layout does not name stays where it was.
    EXPECT_EQ(nested->GetParentBand(), outer);
    EXPECT_EQ(w->GetPosition()->GetBand(), nested);
    EXPECT_EQ(z->GetPosition()->GetBand(), nullptr);
    EXPECT_EQ(Rows(a), (std::vector<std::vector<std::string>>{{"x"}, {"y"}}));
    EXPECT_EQ(x->GetPosition()->GetLineCount(), 1);
    EXPECT_TRUE(a->GetVisible());

    // The collection's children: one per band, named by ID; an unknown class makes none.
    TStringList children;
    Bands()->ListChildren(&children);
    EXPECT_EQ(children.GetCount(), 4);
    EXPECT_EQ(Bands()->CreateChild("Band7", "TcxGridColumn"), nullptr);
    auto* restored = static_cast<TcxGridBand*>(Bands()->CreateChild("Band7", "TcxGridBand"));
    EXPECT_EQ(restored->GetID(), 7);
    EXPECT_EQ(static_cast<TcxGridBand*>(Bands()->CreateChild("Band7", "TcxGridBand"))->GetID(), 8);
}

TEST_F(BandsTest, AssigningBandsMatchesThemByIDAndDropsTheSurplus) {
    AddBand("A");
    AddBand("B");
    AddBand("C");
    auto* other = static_cast<TcxGridBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), grid_, true));
    TcxGridBand* otherB = other->GetBands()->Add();
    TcxGridBand* otherA = other->GetBands()->Add();
    otherB->SetCaption("b");
    otherA->SetCaption("a");
    otherA->GetPosition()->SetBandIndex(0);
    // The first band of the other view has ID 0 and the second ID 1: the captions swap places.
    other->GetBands()->Assign(Bands());
    EXPECT_EQ(other->GetBands()->GetCount(), 3);
    EXPECT_EQ(other->GetBands()->FindItemByID(0)->GetCaption(), "A");
    EXPECT_TRUE(other->GetBands()->FindItemByID(1)->IsRoot());
    Bands()->Assign(other->GetBands());
    delete Bands()->GetItem(2);
    other->GetBands()->Assign(Bands());
    EXPECT_EQ(other->GetBands()->GetCount(), 2);
    EXPECT_EQ(other->GetBands()->GetNextID(), 2);
    delete other;
}

} // namespace
} // namespace zorvy::test
