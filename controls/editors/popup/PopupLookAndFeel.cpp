#include "controls/editors/popup/PopupLookAndFeel.h"

namespace zorvy {

TcxEditPopupControlLookAndFeel::TcxEditPopupControlLookAndFeel(TPersistent* owner, TcxEditLookSource source)
    : TcxLookAndFeel(owner), source_(std::move(source)) {}

void TcxEditPopupControlLookAndFeel::Refresh() {
    if (!source_) return;
    const TcxLookAndFeelData now = source_();
    TcxLookAndFeelValues changed = 0;
    if (now.Kind != shown_.Kind) changed |= LookAndFeelValue(lfvKind);
    if (now.NativeStyle != shown_.NativeStyle) changed |= LookAndFeelValue(lfvNativeStyle);
    if (now.SkinName != shown_.SkinName) changed |= LookAndFeelValue(lfvSkinName);
    shown_.Kind = now.Kind;
    shown_.NativeStyle = now.NativeStyle;
    shown_.SkinName = now.SkinName;
    HandleMasterChange(this, changed);
}

} // namespace zorvy
