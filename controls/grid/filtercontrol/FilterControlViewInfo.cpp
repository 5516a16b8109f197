// The filter control's layout pass, hit test, off-screen painting with the rows, buttons, values and
// dotted level lines, and the partial repaints of hot tracking.
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"

#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace zorvy {

bool FilterLevelLinePixelSet(int x, int y) {
    return (x & 1) == (y & 1);
}

TcxFilterControlViewInfo::TcxFilterControlViewInfo(TcxCustomFilterControl* control)
    : control_(control), bitmap_(std::make_unique<TBitmap>()),
      canvas_(std::make_unique<TcxCanvas>(bitmap_->GetCanvas())),
      painter_(std::make_unique<TcxFilterControlPainter>(control)) {}

TcxFilterControlViewInfo::~TcxFilterControlViewInfo() = default;

int TcxFilterControlViewInfo::GetValueEditorHeight() {
    TcxCustomEditProperties* properties = control_->GetDefaultProperties();
    TcxCustomEditStyle* style = control_->GetValueEditStyle();
    style->SetFont(control_->GetFontValue());
    std::unique_ptr<TcxCustomEditViewData> viewData(properties->MakeViewData(style, true));
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(properties->CreateViewInfo());
    TSize size{};
    viewData->MeasureEditorSize(control_->GetActiveCanvas(), Variant(std::string("Yy")), TcxEditSizeProperties{},
                                viewInfo.get(), size);
    return size.cy;
}

TcxButtonState TcxFilterControlViewInfo::ButtonStateFor(TcxCustomRowViewInfo* row, TcxFilterControlHitTest part) {
    if (!enabled_) return cxbsDisabled;
    const TcxFilterControlHitInfo& focused = control_->GetFocusedInfo();
    const TcxFilterControlHitInfo& hot = control_->GetHotInfo();
    const bool anyRow = part == fhtAddCondition;
    if (focused.HitTest == part && (anyRow || focused.Row == row)) return cxbsDefault;
    if (control_->CanHotTrack() && hot.HitTest == part && (anyRow || hot.Row == row)) return cxbsHot;
    return cxbsNormal;
}

void TcxFilterControlViewInfo::Calculate() {
    const int width = std::max(1, control_->GetWidth());
    const int height = std::max(1, control_->GetHeight());
    if (bitmap_->GetWidth() != width || bitmap_->GetHeight() != height) bitmap_->SetSize(width, height);
    enabled_ = control_->HasItems() && control_->GetEnabled();
    TcxCanvas* canvas = control_->GetActiveCanvas();
    int rowHeight = canvas->MeasureFontLineHeight(control_->GetFont());
    canvas->AssignFont(control_->GetFont());
    minValueWidth_ = 12 * canvas->MeasureTextWidth("0");
    for (TFont* font : {control_->GetFontBoolOperator(), control_->GetFontItem(), control_->GetFontCondition()})
        rowHeight = std::max(rowHeight, canvas->MeasureFontLineHeight(font));
    rowHeight = std::max(rowHeight, GetValueEditorHeight());
    rowHeight_ = MulDiv(rowHeight, 3, 2);

    const TRect content = control_->GetContentBounds();
    TRect r = Rect(content.Left - control_->GetLeftOffset(), content.Top, content.Right, content.Top + rowHeight_);
    OffsetRect(r, 0, -control_->GetTopRow() * rowHeight_);
    maxRowWidth_ = 0;
    for (int i = 0; i < control_->GetRowCount(); ++i) {
        TcxCustomRowViewInfo* row = control_->GetRow(i);
        row->Calculate(r);
        maxRowWidth_ = std::max(maxRowWidth_, row->MeasureWidth());
        OffsetRect(r, 0, rowHeight_);
    }
    const int indent = control_->GetRow(control_->GetRowCount() - 1)->GetIndent();
    canvas->AssignFont(control_->GetFont());
    const int buttonWidth = canvas->MeasureTextWidth(addConditionCaption_ + "00");
    const int buttonHeight = rowHeight_ - 4;
    const int left = r.Left + indent + 4;
    const int top = r.Top + (rowHeight_ - buttonHeight) / 2;
    addConditionRect_ = Rect(left, top, left + buttonWidth, top + buttonHeight);
    maxRowWidth_ = std::max(maxRowWidth_, buttonWidth + indent + 4);
    addConditionState_ = ButtonStateFor(nullptr, fhtAddCondition);
    CalculateFocusRect();
}

