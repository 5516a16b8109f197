// The window list box inside a check list box: the row metrics, where checks and images go, the hot
// and pressed checks, and toggling by mouse and keyboard.
#include "controls/editors/lists/CheckListBox.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/services/MouseTracking.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/ImageList.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"

namespace zorvy {

TPoint TcxCustomInnerCheckListBox::CursorClientPos() const {
    TPoint p{};
    GetCursorPos(p);
    return ScreenToClient(p);
}

TcxCustomInnerCheckListBox::TcxCustomInnerCheckListBox(TComponent* owner)
    : TcxCustomInnerListBox(owner), items_(std::make_unique<TcxCheckListBoxItems>(this)) {
    SetStyle(lbOwnerDrawFixed);
}

TcxCustomInnerCheckListBox::~TcxCustomInnerCheckListBox() {
    StopMouseTracking(this);
    items_.reset();
}

TcxCustomCheckListBox* TcxCustomInnerCheckListBox::GetCheckListBox() const {
    return dynamic_cast<TcxCustomCheckListBox*>(const_cast<TcxCustomInnerCheckListBox*>(this)->GetControlContainer());
}

TcxLookAndFeel* TcxCustomInnerCheckListBox::NormalLookAndFeel() const {
    TcxCustomCheckListBox* box = GetCheckListBox();
    return box ? box->GetStyle()->GetLookAndFeel() : GetLookAndFeel();
}

void TcxCustomInnerCheckListBox::SetScrollWidth(int value) {
    scrollWidth_ = value;
    if (HandleAllocated()) SendMessage(GetHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(std::max(value, 0)));
}

TBitmap* TcxCustomInnerCheckListBox::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject*) { RefreshMetrics(); };
    }
    return glyph_.get();
}

void TcxCustomInnerCheckListBox::SetGlyph(TBitmap* value) {
    if (!value) {
        glyph_.reset();
        RefreshMetrics();
        return;
    }
    GetGlyph()->Assign(value);
}

void TcxCustomInnerCheckListBox::SetGlyphCount(int value) {
    if (glyphCount_ == value) return;
    glyphCount_ = value;
    if (glyph_) RefreshMetrics();
}

// ---- metrics ----

TSize TcxCustomInnerCheckListBox::GetNetCheckSize() {
    TcxLookAndFeel* look = NormalLookAndFeel();
    const TSize size = MeasureEditCheck(GetCanvasWrapper(), look->GetNativeStyle(), glyph_.get(),
                                        look->GetSkinPainter(), glyphCount_);
    const int inset = GetCheckFrameInset();
    return {size.cx - 2 * inset, size.cy - 2 * inset};
}

int TcxCustomInnerCheckListBox::GetCheckFrameInset() {
    TcxCustomCheckListBox* box = GetCheckListBox();
    const TcxEditBorderStyle frame = box ? box->GetCheckBorderStyle() : TcxEditBorderStyle::ebs3D;
    const bool native = box && box->GetNativeCheck();
    const bool hasGlyph = glyph_ && IsCheckGlyphUsable(glyph_.get(), glyphCount_) && glyphCount_ > 0;
    TcxLookAndFeelPainterClass skin = box ? box->GetLookAndFeel()->GetSkinPainter() : nullptr;
    return CheckFrameInset(frame, native, hasGlyph, skin);
}

int TcxCustomInnerCheckListBox::GetTextOffset() {
    TcxCustomCheckListBox* box = GetCheckListBox();
    const TcxCheckListBoxSpacing s = GetSpacing();
    const bool checks = !box || box->GetShowChecks();
    const bool images = box && box->ImagesUsable();
    int offset = s.LeadingIndent;
    if (checks || images) offset += s.TextGap;
    if (checks) offset += 2 * s.CheckMargin + GetNetCheckSize().cx;
    if (images) offset += box->GetImages()->GetWidth() + 2 * s.ImageMargin;
    return offset;
}

