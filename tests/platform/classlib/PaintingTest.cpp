#include "platform/win/Painting.h"
#include "ClassLibFixture.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy::test {
namespace {

class ControlPainting : public ClassLibTest {};

TEST_F(ControlPainting, InvalidatingOneControlRepaintsOnlyIt) {
    TForm* form = NewForm();
    form->SetColor(clWhite);
    std::vector<TProbe*> probes;
    for (int i = 0; i < 4; ++i) {
        auto* p = AddProbe(form, 10 + i * 50, 10, 40, 40);
        probes.push_back(p);
    }
    form->Show();
    FlushPainting();
    for (auto* p : probes)
        EXPECT_EQ(p->Paints, 1);
    probes[2]->PaintColor = clBlue;
    probes[2]->Invalidate();
    FlushPainting();
    EXPECT_EQ(probes[0]->Paints, 1);
    EXPECT_EQ(probes[1]->Paints, 1);
    EXPECT_EQ(probes[2]->Paints, 2);
    EXPECT_EQ(probes[3]->Paints, 1);
    EXPECT_EQ(PixelAt(form, 115, 15), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(form, 65, 15), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(form, 5, 5), RGB(255, 255, 255));
}

class TSquare : public TGraphicControl {
  public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;
    TColor Fill = clGreen;

  protected:
    void Paint() override {
        ++Paints;
        GetCanvas()->GetBrush()->SetColor(Fill);
        GetCanvas()->FillRect(GetClientRect());
    }
};

TEST_F(ControlPainting, GraphicControlsPaintInsideTheirBoundsOnTheParent) {
    TForm* form = NewForm();
    form->SetColor(clWhite);
    auto* square = new TSquare(form);
    square->SetParent(form);
    square->SetBounds(20, 30, 10, 10);
    form->Show();
    FlushPainting();
    EXPECT_EQ(PixelAt(form, 20, 30), RGB(0, 128, 0));
    EXPECT_EQ(PixelAt(form, 29, 39), RGB(0, 128, 0));
    EXPECT_EQ(PixelAt(form, 30, 30), RGB(255, 255, 255)) << "clipped to the control";
    square->Fill = clRed;
    square->SetLeft(50);
    FlushPainting();
    EXPECT_EQ(PixelAt(form, 20, 30), RGB(255, 255, 255)) << "the old place was repainted";
    EXPECT_EQ(PixelAt(form, 55, 35), RGB(255, 0, 0));
}

TEST_F(ControlPainting, PaintToDrawsAControlAndItsChildrenIntoABitmap) {
    TForm* form = NewForm(100, 80);
    form->SetColor(clWhite);
    AddProbe(form, 10, 10, 20, 20); // paints itself red
    auto* square = new TSquare(form);
    square->SetParent(form);
    square->SetBounds(50, 10, 10, 10);
    TBitmap bitmap;
    bitmap.SetSize(100, 80);
    form->PaintTo(bitmap.GetCanvas()->GetHandle(), 0, 0);
    EXPECT_EQ(bitmap.GetCanvas()->GetPixel(15, 15), static_cast<TColor>(RGB(255, 0, 0)));
    EXPECT_EQ(bitmap.GetCanvas()->GetPixel(55, 15), static_cast<TColor>(RGB(0, 128, 0)));
    EXPECT_EQ(bitmap.GetCanvas()->GetPixel(5, 5), static_cast<TColor>(RGB(255, 255, 255)));
    EXPECT_FALSE(form->HandleAllocated() && IsWindowVisible(form->GetHandle())) << "painted without showing";
}

} // namespace
} // namespace zorvy::test
