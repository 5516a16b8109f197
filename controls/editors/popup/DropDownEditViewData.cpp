#include "controls/editors/popup/DropDownEditViewData.h"

#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/popup/DropDownEdit.h"

namespace zorvy {

bool TcxCustomDropDownEditViewData::IsDropDownButton(TcxCustomEditViewInfo* viewInfo, int index) const {
    const auto* p = dynamic_cast<const TcxCustomDropDownEditProperties*>(GetProperties());
    return p && index >= 0 && index < viewInfo->ButtonCount() &&
           viewInfo->Button(index)->ButtonIndex == p->GetDropDownButtonIndex();
}

bool TcxCustomDropDownEditViewData::ButtonCanTrackMouse(TcxCustomEditViewInfo* viewInfo, int index) {
    // The press that closed the popup does not press the arrow again.
    return !(HotWhileOpen && IsDropDownButton(viewInfo, index));
}

bool TcxCustomDropDownEditViewData::IsButtonHeldDown(TcxCustomEditViewInfo* viewInfo, int index) {
    const auto* p = dynamic_cast<const TcxCustomDropDownEditProperties*>(GetProperties());
    return p && Edit && (PopupOpen || HotWhileOpen) && p->KeepButtonPressed && IsDropDownButton(viewInfo, index);
}

void TcxCustomDropDownEditViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                                 TShiftState shift, TcxCustomEditViewInfo* viewInfo,
                                                 bool isMouseEvent) {
    TcxCustomTextEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(viewInfo);
    const auto* props = TextProperties();
    const bool listOnly = props && props->GetInputStyle() == istListOnly;
    auto* edit = dynamic_cast<TcxCustomTextEdit*>(Edit);
    if (IsInplace() || (edit && listOnly && props->GetFixedListPrefixSelection() && edit->IsCompletionHighlighted()))
        vi->SelectionBar = false;
    else
        vi->SelectionBar = listOnly && vi->Focused && !vi->Transparent && !vi->InnerEditShown;
}

} // namespace zorvy
