#pragma once
// TcxCustomEditProperties: the settings object of an editor kind (buttons, alignment, read-only
// state, keys, events) shared by a stand-alone editor, a grid column and a repository item, and the
// factory of the editor kind's view data, view info and style. Settings a data source can supply
// come from an attached default-values provider unless assigned explicitly
// (TcxCustomEditPropertiesValues records which are).
#include "controls/editors/framework/EditAlignment.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/foundation/classes/Classes.h"
#include "platform/rtl/Variant.h"
#include "platform/classlib/Menus.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;

// What a data source tells an editor's settings.
class IcxEditDefaultValuesProvider {
  public:
    virtual ~IcxEditDefaultValuesProvider() = default;
    virtual bool CanEnterEditMode() = 0;
    virtual void DetachFromAllProperties() = 0;
    virtual TAlignment GetDefaultAlignment() = 0;
    virtual int GetDefaultBlobKind() = 0;
    virtual bool CanModifyValue() = 0;
    virtual std::string GetDisplayFormat() = 0;
    virtual std::string GetEditFormat() = 0;
    virtual std::string GetEditMask() = 0;
    virtual bool HoldsFractionalNumbers() = 0;
    virtual int GetMaxLength() = 0;
    virtual double GetMaxValue() = 0;
    virtual double GetMinValue() = 0;
    virtual int GetPrecision() = 0;
    virtual bool IsReadOnly() = 0;
    virtual bool IsRequired() = 0;
    virtual TObject* GetSelf() = 0;
    virtual bool IsFieldBound() = 0;
    virtual bool IsBlobValue() = 0;
    virtual bool IsCurrencyValue() = 0;
    virtual bool HasData() = 0;
    virtual bool HasDisplayFormat(bool isDisplay) = 0;
    virtual bool LacksExplicitDisplayFormat() = 0;
    virtual bool HasTextSetter() = 0;
    virtual bool AcceptsChar(char32_t ch) = 0;
};

// The base provider: a source without data of its own. Its owner frees it; dying, it detaches
// itself from every properties object that refers to it.
class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent, public IcxEditDefaultValuesProvider {
    ZORVY_CLASS(TcxCustomEditDefaultValuesProvider, TcxInterfacedPersistent)
  public:
    explicit TcxCustomEditDefaultValuesProvider(TPersistent* owner = nullptr) : TcxInterfacedPersistent(owner) {}
    ~TcxCustomEditDefaultValuesProvider() override;

    bool CanEnterEditMode() override { return true; }
    void DetachFromAllProperties() final;
    TAlignment GetDefaultAlignment() override { return taLeftJustify; }
    int GetDefaultBlobKind() override { return 3; }
    bool CanModifyValue() override { return true; }
    std::string GetDisplayFormat() override { return {}; }
    std::string GetEditFormat() override { return {}; }
    std::string GetEditMask() override { return {}; }
    bool HoldsFractionalNumbers() override { return false; }
    int GetMaxLength() override { return 0; }
    double GetMaxValue() override { return 0; }
    double GetMinValue() override { return 0; }
    int GetPrecision() override { return 15; }
    bool IsReadOnly() override { return false; }
    bool IsRequired() override { return false; }
    TObject* GetSelf() final { return this; }
    bool IsFieldBound() override { return false; }
    bool IsBlobValue() override { return false; }
    bool IsCurrencyValue() override { return false; }
    bool HasData() override { return true; }
    bool HasDisplayFormat(bool) override { return false; }
    bool LacksExplicitDisplayFormat() override { return false; }
    bool HasTextSetter() override { return false; }
    bool AcceptsChar(char32_t) override { return true; }
};

// Which settings of a properties object are explicit.
class TcxCustomEditPropertiesValues : public TPersistent {
    ZORVY_CLASS(TcxCustomEditPropertiesValues, TPersistent)
  public:
    explicit TcxCustomEditPropertiesValues(TPersistent* owner = nullptr) : owner_(owner) {}

