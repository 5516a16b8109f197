#pragma once
// The button edit: a masked text editor that comes with one default ellipsis button; its buttons'
// clicks reach Properties.OnButtonClick through the editor framework.
#include "controls/editors/mask/MaskEdit.h"

namespace zorvy {

class TcxCustomButtonEditProperties : public TcxCustomMaskEditProperties {
    ZORVY_CLASS(TcxCustomButtonEditProperties, TcxCustomMaskEditProperties)
  public:
    // The masked editor's settings plus one default ellipsis button.
    explicit TcxCustomButtonEditProperties(TPersistent* owner);
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
};

class TcxButtonEditProperties : public TcxCustomButtonEditProperties {
    ZORVY_CLASS(TcxButtonEditProperties, TcxCustomButtonEditProperties)
  public:
    using TcxCustomButtonEditProperties::TcxCustomButtonEditProperties;
};

class TcxCustomButtonEdit : public TcxCustomMaskEdit {
    ZORVY_CLASS(TcxCustomButtonEdit, TcxCustomMaskEdit)
  public:
    explicit TcxCustomButtonEdit(TComponent* owner) : TcxCustomButtonEdit(owner, false) {}
    TcxCustomButtonEdit(TComponent* owner, bool inplace,
                        const TMetaClass* propertiesClass = TcxButtonEditProperties::StaticClass())
        : TcxCustomMaskEdit(owner, inplace, propertiesClass) {}
    // Only the popup border style is hidden: the button style and transparency show.
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 1u << 12; }
};

class TcxButtonEdit : public TcxCustomButtonEdit {
    ZORVY_CLASS(TcxButtonEdit, TcxCustomButtonEdit)
  public:
    explicit TcxButtonEdit(TComponent* owner) : TcxButtonEdit(owner, false) {}
    // A stand-alone edit sizes its height to its font.
    TcxButtonEdit(TComponent* owner, bool inplace,
                  const TMetaClass* propertiesClass = TcxButtonEditProperties::StaticClass());
    TcxButtonEditProperties* GetButtonEditProperties() const {
        return static_cast<TcxButtonEditProperties*>(GetProperties());
    }
    void SetProperties(TcxButtonEditProperties* value) { GetProperties()->Assign(value); }
};

// Registers the button edit's settings as an editor kind (once however often it is called).
void InitializeButtonEditUnit();
void FinalizeButtonEditUnit();

} // namespace zorvy
