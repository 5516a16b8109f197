#pragma once
// The filter box: the strip above or below a table view's records that shows the filter as text,
// with buttons to remove the filter, switch it on and off, open the filter dialog ("Customize...")
// and drop down the recently used filters. TcxGridFilterViewInfo is the strip (a part of the table
// view info), TcxGridFilterButtonsViewInfo places the buttons from both ends of it, and each button
// is a cell with its own hit test and painter.
#include "controls/grid/table/PartViewInfo.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomGridFilterButtonViewInfo;
class TcxCustomGridTableFiltering;
class TcxDataFilterCriteria;
class TcxGridFilterBox;
class TcxGridFilterButtonsViewInfo;
class TcxGridFilterDropDownButtonViewInfo;

class TcxGridFilterViewInfo : public TcxCustomGridPartViewInfo {
    ZORVY_CLASS(TcxGridFilterViewInfo, TcxCustomGridPartViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridFilterViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    ~TcxGridFilterViewInfo() override;

    TcxGridFilterButtonsViewInfo* GetButtons() const { return buttons_.get(); }
    TcxDataFilterCriteria& GetFilter() const;
    TcxGridFilterBox* GetFilterBox() const;
    TcxCustomGridTableFiltering* GetFiltering() const;
    // The filter's caption, or "<Filter is Empty>".
    std::string GetFilterText() const;

    virtual TRect GetButtonsAreaBounds() { return Bounds; }
    virtual const TMetaClass* GetButtonsViewInfoClass() const;

    TcxGridPartAlignment GetAlignment() override;
    bool SpansViewWidth() override { return true; }
    bool GetVisible() override;
    int CalculateHeight() override;
    int CalculateWidth() override;
    TRect CalculateTextAreaBounds() override;
    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    std::string CalculateText() override { return GetFilterText(); }
    void GetViewParams(TcxPartParams& params) override;
    TBitmap* GetBackgroundBitmap() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    bool CanPress() override;
    void StateChanged(TcxCustomGridCellState prevState) override;
    void DoInvalidate() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void DoOffset(int dx, int dy) override;
    // The right end of the filter text as drawn (the drop-down button follows a short text).
    int GetTextRight();

  private:
    std::unique_ptr<TcxGridFilterButtonsViewInfo> buttons_;
};

class TcxGridFilterButtonsViewInfo : public TObject {
    ZORVY_CLASS(TcxGridFilterButtonsViewInfo, TObject)
  public:
    using TCreateOwner = TcxGridFilterViewInfo;
    explicit TcxGridFilterButtonsViewInfo(TcxGridFilterViewInfo* filterViewInfo);
    ~TcxGridFilterButtonsViewInfo() override;

    TcxGridFilterViewInfo* GetFilterViewInfo() const { return filterViewInfo_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxCustomGridFilterButtonViewInfo* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    TcxGridFilterDropDownButtonViewInfo* GetDropDownButton() const { return dropDownButton_; }
    // The tallest visible button + 8; 0 when none is visible.
    int GetHeight();
    // The sum over a side's visible buttons of (width + 4), plus 4; 0 when none is visible.
    int GetLeftWidth();
    int GetRightWidth();

    virtual void CreateItems();
    virtual void DestroyItems();
    virtual void Calculate(const TRect& bounds);
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);

  private:
    int GetSideWidth(bool right);

    TcxGridFilterViewInfo* filterViewInfo_;
    std::vector<TcxCustomGridFilterButtonViewInfo*> items_; // owned
    TcxGridFilterDropDownButtonViewInfo* dropDownButton_ = nullptr;
};

// A button of the filter box: shown only while the filter is not empty unless it says otherwise;
// it captures the mouse while pressed.
class TcxCustomGridFilterButtonViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxCustomGridFilterButtonViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxGridFilterButtonsViewInfo;
    explicit TcxCustomGridFilterButtonViewInfo(TcxGridFilterButtonsViewInfo* buttonsViewInfo);
    ~TcxCustomGridFilterButtonViewInfo() override { BeginDestruction(); }

    TcxGridFilterButtonsViewInfo* GetButtonsViewInfo() const { return buttonsViewInfo_; }
    TcxGridFilterViewInfo* GetFilterViewInfo() const { return buttonsViewInfo_->GetFilterViewInfo(); }
    virtual bool IsRightAligned() { return false; }

