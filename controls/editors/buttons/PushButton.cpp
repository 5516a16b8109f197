// The painter-drawn push button: owner-draw requests painted by the look-and-feel's painter, state
// colours, hot tracking, and the drop-down kinds' menu.
#include "controls/editors/buttons/PushButton.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/graphics/Region.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/Actions.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"
#include "platform/classlib/ImageList.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

namespace {
constexpr int kArrowPartWidth = 15; // the arrow part of a drop-down button
constexpr int kArrowIndent = 13;    // how far the face ends before the right edge (the parts overlap by 2)
} // namespace

// ---- colours ----

TColor TcxButtonColors::GetColor(TcxButtonState state) const {
    if (IsAssigned(state)) return colors_[state];
    return state == cxbsNormal ? colors_[cxbsDefault] : colors_[cxbsNormal];
}

void TcxButtonColors::SetColorValue(TcxButtonState state, TColor value) {
    if (value == clNone || value == clDefault) {
        colors_[state] = clDefault;
        assigned_ &= ~(1u << state);
    } else if (value != colors_[state]) {
        colors_[state] = value;
        assigned_ |= 1u << state;
    }
    Changed();
}

void TcxButtonColors::SetAssignedColors(unsigned value) {
    if (!button_ || !button_->HasState(csDesigning) || value == assigned_) return;
    for (int s = cxbsDefault; s <= cxbsDisabled; ++s) {
        const unsigned bit = 1u << s;
        if (!(value & bit))
            colors_[s] = clDefault;
        else if (colors_[s] == clDefault)
            value &= ~bit;
    }
    assigned_ = value;
    Changed();
}

void TcxButtonColors::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxButtonColors*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    std::copy(std::begin(other->colors_), std::end(other->colors_), std::begin(colors_));
    assigned_ = other->assigned_;
    Changed();
}

void TcxButtonColors::Changed() {
    if (button_) button_->Invalidate();
}

// ---- construction ----

TcxCustomButton::TcxCustomButton(TComponent* owner)
    : TButton(owner),
      controlCanvas_(std::make_unique<TCanvas>()),
      canvas_(std::make_unique<TcxCanvas>(controlCanvas_.get())),
      colors_(std::make_unique<TcxButtonColors>(this)),
      lookAndFeel_(std::make_unique<TcxLookAndFeel>(this)),
      glyph_(std::make_unique<TcxButtonGlyph>()) {
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { LookAndFeelChanged(); };
    DoubleBuffered = true;
    ControlStyle |= csOpaque;
}

TcxCustomButton::~TcxCustomButton() {
    StopMouseTracking(this);
}

void TcxCustomButton::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    if (!IsDrawnBySystem()) params.style = (params.style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TcxCustomButton::CreateWnd() {
    TButton::CreateWnd();
    glyph_->GetImageIndex(GetEnabled() ? cxbsNormal : cxbsDisabled);
}

void TcxCustomButton::DestroyWnd() {
    if (menuVisible_) Perform(CM_CLOSEUPPOPUPMENU);
    TButton::DestroyWnd();
}

void TcxCustomButton::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == dropDownMenu_) dropDownMenu_ = nullptr;
    if (component == popupMenu_) SetPopupMenu(nullptr);
}

// ---- settings ----

void TcxCustomButton::SetLookAndFeel(TcxLookAndFeel* value) {
    lookAndFeel_->Assign(value);
}

void TcxCustomButton::SetButtonStyle(bool isDefault) {
    if (IsDrawnBySystem()) {
        TButton::SetButtonStyle(isDefault);
        return;
    }
    if (isDefault == isDefaultLook_) return;
    isDefaultLook_ = isDefault;
    Refresh();
}

void TcxCustomButton::ActionChange(TObject* sender, bool checkDefaults) {
    TWeakLink<TcxCustomButton> self(this);
    TButton::ActionChange(sender, checkDefaults);
    auto* action = self ? dynamic_cast<TCustomAction*>(sender) : nullptr;
    if (!action || !GetGlyph()->Empty()) return;
    TCustomImageList* images = action->GetActionList() ? action->GetActionList()->GetImages() : nullptr;
    const int index = action->GetImageIndex();
    if (!images || index < 0 || index >= images->GetCount()) return;
    TBitmap image;
    image.SetSize(images->GetWidth(), images->GetHeight());
    image.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    image.GetCanvas()->FillRect(Rect(0, 0, images->GetWidth(), images->GetHeight()));
    images->Draw(image.GetCanvas(), 0, 0, index, true);
    SetGlyph(&image);
}

void TcxCustomButton::SetGlyph(TBitmap* value) {
    glyph_->SetGlyph(value);
    Invalidate();
}

