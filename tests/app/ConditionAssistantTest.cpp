// The condition assistant on the headless display: opened by a condition edit's button, choices built
// into the edit and shown again, texts that round-trip, the pending choice that stops a run, cancelling,
// texts it cannot read, the range boxes and banker mode.
#include "app/ConditionAssistant.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Windows.h"
#include "tests/app/AppFixture.h"

namespace zorvy::test {
namespace {

class AssistantTest : public AppTest {
  protected:
    AssistantTest() {
        Start();
        assistant = FrTjshezhi;
    }
    TConditionEdit* Edit(const std::string& stem) {
        return dynamic_cast<TConditionEdit*>(Frmain->FindComponent(stem + "Edit"));
    }
    // Ticks the condition, shows its page and presses its edit's ellipsis button.
    TConditionEdit* OpenOn(const std::string& stem, TTabSheet* page, const std::string& text = "") {
        auto* box = dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent(stem + "chk"));
        box->SetChecked(true);
        page->GetPageControl()->SetActivePage(page);
        TConditionEdit* edit = Edit(stem);
        edit->SetText(text);
        Application->ProcessMessages();
        display.Click(edit->GetHandle(), edit->GetWidth() - 6, edit->GetHeight() / 2);
        Application->ProcessMessages();
        return edit;
    }
    void Press(TcxButton* button) {
        display.Click(button->GetHandle(), button->GetWidth() / 2, button->GetHeight() / 2);
        Application->ProcessMessages();
    }
    static std::string Ticked(TcxCheckGroup* group) {
        std::string ticked;
        for (int i = 0; i < group->GetButtonCount(); ++i)
            if (group->GetItemState(i) == cbsChecked) ticked += std::to_string(i) + " ";
        return ticked;
    }

