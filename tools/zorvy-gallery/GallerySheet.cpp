// Laying out and saving a gallery sheet.
#include "GallerySheet.h"

#include "platform/gdi/ImageCodecs.h"

namespace zorvy::gallery {

TGallerySheet::TGallerySheet(const std::string& title, std::vector<std::string> columns, int width,
                             int height)
    : columns_(std::move(columns)) {
    bitmap_.SetPixelFormat(pf32bit);
    bitmap_.SetSize(width, height);
    canvas_ = std::make_unique<TcxCanvas>(bitmap_.GetCanvas());
    canvas_->FillRectSolid(Rect(0, 0, width, height), clWhite);
    font_.SetName("宋体");
    font_.SetHeight(-12);
    TFont titleFont;
    titleFont.Assign(&font_);
    titleFont.SetHeight(-16);
    titleFont.SetStyle(fsBold);
    canvas_->AssignFont(&titleFont);
    canvas_->CurrentBrush()->SetStyle(bsClear);
    canvas_->PaintText(title, Rect(8, 6, width - 8, 30), ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
    canvas_->CurrentBrush()->SetStyle(bsSolid);
    top_ = 34;
    for (size_t i = 0; i < columns_.size(); ++i)
        Text(columns_[i], Bounds(LabelWidth + int(i) * CellWidth, top_, CellWidth, 18),
             ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine, clGray);
    top_ += 20;
    canvas_->FillRectSolid(Rect(0, top_ - 1, width, top_), clSilver);
}

void TGallerySheet::Text(const std::string& text, const TRect& r, int flags, TColor color) {
    canvas_->AssignFont(&font_);
    canvas_->CurrentFont()->SetColor(color);
    canvas_->CurrentBrush()->SetStyle(bsClear);
    canvas_->PaintText(text, r, flags);
    canvas_->CurrentBrush()->SetStyle(bsSolid);
}

void TGallerySheet::AddRow(const std::string& label, const std::vector<TCellPainter>& cells, int rowHeight) {
    Text(label, Rect(8, top_, LabelWidth - 4, top_ + rowHeight),
         ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (!cells[i]) continue;
        const TRect cell =
            Bounds(LabelWidth + int(i) * CellWidth + 8, top_ + 5, CellWidth - 16, rowHeight - 10);
        canvas_->PushState();
        canvas_->ClipIntersectRect(Bounds(LabelWidth + int(i) * CellWidth, top_, CellWidth, rowHeight));
        canvas_->AssignFont(&font_);
        canvas_->CurrentFont()->SetColor(clBtnText);
        cells[i](canvas_.get(), cell);
        canvas_->PopState();
    }
    top_ += rowHeight;
    canvas_->FillRectSolid(Rect(0, top_ - 1, bitmap_.GetWidth(), top_), TColor(0xF0F0F0));
}

void TGallerySheet::Save(const std::string& path) {
    SavePngFile(bitmap_.GetHandle(), path);
}

} // namespace zorvy::gallery
