#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr int TabPadding = 6;  // on each side of a tab's caption
constexpr int ActiveLift = 2;  // the active tab stands this much taller and wider on each side
constexpr int PageMargin = 4;  // between the control's edge and its pages

} // namespace

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque |
                   csParentBackground;
    parentColor_ = true;
    color_ = clBtnFace;
    visible_ = false;
}

TTabSheet::~TTabSheet() {
    Destroying();
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    SetParent(control);
    if (control) control->InsertPage(this);
}

int TTabSheet::GetPageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (!pageControl_) return;
    auto& pages = pageControl_->pages_;
    pages.erase(pages.begin() + GetPageIndex());
    index = std::clamp(index, 0, static_cast<int>(pages.size()));
    pages.insert(pages.begin() + index, this);
    pageControl_->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == tabVisible_) return;
    tabVisible_ = value;
    if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    if (pageControl_) pageControl_->UpdateTabs();
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    color_ = clBtnFace;
    tabStop_ = true;
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    Destroying();
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::GetPage(int index) const {
    CheckListIndex(index, GetPageCount());
    return pages_[static_cast<std::size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    if (!activePage_) SetActivePage(page);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    TTabSheet* next = activePage_ == page ? FindNextPage(page, true, false) : activePage_;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    if (activePage_ == page) {
        activePage_ = nullptr;
        SetActivePage(next == page ? nullptr : next);
    }
    UpdateTabs();
}

int TPageControl::GetActivePageIndex() const {
    return activePage_ ? activePage_->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (page == activePage_) return;
    // The focus leaves a page that is being hidden for the page control itself.
    TCustomForm* form = GetParentForm(this);
    const bool hadFocus = form && activePage_ && form->GetActiveControl() &&
                          activePage_->ContainsControl(form->GetActiveControl());
    activePage_ = page;
    if (page) {
        page->SetBoundsRect(DisplayRect());
        page->BringToFront();
        page->SetVisible(true);
    }
    for (TTabSheet* other : pages_)
        if (other != page) other->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    const int n = GetPageCount();
    if (n == 0) return nullptr;
    int start = current ? current->GetPageIndex() : (goForward ? n - 1 : 0);
    if (start < 0 || start >= n) start = goForward ? n - 1 : 0;
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + (goForward ? k : -k)) % n + n) % n;
        TTabSheet* page = pages_[static_cast<std::size_t>(i)];
        if (!checkTabVisible || page->tabVisible_) return page;
    }
    return nullptr;
}

bool TPageControl::ChangeToPage(TTabSheet* page) {
    if (!page || page == activePage_) return false;
    TWeakLink<TPageControl> self(this);
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!self || !allow) return false;
    SetActivePage(page);
    if (OnChange) OnChange(this);
    return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    ChangeToPage(FindNextPage(activePage_, goForward, checkTabVisible));
}

int TPageControl::TabHeight() const {
    return FontTextHeight(*font_) + 6;
}

void TPageControl::UpdateTabs() {
    tabRects_.assign(pages_.size(), TRect{});
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    const int h = TabHeight();
    int x = ActiveLift;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (!pages_[i]->tabVisible_) continue;
        TSize s;
        GetTextExtentPoint32(dc, StripHotkey(pages_[i]->GetText()), s);
        const int w = s.cx + 2 * TabPadding;
        tabRects_[i] = Rect(x, ActiveLift, x + w, ActiveLift + h);
        x += w;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    if (activePage_) activePage_->SetBoundsRect(DisplayRect());
    Invalidate();
}

TRect TPageControl::TabRect(int pageIndex) const {
    CheckListIndex(pageIndex, GetPageCount());
    if (tabRects_.size() != pages_.size()) const_cast<TPageControl*>(this)->UpdateTabs();
    return tabRects_[static_cast<std::size_t>(pageIndex)];
}

