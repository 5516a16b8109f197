// The typed repository items and their registration for streaming.
#include "controls/editors/repository/EditRepositoryItems.h"

#include "platform/classlib/Controls.h"
#include "platform/rtl/MetaClass.h"

namespace zorvy {

namespace {
int repositoryItemsUnitCounter = 0;
} // namespace

void TcxEditRepositoryImageComboBoxItem::Notification(TComponent* component, TOperation operation) {
    TcxEditRepositoryItem::Notification(component, operation);
    if (operation != opRemove || HasState(csDestroying)) return;
    TcxImageComboBoxProperties* properties = GetProperties();
    // One list may fill both places.
    if (component == properties->GetImages()) properties->SetImages(nullptr);
    if (component == properties->GetLargeImages()) properties->SetLargeImages(nullptr);
}

void InitializeEditRepositoryItemsUnit() {
    if (repositoryItemsUnitCounter++ != 0) return;
    RegisterClasses({TcxEditRepositoryItem::StaticClass(), TcxEditRepositoryTextItem::StaticClass(),
                     TcxEditRepositoryButtonItem::StaticClass(), TcxEditRepositoryImageItem::StaticClass(),
                     TcxEditRepositoryComboBoxItem::StaticClass(), TcxEditRepositoryMaskItem::StaticClass(),
                     TcxEditRepositoryPopupItem::StaticClass(), TcxEditRepositoryCalcItem::StaticClass(),
                     TcxEditRepositoryDateItem::StaticClass(), TcxEditRepositoryCurrencyItem::StaticClass(),
                     TcxEditRepositorySpinItem::StaticClass(), TcxEditRepositoryMemoItem::StaticClass(),
                     TcxEditRepositoryImageComboBoxItem::StaticClass(), TcxEditRepositoryBlobItem::StaticClass(),
                     TcxEditRepositoryCheckBoxItem::StaticClass(), TcxEditRepositoryTimeItem::StaticClass(),
                     TcxEditRepositoryMRUItem::StaticClass(), TcxEditRepositoryHyperLinkItem::StaticClass(),
                     TcxEditRepositoryRadioGroupItem::StaticClass()});
    GroupDescendentsWith(TcxEditRepositoryItem::StaticClass(), TControl::StaticClass());
    GroupDescendentsWith(TcxEditRepository::StaticClass(), TControl::StaticClass());
}

// Registrations stay: streaming by class name must work until the program ends.
void FinalizeEditRepositoryItemsUnit() {
    if (repositoryItemsUnitCounter > 0) --repositoryItemsUnitCounter;
}

} // namespace zorvy