int TcxCustomInnerCheckListBox::GetItemHeight() {
    TcxCustomCheckListBox* box = GetCheckListBox();
    const TcxCheckListBoxSpacing s = GetSpacing();
    int height = GetCanvasWrapper()->MeasureFontLineHeight(GetFont());
    if (!box || box->GetShowChecks()) height = std::max(height, GetNetCheckSize().cy + 2 * s.CheckMargin);
    if (box && box->ImagesUsable()) height = std::max(height, box->GetImages()->GetHeight() + 2 * s.ImageMargin);
    return height;
}

TRect TcxCustomInnerCheckListBox::GetCheckRect(const TRect& row, bool forPainting) {
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (box && !box->GetShowChecks()) return {};
    const TcxCheckListBoxSpacing s = GetSpacing();
    const TSize check = GetNetCheckSize();
    int left = s.LeadingIndent + s.CheckMargin;
    if (box && box->GetImageLayout() == ilBeforeChecks && box->ImagesUsable())
        left += box->GetImages()->GetWidth() + 2 * s.ImageMargin;
    const int top = row.Top + (row.Height() - check.cy) / 2;
    TRect r = box && box->UseRightToLeftAlignment()
                  ? Rect(row.Right - left - check.cx, top, row.Right - left, top + check.cy)
                  : Rect(row.Left + left, top, row.Left + left + check.cx, top + check.cy);
    if (forPainting) InflateRect(r, GetCheckFrameInset(), GetCheckFrameInset());
    return r;
}

TRect TcxCustomInnerCheckListBox::GetImageRect(const TRect& row) {
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (!box || !box->ImagesUsable()) return {};
    const TcxCheckListBoxSpacing s = GetSpacing();
    int left = s.LeadingIndent + s.ImageMargin;
    if (box->GetShowChecks() && box->GetImageLayout() == ilAfterChecks) left += 2 * s.CheckMargin + GetNetCheckSize().cx;
    const int w = box->GetImages()->GetWidth(), h = box->GetImages()->GetHeight();
    const int top = row.Top + (row.Height() - h) / 2;
    if (box->UseRightToLeftAlignment()) return Rect(row.Right - left - w, top, row.Right - left, top + h);
    return Rect(row.Left + left, top, row.Left + left + w, top + h);
}

int TcxCustomInnerCheckListBox::CheckAtPoint(TPoint p) {
    const int index = ItemAtPos(p, true);
    if (index < 0 || index >= items_->GetCount()) return -1;
    return PtInRect(GetCheckRect(ItemRect(index), false), p) ? index : -1;
}

void TcxCustomInnerCheckListBox::RefreshMetrics() {
    if (!HandleAllocated()) return;
    SendMessage(GetHandle(), LB_SETITEMHEIGHT, 0, GetItemHeight());
    RefreshScrollBars();
    InvalidateAll();
}

void TcxCustomInnerCheckListBox::InvalidateAll() {
    if (HandleAllocated()) Invalidate();
}

void TcxCustomInnerCheckListBox::InvalidateItem(int index) {
    if (!HandleAllocated() || index < 0 || index >= GetCount()) return;
    const TRect r = ItemRect(index);
    InvalidateRect(GetHandle(), &r, false);
}

void TcxCustomInnerCheckListBox::InvalidateCheck(int index) {
    if (!HandleAllocated() || index < 0 || index >= GetCount()) return;
    const TRect r = GetCheckRect(ItemRect(index), true);
    InvalidateRect(GetHandle(), &r, false);
}

// ---- toggling ----

void TcxCustomInnerCheckListBox::DoClickCheck(int index, TcxCheckBoxState prevState, TcxCheckBoxState newState) {
    if (OnClickCheck) OnClickCheck(GetCheckListBox(), index, prevState, newState);
}

void TcxCustomInnerCheckListBox::Toggle(int index) {
    if (index < 0 || index >= items_->GetCount()) return;
    TcxCheckListBoxItem* item = items_->GetItem(index);
    if (!item->GetEnabled()) return;
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (box && box->IsFocused() && !box->GetDataBinding()->CanChangeValue()) return;
    const TcxCheckBoxState prev = item->GetState();
    TcxCheckBoxState next = cbsChecked;
    if (prev == cbsChecked)
        next = cbsUnchecked;
    else if (prev == cbsUnchecked && AllowGrayed && (!box || box->GetEditValueFormat() != cvfInteger))
        next = cbsGrayed;
    item->SetState(next);
    DoClickCheck(index, prev, next);
}

