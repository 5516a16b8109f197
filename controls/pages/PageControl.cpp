// The page control and its pages: activation with the change events and focus, the page list kept in
// step with the tabs, the search for the next page, and the sheet's reactions to its own changes.
#include "controls/pages/PageControl.h"

#include "platform/classlib/Forms.h"
#include "platform/rtl/Format.h"
#include "platform/win/Input.h"
#include "platform/win/Styles.h"

#include <algorithm>

namespace zorvy {

// ---- TcxTabSheet ----

TcxTabSheet::TcxTabSheet(TComponent* owner) : TCustomControl(owner) {
    SetAlign(alClient);
    ControlStyle |= csAcceptsControls | csNoDesignVisible;
    SetVisible(false);
    SetTabStop(false);
}

TcxTabSheet::~TcxTabSheet() {
    if (pageControl_ && pageControl_->pageToFree_ == this) pageControl_->pageToFree_ = nullptr;
    if (pageControl_) pageControl_->RemovePage(this);
}

void TcxTabSheet::SetParent(TWinControl* parent) {
    if (parent && !dynamic_cast<TcxPageControl*>(parent)) Abort();
    if (parent == pageControl_) {
        TCustomControl::SetParent(parent);
        return;
    }
    MoveToPageControl(static_cast<TcxPageControl*>(parent));
}

void TcxTabSheet::AssignPageControl(TcxPageControl* pageControl) {
    pageControl_ = pageControl;
    TCustomControl::SetParent(pageControl);
}

void TcxTabSheet::MoveToPageControl(TcxPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    if (!pageControl) return;
    pageControl->InsertPage(this);
    if (!pageControl->IsBeingLoaded() && !pageControl->GetActivePage()) pageControl->SetActivePage(this);
}

int TcxTabSheet::GetPageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->GetPageCount(); ++i)
        if (pageControl_->GetPage(i) == this) return i;
    return -1;
}

void TcxTabSheet::SetPageIndex(int value) {
    if (!pageControl_) return;
    const int count = pageControl_->GetPageCount();
    if (value > count - 1)
        throw EListError(Format(ResolveResourceString(scxPCPageIndexError), value, count - 1));
    CheckListIndex(value, count);
    const int current = GetPageIndex();
    if (current == value) return;
    auto& pages = pageControl_->pages_;
    pages.erase(pages.begin() + current);
    pages.insert(pages.begin() + value, this);
    pageControl_->GetTabs()->Move(current, value);
    tab_ = pageControl_->GetTabs()->GetTab(value);
    pageControl_->UpdateTabFromPage(this);
    TcxPageControl* control = pageControl_;
    control->LockChangeEvents();
    try {
        TcxTabSheet* active = control->GetActivePage();
        control->SetTabIndex(active ? active->GetPageIndex() : -1);
    } catch (...) {
        control->UnlockChangeEvents();
        throw;
    }
    control->UnlockChangeEvents();
}

void TcxTabSheet::SetTabVisible(bool value) {
    if (tabVisible_ == value) return;
    tabVisible_ = value;
    if (!pageControl_) return;
    pageControl_->UpdateTabFromPage(this);
    if (value && pageControl_->GetPageCount() == 1 && !pageControl_->GetActivePage())
        pageControl_->SetActivePage(this);
}

void TcxTabSheet::SetHighlighted(bool value) {
    if (highlighted_ == value) return;
    highlighted_ = value;
    if (pageControl_) pageControl_->UpdateTabFromPage(this);
}

void TcxTabSheet::SetImageIndex(int value) {
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    if (pageControl_) pageControl_->UpdateTabFromPage(this);
}

void TcxTabSheet::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.classStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxTabSheet::Dispatch(TMessage& m) {
    TCustomControl::Dispatch(m);
    if (m.Msg == CM_SHOWINGCHANGED) ShowingChanged();
}

void TcxTabSheet::ShowingChanged() {
    try {
        if (IsShowing())
            DoShow();
        else
            DoHide();
    } catch (const std::exception& e) {
        // A handler's error is shown, not passed on: the page change itself has happened.
        if (Application) Application->HandleException(e);
    }
}

void TcxTabSheet::ColorChanged() {
    if (tab_) tab_->Changed(tpcLayout);
    Invalidate();
}

void TcxTabSheet::CMColorChanged(TMessage& m) {
    TCustomControl::CMColorChanged(m);
    ColorChanged();
}

void TcxTabSheet::CMParentColorChanged(TMessage& m) {
    TCustomControl::CMParentColorChanged(m);
    ColorChanged();
}

void TcxTabSheet::CMEnabledChanged(TMessage& m) {
    TCustomControl::CMEnabledChanged(m);
    if (pageControl_) pageControl_->UpdateTabFromPage(this);
}

void TcxTabSheet::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    if (pageControl_) pageControl_->UpdateTabFromPage(this);
}

