// The main window through the headless display: start-up, conditions, digit panel, closing, help.
#include "app/ConditionAssistant.h"
#include "data/DataModule.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"
#include "tests/app/AppFixture.h"

#include <cstdlib>

namespace zorvy::test {
namespace {

using MainWindow = AppTest;

TEST_F(MainWindow, StartsMaximisedWithAllDigitsAndEveryConditionOff) {
    Start();
    EXPECT_EQ(Frmain->GetCaption(), "Zorvy");
    EXPECT_EQ(Frmain->GetWindowState(), wsMaximized);
    EXPECT_EQ(Application->GetMainForm(), Frmain);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Selected(p), "0123456789") << "row " << p;
    for (int i = 0; i < ConditionCount; ++i) {
        const std::string stem = ConditionTable()[i].Stem;
        auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent(stem + "Edit"));
        auto* box = dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent(stem + "chk"));
        ASSERT_TRUE(edit && box) << stem;
        EXPECT_FALSE(edit->GetEnabled()) << stem;
        EXPECT_EQ(edit->GetText(), "") << stem;
        EXPECT_FALSE(box->GetChecked()) << stem;
        EXPECT_EQ(box->GetCaption(), ConditionTable()[i].Caption);
        // Each edit sizes itself to its font, yet stays in its row with its box centred beside it.
        EXPECT_TRUE(edit->GetAutoSize()) << stem;
        const TRect e = edit->GetBoundsRect(), b = box->GetBoundsRect();
        EXPECT_LE(std::abs((e.Top + e.Bottom) - (b.Top + b.Bottom)), 2) << stem;
        for (int j = 0; j < i; ++j) {
            auto* other = dynamic_cast<TConditionEdit*>(Frmain->FindComponent(ConditionTable()[j].Stem + "Edit"));
            TRect overlap;
            if (other->GetParent() == edit->GetParent()) {
                EXPECT_FALSE(IntersectRect(overlap, e, other->GetBoundsRect()))
                    << stem << " over " << ConditionTable()[j].Stem;
            }
        }
    }
    // Names keep their case: the scheme files and the other windows find the widgets by them.
    for (const char* name : {"Tb9chk", "Tb14Edit", "tb15chk", "tb16Edit", "bianma1chk", "tb_2chk", "gw0", "sww9",
                             "swwcom", "Tj_danmaEdit", "customwzchk", "TJErrochk", "display6machk", "Memo1"})
        EXPECT_EQ(Frmain->FindComponent(name)->GetName(), name);
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
    EXPECT_FALSE(Frmain->Btcance->GetEnabled());
    EXPECT_EQ(Frmain->PageTabTiaojian->GetActivePage(), Frmain->Tabbm);
    EXPECT_EQ(Frmain->PageCanshu->GetActivePage(), Frmain->Tabtb);
    EXPECT_EQ(Frmain->tjcom->GetItems()->GetCount(), 501);
    EXPECT_EQ(Application->HintPause, 500);
    EXPECT_EQ(Application->HintHidePause, 3666);
    ASSERT_EQ(Frmain->StartupProblems().size(), 1u) << "the empty history is said once";
    EXPECT_NE(Frmain->StartupProblems()[0].find("还没有"), std::string::npos);
    EXPECT_FALSE(shownProblems.empty()) << "and shown in a message box";
    EXPECT_EQ(Frmain->LastIssue, 0);
}

TEST_F(MainWindow, TickingABoxEnablesOnlyTheEditOfItsWholeName) {
    Start();
    auto* box = dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent("xhtz10chk"));
    auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent("xhtz10Edit"));
    auto* other = dynamic_cast<TConditionEdit*>(Frmain->FindComponent("xhtz1Edit"));
    box->SetChecked(true);
    EXPECT_TRUE(edit->GetEnabled());
    EXPECT_FALSE(other->GetEnabled());
    edit->SetText("j=1/");
    box->SetChecked(false);
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_EQ(edit->GetText(), "j=1/") << "unticking keeps the text";
    Frmain->customwzchk->SetChecked(true); // has no edit: nothing to enable, nothing fails
    Frmain->Tj_danmachk->SetChecked(true);
    EXPECT_TRUE(Frmain->Tj_danmaEdit->GetEnabled());
}

