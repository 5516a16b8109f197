#pragma once
// A details site: the rectangle that shows the detail views of one level, with the active detail
// view's site in its client area, an optional frame and an optional strip of level tabs (left or top)
// through which the user switches between the detail levels. TcxCustomGridDetailsSiteViewInfo is the
// abstract layout; the top site of the grid control (GridHandlers.h) and a master row's site answer
// where the canvas, the container, the active level and the limits come from.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CellPainter.h"
#include "controls/grid/view/CellViewInfo.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomGridDetailsSiteTabsViewInfo;
class TcxCustomGridDetailsSiteTabViewInfo;
class TcxCustomGridDetailsSiteViewInfo;
class TcxCustomGridDesignController;
class TcxCustomGridRecord;
class TcxCustomGridView;
class TcxGridLevel;
class TWinControl;

// The value handed from the tab strip of an old site to the strip of its replacement.
class TcxCustomGridDetailsSiteViewInfoCachedInfo : public TObject {
    ZORVY_CLASS(TcxCustomGridDetailsSiteViewInfoCachedInfo, TObject)
  public:
    int Value = 0;
};

// Makes the painter of one paint call (the painter class references of this unit).
class TcxGridDetailsSitePainter;
class TcxGridDetailsSiteTabsPainter;
using TcxGridDetailsSitePainterClass = TcxGridDetailsSitePainter* (*)(TcxCanvas*, TcxCustomGridDetailsSiteViewInfo*);
using TcxGridDetailsSiteTabsPainterClass =
    TcxGridDetailsSiteTabsPainter* (*)(TcxCanvas*, TcxCustomGridDetailsSiteTabsViewInfo*);
using TcxGridDetailsSiteTabsViewInfoClass =
    TcxCustomGridDetailsSiteTabsViewInfo* (*)(TcxCustomGridDetailsSiteViewInfo*);
using TcxGridDetailsSiteTabViewInfoClass =
    TcxCustomGridDetailsSiteTabViewInfo* (*)(TcxCustomGridDetailsSiteTabsViewInfo*, TcxGridLevel*);

class TcxCustomGridDetailsSiteViewInfo : public TcxComponent {
    ZORVY_CLASS(TcxCustomGridDetailsSiteViewInfo, TcxComponent)
  public:
    using TCreateOwner = TcxGridLevel;
    explicit TcxCustomGridDetailsSiteViewInfo(TcxGridLevel* level);
    // Hides or detaches the active view's site, then frees the tab strip.
    ~TcxCustomGridDetailsSiteViewInfo() override;
    // Creates the tab strip (a virtual step of construction).
    void AfterConstruction();
    // Hides or detaches the active view's site while the most derived class still stands.
    void BeforeDestruction();
    void Notification(TComponent* component, TOperation operation) override;

    TcxGridLevel* GetLevel() const { return level_; }
    const TRect& GetBounds() const { return bounds_; }
    TcxCustomGridDetailsSiteTabsViewInfo* GetTabsViewInfo() const { return tabsViewInfo_.get(); }
    // The client bounds inflated by the frame width.
    TRect GetFrameBounds();
    // The limits less what the frame and the tabs take.
    TPoint GetMaxDetailSize();
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;
    // Paints the site with a painter made for this call.
    void Paint(TcxCanvas* canvas);

