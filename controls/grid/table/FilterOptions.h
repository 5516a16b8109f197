#pragma once
// The filtering side of a table view's options: the filter box, the item filter drop-down options,
// the filtering options with the list of recently used filters, and the date-time handling.
#include "controls/grid/table/TableOptions.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxDataFilterCriteria;
class TcxFilterCriteria;
class TcxCustomGridTableItem;
class TFiler;

enum TcxGridFilterPosition { fpTop, fpBottom };
enum TcxGridFilterVisible { fvNever, fvNonEmpty, fvAlways };

class TcxGridFilterBox : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxGridFilterBox, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;
    bool GetCustomizeDialog() const { return customizeDialog_; }
    void SetCustomizeDialog(bool value) { Store(customizeDialog_, value, vckLayout); }
    int GetMRUItemsListDropDownCount() const { return mruItemsListDropDownCount_; }
    void SetMRUItemsListDropDownCount(int value) { Store(mruItemsListDropDownCount_, value < 0 ? 0 : value, vckProperty); }
    TcxGridFilterPosition GetPosition() const { return position_; }
    void SetPosition(TcxGridFilterPosition value) { Store(position_, value, vckLayout); }
    TcxGridFilterVisible GetVisible() const { return visible_; }
    void SetVisible(TcxGridFilterVisible value) { Store(visible_, value, vckSize); }

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool customizeDialog_ = true;
    int mruItemsListDropDownCount_ = 0;
    TcxGridFilterPosition position_ = fpBottom;
    TcxGridFilterVisible visible_ = fvNonEmpty;
};

enum TcxGridItemFilterPopupApplyChangesMode { fpacImmediately, fpacOnButtonClick };

class TcxGridItemFilterPopupOptions : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxGridItemFilterPopupOptions, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;
    TcxGridItemFilterPopupApplyChangesMode GetApplyMultiSelectChanges() const { return applyMultiSelectChanges_; }
    void SetApplyMultiSelectChanges(TcxGridItemFilterPopupApplyChangesMode value) { Store(applyMultiSelectChanges_, value); }
    int GetDropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int value) { Store(dropDownWidth_, value < 0 ? 0 : value); }
    int GetMaxDropDownItemCount() const { return maxDropDownItemCount_; }
    void SetMaxDropDownItemCount(int value) { Store(maxDropDownItemCount_, value < 0 ? 0 : value); }
    bool GetMultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value) { Store(multiSelect_, value); }

  private:
    template <class T> void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed(vckProperty);
    }
    TcxGridItemFilterPopupApplyChangesMode applyMultiSelectChanges_ = fpacImmediately;
    int dropDownWidth_ = 0;
    int maxDropDownItemCount_ = 15;
    bool multiSelect_ = true;
};

class TcxCustomGridTableFiltering;

// One recently used filter: a copy of the criteria, equal to another by its streamed bytes.
class TcxGridFilterMRUItem : public TcxMRUItem {
  public:
    // A copy of the criteria, made by the data controller of the criteria.
    explicit TcxGridFilterMRUItem(TcxDataFilterCriteria* criteria);
    ~TcxGridFilterMRUItem() override;
    TcxDataFilterCriteria* GetFilter() const { return filter_; }
    std::string GetCaption() const;
    bool Equals(const TcxMRUItem* item) const override;
    bool EqualsCriteria(TcxFilterCriteria* criteria) const;

  private:
    TcxDataFilterCriteria* filter_; // owned
};

class TcxGridFilterMRUItems : public TcxMRUItems {
  public:
    explicit TcxGridFilterMRUItems(TcxCustomGridTableFiltering* filtering) : filtering_(filtering) {}
    TcxGridFilterMRUItem* GetItem(int index) const { return static_cast<TcxGridFilterMRUItem*>(TcxMRUItems::GetItem(index)); }
    int GetVisibleCount() const { return static_cast<int>(visibleItems_.size()); }
    TcxGridFilterMRUItem* GetVisibleItem(int index) const { return visibleItems_.at(static_cast<size_t>(index)); }
    // An empty criteria is not added; an equal entry moves to the front.
    void Add(TcxDataFilterCriteria* criteria);
    void DeleteEmptyItems();
    void FilterChanged() { RefreshVisibleItems(); }
    // The entries other than the one equal to the view's current filter, most recent first.
    void RefreshVisibleItems();

  private:
    TcxCustomGridTableFiltering* filtering_;
    std::vector<TcxGridFilterMRUItem*> visibleItems_;
};

