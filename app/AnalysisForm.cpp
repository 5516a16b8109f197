// The analysis window's behaviour: opening over the history, choosing a view, the refresh over the
// range, the hidden-columns group, the next draw caption and the way to the condition assistant.
#include "app/AnalysisForm.h"

#include "app/AnalysisText.h"
#include "app/ConditionAssistant.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "app/TrendForm.h"
#include "calendar/TransDate.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "data/DataModule.h"
#include "engine/DrawContext.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Numbers.h"

#include <sstream>

namespace zorvy {

int32_t CurrentView = 0;
TcxStyle* MarkStyle = nullptr;
TcxStyle* PlainStyle = nullptr;

// ---- Opening ----

void TFrfx::FormCreate(TObject*) {
    if (Frmain) {
        Frmain->GetEndOption();
        SetCaption(Frmain->LastIssue > 0 ? NextDrawCaption(Frmain->LastIssue, Frmain->LastEndTime)
                                         : std::string(NoHistoryCaption));
    }
    if (!issuesFilled_) FillIssueLists();
    MarkStyle = new TcxStyle(this);
    MarkStyle->SetColor(clLime);
    PlainStyle = new TcxStyle(this);
    PlainStyle->SetColor(clDefault);
}

void TFrfx::HistoryChanged() {
    if (Frmain)
        SetCaption(Frmain->LastIssue > 0 ? NextDrawCaption(Frmain->LastIssue, Frmain->LastEndTime)
                                         : std::string(NoHistoryCaption));
    openingProblem_.clear();
    Lbproblem->SetCaption("");
    FillIssueLists();
    if (docked_ && Data) dataRefreshClick(this);
}

void TFrfx::FillIssueLists() {
    if (!Data) {
        SayProblem("无法打开开奖数据库：走势无从显示。");
        return;
    }
    std::vector<std::string> issues;
    try {
        if (!Data->datacon->GetConnected()) Data->datacon->Open();
        TADOTable* table = Data->Lotissue;
        table->Close();
        table->SetFilter("(LotteryID=3508) and resultA1<>''");
        table->SetFiltered(true);
        table->Open();
        table->SetSort("issue");
        for (table->First(); !table->GetEof(); table->Next())
            issues.push_back(table->FieldByName("Issue")->GetAsString());
        table->Close();
    } catch (const std::exception& e) {
        Data->Lotissue->Close();
        SayProblem(std::string("无法读取开奖记录：") + e.what());
        return;
    }
    issuesFilled_ = true;
    startcom->GetProperties()->SetItems(issues);
    Endcom->GetProperties()->SetItems(issues);
    if (issues.empty()) {
        SayProblem("开奖数据库里还没有开奖记录：走势无从显示。");
        return;
    }
    const size_t count = issues.size();
    Endcom->SetText(issues.back());
    if (count >= OpeningRangeDraws) {
        startcom->SetText(issues[count - OpeningRangeDraws]);
    } else {
        startcom->SetText(issues.front());
        SayProblem("开奖记录只有 " + std::to_string(count) + " 期，不足 " +
                   std::to_string(OpeningRangeDraws) + " 期：范围从第一期开始。");
    }
}

void TFrfx::SayProblem(const std::string& text) {
    openingProblem_ = text;
    Lbproblem->SetCaption(text);
}

std::string TFrfx::NextDrawCaption(int32_t lastIssue, TDateTime lastDate) {
    const TDateTime next = NextDrawDate(lastDate);
    int lunarDay = 0;
    if (Frmain && Frmain->TransDate1) {
        Frmain->TransDate1->SetDate(next);
        lunarDay = Frmain->TransDate1->GetLunarDate()->GetlDay();
    }
    return NextDrawCaptionText(lastIssue, next, lunarDay);
}

void TFrfx::FormClose(TObject*, TCloseAction&) {
    if (CurrentView == 0 && Data) Data->xh->Close();
}

// ---- Views ----

TTrendForm* TFrfx::TrendForm(int view) {
    switch (view) {
    case 0:
        return Frbianma;
    case 1:
        return Frgw;
    case 2:
        return FrSw;
    case 3:
        return Frbw;
    case 4:
        return Frqw;
    case 5:
        return Frww;
    case 6:
        return Frsww;
    case 7:
        return Frtb;
    default:
        return nullptr;
    }
}

void TFrfx::ButtonGroup1ItemClick(int view) {
    CurrentView = view;
    TTrendForm* form = TrendForm(view);
    if (!form) return;
    form->SetBorderStyle(bsNone);
    form->SetParent(Panel2);
    form->SetAlign(alClient);
    form->Show();
    form->BringToFront();
    docked_ = form;
    yinchangchkPropertiesChange(yinchangchk);
}

void TFrfx::ButtonGroup1Click(TObject*) {
    dataRefresh->SetEnabled(true);
    Panel2->SetVisible(true);
    Panel4->SetVisible(false);
    const std::string divisor = CurrentView == 7 ? "21" : "16";
    if (chusvcom->GetText() != divisor) chusvcom->SetText(divisor); // the change refreshes
    // The docked view always shows the range chosen now: one that was never opened, or opened over
    // other settings, is opened here, and one that is current is left as it is.
    if (docked_ && Data && !ViewIsCurrent()) dataRefreshClick(this);
}

std::string TFrfx::OpeningKey() const {
    if (!docked_) return {};
    return startcom->GetText() + "|" + Endcom->GetText() + "|" + chusvcom->GetText() + "|" +
           std::to_string(docked_->ComboBox1->GetItemIndex()) + "|" + docked_->Edit2->GetText();
}

bool TFrfx::ViewIsCurrent() const {
    if (!docked_ || !Data) return false;
    const auto view = docked_->GetView();
    return Data->ViewQuery(view)->GetActive() && openedWith_[static_cast<int>(view)] == OpeningKey();
}

// ---- Refresh ----

void TFrfx::dataRefreshClick(TObject*) {
    SelectAssistantTarget();
    if (!docked_ || !Data) return;
    const TTrendView view = docked_->GetView();
    int divisor = 0;
    if (!TryStrToInt(chusvcom->GetText(), divisor) || divisor < 1) {
        // Said in words before the view is closed over it.
        Data->ViewQuery(view)->Close();
        openedWith_[static_cast<int>(view)].clear();
        Lbproblem->SetCaption("范围除数“" + chusvcom->GetText() + "”不能用：请填1以上的整数。");
        return;
    }
    Data->Frfx.chusvcom = chusvcom->GetText();
    StoreTrendTableSettings(Data->Frfx);
    docked_->StoreSettings(*Data);
    if (!dataSQL(Data->ViewQuery(view), startcom->GetText(), Endcom->GetText())) return;
    openedWith_[static_cast<int>(view)] = OpeningKey();
    docked_->ShowResults(*Data);
    docked_->ShowRangeEnd();
    docked_->FitHotColdColumns();
    ShowRemainders(Data->ViewQuery(view));
    ShowLastValues();
}

bool TFrfx::dataSQL(TADOQuery* query, const std::string& bid, const std::string& eid) {
    if (!Data || !query) return false;
    int view = 0;
    while (view < TrendViewCount && Data->ViewQuery(static_cast<TTrendView>(view)) != query)
        ++view;
    if (view == TrendViewCount) return false;
    try {
        const auto trendView = static_cast<TTrendView>(view);
        if (!(trendBuild_ ? Data->BuildTrendTable(trendView, bid, eid) : Data->RefreshView(trendView, bid, eid)))
            return false;
    } catch (const std::exception& e) {
        // The view stays closed and usable; the next refresh tries again.
        query->Close();
        openedWith_[view].clear();
        Lbproblem->SetCaption(std::string("无法打开") + ViewCaptions[view] + "的走势：" + e.what());
        return false;
    }
    Lbproblem->SetCaption(query->IsEmpty() && openingProblem_.empty()
                              ? "范围 " + bid + " 至 " + eid + " 里没有开奖记录。"
                              : openingProblem_);
    return true;
}

void TFrfx::ShowRemainders(TADOQuery* query) {
    int tail = 0, sum = 0;
    if (!query->IsEmpty()) {
        // The last draw of the range, on which the view stands after opening.
        try {
            const TCombination balls = ReadDrawBalls(query->FieldByName("ResultA1")->GetAsString(),
                                                     query->FieldByName("Issue")->GetAsString());
            tail = TailSumRemainder(balls);
            sum = BallSumRemainder(balls);
        } catch (const EConvertError&) {
            // A damaged last draw was already left out and said by the data module.
        }
    }
    Label4->SetCaption("上尾和余=" + std::to_string(tail));
    Label5->SetCaption("上和余数=" + std::to_string(sum));
}

std::string TFrfx::bgvAndPx(const std::string& text) {
    return SortedValueList(text);
}

void TFrfx::DrawColumn(const std::string& text, TcxGridTableView* view, int count,
                       const std::vector<int>& columns) {
    if (!view || !MarkStyle || !PlainStyle) return;
    // Only the first count values are read.
    std::istringstream words(text);
    std::string limited, word;
    for (int i = 0; i < count && words >> word; ++i)
        limited += word + " ";
    const std::array<bool, 7> marks = IntervalMarks(limited);
    view->BeginUpdate();
    for (size_t k = 0; k < marks.size() && k < columns.size(); ++k)
        if (columns[k] >= 0 && columns[k] < view->GetItemCount())
            view->GetColumn(columns[k])->GetStyles()->SetContent(marks[k] ? MarkStyle : PlainStyle);
    view->EndUpdate();
}

void TFrfx::chusvcomPropertiesChange(TObject* sender) {
    dataRefreshClick(sender);
}

// ---- The first band ----

void TFrfx::yinchangchkPropertiesChange(TObject*) {
    if (!docked_) return;
    TBasicColumns shown;
    shown.Issue = yinchangchk->GetItemState(0) == cbsChecked;
    shown.EndTime = yinchangchk->GetItemState(1) == cbsChecked;
    shown.ResultA1 = yinchangchk->GetItemState(2) == cbsChecked;
    // The serial window keeps its first band; the others hide it when it would be empty.
    shown.Band = docked_ == Frbianma || shown.Issue || shown.EndTime || shown.ResultA1;
    docked_->SetBasicColumns(shown);
}

// ---- The condition assistant ----

void TFrfx::SelectAssistantTarget() {
    if (!docked_ || !Frmain) return;
    const std::string name = AssistantTargetName(docked_->GetView(), docked_->ComboBox1->GetItemIndex());
    if (name.empty()) return;
    if (auto* edit = dynamic_cast<TConditionEdit*>(Frmain->FindComponent(name))) AssistantTarget = edit;
}

void TFrfx::PrepareAssistant() {
    if (!FrTjshezhi || !Frmain) return;
    std::vector<std::string> items;
    TStringList* source = Frmain->tjcom->GetItems();
    for (int i = 0; i < source->GetCount(); ++i)
        items.push_back(source->Get(i));
    FrTjshezhi->begincom->GetProperties()->SetItems(items);
    FrTjshezhi->Endcom->GetProperties()->SetItems(items);
    FrTjshezhi->Jechk->SetEnabled(true);
    FrTjshezhi->yschk->SetEnabled(true);
    FrTjshezhi->fwchk->SetEnabled(true);
    FrTjshezhi->Havechk->SetEnabled(true);
    FrTjshezhi->Bt_add->SetEnabled(true);
    FrTjshezhi->Bt_tjclear->SetEnabled(true);
}

void TFrfx::bttjshezhiClick(TObject*) {
    if (!FrTjshezhi || !AssistantTarget) return;
    AssistantFromAnalysis = true;
    FrTjshezhi->Bt_tjclearClick(this);
    PrepareAssistant();
    FrTjshezhi->ShowModal();
}

void TFrfx::btNewzoushiClick(TObject*) {
    Panel2->SetVisible(false);
    Panel4->SetVisible(true);
}

} // namespace zorvy
