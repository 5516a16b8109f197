#pragma once
// TcxCustomGridViewInfo: a view's layout. It owns the site window the view draws in, runs the layout
// pass, keeps the client bounds and the mouse position, shows, hides or parks the site, answers hit
// tests and keeps the list of cells that are handling a mouse event. TcxCustomGridViewInfoCache keeps
// per-record sizes across layouts.
//
// A descendant creates its cells in CreateViewInfos, frees them in DestroyViewInfos, places them in
// CalculateLayout (calling the base last) and asks its own cells in GetHitTest before the base.
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewHandlers.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomGridCellViewInfo;
class TcxGridDesignSelectorViewInfo;
class TcxGridSite;
class TBitmap;
class TFont;

class TcxCustomGridViewInfo : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridViewInfo, TcxGridViewHandler)
  public:
    explicit TcxCustomGridViewInfo(TcxCustomGridView* gridView) : TcxGridViewHandler(gridView) {}
    ~TcxCustomGridViewInfo() override;
    // Creates the site (from GetSiteClass) and the cells once the most derived class stands.
    void AfterConstruction();
    // Frees the cells while the most derived class still stands.
    void BeforeDestruction();

    TcxGridSite* GetSite() const;
    TcxCanvas* GetCanvas() const;
    // The site's content bounds of the last layout pass.
    const TRect& GetBounds() const { return bounds_; }
    TRect GetClientBounds();
    int GetClientWidth();
    int GetClientHeight();
    void SetClientBounds(const TRect& r);
    TcxGridDesignSelectorViewInfo* GetDesignSelector() const { return designSelector_; }
    bool IsCalculating() const { return calculating_; }
    bool IsSizeCalculating() const { return sizeCalculating_; }
    bool IsSiteVisibilityChanging() const { return siteVisibilityChanging_; }
    // Its own flag, or a master's up the chain.
    bool IsInternal() const;
    void SetIsInternal(bool value) { internal_ = value; }
    bool GetAllowCheckCoordinates() const { return allowCheckCoordinates_; }
    void SetAllowCheckCoordinates(bool value) { allowCheckCoordinates_ = value; }
    bool GetAllowDetachSite() const { return allowDetachSite_; }
    void SetAllowDetachSite(bool value) { allowDetachSite_ = value; }

    // ---- layout ----
    // One pass in bounds (the site's new bounds); a pass asked for during a pass is ignored.
    void MainCalculate(const TRect& bounds);
    // A pass in the site's current bounds.
    void Recalculate();
    void GetHeight(TPoint maxSize, int& height, bool& fullyVisible);
    void GetWidth(TPoint maxSize, int& width);
    // The height of "Qq" in font on the view info's canvas.
    int GetTextHeight(TFont* font);

    // ---- mouse ----
    // The cursor in site client coordinates; (0x7FFFFFFF, 0x7FFFFFFF) when the site has no window.
    TPoint GetMousePos() const { return mousePos_; }
    void UpdateMousePos();
    void UpdateSiteVisibility(bool visible);

    // ---- live cells ----
    void AddLiveCell(TcxCustomGridCellViewInfo* cell) { liveCells_.push_back(cell); }
    bool IsCellLive(TcxCustomGridCellViewInfo* cell) const;
    // Removes one entry of the cell, or all of them.
    void RemoveLiveCell(TcxCustomGridCellViewInfo* cell, bool all = false);

    // ---- virtual operations ----
    virtual void CreateViewInfos();
    virtual void DestroyViewInfos(bool recreating);
    virtual void RecreateViewInfos();
    virtual const TMetaClass* GetDesignSelectorViewInfoClass() const;
    virtual bool CanDetachSite();
    virtual const TMetaClass* GetSiteClass() const;
    // The table view info removes the navigator's line.
    virtual void AdjustContentBounds(TRect&) {}
    virtual void AfterCalculating();
    virtual void BeforeCalculating() { UpdateMousePos(); }
    virtual void CalculateLayout();
    virtual TRect CalculateClientBounds() { return bounds_; }
    virtual void CalculateHeight(TPoint maxSize, int& height, bool& fullyVisible);
    virtual void CalculateWidth(TPoint maxSize, int& width);
    virtual bool CanCheckCoordinates() const { return !IsInternal() && allowCheckCoordinates_; }
    virtual void ControlFocusChanged() {}
    virtual TcxCustomGridHitTest* GetDefaultHitTest(TPoint p);
    virtual bool IsLayoutReady() const { return !calculating_ && !siteVisibilityChanging_; }
    virtual TBitmap* GetBackgroundBitmap();
    virtual TColor GetBackgroundColor();
    virtual TPoint GetDesignSelectorPosition() { return TPoint{bounds_.Left, bounds_.Top}; }
    virtual void AddHorzScrollBarOffset(int&) {}
    virtual bool GetIsInternal() const { return internal_; }
    virtual bool CanUpdateSiteVisibility();
    virtual void InitHitTest(TcxCustomGridHitTest* hitTest);
    virtual void SiteVisibilityChanged(bool visible);
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    TcxCustomGridHitTest* GetHitTestAt(int x, int y) { return GetHitTest(TPoint{x, y}); }

  private:
    std::vector<TcxCustomGridCellViewInfo*> liveCells_;
    bool allowCheckCoordinates_ = true;
    bool allowDetachSite_ = true;
    TRect bounds_{};
    TRect clientBounds_{};
    bool clientBoundsAssigned_ = false;
    TcxGridDesignSelectorViewInfo* designSelector_ = nullptr; // owned
    bool calculating_ = false;
    bool internal_ = false;
    TPoint mousePos_{0x7FFFFFFF, 0x7FFFFFFF};
    TWeakLink<TcxGridSite> site_; // owned, unless its grid freed it first as a child window
    bool sizeCalculating_ = false;
    bool siteVisibilityChanging_ = false;
    bool viewInfosDestroyed_ = false;
};

