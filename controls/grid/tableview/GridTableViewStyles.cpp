// The table view's and the column's style lookups and the default colours of their slots.
#include "controls/grid/tableview/GridTableViewStyles.h"

#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/Rows.h"

namespace zorvy {

namespace {

TcxGridColumn* LinkedColumn(const TcxDataSummaryItem* item) {
    return item ? dynamic_cast<TcxGridColumn*>(item->GetItemLink()) : nullptr;
}

void RunFooterEvents(const TcxGridTableStyleEvents& events, TcxGridTableView* view, TcxCustomGridRow* row,
                     TcxGridColumn* column, int level, TcxDataSummaryItem* summaryItem, TcxStyle*& style) {
    if (events.OnGetFooterStyle) events.OnGetFooterStyle(view, row, column, style);
    if (events.OnGetFooterStyleEx) events.OnGetFooterStyleEx(view, row, column, level, style);
    if (summaryItem && events.OnGetFooterSummaryStyle)
        events.OnGetFooterSummaryStyle(view, row, column, level, summaryItem, style);
}

} // namespace

TcxGridTableView* TcxGridTableViewStyles::GetTableView() const {
    return dynamic_cast<TcxGridTableView*>(GetGridView());
}

void TcxGridTableViewStyles::Assign(TPersistent* source) {
    TcxCustomGridTableViewStyles::Assign(source);
    auto* other = dynamic_cast<TcxGridTableViewStyles*>(source);
    if (!other) return;
    for (int index : {8, 9, 10, 11, 12, 13, 14, 15, 17, 16, 18}) SetStyle(index, other->GetStyle(index));
    SetEvents(other->events_);
    SetOnGetGroupStyle(other->onGetGroupStyle_);
    SetOnGetPreviewStyle(other->onGetPreviewStyle_);
}

void TcxGridTableViewStyles::SetEvents(const TcxGridTableStyleEvents& value) {
    events_ = value;
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxGridTableViewStyles::SetOnGetGroupStyle(TcxGridGetGroupStyleEvent value) {
    onGetGroupStyle_ = std::move(value);
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxGridTableViewStyles::SetOnGetPreviewStyle(TcxGridGetCellStyleEvent value) {
    onGetPreviewStyle_ = std::move(value);
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxGridTableViewStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxCustomGridTableViewStyles::GetDefaultViewParams(index, data, params);
    if (index < vsFilterRowInfoText) return;
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    TObject* object = static_cast<TObject*>(data);
    auto* record = dynamic_cast<TcxCustomGridRecord*>(object);
    auto colours = [&](TColor colour, TColor textColour) {
        params.Color = colour;
        params.TextColor = textColour;
    };
    switch (index) {
    case vsFilterRowInfoText:
    case vsNewItemRowInfoText:
        GetContentParams(record, nullptr, params);
        params.TextColor = clGrayText;
        break;
    case vsFooter:
        colours(painter ? painter->DefaultFooterColor() : clBtnFace, painter ? painter->DefaultFooterTextColor() : clBtnText);
        break;
    case vsGroup: {
        GetContentParams(record, nullptr, params);
        TcxGridTableView* view = GetTableView();
        if (!view || view->GetOptionsView()->GetGroupRowStyle() == grsStandard)
            colours(painter ? painter->DefaultGroupColor() : clBtnFace, painter ? painter->DefaultGroupTextColor() : clBtnText);
        else if (record)
            colours(clWindow, Office11Colors().GroupRowText);
        else
            params.Color = Office11Colors().GroupRowLine;
        break;
    }
    case vsGroupByBox:
        colours(painter ? painter->DefaultGroupByBoxColor() : clBtnShadow,
                painter ? painter->DefaultGroupByBoxTextColor() : clBtnFace);
        break;
    case vsGroupFooterSortedSummary:
        if (auto* pos = dynamic_cast<TcxGridRowFooterCellPos*>(object); pos && pos->Column)
            pos->Column->GetStyles()->GetFooterParams(pos->Row, pos->FooterGroupLevel, pos->SummaryItem, params);
        else
            GetFooterParams(nullptr, nullptr, -1, nullptr, params);
        break;
    case vsGroupSortedSummary:
        if (auto* info = dynamic_cast<TcxGridGroupSummaryInfo*>(object))
            GetGroupSummaryCellParams(info->Row, info->SummaryItem, params);
        else
            GetGroupSummaryCellParams(nullptr, nullptr, params);
        break;
    case vsGroupSummary:
        GetRecordContentParams(record, nullptr, params);
        break;
    case vsHeader:
    case vsIndicator:
        colours(painter ? painter->DefaultHeaderColor() : clBtnFace, painter ? painter->DefaultHeaderTextColor() : clBtnText);
        break;
    case vsPreview: {
        TcxGridTableView* view = GetTableView();
        TcxCustomGridTableItem* column = view ? view->GetPreview()->GetColumn() : nullptr;
        // The preview's content without coming back here through the preview lookup.
        TcxCustomGridTableViewStyles::GetContentParams(record, column, params);
        params.TextColor = painter ? painter->DefaultPreviewTextColor() : clBlue;
        break;
    }
    default:
        break;
    }
}

void TcxGridTableViewStyles::GetContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                              TcxPartParams& params) {
    TcxGridTableView* view = GetTableView();
    if (item && view && view->GetPreview()->GetColumn() == item)
        GetPreviewParams(record, item, params);
    else
        TcxCustomGridTableViewStyles::GetContentParams(record, item, params);
}

void TcxGridTableViewStyles::GetCellParams(TcxCustomGridRecord* record, TObject* object, TcxPartParams& params) {
    if (auto* item = dynamic_cast<TcxDataSummaryItem*>(object)) {
        GetGroupSummaryCellParams(dynamic_cast<TcxGridGroupRow*>(record), item, params);
        return;
    }
    if (dynamic_cast<TcxDataSummaryItems*>(object)) {
        GetGroupSummaryCellParams(dynamic_cast<TcxGridGroupRow*>(record), nullptr, params);
        return;
    }
    TcxCustomGridTableViewStyles::GetCellParams(record, object, params);
}

void TcxGridTableViewStyles::GetRecordContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                    TcxPartParams& params) {
    if (dynamic_cast<TcxGridGroupRow*>(record))
        GetGroupParams(record, -1, params);
    else
        TcxCustomGridTableViewStyles::GetRecordContentParams(record, item, params);
}

void TcxGridTableViewStyles::GetFooterParams(TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                                             TcxDataSummaryItem* summaryItem, TcxPartParams& params) {
    TcxStyle* style = nullptr;
    RunFooterEvents(events_, GetTableView(), row, column, footerGroupLevel, summaryItem, style);
    GetViewParams(vsFooter, nullptr, style, params);
}

void TcxGridTableViewStyles::GetFooterCellParams(TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                                                 TcxDataSummaryItem* summaryItem, TcxPartParams& params) {
    if (footerGroupLevel != -1 && summaryItem && summaryItem->GetSorted()) {
        TcxGridRowFooterCellPos pos(row, column, footerGroupLevel, summaryItem);
        GetViewParams(vsGroupFooterSortedSummary, static_cast<TObject*>(&pos), nullptr, params);
    } else if (column) {
        column->GetStyles()->GetFooterParams(row, footerGroupLevel, summaryItem, params);
    } else {
        GetFooterParams(row, nullptr, footerGroupLevel, summaryItem, params);
    }
}

void TcxGridTableViewStyles::GetGroupParams(TcxCustomGridRecord* record, int level, TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (onGetGroupStyle_) onGetGroupStyle_(GetTableView(), record, record ? record->GetLevel() : level, style);
    GetViewParams(vsGroup, static_cast<TObject*>(record), style, params);
}

void TcxGridTableViewStyles::GetGroupSummaryCellParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem,
                                                       TcxPartParams& params) {
    TcxDataGroupSummaryItems* items = row ? row->GetGroupSummaryItems() : nullptr;
    if (!sortedSummaryLookup_ && summaryItem && items && items->GetSortedItem() == summaryItem) {
        sortedSummaryLookup_ = true;
        try {
            TcxGridGroupSummaryInfo info(row, summaryItem);
            GetViewParams(vsGroupSortedSummary, static_cast<TObject*>(&info), nullptr, params);
        } catch (...) {
            sortedSummaryLookup_ = false;
            throw;
        }
        sortedSummaryLookup_ = false;
    } else if (TcxGridColumn* column = LinkedColumn(summaryItem)) {
        column->GetStyles()->GetGroupSummaryParams(row, summaryItem, params);
    } else {
        GetGroupSummaryParams(row, summaryItem, params);
    }
}

