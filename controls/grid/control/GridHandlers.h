#pragma once
// The grid control's own handlers: its view info places the top details site (the level tabs of the
// top-level views and their sites) in the content bounds, its painter paints that site and
// invalidates, and its controller routes the mouse to the level tabs and opens a tab when a dragged
// object rests on it (drag opening).
#include "controls/grid/control/DetailsSite.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/ViewController.h"

#include <memory>

namespace zorvy {

class TcxCustomGrid;
class TcxCustomGridController;
class TcxCustomGridView;
class TcxGridController;
class TcxGridPainter;
class TcxGridViewInfo;
class TcxTimer;

class TcxCustomGridHandler : public TObject {
    ZORVY_CLASS(TcxCustomGridHandler, TObject)
  public:
    using TCreateOwner = TcxCustomGrid;
    explicit TcxCustomGridHandler(TcxCustomGrid* control) : control_(control) {}
    TcxCustomGrid* GetControl() const { return control_; }
    // The active level's view, and its controller (nil without a view).
    TcxCustomGridView* GetActiveView() const;
    TcxCustomGridController* GetActiveViewController() const;
    TcxGridViewInfo* GetViewInfo() const;

  private:
    TcxCustomGrid* control_;
};

// The details site of the grid's root level: it always fills the grid's content bounds.
class TcxGridTopDetailsSiteViewInfo : public TcxCustomGridDetailsSiteViewInfo {
    ZORVY_CLASS(TcxGridTopDetailsSiteViewInfo, TcxCustomGridDetailsSiteViewInfo)
  public:
    using TcxCustomGridDetailsSiteViewInfo::TcxCustomGridDetailsSiteViewInfo;
    TcxCustomGrid* GetControl() const;

    int CalculateHeight() override;
    int CalculateWidth() override;
    TcxCanvas* GetCanvas() override;
    TWinControl* GetContainer() override;
    TcxCustomGridDesignController* GetDesignController() override;
    TcxCustomGridRecord* GetMasterRecord() override { return nullptr; }
    int GetMaxHeight() override;
    int GetMaxWidth() override;
    TcxCustomGridView* FindActiveGridView() override;
    TcxGridLevel* GetActiveLevel() override;
    void InitTabHitTest(TcxCustomGridHitTest* hitTest) override;
    void SetActiveLevel(TcxGridLevel* level, bool focusView) override;
    bool HasDataForLevel(TcxGridLevel* level) override;
    bool SupportsTabAccelerators() override;
    void VisibilityChanged(bool visible) override;
};

class TcxGridViewInfo : public TcxCustomGridHandler {
    ZORVY_CLASS(TcxGridViewInfo, TcxCustomGridHandler)
  public:
    explicit TcxGridViewInfo(TcxCustomGrid* control);
    ~TcxGridViewInfo() override;

    TcxCustomGridDetailsSiteViewInfo* GetDetailsSiteViewInfo() const { return detailsSiteViewInfo_.get(); }
    void RecreateViewInfos();

    virtual void CreateViewInfos();
    virtual void DestroyViewInfos();
    virtual const TMetaClass* GetDetailsSiteViewInfoClass() const;
    // Lays the top details site out in the grid's content bounds.
    virtual void Calculate();
    virtual TcxCustomGridHitTest* GetHitTest(int x, int y);

  private:
    std::unique_ptr<TcxCustomGridDetailsSiteViewInfo> detailsSiteViewInfo_;
    std::unique_ptr<TcxCustomGridDetailsSiteViewInfoCachedInfo> detailsSiteViewInfoCachedInfo_;
};

class TcxGridPainter : public TcxCustomGridHandler {
    ZORVY_CLASS(TcxGridPainter, TcxCustomGridHandler)
  public:
    using TcxCustomGridHandler::TcxCustomGridHandler;
    TcxCanvas* GetCanvas() const;

    virtual void PaintDetailsSite();
    // Relayouts nothing: repaints the grid's views, and with invalidateSites every view site.
    virtual void Invalidate(bool invalidateSites);
    virtual void InvalidateRect(const TRect& r);
    virtual void Paint() { PaintDetailsSite(); }
};

// A place the grid opens when a dragged object rests on it.
class TcxCustomGridDragOpenInfo : public TObject {
    ZORVY_CLASS(TcxCustomGridDragOpenInfo, TObject)
  public:
    virtual bool IsSameTarget(TcxCustomGridDragOpenInfo* info) { return info->ClassType() == ClassType(); }
    virtual void OpenTarget() = 0;
};

class TcxGridDragOpenInfoTab : public TcxCustomGridDragOpenInfo {
    ZORVY_CLASS(TcxGridDragOpenInfoTab, TcxCustomGridDragOpenInfo)
  public:
    explicit TcxGridDragOpenInfoTab(TcxGridLevel* level) : level_(level) {}
    TcxGridLevel* GetLevel() const { return level_; }
    bool IsSameTarget(TcxCustomGridDragOpenInfo* info) override;
    void OpenTarget() override;

  private:
    TcxGridLevel* level_;
};

class TcxGridDesignController : public TcxCustomGridDesignController {
    ZORVY_CLASS(TcxGridDesignController, TcxCustomGridDesignController)
  public:
    using TCreateOwner = TcxCustomGrid;
    explicit TcxGridDesignController(TcxCustomGrid* control) : control_(control) {}
    TcxControl* GetControl() const override;

  private:
    TcxCustomGrid* control_;
};

class TcxGridController : public TcxCustomGridHandler {
    ZORVY_CLASS(TcxGridController, TcxCustomGridHandler)
  public:
    using TcxCustomGridHandler::TcxCustomGridHandler;
    ~TcxGridController() override;

    // Nil at run time; made on first use in design mode.
    TcxCustomGridDesignController* GetDesignController();
    TcxCustomGridDragOpenInfo* GetDragOpenInfo() const { return dragOpenInfo_.get(); }
    TcxTimer* GetDragOpenTimer() const { return dragOpenTimer_.get(); }
    // Takes info over; the same target keeps its running wait, another restarts it.
    void StartDragOpen(TcxCustomGridDragOpenInfo* info);
    void StopDragOpen();

    virtual const TMetaClass* GetDesignControllerClass() const;
    virtual void CancelViewMouseActions();
    virtual void ControlFocusChanged();
    virtual TCursor GetCursor(int x, int y);
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void EndDrag(TObject* target, int x, int y);
    virtual void StartDrag(TDragObject*&) {}
    // A new target for the hit test (only a level tab gives one); nil for none. The caller owns it.
    virtual TcxCustomGridDragOpenInfo* GetDragOpenInfo(TcxCustomGridHitTest* hitTest);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton, TShiftState, int, int) {}

  private:
    void DragOpenTimerFired();

    std::unique_ptr<TcxCustomGridDesignController> designController_;
    std::unique_ptr<TcxCustomGridDragOpenInfo> dragOpenInfo_;
    std::unique_ptr<TcxTimer> dragOpenTimer_;
};

} // namespace zorvy
