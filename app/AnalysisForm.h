#pragma once
// TFrfx, the analysis window: the draw history of one of eight trend views over a range of issues. The
// left column chooses the view, the range and the divisor; the trend window of the view is docked on the
// right; the caption announces the next draw with its lunar day; the condition assistant opens on the
// main window's condition that matches the view and the feature chosen in the trend window.
#include "data/ViewKinds.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {

class TADOQuery;
class TButtonGroup;
class TcxButton;
class TcxCheckGroup;
class TcxComboBox;
class TcxGridDBBandedTableView;
class TcxStyle;
class TLabel;
class TPanel;
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
    static void DrawColumn(const std::string& text, TcxGridDBBandedTableView* view, int count,
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

  private:
    void BuildLeftColumn();
    void FillIssueLists();
    void SayProblem(const std::string& text);
    // What the docked view would be opened with now, and whether it is open with just that.
    std::string OpeningKey() const;
    bool ViewIsCurrent() const;
    // Label4 and Label5: the remainders of the last draw of the range.
    void ShowRemainders(TADOQuery* query);

    TTrendForm* docked_ = nullptr;
    bool issuesFilled_ = false;
    std::string openingProblem_;
    std::array<std::string, TrendViewCount> openedWith_;
};

} // namespace zorvy