void TcxGridTableViewStyles::GetGroupSummaryParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem,
                                                   TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (row && events_.OnGetGroupSummaryStyle)
        events_.OnGetGroupSummaryStyle(GetTableView(), row, LinkedColumn(summaryItem), summaryItem, style);
    GetViewParams(vsGroupSummary, static_cast<TObject*>(row), style, params);
}

void TcxGridTableViewStyles::GetHeaderParams(TcxGridColumn* column, TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (events_.OnGetHeaderStyle) events_.OnGetHeaderStyle(GetTableView(), column, style);
    GetViewParams(vsHeader, nullptr, style, params);
}

void TcxGridTableViewStyles::GetPreviewParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                              TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (onGetPreviewStyle_) onGetPreviewStyle_(GetTableView(), record, item, style);
    GetViewParams(vsPreview, static_cast<TObject*>(record), style, params);
}

// ---- column styles ----

TcxGridColumnStyles::TcxGridColumnStyles(TcxGridColumn* column) : TcxCustomGridStyles(column), column_(column) {}

TcxCustomGridView* TcxGridColumnStyles::GetGridView() const { return column_->GetGridView(); }

void TcxGridColumnStyles::Assign(TPersistent* source) {
    TcxCustomGridStyles::Assign(source);
    auto* other = dynamic_cast<TcxGridColumnStyles*>(source);
    if (!other) return;
    for (int index = csContent; index <= csHeader; ++index) SetStyle(index, other->GetStyle(index));
    SetEvents(other->events_);
}

