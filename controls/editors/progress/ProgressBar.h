#pragma once
// The progress bar: a display-only editor that shows a number between Min and Max as a filled bar,
// with an optional text, an overload zone past a threshold and a peak mark that remembers the highest
// value shown. Here: the settings with their range rules and peak tracking, the view data that lays a
// bar out, the control, its filter helper and the unit's registration. The painting is ProgressBarViewInfo.h's.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/spin/SpinEditProperties.h"

#include <memory>

namespace zorvy {

class TBitmap;
class TcxCustomProgressBarViewInfo;

enum TcxProgressBarBevelOuter { cxbvNone, cxbvLowered, cxbvRaised };
enum TcxProgressBarOrientation { cxorHorizontal, cxorVertical };
enum TcxProgressBarTextStyle { cxtsPercent, cxtsPosition };
enum TcxProgressBarBarStyle { cxbsSolid, cxbsLEDs, cxbsGradient, cxbsGradientLEDs, cxbsBitmap, cxbsBitmapLEDs };

// Publishes the framework's Min and Max flags under these names.
class TcxProgressBarPropertiesValues : public TcxCustomEditPropertiesValues {
    ZORVY_CLASS(TcxProgressBarPropertiesValues, TcxCustomEditPropertiesValues)
  public:
    using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;
};

class TcxCustomProgressBarProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomProgressBarProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomProgressBarProperties(TPersistent* owner);
    ~TcxCustomProgressBarProperties() override;
    // From progress-bar settings, through the setters (Min before Max), in one change batch.
    void Assign(TPersistent* source) override;

    // ---- the range: assigned, the own value; else 0 and 100 ----
    double GetMinValue() override;
    double GetMaxValue() override;
    double GetMin() { return GetMinValue(); }
    // A new end past the other moves the other along; the overload and peak values follow silently.
    void SetMin(double value);
    double GetMax() { return GetMaxValue(); }
    void SetMax(double value);
    double GetOverloadValue() const { return overloadValue_; }
    // Kept within the range.
    void SetOverloadValue(double value);
    double GetPeakValue() const { return peakValue_; }
    void SetPeakValue(double value) { Store(peakValue_, value); }
    // The peak to draw for a position, which also raises PeakValue (silently) when passed.
    double GetEffectivePeak(double position);
    // The view info's Position into the range while Max > Min.
    virtual void ClampPosition(TcxCustomProgressBarViewInfo* viewInfo);

    // ---- looks ----
    TColor GetBeginColor() const { return beginColor_; }
    void SetBeginColor(TColor value) { Store(beginColor_, value); }
    TColor GetEndColor() const { return endColor_; }
    void SetEndColor(TColor value) { Store(endColor_, value); }
    TcxProgressBarBevelOuter GetBarBevelOuter() const { return barBevelOuter_; }
    void SetBarBevelOuter(TcxProgressBarBevelOuter value) { Store(barBevelOuter_, value); }
    // Made empty on first read.
    TBitmap* GetForegroundImage();
    TBitmap* PeekForegroundImage() const { return foregroundImage_.get(); }
    // A copy; nil frees the image.
    void SetForegroundImage(TBitmap* value);
    TcxProgressBarOrientation GetOrientation() const { return orientation_; }
    void SetOrientation(TcxProgressBarOrientation value) { Store(orientation_, value); }
    bool GetShowText() const { return showText_; }
    void SetShowText(bool value) { Store(showText_, value); }
    TcxProgressBarTextStyle GetShowTextStyle() const { return showTextStyle_; }
    void SetShowTextStyle(TcxProgressBarTextStyle value) { Store(showTextStyle_, value); }
    TcxProgressBarOrientation GetTextOrientation() const { return textOrientation_; }
    void SetTextOrientation(TcxProgressBarOrientation value) { Store(textOrientation_, value); }
    bool GetSolidTextColor() const { return solidTextColor_; }
    void SetSolidTextColor(bool value) { Store(solidTextColor_, value); }
    TcxProgressBarBarStyle GetBarStyle() const { return barStyle_; }
    void SetBarStyle(TcxProgressBarBarStyle value) { Store(barStyle_, value); }
    bool GetTransparentImage() const { return transparentImage_; }
    void SetTransparentImage(bool value) { Store(transparentImage_, value); }
    std::uint16_t GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(std::uint16_t value) { Store(borderWidth_, value); }
    bool GetShowOverload() const { return showOverload_; }
    void SetShowOverload(bool value) { Store(showOverload_, value); }
    TColor GetOverloadBeginColor() const { return overloadBeginColor_; }
    void SetOverloadBeginColor(TColor value) { Store(overloadBeginColor_, value); }
    TColor GetOverloadEndColor() const { return overloadEndColor_; }
    void SetOverloadEndColor(TColor value) { Store(overloadEndColor_, value); }
    bool GetShowPeak() const { return showPeak_; }
    void SetShowPeak(bool value) { Store(showPeak_, value); }
    TColor GetPeakColor() const { return peakColor_; }
    void SetPeakColor(TColor value) { Store(peakColor_, value); }
    // 1 and up.
    int GetPeakSize() const { return peakSize_; }
    void SetPeakSize(int value) { Store(peakSize_, std::max(value, 1)); }