// ---- hot and pressed checks ----

void TcxCustomInnerCheckListBox::RecalcHotAndPressed(TPoint p, TShiftState shift) {
    checks_.Recompute(CheckAtPoint(p), checks_.Captured() < 0 && !IsShiftOrButtonHeld(shift));
}

void TcxCustomInnerCheckListBox::MouseTrackingLeft() {
    checks_.Clear();
    StopMouseTracking(this);
}

void TcxCustomInnerCheckListBox::MouseEntered(TControl* control) {
    TcxCustomInnerListBox::MouseEntered(control);
    StartMouseTracking(this, GetBoundsRect(), this);
}

void TcxCustomInnerCheckListBox::MouseExited(TControl* control) {
    TcxCustomInnerListBox::MouseExited(control);
    MouseTrackingLeft();
}

// ---- window ----

void TcxCustomInnerCheckListBox::HandleLookAndFeelChange() {
    if (TcxCustomCheckListBox* box = GetCheckListBox()) box->RefreshCheckLook();
    RefreshMetrics();
}

void TcxCustomInnerCheckListBox::CreateParams(TCreateParams& params) {
    TcxCustomInnerListBox::CreateParams(params);
    if (!(params.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE))) params.style |= LBS_OWNERDRAWFIXED;
}

void TcxCustomInnerCheckListBox::CreateWnd() {
    TcxCustomInnerListBox::CreateWnd();
    if (scrollWidth_ > 0) SendMessage(GetHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scrollWidth_));
    SendMessage(GetHandle(), LB_SETITEMHEIGHT, 0, GetItemHeight());
}

void TcxCustomInnerCheckListBox::WndProc(TMessage& m) {
    // An automatic drag starts from the list's own press handling, which toggles a pressed check first.
    if (m.Msg == WM_LBUTTONDOWN && DragMode == dmAutomatic && !HasState(csDesigning)) {
        TcxContainer* container = GetControlContainer();
        if (container && container->PreviewInnerMessage(m)) return;
        Dispatch(m);
        return;
    }
    TcxCustomInnerListBox::WndProc(m);
}

void TcxCustomInnerCheckListBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        HandleLButtonDown(m);
        return;
    case CN_MEASUREITEM: {
        if (auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)) item->itemHeight = GetItemHeight();
        m.Result = 1;
        return;
    }
    case CN_DRAWITEM: {
        const auto* given = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        if (!given || items_->GetCount() == 0) return;
        // The rows are drawn from their text part on; the container draws the check before it.
        DRAWITEMSTRUCT textPart = *given;
        TcxCustomCheckListBox* box = GetCheckListBox();
        if (box && box->UseRightToLeftAlignment())
            textPart.rcItem.Right -= GetTextOffset();
        else
            textPart.rcItem.Left += GetTextOffset();
        TMessage forwarded{m.Msg, m.WParam, reinterpret_cast<LPARAM>(&textPart), 0};
        TcxCustomInnerListBox::Dispatch(forwarded);
        m.Result = forwarded.Result;
        return;
    }
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: {
        TWeakLink<TcxCustomInnerCheckListBox> self(this);
        TcxCustomInnerListBox::Dispatch(m);
        if (self) RefreshMetrics();
        return;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
        TWeakLink<TcxCustomInnerCheckListBox> self(this);
        TcxCustomInnerListBox::Dispatch(m);
        if (self && HandleAllocated()) RecalcHotAndPressed(CursorClientPos(), CurrentShiftState());
        return;
    }
    default:
        TcxCustomInnerListBox::Dispatch(m);
        return;
    }
}

void TcxCustomInnerCheckListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (TcxCustomCheckListBox* box = GetCheckListBox())
        box->DrawInnerItem(index, rect, state);
    else
        TcxCustomInnerListBox::DrawItem(index, rect, state);
}

// ---- mouse and keys ----

