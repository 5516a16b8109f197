#pragma once
// The hit tests of the table view's parts: the group-by box, the header with each column header, its
// sizing edge and filter button, the footer and group footers with their cells, the indicator with
// its header, each row's indicator cell and sizing edge, the level indents left of a row, a group
// row's summaries and the preview. Each class answers its code, the cursor shown over it and the drag
// object a left press on it starts.
#include "controls/grid/table/RecordHitTests.h"

namespace zorvy {

class TcxCustomGridRecordViewInfo;
class TcxDataSummaryItem;
class TcxGridColumn;

enum : int {
    htGroupByBox = 201,
    htColumnHeader = 202,
    htColumnHeaderHorzSizingEdge = 203,
    htColumnHeaderFilterButton = 204,
    htFooter = 205,
    htFooterCell = 206,
    htGroupFooter = 207,
    htGroupFooterCell = 208,
    htRowIndicator = 209,
    htRowSizingEdge = 210,
    htIndicator = 211,
    htIndicatorHeader = 212,
    htRowLevelIndent = 213,
    htHeader = 214,
    htGroupSummary = 215,
    htPreview = 231,
};

// Where the column's header was hit.
enum TcxGridColumnContainerKind { ckNone = 0, ckCustomizationForm = 1, ckHeader = 2, ckGroupByBox = 3, ckFooter = 4 };

class TcxCustomGridColumnHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxCustomGridColumnHitTest, TcxCustomGridViewHitTest)
  public:
    // nil on a part but on no column.
    TcxGridColumn* Column = nullptr;
    // A TcxGridColumnContainerKind.
    int ColumnContainerKind = ckNone;
};

class TcxGridGroupByBoxHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridGroupByBoxHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htGroupByBox; }
};

class TcxGridColumnHeaderHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeader; }
    // The controller's header moving class, when the column may be moved.
    const TMetaClass* GetDragAndDropObjectClass() const override;
};

class TcxGridColumnHeaderHorzSizingEdgeHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderHorzSizingEdgeHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeaderHorzSizingEdge; }
    TCursor GetCursor() const override;
    // Sizes the column's width.
    const TMetaClass* GetDragAndDropObjectClass() const override;
};

class TcxGridColumnHeaderFilterButtonHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderFilterButtonHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeaderFilterButton; }
};

class TcxGridFooterHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFooterHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFooter; }
};

class TcxGridFooterCellHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridFooterCellHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htFooterCell; }
    TcxDataSummaryItem* SummaryItem = nullptr;
};

class TcxGridGroupFooterHitTest : public TcxGridFooterHitTest {
    ZORVY_CLASS(TcxGridGroupFooterHitTest, TcxGridFooterHitTest)
  public:
    int GetHitTestCode() const override { return htGroupFooter; }
};

class TcxGridGroupFooterCellHitTest : public TcxGridFooterCellHitTest {
    ZORVY_CLASS(TcxGridGroupFooterCellHitTest, TcxGridFooterCellHitTest)
  public:
    int GetHitTestCode() const override { return htGroupFooterCell; }
};

class TcxGridRowIndicatorHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRowIndicatorHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htRowIndicator; }
    // The row-selection cursor only where several rows can be selected.
    TCursor GetCursor() const override;
    bool MultiSelect = false;
    // The row beside the cell (not owned).
    TcxCustomGridRecordViewInfo* RowViewInfo = nullptr;
};

class TcxGridRowSizingEdgeHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRowSizingEdgeHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htRowSizingEdge; }
    TCursor GetCursor() const override;
    // Sizes the data rows' height.
    const TMetaClass* GetDragAndDropObjectClass() const override;
};

class TcxGridIndicatorHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridIndicatorHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htIndicator; }
};

class TcxGridIndicatorHeaderHitTest : public TcxGridIndicatorHitTest {
    ZORVY_CLASS(TcxGridIndicatorHeaderHitTest, TcxGridIndicatorHitTest)
  public:
    int GetHitTestCode() const override { return htIndicatorHeader; }
};

// Names the row, but a press on it does not select the row.
class TcxGridRowLevelIndentHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRowLevelIndentHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htRowLevelIndent; }
    bool IsRecordHit() const override { return false; }
};

class TcxGridHeaderHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridHeaderHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htHeader; }
};

class TcxGridGroupSummaryHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridGroupSummaryHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htGroupSummary; }
    TcxDataSummaryItem* SummaryItem = nullptr;
};

class TcxGridPreviewHitTest : public TcxGridRecordCellHitTest {
    ZORVY_CLASS(TcxGridPreviewHitTest, TcxGridRecordCellHitTest)
  public:
    int GetHitTestCode() const override { return htPreview; }
};

} // namespace zorvy
