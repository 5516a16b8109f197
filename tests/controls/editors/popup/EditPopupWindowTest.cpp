#include "controls/editors/popup/ComboListSizing.h"
#include "tests/controls/editors/EditorsFixture.h"

#include "platform/gdi/Region.h"
#include "platform/win/Input.h"

#include <vector>

namespace zorvy::test {
namespace {

// A drop-down editor as far as its popup asks: content of a set size, closing by reason.
class TOwnerEdit : public TCustomControl, public IcxEditPopupWindowOwner {
  public:
    using TCustomControl::TCustomControl;
    TSize Content{150, 100};
    std::vector<int> Reasons;
    TRect Placed{};
    bool UserSized = false;
    TcxCustomEditPopupWindow* Popup = nullptr;
    TRect GetPopupOwnerRect() override { return GetBoundsRect(); }
    TSize CalcPopupSize() override { return Content; }
    void PositionPopupControl(const TRect& r) override { Placed = r; }
    void ClosePopup(TcxEditCloseUpReason reason) override {
        Reasons.push_back(reason);
        Popup->ClosePopup();
    }
    bool GetPopupUserSized() override { return UserSized; }
    void PopupSizedByUser() override { UserSized = true; }
    // A list of 20 rows 16 high whose current size is the popup's client area.
    bool ListSized = false;
    int MaxHeightAsked = -1;
    bool SizesPopupByList() override { return ListSized; }
    bool AdjustPopupListSize(TSize& size, int maxHeight) override {
        MaxHeightAsked = maxHeight;
        AdjustComboListSize({20, [](int) { return 16; }}, size, maxHeight, {Placed.Width(), Placed.Height()}, 0);
        return true;
    }
};

class EditPopupWindow : public EditorsTest {
  protected:
    ~EditPopupWindow() override { popup.reset(); }
    // A form at (50, y) with the editor at (10, 10, 110, 31) on it.
    template <class TPopup = TcxCustomEditPopupWindow>
    void Build(int formTop = 50) {
        form = NewForm(400, 300);
        form->SetTop(formTop);
        edit = new TOwnerEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 100, 21);
        form->Show();
        Pump();
        popup = std::make_unique<TPopup>(edit);
        edit->Popup = popup.get();
        popup->ModalLoop = false;
        popup->SetPopupBorderStyle(epbsSingle);
    }
    // Opens as the drop-down editor does: shown, then laid out and shaped at its place.
    void Open() {
        popup->Popup(nullptr);
        Pump();
        popup->UpdateLayout();
        popup->ApplyShape();
    }
    void Press(TPoint p) {
        InjectMouseMove(p);
        InjectMouseButton(TInputButton::Left, true, p);
        Pump();
    }
    void MoveTo(TPoint p) {
        InjectMouseMove(p);
        Pump();
    }
    void Release(TPoint p) {
        InjectMouseMove(p);
        InjectMouseButton(TInputButton::Left, false, p);
        Pump();
    }
    TForm* form = nullptr;
    TOwnerEdit* edit = nullptr;
    std::unique_ptr<TcxCustomEditPopupWindow> popup;
};

TEST_F(EditPopupWindow, BelowTheEditorTheGripIsBottomRightAndAboveItTopRightThreePixelsLowerWithTheShadowCutOut) {
    Build();
    popup->SetSysPanelStyle(true);
    popup->SetSizeable(true);
    popup->SetShadow(true);
    Open();
    // Border 1 each side, shadow 3, panel 18 + separator 1: 150 + 5 by 100 + 24.
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 155, 124)) << "below the editor's bottom (50 + 31)";
    EXPECT_EQ(popup->GetPopupViewInfo()->SizeGripCorner, 3);
    EXPECT_EQ(edit->Placed, Rect(1, 1, 151, 101));
    popup->ClosePopup();

    // The editor's bottom at 1020 leaves 20 pixels below: the popup opens above.
    form->SetTop(1010);
    Pump();
    Open();
    EXPECT_EQ(popup->GetPopupViewInfo()->SizeGripCorner, 1);
    EXPECT_EQ(popup->GetTop(), 1020 - 124 + 3) << "the bottom edge held and 3 pixels lower for the shadow";
    EXPECT_EQ(edit->Placed, Rect(1, 20, 151, 120)) << "the panel at the top";
    TRegion region;
    ASSERT_TRUE(GetWindowRgn(popup->GetHandle(), region));
    const int bottom = popup->GetHeight() - 1;
    EXPECT_FALSE(region.Contains({20, bottom})) << "the shadow rows over the editor are cut out";
    EXPECT_TRUE(region.Contains({20, bottom - 3}));
    EXPECT_TRUE(region.Contains({120, bottom})) << "beyond the editor's span the shadow stays";
}

