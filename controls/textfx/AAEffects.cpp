#include "controls/textfx/AAEffects.h"

#include "platform/rtl/IniFiles.h"

#include <algorithm>

namespace zorvy {

namespace {

// Stores value and reports, only when it differs.
template <class T> void Store(TNotifyClass& owner, T& field, T value) {
    if (field == value) return;
    field = value;
    owner.Changed();
}

} // namespace

// ---- TNotifyClass / TEnabledClass ----

void TNotifyClass::Assign(TPersistent* source) {
    if (dynamic_cast<TNotifyClass*>(source)) return;
    TPersistent::Assign(source);
}

void TNotifyClass::Changed() {
    if (onChanged_) onChanged_(this);
}

void TNotifyClass::Notify(TObject*) {
    Changed();
}

void TEnabledClass::Assign(TPersistent* source) {
    TNotifyClass::Assign(source);
    if (auto* other = dynamic_cast<TEnabledClass*>(source)) enabled_ = other->enabled_;
}

void TEnabledClass::Changed() {
    if (enabled_) TNotifyClass::Changed();
}

void TEnabledClass::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    if (onChanged_) onChanged_(this);
}

// ---- TAAShadow / TAAGradual / TAATexture ----

void TAAShadow::Assign(TPersistent* source) {
    TEnabledClass::Assign(source);
    if (auto* other = dynamic_cast<TAAShadow*>(source)) {
        blur_ = other->blur_;
        alpha_ = other->alpha_;
        color_ = other->color_;
        offsetX_ = other->offsetX_;
        offsetY_ = other->offsetY_;
    }
}

void TAAShadow::SetBlur(int value) { Store(*this, blur_, std::clamp(value, 0, MaxBlurStrength)); }
void TAAShadow::SetAlpha(int value) { Store(*this, alpha_, std::clamp(value, 0, MaxAlpha)); }
void TAAShadow::SetColor(TColor value) { Store(*this, color_, value); }
void TAAShadow::SetOffsetX(int value) { Store(*this, offsetX_, std::clamp(value, -MaxOffset, MaxOffset)); }
void TAAShadow::SetOffsetY(int value) { Store(*this, offsetY_, std::clamp(value, -MaxOffset, MaxOffset)); }

void TAAGradual::Assign(TPersistent* source) {
    TEnabledClass::Assign(source);
    if (auto* other = dynamic_cast<TAAGradual*>(source)) {
        style_ = other->style_;
        startColor_ = other->startColor_;
        endColor_ = other->endColor_;
    }
}

void TAAGradual::SetStyle(TGradualStyle value) { Store(*this, style_, value); }
void TAAGradual::SetStartColor(TColor value) { Store(*this, startColor_, value); }
void TAAGradual::SetEndColor(TColor value) { Store(*this, endColor_, value); }

TAATexture::TAATexture(TNotifyEvent onChanged) : TEnabledClass(std::move(onChanged)) {
    picture_.OnChange = [this](TObject*) { Changed(); };
}

void TAATexture::Assign(TPersistent* source) {
    TEnabledClass::Assign(source);
    if (auto* other = dynamic_cast<TAATexture*>(source)) {
        mode_ = other->mode_;
        picture_.Assign(&other->picture_);
    }
}

void TAATexture::SetMode(TTextureMode value) { Store(*this, mode_, value); }

// ---- TAAEffect ----

TAAEffect::TAAEffect(TNotifyEvent onChanged)
    : TNotifyClass(std::move(onChanged)), shadow_([this](TObject* s) { Notify(s); }),
      gradual_([this](TObject* s) { Notify(s); }), texture_([this](TObject* s) { Notify(s); }) {}

void TAAEffect::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TAAEffect*>(source);
    if (!other) {
        TNotifyClass::Assign(source);
        return;
    }
    alpha_ = other->alpha_;
    blur_ = other->blur_;
    noise_ = other->noise_;
    outline_ = other->outline_;
    horzMirror_ = other->horzMirror_;
    vertMirror_ = other->vertMirror_;
    spray_ = other->spray_;
    angle_ = other->angle_;
    shadow_.Assign(&other->shadow_);
    gradual_.Assign(&other->gradual_);
    texture_.Assign(&other->texture_);
}

void TAAEffect::SetAlpha(int value) { Store(*this, alpha_, std::clamp(value, 0, MaxAlpha)); }
void TAAEffect::SetBlur(int value) { Store(*this, blur_, std::clamp(value, 0, MaxBlurStrength)); }
void TAAEffect::SetAngle(int value) { Store(*this, angle_, std::clamp(value, -MaxAngle, MaxAngle)); }
void TAAEffect::SetNoise(int value) { Store(*this, noise_, std::clamp(value, 0, 255)); }
void TAAEffect::SetSpray(int value) { Store(*this, spray_, std::clamp(value, 0, MaxSpray)); }
void TAAEffect::SetOutline(bool value) { Store(*this, outline_, value); }
void TAAEffect::SetHorzMirror(bool value) { Store(*this, horzMirror_, value); }
void TAAEffect::SetVertMirror(bool value) { Store(*this, vertMirror_, value); }

