#pragma once
// The parameters of anti-aliased text: TAAEffect with its shadow, gradient and texture. Each change is
// reported through a change callback so that the owning control renders again; a disabled shadow,
// gradient or texture reports only being switched on or off. An effect saves to and loads from an ini
// section. How each parameter changes the drawing is TAAFontEx's business (AAFont.h).
#include "platform/classlib/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zorvy {

class TIniFile;

// Ranges of the parameters; values outside are clamped.
inline constexpr int MaxAlpha = 100, MaxBlurStrength = 100, MaxSpray = 100, MaxOffset = 20, MaxAngle = 360;

enum class TGradualStyle { gsLeftToRight, gsRightToLeft, gsTopToBottom, gsBottomToTop, gsCenterToLR, gsCenterToTB };
using enum TGradualStyle;
enum class TTextureMode { tmTiled, tmStretched, tmCenter, tmNormal };
using enum TTextureMode;

// A persistent object that reports its changes to an owner.
class TNotifyClass : public TPersistent {
    ZORVY_CLASS(TNotifyClass, TPersistent)
  public:
    explicit TNotifyClass(TNotifyEvent onChanged = {}) : onChanged_(std::move(onChanged)) {}
    void Assign(TPersistent* source) override;
    void SetOnChanged(TNotifyEvent onChanged) { onChanged_ = std::move(onChanged); }
    // Calls the callback with this object as sender.
    virtual void Changed();
    // The change callback of sub-objects: reports them as a change of this object.
    virtual void Notify(TObject* sender);

  protected:
    TNotifyEvent onChanged_;
};

// A switchable part: while off, changes of its other properties report nothing.
class TEnabledClass : public TNotifyClass {
    ZORVY_CLASS(TEnabledClass, TNotifyClass)
  public:
    using TNotifyClass::TNotifyClass;
    void Assign(TPersistent* source) override;
    void Changed() override;
    bool GetEnabled() const { return enabled_; }
    // Switching reports in both directions.
    void SetEnabled(bool value);

  protected:
    bool enabled_ = false;
};

class TAAShadow : public TEnabledClass {
    ZORVY_CLASS(TAAShadow, TEnabledClass)
  public:
    using TEnabledClass::TEnabledClass;
    void Assign(TPersistent* source) override;
    int GetBlur() const { return blur_; }
    void SetBlur(int value);
    int GetAlpha() const { return alpha_; }
    void SetAlpha(int value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor value);
    int GetOffsetX() const { return offsetX_; }
    void SetOffsetX(int value);
    int GetOffsetY() const { return offsetY_; }
    void SetOffsetY(int value);

  private:
    int blur_ = 80;
    int alpha_ = 70;
    TColor color_ = TColor(4473924); // red, green and blue 68
    int offsetX_ = 2;
    int offsetY_ = 2;
};

class TAAGradual : public TEnabledClass {
    ZORVY_CLASS(TAAGradual, TEnabledClass)
  public:
    using TEnabledClass::TEnabledClass;
    void Assign(TPersistent* source) override;
    TGradualStyle GetStyle() const { return style_; }
    void SetStyle(TGradualStyle value);
    TColor GetStartColor() const { return startColor_; }
    void SetStartColor(TColor value);
    TColor GetEndColor() const { return endColor_; }
    void SetEndColor(TColor value);

  private:
    TGradualStyle style_ = gsLeftToRight;
    TColor startColor_ = TColor(16777215);
    TColor endColor_ = TColor(0);
};

class TAATexture : public TEnabledClass {
    ZORVY_CLASS(TAATexture, TEnabledClass)
  public:
    explicit TAATexture(TNotifyEvent onChanged = {});
    void Assign(TPersistent* source) override;
    TTextureMode GetMode() const { return mode_; }
    void SetMode(TTextureMode value);
    TPicture* GetPicture() { return &picture_; }
    // Copies the picture.
    void SetPicture(TPicture* value) { picture_.Assign(value); }

  private:
    TTextureMode mode_ = tmTiled;
    TPicture picture_;
};

class TAAEffect : public TNotifyClass {
    ZORVY_CLASS(TAAEffect, TNotifyClass)
  public:
    explicit TAAEffect(TNotifyEvent onChanged = {});
    // Copies every parameter without reporting a change.
    void Assign(TPersistent* source) override;

    // Ini sections: every key below; the texture picture is not stored. Loading takes the current
    // values as defaults, clamps to the ranges and reports nothing.
    virtual void LoadFromIni(TIniFile& ini, const std::string& section);
    virtual void SaveToIni(TIniFile& ini, const std::string& section) const;

    // Parameters
    int GetAlpha() const { return alpha_; }
    void SetAlpha(int value);
    int GetBlur() const { return blur_; }
    void SetBlur(int value);
    int GetAngle() const { return angle_; }
    void SetAngle(int value);
    int GetNoise() const { return noise_; }
    void SetNoise(int value);
    int GetSpray() const { return spray_; }
    void SetSpray(int value);
    bool GetOutline() const { return outline_; }
    void SetOutline(bool value);
    bool GetHorzMirror() const { return horzMirror_; }
    void SetHorzMirror(bool value);
    bool GetVertMirror() const { return vertMirror_; }
    void SetVertMirror(bool value);

    // Parts: setting one assigns the given object, then reports
    TAAShadow* GetShadow() { return &shadow_; }
    void SetShadow(TAAShadow* value);
    TAAGradual* GetGradual() { return &gradual_; }
    void SetGradual(TAAGradual* value);
    TAATexture* GetTexture() { return &texture_; }
    void SetTexture(TAATexture* value);

  private:
    int alpha_ = 100;
    int blur_ = 0;
    int angle_ = 0;
    int noise_ = 0;
    int spray_ = 0;
    bool outline_ = false;
    bool horzMirror_ = false;
    bool vertMirror_ = false;
    TAAShadow shadow_;
    TAAGradual gradual_;
    TAATexture texture_;
};

} // namespace zorvy
