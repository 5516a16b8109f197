#pragma once
// The label's painting with all its effects: background or the parent's image, rotation about the
// text's centre, depth layers in three colourings, raised, lowered and outlined styles, and a bitmap
// tiled inside the letters through a clip path. The content is painted into a bitmap once per change;
// repeated paints of an unchanged opaque label copy that bitmap.
#include "controls/editors/framework/EditAlignment.h"
#include "controls/editors/label/Label.h"

namespace zorvy {

class TcxCustomLabelViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxCustomLabelViewInfo, TcxCustomTextEditViewInfo)
  public:
    TcxCustomLabelViewInfo();
    ~TcxCustomLabelViewInfo() override;
    void StoreBackgroundColor(TColor color) override;
    void ShiftBy(int dx, int dy) override;
    void PaintTo(TcxCanvas* canvas) override;
    virtual void PaintLabel(TcxCanvas* canvas);
    void InvalidateCache() { cacheInvalid_ = true; }
    // How many times the effects were drawn into the cache.
    int CacheFillCount() const { return cacheFills_; }

    TcxLabelEffect LabelEffect = cxleNormal;
    TcxLabelStyle LabelStyle = cxlsNormal;
    TcxLabelOrientation Orientation = cxoRightBottom;
    int Depth = 0;
    TColor ShadowedColor = clGrayText;
    bool ShowAccelChar = true;
    int Angle = 0;
    int PenWidth = 1;
    bool WordWrap = false;
    TcxEditAlignment LabelAlignment;
    TBitmap* Glyph = nullptr; // the properties', not owned
    TSize EffectExtent{};
    TRect FocusRect{};
    TRect ContentMargins{}; // in place

  protected:
    virtual void DrawLabel(TcxCanvas* canvas, const TRect& area, const TRect& textRect, const TRect& source);

  private:
    void DrawTextAt(TcxCanvas* canvas, const TRect& textRect, TPoint q, bool rotated, const std::string& text);
    void PaintFace(TcxCanvas* canvas, const TRect& textRect, TPoint at, bool rotated, bool trueType,
                   bool suppressPlain, const std::string& text);
    TcxCanvas* sourceCanvas_ = nullptr; // the canvas PaintLabel received
    std::unique_ptr<TBitmap> cache_;
    bool cacheInvalid_ = true;
    int lastLeft_ = 2147483647;
    int lastTop_ = 2147483647;
    int cacheFills_ = 0;
};

// Each channel i of n of the way from one colour to the other, truncated.
TColor BlendLabelColor(TColor from, TColor to, int i, int n);

} // namespace zorvy
