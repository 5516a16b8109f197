// The image combo box's drop-down list with images, and its cell layout and painting.
#include "controls/editors/combos/ImageComboBox.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>

namespace zorvy {

// ---- the list ----

const TcxCustomImageComboBoxProperties* TcxImageComboBoxListBox::ImageProperties() const {
    TcxCustomTextEdit* edit = GetOwnerEdit();
    return edit ? dynamic_cast<const TcxCustomImageComboBoxProperties*>(edit->GetTextProperties()) : nullptr;
}

TCustomImageList* TcxImageComboBoxListBox::GetImageList() const {
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    if (!p) return nullptr;
    return p->GetLargeImages() ? p->GetLargeImages() : p->GetImages();
}

TRect TcxImageComboBoxListBox::GetImageRect(const TRect& row) const {
    TCustomImageList* images = GetImageList();
    if (!images) return TRect{row.Left, row.Top, row.Left, row.Top};
    const int width = images->GetWidth() + 4;
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    if (p && p->GetImageAlign() == iaRight) return TRect{row.Right - width, row.Top, row.Right, row.Bottom};
    return TRect{row.Left, row.Top, row.Left + width, row.Bottom};
}

int TcxImageComboBoxListBox::GetItemHeight(int index) {
    TCustomImageList* images = GetImageList();
    const int minimum = images ? images->GetHeight() + 2 : 0;
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    int width = GetClientWidth() - 2 - (images ? images->GetWidth() + 4 : 0);
    GetCanvas()->GetFont()->Assign(GetFont());
    if (p && p->GetMultiLineText() && width > 0 && index >= 0 && index < p->GetItems()->GetCount()) {
        TRect r{0, 0, width, 0};
        DrawText(GetCanvas()->GetHandle(), p->GetItems()->ItemAt(index)->GetDescription(), r,
                 DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        return std::max(r.Height() + 2, minimum);
    }
    return std::max(GetCanvas()->TextHeight("Wg") + 2, minimum);
}

bool TcxImageComboBoxListBox::DrawItemCustom(int index, const TRect& rect, TOwnerDrawState state) {
    if (TcxCustomComboBoxListBox::DrawItemCustom(index, rect, state)) return true;
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    TCanvas* canvas = GetCanvas();
    canvas->FillRect(rect);
    if (!p || index < 0 || index >= p->GetItems()->GetCount()) return true;
    const TcxImageComboBoxItem* item = p->GetItems()->ItemAt(index);
    unsigned format = p->GetMultiLineText() ? DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX
                                            : DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    TRect text = rect;
    text.Left += 2;
    if (TCustomImageList* images = GetImageList()) {
        const TRect column = GetImageRect(rect);
        if (item->GetImageIndex() >= 0 && item->GetImageIndex() < images->GetCount())
            images->Draw(canvas, column.Left + 1, rect.Top + (rect.Height() - images->GetHeight()) / 2,
                         item->GetImageIndex(), GetEnabled());
        if (p->GetImageAlign() == iaRight)
            text.Right = column.Left;
        else
            text.Left = column.Right;
    }
    if (IsRectEmpty(text)) return true;
    canvas->GetBrush()->SetStyle(bsClear);
    DrawText(canvas->GetHandle(), item->GetDescription(), text, format);
    return true;
}

int TcxImageComboBoxListBox::GetListWidth() {
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    TCustomImageList* images = GetImageList();
    int width = images ? images->GetWidth() + 8 : 4;
    if (!p) return width;
    GetCanvas()->GetFont()->Assign(GetFont());
    int widest = 0;
    for (int i = 0; i < p->GetItems()->GetCount(); ++i)
        widest = std::max(widest, GetCanvas()->TextWidth(p->GetItems()->ItemAt(i)->GetDescription()));
    width += widest;
    if (p->GetItems()->GetCount() > p->GetDropDownRows()) width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

// ---- cells ----

void TcxImageComboBoxViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                           TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomDropDownEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxImageComboBoxViewInfo*>(viewInfo);
    TcxCustomImageComboBoxProperties* props = ImageProperties();
    vi->ImageAlign = props->GetImageAlign();
    vi->Images = props->GetImages();
    vi->ShowDescriptions = props->GetShowDescriptions();
    TRect r = vi->ClientRect;
    vi->ImageRect = TRect{};
    if (TCustomImageList* images = vi->Images) {
        TRect image{r.Left + 2, r.Top, r.Right - 2, r.Bottom};
        const int width = images->GetWidth();
        if (width >= image.Width()) {
            r.Left = r.Right;
        } else if (!vi->ShowDescriptions) {
            image.Left += (image.Width() - width) / 2;
            image.Right = image.Left + width;
        } else if (vi->ImageAlign == iaRight) {
            image.Left = image.Right - width;
            r.Right = image.Left - 2;
        } else {
            image.Right = image.Left + width;
            r.Left = image.Right + 2;
        }
        if (images->GetHeight() < image.Height()) {
            image.Top += (image.Height() - images->GetHeight()) / 2;
            image.Bottom = image.Top + images->GetHeight();
        }
        vi->ImageRect = image;
    }
    if (!IsInplace()) vi->ClientRect = r;
    vi->TextRect = r;
    InflateRect(vi->TextRect, -2, -1);
    if (!vi->ShowDescriptions) vi->Text.clear();
    if (!IsInplace()) vi->SelectionBar = false;
    if (auto* combo = dynamic_cast<TcxCustomImageComboBox*>(Edit)) {
        const int key = combo->GetItemIndex();
        TcxImageComboBoxItems* items = props->GetItems();
        const TcxImageComboBoxItem* item = key >= 0 && key < items->GetCount()
                                               ? items->ItemAt(key)
                                               : props->FindItemByValue(combo->GetEditValue());
        props->GetItemInfo(item, vi->Text, vi->ImageIndex);
    }
}

void TcxImageComboBoxViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    TcxCustomDropDownEditViewData::FillEditorViewInfo(value, viewInfo);
    auto* vi = static_cast<TcxImageComboBoxViewInfo*>(viewInfo);
    ImageProperties()->GetValueInfo(value, vi->Text, vi->ImageIndex);
    if (DisplayTextHandler) DisplayTextHandler(this, vi->Text);
}

void TcxImageComboBoxViewData::EditValueToText(const Variant& value, std::string& text) {
    int imageIndex = -1;
    ImageProperties()->GetValueInfo(value, text, imageIndex);
}

void TcxImageComboBoxViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace,
                                                   const TcxEditSizeProperties& limits, TSize& overflow,
                                                   TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    TcxCustomDropDownEditViewData::MeasureOverflowSize(canvas, isInplace, limits, overflow, viewInfo, frame);
    if (TCustomImageList* images = ImageProperties()->GetImages()) {
        overflow.cy = std::max(overflow.cy, images->GetHeight());
        overflow.cx += images->GetWidth() + 5;
    } else {
        overflow.cx += 1;
    }
}

void TcxImageComboBoxViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(ImageRect, dx, dy);
}

void TcxImageComboBoxViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    if (!canvas->RectIsVisible(Bounds)) return;
    if (Images && ImageIndex >= 0 && ImageIndex < Images->GetCount()) {
        TRect area;
        IntersectRect(area, ImageRect, BorderRect);
        canvas->PushState();
        canvas->ClipIntersectRect(area);
        if (Transparent)
            Images->Draw(canvas->GetCanvas(), ImageRect.Left, ImageRect.Top, ImageIndex, Enabled);
        else
            PaintImageListImageAt(canvas, Images, ImageIndex, nullptr, Enabled, BackgroundColor, ImageRect);
        canvas->PopState();
        if (!Transparent) canvas->ClipExcludeRect(area);
    }
    TcxCustomTextEditViewInfo::PaintFrameAndBackground(canvas);
}

} // namespace zorvy
