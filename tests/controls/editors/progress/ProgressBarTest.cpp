// The progress bar: its range rules and peak tracking, the control's position, and the bar painted in
// a grid cell: fill, LEDs, overload, peak, two-tone text, and bars that must stay inside their cell.
#include "controls/editors/progress/ProgressBar.h"
#include "controls/editors/progress/ProgressBarViewInfo.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSentinel = RGB(0, 255, 0); // clLime

class ProgressBarTest : public EditorsTest {
  protected:
    ProgressBarTest() {
        InitializeProgressBarUnit();
        style.GetLookAndFeel()->SetNativeStyle(false);
        style.SetColor(clWhite);
        properties.SetShowText(false);
    }
    ~ProgressBarTest() override { FinalizeProgressBarUnit(); }
    // The bar laid out in place over cell and painted with value.
    TcxCustomProgressBarViewInfo* Paint(const TRect& cell, const Variant& value) {
        viewData.reset(static_cast<TcxCustomProgressBarViewData*>(properties.MakeViewData(&style, true)));
        viewInfo.reset(static_cast<TcxCustomProgressBarViewInfo*>(properties.CreateViewInfo()));
        viewData->FillEditorViewInfo(value, viewInfo.get());
        viewData->FillViewInfo(surface.Canvas(), cell, TPoint{-1, -1}, 0, 0, viewInfo.get(), false);
        viewInfo->PaintTo(surface.Canvas());
        return viewInfo.get();
    }
    TcxProgressBarProperties properties{nullptr};
    TcxEditStyle style{nullptr};
    std::unique_ptr<TcxCustomProgressBarViewData> viewData;
    std::unique_ptr<TcxCustomProgressBarViewInfo> viewInfo;
    TPaintSurface surface{140, 40, clLime};
};

TEST_F(ProgressBarTest, RangeRulesMoveTheOtherEndAndTheOverloadAndPeak) {
    EXPECT_EQ(properties.GetMin(), 0);
    EXPECT_EQ(properties.GetMax(), 100);
    EXPECT_EQ(properties.GetOverloadValue(), 80);
    EXPECT_EQ(properties.GetPeakSize(), 2);
    EXPECT_FALSE(properties.GetAssignedValues()->GetMaxValue());
    TChangeCounter changes(properties);
    properties.SetMax(50);
    EXPECT_EQ(properties.GetOverloadValue(), 50);
    properties.SetPeakValue(40);
    properties.SetMin(200);
    EXPECT_EQ(properties.GetMax(), 200);
    EXPECT_EQ(properties.GetOverloadValue(), 200);
    EXPECT_EQ(properties.GetPeakValue(), 200);
    properties.SetMin(0);
    properties.SetMax(0);
    EXPECT_EQ(properties.GetMax(), 0);
    EXPECT_TRUE(properties.GetAssignedValues()->IsMaxValueStored()) << "a zero Max is kept by its flag";
    properties.SetMax(100);
    properties.SetOverloadValue(150);
    EXPECT_EQ(properties.GetOverloadValue(), 100);
    EXPECT_GT(changes.Count, 0);
}

TEST_F(ProgressBarTest, TheTextIsTheValueWithPercentOrAlone) {
    std::string text;
    properties.FormatDisplayText(Variant(45), text, false);
    EXPECT_EQ(text, "45 %");
    properties.SetShowTextStyle(cxtsPosition);
    properties.FormatDisplayText(Variant(45), text, false);
    EXPECT_EQ(text, "45");
    properties.FormatDisplayText(Variant("abc"), text, false);
    EXPECT_EQ(text, "0") << "a text that is no number shows 0";
}

TEST_F(ProgressBarTest, AStandaloneBarKeepsItsPositionInRangeAndItsPeak) {
    TForm* form = NewForm();
    auto* bar = new TcxProgressBar(form);
    bar->SetParent(form);
    bar->GetProperties()->SetShowPeak(true);
    form->Show();
    Pump();
    bar->SetPosition(150);
    EXPECT_EQ(bar->GetPosition(), 100);
    EXPECT_EQ(bar->GetEditValue().AsDouble(), 100);
    bar->SetPosition(0);
    bar->GetProperties()->SetPeakValue(0);
    std::vector<int> peaks;
    for (double position : {30.0, 70.0, 40.0}) {
        bar->SetPosition(position);
        Pump();
        peaks.push_back(bar->GetBarViewInfo()->PeakBounds.Left);
    }
    EXPECT_LT(peaks[0], peaks[1]);
    EXPECT_EQ(peaks[1], peaks[2]) << "the mark stays at the highest position";
    EXPECT_EQ(bar->GetProperties()->GetPeakValue(), 70);
    EXPECT_FALSE(bar->CanFocus()) << "a standalone bar takes no focus";
    delete form;
}

