#pragma once
// TcxCustomGridController: a view's input. It routes mouse events to the cell under the point, starts
// the grid's internal drags from hit tests, owns the cell hint window, opens and closes the
// customization form and hands the focus over between views. The base handles no key; the table
// controllers add navigation, selection, editing and scrolling. The design controllers route
// design-time selection to the grid's structure navigator (absent at run time).
#include "controls/foundation/control/Control.h"
#include "controls/foundation/services/MouseTracking.h"
#include "controls/grid/view/ViewHandlers.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCustomGridCellViewInfo;
class TcxCustomGridHitTest;
class TcxCustomGridViewCellViewInfo;
class TcxGridSite;
class TcxTimer;
class THintWindow;
class TFont;
class TList;
class TcxCustomGridDesignController;

class TcxCustomGridController : public TcxGridViewHandler, public IcxMouseTrackingAreaTest {
    ZORVY_CLASS(TcxCustomGridController, TcxGridViewHandler)
  public:
    explicit TcxCustomGridController(TcxCustomGridView* gridView);
    // Hides the hint; frees the hint window and the design controller.
    ~TcxCustomGridController() override;

    TcxGridSite* GetSite() const;
    // Created on first use while the view is being designed; nil otherwise.
    TcxCustomGridDesignController* GetDesignController();
    TcxCustomGridCellViewInfo* GetMouseCaptureCellViewInfo() const;
    bool IsDragging() const;
    bool IsDoubleClick() const { return isDoubleClick_; }
    bool IsFocusing() const { return isFocusing_; }
    bool IsCheckingCoordinates() const { return isCheckingCoordinates_; }
    void SetDragAndDropObjectClass(const TMetaClass* cls);
    void CheckCoordinatesLocked();
    // Hands a control-focus change of the view to its change queue.
    void PostControlFocusChange();
    void UpdateScrollBars();

    // ---- customization form ----
    bool GetCustomization() const { return customization_; }
    // Refused on a pattern view or before the site has a window (closing is always allowed).
    void SetCustomization(bool value);
    void RefreshCustomizationForm() {}

    // ---- hints ----
    TcxCustomGridViewCellViewInfo* GetHintCell() const { return hintCell_; }
    const TRect& GetHintArea() const { return hintArea_; }
    THintWindow* GetHintWindow() const { return hintWindow_.get(); }
    bool IsHintShown() const;
    void ShowHint(const TRect& hintArea, const TRect& textBounds, TcxCustomGridViewCellViewInfo* cell, TFont* font,
                  bool isMultiLine, const std::string& text);
    void HideHint();

