#include "TextEffectSheets.h"

#include "controls/textfx/AAControls.h"
#include "platform/classlib/Forms.h"
#include "platform/gdi/ImageCodecs.h"

#include <functional>
#include <vector>

namespace zorvy::gallery {
namespace {

constexpr int LabelWidth = 170, CellWidth = 300, RowHeight = 56, Top = 40;

struct TEffectRow {
    std::string Label;
    std::function<void(TAAFontEx&)> Set;
    int Height = RowHeight;
};

// A 16 x 16 checker of two blues, the texture of the texture rows.
void MakeTexture(TBitmap& texture) {
    texture.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            texture.ScanLine(y)[x] = ((x / 4 + y / 4) % 2) ? 0x2060E0 : 0x90C8FF;
}

std::vector<TEffectRow> EffectRows(TBitmap& texture) {
    return {
        {"plain (aqNormal)", [](TAAFontEx&) {}},
        {"aqNone (hard edges)", [](TAAFontEx& f) { f.SetQuality(aqNone); }},
        {"aqHigh", [](TAAFontEx& f) { f.SetQuality(aqHigh); }},
        {"Alpha 40", [](TAAFontEx& f) { f.Effect.SetAlpha(40); }},
        {"Blur 40", [](TAAFontEx& f) { f.Effect.SetBlur(40); }},
        {"Noise 120", [](TAAFontEx& f) { f.Effect.SetNoise(120); }},
        {"Spray 2", [](TAAFontEx& f) { f.Effect.SetSpray(2); }},
        {"Outline", [](TAAFontEx& f) { f.Effect.SetOutline(true); }},
        {"HorzMirror", [](TAAFontEx& f) { f.Effect.SetHorzMirror(true); }},
        {"VertMirror", [](TAAFontEx& f) { f.Effect.SetVertMirror(true); }},
        {"Angle 15", [](TAAFontEx& f) { f.Effect.SetAngle(15); }, 2 * RowHeight + 30},
        {"Shadow (defaults)", [](TAAFontEx& f) { f.Effect.GetShadow()->SetEnabled(true); }},
        {"Shadow -3,4 blur 0",
         [](TAAFontEx& f) {
             TAAShadow& s = *f.Effect.GetShadow();
             s.SetEnabled(true);
             s.SetOffsetX(-3);
             s.SetOffsetY(4);
             s.SetBlur(0);
             s.SetColor(TColor(RGB(240, 120, 0)));
         }},
        {"Gradual LeftToRight",
         [](TAAFontEx& f) {
             f.Effect.GetGradual()->SetEnabled(true);
             f.Effect.GetGradual()->SetStartColor(TColor(RGB(255, 0, 0)));
             f.Effect.GetGradual()->SetEndColor(TColor(RGB(0, 0, 255)));
         }},
        {"Gradual CenterToLR",
         [](TAAFontEx& f) {
             f.Effect.GetGradual()->SetEnabled(true);
             f.Effect.GetGradual()->SetStyle(gsCenterToLR);
             f.Effect.GetGradual()->SetStartColor(TColor(RGB(255, 200, 0)));
         }},
        {"TopToBottom + noise",
         [](TAAFontEx& f) {
             f.Effect.GetGradual()->SetEnabled(true);
             f.Effect.GetGradual()->SetStyle(gsTopToBottom);
             f.Effect.GetGradual()->SetStartColor(TColor(RGB(0, 160, 0)));
             f.Effect.SetNoise(60);
         }},
        {"Texture tiled",
         [&texture](TAAFontEx& f) {
             f.Effect.GetTexture()->SetEnabled(true);
             f.Effect.GetTexture()->GetPicture()->SetGraphic(&texture);
         }},
        {"heading style",
         [](TAAFontEx& f) {
             f.Effect.GetShadow()->SetEnabled(true);
             f.Effect.GetGradual()->SetEnabled(true);
             f.Effect.GetGradual()->SetStartColor(TColor(4868863));
             f.Effect.GetGradual()->SetEndColor(TColor(4227072));
         }},
    };
}

void PlainText(TCanvas* canvas, int x, int y, const std::string& text, int height = -12) {
    canvas->GetFont()->SetName("Tahoma");
    canvas->GetFont()->SetHeight(height);
    canvas->GetFont()->SetColor(clBlack);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextOut(x, y, text);
}

} // namespace

std::string DrawTextEffectSheet(const std::string& folder) {
    InitializeForms();
    TBitmap texture;
    MakeTexture(texture);
    const std::vector<TEffectRow> rows = EffectRows(texture);
    const int width = LabelWidth + 2 * CellWidth + 20;
    int height = Top + 2 * RowHeight + 20;
    for (const TEffectRow& row : rows) height += row.Height;
    TBitmap sheet;
    sheet.SetSize(width, height);
    TCanvas* canvas = sheet.GetCanvas();
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, width, height});
    PlainText(canvas, 10, 8, "TAAFontEx / TAALabel — text effects 文字效果", -15);
    const std::string samples[2] = {"Zorvy 3508", "为你提供最新数据分析"};
    int y = Top;
    for (const TEffectRow& row : rows) {
        PlainText(canvas, 10, y + 18, row.Label);
        for (int column = 0; column < 2; ++column) {
            const TRect cell{LabelWidth + column * CellWidth, y, LabelWidth + (column + 1) * CellWidth - 8,
                             y + row.Height - 6};
            canvas->GetBrush()->SetStyle(bsSolid);
            canvas->GetBrush()->SetColor(TColor(RGB(236, 240, 246)));
            canvas->FillRect(cell);
            canvas->GetBrush()->SetStyle(bsClear);
            canvas->GetFont()->SetName("Tahoma");
            canvas->GetFont()->SetHeight(-26);
            canvas->GetFont()->SetColor(TColor(RGB(20, 40, 120)));
            TAAFontEx font(canvas);
            row.Set(font);
            font.TextOut(cell.Left + 6, cell.Top + 6, samples[column]);
        }
        y += row.Height;
    }

    // The label on a form, opaque (its colour fills it) and transparent (the form shows through).
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(TColor(RGB(250, 228, 200)));
    form->SetBounds(0, 0, 2 * CellWidth, RowHeight * 2 - 10);
    for (int i = 0; i < 2; ++i) {
        auto* label = new TAALabel(form);
        label->SetParent(form);
        label->GetFont()->SetName("Tahoma");
        label->GetFont()->SetHeight(-20);
        label->SetColor(clWhite);
        label->SetBorder(3);
        label->GetEffect()->GetFontEffect()->GetShadow()->SetEnabled(true);
        label->GetEffect()->GetFontEffect()->GetGradual()->SetEnabled(true);
        label->GetEffect()->GetFontEffect()->GetGradual()->SetStartColor(TColor(4868863));
        label->GetEffect()->GetFontEffect()->GetGradual()->SetEndColor(TColor(4227072));
        label->GetEffect()->SetTransparent(i == 1);
        label->SetLeft(8 + i * CellWidth);
        label->SetTop(20);
        label->SetCaption("为你提供最新数据分析");
        label->Loaded();
    }
    form->Show();
    Application->ProcessMessages();
    PlainText(canvas, 10, y + 30, "TAALabel opaque |");
    PlainText(canvas, 10, y + 48, "transparent, border 3");
    form->PaintTo(canvas->GetHandle(), LabelWidth, y);
    delete form;
    FinalizeForms();

    const std::string path = folder + "/textfx.png";
    SavePngFile(sheet.GetHandle(), path);
    return path;
}

} // namespace zorvy::gallery