void TcxTabSheet::WMWindowPosChanged(TMessage& m) {
    TCustomControl::WMWindowPosChanged(m);
    Invalidate();
}

void TcxTabSheet::WMEraseBkgnd(TMessage& m) {
    m.Result = 1;
    auto dc = reinterpret_cast<HDC>(m.WParam);
    TcxPCCustomPainter* painter = pageControl_ ? pageControl_->GetPainter() : nullptr;
    if (!painter || !dc) return;
    // The page control's painter fills the page area; the sheet shows its part of it.
    auto* canvas = static_cast<TControlCanvas*>(pageControl_->GetCanvas());
    TPoint oldOrigin{};
    GetWindowOrgEx(dc, oldOrigin);
    SetWindowOrgEx(dc, oldOrigin.X + GetLeft(), oldOrigin.Y + GetTop(), nullptr);
    try {
        canvas->PaintOn(dc, [painter] { painter->PaintPageClientArea(); });
    } catch (...) {
        SetWindowOrgEx(dc, oldOrigin.X, oldOrigin.Y, nullptr);
        throw;
    }
    SetWindowOrgEx(dc, oldOrigin.X, oldOrigin.Y, nullptr);
}

// ---- TcxPageControl ----

TcxPageControl::TcxPageControl(TComponent* owner) : TcxCustomTabControl(owner) {}

TcxPageControl::~TcxPageControl() {
    // The pages live on with their owner (the window destruction that follows frees those still parented).
    for (TcxTabSheet* page : pages_) {
        page->pageControl_ = nullptr;
        page->tab_ = nullptr;
    }
    pages_.clear();
    activePage_ = nullptr;
}

TcxTabSheet* TcxPageControl::GetPage(int index) const {
    CheckListIndex(index, GetPageCount());
    return pages_[static_cast<size_t>(index)];
}

int TcxPageControl::IndexOfPage(const TcxTabSheet* page) const {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

TObject* TcxPageControl::GetPageOfTab(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

TcxTabSheet* TcxPageControl::FindNextPage(TcxTabSheet* current, bool goForward, bool checkTabVisible,
                                          bool wrap) const {
    const int n = GetPageCount();
    if (n == 0) return nullptr;
    auto step = [&](int i) {
        i += goForward ? 1 : -1;
        if (i < 0 || i >= n) {
            if (!wrap) return -1;
            i = i < 0 ? n - 1 : 0;
        }
        return i;
    };
    auto fits = [&](int i) {
        TcxTabSheet* page = pages_[static_cast<size_t>(i)];
        return !checkTabVisible || (page->GetTabVisible() && page->GetEnabled());
    };
    int origin = IndexOfPage(current), i;
    if (origin >= 0) {
        i = step(origin);
    } else {
        origin = goForward ? 0 : n - 1;
        if (fits(origin)) return pages_[static_cast<size_t>(origin)];
        i = step(origin);
    }
    while (i != -1 && i != origin) {
        if (fits(i)) return pages_[static_cast<size_t>(i)];
        i = step(i);
    }
    return nullptr;
}

void TcxPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    TcxTabSheet* page = FindNextPage(activePage_, goForward, checkTabVisible, true);
    if (page && page != activePage_) SetActivePage(page);
}

bool TcxPageControl::PageChanging(TcxTabSheet* newPage) {
    bool allowChange = true;
    if (OnPageChanging && !ChangeEventsLocked()) OnPageChanging(this, newPage, allowChange);
    return allowChange;
}

void TcxPageControl::SetActivePage(TcxTabSheet* page) {
    if (activationGuard_ || (page && page->pageControl_ != this)) return;
    TWeakLink<TcxPageControl> self(this);
    if (page != activePage_ && PageChanging(page) && self) {
        TCustomForm* form = GetParentForm(this);
        TWinControl* active = form ? form->GetActiveControl() : nullptr;
        if (form && activePage_ && active && activePage_->ContainsControl(active)) {
            form->SetActiveControl(activePage_);
            if (form->GetActiveControl() != activePage_) {
                SetTabIndex(activePage_->GetPageIndex());
                return;
            }
        }
        TWinControl* focusTarget = nullptr;
        if (page && form && activePage_ && form->GetActiveControl() == activePage_) {
            const bool pageTakesFocus = page->GetEnabled() && GetVisible() && GetEnabled() && GetParent() &&
                                        GetParent()->CanFocus();
            focusTarget = pageTakesFocus ? static_cast<TWinControl*>(page) : this;
        }
        TcxTabSheet* old = activePage_;
        if (old) old->SetVisible(false);
        if (page) {
            page->BringToFront();
            page->SetVisible(true);
            page->Invalidate();
        }
        if (focusTarget) form->SetActiveControl(focusTarget);
        activePage_ = page;
        PageChanged();
        if (!self) return;
        if (form && activePage_ && form->GetActiveControl() == activePage_) activePage_->SelectFirst();
    }
    if (activePage_ == page) {
        LockChangeEvents();
        activationGuard_ = true;
        try {
            SetTabIndex(page && page->GetTabVisible() ? page->GetPageIndex() : -1);
        } catch (...) {
            activationGuard_ = false;
            UnlockChangeEvents();
            throw;
        }
        activationGuard_ = false;
        UnlockChangeEvents();
    }
}

bool TcxPageControl::CanChange(int newTabIndex) {
    if (!TcxCustomTabControl::CanChange(newTabIndex)) return false;
    return newTabIndex == -1 || PageChanging(static_cast<TcxTabSheet*>(GetPageOfTab(newTabIndex)));
}

void TcxPageControl::ActivateSelectedTabPage() {
    SetActivePage(GetTabIndex() == -1 ? nullptr : static_cast<TcxTabSheet*>(GetPageOfTab(GetTabIndex())));
}

void TcxPageControl::Change() {
    TWeakLink<TcxPageControl> self(this);
    LockChangeEvents();
    try {
        ActivateSelectedTabPage();
    } catch (...) {
        if (self) UnlockChangeEvents();
        throw;
    }
    if (!self) return;
    UnlockChangeEvents();
    TcxCustomTabControl::Change();
}

void TcxPageControl::CloseSelectedTab() {
    delete activePage_;
}

void TcxPageControl::ImagesChanged() {
    if (addingPage_) return;
    for (TcxTabSheet* page : pages_)
        if (page->tab_) page->tab_->SetImageIndex(page->GetImageIndex());
    TcxCustomTabControl::ImagesChanged();
}

void TcxPageControl::RequestLayout() {
    TcxCustomTabControl::RequestLayout();
    if (activePage_) activePage_->Invalidate();
}

bool TcxPageControl::FocusesOnClick() const {
    if (!TcxCustomTabControl::FocusesOnClick()) return false;
    TPoint p{};
    GetCursorPos(p);
    p = ScreenToClient(p);
    auto* self = const_cast<TcxPageControl*>(this);
    return activePage_ && activePage_->tab_ && self->GetTabAt(p.X, p.Y) == activePage_->tab_->GetVisibleIndex();
}

void TcxPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
    for (TcxTabSheet* page : pages_)
        proc(page);
}

