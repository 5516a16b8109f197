#include "engine/FilterRun.h"

#include "engine/BlockWorkers.h"
#include "engine/CompiledScheme.h"
#include "engine/SerialFeatures.h"
#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace zorvy {

namespace {

// All result lines of a run that keeps every combination: 21 characters of balls and blanks per line and
// the digits of every serial from 1 to 1,107,568.
constexpr size_t AllLinesLength = 21 * static_cast<size_t>(CombinationCount) + 9 + 90 * 2 + 900 * 3 +
                                  9000 * 4 + 90000 * 5 + 900000 * 6 + 107569 * 7;

} // namespace

TFilterEngine::TFilterEngine() = default;
TFilterEngine::~TFilterEngine() = default;

uint32_t TFilterHost::GetTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::string CompressionRate(int32_t survivors) {
    return FloatToStr(RoundTo((1.0 - static_cast<double>(survivors) / CombinationCount) * 100.0, -2));
}

std::string ElapsedText(uint32_t milliseconds) {
    return "本次用时：" + IntToStr(milliseconds / 1000) + "秒" + IntToStr(milliseconds % 1000) + "毫秒";
}

std::string ProgressText(int a, int b) {
    return "当期进度：正在过滤(第1球：" + IntToStr(a) + ",  第2球：" + IntToStr(b) + " ......)";
}

void TFilterEngine::FnFilterCheck(TFilterInput& input) {
    static constexpr std::array<const char*, 7> markKeys = {"j=1", "j=0",  "y=0", "y=1",
                                                            "y=2", "fw1=", "fw2="};
    GroupCounts.fill(0);
    for (ConditionFamily family : LoadingOrder) {
        for (int condition : FamilyTable()[family].Members) {
            TConditionWidgets& widgets = input.Conditions[condition];
            if (widgets.Text.empty()) widgets.Checked = false;
            if (!widgets.Checked) continue;
            TConditionRecord& record = ConditionRecords[condition];
            int32_t* marks[] = {&record.OddMark,  &record.EvenMark, &record.Rem0Mark, &record.Rem1Mark,
                                &record.Rem2Mark, &record.RangeLow, &record.RangeHigh};
            for (size_t i = 0; i < markKeys.size(); ++i)
                *marks[i] = StrToInt(ExtractConditionValue(widgets.Text, markKeys[i]));
            record.ValueList = ExtractConditionValue(widgets.Text, "xfw=");
            ++GroupCounts[family];
        }
        input.FamilyFlags[family] = GroupCounts[family] > 0;
    }
}

void TFilterEngine::sixbmJsPro(TFilterInput& input, TFilterHost& host) {
    SelectedDigitCount = 0;
    SelectedDigitProduct = 1;
    for (int position = 0; position < 6; ++position) {
        SelectedDigits[position].clear();
        int32_t count = 0;
        for (int digit = 0; digit <= 9; ++digit) {
            if (!input.DigitButtons[position][digit]) continue;
            SelectedDigits[position] += static_cast<char>('0' + digit);
            ++count;
        }
        SelectedDigitCount += count;
        SelectedDigitProduct *= count;
    }
    input.customwzchk = SelectedDigitCount != 60;
    host.SetZongshuCaption("选码组合数：" +
                           IntToStr(SelectedDigitProduct + (SelectedDigitCount == 60 ? 107568 : 0)));
}

TEvalState TFilterEngine::MakeEvalState(const TFilterInput& input, TFilterHost& host) {
    TEvalState state;
    state.ConditionRecords = ConditionRecords;
    for (int condition = 0; condition < ConditionCount; ++condition)
        state.Checked[condition] = input.Conditions[condition].Checked;
    state.FamilyFlags = input.FamilyFlags;
    state.Tj_danmachk = input.Tj_danmachk;
    state.BankerDigits = BankerDigits;
    state.customwzchk = input.customwzchk;
    state.SelectedDigits = SelectedDigits;
    state.DrawContext = DrawContext;
    state.CheckModeOn = CheckModeOn != 0;
    state.Serial = EvaluationMethod == TEvaluationMethod::emLiteral ? LiteralSerial : SerialNumber;
    state.JcTjErro = [this, &host](bool flag, const std::string& message) { JcTjErro(flag, message, host); };
    return state;
}

