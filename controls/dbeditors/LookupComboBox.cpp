#include "controls/dbeditors/LookupComboBox.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "platform/db/Field.h"
#include "platform/rtl/MetaClass.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

namespace {
ZORVY_RESOURCESTRING(scxSEditRepositoryLookupComboBoxItem, "LookupComboBox|Represents a lookup combo box control");
int lookupComboBoxUnitCounter = 0;
int dbEditRepositoryUnitCounter = 0;
} // namespace

// ---- TcxLookupComboBoxProperties ----

TcxLookupComboBoxProperties::TcxLookupComboBoxProperties(TPersistent* owner)
    : TcxCustomDBLookupEditProperties(owner) {
    grid_.reset(CreateInstance<TcxCustomLookupDBGrid>(GetGridClass(), nullptr));
    grid_->SetPopupMode(true);
    grid_->GetOptions()->OnChanged = [this](TObject* sender) { ListOptionsChanged(sender); };
    SubscribeToListData();
}

TcxLookupComboBoxProperties::~TcxLookupComboBoxProperties() {
    UnsubscribeFromListData();
    // The lookup field's binding goes before the list it binds.
    BindToLookupField(nullptr);
    grid_.reset();
}

void TcxLookupComboBoxProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxLookupComboBoxProperties*>(source);
    if (!other) {
        TcxCustomDBLookupEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    try {
        SetGridMode(other->IsGridMode());
        SetListOptions(other->GetListOptions());
        if (!IsDefinedByLookupField()) {
            SetListSource(other->GetListSource());
            SetListColumns(other->GetListColumns());
        }
        SetOnSortingChanged(other->GetOnSortingChanged());
        TcxCustomDBLookupEditProperties::Assign(source);
        if (IsDefinedByLookupField()) SetListColumns(other->GetListColumns());
    } catch (...) {
        EndChanges();
        throw;
    }
    EndChanges();
}

void TcxLookupComboBoxProperties::SetListColumns(TcxLookupDBGridColumns* value) {
    grid_->GetColumns()->Assign(value);
    SyncListColumnToLookupField();
    CheckDisplayColumnIndex();
}

TDataSource* TcxLookupComboBoxProperties::GetListSource() const {
    return IsDefinedByLookupField() ? nullptr : grid_->GetDataSource();
}

void TcxLookupComboBoxProperties::SetListSource(TDataSource* value) {
    CheckNotDefinedByLookupField();
    if (value) CheckCircularLink(value);
    grid_->SetDataSource(value);
    Changed();
}

TNotifyEvent TcxLookupComboBoxProperties::GetOnSortingChanged() const {
    return grid_->GetDataController()->OnSortingChanged;
}

void TcxLookupComboBoxProperties::SetOnSortingChanged(const TNotifyEvent& handler) {
    grid_->GetDataController()->OnSortingChanged = handler;
}

TcxCustomDataController* TcxLookupComboBoxProperties::GetListDataController() const {
    return grid_ ? grid_->GetDataController() : nullptr;
}

TcxDBDataController* TcxLookupComboBoxProperties::GetDBDataController() const {
    return grid_ ? grid_->GetDBDataController() : nullptr;
}

int TcxLookupComboBoxProperties::GetListWidth() const {
    int width = 0;
    for (int i = 0; i < grid_->GetColumns()->GetCount(); ++i) width += grid_->GetColumns()->GetColumn(i)->GetWidth();
    return width;
}

void TcxLookupComboBoxProperties::PrepareListAppearance(TcxLookAndFeel* master, TColor color, TFont* font) {
    grid_->GetLookAndFeel()->SetMaster(master);
    grid_->SetColor(color);
    if (font) grid_->SetFont(font);
}

void TcxLookupComboBoxProperties::ReleaseListCapture() {
    if (grid_->GetMouseCapture()) grid_->SetMouseCapture(false);
}

