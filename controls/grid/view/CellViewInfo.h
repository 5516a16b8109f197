#pragma once
// The laid-out cells of a grid: TcxCustomGridCellViewInfo is one visible part (a header, a record, a
// data cell, a button, a level tab) with its bounds, borders, text and view parameters, its hot and
// pressed state, an optional drop-down window and the hit test it answers; it paints through a
// short-lived cell painter. TcxCustomGridViewCellViewInfo is a cell of a view (its canvas and control
// are the view's site) and can show a hint; TcxGridDesignSelectorViewInfo is the design-time selector.
//
// A descendant supplies GetHitTestClass (nil: the cell answers no hit test) and, as it needs them,
// the text, view parameters, borders and sizes.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/MouseTracking.h"
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/scrollbars/ScrollBarParts.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/view/GridPopup.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/classlib/ControlTypes.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxControl;
class TcxCustomGridCellPainter;
class TcxCustomGridController;
class TcxCustomGridView;
class TcxCustomGridViewInfo;
class TcxCustomLookAndFeelPainter;


enum TcxCustomGridCellState { gcsNone = 0, gcsHot = 1, gcsPressed = 2 };

// Makes the painter of one paint call (the painter class reference).
using TcxCustomGridCellPainterClass = TcxCustomGridCellPainter* (*)(TcxCanvas*, TcxCustomGridCellViewInfo*);
template <class T> TcxCustomGridCellPainterClass CellPainterClassOf() {
    return [](TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo) -> TcxCustomGridCellPainter* {
        return new T(canvas, viewInfo);
    };
}

