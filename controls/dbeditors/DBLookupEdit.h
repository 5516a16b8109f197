#pragma once
// The lookup editor over a list dataset: a key is the value (or, for several key fields, the array of
// values) of the key fields of a list record, its text that record's display field. An editor bound
// to a lookup field takes list dataset, key fields and result field from that field. In grid mode a
// cache of (key, text) pairs spares loading the whole list dataset.
#include "controls/data/DataStorage.h"
#include "controls/editors/lookup/LookupEdit.h"
#include "platform/rtl/ResourceStrings.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxDBDataController;
class TcxFreeNotificator;
class TDataSet;
class TDataSource;
class TField;

ZORVY_RESOURCESTRING(scxPropertyDefinedByLookupField, "Property already defined by lookup field");
ZORVY_RESOURCESTRING(scxCircularDataLink, "Circular datalinks are not allowed");

// Whether the dataset is the source's dataset or one of its details (its master chain reaches it).
bool IsDataSetInLinkChain(TDataSource* source, TDataSet* dataSet);

class TcxCustomDBLookupEditProperties : public TcxCustomLookupEditProperties {
    ZORVY_CLASS(TcxCustomDBLookupEditProperties, TcxCustomLookupEditProperties)
  public:
    explicit TcxCustomDBLookupEditProperties(TPersistent* owner);
    ~TcxCustomDBLookupEditProperties() override;
    // Inside one change batch: the lookup settings, CaseSensitiveSearch and, unless a lookup field
    // defines them, the key fields.
    void Assign(TPersistent* source) override;

    // ---- published settings ----
    bool CaseSensitiveSearch = false;
    std::string GetKeyFieldNames() const;
    // "Property already defined by lookup field" while a lookup field defines the list.
    void SetKeyFieldNames(const std::string& names);
    // The list columns' field names joined by ";".
    std::string GetListFieldNames() const;
    // One column per name, then the lookup field's column and the display column checked.
    void SetListFieldNames(const std::string& names);
    bool IsGridMode() const { return cache_ != nullptr; }
    void SetGridMode(bool value);

    // ---- the edited field and its lookup definition ----
    // The field of the editor's dataset defaults provider; nil without one.
    TField* GetDataField() const;
    // The edited field when it is a lookup field.
    TField* GetLookupField() const;
    bool IsBinding() const { return binding_; }

    // ---- the list, as the lookup combo box answers it ----
    virtual void BeginListUpdate() {}
    virtual void EnsureListColumn(const std::string& /*fieldName*/) {}
    virtual void RecreateListColumns(const std::string& /*fieldNames*/) {}
    virtual void EndListUpdate() {}
    virtual TField* GetListColumnField(int /*index*/) const { return nullptr; }
    virtual std::string GetListColumnFieldName(int /*index*/) const { return {}; }
    virtual int IndexOfListColumn(const std::string& /*fieldName*/) const { return -1; }
    virtual TcxDBDataController* GetDBDataController() const { return nullptr; }
    // The display column's field; nil without one.
    TField* GetDisplayField() const;
    // The list record of a key; -1 when none (also for a key of the wrong kind).
    int FindRecordIndexByKey(const Variant& key) const;
    // "Circular datalinks are not allowed" when the list source is the edited dataset or a master of it.
    void CheckCircularLink(TDataSource* listSource) const;

    // ---- overrides ----
    void Changed() override;
    void DropDefaultValuesProvider() override;
    TAlignment ResolveHorzAlignment() override;
    int GetSourceMaxLength() const override;
    bool UsesDefaultFormatting(bool isEditing) const override;
    // 2 for a lookup field while editing, 1 for one not editing, 0 without a lookup field.
    int LookupFieldFormatting(bool isEditing) const;
    const TMetaClass* GetLookupDataClass() const override;
    bool IsBoundToLookupField() const override { return GetLookupField() != nullptr; }
    bool IsTextTheValue() const override;
    int GetDisplayColumnIndex() const override;
    void SetDisplayColumnIndex(int index) override;
    // In grid mode from the cache, else from the list dataset (a database error is raised, not taken
    // as "no text"); outside grid mode from the loaded list records.
    std::string GetDisplayText(const Variant& key) override;
    int FindByText(int columnIndex, const std::string& text, bool partial) override;
    bool UsesIncrementalFiltering() const override;
    // An array of Nulls for several key fields.
    Variant GetEmptyKey() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    virtual void LookupFieldChanged();
    virtual void SyncListColumnToLookupField();
    virtual void LookupFieldFreed();
    void ResetLookupCache();
    void BindToLookupField(TField* field);
    // "Property already defined by lookup field" unless the lookup field is being bound.
    void CheckNotDefinedByLookupField() const;

  private:
    std::string StoredKeyFieldNames() const;

    int gridModeLockCount_ = 0;
    TField* lookupField_ = nullptr;
    std::unique_ptr<TcxLookupList> cache_;
    std::unique_ptr<TDataSource> ownDataSource_;
    std::unique_ptr<TcxFreeNotificator> lookupFieldNotificator_;
    bool binding_ = false;
};

// Keys of list records are their key field values.
class TcxCustomDBLookupEditLookupData : public TcxCustomLookupEditLookupData {
    ZORVY_CLASS(TcxCustomDBLookupEditLookupData, TcxCustomLookupEditLookupData)
  public:
    using TcxCustomLookupEditLookupData::TcxCustomLookupEditLookupData;

  protected:
    void SetCurrentKeyFromRecord(int recordIndex) override;
    // Focuses the list record of the key; a key of the wrong kind focuses nothing.
    void LocateCurrentKey() override;
};

class TcxCustomDBLookupEdit : public TcxCustomLookupEdit {
    ZORVY_CLASS(TcxCustomDBLookupEdit, TcxCustomLookupEdit)
  public:
    explicit TcxCustomDBLookupEdit(TComponent* owner) : TcxCustomDBLookupEdit(owner, false) {}
    TcxCustomDBLookupEdit(TComponent* owner, bool inplace,
                          const TMetaClass* propertiesClass = TcxCustomDBLookupEditProperties::StaticClass())
        : TcxCustomLookupEdit(owner, inplace, propertiesClass) {}
    TcxCustomDBLookupEditProperties* GetDBLookupProperties() const {
        return static_cast<TcxCustomDBLookupEditProperties*>(GetEffectiveProperties());
    }
    // An array of Nulls while a lookup field with several key fields is edited.
    Variant GetEmptyEditValue() const override;
    // The display field's character test.
    bool IsCharAccepted(char32_t ch) override;
};

} // namespace zorvy