void TcxFilterControlViewInfo::CalculateFocusRect() {
    focusRect_ = {};
    if (!control_->HasItems()) {
        focusRect_ = control_->GetContentBounds();
        InflateRect(focusRect_, -2, -2);
        return;
    }
    const TcxFilterControlHitInfo& focused = control_->GetFocusedInfo();
    TcxCustomRowViewInfo* row = focused.Row;
    if (!row) return;
    auto* condition = row->IsGroup() ? nullptr : static_cast<TcxConditionViewInfo*>(row);
    switch (focused.HitTest) {
    case fhtBoolOperator:
        if (row->IsGroup()) focusRect_ = static_cast<TcxGroupViewInfo*>(row)->GetBoolOperatorRect();
        break;
    case fhtItem:
        if (condition) focusRect_ = condition->GetItemRect();
        break;
    case fhtOperator:
        if (condition) focusRect_ = condition->GetOperatorRect();
        break;
    case fhtValue:
        if (condition && focused.ValueIndex >= 0 && focused.ValueIndex < condition->GetValues()->GetCount())
            focusRect_ = condition->GetValues()->GetValue(focused.ValueIndex)->ValueRect;
        break;
    default:
        return;
    }
    if (!IsRectEmpty(focusRect_)) InflateRect(focusRect_, 1, 1);
}

void TcxFilterControlViewInfo::HitTestAt(TShiftState shift, TPoint p, TcxFilterControlHitInfo& info) {
    info = {};
    info.Point = p;
    info.Shift = shift;
    info.Row = control_->GetFocusedRow() ? control_->GetFocusedRow() : control_->GetRoot();
    if (!PtInRect(control_->GetContentBounds(), p)) return;
    if (PtInRect(addConditionRect_, p)) {
        info.HitTest = fhtAddCondition;
        return;
    }
    for (int i = control_->GetTopRow(); i < control_->GetRowCount(); ++i) {
        TcxCustomRowViewInfo* row = control_->GetRow(i);
        if (!PtInRect(row->GetRowRect(), p)) continue;
        info.Row = row;
        row->HitTestAt(p, info);
        return;
    }
}

void TcxFilterControlViewInfo::Paint(TcxCanvas* target) {
    const TRect content = control_->GetContentBounds();
    canvas_->CurrentBrush()->SetStyle(bsSolid);
    canvas_->CurrentBrush()->SetColor(control_->GetColor());
    canvas_->FillRectOrTile(content);
    for (int i = control_->GetTopRow(); i < control_->GetRowCount(); ++i) {
        TcxCustomRowViewInfo* row = control_->GetRow(i);
        if (canvas_->RectIsVisible(row->GetRowRect())) painter_->DrawRow(row);
        if (row->GetRowRect().Top > content.Bottom) break;
    }
    canvas_->CurrentBrush()->SetStyle(bsSolid);
    canvas_->CurrentBrush()->SetColor(control_->GetColor());
    canvas_->AssignFont(control_->GetFont());
    control_->GetLookAndFeelPainter()->DrawPushButton(canvas_.get(), addConditionRect_, addConditionCaption_,
                                                      addConditionState_, true);
    if (!IsRectEmpty(focusRect_) && control_->IsFocusedOrEditing()) canvas_->PaintFocusRect(focusRect_);
    control_->GetLookAndFeelPainter()->DrawControlBorder(canvas_.get(), control_->GetControlBounds());
    const TRect whole = Rect(0, 0, bitmap_->GetWidth(), bitmap_->GetHeight());
    target->CopyRectFrom(whole, bitmap_->GetCanvas(), whole);
}

void TcxFilterControlViewInfo::InvalidateRow(TcxCustomRowViewInfo* row) {
    row->Calculate(row->GetRowRect());
    control_->InvalidateArea(row->GetRowRect(), false);
}

void TcxFilterControlViewInfo::UpdateAddConditionButton() {
    const TcxButtonState state = ButtonStateFor(nullptr, fhtAddCondition);
    CalculateFocusRect();
    if (state == addConditionState_) return;
    addConditionState_ = state;
    control_->InvalidateArea(addConditionRect_, true);
}

// ---- the painter ----

TcxCanvas* TcxFilterControlPainter::Canvas() const {
    return control_->GetViewInfo()->GetCanvas();
}

void TcxFilterControlPainter::DrawText(int x, int y, const std::string& text) {
    TcxCanvas* canvas = Canvas();
    canvas->CurrentBrush()->SetStyle(bsClear);
    if (!control_->GetViewInfo()->GetEnabled()) {
        const TColor color = canvas->CurrentFont()->GetColor();
        canvas->CurrentFont()->SetColor(clBtnHighlight);
        canvas->GetCanvas()->TextOut(x + 1, y + 1, text);
        canvas->CurrentFont()->SetColor(clBtnShadow);
        canvas->GetCanvas()->TextOut(x, y, text);
        canvas->CurrentFont()->SetColor(color);
        return;
    }
    canvas->GetCanvas()->TextOut(x, y, text);
}

void TcxFilterControlPainter::DrawLevelLine(const TRect& r) {
    TcxCanvas* canvas = Canvas();
    const TColor set = control_->GetColor();
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            canvas->PaintPixel(x, y, FilterLevelLinePixelSet(x, y) ? set : cl3DDkShadow);
}

