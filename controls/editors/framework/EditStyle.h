#pragma once
// Editor styles: TcxCustomEditStyle adds button style, button transparency, gradient buttons, popup
// border style and the popup close button to the container style, each found through the style
// controller chain and the parent style when unassigned; TcxEditStyleController shares a set of them;
// the default edit style controller is the container unit's fallback while the framework runs.
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/containers/StyleController.h"

namespace zorvy {

class TcxEditStyleController;

// Indexes of the editor's own style values, after the container's ten.
enum : TcxContainerStyleValue {
    svButtonStyle = 10,
    svButtonTransparency = 11,
    svPopupBorderStyle = 12,
    svGradientButtons = 13,
};

class TcxCustomEditStyle : public TcxContainerStyle {
    ZORVY_CLASS(TcxCustomEditStyle, TcxContainerStyle)
  public:
    TcxCustomEditStyle(TPersistent* owner, int state, TcxContainerStyle* parentStyle, bool directAccessMode);
    explicit TcxCustomEditStyle(TPersistent* owner) : TcxCustomEditStyle(owner, cxssNormal, nullptr, false) {}
    static TcxContainerStyleClass Class();

    void AssignFrom(TPersistent* source) override;
    TcxStyleController* GetFallbackStyleController() const override;
    TcxContainerStyleValues HiddenExtendedValues() const override;
    int StyleValueCount() const override { return 14; }
    bool StyleValueName(int index, std::string& name) const override;
    bool IsValueAssigned(TcxContainerStyleValue value) const override;

    TcxEditButtonStyle GetButtonStyle() const;
    void SetButtonStyle(TcxEditButtonStyle value);
    // Held by the normal style only: other states pass a new value to it.
    TcxEditButtonTransparency GetButtonTransparency() const;
    void SetButtonTransparency(TcxEditButtonTransparency value);
    bool GetGradientButtons() const;
    TcxEditPopupBorderStyle GetPopupBorderStyle() const;
    void SetPopupBorderStyle(TcxEditPopupBorderStyle value);
    bool PopupCloseButtonInEffect() const;
    void SetPopupCloseButton(bool value);
    TcxEditBorderStyle GetEditBorderStyle() const { return TcxEditBorderStyle(GetBorderStyle()); }
    void SetEditBorderStyle(TcxEditBorderStyle value) { SetBorderStyle(TcxContainerBorderStyle(value)); }
    TcxEditStyleController* GetEditStyleController() const;
    void SetEditStyleController(TcxEditStyleController* value);
    bool IsButtonStyleStored() const { return OwnBit(svButtonStyle); }
    bool IsButtonTransparencyStored() const { return OwnBit(svButtonTransparency); }
    bool IsPopupBorderStyleStored() const { return OwnBit(svPopupBorderStyle); }

  protected:
    virtual TcxEditButtonStyle InheritedButtonStyle() const;
    virtual TcxEditButtonTransparency InheritedButtonTransparency() const;
    virtual bool InheritedGradientButtons() const;
    virtual TcxEditPopupBorderStyle InheritedPopupBorderStyle() const;

  private:
    bool OwnBit(TcxContainerStyleValue v) const { return (GetAssignedValues() & StyleValueBit(v)) != 0; }
    void SetOwnBit(TcxContainerStyleValue v);
    // The style of the same state in the active controller, when it is an editor style.
    const TcxCustomEditStyle* ControllerEditStyle() const;
    const TcxCustomEditStyle* ParentEditStyle() const;
    TcxCustomEditStyle* RootEditStyle();
    // The first style on the controller chain that has v assigned, or nil.
    const TcxCustomEditStyle* FindAssigned(TcxContainerStyleValue v) const;

    TcxEditButtonStyle buttonStyle_ = btsDefault;
    TcxEditButtonTransparency buttonTransparency_ = ebtNone;
    bool gradientButtons_ = false;
    TcxEditPopupBorderStyle popupBorderStyle_ = epbsDefault;
    bool popupCloseButton_ = true;
};

class TcxEditStyle : public TcxCustomEditStyle {
    ZORVY_CLASS(TcxEditStyle, TcxCustomEditStyle)
  public:
    using TcxCustomEditStyle::TcxCustomEditStyle;
    static TcxContainerStyleClass Class();
};

class TcxEditStyleController : public TcxStyleController {
    ZORVY_CLASS(TcxEditStyleController, TcxStyleController)
  public:
    explicit TcxEditStyleController(TComponent* owner) : TcxStyleController(owner, TcxEditStyle::Class()) {}

    TcxCustomEditStyle* StyleForState(int state) const {
        return static_cast<TcxCustomEditStyle*>(GetStyles()->StyleForState(state));
    }
    TcxCustomEditStyle* GetStyle() const { return StyleForState(cxssNormal); }
    TcxCustomEditStyle* GetStyleDisabled() const { return StyleForState(cxssDisabled); }
    TcxCustomEditStyle* GetStyleFocused() const { return StyleForState(cxssFocused); }
    TcxCustomEditStyle* GetStyleHot() const { return StyleForState(cxssHot); }
    void SetStyle(TcxCustomEditStyle* value) { GetStyles()->AssignNormalStyle(value); }
    void SetStyleDisabled(TcxCustomEditStyle* value) { GetStyles()->AssignDisabledStyle(value); }
    void SetStyleFocused(TcxCustomEditStyle* value) { GetStyles()->AssignFocusedStyle(value); }
    void SetStyleHot(TcxCustomEditStyle* value) { GetStyles()->AssignHotStyle(value); }
};

// The look-and-feel kind of an editor's buttons by their button style.
TcxLookAndFeelKind ButtonStyleLookAndFeelKind(TcxEditButtonStyle style);

// The controller every editor style follows unless told otherwise; nil outside the framework's life.
TcxEditStyleController* GetDefaultEditStyleController();

} // namespace zorvy
