#pragma once
// The handler objects every view owns: controller (input), painter (drawing), view data (rows),
// view info (layout, with the site window it draws in) and an optional view-info cache (sizes kept
// across layouts). Each is a plain base here; the concrete views supply theirs through the view's
// class factories, and the layout, painting and input of views build on these bases. A file that
// makes or names a handler's class also includes CustomView.h: the handlers' metaclass needs the view.
#include "controls/foundation/classes/Classes.h"
#include "platform/gdi/Geometry.h"

namespace zorvy {

class TcxControl;
class TcxCustomGrid;
class TcxCustomGridView;
class TcxCustomGridController;
class TcxCustomGridPainter;
class TcxCustomGridViewData;
class TcxCustomGridViewInfo;
class TcxCustomDataController;
class TcxCustomLookAndFeelPainter;
class TcxRegion;

class TcxGridViewHandler : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxGridViewHandler, TcxInterfacedPersistent)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxGridViewHandler(TcxCustomGridView* gridView);

    TcxCustomGridView* GetGridView() const { return gridView_; }
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;
    TcxCustomGrid* GetControl() const;
    TcxCustomGridController* GetController() const;
    TcxCustomDataController* GetDataController() const;
    TcxCustomGridPainter* GetPainter() const;
    TcxControl* GetSite() const;
    TcxCustomGridViewData* GetViewData() const;
    TcxCustomGridViewInfo* GetViewInfo() const;
    void BeginUpdate();
    void EndUpdate();

  private:
    TcxCustomGridView* gridView_;
};

// Turns input into state changes; the base keeps the customization flag and nothing else.
class TcxCustomGridController : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridController, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    bool GetCustomization() const { return customization_; }
    virtual void SetCustomization(bool value) { customization_ = value; }
    // Lets an open customization form catch up with the view.
    virtual void RefreshCustomizationForm() {}
    virtual void ControlFocusChanged() {}
    virtual void FocusView(bool /*byMouse*/) {}
    virtual void UnfocusView() {}
    virtual void CancelMouseOperations() {}

  private:
    bool customization_ = false;
};

// Draws the view; the base only invalidates its site.
class TcxCustomGridPainter : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridPainter, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    virtual void Invalidate();
    virtual void InvalidateRect(const TRect& r);
    virtual void InvalidateRegion(const TcxRegion* region);
};

// The view's layout: it owns the site the view draws in (nil for a view shown nowhere) and
// calculates in the site's bounds.
class TcxCustomGridViewInfo : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridViewInfo, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    ~TcxCustomGridViewInfo() override;
    TcxControl* GetSite() const { return site_.Get(); }
    bool IsCalculating() const { return calculating_; }
    // Lays the view out in bounds; a change posted meanwhile waits for the end of the pass.
    void Calculate(const TRect& bounds);
    const TRect& GetBounds() const { return bounds_; }

  protected:
    // A concrete view info makes its site in its constructor.
    void SetSite(TcxControl* site) { site_ = TWeakLink<TcxControl>(site); }
    virtual void DoCalculate() {}

  private:
    TWeakLink<TcxControl> site_; // owned, unless its grid freed it first as a child window
    bool calculating_ = false;
    TRect bounds_{};
};

// Sizes kept across layouts; a size change drops them.
class TcxCustomGridViewInfoCache : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridViewInfoCache, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    // Drops the cached sizes, keeping those that depend on the master when keepMaster.
    virtual void UnassignValues(bool /*keepMaster*/) {}
};

} // namespace zorvy
