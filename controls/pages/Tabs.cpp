// Tabs: the property setters and geometry of one tab, the list's editing with its index errors, the
// visible-tab list's bisection, and the slant settings.
#include "controls/pages/Tabs.h"

#include "controls/pages/TabControl.h"
#include "platform/rtl/Format.h"

namespace zorvy {

// ---- TcxTab ----

TcxTab::TcxTab(TcxTabs* tabs, int index) : imageIndex_(index), index_(index), tabs_(tabs) {}

TcxTab::~TcxTab() {
    TcxCustomTabControl* control = GetControl();
    const int visibleIndex = GetVisibleIndex();
    tabs_->RemoveTabOnDestroy(index_, false);
    FreeCaptionBitmap();
    FreeOffscreenBitmap();
    if (control && visibleIndex >= 0 && control->trackingTab_ == visibleIndex) control->trackingTab_ = -1;
}

TcxCustomTabControl* TcxTab::GetControl() const {
    return tabs_->GetControl();
}

int TcxTab::GetVisibleIndex() const {
    return GetControl()->GetVisibleTabs()->IndexOf(index_);
}

bool TcxTab::IsEnabledNow() const {
    return GetControl()->GetEnabled() && enabled_;
}
bool TcxTab::IsMainTab() const {
    return GetControl()->GetTabIndex() == index_;
}
bool TcxTab::IsHot() const {
    const int v = GetVisibleIndex();
    return v >= 0 && GetControl()->GetHotTrackTab() == v;
}
bool TcxTab::IsPressed() const {
    const int v = GetVisibleIndex();
    return v >= 0 && GetControl()->GetPressedTab() == v;
}
bool TcxTab::IsTracking() const {
    const int v = GetVisibleIndex();
    return v >= 0 && GetControl()->GetTrackingTab() == v;
}

void TcxTab::Changed(TcxPCTabPropertyChanged kind) {
    tabs_->TabChanged(GetVisibleIndex(), kind);
}

void TcxTab::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    if (!visible_) {
        caption_ = value;
        return;
    }
    TcxCustomTabControl* control = GetControl();
    const bool wasShown = IsShown();
    const int oldWidth = NormalWidth;
    const int oldRotatedWidth = control->GetRowThickness();
    caption_ = value;
    bool widthChanged;
    if (control->GetPainter()) {
        NormalWidth = control->GetPainter()->CalculateTabNormalWidth(this);
        widthChanged = NormalWidth != oldWidth;
        if (control->GetRotate()) {
            // The rotated width is the widest placed tab: this tab may now set it, or no longer.
            int widest = 0;
            for (int v = 0; v < control->GetVisibleTabs()->Count(); ++v)
                widest = std::max(widest, control->GetVisibleTabs()->GetTab(v)->NormalWidth);
            widthChanged = widest != oldRotatedWidth;
        }
    } else {
        widthChanged = true;
    }
    if (widthChanged)
        Changed(tpcLayout);
    else if (wasShown)
        Changed(tpcNotSpecified);
}

void TcxTab::SetColor(TColor value) {
    if (color_ == value) return;
    color_ = value;
    if (IsShown()) Changed(tpcColor);
}

void TcxTab::SetEnabled(bool value) {
    if (enabled_ == value) return;
    const bool wasShown = IsShown();
    enabled_ = value;
    if (wasShown || IsShown()) Changed(tpcEnabled);
}

void TcxTab::SetHighlighted(bool value) {
    if (highlighted_ == value) return;
    const bool wasShown = IsShown();
    highlighted_ = value;
    if (wasShown || IsShown()) Changed(tpcHighlighted);
}

void TcxTab::SetImageIndex(int value) {
    if (value < 0) value = -1;
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    if (IsShown()) Changed(tpcLayout);
}

void TcxTab::SetSelected(bool value) {
    if (selected_ == value) return;
    TcxCustomTabControl* control = GetControl();
    if (control->IsBeingLoaded()) {
        selected_ = value;
        return;
    }
    TcxPCCustomPainter* painter = control->GetPainter();
    if (painter && painter->GetPainterClass()->AllowMultiSelection()) {
        if (value && !control->GetMultiSelect()) {
            for (int i = 0; i < tabs_->GetCount(); ++i)
                if (tabs_->GetTab(i)->selected_) {
                    control->SetMultiSelect(true);
                    break;
                }
        }
    } else if (value && index_ != control->GetTabIndex()) {
        return;
    }
    const bool wasShown = IsShown();
    selected_ = value;
    if (wasShown || IsShown()) Changed(tpcSelected);
}

