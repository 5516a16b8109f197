// The analysis window and its trend windows over the real draw history: opening on the last 100 draws,
// docking each view over the range, the divisor, the hidden-columns group, the way to the condition
// assistant, and what it does with a short or empty history or a view that cannot open.
#include "app/AnalysisForm.h"
#include "app/AnalysisText.h"
#include "app/ConditionAssistant.h"
#include "app/TrendForm.h"
#include "calendar/TransDate.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/data/DataSummary.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "data/DataModule.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "tests/app/AppFixture.h"
#include "tests/support/Draws.h"

#include <sstream>

namespace zorvy::test {
namespace {

class AnalysisWindow : public AppTest {
  protected:
    explicit AnalysisWindow(DrawDatabase::Contents contents = DrawDatabase::RealDraws) : AppTest(contents) {}

    static void ChooseView(int view) { Frfx->ButtonGroup1->ClickItem(view); }
    static void ChooseFeature(TTrendForm* form, int kind) {
        form->ComboBox1->SetItemIndex(kind);
        form->ComboBox1Change(form->ComboBox1);
    }
    static TADOQuery* Docked() { return Data->ViewQuery(Frfx->CurrentTrendForm()->GetView()); }
    static std::string FirstIssue(TADOQuery* query) {
        query->First();
        const std::string issue = query->FieldByName("Issue")->GetAsString();
        query->Last();
        return issue;
    }
    static std::string LastIssue(TADOQuery* query) {
        query->Last();
        return query->FieldByName("Issue")->GetAsString();
    }
    static void SetHiddenColumns(bool issue, bool date, bool result) {
        Frfx->yinchangchk->SetItemState(0, issue ? cbsChecked : cbsUnchecked);
        Frfx->yinchangchk->SetItemState(1, date ? cbsChecked : cbsUnchecked);
        Frfx->yinchangchk->SetItemState(2, result ? cbsChecked : cbsUnchecked);
        Frfx->yinchangchkPropertiesChange(Frfx->yinchangchk);
    }

    static std::string Field(TcxCustomGridTableItem* item) {
        return static_cast<TcxGridDBBandedColumn*>(item)->GetDataBinding()->GetFieldName();
    }
    // The footer value of a column's summary.
    static Variant Footer(TTrendForm* form, const std::string& field) {
        TcxDataSummary& summary = form->cxGrid1DBBandedTableView1->GetDataController()->GetSummary();
        for (int i = 0; i < summary.FooterSummaryItems().GetCount(); ++i)
            if (static_cast<TcxDataSummaryItem*>(summary.FooterSummaryItems().GetItem(i))->GetItemLink() ==
                form->Column(field))
                return summary.FooterValue(i);
        return Variant();
    }

