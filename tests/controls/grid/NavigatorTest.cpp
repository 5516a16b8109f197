// The navigator: button layout and spare width, enabling from the data, auto-repeat of Prior and
// Next while held, hints, and what a form stores of a button. A small control shows the buttons
// and a fake data link records what they ask for.
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class TFakeData : public IcxNavigator {
  public:
    bool Active = true, Bof = false, Eof = false, Editing = false, Bookmark = false;
    std::vector<int> Actions;
    bool CanAppend() override { return true; }
    bool CanDelete() override { return true; }
    bool CanEdit() override { return true; }
    bool CanInsert() override { return true; }
    bool IsActive() override { return Active; }
    bool IsBof() override { return Bof; }
    bool IsBookmarkAvailable() override { return Bookmark; }
    bool IsEditing() override { return Editing; }
    bool IsEof() override { return Eof; }
    void ClearBookmark() override { Bookmark = false; }
    void DoAction(int buttonIndex) override { Actions.push_back(buttonIndex); }
};

class TNavigatorHost : public TcxControl, public IcxNavigatorOwner {
  public:
    explicit TNavigatorHost(TComponent* owner) : TcxControl(owner), buttons(this), viewInfo(this, false) {
        buttons.OnGetNavigator = [this]() -> IcxNavigator* { return data; };
        GetLookAndFeel()->SetKind(lfStandard);
        GetLookAndFeel()->SetNativeStyle(false);
    }
    TFakeData* data = nullptr;
    TcxNavigatorControlButtons buttons;
    TcxNavigatorViewInfo viewInfo;
    std::vector<TcxNavigatorChangeType> Changes;

    void NavigatorChanged(TcxNavigatorChangeType changeType) override { Changes.push_back(changeType); }
    TRect GetNavigatorBounds() override { return GetClientRect(); }
    TcxCustomNavigatorButtons* GetNavigatorButtons() override { return &buttons; }
    TCanvas* GetNavigatorCanvas() override { return GetCanvas(); }
    TWinControl* GetNavigatorControl() override { return this; }
    bool GetNavigatorFocused() override { return Focused(); }
    TcxLookAndFeel* GetNavigatorLookAndFeel() override { return GetLookAndFeel(); }
    TComponent* GetNavigatorOwner() override { return this; }
    bool GetNavigatorShowHint() override { return true; }
    bool GetNavigatorTabStop() override { return false; }
    void RefreshNavigator() override { viewInfo.UpdateButtonsEnabled(); }
    void NavigatorStateChanged() override { viewInfo.MakeDirty(); }

