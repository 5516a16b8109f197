#include "platform/classlib/Menus.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace zorvy {
namespace {

// The accelerator letter of a caption ("&File" -> 'f'), 0 when none.
char32_t Accelerator(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char32_t>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

// The drawn window of an open popup menu.
class TMenuWindow : public TCustomControl {
  public:
    explicit TMenuWindow(TMenuItem* root) : TCustomControl(nullptr) {
        color_ = clMenu;
        visible_ = false;
        parentFont_ = false;
        if (Screen) font_->Assign(Screen->GetMenuFont());
        for (int i = 0; i < root->GetCount(); ++i)
            if (root->GetItem(i)->Visible) items_.push_back(root->GetItem(i));
    }

    void Layout(int x, int y, TPopupAlignment alignment) {
        HDC dc = CreateScreenDC();
        HFONT old = SelectObject(dc, font_->GetHandle());
        TEXTMETRIC tm;
        GetTextMetrics(dc, tm);
        itemHeight_ = tm.tmHeight + 6;
        int textWidth = 0, keyWidth = 0;
        for (TMenuItem* item : items_) {
            TSize s;
            GetTextExtentPoint32(dc, StripHotkey(item->Caption), s);
            textWidth = std::max(textWidth, s.cx);
            if (item->ShortCut) {
                GetTextExtentPoint32(dc, ShortCutToText(item->ShortCut), s);
                keyWidth = std::max(keyWidth, s.cx);
            }
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        keyColumn_ = 24 + textWidth + 24;
        const int w = keyColumn_ + keyWidth + (keyWidth ? 16 : 0) + 2;
        int h = 2;
        for (TMenuItem* item : items_)
            h += item->IsLine() ? 8 : itemHeight_;
        if (alignment == paRight) x -= w;
        if (alignment == paCenter) x -= w / 2;
        if (Screen) {
            const TRect work = Screen->MonitorFromPoint({x, y}).WorkareaRect;
            if (x + w > work.Right) x = work.Right - w;
            if (y + h > work.Bottom) y = std::max(work.Top, y - h);
            x = std::max(x, work.Left);
        }
        SetBounds(x, y, w, h);
    }

    int ItemAt(TPoint client) const {
        int top = 1;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const int h = items_[i]->IsLine() ? 8 : itemHeight_;
            if (client.Y >= top && client.Y < top + h && client.X >= 0 && client.X < width_)
                return static_cast<int>(i);
            top += h;
        }
        return -1;
    }

    TRect ItemRect(int index) const {
        int top = 1;
        for (int i = 0; i < index; ++i)
            top += items_[static_cast<std::size_t>(i)]->IsLine() ? 8 : itemHeight_;
        return Rect(1, top, width_ - 1,
                    top + (items_[static_cast<std::size_t>(index)]->IsLine() ? 8 : itemHeight_));
    }

    bool Selectable(int index) const {
        return index >= 0 && index < static_cast<int>(items_.size()) &&
               !items_[static_cast<std::size_t>(index)]->IsLine() &&
               items_[static_cast<std::size_t>(index)]->Enabled;
    }

    void Select(int index) {
        if (index == selected_) return;
        selected_ = index;
        Invalidate();
    }

    void Step(int direction) {
        const int n = static_cast<int>(items_.size());
        for (int k = 1; k <= n; ++k) {
            const int i =
                ((selected_ < 0 ? (direction > 0 ? -1 : 0) : selected_) + direction * k + n * 2) % n;
            if (Selectable(i)) {
                Select(i);
                return;
            }
        }
    }

    std::vector<TMenuItem*> items_;
    int selected_ = -1;

  protected:
    void CreateParams(TCreateParams& p) override {
        TCustomControl::CreateParams(p);
        p.style = WS_POPUP | WS_BORDER;
        p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        p.wndParent = 0;
        p.classStyle |= CS_SAVEBITS;
    }

    void Paint() override {
        TCanvas* c = GetCanvas();
        c->SetFont(GetFont());
        c->GetBrush()->SetColor(clMenu);
        c->FillRect(GetClientRect());
        HDC dc = c->GetHandle();
        for (std::size_t i = 0; i < items_.size(); ++i) {
            TMenuItem* item = items_[i];
            TRect r = ItemRect(static_cast<int>(i));
            if (item->IsLine()) {
                TRect line = Rect(r.Left + 2, r.Top + 3, r.Right - 2, r.Top + 5);
                DrawEdge(dc, line, EDGE_ETCHED, BF_TOP);
                continue;
            }
            const bool hot = static_cast<int>(i) == selected_;
            c->GetBrush()->SetColor(hot ? clHighlight : clMenu);
            c->FillRect(r);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ColorToRGB(!item->Enabled ? clGrayText : hot ? clHighlightText : clMenuText));
            if (item->Checked) {
                TRect mark = Rect(r.Left + 4, r.Top, r.Left + 20, r.Bottom);
                DrawText(dc, item->RadioItem ? "●" : "✓", mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            TRect tr = Rect(r.Left + 24, r.Top, r.Right, r.Bottom);
            DrawText(dc, item->Caption, tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            if (item->ShortCut) {
                TRect kr = Rect(keyColumn_, r.Top, r.Right - 8, r.Bottom);
                DrawText(dc, ShortCutToText(item->ShortCut), kr,
                         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            }
            if (item->GetCount() > 0) {
                TRect ar = Rect(r.Right - 14, r.Top, r.Right - 2, r.Bottom);
                DrawText(dc, "▸", ar, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        }
    }

  private:
    int itemHeight_ = 19;
    int keyColumn_ = 0;
};

enum class TMenuEnd { Chosen, Dismissed, BackToParent, MoveLeft, MoveRight, SwitchTo };

// What a menu opened from a menu bar knows of the bar: which bar item lies under a screen point, and
// which one it belongs to. SwitchTo leaves the item to switch to here.
struct TBarNav {
    std::function<int(TPoint screen)> itemAt;
    int current = -1;
    int switchTo = -1;
};

// Runs the popup of root at (x, y) and answers the chosen item (nullptr when dismissed). A submenu
// knows its parent's window: moving back onto it, Esc or Left return there instead of closing all.
// Opened from a menu bar, Left and Right and the pointer on another bar item end it with a move.
TMenuItem* RunMenu(TMenuItem* root, int x, int y, TPopupAlignment alignment, TMenuWindow* parent,
                   TMenuEnd& end, TBarNav* bar = nullptr, bool selectFirst = false) {
    end = TMenuEnd::Dismissed;
    TMenuWindow window(root);
    if (window.items_.empty()) return nullptr;
    window.Layout(x, y, alignment);
    if (selectFirst) window.Step(1);
    HWND h = window.GetHandle();
    SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetCapture(h);
    TMenuItem* chosen = nullptr;
    bool running = true;
    auto insideParent = [&](TPoint screen) {
        return parent && PtInRect(parent->GetClientRect(), parent->ScreenToClient(screen));
    };
    auto openOrChoose = [&](int index) {
        if (!window.Selectable(index)) return;
        TMenuItem* item = window.items_[static_cast<std::size_t>(index)];
        if (item->GetCount() == 0) {
            chosen = item;
            end = TMenuEnd::Chosen;
            running = false;
            return;
        }
        const TRect r = window.ItemRect(index);
        const TPoint p = window.ClientToScreen({r.Right, r.Top});
        TMenuEnd childEnd;
        chosen = RunMenu(item, p.X, p.Y, paLeft, &window, childEnd, bar);
        if (IsWindow(h)) SetCapture(h);
        // Back from the submenu its item stays selected; the pointer's next move selects anew.
        if (childEnd != TMenuEnd::BackToParent) {
            end = childEnd;
            running = false;
        }
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
        const bool mouse =
            msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST && msg.message != WM_MOUSEWHEEL;
        if (mouse) {
            TPoint client = window.ScreenToClient(msg.pt);
            const bool inside = PtInRect(window.GetClientRect(), client);
            switch (msg.message) {
            case WM_MOUSEMOVE:
                if (inside) {
                    const int index = window.ItemAt(client);
                    const bool changed = index != window.selected_;
                    window.Select(index);
                    // An item's hint, also a disabled item's, says what it does or why it cannot.
                    if (changed && Application)
                        Application->ShowHintFor(index >= 0 && index < static_cast<int>(window.items_.size())
                                                     ? window.items_[static_cast<std::size_t>(index)]->Hint
                                                     : std::string());
                    // Resting on an item with a submenu opens it.
                    if (changed && window.Selectable(index) &&
                        window.items_[static_cast<std::size_t>(index)]->GetCount() > 0)
                        openOrChoose(index);
                } else if (insideParent(msg.pt) &&
                           parent->ItemAt(parent->ScreenToClient(msg.pt)) != parent->selected_) {
                    end = TMenuEnd::BackToParent;
                    running = false;
                } else if (const int other = bar ? bar->itemAt(msg.pt) : -1; other >= 0 && other != bar->current) {
                    bar->switchTo = other;
                    end = TMenuEnd::SwitchTo;
                    running = false;
                }
                break;
            case WM_LBUTTONUP:
                if (inside) openOrChoose(window.ItemAt(client));
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                if (!inside) {
                    end = insideParent(msg.pt) ? TMenuEnd::BackToParent : TMenuEnd::Dismissed;
                    // A press on another bar item opens that one; on its own item it closes the menu.
                    if (const int other = bar && !insideParent(msg.pt) ? bar->itemAt(msg.pt) : -1;
                        other >= 0 && other != bar->current) {
                        bar->switchTo = other;
                        end = TMenuEnd::SwitchTo;
                    }
                    running = false;
                }
                break;
            default:
                break;
            }
            continue;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (msg.wParam) {
            case VK_UP:
                window.Step(-1);
                break;
            case VK_DOWN:
                window.Step(1);
                break;
            case VK_RETURN:
                openOrChoose(window.selected_);
                break;
            case VK_ESCAPE:
                end = parent ? TMenuEnd::BackToParent : TMenuEnd::Dismissed;
                running = false;
                break;
            case VK_MENU:
                running = false;
                break;
            case VK_RIGHT:
                if (window.Selectable(window.selected_) &&
                    window.items_[static_cast<std::size_t>(window.selected_)]->GetCount()) {
                    openOrChoose(window.selected_);
                } else if (bar) {
                    end = TMenuEnd::MoveRight;
                    running = false;
                }
                break;
            case VK_LEFT:
                if (parent || bar) {
                    end = parent ? TMenuEnd::BackToParent : TMenuEnd::MoveLeft;
                    running = false;
                }
                break;
            default:
                break;
            }
            continue;
        case WM_CHAR:
        case WM_SYSCHAR: {
            const auto ch = static_cast<char32_t>(
                msg.wParam < 128 ? std::tolower(static_cast<int>(msg.wParam)) : msg.wParam);
            for (std::size_t i = 0; i < window.items_.size(); ++i)
                if (Accelerator(window.items_[i]->Caption) == ch) {
                    openOrChoose(static_cast<int>(i));
                    break;
                }
            continue;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            continue;
        default:
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }
    if (GetCapture() == h) ReleaseCapture();
    if (Application) Application->CancelHint();
    return end == TMenuEnd::Chosen ? chosen : nullptr;
}

} // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
    if (key & 0xFF00) return scNone;
    TShortCut s = key;
    if (shift & ssShift) s |= scShift;
    if (shift & ssCtrl) s |= scCtrl;
    if (shift & ssAlt) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::uint16_t key;
    TShiftState shift;
    ShortCutToKey(shortCut, key, shift);
    std::string name;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        name = std::string(1, static_cast<char>(key));
    else if (key >= VK_F1 && key <= VK_F1 + 23)
        name = Format("F%d", key - VK_F1 + 1);
    else {
        switch (key) {
        case VK_BACK:
            name = "BkSp";
            break;
        case VK_TAB:
            name = "Tab";
            break;
        case VK_RETURN:
            name = "Enter";
            break;
        case VK_ESCAPE:
            name = "Esc";
            break;
        case VK_SPACE:
            name = "Space";
            break;
        case VK_PRIOR:
            name = "PgUp";
            break;
        case VK_NEXT:
            name = "PgDn";
            break;
        case VK_END:
            name = "End";
            break;
        case VK_HOME:
            name = "Home";
            break;
        case VK_LEFT:
            name = "Left";
            break;
        case VK_UP:
            name = "Up";
            break;
        case VK_RIGHT:
            name = "Right";
            break;
        case VK_DOWN:
            name = "Down";
            break;
        case VK_INSERT:
            name = "Ins";
            break;
        case VK_DELETE:
            name = "Del";
            break;
        default:
            return {};
        }
    }
    std::string prefix;
    if (shift & ssShift) prefix += "Shift+";
    if (shift & ssCtrl) prefix += "Ctrl+";
    if (shift & ssAlt) prefix += "Alt+";
    return prefix + name;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Destroying();
    Clear();
    if (parent_) parent_->Remove(this);
}

void TMenuItem::Click() {
    TWeakLink<TMenuItem> self(this);
    if (AutoCheck) Checked = !Checked;
    if (OnClick) OnClick(this);
}

TMenuItem* TMenuItem::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(GetCount(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    for (TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw EInvalidOperation("A menu item cannot contain itself");
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, GetCount());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = GetItem(index);
    Remove(item);
}

void TMenuItem::Clear() {
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        items_.pop_back();
        item->parent_ = nullptr;
        delete item;
    }
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    const std::string wanted = LowerCase(StripHotkey(caption));
    for (TMenuItem* item : items_)
        if (LowerCase(StripHotkey(item->Caption)) == wanted) return item;
    return nullptr;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TMenu::~TMenu() {
    Destroying();
    delete items_;
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
    if (!shortCut) return nullptr;
    std::vector<TMenuItem*> stack{items_};
    while (!stack.empty()) {
        TMenuItem* item = stack.back();
        stack.pop_back();
        for (int i = 0; i < item->GetCount(); ++i) {
            TMenuItem* child = item->GetItem(i);
            if (!child->Visible || !child->Enabled) continue;
            if (child->ShortCut == shortCut) return child;
            stack.push_back(child);
        }
    }
    return nullptr;
}

bool TMenu::IsShortCut(std::uint16_t key, TShiftState shift) {
    TMenuItem* item = FindItemByShortCut(ShortCut(key, shift & (ssShift | ssCtrl | ssAlt)));
    if (!item) return false;
    item->Click();
    return true;
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == PopupComponent) PopupComponent = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    TWeakLink<TPopupMenu> self(this);
    if (OnPopup) OnPopup(this);
    if (!self) return;
    TMenuEnd end;
    TWeakLink<TMenuItem> chosen(RunMenu(GetItems(), x, y, Alignment, nullptr, end));
    if (chosen) chosen->Click();
}

// ---- The menu bar of a main menu ----

std::vector<TMenuItem*> TMainMenu::BarItems() const {
    std::vector<TMenuItem*> items;
    for (int i = 0; i < GetItems()->GetCount(); ++i)
        if (GetItems()->GetItem(i)->Visible) items.push_back(GetItems()->GetItem(i));
    return items;
}

namespace {

// Measures with the menu font on a screen context.
template <class F> auto WithMenuFont(F f) {
    HDC dc = CreateScreenDC();
    TFont fallback;
    HFONT old = SelectObject(dc, (Screen ? Screen->GetMenuFont() : &fallback)->GetHandle());
    auto result = f(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return result;
}

constexpr int BarItemPadding = 7; // on each side of a bar item's caption

} // namespace

int TMainMenu::BarHeight() const {
    if (BarItems().empty()) return 0;
    return WithMenuFont([](HDC dc) {
        TEXTMETRIC tm;
        GetTextMetrics(dc, tm);
        return tm.tmHeight + 6;
    });
}

std::vector<TRect> TMainMenu::BarItemRects() const {
    const std::vector<TMenuItem*> items = BarItems();
    const int height = BarHeight();
    return WithMenuFont([&](HDC dc) {
        std::vector<TRect> rects;
        int x = 0;
        for (TMenuItem* item : items) {
            TSize s;
            GetTextExtentPoint32(dc, StripHotkey(item->Caption), s);
            rects.push_back(Rect(x, 0, x + s.cx + 2 * BarItemPadding, height));
            x = rects.back().Right;
        }
        return rects;
    });
}

int TMainMenu::BarItemAt(TPoint barPoint) const {
    const std::vector<TRect> rects = BarItemRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(rects[i], barPoint)) return static_cast<int>(i);
    return -1;
}

int TMainMenu::FindBarAccelerator(char32_t key) const {
    const std::vector<TMenuItem*> items = BarItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i]->Enabled && Accelerator(items[i]->Caption) == key) return static_cast<int>(i);
    return -1;
}

void TMainMenu::PaintBar(HDC dc, const TRect& bar) {
    HBRUSH face = CreateSolidBrush(ColorToRGB(clMenu));
    FillRect(dc, bar, face);
    DeleteObject(face);
    const std::vector<TMenuItem*> items = BarItems();
    const std::vector<TRect> rects = BarItemRects();
    TFont fallback;
    HFONT old = SelectObject(dc, (Screen ? Screen->GetMenuFont() : &fallback)->GetHandle());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < items.size(); ++i) {
        TRect r = rects[i];
        OffsetRect(r, bar.Left, bar.Top);
        if (r.Left >= bar.Right) break;
        const bool hot = static_cast<int>(i) == barHot_;
        if (hot) {
            TRect edge = r;
            DrawEdge(dc, edge, BDR_SUNKENOUTER, BF_RECT);
        }
        TRect text = r;
        if (hot) OffsetRect(text, 1, 1);
        SetTextColor(dc, ColorToRGB(items[i]->Enabled ? clMenuText : clGrayText));
        DrawText(dc, items[i]->Caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void TMainMenu::TrackBar(HWND window, const TRect& barScreen, int index, bool byKeyboard) {
    TWeakLink<TMainMenu> self(this);
    const std::vector<TMenuItem*> items = BarItems();
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    auto repaint = [&] {
        if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    };
    const std::vector<TRect> rects = BarItemRects();
    TBarNav nav;
    nav.itemAt = [&](TPoint screen) {
        return PtInRect(barScreen, screen) ? BarItemAt({screen.X - barScreen.Left, screen.Y - barScreen.Top}) : -1;
    };
    TWeakLink<TMenuItem> chosen;
    const int n = static_cast<int>(items.size());
    for (int current = index; current >= 0;) {
        TMenuItem* item = items[static_cast<std::size_t>(current)];
        barHot_ = current;
        repaint();
        if (!item->Enabled) break;
        if (item->GetCount() == 0) {
            // A bar item without a menu is a command of its own.
            chosen = TWeakLink<TMenuItem>(item);
            break;
        }
        nav.current = current;
        nav.switchTo = -1;
        TMenuEnd end;
        const TRect r = rects[static_cast<std::size_t>(current)];
        TMenuItem* picked = RunMenu(item, barScreen.Left + r.Left, barScreen.Top + r.Bottom, paLeft, nullptr, end,
                                    &nav, byKeyboard);
        if (!self) return;
        switch (end) {
        case TMenuEnd::Chosen:
            chosen = TWeakLink<TMenuItem>(picked);
            current = -1;
            break;
        case TMenuEnd::MoveLeft:
        case TMenuEnd::MoveRight: {
            // The next enabled bar item that way, wrapping around.
            const int step = end == TMenuEnd::MoveRight ? 1 : n - 1;
            int next = current;
            for (int k = 0; k < n; ++k) {
                next = (next + step) % n;
                if (items[static_cast<std::size_t>(next)]->Enabled) break;
            }
            current = next;
            byKeyboard = true;
            break;
        }
        case TMenuEnd::SwitchTo:
            current = nav.switchTo;
            byKeyboard = false;
            break;
        default:
            current = -1;
            break;
        }
    }
    barHot_ = -1;
    repaint();
    if (chosen) chosen->Click();
}

} // namespace zorvy