TEST_F(MainWindow, AClickedConditionTakesTypedTextAndItsButtonOpensTheAssistant) {
    Start();
    Frmain->PageTabTiaojian->SetActivePage(Frmain->Tabgw);
    Application->ProcessMessages();
    auto* box = dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent("gw1chk"));
    auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent("gw1Edit"));
    ASSERT_TRUE(box && edit);
    display.Click(box->GetHandle(), 6, box->GetHeight() / 2); // on the mark
    Application->ProcessMessages();
    ASSERT_TRUE(box->GetChecked());
    ASSERT_TRUE(edit->GetEnabled());
    edit->SetFocus();
    Application->ProcessMessages();
    display.TypeText("j=1/单中");
    Application->ProcessMessages();
    EXPECT_EQ(edit->GetText(), "j=1/单中");

    TcxEditButtons* buttons = edit->GetProperties()->GetButtons();
    ASSERT_EQ(buttons->GetCount(), 1);
    EXPECT_EQ(buttons->ButtonAt(0)->GetKind(), bkEllipsis);
    EXPECT_TRUE(buttons->ButtonAt(0)->GetEnabled());
    display.Click(edit->GetHandle(), edit->GetWidth() - 6, edit->GetHeight() / 2);
    Application->ProcessMessages();
    ASSERT_TRUE(FrTjshezhi && FrTjshezhi->GetVisible());
    EXPECT_EQ(AssistantTarget, edit);
    EXPECT_EQ(edit->GetText(), "j=1/单中") << "opening changes no text";
}

TEST_F(MainWindow, QuickSelectionsChooseTheirDigitsOfOneRow) {
    Start();
    struct Case {
        int item;
        const char* digits;
    };
    const Case cases[] = {{0, "0123456789"}, {1, ""},      {2, "13579"}, {3, "02468"}, {4, "56789"},
                          {5, "01234"},      {6, "0369"}, {7, "147"},   {8, "258"}};
    for (const Case& c : cases) {
        Frmain->PositionComs[0]->SetItemIndex(0);
        Frmain->PositionComChange(0);
        Frmain->PositionComs[0]->SetItemIndex(c.item);
        Frmain->PositionComChange(0);
        EXPECT_EQ(Selected(0), c.digits) << "item " << c.item;
        EXPECT_EQ(Selected(1), "0123456789") << "other rows stay";
    }
    Frmain->Allcom->SetItemIndex(1);
    Frmain->AllcomChange(Frmain->Allcom);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Selected(p), "");
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled()) << "clearing all leaves the start button";
    Frmain->DigitClick(2, Frmain->DigitButtons[2][5]);
    EXPECT_EQ(Selected(2), "5");
    Frmain->DigitClick(2, Frmain->DigitButtons[2][5]);
    EXPECT_EQ(Selected(2), "");
}

TEST_F(MainWindow, TheDigitBoxesShowTheStateOfTheDigitsAndEveryChoiceActs) {
    Start();
    auto texts = [] {
        std::string all = Frmain->Allcom->GetText();
        for (TComboBox* com : Frmain->PositionComs)
            all += "|" + com->GetText();
        return all;
    };
    EXPECT_EQ(Frmain->Allcom->GetStyle(), csDropDownList) << "a fixed list, no typed text";
    EXPECT_EQ(texts(), "全选|全选|全选|全选|全选|全选|全选");
    Frmain->BtclearTjClick(nullptr);
    EXPECT_EQ(texts(), "清除|清除|清除|清除|清除|清除|清除") << "clearing all conditions clears the digits";
    // 全选 chosen again (with the arrow key, as a user steps the closed list) selects every digit.
    Frmain->Allcom->SetFocus();
    display.PressKey(VK_UP);
    Application->ProcessMessages();
    EXPECT_EQ(Selected(0) + Selected(5), "01234567890123456789");
    EXPECT_EQ(texts(), "全选|全选|全选|全选|全选|全选|全选");
    Frmain->DigitClick(0, Frmain->DigitButtons[0][0]);
    EXPECT_EQ(texts(), "||全选|全选|全选|全选|全选") << "1-9 is no quick selection";
    for (int d : {2, 4, 6, 8})
        Frmain->DigitClick(0, Frmain->DigitButtons[0][d]);
    EXPECT_EQ(Frmain->PositionComs[0]->GetText(), "奇数");
    Frmain->PositionComs[1]->SetItemIndex(7);
    Frmain->PositionComChange(1);
    EXPECT_EQ(texts(), "|奇数|余1|全选|全选|全选|全选");
}

TEST_F(MainWindow, ClearingUnticksEmptiesAndUnselectsEverything) {
    Start();
    auto* box = dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent("gw7chk"));
    auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent("gw7Edit"));
    box->SetChecked(true);
    edit->SetText("y=1/");
    Frmain->FamilyFlags[cfGw]->SetChecked(true);
    Frmain->BtclearTjClick(Frmain->BtclearTj);
    EXPECT_FALSE(box->GetChecked());
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_FALSE(Frmain->FamilyFlags[cfGw]->GetChecked());
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Selected(p), "");
    EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
}

