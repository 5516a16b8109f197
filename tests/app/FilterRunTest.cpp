// A filter run from the main window: the result list, the count labels and status panels, the buttons
// during and after a run, cancelling, closing during a run, and check mode.
#include "app/Settings.h"
#include "platform/rtl/IniFiles.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Windows.h"
#include "tests/app/AppFixture.h"

namespace zorvy::test {
namespace {

using FilterRun = AppTest;

constexpr int32_t AllCombinations = 1107568;

std::string Status(int panel) { return Frmain->StatusBar1->GetPanels()->GetItem(panel)->GetText(); }

TConditionCheckBox* BoxOfStem(const std::string& stem) {
    return dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent(stem + "chk"));
}
TConditionEdit* EditOfStem(const std::string& stem) {
    return dynamic_cast<TConditionEdit*>(Frmain->FindComponent(stem + "Edit"));
}

TEST_F(FilterRun, WithNoConditionEveryCombinationSurvives) {
    Start();
    Frmain->BtfilterClick(Frmain->Btfilter);
    TMemoLines* lines = Frmain->Memo1->GetLines();
    EXPECT_EQ(lines->GetCount(), AllCombinations);
    EXPECT_EQ(Frmain->Memo1->GetTopLine(), 0) << "the list shows its first lines";
    EXPECT_EQ(Frmain->Lbzongshu->GetCaption(), "选码组合数：1107568");
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), "1107568");
    EXPECT_EQ(Status(0), "本次压缩率:0%");
    EXPECT_EQ(Status(1).rfind("本次用时：", 0), 0u);
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
    EXPECT_FALSE(Frmain->Btcance->GetEnabled());
    EXPECT_FALSE(Frmain->customwzchk->GetChecked()) << "all 60 digits are selected";
    EXPECT_TRUE(Frmain->PageTabTiaojian->GetEnabled()) << "the conditions are back after the run";
}

TEST_F(FilterRun, AnOddUnitsConditionLeavesOddSerialsInLinesOfBallsBlanksAndSerial) {
    Start();
    BoxOfStem("gw1")->SetChecked(true);
    EditOfStem("gw1")->SetText("j=1/");
    Frmain->BtfilterClick(Frmain->Btfilter);
    TMemoLines* lines = Frmain->Memo1->GetLines();
    ASSERT_GT(lines->GetCount(), 0);
    ASSERT_LT(lines->GetCount(), AllCombinations);
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), std::to_string(lines->GetCount()));
    EXPECT_TRUE(Frmain->FamilyFlags[cfGw]->GetChecked()) << "the family of a ticked member is flagged";
    EXPECT_FALSE(Frmain->FamilyFlags[cfSw]->GetChecked());
    for (int i = 0; i < lines->GetCount(); i += 997) {
        const std::string_view line = lines->Line(i);
        ASSERT_GT(line.size(), 21u) << line;
        for (int k = 0; k < 6; ++k) {
            const int ball = (line[3 * k] - '0') * 10 + (line[3 * k + 1] - '0');
            EXPECT_TRUE(ball >= 1 && ball <= 33) << line;
            if (k < 5) {
                EXPECT_EQ(line[3 * k + 2], ' ') << line;
            }
        }
        EXPECT_EQ(line.substr(17, 4), "    ") << line;
        const std::string_view serial = line.substr(21);
        EXPECT_EQ(serial.find_first_not_of("0123456789"), std::string_view::npos) << line;
        EXPECT_EQ((serial.back() - '0') % 2, 1) << line;
    }
}

TEST_F(FilterRun, AnEmptyConditionIsUntickedAndItsEditDisabled) {
    Start();
    for (int p = 0; p < 6; ++p) { // a run over few serials
        Frmain->PositionComs[p]->SetItemIndex(p < 3 ? 7 : 1);
        Frmain->PositionComChange(p);
    }
    Frmain->DigitClick(3, Frmain->DigitButtons[3][0]);
    Frmain->DigitClick(4, Frmain->DigitButtons[4][0]);
    Frmain->DigitClick(5, Frmain->DigitButtons[5][0]);
    BoxOfStem("sw5")->SetChecked(true);
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_FALSE(BoxOfStem("sw5")->GetChecked());
    EXPECT_FALSE(EditOfStem("sw5")->GetEnabled());
    EXPECT_TRUE(Frmain->customwzchk->GetChecked()) << "not every digit is selected";
    EXPECT_EQ(Frmain->Lbzongshu->GetCaption(), "选码组合数：27");
}

