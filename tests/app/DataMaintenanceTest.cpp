// The data-maintenance window over a small draw table, on the embedded SQLite database and on
// PostgreSQL: appending the next draw, refusing a bad draw code, deleting, the blue-ball fill, the
// draw code in the settings file and the data sources that are missing.
#include "app/DataMaintenance.h"

#include "app/AnalysisForm.h"
#include "controls/editors/popup/ComboBox.h"

#include "tests/app/AppFixture.h"

#include "platform/classlib/Menus.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"
#include "app/Settings.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

using namespace zorvy;
using namespace zorvy::test;

namespace {

enum class Engine { Sqlite, Postgres };

DrawRow Draw(int lottery, const char* issue, const char* date, const char* red, const char* blue) {
    DrawRow row;
    row.lotteryId = lottery;
    row.issue = issue;
    row.endTime = date;
    row.resultA1 = red;
    row.resultB1 = blue;
    return row;
}

// Tuesday's 2008140 ends the Tekpa rows; 2008139 lacks its blue ball and its prizes.
std::vector<DrawRow> Rows() {
    std::vector<DrawRow> rows(4);
    rows[0] = {3508, "2008138", "2008-11-27", "03 08 12 15 22 30", "05", 100, 1, 2, 3, 4, 5, 6};
    rows[1] = {3508, "2008139", "2008-11-30", "02 05 11 19 27 30", "", std::nullopt, std::nullopt,
               std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    rows[2] = {3508, "2008140", "2008-12-02", "07 14 16 29 30 31", "14", 200, 7, 8, 9, 1, 2, 3};
    rows[3] = {3525, "2008330", "2008-11-25", "01 05 09 13 20", "", std::nullopt, std::nullopt,
               std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    return rows;
}

class DataMaintenanceWindow : public AppTest, public ::testing::WithParamInterface<Engine> {
  protected:
    DataMaintenanceWindow() : AppTest(DrawDatabase::Empty) {}

    void SetUp() override {
        if (GetParam() == Engine::Postgres) {
            SharedPostgres().Reset();
            source_ = PostgresServer::ConnectionString();
        }
        database_.SetConnectionString(source_);
        database_.SetLoginPrompt(false);
        ImportDraws(database_, Rows());
    }

    // The program, then the window shown over the test's database.
    void Open(const std::string& blueSource = "", const std::string& drawSource = "",
              const std::function<void()>& beforeShowing = {}) {
        Start();
        window = Frdatamodify;
        ASSERT_NE(window, nullptr);
        window->Connet->SetConnectionString(drawSource.empty() ? source_ : drawSource);
        window->LQconnet->SetConnectionString(blueSource.empty() ? source_ : blueSource);
        if (beforeShowing) beforeShowing();
        window->Show();
        Application->ProcessMessages();
    }

    // Answers the next message box with its OK or Cancel button; its text goes to text.
    void Answer(bool ok, std::string& text) {
        Soon([ok, &text] {
            text = FrontText();
            TCustomForm* box = Screen->GetActiveForm();
            for (int i = 0; box && i < box->GetComponentCount(); ++i)
                if (auto* button = dynamic_cast<TButton*>(box->GetComponent(i)))
                    if (button->ModalResult == (ok ? mrOk : mrCancel)) return button->Click();
        });
    }

    // A column of the stored rows of a lottery, in issue order, read anew from the database.
    std::vector<std::string> Stored(int lottery, const std::string& column) {
        TADOQuery query(nullptr);
        query.SetConnection(&database_);
        query.SetSQLText("select * from LotteryIssue where LotteryID=" + std::to_string(lottery) + " order by Issue");
        query.Open();
        std::vector<std::string> values;
        for (; !query.GetEof(); query.Next()) {
            TField* field = query.FieldByName(column);
            values.push_back(field->IsNull() ? "<null>" : Trim(field->GetAsString()));
        }
        return values;
    }

    void AddBlueBalls(const std::string& issue, const std::string& blue, std::optional<int> sale) {
        TADOTable table(nullptr);
        table.SetConnection(&database_);
        table.SetTableName("FL_issue");
        table.Open();
        table.Append();
        table.FieldByName("LotIssue")->SetAsString(issue);
        table.FieldByName("Result")->SetAsString("01 02 03 04 05 06");
        table.FieldByName("Result2")->SetAsString(blue);
        if (sale) table.FieldByName("Sale")->SetAsInteger(*sale);
        table.Post();
    }

    TFrdatamodify* window = nullptr;
    TADOConnection database_{nullptr};

  private:
    std::string source_ = DrawDatabase::ConnectionString();
};

std::string EngineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::Sqlite ? "Sqlite" : "Postgres";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Engines, DataMaintenanceWindow, ::testing::Values(Engine::Sqlite, Engine::Postgres),
                         EngineName);

TEST_P(DataMaintenanceWindow, AppendingProposesTheNextDrawWithTheTypedBalls) {
    Open();
    EXPECT_EQ(window->DrawSourceProblem(), "");
    EXPECT_EQ(window->Tkpdata->GetRecordCount(), 3);
    EXPECT_EQ(window->Tc22x5data->GetRecordCount(), 1);
    EXPECT_FALSE(window->GetEditing(0));
    window->Edit1->SetText("01 04 12 20 28 33+08");
    window->Tkpdata->Append();
    EXPECT_TRUE(window->GetEditing(0));
    EXPECT_EQ(window->Tkpdata->FieldByName("Issue")->GetAsString(), "2008141");
    EXPECT_EQ(window->Tkpdata->FieldByName("EndTime")->GetAsDateTime(), EncodeDate(2008, 12, 4));
    window->Tkpdata->Post();
    EXPECT_FALSE(window->GetEditing(0));
    EXPECT_EQ(Stored(3508, "Issue"), (std::vector<std::string>{"2008138", "2008139", "2008140", "2008141"}));
    EXPECT_EQ(Stored(3508, "LotteryID").back(), "3508");
    EXPECT_EQ(Stored(3508, "ResultA1").back(), "01 04 12 20 28 33");
    EXPECT_EQ(Stored(3508, "ResultB1").back(), "08");
    EXPECT_EQ(Stored(3525, "Issue"), (std::vector<std::string>{"2008330"}));

    // The next append counts on from the new row: Thursday's draw is followed by Sunday's.
    window->Edit1->SetText("02 03 10 11 20 21+16");
    window->Tkpdata->Append();
    EXPECT_EQ(window->Tkpdata->FieldByName("Issue")->GetAsString(), "2008142");
    EXPECT_EQ(window->Tkpdata->FieldByName("EndTime")->GetAsDateTime(), EncodeDate(2008, 12, 7));
    window->Tkpdata->Cancel();

    // With the box ticked the rows stay editable after a post.
    window->CheckBox1->SetChecked(true);
    EXPECT_TRUE(window->GetEditing(0));
    window->Tkpdata->Edit();
    window->Tkpdata->FieldByName("Sale")->SetAsInteger(5);
    window->Tkpdata->Post();
    EXPECT_TRUE(window->GetEditing(0));
}

// What the grids show and what their navigators do, as the user reaches it.
TEST_P(DataMaintenanceWindow, TheGridsShowEachLotteryAndEditThroughTheNavigator) {
    Open();
    TcxGridDBTableView* tekpa = window->cxGrid1DBTableView1;
    TcxGridDBTableView* other = window->cxGrid1DBTableView2;
    ASSERT_EQ(tekpa->GetDataController()->GetRecordCount(), 3);
    ASSERT_EQ(other->GetDataController()->GetRecordCount(), 1);
    // Rows of 3525 apart from 3508's; its special ball in place of the blue one.
    EXPECT_EQ(VarToStr(other->GetDataController()->GetValue(0, 1)), "2008330");
    EXPECT_EQ(tekpa->GetColumn(4)->GetCaption(), "蓝球");
    EXPECT_EQ(tekpa->GetColumn(4)->GetDataBinding()->GetFieldName(), "ResultB1");
    EXPECT_EQ(other->GetColumn(4)->GetCaption(), "特号");
    EXPECT_EQ(other->GetColumn(4)->GetDataBinding()->GetFieldName(), "ResultA2");
    EXPECT_EQ(Trim(VarToStr(tekpa->GetDataController()->GetValue(2, 3))), "07 14 16 29 30 31");
    EXPECT_FALSE(tekpa->GetOptionsData()->GetEditing());

    // The navigator shows every button but Prior, Next and Insert, each with its hint.
    TcxNavigatorControlButtons* buttons = tekpa->GetNavigatorButtons();
    ASSERT_NE(buttons, nullptr);
    for (int i = 0; i < NavigatorButtonCount; ++i)
        EXPECT_EQ(buttons->GetButton(i)->GetVisible(), i != NBDI_PRIOR && i != NBDI_NEXT && i != NBDI_INSERT) << i;
    EXPECT_EQ(buttons->Append()->GetHint(), "追加");
    EXPECT_EQ(buttons->Delete()->GetHint(), "删除");
    // As painted: the strip follows the data the window opened after the grid was laid out.
    Application->ProcessMessages();
    const auto painted = [&](TcxNavigatorButton* button) {
        TcxNavigatorViewInfo* strip =
            static_cast<TcxCustomGridTableViewInfo*>(tekpa->GetViewInfo())->GetNavigatorViewInfo();
        for (int i = 0; strip && i < strip->GetButtonCount(); ++i)
            if (strip->GetButton(i)->Button == button) return strip->GetButton(i)->Enabled;
        ADD_FAILURE() << "no such button on the strip";
        return false;
    };
    EXPECT_TRUE(painted(buttons->Append()));
    EXPECT_TRUE(painted(buttons->First()));
    EXPECT_FALSE(painted(buttons->Last())); // on the last draw
    EXPECT_FALSE(painted(buttons->Post()));

    // 追加 proposes the next draw with the typed balls and opens the row for editing; 保存 stores it.
    window->Edit1->SetText("01 04 12 20 28 33+08");
    buttons->DoButtonClick(NBDI_APPEND);
    EXPECT_EQ(window->Tkpdata->GetState(), TDataSetState::dsInsert);
    EXPECT_TRUE(painted(buttons->Post()));
    EXPECT_TRUE(tekpa->GetOptionsData()->GetEditing());
    EXPECT_EQ(window->Tkpdata->FieldByName("Issue")->GetAsString(), "2008141");
    buttons->DoButtonClick(NBDI_POST);
    EXPECT_FALSE(tekpa->GetOptionsData()->GetEditing());
    EXPECT_EQ(Stored(3508, "Issue").back(), "2008141");
    EXPECT_EQ(tekpa->GetDataController()->GetRecordCount(), 4);

    // 删除 asks first: refused, the draw stays; agreed, it goes.
    tekpa->GetController()->SetFocusedRowIndex(3);
    std::string said;
    Answer(false, said);
    try {
        buttons->DoButtonClick(NBDI_DELETE);
    } catch (const EAbort&) {
    }
    EXPECT_NE(said.find("2008141"), std::string::npos) << said;
    EXPECT_EQ(Stored(3508, "Issue").size(), 4u);
    Answer(true, said);
    buttons->DoButtonClick(NBDI_DELETE);
    EXPECT_EQ(Stored(3508, "Issue").back(), "2008140");
    EXPECT_EQ(tekpa->GetDataController()->GetRecordCount(), 3);

    // 允许编辑 switches editing of its own page's view.
    window->CheckBox2->SetChecked(true);
    EXPECT_TRUE(other->GetOptionsData()->GetEditing());
    EXPECT_FALSE(tekpa->GetOptionsData()->GetEditing());
    window->CheckBox2->SetChecked(false);
    EXPECT_FALSE(other->GetOptionsData()->GetEditing());
}

TEST_P(DataMaintenanceWindow, ADoubleClickOnATekpaRowTakesItsDrawCode) {
    Open();
    TcxGridDBTableView* tekpa = window->cxGrid1DBTableView1;
    Application->ProcessMessages();
    auto* rows = static_cast<TcxGridTableViewInfo*>(tekpa->GetViewInfo())->GetRowsViewInfo();
    ASSERT_GE(rows->GetCount(), 3);
    // The row of 2008138, in its date column.
    TcxGridTableDataCellViewInfo* cell = rows->GetItem(0)->GetCellViewInfoByItem(tekpa->GetColumn(2));
    ASSERT_NE(cell, nullptr);
    const int x = (cell->Bounds.Left + cell->Bounds.Right) / 2, y = (cell->Bounds.Top + cell->Bounds.Bottom) / 2;
    HWND site = tekpa->GetSite()->GetHandle();
    display.Click(site, x, y);
    display.Click(site, x, y);
    Application->ProcessMessages();
    EXPECT_EQ(window->Edit1->GetText(), "03 08 12 15 22 30+05");
    EXPECT_EQ(Frmain->DrawCode(), "03 08 12 15 22 30+05");

    // A row without its blue ball gives no draw code: said, nothing stored.
    cell = rows->GetItem(1)->GetCellViewInfoByItem(tekpa->GetColumn(2));
    std::string said;
    AnswerWithEnter(display, said);
    display.Click(site, x, (cell->Bounds.Top + cell->Bounds.Bottom) / 2);
    display.Click(site, x, (cell->Bounds.Top + cell->Bounds.Bottom) / 2);
    Application->ProcessMessages();
    EXPECT_NE(said.find("格式不对"), std::string::npos) << said;
    EXPECT_EQ(Frmain->DrawCode(), "03 08 12 15 22 30+05");
}

TEST_P(DataMaintenanceWindow, AppendingRefusesAMalformedOrStaleDrawCode) {
    Open();
    const struct {
        const char* code;
        const char* said;
    } cases[] = {
        {"", "请先在“最后开奖码”里输入新一期的开奖号码"},
        {"1 4 12 20 28 33+08", "格式不对"},
        {"01 04 12 20 28 33+17", "格式不对"},
        {"04 01 12 20 28 33+08", "格式不对"},
        {"01 04 12 20 28 33 08", "格式不对"},
        {"07 14 16 29 30 31+14", "就是最后一期 2008140 的开奖号码"},
    };
    for (const auto& c : cases) {
        window->Edit1->SetText(c.code);
        std::string said;
        AnswerWithEnter(display, said);
        EXPECT_THROW(window->Tkpdata->Append(), EAbort) << c.code;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.code << ": " << said;
        EXPECT_EQ(window->Tkpdata->GetState(), TDataSetState::dsBrowse);
        EXPECT_FALSE(window->GetEditing(0));
    }
    EXPECT_EQ(Stored(3508, "Issue").size(), 3u);
}

TEST_P(DataMaintenanceWindow, AnIssueThatCannotBeCountedOnIsRefused) {
    ImportDraws(database_, {Draw(3508, "200814a", "2008-12-04", "01 02 03 04 05 06", "01")});
    Open();
    window->Edit1->SetText("01 04 12 20 28 33+08");
    std::string said;
    AnswerWithEnter(display, said);
    EXPECT_THROW(window->Tkpdata->Append(), EAbort);
    EXPECT_NE(said.find("“200814a”"), std::string::npos) << said;
    EXPECT_EQ(Stored(3508, "Issue").size(), 4u);
}

TEST_P(DataMaintenanceWindow, TheIssueStartsAgainInTheNewYear) {
    ImportDraws(database_, {Draw(3508, "2009153", "2009-12-31", "01 02 03 04 05 06", "01"),
                            Draw(3525, "2009365", "2009-12-31", "01 02 03 04 05", "")});
    Open();
    window->Edit1->SetText("01 04 12 20 28 33+08");
    window->Tkpdata->Append();
    EXPECT_EQ(window->Tkpdata->FieldByName("Issue")->GetAsString(), "2010001");
    EXPECT_EQ(window->Tkpdata->FieldByName("EndTime")->GetAsDateTime(), EncodeDate(2010, 1, 3));
    window->Tkpdata->Post();
    EXPECT_EQ(Stored(3508, "Issue").back(), "2010001");

    // The five-from-22 game draws daily; its balls are left to the user, after the restart notice.
    std::string said;
    AnswerWithEnter(display, said);
    window->Tc22x5data->Append();
    EXPECT_EQ(said, "刚才数据发生变化,请退出程序重新启动!");
    EXPECT_TRUE(window->GetEditing(1));
    EXPECT_EQ(window->Tc22x5data->FieldByName("LotteryID")->GetAsString(), "3525");
    EXPECT_EQ(window->Tc22x5data->FieldByName("Issue")->GetAsString(), "2010001");
    EXPECT_EQ(window->Tc22x5data->FieldByName("EndTime")->GetAsDateTime(), EncodeDate(2010, 1, 1));
    EXPECT_TRUE(window->Tc22x5data->FieldByName("ResultA1")->IsNull());
    window->Tc22x5data->FieldByName("ResultA1")->SetAsString("02 04 06 08 10");
    window->Tc22x5data->Post();
    EXPECT_FALSE(window->GetEditing(1));
    EXPECT_EQ(Stored(3525, "Issue"), (std::vector<std::string>{"2008330", "2009365", "2010001"}));
    EXPECT_EQ(Stored(3508, "Issue").size(), 5u);
}

TEST_P(DataMaintenanceWindow, DeletingADrawAsksFirst) {
    Open();
    window->Tkpdata->Last();
    std::string said;
    Answer(false, said);
    EXPECT_THROW(window->Tkpdata->Delete(), EAbort);
    EXPECT_NE(said.find("2008140"), std::string::npos) << said;
    EXPECT_EQ(Stored(3508, "Issue").size(), 3u);
    Answer(true, said);
    window->Tkpdata->Delete();
    EXPECT_EQ(Stored(3508, "Issue"), (std::vector<std::string>{"2008138", "2008139"}));
    EXPECT_TRUE(window->TakeDrawsChanged());
    EXPECT_FALSE(window->TakeDrawsChanged());
}

TEST_P(DataMaintenanceWindow, TheBlueBallFillCompletesRowsWithoutTheirBlueBall) {
    AddBlueBalls("2008139", "11", 333);
    AddBlueBalls("2008140", "01", 999); // 2008140 has its blue ball: untouched
    ImportDraws(database_, {Draw(3508, "2008141", "2008-12-04", "01 04 12 20 28 33", "")}); // not in FL_issue
    Open();
    EXPECT_TRUE(window->Button1->GetEnabled());
    window->Edit1->SetText("");
    window->Button1Click(nullptr);
    EXPECT_EQ(Stored(3508, "ResultB1"), (std::vector<std::string>{"05", "11", "14", ""}));
    EXPECT_EQ(Stored(3508, "Sale"), (std::vector<std::string>{"100", "333", "200", "<null>"}));
    EXPECT_EQ(Stored(3508, "ResultA1")[1], "02 05 11 19 27 30"); // kept: it was not null
    // The last row still lacks its blue ball: no draw code comes of it.
    EXPECT_EQ(window->Edit1->GetText(), "");
}

TEST_P(DataMaintenanceWindow, TheBlueBallFillAsksBeforeReplacingATypedCode) {
    AddBlueBalls("2008139", "11", std::nullopt);
    Open();
    window->Edit1->SetText("01 04 12 20 28 33+08");
    std::string said;
    Answer(false, said);
    window->Button1Click(nullptr);
    EXPECT_NE(said.find("07 14 16 29 30 31+14"), std::string::npos) << said;
    EXPECT_EQ(window->Edit1->GetText(), "01 04 12 20 28 33+08");
    EXPECT_EQ(Stored(3508, "ResultB1")[1], "11");
    Answer(true, said);
    window->Button1Click(nullptr);
    EXPECT_EQ(window->Edit1->GetText(), "07 14 16 29 30 31+14");
    EXPECT_EQ(Frmain->DrawCode(), "07 14 16 29 30 31+14");
}

TEST_P(DataMaintenanceWindow, EnterStoresAValidDrawCodeForCheckMode) {
    Open();
    window->Edit1->SetFocus();
    window->Edit1->SetText("01 04 12 20 28 33+08");
    display.PressKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(Frmain->DrawCode(), "01 04 12 20 28 33+08");
    TIniFile ini(SetupIniPath());
    EXPECT_EQ(ini.ReadString("kaijiangma", "kjm", ""), "01 04 12 20 28 33+08");

    window->Edit1->SetText("01 04 12 20 28+08");
    std::string said;
    AnswerWithEnter(display, said);
    char32_t key = U'\r';
    window->Edit1KeyPress(nullptr, key);
    EXPECT_NE(said.find("格式不对"), std::string::npos) << said;
    EXPECT_EQ(TIniFile(SetupIniPath()).ReadString("kaijiangma", "kjm", ""), "01 04 12 20 28 33+08");
    EXPECT_EQ(Frmain->DrawCode(), "01 04 12 20 28 33+08");
}

TEST_P(DataMaintenanceWindow, AMissingDrawSourceIsSaidWithItsCause) {
    std::string said;
    Open("", "Provider=MSDASQL.1;Data Source=NoSuchDraws", [&] { AnswerWithEnter(display, said); });
    EXPECT_NE(said.find("NoSuchDraws"), std::string::npos) << said;
    EXPECT_EQ(said, window->DrawSourceProblem());
    EXPECT_FALSE(window->Tkpdata->GetActive());
    EXPECT_FALSE(window->CheckBox1->GetEnabled());
    EXPECT_FALSE(window->Button1->GetEnabled());
    // The entry field needs no database.
    char32_t key = U'\r';
    window->Edit1->SetText("01 04 12 20 28 33+08");
    window->Edit1KeyPress(nullptr, key);
    EXPECT_EQ(Frmain->DrawCode(), "01 04 12 20 28 33+08");
}

TEST_P(DataMaintenanceWindow, AMissingBlueBallSourceDisablesOnlyTheFill) {
    Open("Provider=MSDASQL.1;Data Source=NoSuchBlueBalls");
    EXPECT_FALSE(window->Button1->GetEnabled());
    EXPECT_NE(window->Button1->GetHint().find("NoSuchBlueBalls"), std::string::npos) << window->Button1->GetHint();
    EXPECT_NE(window->BlueBallSourceProblem().find("Tkp"), std::string::npos);
    EXPECT_TRUE(window->CheckBox1->GetEnabled());
    window->Edit1->SetText("01 04 12 20 28 33+08");
    window->Tkpdata->Append();
    window->Tkpdata->Post();
    EXPECT_EQ(Stored(3508, "Issue").back(), "2008141");
}

namespace {

class MaintenanceFromMainWindow : public AppTest {
  protected:
    MaintenanceFromMainWindow() : AppTest(DrawDatabase::Empty) {
        TADOConnection database(nullptr);
        database.SetConnectionString(DrawDatabase::ConnectionString());
        ImportDraws(database, Rows());
    }
};

} // namespace

// 数据维护 opens the window modally; a draw appended there becomes the main window's last draw.
TEST_F(MaintenanceFromMainWindow, TheToolButtonAndTheMenuItemOpenTheWindow) {
    Start();
    EXPECT_TRUE(Frmain->ToolButtons[3]->GetEnabled());
    EXPECT_TRUE(Frmain->N8->Enabled);
    EXPECT_EQ(Frmain->LastIssue, 2008140);
    bool modal = false;
    Soon([&] {
        modal = Frdatamodify->GetVisible() && Screen->GetActiveForm() == Frdatamodify;
        EXPECT_EQ(Frdatamodify->PageControl1->GetActivePage(), Frdatamodify->TabSheet1);
        EXPECT_EQ(Frdatamodify->Tkpdata->FieldByName("Issue")->GetAsString(), "2008140");
        Frdatamodify->Edit1->SetText("01 04 12 20 28 33+08");
        Frdatamodify->Tkpdata->Append();
        Frdatamodify->Tkpdata->Post();
        Frdatamodify->Close();
    });
    Frmain->N8->Click();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(Frdatamodify->GetVisible());
    EXPECT_EQ(Frmain->LastIssue, 2008141);
    EXPECT_EQ(Frmain->LastEndTime, EncodeDate(2008, 12, 4));
    // The analysis window follows: the new draw ends its range and the caption names the one after.
    EXPECT_EQ(Frfx->Endcom->GetText(), "2008141");
    EXPECT_NE(Frfx->GetCaption().find("第2008142期 12月 7日 周7"), std::string::npos) << Frfx->GetCaption();
}
