#pragma once
// TcxGridDBTableSummaryItem: a summary item of a dataset-bound view, linked to one of its columns,
// with a display text and a flag for the customization lists; in a stored layout it keeps the
// stored name of its column.
#include "controls/data/db/DBDataSummary.h"
#include "controls/grid/view/CustomView.h"

#include <string>

namespace zorvy {

class TcxCustomGridTableItem;
class TcxCustomGridTableView;

class TcxGridDBTableSummaryItem : public TcxDBDataSummaryItem, public IcxGridStoredObject {
    ZORVY_CLASS(TcxGridDBTableSummaryItem, TcxDBDataSummaryItem)
  public:
    explicit TcxGridDBTableSummaryItem(TCollection* collection) : TcxDBDataSummaryItem(collection) {}
    void Assign(TPersistent* source) override;
    // The view whose data controller holds the item (nil for another controller).
    TcxCustomGridTableView* GetGridView() const;

    TcxCustomGridTableItem* GetColumn() const;
    void SetColumn(TcxCustomGridTableItem* value);
    const std::string& GetDisplayText() const { return displayText_; }
    void SetDisplayText(const std::string& value);
    bool GetVisibleForCustomization() const { return visibleForCustomization_; }
    void SetVisibleForCustomization(bool value);

    // ---- stored layout: no name of its own, its column's stored name as "Column" ----
    std::string GetStoredObjectName() const override { return {}; }
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

  private:
    void PropertyChanged();
    std::string displayText_;
    bool visibleForCustomization_ = true;
};

} // namespace zorvy
