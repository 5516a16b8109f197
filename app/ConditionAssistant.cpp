// The condition assistant at work: opening on an edit, reading a text into the controls, the controls'
// handlers, and adding the rebuilt text to the edit.
#include "app/ConditionAssistant.h"

#include "app/AnalysisForm.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace zorvy {

namespace {

constexpr int RangeListBase = 500; // the lists copied from the main window end here

bool IsChecked(const TcxCheckGroup* group, int index) {
    return index < group->GetButtonCount() && group->GetItemState(index) == cbsChecked;
}

} // namespace

// ---- Opening and reading ----

void TFrTjshezhi::TJButtonClick(bool&, bool& flag2, bool&, bool& flag4, bool&, TTabSheet* tab,
                                TObject* edit) {
    auto* target = dynamic_cast<TConditionEdit*>(edit);
    if (!target) throw EInvalidCast("条件设置助手只能为条件输入框打开");
    const std::string text = target->GetText();
    TConditionChoices choices;
    try {
        choices = ReadConditionChoices(text);
    } catch (const EConvertError& e) {
        SayUnreadable(text, e.Message());
        return;
    }
    Show();
    NoLianxuchk->SetEnabled(true);
    xuanmchk->SetEnabled(false);
    xuanmaqu->SetEnabled(false);
    // A banker opening sets the mode again after this; any other writes the digits as "bh=".
    BankerMode = false;
    Bt_tjclearClick(this);
    AssistantTarget = target;
    memobaohan->SetText(text);
    if (!text.empty()) ShowChoices(choices);
    AssistantReturnTab = tab;
    Bt_add->SetEnabled(true);
    Bt_tjclear->SetEnabled(true);
    if (begincom->GetProperties()->GetItems().empty() && Frmain) {
        std::vector<std::string> items;
        TStringList* source = Frmain->tjcom->GetItems();
        for (int i = 0; i < source->GetCount(); ++i)
            items.push_back(source->Get(i));
        begincom->GetProperties()->SetItems(items);
        Endcom->GetProperties()->SetItems(items);
    }
    if (flag2) {
        xuanmchk->SetEnabled(true);
        xuanmchk->SetChecked(true);
        xuanmchkClick(xuanmchk);
        xuanmaqu->SetEnabled(true);
    }
    if (flag4) {
        Jechk->SetEnabled(false);
        yschk->SetEnabled(false);
        fwchk->SetEnabled(false);
        xuanmaqu->SetEnabled(true);
    } else {
        Jechk->SetEnabled(true);
        yschk->SetEnabled(true);
        fwchk->SetEnabled(true);
        Havechk->SetEnabled(true);
    }
}

bool TFrTjshezhi::tjstrTocheck() {
    const std::string text = memobaohan->GetText();
    TConditionChoices choices;
    try {
        choices = ReadConditionChoices(text);
    } catch (const EConvertError& e) {
        SayUnreadable(text, e.Message());
        return false;
    }
    // The controls show this text and nothing of what they held before.
    Bt_tjclearClick(this);
    memobaohan->SetText(text);
    ShowChoices(choices);
    return true;
}

void TFrTjshezhi::SayUnreadable(const std::string& text, const std::string& reason) {
    MessageDlg("条件文字“" + text + "”读不出来：" + reason + "。\n\n条件没有改动；请先改正条件文字。",
               mtWarning, MsgDlgButtons({mbOK}));
}

TConditionChoices TFrTjshezhi::Choices() const {
    TConditionChoices choices;
    choices.DigitsOn = xuanmchk->GetChecked();
    for (int d = 0; d < 10; ++d)
        choices.Digits[d] = IsChecked(xuanmaqu, d);
    choices.Banker = BankerMode;
    choices.Parity = std::max(0, Jechk->GetItemIndex());
    for (int k = 0; k < 3; ++k)
        choices.Remainders[k] = IsChecked(yschk, k);
    choices.RangeOn = Havechk->GetChecked();
    choices.RangeLow = begincom->GetText();
    choices.RangeHigh = Endcom->GetText();
    choices.ListOn = NoLianxuchk->GetChecked();
    int divisor = 0;
    choices.Divisor = TryStrToInt(chushuvcom->GetText(), divisor) ? divisor : 0;
    for (int v = 0; v < ListValueCount; ++v)
        choices.Values[v] = IsChecked(NolianxuGroup, v);
    return choices;
}

