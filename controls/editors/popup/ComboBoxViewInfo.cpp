#include "controls/editors/popup/ComboBoxViewInfo.h"

#include "controls/editors/popup/ComboBox.h"
#include "controls/foundation/graphics/Canvas.h"

namespace zorvy {

void TcxCustomComboBoxViewInfo::PaintText(TcxCanvas* canvas) {
    if (ItemIndex < 0) {
        TcxCustomTextEditViewInfo::PaintText(canvas);
        return;
    }
    DrawItem(canvas, TextRect);
}

void TcxCustomComboBoxViewInfo::DrawItem(TcxCanvas* canvas, const TRect& rect) {
    const TOwnerDrawState state = Focused ? odSelected | odFocused | odComboBoxEdit : odComboBoxEdit;
    if (Font) canvas->AssignFont(Font);
    canvas->CurrentBrush()->SetColor(SelectionBar ? clHighlight : BackgroundColor);
    canvas->CurrentFont()->SetColor(SelectionBar ? clHighlightText : TextColor);
    PrepareTextFont(canvas->CurrentFont());
    if (auto* combo = dynamic_cast<TcxCustomComboBox*>(Edit)) {
        combo->FireDrawItem(canvas, ItemIndex, rect, state);
        return;
    }
    // A grid cell: the handler draws with no control as sender.
    auto* p = dynamic_cast<TcxCustomComboBoxProperties*>(Properties);
    if (p && p->OnDrawItem) p->OnDrawItem(nullptr, canvas, ItemIndex, rect, state);
}

void TcxCustomComboBoxViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                             TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomDropDownEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxCustomComboBoxViewInfo*>(viewInfo);
    const auto* props = dynamic_cast<const TcxCustomComboBoxProperties*>(GetProperties());
    auto* combo = dynamic_cast<TcxCustomComboBox*>(Edit);
    vi->ItemIndex = -1;
    if (props && combo && props->GetDropDownListStyle() == lsFixedList && combo->HasCustomDrawItem())
        vi->ItemIndex = combo->GetItemIndex();
}

void TcxCustomComboBoxViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    TcxCustomDropDownEditViewData::FillEditorViewInfo(value, viewInfo);
    auto* vi = static_cast<TcxCustomComboBoxViewInfo*>(viewInfo);
    const auto* props = dynamic_cast<const TcxCustomComboBoxProperties*>(GetProperties());
    vi->ItemIndex = -1;
    if (!props || props->GetDropDownListStyle() != lsFixedList || !props->OnDrawItem) return;
    const std::string text = VarToStr(value);
    const auto& items = props->GetItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) {
            vi->ItemIndex = static_cast<int>(i);
            break;
        }
}

} // namespace zorvy