    virtual int CalculateHeight();
    virtual int CalculateWidth();
    virtual TColor GetBackgroundColor();
    virtual TcxCanvas* GetCanvas() = 0;
    virtual TRect GetClientBounds();
    // The window the active view's site is parented into.
    virtual TWinControl* GetContainer() = 0;
    virtual TcxCustomGridDesignController* GetDesignController() = 0;
    virtual int GetEmptyClientHeight() { return 100; }
    virtual int GetEmptyClientWidth() { return 200; }
    virtual TColor GetFrameColor();
    virtual int GetFrameWidth();
    virtual bool GetFullyVisible() { return fullyVisible_; }
    virtual int GetHeight() { return CalculateHeight(); }
    virtual TcxCustomGridRecord* GetMasterRecord() = 0;
    virtual int GetMaxHeight() = 0;
    virtual int GetMaxNormalHeight();
    virtual int GetMaxWidth() = 0;
    virtual int GetMinWidth() { return GetMaxWidth(); }
    virtual int GetNormalHeight() { return normalHeight_; }
    virtual int GetWidth() { return CalculateWidth(); }
    virtual TcxGridDetailsSitePainterClass GetPainterClass();
    virtual TcxGridDetailsSiteTabsViewInfoClass GetTabsViewInfoClass();
    virtual TcxCustomGridView* FindActiveGridView() = 0;
    virtual bool HasActiveGridView();
    virtual TcxCustomGridView* GetActiveGridView();
    virtual TcxGridLevel* GetActiveLevel() = 0;
    virtual bool GetVisible() { return true; }
    virtual void GetTabDefaultViewParams(TcxPartParams& params);
    virtual void GetTabParams(TcxGridLevel* tabLevel, TcxPartParams& params);
    virtual void InitTabHitTest(TcxCustomGridHitTest* hitTest) = 0;
    // A new object holding the tab strip's value; the caller owns it.
    virtual void GetCachedInfo(TcxCustomGridDetailsSiteViewInfoCachedInfo*& info);
    virtual const TMetaClass* GetCachedInfoClass() const;
    // Takes the value over and frees info.
    virtual void SetCachedInfo(TcxCustomGridDetailsSiteViewInfoCachedInfo*& info);
    virtual void Calculate(int left, int top);
    virtual void SetActiveLevel(TcxGridLevel* level, bool focusView) = 0;
    virtual bool HasDataForLevel(TcxGridLevel* level) = 0;
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    virtual bool IsTabNeeded(TcxGridLevel* level);
    virtual bool SupportsTabAccelerators() { return false; }
    virtual void VisibilityChanged(bool visible);

  private:
    TcxCustomGridView* activeGridView_ = nullptr;
    bool activeGridViewFound_ = false;
    bool fullyVisible_ = false;
    TcxGridLevel* level_;
    int normalHeight_ = 0;
    std::unique_ptr<TcxCustomGridDetailsSiteTabsViewInfo> tabsViewInfo_;
    TRect bounds_{};
};

// The strip of level tabs, described in the terms of the left strip; the top strip swaps directions.
// Its 4-pixel base band along the content side is where the active tab opens into the content.
class TcxCustomGridDetailsSiteTabsViewInfo {
  public:
    explicit TcxCustomGridDetailsSiteTabsViewInfo(TcxCustomGridDetailsSiteViewInfo* siteViewInfo);
    virtual ~TcxCustomGridDetailsSiteTabsViewInfo();
    TcxCustomGridDetailsSiteTabsViewInfo(const TcxCustomGridDetailsSiteTabsViewInfo&) = delete;
    TcxCustomGridDetailsSiteTabsViewInfo& operator=(const TcxCustomGridDetailsSiteTabsViewInfo&) = delete;
    // Makes one tab per visible child level of the site's level (a virtual step of construction).
    void CreateTabs();

    TcxCustomGridDetailsSiteViewInfo* GetSiteViewInfo() const { return siteViewInfo_; }
    TcxGridLevel* GetLevel() const;
    int GetCount() const { return static_cast<int>(tabs_.size()); }
    TcxCustomGridDetailsSiteTabViewInfo* GetItem(int index) const { return tabs_.at(static_cast<size_t>(index)).get(); }
    const TRect& GetBounds() const { return bounds_; }
    // Computed on the first request, then kept.
    int GetHeight();
    int GetWidth();
    // The strip's thickness less the base band and one pixel.
    int GetTabCrossSize();

