#pragma once
// A TcxControl that records what its hooks see and reports a content of a given size to its scroll
// bars, pixel by pixel.
#include "controls/foundation/control/Control.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {

class TTestControl : public TcxControl {
  public:
    explicit TTestControl(TComponent* owner) : TcxControl(owner) {}

    std::vector<std::string> Log;
    TSize Content{0, 0};
    bool PixelScrolling = true;
    bool EraseBackground = false;
    bool DragAndDropAllowed = false;
    int ParentBackgroundChanges = 0;
    TPoint Offset{0, 0};

    bool IsPixelScrolling(TScrollBarKind) const override { return PixelScrolling; }
    using TcxControl::RecalculateScrollBars;

  protected:
    void ComputeScrollBarParams() override {
        const TRect r = GetContentBounds();
        SetScrollBarInfo(sbHorizontal, 0, Content.cx - 1, 1, r.Width(), Offset.X, true, true);
        SetScrollBarInfo(sbVertical, 0, Content.cy - 1, 1, r.Height(), Offset.Y, true, true);
    }
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override {
        Log.push_back(std::string(kind == sbHorizontal ? "h" : "v") + std::to_string(code) + ":" +
                      std::to_string(pos));
    }
    void ProcessMouseDown(TMouseButton, TShiftState, int x, int y) override {
        Log.push_back("process " + std::to_string(x) + "," + std::to_string(y));
    }
    bool WantsEraseBackground() const override { return EraseBackground; }
    bool MayStartDragAndDrop(TPoint) override { return DragAndDropAllowed; }
    void ParentBackgroundChanged() override { ++ParentBackgroundChanges; }
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(clLime);
        GetCanvas()->FillRect(GetClientRect());
    }
};

class ControlTest : public FoundationTest {
  protected:
    TTestControl* NewControl(TForm* form, const TRect& bounds) {
        auto* control = new TTestControl(form);
        control->SetParent(form);
        control->SetBoundsRect(bounds);
        return control;
    }
};

} // namespace zorvy::test