TEST_F(ProgressBarTest, AnAutoSizedBarIsOneTextLineHighInsideItsFrame) {
    TForm* form = NewForm();
    for (int fontSize : {8, 20}) {
        SCOPED_TRACE(fontSize);
        auto* bar = new TcxProgressBar(form);
        bar->SetParent(form);
        bar->GetStyle()->GetFont()->SetSize(fontSize);
        form->Show();
        Pump();
        bar->SetHeight(5);
        const TcxCustomEditViewInfo* vi = bar->GetBarViewInfo();
        const int frame = vi->Bounds.Height() - vi->ClientRect.Height();
        TBitmap probe;
        probe.SetSize(4, 4);
        TcxCanvas canvas(probe.GetCanvas());
        EXPECT_EQ(bar->GetHeight(), frame + canvas.MeasureFontLineHeight(bar->GetStyle()->GetFont()));
        EXPECT_EQ(bar->GetWidth(), 121) << "the width stays the user's";
    }
    delete form;
}

TEST_F(ProgressBarTest, ASolidBarFillsItsShareOfTheCell) {
    Paint(TRect{10, 5, 110, 20}, Variant(50));
    EXPECT_EQ(surface.At(10, 10), kNavy);
    EXPECT_EQ(surface.At(59, 10), kNavy);
    EXPECT_EQ(surface.At(60, 10), kWhite);
    EXPECT_EQ(surface.At(109, 19), kWhite);
    EXPECT_EQ(surface.At(110, 10), kSentinel);
}

TEST_F(ProgressBarTest, LEDsAreTwoThirdsOfTheThicknessWithTwoPixelGaps) {
    // 15 high: S = Trunc(30 / 3) + 2 = 12, so 10-pixel LEDs and 2-pixel gaps.
    properties.SetBarStyle(cxbsLEDs);
    Paint(TRect{0, 0, 100, 15}, Variant(50));
    const std::string row = surface.Row(7, {{kNavy, 'n'}, {kWhite, '.'}});
    EXPECT_EQ(row.substr(0, 50), "nnnnnnnnnn..nnnnnnnnnn..nnnnnnnnnn..nnnnnnnnnn..nn");
    EXPECT_EQ(row.substr(50, 10), "..........");
    // At Max the part after the last whole LED is lit too.
    Paint(TRect{0, 0, 100, 15}, Variant(100));
    const std::string full = surface.Row(7, {{kNavy, 'n'}, {kWhite, '.'}});
    EXPECT_EQ(full.substr(84, 16), "nnnnnnnnnn..nnnn");
}

TEST_F(ProgressBarTest, TheOverloadPartTakesItsOwnColour) {
    properties.SetShowOverload(true);
    Paint(TRect{0, 0, 100, 15}, Variant(90));
    EXPECT_EQ(surface.At(79, 7), kNavy);
    EXPECT_EQ(surface.At(80, 7), ColorToRGB(properties.GetOverloadBeginColor()));
    EXPECT_EQ(surface.At(89, 7), ColorToRGB(properties.GetOverloadBeginColor()));
    EXPECT_EQ(surface.At(90, 7), kWhite);
}

TEST_F(ProgressBarTest, APeakAtMaxIsTheLastPixelsOfTheBar) {
    properties.SetShowPeak(true);
    properties.SetPeakValue(100);
    Paint(TRect{0, 0, 100, 15}, Variant(20));
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(surface.At(97, 7), kWhite);
    EXPECT_EQ(surface.At(98, 7), red);
    EXPECT_EQ(surface.At(99, 7), red);
    EXPECT_EQ(surface.At(19, 7), kNavy);
}

TEST_F(ProgressBarTest, TextOverTheLitPartInvertsTheBar) {
    properties.SetShowText(true);
    style.GetFont()->SetColor(clBlack);
    Paint(TRect{0, 0, 120, 30}, Variant(50));
    // Inverted navy is a light yellow; black glyphs on white, smoothed, are greys.
    auto light = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) < 200; };
    auto grey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) < 240; };
    int invertedLeft = 0;
    int blackRight = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) {
            const COLORREF c = surface.At(x, y);
            if (x < 60 && light(c)) ++invertedLeft;
            if (x >= 60 && grey(c)) ++blackRight;
        }
    EXPECT_GT(invertedLeft, 5) << "glyphs over the lit part invert it";
    EXPECT_GT(blackRight, 5) << "glyphs beyond it are in the text colour";
}

