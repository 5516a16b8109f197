// Message boxes, message dialogs and input boxes: one modal form with an icon, the text, optional
// prompt and edit, and a row of dialog buttons.
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Dialogs.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/dialogs/DialogForm.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <vector>

namespace zorvy {
namespace {

enum class TMessageIcon { None, Error, Question, Warning, Information };

struct TButtonSpec {
    std::string caption;
    TModalResult result;
};

// The form's icon: a coloured disc with a sign, drawn by the program.
class TMessageForm : public TForm {
  public:
    TMessageForm(TMessageIcon icon) : TForm(nullptr), icon_(icon) {}
    TMessageIcon icon_;

  protected:
    void Paint() override {
        if (icon_ == TMessageIcon::None) return;
        struct TLook {
            TColor color;
            const char* sign;
        };
        static const TLook looks[] = {{clRed, "×"}, {clBlue, "?"}, {TColor(0x0080FF), "!"}, {clBlue, "i"}};
        const TLook& look = looks[static_cast<int>(icon_) - 1];
        TCanvas* c = GetCanvas();
        c->GetBrush()->SetColor(look.color);
        c->GetPen()->SetColor(look.color);
        c->Ellipse(12, 12, 44, 44);
        c->GetFont()->SetColor(clWhite);
        c->GetFont()->SetStyle(fsBold);
        c->GetFont()->SetHeight(-20);
        c->GetBrush()->SetStyle(bsClear);
        TRect r = Rect(12, 12, 44, 44);
        DrawText(c->GetHandle(), look.sign, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

constexpr int ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 8, Margin = 12;

TSize MeasureText(TFont* font, const std::string& text, int maxWidth) {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font->GetHandle());
    TRect r = Rect(0, 0, maxWidth, 0);
    DrawText(dc, text.empty() ? " " : text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {r.Width(), r.Height()};
}

// Runs the message form; answers the result of the button pressed, cancelResult when it is closed
// otherwise (Esc with no cancelling button, the close box).
TModalResult RunMessage(const std::string& caption, const std::string& text, TMessageIcon icon,
                        const std::vector<TButtonSpec>& buttons, int defaultIndex, int cancelIndex,
                        TModalResult cancelResult) {
    InitializeForms();
    auto* form = new TMessageForm(icon);
    form->SetBorderStyle(bsDialog);
    form->Position = poScreenCenter;
    form->SetColor(clBtnFace);
    form->SetCaption(caption);
    const TSize measured = MeasureText(form->GetFont(), text, 420);
    const int iconWidth = icon != TMessageIcon::None ? 48 : 0;
    const int buttonsWidth = static_cast<int>(buttons.size()) * (ButtonWidth + ButtonGap) - ButtonGap;
    const int clientWidth = std::max(iconWidth + measured.cx + 2 * Margin + 4, buttonsWidth + 2 * Margin);
    const int textHeight = std::max(measured.cy, iconWidth ? 32 : 0);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetShowAccelChar(false);
    label->SetWordWrap(true);
    label->SetBounds(Margin + iconWidth, 14, measured.cx + 4, measured.cy);
    label->SetCaption(text);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(14 + textHeight + 12 + ButtonHeight + 12);
    int x = (clientWidth - buttonsWidth) / 2;
    TButton* focus = nullptr;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool isDefault = static_cast<int>(i) == defaultIndex;
        auto* b = new TButton(form);
        b->ModalResult = buttons[i].result;
        b->SetDefault(isDefault);
        b->Cancel = static_cast<int>(i) == cancelIndex;
        b->SetCaption(buttons[i].caption);
        b->SetParent(form);
        b->SetBounds(x, 14 + textHeight + 12, ButtonWidth, ButtonHeight);
        x += ButtonWidth + ButtonGap;
        if (isDefault) focus = b;
    }
    form->SetActiveControl(focus);
    // Esc with no cancelling button still closes the form.
    form->KeyPreview = cancelIndex < 0;
    form->OnKeyDown = [form](TObject*, std::uint16_t& key, TShiftState) {
        if (key == VK_ESCAPE) form->SetModalResult(mrCancel);
    };
    TModalResult result = RunDialogForm(form);
    if (result == mrCancel && !(cancelIndex >= 0 && buttons[static_cast<std::size_t>(cancelIndex)].result == mrCancel))
        result = cancelResult;
    return result;
}

const char* ButtonCaption(TMsgDlgBtn b) {
    static const char* const captions[] = {"是(&Y)",   "否(&N)",   "确定",     "取消",     "中止(&A)", "重试(&R)",
                                           "忽略(&I)", "全部(&A)", "全否(&O)", "全是(&Y)", "帮助(&H)", "关闭(&C)"};
    return captions[b];
}

TModalResult ButtonResult(TMsgDlgBtn b) {
    static const TModalResult results[] = {mrYes,   mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                           mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrHelp,  mrClose};
    return results[b];
}

// defaultButton: a TMsgDlgBtn, or -1 for none chosen.
TModalResult RunMessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int defaultButton) {
    if (buttons == 0) buttons = 1u << mbOK;
    std::vector<TMsgDlgBtn> shown;
    for (int b = mbYes; b <= mbClose; ++b)
        if (buttons & (1u << b)) shown.push_back(static_cast<TMsgDlgBtn>(b));
    auto indexOf = [&](int b) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i] == b) return static_cast<int>(i);
        return -1;
    };
    int defaultIndex = indexOf(defaultButton);
    if (defaultIndex < 0) defaultIndex = indexOf(mbOK);
    if (defaultIndex < 0) defaultIndex = indexOf(mbYes);
    if (defaultIndex < 0) defaultIndex = 0;
    int cancelIndex = indexOf(mbCancel);
    if (cancelIndex < 0) cancelIndex = indexOf(mbNo);
    if (cancelIndex < 0) cancelIndex = indexOf(mbOK);
    std::vector<TButtonSpec> specs;
    for (TMsgDlgBtn b : shown)
        specs.push_back({ButtonCaption(b), ButtonResult(b)});
    static const char* const captions[] = {"警告", "错误", "信息", "确认"};
    const std::string caption =
        type == mtCustom ? (Application ? Application->Title : std::string()) : captions[type];
    static const TMessageIcon icons[] = {TMessageIcon::Warning, TMessageIcon::Error, TMessageIcon::Information, TMessageIcon::Question, TMessageIcon::None};
    return RunMessage(caption, message, icons[type], specs, defaultIndex, cancelIndex,
                      cancelIndex >= 0 ? specs[static_cast<std::size_t>(cancelIndex)].result : mrCancel);
}

} // namespace

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    return RunMessageDlg(message, type, buttons, -1);
}

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int,
                        TMsgDlgBtn defaultButton) {
    return RunMessageDlg(message, type, buttons, defaultButton);
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    std::vector<TButtonSpec> buttons;
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        buttons = {{"确定", IDOK}, {"取消", IDCANCEL}};
        break;
    case MB_ABORTRETRYIGNORE:
        buttons = {{"中止(&A)", IDABORT}, {"重试(&R)", IDRETRY}, {"忽略(&I)", IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        buttons = {{"是(&Y)", IDYES}, {"否(&N)", IDNO}, {"取消", IDCANCEL}};
        break;
    case MB_YESNO:
        buttons = {{"是(&Y)", IDYES}, {"否(&N)", IDNO}};
        break;
    case MB_RETRYCANCEL:
        buttons = {{"重试(&R)", IDRETRY}, {"取消", IDCANCEL}};
        break;
    default:
        buttons = {{"确定", IDOK}};
        break;
    }
    const int defaultIndex = std::min<int>((flags & 0xF00) >> 8, static_cast<int>(buttons.size()) - 1);
    int cancelIndex = static_cast<int>(buttons.size()) - 1;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].result == IDCANCEL || buttons[i].result == IDNO) cancelIndex = static_cast<int>(i);
    TMessageIcon icon = TMessageIcon::None;
    switch (flags & 0xF0) {
    case MB_ICONERROR: icon = TMessageIcon::Error; break;
    case MB_ICONQUESTION: icon = TMessageIcon::Question; break;
    case MB_ICONWARNING: icon = TMessageIcon::Warning; break;
    case MB_ICONINFORMATION: icon = TMessageIcon::Information; break;
    default: break;
    }
    return RunMessage(caption, text, icon, buttons, defaultIndex, cancelIndex,
                      buttons[static_cast<std::size_t>(cancelIndex)].result);
}

