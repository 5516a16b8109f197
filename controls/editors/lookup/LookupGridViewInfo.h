#pragma once
// Where everything of a lookup grid lies (headers, rows, cells with their editor view infos, empty
// areas) and how it is painted.
#include "controls/data/SortingFields.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/painters/Painter.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomLookupGrid;
class TcxLookupGridColumn;

struct TcxLookupGridPartViewInfo {
    TRect Bounds{};
    TRect ContentBounds{};
};

struct TcxLookupGridColumnViewInfo : TcxLookupGridPartViewInfo {
    TcxLookupGridColumn* Column = nullptr;
    std::unique_ptr<TcxCustomEditViewData> EditViewData; // only while measuring or laying out a cell
    std::unique_ptr<TcxEditStyle> EditStyle;
    TAlignment HeaderAlignment = taLeftJustify;
    TcxBorders Borders = cxBordersAll;
    TcxHeaderNeighbours Neighbours = 0;
    TcxDataSortOrder SortOrder = soNone;
    std::string Caption;
};

struct TcxLookupGridCellViewInfo : TcxLookupGridPartViewInfo {
    int ColumnIndex = 0;
    TcxBorders Borders = 0; // grid lines of the cell itself
    bool Focused = false;
    std::unique_ptr<TcxCustomEditViewInfo> EditViewInfo;
};

struct TcxLookupGridRowViewInfo : TcxLookupGridPartViewInfo {
    std::vector<TcxLookupGridCellViewInfo> Cells;
    TcxBorders Borders = 0; // the last right line and the bottom line
    bool Focused = false;
    int RowIndex = 0;
    int RecordIndex = 0;
};

enum TcxLookupGridTopRowMode { ltmNone, ltmForward, ltmBackward };

class TcxLookupGridViewInfo : public TObject {
    ZORVY_CLASS(TcxLookupGridViewInfo, TObject)
  public:
    explicit TcxLookupGridViewInfo(TcxCustomLookupGrid* grid) : grid_(grid) {}
    ~TcxLookupGridViewInfo() override;

    virtual int GetHeaderHeight();
    virtual void CalcHeaderArea();
    virtual void CalcEmptyAreas();
    virtual void CalcColumns();
    virtual void CalcRows();
    virtual void Calculate();
    // The top row nearest to index that leaves no empty space below the rows.
    virtual int GetNearestTopRowIndex(int index);
    virtual TcxEditStyle* InitColumnStyle(TcxLookupGridColumn* column);
    virtual void CreateCellViewData(TcxLookupGridColumnViewInfo& column);
    virtual void ReleaseCellViewData(TcxLookupGridColumnViewInfo& column) { column.EditViewData.reset(); }

    virtual TColor GetContentColor() const;
    virtual TFont* GetContentFont() const;
    virtual TColor GetContentTextColor() const;
    virtual TColor GetGridLineColor() const { return clBtnFace; }
    virtual int GetGridLineWidth() const { return 1; }
    virtual TColor GetHeaderColor() const;
    virtual TFont* GetHeaderFont() const;
    virtual TColor GetHeaderTextColor() const;
    virtual TColor GetSelectionColor() const;
    virtual TColor GetSelectionTextColor() const;

    int GetRowHeight() const;
    int GetRowMinHeight() const { return rowMinHeight_; }
    // Recomputes the row's focused flag and its cells.
    void RecalculateRow(TcxLookupGridRowViewInfo& row);
    TcxLookupGridRowViewInfo* FindRow(int rowIndex);

    std::vector<std::unique_ptr<TcxLookupGridColumnViewInfo>> Columns;
    std::vector<std::unique_ptr<TcxLookupGridRowViewInfo>> Rows;
    int BorderSize = 0;
    TRect HeaderRect{};
    TRect BottomEmptyRect{};
    TRect RightEmptyRect{};
    int LaidOutRowCount = 0;
    int FullyVisibleRowCount = 0;
    TRect RowsRect{};
    TRect VisibleRowsRect{};

  private:
    int MeasureColumnRowHeight(TcxLookupGridColumnViewInfo& column);
    void LayOutRow(int rowIndex, int& y, const TRect& client);
    void FillCell(TcxLookupGridRowViewInfo& row, TcxLookupGridCellViewInfo& cell);
    TcxLookAndFeelPainterClass LookAndFeelPainter() const;

    TcxCustomLookupGrid* grid_;
    int internalTopRowIndex_ = 0;
    TcxLookupGridTopRowMode topRowMode_ = ltmNone;
    int rowMinHeight_ = 0;
};

class TcxLookupGridPainter : public TObject {
    ZORVY_CLASS(TcxLookupGridPainter, TObject)
  public:
    explicit TcxLookupGridPainter(TcxCustomLookupGrid* grid) : grid_(grid) {}
    virtual void DrawBorder(TcxCanvas* canvas);
    virtual void DrawCell(TcxCanvas* canvas, const TcxLookupGridCellViewInfo& cell);
    virtual void DrawContent(TcxCanvas* canvas);
    virtual void DrawEmptyAreas(TcxCanvas* canvas);
    virtual void DrawHeaders(TcxCanvas* canvas);
    virtual void DrawRow(TcxCanvas* canvas, const TcxLookupGridRowViewInfo& row);
    virtual void DrawRows(TcxCanvas* canvas);
    TcxLookAndFeelPainterClass LookAndFeelPainter;

  private:
    void DrawLines(TcxCanvas* canvas, const TRect& r, TcxBorders borders);

    TcxCustomLookupGrid* grid_;
};

} // namespace zorvy