void TFrTjshezhi::ShowChoices(const TConditionChoices& choices) {
    Jechk->SetItemIndex(choices.Parity);
    for (int k = 0; k < 3; ++k)
        yschk->SetItemState(k, choices.Remainders[k] ? cbsChecked : cbsUnchecked);
    if (choices.RangeOn) {
        Havechk->SetChecked(true);
        Endcom->SetText(choices.RangeHigh);
        begincom->SetText(choices.RangeLow);
    } else {
        Havechk->SetChecked(false);
        Endcom->SetText("1");
        begincom->SetText("0");
    }
    if (choices.DigitsOn) {
        xuanmchk->SetChecked(true);
        if (choices.Banker) BankerMode = true;
        for (int d = 0; d < 10; ++d)
            xuanmaqu->SetItemState(d, choices.Digits[d] ? cbsChecked : cbsUnchecked);
    }
    if (!choices.ListOn) return;
    NoLianxuchk->SetChecked(true);
    chushuvcom->SetText(choices.Divisor ? std::to_string(choices.Divisor) : "无");
    for (int v = 0; v < ListValueCount; ++v)
        if (choices.Values[v]) NolianxuGroup->SetItemState(v, cbsChecked);
}

// ---- Adding, clearing, closing ----

void TFrTjshezhi::Bt_addClick(TObject*) {
    const TConditionChoices choices = Choices();
    int low = 0, high = 0;
    if (choices.RangeOn && (!RangeValue(begincom, low) || !RangeValue(Endcom, high))) {
        MessageDlg("连续范围的两个框里都要填不小于0的整数。", mtWarning, MsgDlgButtons({mbOK}));
        return;
    }
    const std::string text = BuildConditionText(choices, BankerMode);
    if (AssistantTarget) AssistantTarget->SetText(text);
    memobaohan->SetText(text);
    if (AssistantFromAnalysis) {
        const std::string name = AssistantTarget ? AssistantTarget->GetName() : std::string();
        if (Frmain && name.size() > 4)
            if (auto* box = dynamic_cast<TConditionCheckBox*>(
                    Frmain->FindComponent(name.substr(0, name.size() - 4) + "chk")))
                box->SetChecked(true);
        Close();
        AssistantFromAnalysis = false;
        // The analysis window offers the assistant again once another feature is chosen.
        if (Frfx) Frfx->bttjshezhi->SetEnabled(false);
    } else {
        BankerMode = false;
        Close();
    }
    ConditionPending = false;
    SetClientHeight(AssistantShortHeight);
}

void TFrTjshezhi::Bt_tjclearClick(TObject*) {
    xuanmchk->SetChecked(false);
    NoLianxuchk->SetChecked(false);
    chushuvcom->SetText("无");
    memobaohan->SetText("");
    begincom->SetText("0");
    Havechk->SetChecked(false);
    Endcom->SetText("1");
    Jechk->SetItemIndex(0);
    SetAllItems(yschk, false);
    SetAllItems(xuanmaqu, false);
}

void TFrTjshezhi::Bt_cancelClick(TObject*) {
    // Nothing is added: no choice waits any more, and the next opening starts from its own edit.
    ConditionPending = false;
    BankerMode = false;
    AssistantFromAnalysis = false;
    Close();
    SetClientHeight(AssistantShortHeight);
}

void TFrTjshezhi::FormShow(TObject*) {
    Panel2->SetLeft((Panel1->GetWidth() - Panel2->GetWidth()) / 2);
    SetClientHeight(AssistantShortHeight);
}

void TFrTjshezhi::SetAllItems(TcxCheckGroup* group, bool checked) {
    for (int i = 0; i < group->GetButtonCount(); ++i)
        group->SetItemState(i, checked ? cbsChecked : cbsUnchecked);
}

// ---- Digits, list and divisor ----

void TFrTjshezhi::xuanmchkClick(TObject*) {
    xuanmaqu->SetEnabled(true);
    TcxButtonGroupItems* items = xuanmaqu->GetProperties()->GetItems();
    xuanmaqu->GetProperties()->BeginChanges();
    for (int d = 0; d < items->GetCount(); ++d) {
        items->ItemAt(d)->SetCaption(std::to_string(d));
        items->ItemAt(d)->SetEnabled(xuanmchk->GetChecked());
    }
    xuanmaqu->GetProperties()->EndChanges();
}

