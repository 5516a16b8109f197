// The label: the depth's extent, measuring for auto-size (effects, rotation, empty captions), caption and
// value mirroring, focus and accelerator, and the painting of its effects against text drawn apart at
// the places each effect puts it.
#include "controls/editors/label/Label.h"
#include "controls/editors/label/LabelViewInfo.h"

#include "controls/editors/checks/EditUtils.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class LabelTest : public EditorsTest {
  protected:
    LabelTest() {
        InitializeLabelUnit();
        form = NewForm(400, 300);
        label = new TcxLabel(form);
        label->SetParent(form);
        label->SetLeft(10);
        label->SetTop(10);
        label->SetCaption("Blue 08");
        form->Show();
        Pump();
    }
    ~LabelTest() override { FinalizeLabelUnit(); }
    TcxCustomLabelProperties* Props() { return label->GetProperties(); }
    TSize Measure(const std::string& text, int width = -1) {
        TSize size;
        TcxEditSizeProperties limits;
        limits.Width = width;
        Props()->MeasureEditorSize(ScreenCanvasInstance(), static_cast<TcxCustomEditStyle*>(label->GetStyle()), false, Variant(text), size, limits);
        return size;
    }
    // The label's view info painted into a bitmap of its size.
    std::unique_ptr<TBitmap> Painted() {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(label->GetWidth(), label->GetHeight());
        TcxCanvas canvas(bitmap->GetCanvas());
        label->GetEditViewInfo()->PaintTo(&canvas);
        return bitmap;
    }
    struct TLayer {
        TPoint offset;
        TColor color;
    };
    // The caption drawn apart: the background, then each layer at its offset in the text rectangle less
    // the depth.
    std::unique_ptr<TBitmap> Expected(const std::vector<TLayer>& layers) {
        auto* vi = static_cast<TcxCustomLabelViewInfo*>(label->GetEditViewInfo());
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(label->GetWidth(), label->GetHeight());
        TcxCanvas canvas(bitmap->GetCanvas());
        canvas.FillRectSolid(Rect(0, 0, label->GetWidth(), label->GetHeight()), vi->BackgroundColor);
        canvas.AssignFont(label->GetStyle()->EffectiveFont());
        canvas.CurrentBrush()->SetStyle(bsClear);
        const TSize extent = Props()->GetEffectExtent();
        for (const TLayer& layer : layers) {
            TRect r = vi->TextRect;
            r.Right -= extent.cx;
            r.Bottom -= extent.cy;
            OffsetRect(r, layer.offset.X, layer.offset.Y);
            canvas.CurrentFont()->SetColor(layer.color);
            canvas.PaintText(label->GetCaption(), r, BuildTextFlags(0, taLeftJustify, taTopJustify, false, false, 0, false, true));
        }
        return bitmap;
    }
    // Within the client rectangle (the border around it is the parent's).
    int DifferentPixels(TBitmap* a, TBitmap* b) {
        const TRect r = label->GetEditViewInfo()->ClientRect;
        EXPECT_FALSE(IsRectEmpty(r));
        int differing = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (a->GetCanvas()->GetPixel(x, y) != b->GetCanvas()->GetPixel(x, y)) ++differing;
        return differing;
    }

    TForm* form = nullptr;
    TcxLabel* label = nullptr;
};

TEST_F(LabelTest, TheEffectExtentFollowsTheOrientation) {
    Props()->SetDepth(5);
    struct Case {
        TcxLabelEffect effect;
        TcxLabelOrientation orientation;
        TSize extent;
    } cases[] = {{cxleNormal, cxoRightBottom, {0, 0}}, {cxleNormal, cxoRight, {0, 0}},
                 {cxleFun, cxoRight, {5, 0}},         {cxleFun, cxoBottom, {0, 5}},
                 {cxleCool, cxoLeftTop, {5, 5}},      {cxleExtrude, cxoRightBottom, {5, 5}}};
    for (const Case& c : cases) {
        Props()->SetLabelEffect(c.effect);
        Props()->SetOrientation(c.orientation);
        EXPECT_EQ(Props()->GetEffectExtent().cx, c.extent.cx);
        EXPECT_EQ(Props()->GetEffectExtent().cy, c.extent.cy);
    }
}

TEST_F(LabelTest, MeasuringAddsTheDepthAndTheStyleOffset) {
    const TSize plain = Measure("Red 01");
    Props()->SetLabelEffect(cxleExtrude);
    Props()->SetLabelStyle(cxlsRaised);
    Props()->SetDepth(3);
    const TSize deep = Measure("Red 01");
    EXPECT_EQ(deep.cx, plain.cx + 4);
    EXPECT_EQ(deep.cy, plain.cy + 4);
}