    // From another flag object: the flags, inside one change batch of the owner.
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }
    // Clears the flags inside one change batch.
    virtual void ClearAll();

    bool GetMaxValue() const { return maxValue_; }
    void SetMaxValue(bool value) { SetFlag(maxValue_, value); }
    bool GetMinValue() const { return minValue_; }
    void SetMinValue(bool value) { SetFlag(minValue_, value); }
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { SetFlag(readOnly_, value); }
    // A zero bound is not streamed by the owner, so its set flag carries it.
    bool IsMaxValueStored() const;
    bool IsMinValueStored() const;

  protected:
    void BeginOwnerChanges();
    void EndOwnerChanges();
    void OwnerChanged();
    void SetFlag(bool& flag, bool value);

  private:
    friend class TcxCustomEditProperties; // sets the flags as its setters store values
    TcxCustomEditProperties* Properties() const;
    TPersistent* owner_;
    bool maxValue_ = false;
    bool minValue_ = false;
    bool readOnly_ = false;
};

using TcxEditButtonClickEvent = std::function<void(TObject* sender, int buttonIndex)>;
using TcxEditValidateEvent =
    std::function<void(TObject* sender, Variant& displayValue, std::string& errorText, bool& error)>;
using TcxEditClosePopupEvent = std::function<void(TObject* sender, int reason)>;

// Kinds of a properties class's view info; view infos are made without arguments.
class TcxCustomEditViewInfo;
using TcxCustomEditViewInfoClass = const TMetaClass*;

