// A table view's styles: which of content, even, odd, the content event, selection and inactive
// give a record's cell its colours and font.
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/TableViewStyles.h"
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

class TableViewStyles : public TableTest {
  protected:
    TableViewStyles() : repository(new TcxStyleRepository(nullptr)) {
        item = view->AddTestItem("Ball");
        Fill({{"1"}, {"2"}, {"3"}, {"4"}});
    }
    ~TableViewStyles() override { delete repository; }
    TcxCustomGridTableViewStyles* Styles() const { return view->GetTableStyles(); }
    const TcxCustomLookAndFeelPainter* Painter() const { return view->GetLookAndFeelPainter(); }
    TcxCustomGridRecord* Record(int index) const { return view->GetViewData()->GetRecord(index); }
    TcxStyle* NewStyle(TColor colour, TColor textColour = clDefault) {
        auto* style = static_cast<TcxStyle*>(repository->CreateStyle(TcxStyle::StaticClass()));
        style->SetColor(colour);
        style->SetTextColor(textColour);
        return style;
    }
    TcxPartParams Content(int record) {
        TcxPartParams params;
        Styles()->GetContentParams(Record(record), item, params);
        return params;
    }

    TcxStyleRepository* repository;
    TTestTableItem* item;
};

TEST_F(TableViewStyles, WithoutStylesRecordsTakeTheEvenAndOddDefaults) {
    ASSERT_NE(Painter(), nullptr);
    EXPECT_EQ(Content(0).Color, Painter()->DefaultContentEvenColor());
    EXPECT_EQ(Content(1).Color, Painter()->DefaultContentOddColor());
    for (int record : {0, 1}) {
        EXPECT_EQ(Content(record).TextColor, Painter()->DefaultContentTextColor());
        EXPECT_NE(Content(record).Font, nullptr) << "the grid's font";
    }
    TcxPartParams noRecord;
    Styles()->GetContentParams(nullptr, item, noRecord);
    EXPECT_EQ(noRecord.Color, Painter()->DefaultContentColor());
}

TEST_F(TableViewStyles, AnOddStyleHidesContentForOddRecordsOnly) {
    Styles()->SetContent(NewStyle(clYellow, clNavy));
    Styles()->SetContentOdd(NewStyle(clAqua));
    EXPECT_EQ(Content(0).Color, clYellow);
    EXPECT_EQ(Content(2).Color, clYellow);
    EXPECT_EQ(Content(1).Color, clAqua);
    EXPECT_EQ(Content(3).Color, clAqua);
    EXPECT_EQ(Content(1).TextColor, Painter()->DefaultContentTextColor())
        << "the odd style leaves its text colour to the odd defaults, not to Content";

    Styles()->SetContentEven(NewStyle(clLime));
    EXPECT_EQ(Content(0).Color, clLime);
}

TEST_F(TableViewStyles, TheContentEventWinsOverTheOddStyle) {
    Styles()->SetContentOdd(NewStyle(clAqua, clNavy));
    TcxStyle* third = NewStyle(clRed);
    std::vector<int> asked;
    Styles()->SetOnGetContentStyle([&](TcxCustomGridTableView* sender, TcxCustomGridRecord* record,
                                       TcxCustomGridTableItem* askedItem, TcxStyle*& style) {
        EXPECT_EQ(sender, view);
        EXPECT_EQ(askedItem, item);
        asked.push_back(record->GetIndex());
        if (record->GetIndex() == 3) style = third;
    });
    EXPECT_EQ(Content(3).Color, clRed);
    EXPECT_EQ(Content(3).TextColor, clNavy) << "what the handler's style leaves open comes from ContentOdd";
    EXPECT_EQ(Content(1).Color, clAqua);
    EXPECT_EQ(asked, (std::vector<int>{3, 3, 1}));

    TcxPartParams noRecord;
    Styles()->GetContentParams(nullptr, item, noRecord);
    EXPECT_EQ(asked.size(), 3u) << "no record, no event";
}

TEST_F(TableViewStyles, SelectedCellsTakeTheActiveOrInactiveColoursOverTheCellFont) {
    TcxStyle* content = NewStyle(clDefault);
    TFont font;
    font.SetSize(17);
    content->SetFont(&font);
    Styles()->SetContent(content);
    TBitmap picture;
    picture.SetSize(4, 4);
    TcxStyle* inactive = NewStyle(clDefault);
    inactive->SetBitmap(&picture);
    Styles()->SetInactive(inactive);

    auto* other = static_cast<TTestTableView*>(
        TcxControlChildComponent::CreateForControl(TTestTableView::StaticClass(), grid, true));
    AddLevel(grid, nullptr, other);
    other->SetFocused(true);
    ASSERT_FALSE(view->IsFocusedView());
    TcxPartParams params;
    Styles()->GetSelectionParams(Record(1), item, params);
    EXPECT_EQ(params.Color, Painter()->DefaultInactiveColor());
    EXPECT_EQ(params.TextColor, Painter()->DefaultInactiveTextColor());
    ASSERT_NE(params.Font, nullptr);
    EXPECT_EQ(params.Font->GetSize(), 17) << "the font of the cell's content";
    EXPECT_EQ(params.Bitmap, nullptr) << "selected cells never show a bitmap";

    view->SetFocused(true);
    ASSERT_TRUE(view->IsFocusedView());
    Styles()->GetSelectionParams(Record(1), item, params);
    EXPECT_EQ(params.Color, Painter()->DefaultSelectionColor());
    EXPECT_EQ(params.TextColor, Painter()->DefaultSelectionTextColor());
    Styles()->SetSelection(NewStyle(clPurple));
    Styles()->GetSelectionParams(nullptr, nullptr, params);
    EXPECT_EQ(params.Color, clPurple);
}

TEST_F(TableViewStyles, OtherIndexesAndObjects) {
    TcxPartParams params;
    params.Color = clMaroon;
    params.TextColor = clOlive;
    TObject notAnItem;
    Styles()->GetCellParams(Record(0), &notAnItem, params);
    EXPECT_EQ(params.Color, clMaroon) << "a cell that is not an item's is left alone";
    Styles()->GetCellParams(Record(0), item, params);
    EXPECT_EQ(params.Color, Content(0).Color);

    Styles()->GetViewParams(vsIncSearch, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, clDefault);
    EXPECT_EQ(params.TextColor, clDefault);
    Styles()->GetViewParams(vsFilterBox, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, Painter()->DefaultFilterBoxColor());
    EXPECT_EQ(params.TextColor, Painter()->DefaultFilterBoxTextColor());
}

TEST_F(TableViewStyles, AssignCopiesTheStylesAndTheEvent) {
    TcxStyle* odd = NewStyle(clAqua);
    TcxStyle* selection = NewStyle(clPurple);
    Styles()->SetContentOdd(odd);
    Styles()->SetSelection(selection);
    int calls = 0;
    Styles()->SetOnGetContentStyle([&](auto*, auto*, auto*, TcxStyle*&) { ++calls; });

    TcxCustomGridTableViewStyles copy(view);
    copy.Assign(Styles());
    EXPECT_EQ(copy.GetContentOdd(), odd);
    EXPECT_EQ(copy.GetSelection(), selection);
    EXPECT_EQ(copy.GetContent(), nullptr);
    TcxPartParams params;
    copy.GetContentParams(Record(0), item, params);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace zorvy::test