void ShowMessage(const std::string& text) {
    ShowMessageBox(text, Application ? Application->Title : std::string(), MB_OK);
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    InitializeForms();
    auto* form = new TForm(nullptr);
    TWeakLink<TCustomForm> link(form);
    form->SetBorderStyle(bsDialog);
    form->Position = poScreenCenter;
    form->SetColor(clBtnFace);
    form->SetCaption(caption);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetLeft(Margin);
    label->SetTop(10);
    label->SetCaption(prompt);
    const int width = std::max(260, label->GetWidth() + 2 * Margin);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(Margin, label->GetTop() + label->GetHeight() + 6, width - 2 * Margin, 21);
    edit->SetText(value);
    const int buttonsTop = edit->GetTop() + edit->GetHeight() + 14;
    auto* ok = new TButton(form);
    ok->ModalResult = mrOk;
    ok->SetDefault(true);
    ok->SetCaption("确定");
    ok->SetParent(form);
    ok->SetBounds(width / 2 - ButtonWidth - ButtonGap / 2, buttonsTop, ButtonWidth, ButtonHeight);
    auto* cancel = new TButton(form);
    cancel->ModalResult = mrCancel;
    cancel->Cancel = true;
    cancel->SetCaption("取消");
    cancel->SetParent(form);
    cancel->SetBounds(width / 2 + ButtonGap / 2, buttonsTop, ButtonWidth, ButtonHeight);
    form->SetClientWidth(width);
    form->SetClientHeight(buttonsTop + ButtonHeight + 12);
    form->SetActiveControl(edit);
    return RunDialogForm(form, [&](TModalResult result) {
               if (result == mrOk && link) value = edit->GetText();
           }) == mrOk;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}

} // namespace zorvy
