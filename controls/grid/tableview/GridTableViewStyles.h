#pragma once
// The styles of the table view and of its columns: the eleven slots the table view adds (info
// texts of the special rows, footer, group rows, group-by box, group summaries, header, indicator,
// preview) with the colours each takes by default, the lookups that first let their events propose
// a style, and the column's own footer, group summary and header slots that fall back to the view's.
#include "controls/grid/table/TableViewStyles.h"

#include <functional>

namespace zorvy {

class TcxCustomGridRow;
class TcxDataSummaryItem;
class TcxGridColumn;
class TcxGridGroupRow;
class TcxGridTableView;

enum TcxGridTableViewStyleIndexEx {
    vsFilterRowInfoText = 8,
    vsFooter = 9,
    vsGroup = 10,
    vsGroupByBox = 11,
    vsGroupFooterSortedSummary = 12,
    vsGroupSortedSummary = 13,
    vsGroupSummary = 14,
    vsHeader = 15,
    vsNewItemRowInfoText = 16,
    vsIndicator = 17,
    vsPreview = 18,
};

enum TcxGridColumnStyleIndex { csContent = 0, csFooter = 1, csGroupSummary = 2, csHeader = 3 };

using TcxGridGetFooterStyleExEvent = std::function<void(TcxGridTableView* sender, TcxCustomGridRow* row,
                                                        TcxGridColumn* column, int footerGroupLevel, TcxStyle*& style)>;
using TcxGridGetFooterSummaryStyleEvent =
    std::function<void(TcxGridTableView* view, TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                       TcxDataSummaryItem* summaryItem, TcxStyle*& style)>;
using TcxGridGetGroupStyleEvent =
    std::function<void(TcxGridTableView* sender, TcxCustomGridRecord* record, int level, TcxStyle*& style)>;
using TcxGridGetGroupSummaryStyleEvent = std::function<void(TcxGridTableView* sender, TcxGridGroupRow* row,
                                                            TcxGridColumn* column, TcxDataSummaryItem* summaryItem,
                                                            TcxStyle*& style)>;
using TcxGridGetHeaderStyleEvent =
    std::function<void(TcxGridTableView* sender, TcxGridColumn* column, TcxStyle*& style)>;

// The data of a footer style lookup: the row is nil and the level -1 for the view's footer.
class TcxGridRowFooterCellPos : public TObject {
    ZORVY_CLASS(TcxGridRowFooterCellPos, TObject)
  public:
    TcxGridRowFooterCellPos(TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                            TcxDataSummaryItem* summaryItem)
        : Row(row), Column(column), FooterGroupLevel(footerGroupLevel), SummaryItem(summaryItem) {}
    TcxCustomGridRow* Row;
    TcxGridColumn* Column;
    int FooterGroupLevel;
    TcxDataSummaryItem* SummaryItem;
};

// The data of a group summary lookup.
class TcxGridGroupSummaryInfo : public TObject {
    ZORVY_CLASS(TcxGridGroupSummaryInfo, TObject)
  public:
    TcxGridGroupSummaryInfo(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem) : Row(row), SummaryItem(summaryItem) {}
    TcxGridGroupRow* Row;
    TcxDataSummaryItem* SummaryItem;
};

// The events shared by the view's and the column's footer, group summary and header lookups.
struct TcxGridTableStyleEvents {
    TcxGridGetCellStyleEvent OnGetFooterStyle;
    TcxGridGetFooterStyleExEvent OnGetFooterStyleEx;
    TcxGridGetFooterSummaryStyleEvent OnGetFooterSummaryStyle;
    TcxGridGetGroupSummaryStyleEvent OnGetGroupSummaryStyle;
    TcxGridGetHeaderStyleEvent OnGetHeaderStyle;
};

class TcxGridTableViewStyles : public TcxCustomGridTableViewStyles {
    ZORVY_CLASS(TcxGridTableViewStyles, TcxCustomGridTableViewStyles)
  public:
    explicit TcxGridTableViewStyles(TcxCustomGridView* gridView) : TcxCustomGridTableViewStyles(gridView) {}
    void Assign(TPersistent* source) override;
    TcxGridTableView* GetTableView() const;

