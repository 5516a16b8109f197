#pragma once
// The settings of the check box editor kind: the three edit values that stand for the three check
// states (kept pairwise different), their display texts, the custom glyph and the layout switches,
// and the mapping of any edit value to a state.
#include <memory>
#include <string>

#include "controls/editors/checks/CheckStates.h"
#include "controls/editors/framework/EditProperties.h"

namespace zorvy {

class TBitmap;

// Same variant type and equal values: no conversion makes two values identical.
bool VariantsIdentical(const Variant& a, const Variant& b);

class TcxCustomCheckBoxProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomCheckBoxProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomCheckBoxProperties(TPersistent* owner);
    ~TcxCustomCheckBoxProperties() override;

    // From other check box settings inside one change batch; from anything else only the base.
    void Assign(TPersistent* source) override;

    // ---- states and values ----
    TcxCheckBoxState GetValueState(const Variant& value);
    // Identical to none of the three state values.
    bool IsForeignValue(const Variant& value) const;
    const Variant& GetValueChecked() const { return valueChecked_; }
    // Outside loading only a foreign value that is not Null is taken.
    void SetValueChecked(const Variant& value);
    const Variant& GetValueGrayed() const { return valueGrayed_; }
    // Outside loading only a foreign value (Null allowed) is taken.
    void SetValueGrayed(const Variant& value);
    const Variant& GetValueUnchecked() const { return valueUnchecked_; }
    void SetValueUnchecked(const Variant& value);
    bool IsValueCheckedStored() const { return !VariantsIdentical(valueChecked_, Variant(true)); }
    bool IsValueGrayedStored() const { return !valueGrayed_.IsNull(); }
    bool IsValueUncheckedStored() const { return !VariantsIdentical(valueUnchecked_, Variant(false)); }

    // ---- display texts ----
    const std::string& GetDisplayChecked() const { return displayChecked_; }
    void SetDisplayChecked(const std::string& value) { SetText(displayChecked_, value); }
    const std::string& GetDisplayGrayed() const { return displayGrayed_; }
    void SetDisplayGrayed(const std::string& value) { SetText(displayGrayed_, value); }
    const std::string& GetDisplayUnchecked() const { return displayUnchecked_; }
    void SetDisplayUnchecked(const std::string& value) { SetText(displayUnchecked_, value); }
    bool IsDisplayCheckedStored() const;
    bool IsDisplayGrayedStored() const { return !displayGrayed_.empty(); }
    bool IsDisplayUncheckedStored() const;

    // ---- appearance ----
    // The horizontal part of the inherited alignment.
    TAlignment GetAlignmentHorz() { return GetAlignment()->GetHorz(); }
    void SetAlignmentHorz(TAlignment value) { GetAlignment()->SetHorz(value); }
    bool IsAlignmentHorzStored() { return GetAlignment()->HorzNeedsStoring(); }
    bool GetAllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { SetFlag(allowGrayed_, value); }
    // Legacy: never streamed; a check box moves an assigned caption into its own Caption.
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool IsCaptionAssigned() const { return captionAssigned_; }
    void ClearCaptionAssigned() { captionAssigned_ = false; }
    bool GetFullFocusRect() const { return fullFocusRect_; }
    void SetFullFocusRect(bool value) { SetFlag(fullFocusRect_, value); }
    // Created empty on first use; its changes are changes of these settings.
    TBitmap* GetGlyph();
    // Nothing frees the glyph; a bitmap is copied.
    void SetGlyph(TBitmap* value);
    bool HasGlyph() const { return glyph_ != nullptr; }
    int GetGlyphCount() const { return glyphCount_; }
    void SetGlyphCount(int value);
    bool GetMultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { SetFlag(multiLine_, value); }
    TcxCheckBoxNullValueShowingStyle GetNullStyle() const { return nullStyle_; }
    void SetNullStyle(TcxCheckBoxNullValueShowingStyle value);
    bool GetUseAlignmentWhenInplace() const { return useAlignmentWhenInplace_; }
    void SetUseAlignmentWhenInplace(bool value) { SetFlag(useAlignmentWhenInplace_, value); }

    // ---- what the editor kind is ----
    virtual TBitmap* GetEffectiveGlyph() { return GetGlyph(); }
    virtual bool IsCheckGroupButton() const { return false; }
    bool HasTextContent() const override { return true; }
    bool ComparesValueOnChange() const override { return true; }
    int GetSpecialFeatures() const override { return TcxCustomEditProperties::GetSpecialFeatures() | 4; }
    int GetCapabilities() const override { return 0x5AD; }
    bool IsActivationChar(char32_t ch) const override { return ch == U' '; }
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    bool KeepsEntryValue() const override { return true; }
    // flag: preview mode, every value shows checked.
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

    // ---- values and display ----
    // The state as a 32-bit integer: checked when equal to ValueChecked (tested first), else unchecked
    // when equal to ValueUnchecked, else grayed.
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;

  protected:
    // Copies the source's three values when they are pairwise different and the checked and unchecked
    // ones are not Null; otherwise keeps these.
    void AssignStateValues(TcxCustomCheckBoxProperties* source);

  private:
    bool IsOwnerLoading() const;
    void SetFlag(bool& field, bool value);
    void SetText(std::string& field, const std::string& value);
    void GlyphChanged(TObject*) { Changed(); }

    bool allowGrayed_ = false;
    std::string caption_;
    std::string displayChecked_;
    std::string displayGrayed_;
    std::string displayUnchecked_;
    bool fullFocusRect_ = false;
    std::unique_ptr<TBitmap> glyph_;
    int glyphCount_ = 6;
    bool captionAssigned_ = false;
    bool multiLine_ = false;
    TcxCheckBoxNullValueShowingStyle nullStyle_ = nssGrayedChecked;
    bool useAlignmentWhenInplace_ = false;
    Variant valueChecked_ = Variant(true);
    Variant valueGrayed_ = Null();
    Variant valueUnchecked_ = Variant(false);
};

// The published check box settings.
class TcxCheckBoxProperties : public TcxCustomCheckBoxProperties {
    ZORVY_CLASS(TcxCheckBoxProperties, TcxCustomCheckBoxProperties)
  public:
    explicit TcxCheckBoxProperties(TPersistent* owner) : TcxCustomCheckBoxProperties(owner) {}
};

} // namespace zorvy
