#pragma once
// What a record's layout tells the rest of the view: its bounds, whether it is in sight and which
// rectangle to repaint for one of its cells. The records' layout and painting build on it.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Components.h"

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;

class TcxCustomGridRecordViewInfo : public TObject {
    ZORVY_CLASS(TcxCustomGridRecordViewInfo, TObject)
  public:
    // Links itself to the record; the record clears the link when it goes first.
    explicit TcxCustomGridRecordViewInfo(TcxCustomGridRecord* record);
    ~TcxCustomGridRecordViewInfo() override;
    TcxCustomGridRecord* GetGridRecord() const { return record_; }
    const TRect& GetBounds() const { return bounds_; }
    void SetBounds(const TRect& value) { bounds_ = value; }
    virtual bool GetVisible() const { return true; }
    virtual void Recalculate() {}
    // The whole record for nil, else the item's cell.
    virtual TRect GetBoundsForInvalidate(TcxCustomGridTableItem* /*item*/) const { return bounds_; }

  private:
    friend class TcxCustomGridRecord;
    TcxCustomGridRecord* record_;
    TRect bounds_{};
};

} // namespace zorvy
