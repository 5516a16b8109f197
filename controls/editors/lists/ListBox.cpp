#include "controls/editors/lists/ListBox.h"

#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {
namespace {

constexpr int SelectedTextSource = 1;

} // namespace

void ExitListUpdatingData(TcxContainer* list, bool& exiting, TcxCustomDataBinding& binding,
                          const std::function<void()>& containerExit) {
    if (ContainerIsDestroying(list) || exiting) return;
    exiting = true;
    TWeakLink<TcxContainer> self(list);
    try {
        binding.UpdateDataOnExit();
    } catch (...) {
        exiting = false;
        list->SetFocus();
        throw;
    }
    try {
        containerExit();
    } catch (...) {
        if (self) exiting = false;
        throw;
    }
    if (self) exiting = false;
}

void AdjustToIntegralRows(TcxContainer* control, int& height, int count, int scrollWidth,
                          const std::function<int(int row)>& rowHeight) {
    const TRect border = control->GetBorderExtent();
    const int vBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int hBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    const int neededWidth = scrollWidth > 0 ? scrollWidth + 4 : 0;
    // acc pixels of rows and borders, with the horizontal bar when the rows leave too little width.
    auto withBars = [&](int acc, bool vBar) {
        const int freeWidth = control->GetWidth() - border.Left - border.Right - (vBar ? vBarWidth : 0);
        return freeWidth < neededWidth ? acc + hBarHeight : acc;
    };
    int acc = border.Top + border.Bottom;
    for (int i = 0;; ++i) {
        const int h = std::max(rowHeight(i), 1);
        acc += h;
        const int candidate = withBars(acc, i + 1 < count);
        if (height == candidate) return;
        if (height < candidate) {
            height = i > 0 ? withBars(acc - h, i < count) : candidate;
            return;
        }
    }
}

bool IsListNavigationKey(std::uint16_t key) {
    return key >= VK_PRIOR && key <= VK_DOWN;
}

// ---- TcxInnerListBox ----

TcxListBox* TcxInnerListBox::GetOwnerListBox() const {
    return dynamic_cast<TcxListBox*>(GetOwner());
}

bool TcxInnerListBox::CanFocus() const {
    if (TcxListBox* box = GetOwnerListBox()) return box->CanReceiveFocus();
    return TcxCustomInnerListBox::CanFocus();
}

void TcxInnerListBox::SetScrollWidth(int value) {
    scrollWidth_ = value;
    if (HandleAllocated()) SendMessage(GetHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(std::max(value, 0)));
}

void TcxInnerListBox::CreateWnd() {
    TcxCustomInnerListBox::CreateWnd();
    if (scrollWidth_ > 0) SendMessage(GetHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scrollWidth_));
    RefreshScrollBars();
}

void TcxInnerListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    TcxListBox* box = GetOwnerListBox();
    const TRect r = rect;
    if (!box || !box->DoDrawItem(GetCanvasWrapper(), index, state, r))
        TcxCustomInnerListBox::DrawItem(index, rect, state);
}

void TcxInnerListBox::Click() {
    if (TcxListBox* box = GetOwnerListBox(); box && !box->GetDataBinding()->CanChangeValue()) return;
    TcxCustomInnerListBox::Click();
}

void TcxInnerListBox::Dispatch(TMessage& m) {
    TcxListBox* box = GetOwnerListBox();
    if (m.Msg != WM_LBUTTONDOWN || !box || box->GetDataBinding()->CanChangeValue()) {
        TcxCustomInnerListBox::Dispatch(m);
        return;
    }
    // Read-only: the press focuses the list and is told, but selects nothing.
    TWeakLink<TcxInnerListBox> self(this);
    if (CanFocus()) SetFocus();
    if (self) MouseDown(mbLeft, KeysToShiftState(m.WParam), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

// ---- TcxListBox ----

TcxListBox::TcxListBox(TComponent* owner)
    : TcxListBox(
          owner, [](TcxListBox* box) { return new TcxInnerListBox(box); },
          [](TcxListBox* box) -> TcxCustomDataBinding* { return new TcxDataBinding(box, box); }) {}

TcxListBox::TcxListBox(TComponent* owner, const TcxInnerListBoxFactory& makeInner,
                       const TcxDataBindingFactory& makeBinding)
    : TcxContainer(owner) {
    dataBinding_.reset(makeBinding(this));
    dataBinding_->OnDataChange = [this](TObject*, TObject*) { LoadDataValue(); };
    dataBinding_->OnUpdateData = [this](TObject*, TObject*) { StoreDataValue(); };
    inner_ = makeInner(this);
    inner_->SetParent(this);
    inner_->SetContainer(this);
    SetInnerControl(inner_);
    inner_->GetLookAndFeel()->SetMaster(GetStyle()->GetLookAndFeel());
    SetBounds(GetLeft(), GetTop(), 121, 97);
}

TcxListBox::~TcxListBox() {
    Destroying();
    SetInnerControl(nullptr);
    delete inner_;
    inner_ = nullptr;
    dataBinding_.reset();
}

void TcxListBox::SetColumns(int value) {
    if (inner_->Columns == value) return;
    inner_->Columns = value;
    inner_->RefreshScrollBars();
}

void TcxListBox::SetItems(TStrings* value) {
    GetItems()->Assign(value);
    LoadDataValue();
}

void TcxListBox::SetIntegralHeight(bool value) {
    if (integralHeight_ == value) return;
    integralHeight_ = value;
    PlaceInnerControl();
}

void TcxListBox::SetOnMeasureItem(TcxListBoxMeasureItemEvent handler) {
    onMeasureItem_ = std::move(handler);
    if (onMeasureItem_)
        inner_->OnMeasureItem = [this](TWinControl*, int index, int& height) {
            if (onMeasureItem_) onMeasureItem_(this, index, height);
        };
    else
        inner_->OnMeasureItem = nullptr;
}

int TcxListBox::ItemIndexAtPoint(TPoint p, bool existing) const {
    const TPoint q{p.X - inner_->GetLeft(), p.Y - inner_->GetTop()};
    const int index = inner_->ItemAtPos(q, true);
    if (index >= 0 || existing) return index;
    const int count = GetCount();
    if (count == 0 || q.Y >= inner_->ItemRect(count - 1).Bottom) return count;
    return inner_->ItemAtPos(q, false);
}

TRect TcxListBox::GetItemBounds(int index) const {
    TRect r = inner_->ItemRect(index);
    OffsetRect(r, inner_->GetLeft(), inner_->GetTop());
    return r;
}

bool TcxListBox::DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
    if (!OnDrawItem) return false;
    OnDrawItem(this, canvas, index, rect, state);
    return true;
}

// ---- value routing ----

void TcxListBox::LoadDataValue() {
    if (!dataBinding_->IsDataAvailable()) {
        SetItemIndex(-1);
        return;
    }
    Variant value;
    dataBinding_->GetStoredValue(SelectedTextSource, IsFocused(), value);
    SetItemIndex(GetItems()->IndexOf(VarToStr(value)));
}

void TcxListBox::StoreDataValue() {
    const int index = GetItemIndex();
    dataBinding_->SetStoredValue(SelectedTextSource, Variant(index < 0 ? std::string() : GetItems()->Get(index)));
}

void TcxListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxContainer::KeyDown(key, shift);
    if (IsListNavigationKey(key) && !dataBinding_->CanChangeValue()) key = 0;
}

