// The customization form's page control and hook timer, and the items lists' drag start.
#include "controls/grid/view/CustomizationForm.h"

#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/services/Timers.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewController.h"
#include "controls/pages/PageControl.h"
#include "platform/gdi/Drawing.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- TcxCustomGridCustomizationForm ----

TcxCustomGridCustomizationForm::TcxCustomGridCustomizationForm(TcxCustomGridController* controller)
    : TForm(nullptr), controller_(controller) {
    SetCaption(ResolveResourceString(scxGridCustomizationFormCaption));
    SetBorderStyle(bsSizeToolWin);
    if (TcxCustomGrid* grid = controller->GetControl()) GetFont()->Assign(grid->GetFont());
}

TcxCustomGridCustomizationForm::~TcxCustomGridCustomizationForm() {
    destroying_ = true;
    hookTimer_.reset();
    // The controller forgets the form rather than freeing it a second time.
    controller_->SetCustomization(false);
}

void TcxCustomGridCustomizationForm::Initialize() {
    CalculateConsts();
    CreateControls();
}

TcxCustomGridView* TcxCustomGridCustomizationForm::GetGridView() const {
    return controller_->GetGridView();
}

void TcxCustomGridCustomizationForm::CalculateConsts() {
    GetCanvas()->SetFont(GetFont());
    offset_ = GetCanvas()->TextHeight("Qq") / 6;
}

void TcxCustomGridCustomizationForm::CreateControls() {
    pageControl_ = new TcxPageControl(this);
    pageControl_->SetAnchors(akLeft | akTop | akRight | akBottom);
    TRect r;
    GetPageControlBounds(r);
    pageControl_->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    pageControl_->SetFocusable(false);
    pageControl_->SetHotTrack(true);
    pageControl_->GetLookAndFeel()->SetMaster(GetGridView()->GetLookAndFeel());
    pageControl_->SetParent(this);
    InitPageControl();
}

void TcxCustomGridCustomizationForm::GetContentBounds(TRect& r) {
    r = GetClientRect();
    r = TRect{r.Left + offset_, r.Top + offset_, r.Right - offset_, r.Bottom - offset_};
}

TcxTabSheet* TcxCustomGridCustomizationForm::AddPage(const std::string& caption, bool visible) {
    auto* sheet = new TcxTabSheet(pageControl_);
    sheet->SetCaption(caption);
    sheet->SetTabVisible(visible);
    sheet->MoveToPageControl(pageControl_);
    return sheet;
}

void TcxCustomGridCustomizationForm::ActivatePage(TcxTabSheet* sheet) {
    if (sheet && sheet->GetTabVisible()) pageControl_->SetActivePage(sheet);
}

void TcxCustomGridCustomizationForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    // Owned by the site's window, so the form floats above the grid and follows it.
    params.style |= WS_POPUP;
    if (TcxControl* site = GetGridView()->GetSite()) params.wndParent = site->GetHandle();
}

void TcxCustomGridCustomizationForm::DoShow() {
    if (!hookTimer_) {
        hookTimer_ = std::make_unique<TcxTimer>(nullptr);
        hookTimer_->SetInterval(100);
        hookTimer_->SetOnTimer([this](TObject*) { HookTimerFired(); });
    }
    TForm::DoShow();
}

void TcxCustomGridCustomizationForm::HookTimerFired() {
    TCustomForm* mainForm = Application ? Application->GetMainForm() : nullptr;
    if (mainForm && mainForm->GetWindowState() == wsMinimized) {
        if (GetVisible()) {
            ShowWindow(GetHandle(), SW_HIDE);
            TForm::SetVisible(false);
        }
        return;
    }
    TcxControl* site = GetGridView()->GetSite();
    if (!GetGridView()->GetVisible() || !site || !site->HandleAllocated() || !IsWindowVisible(site->GetHandle())) {
        controller_->SetCustomization(false); // frees this form
        return;
    }
    if (!GetVisible()) {
        ShowWindow(GetHandle(), SW_SHOWNOACTIVATE);
        TForm::SetVisible(true);
    }
}

void TcxCustomGridCustomizationForm::DoClose(TCloseAction& action) {
    hookTimer_.reset();
    TForm::DoClose(action);
    action = caFree;
}

// ---- TcxCustomGridItemsInnerListBox ----

TcxCustomGridItemsInnerListBox::TcxCustomGridItemsInnerListBox(TComponent* owner) : TcxInnerListBox(owner) {
    SetSorted(true);
    SetStyle(lbOwnerDrawFixed);
}

TcxCustomGridItemsListBox* TcxCustomGridItemsInnerListBox::GetItemsListBox() const {
    return static_cast<TcxCustomGridItemsListBox*>(GetOwnerListBox());
}

void TcxCustomGridItemsInnerListBox::UpdateBorder() {
    TcxCustomGridItemsListBox* box = GetItemsListBox();
    if (!box) return;
    const bool thin = box->GetGridView()->GetLookAndFeelPainter()->GetHeaderBorderWidth() <= 1;
    if (thin == thinFrame_) return;
    thinFrame_ = thin;
    if (HandleAllocated()) RecreateWnd();
}

void TcxCustomGridItemsInnerListBox::CreateParams(TCreateParams& params) {
    TcxInnerListBox::CreateParams(params);
    params.classStyle |= CS_HREDRAW;
    if (!thinFrame_) params.style |= WS_BORDER;
}

void TcxCustomGridItemsInnerListBox::CreateWnd() {
    TcxInnerListBox::CreateWnd();
    if (TcxCustomGridItemsListBox* box = GetItemsListBox()) SetItemHeight(box->CalcItemHeight());
}

