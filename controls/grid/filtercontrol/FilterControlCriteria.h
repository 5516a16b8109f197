#pragma once
// The criteria a filter control edits: its conditions name the linked component's items, found by
// their position (ID) or stable name among the link's items. The control never evaluates records.
#include "controls/data/FilterCriteria.h"

namespace zorvy {

class TcxCustomFilterControl;
class IcxFilterControl;

class TcxFilterControlCriteria : public TcxFilterCriteria {
  public:
    // Files the control writes use the criteria stream version that keeps item names.
    static constexpr int StreamVersion = 3;

    explicit TcxFilterControlCriteria(TcxCustomFilterControl* control);
    TcxCustomFilterControl* GetControl() const { return control_; }

    int GetIDByItemLink(TObject* itemLink) const override;
    std::string GetNameByItemLink(TObject* itemLink) const override;
    TObject* GetItemLinkByID(int id) const override;
    // Names compare without regard to case.
    TObject* GetItemLinkByName(const std::string& name) const override;
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override;

  protected:
    void CopyEventHandlers(TcxFilterCriteria*) override {}

  private:
    IcxFilterControl* Link() const;
    TcxCustomFilterControl* control_;
};

class TcxFilterControlCriteriaItem : public TcxFilterCriteriaItem {
  public:
    using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
    void GetDataValue(int, Variant& value) const override { value = Null(); }
    // Empty when the item is not among the link's items.
    std::string GetFieldCaption() const override;
    std::string GetFieldName() const override;
    TcxFilterOperatorClass GetOperatorClass() const override;

  private:
    int ItemIndex() const;
};

} // namespace zorvy
