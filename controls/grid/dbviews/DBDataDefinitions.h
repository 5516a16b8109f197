#pragma once
// What binds a grid view to a dataset: the dataset-bound grid data controller (which passes the
// questions of its data to the view and lets the dataset drive the scroll bar in grid mode), the
// binding of a column to its field by name, and the column's editor defaults from that field.
#include "controls/data/db/DBDataController.h"
#include "controls/dbeditors/DBEditDefaults.h"
#include "controls/grid/table/DataBinding.h"

#include <string>

namespace zorvy {

class TField;

class TcxGridDBDataController : public TcxGridDataControllerOf<TcxDBDataController> {
  public:
    explicit TcxGridDBDataController(TComponent* owner);

    // ---- asked of the data ----
    // TcxGridDBTableSummaryItem.
    TClass GetSummaryItemClass() const override;
    // The view refreshes its navigators.
    void DataSetCurrentChanged(bool current) override;
    // The number of records the view shows; 100 while it shows none.
    int GetDefaultGridModeBufferCount() const override;
    // Grid mode, a sequenced dataset and records of equal heights.
    bool UsesDataSetScrollBar() const;

    // ---- IcxGridDataControllerOwner ----
    void AssignData(TcxCustomDataController*) override {}
    // One column per dataset field (with missingItemsOnly, only for fields no column names).
    void CreateAllItems(bool missingItemsOnly) override;
    void DeleteAllItems() override;
    void CollectLinkedComponents(TList* list) override;
    // Without a linked dataset: true (there is nothing a column could be missing for).
    bool HasAllItems() const override;
    bool IsDataChangeable() const override { return false; }
    bool IsDataLinked() const override { return GetDataSet() != nullptr; }
    bool SupportsCreateAllItems() const override { return true; }

    // ---- IcxGridModeDataController ----
    void UpdateGridModeBufferCount() override;
    bool DoScroll(bool forward) override;
    bool DoScrollPage(bool forward) override;
    TcxGridItemDataBindingClass GetItemDataBindingClass() const override;
    const TMetaClass* GetItemDefaultValuesProviderClass() const override;
    bool IsDataStart() const override;
    bool IsDataFinish() const override;
    int GetScrollBarPos() const override;
    int GetScrollBarRecordCount() const override;
    bool SetScrollBarPos(int value) override;

  private:
    mutable int prevScrollBarPos_ = -1;
    int gridModeBufferCount_ = -1;
};

// The column's editor defaults from its field; an unbound column edits freely.
class TcxGridDBDefaultValuesProvider : public TcxCustomDBEditDefaultValuesProvider {
    ZORVY_CLASS(TcxGridDBDefaultValuesProvider, TcxCustomDBEditDefaultValuesProvider)
  public:
    using TCreateOwner = TcxGridItemDataBinding;
    explicit TcxGridDBDefaultValuesProvider(TcxGridItemDataBinding* owner)
        : TcxCustomDBEditDefaultValuesProvider(owner), binding_(owner) {}
    const std::string& GetFieldName() const { return fieldName_; }
    void SetFieldName(const std::string& value) { fieldName_ = value; }
    bool CanModifyValue() override;
    bool HasDisplayFormat(bool isEditing) override;

  private:
    TcxGridItemDataBinding* binding_;
    std::string fieldName_;
};

class TcxGridItemDBDataBinding : public TcxGridItemDataBinding {
    ZORVY_CLASS(TcxGridItemDBDataBinding, TcxGridItemDataBinding)
  public:
    using TCreateOwner = TcxCustomGridTableItem;
    explicit TcxGridItemDBDataBinding(TcxCustomGridTableItem* item) : TcxGridItemDataBinding(item) {}
    void Assign(TPersistent* source) override;
    TcxGridDBDataController* GetDBDataController() const;
    // Kept by the data controller for the column's item index ("ItemIndex out of range" outside).
    std::string GetFieldName() const;
    // A name another column already binds shares that column's values.
    void SetFieldName(const std::string& value);
    // The bound dataset field; nil when the name matches none.
    TField* GetField() const;

    TcxValueTypeClass GetDefaultValueTypeClass() const override { return nullptr; }
    std::string GetFilterFieldName() const override;
    void Init() override;
    bool ShouldStoreValueType() const override { return GetFieldName().empty(); }
    std::string GetDefaultCaption() const override;
    TcxEditRepositoryItem* GetDefaultRepositoryItem() const override;
    int GetDefaultWidth() const override;
};

} // namespace zorvy