void TcxTab::SetVisible(bool value) {
    if (visible_ == value) return;
    TcxCustomTabControl* control = GetControl();
    if (value) {
        control->GetVisibleTabs()->Add(index_);
        visible_ = true;
        Changed(tpcLayout);
        return;
    }
    const bool wasSelectedPage = control->SelectsOnlyVisibleTabs() && IsMainTab();
    const bool wasShown = IsShown();
    control->GetVisibleTabs()->Remove(index_);
    visible_ = false;
    if (wasShown || control->GetMultiLine())
        tabs_->TabChanged(-1, tpcLayout);
    else if (!control->IsBeingLoaded() && !control->IsBeingDestroyed())
        control->CalculateTabsLayout();
    if (wasSelectedPage) {
        tabs_->UpdateMainTab();
        const int main = control->GetMainTabVisibleIndex();
        if (main >= 0 && main < tabs_->VisibleCount()) control->SetTabIndex(tabs_->GetVisibleTab(main)->GetIndex());
    }
}

void TcxTab::AssignTo(TPersistent* dest) {
    if (auto* tab = dynamic_cast<TcxTab*>(dest)) {
        tab->SetCaption(caption_);
        tab->SetEnabled(enabled_);
        tab->SetHighlighted(highlighted_);
        tab->SetImageIndex(imageIndex_);
        tab->SetEntryObject(entryObject_);
        tab->SetVisible(visible_);
        tab->SetSelected(selected_);
        return;
    }
    TPersistent::AssignTo(dest);
}

int TcxTab::GetLongitudinalSize() const {
    return GetControl()->GetRotate() ? tabs_->CommonTabHeight : NormalWidth;
}

void TcxTab::GetNormalRect(TRect& r) const {
    TcxCustomTabControl* control = GetControl();
    const int along = control->GetRotate() ? control->GetRowThickness() : NormalWidth;
    if (IsVerticalTextLayout(control))
        r = Bounds(NormalPosition.X, NormalPosition.Y, tabs_->CommonTabHeight, along);
    else
        r = Bounds(NormalPosition.X, NormalPosition.Y, along, tabs_->CommonTabHeight);
}

void TcxTab::GetFullRect(TRect& r) const {
    GetNormalRect(r);
    TcxPCTabCorrection correction;
    if (TcxPCCustomPainter* painter = GetControl()->GetPainter())
        painter->GetTabCorrection(GetVisibleIndex(), correction);
    ApplyTabCorrection(r, correction);
}

void TcxTab::GetVisibleRect(TRect& r) const {
    r = TRect{};
    if (!visible_) return;
    TcxCustomTabControl* control = GetControl();
    const int v = GetVisibleIndex();
    if (!control->GetMultiLine() && (v < control->GetFirstVisibleTab() || v > control->GetLastVisibleTab()))
        return;
    TRect full;
    GetFullRect(full);
    const TRect area = DisplayRow < control->GetTopLeftRowCount() ? control->GetTopLeftTabsBounds()
                                                                  : control->GetBottomRightTabsBounds();
    if (!IntersectRect(r, full, area)) r = TRect{};
}

bool TcxTab::IsShown() const {
    TRect r;
    GetVisibleRect(r);
    return !IsRectEmpty(r);
}

TcxTabPosition TcxTab::GetRowSide() const {
    TcxCustomTabControl* control = GetControl();
    const bool side = control->GetTabPosition() == tpLeft || control->GetTabPosition() == tpRight;
    if (DisplayRow < control->GetTopLeftRowCount()) return side ? tpLeft : tpTop;
    return side ? tpRight : tpBottom;
}

int TcxTab::GetPaintingPosition() const {
    return TabPaintingPosition(GetRowSide(), GetTextRotation(GetControl()));
}

void TcxTab::ImageChanged() {
    if (imageIndex_ != -1 && IsShown()) Changed(tpcNotSpecified);
}

void TcxTab::PrepareOffscreenBitmap() {
    if (!offscreenBitmap_) offscreenBitmap_ = std::make_unique<TBitmap>();
    offscreenBitmap_->SetPixelFormat(pf32bit);
}

// ---- TcxTabs ----

TcxTabs::~TcxTabs() {
    // The control is going: the tabs leave without notices or layout.
    destroying_ = true;
    while (!items_.empty()) {
        TcxTab* tab = items_.back();
        items_.pop_back();
        delete tab;
    }
}

void TcxTabs::RaiseIndexError(const char* routineName, int index) const {
    RaisePCError("TcxTabs", routineName, Format(ResolveResourceString(scxPCTabIndexError), index));
}

