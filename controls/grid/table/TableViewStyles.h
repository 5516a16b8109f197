#pragma once
// The style set of a table view: content (even and odd), filter box, inactive, incremental search
// and selection over the view's background, and the rules that give a record's cell its colours.
#include "controls/grid/view/ViewOptions.h"

#include <functional>

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxGridTableCellViewInfo;

enum TcxGridTableViewStyleIndex {
    vsContent = 1,
    vsContentEven = 2,
    vsContentOdd = 3,
    vsFilterBox = 4,
    vsInactive = 5,
    vsIncSearch = 6,
    vsSelection = 7,
};

using TcxGridGetCellStyleEvent = std::function<void(TcxCustomGridTableView* sender, TcxCustomGridRecord* record,
                                                    TcxCustomGridTableItem* item, TcxStyle*& style)>;

// The data a selection or inactive lookup hands on to the defaults: any object of the record.
class TcxGridCellPos : public TObject {
    ZORVY_CLASS(TcxGridCellPos, TObject)
  public:
    TcxGridCellPos(TcxCustomGridRecord* record, TObject* item) : GridRecord(record), Item(item) {}
    TcxCustomGridRecord* GridRecord;
    TObject* Item;
};

// The data an even or odd content lookup hands on to the defaults.
class TcxGridDataCellPos : public TObject {
    ZORVY_CLASS(TcxGridDataCellPos, TObject)
  public:
    TcxGridDataCellPos(TcxCustomGridRecord* record, TcxCustomGridTableItem* item) : GridRecord(record), Item(item) {}
    TcxCustomGridRecord* GridRecord;
    TcxCustomGridTableItem* Item;
};

class TcxCustomGridTableViewStyles : public TcxCustomGridViewStyles {
    ZORVY_CLASS(TcxCustomGridTableViewStyles, TcxCustomGridViewStyles)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxCustomGridTableViewStyles(TcxCustomGridView* gridView) : TcxCustomGridViewStyles(gridView) {}
    void Assign(TPersistent* source) override;
    TcxCustomGridTableView* GetGridTableView() const;

    // Any cell of a record; an object that is not a table item leaves the params as they are.
    virtual void GetCellParams(TcxCustomGridRecord* record, TObject* object, TcxPartParams& params);
    // The handler's style first, then the style at the record's parity, then Content.
    virtual void GetContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params);
    virtual void GetDataCellParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params);
    // Selection colours when the cell (useViewInfo) or the view says the cell is drawn selected.
    virtual void GetDataCellViewParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                       TcxGridTableCellViewInfo* cellViewInfo, bool useViewInfo, TcxPartParams& params);
    virtual void GetRecordContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                        TcxPartParams& params);
    // Selection in the active view, Inactive elsewhere; never a bitmap.
    void GetSelectionParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params);

#define ZORVY_TABLE_STYLE(Name, Index)                                                                   \
    TcxStyle* Get##Name() const { return dynamic_cast<TcxStyle*>(GetStyle(Index)); }                   \
    void Set##Name(TcxStyle* value) { SetStyle(Index, value); }
    ZORVY_TABLE_STYLE(Content, vsContent)
    ZORVY_TABLE_STYLE(ContentEven, vsContentEven)
    ZORVY_TABLE_STYLE(ContentOdd, vsContentOdd)
    ZORVY_TABLE_STYLE(FilterBox, vsFilterBox)
    ZORVY_TABLE_STYLE(Inactive, vsInactive)
    ZORVY_TABLE_STYLE(IncSearch, vsIncSearch)
    ZORVY_TABLE_STYLE(Selection, vsSelection)
#undef ZORVY_TABLE_STYLE

    const TcxGridGetCellStyleEvent& GetOnGetContentStyle() const { return onGetContentStyle_; }
    void SetOnGetContentStyle(TcxGridGetCellStyleEvent value);

  protected:
    // Data is a TObject or nil: for Content the record, for ContentEven and ContentOdd a
    // TcxGridDataCellPos, for Inactive and Selection a TcxGridCellPos.
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;

  private:
    TcxGridGetCellStyleEvent onGetContentStyle_;
};

} // namespace zorvy