class TcxCustomEditProperties : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxCustomEditProperties, TcxInterfacedPersistent)
  public:
    explicit TcxCustomEditProperties(TPersistent* owner);
    ~TcxCustomEditProperties() override;

    // From another properties object, inside one change batch.
    void Assign(TPersistent* source) override;

    // ---- change notification ----
    void BeginChanges();
    // Closes a batch; the pending change goes out when the outermost one closes with notify.
    void EndChanges(bool notify = true);
    virtual void Changed();
    // Sets or clears the lock on change notices; answers this object.
    TcxCustomEditProperties* SuppressChanged(bool lock) {
        changesLocked_ = lock;
        return this;
    }
    bool IsChangeLocked() const { return changesLocked_ || updateCount_ > 0; }
    bool ChangeNotificationAllowed() const;
    // The one listener told about changes (an editor or a repository item).
    TNotifyEvent OnPropertiesChanged;

    // ---- default values ----
    void AttachDefaultValuesProvider(IcxEditDefaultValuesProvider* provider);
    IcxEditDefaultValuesProvider* GetDefaultValuesProvider() const { return provider_; }
    virtual void DropDefaultValuesProvider() { provider_ = nullptr; }
    virtual TAlignment ResolveHorzAlignment();
    virtual int GetFormatFlags() const { return 0; }
    virtual bool UsesProviderDisplayFormat(bool isEditing);
    virtual bool UsesDefaultFormatting(bool /*isEditing*/) const { return false; }
    bool UsesSourceDisplayFormat(bool isEditing);

    // ---- settings ----
    // The published alignment with an unassigned Horz resolved through the provider.
    TcxEditAlignment* GetAlignment();
    void SetAlignment(TcxEditAlignment* value);
    bool IsAlignmentStored() const;
    TcxCustomEditPropertiesValues* GetAssignedValues() const { return assignedValues_.get(); }
    void SetAssignedValues(TcxCustomEditPropertiesValues* value) { assignedValues_->Assign(value); }
    bool GetAutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value);
    TcxEditButtons* GetButtons() const { return buttons_.get(); }
    void SetButtons(TcxEditButtons* value) { buttons_->Assign(value); }
    TcxEditButtonsViewStyle GetButtonsViewStyle() const { return buttonsViewStyle_; }
    void SetButtonsViewStyle(TcxEditButtonsViewStyle value);
    virtual double GetMaxValue();
    void SetMaxValue(double value);
    virtual double GetMinValue();
    void SetMinValue(double value);
    // The effective read-only state: explicit, else the provider's, else false.
    bool GetReadOnly();
    void SetReadOnly(bool value);
    // Whether an in-place editor may edit the value.
    bool CanModify();
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool GetUseLeftAlignmentOnEditing() const { return useLeftAlignmentOnEditing_; }
    void SetUseLeftAlignmentOnEditing(bool value);
    bool IsUseLeftAlignmentOnEditingStored() const {
        return useLeftAlignmentOnEditing_ != DefaultUseLeftAlignmentOnEditing();
    }

    // Plain settings: changing them reports nothing.
    bool BeepOnError = false;
    TShortCut ClearKey = 0;
    TShortCut ClickKey = 16397; // Ctrl+Enter
    bool ImmediatePost = false;
    bool UseMouseWheel = true;
    bool ValidateOnEnter = false;
    TcxEditButtonClickEvent OnButtonClick;
    TNotifyEvent OnChange;
    TcxEditClosePopupEvent OnClosePopup;
    TNotifyEvent OnEditValueChanged;
    TcxEditValidateEvent OnValidate;

    // ---- what the editor kind is ----
    virtual bool SupportsValidation() const { return false; }
    virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
    virtual void ComponentFreed(TComponent*) {}
    virtual bool HasTextContent() const { return false; }
    virtual bool WantsTabs() const { return false; }
    virtual bool HasUnfocusedDisplayForm() const { return true; }
    virtual bool ComparesValueOnChange() const { return false; }
    virtual int GetSpecialFeatures() const { return 0; }
    // Bit 5: the editor has buttons.
    virtual int GetCapabilities() const;
    virtual bool IsActivationChar(char32_t) const { return false; }
    virtual bool IsValidEditValue(const Variant&, bool /*isEditing*/) const { return true; }
    virtual bool KeepsEntryValue() const { return false; }
    virtual void ShareStateWith(TcxCustomEditProperties*) {}
    virtual std::string MakeValidationErrorText(int errorKind) const;

    // ---- values and display ----
    virtual void FormatDisplayText(const Variant& value, std::string& text, bool isEditing);
    virtual void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing);
    virtual bool SameDisplayValue(const Variant& value1, const Variant& value2);
    virtual void ResetToDefaults();
    // Validation of what the editor shows: an empty error text gets the default one, then the
    // editor's validate handlers run.
    virtual void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error);
    // Fires the edit's validate handlers; changed tells whether they corrected the display value.
    void RunValidateEvent(Variant& displayValue, std::string& errorText, bool& changed, TcxCustomEdit* edit,
                          bool& error);

    // ---- factory ----
    virtual TcxCustomEditProperties* CreateEmptyCopy() const;
    // The editor control class of the kind, and a new editor of it without owner.
    virtual const TMetaClass* GetEditControlClass() const;
    virtual TcxCustomEdit* CreateEditControl(bool inplace) const;
    virtual TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false);
    virtual TcxCustomEditViewInfoClass GetViewInfoClass() const;
    TcxCustomEditViewInfo* CreateViewInfo() const;
    // The size needed to show value within the limits.
    void MeasureEditorSize(TcxCanvas* canvas, TcxCustomEditStyle* style, bool isInplace, const Variant& value,
                           TSize& size, const TcxEditSizeProperties& limits);

  protected:
    virtual TcxCustomEditPropertiesValues* CreatePropertiesValues() {
        return new TcxCustomEditPropertiesValues(this);
    }
    virtual void AlignmentChanged(TObject*);
    virtual void ButtonsChanged(TObject*) { Changed(); }
    TcxFreeNotificator* GetFreeNotificator() const { return freeNotificator_.get(); }
    // Called by constructors of descendants that answer their own values-flag class.
    void RecreatePropertiesValues() { assignedValues_.reset(CreatePropertiesValues()); }

  private:
    bool OwnerIsDestroying() const;

    TPersistent* owner_;
    bool autoSelect_ = true;
    std::unique_ptr<TcxEditButtons> buttons_;
    TcxEditButtonsViewStyle buttonsViewStyle_ = bvsNormal;
    bool changePending_ = false;
    bool changesLocked_ = false;
    std::unique_ptr<TcxFreeNotificator> freeNotificator_;
    TcxEditAlignment innerAlignment_;
    std::unique_ptr<TcxEditAlignment> alignment_;
    std::unique_ptr<TcxCustomEditPropertiesValues> assignedValues_;
    double maxValue_ = 0;
    double minValue_ = 0;
    bool readOnly_ = false;
    bool transparent_ = false;
    int updateCount_ = 0;
    bool useLeftAlignmentOnEditing_ = true;
    IcxEditDefaultValuesProvider* provider_ = nullptr;
};

// Every live properties object, in creation order.
const std::vector<TcxCustomEditProperties*>& AllEditProperties();

} // namespace zorvy