    const std::vector<DrawRow> draws = ReadDraws();
};

TEST_F(AnalysisWindow, OpensOnTheLastHundredDrawsAndNamesTheNextDraw) {
    Start();
    ASSERT_NE(Frfx, nullptr);
    EXPECT_EQ(Frfx->startcom->GetText(), draws[draws.size() - 100].issue);
    EXPECT_EQ(Frfx->Endcom->GetText(), draws.back().issue);
    EXPECT_EQ(Frfx->startcom->GetProperties()->GetItems().size(), draws.size());
    EXPECT_EQ(Frfx->chusvcom->GetText(), "16");
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
    EXPECT_FALSE(Frfx->dataRefresh->GetEnabled());
    EXPECT_FALSE(Frfx->bttjshezhi->GetEnabled());

    // The caption names the issue after the last and the draw day after its date.
    int year = 0, month = 0, day = 0;
    ASSERT_EQ(std::sscanf(draws.back().endTime.c_str(), "%d-%d-%d", &year, &month, &day), 3);
    const TDateTime next = NextDrawDate(EncodeDate(year, month, day));
    const std::string caption = Frfx->GetCaption();
    EXPECT_EQ(caption.rfind("数据分析    下期开奖信息:第" +
                                std::to_string(std::stoi(draws.back().issue) + 1) + "期 " +
                                std::to_string(MonthOf(next)) + "月 " + std::to_string(DayOf(next)) + "日 周",
                            0),
              0u)
        << caption;

    // The main window's lunar calendar gives the lunar day: 2008-12-02 is the fifth of the eleventh month.
    EXPECT_EQ(Frfx->NextDrawCaption(2008140, EncodeDate(2008, 11, 30)),
              "数据分析    下期开奖信息:第2008141期 12月 2日 周2  农历日：5");
    EXPECT_EQ(Frmain->TransDate1->GetDate(), EncodeDate(2008, 12, 2));

    // The tool button shows it.
    ASSERT_TRUE(Frmain->ToolButtons[5]->GetEnabled());
    Frmain->ToolButtons[5]->OnClick(Frmain->ToolButtons[5]);
    EXPECT_TRUE(Frfx->GetVisible());
}

TEST_F(AnalysisWindow, EachViewDocksItsTrendWindowOverTheRange) {
    Start();
    const std::string first = draws[draws.size() - 100].issue;
    for (int view = 0; view < TrendViewCount; ++view) {
        SCOPED_TRACE(view);
        ChooseView(view);
        EXPECT_EQ(CurrentView, view);
        TTrendForm* form = TFrfx::TrendForm(view);
        ASSERT_EQ(Frfx->CurrentTrendForm(), form);
        EXPECT_EQ(form->GetParent(), Frfx->Panel2);
        EXPECT_TRUE(form->GetVisible());
        EXPECT_EQ(form->GetBorderStyle(), bsNone);
        EXPECT_TRUE(Frfx->Panel2->GetVisible());
        EXPECT_FALSE(Frfx->Panel4->GetVisible());
        EXPECT_TRUE(Frfx->dataRefresh->GetEnabled());
        EXPECT_EQ(Frfx->chusvcom->GetText(), view == 7 ? "21" : "16");
        TADOQuery* query = Docked();
        ASSERT_TRUE(query->GetActive());
        EXPECT_EQ(query->GetRecordCount(), 100);
        EXPECT_EQ(FirstIssue(query), first);
        EXPECT_EQ(LastIssue(query), draws.back().issue);
        EXPECT_EQ(Data->Frfx.chusvcom, Frfx->chusvcom->GetText());
        // The range band of the advanced view reaches fw20, the others' fw15.
        EXPECT_EQ(query->FindField("fw20") != nullptr, view == 7);
        // Every shown column finds its field (bgxt and bgbt are never shown).
        for (const TTrendBand& band : TrendBands(form->GetView()))
            for (const TTrendColumn& column : band.Columns)
                EXPECT_NE(query->FindField(column.Field), nullptr) << column.Field;
        // The hot/warm/cold line the data module wrote after the last row.
        EXPECT_EQ(form->Label5->GetCaption(), Data->TrendWindows[view].Label5);
    }
}

TEST_F(AnalysisWindow, TheDockedGridShowsTheRangeInItsBands) {
    Start();
    for (int view : {1, 7, 0}) {
        SCOPED_TRACE(view);
        ChooseView(view);
        TTrendForm* form = TFrfx::TrendForm(view);
        TcxGridDBBandedTableView* grid = form->cxGrid1DBBandedTableView1;
        ASSERT_NE(grid, nullptr);
        TcxCustomDataController* data = grid->GetDataController();
        ASSERT_EQ(data->GetRecordCount(), 100);
        EXPECT_EQ(VarToStr(data->GetValue(0, 0)), draws[draws.size() - 100].issue);
        EXPECT_EQ(VarToStr(data->GetValue(99, 0)), draws.back().issue);
        EXPECT_EQ(grid->GetBands()->GetCount(), 15);
        EXPECT_EQ(grid->GetBands()->GetItem(6)->GetCaption(), "上下3期余数和值");
        EXPECT_EQ(grid->GetBands()->GetItem(14)->GetCaption(), view == 0 || view == 7 ? "6位热温冷" : "个位热温冷");
        // The collection: 63 columns (68 with the advanced range), the interval columns at 35 (40).
        const bool advanced = view == 7;
        ASSERT_EQ(grid->GetItemCount(), advanced ? 68 : 63);
        EXPECT_EQ(Field(grid->GetColumn(advanced ? 40 : 35)), "JJ0");
        EXPECT_EQ(Field(grid->GetColumn(1)), "ResultA1");
        EXPECT_EQ(form->Column("fw20") != nullptr, advanced);
        // Shown in band order: 期号 then 值差, 奇偶, 余数, 上尾和余同非, 上和余同非, 上下3期余数和值.
        const char* shown[] = {"Issue", "Jsv", "Jsca", "Js", "Ous", "y0", "y1", "y2", "f0", "f1", "H0", "H1", "sx3hz"};
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(Field(grid->GetVisibleItem(i)), shown[i]) << i;
        EXPECT_FALSE(form->Column("EndTime")->GetVisible());
        EXPECT_FALSE(form->Column("bgxt")->GetVisible());
        // The footer counts the draws and the marks of a mark column.
        EXPECT_EQ(VarToStr(Footer(form, "Issue")), "100");
        int odd = 0;
        for (int r = 0; r < 100; ++r)
            if (!VarIsNull(data->GetValue(r, grid->IndexOfItem(form->Column("Js"))))) ++odd;
        EXPECT_EQ(VarToStr(Footer(form, "Js")), std::to_string(odd));
    }
    // The serial window shades every second band.
    ASSERT_NE(Frbianma->cxStyle1, nullptr);
    EXPECT_EQ(Frbianma->Column("Js")->GetStyles()->GetContent(), Frbianma->cxStyle1);
    EXPECT_EQ(Frbianma->Column("Jsv")->GetStyles()->GetContent(), nullptr);
}

TEST_F(AnalysisWindow, ChoosingAFeatureColoursTheIntervalColumns) {
    Start();
    ChooseView(1);
    for (int kind : {0, 1, 6}) {
        ChooseFeature(Frgw, kind);
        const std::string values = Frgw->Edit1->GetText();
        // Which intervals lie between two different values, worked from the shown list itself.
        std::istringstream words(values);
        std::vector<int> v;
        for (int x; words >> x;) v.push_back(x);
        v.resize(6, 0);
        for (int k = 0; k < 7; ++k) {
            const bool marked = k == 0 || k == 6 || v[static_cast<size_t>(k - 1)] != v[static_cast<size_t>(k)];
            EXPECT_EQ(Frgw->Column("JJ" + std::to_string(k))->GetStyles()->GetContent(), marked ? MarkStyle : PlainStyle)
                << values << " JJ" << k;
        }
    }
    EXPECT_EQ(MarkStyle->GetColor(), TColor(65280));

    // On screen: a marked interval cell is pure green, a plain one keeps the view's colour.
    Frfx->Show();
    TcxGridDBBandedTableView* grid = Frgw->cxGrid1DBBandedTableView1;
    static_cast<TcxGridTableController*>(grid->GetController())->MakeItemVisible(Frgw->Column("JJ6"));
    Application->ProcessMessages();
    auto* rows = static_cast<TcxGridTableViewInfo*>(grid->GetViewInfo())->GetRowsViewInfo();
    ASSERT_GT(rows->GetCount(), 0);
    auto* row = rows->GetItem(0);
    const auto pixel = [&](const std::string& field) {
        TcxGridTableDataCellViewInfo* cell = row->GetCellViewInfoByItem(Frgw->Column(field));
        EXPECT_NE(cell, nullptr) << field;
        if (!cell) return std::uint32_t{0};
        // A point of the cell away from its text.
        const TPoint inSite{cell->Bounds.Left + 2, cell->Bounds.Top + 2};
        const TPoint onScreen = grid->GetSite()->ClientToScreen(inSite);
        const TPoint origin = Frfx->ClientToScreen({0, 0});
        HBITMAP image = display.Capture(Frfx->GetHandle());
        const std::uint32_t p = image->Row(onScreen.Y - origin.Y)[onScreen.X - origin.X] & 0xFFFFFF;
        DeleteObject(image);
        return p;
    };
    const std::string values = Frgw->Edit1->GetText();
    std::istringstream words(values);
    std::vector<int> v;
    for (int x; words >> x;) v.push_back(x);
    v.resize(6, 0);
    EXPECT_EQ(pixel("JJ0"), 0x00FF00u);
    EXPECT_EQ(pixel("JJ6"), 0x00FF00u);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(pixel("JJ" + std::to_string(k)) == 0x00FF00u, v[static_cast<size_t>(k - 1)] != v[static_cast<size_t>(k)])
            << values << " JJ" << k;
}

TEST_F(AnalysisWindow, RangeAndDivisorChangesReopenTheView) {
    Start();
    ChooseView(2);
    Frfx->startcom->SetText(draws[draws.size() - 10].issue);
    Frfx->dataRefreshClick(Frfx->dataRefresh);
    EXPECT_EQ(Docked()->GetRecordCount(), 10);

    // Back on the units view: it shows the range chosen now, not the one it was opened with.
    ChooseView(1);
    EXPECT_EQ(Docked()->GetRecordCount(), 10);
    EXPECT_EQ(FirstIssue(Docked()), draws[draws.size() - 10].issue);

    // The whole history, divided by 3: every draw is marked in one of fw0 .. fw2 only.
    Frfx->startcom->SetText(draws.front().issue);
    Frfx->chusvcom->SetText("3");
    Frfx->chusvcomPropertiesChange(Frfx->chusvcom);
    TADOQuery* query = Docked();
    EXPECT_EQ(query->GetRecordCount(), static_cast<int>(draws.size()));
    EXPECT_EQ(Data->Frfx.chusvcom, "3");
    for (query->First(); !query->GetEof(); query->Next())
        for (int i = 3; i < 16; ++i)
            ASSERT_EQ(query->FieldByName("fw" + std::to_string(i))->GetAsString(), "")
                << query->FieldByName("Issue")->GetAsString() << " fw" << i;

    // The advanced view sets its own divisor.
    ChooseView(7);
    EXPECT_EQ(Data->Frfx.chusvcom, "21");
    // A range that matches no draw gives an empty view, said.
    Frfx->startcom->SetText("1999001");
    Frfx->Endcom->SetText("1999100");
    Frfx->dataRefreshClick(Frfx->dataRefresh);
    EXPECT_TRUE(Docked()->GetActive());
    EXPECT_TRUE(Docked()->IsEmpty());
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "范围 1999001 至 1999100 里没有开奖记录。");
    // A divisor that is no number or below 1 is said; the view stays usable and opens again with a good one.
    Frfx->Endcom->SetText(draws.back().issue);
    Frfx->chusvcom->SetText("0");
    Frfx->chusvcomPropertiesChange(Frfx->chusvcom);
    EXPECT_FALSE(Docked()->GetActive());
    EXPECT_FALSE(Docked()->ControlsDisabled());
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "范围除数“0”不能用：请填1以上的整数。");
    Frfx->chusvcom->SetText("x");
    Frfx->chusvcomPropertiesChange(Frfx->chusvcom);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "范围除数“x”不能用：请填1以上的整数。");
    Frfx->chusvcom->SetText("21");
    Frfx->chusvcomPropertiesChange(Frfx->chusvcom);
    EXPECT_TRUE(Docked()->GetActive());
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
}

