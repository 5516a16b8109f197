// The check box's filter helper: the combo list of the two state texts and the value it stands for.
#include "controls/editors/checks/CheckBoxFilterHelper.h"

#include "controls/editors/checks/CheckBoxProperties.h"

namespace zorvy {

void TcxFilterCheckBoxHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool) const {
    auto* combo = dynamic_cast<TcxCustomComboBoxProperties*>(properties);
    auto* check = dynamic_cast<TcxCustomCheckBoxProperties*>(source);
    if (!combo || !check) return;
    std::string checkedText, uncheckedText;
    check->FormatDisplayText(check->GetValueChecked(), checkedText, true);
    check->FormatDisplayText(check->GetValueUnchecked(), uncheckedText, true);
    combo->SetItems({checkedText, uncheckedText});
    combo->SetDropDownListStyle(lsFixedList);
    combo->AttachDefaultValuesProvider(nullptr);
    ClearFilterInfo(combo);
}

TcxFilterControlOperators TcxFilterCheckBoxHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                       TcxValueTypeClass, bool) const {
    return FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) | FilterOperatorBit(fcoBlanks) |
           FilterOperatorBit(fcoNonBlanks);
}

void TcxFilterCheckBoxHelper::GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                                                 std::string& text, Variant& value) const {
    auto* combo = dynamic_cast<TcxCustomComboBox*>(editor);
    auto* check = dynamic_cast<TcxCustomCheckBoxProperties*>(properties);
    text.clear();
    value = Variant::Null();
    if (!combo || !check) return;
    switch (combo->GetItemIndex()) {
    case 0: value = check->GetValueChecked(); break;
    case 1: value = check->GetValueUnchecked(); break;
    default: return;
    }
    check->FormatDisplayText(value, text, true);
}

void TcxFilterCheckBoxHelper::PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                                             const Variant& value) const {
    auto* combo = dynamic_cast<TcxCustomComboBox*>(editor);
    auto* check = dynamic_cast<TcxCustomCheckBoxProperties*>(properties);
    if (!combo || !check) return;
    Variant state;
    check->ToDisplayValue(value, state, combo->Focused());
    switch (state.AsInteger()) {
    case cbsChecked: combo->GetLookupData()->SetCurrentKeyValue(Variant(0)); break;
    case cbsUnchecked: combo->GetLookupData()->SetCurrentKeyValue(Variant(1)); break;
    default:
        combo->GetLookupData()->SetCurrentKeyValue(Variant::Null());
        combo->SetText("");
        break;
    }
}

} // namespace zorvy