void TcxListBox::KeyPress(char32_t& key) {
    TcxContainer::KeyPress(key);
    if (key == 27)
        dataBinding_->SetModified();
    else if (IsPrintableChar(key) && !dataBinding_->CanChangeValue())
        key = 0;
}

void TcxListBox::DoExit() {
    ExitListUpdatingData(this, isExitProcessing_, *dataBinding_, [this] { TcxContainer::DoExit(); });
}

// ---- messages and placement ----

void TcxListBox::WndProc(TMessage& m) {
    if (inner_ && m.Msg >= LB_ADDSTRING && m.Msg <= LB_MSGMAX) {
        m.Result = SendMessage(inner_->GetHandle(), m.Msg, m.WParam, m.LParam);
        return;
    }
    TWeakLink<TcxListBox> self(this);
    TcxContainer::WndProc(m);
    if (self && inner_ && m.Msg == WM_COMMAND && HiWord(m.WParam) == LBN_SELCHANGE) inner_->RefreshScrollBars();
}

bool TcxListBox::IsInternalChildControl(TControl* control) const {
    if (!inner_) return true;
    if (control == static_cast<TControl*>(inner_->GetHScrollBar()) ||
        control == static_cast<TControl*>(inner_->GetVScrollBar()))
        return true;
    return TcxContainer::IsInternalChildControl(control);
}

bool TcxListBox::AlignedToFill() const {
    const TAlign align = GetAlign();
    return align == alLeft || align == alRight || align == alClient;
}

bool TcxListBox::CanResize(int& newWidth, int& newHeight) {
    const bool allowed = TcxContainer::CanResize(newWidth, newHeight);
    if (allowed && integralHeight_ && !HasState(csLoading) && !AlignedToFill()) AdjustToIntegralHeight(newHeight);
    return allowed;
}

int TcxListBox::RowHeight(int row) {
    switch (GetListStyle()) {
    case lbOwnerDrawFixed:
    case lbVirtualOwnerDraw:
        return GetItemHeight();
    case lbOwnerDrawVariable: {
        int height = GetItemHeight();
        if (row < GetCount() && inner_->OnMeasureItem) inner_->OnMeasureItem(inner_, row, height);
        return height;
    }
    default:
        return GetCanvasWrapper()->MeasureFontLineHeight(GetFont());
    }
}

void TcxListBox::AdjustToIntegralHeight(int& height) {
    AdjustToIntegralRows(this, height, GetCount(), GetScrollWidth(), [this](int row) { return RowHeight(row); });
}

void TcxListBox::PlaceInnerControl() {
    if (HasState(csLoading) || !inner_) return;
    const TRect before = inner_->GetBoundsRect();
    if (integralHeight_ && !AlignedToFill() && !adjustingHeight_) {
        int height = GetHeight();
        AdjustToIntegralHeight(height);
        if (height != GetHeight()) {
            adjustingHeight_ = true;
            TWeakLink<TcxListBox> self(this);
            SetHeight(height);
            if (!self) return;
            adjustingHeight_ = false;
        }
    }
    TcxContainer::PlaceInnerControl();
    // The list moved under the pointer: the moves meant for its old place are stale.
    if (inner_->GetBoundsRect() != before && inner_->HandleAllocated())
        DrainPendingMessages(inner_->GetHandle(), WM_MOUSEMOVE, WM_MOUSEMOVE, true);
}

void TcxListBox::FontPropertyChanged() {
    TcxContainer::FontPropertyChanged();
    PlaceInnerControl();
    if (inner_ && inner_->HandleAllocated()) inner_->RecreateWnd();
}

} // namespace zorvy
