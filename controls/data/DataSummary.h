#pragma once
// Summaries of a data controller: footer items over every row that passes the filter, group items
// for each group row (default ones, or those of the summary group linked to the level's item),
// their values, formats and texts.
#include "platform/rtl/Components.h"
#include "platform/rtl/Variant.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxDataSummary;
class TcxDataSummaryItems;

enum TcxSummaryKind : unsigned char { skNone, skSum, skMin, skMax, skCount, skAverage };
enum TcxSummaryPosition : unsigned char { spGroup, spFooter };
enum TcxSummaryOption : unsigned {
    soNullIgnore = 1,              // blank values are neither added nor counted
    soSelectedRecords = 2,         // only the focused record (single selection) or the selected ones
    soMultipleSelectedRecords = 4, // only the selected records
};
using TcxSummaryOptions = unsigned;

class TcxDataSummaryItem {
  public:
    using TcxSummaryGetTextEvent =
        std::function<void(TcxDataSummaryItem* sender, const Variant& value, bool isFooter, std::string& text)>;

    explicit TcxDataSummaryItem(TcxDataSummaryItems* collection) : collection_(collection) {}
    virtual ~TcxDataSummaryItem() = default;

    TcxDataSummaryItems* GetItemsCollection() const { return collection_; }
    int GetIndex() const;
    // The view item summarised (its data field is kept); nil unlinks.
    TObject* GetItemLink() const;
    void SetItemLink(TObject* item);
    TcxCustomDataField* GetDataField() const { return field_; }
    void SetDataField(TcxCustomDataField* field) { field_ = field; }

    const std::string& GetFormat() const { return format_; }
    void SetFormat(const std::string& value);
    TcxSummaryKind GetKind() const { return kind_; }
    void SetKind(TcxSummaryKind value);
    TcxSummaryPosition GetPosition() const; // the collection decides: footer items are footers
    void SetPosition(TcxSummaryPosition value);
    bool GetSorted() const { return sorted_; }
    void SetSorted(bool value);
    // A field to read, or a group count that counts records.
    virtual bool IsCalculated() const;
    virtual std::string GetValueText(const Variant& value, bool isFooter) const;
    TcxSummaryGetTextEvent OnGetText;

  private:
    friend class TcxDataSummaryItems;
    TcxDataSummaryItems* collection_;
    TcxCustomDataField* field_ = nullptr;
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

class TcxDataSummaryItems {
  public:
    using TcxSummaryEvent = std::function<void(TcxDataSummaryItems* sender, const TcxSummaryEventArguments&,
                                               TcxSummaryEventOutArguments&)>;

    explicit TcxDataSummaryItems(TcxDataSummary* summary) : summary_(summary) {}
    virtual ~TcxDataSummaryItems();
    TcxDataSummaryItems(const TcxDataSummaryItems&) = delete;
    TcxDataSummaryItems& operator=(const TcxDataSummaryItems&) = delete;

    TcxDataSummary* GetSummary() const { return summary_; }
    TcxDataSummaryItem* NewItem();
    TcxDataSummaryItem* AddLinked(TObject* item, TcxSummaryPosition position, const std::string& format,
                                  TcxSummaryKind kind);
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxDataSummaryItem* ItemAt(int index) const; // list-index error outside the items
    void Delete(int index);
    void Clear();
    int IndexOf(const TcxDataSummaryItem* item) const;
    int IndexOfLink(TObject* item) const;
    TcxDataSummaryItem* ItemOfLink(TObject* item) const;
    int IndexOfField(TcxCustomDataField* field) const;
    TcxDataSummaryItem* ItemOfField(TcxCustomDataField* field) const;
    // The first item of the data item's field at the position (and of the kind when asked).
    TcxDataSummaryItem* FindItemByDataItem(int itemIndex, TcxSummaryPosition position, TcxSummaryKind kind = skNone,
                                           bool checkKind = false) const;
    std::string FormatForItem(int itemIndex, TcxSummaryPosition position) const;
    TcxSummaryKind KindForItem(int itemIndex, TcxSummaryPosition position) const;
    void SetFormatForItem(int itemIndex, TcxSummaryPosition position, const std::string& value);
    void SetKindForItem(int itemIndex, TcxSummaryPosition position, TcxSummaryKind value);

    virtual TcxSummaryPosition PositionOfItem(const TcxDataSummaryItem* item) const { return item->position_; }
    virtual void SortedChanging(TcxDataSummaryItem* /*item*/, bool /*value*/) {}
    // 0: other values, 1: currency, 2: dates.
    virtual std::string GetDefaultFormat(int formatClass, TcxSummaryKind kind, bool isFooter) const;
    virtual std::string GetGroupSummaryText(const Variant& /*values*/) const { return {}; }
    // A change of one item only needs a redraw; any other is recalculated.
    void Changed(bool redrawOnly);
    TcxSummaryEvent OnSummary;

