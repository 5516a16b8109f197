#pragma once
// Summaries of a data controller: footer items over every row that passes the filter, group items
// for each group row (default ones, or those of the summary group linked to the level's item),
// their values, formats and texts. Items, links and summary groups are collections, so a summary
// copies into another controller's item by item.
#include "controls/data/DataUtils.h"
#include "controls/data/SummaryColumns.h"
#include "platform/rtl/Variant.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxDataSummary;
class TcxDataSummaryGroup;
class TcxDataSummaryItems;

enum TcxSummaryKind : unsigned char { skNone, skSum, skMin, skMax, skCount, skAverage };
enum TcxSummaryPosition : unsigned char { spGroup, spFooter };
enum TcxSummaryOption : unsigned {
    soNullIgnore = 1,              // blank values are neither added nor counted
    soSelectedRecords = 2,         // only the focused record (single selection) or the selected ones
    soMultipleSelectedRecords = 4, // only the selected records
};
using TcxSummaryOptions = unsigned;

// What summary items and group links share: the data field of the view item they name.
class TcxCustomDataSummaryItem : public TCollectionItem {
    ZORVY_CLASS(TcxCustomDataSummaryItem, TCollectionItem)
  public:
    explicit TcxCustomDataSummaryItem(TCollection* collection) : TCollectionItem(collection) {}
    virtual TcxCustomDataController* GetDataController() const = 0;
    // The view item summarised (its data field is kept); nil unlinks.
    TObject* GetItemLink() const;
    void SetItemLink(TObject* item);
    // Links this item to the item of its own controller that has the source's item ID.
    void Assign(TPersistent* source) override;
    // The linked data field, cleared without notices when its field goes away.
    TcxCustomDataField* GetLinkedField() const { return field_; }
    void ClearLinkedField() { field_ = nullptr; }

  protected:
    // Before the link changes to the field.
    virtual void ItemLinkChanging(TcxCustomDataField* /*field*/) {}
    void LockCollection();
    void UnlockCollection();
    void NotifyChanged(bool allItems) { Changed(allItems); }

  private:
    TcxCustomDataField* field_ = nullptr;
};

class TcxDataSummaryItem : public TcxCustomDataSummaryItem {
    ZORVY_CLASS(TcxDataSummaryItem, TcxCustomDataSummaryItem)
  public:
    using TcxSummaryGetTextEvent =
        std::function<void(TcxDataSummaryItem* sender, const Variant& value, bool isFooter, std::string& text)>;

    explicit TcxDataSummaryItem(TCollection* collection) : TcxCustomDataSummaryItem(collection) {}
    ~TcxDataSummaryItem() override;
    TcxCustomDataController* GetDataController() const override;
    // The owning collection when it is a summary collection, else nil.
    TcxDataSummaryItems* GetItemsCollection() const;
    void Assign(TPersistent* source) override;

    const std::string& GetFormat() const { return format_; }
    void SetFormat(const std::string& value);
    TcxSummaryKind GetKind() const { return kind_; }
    void SetKind(TcxSummaryKind value);
    TcxSummaryPosition GetPosition() const; // the collection decides: footer items are footers
    void SetPosition(TcxSummaryPosition value);
    bool GetSorted() const { return sorted_; }
    // Ignored while the controller sorts groups by a summary field of its own.
    void SetSorted(bool value);

    virtual bool IsCurrency(TVarType varType) const;
    // A field to read, or a group count that counts records.
    virtual bool IsCalculated() const;
    virtual bool NeedsPositionStored() const;
    // The field summarised: the linked view item's.
    virtual TcxCustomDataField* GetDataField() const { return GetLinkedField(); }
    virtual std::string GetValueText(const Variant& value, bool isFooter) const;
    TcxSummaryGetTextEvent OnGetText;

  private:
    friend class TcxDataSummaryItems;
    std::string format_;
    TcxSummaryKind kind_ = skNone;
    TcxSummaryPosition position_ = spGroup;
    bool sorted_ = false;
};

// What OnSummary is told and may change for one record of one item.
struct TcxSummaryEventArguments {
    int RecordIndex;
    TcxDataSummaryItem* SummaryItem;
};
struct TcxSummaryEventOutArguments {
    Variant Value;        // the record's value
    Variant SummaryValue; // the accumulation so far
    int CountValue;
    bool Done; // the handler accumulated itself
};