    // ---- the editor kind ----
    bool HasTextContent() const override { return true; }
    bool ComparesValueOnChange() const override { return true; }
    int GetCapabilities() const override { return 265; }
    // A number, or a string that converts to one; anything else shows as 0.
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    // The value itself, with " %" for the percent style.
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override {
        return new TcxProgressBarPropertiesValues(this);
    }

  private:
    template <class T> void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void ApplyMinChange();
    void ApplyMaxChange();

    TColor beginColor_ = clNavy;
    TcxProgressBarBevelOuter barBevelOuter_ = cxbvNone;
    TColor endColor_ = clWhite;
    std::unique_ptr<TBitmap> foregroundImage_;
    TcxProgressBarOrientation orientation_ = cxorHorizontal;
    bool showText_ = true;
    TcxProgressBarTextStyle showTextStyle_ = cxtsPercent;
    TcxProgressBarOrientation textOrientation_ = cxorHorizontal;
    bool solidTextColor_ = false;
    TcxProgressBarBarStyle barStyle_ = cxbsSolid;
    bool transparentImage_ = true;
    std::uint16_t borderWidth_ = 0;
    double overloadValue_ = 80;
    bool showOverload_ = false;
    TColor overloadBeginColor_ = 0x8080FF;
    TColor overloadEndColor_ = 0xFF00FF;
    double peakValue_ = 0;
    bool showPeak_ = false;
    TColor peakColor_ = clRed;
    int peakSize_ = 2;
};

class TcxProgressBarProperties : public TcxCustomProgressBarProperties {
    ZORVY_CLASS(TcxProgressBarProperties, TcxCustomProgressBarProperties)
  public:
    using TcxCustomProgressBarProperties::TcxCustomProgressBarProperties;
};

class TcxCustomProgressBarViewData : public TcxCustomEditViewData {
    ZORVY_CLASS(TcxCustomProgressBarViewData, TcxCustomEditViewData)
  public:
    using TcxCustomEditViewData::TcxCustomEditViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    // The shown value (30 in preview mode), clamped into the range.
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    // The settings copied into the view info, with the peak for its Position.
    void TakeOverBarProperties(TcxCustomProgressBarViewInfo* viewInfo);
    int GetTextRowFlags() const { return 0; }
    // Room for the lit part, a margin and one line of text; the canvas keeps its font.
    void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits, TSize& overflow,
                             TcxCustomEditViewInfo* viewInfo, TSize& frame) override;
    // Set for the sample shown by designers: the value is 30 whatever it is.
    bool PreviewMode = false;

  private:
    TcxCustomProgressBarProperties* BarProperties() const {
        return static_cast<TcxCustomProgressBarProperties*>(GetProperties());
    }
};

class TcxCustomProgressBar : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomProgressBar, TcxCustomEdit)
  public:
    explicit TcxCustomProgressBar(TComponent* owner) : TcxCustomProgressBar(owner, false) {}
    TcxCustomProgressBar(TComponent* owner, bool inplace,
                         const TMetaClass* propertiesClass = TcxProgressBarProperties::StaticClass());
    ~TcxCustomProgressBar() override;
    TcxCustomProgressBarProperties* GetBarProperties() const {
        return static_cast<TcxCustomProgressBarProperties*>(GetEffectiveProperties());
    }
    TcxCustomProgressBarViewInfo* GetBarViewInfo() const;

    // The shown value; a new one is brought into the range (outside loading) and stored.
    double GetPosition() const;
    void SetPosition(double value);

    void ShowEditValue() override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    bool DefaultsToParentColor() const override { return true; }
    // Only in place.
    bool FocusesOnClick() const override;
    bool CanFocus() const override;
    // One line as wide as the text area.
    TcxEditSizeProperties GetSizeLimits() const override;

  protected:
    // Hot tracking is no setting of a bar.
    TcxContainerStyleValues GetHiddenStyleValues() const override { return TcxCustomEdit::GetHiddenStyleValues() | 32; }
    // The stored value into the range while Max > Min.
    void ClampEditValue();
    // Unless in place, bound to a field or not yet complete.
    void ClampEditValueIfFree();
};

class TcxProgressBar : public TcxCustomProgressBar {
    ZORVY_CLASS(TcxProgressBar, TcxCustomProgressBar)
  public:
    using TcxCustomProgressBar::TcxCustomProgressBar;
    TcxProgressBarProperties* GetProperties() const {
        return static_cast<TcxProgressBarProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxProgressBarProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Filter values of progress-bar columns are typed in a spin editor bounded by the bar's Min and Max.
class TcxFilterProgressBarHelper : public TcxFilterSpinEditHelper {
    ZORVY_CLASS(TcxFilterProgressBarHelper, TcxFilterSpinEditHelper)
  public:
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the progress bar as an editor kind with its filter helper (first call only); the last
// shutdown removes both.
void InitializeProgressBarUnit();
void FinalizeProgressBarUnit();

} // namespace zorvy
