#include "controls/foundation/containers/Container.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

// The real input window of a test container: it wants Tab and hands its keys to the container first.
class TTestInner : public TCustomControl, public IcxContainerInnerControl {
  public:
    TTestInner(TComponent* owner, TcxContainer* container) : TCustomControl(owner), container_(container) {
        SetTabStop(true);
    }
    TWinControl* GetControl() override { return this; }
    TcxContainer* GetControlContainer() override { return container_; }

  protected:
    void WndProc(TMessage& m) override {
        if (container_->PreviewInnerMessage(m)) return;
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = DLGC_WANTARROWS | (GetKeyState(VK_CONTROL) < 0 ? 0 : DLGC_WANTTAB);
            return;
        }
        TCustomControl::WndProc(m);
    }
    void KeyDown(std::uint16_t& key, TShiftState shift) override {
        container_->KeyDown(key, shift);
        if (key) TCustomControl::KeyDown(key, shift);
    }
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(GetColor());
        GetCanvas()->FillRect(GetClientRect());
    }

  private:
    TcxContainer* container_;
};

class TTestContainer : public TcxContainer {
  public:
    TTestContainer(TComponent* owner, bool withInner) : TcxContainer(owner) {
        if (!withInner) return;
        Inner = new TTestInner(this, this);
        Inner->SetParent(this);
        SetInnerControl(Inner);
    }
    TTestInner* Inner = nullptr;
    using TcxContainer::UpdateStateFromMouse;
};

class Container : public FoundationTest {
  protected:
    TTestContainer* Add(TForm* form, const TRect& r, bool withInner = true) {
        auto* c = new TTestContainer(form, withInner);
        c->SetParent(form);
        c->SetBoundsRect(r);
        return c;
    }
    TForm* Shown(TForm* form) {
        form->Show();
        Pump();
        return form;
    }
};

TEST_F(Container, TabAndShiftTabMoveThroughTheInnerControlsAndOut) {
    TForm* form = NewForm();
    TTestContainer* a = Add(form, Rect(10, 10, 110, 31));
    TTestContainer* b = Add(form, Rect(10, 40, 110, 61));
    auto* plain = new TCustomControl(form);
    plain->SetParent(form);
    plain->SetBounds(10, 70, 100, 21);
    plain->SetTabStop(true);
    Shown(form);
    a->SetFocus();
    Pump();
    EXPECT_TRUE(a->Inner->Focused()) << "the container focuses its inner control";
    EXPECT_TRUE(a->IsFocused());
    const std::vector<std::pair<bool, TWinControl*>> steps = {
        {false, b->Inner}, {false, plain}, {true, b->Inner}, {true, a->Inner}};
    for (const auto& [backwards, expected] : steps) {
        if (backwards) InjectKey(VK_SHIFT, true);
        display.PressKey(VK_TAB);
        if (backwards) InjectKey(VK_SHIFT, false);
        Pump();
        EXPECT_TRUE(expected->Focused()) << expected->ClassName() << (backwards ? " backwards" : "");
    }
}

// An editor-like container: it leaves Tab to the form, and its inner window does not want it.
class TEditorContainer : public TcxContainer {
  public:
    explicit TEditorContainer(TComponent* owner) : TcxContainer(owner) {
        Inner = new TCustomControl(this);
        Inner->SetParent(this);
        Inner->SetTabStop(true);
        SetInnerControl(Inner);
    }
    TCustomControl* Inner;

  protected:
    bool HandlesTabKey() const override { return false; }
};

TEST_F(Container, TheFormsOwnTabbingLeavesAContainerBackwardsFromItsInnerControl) {
    TForm* form = NewForm();
    auto* before = new TCustomControl(form);
    before->SetParent(form);
    before->SetBounds(10, 100, 100, 21);
    before->SetTabStop(true);
    auto* editor = new TEditorContainer(form);
    editor->SetParent(form);
    editor->SetBounds(10, 10, 100, 21);
    Shown(form);
    editor->SetFocus();
    Pump();
    ASSERT_TRUE(editor->Inner->Focused());
    InjectKey(VK_SHIFT, true);
    display.PressKey(VK_TAB);
    InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_TRUE(before->Focused()) << "not back into the container, which would hand the focus to its inner window";
}

TEST_F(Container, AStateChangeRepaintsOnlyTheFrameAroundTheInnerWindow) {
    TForm* form = NewForm();
    TTestContainer* withInner = Add(form, Rect(10, 10, 110, 41));
    TTestContainer* alone = Add(form, Rect(10, 50, 110, 81), false);
    Shown(form);
    for (TTestContainer* c : {withInner, alone}) {
        ValidateRect(c->GetHandle(), nullptr);
        c->RefreshMouseState(false);
        TRegion update;
        GetUpdateRgn(c->GetHandle(), update);
        EXPECT_TRUE(update.Contains({0, 0}));
        EXPECT_TRUE(update.Contains({99, 30}));
        EXPECT_EQ(update.Contains({50, 15}), c == alone) << "the middle, where the inner window lies";
    }
    EXPECT_EQ(withInner->Inner->GetBoundsRect(), Rect(2, 2, 98, 29)) << "inside the transparent border";
}