void TcxCustomGridItemsInnerListBox::HandleLookAndFeelChange() {
    UpdateBorder();
    TcxInnerListBox::HandleLookAndFeelChange();
    if (HandleAllocated())
        if (TcxCustomGridItemsListBox* box = GetItemsListBox()) SetItemHeight(box->CalcItemHeight());
}

void TcxCustomGridItemsInnerListBox::Dispatch(TMessage& m) {
    if (thinFrame_) {
        if (m.Msg == WM_NCCALCSIZE) {
            auto* r = reinterpret_cast<TRect*>(m.LParam);
            *r = TRect{r->Left + 1, r->Top + 1, r->Right - 1, r->Bottom - 1};
            m.Result = 0;
            return;
        }
        if (m.Msg == WM_NCPAINT) {
            HDC dc = GetWindowDC(GetHandle());
            TRect r = GetBoundsRect();
            r = TRect{0, 0, r.Right - r.Left, r.Bottom - r.Top};
            DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT);
            ReleaseDC(GetHandle(), dc);
            m.Result = 0;
            return;
        }
    }
    if (m.Msg == WM_CANCELMODE) dragAndDropItemIndex_ = -1;
    TcxInnerListBox::Dispatch(m);
}

void TcxCustomGridItemsInnerListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    TcxCustomGridItemsListBox* box = GetItemsListBox();
    if (!box) return;
    const bool focused = (state & odFocused) != 0;
    box->PaintItem(GetCanvasWrapper(), rect, index, focused);
    if (focused) GetCanvasWrapper()->PaintFocusRect(rect);
}

void TcxCustomGridItemsInnerListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    const std::uint16_t pressed = key;
    TcxInnerListBox::KeyDown(key, shift);
    if (pressed == VK_ESCAPE)
        if (TcxCustomGridItemsListBox* box = GetItemsListBox())
            if (TcxControl* site = box->GetGridView()->GetSite()) site->FinishDragAndDrop(false);
}

void TcxCustomGridItemsInnerListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TcxInnerListBox::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    const int index = ItemAtPos(TPoint{x, y}, true);
    if (index < 0) return;
    dragAndDropItemIndex_ = index;
    mouseDownPos_ = TPoint{x, y};
}

void TcxCustomGridItemsInnerListBox::MouseMove(TShiftState shift, int x, int y) {
    TcxInnerListBox::MouseMove(shift, x, y);
    if (dragAndDropItemIndex_ < 0) return;
    if (IsWithinDragThreshold(mouseDownPos_, x, y) && ItemAtPos(TPoint{x, y}, false) == dragAndDropItemIndex_) return;
    StartItemDrag(mouseDownPos_);
}

void TcxCustomGridItemsInnerListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    dragAndDropItemIndex_ = -1;
    TcxInnerListBox::MouseUp(button, shift, x, y);
}

void TcxCustomGridItemsInnerListBox::StartItemDrag(TPoint p) {
    TcxCustomGridItemsListBox* box = GetItemsListBox();
    SetItemIndex(dragAndDropItemIndex_);
    TcxCustomGridView* view = box->GetGridView();
    auto* site = static_cast<TcxGridSite*>(view->GetSite());
    TcxCustomGridHitTest* hitTest = box->CreateDragHitTest();
    const TMetaClass* cls = hitTest ? hitTest->GetDragAndDropObjectClass() : nullptr;
    // A line whose hit test names no drag object starts nothing.
    if (!site || !cls) {
        dragAndDropItemIndex_ = -1;
        return;
    }
    MapWindowPoints(GetHandle(), site->GetHandle(), &p, 1);
    TcxCustomGridController* controller = view->GetController();
    controller->SetDragAndDropObjectClass(cls);
    if (auto* object = dynamic_cast<TcxCustomGridDragAndDropObject*>(site->ObtainDragAndDropObject()))
        object->Init(p, hitTest);
    dragAndDropItemIndex_ = -1;
    site->StartDragAndDropAtOnce();
}

// ---- TcxCustomGridItemsListBox ----

TcxCustomGridItemsListBox::TcxCustomGridItemsListBox(TcxCustomGridCustomizationForm* form)
    : TcxListBox(
          form, [](TcxListBox* owner) -> TcxInnerListBox* { return new TcxCustomGridItemsInnerListBox(owner); },
          [](TcxListBox* owner) -> TcxCustomDataBinding* { return new TcxDataBinding(owner, owner); }),
      form_(form) {
    GetStyle()->SetBorderStyle(cbsNone);
    GetStyle()->SetHotTrack(false);
    GetStyle()->SetTransparentBorder(false);
    GetStyleFocused()->SetBorderStyle(cbsNone);
    GetStyleHot()->SetBorderStyle(cbsNone);
    GetStyle()->GetLookAndFeel()->SetMaster(form->GetGridView()->GetLookAndFeel());
    SetParentFont(true);
    GetItemsInnerListBox()->UpdateBorder();
}

TcxCustomGridItemsInnerListBox* TcxCustomGridItemsListBox::GetItemsInnerListBox() const {
    return static_cast<TcxCustomGridItemsInnerListBox*>(GetInnerListBox());
}

TObject* TcxCustomGridItemsListBox::GetDragAndDropItemObject() const {
    const int index = GetItemsInnerListBox()->GetDragAndDropItemIndex();
    return index < 0 ? nullptr : GetItems()->GetObject(index);
}

void TcxCustomGridItemsListBox::RefreshItems() {
    if (GetInnerListBox()->HandleAllocated()) GetInnerListBox()->SetItemHeight(CalcItemHeight());
}

} // namespace zorvy
