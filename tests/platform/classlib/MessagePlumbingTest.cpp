#include "ClassLibFixture.h"
#include "platform/win/Input.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <map>

namespace zorvy::test {
namespace {

// Counts every message a control's window procedure sees, by number.
struct TMessageTap {
    std::map<UINT, int> counts;
    std::vector<std::pair<UINT, WPARAM>> seen;
    void Attach(TControl* c, std::vector<UINT> only) {
        auto old = c->WindowProc;
        c->WindowProc = [this, old, only](TMessage& m) {
            if (std::find(only.begin(), only.end(), m.Msg) != only.end()) {
                ++counts[m.Msg];
                seen.emplace_back(m.Msg, m.WParam);
            }
            old(m);
        };
    }
};

// A control that answers one CN_ message with a result of its own and takes its caption's accelerator.
class TAccelProbe : public TProbe {
  public:
    using TProbe::TProbe;
    std::vector<std::string>* accels = nullptr;
    LRESULT dlgCode = 0;

  protected:
    void Dispatch(TMessage& m) override {
        if (m.Msg == CN_COMMAND) {
            m.Result = 0x5A;
            return;
        }
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = dlgCode;
            return;
        }
        if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(m.WParam), GetCaption())) {
            if (accels) accels->push_back(GetCaption());
            m.Result = 1;
            return;
        }
        TProbe::Dispatch(m);
    }
};

std::vector<UINT>& SystemLog() {
    static std::vector<UINT> log;
    return log;
}

LRESULT SystemClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    SystemLog().push_back(msg);
    if (msg == WM_USER + 5) return 77;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

class TWrapped : public TWinControl {
    ZORVY_CLASS(TWrapped, TWinControl)
  public:
    using TWinControl::TWinControl;

  protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        CreateSubClass(params, "TestSystemClass");
    }
};

// A control made of the system's EDIT class, counting the changes it hears back from its parent.
class TWrappedEdit : public TWinControl {
    ZORVY_CLASS(TWrappedEdit, TWinControl)
  public:
    using TWinControl::TWinControl;
    int changes = 0;

  protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        CreateSubClass(params, "EDIT");
    }
    void Dispatch(TMessage& m) override {
        if (m.Msg == CN_COMMAND && HiWord(m.WParam) == EN_CHANGE) ++changes;
        TWinControl::Dispatch(m);
    }
};

class MessagePlumbing : public ClassLibTest {};

TEST_F(MessagePlumbing, AControlMadeOfTheEditClassEditsAndHearsItsChanges) {
    TForm* form = NewForm();
    auto* edit = new TWrappedEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 24);
    edit->SetText("ab");
    form->Show();
    edit->SetFocus();
    Pump();
    edit->Perform(EM_SETSEL, 2, 2);
    display.TypeText("c\xE4\xB8\xAD");
    Pump();
    EXPECT_EQ(edit->GetText(), "abc\xE4\xB8\xAD");
    EXPECT_EQ(edit->changes, 2);
    EXPECT_EQ(GetClassName(edit->GetHandle()), "TWrappedEdit");
}

TEST_F(MessagePlumbing, AWrappedSystemClassKeepsItsProcedureFromCreationOn) {
    RegisterClass({"TestSystemClass", CS_DBLCLKS, &SystemClassProc, LoadCursor(IDC_IBEAM), clNone});
    SystemLog().clear();
    TForm* form = NewForm();
    auto* wrapped = new TWrapped(form);
    wrapped->SetParent(form);
    form->Show();
    HWND h = wrapped->GetHandle();
    ASSERT_GE(SystemLog().size(), 2u);
    EXPECT_EQ(SystemLog()[0], WM_NCCREATE);
    EXPECT_NE(std::find(SystemLog().begin(), SystemLog().end(), WM_CREATE), SystemLog().end());
    EXPECT_EQ(wrapped->Perform(WM_USER + 5), 77) << "what the control leaves goes to the system procedure";
    EXPECT_EQ(FindControl(h), wrapped);
    EXPECT_EQ(GetClassName(h), "TWrapped");
    TWindowClass cls;
    ASSERT_TRUE(GetClassInfo("TWrapped", cls));
    EXPECT_EQ(cls.cursor, LoadCursor(IDC_IBEAM));
    EXPECT_EQ(cls.style, CS_DBLCLKS);
    UnregisterClass("TestSystemClass");
}