    void GetCellParams(TcxCustomGridRecord* record, TObject* object, TcxPartParams& params) override;
    void GetContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params) override;
    void GetRecordContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                TcxPartParams& params) override;
    virtual void GetFooterParams(TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                                 TcxDataSummaryItem* summaryItem, TcxPartParams& params);
    // A sorted summary item in a group footer takes GroupFooterSortedSummary; else the column's footer.
    virtual void GetFooterCellParams(TcxCustomGridRow* row, TcxGridColumn* column, int footerGroupLevel,
                                     TcxDataSummaryItem* summaryItem, TcxPartParams& params);
    virtual void GetGroupParams(TcxCustomGridRecord* record, int level, TcxPartParams& params);
    virtual void GetGroupSummaryCellParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem,
                                           TcxPartParams& params);
    virtual void GetGroupSummaryParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem, TcxPartParams& params);
    virtual void GetHeaderParams(TcxGridColumn* column, TcxPartParams& params);
    virtual void GetPreviewParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params);

#define ZORVY_GRID_TABLE_STYLE(Name)                                                                       \
    TcxStyle* Get##Name() const { return dynamic_cast<TcxStyle*>(GetStyle(vs##Name)); }                   \
    void Set##Name(TcxStyle* value) { SetStyle(vs##Name, value); }
    ZORVY_GRID_TABLE_STYLE(FilterRowInfoText)
    ZORVY_GRID_TABLE_STYLE(Footer)
    ZORVY_GRID_TABLE_STYLE(Group)
    ZORVY_GRID_TABLE_STYLE(GroupByBox)
    ZORVY_GRID_TABLE_STYLE(GroupFooterSortedSummary)
    ZORVY_GRID_TABLE_STYLE(GroupSortedSummary)
    ZORVY_GRID_TABLE_STYLE(GroupSummary)
    ZORVY_GRID_TABLE_STYLE(Header)
    ZORVY_GRID_TABLE_STYLE(NewItemRowInfoText)
    ZORVY_GRID_TABLE_STYLE(Indicator)
    ZORVY_GRID_TABLE_STYLE(Preview)
#undef ZORVY_GRID_TABLE_STYLE

    // Setting any handler reports a settings change of the view.
    const TcxGridTableStyleEvents& GetEvents() const { return events_; }
    void SetEvents(const TcxGridTableStyleEvents& value);
    const TcxGridGetGroupStyleEvent& GetOnGetGroupStyle() const { return onGetGroupStyle_; }
    void SetOnGetGroupStyle(TcxGridGetGroupStyleEvent value);
    const TcxGridGetCellStyleEvent& GetOnGetPreviewStyle() const { return onGetPreviewStyle_; }
    void SetOnGetPreviewStyle(TcxGridGetCellStyleEvent value);

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;

  private:
    TcxGridTableStyleEvents events_;
    TcxGridGetGroupStyleEvent onGetGroupStyle_;
    TcxGridGetCellStyleEvent onGetPreviewStyle_;
    bool sortedSummaryLookup_ = false; // the sorted group summary's default is being looked up
};

class TcxGridColumnStyles : public TcxCustomGridStyles {
    ZORVY_CLASS(TcxGridColumnStyles, TcxCustomGridStyles)
  public:
    explicit TcxGridColumnStyles(TcxGridColumn* column);
    void Assign(TPersistent* source) override;
    TcxCustomGridView* GetGridView() const override;
    TcxGridColumn* GetColumn() const { return column_; }

    virtual void GetFooterParams(TcxCustomGridRow* row, int footerGroupLevel, TcxDataSummaryItem* summaryItem,
                                 TcxPartParams& params);
    virtual void GetGroupSummaryParams(TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem, TcxPartParams& params);
    virtual void GetHeaderParams(TcxPartParams& params);

    TcxStyle* GetContent() const { return dynamic_cast<TcxStyle*>(GetStyle(csContent)); }
    void SetContent(TcxStyle* value) { SetStyle(csContent, value); }
    TcxStyle* GetFooter() const { return dynamic_cast<TcxStyle*>(GetStyle(csFooter)); }
    void SetFooter(TcxStyle* value) { SetStyle(csFooter, value); }
    TcxStyle* GetGroupSummary() const { return dynamic_cast<TcxStyle*>(GetStyle(csGroupSummary)); }
    void SetGroupSummary(TcxStyle* value) { SetStyle(csGroupSummary, value); }
    TcxStyle* GetHeader() const { return dynamic_cast<TcxStyle*>(GetStyle(csHeader)); }
    void SetHeader(TcxStyle* value) { SetStyle(csHeader, value); }

    const TcxGridTableStyleEvents& GetEvents() const { return events_; }
    // Reports a settings change of the column.
    void SetEvents(const TcxGridTableStyleEvents& value);

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;

  private:
    TcxGridColumn* column_;
    TcxGridTableStyleEvents events_;
};

} // namespace zorvy
