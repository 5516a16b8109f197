// The main window's frame: tool bar, menu, status bar, timer, creation, showing, closing, the
// countdown caption, the last draw and the settings file.
#include "app/AnalysisForm.h"
#include "app/ConditionAssistant.h"
#include "app/Countdown.h"
#include "app/DataMaintenance.h"
#include "app/HelpForm.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "app/ToolImages.h"
#include "calendar/TransDate.h"
#include "data/DataModule.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/Timer.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/classlib/stdctrls/ToolBar.h"

namespace zorvy {

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    if (!name.empty()) item->SetName(name);
    item->Caption = caption;
    parent->Add(item);
    return item;
}

} // namespace

void TFrmain::BuildFrame() {
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    AddToolImages(ImageList1);

    ToolBar1 = new TToolBar(this);
    ToolBar1->SetName("ToolBar1");
    ToolBar1->SetParent(this);
    ToolBar1->SetAlign(alTop);
    ToolBar1->SetHeight(88);
    ToolBar1->SetButtonWidth(129);
    ToolBar1->SetButtonHeight(75);
    ToolBar1->SetImages(ImageList1);
    ToolBar1->SetShowCaptions(true);
    ToolBar1->SetDrawingStyle(TTBDrawingStyle::dsGradient);
    ToolBar1->SetShowHint(true);
    struct Button {
        const char* name;
        const char* caption;
        TToolImage image;
    };
    const Button buttons[7] = {{"ToolButton1", "调用方案", tiLoadScheme}, {"ToolButton10", "保存方案", tiSaveScheme},
                               {"ToolButton5", "保存结果", tiSaveResult}, {"ToolButton6", "数据维护", tiDatabase},
                               {"ToolButton8", "打印结果", tiPrint},      {"ToolButton9", "数据分析", tiAnalysis},
                               {"ToolButton7", "退出系统", tiExit}};
    for (int i = 0; i < 7; ++i) {
        auto* button = new TToolButton(this);
        button->SetName(buttons[i].name);
        button->SetParent(ToolBar1);
        button->SetCaption(buttons[i].caption);
        button->SetHint(buttons[i].caption);
        button->SetImageIndex(buttons[i].image);
        ToolButtons[i] = button;
    }
    ToolButtons[0]->OnClick = [this](TObject* sender) { ToolButton1Click(sender); };
    ToolButtons[1]->OnClick = [this](TObject* sender) { ToolButton10Click(sender); };
    ToolButtons[2]->OnClick = [this](TObject* sender) { ToolButton5Click(sender); };
    ToolButtons[3]->OnClick = [this](TObject* sender) { ToolButton6Click(sender); };
    ToolButtons[4]->OnClick = [this](TObject* sender) { ToolButton8Click(sender); };
    ToolButtons[5]->OnClick = [this](TObject* sender) { ToolButton9Click(sender); };
    ToolButtons[6]->OnClick = [this](TObject* sender) { ToolButton7Click(sender); };

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* root = MainMenu1->GetItems();
    TMenuItem* scheme = AddItem(this, root, "N1", "方案");
    N4 = AddItem(this, scheme, "N4", "保存方案");
    N5 = AddItem(this, scheme, "N5", "调用方案");
    AddItem(this, scheme, "", "-");
    N6 = AddItem(this, scheme, "N6", "清除方案");
    TMenuItem* manage = AddItem(this, root, "N2", "管理");
    N9 = AddItem(this, manage, "N9", "保存结果");
    N10 = AddItem(this, manage, "N10", "打印结果");
    N14 = AddItem(this, manage, "N14", "中奖检查");
    N8 = AddItem(this, AddItem(this, root, "N3", "数据"), "N8", "维护");
    N11 = AddItem(this, AddItem(this, root, "N7", "帮助"), "N11", "帮助文档");
    N4->OnClick = [this](TObject* sender) { ToolButton10Click(sender); };
    N5->OnClick = [this](TObject* sender) { ToolButton1Click(sender); };
    N6->OnClick = [this](TObject* sender) { N6Click(sender); };
    N9->OnClick = [this](TObject* sender) { ToolButton5Click(sender); };
    N10->OnClick = [this](TObject* sender) { ToolButton8Click(sender); };
    N14->OnClick = [this](TObject* sender) { N14Click(sender); };
    N8->OnClick = [this](TObject* sender) { ToolButton6Click(sender); };
    N11->OnClick = [this](TObject* sender) { N11Click(sender); };
    SetMenu(MainMenu1);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetParent(this);
    for (int width : {200, 200, 350, 200})
        StatusBar1->GetPanels()->Add()->SetWidth(width);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(60000);
    Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });

    TransDate1 = new TTransDate(this);
    TransDate1->SetName("TransDate1");
}