TEST_F(AnalysisWindow, HiddenColumnsGroupShowsAndHidesTheFirstBand) {
    Start();
    ChooseView(3);
    EXPECT_EQ(Frbw->GetBasicColumns(), (TBasicColumns{true, false, false, true}));
    SetHiddenColumns(true, true, true);
    EXPECT_EQ(Frbw->GetBasicColumns(), (TBasicColumns{true, true, true, true}));
    EXPECT_TRUE(Frbw->Column("EndTime")->GetVisible());
    SetHiddenColumns(false, false, true);
    EXPECT_EQ(Frbw->GetBasicColumns(), (TBasicColumns{false, false, true, true}));
    EXPECT_FALSE(Frbw->Column("Issue")->GetVisible());
    EXPECT_TRUE(Frbw->Column("ResultA1")->GetVisible());
    // All unticked: a position view hides its first band, the serial view keeps it.
    SetHiddenColumns(false, false, false);
    EXPECT_EQ(Frbw->GetBasicColumns(), (TBasicColumns{false, false, false, false}));
    EXPECT_FALSE(Frbw->cxGrid1DBBandedTableView1->GetBands()->GetItem(0)->GetVisible());
    ChooseView(0);
    EXPECT_EQ(Frbianma->GetBasicColumns(), (TBasicColumns{false, false, false, true}));
    EXPECT_TRUE(Frbianma->cxGrid1DBBandedTableView1->GetBands()->GetItem(0)->GetVisible());
    SetHiddenColumns(true, false, false);
    EXPECT_TRUE(Frbianma->Column("Issue")->GetVisible());
}