void TcxCustomButton::SetNumGlyphs(int value) {
    if (value > 4) value = 4;
    if (value == glyph_->GetNumGlyphs()) return;
    glyph_->SetNumGlyphs(value);
    Invalidate();
}

void TcxCustomButton::SetLayout(TButtonLayout value) {
    if (layout_ == value) return;
    layout_ = value;
    Invalidate();
}

void TcxCustomButton::SetMargin(int value) {
    if (margin_ == value || value < -1) return;
    margin_ = value;
    Invalidate();
}

void TcxCustomButton::SetSpacing(int value) {
    if (spacing_ == value) return;
    spacing_ = value;
    Invalidate();
}

void TcxCustomButton::SetWordWrap(bool value) {
    if (wordWrap_ == value) return;
    wordWrap_ = value;
    Invalidate();
}

void TcxCustomButton::SetKind(TcxButtonKind value) {
    if (kind_ == value) return;
    kind_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TcxCustomButton::SetDropDownMenu(TPopupMenu* value) {
    if (dropDownMenu_ == value) return;
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
    dropDownMenu_ = value;
    if (value) value->FreeNotification(this);
}

void TcxCustomButton::SetPopupMenu(TComponent* value) {
    if (!dynamic_cast<TPopupMenu*>(value) && !dynamic_cast<IcxPopupMenuComponent*>(value)) value = nullptr;
    if (popupMenu_ == value) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value) value->FreeNotification(this);
}

void TcxCustomButton::LookAndFeelChanged() {
    if (UseSystemPaint && HandleAllocated())
        RecreateWnd();
    else
        Invalidate();
}

// ---- painter, state and geometry ----

const TcxCustomLookAndFeelPainter* TcxCustomButton::GetLookAndFeelPainter() const {
    if (TcxLookAndFeelPainterClass skin = lookAndFeel_->GetSkinPainter()) return skin;
    TcxLookAndFeelPainterClass painter = lookAndFeel_->GetActivePainter();
    if (painter && painter->GetPaintStyle() == psOffice11)
        return CanUseThemeFor(tokButton) ? WinXPPainter() : TcxStandardLookAndFeelPainter::Instance();
    return painter ? painter : TcxStandardLookAndFeelPainter::Instance();
}

TcxButtonState TcxCustomButton::GetButtonState() const {
    bool pressed = isPaintPressed_;
    if (kind_ == cxbkDropDown) pressed = menuVisible_;
    if (kind_ == cxbkDropDownButton && dropDownPending_) pressed = false;
    if (!GetEnabled()) return cxbsDisabled;
    if (pressed || menuVisible_) return cxbsPressed;
    if (isHot_) return cxbsHot;
    if (isFocusedLook_ || isDefaultLook_) return cxbsDefault;
    return cxbsNormal;
}

TRect TcxCustomButton::GetContentRect(TcxButtonState state) const {
    TRect r = GetClientRect();
    const int edge = GetLookAndFeelPainter()->GetButtonEdgeWidth(state);
    r = TRect{r.Left + edge, r.Top + edge, r.Right - edge, r.Bottom - edge};
    if (kind_ == cxbkDropDownButton) r.Right -= kArrowIndent;
    return r;
}

TSize TcxCustomButton::CalcAutoSize() const {
    TcxScreenCanvas canvas;
    canvas.AssignFont(const_cast<TcxCustomButton*>(this)->GetFont());
    std::string caption = RemoveAccelChars(GetText());
    if (caption.empty()) caption = " ";
    return TSize{canvas.MeasureTextWidth(caption) + 3 * canvas.MeasureTextWidth("R"),
                 MulDiv(canvas.MeasureTextHeight("Wg"), 14, 8)};
}

bool TcxCustomButton::CanHotTrack() const {
    return !IsDrawnBySystem() && GetLookAndFeelPainter()->SupportsButtonHotTrack() && GetEnabled();
}

bool TcxCustomButton::IsInArrowPart(int x, int y) const {
    const TRect r = GetClientRect();
    return x >= r.Right - kArrowPartWidth && x < r.Right && y >= r.Top && y < r.Bottom;
}

bool TcxCustomButton::IsUnderCursor() {
    TPoint p;
    return GetCursorPos(p) && WindowFromPoint(p) == GetHandle();
}

// ---- painting ----

void TcxCustomButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (HasState(csDestroying)) return;
    controlCanvas_->SetHandle(item.hDC);
    isPaintPressed_ = !dropDownPending_ && (item.itemState & ODS_SELECTED);
    isFocusedLook_ = (item.itemState & ODS_FOCUS) || (GetDefault() && IsDesigning());
    try {
        Paint();
    } catch (...) {
        controlCanvas_->SetHandle(nullptr);
        throw;
    }
    controlCanvas_->SetHandle(nullptr);
}

