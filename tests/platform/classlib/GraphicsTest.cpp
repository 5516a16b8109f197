#include "ClassLibFixture.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/ImageList.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <filesystem>
#include <fstream>

namespace zorvy::test {
namespace {

class Graphics : public ClassLibTest {
  protected:
    std::filesystem::path Temp(const std::string& name) { return scratch_.Path(name); }
    static TColor Pixel(TBitmap& b, int x, int y) { return b.GetCanvas()->GetPixel(x, y); }

  private:
    ScratchFolder scratch_{"zorvy-classlib"};
};

TEST_F(Graphics, ATransparentBitmapLeavesItsKeyColourUnpainted) {
    TBitmap sprite;
    sprite.SetSize(4, 4);
    sprite.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    sprite.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
    sprite.GetCanvas()->GetBrush()->SetColor(clRed);
    sprite.GetCanvas()->FillRect(Rect(1, 1, 3, 3));
    sprite.SetTransparent(true);
    EXPECT_EQ(sprite.GetTransparentColor(), clFuchsia) << "the bottom-left pixel";

    TBitmap target;
    target.SetSize(8, 8);
    target.GetCanvas()->GetBrush()->SetColor(clBlue);
    target.GetCanvas()->FillRect(Rect(0, 0, 8, 8));
    target.GetCanvas()->Draw(2, 2, &sprite);
    EXPECT_EQ(Pixel(target, 2, 2), clBlue);
    EXPECT_EQ(Pixel(target, 3, 3), clRed);
    EXPECT_EQ(Pixel(target, 4, 4), clRed);
    EXPECT_EQ(Pixel(target, 5, 5), clBlue);

    sprite.SetTransparent(false);
    target.GetCanvas()->Draw(2, 2, &sprite);
    EXPECT_EQ(Pixel(target, 2, 2), clFuchsia);
}

TEST_F(Graphics, BitmapsKeepTheirPixelsWhenResizedAndRoundTripThroughFiles) {
    TBitmap b;
    b.SetSize(3, 2);
    b.GetCanvas()->SetPixel(0, 0, clRed);
    b.GetCanvas()->SetPixel(2, 1, clLime);
    b.SetSize(5, 5);
    EXPECT_EQ(Pixel(b, 0, 0), clRed);
    EXPECT_EQ(Pixel(b, 2, 1), clLime);
    EXPECT_EQ(Pixel(b, 4, 4), clWhite);
    ASSERT_NE(b.ScanLine(4), nullptr);
    EXPECT_EQ(b.ScanLine(5), nullptr);

    for (const char* name : {"a.bmp", "a.png", "b.PNG"}) {
        b.SaveToFile(Temp(name).string());
        TPicture picture;
        picture.LoadFromFile(Temp(name).string());
        ASSERT_NE(picture.GetGraphic(), nullptr) << name;
        EXPECT_EQ(picture.GetWidth(), 5) << name;
        EXPECT_EQ(Pixel(*picture.GetBitmap(), 0, 0), clRed) << name;
        EXPECT_EQ(Pixel(*picture.GetBitmap(), 2, 1), clLime) << name;
    }
}

TEST_F(Graphics, APictureThatCannotLoadKeepsWhatItHadAndSaysWhy) {
    TPicture picture;
    picture.GetBitmap()->SetSize(2, 2);
    EXPECT_THROW(picture.LoadFromFile(Temp("x.unknown").string()), EInvalidOperation);
    {
        std::ofstream broken(Temp("broken.png"), std::ios::binary);
        broken << "\x89PNG\r\n\x1a\n truncated";
    }
    EXPECT_THROW(picture.LoadFromFile(Temp("broken.png").string()), EImageError);
    EXPECT_THROW(picture.LoadFromFile(Temp("missing.png").string()), EImageError);
    EXPECT_EQ(picture.GetWidth(), 2) << "nothing already loaded is lost";
    EXPECT_NE(TPicture::GraphicFilter().find("*.png"), std::string::npos);
}

TEST_F(Graphics, ImageListsSplitMaskAndDrawDisabledImages) {
    TImageList list(nullptr, 4, 4);
    TBitmap strip;
    strip.SetSize(8, 4);
    strip.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    strip.GetCanvas()->FillRect(Rect(0, 0, 8, 4));
    strip.GetCanvas()->GetBrush()->SetColor(clRed);
    strip.GetCanvas()->FillRect(Rect(1, 1, 3, 3));
    strip.GetCanvas()->GetBrush()->SetColor(clBlue);
    strip.GetCanvas()->FillRect(Rect(5, 1, 7, 3));
    int changes = 0;
    TChangeLink link;
    link.OnChange = [&](TObject*) { ++changes; };
    list.RegisterChanges(&link);
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(changes, 1);

    TBitmap target;
    target.SetSize(10, 10);
    target.GetCanvas()->GetBrush()->SetColor(clWhite);
    target.GetCanvas()->FillRect(Rect(0, 0, 10, 10));
    list.Draw(target.GetCanvas(), 0, 0, 1);
    EXPECT_EQ(Pixel(target, 1, 1), clBlue);
    EXPECT_EQ(Pixel(target, 0, 0), clWhite) << "masked";
    list.Draw(target.GetCanvas(), 5, 5, 0, false);
    const COLORREF grey = static_cast<COLORREF>(Pixel(target, 6, 6));
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey)) << "a disabled image is drawn grey";
    list.Draw(target.GetCanvas(), 0, 0, 7);
    EXPECT_THROW(list.Delete(7), EInvalidOperation);
}

