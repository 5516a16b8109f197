// The grid's drag objects: the site's view and handlers, the moving object's image, arrows and cursor.
#include "controls/grid/view/GridDragAndDrop.h"

#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomizationForm.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- TcxCustomGridDragAndDropObject ----

TcxGridSite* TcxCustomGridDragAndDropObject::GetSite() const {
    return static_cast<TcxGridSite*>(GetControl());
}

TcxCustomGridView* TcxCustomGridDragAndDropObject::GetGridView() const {
    return GetSite()->GetGridView();
}

TcxCustomGridController* TcxCustomGridDragAndDropObject::GetController() const {
    return GetGridView()->GetController();
}

TcxCustomGridViewInfo* TcxCustomGridDragAndDropObject::GetViewInfo() const {
    return GetGridView()->GetViewInfo();
}

void TcxCustomGridDragAndDropObject::Init(TPoint p, TcxCustomGridHitTest*) {
    sourcePoint_ = p;
}

void TcxCustomGridDragAndDropObject::AfterStop(bool accepted) {
    TcxDragAndDropObject::AfterStop(accepted);
    if (accepted) GetController()->DesignerModified();
}

// ---- TcxCustomGridMovingObject ----

TcxCustomGridMovingObject::~TcxCustomGridMovingObject() = default;

TcxCustomGridCustomizationForm* TcxCustomGridMovingObject::GetCustomizationForm() const {
    return GetController()->GetCustomizationForm();
}

int TcxCustomGridMovingObject::GetArrowPlace(int index) {
    if (AreArrowsVertical()) return index == 0 ? 1 : 3;
    return index == 0 ? 0 : 2;
}

TCursor TcxCustomGridMovingObject::GetCursorForAcceptance(bool accepted) const {
    if (accepted) return crArrow;
    return CanRemove() ? crcxRemove : crcxNoDrop;
}

TcxDragAndDropArrowClass TcxCustomGridMovingObject::GetArrowClass() const {
    return [](bool transparent) { return new TcxDragAndDropArrow(transparent); };
}

TcxDragImageClass TcxCustomGridMovingObject::GetDragImageClass() const {
    return [] { return new TcxDragImage(); };
}

void TcxCustomGridMovingObject::GetAreaBounds(TRect& r) {
    r = GetViewInfo()->GetBounds();
}

void TcxCustomGridMovingObject::GetSourceItemBounds(TRect& r) {
    r = TRect{};
    if (TcxCustomGridCellViewInfo* cell = GetSourceItemViewInfo()) {
        r = cell->Bounds;
        return;
    }
    if (!IsSourceCustomizationForm()) return;
    TcxCustomGridItemsListBox* listBox = GetCustomizationFormListBox();
    if (!listBox) return;
    TcxInnerListBox* inner = listBox->GetInnerListBox();
    const int index = inner->GetItems()->IndexOfObject(GetSourceItem());
    if (index < 0) return;
    r = inner->ItemRect(index);
    TPoint corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(inner->GetHandle(), GetSite()->GetHandle(), corners, 2);
    r = TRect{corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
}

void TcxCustomGridMovingObject::InitDragImage() {
    TRect r;
    GetSourceItemBounds(r);
    dragImage_->InitializeFrom(r, GetSourcePoint());
    TcxCanvas* canvas = dragImage_->GetImageCanvas();
    if (TcxCustomGridCellViewInfo* cell = GetSourceItemViewInfo()) {
        // The cell paints at its place in the view: shift the image so that place lands at its origin.
        TPoint oldOrigin;
        canvas->ReadWindowOrigin(oldOrigin);
        canvas->WriteWindowOrigin(TPoint{cell->Bounds.Left, cell->Bounds.Top});
        cell->Paint(canvas);
        canvas->WriteWindowOrigin(oldOrigin);
    } else if (IsSourceCustomizationForm()) {
        PaintListBoxItem(canvas, TRect{0, 0, r.Right - r.Left, r.Bottom - r.Top}, GetSourceItem());
    }
}

void TcxCustomGridMovingObject::PaintListBoxItem(TcxCanvas* canvas, const TRect& r, TObject* item) {
    TcxCustomGridItemsListBox* listBox = GetCustomizationFormListBox();
    if (!listBox) return;
    TcxInnerListBox* inner = listBox->GetInnerListBox();
    canvas->CurrentBrush()->SetColor(inner->GetColor());
    canvas->AssignFont(inner->GetFont());
    listBox->PaintItem(canvas, r, inner->GetItems()->IndexOfObject(item), false);
}

void TcxCustomGridMovingObject::RefreshFeedback() {
    TcxCustomGridDragAndDropObject::RefreshFeedback();
    ShowArrows(!GetDirty());
    ShowDragImage(!GetDirty());
}

void TcxCustomGridMovingObject::StartTracking() {
    dragImage_.reset(GetDragImageClass()());
    InitDragImage();
    const TcxDragAndDropArrowClass arrowClass = GetArrowClass();
    for (auto& arrow : arrows_) arrow.reset(arrowClass(dragImage_->UsesAlphaBlending()));
    // No paint may be pending once the feedback windows stand over the grid.
    if (TcxCustomGrid* grid = GetGridView()->GetGrid()) grid->RepaintNowWithChildren();
    TcxCustomGridDragAndDropObject::StartTracking();
}

void TcxCustomGridMovingObject::TrackTo(TPoint p, bool& accepted) {
    TcxCustomGridDragAndDropObject::TrackTo(p, accepted);
    ShowDragImage(true);
}

void TcxCustomGridMovingObject::StopTracking(bool accepted) {
    TcxCustomGridDragAndDropObject::StopTracking(accepted);
    for (auto& arrow : arrows_) arrow.reset();
    dragImage_.reset();
}

void TcxCustomGridMovingObject::AfterScrolling() {
    ShowArrows(true);
    TcxCustomGridDragAndDropObject::AfterScrolling();
}

void TcxCustomGridMovingObject::ShowArrows(bool visible) {
    if (!IsValidDestination()) visible = false;
    for (int i = 0; i < 2; ++i) {
        TcxDragAndDropArrow* arrow = arrows_[i].get();
        if (!arrow) continue;
        if (visible) {
            TRect clip;
            GetAreaBounds(clip);
            const int place = GetArrowPlace(i);
            TRect target;
            CalculateArrowTargetRect(place, target);
            arrow->PlaceArrow(GetSite(), target, place, clip);
        }
        arrow->SetShowing(visible);
    }
}

void TcxCustomGridMovingObject::ShowDragImage(bool visible) {
    if (!dragImage_) return;
    if (visible) dragImage_->MoveTo(GetSite()->ClientToScreen(GetCurrentPoint()));
    dragImage_->SetShowing(visible);
}

} // namespace zorvy
