#include "controls/textfx/AAPictures.h"

namespace zorvy {

void DrawGraphicIn(TCanvas* canvas, const TRect& r, TPictureMode mode, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    const int gw = graphic->GetWidth(), gh = graphic->GetHeight();
    switch (mode) {
    case TPictureMode::Tiled:
        if (gw <= 0 || gh <= 0) return;
        for (int row = 0; row <= r.Height() / gh; ++row)
            for (int col = 0; col <= r.Width() / gw; ++col) canvas->Draw(r.Left + col * gw, r.Top + row * gh, graphic);
        break;
    case TPictureMode::Stretched:
        if (dynamic_cast<TIcon*>(graphic)) {
            TBitmap flat;
            flat.SetSize(gw, gh);
            flat.GetCanvas()->GetBrush()->SetColor(canvas->GetBrush()->GetColor());
            flat.GetCanvas()->FillRect(TRect{0, 0, gw, gh});
            flat.GetCanvas()->Draw(0, 0, graphic);
            canvas->StretchDraw(r, &flat);
        } else {
            canvas->StretchDraw(r, graphic);
        }
        break;
    case TPictureMode::Center:
        canvas->Draw((r.Left + r.Right - gw) / 2, (r.Top + r.Bottom - gh) / 2, graphic);
        break;
    case TPictureMode::Normal:
        canvas->Draw(r.Left, r.Top, graphic);
        break;
    }
}

} // namespace zorvy
