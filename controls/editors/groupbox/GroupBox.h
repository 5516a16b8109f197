#pragma once
// The group box: a framed container with a caption at one of thirteen positions (vertical ones drawn
// with a turned font), built on the editor framework so it shares the editors' styles and looks.
// Child controls go inside the frame, below (or beside) the caption.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditProperties.h"

#include <memory>

namespace zorvy {

class TFont;

enum TcxCaptionAlignment {
    alTopLeft,
    alTopCenter,
    alTopRight,
    alBottomLeft,
    alBottomCenter,
    alBottomRight,
    alLeftTop,
    alLeftCenter,
    alLeftBottom,
    alRightTop,
    alRightCenter,
    alRightBottom,
    alCenterCenter
};

bool IsVerticalCaption(TcxCaptionAlignment alignment);
// The painter's caption position: top 0, bottom 1, left 2, right 3, centre 4.
int CaptionAlignmentToPosition(TcxCaptionAlignment alignment);

class TcxCustomGroupBoxProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomGroupBoxProperties, TcxCustomEditProperties)
  public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
};

class TcxCustomGroupBox : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomGroupBox, TcxCustomEdit)
  public:
    explicit TcxCustomGroupBox(TComponent* owner) : TcxCustomGroupBox(owner, false) {}
    TcxCustomGroupBox(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxCustomGroupBoxProperties::StaticClass());
    ~TcxCustomGroupBox() override;

    TcxCaptionAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TcxCaptionAlignment value);
    // Read from streams only; never painted.
    TColor GetCaptionBkColor() const { return captionBkColor_; }
    void SetCaptionBkColor(TColor value) { captionBkColor_ = value; }
    TFont* GetCaptionFont() const { return captionFont_.get(); }
    // The Caption, without accelerator marks when vertical.
    const std::string& GetCaptionText() const { return captionText_; }
    void UpdateCaptionFont();
    void UpdateCaptionText();
    bool IsAcceleratorFocusing() const { return acceleratorFocusing_; }

    bool FocusesOnClick() const override { return false; }
    bool DefaultsToParentColor() const override { return true; }
    TRect GetShapeBounds() const override;
    TcxContainerStyleValues GetHiddenStyleValues() const override {
        return TcxCustomEdit::GetHiddenStyleValues() | (1u << 5);
    }
    bool AlwaysTransparent() const override;
    // Children sit where they are put, also on the caption row (a check box on the frame line);
    // only aligned ones keep to the area inside the frame.
    bool UsesStandardChildLayout() const override { return true; }

  protected:
    void HandleStyleChange(TObject* style) override;
    void CMDialogChar(TMessage& m) override;
    void CMTextChanged(TMessage& m) override;
    void CMFontChanged(TMessage& m) override;

  private:
    void Relayout();

    TcxCaptionAlignment alignment_ = alTopLeft;
    TColor captionBkColor_ = clDefault;
    std::unique_ptr<TFont> captionFont_;
    bool acceleratorFocusing_ = false;
    std::string captionText_;
};

class TcxGroupBox : public TcxCustomGroupBox {
    ZORVY_CLASS(TcxGroupBox, TcxCustomGroupBox)
  public:
    using TcxCustomGroupBox::TcxCustomGroupBox;
    // The normal style's colour and font.
    TColor GetColor() const;
    void SetColor(TColor value);
    TFont* GetFont() const;
    void SetFont(TFont* value);
};

} // namespace zorvy
