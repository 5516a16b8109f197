// The main window's side of the condition assistant: the edit buttons that open it, and the run that
// waits while a choice made there has not been added.
#include "app/ConditionAssistant.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/stdctrls/PageControl.h"

namespace zorvy {

namespace {

void OpenAssistant(TObject* edit, TTabSheet* tab, bool banker) {
    if (!FrTjshezhi) return;
    bool flag1 = false, flag2 = banker, flag3 = false, flag4 = banker, flag5 = banker;
    FrTjshezhi->TJButtonClick(flag1, flag2, flag3, flag4, flag5, tab, edit);
    // Only an opening that took the edit turns the digits into banker digits.
    if (banker && AssistantTarget == edit) BankerMode = true;
}

} // namespace

void TFrmain::xhtz1EditPropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabbm, false);
}

void TFrmain::gw1EditPropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabgw, false);
}

void TFrmain::cxButtonEdit23PropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabbw, false);
}

void TFrmain::ww1EditPropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabww, false);
}

void TFrmain::tb1EditPropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabtb, false);
}

void TFrmain::Tj_danmaEditPropertiesButtonClick(TObject* edit) {
    OpenAssistant(edit, Tabdm, true);
}

void TFrmain::FamilyEditButtonClick(int family, TObject* edit) {
    switch (family) {
    case cfBianma1:
    case cfBianma2:
    case cfBianma3:
        xhtz1EditPropertiesButtonClick(edit);
        break;
    case cfGw:
    case cfSw:
        gw1EditPropertiesButtonClick(edit);
        break;
    case cfBw:
    case cfQw:
        cxButtonEdit23PropertiesButtonClick(edit);
        break;
    case cfWw:
    case cfSww:
        ww1EditPropertiesButtonClick(edit);
        break;
    default: // both advanced families return to the first advanced page
        tb1EditPropertiesButtonClick(edit);
        break;
    }
}

bool TFrmain::RefusePendingCondition() {
    if (!ConditionPending) return false;
    MessageDlg(PendingConditionMessage, mtWarning, MsgDlgButtons({mbOK}));
    // The page the choice belongs to, in whichever page control holds it.
    if (AssistantReturnTab && AssistantReturnTab->GetPageControl())
        AssistantReturnTab->GetPageControl()->SetActivePage(AssistantReturnTab);
    return true;
}

} // namespace zorvy