TEST_F(LabelTest, MeasuringATurnedTextTakesItsBoundingBox) {
    const TSize flat = Measure("Red 01");
    Props()->SetAngle(90);
    const TSize upright = Measure("Red 01");
    EXPECT_EQ(upright.cx, flat.cy);
    EXPECT_EQ(upright.cy, flat.cx);
    Props()->SetAngle(-90);
    EXPECT_EQ(Measure("Red 01").cx, upright.cx);
    Props()->SetAngle(360);
    EXPECT_EQ(Measure("Red 01").cx, flat.cx);
    // An empty caption is measured as one blank.
    Props()->SetAngle(0);
    EXPECT_EQ(Measure("").cx, Measure(" ").cx);
    EXPECT_GT(Measure("").cy, 0);
}

TEST_F(LabelTest, CaptionAndValueMirrorEachOther) {
    EXPECT_EQ(VarToStr(label->GetEditValue()), "Blue 08");
    label->SetEditValue(Variant("Red 33"));
    EXPECT_EQ(label->GetCaption(), "Red 33");
    label->SetCaption("Red 01");
    EXPECT_EQ(VarToStr(label->GetEditValue()), "Red 01");
    // Auto-size follows the caption.
    const int narrow = label->GetWidth();
    label->SetCaption("Red 01 02 03 04 05 06");
    Pump();
    EXPECT_GT(label->GetWidth(), narrow);
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControlAndTheLabelNeverTakesTheFocus) {
    auto* target = new TCharSink(form);
    target->SetParent(form);
    target->SetBounds(10, 100, 50, 20);
    label->SetCaption("&Blue");
    label->SetFocusControl(target);
    label->SetFocusControl(label); // ignored
    EXPECT_EQ(label->GetFocusControl(), target);
    Pump();
    EXPECT_FALSE(label->CanFocus());
    Props()->SetShowAccelChar(false);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'b', 0), 0);
    EXPECT_FALSE(target->Focused());
    Props()->SetShowAccelChar(true);
    label->SetEnabled(false);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'b', 0), 0);
    label->SetEnabled(true);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'b', 0), 1);
    Pump();
    EXPECT_TRUE(target->Focused());
    delete target;
    EXPECT_EQ(label->GetFocusControl(), nullptr);
}

TEST_F(LabelTest, ExtrudedLayersRunFromTheFarEndOfTheDepthToTheFace) {
    Props()->SetLabelEffect(cxleExtrude);
    Props()->SetOrientation(cxoRightBottom);
    Props()->SetDepth(3);
    Props()->SetShadowedColor(clRed);
    Pump();
    const TColor text = static_cast<TcxCustomLabelViewInfo*>(label->GetEditViewInfo())->TextColor;
    auto painted = Painted();
    auto expected = Expected({{{3, 3}, clRed}, {{2, 2}, clRed}, {{1, 1}, clRed}, {{0, 0}, text}});
    EXPECT_EQ(DifferentPixels(painted.get(), expected.get()), 0);
}

TEST_F(LabelTest, ARaisedTextSitsOnItsHighlightAfterTheLayers) {
    Props()->SetLabelEffect(cxleExtrude);
    Props()->SetOrientation(cxoLeftTop);
    Props()->SetLabelStyle(cxlsRaised);
    Props()->SetDepth(3);
    Props()->SetShadowedColor(clBlue);
    Pump();
    ASSERT_LT(label->GetStyle()->EffectiveFont()->GetSize(), 12);
    const TColor text = static_cast<TcxCustomLabelViewInfo*>(label->GetEditViewInfo())->TextColor;
    auto painted = Painted();
    auto expected = Expected({{{0, 0}, clBlue}, {{1, 1}, clBlue}, {{2, 2}, clBlue}, {{3, 3}, clBtnHighlight},
                              {{4, 4}, text}});
    EXPECT_EQ(DifferentPixels(painted.get(), expected.get()), 0);
}

TEST_F(LabelTest, FunLayersBlendFromTheBackgroundToTheShadowColour) {
    const int expected[] = {191, 127, 63, 0};
    for (int i = 1; i <= 4; ++i) {
        const COLORREF c = ColorToRGB(BlendLabelColor(clWhite, clBlack, i, 4));
        EXPECT_EQ(GetRValue(c), expected[i - 1]);
        EXPECT_EQ(GetGValue(c), expected[i - 1]);
        EXPECT_EQ(GetBValue(c), expected[i - 1]);
    }
}

TEST_F(LabelTest, AnUnchangedLabelPaintsItsEffectsOnce) {
    Props()->SetLabelEffect(cxleFun);
    Props()->SetDepth(10);
    Pump();
    auto* vi = static_cast<TcxCustomLabelViewInfo*>(label->GetEditViewInfo());
    vi->InvalidateCache();
    const int before = vi->CacheFillCount();
    auto first = Painted();
    auto second = Painted();
    EXPECT_EQ(vi->CacheFillCount(), before + 1);
    EXPECT_EQ(DifferentPixels(first.get(), second.get()), 0);
    // A transparent label draws again on every paint.
    label->SetTransparent(true);
    Pump();
    const int transparentBefore = vi->CacheFillCount();
    Painted();
    Painted();
    EXPECT_EQ(vi->CacheFillCount(), transparentBefore + 2);
}

} // namespace
} // namespace zorvy::test
