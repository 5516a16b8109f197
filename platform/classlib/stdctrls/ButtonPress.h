#pragma once
// The press of a windowless button (not part of the API): it follows the left button from going down
// on the button until it comes up, and shows the button pressed while the pointer is over it.

namespace zorvy {

struct TButtonPress {
    bool Dragging = false; // the left button went down on the button and is still down
    bool Pressed = false;  // dragging and the pointer is over the button

    void Begin() { Dragging = Pressed = true; }
    // The pointer moved inside or outside the button: true when the button's look changes.
    bool Track(bool inside) {
        if (!Dragging || inside == Pressed) return false;
        Pressed = inside;
        return true;
    }
    // The left button came up: true when it ends a press.
    bool End() {
        if (!Dragging) return false;
        Cancel();
        return true;
    }
    void Cancel() { Dragging = Pressed = false; }
};

} // namespace zorvy
