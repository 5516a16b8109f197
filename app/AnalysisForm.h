#pragma once
// TFrfx, the analysis window: the draw history of one of eight trend views over a range of issues. The
// left column chooses the view, the range and the divisor; the trend window of the view is docked on the
// right; the caption announces the next draw with its lunar day; the condition assistant opens on the
// main window's condition that matches the view and the feature chosen in the trend window.
#include "data/AnalysisSettings.h"
#include "data/ViewKinds.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace zorvy {

class TADOQuery;
class TBitBtn;
class TButton;
class TButtonGroup;
class TCheckBox;
class TComboBox;
class TcxGrid;
class TcxGridDBTableView;
class TcxGridTableView;
class TcxButton;
class TcxCheckGroup;
class TcxComboBox;
class TcxGridDBBandedTableView;
class TcxStyle;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioButton;
class TRadioGroup;
class TTrendForm;

// The view shown (0 serial, 1 to 6 units to hundred-thousands, 7 advanced) and the styles the
// trend-table columns are painted with.
extern int32_t CurrentView;
extern TcxStyle* MarkStyle;  // pure green
extern TcxStyle* PlainStyle; // no colour of its own

// The captions of the view buttons, in view order.
inline constexpr std::array<const char*, TrendViewCount> ViewCaptions = {
    "变码特征", "个位特征", "十位特征", "百位特征", "千位特征", "万位特征", "十万位特征", "高级特征"};
// The number of draws the range holds when the window opens.
inline constexpr int OpeningRangeDraws = 100;

class TFrfx : public TForm {
    ZORVY_CLASS(TFrfx, TForm)
  public:
    explicit TFrfx(TComponent* owner);

    // Reads the last draw, fills the issue lists with the history (the range: its last 100 draws) and
    // creates the styles. A missing database, an empty or short history is said in Lbproblem.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    // Draws were added, changed or deleted: the caption and the issue lists follow the history again
    // (the range: its last 100 draws), and a docked view is reopened over it.
    void HistoryChanged();
    // Item N of the view buttons: docks view N's trend window; then the group's click refreshes.
    void ButtonGroup1ItemClick(int view);
    void ButtonGroup1Click(TObject* sender);
    // Reopens the docked view over the range with the trend window's feature and the divisor.
    void dataRefreshClick(TObject* sender);
    void chusvcomPropertiesChange(TObject* sender);
    void yinchangchkPropertiesChange(TObject* sender);
    void bttjshezhiClick(TObject* sender);
    void btNewzoushiClick(TObject* sender);

    // Closes query, sets its range bid to eid and opens it sorted by issue on its last row. A query that
    // cannot open is said in Lbproblem and leaves the view closed and usable; false then.
    bool dataSQL(TADOQuery* query, const std::string& bid, const std::string& eid);
    // The sorted list of the last values (blank-separated numbers, ascending by value).
    static std::string bgvAndPx(const std::string& text);
    // Colours the interval columns of view (their indexes in columns, JJ0 first) for the sorted values
    // of text: MarkStyle where an interval lies between two different values, PlainStyle where not.
    static void DrawColumn(const std::string& text, TcxGridTableView* view, int count,
                           const std::vector<int>& columns);

    // The caption of the window after a last draw lastIssue on lastDate.
    std::string NextDrawCaption(int32_t lastIssue, TDateTime lastDate);
    // Points the assistant's target at the condition edit of the view and the docked window's feature.
    void SelectAssistantTarget();
    // Gives the assistant the range lists of the main window and enables its choices.
    void PrepareAssistant();

    // The trend window of a view, and the one docked now (nullptr before the first view choice).
    static TTrendForm* TrendForm(int view);
    TTrendForm* CurrentTrendForm() const { return docked_; }

    TPanel* Panel1 = nullptr;
    TButtonGroup* ButtonGroup1 = nullptr;
    TLabel* Label1 = nullptr;
    TcxComboBox* startcom = nullptr;
    TLabel* Label2 = nullptr;
    TcxComboBox* Endcom = nullptr;
    TLabel* Label3 = nullptr;
    TcxComboBox* chusvcom = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Lbts = nullptr;
    TcxButton* dataRefresh = nullptr;
    TcxCheckGroup* yinchangchk = nullptr;
    TcxButton* bttjshezhi = nullptr;
    TcxButton* btNewzoushi = nullptr;
    // What keeps the window from showing all it should (no database, a short history, a view that
    // cannot open); empty when nothing does.
    TLabel* Lbproblem = nullptr;
    TPanel* Panel2 = nullptr;
    TPanel* Panel4 = nullptr;

