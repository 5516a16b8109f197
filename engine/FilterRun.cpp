#include "engine/FilterRun.h"

#include "engine/CompiledScheme.h"
#include "engine/SerialFeatures.h"
#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <chrono>

namespace zorvy {

namespace {

// The result line of a candidate whose serial is known: what CombinationText gives.
std::string ResultLine(const TCombination& balls, int32_t serial, bool display6machk) {
    char buffer[32];
    char* out = buffer;
    for (int16_t ball : balls) {
        *out++ = static_cast<char>('0' + ball / 10);
        *out++ = static_cast<char>('0' + ball % 10);
        *out++ = ' ';
    }
    if (display6machk) {
        out[0] = out[1] = out[2] = ' ';
        out += 3;
        char digits[8];
        int length = 0;
        do {
            digits[length++] = static_cast<char>('0' + serial % 10);
            serial /= 10;
        } while (serial > 0);
        while (length > 0)
            *out++ = digits[--length];
    }
    return std::string(buffer, out);
}

// Walks all combinations in lexicographic order, testing the cancel flag at the head of every a, b and
// c pass, reporting progress at every b pass and letting the window work once per candidate.
// judge(balls, serial) decides a candidate; survivors are listed. Returns their number.
template <typename Judge>
int32_t Enumerate(const uint8_t& filterCancel, bool display6machk, TFilterHost& host, Judge judge) {
    int32_t survivors = 0;
    int32_t serial = 0;
    TCombination c{};
    for (c[0] = 1; c[0] <= 28; ++c[0]) {
        if (filterCancel) return survivors;
        for (c[1] = c[0] + 1; c[1] <= 29; ++c[1]) {
            if (filterCancel) return survivors;
            host.ProcessMessages();
            host.SetStatusText(2, ProgressText(c[0], c[1]));
            for (c[2] = c[1] + 1; c[2] <= 30; ++c[2]) {
                if (filterCancel) return survivors;
                for (c[3] = c[2] + 1; c[3] <= 31; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 32; ++c[4])
                        for (c[5] = c[4] + 1; c[5] <= 33; ++c[5]) {
                            ++serial;
                            host.ProcessMessages();
                            if (judge(c, serial)) {
                                host.AddResult(ResultLine(c, serial, display6machk));
                                ++survivors;
                            }
                        }
            }
        }
    }
    return survivors;
}

} // namespace

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
    host.SetZongshuCaption("总注数：" +
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

int32_t TFilterEngine::RunFast(const TEvalState& state, bool display6machk, TFilterHost& host) {
    const TCompiledScheme scheme(state);
    TSerialDigits digits = SplitSerial(0); // the serial of the k-th combination is k
    return Enumerate(FilterCancel, display6machk, host, [&](const TCombination& balls, int32_t) {
        AdvanceSerial(digits);
        const int verdict = scheme.Evaluate(digits, balls);
        if (verdict == TCompiledScheme::Passed) return true;
        if (state.CheckModeOn && verdict != TCompiledScheme::RejectedSilently)
            JcTjErro(1, TCompiledScheme::Message(verdict), host);
        return false;
    });
}

int32_t TFilterEngine::RunLiteral(const TEvalState& state, bool display6machk, TFilterHost& host) {
    return Enumerate(FilterCancel, display6machk, host, [&](const TCombination& balls, int32_t) {
        return EvalXhConditions(balls, state) && EvalGwConditions(balls, state) &&
               EvalSwConditions(balls, state) && EvalBwConditions(balls, state) &&
               EvalQwConditions(balls, state) && EvalWwConditions(balls, state) &&
               EvalSwwConditions(balls, state) && EvalTbConditions(balls, state);
    });
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
        const int32_t survivors = EvaluationMethod == TEvaluationMethod::emLiteral
                                      ? RunLiteral(state, input.display6machk, host)
                                      : RunFast(state, input.display6machk, host);
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
