#include "controls/foundation/containers/EditorPopup.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class TProbe : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> Log;
    std::vector<std::uint16_t> Keys;

  protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override { Log.push_back("down"); }
    void KeyDown(std::uint16_t& key, TShiftState) override { Keys.push_back(key); }
};

class EditorPopup : public FoundationTest {
  protected:
    ~EditorPopup() override {
        popup.reset();
        if (form) form->WindowProc = [f = form](TMessage& m) { f->WndProc(m); };
    }
    // A form with an owner control at (10, 10, 110, 31) and a popup below it, not yet shown.
    void Build(bool focusCapture = true) {
        form = NewForm(400, 300);
        owner = new TProbe(form);
        owner->SetParent(form);
        owner->SetBounds(10, 10, 100, 21);
        owner->SetTabStop(true);
        other = new TProbe(form);
        other->SetParent(form);
        other->SetBounds(10, 200, 100, 21);
        form->Show();
        Pump();
        popup = std::make_unique<TcxCustomPopupWindow>(owner);
        popup->ModalLoop = false;
        popup->ChangeFocusCapture(focusCapture);
        popup->SetBounds(0, 0, 120, 80);
        popup->SetAnchorParent(owner);
        popup->AnchorBounds = Rect(0, 0, 100, 21);
        form->WindowProc = [this](TMessage& m) {
            if (m.Msg == WM_NCACTIVATE) captions.push_back(m.WParam);
            form->WndProc(m);
        };
    }
    TForm* form = nullptr;
    TProbe* owner = nullptr;
    TProbe* other = nullptr;
    std::unique_ptr<TcxCustomPopupWindow> popup;
    std::vector<WPARAM> captions;
};

TEST_F(EditorPopup, OpensBelowItsOwnerOnceAndNotWhileTheOwnerIsHidden) {
    Build();
    int showings = 0;
    popup->OnPopupShowing = [&](TObject*) { ++showings; };
    popup->Popup(nullptr);
    Pump();
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 120, 80)) << "form at (50, 50), owner bottom 31";
    popup->Popup(nullptr);
    EXPECT_EQ(showings, 1);
    EXPECT_EQ(GetOpenPopupWindows().size(), 1u);
    popup->ClosePopup();
    owner->Hide();
    popup->Popup(nullptr);
    EXPECT_FALSE(popup->IsOpen());
}

TEST_F(EditorPopup, APressOutsideClosesItAndAPressInsideItOrANestedPopupDoesNot) {
    Build();
    popup->Popup(nullptr);
    Pump();
    auto* inside = new TProbe(popup.get());
    inside->SetParent(popup.get());
    inside->SetBounds(5, 5, 60, 20);
    TcxCustomPopupWindow nested(inside);
    nested.ModalLoop = false;
    nested.ChangeFocusCapture(false);
    nested.SetBounds(0, 0, 50, 50);
    nested.SetAnchorParent(inside);
    nested.AnchorBounds = Rect(0, 0, 60, 20);
    nested.Popup(nullptr);
    Pump();
    display.Click(inside->GetHandle(), 3, 3);
    Pump();
    EXPECT_TRUE(popup->IsOpen());
    display.Click(nested.GetHandle(), 3, 3);
    Pump();
    EXPECT_TRUE(popup->IsOpen()) << "a press inside a popup opened from it";
    display.Click(form->GetHandle(), 300, 150);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_FALSE(nested.IsOpen());
}

TEST_F(EditorPopup, APressOnTheOwnerClosesThePopupAndReachesTheOwnerUnlessTheClosingHidIt) {
    Build();
    popup->Popup(nullptr);
    Pump();
    display.Click(owner->GetHandle(), 5, 5);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(owner->Log, std::vector<std::string>{"down"});

    Wait(1000);
    popup->ChangeFocusCapture(false); // no activation change: the hook decides
    popup->Popup(nullptr);
    Pump();
    popup->OnPopupClosed = [this](TObject*) { owner->Hide(); };
    display.Click(owner->GetHandle(), 5, 5);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(owner->Log.size(), 1u) << "the press is discarded";
}

