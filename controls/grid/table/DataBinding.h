#pragma once
// The glue between a table view and its data controller: the grid data controller (which passes
// the questions of its data to the view, and keeps unbound records in a form as the "Data"
// property), the interfaces every grid data controller answers, the binding of one item to its
// field and the item's source of default editor settings.
#include "controls/data/DataController.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/grid/table/TableItem.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxCustomGridView;
class TcxEditRepositoryItem;
class TcxFilterCriteriaItemList;
class TcxGridFilterMRUValueItems;
class TcxGridFilterValueList;
class TStrings;
class TcxGridItemDataBinding;
class TMemoryStream;

using TcxGridItemDataBindingClass = const TMetaClass*;

class IcxGridDataControllerOwner {
  public:
    virtual ~IcxGridDataControllerOwner() = default;
    virtual void AssignData(TcxCustomDataController* dataController) = 0;
    virtual void CreateAllItems(bool missingItemsOnly) = 0;
    virtual void DeleteAllItems() = 0;
    virtual void CollectLinkedComponents(TList* list) = 0;
    virtual TcxCustomGridView* GetGridView() const = 0;
    virtual bool HasAllItems() const = 0;
    virtual bool IsDataChangeable() const = 0;
    virtual bool IsDataLinked() const = 0;
    virtual bool SupportsCreateAllItems() const = 0;
};

class IcxGridModeDataController {
  public:
    virtual ~IcxGridModeDataController() = default;
    virtual void UpdateGridModeBufferCount() = 0;
    virtual bool DoScroll(bool forward) = 0;
    virtual bool DoScrollPage(bool forward) = 0;
    virtual TcxGridItemDataBindingClass GetItemDataBindingClass() const = 0;
    virtual const TMetaClass* GetItemDefaultValuesProviderClass() const = 0;
    virtual bool IsDataStart() const = 0;
    virtual bool IsDataFinish() const = 0;
    virtual int GetScrollBarPos() const = 0;
    virtual int GetScrollBarRecordCount() const = 0;
    virtual bool SetScrollBarPos(int value) = 0;
};

// What every grid data controller passes on to its table view, whatever data it stands on: the
// in-memory controller and the dataset-bound one each derive this over their own base, so the view
// answers the questions of their data in one place.
template <class TBase>
class TcxGridDataControllerOf : public TBase,
                                public IcxGridDataControllerOwner,
                                public IcxGridModeDataController {
  public:
    using TBase::TBase;
    TcxCustomGridTableView* GetTableView() const;
    TcxCustomGridView* GetGridView() const override;

    // ---- redirected to the view ----
    bool CanSelectRow(int rowIndex) override;
    int GetDefaultActiveRelationIndex() const override;
    int GetItemID(TObject* item) const override;
    void ItemFieldChanged(int itemIndex) override;
    std::string GetFilterDisplayText(int recordIndex, int itemIndex) const override;
    int CompareByField(int record1, int record2, int purpose, TcxCustomDataField* field) override;
    TcxSortingBySummaryEngineClass GetSortingBySummaryEngineClass() const override;
    TObject* GetItem(int itemIndex) const override;
    void FocusControl(int itemIndex, bool& done) override;
    bool IsItemEditable(int itemIndex) const override;
    void UpdateData() override;
    Variant GetFilterDataValue(int recordIndex, TcxCustomDataField* field) const override;
    std::string GetItemFilterName(TObject* item) const override;
    bool GetItemSortByDisplayText(int itemIndex, bool defaultValue) const override;
};

class TcxGridDataController : public TcxGridDataControllerOf<TcxDataController> {
  public:
    explicit TcxGridDataController(TComponent* owner);
    ~TcxGridDataController() override;

    // ---- the "Data" property ----
    void DefineProperties(TFiler* filer) override;
    // Saves the records to a memory stream and writes its size (4 bytes) and its bytes.
    void WriteData(TStream& stream);
    // Reads the size and exactly that many bytes into the buffer that Loaded loads; a negative
    // size or one beyond what the stream holds is refused before anything is allocated.
    void ReadData(TStream& stream);
    bool HasLoadedData() const { return loadedData_ != nullptr; }
    void Loaded() override;

    // The display text that the item's editor properties give, passed through OnGetDataText.
    std::string GetItemDisplayText(int recordIndex, int itemIndex) const;

    // ---- IcxGridDataControllerOwner ----
    void AssignData(TcxCustomDataController* dataController) override;
    void CreateAllItems(bool) override {}
    void DeleteAllItems() override {}
    void CollectLinkedComponents(TList*) override {}
    bool HasAllItems() const override { return true; }
    bool IsDataChangeable() const override { return true; }
    bool IsDataLinked() const override { return true; }
    bool SupportsCreateAllItems() const override { return false; }