void TcxPageControl::SetChildOrder(TComponent* child, int order) {
    if (auto* page = dynamic_cast<TcxTabSheet*>(child)) page->SetPageIndex(order);
}

void TcxPageControl::Loaded() {
    TcxCustomTabControl::Loaded();
    for (TcxTabSheet* page : pages_)
        UpdateTabFromPage(page);
    if (!InDesignMode() && activePage_ && !activePage_->GetEnabled()) SetActivePage(nullptr);
}

void TcxPageControl::UpdateTabFromPage(TcxTabSheet* page) {
    if (IsBeingLoaded() || !page->tab_) return;
    TcxTab* tab = page->tab_;
    tab->SetCaption(page->GetCaption());
    tab->SetEnabled(page->GetEnabled());
    tab->SetImageIndex(page->GetImageIndex());
    tab->SetHighlighted(page->GetHighlighted());
    tab->SetVisible(page->GetTabVisible());
    if (page == activePage_) SetTabIndex(page->GetTabVisible() ? tab->GetIndex() : -1);
}

void TcxPageControl::InsertPage(TcxTabSheet* page) {
    if (GetParent() || GetParentWindow()) HandleNeeded();
    addingPage_ = true;
    try {
        pages_.push_back(page);
        page->AssignPageControl(this);
        GetTabs()->Add(page->GetCaption());
    } catch (...) {
        addingPage_ = false;
        throw;
    }
    addingPage_ = false;
    page->tab_ = GetTabs()->GetTab(GetPageCount() - 1);
    UpdateTabFromPage(page);
}

void TcxPageControl::RemovePage(TcxTabSheet* page) {
    const int index = IndexOfPage(page);
    if (index < 0) return;
    const bool checkTabVisible = !InDesignMode();
    TcxTabSheet* next = FindNextPage(page, true, checkTabVisible, false);
    if (!next) next = FindNextPage(page, false, checkTabVisible, false);
    const bool wasActive = page == activePage_;
    ResetSelection();
    pages_.erase(pages_.begin() + index);
    GetTabs()->Delete(index);
    page->tab_ = nullptr;
    page->AssignPageControl(nullptr);
    if (wasActive) {
        // The page is gone already: the next one takes its place as the user would see it change.
        page->SetVisible(false);
        activePage_ = nullptr;
        SetActivePage(next);
    } else {
        // Only the active page's tab moved.
        LockChangeEvents();
        SetTabIndex(activePage_ ? activePage_->GetPageIndex() : -1);
        UnlockChangeEvents();
    }
}

} // namespace zorvy