class TcxCustomGridCellViewInfo : public TObject,
                                  public IcxCustomGridPopupOwner,
                                  public IcxMouseTrackingAreaTest,
                                  public IcxMouseCaptureClient {
    ZORVY_CLASS(TcxCustomGridCellViewInfo, TObject)
  public:
    TcxCustomGridCellViewInfo() = default;
    // Unlinks the hit test, gives up an owned drop-down window, releases the mouse capture and ends
    // mouse tracking.
    ~TcxCustomGridCellViewInfo() override;
    // A cell that can adopt a drop-down window left without owner takes it over (pressed).
    void AfterConstruction();

    // ---- state and geometry ----
    TRect Bounds{};
    TcxBorders Borders = 0;
    std::string Text;
    bool Visible = true;
    TcxPartParams ViewParams;
    TcxCustomGridCellState GetState() const { return DoGetState(); }
    void SetState(TcxCustomGridCellState value);
    TcxButtonState GetButtonState() const;
    TAlignment GetAlignmentHorz() const { return alignmentHorz_; }
    TcxAlignmentVert GetAlignmentVert() const { return alignmentVert_; }
    bool IsMultiLine() const { return multiLine_; }
    bool IsMultiLinePainting() const { return multiLinePainting_; }
    bool IsCalculated() const { return calculated_; }
    bool IsDestroying() const { return destroying_; }
    TcxCustomGridHitTest* GetHitTestLink() const { return hitTest_; }
    TRect GetContentBounds();
    TRect GetTextAreaBounds();
    int GetBorderWidth(TcxBorder side);
    int GetHeight() const { return Bounds.Bottom - Bounds.Top; }
    int GetWidth() const { return Bounds.Right - Bounds.Left; }

    // ---- text metrics ----
    int GetTextWidth(int fontAngle = 0);
    int GetTextWidthWithMargins() { return GetTextWidth() + 4; }
    int GetTextHeight(int fontAngle = 0);
    int GetTextHeightWithMargins() { return GetTextHeight() + 4; }
    void GetAlignedTextBounds(bool horz, bool vert, TRect& r);

    // ---- layout ----
    // Computes the parameters once per layout pass (re-entrant calls do nothing).
    void EnsureCalculated();
    void Recalculate();
    void RecalculateAndInvalidate();
    // Moves the cell; its state is dropped and re-evaluated.
    void Offset(int dx, int dy);

    // ---- virtual operations ----
    virtual void CaptureLost() override;
    virtual void MouseLeave();
    virtual bool PtInCaller(TPoint p);
    virtual void ResetCachedBounds(const TRect& bounds);
    virtual void AfterCustomDraw(TcxCanvas* canvas);
    virtual void BeforeCustomDraw(TcxCanvas* canvas);
    virtual void BeforeStateChange() {}
    virtual TRect CalculateContentBounds();
    virtual TRect CalculateTextAreaBounds() { return GetContentBounds(); }
    virtual int CalculateHeight() { return GetHeight(); }
    virtual int CalculateWidth() { return GetWidth(); }
    virtual bool CaptureMouseOnPress() { return false; }
    virtual void Click() {}
    virtual bool DoCustomDraw(TcxCanvas*) { return false; }
    virtual bool DoCustomDrawBackground(TcxCanvas*) { return false; }
    virtual void CalculateParams();
    virtual void DoInvalidate();
    virtual bool CustomDraw(TcxCanvas* canvas);
    virtual bool CustomDrawBackground(TcxCanvas* canvas);
    virtual TcxCustomGridCellState DoGetState() const { return state_; }
    virtual TAlignment CalculateAlignmentHorz() { return taLeftJustify; }
    virtual TcxAlignmentVert CalculateAlignmentVert() { return vaTop; }
    // Empty: no clipping.
    virtual TRect GetClipBounds() { return TRect{}; }
    virtual TBitmap* GetBackgroundBitmap() { return ViewParams.Bitmap; }
    virtual TRect GetBorderBounds(TcxBorder side);
    virtual TColor GetBorderColor(TcxBorder) { return clDefault; }
    virtual TcxBorders CalculateBorders() { return 0; }
    virtual int GetSideBorderWidth(TcxBorder) { return 0; }
    virtual TcxCanvas* GetCanvas() = 0;
    virtual int CalculateHeightForTextHeight(int textHeight) { return textHeight + 4; }
    virtual int GetTextAreaHeight();
    virtual int GetTextAreaWidth();
    // The control whose canvas the cell paints on (nil when none).
    virtual TcxControl* GetControl() { return nullptr; }
    virtual TRect GetDesignSelectionBounds();
    virtual int GetDesignSelectionWidth() { return 2; }
    virtual const TMetaClass* GetHitTestClass() = 0;
    virtual bool CanPress() { return HasDropDownWindow(); }
    virtual bool HasDropDownWindow() { return GetDropDownWindow() != nullptr; }
    virtual bool IsDesignSelected() { return false; }
    virtual bool GetVisibleForPainting() { return GetVisible(); }
    virtual bool GetMouseCapture();
    virtual bool CalculateMultiLine() { return false; }
    virtual bool CalculateMultiLinePainting() { return multiLine_; }
    virtual TcxCustomGridCellPainterClass GetPainterClass();
    virtual bool ShowEndEllipsis() { return false; }
    virtual std::string CalculateText() { return {}; }
    virtual TRect GetTextBounds();
    virtual int GetTextAttributes(bool forPainting);
    virtual int GetHeightForText(TcxCustomGridViewInfo* viewInfo, int extra);
    virtual std::string GetText() { return Text; }
    virtual bool HasBackgroundBitmap() { return GetBackgroundBitmap() != nullptr; }
    virtual void GetViewParams(TcxPartParams&) {}
    virtual bool GetVisible() { return Visible; }
    virtual bool GetVisibleForHitTest() { return GetVisible(); }
    virtual bool HasBackground() { return true; }
    virtual bool HasCustomDraw() { return false; }
    virtual bool HasCustomDrawBackground() { return false; }
    virtual bool HasPoint(TPoint p) { return PtInCellBounds(p); }
    virtual bool IsHitTestOwn(TcxCustomGridHitTest* hitTest);
    virtual void InitHitTest(TcxCustomGridHitTest* hitTest);
    virtual bool InvalidateOnStateChange() { return true; }
    virtual void DoOffset(int dx, int dy);
    virtual void SetViewParams(const TcxPartParams& params) { ViewParams = params; }
    virtual void GetViewParamsCopy(TcxPartParams& params) { params = ViewParams; }
    virtual void SetHeight(int value) { Bounds.Bottom = Bounds.Top + value; }
    virtual void SetMouseCapture(bool value);
    virtual void SetWidth(int value) { Bounds.Right = Bounds.Left + value; }
    virtual void StateChanged(TcxCustomGridCellState prevState);
    virtual void ShowDropDownWindow();
    virtual void PopupClosed() override { SetState(gcsNone); }
    virtual bool ClosePopupOnOwnerRemoval() override { return true; }
    virtual bool CanAdoptDropDownWindow() { return false; }
    virtual TcxCustomGridPopup* GetDropDownWindow() { return nullptr; }
    virtual TRect GetDropDownWindowOwnerBounds() override { return Bounds; }
    virtual bool IsDropDownWindowFree();
    virtual void BeforeRecalculation() { parametersCalculated_ = false; }
    virtual void Calculate(int left, int top, int width = -1, int height = -1);
    virtual void CalculateFromBounds(const TRect& r);
    virtual TRect GetPaintBounds() { return Bounds; }
    virtual int GetWidthWithBorders();
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    virtual bool PtInCellBounds(TPoint p);
    virtual void Invalidate() { DoInvalidate(); }
    virtual bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift);
    virtual bool MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift);
    virtual bool MouseUp(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift);
    virtual void Paint(TcxCanvas* canvas = nullptr);

    // Mouse tracking: the pointer left the cell's bounds.
    void MouseTrackingLeft() override { MouseLeave(); }
    bool ContainsClientPoint(TPoint p) override { return PtInCaller(p); }

  protected:
    // Every destructor of a descendant that may be asked for its state during destruction calls it.
    void BeginDestruction() { destroying_ = true; }

  private:
    friend class TcxCustomGridHitTest;
    // Measures text on the cell's canvas with the cell's font.
    void MeasureText(TRect& r, int flags, int fontAngle);

    bool calculated_ = false;
    bool calculatingParams_ = false;
    TAlignment alignmentHorz_ = taLeftJustify;
    TcxAlignmentVert alignmentVert_ = vaTop;
    bool destroying_ = false;
    TcxCustomGridHitTest* hitTest_ = nullptr;
    bool parametersCalculated_ = false;
    TcxCustomGridCellState state_ = gcsNone;
    TRect contentBounds_{};
    TRect textAreaBounds_{};
    bool multiLine_ = false;
    bool multiLinePainting_ = false;
};

