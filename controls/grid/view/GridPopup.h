#pragma once
// The drop-down window a grid cell owns (a filter or customization button's list): the owner side
// of the hand-over is the cell (IcxCustomGridPopupOwner); the popup only knows its owner's bounds
// and tells it when it closes.
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/grid/view/CustomView.h"

namespace zorvy {

class TcxCustomGridView;

class IcxCustomGridPopupOwner {
  public:
    virtual ~IcxCustomGridPopupOwner() = default;
    // Whether the popup closes when this owner is taken away.
    virtual bool ClosePopupOnOwnerRemoval() = 0;
    virtual TRect GetDropDownWindowOwnerBounds() = 0;
    virtual void PopupClosed() = 0;
};

class TcxCustomGridPopup : public TcxCustomPopupWindow {
    ZORVY_CLASS(TcxCustomGridPopup, TcxCustomPopupWindow)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxCustomGridPopup(TcxCustomGridView* gridView);
    TcxCustomGridView* GetGridView() const { return gridView_; }
    // The cell the popup belongs to (its TComponent owner is the site).
    IcxCustomGridPopupOwner* GetGridOwner() const { return owner_; }
    // A nil owner closes a visible popup first when the old owner asks for it.
    void SetGridOwner(IcxCustomGridPopupOwner* value);
    // The owner's bounds, in the site's client coordinates.
    virtual TRect GetOwnerBounds() const;
    using TcxCustomPopupWindow::Popup;
    // Opens under the owner's bounds.
    virtual void Popup();

  protected:
    void NotifyClosed() override;

  private:
    TcxCustomGridView* gridView_;
    IcxCustomGridPopupOwner* owner_ = nullptr;
};

} // namespace zorvy
