#pragma once
// TFrmain, the main window: the 166 conditions on their pages, the banker digits, the digit panel with
// its quick selections, check mode, the filter run through the engine with the result list, and the
// frame (tool bar, menu, status bar, countdown caption, closing question).
#include "app/ConditionWidgets.h"
#include "engine/FilterRun.h"
#include "platform/rtl/DateTime.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Buttons.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TComboBox;
class TIniFile;
class TImageList;
class TLabel;
class TMainMenu;
class TMemo;
class TMenuItem;
class TPageControl;
class TPanel;
class TRadioButton;
class TSpeedButton;
class TStatusBar;
class TTabSheet;
class TTimer;
class TToolBar;
class TToolButton;
class TTransDate;

// What the result labels read while no run has a result to show. Lbzongshu counts the six-digit serial
// patterns the digit panel allows (all combinations when every digit is selected), not tickets.
inline constexpr const char* ZongshuIdleCaption = "选码组合数：";
inline constexpr const char* TouzhushuIdleCaption = "投注数：";
// A run with no digit selected could leave no ticket: said instead of running.
inline constexpr const char* NoDigitMessage = "选码区一个号码也没有选，过滤不会留下任何投注。\n\n请先在选码区选择号码（例如“6位选择”里的“全选”），再开始过滤。";

// Rows of the digit panel and of DigitButtons: units to hundred-thousands.
inline constexpr std::array<const char*, 6> DigitPositionPrefixes = {"gw", "sw", "bw", "qw", "ww", "sww"};

class TFrmain : public TForm {
    ZORVY_CLASS(TFrmain, TForm)
  public:
    explicit TFrmain(TComponent* owner);
    ~TFrmain() override;

    // Frame.
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void Timer1Timer(TObject* sender);
    // Shows the data-maintenance window modally (creating it first when needed); afterwards the last
    // draw and the draw context are read again when draws were changed there.
    void ToolButton6Click(TObject* sender);
    void ToolButton7Click(TObject* sender);
    void N11Click(TObject* sender);
    // Shows the analysis window (non-modal).
    void ToolButton9Click(TObject* sender);
    // The last draw of the history into LastIssue and LastEndTime (0 and 0 without history).
    void GetEndOption();
    int32_t LastIssue = 0;
    TDateTime LastEndTime = 0;
    // The clock of the countdown caption.
    std::function<TDateTime()> Clock = [] { return Now(); };

    // Conditions and digit panel.
    void xhtz1chkClick(TObject* sender);
    void Tj_danmachkClick(TObject* sender);
    // Enables the edit named like the box with "chk" replaced by "Edit" while the box is ticked.
    void SelectShezhiTJ(TConditionCheckBox* box);
    void xhtz1EditMouseMove(TObject* sender, TShiftState shift, int x, int y);
    // gw0Click ... sww0Click: toggles the sender when it is a digit of that position.
    void DigitClick(int position, TObject* sender);
    // gwcomChange ... swwcomChange: the quick selection of one position.
    void PositionComChange(int position);
    void AllcomChange(TObject* sender);
    // The quick-select boxes and 6位选择 show the selection the digits hold (empty when none fits).
    void ShowDigitState();
    void BtclearTjClick(TObject* sender);
    // The edit buttons: each opens the condition assistant on its edit with the page the edit lies on
    // (the banker edit in banker mode).
    void xhtz1EditPropertiesButtonClick(TObject* edit);
    void gw1EditPropertiesButtonClick(TObject* edit);
    void cxButtonEdit23PropertiesButtonClick(TObject* edit);
    void ww1EditPropertiesButtonClick(TObject* edit);
    void tb1EditPropertiesButtonClick(TObject* edit);
    void Tj_danmaEditPropertiesButtonClick(TObject* edit);

    // The run.
    void BtfilterClick(TObject* sender);
    void BtcanceClick(TObject* sender);
    void TJErrochkClick(TObject* sender);
    // The engine's steps of a run under the names the other windows know them by; each reads the
    // window's ticks, texts and digit buttons and shows what the step changes there.
    // Loads the ticked conditions' texts into the records and unticks the empty ones.
    void FnFilterCheck();
    // Summarises the digit panel into the total caption and customwzchk.
    void sixbmJsPro();
    // Logs message to the check-mode log once, when flag is set.
    void JcTjErro(uint8_t flag, const std::string& message);
    // Computes the draw context again from the data module's draws.
    void GetWzEnd6v();
    bool Running() const { return engine_.Running(); }
    TFilterEngine& Engine() { return engine_; }

    // What check mode says when no draw code is stored: which code is missing and where it goes.
    static std::string MissingDrawCodeMessage(const std::string& settingsFile);
    // The draw code of the last draw ("01 04 12 20 28 33+08") that check mode reads; empty when none.
    const std::string& DrawCode() const { return drawCode_; }
    // Stores a valid code in the settings file; false (nothing stored) for an invalid one.
    bool SetDrawCode(const std::string& code);