TTabSheet* TPageControl::PageAtPos(TPoint client) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        TRect r = TabRect(i);
        if (IsRectEmpty(r)) continue;
        if (pages_[static_cast<std::size_t>(i)] == activePage_) InflateRect(r, ActiveLift, ActiveLift);
        if (PtInRect(r, client)) return pages_[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

TRect TPageControl::DisplayRect() const {
    const int top = pages_.empty() ? 0 : ActiveLift + TabHeight();
    TRect r = Rect(PageMargin, top + PageMargin, width_ - PageMargin, height_ - PageMargin);
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

void TPageControl::AdjustClientRect(TRect& rect) {
    rect = DisplayRect();
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TPageControl> self(this);
    if (button == mbLeft) {
        if (TTabSheet* page = PageAtPos({x, y})) {
            if (CanFocus()) SetFocus();
            if (!self) return;
            ChangeToPage(page);
            if (!self) return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TPageControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_LEFT || key == VK_RIGHT) {
        SelectNextPage(key == VK_RIGHT);
        key = 0;
        return;
    }
    TCustomControl::KeyDown(key, shift);
}

void TPageControl::CMDialogKey(TMessage& m) {
    const TShiftState shift = KeyboardStateToShiftState();
    if (m.WParam == VK_TAB && (shift & ssCtrl) && IsShowing()) {
        TCustomForm* form = GetParentForm(this);
        TWinControl* active = form ? form->GetActiveControl() : nullptr;
        if (Focused() || (active && ContainsControl(active))) {
            SelectNextPage(!(shift & ssShift));
            m.Result = 1;
            return;
        }
    }
    TCustomControl::CMDialogKey(m);
}

void TPageControl::CMFontChanged(TMessage& m) {
    TCustomControl::CMFontChanged(m);
    UpdateTabs();
}

void TPageControl::WMSetFocus(TMessage& m) {
    TCustomControl::WMSetFocus(m);
    Invalidate();
}

void TPageControl::WMKillFocus(TMessage& m) {
    TCustomControl::WMKillFocus(m);
    Invalidate();
}

void TPageControl::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    HDC dc = c->GetHandle();
    const int top = pages_.empty() ? 0 : ActiveLift + TabHeight();
    TRect frame = Rect(0, top, width_, height_);
    DrawEdge(dc, frame, EDGE_RAISED, BF_RECT);
    if (tabRects_.size() != pages_.size()) UpdateTabs();
    c->SetFont(GetFont());
    auto pen = [&](TColor color, int x0, int y0, int x1, int y1) {
        c->GetPen()->SetColor(color);
        c->MoveTo(x0, y0);
        c->LineTo(x1, y1);
    };
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        TRect r = tabRects_[i];
        if (IsRectEmpty(r)) continue;
        const bool active = pages_[i] == activePage_;
        if (active) {
            InflateRect(r, ActiveLift, 0);
            r.Top -= ActiveLift;
            r.Bottom += 1; // covers the frame's top line under the active tab
            c->GetBrush()->SetColor(color_);
            c->FillRect(r);
        }
        // Left and top in the highlight with a cut corner, right in the shadows.
        pen(clBtnHighlight, r.Left, r.Bottom - 1, r.Left, r.Top + 2);
        pen(clBtnHighlight, r.Left, r.Top + 2, r.Left + 2, r.Top);
        pen(clBtnHighlight, r.Left + 2, r.Top, r.Right - 2, r.Top);
        pen(clBtnShadow, r.Right - 2, r.Top + 1, r.Right - 2, r.Bottom);
        pen(cl3DDkShadow, r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2);
        pen(cl3DDkShadow, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom);
        // Captions stand on one line; the lifted tab leaves room above its caption for the focus
        // rectangle, which goes round the caption a pixel away from it (Chinese glyphs reach the top of
        // their line).
        TRect text = r;
        text.Top += active ? ActiveLift + 2 : 2;
        DrawCaption(c, pages_[i]->GetText(), text, DT_CENTER | DT_TOP | DT_SINGLELINE, enabled_ && pages_[i]->GetEnabled());
        if (active && Focused()) {
            TRect focus = Rect(r.Left + 3, text.Top - 2, r.Right - 3, text.Top + FontTextHeight(*font_) + 1);
            c->DrawFocusRect(focus);
        }
    }
}

} // namespace zorvy
