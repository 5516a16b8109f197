#include "platform/vcl/Dialogs.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/Forms.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <vector>

namespace zorvy {
namespace {

class TMessageButton : public TCustomControl {
  public:
    TMessageButton(TComponent* owner, int result, bool isDefault, bool isCancel)
        : TCustomControl(owner), result_(result), default_(isDefault), cancel_(isCancel) {
        tabStop_ = true;
        SetBounds(0, 0, 75, 25);
    }

  protected:
    void Click() override {
        if (auto* form = GetParentForm(this)) form->SetModalResult(result_);
    }
    void Paint() override {
        TCanvas* c = GetCanvas();
        TRect r = GetClientRect();
        c->GetBrush()->SetColor(clBtnFace);
        c->FillRect(r);
        HDC dc = c->GetHandle();
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT);
        c->SetFont(GetFont());
        c->GetBrush()->SetStyle(bsClear);
        TRect t = GetClientRect();
        DrawText(dc, GetText(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (Focused()) {
            TRect f = GetClientRect();
            InflateRect(f, -4, -4);
            c->DrawFocusRect(f);
        }
    }
    void Dispatch(TMessage& m) override {
        switch (m.Msg) {
        case CM_DIALOGKEY:
            if ((m.WParam == VK_RETURN && (Focused() || (default_ && !FocusedButtonExists()))) ||
                (m.WParam == VK_ESCAPE && cancel_)) {
                Click();
                m.Result = 1;
            }
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TCustomControl::Dispatch(m);
            Invalidate();
            return;
        default:
            TCustomControl::Dispatch(m);
        }
    }

  private:
    bool FocusedButtonExists() const {
        auto* form = GetParentForm(const_cast<TMessageButton*>(this));
        return form && dynamic_cast<TMessageButton*>(Screen ? Screen->GetActiveControl() : nullptr) &&
               form->ContainsControl(Screen->GetActiveControl());
    }
    int result_;
    bool default_;
    bool cancel_;
};

class TMessageForm : public TForm {
  public:
    TMessageForm(const std::string& text, UINT flags) : TForm(nullptr), text_(text), icon_(flags & 0xF0) {
        SetBorderStyle(bsDialog);
        Position = poScreenCenter;
        SetColor(clBtnFace);
    }
    std::string text_;
    UINT icon_;
    TRect textRect_;

  protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        c->SetFont(GetFont());
        c->GetBrush()->SetStyle(bsClear);
        TRect r = textRect_;
        DrawText(c->GetHandle(), text_, r, DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        if (!icon_) return;
        static const std::pair<UINT, std::pair<TColor, const char*>> icons[] = {
            {MB_ICONERROR, {clRed, "×"}},
            {MB_ICONQUESTION, {clBlue, "?"}},
            {MB_ICONWARNING, {TColor(0x0080FF), "!"}},
            {MB_ICONINFORMATION, {clBlue, "i"}},
        };
        for (const auto& [kind, look] : icons) {
            if (kind != icon_) continue;
            c->GetBrush()->SetColor(look.first);
            c->GetPen()->SetColor(look.first);
            c->Ellipse(12, 12, 44, 44);
            c->GetFont()->SetColor(clWhite);
            c->GetFont()->SetStyle(fsBold);
            c->GetFont()->SetHeight(-20);
            c->GetBrush()->SetStyle(bsClear);
            TRect ir = Rect(12, 12, 44, 44);
            DrawText(c->GetHandle(), look.second, ir, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
};

struct TButtonSpec {
    const char* caption;
    int result;
};

std::vector<TButtonSpec> ButtonsFor(UINT flags) {
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return {{"确定", IDOK}, {"取消", IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{"中止(&A)", IDABORT}, {"重试(&R)", IDRETRY}, {"忽略(&I)", IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{"是(&Y)", IDYES}, {"否(&N)", IDNO}, {"取消", IDCANCEL}};
    case MB_YESNO:
        return {{"是(&Y)", IDYES}, {"否(&N)", IDNO}};
    case MB_RETRYCANCEL:
        return {{"重试(&R)", IDRETRY}, {"取消", IDCANCEL}};
    default:
        return {{"确定", IDOK}};
    }
}

} // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    InitializeForms();
    auto* form = new TMessageForm(text, flags);
    TWeakLink<TCustomForm> link(form);
    form->SetCaption(caption);
    const auto buttons = ButtonsFor(flags);
    const int defaultIndex = std::min<int>((flags & 0xF00) >> 8, static_cast<int>(buttons.size()) - 1);
    int cancelResult = buttons.back().result;
    for (const auto& b : buttons)
        if (b.result == IDCANCEL || b.result == IDNO) cancelResult = b.result;
    if (buttons.size() == 1) cancelResult = buttons[0].result;

    // Measure the text to size the form.
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, form->GetFont()->GetHandle());
    TRect measure = Rect(0, 0, 420, 0);
    DrawText(dc, text.empty() ? " " : text, measure,
             DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, old);
    DeleteDC(dc);
    const int iconWidth = (flags & 0xF0) ? 48 : 0;
    const int buttonsWidth = static_cast<int>(buttons.size()) * 83 - 8;
    const int clientWidth = std::max(iconWidth + measure.Width() + 28, buttonsWidth + 28);
    const int textHeight = std::max(measure.Height(), iconWidth ? 32 : 0);
    form->textRect_ = Bounds(12 + iconWidth, 14, measure.Width(), measure.Height());
    form->SetBounds(0, 0, clientWidth, textHeight + 26 + 25 + 14);
    int x = (clientWidth - buttonsWidth) / 2;
    TMessageButton* focus = nullptr;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* b = new TMessageButton(form, buttons[i].result, static_cast<int>(i) == defaultIndex,
                                     buttons[i].result == cancelResult);
        b->SetCaption(buttons[i].caption);
        b->SetParent(form);
        b->SetBounds(x, textHeight + 26, 75, 25);
        x += 83;
        if (static_cast<int>(i) == defaultIndex) focus = b;
    }
    form->SetActiveControl(focus);
    int result = cancelResult;
    try {
        result = form->ShowModal();
        if (result == mrCancel && cancelResult != IDCANCEL) result = cancelResult;
    } catch (...) {
        delete link.Get();
        throw;
    }
    delete link.Get();
    return result;
}

void ShowMessage(const std::string& text) {
    ShowMessageBox(text, Application ? Application->Title : std::string(), MB_OK);
}

} // namespace zorvy