    // Schemes: save (asks for the automatic name or a chosen one), load, and clearing the folder.
    void ToolButton10Click(TObject* sender);
    void ToolButton1Click(TObject* sender);
    void N6Click(TObject* sender);
    // Writes the window's choices to a scheme file; false (and said) when there is nothing to save or
    // the file cannot be written.
    bool SaveScheme(const std::string& path);
    // Reads and checks the whole file, then clears the window and applies it; false (the window as it
    // was, the reason said) for a missing or unreadable file. Keys of the wrong kind are skipped and said.
    bool LoadScheme(const std::string& path);

    // The result list: save, print, prize check.
    void ToolButton5Click(TObject* sender);
    void ToolButton8Click(TObject* sender);
    void N14Click(TObject* sender);

    // Problems found at start-up, in words a user understands; shown once after the window opens.
    void AddStartupProblem(const std::string& text);
    const std::vector<std::string>& StartupProblems() const { return startupProblems_; }

    // Components, named as the other windows and the scheme files find them.
    TToolBar* ToolBar1 = nullptr;
    TImageList* ImageList1 = nullptr;
    std::array<TToolButton*, 7> ToolButtons{}; // 调用方案 保存方案 保存结果 数据维护 打印结果 数据分析 退出系统
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N4 = nullptr;  // 保存方案
    TMenuItem* N5 = nullptr;  // 调用方案
    TMenuItem* N6 = nullptr;  // 清除方案
    TMenuItem* N8 = nullptr;  // 维护
    TMenuItem* N9 = nullptr;  // 保存结果
    TMenuItem* N10 = nullptr; // 打印结果
    TMenuItem* N11 = nullptr; // 帮助文档
    TMenuItem* N14 = nullptr; // 中奖检查
    TStatusBar* StatusBar1 = nullptr;
    TTimer* Timer1 = nullptr;
    // The lunar calendar the analysis window finds the lunar day of the next draw with.
    TTransDate* TransDate1 = nullptr;

    TPanel* Pxuanma = nullptr;
    TPanel* Panel3 = nullptr;
    TComboBox* Allcom = nullptr;
    std::array<TComboBox*, 6> PositionComs{}; // gwcom ... swwcom
    std::array<std::array<TSpeedButton*, 10>, 6> DigitButtons{};
    TButton* Btfilter = nullptr;
    TButton* Btcance = nullptr;
    TButton* BtclearTj = nullptr;
    TPageControl* PageCanshu = nullptr;
    TTabSheet* Tabdm = nullptr;
    TTabSheet* Tabtb = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* Tabcanshu1 = nullptr;
    TConditionCheckBox* Tj_danmachk = nullptr;
    TConditionEdit* Tj_danmaEdit = nullptr;
    TConditionCheckBox* customwzchk = nullptr;
    TComboBox* tjcom = nullptr;
    TConditionCheckBox* TJErrochk = nullptr;
    TMemo* MemoJctj = nullptr;
    TRadioButton* display6machk = nullptr;

    TPanel* Ptiaojian = nullptr;
    TPageControl* PageTabTiaojian = nullptr;
    TTabSheet* Tabbm = nullptr;
    TTabSheet* Tabgw = nullptr;
    TTabSheet* Tabbw = nullptr;
    TTabSheet* Tabww = nullptr;
    // In the declared order of the condition table, and the family flags in family order.
    std::array<TConditionCheckBox*, ConditionCount> ConditionChecks{};
    std::array<TConditionEdit*, ConditionCount> ConditionEdits{};
    std::array<TConditionCheckBox*, FamilyCount> FamilyFlags{};

    TPanel* Pxianshi = nullptr;
    TLabel* Lbzongshu = nullptr;
    TLabel* Lbtouzhushu = nullptr;
    TMemo* Memo1 = nullptr;

  private:
    class TRunHost;

    // Building the window (MainFormLayout.cpp, MainFormFrame.cpp).
    void BuildFrame();
    void BuildDigitPanel();
    void BuildLeftPages();
    void BuildConditionPages();
    void BuildFamily(int family, TWinControl* parent, const TRect& area, int columns, int checkWidth);
    void BuildResultPanel();
    // Disables the actions that change the conditions or the result list while a run goes on.
    void SetRunning(bool running);
    // The result labels and the status bar as before any run, after a run that could not finish.
    void ShowIdle();
    TFilterInput CopyInput() const;
    void ApplyLoaded(const TFilterInput& input);
    std::vector<TDraw> Tem1Draws() const;
    void ShowStartupProblems();
    // The edit-button handler of a family's edits.
    void FamilyEditButtonClick(int family, TObject* edit);
    // A choice waits in the condition assistant: said, its page shown, and true (the run does not start).
    bool RefusePendingCondition();

    TFilterEngine engine_;
    std::unique_ptr<TRunHost> host_;
    std::unique_ptr<TIniFile> setupIni_;
    std::string drawCode_;
    std::string lastCheckedDraw_; // the prize check's previous answer
    std::vector<std::string> startupProblems_;
    bool closeAfterRun_ = false;
    bool closeConfirmed_ = false;
    bool problemsShown_ = false;
    bool printing_ = false;      // tickets are being printed: Esc stops
    bool printCancel_ = false;
    bool refusingCheck_ = false; // check mode is being switched off again for want of a draw code
};

} // namespace zorvy
