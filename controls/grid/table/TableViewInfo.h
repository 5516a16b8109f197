#pragma once
// TcxCustomGridTableViewInfo: the layout root of a view whose content is a list of records. It
// stacks the view's horizontal parts (the filter box, and in descendants the group-by box, header
// and footer) above and below the records, owns the records layout, places the navigator on the
// horizontal scroll bar's line (or in a strip under the records when that bar is hidden) and owns
// it, answers hit tests (parts, then records, then the navigator), shows the "no data" text and
// scrolls an existing layout by records or pixels without a new pass.
//
// A descendant supplies GetRecordsViewInfoClass and creates its own parts with CreatePart.
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/view/ViewInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomGridPartViewInfo;
class TcxCustomGridRecordsViewInfo;
class TcxCustomGridTableController;
class TcxCustomGridTableView;
class TcxCustomGridTableViewData;
class TcxGridFilterViewInfo;
class TcxNavigatorSiteViewInfo;
class TcxNavigatorViewInfo;

// Where a part lies: above (top) or below (bottom) the records.
enum TcxGridPartAlignment { gpaTop = 0, gpaBottom = 1 };

class TcxCustomGridTableViewInfo : public TcxCustomGridViewInfo, public IcxNavigatorOwner {
    ZORVY_CLASS(TcxCustomGridTableViewInfo, TcxCustomGridViewInfo)
  public:
    explicit TcxCustomGridTableViewInfo(TcxCustomGridView* gridView);
    ~TcxCustomGridTableViewInfo() override;

    TcxCustomGridTableView* GetGridView() const;
    TcxCustomGridTableController* GetController() const;
    TcxCustomGridTableViewData* GetViewData() const;

    // ---- layout direction and first record (temporary layouts of the controller) ----
    bool GetCalculateDown() const { return calculateDown_; }
    void SetCalculateDown(bool value) { calculateDown_ = value; }
    // -1: the controller's top record index.
    void SetFirstRecordIndex(int value) { firstRecordIndex_ = value; }
    int GetFirstRecordIndex() const;
    int GetVisibleRecordCount() const;
    int GetExpandButtonSize() const;

    // ---- owned view infos ----
    TcxGridFilterViewInfo* GetFilterViewInfo() const { return filterViewInfo_; }
    TcxCustomGridRecordsViewInfo* GetRecordsViewInfo() const { return recordsViewInfo_; }
    TcxNavigatorSiteViewInfo* GetNavigatorSiteViewInfo() const { return navigatorSiteViewInfo_; }
    TcxNavigatorViewInfo* GetNavigatorViewInfo() const { return navigatorViewInfo_.get(); }
    TPoint GetNavigatorSize() const { return navigatorSize_; }

    // ---- parts ----
    // Makes a part of partClass (its owner is this view info) and lists it when it asks to be.
    TcxCustomGridPartViewInfo* CreatePart(const TMetaClass* partClass);
    void AddPart(TcxCustomGridPartViewInfo* part);
    void RemovePart(TcxCustomGridPartViewInfo* part);
    TcxCustomGridPartViewInfo* GetPart(int index) const { return parts_.at(static_cast<size_t>(index)); }
    int GetPartCount() const { return static_cast<int>(parts_.size()); }
    int IndexOfPart(const TcxCustomGridPartViewInfo* part) const;
    // Moves a part to another stacking position.
    void MovePart(TcxCustomGridPartViewInfo* part, int index);
    int GetPartsHeight(TcxGridPartAlignment alignment) const;
    // Lays every listed part out (in the layout pass, before the records).
    void CalculateParts();
    int GetTopPartsHeight() const { return GetPartsHeight(gpaTop); }
    int GetBottomPartsHeight() const { return GetPartsHeight(gpaBottom); }

