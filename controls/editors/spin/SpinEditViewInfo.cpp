// The spin buttons' layout and arrows.
#include "controls/editors/spin/SpinEditViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/graphics/Canvas.h"

namespace zorvy {

// ---- view info ----

void TcxSpinEditViewInfo::AssignFrom(TcxContainerViewInfo* source) {
    TcxCustomTextEditViewInfo::AssignFrom(source);
    if (auto* other = dynamic_cast<TcxSpinEditViewInfo*>(source)) {
        ArrowExtent = other->ArrowExtent;
        SpinButtonsPosition = other->SpinButtonsPosition;
        SeparatorLine[0] = other->SeparatorLine[0];
        SeparatorLine[1] = other->SeparatorLine[1];
    }
}

TcxArrowDir TcxSpinEditViewInfo::ArrowDirection(int spinButton) const {
    if (spinButton >= 2) return spinButton == 2 ? arLeft : arRight;
    if (SpinButtonsPosition == sbpVert) return spinButton == 0 ? arDown : arUp;
    return spinButton == 0 ? arLeft : arRight;
}

void TcxSpinEditViewInfo::DrawButtonContent(TcxCanvas* canvas, int index, const TRect& contentRect, TColor penColor,
                                            TColor, bool pressed) {
    const TcxEditButtonViewInfo* button = Button(index);
    const int spinButton = button->ButtonIndex;
    const bool fast = spinButton >= 2;
    const TcxArrowDir direction = ArrowDirection(spinButton);
    if (button->State == ebsDisabled) {
        TRect embossed = contentRect;
        OffsetRect(embossed, 1, 1);
        PaintArrow(canvas, ArrowExtent, embossed, clBtnHighlight, false, fast, direction);
        PaintArrow(canvas, ArrowExtent, contentRect, clBtnShadow, false, fast, direction);
        return;
    }
    PaintArrow(canvas, ArrowExtent, contentRect, penColor, pressed || button->State == ebsPressed, fast, direction);
}

// ---- view data ----

void TcxSpinEditViewData::LayoutButton(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, TRect& r, int index) {
    auto* vi = static_cast<TcxSpinEditViewInfo*>(viewInfo);
    auto* p = static_cast<TcxCustomSpinEditProperties*>(GetProperties());
    const int count = vi->ButtonCount();
    // The framework fills and lays the buttons out from the last to the first: at the first one every
    // button is filled and all are placed at once.
    if (index != 0) return;
    vi->SpinButtonsPosition = p->GetSpinButtons()->GetPosition();
    vi->SeparatorLine[0] = vi->SeparatorLine[1] = TPoint{0, 0};
    TRect area = r;
    const bool fastButtons = count == 4;
    const int w = EditButtonWidth(canvas, vi->Button(0));
    vi->ArrowExtent = LayoutArrowSize(Size(w + 2, area.Height() / 2 + 2), arUp).cy;
    const int w2 = 4 * vi->ArrowExtent - 3;
    const int w3 = (3 * w2 + 1) / 2;
    // Button view infos are stored in the order of the buttons, the spin index being the button's.
    auto bounds = [&](int spinButton) -> TRect& {
        for (int i = 0; i < count; ++i)
            if (vi->Button(i)->ButtonIndex == spinButton) return vi->Button(i)->Bounds;
        return vi->Button(0)->Bounds;
    };
    for (int i = 0; i < count; ++i) vi->Button(i)->LeftAlignment = false;
    if (fastButtons) {
        bounds(3) = Rect(area.Right - w3, area.Top, area.Right, area.Bottom);
        area.Right -= w3;
    }
    const TcxSpinEditButtonsPosition position = vi->SpinButtonsPosition;
    if (position == sbpVert) {
        const int upHeight = area.Height() / 2;
        bounds(1) = Rect(area.Right - w, area.Top, area.Right, area.Top + upHeight);
        bounds(0) = Rect(area.Right - w, area.Top + upHeight, area.Right, area.Bottom);
        if (fastButtons) bounds(2) = Rect(area.Right - w - w3, area.Top, area.Right - w, area.Bottom);
    } else {
        bounds(1) = Rect(area.Right - w2, area.Top, area.Right, area.Bottom);
        area.Right -= w2;
        if (position == sbpHorzRight) {
            bounds(0) = Rect(area.Right - w2, area.Top, area.Right, area.Bottom);
            if (fastButtons) bounds(2) = Rect(area.Right - w2 - w3, area.Top, area.Right - w2, area.Bottom);
        } else {
            int left = area.Left;
            if (fastButtons) {
                bounds(2) = Rect(left, area.Top, left + w3, area.Bottom);
                left += w3;
            }
            bounds(0) = Rect(left, area.Top, left + w2, area.Bottom);
            for (int i = 0; i < count; ++i)
                if (vi->Button(i)->ButtonIndex == 0 || vi->Button(i)->ButtonIndex == 2)
                    vi->Button(i)->LeftAlignment = true;
        }
    }
    for (int i = 0; i < count; ++i) {
        TcxEditButtonViewInfo* button = vi->Button(i);
        button->VisibleBounds = button->Bounds;
        IntersectRect(button->VisibleBounds, button->VisibleBounds, vi->Bounds);
        button->NativePart = 0;
    }
}

bool TcxSpinEditViewData::ButtonCanTrackMouse(TcxCustomEditViewInfo*, int) { return SpinState == 0; }

bool TcxSpinEditViewData::IsButtonHeldDown(TcxCustomEditViewInfo* viewInfo, int index) {
    return SpinState != 0 && viewInfo->Button(index)->ButtonIndex == SpinState - 1;
}

} // namespace zorvy
