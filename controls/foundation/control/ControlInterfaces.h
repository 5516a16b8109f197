#pragma once
// The small interfaces of the base control: popup-menu components that need not be a TPopupMenu, a
// mouse-capture owner that hears when it loses the capture, font listeners, and look-and-feel sources.
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Messages.h"

namespace zorvy {

class TFont;

// A component that can serve as a control's PopupMenu.
class IcxPopupMenuComponent {
  public:
    virtual ~IcxPopupMenuComponent() = default;
    virtual bool IsShortCutMessage(TMessage& keyMessage) = 0;
    virtual void PopupAt(int x, int y) = 0; // screen coordinates
};

// A sub-object (a grid cell's view info) that owned the control's mouse capture.
class IcxMouseCaptureClient {
  public:
    virtual ~IcxMouseCaptureClient() = default;
    virtual void CaptureLost() = 0;
};

class IcxControlFontListener {
  public:
    virtual ~IcxControlFontListener() = default;
    virtual void ControlFontChanged(TObject* sender, TFont* font) = 0;
};

} // namespace zorvy
