// The tab control's construction, settings, style choice, painting and its reactions to the window: the
// layout is in TabLayout.cpp, the user's input in TabInput.cpp.
#include "controls/pages/TabControl.h"

#include "controls/foundation/services/Timers.h"
#include "controls/pages/GoDialog.h"
#include "controls/pages/PaintersFactory.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Format.h"
#include "platform/win/Styles.h"

namespace zorvy {

TcxCustomTabControl::TcxCustomTabControl(TComponent* owner)
    : TcxControl(owner), imageList_(std::make_unique<TcxPCImageList>(this)),
      tabs_(std::make_unique<TcxTabs>(this)), tabSlants_(std::make_unique<TcxTabSlants>(this)),
      visibleTabs_(std::make_unique<TcxVisibleTabList>(this)) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks |
                   csParentBackground;
    SetBounds(GetLeft(), GetTop(), 289, 193);
    SetTabStop(true);
    tabSlants_->OnChange = [this](TObject*) { RequestLayout(); };
    imageList_->OnChange = [this](TObject*) { ImagesChanged(); };
    imageList_->OnPrepareBitmap = [this](TBitmap* bitmap) {
        if (painter_)
            painter_->PaintBitmapBackground(bitmap, painter_->TabContent.ImageRect, painter_->TabContent.VisibleIndex);
    };
    SetStyle(0);
    if (!HasState(csDesigning)) {
        goDialog_ = new TcxPCGoDialog(this);
        goDialog_->OnTabChosen = [this](int tabIndex) { GoDialogTabChosen(tabIndex); };
    }
}

TcxCustomTabControl::~TcxCustomTabControl() {
    PrepareDestruction();
    tabSlants_.reset();
    delete autoRepeatTimer_;
    autoRepeatTimer_ = nullptr;
    delete goDialog_;
    goDialog_ = nullptr;
    imageList_.reset();
    tabs_.reset();
    TcxPCPaintersFactory::FreePainter(painter_);
    painter_ = nullptr;
    visibleTabs_.reset();
}

// ---- settings ----

void TcxCustomTabControl::SetHideTabs(bool value) {
    if (hideTabs_ == value) return;
    hideTabs_ = value;
    Invalidate();
    Realign();
}

void TcxCustomTabControl::SetHotTrack(bool value) {
    if (hotTrack_ == value) return;
    hotTrack_ = value;
    UpdateHotState(KeyboardStateToShiftState());
}

void TcxCustomTabControl::SetImageBorder(int value) {
    if (value < 0 || imageBorder_ == value) return;
    imageBorder_ = value;
    if (visibleTabs_->Count() > 0) RequestLayout();
}

int TcxCustomTabControl::GetMaxRotatedTabWidth() {
    if (maxRotatedTabWidth_ > 0 && painter_) {
        const int minimum = painter_->GetMinTabNormalWidth(-1);
        if (maxRotatedTabWidth_ < minimum) maxRotatedTabWidth_ = minimum;
    }
    return maxRotatedTabWidth_;
}

void TcxCustomTabControl::SetMaxRotatedTabWidth(int value) {
    if (value < 0) value = 0;
    if (value > 0 && painter_) value = std::max(value, painter_->GetMinTabNormalWidth(-1));
    if (maxRotatedTabWidth_ == value) return;
    maxRotatedTabWidth_ = value;
    if (rotate_ && visibleTabs_->Count() > 0) RequestLayout();
}