    TFrTjshezhi* assistant = nullptr;
};

TEST_F(AssistantTest, StartsHiddenAfterTheMainWindowAndTheDataModule) {
    ASSERT_NE(assistant, nullptr);
    EXPECT_EQ(assistant->GetCaption(), "条件设置助手");
    EXPECT_FALSE(assistant->GetVisible());
    EXPECT_EQ(assistant->GetBorderStyle(), bsNone);
    EXPECT_EQ(assistant->GetFormStyle(), fsStayOnTop);
    EXPECT_EQ(Application->GetMainForm(), Frmain);
    EXPECT_FALSE(ConditionPending);
    for (TWinControl* c :
         std::initializer_list<TWinControl*>{assistant->xuanmaqu, assistant->Jechk, assistant->yschk,
                                             assistant->fwchk, assistant->Bt_add, assistant->Bt_tjclear})
        EXPECT_FALSE(c->GetEnabled()) << c->GetName();
    EXPECT_FALSE(assistant->NoLianxuPanel->GetVisible());
    EXPECT_FALSE(assistant->Bt_delete->GetVisible());
}

TEST_F(AssistantTest, ChoicesBecomeTheEditsTextAndOpeningAgainShowsThem) {
    TConditionEdit* edit = OpenOn("gw1", Frmain->Tabgw);
    ASSERT_TRUE(assistant->GetVisible()) << "the ellipsis button opens the assistant";
    EXPECT_EQ(AssistantTarget, edit);
    EXPECT_EQ(AssistantReturnTab, Frmain->Tabgw);
    EXPECT_EQ(assistant->GetClientHeight(), AssistantShortHeight);
    EXPECT_EQ(assistant->begincom->GetProperties()->GetItems().size(), 501u) << "the main window's 0 to 500";
    EXPECT_FALSE(assistant->xuanmaqu->GetEnabled()) << "a condition edit picks no digits";

    assistant->Jechk->SetItemIndex(1);
    assistant->yschk->SetItemState(0, cbsChecked);
    assistant->yschk->SetItemState(2, cbsChecked);
    assistant->Havechk->SetChecked(true);
    EXPECT_TRUE(assistant->begincom->GetEnabled());
    assistant->Endcom->SetText("12");
    assistant->begincom->SetText("3");
    EXPECT_TRUE(ConditionPending);
    Press(assistant->Bt_add);
    EXPECT_EQ(edit->GetText(), "j=1/y=0/y=2/fw1=3/fw2=12/");
    EXPECT_FALSE(assistant->GetVisible());
    EXPECT_FALSE(ConditionPending);

    const TConditionChoices built = assistant->Choices();
    assistant->Bt_tjclearClick(nullptr);
    OpenOn("gw1", Frmain->Tabgw, edit->GetText());
    EXPECT_EQ(assistant->memobaohan->GetText(), "j=1/y=0/y=2/fw1=3/fw2=12/");
    EXPECT_EQ(assistant->Choices(), built);
    EXPECT_EQ(assistant->Jechk->GetItemIndex(), 1);
    EXPECT_EQ(Ticked(assistant->yschk), "0 2 ");
}

TEST_F(AssistantTest, DigitAndListTextsRoundTripUnchanged) {
    TConditionEdit* edit = OpenOn("xhtz2", Frmain->Tabbm, "bh=0 9 /");
    EXPECT_EQ(Ticked(assistant->xuanmaqu), "0 9 ");
    EXPECT_TRUE(assistant->xuanmchk->GetChecked());
    Press(assistant->Bt_add);
    EXPECT_EQ(edit->GetText(), "bh=0 9 /");

    edit = OpenOn("sww3", Frmain->Tabww, "xfw=c5, 0 2 /");
    EXPECT_TRUE(assistant->NoLianxuPanel->GetVisible());
    EXPECT_EQ(assistant->GetClientHeight(), AssistantTallHeight);
    EXPECT_EQ(assistant->chushuvcom->GetText(), "5");
    EXPECT_EQ(Ticked(assistant->NolianxuGroup), "0 2 ");
    TcxButtonGroupItems* values = assistant->NolianxuGroup->GetProperties()->GetItems();
    EXPECT_EQ(values->GetCount(), ListValueCount);
    EXPECT_TRUE(values->ItemAt(4)->GetEnabled());
    EXPECT_FALSE(values->ItemAt(5)->GetEnabled()) << "no remainder of 5 reaches 5";
    EXPECT_TRUE(assistant->NolianxuGroup->GetButton(4)->GetEnabled());
    EXPECT_FALSE(assistant->NolianxuGroup->GetButton(5)->GetEnabled()) << "and its box takes no click";
    EXPECT_EQ(AssistantReturnTab, Frmain->Tabww);
    Press(assistant->Bt_add);
    EXPECT_EQ(edit->GetText(), "xfw=c5, 0 2 /");
    EXPECT_EQ(assistant->GetClientHeight(), AssistantShortHeight);

    // Back to no divisor: every value is offered again.
    OpenOn("sww3", Frmain->Tabww, "xfw=c5, 0 2 /");
    assistant->chushuvcom->SetText("无");
    EXPECT_TRUE(values->ItemAt(54)->GetEnabled());
    EXPECT_TRUE(assistant->NolianxuGroup->GetButton(54)->GetEnabled());
    EXPECT_EQ(Ticked(assistant->NolianxuGroup), "") << "a new divisor starts a new list";
}

TEST_F(AssistantTest, APendingChoiceStopsTheRunAndShowsItsPage) {
    OpenOn("bw4", Frmain->Tabbw);
    assistant->Jechk->SetItemIndex(2);
    ASSERT_TRUE(ConditionPending);
    Frmain->PageTabTiaojian->SetActivePage(Frmain->Tabbm);
    std::string said;
    bool inFront = false;
    Soon([&] {
        said = FrontText();
        inFront = !IsWindowVisible(assistant->GetHandle());
        display.PressKey(VK_RETURN);
    });
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_EQ(said, PendingConditionMessage);
    EXPECT_TRUE(inFront) << "the assistant steps aside: the message is not hidden behind it";
    EXPECT_TRUE(IsWindowVisible(assistant->GetHandle())) << "and comes back after the answer";
    EXPECT_EQ(std::string(PendingConditionMessage), "你刚才所选条件没有添加到相应栏里，请继续添加!");
    EXPECT_EQ(Frmain->PageTabTiaojian->GetActivePage(), Frmain->Tabbw);
    EXPECT_EQ(Frmain->Lbtouzhushu->GetCaption(), TouzhushuIdleCaption) << "no run started";
    EXPECT_EQ(Frmain->Memo1->GetLines()->GetCount(), 0);

    Press(assistant->Bt_add);
    EXPECT_EQ(Edit("bw4")->GetText(), "j=0/");
    EXPECT_FALSE(ConditionPending);

    // The banker edit lies on the left-hand pages: its page is shown there.
    Frmain->Tj_danmachk->SetChecked(true);
    Frmain->PageCanshu->SetActivePage(Frmain->Tabdm);
    Application->ProcessMessages();
    display.Click(Frmain->Tj_danmaEdit->GetHandle(), Frmain->Tj_danmaEdit->GetWidth() - 6, 8);
    Application->ProcessMessages();
    assistant->xuanmaqu->SetItemState(3, cbsChecked);
    Frmain->PageCanshu->SetActivePage(Frmain->Tabtb);
    AnswerWithEnter(display, said);
    Frmain->BtfilterClick(Frmain->Btfilter);
    EXPECT_EQ(Frmain->PageCanshu->GetActivePage(), Frmain->Tabdm);

    // A loaded scheme replaces the choice.
    ASSERT_TRUE(ConditionPending);
    TempFolder folder;
    Frmain->Tj_danmaEdit->SetText("dm=1 /");
    ASSERT_TRUE(Frmain->SaveScheme(folder.Path() + "/a.ini"));
    ASSERT_TRUE(Frmain->LoadScheme(folder.Path() + "/a.ini"));
    EXPECT_FALSE(ConditionPending);
}

TEST_F(AssistantTest, CancelAndEscapeCloseWithoutTouchingTheEdit) {
    TConditionEdit* edit = OpenOn("qw7", Frmain->Tabbw, "j=1/");
    assistant->Jechk->SetItemIndex(2);
    Press(assistant->Bt_cancel);
    EXPECT_FALSE(assistant->GetVisible());
    EXPECT_EQ(edit->GetText(), "j=1/");
    EXPECT_FALSE(ConditionPending) << "nothing waits to be added";

    OpenOn("qw7", Frmain->Tabbw, "j=1/");
    assistant->yschk->SetItemState(1, cbsChecked);
    assistant->Havechk->SetChecked(true);
    assistant->Endcom->SetFocus();
    assistant->Endcom->SetDroppedDown(true);
    Application->ProcessMessages();
    display.PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_TRUE(assistant->GetVisible()) << "Escape closes the open list first";
    EXPECT_FALSE(assistant->Endcom->GetDroppedDown());
    display.PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(assistant->GetVisible());
    EXPECT_EQ(edit->GetText(), "j=1/");

    // Closed with a list open, the list goes with it.
    OpenOn("qw7", Frmain->Tabbw, "fw1=2/fw2=4/");
    assistant->begincom->SetDroppedDown(true);
    Application->ProcessMessages();
    assistant->Bt_cancelClick(assistant->Bt_cancel);
    EXPECT_FALSE(assistant->begincom->GetDroppedDown());
    EXPECT_EQ(edit->GetText(), "fw1=2/fw2=4/");
}

TEST_F(AssistantTest, AnOpenSegmentIsReadAsAbsentAndAnUnreadableTextIsSaidAndKept) {
    TConditionEdit* edit = OpenOn("xhtz5", Frmain->Tabbm, "j=1/fw1=3");
    ASSERT_TRUE(assistant->GetVisible());
    EXPECT_EQ(assistant->Jechk->GetItemIndex(), 1);
    EXPECT_FALSE(assistant->Havechk->GetChecked());
    EXPECT_EQ(assistant->memobaohan->GetText(), "j=1/fw1=3");
    Press(assistant->Bt_cancel);

    // Opened on another edit first: a text it cannot read leaves that opening as it was.
    OpenOn("xhtz6", Frmain->Tabbm, "y=1/");
    std::string said;
    AnswerWithEnter(display, said);
    edit = OpenOn("xhtz5", Frmain->Tabbm, "y=0/xfw= 1 x 3 /");
    EXPECT_NE(said.find("“x”不是0到54之间的整数"), std::string::npos) << said;
    EXPECT_EQ(edit->GetText(), "y=0/xfw= 1 x 3 /");
    EXPECT_EQ(AssistantTarget, Edit("xhtz6"));
    EXPECT_EQ(Ticked(assistant->yschk), "1 ");
    EXPECT_FALSE(assistant->NoLianxuchk->GetChecked()) << "nothing half read";

    // Typed into the assistant's own text and double-clicked: the controls follow, the edit does not.
    assistant->memobaohan->SetText("j=0/y=2/");
    assistant->memobaohanDblClick(assistant->memobaohan);
    EXPECT_EQ(assistant->Jechk->GetItemIndex(), 2);
    EXPECT_EQ(Ticked(assistant->yschk), "2 ");
    EXPECT_EQ(Edit("xhtz6")->GetText(), "y=1/");
    assistant->memobaohan->SetText("fw1=a/fw2=2/");
    AnswerWithEnter(display, said);
    EXPECT_FALSE(assistant->tjstrTocheck());
    EXPECT_EQ(Ticked(assistant->yschk), "2 ") << "the controls stay";

    bool flags[5] = {};
    EXPECT_THROW(assistant->TJButtonClick(flags[0], flags[1], flags[2], flags[3], flags[4], Frmain->Tabbm,
                                          Frmain->Btfilter),
                 EInvalidCast);
    EXPECT_EQ(AssistantTarget, Edit("xhtz6"));
}

TEST_F(AssistantTest, TheRangeBoxesTakeDigitsOnlyAndGrowTheirListsOnce) {
    OpenOn("gw2", Frmain->Tabgw);
    assistant->Havechk->SetChecked(true);
    assistant->begincom->SetFocus();
    assistant->begincom->SetText("");
    Application->ProcessMessages();
    display.TypeText("6a0-0");
    Application->ProcessMessages();
    EXPECT_EQ(assistant->begincom->GetText(), "600");
    char32_t enter = '\r';
    assistant->begincomKeyPress(assistant->begincom, enter);
    EXPECT_EQ(assistant->Endcom->GetText(), "600") << "the end follows the begin";
    assistant->Endcom->SetText("700");
    assistant->EndcomKeyPress(assistant->Endcom, enter);
    assistant->EndcomKeyPress(assistant->Endcom, enter);
    const std::vector<std::string>& items = assistant->begincom->GetProperties()->GetItems();
    ASSERT_EQ(items.size(), static_cast<size_t>(RangeListTop + 1)) << "0 to 11000, each once";
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] != std::to_string(i)) {
            ADD_FAILURE() << "item " << i << " is " << items[i];
            break;
        }
    EXPECT_EQ(assistant->Endcom->GetProperties()->GetItems(), items);
    EXPECT_EQ(assistant->begincom->GetText(), "600");
    assistant->Endcom->SetText("5");
    EXPECT_EQ(assistant->begincom->GetText(), "5") << "the begin never stays above the end";
    Press(assistant->Bt_add);
    EXPECT_EQ(Edit("gw2")->GetText(), "fw1=5/fw2=5/");
}

