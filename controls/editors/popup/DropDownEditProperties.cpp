// The drop-down editors' shared settings and their limits.
#include "controls/editors/popup/DropDownEdit.h"

#include "controls/editors/framework/EditButtons.h"

#include <algorithm>

namespace zorvy {

TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties(TPersistent* owner)
    : TcxCustomMaskEditProperties(owner) {
    GetButtons()->AddButton()->SetKind(bkDown);
}

void TcxCustomDropDownEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomDropDownEditProperties*>(source);
    if (!other) {
        TcxCustomMaskEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    try {
        TcxCustomMaskEditProperties::Assign(source);
        ImmediateDropDown = other->ImmediateDropDown;
        ImmediatePopup = other->ImmediatePopup;
        KeepButtonPressed = other->KeepButtonPressed;
        PostPopupValueOnTab = other->PostPopupValueOnTab;
        PopupDirection = other->PopupDirection;
        PopupVertAlignment = other->PopupVertAlignment;
        popupHorzAlignment_ = other->popupHorzAlignment_;
        SetPopupAutoSize(other->popupAutoSize_);
        SetPopupClientEdge(other->popupClientEdge_);
        // Minimums first, so that the sizes meet their limits.
        SetPopupMinHeight(other->popupMinHeight_);
        SetPopupMinWidth(other->popupMinWidth_);
        SetPopupHeight(other->popupHeight_);
        SetPopupWidth(other->popupWidth_);
        SetPopupSizeable(other->popupSizeable_);
        SetPopupSysPanelStyle(other->popupSysPanelStyle_);
        OnClosePopup = other->OnClosePopup;
        OnCloseQuery = other->OnCloseQuery;
        OnCloseUp = other->OnCloseUp;
        OnInitPopup = other->OnInitPopup;
        OnPopup = other->OnPopup;
    } catch (...) {
        EndChanges();
        throw;
    }
    EndChanges();
}

void TcxCustomDropDownEditProperties::SetPopupAutoSize(bool value) {
    if (value == popupAutoSize_) return;
    popupAutoSize_ = value;
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupClientEdge(bool value) {
    if (value == popupClientEdge_) return;
    popupClientEdge_ = value;
    Changed();
}

TAlignment TcxCustomDropDownEditProperties::GetPopupAlignment() const {
    switch (popupHorzAlignment_) {
    case phaRight:
        return taRightJustify;
    case phaCenter:
        return taCenter;
    default:
        return taLeftJustify;
    }
}

void TcxCustomDropDownEditProperties::SetPopupAlignment(TAlignment value) {
    const TcxPopupHorzAlign align = value == taRightJustify ? phaRight : value == taCenter ? phaCenter : phaLeft;
    if (align == popupHorzAlignment_) return;
    popupHorzAlignment_ = align;
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupHeight(int value) {
    value = std::max(value, popupMinHeight_);
    if (value == popupHeight_) return;
    popupHeight_ = value;
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupWidth(int value) {
    value = value <= 0 ? 0 : std::max(value, popupMinWidth_);
    if (value == popupWidth_) return;
    popupWidth_ = value;
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupMinHeight(int value) {
    value = std::max(value, 0);
    if (value == popupMinHeight_) return;
    popupMinHeight_ = value;
    SetPopupHeight(popupHeight_);
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupMinWidth(int value) {
    value = std::max(value, 0);
    if (value == popupMinWidth_) return;
    popupMinWidth_ = value;
    SetPopupWidth(popupWidth_);
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupSizeable(bool value) {
    if (value == popupSizeable_) return;
    popupSizeable_ = value;
    Changed();
}

void TcxCustomDropDownEditProperties::SetPopupSysPanelStyle(bool value) {
    if (value == popupSysPanelStyle_) return;
    popupSysPanelStyle_ = value;
    Changed();
}

TcxEditPopupWindowFactory TcxCustomDropDownEditProperties::GetPopupWindowClass() const {
    return [](TWinControl* ownerEdit) -> TcxCustomEditPopupWindow* { return new TcxCustomEditPopupWindow(ownerEdit); };
}

const TMetaClass* TcxCustomDropDownEditProperties::GetEditControlClass() const {
    return TcxCustomDropDownEdit::StaticClass();
}

TcxCustomEdit* TcxCustomDropDownEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCustomDropDownEdit(nullptr, inplace, ClassType());
}

} // namespace zorvy