  private:
    TcxDataSummaryItem* ItemForData(int itemIndex, TcxSummaryPosition position, bool create);
    void FreeIfDefault(TcxDataSummaryItem* item);

    TcxDataSummary* summary_;
    std::vector<std::unique_ptr<TcxDataSummaryItem>> items_;
};

class TcxDataFooterSummaryItems : public TcxDataSummaryItems {
  public:
    using TcxDataSummaryItems::TcxDataSummaryItems;
    TcxSummaryPosition PositionOfItem(const TcxDataSummaryItem*) const override { return spFooter; }
};

class TcxDataGroupSummaryItems : public TcxDataSummaryItems {
  public:
    using TcxDataSummaryItems::TcxDataSummaryItems;
    void SortedChanging(TcxDataSummaryItem* item, bool value) override; // one sorted item at most
    // "(SUM=12.50, COUNT=3)": the group-row items' texts.
    std::string GetGroupSummaryText(const Variant& values) const override;
    TcxDataSummaryItem* GetSortedItem() const;
    const std::string& GetBeginText() const { return beginText_; }
    void SetBeginText(const std::string& value) { SetText(beginText_, value); }
    const std::string& GetEndText() const { return endText_; }
    void SetEndText(const std::string& value) { SetText(endText_, value); }
    const std::string& GetSeparator() const { return separator_; }
    void SetSeparator(const std::string& value) { SetText(separator_, value); }

  private:
    void SetText(std::string& text, const std::string& value);
    std::string beginText_ = "(", endText_ = ")", separator_ = ",";
};

// Group items for the grouping levels of the view items it links (an item in one group at most).
class TcxDataSummaryGroup {
  public:
    explicit TcxDataSummaryGroup(TcxDataSummary* summary) : summary_(summary), items_(summary) {}
    TcxDataGroupSummaryItems& GetSummaryItems() { return items_; }
    void AddLink(TObject* item); // taken from any other group first
    void RemoveLink(TObject* item);
    int IndexOfLink(TObject* item) const;
    int GetLinkCount() const { return static_cast<int>(links_.size()); }

  private:
    TcxDataSummary* summary_;
    TcxDataGroupSummaryItems items_;
    std::vector<TObject*> links_;
};

class TcxDataSummary {
  public:
    explicit TcxDataSummary(TcxCustomDataController* dataController);
    ~TcxDataSummary();

    TcxCustomDataController* GetDataController() const { return dataController_; }
    TcxDataGroupSummaryItems& DefaultGroupSummaryItems() { return defaultGroupItems_; }
    TcxDataFooterSummaryItems& FooterSummaryItems() { return footerItems_; }
    TcxDataSummaryGroup* AddSummaryGroup();
    int GetSummaryGroupCount() const { return static_cast<int>(groups_.size()); }
    TcxDataSummaryGroup* SummaryGroupAt(int index) const { return groups_.at(static_cast<size_t>(index)).get(); }
    void DeleteSummaryGroup(int index);
    TcxDataSummaryGroup* GroupOfLink(TObject* item) const;
    TcxSummaryOptions GetOptions() const { return options_; }
    void SetOptions(TcxSummaryOptions value);
    bool CountsSelectedRecords() const { return (options_ & (soSelectedRecords | soMultipleSelectedRecords)) != 0; }

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
    // A field that goes away leaves every item and link that used it.
    void UnlinkField(TcxCustomDataField* field);
    std::function<void(TcxDataSummary* sender)> OnAfterSummary;

  private:
    struct Accumulator {
        std::vector<Variant> Values;
        std::vector<int> Counts;
    };
    Accumulator Prepare(const TcxDataSummaryItems& items) const;
    void AccumulateRange(const TcxDataSummaryItems& items, int first, int last, Accumulator& acc);
    void AccumulateRecord(TcxDataSummaryItem* item, int recordIndex, int& count, Variant& value);
    Variant FinishValues(const TcxDataSummaryItems& items, Accumulator& acc) const;
    int RecordAtPosition(int position) const;
    void DoAfterSummary();

    TcxCustomDataController* dataController_;
    TcxDataGroupSummaryItems defaultGroupItems_;
    TcxDataFooterSummaryItems footerItems_;
    Variant footerValues_;
    bool inAfterSummary_ = false;
    bool destroying_ = false;
    int lockCount_ = 0;
    TcxSummaryOptions options_ = 0;
    std::vector<std::unique_ptr<TcxDataSummaryGroup>> groups_;
};

} // namespace zorvy
