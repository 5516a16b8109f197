#include "controls/dbeditors/DBLookupEdit.h"

#include "controls/data/db/DBDataController.h"
#include "controls/data/db/DBFieldFunctions.h"
#include "controls/dbeditors/DBEditDefaults.h"
#include "controls/foundation/classes/Classes.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"

namespace zorvy {

bool IsDataSetInLinkChain(TDataSource* source, TDataSet* dataSet) {
    if (!source || !source->GetDataSet()) return false;
    for (TDataSet* d = dataSet; d;) {
        if (d == source->GetDataSet()) return true;
        TDataSource* master = d->GetDataSource();
        d = master ? master->GetDataSet() : nullptr;
    }
    return false;
}

// ---- TcxCustomDBLookupEditProperties ----

TcxCustomDBLookupEditProperties::TcxCustomDBLookupEditProperties(TPersistent* owner)
    : TcxCustomLookupEditProperties(owner) {}

TcxCustomDBLookupEditProperties::~TcxCustomDBLookupEditProperties() {
    lookupFieldNotificator_.reset();
    lookupField_ = nullptr;
    ownDataSource_.reset();
    cache_.reset();
}

void TcxCustomDBLookupEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomDBLookupEditProperties*>(source);
    BeginChanges();
    try {
        TcxCustomLookupEditProperties::Assign(source);
        if (other) {
            CaseSensitiveSearch = other->CaseSensitiveSearch;
            if (!IsDefinedByLookupField()) SetKeyFieldNames(other->GetKeyFieldNames());
        }
    } catch (...) {
        EndChanges();
        throw;
    }
    EndChanges();
}

void TcxCustomDBLookupEditProperties::CheckNotDefinedByLookupField() const {
    if (IsDefinedByLookupField() && !binding_)
        throw EDatabaseError(ResolveResourceString(scxPropertyDefinedByLookupField));
}

std::string TcxCustomDBLookupEditProperties::GetKeyFieldNames() const {
    TcxDBDataController* list = GetDBDataController();
    return list ? list->GetKeyFieldNames() : std::string();
}

void TcxCustomDBLookupEditProperties::SetKeyFieldNames(const std::string& names) {
    CheckNotDefinedByLookupField();
    if (TcxDBDataController* list = GetDBDataController()) list->SetKeyFieldNames(names);
}

std::string TcxCustomDBLookupEditProperties::GetListFieldNames() const {
    std::string names;
    for (int i = 0; i < GetListColumnCount(); ++i) {
        if (i > 0) names += ';';
        names += GetListColumnFieldName(i);
    }
    return names;
}

void TcxCustomDBLookupEditProperties::SetListFieldNames(const std::string& names) {
    const std::string before = GetListFieldNames();
    BeginListUpdate();
    try {
        RecreateListColumns(names);
        SyncListColumnToLookupField();
        CheckDisplayColumnIndex();
    } catch (...) {
        EndListUpdate();
        throw;
    }
    EndListUpdate();
    if (GetListFieldNames() != before) Changed();
}

void TcxCustomDBLookupEditProperties::SetGridMode(bool value) {
    if (value == IsGridMode()) return;
    if (value)
        cache_ = std::make_unique<TcxLookupList>();
    else
        cache_.reset();
    Changed();
}

TField* TcxCustomDBLookupEditProperties::GetDataField() const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    auto* dbProvider = provider ? dynamic_cast<TcxCustomDBEditDefaultValuesProvider*>(provider->GetSelf()) : nullptr;
    return dbProvider ? dbProvider->GetField() : nullptr;
}

TField* TcxCustomDBLookupEditProperties::GetLookupField() const {
    TField* field = GetDataField();
    return field && field->GetLookup() && !field->HasState(csDestroying) ? field : nullptr;
}

TField* TcxCustomDBLookupEditProperties::GetDisplayField() const {
    const int column = GetEffectiveDisplayColumnIndex();
    return column >= 0 ? GetListColumnField(column) : nullptr;
}

int TcxCustomDBLookupEditProperties::FindRecordIndexByKey(const Variant& key) const {
    TcxDBDataController* list = GetDBDataController();
    if (!list) return -1;
    try {
        return list->FindRecordIndexByKey(key);
    } catch (const EVariantError&) {
        return -1;
    }
}

void TcxCustomDBLookupEditProperties::CheckCircularLink(TDataSource* listSource) const {
    TField* field = GetDataField();
    if (field && listSource && IsDataSetInLinkChain(listSource, field->GetDataSet()))
        throw EDatabaseError(ResolveResourceString(scxCircularDataLink));
}

// ---- the lookup field ----

void TcxCustomDBLookupEditProperties::Changed() {
    ResetLookupCache();
    LookupFieldChanged();
    SyncListColumnToLookupField();
    TcxCustomLookupEditProperties::Changed();
}

