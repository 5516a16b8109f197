#pragma once
// The progress bar's paint state and painting: the bar composed off screen in one of six styles
// (solid, LEDs, gradient, gradient LEDs, bitmap, bitmap LEDs) with an overload zone in its own
// colours, a peak mark and a text that inverts the bar where it crosses the lit part, then copied
// to the target at once.
#include "controls/editors/progress/ProgressBar.h"
#include "controls/editors/text/TextEditViewInfo.h"

namespace zorvy {

// Max - Min when at least 1, else 1.
double GetBarRange(double min, double max);
// Trunc(v x length / range).
int ScaleBarValue(double range, int length, double v);
// Each 8-bit channel g/h of the way from c1 to c2, truncated.
TColor InterpolateBarColor(TColor c1, TColor c2, int g, int h);

class TcxCustomProgressBarViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxCustomProgressBarViewInfo, TcxCustomTextEditViewInfo)
  public:
    TcxCustomProgressBarViewInfo();
    ~TcxCustomProgressBarViewInfo() override;
    void ShiftBy(int dx, int dy) override;
    void PaintTo(TcxCanvas* canvas) override;
    using TcxCustomTextEditViewInfo::NeedsHint;
    bool NeedsHint(TcxCanvas*, TPoint, std::string& hintText) override {
        hintText.clear();
        return false;
    }
    virtual void PaintBar(TcxCanvas* canvas);
    // The text the bar shows: the position, or the percentage of the range followed by " %".
    std::string GetBarText() const;

    TColor BeginColor = clNavy;
    TcxProgressBarBevelOuter BarBevelOuter = cxbvNone;
    TColor EndColor = clWhite;
    double Min = 0;
    double Max = 100;
    double Position = 0;
    std::unique_ptr<TBitmap> ForegroundImage;
    TcxProgressBarOrientation Orientation = cxorHorizontal;
    bool ShowText = true;
    TcxProgressBarTextStyle ShowTextStyle = cxtsPercent;
    TcxProgressBarOrientation TextOrientation = cxorHorizontal;
    bool SolidTextColor = false;
    TcxProgressBarBarStyle BarStyle = cxbsSolid;
    double OverloadValue = 80;
    TColor OverloadBeginColor = 0x8080FF;
    TColor OverloadEndColor = 0xFF00FF;
    bool ShowOverload = false;
    double PeakValue = 0;
    TColor PeakColor = clRed;
    int PeakSize = 2;
    bool ShowPeak = false;
    bool OverloadShown = false;
    bool PeakShown = false;
    bool BarTransparent = false;
    TRect BarBounds{};
    TRect FillBounds{};
    TRect OverloadBounds{};
    TRect PeakBounds{};

  private:
    void PaintBevel(TcxCanvas* canvas, const TRect& r) const;
    void FillPart(TcxCanvas* canvas, const TRect& r, TColor color) const;
    void PaintGradient(TcxCanvas* canvas, const TRect& e, const TRect& o, int w, int h) const;
    // The LED loops; a lit extent G is narrowed to where the last whole LED ends.
    void PaintLEDs(TcxCanvas* canvas, const TRect& e, const TRect& o, TRect& g, int w, int h) const;
    void PaintBitmapLEDs(TcxCanvas* canvas, const TRect& e, TRect& g) const;
    void PaintBarText(TBitmap* target, const TRect& g, int w, int h, int m) const;
};

} // namespace zorvy
