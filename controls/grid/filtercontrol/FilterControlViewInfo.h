#pragma once
// The filter control's shared geometry (row height, widest row, the add-condition button, the focus
// frame) and its off-screen bitmap, and the painter that draws rows onto that bitmap. Each row lays
// out its own parts (FilterControlRows.h).
#include "controls/grid/filtercontrol/FilterControlRows.h"

#include <memory>
#include <string>

namespace zorvy {

class TBitmap;
class TcxCanvas;
class TcxCustomFilterControl;
class TcxFilterControlPainter;

class TcxFilterControlViewInfo {
  public:
    explicit TcxFilterControlViewInfo(TcxCustomFilterControl* control);
    virtual ~TcxFilterControlViewInfo();

    void Calculate();
    virtual void CalculateFocusRect();
    virtual void HitTestAt(TShiftState shift, TPoint p, TcxFilterControlHitInfo& info);
    void Paint(TcxCanvas* target);
    // Lays the row out again where it is and repaints it.
    void InvalidateRow(TcxCustomRowViewInfo* row);
    // Repaints the add-condition button only when its state changed.
    void UpdateAddConditionButton();
    // The state of a button part from the focused and hot parts.
    TcxButtonState ButtonStateFor(TcxCustomRowViewInfo* row, TcxFilterControlHitTest part);

    TcxCustomFilterControl* GetControl() const { return control_; }
    const TRect& GetAddConditionRect() const { return addConditionRect_; }
    const std::string& GetAddConditionCaption() const { return addConditionCaption_; }
    void SetAddConditionCaption(const std::string& value) { addConditionCaption_ = value; }
    TcxButtonState GetAddConditionState() const { return addConditionState_; }
    const TRect& GetFocusRect() const { return focusRect_; }
    int GetMaxRowWidth() const { return maxRowWidth_; }
    int GetRowHeight() const { return rowHeight_; }
    int GetMinValueWidth() const { return minValueWidth_; }
    bool GetEnabled() const { return enabled_; }
    TcxCanvas* GetCanvas() const { return canvas_.get(); }
    TBitmap* GetBitmap() const { return bitmap_.get(); }

  protected:
    virtual int GetValueEditorHeight();

  private:
    TcxFilterControlHitTest AddConditionKind() const;
    TcxCustomFilterControl* control_;
    TRect addConditionRect_{};
    std::string addConditionCaption_;
    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TcxCanvas> canvas_;
    TcxButtonState addConditionState_ = cxbsNormal;
    TRect focusRect_{};
    int maxRowWidth_ = 0;
    std::unique_ptr<TcxFilterControlPainter> painter_;
    int rowHeight_ = 0;
    int minValueWidth_ = 0;
    bool enabled_ = false;
};

class TcxFilterControlPainter {
  public:
    explicit TcxFilterControlPainter(TcxCustomFilterControl* control) : control_(control) {}
    virtual ~TcxFilterControlPainter() = default;
    virtual void DrawRow(TcxCustomRowViewInfo* row);

  protected:
    // Embossed when the control is disabled.
    void DrawText(int x, int y, const std::string& text);
    void DrawLevelLine(const TRect& r);
    void DrawLevelLines(TcxCustomRowViewInfo* row);
    void DrawValues(TcxConditionViewInfo* row);
    TcxCanvas* Canvas() const;

  private:
    TcxCustomFilterControl* control_;
};

// The dotted level-line brush's pattern: every pixel whose column and row share parity is set.
bool FilterLevelLinePixelSet(int x, int y);

} // namespace zorvy