void TcxFilterControlPainter::DrawLevelLines(TcxCustomRowViewInfo* row) {
    if (!control_->GetShowLevelLines() || row->GetLevel() == 0) return;
    const TRect& rowRect = row->GetRowRect();
    const int half = row->GetButtonRect().Width() / 2;
    const int x = row->GetParent()->GetButtonRect().Left + half;
    const int h = control_->GetViewInfo()->GetRowHeight() / 2;
    DrawLevelLine(Rect(x, rowRect.Top, x + 1, rowRect.Top + h));
    if (!row->IsLast()) DrawLevelLine(Rect(x, rowRect.Top + h, x + 1, rowRect.Top + 2 * h + 1));
    DrawLevelLine(Rect(x, rowRect.Top + h, row->GetButtonRect().Left - 3, rowRect.Top + h + 1));
    for (TcxCustomRowViewInfo* ancestor = row->GetParent(); ancestor && ancestor->GetParent();
         ancestor = ancestor->GetParent())
        if (!ancestor->IsLast()) {
            const int ax = ancestor->GetParent()->GetButtonRect().Left + half;
            DrawLevelLine(Rect(ax, rowRect.Top, ax + 1, rowRect.Bottom));
        }
}

void TcxFilterControlPainter::DrawRow(TcxCustomRowViewInfo* row) {
    TcxCanvas* canvas = Canvas();
    canvas->CurrentBrush()->SetStyle(bsSolid);
    canvas->CurrentBrush()->SetColor(control_->GetColor());
    canvas->FillRectOrTile(row->GetRowRect());
    canvas->AssignFont(control_->GetFont());
    control_->GetLookAndFeelPainter()->DrawPushButton(canvas, row->GetButtonRect(), row->GetButtonText(),
                                                      row->GetButtonState(), true);
    if (row->IsGroup()) {
        auto* group = static_cast<TcxGroupViewInfo*>(row);
        canvas->AssignFont(control_->GetFont());
        DrawText(group->GetCaptionRect().Left, group->GetCaptionRect().Top + 1, group->GetCaption());
        canvas->AssignFont(control_->GetFontBoolOperator());
        DrawText(group->GetBoolOperatorRect().Left + 1, group->GetBoolOperatorRect().Top + 1,
                 group->GetBoolOperatorText());
    } else {
        auto* condition = static_cast<TcxConditionViewInfo*>(row);
        canvas->AssignFont(control_->GetFontItem());
        DrawText(condition->GetItemRect().Left + 1, condition->GetItemRect().Top + 1, condition->GetItemText());
        canvas->AssignFont(control_->GetFontCondition());
        DrawText(condition->GetOperatorRect().Left + 1, condition->GetOperatorRect().Top + 1,
                 condition->GetOperatorText());
        DrawValues(condition);
    }
    DrawLevelLines(row);
}

void TcxFilterControlPainter::DrawValues(TcxConditionViewInfo* row) {
    if (!row->HasValues()) return;
    TcxValuesViewInfo* values = row->GetValues();
    TcxCanvas* canvas = Canvas();
    const int count = values->GetCount();
    for (int i = 0; i < count; ++i)
        if (TcxCustomEditViewInfo* viewInfo = values->GetValue(i)->ViewInfo.get()) viewInfo->PaintTo(canvas);
    const int code = row->Operator;
    canvas->CurrentBrush()->SetStyle(bsSolid);
    canvas->CurrentBrush()->SetColor(control_->GetColor());
    if (code == fcoBetween || code == fcoNotBetween) {
        canvas->AssignFont(control_->GetFontCondition());
        for (int i = 0; i + 1 < count; ++i) {
            const TRect& r = values->GetValue(i)->ValueRect;
            DrawText(r.Right + 4, r.Top + 1, values->GetSeparator());
        }
    } else if ((code == fcoInList || code == fcoNotInList) && count > 0) {
        canvas->AssignFont(control_->GetFontValue());
        for (int i = 0; i + 1 < count; ++i) {
            const TRect& r = values->GetValue(i)->ValueRect;
            DrawText(r.Right + 2, r.Top + 1, values->GetSeparator());
        }
        DrawText(row->GetOperatorRect().Right + 4, row->GetOperatorRect().Top, "(");
        const TRect& last = values->GetValue(count - 1)->ValueRect;
        DrawText(last.Right + 3, last.Top + 1, ")");
        control_->GetLookAndFeelPainter()->DrawPushButton(canvas, values->GetAddButtonRect(), "+",
                                                          values->GetAddButtonState(), true);
    }
}

// ---- the control's paint ----

void TcxCustomFilterControl::Paint() {
    if (!HandleAllocated()) return;
    if (viewInfo_->GetRowHeight() == 0) viewInfo_->Calculate();
    viewInfo_->Paint(GetCanvasWrapper());
}

} // namespace zorvy