void TcxCustomTabControl::SetMultiLine(bool value) {
    if (multiLine_ == value) return;
    multiLine_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetNavigatorPosition(TcxPCNavigatorPosition value) {
    if (navigatorPosition_ == value) return;
    navigatorPosition_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetOptions(TcxPCOptions value) {
    if (options_ == value) return;
    const TcxPCOptions changed = options_ ^ value;
    options_ = value;
    constexpr TcxPCOptions layoutOptions =
        PCOptionSet(pcoAlwaysShowGoDialogButton) | PCOptionSet(pcoCloseButton) |
        PCOptionSet(pcoFixedTabWidthWhenRotated) | PCOptionSet(pcoGoDialog) | PCOptionSet(pcoGradient) |
        PCOptionSet(pcoGradientClientArea) | PCOptionSet(pcoNoArrows) | PCOptionSet(pcoTopToBottomText);
    if (changed & layoutOptions)
        RequestLayout();
    else if (changed & PCOptionSet(pcoUsePageColorForTab))
        Invalidate();
}

void TcxCustomTabControl::SetOwnerDraw(bool value) {
    if (ownerDraw_ == value) return;
    ownerDraw_ = value;
    Invalidate();
}

void TcxCustomTabControl::SetRaggedRight(bool value) {
    if (raggedRight_ == value) return;
    raggedRight_ = value;
    if (multiLine_) RequestLayout();
}

void TcxCustomTabControl::SetRotate(bool value) {
    if (rotate_ == value) return;
    if (value && painter_ && !painter_->GetPainterClass()->AllowRotate())
        throw EcxPCError(Format(ResolveResourceString(scxPCAllowRotateError), painter_->GetPainterClass()->GetStyleName()));
    rotate_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetScrollOpposite(bool value) {
    if (scrollOpposite_ == value) return;
    scrollOpposite_ = value;
    if (!multiLine_) return;
    if (mainTabVisibleIndex_ == -1) {
        Realign();
        return;
    }
    RedoRowOrderAndPlacement();
}

void TcxCustomTabControl::RedoRowOrderAndPlacement() {
    CalculateRowOrder();
    CalculateAcrossPlacement();
    Realign();
    Invalidate();
}

void TcxCustomTabControl::SetShowFrame(bool value) {
    if (showFrame_ == value) return;
    showFrame_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetTabHeight(int value) {
    if (tabHeight_ == value) return;
    tabHeight_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetTabPosition(TcxTabPosition value) {
    if (tabPosition_ == value) return;
    tabPosition_ = value;
    RequestLayout();
}

void TcxCustomTabControl::SetTabWidth(int value) {
    if (tabWidth_ == value) return;
    tabWidth_ = value;
    RequestLayout();
}

// ---- style ----

void TcxCustomTabControl::UpdateStyleFromLookAndFeel() {
    if (styleID_ != 0) return;
    TcxPCPaintersFactory* factory = PaintersFactory();
    if (!factory) {
        // No style is registered: the error of the factory's default choice.
        RaisePCError("TcxPCPaintersFactory", "GetDefaultStyleID", ResolveResourceString(scxPCNoRegisteredStyles));
    }
    int id = factory->GetStyleIDByLookAndFeel(GetLookAndFeel());
    if (id == -1) id = factory->GetDefaultStyleID(GetLookAndFeel());
    ApplyStyle(id);
    styleID_ = 0;
}

void TcxCustomTabControl::SetStyle(int value) {
    if (value == 0) {
        styleID_ = 0;
        UpdateStyleFromLookAndFeel();
        return;
    }
    if (value == styleID_) return;
    ApplyStyle(value);
}

void TcxCustomTabControl::ApplyStyle(int value) {
    TcxPCPaintersFactory* factory = PaintersFactory();
    TcxPCPainterClass painterClass = factory ? factory->GetPainterClass(value) : nullptr;
    if (!painterClass) return;
    styleID_ = value;
    if (painter_ && painter_->GetPainterClass() == painterClass) return;
    TcxPCCustomPainter* newPainter = factory->GetPainterInstance(painterClass, this);
    TcxPCPaintersFactory::FreePainter(painter_);
    painter_ = newPainter;
    if (rotate_ && !painterClass->AllowRotate()) rotate_ = false;
    tabs_->FreeCaptionBitmaps();
    RequestLayout();
    InvalidateWithChildren();
}

void TcxCustomTabControl::HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    TcxControl::HandleLookAndFeelChange(sender, changed);
    UpdateStyleFromLookAndFeel();
    RequestLayout();
    if (changed & LookAndFeelValue(lfvNativeStyle)) InvalidateWithChildren();
}

// ---- events and hooks ----

bool TcxCustomTabControl::ChangeEventsLocked() const {
    return changeLockCount_ > 0 || HasState(csLoading) || HasState(csDesigning);
}

bool TcxCustomTabControl::CanChange(int) {
    bool allowChange = true;
    if (OnChanging && !ChangeEventsLocked()) OnChanging(this, allowChange);
    return allowChange;
}

void TcxCustomTabControl::Change() {
    if (OnChange && !ChangeEventsLocked()) OnChange(this);
}

bool TcxCustomTabControl::DoCanClose() {
    bool canClose = true;
    if (OnCanClose) OnCanClose(this, canClose);
    return canClose;
}

void TcxCustomTabControl::CloseSelectedTab() {
    if (tabIndex_ < 0 || tabIndex_ >= tabs_->GetCount()) return;
    tabs_->Delete(tabIndex_);
    Change();
}

bool TcxCustomTabControl::IsTabSelectable(int index) {
    TcxTab* tab = tabs_->GetTab(index);
    return tab->GetVisible() && tab->IsEnabledNow();
}

int TcxCustomTabControl::GetTabImageIndex(int index) {
    int imageIndex = tabs_->GetTab(index)->GetImageIndex();
    if (OnGetImageIndex) OnGetImageIndex(this, index, imageIndex);
    if (imageIndex < 0) imageIndex = -1;
    TCustomImageList* images = GetImages();
    if (!images || images->GetWidth() <= 0 || images->GetHeight() <= 0 || imageIndex >= images->GetCount())
        return -1;
    return imageIndex;
}

void TcxCustomTabControl::PrepareTabFont(TcxTab* tab, TcxCanvas* canvas) {
    canvas->AssignFont(GetFont());
    const int visibleIndex = tab->GetVisibleIndex();
    if (painter_ && visibleIndex >= 0) canvas->CurrentFont()->SetColor(painter_->GetTabTextColor(visibleIndex));
    if (OnDrawTabEx && visibleIndex >= 0) OnDrawTabEx(this, tab, canvas->CurrentFont());
}

TColor TcxCustomTabControl::GetPageColor(int visibleIndex) const {
    auto* page = dynamic_cast<TControl*>(GetPageOfTab(tabs_->GetVisibleTab(visibleIndex)->GetIndex()));
    return page ? page->GetColor() : GetColor();
}

bool TcxCustomTabControl::CanFocus() const {
    return TcxControl::CanFocus() && focusable_;
}

void TcxCustomTabControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    TcxControl::GetTabOrderList(list);
    if (!focusable_) std::erase(list, const_cast<TcxCustomTabControl*>(this));
}

// ---- window ----

void TcxCustomTabControl::Loaded() {
    const int stored = tabIndex_;
    TcxControl::Loaded();
    RequestLayout();
    if (stored != -1) {
        LockChangeEvents();
        tabIndex_ = -1;
        try {
            SetTabIndex(stored);
        } catch (...) {
            UnlockChangeEvents();
            throw;
        }
        UnlockChangeEvents();
    }
}

void TcxCustomTabControl::DefineProperties(TFiler* filer) {
    TcxControl::DefineProperties(filer);
    TRect current;
    GetDisplayRect(current);
    auto define = [&](const char* name, int TRect::*side, bool hasData, bool marksStored) {
        filer->DefineProperty(
            name,
            [this, side, marksStored](TReader& reader) {
                storedClientRect_.*side = static_cast<int>(reader.ReadInteger());
                if (marksStored) useStoredClientRect_ = true;
            },
            [current, side](TWriter& writer) { writer.WriteInteger(current.*side); }, hasData);
    };
    // Without an ancestor to compare with: left and bottom when not 0, right and top always.
    define("ClientRectBottom", &TRect::Bottom, current.Bottom != 0, false);
    define("ClientRectLeft", &TRect::Left, current.Left != 0, false);
    define("ClientRectRight", &TRect::Right, true, false);
    define("ClientRectTop", &TRect::Top, true, true);
}

void TcxCustomTabControl::GetDisplayRect(TRect& r) {
    if (!IsBeingLoaded()) {
        if (painter_)
            painter_->GetPageClientRect(r);
        else
            r = Rect(0, 0, GetWidth(), GetHeight());
        r.Right = std::max(r.Right, r.Left);
        r.Bottom = std::max(r.Bottom, r.Top);
        return;
    }
    r = useStoredClientRect_ ? storedClientRect_ : Rect(0, 0, GetWidth(), GetHeight());
}

void TcxCustomTabControl::AdjustClientRect(TRect& rect) {
    GetDisplayRect(rect);
}

void TcxCustomTabControl::CreateHandle() {
    TcxControl::CreateHandle();
    RequestLayout();
    Realign();
}

void TcxCustomTabControl::CreateParams(TCreateParams& params) {
    TcxControl::CreateParams(params);
    params.classStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxCustomTabControl::Paint() {
    if (IsBeingDestroyed() || !painter_) return;
    painter_->SaveClipRegion();
    try {
        painter_->Paint();
    } catch (...) {
        painter_->RestoreClipRegion();
        throw;
    }
    painter_->RestoreClipRegion();
}

void TcxCustomTabControl::Resize() {
    RequestLayout();
    Realign();
    if (HasOption(pcoRedrawOnResize) && painter_ && painter_->RedrawsOnResize()) InvalidateWithChildren();
    TcxControl::Resize();
}

void TcxCustomTabControl::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    if (IsBeingDestroyed() || mainTabVisibleIndex_ < 0 || !painter_) return;
    if (tabs_->GetVisibleTab(mainTabVisibleIndex_)->IsShown()) painter_->RepaintTab(mainTabVisibleIndex_, tpcFocus);
}

void TcxCustomTabControl::FontPropertyChanged() {
    TcxControl::FontPropertyChanged();
    RequestLayout();
}

void TcxCustomTabControl::CMEnabledChanged(TMessage& m) {
    TcxControl::CMEnabledChanged(m);
    Invalidate();
}

void TcxCustomTabControl::CMParentColorChanged(TMessage& m) {
    TcxControl::CMParentColorChanged(m);
    Invalidate();
}

void TcxCustomTabControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PRINTCLIENT && !PaintsOnPrintClient()) {
        m.Result = 1;
        return;
    }
    TcxControl::WndProc(m);
}

} // namespace zorvy
