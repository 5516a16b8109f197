#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <memory>

namespace zorvy {
namespace {

// The open list: a popup window of the system's LISTBOX class that never takes the activation.
class TComboList : public TWinControl {
  public:
    explicit TComboList(TFont* font) : TWinControl(nullptr) {
        visible_ = false;
        parentFont_ = false;
        font_->Assign(font);
    }

  protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        CreateSubClass(p, "LISTBOX");
        p.style = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
        p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        p.wndParent = 0;
    }
};

// A borderless edit that hands the keys of the list (arrows, F4, Alt+Down) to its combo box.
class TComboEdit : public TCustomEdit {
  public:
    TComboEdit(TCustomComboBox* combo) : TCustomEdit(combo), combo_(combo) {
        SetBorderStyle(bsNone);
        AutoSelect = false;
    }

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override {
        const bool listKey = key == VK_UP || key == VK_DOWN || key == VK_F4 || key == VK_PRIOR || key == VK_NEXT;
        if (listKey) {
            combo_->Perform(WM_KEYDOWN, key, 0);
            key = 0;
            return;
        }
        TCustomEdit::KeyDown(key, shift);
    }

  private:
    TCustomComboBox* combo_;
};

} // namespace

// ---- Items, text and style ----

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomControl(owner), items_(std::make_unique<TStringList>()) {
    ControlStyle = csCaptureMouse | csDoubleClicks | csSetCaption | csOpaque;
    color_ = clWindow;
    tabStop_ = true;
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
    SetBounds(0, 0, 145, 21);
    SetStyle(csDropDown);
}

TCustomComboBox::~TCustomComboBox() {
    Destroying();
    items_->OnChange = nullptr;
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
    if (value == style_ && (value == csDropDownList || edit_)) return;
    style_ = value;
    if (value == csDropDown && !edit_) {
        auto* edit = new TComboEdit(this);
        edit->SetMaxLength(maxLength_);
        edit->OnChange = [this](TObject*) {
            if (settingText_) return;
            // Typed text: the item it names, if any, becomes the chosen one.
            itemIndex_ = items_->IndexOf(edit_->GetText());
            if (OnChange) OnChange(this);
        };
        edit->OnKeyPress = [this](TObject*, char32_t& key) {
            if (OnKeyPress) OnKeyPress(this, key);
        };
        edit_ = edit;
        edit_->SetParent(this);
        UpdateEdit();
        Realign();
    } else if (value == csDropDownList && edit_) {
        delete edit_;
        edit_ = nullptr;
    }
    Invalidate();
}

void TCustomComboBox::SetMaxLength(int value) {
    maxLength_ = std::max(value, 0);
    if (edit_) edit_->SetMaxLength(maxLength_);
}

void TCustomComboBox::ItemsChanged() {
    if (itemIndex_ >= items_->GetCount()) itemIndex_ = -1;
    Invalidate();
}

void TCustomComboBox::UpdateEdit() {
    if (!edit_) return;
    settingText_ = true;
    edit_->SetText(itemIndex_ >= 0 ? items_->Get(itemIndex_) : text_);
    settingText_ = false;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_->GetCount()) index = -1;
    itemIndex_ = index;
    if (index >= 0) text_ = items_->Get(index);
    UpdateEdit();
    if (edit_ && edit_->Focused()) edit_->SelectAll();
    Invalidate();
}

std::string TCustomComboBox::GetTextValue() const {
    if (edit_) return edit_->GetText();
    return itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
}

void TCustomComboBox::SetTextValue(const std::string& text) {
    // In code: the drop-down list takes the item of that text; the drop-down shows the text as it is.
    text_ = text;
    itemIndex_ = items_->IndexOf(text);
    if (edit_) {
        settingText_ = true;
        edit_->SetText(text);
        settingText_ = false;
    }
    Invalidate();
}