TEST_F(Container, TheUltraFlatBorderIsAShadowLineThatLightsUpWhenFocusedOrHot) {
    TForm* form = NewForm();
    form->SetColor(clYellow);
    TTestContainer* c = Add(form, Rect(10, 10, 110, 41), false);
    TTestContainer* other = Add(form, Rect(10, 60, 110, 91), false);
    Shown(form);
    other->SetFocus();
    display.MoveMouse(form->GetHandle(), 200, 150); // wherever an earlier test left the pointer
    Pump();
    Wait(20);
    EXPECT_EQ(PixelAt(form, 10 + 0, 10 + 15), ColorToRGB(clYellow)) << "the outer ring lies outside the shape";
    EXPECT_EQ(PixelAt(form, 10 + 1, 10 + 15), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(form, 10 + 2, 10 + 15), ColorToRGB(clWindow));
    c->SetFocus();
    Pump();
    EXPECT_EQ(PixelAt(form, 10 + 1, 10 + 15), ColorToRGB(clHighlight));
    other->SetFocus();
    Pump();
    display.MoveMouse(c->GetHandle(), 50, 15);
    Pump();
    EXPECT_TRUE(c->GetViewInfo()->ContainerState & cxcsHot);
    EXPECT_EQ(PixelAt(form, 10 + 1, 10 + 15), ColorToRGB(clHighlight)) << "hot";
    display.MoveMouse(form->GetHandle(), 200, 150);
    Wait(20); // the tracking timer notices
    EXPECT_FALSE(c->GetViewInfo()->ContainerState & cxcsHot);
    EXPECT_EQ(PixelAt(form, 10 + 1, 10 + 15), ColorToRGB(clBtnShadow));
}

TEST_F(Container, HotTrackingWaitsWhileAKeyIsHeldAndAnUnhotTrackedStyleIgnoresTheHotStyle) {
    TForm* form = NewForm();
    TTestContainer* other = Add(form, Rect(10, 60, 110, 91), false); // takes the focus
    TTestContainer* c = Add(form, Rect(10, 10, 110, 41), false);
    Shown(form);
    ASSERT_TRUE(other->IsFocused());
    c->UpdateStateFromMouse({50, 15}, 0, ssShift, true);
    EXPECT_FALSE(c->GetViewInfo()->ContainerState & cxcsHot);
    c->UpdateStateFromMouse({50, 15}, 0, 0, true);
    EXPECT_TRUE(c->GetViewInfo()->ContainerState & cxcsHot);
    EXPECT_EQ(c->CurrentStateStyle(), c->GetStyleHot());
    c->GetStyle()->SetHotTrack(false);
    c->UpdateStateFromMouse({50, 15}, 0, 0, true);
    EXPECT_EQ(c->CurrentStateStyle(), c->GetStyle());
    c->UpdateStateFromMouse({0, 15}, 0, 0, true);
    EXPECT_FALSE(c->GetViewInfo()->ContainerState & cxcsHot) << "the transparent ring is not hot";
}

TEST_F(Container, ColourFromOutsideIsAssignedInTheStyleFontFromOutsideIsNot) {
    TForm* form = NewForm();
    TTestContainer* c = Add(form, Rect(10, 10, 110, 41));
    Shown(form);
    c->SetColor(clLime);
    EXPECT_TRUE(c->GetStyle()->GetAssignedValues() & StyleValueBit(csvColor));
    EXPECT_EQ(c->GetStyle()->GetColor(), clLime);
    EXPECT_EQ(c->Inner->GetColor(), clLime) << "the inner control takes the background";
    TFont font;
    font.SetSize(15);
    c->SetFont(&font);
    EXPECT_FALSE(c->GetStyle()->GetAssignedValues() & StyleValueBit(csvFont));
    EXPECT_EQ(c->GetStyle()->GetFont()->GetSize(), 15);
    EXPECT_EQ(c->GetFont()->GetSize(), 15);
    c->GetStyle()->SetTextColor(clRed);
    EXPECT_EQ(c->Inner->GetFont()->GetColor(), clRed) << "the effective font reaches the inner control";
}

TEST_F(Container, AChildWindowStickingOutIsClippedAndUnclippedOnceItFits) {
    TForm* form = NewForm();
    TTestContainer* c = Add(form, Rect(10, 10, 110, 41), false);
    Shown(form);
    auto* child = new TCustomControl(c);
    child->SetParent(c);
    child->SetBounds(0, 0, 100, 31); // the client area is (2, 2, 98, 29)
    c->Realign();
    TRegion shape;
    ASSERT_TRUE(GetWindowRgn(child->GetHandle(), shape));
    EXPECT_EQ(shape, TRegion(Rect(2, 2, 98, 29)));
    child->SetBounds(5, 5, 20, 10);
    c->Realign();
    EXPECT_FALSE(GetWindowRgn(child->GetHandle(), shape));
}

TEST_F(Container, AHiddenContainerDropsTheFocusMessageAndPassesNothingOn) {
    TForm* form = NewForm();
    TTestContainer* other = Add(form, Rect(10, 60, 110, 91), false);
    TTestContainer* c = Add(form, Rect(10, 10, 110, 41));
    int enters = 0;
    c->OnEnter = [&](TObject*) { ++enters; };
    Shown(form);
    other->SetFocus();
    Pump();
    c->SetVisible(false);
    c->Perform(WM_SETFOCUS, 0);
    Pump();
    EXPECT_EQ(enters, 0);
    EXPECT_FALSE(c->Inner->Focused());
}

} // namespace
} // namespace zorvy::test
