// The drop-down editors' shared settings and their limits.
#include "controls/editors/popup/DropDownEdit.h"
#include "controls/editors/popup/DropDownEditViewData.h"

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

// ---- The drop-down button ----

namespace {
bool IsUsableGlyph(const TBitmap* glyph) {
    return glyph && glyph->GetWidth() > 0 && glyph->GetHeight() > 0;
}
} // namespace

TBitmap* TcxCustomDropDownEditProperties::GetButtonGlyph() const {
    const int index = GetDropDownButtonIndex();
    if (index < 0 || index >= GetButtons()->GetCount()) return nullptr;
    return GetButtons()->ButtonAt(index)->PeekGlyph();
}

void TcxCustomDropDownEditProperties::ApplyGlyphOrArrow() {
    const int index = GetDropDownButtonIndex();
    if (index < 0 || index >= GetButtons()->GetCount()) return;
    TcxEditButton* button = GetButtons()->ButtonAt(index);
    button->SetKind(IsUsableGlyph(button->PeekGlyph()) ? bkGlyph : bkDown);
}

void TcxCustomDropDownEditProperties::SetButtonGlyph(TBitmap* value) {
    const int index = GetDropDownButtonIndex();
    if (index < 0 || index >= GetButtons()->GetCount()) return;
    BeginChanges();
    GetButtons()->ButtonAt(index)->SetGlyph(value);
    ApplyGlyphOrArrow();
    EndChanges();
}

void TcxCustomDropDownEditProperties::MoveGlyphToButton(int index) {
    const int from = GetDropDownButtonIndex();
    if (index == from || index < 0 || index >= GetButtons()->GetCount()) return;
    BeginChanges();
    TcxEditButton* target = GetButtons()->ButtonAt(index);
    if (from >= 0 && from < GetButtons()->GetCount()) {
        TcxEditButton* source = GetButtons()->ButtonAt(from);
        target->SetGlyph(source->PeekGlyph());
        source->SetGlyph(nullptr);
    }
    target->SetKind(bkGlyph);
    dropDownButtonIndex_ = index;
    EndChanges();
}

void TcxCustomDropDownEditProperties::Changed() {
    if (internalChanging_) return;
    internalChanging_ = true;
    try {
        ApplyGlyphOrArrow();
    } catch (...) {
        internalChanging_ = false;
        throw;
    }
    internalChanging_ = false;
    TcxCustomMaskEditProperties::Changed();
}

// ---- The popup ----

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

TcxCustomEditViewData* TcxCustomDropDownEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                     bool flag) {
    auto* viewData = new TcxCustomDropDownEditViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEdit* TcxCustomDropDownEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCustomDropDownEdit(nullptr, inplace, ClassType());
}

} // namespace zorvy
