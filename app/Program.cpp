#include "app/Program.h"

#include "app/AnalysisForm.h"
#include "app/ConditionAssistant.h"
#include "app/DataMaintenance.h"
#include "app/HelpForm.h"
#include "app/MainForm.h"
#include "app/TrendForm.h"
#include "data/DataModule.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"

namespace zorvy {

TFrmain* Frmain = nullptr;
TData* Data = nullptr;
TFrTjshezhi* FrTjshezhi = nullptr;
TFrdatamodify* Frdatamodify = nullptr;
TFrhelp* Frhelp = nullptr;
TFrfx* Frfx = nullptr;
TFrbianma* Frbianma = nullptr;
TFrgw* Frgw = nullptr;
TFrSw* FrSw = nullptr;
TFrbw* Frbw = nullptr;
TFrqw* Frqw = nullptr;
TFrww* Frww = nullptr;
TFrsww* Frsww = nullptr;
TFrtb* Frtb = nullptr;

void CreateWindows() {
    Application->Initialize();
    Application->MainFormOnTaskBar = true;
    Frmain = Application->CreateForm<TFrmain>();
    // The data module computes the draw context for the main window, so it follows it.
    try {
        Data = new TData(Application);
        if (!Data->SkippedDraws.empty())
            Frmain->AddStartupProblem("开奖数据里有 " + std::to_string(Data->SkippedDraws.size()) +
                                      " 期无法读取，已跳过；第一期：" + Data->SkippedDraws.front());
        if (const std::string& unread = Data->datacon->GetUnreadChanges(); !unread.empty())
            Frmain->AddStartupProblem("开奖数据库里最后保存的开奖记录无法读取：" + unread);
        if (Data->Tem1->IsEmpty())
            Frmain->AddStartupProblem("开奖数据库里还没有2006001期以后的开奖记录：与上期开奖有关的条件按没有历史计算。");
    } catch (const std::exception& e) {
        Data = nullptr;
        Frmain->AddStartupProblem(std::string("无法打开开奖数据库，与上期开奖有关的条件按没有历史计算。原因：") +
                                  e.what());
    }
    FrTjshezhi = Application->CreateForm<TFrTjshezhi>();
    Frmain->GetEndOption();
    // The analysis window reads the last draw and the issue lists, so it follows the data module.
    Frfx = Application->CreateForm<TFrfx>();
    Frbianma = Application->CreateForm<TFrbianma>();
    Frdatamodify = Application->CreateForm<TFrdatamodify>();
    Frgw = Application->CreateForm<TFrgw>();
    FrSw = Application->CreateForm<TFrSw>();
    Frbw = Application->CreateForm<TFrbw>();
    Frqw = Application->CreateForm<TFrqw>();
    Frww = Application->CreateForm<TFrww>();
    Frsww = Application->CreateForm<TFrsww>();
    Frtb = Application->CreateForm<TFrtb>();
    Frhelp = Application->CreateForm<TFrhelp>();
}

void ForgetWindows() {
    Frmain = nullptr;
    Data = nullptr;
    FrTjshezhi = nullptr;
    Frfx = nullptr;
    Frbianma = nullptr;
    Frdatamodify = nullptr;
    Frgw = nullptr;
    FrSw = nullptr;
    Frbw = nullptr;
    Frqw = nullptr;
    Frww = nullptr;
    Frsww = nullptr;
    Frtb = nullptr;
    Frhelp = nullptr;
}

int RunProgram() {
    CreateWindows();
    Application->Run();
    return 0;
}

} // namespace zorvy
