#pragma once
// The label: an editor that shows its value as static text with effects (a depth in one of eight
// directions in three colourings, raised, lowered and outlined styles, rotation, a bitmap inside the
// letters). Its caption and edit value mirror each other. Here: the settings, the label's style, the
// control, the view data (filling a view info and measuring for auto-size) and the unit's start-up.
// The painting is LabelViewInfo.h's.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/text/TextEditViewInfo.h"

#include <memory>

namespace zorvy {

class TBitmap;

// The paint option that ends a text cut short with an ellipsis (ShowEndEllipsis, or a grid's cells).
constexpr int cxLabelEndEllipsisOption = 1;

enum TcxLabelEffect { cxleNormal, cxleFun, cxleExtrude, cxleCool };
enum TcxLabelStyle { cxlsNormal, cxlsRaised, cxlsLowered, cxlsOutLine };
// The direction the depth extends from the text.
enum TcxLabelOrientation { cxoLeft, cxoRight, cxoTop, cxoBottom, cxoLeftTop, cxoLeftBottom, cxoRightTop, cxoRightBottom };

class TcxCustomLabelProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomLabelProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomLabelProperties(TPersistent* owner);
    ~TcxCustomLabelProperties() override;
    void Assign(TPersistent* source) override;

    TcxLabelEffect GetLabelEffect() const { return labelEffect_; }
    void SetLabelEffect(TcxLabelEffect value) { Store(labelEffect_, value); }
    TcxLabelStyle GetLabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TcxLabelStyle value) { Store(labelStyle_, value); }
    TcxLabelOrientation GetOrientation() const { return orientation_; }
    void SetOrientation(TcxLabelOrientation value) { Store(orientation_, value); }
    std::uint16_t GetDepth() const { return depth_; }
    void SetDepth(std::uint16_t value) { Store(depth_, value); }
    TColor GetShadowedColor() const { return shadowedColor_; }
    void SetShadowedColor(TColor value) { Store(shadowedColor_, value); }
    bool GetShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value) { Store(showAccelChar_, value); }
    bool GetShowEndEllipsis() const { return showEndEllipsis_; }
    void SetShowEndEllipsis(bool value) { Store(showEndEllipsis_, value); }
    // Degrees, counter-clockwise; TrueType fonts only.
    int GetAngle() const { return angle_; }
    void SetAngle(int value) { Store(angle_, value); }
    int GetPenWidth() const { return penWidth_; }
    void SetPenWidth(int value) { Store(penWidth_, value); }
    // Created on first read; tiled inside the letters (TrueType fonts only).
    TBitmap* GetGlyph();
    TBitmap* PeekGlyph() const { return glyph_.get(); }
    // A copy; nil frees the glyph.
    void SetGlyph(TBitmap* value);
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { Store(wordWrap_, value); }

    // (0, 0) without an effect; else Depth on the axes the orientation names.
    TSize GetEffectExtent() const;

    int GetFormatFlags() const override { return 0; }
    bool HasTextContent() const override { return true; }
    bool ComparesValueOnChange() const override { return true; }
    int GetCapabilities() const override { return 0x58A; }
    bool UsesDefaultFormatting(bool) const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;

  private:
    template <class T> void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    TcxLabelEffect labelEffect_ = cxleNormal;
    TcxLabelStyle labelStyle_ = cxlsNormal;
    TcxLabelOrientation orientation_ = cxoRightBottom;
    std::uint16_t depth_ = 0;
    TColor shadowedColor_ = clGrayText;
    bool showAccelChar_ = true;
    bool showEndEllipsis_ = false;
    int angle_ = 0;
    int penWidth_ = 1;
    std::unique_ptr<TBitmap> glyph_;
    bool wordWrap_ = false;
};

class TcxLabelProperties : public TcxCustomLabelProperties {
    ZORVY_CLASS(TcxLabelProperties, TcxCustomLabelProperties)
  public:
    using TcxCustomLabelProperties::TcxCustomLabelProperties;
};

// A label has no border of its own and no hot tracking unless asked.
class TcxLabelEditStyle : public TcxEditStyle {
    ZORVY_CLASS(TcxLabelEditStyle, TcxEditStyle)
  public:
    using TcxEditStyle::TcxEditStyle;
    static TcxContainerStyleClass Class();

  protected:
    TcxContainerBorderStyle FallbackBorderStyle() const override;
    bool FallbackHotTrack() const override { return false; }
};

class TcxCustomLabelViewData : public TcxCustomEditViewData {
    ZORVY_CLASS(TcxCustomLabelViewData, TcxCustomEditViewData)
  public:
    using TcxCustomEditViewData::TcxCustomEditViewData;
    void EditValueToText(const Variant& value, std::string& text) override;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    // The text with its effects: the rotated text's bounding box plus the depth and the style offset.
    void MeasureContentSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                            TSize& size) override;
    // Text-row flags of the unrotated text.
    int GetTextRowFlags() const;

  private:
    TcxCustomLabelProperties* LabelProperties() const {
        return static_cast<TcxCustomLabelProperties*>(GetProperties());
    }
};

class TcxCustomLabel : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomLabel, TcxCustomEdit)
  public:
    explicit TcxCustomLabel(TComponent* owner) : TcxCustomLabel(owner, false) {}
    TcxCustomLabel(TComponent* owner, bool inplace,
                   const TMetaClass* propertiesClass = TcxLabelProperties::StaticClass());
    ~TcxCustomLabel() override;
    TcxCustomLabelProperties* GetLabelProperties() const {
        return static_cast<TcxCustomLabelProperties*>(GetEffectiveProperties());
    }
    TWinControl* GetFocusControl() const { return focusControl_; }
    // Not the label itself.
    void SetFocusControl(TWinControl* value);

    void ShowDisplayValue(const Variant& value) override;
    bool FitsWidthToButtons() const override { return true; }
    // Sized to the text: no width limit unless the text wraps.
    TcxEditSizeProperties GetSizeLimits() const override;
    bool DefaultsToParentColor() const override { return true; }
    int GetTextBaseline() const override;
    bool HasTextBaseline() const override;
    // Only in place.
    bool FocusesOnClick() const override;
    bool CanFocus() const override;
    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void StoreEditValue(const Variant& value) override;
    void CMTextChanged(TMessage& m) override;
    void CMDialogChar(TMessage& m) override;
    TcxContainerStyleClass GetStyleClass() const override;

  private:
    TWinControl* focusControl_ = nullptr;
    bool copyingCaption_ = false;
};

class TcxLabel : public TcxCustomLabel {
    ZORVY_CLASS(TcxLabel, TcxCustomLabel)
  public:
    using TcxCustomLabel::TcxCustomLabel;
    TcxLabelProperties* GetProperties() const {
        return static_cast<TcxLabelProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxLabelProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Registers the label as an editor kind, filtered with the text editor (first call only); the last
// shutdown removes both.
void InitializeLabelUnit();
void FinalizeLabelUnit();

} // namespace zorvy