void TAAEffect::SetShadow(TAAShadow* value) {
    shadow_.Assign(value);
    Changed();
}

void TAAEffect::SetGradual(TAAGradual* value) {
    gradual_.Assign(value);
    Changed();
}

void TAAEffect::SetTexture(TAATexture* value) {
    texture_.Assign(value);
    Changed();
}

void TAAEffect::SaveToIni(TIniFile& ini, const std::string& section) const {
    ini.WriteInteger(section, "Alpha", alpha_);
    ini.WriteInteger(section, "Blur", blur_);
    ini.WriteInteger(section, "Noise", noise_);
    ini.WriteInteger(section, "Spray", spray_);
    ini.WriteInteger(section, "Angle", angle_);
    ini.WriteBool(section, "Outline", outline_);
    ini.WriteBool(section, "HorzMirror", horzMirror_);
    ini.WriteBool(section, "VertMirror", vertMirror_);
    ini.WriteBool(section, "Shadow", shadow_.GetEnabled());
    ini.WriteInteger(section, "ShadowAlpha", shadow_.GetAlpha());
    ini.WriteInteger(section, "ShadowBlur", shadow_.GetBlur());
    ini.WriteInteger(section, "ShadowColor", int(shadow_.GetColor()));
    ini.WriteInteger(section, "ShadowOffsetX", shadow_.GetOffsetX());
    ini.WriteInteger(section, "ShadowOffsetY", shadow_.GetOffsetY());
    ini.WriteBool(section, "Gradual", gradual_.GetEnabled());
    ini.WriteInteger(section, "GradualStartColor", int(gradual_.GetStartColor()));
    ini.WriteInteger(section, "GradualEndColor", int(gradual_.GetEndColor()));
    ini.WriteInteger(section, "GradualStyle", int(gradual_.GetStyle()));
    ini.WriteBool(section, "Texture", texture_.GetEnabled());
    ini.WriteInteger(section, "TextureMode", int(texture_.GetMode()));
}

void TAAEffect::LoadFromIni(TIniFile& ini, const std::string& section) {
    // Values are stored directly: loading is no change the owner should render for.
    TNotifyEvent owner = std::move(onChanged_);
    onChanged_ = {};
    auto readInt = [&](const char* key, int current, int low, int high) {
        return std::clamp(ini.ReadInteger(section, key, current), low, high);
    };
    alpha_ = readInt("Alpha", alpha_, 0, MaxAlpha);
    blur_ = readInt("Blur", blur_, 0, MaxBlurStrength);
    noise_ = readInt("Noise", noise_, 0, 255);
    spray_ = readInt("Spray", spray_, 0, MaxSpray);
    angle_ = readInt("Angle", angle_, -MaxAngle, MaxAngle);
    outline_ = ini.ReadBool(section, "Outline", outline_);
    horzMirror_ = ini.ReadBool(section, "HorzMirror", horzMirror_);
    vertMirror_ = ini.ReadBool(section, "VertMirror", vertMirror_);

    // The parts report to this effect, whose callback is off meanwhile.
    shadow_.SetEnabled(ini.ReadBool(section, "Shadow", shadow_.GetEnabled()));
    shadow_.SetAlpha(ini.ReadInteger(section, "ShadowAlpha", shadow_.GetAlpha()));
    shadow_.SetBlur(ini.ReadInteger(section, "ShadowBlur", shadow_.GetBlur()));
    shadow_.SetColor(TColor(ini.ReadInteger(section, "ShadowColor", int(shadow_.GetColor()))));
    shadow_.SetOffsetX(ini.ReadInteger(section, "ShadowOffsetX", shadow_.GetOffsetX()));
    shadow_.SetOffsetY(ini.ReadInteger(section, "ShadowOffsetY", shadow_.GetOffsetY()));
    gradual_.SetEnabled(ini.ReadBool(section, "Gradual", gradual_.GetEnabled()));
    gradual_.SetStartColor(TColor(ini.ReadInteger(section, "GradualStartColor", int(gradual_.GetStartColor()))));
    gradual_.SetEndColor(TColor(ini.ReadInteger(section, "GradualEndColor", int(gradual_.GetEndColor()))));
    const int style = ini.ReadInteger(section, "GradualStyle", int(gradual_.GetStyle()));
    gradual_.SetStyle(style < 0 || style > 5 ? gsLeftToRight : TGradualStyle(style));
    texture_.SetEnabled(ini.ReadBool(section, "Texture", texture_.GetEnabled()));
    const int mode = ini.ReadInteger(section, "TextureMode", int(texture_.GetMode()));
    texture_.SetMode(mode < 0 || mode > 3 ? tmTiled : TTextureMode(mode));
    onChanged_ = std::move(owner);
}

} // namespace zorvy