std::string TcxTabs::Get(int index) const {
    if (index < 0 || index >= GetCount()) RaiseIndexError("Get", index);
    return items_[static_cast<size_t>(index)]->GetCaption();
}

TcxTab* TcxTabs::GetTab(int index) const {
    if (index < 0 || index >= GetCount()) RaiseIndexError("GetTab", index);
    return items_[static_cast<size_t>(index)];
}

void TcxTabs::Put(int index, const std::string& text) {
    GetTab(index)->SetCaption(text);
}

TObject* TcxTabs::GetObject(int index) const {
    return GetTab(index)->GetEntryObject();
}

void TcxTabs::PutObject(int index, TObject* object) {
    GetTab(index)->SetEntryObject(object);
}

TcxTab* TcxTabs::GetVisibleTab(int visibleIndex) const {
    const int count = VisibleCount();
    if (visibleIndex < 0 || visibleIndex >= count)
        throw EcxPCError("TcxTabs.GetVisibleTab: " +
                         Format(ResolveResourceString(scxPCVisibleTabIndexError), visibleIndex, count - 1));
    return control_->GetVisibleTabs()->GetTab(visibleIndex);
}

int TcxTabs::VisibleCount() const {
    return control_->GetVisibleTabs()->Count();
}

void TcxTabs::Reindex(int first, int last) {
    for (int i = first; i <= last && i < GetCount(); ++i)
        items_[static_cast<size_t>(i)]->index_ = i;
}

void TcxTabs::Insert(int index, const std::string& text) {
    if (index < 0 || index > GetCount()) RaiseIndexError("Insert", index);
    auto* tab = new TcxTab(this, index);
    items_.insert(items_.begin() + index, tab);
    Reindex(index + 1, GetCount() - 1);
    tab->caption_ = text;
    if (!control_->IsBeingLoaded() && control_->GetTabIndex() == -1 && GetCount() == 1) control_->tabIndex_ = 0;
    control_->GetVisibleTabs()->Rebuild();
    TabChanged(-1, tpcLayout);
}

void TcxTabs::Delete(int index) {
    if (deleting_) return;
    deleting_ = true;
    try {
        if (!removingSelf_) {
            if (index < 0 || index >= GetCount()) RaiseIndexError("Delete", index);
            // The tab's destructor comes back here with removingSelf_ set and does the rest.
            TcxTab* tab = items_[static_cast<size_t>(index)];
            deleting_ = false;
            delete tab;
            return;
        }
        items_.erase(items_.begin() + index);
        Reindex(index, GetCount() - 1);
        control_->GetVisibleTabs()->Rebuild();
        TabChanged(-1, tpcLayout);
    } catch (...) {
        deleting_ = false;
        throw;
    }
    deleting_ = false;
}

void TcxTabs::RemoveTabOnDestroy(int index, bool freeing) {
    if (destroying_) return;
    removingSelf_ = true;
    if (!freeing) Delete(index);
    removingSelf_ = false;
}

void TcxTabs::Clear() {
    while (!items_.empty())
        delete items_.back();
    TabChanged(-1, tpcLayout);
}

void TcxTabs::Move(int curIndex, int newIndex) {
    // An index outside the list would move memory that is not there: refused like the other edits.
    if (curIndex < 0 || curIndex >= GetCount()) RaiseIndexError("Move", curIndex);
    if (newIndex < 0 || newIndex >= GetCount()) RaiseIndexError("Move", newIndex);
    if (curIndex == newIndex) return;
    TcxTab* tab = items_[static_cast<size_t>(curIndex)];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, tab);
    Reindex(std::min(curIndex, newIndex), std::max(curIndex, newIndex));
    control_->GetVisibleTabs()->Rebuild();
    TabChanged(-1, tpcLayout);
}

void TcxTabs::TabChanged(int visibleIndex, TcxPCTabPropertyChanged kind) {
    if (control_->IsBeingLoaded() || control_->IsBeingDestroyed()) return;
    if (visibleIndex == -1 || kind == tpcLayout)
        control_->RequestLayout();
    else if (control_->GetPainter())
        control_->GetPainter()->RepaintTab(visibleIndex, kind);
}

void TcxTabs::SetHotTab(int visibleIndex) {
    const int old = control_->hotTrackTab_;
    if (visibleIndex == old) return;
    control_->hotTrackTab_ = visibleIndex;
    if (old != -1) TabChanged(old, tpcHot);
    if (visibleIndex != -1) TabChanged(visibleIndex, tpcHot);
}

