// The trend-table page over a PostgreSQL draw database: the scratch tables created twice, the parity
// trend table of the advanced view, and the search for the latest codes' earlier stretches.
#include "tests/app/TrendTablesFixture.h"
#include "tests/support/PostgresServer.h"

namespace zorvy::test {
namespace {

class TrendTablesPostgres : public TrendTablesPage {
  protected:
    TrendTablesPostgres() : TrendTablesPage(DrawDatabase::Empty) {}
};

TEST_F(TrendTablesPostgres, BuildsAndSearchesTheTablesOnTheServer) {
    PostgresServer& server = SharedPostgres();
    server.Reset();
    Start();
    Data->datacon->Close();
    Data->datacon->SetConnectionString(PostgresServer::ConnectionString());
    ASSERT_EQ(ImportDraws(*Data->datacon, draws_), static_cast<int>(draws_.size()));
    delete Frfx;
    Frfx = Application->CreateForm<TFrfx>();
    Frfx->ButtonGroup1->ClickItem(7);
    Frtb->ComboBox1->SetItemIndex(3);
    Frtb->ComboBox1Change(Frtb->ComboBox1);
    Frfx->btNewzoushiClick(Frfx->btNewzoushi);
    Frfx->startcom->SetText(draws_[draws_.size() - 600].issue);

    Frfx->BitBtn2Click(Frfx->BitBtn2);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
    const std::vector<TMarkedRow> rows = ParityRows(ViewValues(Data->tb));
    ASSERT_GT(rows.size(), 500u);
    EXPECT_EQ(TrendRows(), rows);

    std::string said;
    AnswerWithEnter(display, said);
    Frfx->BtJsClick(Frfx->BtJs);
    EXPECT_EQ(said, "表已经存在!");

    Frfx->cxGrid1DBTableView1DblClick(Frfx->cxGrid1);
    Frfx->Button1Click(Frfx->Button1); // zhi1 and zhi2 ticked
    const std::vector<TMarkedRow> expected =
        Stretches(rows, {"bg" + Frfx->zh[1]->GetText(), "bg" + Frfx->zh[0]->GetText()});
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(PatternRows(), expected);

    said.clear();
    AnswerWithEnter(display, said);
    Frfx->BitBtn4Click(Frfx->BitBtn4);
    EXPECT_EQ(said, "表已经存在!");
}

} // namespace
} // namespace zorvy::test
