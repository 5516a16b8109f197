#include "controls/foundation/containers/Container.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/ScrollBars.h"

namespace zorvy::test {
namespace {

// A container whose inner window scrolls with its own system bars, as the memo's does.
class TScrollingContainer : public TcxContainer {
  public:
    explicit TScrollingContainer(TComponent* owner) : TcxContainer(owner) {
        Inner = new TCustomControl(this);
        Inner->SetParent(this);
        SetInnerControl(Inner);
    }
    bool UsesScrollBars() const override { return true; }
    using TcxContainer::SyncScrollBarsFromInner;
    TCustomControl* Inner;
};

class ContainerScrollBars : public FoundationTest {};

TEST_F(ContainerScrollBars, TheOwnBarsLieOverTheInnerWindowsBarsAndShowTheirPosition) {
    TForm* form = NewForm();
    auto* c = new TScrollingContainer(form);
    c->SetParent(form);
    c->SetBounds(10, 10, 200, 120);
    form->Show();
    Pump();
    c->RefreshMouseState(false);
    const HWND inner = c->Inner->GetHandle();
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 20;
    si.nPos = 30;
    SetScrollInfo(inner, SB_VERT, si, true);
    c->SyncScrollBarsFromInner(false);
    TcxControlScrollBar* v = c->GetVScrollBar();
    ASSERT_NE(v, nullptr);
    SCROLLBARINFO system;
    ASSERT_TRUE(GetScrollBarInfo(inner, OBJID_VSCROLL, system));
    EXPECT_TRUE(v->GetVisible());
    EXPECT_EQ(v->ClientToScreen({0, 0}), (TPoint{system.rcScrollBar.Left, system.rcScrollBar.Top}));
    EXPECT_EQ(v->GetHeight(), system.rcScrollBar.Height());
    EXPECT_EQ(v->GetPosition(), 30);
    EXPECT_EQ(v->GetPageSize(), 20);
    EXPECT_FALSE(c->GetHScrollBar()->GetVisible()) << "the inner window shows no horizontal bar";

    si.nPage = 200; // everything fits: the system bar hides, and so does the own one
    SetScrollInfo(inner, SB_VERT, si, true);
    c->SyncScrollBarsFromInner(false);
    EXPECT_FALSE(v->GetVisible());
}

} // namespace
} // namespace zorvy::test