TEST_F(AnalysisWindow, AFeatureChosenTargetsItsConditionAndTheAssistantFillsIt) {
    Start();
    ChooseView(6);
    // Choosing a feature in the hundred-thousands window makes the assistant available.
    ChooseFeature(Frsww, 2);
    EXPECT_TRUE(Frfx->bttjshezhi->GetEnabled());
    EXPECT_TRUE(Frfx->btNewzoushi->GetEnabled());
    EXPECT_EQ(AssistantTarget, Frmain->FindComponent("sww3Edit"));
    EXPECT_EQ(Data->TrendWindows[6].ComboBox1, 2);

    ChooseView(7);
    ChooseFeature(Frtb, 15);
    auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent("tb16Edit"));
    ASSERT_EQ(AssistantTarget, edit);
    // Edit1: the feature's values in the last six draws, sorted by value.
    EXPECT_EQ(Frtb->Edit1->GetText(), SortedValueList(LastValuesText(Data->Trend.Last6Values)));
    const std::string values = Frtb->Edit1->GetText();
    EXPECT_EQ(std::count(values.begin(), values.end(), ' '), 6);

    // Confirming in the assistant fills the edit, ticks its box and disables the button again.
    Soon([] {
        FrTjshezhi->Jechk->SetItemIndex(2);
        FrTjshezhi->Bt_addClick(FrTjshezhi->Bt_add);
    });
    Frfx->bttjshezhiClick(Frfx->bttjshezhi);
    EXPECT_EQ(edit->GetText(), "j=0/"); // even
    EXPECT_TRUE(dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent("tb16chk"))->GetChecked());
    EXPECT_FALSE(Frfx->bttjshezhi->GetEnabled());
    EXPECT_FALSE(FrTjshezhi->GetVisible());
    EXPECT_FALSE(AssistantFromAnalysis);

    // No feature chosen: the target stays.
    ChooseView(1);
    Frfx->dataRefreshClick(Frfx->dataRefresh);
    EXPECT_EQ(AssistantTarget, edit);

    // Every feature of every view names an edit of the main window.
    for (int view = 0; view < TrendViewCount; ++view)
        for (int kind = 0; kind < KindCount(static_cast<TTrendView>(view)); ++kind)
            EXPECT_NE(dynamic_cast<TConditionEdit*>(
                          Frmain->FindComponent(AssistantTargetName(static_cast<TTrendView>(view), kind))),
                      nullptr)
                << view << "/" << kind;
}

