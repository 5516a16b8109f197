// The painter-drawn push button on a headless form: face colours per state, the state a paint shows,
// and the drop-down kinds' clicks, presses and keys.
#include "controls/editors/buttons/PushButton.h"

#include "platform/classlib/Actions.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/win/Handles.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace zorvy::test {
namespace {

TEST(ButtonColorsTest, UnassignedStatesFallBack) {
    TcxButtonColors colors;
    colors.SetColorValue(cxbsDefault, clRed);
    EXPECT_EQ(colors.GetColor(cxbsNormal), clRed); // the normal state takes Default
    EXPECT_EQ(colors.GetColor(cxbsDefault), clRed);
    for (TcxButtonState state : {cxbsHot, cxbsPressed, cxbsDisabled}) EXPECT_EQ(colors.GetColor(state), clDefault);

    colors.SetColorValue(cxbsNormal, clBlue);
    EXPECT_EQ(colors.GetColor(cxbsNormal), clBlue);
    EXPECT_EQ(colors.GetColor(cxbsHot), clBlue); // other states take Normal

    colors.SetColorValue(cxbsHot, clLime);
    colors.SetColorValue(cxbsHot, clNone); // clears it
    EXPECT_FALSE(colors.IsColorStored(cxbsHot));
    EXPECT_EQ(colors.GetColor(cxbsHot), clBlue);
    colors.SetAssignedColors(0); // only while designing
    EXPECT_TRUE(colors.IsAssigned(cxbsNormal));
}

class PushButtonTest : public FoundationTest {
  protected:
    PushButtonTest() {
        form = NewForm(200, 100);
        button = new TcxButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 100, 30);
        button->SetCaption("OK");
        button->OnClick = [this](TObject*) { ++clicks; };
        button->OnDropDownMenuPopup = [this](TObject*, TPopupMenu*&, bool& handled) {
            ++dropDowns;
            handled = true;
        };
        form->Show();
        Pump();
    }
    void Press(int x, int y) {
        SendMessage(button->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y));
        SendMessage(button->GetHandle(), WM_LBUTTONUP, 0, MakeLParam(x, y));
        Pump();
    }

    TForm* form = nullptr;
    TcxButton* button = nullptr;
    int clicks = 0;
    int dropDowns = 0;
};

TEST_F(PushButtonTest, TheFaceShowsTheStateColour) {
    button->GetColors()->SetColorValue(cxbsNormal, clRed);
    button->Repaint();
    Pump();
    EXPECT_EQ(button->GetButtonState(), cxbsDefault); // the form's only control has the focus
    // Between the edge and the caption, the face has Normal's colour, which Default falls back to.
    EXPECT_EQ(PixelAt(form, 10 + 6, 10 + 15), RGB(255, 0, 0));

    button->GetColors()->SetColorValue(cxbsDefault, clBlue);
    button->Repaint();
    Pump();
    EXPECT_EQ(PixelAt(form, 10 + 6, 10 + 15), RGB(0, 0, 255));
    button->SetDefault(true);
    button->SetEnabled(false);
    EXPECT_EQ(button->GetButtonState(), cxbsDisabled); // even when it is the default
}

// UltraFlat puts the focus rectangle 3 pixels inside the button: (3, 3, 17, 13) on a 20 x 16 one.
// Inside the default look's double frame, only that rectangle's dots differ from the face.
TEST_F(PushButtonTest, TheFocusRectangleOfAnUltraFlatButton) {
    button->GetLookAndFeel()->SetKind(lfUltraFlat);
    button->SetCaption("");
    button->SetBounds(10, 10, 20, 16);
    button->SetFocus();
    button->Repaint();
    Pump();
    ASSERT_TRUE(button->Focused());
    const COLORREF face = PixelAt(form, 10 + 10, 10 + 8);
    TRect dots{};
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 18; ++x)
            if (PixelAt(form, 10 + x, 10 + y) != face) UnionRect(dots, dots, Rect(x, y, x + 1, y + 1));
    EXPECT_EQ(dots, Rect(3, 3, 17, 13));
}

// Enter presses the focused button, else the default one: the default look moves with the focus.
TEST_F(PushButtonTest, TheDefaultLookFollowsTheFocus) {
    button->SetDefault(true);
    auto* second = new TcxButton(form);
    second->SetParent(form);
    second->SetBounds(120, 10, 60, 30);
    auto* text = new TEdit(form);
    text->SetParent(form);
    text->SetBounds(10, 50, 60, 21);
    Pump();
    second->SetFocus();
    Pump();
    EXPECT_FALSE(button->IsDefaultLook());
    EXPECT_TRUE(second->IsDefaultLook());
    EXPECT_EQ(button->GetButtonState(), cxbsNormal);
    text->SetFocus();
    Pump();
    EXPECT_TRUE(button->IsDefaultLook()) << "no button has the focus: the default one answers Enter";
    EXPECT_FALSE(second->IsDefaultLook());
    EXPECT_EQ(button->GetButtonState(), cxbsDefault);
    button->SetDefault(false);
    EXPECT_FALSE(button->IsDefaultLook());
}