void TcxCustomDBLookupEditProperties::DropDefaultValuesProvider() {
    TcxCustomLookupEditProperties::DropDefaultValuesProvider();
    // The binding follows the lost field without telling the editors.
    BeginChanges();
    try {
        Changed();
    } catch (...) {
        EndChanges(false);
        throw;
    }
    EndChanges(false);
}

void TcxCustomDBLookupEditProperties::LookupFieldChanged() {
    BindToLookupField(GetLookupField());
    TcxDBDataController* list = GetDBDataController();
    CheckCircularLink(list ? list->GetDataSource() : nullptr);
}

void TcxCustomDBLookupEditProperties::BindToLookupField(TField* field) {
    if (field == lookupField_) return;
    lookupField_ = field;
    if (!field) {
        if (TcxDBDataController* list = GetDBDataController();
            list && ownDataSource_ && list->GetDataSource() == ownDataSource_.get())
            list->SetDataSource(nullptr);
        lookupFieldNotificator_.reset();
        ownDataSource_.reset();
        return;
    }
    if (!ownDataSource_) ownDataSource_ = std::make_unique<TDataSource>(nullptr);
    lookupFieldNotificator_ = std::make_unique<TcxFreeNotificator>(nullptr);
    lookupFieldNotificator_->Watch(field);
    lookupFieldNotificator_->OnComponentFreed = [this](TObject*, TComponent*) { LookupFieldFreed(); };
    ownDataSource_->SetDataSet(field->GetLookupDataSet());
    TcxDBDataController* list = GetDBDataController();
    if (!list) return;
    binding_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{binding_};
    list->SetDataSource(ownDataSource_.get());
    if (IndexOfListColumn(field->GetLookupResultField()) < 0) SetListFieldNames(field->GetLookupResultField());
    SetKeyFieldNames(field->GetLookupKeyFields());
    SetDisplayColumnIndex(0);
}

void TcxCustomDBLookupEditProperties::LookupFieldFreed() {
    // The freed field is no lookup definition any more, whatever the provider still holds. The
    // notificator calling here and the list's data source stay until the next binding.
    lookupField_ = nullptr;
}

void TcxCustomDBLookupEditProperties::SyncListColumnToLookupField() {
    if (TField* field = GetLookupField(); field && !field->GetLookupResultField().empty())
        EnsureListColumn(field->GetLookupResultField());
}

void TcxCustomDBLookupEditProperties::ResetLookupCache() {
    if (cache_) cache_->Clear();
    if (TcxDBDataController* list = GetDBDataController()) list->GetDataModeController().SetGridMode(IsGridMode());
}

// ---- answers of the editor kind ----

TAlignment TcxCustomDBLookupEditProperties::ResolveHorzAlignment() {
    if (TField* field = GetDisplayField()) return IsNumericType(field->GetDataType()) ? taRightJustify : taLeftJustify;
    return TcxCustomLookupEditProperties::ResolveHorzAlignment();
}

int TcxCustomDBLookupEditProperties::GetSourceMaxLength() const {
    if (TField* field = GetDisplayField()) return field->GetSize();
    return TcxCustomLookupEditProperties::GetSourceMaxLength();
}

int TcxCustomDBLookupEditProperties::LookupFieldFormatting(bool isEditing) const {
    if (!GetLookupField()) return 0;
    return isEditing ? 2 : 1;
}

bool TcxCustomDBLookupEditProperties::UsesDefaultFormatting(bool isEditing) const {
    return GetLookupField() ? true : TcxCustomLookupEditProperties::UsesDefaultFormatting(isEditing);
}

const TMetaClass* TcxCustomDBLookupEditProperties::GetLookupDataClass() const {
    return TcxCustomDBLookupEditLookupData::StaticClass();
}

bool TcxCustomDBLookupEditProperties::IsTextTheValue() const {
    if (GetDropDownListStyle() != lsEditList) return false;
    const std::vector<std::string> keys = SplitFieldNames(GetKeyFieldNames());
    TcxDBDataController* list = GetDBDataController();
    TDataSet* dataSet = list ? list->GetDataSet() : nullptr;
    if (keys.size() != 1 || !dataSet) return false;
    TField* key = dataSet->FindField(keys[0]);
    return key && key == GetDisplayField();
}

int TcxCustomDBLookupEditProperties::GetDisplayColumnIndex() const {
    if (TField* field = GetLookupField(); field && !field->GetLookupResultField().empty())
        return IndexOfListColumn(field->GetLookupResultField());
    return TcxCustomLookupEditProperties::GetDisplayColumnIndex();
}

void TcxCustomDBLookupEditProperties::SetDisplayColumnIndex(int index) {
    CheckNotDefinedByLookupField();
    TcxCustomLookupEditProperties::SetDisplayColumnIndex(index);
}

