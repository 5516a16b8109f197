// The grid popup's hand-over with the cell that owns it.
#include "controls/grid/view/GridPopup.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"

namespace zorvy {

TcxCustomGridPopup::TcxCustomGridPopup(TcxCustomGridView* gridView)
    : TcxCustomPopupWindow(gridView->GetSite()), gridView_(gridView) {
    SetColor(clWindow);
    ChangeTopMost(true);
}

void TcxCustomGridPopup::SetGridOwner(IcxCustomGridPopupOwner* value) {
    if (owner_ == value) return;
    if (!value && IsOpen() && owner_ && owner_->ClosePopupOnOwnerRemoval()) ClosePopup();
    owner_ = value;
}

TRect TcxCustomGridPopup::GetOwnerBounds() const {
    return owner_ ? owner_->GetDropDownWindowOwnerBounds() : TRect{};
}

int TcxCustomGridPopup::GetMinWidth() const {
    const TRect r = GetOwnerBounds();
    return r.Right - r.Left - GetBordersWidth();
}

void TcxCustomGridPopup::InitializePopup() {
    TcxCustomPopupWindow::InitializePopup();
    SetFrameStyle(static_cast<TcxPopupFrameStyle>(gridView_->GetLookAndFeelPainter()->GetGridPopupBorderStyle()));
    if (TcxCustomGrid* grid = gridView_->GetGrid()) SetFont(grid->GetFont());
    SetAnchorParent(gridView_->GetSite());
    AnchorBounds = GetOwnerBounds();
}

void TcxCustomGridPopup::Popup() {
    SetCaptureControl(nullptr);
    Popup(FindNextControl(nullptr, true, true, false));
}

void TcxCustomGridPopup::NotifyClosed() {
    TcxCustomPopupWindow::NotifyClosed();
    if (owner_) owner_->PopupClosed();
}

} // namespace zorvy