    // ---- virtual operations ----
    virtual void CancelHint() { HideHint(); }
    virtual bool IsPointInHintArea(TPoint p);
    virtual void AfterPaint();
    virtual void BeforeFocusLost() {}
    virtual void BeforePaint();
    virtual bool CanFocusOnClick(int, int) { return true; }
    virtual bool CanHandleHitTest(TcxCustomGridHitTest* hitTest);
    virtual void CheckCoordinates() {}
    virtual void DetailFocused(TcxCustomGridView*) {}
    virtual void DoEnter() {}
    virtual void DoExit() {}
    virtual void FocusView(bool focusing);
    virtual const TMetaClass* GetDesignControllerClass() const;
    virtual bool IsDesignHitTest(TcxCustomGridHitTest* hitTest);
    virtual int GetMouseWheelScrollingKind() { return 0; }
    virtual TObject* GetPatternObject(TObject* object);
    virtual void UpdateCustomizationForm() {}
    virtual bool IsPixelScrollBar(TScrollBarKind) { return false; }
    virtual bool WantsSiteFocus() { return true; }
    virtual void UnfocusView();
    virtual void DoFocusView(bool focusing);
    virtual void CheckCustomizationFormBounds(TRect&) {}
    virtual void CustomizationChanged();
    virtual int GetCustomizationFormDefaultWidth() { return 180; }
    virtual int GetCustomizationFormDefaultHeight() { return 300; }
    virtual void ControlFocusChanged();
    virtual void CancelMouseOperations() {}
    virtual TCursor GetCursor(int x, int y);
    virtual bool HasFocusedControls() { return false; }
    virtual void InitScrollBars() {}
    virtual bool AreAllRecordsVisible() { return true; }
    virtual void Scroll(TScrollBarKind, TScrollCode, int&) {}
    virtual void BeforeStartDragAndDrop() {}
    virtual void AfterTrackDragAndDrop(TPoint, bool&) {}
    virtual void BeforeStopDragAndDrop(bool) {}
    virtual bool StartDragAndDrop(TPoint p);
    virtual void PostOrCancelEdit() {}
    virtual bool CanStartAutoDrag(int, int) { return true; }
    virtual void DoDragDrop(TObject*, int, int) {}
    virtual void DoDragOver(TObject*, int, int, TDragState, bool&) {}
    virtual void DrawDragImage(TcxCanvas*, const TRect&) {}
    virtual void DoEndDrag(TObject*, int, int) {}
    virtual TSize GetDragImageSize() { return TSize{0, 0}; }
    virtual bool HasDragImage() { return false; }
    virtual void DoStartDrag(TDragObject*&) {}
    virtual bool IsMouseOverSite();
    virtual const TMetaClass* GetHintWindowClass() const;
    virtual void KeyDown(std::uint16_t& key, TShiftState shift) { DoKeyDown(key, shift); }
    virtual void DoKeyDown(std::uint16_t&, TShiftState) {}
    virtual void KeyPress(char32_t&) {}
    virtual void KeyUp(std::uint16_t&, TShiftState) {}
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool ProcessDetailDialogChar(TcxCustomGridView*, std::uint16_t) { return false; }
    virtual bool ProcessDialogChar(std::uint16_t charCode);
    virtual void HandleMessage(TMessage& message);

    // Mouse tracking of the hint area.
    void MouseTrackingLeft() override { CancelHint(); }
    bool ContainsClientPoint(TPoint p) override { return IsPointInHintArea(p); }

  private:
    void HintCheckerTimerFired();

    bool customization_ = false;
    TRect customizationFormBounds_{};
    std::unique_ptr<TcxCustomGridDesignController> designController_;
    TRect hintArea_{};
    TcxCustomGridViewCellViewInfo* hintCell_ = nullptr;
    std::unique_ptr<TcxTimer> hintCheckerTimer_;
    TRect hintTextBounds_{};
    std::unique_ptr<THintWindow> hintWindow_;
    std::string hintText_;
    bool isCheckingCoordinates_ = false;
    bool isDoubleClick_ = false;
    bool isFocusing_ = false;
};

class TcxCustomGridDesignController : public TObject {
    ZORVY_CLASS(TcxCustomGridDesignController, TObject)
  public:
    virtual TcxControl* GetControl() const = 0;
    virtual TObject* GetDesignObject(TObject* object) const { return object; }
    // Without a structure navigator nothing is selected and nothing happens.
    bool IsObjectSelected(TObject* object) const;
    void SelectObject(TObject* object, bool clearSelection);
    void SelectObjects(TList* list);
    void UnselectObject(TObject* object);
};

class TcxGridViewDesignController : public TcxCustomGridDesignController {
    ZORVY_CLASS(TcxGridViewDesignController, TcxCustomGridDesignController)
  public:
    using TCreateOwner = TcxCustomGridController;
    explicit TcxGridViewDesignController(TcxCustomGridController* controller) : controller_(controller) {}
    TcxCustomGridController* GetController() const { return controller_; }
    TcxControl* GetControl() const override;
    TObject* GetDesignObject(TObject* object) const override;

  private:
    TcxCustomGridController* controller_;
};

} // namespace zorvy
