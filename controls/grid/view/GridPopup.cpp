// The grid popup's hand-over with the cell that owns it.
#include "controls/grid/view/GridPopup.h"

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

void TcxCustomGridPopup::Popup() {
    Popup(nullptr);
}

void TcxCustomGridPopup::NotifyClosed() {
    TcxCustomPopupWindow::NotifyClosed();
    if (owner_) owner_->PopupClosed();
}

} // namespace zorvy
