#pragma once
// The data controller's filter: criteria whose conditions name the controller's fields and read
// its records, and the value lists that fill a column's filter drop-down.
#include "controls/data/FilterCells.h"
#include "controls/data/FilterCriteria.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;

// A condition on one of the controller's fields; outside it is linked to the field's view item.
class TcxDataFilterCriteriaItem : public TcxFilterCriteriaItem {
  public:
    using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
    void GetDataValue(int recordIndex, Variant& value) const override;
    std::string GetFieldCaption() const override;
    std::string GetFieldName() const override;
    TObject* GetItemLink() const override; // the field's view item
    // A view item is taken as the controller's field for it.
    void SetItemLink(TObject* link) override;
    TcxCustomDataField* GetField() const { return field_; }
    // Prepares the condition to be judged from record cells for one filtering pass, or drops that.
    void PrepareCell(bool prepare);

  private:
    TcxCustomDataController* GetDataController() const;
    TcxCustomDataField* field_ = nullptr;
    std::optional<TcxFilterCell> cell_;
};

class TcxDataFilterValueList;

class TcxDataFilterCriteria : public TcxFilterCriteria {
  public:
    using TcxDataFilterGetValueListEvent =
        std::function<void(TcxDataFilterCriteria*, int itemIndex, TcxDataFilterValueList*)>;

    explicit TcxDataFilterCriteria(TcxCustomDataController* dataController);
    ~TcxDataFilterCriteria() override;

    TcxCustomDataController* GetDataController() const { return dataController_; }
    bool GetActive() const { return active_; }
    void SetActive(bool value);
    // Active, not empty and not in grid mode.
    virtual bool IsFiltering() const;
    // The conditions that can be judged from record cells are, for one pass over the records.
    void PrepareCells(bool prepare);
    virtual std::unique_ptr<TcxDataFilterValueList> CreateValueList();
    void RemoveItemsOfLink(TObject* link) { RemoveItemsByItemLink(link); }
    void Assign(TPersistent* source) override;
    // One of the controller's extra filters: its changes refresh nothing.
    bool IsExtraFilter() const;
    bool IsDestroying() const { return destroying_; }
    // Active with the published properties; the conditions as the stream-valued "Criteria",
    // stored only when there are any.
    void DefinePublishedProperties(TFiler* filer) override;
    void DefineProperties(TFiler* filer) override;
    TcxDataFilterGetValueListEvent OnGetValueList;

    int GetIDByItemLink(TObject* itemLink) const override;
    std::string GetNameByItemLink(TObject* itemLink) const override;
    TObject* GetItemLinkByID(int id) const override;
    TObject* GetItemLinkByName(const std::string& name) const override;
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override;

  protected:
    void DoChanged() override;
    void CopyEventHandlers(TcxFilterCriteria* source) override;

  private:
    TcxCustomDataController* dataController_;
    bool active_ = false;
    bool destroying_ = false;
};

// The controller's extra criteria, owned by the list; a criteria freed elsewhere leaves it.
class TcxDataFilterList {
  public:
    TcxDataFilterList() = default;
    TcxDataFilterList(const TcxDataFilterList&) = delete;
    TcxDataFilterList& operator=(const TcxDataFilterList&) = delete;
    ~TcxDataFilterList() { FreeAll(); }

    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxDataFilterCriteria* GetItem(int index) const; // list-index error outside the criteria
    void Add(TcxDataFilterCriteria* criteria) { items_.push_back(criteria); }
    void Remove(TcxDataFilterCriteria* criteria);
    int IndexOf(const TcxDataFilterCriteria* criteria) const;
    void FreeAll(); // last first
    void RemoveItemLink(TObject* link);

  private:
    std::vector<TcxDataFilterCriteria*> items_;
};

enum TcxFilterValueKind : unsigned char {
    fvkAll = 0,
    fvkCustom = 1,
    fvkBlanks = 2,
    fvkNonBlanks = 3,
    fvkUser = 4, // added by a handler; picking it raises the handler's event only
    fvkValue = 5,
    fvkRecent = 6,
    fvkRecentSeparator = 7,
    fvkDateRange = 8,
};

struct TcxFilterValueItem {
    TcxFilterValueKind Kind;
    Variant Value;
    std::string DisplayText;
};

// Recent entries and their separator first, then the special entries in the order added, then
// the values, sorted and without duplicates.
class TcxFilterValueList {
  public:
    explicit TcxFilterValueList(TcxFilterCriteria* criteria) : criteria_(criteria) {}
    virtual ~TcxFilterValueList() = default;

    virtual int CompareItem(int index, const Variant& value, const std::string& displayText) const;
    virtual void Add(TcxFilterValueKind kind, const Variant& value, const std::string& displayText, bool append);
    virtual void Clear() { items_.clear(); }
    // The entry equal to the value, else the position where it belongs.
    virtual bool Find(const Variant& value, const std::string& displayText, int& index) const;
    virtual int GetIndexByCriteriaItem(const TcxFilterCriteriaItem* item) const;

    int GetCount() const { return static_cast<int>(items_.size()); }
    const TcxFilterValueItem& GetItem(int index) const; // list-index error outside the entries
    void Delete(int index);
    int GetFirstValueIndex() const;
    int IndexOfKind(TcxFilterValueKind kind) const { return FindItemByKindAndValue(kind, Variant::Null()); }
    // Null matches any value.
    int FindItemByKindAndValue(TcxFilterValueKind kind, const Variant& value) const;
    int IndexOfValue(const Variant& value) const;
    bool GetSortByDisplayText() const { return sortByDisplayText_; }
    void SetSortByDisplayText(bool value) { sortByDisplayText_ = value; }
    TcxFilterCriteria* GetCriteria() const { return criteria_; }

  private:
    // The number of recent entries when the list starts with them and their separator, else 0.
    int RecentCount() const;

    TcxFilterCriteria* criteria_;
    std::vector<TcxFilterValueItem> items_;
    bool sortByDisplayText_ = false;
};

class TcxDataFilterValueList : public TcxFilterValueList {
  public:
    using TcxFilterValueList::TcxFilterValueList;
    // The special entries and the distinct values of the item; with `onlyFiltered`, of the
    // filtered records (reset to false when none is left and every record was read instead).
    virtual void Load(int itemIndex, bool useTextSorting, bool& onlyFiltered);
};

} // namespace zorvy