TEST_F(AssistantTest, TheBankerEditPicksDigitsWrittenAsBankerDigits) {
    Frmain->Tj_danmachk->SetChecked(true);
    Frmain->PageCanshu->SetActivePage(Frmain->Tabdm);
    Application->ProcessMessages();
    display.Click(Frmain->Tj_danmaEdit->GetHandle(), Frmain->Tj_danmaEdit->GetWidth() - 6, 8);
    Application->ProcessMessages();
    ASSERT_TRUE(assistant->GetVisible());
    EXPECT_TRUE(BankerMode);
    EXPECT_TRUE(assistant->xuanmchk->GetChecked());
    EXPECT_TRUE(assistant->xuanmaqu->GetEnabled());
    EXPECT_TRUE(assistant->xuanmaqu->GetButton(9)->GetEnabled()) << "every digit can be picked";
    EXPECT_FALSE(assistant->Jechk->GetEnabled());
    EXPECT_FALSE(assistant->fwchk->GetEnabled());
    EXPECT_TRUE(assistant->NoLianxuchk->GetEnabled());
    assistant->xuanmaqu->SetItemState(8, cbsChecked);
    assistant->xuanmaqu->SetItemState(4, cbsChecked);
    Press(assistant->Bt_add);
    EXPECT_EQ(Frmain->Tj_danmaEdit->GetText(), "dm=4 8 /");
    EXPECT_FALSE(BankerMode);

    // A condition edit opened next writes digits it reads as "bh=".
    TConditionEdit* edit = OpenOn("xhtz1", Frmain->Tabbm, "bh=2 /");
    Press(assistant->Bt_add);
    EXPECT_EQ(edit->GetText(), "bh=2 /");
}

TEST_F(AssistantTest, OpenedForTheAnalysisWindowAddingTicksTheConditionToo) {
    // The analysis window targets an edit whose box is not ticked yet.
    TConditionEdit* edit = Edit("ww5");
    ASSERT_FALSE(edit->GetEnabled());
    AssistantFromAnalysis = true;
    bool flags[5] = {};
    assistant->TJButtonClick(flags[0], flags[1], flags[2], flags[3], flags[4], Frmain->Tabww, edit);
    assistant->Jechk->SetItemIndex(1);
    assistant->Bt_addClick(assistant->Bt_add);
    EXPECT_EQ(edit->GetText(), "j=1/");
    EXPECT_TRUE(dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent("ww5chk"))->GetChecked());
    EXPECT_TRUE(edit->GetEnabled());
    EXPECT_FALSE(AssistantFromAnalysis);
    EXPECT_FALSE(assistant->GetVisible());
}

} // namespace
} // namespace zorvy::test
