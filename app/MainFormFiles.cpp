// The main window's files: schemes saved, loaded and cleared, and the result list saved, printed and
// checked against a draw.
#include "app/ConditionAssistant.h"
#include "app/MainForm.h"
#include "app/Results.h"
#include "app/Schemes.h"
#include "platform/rtl/Files.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/dialogs/PrintDialogs.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/StatusBar.h"

namespace zorvy {

namespace {

constexpr const char* NoResults = "没有投注结果!";

void Say(const std::string& text, TMsgDlgType type = mtInformation) {
    MessageDlg(text, type, MsgDlgButtons({mbOK}));
}

} // namespace

bool TFrmain::SaveScheme(const std::string& path) {
    TScheme scheme;
    for (int i = 0; i < GetComponentCount(); ++i) {
        TComponent* component = GetComponent(i);
        if (auto* button = dynamic_cast<TSpeedButton*>(component)) {
            if (!button->GetFlat()) scheme.Digits.push_back(button->GetName());
        } else if (auto* box = dynamic_cast<TConditionCheckBox*>(component)) {
            if (box->GetChecked()) scheme.Checked.push_back(box->GetName());
        } else if (auto* edit = dynamic_cast<TConditionEdit*>(component)) {
            if (!edit->GetText().empty()) scheme.Texts.emplace_back(edit->GetName(), edit->GetText());
        }
    }
    if (scheme.Empty()) {
        Say("没有选号、条件或条件内容，方案没有保存。");
        return false;
    }
    try {
        WriteSchemeFile(path, scheme);
    } catch (const std::exception& e) {
        Say(std::string("方案没有保存：") + e.what(), mtError);
        return false;
    }
    return true;
}

bool TFrmain::LoadScheme(const std::string& path) {
    TScheme scheme;
    try {
        scheme = ReadSchemeFile(path);
    } catch (const std::exception& e) {
        Say(std::string("无法读取方案文件，条件没有改变：") + e.what(), mtError);
        return false;
    }
    // Every key is checked before the window changes: a key of the wrong kind is skipped.
    std::vector<std::string> skipped;
    std::vector<TSpeedButton*> digits;
    std::vector<TConditionCheckBox*> boxes;
    std::vector<std::pair<TConditionEdit*, std::string>> texts;
    auto skip = [&](const std::string& section, const std::string& name) {
        skipped.push_back("[" + section + "] " + name);
    };
    for (const std::string& name : scheme.Digits) {
        TComponent* c = FindComponent(name);
        if (auto* button = dynamic_cast<TSpeedButton*>(c))
            digits.push_back(button);
        else if (c)
            skip("selectm", name);
    }
    for (const std::string& name : scheme.Checked) {
        TComponent* c = FindComponent(name);
        if (auto* box = dynamic_cast<TConditionCheckBox*>(c))
            boxes.push_back(box);
        else if (c)
            skip("CheckBox", name);
    }
    for (const auto& [name, text] : scheme.Texts) {
        TComponent* c = FindComponent(name);
        if (auto* edit = dynamic_cast<TConditionEdit*>(c))
            texts.emplace_back(edit, text);
        else if (c)
            skip("ButtonEdit", name);
    }
    for (const auto& [name, index] : scheme.Radios) // this window holds no radio group
        if (FindComponent(name)) skip("TcxRadioGroup", name);

    BtclearTjClick(nullptr);
    for (TSpeedButton* button : digits)
        button->SetFlat(false);
    ShowDigitState();
    for (TConditionCheckBox* box : boxes)
        box->SetChecked(true);
    for (const auto& [edit, text] : texts)
        edit->SetText(text);
    // The loaded texts replace whatever choice waited in the condition assistant.
    ConditionPending = false;
    if (!skipped.empty()) {
        std::string text = "方案里这些项目与窗口里同名的控件种类不符，已跳过：";
        for (const std::string& item : skipped)
            text += "\n" + item;
        Say(text, mtWarning);
    }
    return true;
}

void TFrmain::ToolButton10Click(TObject*) {
    const std::string folder = SchemeFolder();
    const std::string automatic = folder + "/" + AutomaticSchemeName(Now());
    std::string path;
    // The question names the buttons as they read.
    if (Application->MessageBox("自动以时间命名『确定』另存为你的文件名『取消』?", "保存方案", MB_OKCANCEL) == IDOK) {
        path = automatic;
    } else {
        TSaveDialog dialog(nullptr);
        dialog.Filter = "Tini file(*.ini)|*.ini";
        dialog.InitialDir = folder;
        if (!dialog.Execute() || dialog.FileName.empty()) return;
        path = SchemeFileName(dialog.FileName);
    }
    SaveScheme(path);
}

void TFrmain::ToolButton1Click(TObject*) {
    TOpenDialog dialog(nullptr);
    dialog.Filter = "Ini files(*.ini)|*.ini";
    dialog.DefaultExt = "ini"; // a name typed without it means the scheme file
    dialog.InitialDir = SchemeFolder();
    if (!dialog.Execute() || dialog.FileName.empty()) return;
    LoadScheme(dialog.FileName);
}

void TFrmain::N6Click(TObject*) {
    const std::string folder = SchemeFolder();
    const std::vector<std::string> files = FindFiles(folder, "*.ini");
    if (files.empty()) {
        Say("方案文件夹里没有方案。");
        return;
    }
    if (Application->MessageBox("要删除方案文件夹里的 " + std::to_string(files.size()) + " 个方案吗？", "清除方案",
                                MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    for (const std::string& name : files)
        DeleteFile(folder + "/" + name);
}

void TFrmain::ToolButton5Click(TObject*) {
    if (Memo1->GetLines()->GetCount() == 0) {
        Say(NoResults);
        return;
    }
    TSaveDialog dialog(nullptr);
    dialog.Filter = "Txt files(*.Txt)|*.Txt";
    dialog.DefaultExt = "Txt";
    if (!dialog.Execute() || dialog.FileName.empty()) return;
    try {
        SaveResultFile(dialog.FileName, *Memo1->GetLines());
    } catch (const std::exception& e) {
        Say(std::string("结果没有保存：") + e.what(), mtError);
    }
}

void TFrmain::ToolButton8Click(TObject*) {
    if (Memo1->GetLines()->GetCount() == 0) {
        Say(NoResults);
        return;
    }
    std::string blue = "08";
    if (!InputQuery("输入蓝球", "请输入要打印的蓝球：", blue)) return;
    if (!IsValidBlueBall(blue)) {
        Say("蓝球“" + blue + "”不对：请输入01到16之间的两位数字。", mtWarning);
        return;
    }
    TPrintDialog dialog(nullptr);
    if (!dialog.Execute()) return;
    // A long list takes seconds: the window keeps painting, shows how far it got and takes Esc to stop.
    TStatusPanel* panel = StatusBar1->GetPanels()->GetItem(2);
    const std::string idle = panel->GetText();
    const TCursor cursor = Screen->GetCursor();
    Screen->SetCursor(crHourGlass);
    SetRunning(true);
    Btfilter->SetEnabled(false);
    printCancel_ = false;
    printing_ = true;
    bool printed = false;
    try {
        Printer()->GetCanvas()->GetFont()->Assign(Memo1->GetFont());
        printed = PrintTickets(*Printer(), *Memo1->GetLines(), blue, [&](int done, int total) {
            panel->SetText("正在打印：" + std::to_string(done) + " / " + std::to_string(total) + " 注（按 Esc 取消）");
            Application->ProcessMessages();
            return !printCancel_;
        });
    } catch (const std::exception& e) {
        if (Printer()->GetPrinting()) Printer()->Abort();
        printing_ = false;
        panel->SetText(idle);
        Screen->SetCursor(cursor);
        SetRunning(false);
        Btfilter->SetEnabled(true);
        Say(std::string("没有打印：") + e.what(), mtError);
        return;
    }
    printing_ = false;
    panel->SetText(printed ? idle : "打印已取消");
    Screen->SetCursor(cursor);
    SetRunning(false);
    Btfilter->SetEnabled(true);
}

void TFrmain::N14Click(TObject*) {
    if (Memo1->GetLines()->GetCount() == 0) {
        Say(NoResults);
        return;
    }
    std::string answer = lastCheckedDraw_;
    if (!InputQuery("中奖检查", "请按格式输入开奖号码(不含蓝球)", answer)) return;
    lastCheckedDraw_ = answer;
    const std::vector<int> draw = ParseCheckedDraw(answer);
    if (draw.empty()) {
        Say("开奖号码“" + answer + "”格式不对：请输入六个从小到大、互不相同的两位红球，用空格隔开，如 01 04 12 20 28 33。",
            mtWarning);
        return;
    }
    TMemoLines* lines = Memo1->GetLines();
    for (int i = 0; i < lines->GetCount(); ++i)
        if (TicketMatches(std::string(lines->Line(i)), draw)) {
            Say("恭喜你中奖了!");
            return;
        }
    Say("你暂时没有中奖!");
}

} // namespace zorvy