    bool GetVisible() override;
    bool CanPress() override { return true; }
    bool CaptureMouseOnPress() override { return true; }
    TcxCanvas* GetCanvas() override;

  private:
    TcxGridFilterButtonsViewInfo* buttonsViewInfo_;
};

class TcxGridFilterCloseButtonViewInfo : public TcxCustomGridFilterButtonViewInfo {
    ZORVY_CLASS(TcxGridFilterCloseButtonViewInfo, TcxCustomGridFilterButtonViewInfo)
  public:
    using TcxCustomGridFilterButtonViewInfo::TcxCustomGridFilterButtonViewInfo;
    int CalculateHeight() override;
    int CalculateWidth() override;
    void Click() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

class TcxGridFilterActivateButtonViewInfo : public TcxCustomGridFilterButtonViewInfo {
    ZORVY_CLASS(TcxGridFilterActivateButtonViewInfo, TcxCustomGridFilterButtonViewInfo)
  public:
    using TcxCustomGridFilterButtonViewInfo::TcxCustomGridFilterButtonViewInfo;
    int CalculateHeight() override;
    int CalculateWidth() override;
    void Click() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

// The "Customize..." push button at the right end.
class TcxGridFilterCustomizeButtonViewInfo : public TcxCustomGridFilterButtonViewInfo {
    ZORVY_CLASS(TcxGridFilterCustomizeButtonViewInfo, TcxCustomGridFilterButtonViewInfo)
  public:
    using TcxCustomGridFilterButtonViewInfo::TcxCustomGridFilterButtonViewInfo;
    bool IsRightAligned() override { return true; }
    bool GetVisible() override;
    int CalculateHeight() override;
    int CalculateWidth() override;
    int GetSideBorderWidth(TcxBorder side) override;
    TcxBorders CalculateBorders() override;
    TAlignment CalculateAlignmentHorz() override { return taCenter; }
    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    std::string CalculateText() override;
    void GetViewParams(TcxPartParams& params) override;
    void Click() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

// Opens the recently used filters; shown while the filtering object has some to show.
class TcxGridFilterDropDownButtonViewInfo : public TcxCustomGridFilterButtonViewInfo {
    ZORVY_CLASS(TcxGridFilterDropDownButtonViewInfo, TcxCustomGridFilterButtonViewInfo)
  public:
    using TcxCustomGridFilterButtonViewInfo::TcxCustomGridFilterButtonViewInfo;
    bool IsRightAligned() override { return true; }
    bool GetVisible() override;
    int CalculateHeight() override;
    int CalculateWidth() override;
    void StateChanged(TcxCustomGridCellState prevState) override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

// ---- painters ----

// The panel background, the text (underlined while hot or pressed), then the buttons.
class TcxGridFilterPainter : public TcxCustomGridPartPainter {
  public:
    using TcxCustomGridPartPainter::TcxCustomGridPartPainter;

  protected:
    void DrawBackgroundRect(const TRect& r) override;
    void PrepareCanvasForDrawText() override;
    void UnprepareCanvasForDrawText() override;
    void Paint() override;

  private:
    bool underlineAdded_ = false;
};

class TcxCustomGridFilterButtonPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    virtual void DrawButton() = 0;
    TcxButtonState ButtonState() const;
};

class TcxGridFilterCloseButtonPainter : public TcxCustomGridFilterButtonPainter {
  public:
    using TcxCustomGridFilterButtonPainter::TcxCustomGridFilterButtonPainter;

  protected:
    void DrawButton() override;
};

class TcxGridFilterActivateButtonPainter : public TcxCustomGridFilterButtonPainter {
  public:
    using TcxCustomGridFilterButtonPainter::TcxCustomGridFilterButtonPainter;

  protected:
    void DrawButton() override;
};

class TcxGridFilterCustomizeButtonPainter : public TcxCustomGridFilterButtonPainter {
  public:
    using TcxCustomGridFilterButtonPainter::TcxCustomGridFilterButtonPainter;

  protected:
    void DrawButton() override;
};

class TcxGridFilterDropDownButtonPainter : public TcxCustomGridFilterButtonPainter {
  public:
    using TcxCustomGridFilterButtonPainter::TcxCustomGridFilterButtonPainter;

  protected:
    void DrawButton() override;
};

} // namespace zorvy
