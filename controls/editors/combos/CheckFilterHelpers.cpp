// The filter helpers of the check combo box and the check group.
#include "controls/editors/combos/CheckFilterHelpers.h"

#include "controls/editors/combos/CheckComboBox.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/groups/CheckGroup.h"

namespace zorvy {

const TMetaClass* TcxFilterChecksHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                 TcxInplaceEditList*) const {
    return TcxCheckComboBoxProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterChecksHelper::GetAllowedOperators(TcxCustomEditProperties*, TcxValueTypeClass,
                                                                     bool extended) const {
    TcxFilterControlOperators set = FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) |
                                    FilterOperatorBit(fcoBlanks) | FilterOperatorBit(fcoNonBlanks);
    if (extended) set |= FilterOperatorBit(fcoInList) | FilterOperatorBit(fcoNotInList);
    return set;
}

void TcxFilterChecksHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                    TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterComboBoxHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* target = dynamic_cast<TcxCustomCheckComboBoxProperties*>(properties);
    if (!target) return;
    target->SetEditValueFormat(GetEditValueFormat(source));
    target->GetItems()->Clear();
    target->GetButtons()->Clear();
    target->GetButtons()->AddButton()->SetKind(bkDown);
    target->SetDropDownListStyle(lsFixedList);
    FillItems(target, source);
}

void TcxFilterChecksHelper::FillItems(TcxCustomCheckComboBoxProperties* target,
                                      TcxCustomEditProperties* source) const {
    const IcxCheckItemCaptions* captions = GetItemCaptions(source);
    if (!captions) return;
    for (int i = 0; i < captions->GetCount(); ++i) target->GetItems()->AddCheckItem()->SetDescription(captions->GetCaption(i));
}

TcxCheckStatesValueFormat TcxFilterCheckComboBoxHelper::GetEditValueFormat(TcxCustomEditProperties* source) const {
    auto* p = dynamic_cast<TcxCustomCheckComboBoxProperties*>(source);
    return p ? p->GetEditValueFormat() : cvfCaptions;
}

const IcxCheckItemCaptions* TcxFilterCheckComboBoxHelper::GetItemCaptions(TcxCustomEditProperties* source) const {
    auto* p = dynamic_cast<TcxCustomCheckComboBoxProperties*>(source);
    return p ? p->GetItems() : nullptr;
}

TcxCheckStatesValueFormat TcxFilterCheckGroupHelper::GetEditValueFormat(TcxCustomEditProperties* source) const {
    auto* p = dynamic_cast<TcxCustomCheckGroupProperties*>(source);
    return p ? p->GetEditValueFormat() : cvfCaptions;
}

const IcxCheckItemCaptions* TcxFilterCheckGroupHelper::GetItemCaptions(TcxCustomEditProperties* source) const {
    auto* p = dynamic_cast<TcxCustomCheckGroupProperties*>(source);
    return p ? p->GetItems() : nullptr;
}

void TcxFilterCheckGroupHelper::FillItems(TcxCustomCheckComboBoxProperties* target,
                                          TcxCustomEditProperties* source) const {
    TcxFilterChecksHelper::FillItems(target, source);
    auto* p = dynamic_cast<TcxCustomCheckGroupProperties*>(source);
    if (!p) return;
    target->SetGlyph(p->HasGlyph() ? p->GetGlyph() : nullptr);
    target->SetGlyphCount(p->GetGlyphCount());
}

} // namespace zorvy