TEST_F(MessagePlumbing, ChildNotificationsComeBackToTheChildControlAsCnMessages) {
    TForm* form = NewForm();
    auto* panel = new TAccelProbe(form);
    panel->SetParent(form);
    auto* child = new TAccelProbe(form);
    child->SetParent(panel);
    form->Show();
    TMessageTap tap;
    tap.Attach(child, {CN_COMMAND, CN_DRAWITEM, CN_MEASUREITEM, CN_VSCROLL, CN_CTLCOLOREDIT});
    HWND parent = panel->GetHandle(), from = child->GetHandle();

    EXPECT_EQ(SendMessage(parent, WM_COMMAND, MakeWParam(7, BN_CLICKED), from), 0x5A)
        << "the child's answer is the parent's answer";
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_LISTBOX;
    draw.hwndItem = from;
    SendMessage(parent, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTBOX;
    measure.hwndItem = from;
    SendMessage(parent, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    SendMessage(parent, WM_VSCROLL, SB_LINEDOWN, from);
    SendMessage(parent, WM_CTLCOLOREDIT, 0, from);
    // Not reflected: a menu command (no window), the window's own scroll bar, a menu item drawing.
    SendMessage(parent, WM_COMMAND, 9, 0);
    SendMessage(parent, WM_VSCROLL, SB_LINEUP, 0);
    draw.CtlType = ODT_MENU;
    SendMessage(parent, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));

    EXPECT_EQ(
        tap.counts,
        (std::map<UINT, int>{
            {CN_COMMAND, 1}, {CN_DRAWITEM, 1}, {CN_MEASUREITEM, 1}, {CN_VSCROLL, 1}, {CN_CTLCOLOREDIT, 1}}));
    EXPECT_EQ(tap.seen.front().second, MakeWParam(7, BN_CLICKED));
}

TEST_F(MessagePlumbing, ACtlColorRequestIsAnsweredWithTheControlsColours) {
    TForm* form = NewForm();
    auto* child = AddProbe(form, 0, 0, 20, 20);
    child->SetColor(clYellow);
    child->GetFont()->SetColor(clNavy);
    form->Show();
    HDC dc = GetDC(form->GetHandle());
    const LRESULT brush =
        SendMessage(form->GetHandle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), child->GetHandle());
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(clNavy));
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clYellow));
    LOGBRUSH lb;
    ASSERT_TRUE(GetObject(reinterpret_cast<HBRUSH>(brush), lb));
    EXPECT_EQ(lb.lbColor, ColorToRGB(clYellow));
    ReleaseDC(form->GetHandle(), dc);
}

TEST_F(MessagePlumbing, AnAcceleratorReachesTheControlWhoseCaptionHoldsIt) {
    std::vector<std::string> accels;
    TForm* form = NewForm();
    auto make = [&](const char* caption, int left, LRESULT dlgCode) {
        auto* c = new TAccelProbe(form);
        c->SetParent(form);
        c->SetBounds(left, 0, 30, 30);
        c->SetCaption(caption);
        c->accels = &accels;
        c->dlgCode = dlgCode;
        return c;
    };
    auto* alpha = make("&Alpha", 0, DLGC_WANTCHARS);
    auto* beta = make("B&eta", 40, 0);
    make("&Gamma", 80, 0);
    form->Show();
    alpha->SetFocus();
    Pump();

    // Alt+E: the accelerator, whatever the focused control wants.
    InjectKey(VK_MENU, true);
    InjectKey('E', true);
    InjectKey('E', false);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_EQ(accels, std::vector<std::string>{"B&eta"});

    // A plain letter goes to a control that takes characters ...
    accels.clear();
    display.TypeText("g");
    Pump();
    EXPECT_TRUE(accels.empty());
    // ... and is an accelerator where the focused control takes none.
    beta->SetFocus();
    display.TypeText("g");
    Pump();
    EXPECT_EQ(accels, std::vector<std::string>{"&Gamma"});
}

