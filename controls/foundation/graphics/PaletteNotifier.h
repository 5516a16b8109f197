#pragma once
// System colour changes: one shared hidden window hears them and tells every notifier, primary ones
// (shared painter resources, caches) first, then ordinary ones (look-and-feels), each list from the
// newest registration to the oldest.
#include "platform/rtl/Components.h"
#include "platform/win/Handles.h"

namespace zorvy {

class TcxSystemPaletteChangedNotifier : public TObject {
  public:
    // Takes a reference on the shared listener (creating it with the first).
    explicit TcxSystemPaletteChangedNotifier(bool isPrimary = false);
    virtual ~TcxSystemPaletteChangedNotifier();
    TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
    TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

    bool IsPrimary() const { return isPrimary_; }
    // Fires OnSystemPaletteChanged.
    virtual void PaletteChanged();
    TNotifyEvent OnSystemPaletteChanged;

  private:
    bool isPrimary_;
};

// The hidden window of the shared listener (0 while no notifier exists); it reacts to WM_SYSCOLORCHANGE.
HWND SystemPaletteListenerWindow();
// What the listener does on WM_SYSCOLORCHANGE: the Office11 colours first, then the notifiers.
// The listener holds a reference on the Office11 colours while it lives.
void BroadcastSystemPaletteChange();

} // namespace zorvy