class TcxDataSummaryItems : public TcxCollection {
    ZORVY_CLASS(TcxDataSummaryItems, TcxCollection)
  public:
    using TcxSummaryEvent = std::function<void(TcxDataSummaryItems* sender, const TcxSummaryEventArguments&,
                                               TcxSummaryEventOutArguments&)>;

    // The item class comes from the summary's controller.
    explicit TcxDataSummaryItems(TcxDataSummary* summary);
    ~TcxDataSummaryItems() override;
    TcxDataSummary* GetSummary() const { return summary_; }
    TPersistent* GetOwner() const override;
    void Assign(TPersistent* source) override; // the items, then OnSummary

    TcxDataSummaryItem* NewItem();
    TcxDataSummaryItem* AddLinked(TObject* item, TcxSummaryPosition position, const std::string& format,
                                  TcxSummaryKind kind);
    TcxDataSummaryItem* ItemAt(int index) const; // list-index error outside the items
    int IndexOfLink(TObject* item) const;
    TcxDataSummaryItem* ItemOfLink(TObject* item) const;
    int IndexOfField(TcxCustomDataField* field) const;
    TcxDataSummaryItem* ItemOfField(TcxCustomDataField* field) const;
    // The first item of the data item's field at the position (and of the kind when asked).
    virtual TcxDataSummaryItem* FindItemByDataItem(int itemIndex, TcxSummaryPosition position,
                                                   TcxSummaryKind kind = skNone, bool checkKind = false) const;
    std::string FormatForItem(int itemIndex, TcxSummaryPosition position) const;
    TcxSummaryKind KindForItem(int itemIndex, TcxSummaryPosition position) const;
    bool GetSortedForItem(int itemIndex, TcxSummaryPosition position) const;
    void SetFormatForItem(int itemIndex, TcxSummaryPosition position, const std::string& value);
    void SetKindForItem(int itemIndex, TcxSummaryPosition position, TcxSummaryKind value);
    void SetSortedForItem(int itemIndex, TcxSummaryPosition position, bool value);

    virtual TcxSummaryPosition PositionOfItem(const TcxDataSummaryItem* item) const { return item->position_; }
    virtual bool IsItemPositionStored(const TcxDataSummaryItem* item) const { return item->position_ != spGroup; }
    virtual void SortedChanging(TcxDataSummaryItem* /*item*/, bool /*value*/) {}
    // 0: other values, 1: currency, 2: dates.
    virtual std::string GetDefaultFormat(int formatClass, TcxSummaryKind kind, bool isFooter) const;
    virtual std::string GetGroupSummaryText(const Variant& /*values*/) const { return {}; }
    virtual void CopyEventHandlers(TcxDataSummaryItems* source) { OnSummary = source->OnSummary; }
    TcxSummaryEvent OnSummary;

  protected:
    // One item changed: a redraw; all of them: a recalculation.
    void Update(TCollectionItem* item) override;
    // A redraw-only change of the first item (texts shared by the items).
    void NotifyTextChanged();

  private:
    TcxDataSummaryItem* ItemForData(int itemIndex, TcxSummaryPosition position, bool create);
    void FreeIfDefault(TcxDataSummaryItem* item);

    TcxDataSummary* summary_;
};

class TcxDataFooterSummaryItems : public TcxDataSummaryItems {
    ZORVY_CLASS(TcxDataFooterSummaryItems, TcxDataSummaryItems)
  public:
    using TcxDataSummaryItems::TcxDataSummaryItems;
    TcxSummaryPosition PositionOfItem(const TcxDataSummaryItem*) const override { return spFooter; }
    bool IsItemPositionStored(const TcxDataSummaryItem*) const override { return false; }
};

class TcxDataGroupSummaryItems : public TcxDataSummaryItems {
    ZORVY_CLASS(TcxDataGroupSummaryItems, TcxDataSummaryItems)
  public:
    // The group is the summary group holding these items, nil for the default group items.
    TcxDataGroupSummaryItems(TcxDataSummary* summary, TcxDataSummaryGroup* group);
    TcxDataSummaryGroup* GetGroup() const { return group_; }
    TPersistent* GetOwner() const override;
    void Assign(TPersistent* source) override; // also the texts
    void SortedChanging(TcxDataSummaryItem* item, bool value) override; // one sorted item at most
    // "(SUM=12.50, COUNT=3)": the group-row items' texts.
    std::string GetGroupSummaryText(const Variant& values) const override;
    // The item linked to the controller's sorting-by-summary field, else the first sorted one.
    TcxDataSummaryItem* GetSortedItem() const;
    const std::string& GetBeginText() const { return beginText_; }
    void SetBeginText(const std::string& value) { SetText(beginText_, value); }
    const std::string& GetEndText() const { return endText_; }
    void SetEndText(const std::string& value) { SetText(endText_, value); }
    const std::string& GetSeparator() const { return separator_; }
    void SetSeparator(const std::string& value) { SetText(separator_, value); }