TEST_F(MessagePlumbing, AccelTestFoldsCaseAndTakesChineseCharacters) {
    struct Case {
        char32_t key;
        const char* caption;
        bool expected;
    };
    const Case cases[] = {
        {U'a', "&Alpha", true}, {U'A', "&alpha", true}, {U'l', "&Alpha", false}, {U'b', "Alpha", false},
        {U'&', "A&&B", false},  {U'文', "中&文", true}, {U'中', "中&文", false}, {U'x', "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAccel(c.key, c.caption), c.expected) << c.caption << " " << static_cast<int>(c.key);
}

TEST_F(MessagePlumbing, ASystemColourChangeReachesEveryControlOnce) {
    TForm* form = NewForm();
    auto* panel = AddProbe(form, 0, 0, 100, 100);
    auto* inner = new TProbe(form);
    inner->SetParent(panel);
    auto* graphic = new TGraphicControl(form);
    graphic->SetParent(panel);
    auto* other = NewForm();
    form->Show();
    other->Show();
    TMessageTap tap;
    std::map<TControl*, int> heard;
    for (TControl* c : std::vector<TControl*>{form, panel, inner, graphic, other}) {
        auto old = c->WindowProc;
        c->WindowProc = [c, old, &heard](TMessage& m) {
            if (m.Msg == CM_SYSCOLORCHANGE) ++heard[c];
            old(m);
        };
    }
    BroadcastSystemMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(heard, (std::map<TControl*, int>{{form, 1}, {panel, 1}, {inner, 1}, {graphic, 1}, {other, 1}}));
}

TEST_F(MessagePlumbing, NonClientMetricsAnswerAndAChangeIsAnnounced) {
    NONCLIENTMETRICS m;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m));
    EXPECT_FALSE(m.lfMenuFont.lfFaceName.empty());
    EXPECT_EQ(m.lfCaptionFont.lfWeight, FW_BOLD);
    EXPECT_EQ(m.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));

    TForm* form = NewForm();
    auto* child = AddProbe(form, 0, 0, 10, 10);
    form->Show();
    TMessageTap tap;
    tap.Attach(child, {CM_WININICHANGE});
    const NONCLIENTMETRICS saved = m;
    m.iScrollWidth = 21;
    m.lfMenuFont.lfHeight = -19;
    ASSERT_TRUE(SystemParametersInfo(SPI_SETNONCLIENTMETRICS, 0, &m));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 21);
    EXPECT_EQ(Screen->GetMenuFont()->GetHeight(), -19) << "the screen's menu font follows";
    EXPECT_EQ(Screen->GetMenuFont()->GetColor(), clMenuText);
    ASSERT_EQ(tap.seen.size(), 1u);
    EXPECT_EQ(tap.seen[0].second, static_cast<WPARAM>(SPI_SETNONCLIENTMETRICS));
    SystemParametersInfo(SPI_SETNONCLIENTMETRICS, 0, const_cast<NONCLIENTMETRICS*>(&saved));
}

TEST_F(MessagePlumbing, FocusMovesTellTheControlsItLeavesAndEnters) {
    std::vector<std::string> log;
    TForm* form = NewForm();
    auto* left = AddProbe(form, 0, 0, 100, 100, &log);
    left->SetName("left");
    auto* a = new TProbe(form, &log);
    a->SetName("a");
    a->SetParent(left);
    auto* right = AddProbe(form, 100, 0, 100, 100, &log);
    right->SetName("right");
    auto* b = new TProbe(form, &log);
    b->SetName("b");
    b->SetParent(right);
    auto* b2 = new TProbe(form, &log);
    b2->SetName("b2");
    b2->SetParent(right);
    form->Show();
    a->SetFocus();
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit:a", "exit:left", "enter:right", "enter:b"}));
    log.clear();
    b2->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit:b", "enter:b2"})) << "the shared container stays";
}

TEST_F(MessagePlumbing, ParentsHearOfChildrenComingAndGoingAndShowingChanges) {
    TForm* form = NewForm();
    form->Show();
    TMessageTap tap;
    tap.Attach(form, {CM_CONTROLCHANGE, CM_CONTROLLISTCHANGE});
    auto* probe = AddProbe(form, 0, 0, 10, 10);
    TMessageTap showing;
    showing.Attach(probe, {CM_SHOWINGCHANGED});
    probe->Hide();
    probe->Show();
    delete probe;
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {CM_CONTROLLISTCHANGE, 0}, {CM_CONTROLCHANGE, 0}, {CM_CONTROLCHANGE, 0}, {CM_CONTROLLISTCHANGE, 0}};
    ASSERT_EQ(tap.seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(tap.seen[i].first, expected[i].first) << i;
    EXPECT_EQ(showing.counts[CM_SHOWINGCHANGED], 2);
}

} // namespace
} // namespace zorvy::test