  protected:
    void Paint() override { viewInfo.Paint(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        TcxControl::MouseDown(button, shift, x, y);
        viewInfo.MouseDown(x, y);
    }
    void MouseMove(TShiftState shift, int x, int y) override {
        TcxControl::MouseMove(shift, x, y);
        viewInfo.MouseMove(x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
        TcxControl::MouseUp(button, shift, x, y);
        viewInfo.MouseUp(x, y);
    }
};

class Navigator : public GridTest {
  protected:
    Navigator() : form(NewForm(400, 100)), host(new TNavigatorHost(form)) {
        host->SetParent(form);
        host->SetBounds(0, 0, 300, 24);
        host->data = &data;
        form->Show();
        Pump();
    }
    TcxNavigatorButtonViewInfo* InfoOf(int buttonIndex) {
        for (int i = 0; i < host->viewInfo.GetButtonCount(); ++i)
            if (host->viewInfo.GetButton(i)->Button->GetDefaultIndex() == buttonIndex) return host->viewInfo.GetButton(i);
        return nullptr;
    }
    TPoint CentreOf(int buttonIndex) {
        host->viewInfo.Update();
        const TRect r = InfoOf(buttonIndex)->Bounds;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Holds the left button on a button for ms milliseconds and releases it there.
    void Hold(int buttonIndex, unsigned ms) {
        const TPoint p = CentreOf(buttonIndex);
        display.MoveMouse(host->GetHandle(), p.X, p.Y);
        display.PressMouse(host->GetHandle(), p.X, p.Y);
        Pump();
        for (unsigned t = 0; t < ms; t += 50) Wait(50);
        display.ReleaseMouse(host->GetHandle(), p.X, p.Y);
        Pump();
    }

    TFakeData data;
    TForm* form;
    TNavigatorHost* host;
};

TEST_F(Navigator, SpareWidthIsSharedEvenlyAndButtonsNeverShrink) {
    // Ten buttons of 14-pixel images: 14 + 2 + 2 (the standard edges) + 1 = 19 pixels each.
    TCustomImageList images(nullptr, 14, 11);
    TBitmap picture;
    picture.SetSize(14, 11);
    images.Add(&picture, nullptr);
    host->buttons.SetImages(&images);
    for (int i : {NBDI_PRIORPAGE, NBDI_NEXTPAGE, NBDI_SAVEBOOKMARK, NBDI_GOTOBOOKMARK, NBDI_FILTER})
        host->buttons.GetButton(i)->SetVisible(false);
    for (int i = 0; i < NavigatorButtonCount; ++i) host->buttons.GetButton(i)->SetImageIndex(0);

    struct TCase {
        int Offered, Width, ButtonWidth;
    };
    for (const TCase& c : {TCase{300, 300, 30}, TCase{307, 300, 30}, TCase{100, 190, 19}}) {
        int width = c.Offered, height = 0;
        host->viewInfo.Calculate(width, height, true);
        EXPECT_EQ(width, c.Width) << c.Offered;
        EXPECT_EQ(height, 2 + 2 + 1 + 11) << c.Offered;
        ASSERT_EQ(host->viewInfo.GetButtonCount(), 10);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(host->viewInfo.GetButton(i)->Bounds.Left, i * c.ButtonWidth) << c.Offered << " button " << i;
        EXPECT_EQ(host->viewInfo.GetButton(9)->Bounds.Right, c.Width);
    }
    EXPECT_EQ(host->viewInfo.GetButton(2)->Button, host->buttons.Next()) << "shown buttons in index order";
    host->buttons.SetImages(nullptr);
    EXPECT_EQ(host->viewInfo.GetButtonSize(host->buttons.First(), true).cx, 12 + 2 + 2 + 1) << "the built-in glyphs";
    auto* freed = new TCustomImageList(nullptr, 20, 11);
    host->buttons.SetImages(freed);
    delete freed;
    EXPECT_EQ(host->buttons.GetImages(), nullptr) << "a freed list is no longer used";
    EXPECT_EQ(host->viewInfo.GetButtonSize(host->buttons.First(), true).cx, 17);
}

TEST_F(Navigator, ButtonsFollowTheData) {
    host->viewInfo.Update();
    EXPECT_FALSE(InfoOf(NBDI_POST)->Enabled);
    EXPECT_TRUE(InfoOf(NBDI_EDIT)->Enabled);
    EXPECT_FALSE(InfoOf(NBDI_GOTOBOOKMARK)->Enabled);
    data.Bof = true;
    data.Editing = true;
    host->RefreshNavigator();
    EXPECT_FALSE(InfoOf(NBDI_FIRST)->Enabled);
    EXPECT_FALSE(InfoOf(NBDI_PRIOR)->Enabled);
    EXPECT_TRUE(InfoOf(NBDI_NEXT)->Enabled);
    EXPECT_TRUE(InfoOf(NBDI_POST)->Enabled);
    EXPECT_FALSE(InfoOf(NBDI_EDIT)->Enabled);

    // Inactive data leaves only Filter; no data at all, nothing.
    data.Active = false;
    std::vector<int> enabled;
    for (int i = 0; i < NavigatorButtonCount; ++i)
        if (host->buttons.GetButton(i)->GetInternalEnabled()) enabled.push_back(i);
    EXPECT_EQ(enabled, std::vector<int>{NBDI_FILTER});
    host->data = nullptr;
    EXPECT_FALSE(host->buttons.Filter()->GetInternalEnabled());
    host->data = &data;
    data.Active = true;
    host->buttons.Refresh()->SetEnabled(false);
    EXPECT_FALSE(host->buttons.Refresh()->GetInternalEnabled()) << "the button's own switch counts too";
}

TEST_F(Navigator, NextRepeatsWhileHeldAndLastClicksOnRelease) {
    Hold(NBDI_NEXT, 1000);
    EXPECT_EQ(data.Actions.size(), 8u) << "at 400 ms, then every 100 ms: 7 while held, 1 on release";
    data.Actions.clear();
    Hold(NBDI_LAST, 1000);
    EXPECT_EQ(data.Actions, std::vector<int>{NBDI_LAST});

    // Released elsewhere: no click.
    data.Actions.clear();
    const TPoint p = CentreOf(NBDI_DELETE);
    display.MoveMouse(host->GetHandle(), p.X, p.Y);
    display.PressMouse(host->GetHandle(), p.X, p.Y);
    Pump();
    display.MoveMouse(host->GetHandle(), 299, 60);
    display.ReleaseMouse(host->GetHandle(), 299, 60);
    Pump();
    EXPECT_TRUE(data.Actions.empty());
}

TEST_F(Navigator, ClicksGoToTheOwnHandlerOrTheEventOrTheData) {
    std::vector<std::string> log;
    host->buttons.SetOnButtonClick([&](TObject*, int index, bool& done) {
        log.push_back("event " + std::to_string(index));
        done = index == NBDI_DELETE;
    });
    host->buttons.Delete()->Click();
    host->buttons.Insert()->Click();
    host->buttons.First()->SetOnClick([&](TObject*) { log.push_back("own"); });
    host->buttons.First()->Click();
    EXPECT_EQ(log, (std::vector<std::string>{"event 8", "event 6", "own"}));
    EXPECT_EQ(data.Actions, std::vector<int>{NBDI_INSERT});
}

TEST_F(Navigator, AHintShowsItsPartBeforeTheBar) {
    host->buttons.Next()->SetHint("下1条|moves to the next record");
    const TPoint p = CentreOf(NBDI_NEXT);
    host->viewInfo.MouseMove(p.X, p.Y);
    EXPECT_EQ(host->viewInfo.GetHintText(), "下1条");
    const TPoint q = CentreOf(NBDI_LAST);
    host->viewInfo.MouseMove(q.X, q.Y);
    EXPECT_EQ(host->viewInfo.GetHintText(), "Last record") << "the built-in hint";
    host->viewInfo.MouseMove(-1, -1);
    EXPECT_EQ(host->viewInfo.GetHintText(), "");
}

TEST_F(Navigator, AFormStoresVisibleOnceAssigned) {
    EXPECT_FALSE(host->buttons.Append()->GetVisible());
    EXPECT_FALSE(host->buttons.Append()->IsVisibleStored());
    host->buttons.Append()->SetVisible(true);
    EXPECT_TRUE(host->buttons.Append()->IsVisibleStored());
    EXPECT_TRUE(host->buttons.First()->GetVisible());
    EXPECT_FALSE(host->buttons.First()->IsVisibleStored());

    host->Changes.clear();
    host->buttons.First()->SetHint("第1条记录");
    host->buttons.First()->SetEnabled(false);
    host->buttons.Prior()->SetVisible(false);
    EXPECT_EQ(host->Changes, (std::vector<TcxNavigatorChangeType>{nctProperties, nctLayout, nctSize}));

    TNavigatorHost other(nullptr);
    other.buttons.Assign(&host->buttons);
    EXPECT_EQ(other.buttons.First()->GetHint(), "第1条记录");
    EXPECT_TRUE(other.buttons.Append()->IsVisibleStored());
    EXPECT_FALSE(other.buttons.Prior()->GetVisible());
}

} // namespace
} // namespace zorvy::test