    // ---- IcxGridModeDataController: in-memory data has no grid mode ----
    void UpdateGridModeBufferCount() override {}
    bool DoScroll(bool) override { return false; }
    bool DoScrollPage(bool) override { return false; }
    TcxGridItemDataBindingClass GetItemDataBindingClass() const override;
    const TMetaClass* GetItemDefaultValuesProviderClass() const override;
    bool IsDataStart() const override;
    bool IsDataFinish() const override;
    int GetScrollBarPos() const override { return -1; }
    int GetScrollBarRecordCount() const override { return -1; }
    bool SetScrollBarPos(int) override { return false; }

  private:
    std::unique_ptr<TMemoryStream> loadedData_;
};

// Default editor settings of an item: a display format exists when the data controller stores
// the item's texts or the item changes them itself.
class TcxGridDefaultValuesProvider : public TcxCustomEditDefaultValuesProvider {
    ZORVY_CLASS(TcxGridDefaultValuesProvider, TcxCustomEditDefaultValuesProvider)
  public:
    using TCreateOwner = TcxGridItemDataBinding;
    explicit TcxGridDefaultValuesProvider(TcxGridItemDataBinding* owner);
    bool HasDisplayFormat(bool isEditing) override;

  private:
    TcxGridItemDataBinding* binding_;
};

class TcxGridItemDataBinding : public TPersistent {
    ZORVY_CLASS(TcxGridItemDataBinding, TPersistent)
  public:
    using TCreateOwner = TcxCustomGridTableItem;
    explicit TcxGridItemDataBinding(TcxCustomGridTableItem* item);
    ~TcxGridItemDataBinding() override;
    void Assign(TPersistent* source) override;

    TcxCustomGridTableItem* GetItem() const { return item_; }
    TcxCustomGridTableView* GetGridView() const;
    TcxCustomDataController* GetDataController() const;
    TcxDataFilterCriteria* GetFilterCriteria() const;
    TcxFilterCriteriaItem* GetFilterCriteriaItem() const;
    bool GetFiltered() const { return GetFilterCriteriaItem() != nullptr; }
    // False removes every condition of the item; True does nothing.
    void SetFiltered(bool value);
    TObject* GetData() const { return data_; }
    void SetData(TObject* value);
    TcxGridFilterMRUValueItems* GetFilterMRUValueItems() const { return filterMRUValueItems_.get(); }
    TcxCustomEditDefaultValuesProvider* GetDefaultValuesProviderObject() const { return defaultValuesProvider_.get(); }
    IcxEditDefaultValuesProvider* GetDefaultValuesProvider(TcxCustomEditProperties* properties = nullptr) const;
    TcxValueTypeClass GetValueTypeClass() const;
    // The caption of the value type ("String", "Integer"), empty without one.
    std::string GetValueType() const;
    // A name the registry does not hold sets no value type.
    void SetValueType(const std::string& value);
    void DoGetFilterDisplayText(const Variant& value, std::string& text);

    // ---- the item filter drop-down (FilterValueList.cpp) ----
    // The item's entries, its handler's, and (unless values only) its recent values at the top.
    void GetFilterValues(TcxGridFilterValueList* valueList, bool valuesOnly, bool useFilteredList,
                         bool sortByDisplayText);
    // The drop-down texts of the entries, one string per entry in the list's order.
    void GetFilterStrings(TStrings* strings, TcxGridFilterValueList* valueList);
    void AddFilterCondition(TcxFilterCriteriaItemList* list, TcxFilterOperatorCode operatorKind, bool replace,
                            const std::string& displayText, const Variant& value);
    // The entries the item's conditions stand for (never "(Custom...)").
    void GetFilterActiveValueIndexes(TcxGridFilterValueList* valueList, std::vector<int>& indexes);
    // Replaces the item's conditions with the entries: in the root when it is an OR group or takes a
    // single entry, else in a new OR group.
    void ApplyFilterValueIndexes(TcxGridFilterValueList* valueList, const std::vector<int>& indexes);

    virtual TcxValueTypeClass GetDefaultValueTypeClass() const { return &cxStringValueType; }
    virtual std::string GetFilterFieldName() const { return {}; }
    virtual void Init() {}
    virtual bool ShouldStoreValueType() const { return GetValueTypeClass() != GetDefaultValueTypeClass(); }
    virtual std::string GetDefaultCaption() const { return {}; }
    // The default editor of the item's value type: the plain text editor for every type until
    // the registry of default editors exists.
    virtual TcxEditRepositoryItem* GetDefaultRepositoryItem() const;
    virtual int GetDefaultWidth() const { return 64; }

  private:
    TcxCustomGridTableItem* item_;
    TObject* data_ = nullptr;
    std::unique_ptr<TcxCustomEditDefaultValuesProvider> defaultValuesProvider_;
    std::unique_ptr<TcxGridFilterMRUValueItems> filterMRUValueItems_;
};

} // namespace zorvy