void TcxLookupComboBoxProperties::EnsureListColumn(const std::string& fieldName) {
    if (fieldName.empty() || GetListColumns()->FindByFieldName(fieldName)) return;
    TcxLookupDBGridColumn* column = GetListColumns()->AddColumn();
    column->SetFieldName(fieldName);
    column->SetIndex(0);
}

TField* TcxLookupComboBoxProperties::GetListColumnField(int index) const {
    return index >= 0 && index < GetListColumnCount() ? GetListColumns()->GetColumn(index)->GetField() : nullptr;
}

std::string TcxLookupComboBoxProperties::GetListColumnFieldName(int index) const {
    return index >= 0 && index < GetListColumnCount() ? GetListColumns()->GetColumn(index)->GetFieldName()
                                                       : std::string();
}

int TcxLookupComboBoxProperties::IndexOfListColumn(const std::string& fieldName) const {
    TcxLookupDBGridColumn* column = GetListColumns()->FindByFieldName(fieldName);
    return column ? column->GetIndex() : -1;
}

const TMetaClass* TcxLookupComboBoxProperties::GetEditControlClass() const {
    return TcxLookupComboBox::StaticClass();
}

TcxCustomEdit* TcxLookupComboBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxLookupComboBox(nullptr, inplace, ClassType());
}

// ---- TcxLookupComboBox ----

TcxLookupComboBox::TcxLookupComboBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomLookupComboBox(owner, inplace, propertiesClass) {
    if (!inplace) SetWidth(145);
}

void TcxLookupComboBox::SetProperties(TcxLookupComboBoxProperties* value) {
    TcxCustomEdit::GetProperties()->Assign(value);
}

// ---- TcxFilterLookupComboBoxHelper ----

bool TcxFilterLookupComboBoxHelper::SupportsFiltering(TcxCustomEditProperties* properties) const {
    auto* p = dynamic_cast<TcxCustomLookupEditProperties*>(properties);
    return p && p->IsDefinedByLookupField();
}

const TMetaClass* TcxFilterLookupComboBoxHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                         TcxInplaceEditList*) const {
    return TcxLookupComboBoxProperties::StaticClass();
}

void TcxFilterLookupComboBoxHelper::GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties*,
                                                       std::string& text, Variant& value) const {
    auto* lookup = dynamic_cast<TcxCustomLookupEdit*>(editor);
    value = editor ? editor->GetEditValue() : Variant::Null();
    text = lookup && lookup->GetLookupEditData() ? lookup->GetLookupEditData()->GetDisplayTextOfKey(value)
                                                 : std::string();
}

TcxFilterControlOperators TcxFilterLookupComboBoxHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                             TcxValueTypeClass, bool) const {
    return FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) | FilterOperatorBit(fcoBlanks) |
           FilterOperatorBit(fcoNonBlanks);
}

void TcxFilterLookupComboBoxHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                            TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterComboBoxHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* p = dynamic_cast<TcxCustomLookupEditProperties*>(properties);
    if (!p) return;
    p->SetPopupAutoSize(true);
    p->SetDropDownListStyle(lsFixedList);
    p->SetPopupSizeable(true);
    p->SetIncrementalFiltering(true);
}

// ---- start-up ----

void InitializeLookupComboBoxUnit() {
    if (lookupComboBoxUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxLookupComboBoxProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryLookupComboBoxItem));
    GetFilterEditHelperRegistry()->AddPair(TcxLookupComboBoxProperties::StaticClass(),
                                           TcxFilterLookupComboBoxHelper::StaticClass());
}

void FinalizeLookupComboBoxUnit() {
    if (lookupComboBoxUnitCounter == 0 || --lookupComboBoxUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxLookupComboBoxProperties::StaticClass(),
                                              TcxFilterLookupComboBoxHelper::StaticClass());
}

void InitializeDBEditRepositoryUnit() {
    if (dbEditRepositoryUnitCounter++ != 0) return;
    RegisterClasses({TcxEditRepositoryLookupComboBoxItem::StaticClass()});
}

} // namespace zorvy