void TFrmain::FormCreate(TObject*) {
    for (int i = 0; i <= 500; ++i)
        tjcom->GetItems()->Add(std::to_string(i));
    Application->HintPause = 500;
    Application->HintHidePause = 3666;
    AssistantFromAnalysis = false;
    ConditionPending = false;
    try {
        setupIni_ = std::make_unique<TIniFile>(SetupIniPath());
        std::string problem;
        drawCode_ = ReadDrawCode(*setupIni_, problem);
        if (!problem.empty()) AddStartupProblem(problem);
    } catch (const std::exception& e) {
        AddStartupProblem(std::string("无法读取设置文件：") + e.what());
    }
    PageTabTiaojian->SetActivePage(Tabbm);
    PageCanshu->SetActivePage(Tabtb);
}

void TFrmain::FormShow(TObject*) {
    Allcom->SetItemIndex(0);
    AllcomChange(Allcom);
    ShowStartupProblems();
}

void TFrmain::AddStartupProblem(const std::string& text) { startupProblems_.push_back(text); }

void TFrmain::ShowStartupProblems() {
    if (problemsShown_ || startupProblems_.empty()) return;
    problemsShown_ = true;
    // Once the window is on the screen, so the message stands in front of it.
    auto* later = new TTimer(this);
    later->SetInterval(1);
    later->SetOnTimer([this, later](TObject*) {
        later->SetEnabled(false);
        std::string text;
        for (const std::string& problem : startupProblems_)
            text += (text.empty() ? "" : "\n\n") + problem;
        MessageDlg(text, mtWarning, MsgDlgButtons({mbOK}));
    });
}

void TFrmain::FormCloseQuery(TObject*, bool& canClose) {
    if (closeConfirmed_) return;
    canClose = Application->MessageBox("你真要退出吗？", "喂？", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    if (canClose && Running()) {
        // The run goes on inside the start button's handler: it stops first, and the window closes
        // when the handler has returned.
        closeConfirmed_ = true;
        closeAfterRun_ = true;
        engine_.BtcanceClick();
        canClose = false;
    }
}

void TFrmain::Timer1Timer(TObject*) { SetCaption(CountdownCaption(Clock())); }

void TFrmain::ToolButton7Click(TObject*) { Close(); }

void TFrmain::ToolButton6Click(TObject*) {
    try {
        if (!Frdatamodify) {
            Frdatamodify = new TFrdatamodify(this);
            Frdatamodify->AfterConstruction();
        }
        Frdatamodify->ShowModal();
    } catch (const std::exception& e) {
        MessageDlg(std::string("数据维护窗口出错：") + e.what(), mtError, MsgDlgButtons({mbOK}));
        return;
    }
    // New or changed draws: the last draw and the draw context follow them.
    if (!Frdatamodify->TakeDrawsChanged()) return;
    GetEndOption();
    if (Data) GetWzEnd6v();
    if (Frfx) Frfx->HistoryChanged();
}

void TFrmain::N11Click(TObject*) {
    if (Frhelp) Frhelp->Show();
}

void TFrmain::ToolButton9Click(TObject*) {
    if (Frfx) Frfx->Show();
}

void TFrmain::GetEndOption() {
    LastIssue = 0;
    LastEndTime = 0;
    if (!Data) return;
    try {
        Data->Tem1->Close();
        Data->Tem1->SetSort("issue");
        Data->Tem1->Open();
        if (Data->Tem1->IsEmpty()) return;
        Data->Tem1->Last();
        int issue = 0;
        if (TryStrToInt(Data->Tem1->FieldByName("Issue")->GetAsString(), issue)) LastIssue = issue;
        TField* endTime = Data->Tem1->FieldByName("EndTime");
        if (!endTime->IsNull()) LastEndTime = endTime->GetAsDateTime();
    } catch (const std::exception& e) {
        AddStartupProblem(std::string("无法读取最后一期开奖：") + e.what());
    }
}

bool TFrmain::SetDrawCode(const std::string& code) {
    if (!IsValidDrawCode(code)) return false;
    drawCode_ = code;
    if (setupIni_) WriteDrawCode(*setupIni_, code);
    return true;
}

} // namespace zorvy
