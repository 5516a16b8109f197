#pragma once
// The controls that show anti-aliased text: TAAGraphicControl, the base that owns the effect renderer
// and turns every relevant change into one render, and TAALabel, a windowless label that renders its
// caption with effects into a cached bitmap (or, transparent, straight over its parent on every paint).
// The property bundles TDrag, TParentEffect and TAAFontEffect act on their own control.
#include "controls/textfx/AAFont.h"
#include "controls/textfx/AAPictures.h"
#include "platform/classlib/Controls.h"

#include <memory>
#include <string>

namespace zorvy {

class TAAGraphicControl;
class TAALabel;

// A bundle of properties of a control, read and written on that control.
class TPackParam : public TPersistent {
    ZORVY_CLASS(TPackParam, TPersistent)
  public:
    explicit TPackParam(TAAGraphicControl* control) : Control(control) {}
    TAAGraphicControl* Control;
};

class TDrag : public TPackParam {
    ZORVY_CLASS(TDrag, TPackParam)
  public:
    using TPackParam::TPackParam;
    // Copies the values onto this bundle's own control.
    void Assign(TPersistent* source) override;
    TCursor GetDragCursor() const;
    void SetDragCursor(TCursor value);
    TDragKind GetDragKind() const;
    void SetDragKind(TDragKind value);
    TDragMode GetDragMode() const;
    void SetDragMode(TDragMode value);
};

class TParentEffect : public TPackParam {
    ZORVY_CLASS(TParentEffect, TPackParam)
  public:
    using TPackParam::TPackParam;
    // Copies the values onto this bundle's own control.
    void Assign(TPersistent* source) override;
    bool GetParentColor() const;
    void SetParentColor(bool value);
    bool GetParentFont() const;
    void SetParentFont(bool value);
    bool GetParentShowHint() const;
    void SetParentShowHint(bool value);
};

enum class TBackGroundMode { bmTiled, bmStretched, bmCenter, bmNormal };
using enum TBackGroundMode;

// Fills r with the canvas brush (as solid), then draws the graphic the given way.
void DrawBackground(TCanvas* canvas, const TRect& r, TBackGroundMode mode, TGraphic* graphic);

class TCustomParam : public TNotifyClass {
    ZORVY_CLASS(TCustomParam, TNotifyClass)
  public:
    TCustomParam(TAALabel* label, TNotifyEvent onChanged);
    // Copies the values; the label stays this object's own.
    void Assign(TPersistent* source) override;
    bool IsBackGroundEmpty() const;
    TAALabel* Label;

  protected:
    TAlignment alignment_ = taLeftJustify;
    bool transparent_ = false;
    TTextLayout layout_ = tlTop;
    TPicture backGround_;
    TBackGroundMode backGroundMode_ = bmCenter;
};

class TAAFontEffect : public TCustomParam {
    ZORVY_CLASS(TAAFontEffect, TCustomParam)
  public:
    using TCustomParam::TCustomParam;
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value);
    TTextLayout GetLayout() const { return layout_; }
    void SetLayout(TTextLayout value);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TAAQuality GetQuality() const;
    void SetQuality(TAAQuality value);
    // The label renderer's effect; setting it copies the given one.
    TAAEffect* GetFontEffect() const;
    void SetFontEffect(TAAEffect* value);
    // The label's colour.
    TColor GetBackColor() const;
    void SetBackColor(TColor value);
    TPicture* GetBackGround() { return &backGround_; }
    void SetBackGround(TPicture* value) { backGround_.Assign(value); }
    TBackGroundMode GetBackGroundMode() const { return backGroundMode_; }
    void SetBackGroundMode(TBackGroundMode value);
};

class TAAGraphicControl : public TGraphicControl {
    ZORVY_CLASS(TAAGraphicControl, TGraphicControl)
  public:
    explicit TAAGraphicControl(TComponent* owner);
    ~TAAGraphicControl() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;

    // Renders again once loaded and not loading, reading, writing, destroying or updating.
    void Changed();
    void SetAutoSize(bool value);
    int GetBorder() const { return border_; }
    void SetBorder(int value);

    TDrag* GetDrag() { return &drag_; }
    TParentEffect* GetParentEffect() { return &parentEffect_; }
    TAAFontEx* GetAAFont() { return aaFont_.get(); }

  protected:
    void Paint() override;
    void Resize() override;
    virtual void PaintCanvas() {}
    virtual void LoadedChanged() { Changed(); }
    virtual void Reset() { Invalidate(); }

  private:
    TDrag drag_;
    TParentEffect parentEffect_;
    std::unique_ptr<TAAFontEx> aaFont_;
    bool loaded_ = false;
    bool painting_ = false;
    int border_ = 0;
    int lastWidth_ = -1;
    int lastHeight_ = -1;
};

class TAALabel : public TAAGraphicControl {
    ZORVY_CLASS(TAALabel, TAAGraphicControl)
  public:
    explicit TAALabel(TComponent* owner);
    ~TAALabel() override;
    TAAFontEffect* GetEffect() { return &effect_; }
    // The cached rendering an opaque label paints from.
    TBitmap* GetCache() { return &cache_; }

  protected:
    void PaintCanvas() override;
    void Reset() override;

  private:
    // Sizes the label (auto-size) and answers where the caption goes on a canvas of the label's size.
    TPoint PlaceCaption();
    void RenderCaption();
    void DrawCaptionDirect();

    TAAFontEffect effect_;
    TBitmap cache_;
    bool rendering_ = false;
};

} // namespace zorvy