std::string TcxCustomDBLookupEditProperties::GetDisplayText(const Variant& key) {
    TcxDBDataController* list = GetDBDataController();
    const int column = GetEffectiveDisplayColumnIndex();
    if (column < 0 || !list) return {};
    if (!IsGridMode()) {
        const int recordIndex = FindRecordIndexByKey(key);
        return recordIndex >= 0 ? list->GetDisplayText(recordIndex, column) : std::string();
    }
    int at = 0;
    if (cache_->Find(key, at)) return cache_->GetItem(at).DisplayText;
    std::string text;
    {
        LockListDataChanged();
        struct Unlock {
            TcxCustomDBLookupEditProperties* p;
            ~Unlock() { p->UnlockListDataChanged(); }
        } unlock{this};
        TDataSet* dataSet = list->GetDataSet();
        TField* display = GetDisplayField();
        if (dataSet && dataSet->GetActive() && display) {
            // Read without moving the list dataset, so the list keeps its buffer and position.
            try {
                text = VarToStr(dataSet->Lookup(GetKeyFieldNames(), key, display->GetFieldName()));
            } catch (const EVariantError&) {
                text.clear();
            }
        }
    }
    // A database error has left by now: only real answers, "no text" too, are kept.
    cache_->Insert(at, key, text);
    return text;
}

int TcxCustomDBLookupEditProperties::FindByText(int columnIndex, const std::string& text, bool partial) {
    if (!IsGridMode()) return TcxCustomLookupEditProperties::FindByText(columnIndex, text, partial);
    TcxDBDataController* list = GetDBDataController();
    TDataSet* dataSet = list ? list->GetDataSet() : nullptr;
    if (!dataSet || !dataSet->GetActive() || columnIndex < 0 || columnIndex >= GetListColumnCount()) return -1;
    LockListDataChanged();
    struct Unlock {
        TcxCustomDBLookupEditProperties* p;
        ~Unlock() { p->UnlockListDataChanged(); }
    } unlock{this};
    TField* field = GetListColumnField(columnIndex);
    const Variant value = text.empty() && !(field && field->GetDataType() == TFieldType::ftString)
                              ? Variant::Null()
                              : Variant(text);
    TLocateOptions options = CaseSensitiveSearch ? 0u : static_cast<TLocateOptions>(loCaseInsensitive);
    if (partial) options |= loPartialKey;
    try {
        if (!dataSet->Locate(GetListColumnFieldName(columnIndex), value, options)) return -1;
    } catch (const EVariantError&) {
        return -1;
    }
    return list->GetFocusedRecordIndex();
}

bool TcxCustomDBLookupEditProperties::UsesIncrementalFiltering() const {
    return !IsGridMode() && TcxCustomLookupEditProperties::UsesIncrementalFiltering();
}

Variant TcxCustomDBLookupEditProperties::GetEmptyKey() const {
    const std::size_t count = SplitFieldNames(GetKeyFieldNames()).size();
    if (count < 2) return Variant::Null();
    Variant keys = VarArrayCreate({{0, static_cast<int>(count) - 1}}, varVariant);
    for (int i = 0; i < static_cast<int>(count); ++i) keys.Array()->At({i}) = Variant::Null();
    return keys;
}

const TMetaClass* TcxCustomDBLookupEditProperties::GetEditControlClass() const {
    return TcxCustomDBLookupEdit::StaticClass();
}

TcxCustomEdit* TcxCustomDBLookupEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCustomDBLookupEdit(nullptr, inplace, ClassType());
}

// ---- TcxCustomDBLookupEditLookupData ----

void TcxCustomDBLookupEditLookupData::SetCurrentKeyFromRecord(int recordIndex) {
    auto* p = dynamic_cast<TcxCustomDBLookupEditProperties*>(LookupProperties());
    TcxDBDataController* list = p ? p->GetDBDataController() : nullptr;
    StoreCurrentKey(recordIndex < 0 || !list ? Variant::Null() : list->GetRecordKey(recordIndex));
}

void TcxCustomDBLookupEditLookupData::LocateCurrentKey() {
    auto* p = dynamic_cast<TcxCustomDBLookupEditProperties*>(LookupProperties());
    if (!p) return;
    const int recordIndex = p->FindRecordIndexByKey(GetCurrentKey());
    if (recordIndex < 0) return;
    p->LockListDataChanged();
    struct Unlock {
        TcxCustomDBLookupEditProperties* p;
        ~Unlock() { p->UnlockListDataChanged(); }
    } unlock{p};
    ListData()->ChangeFocusedRecordIndex(recordIndex);
}

// ---- TcxCustomDBLookupEdit ----

Variant TcxCustomDBLookupEdit::GetEmptyEditValue() const {
    TcxCustomDBLookupEditProperties* p = GetDBLookupProperties();
    const std::string names = p->GetKeyFieldNames();
    if (p->LookupFieldFormatting(InEditingMode()) != 2 || names.find(';') == std::string::npos)
        return TcxCustomLookupEdit::GetEmptyEditValue();
    return p->GetEmptyKey();
}

bool TcxCustomDBLookupEdit::IsCharAccepted(char32_t ch) {
    TField* field = GetDBLookupProperties()->GetDisplayField();
    return field ? field->IsValidChar(ch) : true;
}

} // namespace zorvy