    // ---- The trend-table page (Panel4) ----
    // 建表 and 清空 of the trend table xxtoxx and of the pattern table bgzoushi.
    void BtJsClick(TObject* sender);
    void BtclearClick(TObject* sender);
    void BitBtn4Click(TObject* sender);
    void BitBtn5Click(TObject* sender);
    // 计算: the trend table of the docked view over the range, then the hot/warm/cold summary.
    void BitBtn2Click(TObject* sender);
    // 取消 of the computation and of the search.
    void BitBtn3Click(TObject* sender);
    void BitBtn6Click(TObject* sender);
    // 关闭 of the page and of the pattern panel.
    void BitBtn1Click(TObject* sender);
    void BitBtn7Click(TObject* sender);
    // The mode buttons that retitle the value columns.
    void kuaduchkClick(TObject* sender);
    void zuoyouchk1Click(TObject* sender);
    void RwLchkClick(TObject* sender);
    // The modes that read the prior-value boxes make them usable again.
    void PriorValueModeClick(TObject* sender);
    void zycomMouseEnter(TObject* sender);
    void bdcomMouseEnter(TObject* sender);
    // Only the codes 0 to 7 can be typed into zh1 .. zh15.
    void zh1KeyPress(TObject* sender, char32_t& key);
    // A double click on the trend table: the codes of its last rows into zh1 .. zh15.
    void cxGrid1DBTableView1DblClick(TObject* sender);
    // A double click in the pattern table: the trend table moves to that draw.
    void cxGridDBTableView1CellDblClick(TObject* sender);
    // 再次计算: the earlier stretches whose codes equal zh<N> .. zh1, into bgzoushi.
    void Button1Click(TObject* sender);
    void ShowHotColdSummary();
    // Ticks zhi1 .. zhi<N> for the highest ticked zhi<N>; returns N (0 when none is ticked).
    int SyncPriorValueChecks();
    // The mode radio button chosen now.
    TTrendRule ChosenRule() const;
    // Copies what the row builder reads of the page into settings.
    void StoreTrendTableSettings(TAnalysisSettings& settings) const;
    // True while 计算 or 再次计算 runs.
    bool TrendTableBusy() const { return trendBusy_; }

    TcxGrid* cxGrid1 = nullptr;
    TcxGridDBTableView* cxGrid1DBTableView1 = nullptr;
    TcxStyle* cxStyle1 = nullptr;
    TcxStyle* cxStyle2 = nullptr;
    TcxStyle* cxStyle3 = nullptr;
    TPanel* Panel7 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
    TLabel* Label15 = nullptr;
    TButton* Btclear = nullptr;
    TButton* BtJs = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TCheckBox* zychk = nullptr;
    TCheckBox* t2chk = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    std::array<TCheckBox*, 5> Qian{}; // Qian1 .. Qian5
    std::array<TEdit*, 5> sh{};       // sh1 .. sh5
    TRadioButton* shuzhichk = nullptr;
    TRadioButton* yushuchk = nullptr;
    TComboBox* ysvcom = nullptr;
    TRadioButton* JIouchk = nullptr;
    TRadioButton* RwLchk = nullptr;
    TRadioButton* NewRwLchk = nullptr;
    TRadioButton* kuaduchk = nullptr;
    TRadioButton* zuoyouchk1 = nullptr;
    TRadioButton* sx3qidxchk = nullptr;
    TRadioButton* sx3qijechk = nullptr;
    TRadioButton* sx3qyschk = nullptr;
    TRadioButton* sx3qiatchk = nullptr;
    TRadioButton* sx6qijechk = nullptr;
    TRadioButton* sx6qiyschk = nullptr;
    TRadioGroup* Rad012 = nullptr;
    TRadioGroup* sx6Rad012 = nullptr;
    TComboBox* bxcom = nullptr;
    TComboBox* bdcom = nullptr;
    TComboBox* zycom = nullptr;
    TPanel* Panel8 = nullptr;
    TcxGrid* cxGrid2 = nullptr;
    TcxGridDBTableView* cxGridDBTableView1 = nullptr;
    TPanel* Panel9 = nullptr;
    TBitBtn* BitBtn5 = nullptr;
    TBitBtn* BitBtn4 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TBitBtn* BitBtn6 = nullptr;
    TBitBtn* BitBtn7 = nullptr;
    TButton* Button1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    std::array<TCheckBox*, 15> zhi{}; // zhi1 .. zhi15
    std::array<TEdit*, 15> zh{};      // zh1 .. zh15

  private:
    void BuildLeftColumn();
    void FillIssueLists();
    void SayProblem(const std::string& text);
    // What the docked view would be opened with now, and whether it is open with just that.
    std::string OpeningKey() const;
    bool ViewIsCurrent() const;
    // Label4 and Label5: the remainders of the last draw of the range.
    void ShowRemainders(TADOQuery* query);
    // The trend-table page's controls, and sh1 .. sh5 := the values of the last five draws of the range.
    void BuildTrendTablePage();
    void ShowLastValues();
    // A create that failed: "表已经存在!" when the table is there, else the database's reason.
    void SayCreateFailed(const std::string& table, const std::exception& error);

    TTrendForm* docked_ = nullptr;
    bool issuesFilled_ = false;
    std::string openingProblem_;
    std::array<std::string, TrendViewCount> openedWith_;
    bool trendBusy_ = false;  // 计算 or 再次计算 is running
    bool trendBuild_ = false; // the refresh running now builds the trend table
};

} // namespace zorvy