void TcxTabs::SetTrackingTab(int visibleIndex) {
    int old = control_->trackingTab_;
    if (old >= VisibleCount()) old = -1;
    if (visibleIndex < 0 || visibleIndex >= VisibleCount()) visibleIndex = -1;
    control_->trackingTab_ = visibleIndex;
    if (old == visibleIndex) return;
    if (old != -1) TabChanged(old, tpcTracking);
    if (visibleIndex != -1) {
        TabChanged(visibleIndex, tpcTracking);
        if (!control_->GetMultiLine()) {
            control_->MakeTabVisible(visibleIndex);
            control_->RequestLayout();
            control_->UpdateHotState(KeyboardStateToShiftState());
        }
    }
}

void TcxTabs::UpdateMainTab() {
    int old = control_->mainTabVisibleIndex_;
    if (old >= VisibleCount()) old = -1;
    int main = -1;
    if (control_->tabIndex_ != -1) {
        int position = 0;
        control_->GetVisibleTabs()->Find(control_->tabIndex_, position);
        main = position;
        if (main == VisibleCount()) main = VisibleCount() - 1;
    }
    control_->mainTabVisibleIndex_ = main;
    if (old == main) return;
    if (old != -1) TabChanged(old, tpcIsMainTab);
    if (main != -1) TabChanged(main, tpcIsMainTab);
    control_->UpdateNavigatorButtonStates();
}

void TcxTabs::FreeCaptionBitmaps() {
    for (TcxTab* tab : items_)
        tab->FreeCaptionBitmap();
}

void TcxTabs::RefreshImageTabs() {
    for (TcxTab* tab : items_)
        tab->ImageChanged();
}

// ---- TcxVisibleTabList ----

TcxTab* TcxVisibleTabList::GetTab(int visibleIndex) const {
    if (indexes_.empty()) RaisePCError("TcxVisibleTabList", "GetTab", ResolveResourceString(scxPCNoVisibleTabs));
    if (visibleIndex < 0 || visibleIndex >= Count())
        RaisePCError("TcxVisibleTabList", "GetTab",
                     Format(ResolveResourceString(scxPCVisibleTabIndexError), visibleIndex, Count() - 1));
    return control_->GetTabs()->GetTab(indexes_[static_cast<size_t>(visibleIndex)]);
}

bool TcxVisibleTabList::Find(int tabIndex, int& position) const {
    if (indexes_.empty()) {
        position = 0;
        return false;
    }
    const int last = Count() - 1;
    if (tabIndex == indexes_.front()) {
        position = 0;
        return true;
    }
    if (tabIndex < indexes_.front()) {
        position = 0;
        return false;
    }
    if (tabIndex == indexes_.back()) {
        position = last;
        return true;
    }
    if (tabIndex > indexes_.back()) {
        position = Count();
        return false;
    }
    int low = 0, high = last;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        const int value = indexes_[static_cast<size_t>(middle)];
        if (value == tabIndex) {
            position = middle;
            return true;
        }
        if (tabIndex > value)
            low = middle;
        else
            high = middle;
    }
    position = high;
    return false;
}

int TcxVisibleTabList::IndexOf(int tabIndex) const {
    int position = 0;
    return Find(tabIndex, position) ? position : -1;
}

void TcxVisibleTabList::Add(int tabIndex) {
    int position = 0;
    if (!Find(tabIndex, position)) indexes_.insert(indexes_.begin() + position, tabIndex);
}

void TcxVisibleTabList::Remove(int tabIndex) {
    int position = 0;
    if (Find(tabIndex, position)) indexes_.erase(indexes_.begin() + position);
}

void TcxVisibleTabList::Rebuild() {
    indexes_.clear();
    TcxTabs* tabs = control_->GetTabs();
    for (int i = 0; i < tabs->GetCount(); ++i)
        if (tabs->GetTab(i)->GetVisible()) indexes_.push_back(i);
}

// ---- TcxTabSlants ----

void TcxTabSlants::Assign(TPersistent* source) {
    if (auto* slants = dynamic_cast<TcxTabSlants*>(source)) {
        SetKind(slants->kind_);
        SetPositions(slants->positions_);
        return;
    }
    TPersistent::Assign(source);
}

void TcxTabSlants::SetKind(TcxTabSlantKind value) {
    if (kind_ == value) return;
    kind_ = value;
    Changed();
}

void TcxTabSlants::SetPositions(TcxTabSlantPositions value) {
    if (positions_ == value) return;
    positions_ = value;
    Changed();
}

} // namespace zorvy