  private:
    void SetText(std::string& text, const std::string& value);
    TcxDataSummaryGroup* group_;
    std::string beginText_ = "(", endText_ = ")", separator_ = ",";
};

// The link of one view item to a summary group; a field belongs to one group at most.
class TcxDataSummaryGroupItemLink : public TcxCustomDataSummaryItem {
    ZORVY_CLASS(TcxDataSummaryGroupItemLink, TcxCustomDataSummaryItem)
  public:
    explicit TcxDataSummaryGroupItemLink(TCollection* collection) : TcxCustomDataSummaryItem(collection) {}
    TcxCustomDataController* GetDataController() const override;
    TcxDataSummaryGroup* GetGroup() const;

  protected:
    // Unlinks every link of every summary group that holds the field.
    void ItemLinkChanging(TcxCustomDataField* field) override;
};

class TcxDataSummaryGroupItemLinks : public TcxCollection {
    ZORVY_CLASS(TcxDataSummaryGroupItemLinks, TcxCollection)
  public:
    TcxDataSummaryGroupItemLinks(TcxDataSummaryGroup* group, TClass linkClass);
    TcxDataSummaryGroup* GetGroup() const { return group_; }
    TPersistent* GetOwner() const override;
    TcxDataSummaryGroupItemLink* NewItem();
    TcxDataSummaryGroupItemLink* ItemAt(int index) const;
    int IndexOfLink(TObject* item) const; // -1 when none

  protected:
    void Update(TCollectionItem* item) override; // any change recalculates

  private:
    TcxDataSummaryGroup* group_;
};

class TcxDataSummaryGroups;

// Group items for the grouping levels of the view items it links.
class TcxDataSummaryGroup : public TCollectionItem {
    ZORVY_CLASS(TcxDataSummaryGroup, TCollectionItem)
  public:
    explicit TcxDataSummaryGroup(TCollection* collection);
    ~TcxDataSummaryGroup() override;
    TcxDataSummaryGroups* GetGroups() const;
    TcxDataSummary* GetSummary() const;
    TcxDataGroupSummaryItems& GetSummaryItems() { return *summaryItems_; }
    void SetSummaryItems(TcxDataGroupSummaryItems* value) { summaryItems_->Assign(value); }
    TcxDataSummaryGroupItemLinks* GetLinks(); // created on first use
    bool HasLinks() const { return links_ != nullptr; }
    void SetLinks(TcxDataSummaryGroupItemLinks* value) { GetLinks()->Assign(value); }
    void Assign(TPersistent* source) override; // the items and the links

  private:
    std::unique_ptr<TcxDataGroupSummaryItems> summaryItems_;
    std::unique_ptr<TcxDataSummaryGroupItemLinks> links_;
};

class TcxDataSummaryGroups : public TcxCollection {
    ZORVY_CLASS(TcxDataSummaryGroups, TcxCollection)
  public:
    explicit TcxDataSummaryGroups(TcxDataSummary* summary);
    ~TcxDataSummaryGroups() override;
    TcxDataSummary* GetSummary() const { return summary_; }
    TPersistent* GetOwner() const override;
    TcxDataSummaryGroup* AddGroup();
    TcxDataSummaryGroup* GroupAt(int index) const;
    // The first group whose links hold the view item.
    TcxDataSummaryGroup* GroupOfLink(TObject* item) const;

  protected:
    void Update(TCollectionItem* item) override; // any change recalculates

  private:
    TcxDataSummary* summary_;
};

class TcxDataSummary : public TPersistent {
    ZORVY_CLASS(TcxDataSummary, TPersistent)
  public:
    // The collections take their item and link classes from the controller.
    explicit TcxDataSummary(TcxCustomDataController* dataController);
    ~TcxDataSummary() override;
    // From another summary: the three collections, Options and OnAfterSummary.
    void Assign(TPersistent* source) override;

