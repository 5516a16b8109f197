// The shared system-colour listener and its notifiers.
#include "controls/foundation/graphics/PaletteNotifier.h"

#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "platform/classlib/Controls.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>
#include <vector>

namespace zorvy {

namespace {

class TcxSystemPaletteChangedListener {
  public:
    TcxSystemPaletteChangedListener() {
        CreateOffice11Colors();
        window_ = AllocateHWnd([this](TMessage& m) { WindowProc(m); });
    }
    ~TcxSystemPaletteChangedListener() {
        DeallocateHWnd(window_);
        ReleaseOffice11Colors();
    }

    void AddNotifier(TcxSystemPaletteChangedNotifier* notifier, bool primary) {
        (primary ? primary_ : ordinary_).push_back(notifier);
    }
    void RemoveNotifier(TcxSystemPaletteChangedNotifier* notifier, bool primary) {
        std::erase(primary ? primary_ : ordinary_, notifier);
    }
    void BroadcastChange() {
        RefreshOffice11Colors();
        // A notifier may unregister others while it runs: walk by index and re-check the bounds.
        for (auto* list : {&primary_, &ordinary_})
            for (size_t i = list->size(); i-- > 0;)
                if (i < list->size()) (*list)[i]->PaletteChanged();
    }
    HWND Window() const { return window_; }
    int References = 0;

  private:
    void WindowProc(TMessage& m) {
        struct TDefault {
            HWND window;
            TMessage& message;
            ~TDefault() {
                message.Result = DefWindowProc(window, message.Msg, message.WParam, message.LParam);
            }
        } passOn{window_, m};
        if (m.Msg == WM_SYSCOLORCHANGE) BroadcastChange();
    }

    HWND window_ = 0;
    std::vector<TcxSystemPaletteChangedNotifier*> primary_;
    std::vector<TcxSystemPaletteChangedNotifier*> ordinary_;
};

TcxSystemPaletteChangedListener* listener = nullptr;

} // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary) : isPrimary_(isPrimary) {
    if (!listener) listener = new TcxSystemPaletteChangedListener;
    ++listener->References;
    listener->AddNotifier(this, isPrimary_);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
    listener->RemoveNotifier(this, isPrimary_);
    if (--listener->References == 0) FreeAndNil(listener);
}

void TcxSystemPaletteChangedNotifier::PaletteChanged() {
    if (OnSystemPaletteChanged) OnSystemPaletteChanged(this);
}

HWND SystemPaletteListenerWindow() {
    return listener ? listener->Window() : 0;
}

void BroadcastSystemPaletteChange() {
    if (listener)
        listener->BroadcastChange();
    else
        RefreshOffice11Colors();
}

} // namespace zorvy