TEST_F(EditPopupWindow, ARightAlignedPopupMeetingTheEditorsRightEdgeHasItsGripAtTheLeft) {
    Build();
    popup->HorzAlignment = phaRight;
    Open();
    EXPECT_EQ(popup->GetLeft() + popup->GetWidth(), 60 + 100);
    EXPECT_EQ(popup->GetPopupViewInfo()->SizeGripCorner, 2);
}

TEST_F(EditPopupWindow, SizesFollowTheContentOrTheSettingsAndNeverGoBelowTheFrameAndMinimums) {
    Build();
    popup->PopupAutoSize = false;
    popup->PopupWidth = 0;
    popup->PopupHeight = 0;
    Open();
    EXPECT_EQ(popup->GetWidth(), 100) << "the editor's width";
    EXPECT_EQ(popup->GetHeight(), 2) << "only the frame";
    popup->ClosePopup();

    popup->SetSizeable(true);
    popup->SetSysPanelStyle(true);
    popup->SetCloseButton(true);
    popup->MinWidth = 10;
    popup->MinHeight = 80;
    Open();
    // Frame width: 2 + close button 14 + grip 16 + 10.
    EXPECT_EQ(popup->GetFrameSize().cx, 42);
    popup->SetBounds(popup->GetLeft(), popup->GetTop(), 5, 5);
    EXPECT_EQ(popup->GetWidth(), 42);
    EXPECT_EQ(popup->GetHeight(), 80);
    popup->MinWidth = 120;
    popup->SetBounds(popup->GetLeft(), popup->GetTop(), 50, 90);
    EXPECT_EQ(popup->GetWidth(), 120);
    EXPECT_EQ(popup->GetHeight(), 90);
}

TEST_F(EditPopupWindow, DraggingTheGripResizesWithinTheMinimumsAndKeepsOverlappingTheEditor) {
    Build();
    popup->SetSizeable(true);
    popup->SetSysPanelStyle(true);
    popup->MinWidth = 60;
    popup->MinHeight = 50;
    Open();
    ASSERT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 152, 121));
    // The grip: 16 square in the bottom-right corner inside the border.
    const TPoint grip{60 + 152 - 8, 81 + 121 - 8};
    Press(grip);
    EXPECT_TRUE(TcxCustomEditPopupWindow::IsSizing());
    MoveTo({grip.X + 40, grip.Y + 30});
    EXPECT_TRUE(edit->UserSized);
    Release({grip.X + 40, grip.Y + 30});
    EXPECT_FALSE(TcxCustomEditPopupWindow::IsSizing());
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 192, 151));
    EXPECT_EQ(edit->Placed, Rect(1, 1, 191, 131)) << "the content follows the new client area";

    const TPoint grip2{60 + 192 - 8, 81 + 151 - 8};
    Press(grip2);
    Release({grip2.X - 500, grip2.Y - 500});
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 60, 50)) << "the minimums hold, the top-left stays";
}

TEST_F(EditPopupWindow, AGripAtTheLeftMovesTheLeftEdgeAndTheRightEdgeStaysOnTheEditors) {
    Build();
    popup->HorzAlignment = phaRight;
    popup->SetSizeable(true);
    popup->SetSysPanelStyle(true);
    edit->Content = {80, 50};
    Open();
    ASSERT_EQ(popup->GetPopupViewInfo()->SizeGripCorner, 2);
    ASSERT_EQ(popup->GetBoundsRect(), Rect(78, 81, 160, 81 + 71));
    const TPoint grip{popup->GetLeft() + 8, popup->GetTop() + popup->GetHeight() - 8};
    Press(grip);
    Release({grip.X - 40, grip.Y + 10});
    EXPECT_EQ(popup->GetBoundsRect(), Rect(38, 81, 160, 81 + 81));
}

