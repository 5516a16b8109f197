// The filter run of the main window: the window's choices copied to the engine, its answers written
// back, the run's progress and results shown, and check mode.
#include "app/Program.h"
#include "app/ConditionProblems.h"
#include "app/RunHost.h"
#include "app/Settings.h"
#include "data/DataModule.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Ticks.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"

namespace zorvy {

namespace {

constexpr uint64_t FlushInterval = 100; // ms between two updates of the screen during a run

} // namespace

void TFrmain::TRunHost::ClearResults() {
    form_.Memo1->Clear();
    form_.Memo1->SetCaretPos({});
    form_.Memo1->SetTopLine(0);
    lines_ = nullptr;
    shown_ = 0;
}

void TFrmain::TRunHost::AddResults(const TResultLines& lines, int32_t) { lines_ = &lines; }

void TFrmain::TRunHost::Flush() {
    if (lines_ && shown_ < lines_->Count()) {
        TMemoLines* memo = form_.Memo1->GetLines();
        memo->BeginUpdate();
        std::string line; // one buffer for every line: no allocation per line
        for (; shown_ < lines_->Count(); ++shown_) {
            line.assign(lines_->Line(shown_));
            memo->Add(line);
        }
        memo->EndUpdate();
    }
    if (progressPending_) {
        form_.StatusBar1->GetPanels()->GetItem(2)->SetText(progress_);
        progressPending_ = false;
    }
    lastFlush_ = GetTickCount64();
}

void TFrmain::TRunHost::SetStatusText(int panel, const std::string& text) {
    if (panel == 2) {
        progress_ = text;
        progressPending_ = true;
        return;
    }
    form_.StatusBar1->GetPanels()->GetItem(panel)->SetText(text);
}

void TFrmain::TRunHost::SetTouzhushuCaption(const std::string& caption) {
    Flush();
    form_.Lbtouzhushu->SetCaption(caption);
}

void TFrmain::TRunHost::SetZongshuCaption(const std::string& caption) { form_.Lbzongshu->SetCaption(caption); }

void TFrmain::TRunHost::SetFilterButtons(bool btfilterEnabled, bool btcanceEnabled) {
    // The focus goes from the button that is disabled to the one enabled, so the keyboard (Enter,
    // Space) keeps a visible place: starting with Enter leaves it on 取消过滤, the end back on 开始过滤.
    TButton* from = btfilterEnabled ? form_.Btcance : form_.Btfilter;
    TButton* to = btfilterEnabled ? form_.Btfilter : form_.Btcance;
    const bool moveFocus = from->Focused() || !GetFocus();
    to->SetEnabled(to == form_.Btfilter ? btfilterEnabled : btcanceEnabled);
    if (moveFocus && to->GetEnabled() && to->CanFocus() && form_.GetActiveControl() != to &&
        GetActiveWindow() == form_.GetHandle())
        to->SetFocus();
    from->SetEnabled(from == form_.Btfilter ? btfilterEnabled : btcanceEnabled);
}

void TFrmain::TRunHost::ConditionsLoaded(const TFilterInput& input) { form_.ApplyLoaded(input); }

void TFrmain::TRunHost::ShowMessage(const std::string& text) {
    MessageDlg(text, mtInformation, MsgDlgButtons({mbOK}));
}

void TFrmain::TRunHost::ProcessMessages() {
    if (GetTickCount64() - lastFlush_ >= FlushInterval) Flush();
    Application->ProcessMessages();
}

void TFrmain::TRunHost::ClearCheckLog() { form_.MemoJctj->Clear(); }

void TFrmain::TRunHost::AddCheckLogLine(const std::string& line) { form_.MemoJctj->GetLines()->Add(line); }

std::vector<TDraw> TFrmain::TRunHost::Tem1Draws() { return form_.Tem1Draws(); }

std::vector<TDraw> TFrmain::Tem1Draws() const {
    std::vector<TDraw> draws;
    if (!Data) return draws;
    try {
        TADOQuery* tem1 = Data->Tem1;
        if (!tem1->GetActive()) tem1->Open();
        tem1->DisableControls();
        TField* issue = tem1->FieldByName("Issue");
        TField* resultA1 = tem1->FieldByName("ResultA1");
        for (tem1->First(); !tem1->GetEof(); tem1->Next()) {
            TDraw draw{issue->GetAsString(), resultA1->GetAsString()};
            // The data module reported damaged draws at start-up; they stay out of the history here too.
            try {
                ReadDrawBalls(draw.ResultA1, draw.Issue);
                draws.push_back(std::move(draw));
            } catch (const EConvertError&) {
            }
        }
        tem1->EnableControls();
    } catch (const std::exception&) {
        return {};
    }
    return draws;
}

TFilterInput TFrmain::CopyInput() const {
    TFilterInput input;
    for (int i = 0; i < ConditionCount; ++i)
        input.Conditions[i] = {ConditionChecks[i]->GetChecked(), ConditionEdits[i]->GetText()};
    for (int f = 0; f < FamilyCount; ++f)
        input.FamilyFlags[f] = FamilyFlags[f]->GetChecked();
    input.Tj_danmachk = Tj_danmachk->GetChecked();
    input.Tj_danmaEdit = Tj_danmaEdit->GetText();
    for (int p = 0; p < 6; ++p)
        for (int d = 0; d < 10; ++d)
            input.DigitButtons[p][d] = !DigitButtons[p][d]->GetFlat();
    input.display6machk = display6machk->GetChecked();
    input.customwzchk = customwzchk->GetChecked();
    return input;
}

void TFrmain::ApplyLoaded(const TFilterInput& input) {
    for (int i = 0; i < ConditionCount; ++i)
        ConditionChecks[i]->SetChecked(input.Conditions[i].Checked);
    for (int f = 0; f < FamilyCount; ++f)
        FamilyFlags[f]->SetChecked(input.FamilyFlags[f]);
    customwzchk->SetChecked(input.customwzchk);
}

void TFrmain::SetRunning(bool running) {
    // What changes the conditions, the digits or the result list waits for the end of the run.
    for (TWinControl* control : {static_cast<TWinControl*>(PageTabTiaojian), static_cast<TWinControl*>(PageCanshu),
                                 static_cast<TWinControl*>(Allcom), static_cast<TWinControl*>(BtclearTj)})
        control->SetEnabled(!running);
    // The page controls repaint themselves over the inner edits of their condition edits, which would
    // stay blank until something else repaints them.
    for (TWinControl* pages : {static_cast<TWinControl*>(PageTabTiaojian), static_cast<TWinControl*>(PageCanshu)})
        if (pages->HandleAllocated())
            RedrawWindow(pages->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    for (TComboBox* com : PositionComs)
        com->SetEnabled(!running);
    for (auto& row : DigitButtons)
        for (TSpeedButton* button : row)
            button->SetEnabled(!running);
    Memo1->ReadOnly = running;
    for (int i : {0, 1, 2, 4}) // schemes and results
        ToolButtons[i]->SetEnabled(!running);
    for (TMenuItem* item : {N4, N5, N6, N9, N10, N14})
        item->Enabled = !running;
}

void TFrmain::BtfilterClick(TObject*) {
    if (Running() || RefusePendingCondition()) return;
    TFilterInput input = CopyInput();
    // What would make the run pointless or fail is said before anything on the screen changes.
    bool anyDigit = false;
    for (const auto& row : input.DigitButtons)
        for (bool selected : row)
            anyDigit = anyDigit || selected;
    if (!anyDigit) {
        MessageDlg(NoDigitMessage, mtWarning, MsgDlgButtons({mbOK}));
        return;
    }
    if (const std::string problem = ConditionTextProblem(input); !problem.empty()) {
        MessageDlg(problem, mtWarning, MsgDlgButtons({mbOK}));
        return;
    }
    SetRunning(true);
    try {
        engine_.BtfilterClick(input, *host_);
    } catch (const std::exception& e) {
        host_->Flush();
        ShowIdle();
        MessageDlg(std::string("过滤没有完成：") + e.what(), mtError, MsgDlgButtons({mbOK}));
    }
    host_->Flush();
    SetRunning(false);
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        Close();
    }
}

void TFrmain::ShowIdle() {
    Lbzongshu->SetCaption(ZongshuIdleCaption);
    Lbtouzhushu->SetCaption(TouzhushuIdleCaption);
    for (int panel = 0; panel < 3; ++panel)
        StatusBar1->GetPanels()->GetItem(panel)->SetText("");
}

void TFrmain::BtcanceClick(TObject*) { engine_.BtcanceClick(); }

void TFrmain::FnFilterCheck() {
    TFilterInput input = CopyInput();
    engine_.FnFilterCheck(input);
    ApplyLoaded(input);
}

void TFrmain::sixbmJsPro() {
    TFilterInput input = CopyInput();
    engine_.sixbmJsPro(input, *host_);
    ApplyLoaded(input);
}

void TFrmain::JcTjErro(uint8_t flag, const std::string& message) { engine_.JcTjErro(flag, message, *host_); }

void TFrmain::GetWzEnd6v() { engine_.DrawContext = ::zorvy::GetWzEnd6v(Tem1Draws()); }

std::string TFrmain::MissingDrawCodeMessage(const std::string& settingsFile) {
    return "检查上期错误要用上一期的开奖号码，但还没有保存上一期的开奖号码，所以没有改动选码区。\n\n"
           "请在设置文件 " + settingsFile +
           " 的 [kaijiangma] 节写入 kjm=上期红球+蓝球（例如 kjm=01 04 12 20 28 33+08），然后重新启动程序；"
           "以后的版本在“数据维护”窗口里输入。";
}

void TFrmain::TJErrochkClick(TObject*) {
    if (refusingCheck_) return;
    if (TJErrochk->GetChecked() && drawCode_.empty()) {
        // Nothing to check against: the box goes off again and the digits stay as they are.
        refusingCheck_ = true;
        TJErrochk->SetChecked(false);
        refusingCheck_ = false;
        MessageDlg(MissingDrawCodeMessage(SetupIniPath()), mtWarning, MsgDlgButtons({mbOK}));
        return;
    }
    TDigitButtons digits{};
    try {
        engine_.TJErrochkClick(TJErrochk->GetChecked(), drawCode_, digits, *host_);
    } catch (const EConvertError& e) {
        MessageDlg(e.Message(), mtWarning, MsgDlgButtons({mbOK}));
    }
    for (int p = 0; p < 6; ++p)
        for (int d = 0; d < 10; ++d)
            DigitButtons[p][d]->SetFlat(!digits[p][d]);
    ShowDigitState();
}

} // namespace zorvy