// A cell of one view: it paints on the view's site and may show a hint over truncated text.
class TcxCustomGridViewCellViewInfo : public TcxCustomGridCellViewInfo {
    ZORVY_CLASS(TcxCustomGridViewCellViewInfo, TcxCustomGridCellViewInfo)
  public:
    explicit TcxCustomGridViewCellViewInfo(TcxCustomGridViewInfo* gridViewInfo) : gridViewInfo_(gridViewInfo) {}
    // Leaves the view info's live-cell list and hides the hint it shows.
    ~TcxCustomGridViewCellViewInfo() override;

    TcxCustomGridViewInfo* GetGridViewInfo() const { return gridViewInfo_; }
    TcxCustomGridView* GetGridView() const;
    TcxCustomGridController* GetController() const;
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;

    TcxCanvas* GetCanvas() override;
    TcxControl* GetControl() override;
    void DoInvalidate() override;
    void ResetCachedBounds(const TRect& bounds) override;
    bool IsHitTestOwn(TcxCustomGridHitTest* hitTest) override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    void BeforeRecalculation() override;
    void Invalidate() override;
    bool MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) override;

    // ---- hot tracking and hints ----
    // Whether a cell laid out under a resting mouse becomes hot at once.
    virtual bool HasHotTrack() { return false; }
    virtual bool ShowsHint() { return false; }
    virtual TRect GetHintAreaClip() { return GetClipBounds(); }
    virtual TRect GetHintAreaBounds() { return GetTextBounds(); }
    virtual std::string GetHintText() { return Text; }
    virtual TRect GetHintTextBounds(TPoint) { return GetTextBounds(); }
    virtual bool IsPointInHintArea(TPoint p);
    virtual void GetHintInfo(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine);
    virtual bool HintsOnlyForTruncatedText() { return true; }
    virtual bool IsHintMultiLine() { return IsMultiLinePainting(); }
    virtual bool NeedsHintAt(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine);
    // Shows, moves or hides the hint after a mouse move over the cell.
    void ShowCellHint(TcxCustomGridHitTest* hitTest);

  private:
    TcxCustomGridViewInfo* gridViewInfo_;
};

// The triangular selector in a view's top-left corner at design time.
class TcxGridDesignSelectorViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridDesignSelectorViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxCustomGridViewInfo;
    explicit TcxGridDesignSelectorViewInfo(TcxCustomGridViewInfo* gridViewInfo);
    ~TcxGridDesignSelectorViewInfo() override;
    TcxRegion* GetRegion() const { return region_.get(); }

    int CalculateHeight() override { return 20; }
    int CalculateWidth() override { return 20; }
    const TMetaClass* GetHitTestClass() override { return TcxGridDesignSelectorHitTest::StaticClass(); }
    bool CanPress() override { return true; }
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    bool PtInCellBounds(TPoint p) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;

  private:
    std::unique_ptr<TcxRegion> region_;
};

} // namespace zorvy