// The run's steps, called by name on the window, read its panel and ticks and show what they change.
TEST_F(FilterRun, TheWindowsStepsOfARunReadAndShowTheWindow) {
    Start();
    Frmain->DigitClick(0, Frmain->DigitButtons[0][0]);
    Frmain->sixbmJsPro();
    EXPECT_EQ(Frmain->Lbzongshu->GetCaption(), "选码组合数：900000") << "9 x 10^5 with a units digit off";
    EXPECT_TRUE(Frmain->customwzchk->GetChecked());

    BoxOfStem("sw5")->SetChecked(true);
    Frmain->FnFilterCheck();
    EXPECT_FALSE(BoxOfStem("sw5")->GetChecked()) << "an empty condition is unticked";

    const int before = Frmain->MemoJctj->GetLines()->GetCount();
    Frmain->JcTjErro(1, "个位1 没有通过");
    Frmain->JcTjErro(1, "个位1 没有通过");
    Frmain->JcTjErro(0, "个位2 没有通过");
    EXPECT_EQ(Frmain->MemoJctj->GetLines()->GetCount(), before + 1) << "logged once, and only when flagged";
}

TEST_F(FilterRun, CancelStopsWithTheLinesSoFarAndTheButtonsBack) {
    Start();
    // The click waits in the queue and is handled at the run's first look at its messages.
    PostMessage(Frmain->Btcance->GetHandle(), BM_CLICK, 0, 0);
    Frmain->BtfilterClick(Frmain->Btfilter);
    const int count = Frmain->Memo1->GetLines()->GetCount();
    EXPECT_LT(count, AllCombinations);
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), std::to_string(count));
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
    EXPECT_FALSE(Frmain->Btcance->GetEnabled());
    EXPECT_FALSE(Frmain->Running());
}

TEST_F(FilterRun, DuringARunTheStartButtonStaysDisabledAndConditionsWait) {
    Start();
    bool seen = false;
    // A click on the cancel button, handled inside the run: looks at the window first.
    TNotifyEvent cancel = Frmain->Btcance->OnClick;
    Frmain->Btcance->OnClick = [&](TObject* sender) {
        seen = true;
        EXPECT_TRUE(Frmain->Running());
        Frmain->DigitClick(0, Frmain->DigitButtons[0][3]);
        EXPECT_FALSE(Frmain->Btfilter->GetEnabled()) << "a digit click does not re-enable it";
        EXPECT_FALSE(Frmain->PageTabTiaojian->GetEnabled());
        EXPECT_FALSE(Frmain->BtclearTj->GetEnabled());
        EXPECT_FALSE(Frmain->DigitButtons[1][1]->GetEnabled());
        EXPECT_TRUE(Frmain->Memo1->ReadOnly);
        Frmain->BtfilterClick(Frmain->Btfilter); // a second run is not started from inside the first
        cancel(sender);
    };
    PostMessage(Frmain->Btcance->GetHandle(), BM_CLICK, 0, 0);
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
    EXPECT_TRUE(Frmain->PageTabTiaojian->GetEnabled());
    EXPECT_FALSE(Frmain->Memo1->ReadOnly);
}

TEST_F(FilterRun, ClosingDuringARunCancelsItFirst) {
    Start();
    PostMessage(Frmain->GetHandle(), WM_CLOSE, 0, 0);
    Soon([&] { display.PressKey(VK_RETURN); }); // OK in "你真要退出吗？", asked inside the run
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_LT(Frmain->Memo1->GetLines()->GetCount(), AllCombinations);
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated()) << "the window closes once the run has stopped";
}

// Few serials: three rows on 1 4 7, three on 0.
void FewDigits() {
    for (int p = 0; p < 6; ++p) {
        Frmain->PositionComs[p]->SetItemIndex(p < 3 ? 7 : 1);
        Frmain->PositionComChange(p);
    }
    for (int p = 3; p < 6; ++p)
        Frmain->DigitClick(p, Frmain->DigitButtons[p][0]);
}

TEST_F(FilterRun, AConditionTextThatDoesNotReadIsNamedBeforeAnythingChanges) {
    Start();
    struct Case {
        const char* stem;
        const char* text;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"gw1", "fw1=abc/", {"条件“值”", "“个位.十位”页“个位特征”", "“fw1=”", "“abc”", "整数"}},
        {"Tb9", "j=1/y=x/", {"条件“黄金分割1”", "“高级2过滤”页“高级2”", "“y=x”", "读不出条件"}},
        {"xhtz3", "j=", {"条件“长度”", "“6位特征”页“6位特征1”", "“j=”", "没有能用的条件"}},
    };
    for (const Case& c : cases) {
        BoxOfStem(c.stem)->SetChecked(true);
        EditOfStem(c.stem)->SetText(c.text);
        std::string said;
        AnswerWithEnter(display, said);
        Frmain->BtfilterClick(Frmain->Btfilter);
        for (const std::string& part : c.said)
            EXPECT_NE(said.find(part), std::string::npos) << c.text << " does not say " << part << ": " << said;
        EXPECT_EQ(said.find("valid"), std::string::npos) << "in the window's language";
        EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), "投注数：") << "no run started";
        EXPECT_EQ(Status(2), "");
        EXPECT_EQ(Frmain->Memo1->GetLines()->GetCount(), 0);
        EXPECT_TRUE(BoxOfStem(c.stem)->GetChecked()) << "the condition stays as typed, to be corrected";
        EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
        BoxOfStem(c.stem)->SetChecked(false);
    }
}

