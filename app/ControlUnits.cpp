#include "app/ControlUnits.h"

#include "controls/dbeditors/DBRegisteredRepositoryItems.h"
#include "controls/dbeditors/LookupComboBox.h"
#include "controls/editors/blob/BlobEdit.h"
#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/calc/CalcEdit.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/currency/CurrencyEdit.h"
#include "controls/editors/combos/CheckComboBox.h"
#include "controls/editors/combos/ImageComboBox.h"
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/hyperlink/HyperLinkEdit.h"
#include "controls/editors/image/ImageEdit.h"
#include "controls/editors/label/Label.h"
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/memo/MemoEdit.h"
#include "controls/editors/mru/MRUEdit.h"
#include "controls/editors/progress/ProgressBar.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "controls/editors/repository/EditRepositoryItems.h"
#include "controls/editors/spin/SpinEditProperties.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/editors/time/TimeEdit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/common/GridUnits.h"

namespace zorvy {

void InitializeControlUnits() {
    InitializeFoundationUnits();
    InitializeEditUnit();
    InitializeCheckBoxUnit();
    InitializeTextEditUnit();
    InitializeMaskEditUnit();
    InitializeButtonEditUnit();
    InitializeSpinEditUnit();
    InitializeTimeEditUnit();
    InitializeDateEditUnit();
    InitializeRadioGroupUnit();
    InitializeCheckGroupUnit();
    InitializeLabelUnit();
    InitializeMemoUnit();
    InitializeImageUnit();
    InitializeBlobEditUnit();
    InitializeCurrencyEditUnit();
    InitializeMRUEditUnit();
    InitializeHyperLinkEditUnit();
    InitializeCalcEditUnit();
    InitializeProgressBarUnit();
    InitializeImageComboBoxUnit();
    InitializeCheckComboBoxUnit();
    InitializeLookupComboBoxUnit();
    InitializeEditRepositoryItemsUnit();
    InitializeDBEditRepositoryUnit();
    RegisterDefaultEditorsByValueType();
    RegisterDefaultEditorsByFieldType();
    InitializeGridUnits();
}

void FinalizeControlUnits() {
    FinalizeGridUnits();
    UnregisterDefaultEditorsByFieldType();
    UnregisterDefaultEditorsByValueType();
    FinalizeEditRepositoryItemsUnit();
    FinalizeLookupComboBoxUnit();
    FinalizeCheckComboBoxUnit();
    FinalizeImageComboBoxUnit();
    FinalizeProgressBarUnit();
    FinalizeCalcEditUnit();
    FinalizeHyperLinkEditUnit();
    FinalizeMRUEditUnit();
    FinalizeCurrencyEditUnit();
    FinalizeBlobEditUnit();
    FinalizeImageUnit();
    FinalizeMemoUnit();
    FinalizeLabelUnit();
    FinalizeCheckGroupUnit();
    FinalizeRadioGroupUnit();
    FinalizeDateEditUnit();
    FinalizeTimeEditUnit();
    FinalizeSpinEditUnit();
    FinalizeButtonEditUnit();
    FinalizeMaskEditUnit();
    FinalizeTextEditUnit();
    FinalizeCheckBoxUnit();
    FinalizeEditUnit();
    FinalizeFoundationUnits();
}

} // namespace zorvy
