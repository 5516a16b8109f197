#pragma once
// The filter run of the main window: loading the conditions, summarising the digit panel, enumerating
// all combinations through the evaluators, reporting survivors, count, compression rate and time; the
// cancel button; and the check mode that shows which conditions reject the last draw.
#include "engine/ConditionTable.h"
#include "engine/DrawContext.h"
#include "engine/Evaluators.h"
#include "engine/ResultLines.h"
#include "engine/SerialNumber.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace zorvy {

// Selected (not flat) digit buttons: rows gw, sw, bw, qw, ww, sww; column = digit.
using TDigitButtons = std::array<std::array<bool, 10>, 6>;

// The condition check box (stem + "chk") and its edit (stem + "Edit").
struct TConditionWidgets {
    bool Checked = false;
    std::string Text;
};

// The main window's state that a run reads, copied when the start button is pressed. The run writes
// back the ticks of empty conditions, the family flags and customwzchk.
struct TFilterInput {
    std::array<TConditionWidgets, ConditionCount> Conditions; // declared order of ConditionTable
    std::array<bool, FamilyCount> FamilyFlags{};              // bianma1chk ... tb_2chk
    bool Tj_danmachk = false;
    std::string Tj_danmaEdit;
    TDigitButtons DigitButtons{};
    bool display6machk = true;
    bool customwzchk = false;
    bool ConditionPending = false;
};

// What a run writes to and asks of the main window. Every member has a harmless default.
class TFilterHost {
  public:
    virtual ~TFilterHost() = default;
    // Memo1: a run starts; what the list shows of the last run's lines is about to go.
    virtual void ClearResults() {}
    // Lines first .. lines.Count() - 1 were added (after each third-ball pass that added any); the list
    // shows them from the run's own buffer, which stays as it is until the next run starts.
    virtual void AddResults(const TResultLines& /*lines*/, int32_t /*first*/) {}
    virtual void SetStatusText(int /*panel*/, const std::string& /*text*/) {} // StatusBar1 panels 0..2
    virtual void SetTouzhushuCaption(const std::string& /*caption*/) {}       // Lbtouzhushu
    virtual void SetZongshuCaption(const std::string& /*caption*/) {}         // Lbzongshu
    virtual void SetFilterButtons(bool /*btfilterEnabled*/, bool /*btcanceEnabled*/) {}
    virtual void ConditionsLoaded(const TFilterInput& /*input*/) {} // ticks, flags, customwzchk
    virtual void ShowMessage(const std::string& /*text*/) {}
    virtual void ProcessMessages() {} // also at least every few milliseconds while worker threads run
    virtual void ClearCheckLog() {}   // MemoJctj
    virtual void AddCheckLogLine(const std::string& /*line*/) {}
    virtual uint32_t GetTickCount();                      // milliseconds
    virtual std::vector<TDraw> Tem1Draws() { return {}; } // the draw history, oldest first
};

// How a run numbers and judges candidates: fast (serial from the enumeration, prepared conditions) or
// literal (every evaluator numbers the candidate by the tail walk and computes features from text, on
// the calling thread alone).
enum class TEvaluationMethod { emFast, emLiteral };

struct TBlockOutcome;
struct TBlockSlot;

inline constexpr const char* ConditionPendingMessage = "你刚才所选条件没有添加到相应栏里，请继续添加!";
inline constexpr const char* EmptyDrawCodeMessage = "没有采用自动添加蓝球，请重做!";

// (1 - survivors / 1,107,568) * 100 to the nearest hundredth, as text: "100", "99.99", "0".
std::string CompressionRate(int32_t survivors);
// "本次用时：75秒42毫秒".
std::string ElapsedText(uint32_t milliseconds);
// "当期进度：正在过滤(第1球：1,  第2球：2 ......)".
std::string ProgressText(int a, int b);

class TFilterEngine {
  public:
    // State kept from run to run, as the main window's unit keeps it.
    TConditionRecords ConditionRecords{};
    std::array<int32_t, FamilyCount> GroupCounts{};
    uint8_t FilterCancel = 0;
    uint8_t CheckModeOn = 0;
    std::string BankerDigits;
    std::array<std::string, 6> SelectedDigits; // gw, sw, bw, qw, ww, sww
    int32_t SelectedDigitCount = 0;
    int32_t SelectedDigitProduct = 0;
    TDrawContext DrawContext;
    std::vector<std::string> CheckLog; // the lines of MemoJctj
    TEvaluationMethod EvaluationMethod = TEvaluationMethod::emFast;
    // How the literal method numbers a candidate in each evaluator.
    int32_t (*LiteralSerial)(const TCombination&) = SerialNumberByTailWalk;
    // Threads that evaluate the fast method's blocks: 1 evaluates on the calling thread, 0 one per core.
    // The result is the same for any number.
    int ThreadCount = 0;

    TFilterEngine();
    ~TFilterEngine();

    // The result lines of the last run (Memo1's lines), kept until the next run starts.
    const TResultLines& Results() const { return results_; }

    // Fills the records of the ticked conditions, unticks conditions with an empty text, counts the
    // families and sets their flags. A malformed number raises EConvertError; what was written stays.
    void FnFilterCheck(TFilterInput& input);
    // Summarises the digit buttons, sets customwzchk and the total label.
    void sixbmJsPro(TFilterInput& input, TFilterHost& host);
    // The run. Ignored while a run is in progress; an error ends it with the buttons restored and the
    // engine ready for the next run, and passes on.
    void BtfilterClick(TFilterInput& input, TFilterHost& host);
    void BtcanceClick() { FilterCancel = 1; }
    bool Running() const { return running_; }

    // Check mode: clears the digit panel and the log, stores the tick, then selects the six position
    // digits of the draw code ("03 08 12 19 25 31 07"). A code that is not six ascending balls 1..33
    // raises EConvertError with the panel left empty.
    void TJErrochkClick(bool tjErrochk, const std::string& drawCode, TDigitButtons& digitButtons,
                        TFilterHost& host);
    // Logs message once when flag is set.
    void JcTjErro(uint8_t flag, const std::string& message, TFilterHost& host);
    // What the evaluators read: the loaded input with this engine's records, digits and draw context;
    // rejections in check mode go to JcTjErro.
    TEvalState MakeEvalState(const TFilterInput& input, TFilterHost& host);

  private:
    // Enumerates every block in order; returns the number of survivors.
    int32_t Enumerate(const TEvalState& state, bool display6machk, TFilterHost& host);
    // Moves an evaluated block into the result list pass by pass (from the region a worker wrote it to,
    // or committing lines already written in place); false when a cancel stops it. Raises its error.
    bool Replay(bool moving, const TBlockOutcome& outcome, TFilterHost& host);

    bool running_ = false;
    std::unordered_set<std::string> logged_;
    TResultLines results_;
    std::vector<TBlockSlot> slots_; // what the worker threads hand over, kept from run to run
};

} // namespace zorvy
