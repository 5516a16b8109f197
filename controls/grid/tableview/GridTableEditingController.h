#pragma once
// TcxGridTableEditingController: the in-place editor of the table view, which also edits the filter
// row. A filter-row cell edits the column's filter value, even of a read-only column; with the
// immediate filter each change of the editor filters the data at once and Escape takes the value
// back to the one held when the cell was entered; with the filter applied on cell exit, a text
// editor offers the column's values as it is typed into.
#include "controls/grid/table/EditingController.h"

namespace zorvy {

class TcxGridTableController;

class TcxGridTableEditingController : public TcxGridEditingController {
    ZORVY_CLASS(TcxGridTableEditingController, TcxGridEditingController)
  public:
    using TcxGridEditingController::TcxGridEditingController;
    TcxGridTableController* GetTableController() const;
    bool IsApplyingImmediateFilter() const { return applyingImmediateFilter_; }

    bool CanInitEditing() const override;
    bool CanUpdateEditValue() const override;
    bool MustHideEditOnRecordChange() const override;
    void DoEditKeyDown(std::uint16_t& key, TShiftState shift) override;

  protected:
    void EditChanged() override;
    void InitEdit() override;
    void PostEditingData() override;
    Variant ReadEditingValue() const override;
    void WriteEditingValue(const Variant& value) override;

  private:
    bool IsFilterRowEditing() const;
    bool AppliesFilterImmediately() const;
    void OfferColumnValues();
    bool applyingImmediateFilter_ = false;
};

} // namespace zorvy