void TFrTjshezhi::NoLianxuchkClick(TObject*) {
    const bool open = NoLianxuchk->GetChecked();
    SetClientHeight(open ? AssistantTallHeight : AssistantShortHeight);
    TcxCheckGroupItems* items = NolianxuGroup->GetProperties()->GetItems();
    if (items->GetCount() == 0) {
        NolianxuGroup->GetProperties()->BeginChanges();
        for (int v = 0; v < ListValueCount; ++v)
            items->Add()->SetCaption(std::to_string(v));
        NolianxuGroup->GetProperties()->EndChanges();
    }
    SetAllItems(NolianxuGroup, false);
    NoLianxuPanel->SetVisible(open);
    // Back to "无": every value is offered again, also those an earlier divisor had locked.
    if (chushuvcom->GetText() == "无")
        chushuvcomClick(chushuvcom);
    else
        chushuvcom->SetText("无");
}

void TFrTjshezhi::chushuvcomClick(TObject*) {
    TcxButtonGroupItems* items = NolianxuGroup->GetProperties()->GetItems();
    int divisor = 0;
    const bool any = !TryStrToInt(chushuvcom->GetText(), divisor);
    SetAllItems(NolianxuGroup, false);
    // One change for all 55 values: each change by itself lays out every button of the group again.
    NolianxuGroup->GetProperties()->BeginChanges();
    for (int v = 0; v < items->GetCount(); ++v)
        items->ItemAt(v)->SetEnabled(any || v < divisor);
    NolianxuGroup->GetProperties()->EndChanges();
}

// ---- Range ----

bool TFrTjshezhi::RangeValue(TcxComboBox* box, int& value) const {
    const std::string text = box->GetText();
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos &&
           TryStrToInt(text, value);
}

void TFrTjshezhi::HavechkClick(TObject*) {
    begincom->SetEnabled(Havechk->GetChecked());
    Endcom->SetEnabled(Havechk->GetChecked());
}

void TFrTjshezhi::HavechkPropertiesChange(TObject* sender) {
    HavechkClick(sender);
    if (Havechk->GetChecked()) ConditionPending = true;
}

void TFrTjshezhi::begincomPropertiesChange(TObject*) {
    int low = 0, high = 0;
    if (RangeValue(begincom, low) && RangeValue(Endcom, high) && high < low)
        Endcom->SetText(begincom->GetText());
}

void TFrTjshezhi::EndcomPropertiesChange(TObject*) {
    int low = 0, high = 0;
    if (RangeValue(begincom, low) && RangeValue(Endcom, high) && high < low)
        begincom->SetText(Endcom->GetText());
}

void TFrTjshezhi::ExtendRangeLists(int from, int to) {
    to = std::min(to, RangeListTop);
    std::vector<int> values;
    for (const std::string& item : begincom->GetProperties()->GetItems()) {
        int v = 0;
        if (TryStrToInt(item, v)) values.push_back(v);
    }
    for (int v = from; v <= to; ++v)
        values.push_back(v);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::vector<std::string> items;
    items.reserve(values.size());
    for (int v : values)
        items.push_back(std::to_string(v));
    // The texts stay: a new list changes what drops down, not what was typed.
    const std::string low = begincom->GetText(), high = Endcom->GetText();
    begincom->GetProperties()->SetItems(items);
    Endcom->GetProperties()->SetItems(items);
    if (begincom->GetText() != low) begincom->SetText(low);
    if (Endcom->GetText() != high) Endcom->SetText(high);
}

void TFrTjshezhi::begincomKeyPress(TObject*, char32_t& key) {
    if (key == '\r') {
        int low = 0, high = 0;
        if (!RangeValue(begincom, low) || low <= RangeListBase) return;
        ExtendRangeLists(low, RangeListTop);
        if (RangeValue(Endcom, high) && high < low) Endcom->SetText(begincom->GetText());
        return;
    }
    if (key >= 32 && (key < '0' || key > '9')) key = 0;
}

void TFrTjshezhi::EndcomKeyPress(TObject*, char32_t& key) {
    if (key == '\r') {
        int low = 0, high = 0;
        if (!RangeValue(Endcom, high) || high <= RangeListBase) return;
        ExtendRangeLists(RangeListBase + 1, high);
        if (RangeValue(begincom, low) && high < low) begincom->SetText(Endcom->GetText());
        return;
    }
    if (key >= 32 && (key < '0' || key > '9')) key = 0;
}

// ---- The pending choice ----

void TFrTjshezhi::xuanmaquPropertiesChange(TObject*) {
    ConditionPending = true;
}

void TFrTjshezhi::JechkPropertiesChange(TObject*) {
    ConditionPending = true;
}

void TFrTjshezhi::yschkPropertiesChange(TObject*) {
    ConditionPending = true;
}

void TFrTjshezhi::memobaohanDblClick(TObject*) {
    tjstrTocheck();
}

} // namespace zorvy
