// The analysis window over a PostgreSQL draw database: the range lists, every view over the last 100
// draws, a feature chosen and the trend table recreated on the new-trend page.
#include "app/AnalysisForm.h"
#include "app/TrendForm.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/popup/ComboBox.h"
#include "data/DataModule.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "tests/app/AppFixture.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

namespace zorvy::test {
namespace {

[[maybe_unused]] auto* const postgres = ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

class AnalysisWindowPostgres : public AppTest {};

TEST_F(AnalysisWindowPostgres, EveryViewOverTheLastHundredDraws) {
    PostgresServer& server = SharedPostgres();
    server.Reset();
    Start();
    Data->datacon->Close();
    Data->datacon->SetConnectionString(PostgresServer::ConnectionString());
    const std::vector<DrawRow> draws = ReadDraws();
    ASSERT_EQ(ImportDraws(*Data->datacon, draws), static_cast<int>(draws.size()));
    delete Frfx;
    Frfx = Application->CreateForm<TFrfx>();
    EXPECT_EQ(Frfx->startcom->GetText(), draws[draws.size() - 100].issue);
    EXPECT_EQ(Frfx->Endcom->GetText(), draws.back().issue);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");

    for (int view = 0; view < TrendViewCount; ++view) {
        SCOPED_TRACE(view);
        Frfx->ButtonGroup1->ClickItem(view);
        TTrendForm* form = TFrfx::TrendForm(view);
        TADOQuery* query = Data->ViewQuery(form->GetView());
        ASSERT_TRUE(query->GetActive());
        EXPECT_EQ(query->GetRecordCount(), 100);
        EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), draws.back().issue);
        EXPECT_EQ(query->FindField("fw20") != nullptr, view == 7);
    }

    // The new-trend page recreates the scratch table on the server, also the first time.
    Frfx->btNewzoushiClick(Frfx->btNewzoushi);
    Frtb->ComboBox1->SetItemIndex(3);
    Frtb->ComboBox1Change(Frtb->ComboBox1);
    EXPECT_EQ(Frfx->Lbproblem->GetCaption(), "");
    EXPECT_TRUE(Data->xxtoxxTb->GetActive());
    const std::string values = Frtb->Edit1->GetText();
    EXPECT_EQ(std::count(values.begin(), values.end(), ' '), 6);
}

} // namespace
} // namespace zorvy::test