void TcxGridColumnStyles::SetEvents(const TcxGridTableStyleEvents& value) {
    events_ = value;
    column_->Changed(vckProperty);
}

void TcxGridColumnStyles::GetFooterParams(TcxCustomGridRow* row, int footerGroupLevel, TcxDataSummaryItem* summaryItem,
                                          TcxPartParams& params) {
    TcxStyle* style = nullptr;
    RunFooterEvents(events_, column_->GetGridView(), row, column_, footerGroupLevel, summaryItem, style);
    TcxGridRowFooterCellPos pos(row, column_, footerGroupLevel, summaryItem);
    GetViewParams(csFooter, static_cast<TObject*>(&pos), style, params);
}

void TcxGridColumnStyles::GetGroupSummaryParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem,
                                                TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (row && events_.OnGetGroupSummaryStyle)
        events_.OnGetGroupSummaryStyle(column_->GetGridView(), row, column_, summaryItem, style);
    TcxGridGroupSummaryInfo info(row, summaryItem);
    GetViewParams(csGroupSummary, static_cast<TObject*>(&info), style, params);
}

void TcxGridColumnStyles::GetHeaderParams(TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (events_.OnGetHeaderStyle) events_.OnGetHeaderStyle(column_->GetGridView(), column_, style);
    GetViewParams(csHeader, nullptr, style, params);
}

void TcxGridColumnStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxCustomGridStyles::GetDefaultViewParams(index, data, params);
    TcxGridTableView* view = column_->GetGridView();
    if (!view) return;
    TcxGridTableViewStyles* styles = view->GetStyles();
    TObject* object = static_cast<TObject*>(data);
    switch (index) {
    case csContent:
        styles->GetContentParams(dynamic_cast<TcxCustomGridRecord*>(object), column_, params);
        break;
    case csFooter:
        if (auto* pos = dynamic_cast<TcxGridRowFooterCellPos*>(object))
            styles->GetFooterParams(pos->Row, column_, pos->FooterGroupLevel, pos->SummaryItem, params);
        break;
    case csGroupSummary:
        if (auto* info = dynamic_cast<TcxGridGroupSummaryInfo*>(object))
            styles->GetGroupSummaryParams(info->Row, info->SummaryItem, params);
        break;
    case csHeader:
        styles->GetHeaderParams(column_, params);
        break;
    default:
        break;
    }
}

} // namespace zorvy