    // ---- overrides of the view layout ----
    void CreateViewInfos() override;
    void DestroyViewInfos(bool recreating) override;
    void AdjustContentBounds(TRect& r) override;
    void AfterCalculating() override;
    void CalculateLayout() override;
    TRect CalculateClientBounds() override;
    void ControlFocusChanged() override;
    TcxCustomGridHitTest* GetDefaultHitTest(TPoint p) override;
    void AddHorzScrollBarOffset(int& value) override;
    bool GetIsInternal() const override;
    void SiteVisibilityChanged(bool visible) override;

    // ---- operations of table layouts ----
    virtual TRect GetNavigatorBounds() override;
    virtual void AfterOffset();
    virtual void ResetIncSearching();
    virtual TRect GetPartBounds(TcxCustomGridPartViewInfo* part);
    // -1: the controller measures with a temporary layout.
    virtual int GetPageRecordCount() { return -1; }
    virtual int GetDefaultGridModeBufferCount() { return 0; }
    virtual const TMetaClass* GetFilterViewInfoClass() const;
    virtual int GetNavigatorOffset() const;
    virtual TRect GetNavigatorSiteBounds();
    virtual const TMetaClass* GetNavigatorSiteViewInfoClass() const;
    virtual std::string GetNoDataToDisplayText() const;
    virtual TRect GetRecordsAreaBounds();
    virtual void GetBackgroundParams(TcxPartParams& params);
    virtual bool ShowsNoDataText();
    virtual int GetNonRecordsAreaHeight(bool withScrollBar);
    virtual const TMetaClass* GetRecordsViewInfoClass() const = 0;
    virtual TRect CalculateRecordsAreaBounds() { return GetClientBounds(); }
    // Where in-place editors and their cells must lie.
    virtual TRect GetEditingAreaBounds() { return CalculateRecordsAreaBounds(); }
    // What clips the records' cells.
    virtual TRect GetCellsAreaBounds() { return CalculateRecordsAreaBounds(); }
    // What moves when the records scroll vertically.
    virtual TRect GetScrollableAreaBounds() { return CalculateRecordsAreaBounds(); }
    virtual void OffsetRecords(int recordCountDelta);
    virtual void OffsetRecordsBy(int dx, int dy);
    virtual bool CanOffsetView(int /*recordCountDelta*/, int /*dx*/, int /*dy*/) { return true; }
    virtual bool CanOffsetRecords(int recordCountDelta);
    // Scrolls the laid-out records, or runs a new pass when that cannot be done.
    virtual void OffsetView(int recordCountDelta, int dx, int dy);
    virtual int GetNearestPopulatedHeight(int height, bool /*allowExtraRecord*/) { return height; }
    virtual int GetHeightForRecordCount(int /*recordCount*/) { return 0; }

    // ---- IcxNavigatorOwner ----
    void NavigatorChanged(TcxNavigatorChangeType changeType) override;
    TcxCustomNavigatorButtons* GetNavigatorButtons() override;
    TCanvas* GetNavigatorCanvas() override;
    TWinControl* GetNavigatorControl() override;
    bool GetNavigatorFocused() override { return false; }
    TcxLookAndFeel* GetNavigatorLookAndFeel() override;
    TComponent* GetNavigatorOwner() override;
    bool GetNavigatorShowHint() override;
    bool GetNavigatorTabStop() override { return false; }
    void RefreshNavigator() override;
    void NavigatorStateChanged() override;

  private:
    bool calculateDown_ = true;
    TcxGridFilterViewInfo* filterViewInfo_ = nullptr; // owned
    int firstRecordIndex_ = -1;
    TPoint navigatorSize_{};
    TcxNavigatorSiteViewInfo* navigatorSiteViewInfo_ = nullptr; // owned
    std::unique_ptr<TcxNavigatorViewInfo> navigatorViewInfo_;   // kept across passes
    std::vector<TcxCustomGridPartViewInfo*> parts_;
    TcxCustomGridRecordsViewInfo* recordsViewInfo_ = nullptr; // owned
};

} // namespace zorvy