TEST_F(AnalysisWindow, SerialHintOnlyWhileNeighbourDigitsAreChosen) {
    Start();
    ChooseView(0);
    ChooseFeature(Frbianma, 8);
    Frbianma->ComboBox1MouseEnter(Frbianma->ComboBox1);
    EXPECT_EQ(Frbianma->ComboBox1->GetHint(), NeighbourDigitHint);
    EXPECT_TRUE(Frbianma->ComboBox1->GetShowHint());
    ChooseFeature(Frbianma, 9);
    Frbianma->ComboBox1MouseEnter(Frbianma->ComboBox1);
    EXPECT_FALSE(Frbianma->ComboBox1->GetShowHint());
}

TEST_F(AnalysisWindow, NewTrendPageRefreshesWithoutAScratchTable) {
    Start();
    ChooseView(4);
    Frfx->btNewzoushiClick(Frfx->btNewzoushi);
    EXPECT_TRUE(Frfx->Panel4->GetVisible());
    EXPECT_FALSE(Frfx->Panel2->GetVisible());
    // No trend table yet: the refresh creates it instead of failing on dropping it.
    Data->datacon->Execute("drop table if exists xxtoxx");
    ChooseFeature(Frqw, 0);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
    EXPECT_TRUE(Data->xxtoxxTb->GetActive());
    EXPECT_TRUE(Docked()->GetActive());
    // And again, now that it exists.
    ChooseFeature(Frqw, 1);
    EXPECT_TRUE(Data->xxtoxxTb->GetActive());
}