void TcxCustomButton::Paint() {
    if (IsDrawnBySystem()) return;
    TRect r = GetClientRect();
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (lookAndFeel_->GetSkinPainter()) PaintParentImage(this, canvas_.get(), r, true);
    TRect arrow;
    if (kind_ == cxbkDropDownButton) {
        arrow = TRect{r.Right - kArrowPartWidth, r.Top, r.Right, r.Bottom};
        r.Right -= kArrowIndent;
    }
    const TcxButtonState state = GetButtonState();
    controlCanvas_->GetFont()->Assign(GetFont());
    TColor color = colors_->GetColor(state);
    controlCanvas_->GetFont()->SetColor(painter->GetButtonGlyphColor(state, controlCanvas_->GetFont()->GetColor()));
    if (OnGetDrawParams) OnGetDrawParams(this, state, color, controlCanvas_->GetFont());
    painter->DrawPushButton(canvas_.get(), r, "", state, true, color, controlCanvas_->GetFont()->GetColor());
    const int shift = state == cxbsPressed ? painter->GetPressedButtonShift() : 0;

    TcxRegion* savedClip = canvas_->CopyClipRegion(false);
    try {
        canvas_->ApplyClipRegion(TcxRegion::CreateFromRect(GetContentRect(state)), roSet, true, false);
        const unsigned biDi = GetBiDiMode() == bdLeftToRight ? 0u : unsigned(DT_RIGHT | DT_RTLREADING);
        glyph_->Draw(controlCanvas_.get(), GetContentRect(cxbsDefault), shift, GetText(), layout_, margin_, spacing_,
                     state, biDi, wordWrap_);
    } catch (...) {
        canvas_->ApplyClipRegion(savedClip, roSet, true, false);
        throw;
    }
    canvas_->ApplyClipRegion(savedClip, roSet, true, false);

    if (kind_ == cxbkDropDownButton) {
        painter->DrawPushButton(canvas_.get(), arrow, "", state, true, color, controlCanvas_->GetFont()->GetColor());
        painter->DrawButtonArrowGlyph(canvas_.get(), arrow, state, arDown);
    }
    if (Focused() && !menuVisible_) canvas_->PaintFocusRect(painter->GetButtonFocusBounds(canvas_.get(), r));
}

// ---- clicks, mouse and keys ----

void TcxCustomButton::Click() {
    if (kind_ == cxbkStandard) {
        TButton::Click();
        return;
    }
    if (kind_ == cxbkDropDown && !menuVisible_) {
        if (!skipNextClick_) DropDown();
        skipNextClick_ = false;
        return;
    }
    if (skipNextClick_) {
        skipNextClick_ = false;
        return;
    }
    TButton::Click();
}

void TcxCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && kind_ != cxbkStandard) {
        if (menuVisible_) {
            skipNextClick_ = true;
            menuVisible_ = false;
            isPaintPressed_ = false;
            Repaint();
        } else if (kind_ == cxbkDropDown || IsInArrowPart(x, y)) {
            DropDown();
        }
    }
    TButton::MouseDown(button, shift, x, y);
}

void TcxCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TButton::MouseMove(shift, x, y);
    const TRect r = GetClientRect();
    if (!isHot_ && CanHotTrack() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom && !GetCapture())
        Perform(CM_MOUSEENTER);
}

void TcxCustomButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (kind_ == cxbkDropDownButton && (key == VK_UP || key == VK_DOWN) && (shift & (ssAlt | ssShift))) {
        if (!menuVisible_) DropDown();
        key = 0;
        return;
    }
    TButton::KeyDown(key, shift);
}

void TcxCustomButton::MouseEnter() {
    if (IsDesigning() || isHot_ || !CanHotTrack() || GetCapture()) return;
    StartMouseTracking(this, TRect{0, 0, GetWidth(), GetHeight()}, this);
    isHot_ = true;
    Repaint();
}

void TcxCustomButton::MouseLeave() {
    if (IsDesigning()) return;
    StopMouseTracking(this);
    if (isHot_ && CanHotTrack()) {
        isHot_ = false;
        Invalidate();
    }
}

void TcxCustomButton::MouseTrackingLeft() {
    Perform(CM_MOUSELEAVE);
}

void TcxCustomButton::DoContextPopup(TPoint mousePos, bool& handled) {
    TButton::DoContextPopup(mousePos, handled);
    if (handled) return;
    const bool keyboard = mousePos.X == -1 && mousePos.Y == -1;
    const TPoint screen = ClientToScreen(keyboard ? TPoint{0, 0} : mousePos);
    handled = ShowPopupMenuAt(popupMenu_, screen.X, screen.Y);
}