TRect TCustomComboBox::ButtonRect() const {
    const TRect client = GetClientRect();
    const int w = std::min(GetSystemMetrics(SM_CXVSCROLL), client.Width());
    return Rect(client.Right - w, client.Top, client.Right, client.Bottom);
}

void TCustomComboBox::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    if (!edit_) return;
    const TRect client = GetClientRect();
    edit_->SetBounds(client.Left + 1, client.Top + 1, ButtonRect().Left - client.Left - 1, client.Height() - 2);
}

int TCustomComboBox::GetItemHeight() const {
    return FontTextHeight(*font_);
}

TRect TCustomComboBox::DropDownRect() const {
    const int rows = std::clamp(items_->GetCount(), 1, std::max(1, DropDownCount));
    const int height = rows * GetItemHeight() + 2;
    const TPoint origin = ClientToScreen({0, 0});
    const TRect client = GetClientRect();
    // Below the field, or above it when the screen ends first.
    TRect r = Rect(origin.X - 2, origin.Y + client.Height() + 2, origin.X + client.Width() + 2,
                   origin.Y + client.Height() + 2 + height);
    if (Screen && r.Bottom > Screen->MonitorFromPoint(origin).WorkareaRect.Bottom)
        OffsetRect(r, 0, -(height + client.Height() + 4));
    return r;
}

// ---- The list ----

void TCustomComboBox::UserSelect(int index) {
    if (index < 0 || index >= items_->GetCount() || index == itemIndex_) return;
    TWeakLink<TCustomComboBox> self(this);
    SetItemIndex(index);
    if (OnChange) OnChange(this);
    if (self && OnSelect) OnSelect(this);
}

void TCustomComboBox::DropDown() {
    if (droppedDown_ || !enabled_) return;
    TWeakLink<TCustomComboBox> self(this);
    if (OnDropDown) OnDropDown(this);
    if (!self) return;
    auto list = std::make_unique<TComboList>(font_.get());
    list->SetBoundsRect(DropDownRect());
    HWND h = list->GetHandle();
    for (int i = 0; i < items_->GetCount(); ++i) {
        const std::string text = items_->Get(i);
        SendMessage(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&text));
    }
    SendMessage(h, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_));
    SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    droppedDown_ = true;
    Invalidate();
    SetCapture(h);
    int chosen = -1;
    bool running = true;
    auto hovered = [&](TPoint screen) {
        TPoint p = screen;
        zorvy::ScreenToClient(h, p);
        TRect client;
        zorvy::GetClientRect(h, client);
        if (!PtInRect(client, p)) return -1;
        const LRESULT r = SendMessage(h, LB_ITEMFROMPOINT, 0, MakeLParam(p.X, p.Y));
        return HiWord(static_cast<std::uintptr_t>(r)) ? -1 : static_cast<int>(LoWord(static_cast<std::uintptr_t>(r)));
    };
    while (running) {
        MSG msg;
        if (!PeekMessage(msg, 0, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (GetCapture() != h) break;
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
            const int item = hovered(msg.pt);
            TRect window;
            GetWindowRect(h, window);
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (item >= 0) SendMessage(h, LB_SETCURSEL, static_cast<WPARAM>(item));
                break;
            case WM_LBUTTONUP:
                if (item >= 0) {
                    chosen = item;
                    running = false;
                }
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                if (PtInRect(window, msg.pt) && item < 0) {
                    // The list's own scroll bar: it tracks the press itself, then the list goes on.
                    ReleaseCapture();
                    TPoint p = msg.pt;
                    SendMessage(h, WM_NCLBUTTONDOWN, SendMessage(h, WM_NCHITTEST, 0, MakeLParam(p.X, p.Y)),
                                MakeLParam(p.X, p.Y));
                    if (IsWindow(h)) SetCapture(h);
                } else if (!PtInRect(window, msg.pt)) {
                    running = false;
                }
                break;
            case WM_MOUSEWHEEL:
                SendMessage(h, WM_MOUSEWHEEL, msg.wParam, msg.lParam);
                break;
            default:
                break;
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            switch (msg.wParam) {
            case VK_RETURN:
            case VK_TAB:
                chosen = static_cast<int>(SendMessage(h, LB_GETCURSEL));
                running = false;
                break;
            case VK_ESCAPE:
            case VK_F4:
                running = false;
                break;
            case VK_UP:
            case VK_DOWN:
                if (msg.message == WM_SYSKEYDOWN) {
                    running = false; // Alt+Up or Alt+Down closes the list as it opened it
                    break;
                }
                [[fallthrough]];
            default:
                SendMessage(h, WM_KEYDOWN, msg.wParam, msg.lParam);
                break;
            }
            continue;
        }
        if (msg.message == WM_CHAR) {
            SendMessage(h, WM_CHAR, msg.wParam, msg.lParam); // type-ahead in the list
            continue;
        }
        if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR) continue;
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    if (GetCapture() == h) ReleaseCapture();
    list.reset();
    if (!self) return;
    droppedDown_ = false;
    Invalidate();
    if (chosen >= 0) UserSelect(chosen);
    if (self && OnCloseUp) OnCloseUp(this);
}

