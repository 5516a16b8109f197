#pragma once
// TcxGridSite: the window a view draws in, parented into the grid (or into its master view's site).
// It does almost nothing itself: keys, mouse, focus, scrolling, drags and painting go to the view's
// controller and painter; a size change relays the view out (deferred by 1 ms while the site is
// recalculating its scroll bars). A hidden site that holds the focus is parked at Left 30000.
#include "controls/foundation/control/Control.h"
#include "controls/grid/view/ViewInfo.h"

#include <memory>

namespace zorvy {

class TcxCustomGridController;
class TcxCustomGridPainter;
class TcxCustomGridView;
class TcxCustomGridViewInfo;
class TcxTimer;

// The Left of a site parked outside its parent's visible area.
constexpr int cxGridSiteParkedLeft = 30000;

class TcxGridSite : public TcxControl {
    ZORVY_CLASS(TcxGridSite, TcxControl)
  public:
    using TCreateOwner = TcxCustomGridViewInfo;
    explicit TcxGridSite(TcxCustomGridViewInfo* viewInfo);
    ~TcxGridSite() override;

    TcxCustomGridViewInfo* GetViewInfo() const { return viewInfo_; }
    TcxCustomGridView* GetGridView() const;
    TcxCustomGridController* GetController() const;
    TcxCustomGridPainter* GetPainter() const;
    bool IsParked() const { return GetLeft() == cxGridSiteParkedLeft; }
    int GetStoredContentWidth() const { return contentWidth_; }
    int GetStoredContentHeight() const { return contentHeight_; }
    bool IsSizeChangeDeferred() const { return sizeChangeTimer_ != nullptr; }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetFocus() override;
    bool InDesignMode() const override;
    bool HoldsFocus() const override;
    bool FocusesOnClickAt(int x, int y) const override;
    bool FocusesOnScrollBarClick() const override;
    TRect GetContentBounds() const override;
    TCursor GetCursorAt(int x, int y) const override;
    bool IsPixelScrolling(TScrollBarKind kind) const override;
    // Nothing while the view info calculates, or while the view is hidden.
    void RecalculateScrollBars() override;

  protected:
    bool WantsFocus() const override;
    bool AllowsAutoDrag(int x, int y) const override;
    bool CanDragAtDesignTime(int, int, TShiftState) override { return false; }
    bool HandlesDesignTimeMouse(int x, int y, TShiftState shift) const override;
    void ProcessMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseExited(TControl* control) override;
    void AbortMouseActions() override;
    void FocusStateChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    TRect CalcHorzScrollBarRect() const override;
    void ComputeScrollBarParams() override;
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override;
    int GetWheelScrollKind() const override;
    void GeometryChanged() override;
    bool MayStartDragAndDrop(TPoint p) override;
    void StartDragAndDrop() override;
    void TrackDragAndDrop(TPoint p, bool& accepted) override;
    void StopDragAndDrop(bool accepted) override;
    void DoStartDrag(TDragObject*& dragObject) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    void DoEndDrag(TObject* target, int x, int y) override;
    void PaintDragImage(TcxCanvas* canvas, const TRect& r) override;
    TSize GetDragImageSize() const override;
    bool UsesDragImages() const override;
    void WndProc(TMessage& m) override;
    void CNKeyDown(TMessage& m) override;
    void Paint() override;

  private:
    void SizeChangeTimerFired();

    std::unique_ptr<TcxTimer> sizeChangeTimer_;
    int contentWidth_ = 0;
    int contentHeight_ = 0;
    TcxCustomGridViewInfo* viewInfo_;
};

} // namespace zorvy