    TcxCustomDataController* GetDataController() const { return dataController_; }
    TcxDataGroupSummaryItems& DefaultGroupSummaryItems() { return *defaultGroupItems_; }
    TcxDataFooterSummaryItems& FooterSummaryItems() { return *footerItems_; }
    TcxDataSummaryGroups& SummaryGroups() { return *groups_; }
    TcxSummaryOptions GetOptions() const { return options_; }
    void SetOptions(TcxSummaryOptions value);
    bool CountsSelectedRecords() const { return (options_ & (soSelectedRecords | soMultipleSelectedRecords)) != 0; }
    // The other summary's collection that matches one of this summary's collections.
    TcxDataSummaryItems* CorrespondingItems(TcxDataSummary* other, TcxDataSummaryItems* items);

    // ---- calculation (the row pipeline runs it) ----
    void CalculateAll();
    void CalculateFooter();
    void CalculateGroups();

    // ---- values and texts ----
    Variant FooterValue(int index) const; // Null for a missing index
    std::string FooterText(int index) const;
    TcxDataGroupSummaryItems* GetGroupSummaryItemsForLevel(int level);
    // The items of the row's group level and that group's values; false when either is missing.
    bool GetRowGroupSummary(int rowIndex, TcxDataGroupSummaryItems*& items, Variant& values);
    std::string GroupRowText(int rowIndex);
    std::string GroupFooterText(int rowIndex, int level, int itemIndex);

    // ---- changes ----
    void LockChanges();
    void UnlockChanges();
    void CancelLock();
    void Changed(bool redrawOnly);
    bool IsDestroying() const { return destroying_; }
    // A field that goes away leaves every item and link that used it.
    void UnlinkField(TcxCustomDataField* field);
    // What was asked while the controller's owner loaded; the controller calls it from Loaded.
    void FirePendingAfterSummary();
    std::function<void(TcxDataSummary* sender)> OnAfterSummary;

  private:
    // The running values and counts of a collection's items, with what the walk asks of each item
    // once: its field and whether it is calculated. An item whose field has a column shares that
    // field's totals (TotalsOf, -1 for none) instead of adding variants value by value.
    struct Accumulator {
        std::vector<Variant> Values;
        std::vector<int> Counts;
        std::vector<TcxDataSummaryItem*> Items;
        std::vector<TcxCustomDataField*> Fields;
        std::vector<bool> Calculated;
        std::vector<int> TotalsOf;
        std::vector<TcxSummaryTotals> Totals;
        std::vector<const TcxSummaryColumn*> TotalsColumns;
        bool AnyByVariants = false;
        // Empties the running values for the next group; what was prepared of the items stays.
        void Restart();
    };
    // The fields read into columns during one calculation.
    struct Columns {
        std::vector<TcxCustomDataField*> Fields;
        std::vector<std::unique_ptr<TcxSummaryColumn>> Read;
    };
    // Runs `calculate` with columns of its own unless a calculation around it has them.
    template <typename Calculate> void WithColumns(Calculate calculate);
    const TcxSummaryColumn* ColumnOf(TcxCustomDataField* field);
    Accumulator Prepare(const TcxDataSummaryItems& items);
    void CalculateGroupLevels();
    void AccumulateRange(const TcxDataSummaryItems& items, int first, int last, Accumulator& acc);
    // `recordValue` is the record's value of the item's field (Null without a field).
    void AccumulateRecord(const TcxDataSummaryItems& items, TcxDataSummaryItem* item, int recordIndex, int& count,
                          Variant& value, const Variant& recordValue);
    Variant FinishValues(const TcxDataSummaryItems& items, Accumulator& acc) const;
    int RecordAtPosition(int position) const;
    void DoAfterSummary();

    TcxCustomDataController* dataController_;
    std::unique_ptr<TcxDataGroupSummaryItems> defaultGroupItems_;
    std::unique_ptr<TcxDataFooterSummaryItems> footerItems_;
    Variant footerValues_;
    Columns* columns_ = nullptr;
    bool inAfterSummary_ = false;
    bool afterSummaryPending_ = false;
    bool destroying_ = false;
    int lockCount_ = 0;
    TcxSummaryOptions options_ = 0;
    std::unique_ptr<TcxDataSummaryGroups> groups_;
};

} // namespace zorvy
