#pragma once
// The cells of a record: TcxGridTableCellViewInfo is any cell that belongs to a record view info;
// TcxGridTableDataCellViewInfo shows one item's value in one record through the editor framework, so
// a cell looks exactly like the in-place editor that replaces it. The data cell also measures
// automatic heights, tracks the editor's hot parts, gives hints and decides what a press or a
// release on it does.
#include "controls/grid/table/RecordViewInfo.h"

#include <memory>

namespace zorvy {

class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxCustomGridRecordsViewInfo;
class TcxCustomGridTableController;
class TcxCustomGridTableView;
class TcxCustomGridTableViewInfo;
class TcxCustomGridTableViewInfoCacheItem;
class Variant;

class TcxGridTableCellViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridTableCellViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    explicit TcxGridTableCellViewInfo(TcxCustomGridRecordViewInfo* recordViewInfo);

    TcxCustomGridRecordViewInfo* GetRecordViewInfo() const { return recordViewInfo_; }
    TcxCustomGridRecord* GetGridRecord() const { return recordViewInfo_->GetGridRecord(); }
    TcxCustomGridTableViewInfoCacheItem* GetCacheItem() const { return recordViewInfo_->GetCacheItem(); }
    TcxCustomGridTableController* GetTableController() const;
    TcxCustomGridTableView* GetTableView() const;
    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    // Computed once per layout of the cell.
    bool GetSelected();

    TcxCanvas* GetCanvas() override;
    const TMetaClass* GetHitTestClass() override;
    bool HasBackgroundBitmap() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    // The record handles the press first (it may focus itself and rebuild the layout).
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;

    virtual bool CalculateSelected();
    // True: the cell is drawn selected whenever its record is.
    virtual bool AlwaysSelected() { return false; }
    virtual bool CanShowSelection() { return false; }

  private:
    TcxCustomGridRecordViewInfo* recordViewInfo_;
    bool selected_ = false;
    bool selectedKnown_ = false;
};

class TcxGridTableDataCellViewInfo : public TcxGridTableCellViewInfo {
    ZORVY_CLASS(TcxGridTableDataCellViewInfo, TcxGridTableCellViewInfo)
  public:
    // Lists itself in the item, takes the item's properties for the record and its cell style.
    TcxGridTableDataCellViewInfo(TcxCustomGridRecordViewInfo* recordViewInfo, TcxCustomGridTableItem* item);
    ~TcxGridTableDataCellViewInfo() override;

    TcxCustomGridTableItem* GetItem() const { return item_; }
    TcxCustomEditViewInfo* GetEditViewInfo() const { return editViewInfo_.get(); }
    TcxCustomEditProperties* GetProperties();
    TPoint GetMousePos() const;
    bool GetShowEditButtons();
    bool IsBeingEdited();
    bool WasFocusedCell() const { return wasFocusedCell_; }

    // ---- editor view data and view info ----
    TcxCustomEditViewInfo* CreateEditViewInfo();
    void AcquireEditViewData();
    void ReleaseEditViewData();
    void UpdateEditorHotTrack(TPoint mousePos);
    void RepaintEditor();
    void UpdateEditPosition();

    // ---- overrides of the cell ----
    void MouseLeave() override;
    void AfterCustomDraw(TcxCanvas* canvas) override;
    void BeforeCustomDraw(TcxCanvas* canvas) override;
    int CalculateHeight() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    void CalculateParams() override;
    TRect GetClipBounds() override;
    const TMetaClass* GetHitTestClass() override;
    bool CanPress() override;
    bool CalculateMultiLine() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool ShowEndEllipsis() override;
    std::string CalculateText() override;
    void GetViewParams(TcxPartParams& params) override;
    bool HasCustomDraw() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    bool InvalidateOnStateChange() override { return false; }
    void DoOffset(int dx, int dy) override;
    void SetViewParams(const TcxPartParams& params) override;
    void GetViewParamsCopy(TcxPartParams& params) override;
    void StateChanged(TcxCustomGridCellState prevState) override;
    void BeforeRecalculation() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    bool MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) override;
    bool MouseUp(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    bool ShowsHint() override;
    TRect GetHintAreaBounds() override { return GetTextAreaBounds(); }
    bool NeedsHintAt(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine) override;
    bool CalculateSelected() override;
    bool CanShowSelection() override { return true; }

    // ---- operations of data cells ----
    virtual void CalculateEditViewInfo(TcxCustomEditViewInfo* editViewInfo, TPoint mousePos);
    virtual bool CanShowEditOnMouseDown(TMouseButton button);
    virtual bool CanShowEdit() { return true; }
    virtual bool GetAutoHeight();
    virtual Variant GetDisplayValue();
    // Where the in-place editor goes: the editor bounds less 1 pixel, cut to the editing area.
    virtual TRect GetEditBounds();
    virtual TRect GetEditViewInfoBounds() { return GetTextAreaBounds(); }
    virtual TRect GetEditContentOffsets() { return TRect{1, 1, 1, 1}; }
    virtual bool IsFocusedCell();
    virtual int GetMaxLineCount();
    virtual Variant GetValue();
    virtual bool ShowsFocusRect();
    virtual void CalculateIncSearchHighlight();
    virtual bool IsIncSearchingCell();
    virtual bool AllowsZeroHeight() { return false; }
    virtual bool GetCellHints();
    virtual bool HasCellHintHandler();
    virtual bool UsesDefaultHint() { return false; }
    virtual void InitEditStyle();
    virtual void InvalidateEditor(bool recalculate);

  private:
    friend class TcxCustomGridTableItem;
    // The item is being freed before the layout that shows it.
    void ForgetItem() { item_ = nullptr; }

    TcxCustomEditViewData* editViewData_ = nullptr; // held only while computing
    std::unique_ptr<TcxCustomEditViewInfo> editViewInfo_;
    bool editViewDataIsNew_ = false;
    TcxCustomGridTableItem* item_;
    TcxCustomEditProperties* properties_;
    TcxCustomEditStyle* editStyle_ = nullptr;
    bool wasFocusedCell_ = false;
};

} // namespace zorvy