    virtual void AdjustBounds() = 0;
    virtual int CalculateHeight();
    virtual int CalculateWidth();
    virtual void AdjustSiteHeight(int&) {}
    virtual void AdjustSiteWidth(int&) {}
    virtual TColor GetBackgroundColor();
    virtual int GetCachedValue() { return 0; }
    virtual void SetCachedValue(int) {}
    virtual bool IsVertical() = 0;
    virtual int GetInactiveTabOffset() = 0;
    virtual TcxGridDetailsSiteTabViewInfoClass GetTabClass() = 0;
    virtual int GetTabLength(TcxCustomGridDetailsSiteTabViewInfo* tab);
    virtual int GetTabThickness(TcxCustomGridDetailsSiteTabViewInfo* tab);
    virtual TcxBorders GetBaseBorders() = 0;
    virtual TRect GetBaseBounds() = 0;
    virtual TcxGridDetailsSiteTabsPainterClass GetPainterClass();
    virtual void Calculate(const TRect& r);
    virtual void AdjustClientBounds(TRect& r) = 0;
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    virtual bool ProcessDialogChar(std::uint16_t key);

  protected:
    TRect bounds_{};

  private:
    int height_ = 0;
    TcxCustomGridDetailsSiteViewInfo* siteViewInfo_;
    std::vector<std::unique_ptr<TcxCustomGridDetailsSiteTabViewInfo>> tabs_;
    int width_ = 0;
};

class TcxGridDetailsSiteLeftTabsViewInfo : public TcxCustomGridDetailsSiteTabsViewInfo {
  public:
    using TcxCustomGridDetailsSiteTabsViewInfo::TcxCustomGridDetailsSiteTabsViewInfo;
    void AdjustBounds() override;
    void AdjustSiteHeight(int& height) override;
    bool IsVertical() override { return true; }
    int GetInactiveTabOffset() override { return 3; }
    TcxGridDetailsSiteTabViewInfoClass GetTabClass() override;
    TcxBorders GetBaseBorders() override;
    TRect GetBaseBounds() override;
    void AdjustClientBounds(TRect& r) override;
};

class TcxGridDetailsSiteTopTabsViewInfo : public TcxCustomGridDetailsSiteTabsViewInfo {
  public:
    using TcxCustomGridDetailsSiteTabsViewInfo::TcxCustomGridDetailsSiteTabsViewInfo;
    void AdjustBounds() override;
    int CalculateHeight() override;
    int CalculateWidth() override;
    void AdjustSiteWidth(int& width) override;
    bool IsVertical() override { return false; }
    int GetInactiveTabOffset() override { return 2; }
    TcxGridDetailsSiteTabViewInfoClass GetTabClass() override;
    int GetTabLength(TcxCustomGridDetailsSiteTabViewInfo* tab) override;
    int GetTabThickness(TcxCustomGridDetailsSiteTabViewInfo* tab) override;
    TcxBorders GetBaseBorders() override;
    TRect GetBaseBounds() override;
    void AdjustClientBounds(TRect& r) override;
};

// One level tab.
class TcxCustomGridDetailsSiteTabViewInfo : public TcxCustomGridCellViewInfo {
    ZORVY_CLASS(TcxCustomGridDetailsSiteTabViewInfo, TcxCustomGridCellViewInfo)
  public:
    TcxCustomGridDetailsSiteTabViewInfo(TcxCustomGridDetailsSiteTabsViewInfo* tabsViewInfo, TcxGridLevel* level);
    ~TcxCustomGridDetailsSiteTabViewInfo() override;

    TcxGridLevel* GetLevel() const { return level_; }
    TcxCustomGridDetailsSiteTabsViewInfo* GetTabsViewInfo() const { return tabsViewInfo_; }
    TcxCustomGridDetailsSiteViewInfo* GetSiteViewInfo() const { return tabsViewInfo_->GetSiteViewInfo(); }
    int GetVisibleIndex() const { return visibleIndex_; }
    bool IsActive() const;
    bool IsVertical() const { return tabsViewInfo_->IsVertical(); }
    // The look-and-feel painter's tab edge width for the strip's orientation.
    int GetTabEdgeWidth() const;