TEST_F(Graphics, CanvasObjectsReachTheContextWhenDrawing) {
    TBitmap b;
    b.SetSize(20, 20);
    TCanvas* c = b.GetCanvas();
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 20, 20));
    c->GetPen()->SetColor(clRed);
    c->MoveTo(0, 10);
    c->LineTo(20, 10);
    EXPECT_EQ(Pixel(b, 5, 10), clRed);
    EXPECT_EQ(Pixel(b, 5, 9), clWhite);
    EXPECT_GT(c->TextWidth("开始过滤"), c->TextWidth("ab"));
    c->GetFont()->SetSize(20);
    EXPECT_GT(c->TextHeight("Qg"), 20);
    c->GetBrush()->SetColor(clLime);
    HDC dc = c->GetHandle();
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(clLime)) << "the handle carries the canvas's brush colour";
}


// A canvas that is given a font measures and draws with it, whether or not it equals the one it had.
TEST_F(Graphics, AssignedFontsReachTheCanvasWhetherEqualOrNot) {
    TBitmap b;
    b.SetSize(20, 20);
    TCanvas* c = b.GetCanvas();
    TFont small, large;
    small.SetSize(8);
    large.SetSize(24);
    int changes = 0;
    // Counted beside the canvas's own handler, which must still hear of every change.
    TNotifyEvent canvasHandler = c->GetFont()->OnChange;
    c->GetFont()->OnChange = [&](TObject* sender) {
        ++changes;
        if (canvasHandler) canvasHandler(sender);
    };
    c->GetFont()->Assign(&small);
    const int smallHeight = c->TextHeight("Qg");
    c->GetFont()->Assign(&large);
    const int largeHeight = c->TextHeight("Qg");
    EXPECT_GT(largeHeight, smallHeight);
    c->GetFont()->Assign(&large);
    EXPECT_EQ(c->TextHeight("Qg"), largeHeight) << "an equal font assigned again";
    large.SetColor(clRed);
    c->GetFont()->Assign(&large);
    EXPECT_EQ(c->GetFont()->GetColor(), clRed) << "the colour is taken with an equal face";
    c->GetFont()->Assign(&small);
    EXPECT_EQ(c->TextHeight("Qg"), smallHeight);
    EXPECT_EQ(changes, 5) << "each assignment is a change";
}

} // namespace
} // namespace zorvy::test
