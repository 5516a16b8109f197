#include "ClassLibFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Actions.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

class ClassLibrary : public ClassLibTest {};

// Sizes itself to ten pixels a character of its caption, twenty high.
class TSizer : public TProbe {
  public:
    using TProbe::TProbe;

  protected:
    bool CanAutoSize(int& w, int& h) override {
        w = 10 * static_cast<int>(GetCaption().size());
        h = 20;
        return true;
    }
    void CMTextChanged(TMessage& m) override {
        TProbe::CMTextChanged(m);
        AdjustSize();
    }
};

TEST_F(ClassLibrary, AutoSizeFollowsWhatTheControlAsksFor) {
    TForm* form = NewForm();
    auto* sizer = new TSizer(form);
    sizer->SetParent(form);
    sizer->SetBounds(5, 5, 50, 50);
    sizer->SetCaption("abc");
    EXPECT_EQ(sizer->GetWidth(), 50) << "not before AutoSize is on";
    sizer->SetAutoSize(true);
    EXPECT_EQ(sizer->GetBoundsRect(), Bounds(5, 5, 30, 20));
    sizer->SetCaption("abcdef");
    EXPECT_EQ(sizer->GetWidth(), 60);
}

TEST_F(ClassLibrary, BorderWidthKeepsAlignedChildrenInside) {
    TForm* form = NewForm(300, 200);
    auto* panel = AddProbe(form, 0, 0, 100, 80);
    auto* child = new TProbe(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    panel->SetBorderWidth(6);
    EXPECT_EQ(child->GetBoundsRect(), Rect(6, 6, 94, 74));
    panel->SetBorderWidth(0);
    EXPECT_EQ(child->GetBoundsRect(), Rect(0, 0, 100, 80));
}

TEST_F(ClassLibrary, BiDiModeComesFromTheParentUntilSetItself) {
    TForm* form = NewForm();
    auto* panel = AddProbe(form, 0, 0, 100, 80);
    auto* inherits = new TProbe(form);
    inherits->SetParent(panel);
    auto* own = new TProbe(form);
    own->SetParent(panel);
    own->SetBiDiMode(bdLeftToRight);
    panel->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(inherits->GetBiDiMode(), bdRightToLeft);
    EXPECT_TRUE(inherits->GetParentBiDiMode());
    EXPECT_EQ(own->GetBiDiMode(), bdLeftToRight);
    EXPECT_FALSE(inherits->UseRightToLeftAlignment()) << "text still runs left to right";
}

TEST_F(ClassLibrary, ALinkedControlFollowsItsActionAndRunsIt) {
    TForm* form = NewForm();
    auto* action = new TAction(form);
    action->SetCaption("Run");
    action->SetHint("Starts the run");
    int runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    auto* a = AddProbe(form, 0, 0, 10, 10);
    auto* b = AddProbe(form, 20, 0, 10, 10);
    a->OnClick = nullptr;
    b->OnClick = nullptr;
    a->SetAction(action);
    b->SetAction(action);
    EXPECT_EQ(a->GetCaption(), "Run");
    EXPECT_EQ(a->GetHint(), "Starts the run");

    b->SetCaption("Mine");
    action->SetCaption("Stop");
    action->SetEnabled(false);
    EXPECT_EQ(a->GetCaption(), "Stop");
    EXPECT_EQ(b->GetCaption(), "Stop") << "a change of the action reaches every client";
    EXPECT_FALSE(a->GetEnabled());
    EXPECT_FALSE(b->GetEnabled());

    action->SetEnabled(true);
    a->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
    a->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
    EXPECT_EQ(runs, 1) << "a click without a handler of its own runs the action";
    EXPECT_EQ(action->ActionComponent, nullptr);

    action->AutoCheck = true;
    action->Execute();
    EXPECT_TRUE(action->GetChecked());
    EXPECT_EQ(runs, 2);
    action->SetEnabled(false);
    EXPECT_FALSE(action->Execute()) << "a disabled action does not run";

    delete action;
    EXPECT_EQ(a->GetAction(), nullptr);
    EXPECT_EQ(b->GetAction(), nullptr);
}

TEST_F(ClassLibrary, ActionsOfAGroupCheckOneAtATime) {
    TForm* form = NewForm();
    TAction* actions[3];
    for (auto*& a : actions) {
        a = new TAction(form);
        a->GroupIndex = 1;
    }
    auto* loner = new TAction(form);
    loner->SetChecked(true);
    actions[0]->SetChecked(true);
    actions[2]->SetChecked(true);
    EXPECT_FALSE(actions[0]->GetChecked());
    EXPECT_FALSE(actions[1]->GetChecked());
    EXPECT_TRUE(actions[2]->GetChecked());
    EXPECT_TRUE(loner->GetChecked()) << "outside the group";
}

// Leaves the tab order while it is not focusable, as a custom-drawn control may.
class TUnfocusable : public TProbe {
  public:
    using TProbe::TProbe;
    bool Focusable = false;
    void GetTabOrderList(std::vector<TWinControl*>& list) const override {
        TProbe::GetTabOrderList(list);
        if (!Focusable) std::erase(list, const_cast<TUnfocusable*>(this));
    }
};

TEST_F(ClassLibrary, AControlMayLeaveTheTabOrder) {
    TForm* form = NewForm();
    auto* first = AddProbe(form, 0, 0, 10, 10);
    auto* skipped = new TUnfocusable(form);
    skipped->SetParent(form);
    auto* last = AddProbe(form, 40, 0, 10, 10);
    form->Show();
    EXPECT_EQ(form->FindNextControl(first, true, true, false), last);
    skipped->Focusable = true;
    EXPECT_EQ(form->FindNextControl(first, true, true, false), skipped);
}

TEST_F(ClassLibrary, AFormDocksIntoAPanelAndFloatsOutAgain) {
    TForm* main = NewForm(400, 300);
    auto* site = AddProbe(main, 0, 0, 300, 200);
    auto* trend = Application->CreateForm<TForm>();
    trend->SetBorderStyle(bsNone);
    trend->SetBounds(500, 100, 120, 90);
    main->Show();
    trend->Show();
    EXPECT_THROW(trend->ManualDock(site), EInvalidOperation) << "not a dock site yet";

    site->DockSite = true;
    int drops = 0;
    site->OnDockDrop = [&](TObject*, TDragDockObject* source, int, int) {
        ++drops;
        EXPECT_EQ(source->Control, trend);
    };
    ASSERT_TRUE(trend->ManualDock(site, nullptr, alClient));
    Pump();
    EXPECT_EQ(trend->GetParent(), site);
    EXPECT_EQ(trend->GetHostDockSite(), site);
    EXPECT_FALSE(trend->GetFloating());
    EXPECT_EQ(site->GetDockClientCount(), 1);
    EXPECT_EQ(trend->GetBoundsRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(drops, 1);
    EXPECT_TRUE(IsChild(site->GetHandle(), trend->GetHandle()));

    std::vector<UINT> notices;
    auto old = site->WindowProc;
    site->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == CM_DOCKNOTIFICATION && m.WParam == reinterpret_cast<WPARAM>(trend))
            notices.push_back(reinterpret_cast<const TDockNotifyRec*>(m.LParam)->ClientMsg);
        old(m);
    };
    trend->SetCaption("Trend");
    EXPECT_EQ(notices, std::vector<UINT>{WM_SETTEXT}) << "the site hears of its client's caption";

    bool allow = false;
    site->OnUnDock = [&](TObject*, TControl*, TWinControl*, bool& a) { a = allow; };
    EXPECT_FALSE(trend->ManualFloat(Bounds(600, 100, 120, 90)));
    EXPECT_EQ(trend->GetParent(), site);
    allow = true;
    ASSERT_TRUE(trend->ManualFloat(Bounds(600, 100, 120, 90)));
    trend->Show();
    Pump();
    EXPECT_EQ(trend->GetParent(), nullptr);
    EXPECT_TRUE(trend->GetFloating());
    EXPECT_EQ(site->GetDockClientCount(), 0);
    EXPECT_EQ(trend->GetBoundsRect(), Bounds(600, 100, 120, 90));
    EXPECT_EQ(GetParent(trend->GetHandle()), 0u);
}

TEST_F(ClassLibrary, AFormCentredOnTheScreenGoesToItsDefaultMonitor) {
    display.SetMonitors({{Rect(0, 0, 1000, 800), Rect(0, 0, 1000, 760), true},
                         {Rect(1000, 0, 2000, 600), Rect(1000, 0, 2000, 600), false}});
    TForm* main = NewForm(200, 100);
    main->SetBounds(1400, 200, 200, 100);
    main->Show();
    struct Case {
        TDefaultMonitor monitor;
        TPoint topLeft;
    };
    // 300 x 200 centred: on the primary work area (0, 0, 1000, 760) at (350, 280); on the second
    // (1000, 0, 2000, 600) at (1350, 200).
    for (const Case c :
         {Case{dmPrimary, {350, 280}}, Case{dmMainForm, {1350, 200}}, Case{dmActiveForm, {1350, 200}}}) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 300, 200);
        form->Position = poScreenCenter;
        form->DefaultMonitor = c.monitor;
        form->Show();
        EXPECT_EQ((TPoint{form->GetLeft(), form->GetTop()}), c.topLeft) << c.monitor;
        delete form;
    }
}

} // namespace
} // namespace zorvy::test