TEST_F(FilterRun, AnErrorInsideARunPutsTheLabelsAndStatusBarBackToIdle) {
    Start();
    FewDigits();
    // A divisor of 0 reads as a number but cannot be divided by: the run itself stops on it.
    BoxOfStem("gw1")->SetChecked(true);
    EditOfStem("gw1")->SetText("xfw=c0, 1 2 /");
    std::string said;
    AnswerWithEnter(display, said);
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_EQ(said.rfind("过滤没有完成：", 0), 0u) << said;
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), "投注数：") << "not 正在统计.....";
    EXPECT_EQ(Frmain->Lbzongshu->GetCaption(), "选码组合数：");
    for (int panel = 0; panel < 3; ++panel)
        EXPECT_EQ(Status(panel), "") << "panel " << panel;
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
    EXPECT_FALSE(Frmain->Running());
}

TEST_F(FilterRun, ARunWithNoDigitSelectedSaysSoInsteadOfRunning) {
    Start();
    Frmain->Allcom->SetItemIndex(1);
    Frmain->AllcomChange(Frmain->Allcom);
    std::string said;
    AnswerWithEnter(display, said);
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_EQ(said, NoDigitMessage);
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), "投注数：") << "no 0 tickets at 100%";
    EXPECT_EQ(Status(0), "");
}

class CheckMode : public AppTest {};

TEST_F(CheckMode, WithoutAStoredDrawCodeNothingChangesAndTheMessageSaysWhereTheCodeGoes) {
    Start();
    ASSERT_EQ(Frmain->DrawCode(), "");
    std::string said;
    AnswerWithEnter(display, said);
    Frmain->TJErrochk->SetChecked(true);
    EXPECT_EQ(said, TFrmain::MissingDrawCodeMessage(SetupIniPath()));
    EXPECT_NE(said.find(SetupIniPath()), std::string::npos) << "where it is entered";
    EXPECT_NE(said.find("kjm="), std::string::npos);
    EXPECT_EQ(said.find("请重做"), std::string::npos);
    EXPECT_FALSE(Frmain->TJErrochk->GetChecked()) << "check mode stays off";
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Selected(p), "0123456789") << "the digits stay";
    EXPECT_EQ(Frmain->Engine().CheckModeOn, 0);
}

TEST_F(CheckMode, SelectsTheDigitsOfTheStoredDrawAndRefusesABadOne) {
    {
        TIniFile ini(SetupIniPath());
        ini.WriteString("kaijiangma", "kjm", "01 02 03 04 05 06+08");
    }
    Start();
    EXPECT_EQ(Frmain->DrawCode(), "01 02 03 04 05 06+08");
    Frmain->TJErrochk->SetChecked(true);
    int selected = 0;
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(Selected(p).size(), 1u) << "one digit a position";
        selected += static_cast<int>(Selected(p).size());
    }
    EXPECT_EQ(selected, 6);
    EXPECT_EQ(Frmain->Engine().CheckModeOn, 1);
}

TEST_F(CheckMode, ABadStoredDrawCodeIsReportedAndIgnored) {
    {
        TIniFile ini(SetupIniPath());
        ini.WriteString("kaijiangma", "kjm", "01 02 03 04 05 05+08");
    }
    Start();
    EXPECT_EQ(Frmain->DrawCode(), "");
    bool reported = false;
    for (const std::string& problem : Frmain->StartupProblems())
        reported = reported || problem.find("01 02 03 04 05 05+08") != std::string::npos;
    EXPECT_TRUE(reported);
    EXPECT_FALSE(Frmain->SetDrawCode("1 2 3 4 5 6+8"));
    EXPECT_TRUE(Frmain->SetDrawCode("03 08 12 19 25 31+07"));
    TIniFile ini(SetupIniPath());
    EXPECT_EQ(ini.ReadString("kaijiangma", "kjm", ""), "03 08 12 19 25 31+07");
}

} // namespace
} // namespace zorvy::test
