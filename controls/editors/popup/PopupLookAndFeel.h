#pragma once
// TcxEditPopupControlLookAndFeel: the look-and-feel a drop-down editor gives the controls in its
// popup. It shows what the editor shows (its look-and-feel kind, its themed look, its style's skin)
// and tells the popup's controls when that changed.
#include "controls/foundation/lookandfeel/LookAndFeel.h"

#include <functional>

namespace zorvy {

class TcxEditPopupControlLookAndFeel : public TcxLookAndFeel {
    ZORVY_CLASS(TcxEditPopupControlLookAndFeel, TcxLookAndFeel)
  public:
    // Answers the editor's kind, themed flag and skin name as they are now.
    using TcxEditLookSource = std::function<TcxLookAndFeelData()>;
    TcxEditPopupControlLookAndFeel(TPersistent* owner, TcxEditLookSource source);
    // Takes the editor's values again and announces those that changed.
    void Refresh();

  protected:
    TcxLookAndFeelKind ResolveKind() const override { return shown_.Kind; }
    bool ResolveNativeStyle() const override { return shown_.NativeStyle; }
    std::string ResolveSkinName() const override { return shown_.SkinName; }

  private:
    TcxEditLookSource source_;
    TcxLookAndFeelData shown_;
};

} // namespace zorvy