TEST_F(ProgressBarTest, BarsStayInsideTheirCell) {
    struct Case {
        double min, max, position;
        TRect cell;
        TcxProgressBarBarStyle barStyle;
        TcxProgressBarOrientation orientation;
    };
    const Case cases[] = {
        {50, 50, 1e9, {20, 10, 120, 30}, cxbsLEDs, cxorHorizontal},
        {50, 50, -1e9, {20, 10, 120, 30}, cxbsGradient, cxorHorizontal},
        {0, 0, 1e9, {20, 10, 120, 30}, cxbsGradientLEDs, cxorVertical},
        {0, 100, 100, {20, 10, 22, 12}, cxbsLEDs, cxorHorizontal},
        {0, 100, 100, {20, 10, 22, 30}, cxbsGradientLEDs, cxorVertical},
        {0, 100, 100, {20, 10, 120, 12}, cxbsSolid, cxorVertical},
    };
    for (const Case& c : cases) {
        surface.Canvas()->FillRectSolid(TRect{0, 0, 140, 40}, clLime);
        properties.SetMin(c.min);
        properties.SetMax(c.max);
        properties.SetBarStyle(c.barStyle);
        properties.SetOrientation(c.orientation);
        properties.SetShowText(true);
        properties.SetShowPeak(true);
        Paint(c.cell, Variant(c.position));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 140; ++x)
                if (!PtInRect(c.cell, TPoint{x, y})) {
                    ASSERT_EQ(surface.At(x, y), kSentinel) << x << "," << y;
                }
    }
}

TEST_F(ProgressBarTest, BitmapLEDsOnANarrowVerticalBarTileTheLitPart) {
    // Segments of at most 2 pixels have no period: the lit part is tiled whole instead.
    TBitmap stripe;
    stripe.SetSize(4, 4);
    stripe.GetCanvas()->GetBrush()->SetColor(clRed);
    stripe.GetCanvas()->FillRect(TRect{0, 0, 4, 4});
    properties.SetTransparentImage(false);
    properties.SetForegroundImage(&stripe);
    properties.SetBarStyle(cxbsBitmapLEDs);
    properties.SetOrientation(cxorVertical);
    Paint(TRect{10, 0, 12, 40}, Variant(50));
    EXPECT_EQ(surface.At(10, 39), RGB(255, 0, 0));
    EXPECT_EQ(surface.At(11, 20), RGB(255, 0, 0));
    EXPECT_EQ(surface.At(11, 19), kWhite);
    EXPECT_EQ(surface.At(12, 30), kSentinel);
}

TEST_F(ProgressBarTest, ScalingAndBlending) {
    EXPECT_EQ(GetBarRange(10, 10.5), 1);
    EXPECT_EQ(GetBarRange(0, 100), 100);
    EXPECT_EQ(ScaleBarValue(100, 99, 50), 49);
    EXPECT_EQ(ScaleBarValue(3, 10, -1), -3);
    EXPECT_EQ(InterpolateBarColor(0x000000, 0xFFFFFF, 0, 10), 0x000000);
    EXPECT_EQ(InterpolateBarColor(0x000000, 0xFFFFFF, 10, 10), 0xFFFFFF);
    EXPECT_EQ(InterpolateBarColor(0x102030, 0x302010, 1, 2), 0x202020);
}

TEST_F(ProgressBarTest, FilterValuesAreTypedInASpinEditorBoundedByTheBar) {
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxProgressBarProperties::StaticClass()),
              TcxFilterProgressBarHelper::StaticClass());
    const auto* helper = FilterEditHelper(TcxFilterProgressBarHelper::StaticClass());
    EXPECT_EQ(helper->GetEditorClassForFilter(&properties, nullptr), TcxSpinEditProperties::StaticClass());
    properties.SetMax(60);
    properties.SetMin(10);
    TcxSpinEditProperties filter(nullptr);
    helper->PrepareFilterProperties(&filter, &properties, helper->KeepsEditButtons());
    EXPECT_EQ(filter.GetMinValue(), 10);
    EXPECT_EQ(filter.GetMaxValue(), 60);
    EXPECT_EQ(filter.GetButtons()->GetCount(), 2) << "the spin buttons";
    EXPECT_EQ(helper->GetAllowedOperators(&properties, nullptr, false),
              FilterEditHelper(TcxFilterSpinEditHelper::StaticClass())->GetAllowedOperators(&properties, nullptr, false));
}

} // namespace
} // namespace zorvy::test
