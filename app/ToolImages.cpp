#include "app/ToolImages.h"

#include "platform/classlib/Bitmap.h"
#include "platform/classlib/ImageList.h"

#include <array>

namespace zorvy {

namespace {

constexpr TColor Ink = TColor(0x303030);
constexpr TColor MaskColor = TColor(0xFF00FF);

void Fill(TCanvas* c, TColor brush, TColor pen = Ink) {
    c->GetBrush()->SetColor(brush);
    c->GetPen()->SetColor(pen);
    c->GetPen()->SetWidth(1);
}

void Folder(TCanvas* c) {
    Fill(c, TColor(0x30A8E8)); // warm yellow (BGR)
    const std::array<TPoint, 6> back{{{4, 9}, {15, 9}, {18, 13}, {35, 13}, {35, 33}, {4, 33}}};
    c->Polygon(back);
    Fill(c, TColor(0x60C8F8));
    const std::array<TPoint, 4> front{{{4, 33}, {9, 18}, {39, 18}, {35, 33}}};
    c->Polygon(front);
}

void Disk(TCanvas* c) {
    Fill(c, TColor(0xA05020));
    c->RoundRect(5, 5, 35, 35, 4, 4);
    Fill(c, TColor(0xF0F0F0));
    c->Rectangle(11, 5, 29, 16);
    Fill(c, TColor(0xA05020));
    c->Rectangle(23, 7, 27, 14);
    Fill(c, TColor(0xE0E0E0));
    c->Rectangle(10, 21, 30, 35);
}

void Page(TCanvas* c) {
    Fill(c, clWhite);
    const std::array<TPoint, 5> sheet{{{8, 3}, {26, 3}, {33, 10}, {33, 37}, {8, 37}}};
    c->Polygon(sheet);
    c->GetPen()->SetColor(TColor(0x2060C0));
    for (int y = 14; y <= 31; y += 5) {
        c->MoveTo(12, y);
        c->LineTo(29, y);
    }
    Fill(c, TColor(0x30A040));
    c->Ellipse(22, 24, 38, 40);
}

void Database(TCanvas* c) {
    Fill(c, TColor(0x40A040));
    for (int top : {26, 17, 8}) {
        c->Rectangle(7, top + 3, 34, top + 10);
        c->Ellipse(7, top + 5, 34, top + 14);
        c->Ellipse(7, top, 34, top + 8);
    }
}

void Printer(TCanvas* c) {
    Fill(c, clWhite);
    c->Rectangle(11, 4, 29, 18);
    Fill(c, TColor(0x808080));
    c->RoundRect(4, 15, 36, 31, 4, 4);
    Fill(c, clWhite);
    c->Rectangle(11, 25, 29, 37);
    Fill(c, TColor(0x30C030));
    c->Ellipse(29, 18, 33, 22);
}

void Chart(TCanvas* c) {
    Fill(c, clWhite);
    c->Rectangle(3, 3, 37, 37);
    const std::array<TColor, 4> colors{TColor(0x3050E0), TColor(0x30A040), TColor(0xD08030), TColor(0x30A0E0)};
    const std::array<int, 4> heights{12, 22, 16, 28};
    for (int i = 0; i < 4; ++i) {
        Fill(c, colors[i]);
        c->Rectangle(7 + i * 7, 34 - heights[i], 13 + i * 7, 34);
    }
}

void Exit(TCanvas* c) {
    Fill(c, TColor(0x3060A0));
    c->Rectangle(8, 4, 26, 37);
    Fill(c, TColor(0x60A0E0));
    c->Ellipse(20, 19, 24, 23);
    Fill(c, TColor(0x2020D0), TColor(0x2020D0));
    const std::array<TPoint, 7> arrow{{{26, 17}, {32, 17}, {32, 12}, {39, 20}, {32, 28}, {32, 23}, {26, 23}}};
    c->Polygon(arrow);
}

void (*const Painters[tiCount])(TCanvas*) = {Folder, Disk, Page, Database, Printer, Chart, Exit};

} // namespace

void DrawToolImage(TCanvas* canvas, TToolImage image) { Painters[image](canvas); }

void AddToolImages(TImageList* images) {
    images->SetWidth(ToolImageSize);
    images->SetHeight(ToolImageSize);
    for (auto paint : Painters) {
        TBitmap tile;
        tile.SetSize(ToolImageSize, ToolImageSize);
        TCanvas* c = tile.GetCanvas();
        c->GetBrush()->SetColor(MaskColor);
        c->FillRect({0, 0, ToolImageSize, ToolImageSize});
        paint(c);
        images->AddMasked(&tile, MaskColor);
    }
}

} // namespace zorvy
