// The anti-aliased label: sizing, placement, rendering only once loaded, and painting from its cache or,
// transparent, over its parent.
#include "controls/textfx/AAControls.h"
#include "tests/platform/classlib/ClassLibFixture.h"

namespace zorvy::test {
namespace {

class Label : public ClassLibTest {
  protected:
    TAALabel* NewLabel(TForm* form, const std::string& caption) {
        auto* label = new TAALabel(form);
        label->SetParent(form);
        label->GetFont()->SetName("Tahoma");
        label->GetFont()->SetHeight(-20);
        label->SetCaption(caption);
        label->Loaded();
        return label;
    }
    TSize Extent(TAALabel* label, const std::string& text) {
        TBitmap scratch;
        scratch.GetCanvas()->SetFont(label->GetFont());
        TAAFontEx font(scratch.GetCanvas());
        font.Effect.Assign(label->GetEffect()->GetFontEffect());
        font.SetQuality(label->GetEffect()->GetQuality());
        return font.TextExtent(text);
    }
};

TEST_F(Label, AutoSizeAddsTheBorderOnEachSide) {
    TForm* form = NewForm();
    TAALabel* label = NewLabel(form, "为你提供最新数据分析");
    const TSize text = Extent(label, "为你提供最新数据分析");
    EXPECT_EQ(label->GetWidth(), text.cx);
    EXPECT_EQ(label->GetHeight(), text.cy);
    label->SetBorder(3);
    EXPECT_EQ(label->GetWidth(), text.cx + 6);
    EXPECT_EQ(label->GetHeight(), text.cy + 6);

    label->GetEffect()->GetFontEffect()->GetShadow()->SetEnabled(true); // offsets 2, 2 by default
    EXPECT_EQ(label->GetWidth(), text.cx + 6 + 2);

    label->SetAlign(alClient);
    const TSize filled{label->GetWidth(), label->GetHeight()};
    label->SetCaption("短");
    EXPECT_EQ(label->GetWidth(), filled.cx) << "a client-aligned label keeps its size";
    EXPECT_EQ(label->GetHeight(), filled.cy);
}

TEST_F(Label, NothingRendersWhileLoading) {
    TForm* form = NewForm();
    auto* label = new TAALabel(form);
    label->SetParent(form);
    EXPECT_EQ(label->GetWidth(), 46);
    EXPECT_EQ(label->GetHeight(), 12);
    label->SetCaption("Zorvy");
    EXPECT_EQ(label->GetCache()->GetWidth(), 0) << "not loaded yet";
    label->Loaded();
    EXPECT_GT(label->GetCache()->GetWidth(), 0);
    EXPECT_EQ(label->GetCache()->GetWidth(), label->GetWidth());
}

TEST_F(Label, CentringIgnoresTheBorder) {
    TForm* form = NewForm();
    TAALabel* label = NewLabel(form, "W");
    label->SetAutoSize(false);
    label->SetBorder(8);
    label->SetBounds(0, 0, 100, 60);
    label->GetEffect()->SetAlignment(taCenter);
    label->GetEffect()->SetLayout(tlCenter);
    label->GetFont()->SetColor(clBlack);
    label->SetColor(clWhite);
    // The glyph's dark pixels lie around the middle, not shifted by the border.
    TBitmap* cache = label->GetCache();
    int left = 100, right = -1, top = 60, bottom = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            if ((cache->ScanLine(y)[x] & 0xFF) < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const TSize text = Extent(label, "W");
    EXPECT_GE(left, (100 - text.cx) / 2);
    EXPECT_LT(right, (100 - text.cx) / 2 + text.cx);
    EXPECT_GE(top, (60 - text.cy) / 2);
    EXPECT_LT(bottom, (60 - text.cy) / 2 + text.cy);
}

TEST_F(Label, OpaqueLabelsFillWithTheirColourTransparentOnesShowTheParent) {
    TForm* form = NewForm(200, 100);
    form->SetColor(clRed);
    TAALabel* opaque = NewLabel(form, "ab");
    opaque->SetColor(clWhite);
    opaque->SetLeft(10);
    TAALabel* clear = NewLabel(form, "ab");
    clear->SetLeft(100);
    clear->GetEffect()->SetTransparent(true);
    form->Show();
    Pump();
    TBitmap image;
    image.SetSize(200, 100);
    form->PaintTo(image.GetCanvas()->GetHandle(), 0, 0);
    EXPECT_EQ(image.GetCanvas()->GetPixel(opaque->GetLeft() + 1, opaque->GetTop() + 1), clWhite);
    EXPECT_EQ(image.GetCanvas()->GetPixel(clear->GetLeft() + 1, clear->GetTop() + 1), clRed);
}

TEST_F(Label, EffectSettingsAreCopiedNotShared) {
    TForm* form = NewForm();
    TAALabel* a = NewLabel(form, "a");
    TAALabel* b = NewLabel(form, "b");
    a->GetEffect()->SetAlignment(taRightJustify);
    b->GetEffect()->Assign(a->GetEffect());
    EXPECT_EQ(b->GetEffect()->GetAlignment(), taRightJustify);
    EXPECT_EQ(b->GetEffect()->Label, b) << "the copy still acts on its own label";
    a->GetDrag()->SetDragMode(dmAutomatic);
    b->GetDrag()->Assign(a->GetDrag());
    EXPECT_EQ(b->DragMode, dmAutomatic);
    EXPECT_EQ(b->GetDrag()->Control, b);
}

} // namespace
} // namespace zorvy::test
