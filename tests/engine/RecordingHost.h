#pragma once
// A main window stand-in that records what a filter run writes.
#include "engine/FilterRun.h"

#include <functional>
#include <string>
#include <vector>

namespace zorvy {

class TRecordingHost : public TFilterHost {
  public:
    std::vector<std::string> Results; // kept only while KeepResults is set
    bool KeepResults = true;
    int32_t ResultCount = 0;
    std::string FirstResult, LastResult;
    std::array<std::string, 3> Status;
    std::vector<std::string> Progress; // every text of status panel 2
    std::string Touzhushu, Zongshu;
    bool BtfilterEnabled = true, BtcanceEnabled = false;
    std::vector<std::string> Messages, CheckLogLines;
    int ClearResultsCalls = 0;
    std::vector<uint32_t> Ticks; // handed out in order by GetTickCount, when not empty
    std::vector<TDraw> History;
    std::function<void()> OnProcessMessages;
    std::function<void(const std::string&)> OnResult;

    void ClearResults() override {
        ++ClearResultsCalls;
        Results.clear();
        ResultCount = 0;
    }
    void AddResults(const TResultLines& lines, int32_t first) override {
        for (int32_t i = first; i < lines.Count(); ++i) {
            const std::string line(lines.Line(i));
            if (ResultCount++ == 0) FirstResult = line;
            LastResult = line;
            if (KeepResults) Results.push_back(line);
            if (OnResult) OnResult(line);
        }
    }
    void SetStatusText(int panel, const std::string& text) override {
        Status.at(panel) = text;
        if (panel == 2) Progress.push_back(text);
    }
    void SetTouzhushuCaption(const std::string& caption) override { Touzhushu = caption; }
    void SetZongshuCaption(const std::string& caption) override { Zongshu = caption; }
    void SetFilterButtons(bool btfilter, bool btcance) override {
        BtfilterEnabled = btfilter;
        BtcanceEnabled = btcance;
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ProcessMessages() override {
        if (OnProcessMessages) OnProcessMessages();
    }
    void ClearCheckLog() override { CheckLogLines.clear(); }
    void AddCheckLogLine(const std::string& line) override { CheckLogLines.push_back(line); }
    uint32_t GetTickCount() override {
        if (Ticks.empty()) return 0;
        const uint32_t tick = Ticks.front();
        Ticks.erase(Ticks.begin());
        return tick;
    }
    std::vector<TDraw> Tem1Draws() override { return History; }
};

// All 60 digit buttons selected.
inline TDigitButtons AllDigits() {
    TDigitButtons buttons;
    for (auto& row : buttons)
        row.fill(true);
    return buttons;
}

// Ticks the condition with its text.
inline void Tick(TFilterInput& input, const char* stem, const std::string& text) {
    const int index = ConditionIndex(stem);
    input.Conditions.at(index) = {true, text};
}

} // namespace zorvy
