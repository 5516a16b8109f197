#pragma once
// Drag and drop for custom-drawn controls: the internal drag-and-drop object a TcxControl drives
// (moving or sizing grid columns and bands), the standard drag object with its copy cursor, the drag
// gesture and threshold tests, and the geometry of the drop-position arrow.
#include "platform/classlib/Controls.h"

#include <array>

namespace zorvy {

class TcxControl;

// One internal drag operation of a control; descendants draw the feedback and decide acceptance.
// Points are in the control's client coordinates; both are (-1, -1) until the operation starts.
class TcxDragAndDropObject : public TObject {
    ZORVY_CLASS(TcxDragAndDropObject, TObject)
  public:
    explicit TcxDragAndDropObject(TcxControl* control);

    TcxControl* GetControl() const { return control_; }
    bool GetDirty() const { return dirty_; }
    // Calls RefreshFeedback when the value changes.
    void SetDirty(bool value);
    TPoint GetCurrentPoint() const { return currentPoint_; }
    TPoint GetPrevPoint() const { return prevPoint_; }
    void SetCurrentPoint(TPoint p);

    void Start();
    void MoveTo(TPoint p, bool& accepted);
    void Stop(bool accepted);

    virtual bool StartsImmediately() const { return false; }
    virtual TCursor GetCursorForAcceptance(bool accepted) const { return accepted ? crDrag : crNoDrop; }

  protected:
    virtual void RefreshFeedback() {}
    virtual void AfterStop(bool) {}
    virtual void StartTracking() { RefreshFeedback(); }
    virtual void TrackTo(TPoint p, bool& accepted);
    virtual void StopTracking(bool) { SetDirty(true); }

  private:
    TcxControl* control_;
    bool dirty_ = false;
    TPoint currentPoint_{-1, -1};
    TPoint prevPoint_{-1, -1};
};

// The standard drag object of a TcxControl: the copy cursor while Ctrl is held over an accepting
// target; freed when its drag finishes.
class TcxDragControlObject : public TDragControlObject {
    ZORVY_CLASS(TcxDragControlObject, TDragControlObject)
  public:
    using TDragControlObject::TDragControlObject;
    TCursor GetDragCursor(bool accepted, int x, int y) override;
    bool AutoRelease() const override { return true; }
};

// Both distances from the mouse-down point are below the system drag threshold.
bool IsWithinDragThreshold(TPoint mouseDownPos, int x, int y);
// Runs a message loop with the window holding the capture until the pointer leaves the drag square
// around the cursor (1), a button is released (0), or Esc, a lost capture or a quit request ends it (2).
int WaitForDragGesture(HWND wnd);

// Arrow places: 0 left of the target pointing right, 1 above pointing down, 2 right pointing left,
// 3 below pointing up.
TRect CalcArrowRect(const TRect& targetRect, const TRect& clipRect, int place);
// The arrow's outline; extra 1 gives the window region, which must hold the last row and column.
std::array<TPoint, 7> BuildArrowPolygon(const TRect& r, int place, int extra);

} // namespace zorvy
