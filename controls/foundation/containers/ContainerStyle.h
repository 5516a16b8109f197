#pragma once
// The appearance of a container in one state (normal, focused, disabled, hot): border colour and
// style, colour, edges, font, text colour and style, hot tracking, shadow and transparent border.
// A value a style does not set itself comes from its style controller chain, and when no controller
// sets it, from a built-in default that may depend on the state, the normal style and the owning
// container. TcxContainerStyles holds the four styles of one owner.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/GraphicsObjects.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class TcxContainer;
class TcxStyleController;

enum TcxContainerBorderStyle { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };

// Indexes of the style values, and sets of them (bit i = value i).
using TcxContainerStyleValue = int;
enum : TcxContainerStyleValue {
    csvBorderColor,
    csvBorderStyle,
    csvColor,
    csvEdges,
    csvFont,
    csvHotTrack,
    csvShadow,
    csvTextColor,
    csvTextStyle,
    csvTransparentBorder,
};
using TcxContainerStyleValues = std::uint32_t;
constexpr TcxContainerStyleValues StyleValueBit(TcxContainerStyleValue v) {
    return TcxContainerStyleValues(1u) << v;
}

// States of a style: 0 normal, 1 focused, 2 disabled, 3 hot.
enum : int { cxssNormal, cxssFocused, cxssDisabled, cxssHot };

class TcxContainerStyle;
// Makes a style of some class: (owner, state, parent style, direct access mode).
using TcxContainerStyleClass = std::function<TcxContainerStyle*(TPersistent*, int, TcxContainerStyle*, bool)>;

