#include "controls/editors/framework/EditAlignment.h"

namespace zorvy {

void TcxEditAlignment::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxEditAlignment*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    vert_ = other->vert_;
    horz_ = other->horz_;
    isHorzAssigned_ = other->isHorzAssigned_;
    NotifyChange();
}

void TcxEditAlignment::SetHorz(TAlignment value) {
    if (isHorzAssigned_ && horz_ == value) return;
    isHorzAssigned_ = true;
    horz_ = value;
    NotifyChange();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment value) {
    if (vert_ == value) return;
    vert_ = value;
    NotifyChange();
}

void TcxEditAlignment::ResetHorz() {
    isHorzAssigned_ = false;
    NotifyChange();
}

void TcxEditAlignment::NotifyChange() {
    if (OnChanged) OnChanged(this);
}

} // namespace zorvy
