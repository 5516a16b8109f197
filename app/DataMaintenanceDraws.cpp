// The data-maintenance window's work on the draws: appending the next draw, deleting one, the draw
// code of the entry field and the blue-ball fill.
#include "app/DataMaintenance.h"

#include "app/MainForm.h"
#include "app/NextDraw.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

constexpr const char* Caption = "数据维护";
constexpr const char* CodeForm = "六个从小到大、互不相同的红球01-33加蓝球01-16，如“01 04 12 20 28 33+08”";

// Says why the action stops, then stops it without a further message.
[[noreturn]] void Refuse(const std::string& text) {
    Application->MessageBox(text, Caption, MB_OK | MB_ICONWARNING);
    Abort();
}

bool Blank(TField* field) { return field->IsNull() || Trim(field->GetAsString()).empty(); }

// The prize and date columns the fill copies into a row where they are missing.
constexpr const char* FilledColumns[] = {"ResultA1", "EndTime", "Bonus1", "Bonus2", "Bonus3",
                                         "Count1",   "Count2",  "Count3", "Sale"};
constexpr const char* BlueBallColumns[] = {"Result", "EndTime", "Bonus1", "Bonus2", "Bonus3",
                                           "count1", "count2",  "count3", "Sale"};

} // namespace

std::string TFrdatamodify::RowDrawCode(TDataSet* dataSet) {
    return Trim(dataSet->FieldByName("ResultA1")->GetAsString()) + "+" +
           Trim(dataSet->FieldByName("ResultB1")->GetAsString());
}

TFrdatamodify::TNextDraw TFrdatamodify::ProposeNextDraw(TDataSet* dataSet, int lottery) {
    TNextDraw next;
    next.lotteryId = std::to_string(lottery);
    if (dataSet->IsEmpty()) return next;
    dataSet->Last();
    next.lotteryId = Trim(dataSet->FieldByName("LotteryID")->GetAsString());
    TField* endTime = dataSet->FieldByName("EndTime");
    if (!endTime->IsNull())
        next.endTime = NextDrawDate(endTime->GetAsDateTime(),
                                    lottery == TekpaLottery ? TDrawSchedule::Tekpa : TDrawSchedule::Daily);
    const std::string last = Trim(dataSet->FieldByName("Issue")->GetAsString());
    const std::optional<std::string> issue = NextIssue(last, next.endTime);
    if (!issue)
        Refuse("最后一期的期号“" + last + "”不是四位年份加三位期数（如“2008140”），或者当年的期数已用完：无法推算下一期，没有追加。");
    next.issue = *issue;
    return next;
}

void TFrdatamodify::FillNextDraw(TDataSet* dataSet, const TNextDraw& next, bool withBalls) {
    dataSet->FieldByName("LotteryID")->SetAsString(next.lotteryId);
    if (!next.issue.empty()) dataSet->FieldByName("Issue")->SetAsString(next.issue);
    if (next.endTime) dataSet->FieldByName("EndTime")->SetAsDateTime(*next.endTime);
    if (withBalls) {
        dataSet->FieldByName("ResultA1")->SetAsString(next.red);
        dataSet->FieldByName("ResultB1")->SetAsString(next.blue);
    }
}

void TFrdatamodify::TkpdataBeforeInsert(TDataSet* dataSet) {
    const std::string code = Edit1->GetText();
    if (code.empty()) Refuse(std::string("请先在“最后开奖码”里输入新一期的开奖号码（") + CodeForm + "），再追加。");
    if (!IsValidDrawCode(code))
        Refuse("最后开奖码“" + code + "”格式不对（应为" + CodeForm + "），没有追加。");
    TNextDraw next = ProposeNextDraw(dataSet, TekpaLottery);
    if (!dataSet->IsEmpty() && RowDrawCode(dataSet) == code)
        Refuse("最后开奖码“" + code + "”就是最后一期 " + Trim(dataSet->FieldByName("Issue")->GetAsString()) +
               " 的开奖号码：请先输入新一期的开奖号码，再追加。");
    next.red = code.substr(0, 17);
    next.blue = code.substr(18, 2);
    next_ = next;
}

void TFrdatamodify::TkpdataAfterInsert(TDataSet* dataSet) {
    FillNextDraw(dataSet, next_, true);
    SetEditing(0, true);
}

void TFrdatamodify::TkpdataAfterPost(TDataSet*) {
    drawsChanged_ = true;
    // Back to what the 允许编辑 box says.
    SetEditing(0, CheckBox1->GetChecked());
}

