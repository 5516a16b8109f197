#pragma once
// The dataset-bound controller's filter: conditions whose null tests follow the dataset's adapter,
// and the option to hand the filter's expression text to the dataset's own filter instead of
// filtering the loaded records.
#include "controls/data/DataFilter.h"

#include <functional>
#include <string>

namespace zorvy {

class TDataSet;
class TcxDBDataController;

class TcxDBDataFilterCriteriaItem : public TcxDataFilterCriteriaItem {
  public:
    using TcxDataFilterCriteriaItem::TcxDataFilterCriteriaItem;
    // The base class, then what the filter operator adapter of the dataset's class makes of it.
    TcxFilterOperatorClass GetOperatorClass() const override;
};

class TcxDBDataFilterCriteria : public TcxDataFilterCriteria {
  public:
    using TcxDBDataFilterBeforeChangeEvent =
        std::function<void(TcxDBDataFilterCriteria* sender, TDataSet* dataSet, const std::string& filterText)>;
    using TcxDBDataFilterFormatFilterTextValueEvent =
        std::function<void(TcxDBDataFilterCriteria* sender, const Variant& value, std::string& displayValue)>;

    explicit TcxDBDataFilterCriteria(TcxDBDataController* dataController);

    bool GetAutoDataSetFilter() const { return autoDataSetFilter_; }
    void SetAutoDataSetFilter(bool value);
    bool GetIgnoreOrigin() const { return ignoreOrigin_; }
    void SetIgnoreOrigin(bool value);
    // AutoDataSetFilter without smart refresh: the dataset filters, the controller does not.
    bool IsDataSetFilterInEffect() const;
    // Neither the handler nor the dataset filter takes the filtering over.
    bool IsFiltering() const override;
    // Also back to filtering in memory by field names.
    void RestoreDefaults() override;
    void Assign(TPersistent* source) override;
    void DefinePublishedProperties(TFiler* filer) override;
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override;
    void FormatFilterTextValue(const TcxFilterCriteriaItem* item, const Variant& value,
                               std::string& text) const override;

    TcxDBDataFilterBeforeChangeEvent OnBeforeChange;
    TcxDBDataFilterFormatFilterTextValueEvent OnFormatFilterTextValue;

  protected:
    void DoChanged() override;
    void CopyEventHandlers(TcxFilterCriteria* source) override;

  private:
    TcxDBDataController* DBController() const;
    void ApplyToDataSet();

    bool autoDataSetFilter_ = false;
    bool ignoreOrigin_ = true;
    bool checkingBrowseMode_ = false;
};

} // namespace zorvy
