// The analysis window's trend-table page over the real draw history: the trend table of the docked view
// (hot/warm/cold and pattern marks worked out here from the view's values), its footer counts and summary,
// the scratch tables created twice, the mode captions, the codes taken from the table and the search for
// equal stretches, a second start refused while a build runs, and the interval colours of a trend window.
#include "tests/app/TrendTablesFixture.h"

namespace zorvy::test {
namespace {

TEST_F(TrendTablesPage, HotWarmColdMarksEveryDrawByItsGap) {
    OpenPage(1, 0);
    Frfx->RwLchk->SetChecked(true);
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    EXPECT_FALSE(Frfx->Panel2->GetVisible());
    EXPECT_TRUE(Frfx->Lbts->GetVisible());
    EXPECT_TRUE(Frfx->cxGrid1DBTableView1->GetColumn(1)->GetVisible());
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");

    // The gap of each value since it last came, counted from the start of the range.
    const std::vector<int32_t> values = ViewValues(Data->gw);
    ASSERT_EQ(values.size(), 100u);
    std::array<int32_t, 51> counters{};
    std::vector<TMarkedRow> expected;
    for (size_t i = 0; i < values.size(); ++i) {
        const int32_t v = values[i];
        if (v > 50) continue;
        for (int32_t& c : counters)
            ++c;
        const int32_t c = counters[v];
        expected.push_back({issues_[i], c == 1 ? "Q0" : c <= 4 ? "Q1" : c <= 9 ? "Q2" : "Q3"});
        counters[v] = 0;
    }
    EXPECT_EQ(TrendRows(), expected);

    // The footer counts the draws under Qh and the marks under each column.
    EXPECT_EQ(FooterCount(Frfx->cxGrid1DBTableView1, 0), static_cast<int>(expected.size()));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(FooterCount(Frfx->cxGrid1DBTableView1, 1 + k),
                  std::count_if(expected.begin(), expected.end(),
                                [k](const TMarkedRow& row) { return row.Column == "Q" + std::to_string(k); }));
    EXPECT_EQ(FooterCount(Frfx->cxGrid1DBTableView1, 5), 0);

    // The summary lists the values that came, by the gap they have now.
    std::array<std::string, 4> lists;
    for (int v = 0; v <= 50; ++v) {
        const int32_t c = counters[v];
        if (c >= counters[30]) continue;
        lists[c == 0 ? 0 : c <= 3 ? 1 : c <= 8 ? 2 : 3] += std::to_string(v) + " ";
    }
    EXPECT_EQ(Frfx->Label14->GetCaption(),
              "重:" + lists[0] + "\r\n热:" + lists[1] + "\r\n温:" + lists[2] + "\r\n冷:" + lists[3] + "\r\n");
    EXPECT_NE(lists[0], "");

    // The prior values show the last five draws of the range, the latest in sh1.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Frfx->sh[i]->GetText(), std::to_string(values[values.size() - 1 - i])) << i;

    // 新值热温 with no prior-value box ticked lists nothing under the four headings.
    Frfx->NewRwLchk->SetChecked(true);
    for (TCheckBox* box : Frfx->Qian)
        box->SetChecked(false);
    Frfx->ShowHotColdSummary();
    EXPECT_EQ(Frfx->Label14->GetCaption(), "重:\r\n热:\r\n温:\r\n冷:\r\n");
}

TEST_F(TrendTablesPage, ParityPatternsMarkTheirCodeAndHideTheValueColumns) {
    OpenPage(7, 3);
    ASSERT_TRUE(Frfx->sx3qijechk->GetChecked()); // the page's own choice
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    for (int k = 1; k <= 44; ++k)
        EXPECT_FALSE(Frfx->cxGrid1DBTableView1->GetColumn(k)->GetVisible()) << k;
    EXPECT_TRUE(Frfx->cxGrid1DBTableView1->GetColumn(45)->GetVisible());

    const std::vector<TMarkedRow> expected = ParityRows(ViewValues(Data->tb));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(TrendRows(), expected);
}

TEST_F(TrendTablesPage, CreatingATableTwiceSaysItExists) {
    OpenPage(1, 0);
    std::string said;
    Frfx->BtclearClick(Frfx->Btclear);
    Frfx->BtJsClick(Frfx->BtJs); // no message
    AnswerWithEnter(display, said);
    Frfx->BtJsClick(Frfx->BtJs);
    EXPECT_EQ(said, "表已经存在!");

    said.clear();
    Frfx->BitBtn5Click(Frfx->BitBtn5);
    Frfx->BitBtn4Click(Frfx->BitBtn4);
    AnswerWithEnter(display, said);
    Frfx->BitBtn4Click(Frfx->BitBtn4);
    EXPECT_EQ(said, "表已经存在!");

    // A create that fails for another reason says that reason, not that the table exists.
    Frfx->BtclearClick(Frfx->Btclear);
    Data->xxtoxx->SetCommandText("create table xxtoxx (");
    said.clear();
    AnswerWithEnter(display, said);
    Frfx->BtJsClick(Frfx->BtJs);
    EXPECT_EQ(said.rfind("无法建表 xxtoxx：", 0), 0u) << said;
}

TEST_F(TrendTablesPage, ModeButtonsRetitleTheValueColumns) {
    OpenPage(1, 0);
    TcxGridDBTableView* view = Frfx->cxGrid1DBTableView1;
    auto captions = [view](int count) {
        std::string text;
        for (int k = 0; k < count; ++k)
            text += view->GetColumn(1 + k)->GetCaption() + " ";
        return text;
    };
    EXPECT_EQ(captions(44).substr(0, 10), "0 1 2 3 4 ");
    EXPECT_EQ(view->GetColumn(41)->GetCaption(), "40");
    EXPECT_TRUE(Frfx->GroupBox1->GetEnabled());

    Frfx->RwLchk->SetChecked(true);
    EXPECT_EQ(captions(5), "重 热 温 冷 4 ");
    EXPECT_EQ(view->GetColumn(1)->GetStyles()->GetContent(), Frfx->cxStyle2);
    EXPECT_EQ(view->GetColumn(5)->GetStyles()->GetContent(), Frfx->cxStyle1);
    EXPECT_FALSE(Frfx->GroupBox1->GetEnabled());

    Frfx->zuoyouchk1->SetChecked(true);
    EXPECT_EQ(captions(5), "左 重 右 3 4 ");
    EXPECT_EQ(view->GetColumn(4)->GetStyles()->GetContent(), Frfx->cxStyle1);
    EXPECT_TRUE(Frfx->Qian[4]->GetEnabled());

    Frfx->kuaduchk->SetChecked(true);
    EXPECT_EQ(captions(10), "0 1 2 3 4 5 6 7 8 9 ");
    EXPECT_FALSE(Frfx->GroupBox1->GetEnabled());

    // A mode that reads the prior values makes them usable again.
    Frfx->NewRwLchk->SetChecked(true);
    EXPECT_TRUE(Frfx->GroupBox1->GetEnabled());

    // Hints of the thresholds and the code edits' keys.
    Frfx->zycom->SetText("300");
    Frfx->zycomMouseEnter(Frfx->zycom);
    EXPECT_EQ(Frfx->zycom->GetHint(), "300");
    Frfx->bdcomMouseEnter(Frfx->bdcom);
    EXPECT_EQ(Frfx->bdcom->GetHint(), "5");
    for (TEdit* edit : {Frfx->zh[0], Frfx->zh[14]}) {
        char32_t key = U'8';
        edit->OnKeyPress(edit, key);
        EXPECT_EQ(key, 0u);
        key = U'7';
        edit->OnKeyPress(edit, key);
        EXPECT_EQ(key, U'7');
    }
}

TEST_F(TrendTablesPage, SpanColumnsFortyToFortyTwoAreStoredAndCounted) {
    OpenPage(1, 0);
    Frfx->kuaduchk->SetChecked(true);
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    TcxGridDBTableView* view = Frfx->cxGrid1DBTableView1;
    for (int k = 40; k <= 42; ++k) {
        TcxGridDBColumn* column = view->GetColumn(1 + k);
        EXPECT_EQ(column->GetDataBinding()->GetFieldName(), "Q" + std::to_string(k));
        EXPECT_NE(column->GetDataBinding()->GetField(), nullptr) << k;
        EXPECT_EQ(column->GetCaption(), std::to_string(k));
    }
    // Q43 has no field: its cells stay empty.
    EXPECT_EQ(view->GetColumn(44)->GetDataBinding()->GetField(), nullptr);
    EXPECT_EQ(view->GetColumn(44)->GetCaption(), "43");

    // A span of 41 lands in Q41 and is counted there.
    TADOQuery* table = Data->xxtoxxTb;
    const int before = FooterCount(view, 42);
    table->Append();
    table->FieldByName("Qh")->SetAsString("2099001");
    table->FieldByName("Q41")->SetAsString(TrendMarker);
    table->Post();
    EXPECT_EQ(FooterCount(view, 42), before + 1);
    table->Close();
    table->Open();
    table->Last();
    EXPECT_EQ(table->FieldByName("Q41")->GetAsString(), TrendMarker);
}

TEST_F(TrendTablesPage, TheLastCodesFindTheirEarlierStretches) {
    OpenPage(7, 3);
    Frfx->startcom->SetText(draws_[draws_.size() - 1000].issue);
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    const std::vector<TMarkedRow> rows = TrendRows();
    ASSERT_GT(rows.size(), 900u);

    // A double click on the trend table takes the codes of its last rows, the latest into zh1.
    Frfx->cxGrid1DBTableView1DblClick(Frfx->cxGrid1);
    EXPECT_TRUE(Frfx->Panel8->GetVisible());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ("bg" + Frfx->zh[i]->GetText(), rows[rows.size() - 1 - i].Column) << i;

    // Only zhi3 ticked: zhi1 to zhi3 are ticked and stretches of three are searched.
    for (TCheckBox* box : Frfx->zhi)
        box->SetChecked(false);
    Frfx->zhi[2]->SetChecked(true);
    Frfx->Button1Click(Frfx->Button1);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(Frfx->zhi[i]->GetChecked(), i < 3) << i;

    const std::vector<TMarkedRow> expected =
        Stretches(rows, {"bg" + Frfx->zh[2]->GetText(), "bg" + Frfx->zh[1]->GetText(), "bg" + Frfx->zh[0]->GetText()});
    ASSERT_GE(expected.size(), 3u);
    EXPECT_EQ(PatternRows(), expected);
    EXPECT_EQ(Frfx->cxGridDBTableView1->GetColumn(0)->GetWidth(), 64);
    // The footer counts both marks of each code column.
    for (int k = 0; k < 8; ++k) {
        const std::string name = "bg" + std::to_string((k + 1) % 8);
        EXPECT_EQ(FooterCount(Frfx->cxGridDBTableView1, 1 + k),
                  std::count_if(expected.begin(), expected.end(),
                                [&](const TMarkedRow& row) { return row.Column.rfind(name, 0) == 0; }))
            << name;
    }

    // A double click in the pattern table moves the trend table to that draw.
    TcxGridDBDataController* patterns = Frfx->cxGridDBTableView1->GetDataController();
    patterns->SetFocusedRecordIndex(1);
    Frfx->cxGridDBTableView1CellDblClick(Frfx->cxGridDBTableView1);
    EXPECT_EQ(Data->xxtoxxTb->FieldByName("Qh")->GetAsString(), expected[1].Qh);
}

TEST_F(TrendTablesPage, TheSearchNeedsTheFirstBoxAndCodesFromZeroToSeven) {
    OpenPage(7, 3);
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    std::string said;
    for (TCheckBox* box : Frfx->zhi)
        box->SetChecked(false);
    AnswerWithEnter(display, said);
    Frfx->Button1Click(Frfx->Button1);
    EXPECT_EQ(said, "至少有1个条件!");
    EXPECT_TRUE(PatternRows().empty());

    // A code that is no digit from 0 to 7 is said and never reaches a column name.
    for (const char* bad : {"8", "x", "", "07", "' or 1=1 --"}) {
        SCOPED_TRACE(bad);
        Frfx->zhi[1]->SetChecked(true);
        Frfx->zh[0]->SetText("1");
        Frfx->zh[1]->SetText(bad);
        said.clear();
        AnswerWithEnter(display, said);
        Frfx->Button1Click(Frfx->Button1);
        EXPECT_EQ(said, std::string("前值2的代码“") + bad + "”不对：只能填0到7中的一个数字。");
        EXPECT_TRUE(PatternRows().empty());
        EXPECT_TRUE(Frfx->Button1->GetEnabled());
    }
}

TEST_F(TrendTablesPage, ASecondStartWhileBuildingIsRefusedAndCancelStops) {
    OpenPage(1, 0);
    Frfx->startcom->SetText(draws_[draws_.size() - 300].issue);
    Frfx->RwLchk->SetChecked(true);
    // Clicks that arrive while the rows are written: a second start, then 取消.
    int rowsSeen = 0;
    bool busyInside = false, startEnabledInside = true, groupEnabledInside = true;
    Data->xxtoxxTb->AfterPost = [&](TDataSet*) {
        if (++rowsSeen != 10) return;
        busyInside = Frfx->TrendTableBusy();
        startEnabledInside = Frfx->BitBtn2->GetEnabled();
        groupEnabledInside = Frfx->GroupBox1->GetEnabled();
        Frfx->BitBtn2Click(Frfx->BitBtn2);
        Frfx->Button1Click(Frfx->Button1);
        Frfx->BitBtn3Click(Frfx->BitBtn3);
    };
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    Data->xxtoxxTb->AfterPost = nullptr;
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(startEnabledInside);
    EXPECT_FALSE(groupEnabledInside);
    // The refused starts added nothing and the cancel ended the walk at the next row.
    EXPECT_EQ(rowsSeen, 10);
    EXPECT_EQ(TrendRows().size(), 10u);
    EXPECT_FALSE(Frfx->TrendTableBusy());
    EXPECT_TRUE(Frfx->BitBtn2->GetEnabled());
    EXPECT_TRUE(Frfx->Button1->GetEnabled());
    EXPECT_FALSE(Frfx->GroupBox1->GetEnabled()); // as 热温 left it

    // The next build starts afresh.
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    const std::vector<int32_t> values = ViewValues(Data->gw);
    EXPECT_EQ(TrendRows().size(), static_cast<size_t>(std::count_if(values.begin(), values.end(),
                                                                    [](int32_t v) { return v <= 50; })));
    EXPECT_GT(TrendRows().size(), 250u);
}

TEST_F(TrendTablesPage, ABuildThatFailsGivesTheControlsBack) {
    OpenPage(1, 0);
    Frfx->shuzhichk->SetChecked(true);
    Frfx->Qian[0]->SetChecked(true);
    Frfx->sh[0]->SetText("x");
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    EXPECT_NE(Frfx->Lbproblem->GetCaption().find("无法打开个位特征的走势"), std::string::npos)
        << Frfx->Lbproblem->GetCaption();
    EXPECT_FALSE(Frfx->TrendTableBusy());
    EXPECT_TRUE(Frfx->BitBtn2->GetEnabled());
    EXPECT_TRUE(Frfx->GroupBox1->GetEnabled());
    EXPECT_EQ(Data->ProcessMessages, nullptr);
}

TEST_F(TrendTablesPage, PageButtonsShowAndHideThePanels) {
    OpenPage(1, 0);
    Frfx->RwLchk->SetChecked(true);
    Frfx->BitBtn2Click(Frfx->BitBtn2);
    Frfx->cxGrid1DBTableView1DblClick(Frfx->cxGrid1);
    EXPECT_FALSE(Frfx->Panel8->GetVisible()); // no pattern mode
    Frfx->sx3qiatchk->SetChecked(true);
    Frfx->cxGrid1DBTableView1DblClick(Frfx->cxGrid1);
    EXPECT_TRUE(Frfx->Panel8->GetVisible());
    Frfx->BitBtn7Click(Frfx->BitBtn7);
    EXPECT_FALSE(Frfx->Panel8->GetVisible());
    EXPECT_FALSE(Frfx->Lbts->GetVisible());
    Frfx->BitBtn1Click(Frfx->BitBtn1);
    EXPECT_FALSE(Frfx->Panel4->GetVisible());
    EXPECT_TRUE(Frfx->Panel2->GetVisible());
}

TEST_F(TrendTablesPage, IntervalColumnsOfATrendWindowAreColouredByTheSortedValues) {
    OpenPage(1, 0);
    // Seven columns of a table view standing for JJ0 .. JJ6.
    TcxGridTableView* view = Frfx->cxGridDBTableView1;
    const std::vector<int> columns{1, 2, 3, 4, 5, 6, 7};
    std::string text = "3 3 5 7 7 9 ";
    Frfx->DrawColumn(text, view, 6, columns);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(view->GetColumn(columns[k])->GetStyles()->GetContent(),
                  k == 1 || k == 4 ? PlainStyle : MarkStyle)
            << "JJ" << k;
    EXPECT_EQ(MarkStyle->GetColor(), 0x00FF00);
    // Column indexes outside the view are passed over.
    Frfx->DrawColumn(text, view, 6, {0, 1, 99, -1});
}

} // namespace
} // namespace zorvy::test