    // The active tab is always drawn pressed.
    virtual TcxCustomGridCellState GetActualState();
    virtual bool ProcessDialogChar(std::uint16_t key);

    int CalculateHeight() override;
    int CalculateWidth() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TcxBorders CalculateBorders() override;
    int GetSideBorderWidth(TcxBorder) override { return GetTabEdgeWidth(); }
    TcxCanvas* GetCanvas() override;
    TcxControl* GetControl() override;
    const TMetaClass* GetHitTestClass() override { return TcxGridDetailsSiteTabHitTest::StaticClass(); }
    bool CanPress() override;
    bool IsDesignSelected() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    std::string CalculateText() override;
    TRect GetTextBounds() override;
    int GetTextAttributes(bool forPainting) override;
    std::string GetText() override;
    void GetViewParams(TcxPartParams& params) override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;

  private:
    // The tab next to this one in the strip (nil past either end).
    TcxCustomGridDetailsSiteTabViewInfo* Neighbour(int delta) const;

    int visibleIndex_;
    TcxGridLevel* level_;
    TcxCustomGridDetailsSiteTabsViewInfo* tabsViewInfo_;
};

class TcxGridDetailsSiteLeftTabViewInfo : public TcxCustomGridDetailsSiteTabViewInfo {
    ZORVY_CLASS(TcxGridDetailsSiteLeftTabViewInfo, TcxCustomGridDetailsSiteTabViewInfo)
  public:
    using TcxCustomGridDetailsSiteTabViewInfo::TcxCustomGridDetailsSiteTabViewInfo;
};

class TcxGridDetailsSiteTopTabViewInfo : public TcxCustomGridDetailsSiteTabViewInfo {
    ZORVY_CLASS(TcxGridDetailsSiteTopTabViewInfo, TcxCustomGridDetailsSiteTabViewInfo)
  public:
    using TcxCustomGridDetailsSiteTabViewInfo::TcxCustomGridDetailsSiteTabViewInfo;
};

// ---- painters, each made for one paint call ----

class TcxGridDetailsSitePainter {
  public:
    TcxGridDetailsSitePainter(TcxCanvas* canvas, TcxCustomGridDetailsSiteViewInfo* viewInfo)
        : canvas_(canvas), viewInfo_(viewInfo) {}
    virtual ~TcxGridDetailsSitePainter() = default;
    TcxGridDetailsSitePainter(const TcxGridDetailsSitePainter&) = delete;
    TcxGridDetailsSitePainter& operator=(const TcxGridDetailsSitePainter&) = delete;
    virtual void Paint();

  protected:
    virtual void DrawBackground();
    virtual void DrawFrame();
    virtual void DrawTabs();
    TcxCanvas* canvas_;
    TcxCustomGridDetailsSiteViewInfo* viewInfo_;
};

class TcxGridDetailsSiteTabsPainter {
  public:
    TcxGridDetailsSiteTabsPainter(TcxCanvas* canvas, TcxCustomGridDetailsSiteTabsViewInfo* viewInfo)
        : canvas_(canvas), viewInfo_(viewInfo) {}
    virtual ~TcxGridDetailsSiteTabsPainter() = default;
    TcxGridDetailsSiteTabsPainter(const TcxGridDetailsSiteTabsPainter&) = delete;
    TcxGridDetailsSiteTabsPainter& operator=(const TcxGridDetailsSiteTabsPainter&) = delete;
    // Paints within the strip's bounds; the clip region is set back also on failure.
    void PaintAll();

  protected:
    virtual void DrawBackground();
    virtual void DrawItems();
    virtual void DrawBase();
    virtual void Paint();
    TcxCanvas* canvas_;
    TcxCustomGridDetailsSiteTabsViewInfo* viewInfo_;
};

class TcxGridDetailsSiteTabPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void DrawBorder(TcxBorder side) override;
    void DrawContent() override;
};

} // namespace zorvy
