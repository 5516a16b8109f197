#pragma once
// TFrdatamodify, the data-maintenance window: the draw tables of Tekpa (3508) and of the five-from-22
// game (3525) on two pages, the next draw proposed when a row is appended, the draw code of the last
// draw in the entry field, and the blue balls filled in from the blue-ball data source.
#include "platform/classlib/Forms.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <optional>
#include <string>

namespace zorvy {

class TAALabel;
class TADOConnection;
class TADOQuery;
class TButton;
class TCheckBox;
class TDataSet;
class TDataSource;
class TEdit;
class TImage;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;
class TcxGrid;
class TcxGridDBTableView;
class TcxGridTableDataCellViewInfo;

// The data sources the window reaches: its own draw table and the blue-ball table FL_issue.
inline constexpr const char* MaintenanceDrawSource = "zorvy";
inline constexpr const char* BlueBallSource = "Tkp";

// The lottery identifiers of the two pages.
inline constexpr int TekpaLottery = 3508;
inline constexpr int Choose5Of22Lottery = 3525;

class TFrdatamodify : public TForm {
    ZORVY_CLASS(TFrdatamodify, TForm)
  public:
    explicit TFrdatamodify(TComponent* owner);

    // Edit1 takes the draw code the settings file keeps.
    void FormCreate(TObject* sender);
    // Connects the data sources that are not connected yet, then the Tekpa page on its last draw.
    void FormShow(TObject* sender);
    void CheckBox1Click(TObject* sender);
    void CheckBox2Click(TObject* sender);
    // Fills missing blue balls and prize data of the Tekpa rows from FL_issue.
    void Button1Click(TObject* sender);
    // Enter stores a valid draw code in the settings file.
    void Edit1KeyPress(TObject* sender, char32_t& key);

    // Appending a Tekpa draw: the next issue and date, the balls of Edit1; refused (with the reason
    // said) for a malformed or stale draw code or a last issue that cannot be counted on.
    void TkpdataBeforeInsert(TDataSet* dataSet);
    void TkpdataAfterInsert(TDataSet* dataSet);
    void TkpdataAfterPost(TDataSet* dataSet);
    // Appending a five-from-22 draw: the next issue and the next day; the balls are left to the user.
    void Tc22x5dataBeforeInsert(TDataSet* dataSet);
    void Tc22x5dataAfterInsert(TDataSet* dataSet);
    void Tc22x5dataAfterPost(TDataSet* dataSet);
    // Asks before a draw row is deleted; refused, the row stays.
    void DrawBeforeDelete(TDataSet* dataSet);
    // A double click on a Tekpa row: its draw code goes into Edit1 and the settings file.
    void cxGrid1DBTableView1CellDblClick(TcxGridTableDataCellViewInfo* cell);

    // Whether the rows of a page (0 Tekpa, 1 five-from-22) may be edited: between an append and its
    // post, or while its 允许编辑 box is ticked.
    bool GetEditing(int page) const { return editing_.at(static_cast<size_t>(page)); }
    // Whether a draw row was added, changed or deleted since the last call (the main window then
    // reads the draws again).
    bool TakeDrawsChanged();
    // Why a data source could not be connected when the window was last shown, or empty.
    const std::string& DrawSourceProblem() const { return drawProblem_; }
    const std::string& BlueBallSourceProblem() const { return blueProblem_; }

    TPanel* Panel1 = nullptr;
    TImage* Image1 = nullptr;
    TAALabel* AALabel1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TTabSheet* TabSheet3 = nullptr;
    TADOConnection* Connet = nullptr;
    TADOQuery* Tkpdata = nullptr;
    TDataSource* Ds_tkp = nullptr;
    TADOQuery* Tc22x5data = nullptr;
    TDataSource* Ds_22x5 = nullptr;
    TADOConnection* LQconnet = nullptr;
    TADOQuery* LQ = nullptr;
    TDataSource* Ds_LQ = nullptr;
    TcxGrid* cxGrid1 = nullptr;
    TcxGridDBTableView* cxGrid1DBTableView1 = nullptr;
    TcxGrid* cxGrid2 = nullptr;
    TcxGridDBTableView* cxGrid1DBTableView2 = nullptr;
    TcxGrid* cxGrid3 = nullptr;
    TcxGridDBTableView* cxGridDBTableView1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TButton* Button1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;

  private:
    // What BeforeInsert proposes for the row AfterInsert fills.
    struct TNextDraw {
        std::string lotteryId;
        std::string issue;                // empty: the table holds no draw to count on from
        std::optional<TDateTime> endTime; // none: the last draw has no date
        std::string red, blue;
    };

    void BuildWindow();
    void BuildPage(TTabSheet* page, TCheckBox*& box, const std::string& boxName);
    void BindDataSets();
    // The grids of the three pages on their data sources (DataMaintenanceGrids.cpp).
    void BuildGrids();
    TcxGridDBTableView* AddDrawGrid(TTabSheet* page, TcxGrid*& grid, const std::string& gridName,
                                    const std::string& viewName, TDataSource* source, int bottom);
    TcxGridDBTableView* PageView(int page) const;
    void RefreshNavigators();
    void ConnectDrawTables();
    void ConnectBlueBalls();
    // The next draw after the last row of dataSet, or a refusal said to the user (Abort).
    TNextDraw ProposeNextDraw(TDataSet* dataSet, int lottery);
    void FillNextDraw(TDataSet* dataSet, const TNextDraw& next, bool withBalls);
    // Fills one row from FL_issue; true when it changed the row.
    bool FillRowFromBlueBalls();
    // Puts a code into Edit1 and the settings file; false (said) when it is no valid draw code.
    bool SaveDrawCode(const std::string& code);
    void SetEditing(int page, bool editing);
    // The code "ResultA1+ResultB1" of the current row of dataSet.
    static std::string RowDrawCode(TDataSet* dataSet);

    std::array<bool, 2> editing_{};
    TNextDraw next_;
    bool drawsChanged_ = false;
    std::string drawProblem_;
    std::string blueProblem_;
};

} // namespace zorvy
