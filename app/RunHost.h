#pragma once
// What the filter engine writes to the main window during a run. Lines and progress reach the screen
// at most ten times a second; the input is handled at every call, so the cancel button answers.
#include "app/MainForm.h"
#include "platform/classlib/stdctrls/MemoLines.h"

namespace zorvy {

class TFrmain::TRunHost : public TFilterHost {
  public:
    explicit TRunHost(TFrmain& form) : form_(form) {}
    // The result list stops showing the engine's buffer, which may go first.
    ~TRunHost() override;

    void ClearResults() override;
    void AddResults(const TResultLines& lines, int32_t first) override;
    void SetStatusText(int panel, const std::string& text) override;
    void SetTouzhushuCaption(const std::string& caption) override;
    void SetZongshuCaption(const std::string& caption) override;
    void SetFilterButtons(bool btfilterEnabled, bool btcanceEnabled) override;
    void ConditionsLoaded(const TFilterInput& input) override;
    void ShowMessage(const std::string& text) override;
    void ProcessMessages() override;
    void ClearCheckLog() override;
    void AddCheckLogLine(const std::string& line) override;
    std::vector<TDraw> Tem1Draws() override;

    // Puts the lines and the progress text not yet shown on the screen.
    void Flush();

  private:
    // The run's lines as the result list reads them: from the engine's buffer, without a copy.
    class TResultSource : public TMemoLineSource {
      public:
        const TResultLines* Lines = nullptr;
        int LineCount() const override;
        const char* Text() const override;
        std::size_t LineStart(int index) const override;
    };

    TFrmain& form_;
    const TResultLines* lines_ = nullptr; // the run's own buffer, kept until the next run
    TResultSource source_;
    std::string progress_;
    bool progressPending_ = false;
    uint64_t lastFlush_ = 0;
};

} // namespace zorvy