// An action whose image index is valid in its list's images gives an empty button its glyph: the image
// drawn on a fuchsia ground of the images' size.
TEST_F(PushButtonTest, AnEmptyButtonTakesItsActionsImage) {
    auto* images = new TImageList(form);
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap strip;
    strip.SetSize(64, 16);
    strip.GetCanvas()->GetBrush()->SetColor(clLime);
    strip.GetCanvas()->FillRect(Rect(0, 0, 64, 16));
    strip.GetCanvas()->GetBrush()->SetColor(clRed);
    strip.GetCanvas()->FillRect(Rect(48, 0, 56, 16)); // image 3: its left half red
    ASSERT_EQ(images->AddMasked(&strip, clLime), 0);
    ASSERT_EQ(images->GetCount(), 4);
    auto* actions = new TActionList(form);
    actions->SetImages(images);
    auto* action = new TAction(form);
    action->SetActionList(actions);
    action->SetCaption("打开");
    action->SetImageIndex(3);
    button->SetAction(action);
    TBitmap* glyph = button->GetGlyph();
    ASSERT_FALSE(glyph->Empty());
    EXPECT_EQ(glyph->GetWidth(), 16);
    EXPECT_EQ(glyph->GetHeight(), 16);
    EXPECT_EQ(glyph->GetCanvas()->GetPixel(2, 8), clRed);
    EXPECT_EQ(glyph->GetCanvas()->GetPixel(12, 8), clFuchsia);

    auto* other = new TcxButton(form);
    auto* outOfRange = new TAction(form);
    outOfRange->SetActionList(actions);
    outOfRange->SetImageIndex(4);
    other->SetAction(outOfRange);
    EXPECT_TRUE(other->GetGlyph()->Empty());
}

TEST_F(PushButtonTest, SettersKeepTheirRanges) {
    button->SetMargin(-2);
    EXPECT_EQ(button->GetMargin(), -1);
    button->SetMargin(3);
    EXPECT_EQ(button->GetMargin(), 3);
    TBitmap strip;
    strip.SetSize(64, 16);
    button->SetGlyph(&strip);
    EXPECT_EQ(button->GetNumGlyphs(), 4);
    button->SetNumGlyphs(7);
    EXPECT_EQ(button->GetNumGlyphs(), 4);
    button->SetNumGlyphs(2);
    EXPECT_EQ(button->GetNumGlyphs(), 2);
    EXPECT_EQ(button->GetSpacing(), 4);
}

TEST_F(PushButtonTest, DropDownOpensTheMenuAndNeverClicks) {
    button->SetKind(cxbkDropDown);
    Pump();
    Press(20, 15); // the press and the click of its release open it once
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicks, 0);
    button->Click();
    Pump();
    EXPECT_EQ(dropDowns, 2);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PushButtonTest, DropDownButtonClicksOnItsFaceAndOpensOnItsArrow) {
    button->SetKind(cxbkDropDownButton);
    Pump();
    Press(20, 15);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dropDowns, 0);
    Press(100 - 5, 15); // the rightmost 15 pixels
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(button->GetContentRect(cxbsNormal).Right, 100 - 13 - button->GetLookAndFeelPainter()->GetButtonEdgeWidth(cxbsNormal));

    SendMessage(button->GetHandle(), WM_KEYDOWN, VK_DOWN, 0); // without Alt or Shift: nothing
    Pump();
    EXPECT_EQ(dropDowns, 1);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// A popup-menu component that only records where it was asked to open.
class TRecordingMenu : public TComponent, public IcxPopupMenuComponent {
  public:
    TRecordingMenu() : TComponent(nullptr) {}
    bool IsShortCutMessage(TMessage&) override { return false; }
    void PopupAt(int x, int y) override { at.push_back(TPoint{x, y}); }
    std::vector<TPoint> at;
};

TEST_F(PushButtonTest, ContextRequestsShowThePopupMenuInsideTheButtonOnly) {
    TRecordingMenu menu;
    button->SetPopupMenu(&menu);
    EXPECT_EQ(button->GetPopupMenu(), &menu);
    // From the keyboard: at the button's top-left corner.
    SendMessage(button->GetHandle(), WM_CONTEXTMENU, 0, MakeLParam(-1, -1));
    const TPoint corner = button->ClientToScreen(TPoint{0, 0});
    ASSERT_EQ(menu.at.size(), 1u);
    EXPECT_EQ(menu.at[0], corner);
    // From the mouse: where it points, and not at all outside the client area.
    SendMessage(button->GetHandle(), WM_CONTEXTMENU, 0, MakeLParam(corner.X + 7, corner.Y + 5));
    ASSERT_EQ(menu.at.size(), 2u);
    EXPECT_EQ(menu.at[1], (TPoint{corner.X + 7, corner.Y + 5}));
    SendMessage(button->GetHandle(), WM_CONTEXTMENU, 0, MakeLParam(corner.X + 150, corner.Y + 5));
    EXPECT_EQ(menu.at.size(), 2u);

    TComponent plain(nullptr);
    button->SetPopupMenu(&plain); // not a menu
    EXPECT_EQ(button->GetPopupMenu(), nullptr);
}

} // namespace
} // namespace zorvy::test