TEST_F(EditPopupWindow, AListPopupGrowsAndShrinksByWholeRowsWhileTheGripIsDragged) {
    Build<TcxComboBoxPopupWindow>();
    popup->SetSizeable(true);
    popup->SetSysPanelStyle(true);
    edit->ListSized = true;
    edit->Content = {120, 128};
    Open();
    // 128 + border 2 + panel 18 + separator 1.
    ASSERT_EQ(popup->GetHeight(), 149);
    const int x = popup->GetLeft() + popup->GetWidth() - 8;
    int y = popup->GetTop() + popup->GetHeight() - 8;
    Press({x, y});
    Release({x, y + 12});
    EXPECT_EQ(popup->GetHeight(), 149) << "12 pixels are no whole row";
    EXPECT_EQ(edit->MaxHeightAsked, 1040 - 81 - 21) << "the room below the popup's top, less the frame";
    Press({x, y});
    Release({x, y + 20});
    EXPECT_EQ(popup->GetHeight(), 165);
    y += 16;
    Press({x, y});
    Release({x, y - 10});
    EXPECT_EQ(popup->GetHeight(), 165) << "the ninth row stays until the pointer passes above its top";
    Press({x, y});
    Release({x, y - 17});
    EXPECT_EQ(popup->GetHeight(), 149);
}

TEST_F(EditPopupWindow, TheCloseButtonClosesOnReleaseOverItAsksTheCloseQueryAndIgnoresAPressDraggedOff) {
    Build();
    popup->SetSysPanelStyle(true);
    popup->SetCloseButton(true);
    Open();
    const TRect r = popup->GetPopupViewInfo()->CloseButtonRect;
    const TPoint button{popup->GetLeft() + (r.Left + r.Right) / 2, popup->GetTop() + (r.Top + r.Bottom) / 2};
    Press(button);
    EXPECT_EQ(popup->GetPopupViewInfo()->CloseButtonState, cxbsPressed);
    MoveTo({button.X + 60, button.Y - 40});
    Release({button.X + 60, button.Y - 40});
    EXPECT_TRUE(popup->IsOpen()) << "released away from the button";

    bool allow = false;
    popup->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    Press(button);
    Release(button);
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_EQ(popup->GetPopupViewInfo()->CloseButtonState, cxbsHot);
    allow = true;
    Press(button);
    Release(button);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(edit->Reasons, std::vector<int>{crUnknown});
}

class TModalPopup : public TcxCustomEditPopupWindow {
  public:
    using TcxCustomEditPopupWindow::TcxCustomEditPopupWindow;
    using TcxCustomEditPopupWindow::CloseOnModalResult;
};

TEST_F(EditPopupWindow, AModalResultClosesWithAcceptCancelOrOther) {
    Build<TModalPopup>();
    struct Case {
        TModalResult result;
        int reason;
    } cases[] = {{mrOk, crEnter}, {mrCancel, crCancel}, {mrAbort, crUnknown}};
    for (const Case& c : cases) {
        edit->Reasons.clear();
        Open();
        popup->SetModalResult(c.result);
        static_cast<TModalPopup*>(popup.get())->CloseOnModalResult();
        EXPECT_FALSE(popup->IsOpen());
        EXPECT_EQ(edit->Reasons, std::vector<int>{c.reason}) << c.result;
    }
}

TEST_F(EditPopupWindow, ACharacterPostedToTheOpenPopupReachesItsFocusedControlWhole) {
    Build();
    auto* sink = new TCharSink(popup.get());
    sink->SetParent(popup.get());
    sink->SetBounds(1, 1, 100, 50);
    PostMessage(popup->GetHandle(), CM_POPUPFORWARDCHAR, U'中', 0);
    Pump();
    EXPECT_TRUE(sink->Typed.empty()) << "a popup that is not open drops it";
    popup->Popup(sink);
    Pump();
    ASSERT_EQ(GetFocus(), sink->GetHandle());
    PostMessage(popup->GetHandle(), CM_POPUPFORWARDCHAR, U'中', 0);
    PostMessage(popup->GetHandle(), CM_POPUPFORWARDCHAR, 'a', 0);
    Pump();
    EXPECT_EQ(sink->Typed, U"中a");
}

TEST_F(EditPopupWindow, AComboPopupIsAtLeastAsWideAsTheEditorAndAUserSizedOneKeepsItsSize) {
    Build<TcxComboBoxPopupWindow>();
    edit->Content = {60, 128};
    Open();
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(60, 81, 100, 130)) << "the editor's width, the list's height + frame";
    popup->ClosePopup();
    edit->Content = {250, 128};
    Open();
    EXPECT_EQ(popup->GetWidth(), 252);
    popup->ClosePopup();
    popup->SetSizeable(true);
    popup->PopupWidth = 180;
    popup->PopupHeight = 90;
    edit->UserSized = true;
    Open();
    EXPECT_EQ(popup->GetWidth(), 180);
    EXPECT_EQ(popup->GetHeight(), 90);
}

} // namespace
} // namespace zorvy::test
