#pragma once
// The base of the handler objects every view owns: controller (ViewController.h), painter
// (ViewPainter.h), view data (ViewData.h), view info and its cache (ViewInfo.h). The concrete views
// supply theirs through the view's class factories. A file that makes or names a handler's class
// also includes CustomView.h: the handlers' metaclass needs the view.
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
class TcxCustomGridViewInfoCache;
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

} // namespace zorvy