class TcxContainerStyle : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxContainerStyle, TcxInterfacedPersistent)
  public:
    // The parent style is kept for the focused, disabled and hot states only. In direct access mode
    // the style reads as if every value were assigned, keeps the font object it is given and never
    // announces a change.
    TcxContainerStyle(TPersistent* owner, int state, TcxContainerStyle* parentStyle, bool directAccessMode);
    explicit TcxContainerStyle(TPersistent* owner) : TcxContainerStyle(owner, cxssNormal, nullptr, false) {}
    ~TcxContainerStyle() override;
    static TcxContainerStyleClass Class();

    // "Cannot assign" for anything but a container style.
    void Assign(TPersistent* source) override { AssignFrom(source); }
    virtual void AssignFrom(TPersistent* source);
    void BeginChanges();
    void EndChanges();
    // "IsFontAssigned": written (as True) exactly when Font is stored; reading it marks Font assigned.
    void DefineProperties(TFiler* filer) override;
    virtual void ResetAssignedValues();

    // Values
    TcxContainerStyleValues GetAssignedValues() const;
    void SetAssignedValues(TcxContainerStyleValues value);
    TColor GetBorderColor() const;
    void SetBorderColor(TColor value);
    TcxContainerBorderStyle GetBorderStyle() const;
    void SetBorderStyle(TcxContainerBorderStyle value);
    // The property: the parent's colour first for the normal style of a container with ParentColor.
    virtual TColor GetColor() const;
    void SetColor(TColor value);
    // What the container paints with.
    virtual TColor GetPaintColor() const;
    TcxBorders GetEdges() const;
    void SetEdges(TcxBorders value);
    TFont* GetFont() const;
    void SetFont(TFont* font);
    bool GetHotTrack() const;
    void SetHotTrack(bool value);
    bool GetShadow() const;
    void SetShadow(bool value);
    virtual TColor GetTextColor() const;
    void SetTextColor(TColor value);
    virtual TFontStyles GetTextStyle() const;
    void SetTextStyle(TFontStyles value);
    bool GetTransparentBorder() const;
    void SetTransparentBorder(bool value);
    // A copy of Font with the text colour and style applied: what painting uses.
    TFont* EffectiveFont();
    // The normal style's; setting copies the given settings. Its master is the look-and-feel of the
    // controller the style follows.
    TcxLookAndFeel* GetLookAndFeel() const { return GetRootStyle()->lookAndFeel_.get(); }
    void SetLookAndFeel(TcxLookAndFeel* value) { GetLookAndFeel()->AssignFrom(value); }

    // Controllers: nil reads while the style follows the shared fallback controller.
    TcxStyleController* GetStyleController() const;
    // Nil means the shared fallback controller; a controller that would make a cycle is refused.
    void SetStyleController(TcxStyleController* controller);
    TcxStyleController* GetEffectiveStyleController() const;
    virtual TcxStyleController* GetFallbackStyleController() const;

    // The value from the style itself or its controller chain; false when none sets it.
    bool LookupBorderColor(TColor& value) const;
    bool LookupBorderStyle(TcxContainerBorderStyle& value) const;
    bool LookupColor(TColor& value) const;
    bool LookupEdges(TcxBorders& value) const;
    bool LookupFont(TFont*& value) const;
    bool LookupHotTrack(bool& value) const;
    bool LookupShadow(bool& value) const;
    bool LookupTextColor(TColor& value) const;
    bool LookupTextStyle(TFontStyles& value) const;
    bool LookupTransparentBorder(bool& value) const;
    virtual bool IsValueAssigned(TcxContainerStyleValue value) const;

    // Structure
    int GetState() const { return state_; }
    bool IsRootStyle() const { return parentStyle_ == nullptr; }
    TcxContainerStyle* GetRootStyle() { return parentStyle_ ? parentStyle_ : this; }
    const TcxContainerStyle* GetRootStyle() const { return parentStyle_ ? parentStyle_ : this; }
    TcxContainer* GetOwningContainer() const;
    bool IsDirectAccessMode() const { return directAccessMode_; }
    virtual bool HasBorderPart() const { return parentStyle_ ? parentStyle_->HasBorderPart() : true; }

    // Style value names
    virtual int StyleValueCount() const { return 10; }
    virtual bool StyleValueName(int index, std::string& name) const;
    bool FindStyleValue(const std::string& name, int& index) const;
    bool IsExtendedPropertyShown(const std::string& name) const;
    virtual TcxContainerStyleValues HiddenExtendedValues() const;

    // Change notices
    virtual void MarkChanged();
    virtual void ControllerStyleChanged(TcxStyleController* controller);
    virtual void ControllerDestroying(TcxStyleController* controller);
    // Keeps an unassigned font equal to the first controller font of the chain.
    void RefreshFont();
    TNotifyEvent OnChanged;

  protected:
    virtual TColor FallbackBorderColor() const;
    virtual TcxContainerBorderStyle FallbackBorderStyle() const;
    virtual TColor DefaultColor() const;
    virtual TcxBorders FallbackEdges() const { return cxBordersAll; }
    virtual bool FallbackHotTrack() const { return true; }
    virtual bool FallbackShadow() const { return false; }
    virtual TColor FallbackTextColor() const;
    virtual TFontStyles FallbackTextStyle() const;
    virtual bool FallbackTransparentBorder() const { return true; }
    // The normal style's border style when nothing sets one: that of the look-and-feel kind.
    TcxContainerBorderStyle LookAndFeelBorderStyle() const;
    virtual void HandleFontChange(TObject* sender);

  private:
    friend class TcxContainer; // puts a bit back after copying the control's font or colour
    bool OwnAssigned(TcxContainerStyleValue v) const { return (assignedValues_ & StyleValueBit(v)) != 0; }
    // Lookup through the active controller's style of the same state.
    const TcxContainerStyle* ControllerStyle() const;
    void Assigned(TcxContainerStyleValue v);

    TColor borderColor_ = clWindowFrame;
    TcxContainerBorderStyle borderStyle_ = cbsNone;
    TcxBorders edges_ = cxBordersAll;
    bool hotTrack_ = true;
    bool shadow_ = false;
    bool transparentBorder_ = true;
    bool directAccessMode_;
    int fontAssignmentLock_ = 0;
    bool destroying_ = false;
    bool modified_ = false;
    TcxContainerStyle* parentStyle_;
    int state_;
    TFontStyles textStyle_ = 0;
    int updateCount_ = 0;
    std::unique_ptr<TFont> effectiveFont_;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_; // the normal style only
    TcxContainerStyleValues assignedValues_ = 0;
    TcxStyleController* styleController_ = nullptr;
    TColor color_ = clWindow;
    std::unique_ptr<TFont> ownFont_;
    TFont* font_ = nullptr; // the own font, or the user's in direct access mode
    TColor textColor_ = clWindowText;
};

// The four state styles of one owner.
class TcxContainerStyles : public TObject {
    ZORVY_CLASS(TcxContainerStyles, TObject)
  public:
    TcxContainerStyles(TPersistent* owner, const TcxContainerStyleClass& styleClass);
    ~TcxContainerStyles() override;

    TcxContainerStyle* StyleForState(int state) const { return styles_[state]; }
    TcxContainerStyle* NormalStyle() const { return styles_[cxssNormal]; }
    TcxContainerStyle* FocusedStyle() const { return styles_[cxssFocused]; }
    TcxContainerStyle* DisabledStyle() const { return styles_[cxssDisabled]; }
    TcxContainerStyle* HotStyle() const { return styles_[cxssHot]; }
    void AssignStyleForState(int state, TcxContainerStyle* style) { styles_[state]->AssignFrom(style); }
    void AssignNormalStyle(TcxContainerStyle* style) { AssignStyleForState(cxssNormal, style); }
    void AssignFocusedStyle(TcxContainerStyle* style) { AssignStyleForState(cxssFocused, style); }
    void AssignDisabledStyle(TcxContainerStyle* style) { AssignStyleForState(cxssDisabled, style); }
    void AssignHotStyle(TcxContainerStyle* style) { AssignStyleForState(cxssHot, style); }
    void SetChangeHandler(const TNotifyEvent& handler);

  private:
    TcxContainerStyle* styles_[4] = {};
};

} // namespace zorvy