TEST_F(EditorPopup, HidingTheOwnerClosesItsPopups) {
    Build(false);
    popup->Popup(nullptr);
    Pump();
    ASSERT_TRUE(popup->IsOpen());
    owner->Hide();
    Pump();
    EXPECT_FALSE(popup->IsOpen());
}

TEST_F(EditorPopup, SwitchingApplicationsClosesPopupsAndTheOwnerCaptionTurnsInactive) {
    Build(false);
    popup->Popup(nullptr);
    Pump();
    captions.clear();
    InjectApplicationActive(false);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.back(), 0u);
}

TEST_F(EditorPopup, AltLettersDoNotReachTheFormWhileANonModalPopupIsOpenButAltArrowsDo) {
    Build(false);
    other->SetFocus();
    Pump();
    popup->Popup(nullptr);
    Pump();
    InjectKey(VK_MENU, true);
    display.PressKey('F');
    display.PressKey(VK_DOWN);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_EQ(other->Keys, std::vector<std::uint16_t>{VK_DOWN});
}

TEST_F(EditorPopup, TheOwnerCaptionStaysActiveWhileThePopupHasTheFocusAndIsRightAfterItCloses) {
    Build();
    captions.clear();
    popup->Popup(nullptr);
    Pump();
    EXPECT_TRUE(popup->IsFocused());
    for (WPARAM c : captions)
        EXPECT_NE(c, 0u) << "the inactive caption was suppressed";
    captions.clear();
    PostPopupCloseRequest(popup.get());
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.back(), 1u);
    captions.clear();
    form->Perform(WM_NCACTIVATE, 0); // nothing is swallowed any more
    SendMessage(form->GetHandle(), WM_NCACTIVATE, 0);
    EXPECT_EQ(captions, (std::vector<WPARAM>{0, 0}));

    // Closed by a click outside: the form that takes the activation shows it.
    popup->Popup(nullptr);
    Pump();
    captions.clear();
    display.Click(form->GetHandle(), 300, 150);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.back(), 1u);

    // Closed by the owner going away: no suppression is left behind either.
    popup->Popup(nullptr);
    Pump();
    delete owner;
    owner = nullptr;
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    captions.clear();
    SendMessage(form->GetHandle(), WM_NCACTIVATE, 0);
    EXPECT_EQ(captions, std::vector<WPARAM>{0});
}

TEST_F(EditorPopup, EscInAPopupHoldingTheMouseOnlyReleasesTheCapture) {
    Build();
    popup->Popup(nullptr);
    Pump();
    SetCapture(popup->GetHandle());
    std::uint16_t key = VK_ESCAPE;
    popup->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(GetCapture(), HWND(0));
    EXPECT_TRUE(popup->IsOpen());
}

class TFittedPopup : public TcxCustomPopupWindow {
  public:
    using TcxCustomPopupWindow::TcxCustomPopupWindow;
    using TcxCustomPopupWindow::FitIntoWorkArea;

  protected:
    bool FitsToWorkArea() const override { return true; }
};

TEST_F(EditorPopup, APopupThatFitsTheWorkAreaIsPushedInAndShortened) {
    Build();
    TFittedPopup fitted(owner);
    fitted.SetBounds(0, 0, 300, 200);
    TPoint p{-50, -30}; // work area (0, 0, 1920, 1040)
    fitted.FitIntoWorkArea(p);
    EXPECT_EQ(p, (TPoint{0, 0}));
    EXPECT_EQ(fitted.GetWidth(), 250);
    EXPECT_EQ(fitted.GetHeight(), 170);
    fitted.SetBounds(0, 0, 300, 200);
    p = {1800, 1000};
    fitted.FitIntoWorkArea(p);
    EXPECT_EQ(fitted.GetWidth(), 120);
    EXPECT_EQ(fitted.GetHeight(), 40);
}

} // namespace
} // namespace zorvy::test