void TcxCustomButton::WMContextMenu(TMessage& m) {
    if (m.Result != 0) return;
    if (IsDesigning()) {
        TButton::WMContextMenu(m);
        return;
    }
    TPoint p{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    if (p.X != -1 || p.Y != -1) {
        p = ScreenToClient(p);
        const TRect r = GetClientRect();
        if (p.X < r.Left || p.X >= r.Right || p.Y < r.Top || p.Y >= r.Bottom) {
            DefaultHandler(m); // not ours: passed on as the window's own
            return;
        }
    }
    bool handled = false;
    DoContextPopup(p, handled);
    m.Result = handled ? 1 : 0;
    if (!handled) TButton::WMContextMenu(m);
}

// ---- the drop-down menu ----

void TcxCustomButton::DropDown() {
    dropDownPending_ = true;
    // A press posts the request and the click of its release would post a second one: one is enough.
    if (dropDownPosted_) return;
    dropDownPosted_ = true;
    PostMessage(GetHandle(), CM_DROPDOWNPOPUPMENU, 0, 0);
}

bool TcxCustomButton::DoDropDownMenuPopup(TPopupMenu*& popupMenu) {
    bool handled = false;
    if (OnDropDownMenuPopup) OnDropDownMenuPopup(this, popupMenu, handled);
    return handled;
}

bool TcxCustomButton::ShowPopupMenuAt(TComponent* menu, int x, int y) {
    return ShowPopupMenu(this, menu, x, y);
}

TPoint TcxCustomButton::GetMenuPosition(TPopupMenu* menu, TRect& workArea) const {
    int x = 0;
    if (PopupAlignment == paRight) x = GetWidth();
    if (PopupAlignment == paCenter) x = GetWidth() / 2;
    TPoint p = ClientToScreen(TPoint{x, GetHeight()});
    GetMonitorWorkArea(p, workArea);
    const int menuHeight = GetPopupMenuHeight(menu);
    if (workArea.Bottom < p.Y + menuHeight) p.Y -= menuHeight + GetHeight() + 2; // open above the button
    return p;
}

void TcxCustomButton::DropDownPopupMenu() {
    dropDownPosted_ = false;
    if (kind_ == cxbkStandard) return;
    TPopupMenu* menu = dropDownMenu_;
    if (DoDropDownMenuPopup(menu) || !menu) return;
    menuVisible_ = true;
    Repaint();
    TRect workArea;
    const TPoint p = GetMenuPosition(menu, workArea);
    const TPopupAlignment saved = menu->Alignment;
    menu->Alignment = p.X <= workArea.Left    ? paRight
                      : p.X >= workArea.Right ? paLeft
                                              : PopupAlignment;
    menu->PopupComponent = this;
    try {
        menu->Popup(p.X, p.Y);
    } catch (...) {
        menu->Alignment = saved;
        throw;
    }
    menu->Alignment = saved;
    PostMessage(GetHandle(), CM_CLOSEUPPOPUPMENU, 0, 0);
}

void TcxCustomButton::CloseUpPopupMenu() {
    isHot_ = CanHotTrack() && IsUnderCursor();
    menuVisible_ = false;
    Repaint();
    dropDownPending_ = false;
}

// ---- messages ----

void TcxCustomButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM:
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)) DrawItem(*item);
        m.Result = 1;
        return;
    case WM_ERASEBKGND: m.Result = 1; return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        if (IsPopupMenuShortCut(popupMenu_, m)) {
            m.Result = 1;
            return;
        }
        TButton::Dispatch(m);
        return;
    case CM_DROPDOWNPOPUPMENU: DropDownPopupMenu(); return;
    case CM_CLOSEUPPOPUPMENU: CloseUpPopupMenu(); return;
    case CM_MOUSEENTER:
        TButton::Dispatch(m);
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        TButton::Dispatch(m);
        MouseLeave();
        return;
    case WM_CAPTURECHANGED:
        TButton::Dispatch(m);
        if (!IsDesigning()) isHot_ = CanHotTrack() && IsUnderCursor();
        return;
    case CM_ENABLEDCHANGED:
        TButton::Dispatch(m);
        if (!GetEnabled()) isHot_ = false;
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TButton::Dispatch(m);
        Invalidate();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (kind_ == cxbkDropDownButton && IsInArrowPart(GetXLParam(m.LParam), GetYLParam(m.LParam)))
            dropDownPending_ = true;
        m.Msg = WM_LBUTTONDOWN;
        TButton::Dispatch(m);
        return;
    case WM_LBUTTONUP:
        dropDownPending_ = false;
        TButton::Dispatch(m);
        return;
    default: TButton::Dispatch(m);
    }
}

} // namespace zorvy
