#pragma once
// The navigator's view info: lays the shown buttons out in a row (the painter's group-button insets
// around each image, spare width shared out evenly), paints them off screen with the look-and-feel
// painter, tracks the hot, pressed and focused button, repeats Prior and Next while held, and shows
// a button's hint after a pause.
#include "controls/grid/navigator/Navigator.h"
#include "platform/gdi/Geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxTimer;
class THintWindow;
class TcxCustomLookAndFeelPainter;

class TcxNavigatorButtonViewInfo {
  public:
    TcxNavigatorButton* Button = nullptr;
    TRect Bounds{};
    bool Enabled = false; // as last painted
    std::string Hint;
};

// The painted states of a button.
enum TcxNavigatorButtonPaintState { nbsNormal = 1, nbsHot = 2, nbsPressed = 3, nbsDisabled = 4 };

class TcxNavigatorViewInfo {
  public:
    TcxNavigatorViewInfo(IcxNavigatorOwner* navigator, bool isInplace);
    ~TcxNavigatorViewInfo();
    TcxNavigatorViewInfo(const TcxNavigatorViewInfo&) = delete;
    TcxNavigatorViewInfo& operator=(const TcxNavigatorViewInfo&) = delete;

    // The owner offers width x height and learns the size the navigator takes: never narrower than
    // the buttons need, spare width shared evenly (the remainder of the division stays empty).
    void Calculate(int& width, int& height, bool includeImages);
    // Calculates in the owner's bounds and takes each button's enabling and hint.
    void Update();
    void MakeDirty() { dirty_ = true; }
    bool IsDirty() const { return dirty_; }
    // Repaints the buttons whose enabling changed.
    void UpdateButtonsEnabled();
    void Paint();
    void Clear();

    // Mouse, in the owner's client coordinates; (-1, -1) to move means the mouse left.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);

    int GetButtonCount() const { return static_cast<int>(buttons_.size()); }
    TcxNavigatorButtonViewInfo* GetButton(int index) const { return buttons_.at(static_cast<size_t>(index)).get(); }
    // The first button whose bounds hold p.
    TcxNavigatorButtonViewInfo* GetButtonAt(TPoint p) const;
    TcxNavigatorButtonViewInfo* GetHotButton() const { return hot_; }
    TcxNavigatorButtonViewInfo* GetPressedButton() const { return pressed_; }
    // The focused button when shown, else the first shown one.
    TcxNavigatorButtonViewInfo* GetFocusedButtonInfo() const;
    TcxNavigatorButtonPaintState GetButtonState(const TcxNavigatorButtonViewInfo* info) const;
    TSize GetButtonSize(const TcxNavigatorButton* button, bool includeImages) const;
    bool IsSelected() const { return selected_; }

    // The text a hint shows: the hot button's hint up to its first "|".
    std::string GetHintText() const;
    void ShowHint(bool show);
    bool IsHintShowing() const { return hintShowing_; }

  private:
    const TcxCustomLookAndFeelPainter* GetPainter() const;
    TcxNavigatorButtonViewInfo* FindInfo(const TcxNavigatorButton* button) const;
    void InvalidateButton(const TcxNavigatorButtonViewInfo* info);
    void PaintButton(TcxCanvas* canvas, int index);
    void UpdateSelected();
    void PressTimerFired();
    void StopPressTimer();
    void HideHint();

    std::unique_ptr<TcxTimer> pressTimer_;
    std::vector<std::unique_ptr<TcxNavigatorButtonViewInfo>> buttons_;
    TcxNavigatorButton* focusedButton_ = nullptr;
    std::unique_ptr<TcxTimer> hintTimer_;
    std::unique_ptr<THintWindow> hintWindow_;
    bool hintShowing_ = false;
    TcxNavigatorButtonViewInfo* hot_ = nullptr;
    bool dirty_ = true;
    bool inplace_;
    bool selected_ = false;
    IcxNavigatorOwner* navigator_;
    TcxNavigatorButtonViewInfo* pressed_ = nullptr;
};

} // namespace zorvy