class TcxCustomGridTableFiltering : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridTableFiltering, TcxCustomGridOptions)
  public:
    explicit TcxCustomGridTableFiltering(TcxCustomGridView* gridView);
    ~TcxCustomGridTableFiltering() override;
    void Assign(TPersistent* source) override;
    // Reads the old names of settings that moved to the filter box and the item drop-down.
    void DefineProperties(TFiler* filer) override;

    bool GetColumnFilteredItemsList() const { return columnFilteredItemsList_; }
    void SetColumnFilteredItemsList(bool value) { Store(columnFilteredItemsList_, value, vckProperty); }
    bool GetColumnMRUItemsList() const { return columnMRUItemsList_; }
    void SetColumnMRUItemsList(bool value) { Store(columnMRUItemsList_, value, vckProperty); }
    int GetColumnMRUItemsListCount() const { return columnMRUItemsListCount_; }
    // Also limits every item's list of recent values.
    void SetColumnMRUItemsListCount(int value);
    TcxGridItemFilterPopupOptions* GetColumnPopup() const { return columnPopup_.get(); }
    void SetColumnPopup(TcxGridItemFilterPopupOptions* value) { columnPopup_->Assign(value); }
    TcxGridFilterMRUItems* GetMRUItems() const { return mruItems_.get(); }
    bool GetMRUItemsList() const { return mruItemsList_; }
    void SetMRUItemsList(bool value) { Store(mruItemsList_, value, vckSize); }
    int GetMRUItemsListCount() const { return mruItemsListCount_; }
    void SetMRUItemsListCount(int value);
    // The count + 1 (the entry equal to the current filter stays but is not shown); 0 unlimited.
    int GetMRUListLimit() const { return mruItemsListCount_ == 0 ? 0 : mruItemsListCount_ + 1; }

    // nil: the view's current filter.
    void AddFilterToMRUItems(TcxDataFilterCriteria* criteria = nullptr);
    // The Custom Filter dialog for the item when the filter fits it, else the Filter builder for the
    // whole filter (item nil: always the builder). Modal; the view's handlers may take it over.
    void RunCustomizeDialog(TcxCustomGridTableItem* item);
    // Each Apply or OK of the Filter builder.
    void FilterControlDialogApply(TObject* sender);
    virtual void CurrentFilterChanged() { mruItems_->FilterChanged(); }
    virtual bool HasMRUItems() const { return mruItemsList_ && mruItems_->GetVisibleCount() > 0; }
    // The filter box gains or loses its drop-down button.
    virtual void MRUItemsVisibleCountChanged(int oldCount, int newCount);
    TcxDataFilterCriteria* GetCurrentFilter() const;

  protected:
    virtual const TMetaClass* GetColumnPopupClass() const { return TcxGridItemFilterPopupOptions::StaticClass(); }

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool columnFilteredItemsList_ = false;
    bool columnMRUItemsList_ = true;
    int columnMRUItemsListCount_ = 5;
    std::unique_ptr<TcxGridItemFilterPopupOptions> columnPopup_;
    std::unique_ptr<TcxGridFilterMRUItems> mruItems_;
    bool mruItemsList_ = true;
    int mruItemsListCount_ = 10;
};

enum TcxGridDateTimeFilter {
    dtfRelativeDays,
    dtfRelativeDayPeriods,
    dtfRelativeWeeks,
    dtfRelativeMonths,
    dtfRelativeYears,
    dtfPastFuture,
    dtfMonths,
    dtfYears
};
using TcxGridDateTimeFilters = unsigned; // a set: bit (1 << TcxGridDateTimeFilter)

enum TcxGridDateTimeGrouping {
    dtgDefault,
    dtgByDateAndTime,
    dtgRelativeToToday,
    dtgByHour,
    dtgByDate,
    dtgByMonth,
    dtgByYear
};

class TcxCustomGridTableDateTimeHandling : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridTableDateTimeHandling, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;

    const std::string& GetDateFormatValue() const { return dateFormat_; }
    void SetDateFormat(const std::string& value) { Store(dateFormat_, value, vckSize); }
    TcxGridDateTimeFilters GetFilters() const { return filters_; }
    void SetFilters(TcxGridDateTimeFilters value) { Store(filters_, value, vckProperty); }
    TcxGridDateTimeGrouping GetGrouping() const { return grouping_; }
    // dtgDefault means dtgByDateAndTime.
    void SetGrouping(TcxGridDateTimeGrouping value);
    const std::string& GetHourFormatValue() const { return hourFormat_; }
    void SetHourFormat(const std::string& value) { Store(hourFormat_, value, vckSize); }
    bool GetIgnoreTimeForFiltering() const { return ignoreTimeForFiltering_; }
    // Refreshes the data instead of reporting a change.
    void SetIgnoreTimeForFiltering(bool value);
    const std::string& GetMonthFormatValue() const { return monthFormat_; }
    void SetMonthFormat(const std::string& value) { Store(monthFormat_, value, vckSize); }
    bool GetUseLongDateFormat() const { return useLongDateFormat_; }
    void SetUseLongDateFormat(bool value) { Store(useLongDateFormat_, value, vckSize); }
    bool GetUseShortTimeFormat() const { return useShortTimeFormat_; }
    void SetUseShortTimeFormat(bool value) { Store(useShortTimeFormat_, value, vckSize); }
    const std::string& GetYearFormatValue() const { return yearFormat_; }
    void SetYearFormat(const std::string& value) { Store(yearFormat_, value, vckSize); }

    // The formats in effect.
    std::string GetDateFormat() const;
    std::string GetHourFormat() const;
    std::string GetMonthFormat() const;
    std::string GetYearFormat() const;

  protected:
    virtual void GroupingChanged();

  private:
    template <class T> void Store(T& field, const T& value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    std::string dateFormat_;
    TcxGridDateTimeFilters filters_ = 0;
    TcxGridDateTimeGrouping grouping_ = dtgByDateAndTime;
    std::string hourFormat_;
    bool ignoreTimeForFiltering_ = false;
    std::string monthFormat_;
    bool useLongDateFormat_ = true;
    bool useShortTimeFormat_ = true;
    std::string yearFormat_;
};

} // namespace zorvy
