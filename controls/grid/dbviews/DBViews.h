#pragma once
// The dataset-bound table and banded views and their columns: each view makes its own
// dataset-bound data controller, and each column binds to a dataset field by name.
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/dbviews/DBDataDefinitions.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"

namespace zorvy {

class TcxGridDBColumn : public TcxGridColumn {
    ZORVY_CLASS(TcxGridDBColumn, TcxGridColumn)
  public:
    using TcxGridColumn::TcxGridColumn;
    TcxGridItemDBDataBinding* GetDataBinding() const {
        return static_cast<TcxGridItemDBDataBinding*>(TcxCustomGridTableItem::GetDataBinding());
    }
    void SetDataBinding(TcxGridItemDBDataBinding* value) { GetDataBinding()->Assign(value); }
};

class TcxGridDBBandedColumn : public TcxGridBandedColumn {
    ZORVY_CLASS(TcxGridDBBandedColumn, TcxGridBandedColumn)
  public:
    using TcxGridBandedColumn::TcxGridBandedColumn;
    TcxGridItemDBDataBinding* GetDataBinding() const {
        return static_cast<TcxGridItemDBDataBinding*>(TcxCustomGridTableItem::GetDataBinding());
    }
    void SetDataBinding(TcxGridItemDBDataBinding* value) { GetDataBinding()->Assign(value); }
};

class TcxGridDBTableView : public TcxGridTableView {
    ZORVY_CLASS(TcxGridDBTableView, TcxGridTableView)
  public:
    using TcxGridTableView::TcxGridTableView;
    TcxGridDBDataController* GetDataController() const {
        return static_cast<TcxGridDBDataController*>(TcxGridTableView::GetDataController());
    }
    // The given controller's settings go into the view's own controller.
    void SetDataController(TcxGridDBDataController* value) { GetDataController()->Assign(value); }
    TcxGridDBColumn* GetColumn(int index) const { return static_cast<TcxGridDBColumn*>(GetItem(index)); }
    TcxGridDBColumn* CreateColumn() { return static_cast<TcxGridDBColumn*>(CreateItem()); }

  protected:
    TcxDataControllerClass GetDataControllerClass() const override {
        return DataControllerClassOf<TcxGridDBDataController>();
    }
    const TMetaClass* GetItemClass() const override { return TcxGridDBColumn::StaticClass(); }
};

class TcxGridDBBandedTableView : public TcxGridBandedTableView {
    ZORVY_CLASS(TcxGridDBBandedTableView, TcxGridBandedTableView)
  public:
    using TcxGridBandedTableView::TcxGridBandedTableView;
    TcxGridDBDataController* GetDataController() const {
        return static_cast<TcxGridDBDataController*>(TcxGridBandedTableView::GetDataController());
    }
    void SetDataController(TcxGridDBDataController* value) { GetDataController()->Assign(value); }
    TcxGridDBBandedColumn* GetColumn(int index) const { return static_cast<TcxGridDBBandedColumn*>(GetItem(index)); }
    TcxGridDBBandedColumn* CreateColumn() { return static_cast<TcxGridDBBandedColumn*>(CreateItem()); }

  protected:
    TcxDataControllerClass GetDataControllerClass() const override {
        return DataControllerClassOf<TcxGridDBDataController>();
    }
    const TMetaClass* GetItemClass() const override { return TcxGridDBBandedColumn::StaticClass(); }
};

// Registers the view kinds "DB Table" and "DB Banded Table" and the columns for streaming.
void InitializeGridDBViewsUnit();
void FinalizeGridDBViewsUnit();

} // namespace zorvy