void TcxCustomInnerCheckListBox::HandleLButtonDown(TMessage& m) {
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (box && !box->GetShowChecks() && !box->GetDataBinding()->CanChangeValue()) {
        TWeakLink<TcxCustomInnerCheckListBox> self(this);
        if (CanFocus()) SetFocus();
        if (self) MouseDown(mbLeft, KeysToShiftState(m.WParam), GetXLParam(m.LParam), GetYLParam(m.LParam));
        return;
    }
    const TPoint p{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    checkUnderPress_ = CheckAtPoint(p);
    if (checkUnderPress_ < 0) {
        TcxCustomInnerListBox::Dispatch(m);
        return;
    }
    pressedRowFullyVisible_ = GetClientHeight() >= ItemRect(checkUnderPress_).Bottom;
    TWeakLink<TcxCustomInnerCheckListBox> self(this);
    const TDragMode containerMode = box ? box->DragMode : DragMode;
    DragMode = dmManual;
    try {
        TcxCustomInnerListBox::Dispatch(m);
    } catch (...) {
        if (self) {
            checkUnderPress_ = -1;
            DragMode = containerMode;
        }
        throw;
    }
    if (!self) return;
    checkUnderPress_ = -1;
    DragMode = containerMode;
}

void TcxCustomInnerCheckListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && checkUnderPress_ >= 0) {
        TcxCustomCheckListBox* box = GetCheckListBox();
        const bool automatic = box && box->DragMode == dmAutomatic;
        if (automatic || !pressedRowFullyVisible_) {
            Toggle(checkUnderPress_);
        } else {
            checks_.SetCaptured(checkUnderPress_);
            checks_.SetHotAndPressed(checks_.Hot(), checkUnderPress_);
        }
    }
    TcxCustomInnerListBox::MouseDown(button, shift, x, y);
}

void TcxCustomInnerCheckListBox::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (box && box->DragMode == dmAutomatic && GetCapture() != GetHandle()) {
        checks_.SetCaptured(-1);
        checks_.SetHotAndPressed(checks_.Hot(), -1);
    }
    RecalcHotAndPressed({x, y}, shift);
    StartMouseTracking(this, GetBoundsRect(), this);
    TcxCustomInnerListBox::MouseMove(shift, x, y);
}

void TcxCustomInnerCheckListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerCheckListBox> self(this);
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (button == mbLeft && !(box && box->DragMode == dmAutomatic)) {
        const int under = CheckAtPoint({x, y});
        if (under >= 0 && under == checks_.Pressed() && items_->GetItem(under)->GetEnabled()) Toggle(under);
        if (!self) return;
        checks_.Release(IsShiftOrButtonHeld(shift) ? -1 : CheckAtPoint({x, y}));
    }
    TcxCustomInnerListBox::MouseUp(button, shift, x, y);
}

bool TcxCustomInnerCheckListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    TWeakLink<TcxCustomInnerCheckListBox> self(this);
    const bool handled = TcxCustomInnerListBox::DoMouseWheel(shift, wheelDelta, mousePos);
    if (self && HandleAllocated()) RecalcHotAndPressed(CursorClientPos(), shift);
    return handled;
}

void TcxCustomInnerCheckListBox::KeyPress(char32_t& key) {
    if (key == U' ') Toggle(GetItemIndex());
    TcxCustomInnerListBox::KeyPress(key);
}

void TcxCustomInnerCheckListBox::DblClick() {
    TWeakLink<TcxCustomInnerCheckListBox> self(this);
    TcxCustomInnerListBox::DblClick();
    if (!self) return;
    const int index = GetItemIndex();
    if (index < 0 || index >= items_->GetCount() || !items_->GetItem(index)->GetEnabled()) return;
    if (CheckAtPoint(CursorClientPos()) == index || AllowDblClickToggle) Toggle(index);
}

void TcxCustomInnerCheckListBox::Click() {
    TcxCustomCheckListBox* box = GetCheckListBox();
    if (box && !box->GetShowChecks() && !box->GetDataBinding()->CanChangeValue()) return;
    TcxCustomInnerListBox::Click();
}

} // namespace zorvy
