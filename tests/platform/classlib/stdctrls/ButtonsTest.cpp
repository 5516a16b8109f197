// Speed buttons in groups, tool buttons and the tool bar's layout, driven by the mouse.
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "tests/platform/classlib/ClassLibFixture.h"

namespace zorvy::test {
namespace {

class Buttons : public ClassLibTest {
  protected:
    TSpeedButton* AddSpeedButton(TForm* form, int left, int group) {
        auto* b = new TSpeedButton(form);
        b->SetParent(form);
        b->SetBounds(left, 10, 22, 22);
        b->SetGroupIndex(group);
        return b;
    }
    void ClickAt(TForm* form, int x, int y) {
        display.Click(form->GetHandle(), x, y);
        Pump();
    }
};

TEST_F(Buttons, GroupedSpeedButtonsStayDownOneAtATime) {
    TForm* form = NewForm();
    TSpeedButton* a = AddSpeedButton(form, 10, 1);
    TSpeedButton* b = AddSpeedButton(form, 40, 1);
    TSpeedButton* other = AddSpeedButton(form, 70, 2);
    TSpeedButton* plain = AddSpeedButton(form, 100, 0);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    other->SetDown(true);

    ClickAt(form, 15, 15);
    EXPECT_TRUE(a->GetDown());
    ClickAt(form, 45, 15);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->GetDown());
    EXPECT_FALSE(a->GetDown()) << "the other button of group 1 came up";
    EXPECT_TRUE(other->GetDown()) << "group 2 is a group of its own";

    ClickAt(form, 45, 15);
    EXPECT_TRUE(b->GetDown()) << "without AllowAllUp the last button down stays down";
    EXPECT_EQ(clicks, 2) << "and still clicks";

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->GetAllowAllUp()) << "AllowAllUp is shared by the group";
    ClickAt(form, 45, 15);
    EXPECT_FALSE(b->GetDown());

    plain->SetDown(true);
    EXPECT_FALSE(plain->GetDown()) << "a button outside any group never stays down";
}

TEST_F(Buttons, ASpeedButtonClicksOnlyWhenReleasedOverIt) {
    TForm* form = NewForm();
    TSpeedButton* b = AddSpeedButton(form, 10, 0);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    display.PressMouse(form->GetHandle(), 15, 15);
    display.MoveMouse(form->GetHandle(), 150, 150);
    display.ReleaseMouse(form->GetHandle(), 150, 150);
    Pump();
    EXPECT_EQ(clicks, 0);
    b->SetEnabled(false);
    ClickAt(form, 15, 15);
    EXPECT_EQ(clicks, 0) << "a disabled button does not click";
}

TEST_F(Buttons, FlatSpeedButtonsShowABorderOnlyUnderThePointer) {
    TForm* form = NewForm();
    form->SetColor(clBtnFace);
    TSpeedButton* b = AddSpeedButton(form, 10, 0);
    b->SetFlat(true);
    form->Show();
    Pump();
    const COLORREF face = ColorToRGB(clBtnFace);
    EXPECT_EQ(PixelAt(form, 10, 10), face) << "no border while the pointer is elsewhere";
    display.MoveMouse(form->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(PixelAt(form, 10, 10), ColorToRGB(clBtnHighlight)) << "raised under the pointer";
    b->SetFlat(false);
    display.MoveMouse(form->GetHandle(), 200, 150);
    Pump();
    EXPECT_EQ(PixelAt(form, 31, 31), ColorToRGB(cl3DDkShadow)) << "a plain button always shows its border";
}

TEST_F(Buttons, ToolButtonsFlowAcrossTheBarAndWrap) {
    TForm* form = NewForm(200, 200);
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetButtonWidth(50);
    bar->SetButtonHeight(30);
    bar->SetHeight(70);
    std::vector<TToolButton*> buttons;
    std::vector<std::string> log;
    for (int i = 0; i < 4; ++i) {
        auto* b = new TToolButton(form);
        b->SetParent(bar);
        b->SetCaption("B" + std::to_string(i));
        b->OnClick = [&log, i](TObject*) { log.push_back("B" + std::to_string(i)); };
        buttons.push_back(b);
    }
    buttons[1]->SetStyle(tbsSeparator);
    form->Show();
    Pump();
    // 50 + 8 + 50 = 108, and a fourth button would end at 158: all fit in 200.
    EXPECT_EQ(buttons[0]->GetBoundsRect(), Rect(0, 2, 50, 32));
    EXPECT_EQ(buttons[1]->GetBoundsRect(), Rect(50, 2, 58, 32));
    EXPECT_EQ(buttons[3]->GetBoundsRect(), Rect(108, 2, 158, 32));
    bar->SetButtonWidth(80);
    // 80 + 8 + 80 = 168; the last button would end at 248 > 200, so it starts a new row.
    EXPECT_EQ(buttons[3]->GetBoundsRect(), Rect(0, 32, 80, 62));

    display.Click(form->GetHandle(), 100, 10); // B2 at 88..168
    display.Click(form->GetHandle(), 84, 10);  // the separator
    Pump();
    EXPECT_EQ(log, std::vector<std::string>{"B2"});
}

TEST_F(Buttons, GroupedCheckToolButtonsBehaveAsRadioButtons) {
    TForm* form = NewForm(300, 100);
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    std::vector<TToolButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TToolButton(form);
        b->SetParent(bar);
        b->SetStyle(tbsCheck);
        b->Grouped = i < 2;
        buttons.push_back(b);
    }
    form->Show();
    Pump();
    display.Click(form->GetHandle(), 5, 10);
    display.Click(form->GetHandle(), 28, 10);
    display.Click(form->GetHandle(), 51, 10);
    Pump();
    EXPECT_FALSE(buttons[0]->GetDown());
    EXPECT_TRUE(buttons[1]->GetDown());
    EXPECT_TRUE(buttons[2]->GetDown()) << "an ungrouped check button is independent";
    display.Click(form->GetHandle(), 28, 10);
    display.Click(form->GetHandle(), 51, 10);
    Pump();
    EXPECT_TRUE(buttons[1]->GetDown()) << "the grouped button that is down stays down";
    EXPECT_FALSE(buttons[2]->GetDown());
}

} // namespace
} // namespace zorvy::test