void TFrdatamodify::Tc22x5dataBeforeInsert(TDataSet* dataSet) {
    next_ = ProposeNextDraw(dataSet, Choose5Of22Lottery);
    Application->MessageBox("刚才数据发生变化,请退出程序重新启动!", Caption, MB_OK | MB_ICONINFORMATION);
}

void TFrdatamodify::Tc22x5dataAfterInsert(TDataSet* dataSet) {
    FillNextDraw(dataSet, next_, false);
    SetEditing(1, true);
}

void TFrdatamodify::Tc22x5dataAfterPost(TDataSet*) {
    drawsChanged_ = true;
    SetEditing(1, CheckBox2->GetChecked());
}

void TFrdatamodify::DrawBeforeDelete(TDataSet* dataSet) {
    const std::string issue = Trim(dataSet->FieldByName("Issue")->GetAsString());
    const std::string balls = Trim(dataSet->FieldByName("ResultA1")->GetAsString());
    const std::string text = "确定删除第 " + issue + " 期" + (balls.empty() ? "" : "（" + balls + "）") + "吗？删除后无法恢复。";
    if (Application->MessageBox(text, Caption, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDOK) Abort();
}

bool TFrdatamodify::SaveDrawCode(const std::string& code) {
    if (!IsValidDrawCode(code)) {
        Application->MessageBox("最后开奖码“" + code + "”格式不对（应为" + CodeForm + "），没有保存。", Caption,
                                MB_OK | MB_ICONWARNING);
        return false;
    }
    Edit1->SetText(code);
    try {
        if (Frmain) Frmain->SetDrawCode(code);
    } catch (const std::exception& e) {
        Application->MessageBox(std::string("最后开奖码没有保存到设置文件：") + e.what(), Caption,
                                MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

void TFrdatamodify::Edit1KeyPress(TObject*, char32_t& key) {
    if (key != U'\r') return;
    key = 0;
    SaveDrawCode(Edit1->GetText());
}

bool TFrdatamodify::FillRowFromBlueBalls() {
    LQ->Close();
    LQ->GetParameters().ParamByName("Lotissue")->SetValue(Trim(Tkpdata->FieldByName("Issue")->GetAsString()));
    LQ->Open();
    // An issue FL_issue does not hold keeps the row as it is.
    if (LQ->IsEmpty()) return false;
    Tkpdata->Edit();
    TField* blue = LQ->FieldByName("Result2");
    Tkpdata->FieldByName("ResultB1")->SetAsString(blue->IsNull() ? std::string() : Trim(blue->GetAsString()));
    for (size_t i = 0; i < std::size(FilledColumns); ++i) {
        TField* target = Tkpdata->FieldByName(FilledColumns[i]);
        TField* source = LQ->FieldByName(BlueBallColumns[i]);
        if (target->IsNull() && !source->IsNull()) target->SetValue(source->GetValue());
    }
    Tkpdata->Post();
    return true;
}

void TFrdatamodify::Button1Click(TObject*) {
    if (!Tkpdata->GetActive() || !LQconnet->GetConnected()) return;
    try {
        Tkpdata->CheckBrowseMode();
        Tkpdata->DisableControls();
        try {
            for (Tkpdata->First(); !Tkpdata->GetEof(); Tkpdata->Next())
                if (Blank(Tkpdata->FieldByName("ResultB1"))) FillRowFromBlueBalls();
        } catch (...) {
            Tkpdata->EnableControls();
            throw;
        }
        Tkpdata->EnableControls();
    } catch (const std::exception& e) {
        if (Tkpdata->GetState() == TDataSetState::dsEdit) Tkpdata->Cancel();
        Application->MessageBox(std::string("补充蓝球没有完成：") + e.what(), Caption, MB_OK | MB_ICONWARNING);
        return;
    }
    if (Tkpdata->IsEmpty()) return;
    Tkpdata->Last();
    const std::string code = RowDrawCode(Tkpdata);
    const std::string typed = Edit1->GetText();
    // The last draw still without its blue ball makes no draw code; a code typed for the next draw
    // stays unless the user agrees to replace it.
    if (!IsValidDrawCode(code) || code == typed) return;
    if (!typed.empty() &&
        Application->MessageBox("用最后一期 " + Trim(Tkpdata->FieldByName("Issue")->GetAsString()) + " 的开奖码“" +
                                    code + "”替换“最后开奖码”里的“" + typed + "”吗？",
                                Caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    SaveDrawCode(code);
}

} // namespace zorvy
