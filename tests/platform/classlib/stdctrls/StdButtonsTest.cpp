// Buttons, check boxes, radio buttons and groups made of the system's BUTTON class, the drawn
// button group, and the one-line edit.
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <memory>

namespace zorvy::test {
namespace {

class StdButtons : public ClassLibTest {
  protected:
    template <class T> T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* c = new T(parent);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void Click(TForm* form, TControl* c, int dx = 5, int dy = 5) {
        const TPoint p = form->ScreenToClient(c->ClientToScreen({dx, dy}));
        display.Click(form->GetHandle(), p.X, p.Y);
        Pump();
    }
};

TEST_F(StdButtons, DefaultAndCancelButtonsAnswerEnterAndEscInAModalForm) {
    auto* dialog = new TForm(Application);
    dialog->SetBounds(100, 100, 300, 120);
    auto* edit = Add<TEdit>(dialog, 10, 10, 200, 21);
    auto* ok = Add<TButton>(dialog, 10, 50, 75, 25);
    ok->SetCaption("确定");
    ok->SetDefault(true);
    ok->ModalResult = mrOk;
    auto* cancel = Add<TButton>(dialog, 100, 50, 75, 25);
    cancel->SetCaption("取消");
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    dialog->SetActiveControl(edit);
    Soon([&] { display.PressKey(VK_RETURN); });
    EXPECT_EQ(dialog->ShowModal(), mrOk) << "Enter in the edit presses the default button";
    EXPECT_EQ(clicks, 1);
    Soon([&] { display.PressKey(VK_ESCAPE); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    Soon([&] {
        display.PressKey(VK_TAB); // the focus moves from the edit to OK, then to Cancel
        display.PressKey(VK_TAB);
        display.PressKey(VK_RETURN);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel) << "Enter presses the focused button, not the default";
    Soon([&] { Click(dialog, cancel); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(clicks, 1);
}

TEST_F(StdButtons, CheckBoxesClickWhenTheirStateChangesByHandOrByCode) {
    TForm* form = NewForm();
    auto* box = Add<TCheckBox>(form, 10, 10, 100, 17);
    box->SetCaption("开奖结果检验");
    std::vector<TCheckBoxState> seen;
    box->OnClick = [&](TObject*) { seen.push_back(box->GetState()); };
    form->Show();
    Pump();
    Click(form, box);
    box->SetChecked(false);
    box->SetChecked(false); // no change, no click
    box->AllowGrayed = true;
    Click(form, box);
    Click(form, box);
    Click(form, box);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked, cbGrayed, cbUnchecked}));
    EXPECT_EQ(box->Perform(BM_GETCHECK), static_cast<LRESULT>(BST_UNCHECKED)) << "the window shows the state";
    // Checked, a box that may also be grey keeps the white face of a plain check box; grey, it is
    // grey. The 13-pixel box sits at the control's left, centred in its 17 pixels.
    box->SetChecked(true);
    Pump();
    EXPECT_EQ(PixelAt(form, 10 + 3, 10 + 2 + 3), ColorToRGB(clWindow));
    box->SetState(cbGrayed);
    Pump();
    EXPECT_NE(PixelAt(form, 10 + 3, 10 + 2 + 3), ColorToRGB(clWindow));
}

TEST_F(StdButtons, ARadioGroupChecksOneItemAndLaysItsItemsOutInColumns) {
    TForm* form = NewForm(300, 200);
    auto* group = Add<TRadioGroup>(form, 10, 10, 240, 100);
    group->SetCaption("奇偶");
    group->SetColumns(3);
    for (const char* item : {"无", "奇", "偶", "余0"})
        group->GetItems()->Add(item);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    group->SetItemIndex(0);
    form->Show();
    Pump();
    // Two rows for four items in three columns: 奇 heads the first column's second row, 偶 the second
    // column.
    EXPECT_EQ(group->GetButton(1)->GetLeft(), group->GetButton(0)->GetLeft());
    EXPECT_GT(group->GetButton(1)->GetTop(), group->GetButton(0)->GetTop());
    EXPECT_GT(group->GetButton(2)->GetLeft(), group->GetButton(0)->GetLeft());
    Click(form, group->GetButton(2));
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_FALSE(group->GetButton(0)->GetChecked()) << "checking one radio button unchecks the rest";
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(7);
    EXPECT_EQ(group->GetItemIndex(), -1) << "an index out of range checks none";
    EXPECT_EQ(clicks, 1) << "setting the index in code raises no click";
    group->GetItems()->Delete(3);
    EXPECT_THROW(group->GetButton(3), EListError);
}

TEST_F(StdButtons, AButtonGroupRunsTheItemsClickThenItsOwn) {
    TForm* form = NewForm(200, 400);
    auto* group = Add<TButtonGroup>(form, 0, 0, 153, 380);
    group->SetButtonOptions(gboFullSize | gboGroupStyle | gboShowCaptions);
    group->SetButtonHeight(43);
    std::vector<std::string> log;
    for (const char* caption : {"变码特征", "个位特征", "十位特征"}) {
        TGrpButtonItem* item = group->AddItem(caption);
        item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
    }
    group->OnClick = [&](TObject*) { log.push_back("group:" + std::to_string(group->GetItemIndex())); };
    form->Show();
    Pump();
    EXPECT_EQ(group->ButtonRect(1), Rect(0, 43, group->GetClientWidth(), 86));
    Click(form, group, 20, 43 + 20);
    EXPECT_EQ(log, (std::vector<std::string>{"个位特征", "group:1"}));
    display.PressKey(VK_DOWN);
    display.PressKey(VK_SPACE);
    Pump();
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_EQ(log.back(), "group:2");
}

TEST_F(StdButtons, AnEditTellsItsChangesAndKeepsItsLimits) {
    TForm* form = NewForm();
    auto* edit = Add<TEdit>(form, 10, 10, 150, 21);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetMaxLength(4);
    form->Show();
    edit->SetFocus();
    Pump();
    display.TypeText("01 02 03");
    Pump();
    EXPECT_EQ(edit->GetText(), "01 0") << "MaxLength counts characters";
    EXPECT_EQ(changes, 4);
    edit->SetReadOnly(true);
    display.TypeText("9");
    Pump();
    EXPECT_EQ(edit->GetText(), "01 0");
    edit->SelectAll();
    EXPECT_EQ(edit->GetSelText(), "01 0");
    edit->SetText("中文");
    EXPECT_EQ(changes, 5) << "a text set in code is a change too";
}

TEST_F(StdButtons, ABitBtnOfAKindTakesThatButtonsCaptionAndResult) {
    TForm* form = NewForm();
    auto* ok = Add<TBitBtn>(form, 10, 10, 90, 30);
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->GetCaption(), "确定");
    EXPECT_EQ(ok->ModalResult, mrOk);
    EXPECT_TRUE(ok->GetDefault());
    TBitmap glyph;
    glyph.SetSize(16, 16);
    glyph.GetCanvas()->GetBrush()->SetColor(clLime);
    glyph.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    ok->SetGlyph(&glyph);
    form->Show();
    Pump();
    // The glyph sits left of the caption, centred vertically: its middle row is lime somewhere.
    HBITMAP image = display.Capture(form->GetHandle());
    int lime = 0;
    for (int x = 10; x < 100; ++x)
        if ((image->Row(25)[x] & 0xFFFFFF) == 0x00FF00) ++lime;
    DeleteObject(image);
    EXPECT_EQ(lime, 16);
}

} // namespace
} // namespace zorvy::test