TEST_F(MainWindow, ClosingAsksAndCancelKeepsEverything) {
    Start();
    Frmain->Memo1->GetLines()->Add("01 02 03 04 05 06    1");
    Soon([&] { display.PressKey(VK_ESCAPE); });
    Frmain->Close();
    Application->ProcessMessages();
    EXPECT_TRUE(Frmain->GetVisible());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(Frmain->Memo1->GetLines()->GetCount(), 1);
    std::string asked;
    Soon([&] {
        if (auto* box = Screen->GetActiveForm()) asked = box->GetCaption();
        display.PressKey(VK_RETURN);
    });
    Frmain->ToolButton7Click(nullptr);
    Application->ProcessMessages();
    EXPECT_EQ(asked, "喂？");
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(MainWindow, TheHelpWindowIsShownAgainWithItsText) {
    Start();
    Frmain->N11Click(nullptr);
    ASSERT_TRUE(Frhelp->GetVisible());
    EXPECT_EQ(Frhelp->GetCaption(), "帮助");
    EXPECT_EQ(Frhelp->GetClientWidth(), 483);
    const std::string text = Frhelp->Memo1->GetLines()->GetText();
    EXPECT_NE(text.find("开始过滤"), std::string::npos);
    Frhelp->Close();
    EXPECT_FALSE(Frhelp->GetVisible());
    Frmain->N11Click(nullptr);
    EXPECT_TRUE(Frhelp->GetVisible());
    EXPECT_EQ(Frhelp->Memo1->GetLines()->GetText(), text);
}

TEST_F(MainWindow, TheCountdownCaptionComesAfterAMinute) {
    Start();
    Frmain->Clock = [] { return EncodeDate(2026, 12, 8) + EncodeTime(19, 30, 0, 0); }; // a Tuesday
    display.Clock().Advance(59000);
    Application->ProcessMessages();
    EXPECT_EQ(Frmain->GetCaption(), "Zorvy");
    display.Clock().Advance(1000);
    Application->ProcessMessages();
    EXPECT_EQ(Frmain->GetCaption(), "Zorvy       距最后售票时间：0小时30分");
}

class MainWindowWithDraws : public AppTest {
  protected:
    MainWindowWithDraws() : AppTest(DrawDatabase::RealDraws) {}
};

TEST_F(MainWindowWithDraws, StartsWithTheLastDrawAndNoProblem) {
    Start();
    ASSERT_NE(Data, nullptr);
    EXPECT_TRUE(Frmain->StartupProblems().empty());
    EXPECT_EQ(Frmain->LastIssue, 2026096);
}

TEST(MainWindowStartUp, AnUnusableDatabaseIsReportedAndTheWindowOpens) {
    TempFolder folder;
    const std::string notAFolder = folder.Path() + "/file";
    { std::FILE* f = std::fopen(notAFolder.c_str(), "w"); std::fclose(f); }
    const char* old = std::getenv("ZORVY_HOME");
    const std::string previous = old ? old : "";
    setenv("ZORVY_HOME", notAFolder.c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    {
        THeadlessDisplay display;
        InitializeForms();
        CreateWindows();
        Frmain->Show();
        EXPECT_EQ(Data, nullptr);
        ASSERT_EQ(Frmain->StartupProblems().size(), 1u);
        EXPECT_NE(Frmain->StartupProblems()[0].find("无法打开开奖数据库"), std::string::npos);
        // One digit a position: a run of a single serial works without a history.
        for (int p = 0; p < 6; ++p) {
            Frmain->PositionComs[p]->SetItemIndex(1);
            Frmain->PositionComChange(p);
            Frmain->DigitClick(p, Frmain->DigitButtons[p][0]);
        }
        Frmain->BtfilterClick(nullptr);
        EXPECT_TRUE(Frmain->Btfilter->GetEnabled());
        FinalizeForms();
        ForgetWindows();
    }
    if (old)
        setenv("ZORVY_HOME", previous.c_str(), 1);
    else
        unsetenv("ZORVY_HOME");
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(MainWindow, TheResultListScrollsToItsEnd) {
    Start();
    for (int i = 0; i < 5000; ++i)
        Frmain->Memo1->GetLines()->Add("01 02 03 04 05 06    " + std::to_string(i));
    Application->ProcessMessages();
    display.Click(Frmain->Memo1->GetHandle(), 20, 20);
    display.Wheel(Frmain->Memo1->GetHandle(), 20, 20, -120);
    Application->ProcessMessages();
    EXPECT_EQ(Frmain->Memo1->GetTopLine(), 3) << "the wheel";
    EXPECT_TRUE(GetWindowStyle(Frmain->Memo1->GetHandle()) & WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(Frmain->Memo1->GetHandle(), SB_VERT, si);
    EXPECT_EQ(si.nMax, 4999);
}

} // namespace
} // namespace zorvy::test