class TcxCustomGridViewInfoCache;
class TcxCustomGridViewInfoCacheItem;

// Makes the item of one record (the item class reference).
using TcxCustomGridViewInfoCacheItemClass = TcxCustomGridViewInfoCacheItem* (*)(TcxCustomGridViewInfoCache*, int);
template <class T> TcxCustomGridViewInfoCacheItemClass CacheItemClassOf() {
    return [](TcxCustomGridViewInfoCache* cache, int index) -> TcxCustomGridViewInfoCacheItem* {
        return new T(cache, index);
    };
}

// The remembered values of one record.
class TcxCustomGridViewInfoCacheItem : public TObject {
    ZORVY_CLASS(TcxCustomGridViewInfoCacheItem, TObject)
  public:
    TcxCustomGridViewInfoCacheItem(TcxCustomGridViewInfoCache* cache, int index) : index_(index), cache_(cache) {}
    int GetIndex() const { return index_; }
    TcxCustomGridViewInfoCache* GetCache() const { return cache_; }
    virtual void UnassignValues(bool /*keepMaster*/) {}

  private:
    int index_;
    TcxCustomGridViewInfoCache* cache_;
};

// Sizes kept across layouts, one item per record; a size change drops them.
class TcxCustomGridViewInfoCache : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridViewInfoCache, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    ~TcxCustomGridViewInfoCache() override;
    int GetCount() const { return static_cast<int>(items_.size()); }
    // Made on demand from GetItemClass.
    TcxCustomGridViewInfoCacheItem* GetItem(int index);
    // Frees every item, then resizes the list.
    void SetCount(int count);
    // Drops the remembered values; without keepMaster, the master records' items too.
    virtual void UnassignValues(bool keepMaster);

  protected:
    virtual TcxCustomGridViewInfoCacheItemClass GetItemClass(int index) const = 0;

  private:
    std::vector<TcxCustomGridViewInfoCacheItem*> items_; // owned; a slot may be nil
    bool unassigning_ = false;
};

} // namespace zorvy
