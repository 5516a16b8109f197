// The check marks that follow the mouse in lists with checks.
#include "controls/editors/lists/ListCheckTracker.h"

#include <utility>

namespace zorvy {

bool IsShiftOrButtonHeld(TShiftState shift) {
    return (shift & (ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle | ssDouble)) != 0;
}

TcxListCheckTracker::TcxListCheckTracker(TcxInvalidateCheck invalidateCheck)
    : invalidateCheck_(std::move(invalidateCheck)) {}

void TcxListCheckTracker::Invalidate(int index) const {
    if (index >= 0 && invalidateCheck_) invalidateCheck_(index);
}

void TcxListCheckTracker::SetHotAndPressed(int hot, int pressed) {
    if (hot != hot_) {
        Invalidate(hot_);
        hot_ = hot;
        Invalidate(hot_);
    }
    if (pressed != pressed_) {
        Invalidate(pressed_);
        pressed_ = pressed;
        Invalidate(pressed_);
    }
}

void TcxListCheckTracker::Release(int hot) {
    captured_ = -1;
    SetHotAndPressed(hot, -1);
}

void TcxListCheckTracker::Recompute(int under, bool hotFollows) {
    int hot = hot_, pressed = pressed_;
    if (captured_ >= 0) {
        hot = -1;
        pressed = under == captured_ ? captured_ : -1;
    }
    if (hotFollows) hot = under;
    SetHotAndPressed(hot, pressed);
}

} // namespace zorvy