TEST_F(AnalysisWindow, AViewThatCannotOpenIsSaidAndLeavesTheOthersUsable) {
    Start();
    Data->gw->SetSQL({"select * from NoSuchTable where Issue >= :bid and Issue <= :eid"});
    ChooseView(1);
    EXPECT_FALSE(Data->gw->GetActive());
    EXPECT_FALSE(Data->gw->ControlsDisabled());
    EXPECT_NE(Frfx->Lbproblem->GetCaption().find("无法打开个位特征的走势"), std::string::npos);
    ChooseView(2);
    EXPECT_EQ(Docked()->GetRecordCount(), 100);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
}

TEST_F(AnalysisWindow, AShorterRangeShowsItsLastRowsDownToTheLastDraw) {
    Start();
    Frfx->Show();
    ChooseView(1);
    Application->ProcessMessages();
    // From the 100 draws the window opens on to the last 21: the grid does not stay on its old top row.
    Frfx->startcom->SetText(draws[draws.size() - 21].issue);
    Frfx->dataRefreshClick(Frfx->dataRefresh);
    Application->ProcessMessages();
    TcxGridDBBandedTableView* grid = Frgw->cxGrid1DBBandedTableView1;
    auto* rows = static_cast<TcxGridTableViewInfo*>(grid->GetViewInfo())->GetRowsViewInfo();
    ASSERT_EQ(rows->GetCount(), 21);
    EXPECT_EQ(rows->GetItem(0)->GetGridRecord()->GetIndex(), 0);
    EXPECT_EQ(grid->GetController()->GetFocusedRecord()->GetIndex(), 20);
}

TEST_F(AnalysisWindow, HotWarmAndColdListsFitTheirColumns) {
    Start();
    Frfx->Show();
    ChooseView(0);
    Application->ProcessMessages();
    TcxGridDBBandedTableView* grid = Frbianma->cxGrid1DBBandedTableView1;
    TcxCustomDataController* data = grid->GetDataController();
    TcxCanvas* canvas = grid->GetViewInfo()->GetCanvas();
    int widestList = 0;
    for (const char* field : {"chongv", "Rev", "wenv", "lengv"}) {
        const int item = grid->IndexOfItem(Frbianma->Column(field));
        int widest = 0;
        for (int r = 0; r < data->GetRecordCount(); ++r)
            widest = std::max(widest, canvas->MeasureTextWidth(VarToStr(data->GetValue(r, item))));
        EXPECT_GE(Frbianma->Column(field)->GetWidth(), widest + 4) << field;
        widestList = std::max(widestList, widest);
    }
    // The serial window's lists hold several digits: wider than a mark column.
    EXPECT_GT(widestList, 26);
}

class ShortHistory : public AnalysisWindow {
  protected:
    ShortHistory() : AnalysisWindow(DrawDatabase::Empty) {}
    // A second analysis window over what the database holds now.
    static void Reopen() {
        delete Frfx;
        Frfx = Application->CreateForm<TFrfx>();
    }
};

TEST_F(ShortHistory, AnEmptyHistoryOpensTheWindowAndSaysSo) {
    Start();
    ASSERT_NE(Frfx, nullptr);
    EXPECT_EQ(Frfx->GetCaption(), NoHistoryCaption);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "开奖数据库里还没有开奖记录：走势无从显示。");
    ChooseView(0);
    EXPECT_TRUE(Docked()->IsEmpty());
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "开奖数据库里还没有开奖记录：走势无从显示。");
    ChooseFeature(Frbianma, 0);
    EXPECT_TRUE(Docked()->GetActive());
    EXPECT_TRUE(Frfx->bttjshezhi->GetEnabled());
}

TEST_F(ShortHistory, FewerThanAHundredDrawsStartTheRangeAtTheFirst) {
    Start();
    const std::vector<DrawRow> some(draws.begin(), draws.begin() + 30);
    ASSERT_EQ(ImportDraws(*Data->datacon, some), 30);
    Reopen();
    EXPECT_EQ(Frfx->startcom->GetText(), some.front().issue);
    EXPECT_EQ(Frfx->Endcom->GetText(), some.back().issue);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "开奖记录只有 30 期，不足 100 期：范围从第一期开始。");
    ChooseView(5);
    EXPECT_EQ(Docked()->GetRecordCount(), 30);
}

} // namespace
} // namespace zorvy::test
