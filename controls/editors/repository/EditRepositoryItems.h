#pragma once
// The typed repository items: one per editor kind, each holding a properties object of its kind under a
// name that many columns and editors share. They differ from the generic item only in that class.
#include "controls/editors/blob/BlobEdit.h"
#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/calc/CalcEdit.h"
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/combos/ImageComboBox.h"
#include "controls/editors/currency/CurrencyEdit.h"
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/hyperlink/HyperLinkEdit.h"
#include "controls/editors/image/ImageEdit.h"
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/memo/MemoEdit.h"
#include "controls/editors/mru/MRUEdit.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/editors/spin/SpinEditProperties.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/time/TimeEdit.h"

namespace zorvy {

// Properties reads the item's own object; setting it copies the given object in (the caller keeps it).
#define ZORVY_EDIT_REPOSITORY_ITEM(Name, PropertiesClass)                                                    \
    class Name : public TcxEditRepositoryItem {                                                              \
        ZORVY_CLASS(Name, TcxEditRepositoryItem)                                                             \
      public:                                                                                                \
        explicit Name(TComponent* owner) : TcxEditRepositoryItem(owner, PropertiesClass::StaticClass()) {}   \
        PropertiesClass* GetProperties() const {                                                             \
            return static_cast<PropertiesClass*>(TcxEditRepositoryItem::GetProperties());                    \
        }                                                                                                    \
        void SetProperties(PropertiesClass* value) { TcxEditRepositoryItem::SetProperties(value); }          \
    }

ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryTextItem, TcxTextEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryButtonItem, TcxButtonEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryImageItem, TcxImageProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryComboBoxItem, TcxComboBoxProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryMaskItem, TcxMaskEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryPopupItem, TcxPopupEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryCalcItem, TcxCalcEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryDateItem, TcxDateEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryCurrencyItem, TcxCurrencyEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositorySpinItem, TcxSpinEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryMemoItem, TcxMemoProperties);

// Also lets go of an image list that is freed while the item lives.
class TcxEditRepositoryImageComboBoxItem : public TcxEditRepositoryItem {
    ZORVY_CLASS(TcxEditRepositoryImageComboBoxItem, TcxEditRepositoryItem)
  public:
    explicit TcxEditRepositoryImageComboBoxItem(TComponent* owner)
        : TcxEditRepositoryItem(owner, TcxImageComboBoxProperties::StaticClass()) {}
    TcxImageComboBoxProperties* GetProperties() const {
        return static_cast<TcxImageComboBoxProperties*>(TcxEditRepositoryItem::GetProperties());
    }
    void SetProperties(TcxImageComboBoxProperties* value) { TcxEditRepositoryItem::SetProperties(value); }
    void Notification(TComponent* component, TOperation operation) override;
};

ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryBlobItem, TcxBlobEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryCheckBoxItem, TcxCheckBoxProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryTimeItem, TcxTimeEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryMRUItem, TcxMRUEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryHyperLinkItem, TcxHyperLinkEditProperties);
ZORVY_EDIT_REPOSITORY_ITEM(TcxEditRepositoryRadioGroupItem, TcxRadioGroupProperties);

// Registers the generic item and the eighteen typed ones for streaming by class name (once).
void InitializeEditRepositoryItemsUnit();
void FinalizeEditRepositoryItemsUnit();

} // namespace zorvy
