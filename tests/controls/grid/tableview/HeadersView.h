#pragma once
// A table view whose layout stacks the group-by box and the header above one row per record (the
// rows of RowsView.h) and the footer below them, with the indicator at the left edge and a cell of
// it beside every row; its painter draws those parts around the rows. For the tests of the column
// containers and the indicator, and the gallery.
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/editors/text/TextEditUnit.h"
#include "tests/controls/grid/table/RowsView.h"

#include <memory>
#include <vector>

namespace zorvy::test {

class TTestHeadersDataRow : public TcxGridDataRow {
    ZORVY_CLASS(TTestHeadersDataRow, TcxGridDataRow)
  public:
    using TcxGridDataRow::TcxGridDataRow;
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override { return RecordViewInfoClassOf<TTestRowViewInfo>(); }
};

class TTestHeadersGroupRow : public TcxGridGroupRow {
    ZORVY_CLASS(TTestHeadersGroupRow, TcxGridGroupRow)
  public:
    using TcxGridGroupRow::TcxGridGroupRow;
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override { return RecordViewInfoClassOf<TTestRowViewInfo>(); }
};

class TTestHeadersViewData : public TcxGridViewData {
    ZORVY_CLASS(TTestHeadersViewData, TcxGridViewData)
  public:
    using TcxGridViewData::TcxGridViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo& rowInfo) const override {
        const TMetaClass* cls = TcxGridViewData::GetRecordClass(rowInfo);
        if (cls == TcxGridGroupRow::StaticClass()) return TTestHeadersGroupRow::StaticClass();
        if (cls == TcxGridDataRow::StaticClass()) return TTestHeadersDataRow::StaticClass();
        return cls;
    }
};

class TTestHeadersTableViewInfo : public TcxCustomGridTableViewInfo {
    ZORVY_CLASS(TTestHeadersTableViewInfo, TcxCustomGridTableViewInfo)
  public:
    using TcxCustomGridTableViewInfo::TcxCustomGridTableViewInfo;
    ~TTestHeadersTableViewInfo() override { DestroyOwnParts(); }
    TTestRowsViewInfo* Rows() const { return static_cast<TTestRowsViewInfo*>(GetRecordsViewInfo()); }
    TcxGridGroupByBoxViewInfo* GroupByBox() const { return groupByBox_; }
    TcxGridHeaderViewInfo* Header() const { return header_; }
    TcxGridFooterViewInfo* Footer() const { return footer_; }
    TcxGridIndicatorViewInfo* Indicator() const { return indicator_.get(); }
    TcxGridIndicatorRowItemViewInfo* RowItem(int index) const { return rowItems_.at(static_cast<size_t>(index)).get(); }
    int RowItemCount() const { return static_cast<int>(rowItems_.size()); }

    const TMetaClass* GetRecordsViewInfoClass() const override { return TTestRowsViewInfo::StaticClass(); }
    TcxGridTableView* TableView() const { return static_cast<TcxGridTableView*>(GetGridView()); }

    void CreateViewInfos() override {
        TcxCustomGridTableViewInfo::CreateViewInfos();
        groupByBox_ = static_cast<TcxGridGroupByBoxViewInfo*>(CreatePart(TcxGridGroupByBoxViewInfo::StaticClass()));
        header_ = static_cast<TcxGridHeaderViewInfo*>(CreatePart(TcxGridHeaderViewInfo::StaticClass()));
        footer_ = static_cast<TcxGridFooterViewInfo*>(CreatePart(TcxGridFooterViewInfo::StaticClass()));
        indicator_ = std::make_unique<TcxGridIndicatorViewInfo>(this);
    }
    void DestroyViewInfos(bool recreating) override {
        DestroyOwnParts();
        TcxCustomGridTableViewInfo::DestroyViewInfos(recreating);
    }
    void CalculateLayout() override {
        RecreateViewInfos();
        TcxCustomGridTableViewInfo::CalculateLayout();
        const TRect client = GetClientBounds();
        indicator_->Calculate(GetBounds().Left, client.Top - header_->GetPartHeight());
        for (int i = 0; i < Rows()->GetCount(); ++i) {
            TcxCustomGridRecordViewInfo* row = Rows()->GetItem(i);
            if (!row || !row->IsCalculated()) continue;
            rowItems_.emplace_back(indicator_->AddRowItem(row));
            rowItems_.back()->Calculate(indicator_->Bounds.Left, row->Bounds.Top, -1, row->Bounds.Bottom - row->Bounds.Top);
        }
    }
    TcxCustomGridHitTest* GetDefaultHitTest(TPoint p) override {
        if (indicator_)
            if (TcxCustomGridHitTest* hitTest = indicator_->GetHitTest(p)) return hitTest;
        return TcxCustomGridTableViewInfo::GetDefaultHitTest(p);
    }
    TRect CalculateClientBounds() override {
        TRect r = TcxCustomGridTableViewInfo::CalculateClientBounds();
        auto* options = TableView()->GetOptionsView();
        if (options->GetIndicator() || TableView()->GetOptionsCustomize()->GetColumnsQuickCustomization())
            r.Left += options->GetIndicatorWidth();
        return r;
    }

  private:
    void DestroyOwnParts() {
        rowItems_.clear();
        indicator_.reset();
        delete footer_;
        delete header_;
        delete groupByBox_;
        footer_ = nullptr;
        header_ = nullptr;
        groupByBox_ = nullptr;
    }
    TcxGridGroupByBoxViewInfo* groupByBox_ = nullptr;
    TcxGridHeaderViewInfo* header_ = nullptr;
    TcxGridFooterViewInfo* footer_ = nullptr;
    std::unique_ptr<TcxGridIndicatorViewInfo> indicator_;
    std::vector<std::unique_ptr<TcxGridIndicatorRowItemViewInfo>> rowItems_;
};

class TTestHeadersPainter : public TcxCustomGridTablePainter {
    ZORVY_CLASS(TTestHeadersPainter, TcxCustomGridTablePainter)
  public:
    using TcxCustomGridTablePainter::TcxCustomGridTablePainter;

  protected:
    void PaintContent() override {
        auto* viewInfo = static_cast<TTestHeadersTableViewInfo*>(GetViewInfo());
        viewInfo->GroupByBox()->Paint(GetCanvas());
        DrawFilterBox();
        viewInfo->Indicator()->Paint(GetCanvas());
        viewInfo->Header()->Paint(GetCanvas());
        viewInfo->Footer()->Paint(GetCanvas());
        TcxCustomGridTablePainter::PaintContent();
    }
};

class TTestHeadersView : public TcxGridTableView {
    ZORVY_CLASS(TTestHeadersView, TcxGridTableView)
  public:
    using TcxGridTableView::TcxGridTableView;
    int CalculateDefaultDataRowHeight() override { return 19; }
    TTestHeadersTableViewInfo* Layout() const { return static_cast<TTestHeadersTableViewInfo*>(GetViewInfo()); }
    TcxGridColumn* AddColumn(const std::string& caption, int width = 60) {
        TcxGridColumn* column = CreateColumn();
        column->SetCaption(caption);
        column->SetPropertiesClass(TcxTextEditProperties::StaticClass());
        column->SetWidth(width);
        return column;
    }

  protected:
    const TMetaClass* GetPainterClass() const override { return TTestHeadersPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TTestHeadersViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TTestHeadersTableViewInfo::StaticClass(); }
};

} // namespace zorvy::test
