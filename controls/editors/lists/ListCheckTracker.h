#pragma once
// The hot, pressed and captured check marks of a list whose rows carry checks: the check list box and
// the check combo box's drop-down list follow the mouse with it.
#include "platform/classlib/ControlTypes.h"

#include <functional>

namespace zorvy {

// Whether a shift key or a mouse button is down: the hot check then stays where it was.
bool IsShiftOrButtonHeld(TShiftState shift);

class TcxListCheckTracker {
  public:
    // Repaints the check of one row (never called with -1).
    using TcxInvalidateCheck = std::function<void(int index)>;

    explicit TcxListCheckTracker(TcxInvalidateCheck invalidateCheck);

    int Hot() const { return hot_; }
    int Pressed() const { return pressed_; }
    int Captured() const { return captured_; }

    // Stores changed indexes and repaints the old and the new checks of each.
    void SetHotAndPressed(int hot, int pressed);
    // The check a left button went down on and still holds; -1 for none.
    void SetCaptured(int index) { captured_ = index; }
    // The button is up: nothing captured or pressed; `hot` becomes the hot check.
    void Release(int hot);
    // The pointer is over `under`: a captured check is drawn pressed only while the pointer is over it
    // (nothing is hot then); with `hotFollows`, the check under the pointer becomes hot.
    void Recompute(int under, bool hotFollows);
    // The pointer left the list.
    void Clear() { SetHotAndPressed(-1, -1); }

  private:
    void Invalidate(int index) const;

    TcxInvalidateCheck invalidateCheck_;
    int hot_ = -1;
    int pressed_ = -1;
    int captured_ = -1;
};

} // namespace zorvy
