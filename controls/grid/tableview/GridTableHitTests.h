#pragma once
// The hit tests of the table view's column containers and indicator: the group-by box, the header
// and a column header with its sizing edge and filter button, the footer and a footer cell, the
// indicator with its header and a row's indicator cell and sizing edge. A column hit test names the
// column and the kind of container its header was hit in.
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/view/HitTests.h"

namespace zorvy {

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

// Where a column header was hit: none, the customization form's list, the header, the group-by
// box, the footer.
enum TcxGridColumnContainerKind : int { ckNone = 0, ckCustomizationForm = 1, ckHeader = 2, ckGroupByBox = 3, ckFooter = 4 };

class TcxCustomGridColumnHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxCustomGridColumnHitTest, TcxCustomGridViewHitTest)
  public:
    TcxGridColumn* Column = nullptr;
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
};

class TcxGridColumnHeaderHorzSizingEdgeHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderHorzSizingEdgeHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeaderHorzSizingEdge; }
    TCursor GetCursor() const override;
};

class TcxGridColumnHeaderFilterButtonHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderFilterButtonHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeaderFilterButton; }
};

class TcxGridHeaderHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridHeaderHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htHeader; }
};

class TcxGridFooterHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFooterHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFooter; }
};

// The summary item is nil for empty footer space under a column.
class TcxGridFooterCellHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridFooterCellHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htFooterCell; }
    TcxDataSummaryItem* SummaryItem = nullptr;
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

// Shows the row-selection cursor where several rows can be selected.
class TcxGridRowIndicatorHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRowIndicatorHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htRowIndicator; }
    TCursor GetCursor() const override;
    TcxCustomGridCellViewInfo* RowViewInfo = nullptr;
    bool MultiSelect = false;
};

class TcxGridRowSizingEdgeHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRowSizingEdgeHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htRowSizingEdge; }
    TCursor GetCursor() const override;
};

} // namespace zorvy