int32_t TFilterEngine::Enumerate(const TEvalState& state, bool display6machk, TFilterHost& host) {
    results_.Clear();
    const bool literal = EvaluationMethod == TEvaluationMethod::emLiteral;
    const TCompiledScheme scheme(literal ? TEvalState() : state);
    const int threads = literal ? 1
                        : ThreadCount > 0
                            ? ThreadCount
                            : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    // The whole result at most; untouched room costs no memory.
    if (threads > 1)
        results_.Reserve(TBlockWorkers::RegionLines, TBlockWorkers::RegionText);
    else
        results_.Reserve(CombinationCount, display6machk ? AllLinesLength : size_t{CombinationCount} * 18);

    std::optional<TBlockWorkers> workers;
    if (threads > 1)
        workers.emplace(threads, results_, slots_,
                        [&](TBlock block, TResultLines& lines, int32_t first, TBlockOutcome& outcome) {
                            EvaluateBlock(scheme, block, display6machk, state.CheckModeOn, lines, first,
                                          outcome);
                        });
    TBlockOutcome outcome;
    for (int i = 0; i < BlockCount; ++i) {
        // The heads of the first-ball and second-ball passes.
        if (FilterCancel) break;
        const TBlock block = Blocks()[i];
        host.ProcessMessages();
        host.SetStatusText(2, ProgressText(block.A, block.B));
        if (workers) {
            const TBlockOutcome* evaluated = workers->Wait(i, [&] {
                host.ProcessMessages();
                return FilterCancel == 0;
            });
            if (!evaluated || !Replay(true, *evaluated, host)) break;
            workers->Release(i);
            continue;
        }
        if (literal)
            EvaluateBlockLiteral(state, block, display6machk, results_, results_.Count(), outcome);
        else
            EvaluateBlock(scheme, block, display6machk, state.CheckModeOn, results_, results_.Count(),
                          outcome);
        if (!Replay(false, outcome, host)) break;
    }
    return results_.Count();
}

bool TFilterEngine::Replay(bool moving, const TBlockOutcome& outcome, TFilterHost& host) {
    int32_t done = outcome.FirstLine;
    size_t logged = 0;
    const size_t passes = outcome.PassEnds.size() + (outcome.Error ? 1 : 0);
    for (size_t pass = 0; pass < passes; ++pass) {
        // The head of a third-ball pass.
        if (FilterCancel) return false;
        const int32_t end = pass < outcome.PassEnds.size() ? outcome.PassEnds[pass] : outcome.ErrorLines;
        const int32_t first = results_.Count();
        if (moving)
            results_.MoveLines(done, end);
        else
            results_.Commit(std::max(end, first));
        done = end;
        if (results_.Count() > first) host.AddResults(results_, first);
        for (; logged < outcome.Log.size() && outcome.Log[logged].Pass == static_cast<int>(pass); ++logged)
            JcTjErro(1, outcome.Log[logged].Message, host);
    }
    if (outcome.Error) std::rethrow_exception(outcome.Error);
    return true;
}

void TFilterEngine::BtfilterClick(TFilterInput& input, TFilterHost& host) {
    if (running_) return;
    FilterCancel = 0;
    if (input.ConditionPending) {
        host.ShowMessage(ConditionPendingMessage);
        return;
    }
    running_ = true;
    try {
        host.ClearResults();
        BankerDigits = ExtractConditionValue(input.Tj_danmaEdit, "dm=");
        host.SetFilterButtons(false, true);
        const uint32_t start = host.GetTickCount();
        host.SetTouzhushuCaption("正在统计.....");
        host.SetStatusText(0, "");
        host.SetStatusText(1, "");
        FnFilterCheck(input);
        sixbmJsPro(input, host);
        host.ConditionsLoaded(input);
        DrawContext = GetWzEnd6v(host.Tem1Draws());
        const TEvalState state = MakeEvalState(input, host);
        const int32_t survivors = Enumerate(state, input.display6machk, host);
        host.SetStatusText(1, ElapsedText(host.GetTickCount() - start));
        FilterCancel = 0;
        host.SetFilterButtons(true, false);
        host.SetTouzhushuCaption(IntToStr(survivors));
        host.SetStatusText(0, "本次压缩率:" + CompressionRate(survivors) + "%");
    } catch (...) {
        running_ = false;
        FilterCancel = 0;
        host.ConditionsLoaded(input);
        host.SetFilterButtons(true, false);
        throw;
    }
    running_ = false;
}

void TFilterEngine::TJErrochkClick(bool tjErrochk, const std::string& drawCode, TDigitButtons& digitButtons,
                                   TFilterHost& host) {
    for (auto& row : digitButtons)
        row.fill(false);
    CheckLog.clear();
    logged_.clear();
    host.ClearCheckLog();
    CheckModeOn = tjErrochk ? 1 : 0;
    if (drawCode.empty()) {
        host.ShowMessage(EmptyDrawCodeMessage);
        return;
    }
    TCombination balls{};
    for (int k = 0; k < 6; ++k)
        balls[k] = static_cast<int16_t>(StrToInt(Copy(drawCode, 3 * k + 1, 2)));
    for (int k = 0; k < 6; ++k)
        if (balls[k] < 1 || balls[k] > RedBallMax || (k > 0 && balls[k] <= balls[k - 1]))
            throw EConvertError("开奖号码“" + Copy(drawCode, 1, 17) + "”不是六个从小到大的两位号码（01-33）");
    const std::string text = IntToStr(SerialNumber(balls));
    for (int position = 0; position < 6; ++position)
        digitButtons[position][PositionDigitText(text, PositionKeys[position])[0] - '0'] = true;
}

void TFilterEngine::JcTjErro(uint8_t flag, const std::string& message, TFilterHost& host) {
    if (flag == 0 || !logged_.insert(message).second) return;
    CheckLog.push_back(message);
    host.AddCheckLogLine(message);
}

} // namespace zorvy