// ---- Input and painting ----

void TCustomComboBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    const bool alt = (shift & ssAlt) != 0;
    if (key == VK_F4 || (alt && key == VK_DOWN)) {
        key = 0;
        DropDown();
        return;
    }
    const int count = items_->GetCount();
    if (count == 0) return;
    int index = itemIndex_;
    switch (key) {
    case VK_UP: index = std::max(0, index - 1); break;
    case VK_DOWN: index = std::min(count - 1, index + 1); break;
    case VK_PRIOR: index = std::max(0, index - DropDownCount); break;
    case VK_NEXT: index = std::min(count - 1, index + DropDownCount); break;
    case VK_HOME:
        if (edit_) return;
        index = 0;
        break;
    case VK_END:
        if (edit_) return;
        index = count - 1;
        break;
    default: return;
    }
    key = 0;
    UserSelect(index);
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TCustomComboBox> self(this);
    if (CanFocus() && !Focused() && !(edit_ && edit_->Focused())) (edit_ ? static_cast<TWinControl*>(edit_) : this)->SetFocus();
    if (!self) return;
    TCustomControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    // The drop-down list opens from anywhere on the field, the drop-down from its button.
    if (!edit_ || PtInRect(ButtonRect(), {x, y})) {
        SetMouseCapture(false);
        DropDown();
    }
}

void TCustomComboBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
        // A drop-down combo box types into its edit.
        if (edit_ && edit_->CanFocus()) {
            edit_->SetFocus();
            edit_->SelectAll();
            return;
        }
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(m);
        if (edit_) {
            edit_->SetFont(GetFont());
            edit_->SetEnabled(enabled_);
        }
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

void TCustomComboBox::Paint() {
    TCanvas* c = GetCanvas();
    const TRect client = GetClientRect();
    const TRect button = ButtonRect();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(enabled_ ? color_ : clBtnFace);
    c->FillRect(Rect(client.Left, client.Top, button.Left, client.Bottom));
    DrawFrameControl(c->GetHandle(), button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (droppedDown_ ? DFCS_PUSHED : 0u) | (enabled_ ? 0u : DFCS_INACTIVE));
    if (edit_) return;
    // The drop-down list shows its item, highlighted while the field has the focus.
    TRect field = Rect(client.Left + 1, client.Top + 1, button.Left - 1, client.Bottom - 1);
    const bool focused = Focused() && !droppedDown_;
    if (focused) {
        c->GetBrush()->SetColor(clHighlight);
        c->FillRect(field);
    }
    c->SetFont(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    HDC dc = c->GetHandle();
    SetTextColor(dc, ColorToRGB(!enabled_ ? clGrayText : focused ? clHighlightText : clWindowText));
    TRect text = field;
    text.Left += 2;
    DrawText(dc, GetTextValue(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (focused) c->DrawFocusRect(field);
}

} // namespace zorvy
