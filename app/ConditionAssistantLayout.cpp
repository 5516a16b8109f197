// Building the condition assistant: the choice area shown at 198 pixels (digits, parity, remainders,
// range, the text and the buttons) and the list panel below it that the list box opens.
#include "app/ConditionAssistant.h"

#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

TConditionEdit* AssistantTarget = nullptr;
TTabSheet* AssistantReturnTab = nullptr;
bool BankerMode = false;
bool AssistantFromAnalysis = false;
bool ConditionPending = false;

namespace {

constexpr int ClientWide = 521;
constexpr int ChoicesWide = 509; // Panel2, centred in the window's width

template <class T>
T* AddControl(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& r) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return control;
}

TPanel* AddPanel(TComponent* owner, TWinControl* parent, const std::string& name, TAlign align, int height) {
    auto* panel = new TPanel(owner);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetAlign(align);
    panel->SetHeight(height);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    return panel;
}

TcxCheckGroup* AddCheckGroup(TComponent* owner, TWinControl* parent, const std::string& name,
                             const std::string& caption, const TRect& r, int columns) {
    auto* group = AddControl<TcxCheckGroup>(owner, parent, name, r);
    group->SetCaption(caption);
    group->GetProperties()->SetColumns(columns);
    return group;
}

TcxComboBox* AddRangeBox(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& r,
                         const std::string& text) {
    auto* box = AddControl<TcxComboBox>(owner, parent, name, r);
    box->GetProperties()->SetDropDownRows(16);
    box->SetText(text);
    box->SetEnabled(false);
    return box;
}

TcxButton* AddButton(TComponent* owner, TWinControl* parent, const std::string& name,
                     const std::string& caption, const TRect& r) {
    auto* button = AddControl<TcxButton>(owner, parent, name, r);
    button->SetCaption(caption);
    return button;
}

} // namespace

TFrTjshezhi::TFrTjshezhi(TComponent* owner) : TForm(owner) {
    SetName("FrTjshezhi");
    SetCaption("条件设置助手");
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    Position = poMainFormCenter;
    SetClientWidth(ClientWide);
    SetClientHeight(AssistantShortHeight);
    Panel1 = AddPanel(this, this, "Panel1", alTop, AssistantShortHeight);
    Panel1->SetBevelOuter(bvRaised);
    Panel2 = AddPanel(this, Panel1, "Panel2", alNone, AssistantShortHeight - 4);
    Panel2->SetBounds((ClientWide - ChoicesWide) / 2, 2, ChoicesWide, AssistantShortHeight - 4);
    BuildChoiceArea();
    BuildListPanel();
    AssistantTarget = nullptr;
    AssistantReturnTab = nullptr;
    OnShow = [this](TObject* sender) { FormShow(sender); };
    // A list left open would stay on the screen without its box.
    OnHide = [this](TObject*) {
        for (TcxComboBox* box : {begincom, Endcom, chushuvcom})
            box->SetDroppedDown(false);
    };
    KeyPreview = true;
    OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
        TWinControl* focused = GetActiveControl();
        auto within = [focused](TWinControl* group) {
            for (TWinControl* c = focused; c; c = c->GetParent())
                if (c == group) return true;
            return false;
        };
        if (key == VK_ESCAPE) {
            // An open list closes first; Escape again closes the assistant.
            for (TcxComboBox* box : {begincom, Endcom, chushuvcom})
                if (box->GetDroppedDown()) return;
            key = 0;
            Bt_cancelClick(this);
        } else if (key == VK_F9 && (within(xuanmaqu) || within(NolianxuGroup))) {
            SetAllItems(within(xuanmaqu) ? xuanmaqu : NolianxuGroup, false);
            key = 0;
        } else if (key == VK_F4 && within(yschk)) {
            SetAllItems(yschk, false);
            key = 0;
        }
    };
}

void TFrTjshezhi::BuildChoiceArea() {
    xuanmchk = AddControl<TRadioButton>(this, Panel2, "xuanmchk", {4, 20, 54, 40});
    xuanmchk->SetCaption("选值");
    xuanmchk->SetEnabled(false);
    xuanmchk->OnClick = [this](TObject* sender) { xuanmchkClick(sender); };
    xuanmaqu = AddCheckGroup(this, Panel2, "xuanmaqu", "条件选码尾区", {56, 2, ChoicesWide - 4, 46}, 11);
    for (int d = 0; d < 10; ++d)
        xuanmaqu->GetProperties()->GetItems()->Add()->SetCaption(std::to_string(d));
    xuanmaqu->SetEnabled(false);
    xuanmaqu->GetProperties()->OnChange = [this](TObject* sender) { xuanmaquPropertiesChange(sender); };

    Jechk = AddControl<TcxRadioGroup>(this, Panel2, "Jechk", {4, 50, 200, 94});
    Jechk->SetCaption("奇偶");
    Jechk->GetProperties()->SetColumns(3);
    for (const char* caption : {"无", "奇", "偶"})
        Jechk->GetProperties()->GetItems()->Add()->SetCaption(caption);
    Jechk->SetItemIndex(0);
    Jechk->SetEnabled(false);
    Jechk->GetProperties()->OnChange = [this](TObject* sender) { JechkPropertiesChange(sender); };
    yschk = AddCheckGroup(this, Panel2, "yschk", "除3余数值", {206, 50, ChoicesWide - 4, 94}, 3);
    for (const char* caption : {"0", "1", "2"})
        yschk->GetProperties()->GetItems()->Add()->SetCaption(caption);
    yschk->SetEnabled(false);
    yschk->GetProperties()->OnChange = [this](TObject* sender) { yschkPropertiesChange(sender); };

    fwchk = NewConditionGroupBox(this, Panel2, "fwchk", "", {4, 98, ChoicesWide - 4, 146});
    fwchk->SetEnabled(false);
    Havechk = NewConditionCheckBox(this, fwchk, "Havechk", "", {10, 18, 30, 40});
    Havechk->OnClick = [this](TObject* sender) { HavechkClick(sender); };
    Havechk->GetProperties()->OnChange = [this](TObject* sender) { HavechkPropertiesChange(sender); };
    begincom = AddRangeBox(this, fwchk, "begincom", {34, 18, 114, 40}, "0");
    begincom->GetProperties()->OnChange = [this](TObject* sender) { begincomPropertiesChange(sender); };
    begincom->OnKeyPress = [this](TObject* sender, char32_t& key) { begincomKeyPress(sender, key); };
    AddControl<TLabel>(this, fwchk, "Label1", {120, 22, 196, 38})->SetCaption("≤连续范围≤");
    Endcom = AddRangeBox(this, fwchk, "Endcom", {200, 18, 280, 40}, "1");
    Endcom->GetProperties()->OnChange = [this](TObject* sender) { EndcomPropertiesChange(sender); };
    Endcom->OnKeyPress = [this](TObject* sender, char32_t& key) { EndcomKeyPress(sender, key); };
    AddControl<TLabel>(this, fwchk, "Label2", {286, 22, 306, 38})->SetCaption("个");
    // On the frame line of the range box, yet its own control: it stays usable while the range is locked.
    NoLianxuchk = AddControl<TCheckBox>(this, Panel2, "NoLianxuchk", {14, 91, 224, 107});
    NoLianxuchk->SetCaption("自选范围(适用除数非3的除数)");
    NoLianxuchk->OnClick = [this](TObject* sender) { NoLianxuchkClick(sender); };

    memobaohan = AddControl<TcxTextEdit>(this, Panel2, "memobaohan", {4, 156, 256, 178});
    memobaohan->OnDblClick = [this](TObject* sender) { memobaohanDblClick(sender); };
    Bt_add = AddButton(this, Panel2, "Bt_add", "确认条件", {262, 152, 342, 180});
    Bt_add->SetDefault(true);
    Bt_add->SetEnabled(false);
    Bt_add->OnClick = [this](TObject* sender) { Bt_addClick(sender); };
    Bt_tjclear = AddButton(this, Panel2, "Bt_tjclear", "清除条件", {346, 152, 426, 180});
    Bt_tjclear->SetEnabled(false);
    Bt_tjclear->OnClick = [this](TObject* sender) { Bt_tjclearClick(sender); };
    Bt_cancel = AddButton(this, Panel2, "Bt_cancel", "取消", {430, 152, ChoicesWide - 4, 180});
    Bt_cancel->Cancel = true;
    Bt_cancel->OnClick = [this](TObject* sender) { Bt_cancelClick(sender); };
    Bt_delete = AddButton(this, Panel2, "Bt_delete", "删除当前行", {262, 152, 342, 180});
    Bt_delete->SetVisible(false);
}

void TFrTjshezhi::BuildListPanel() {
    NoLianxuPanel = AddPanel(this, this, "NoLianxuPanel", alTop, AssistantTallHeight - AssistantShortHeight);
    NoLianxuPanel->SetTop(AssistantShortHeight);
    NoLianxuPanel->SetBevelOuter(bvRaised);
    NoLianxuPanel->SetVisible(false);
    // The blanks in the caption leave room for the divisor box on the frame line.
    NolianxuGroup =
        AddCheckGroup(this, NoLianxuPanel, "NolianxuGroup", "自选范围(要求除数非3的请自选              )",
                      {(ClientWide - ChoicesWide) / 2 + 4, 4, (ClientWide + ChoicesWide) / 2 - 4, 222}, 11);
    chushuvcom = AddControl<TcxComboBox>(this, NoLianxuPanel, "chushuvcom", {236, 0, 296, 21});
    std::vector<std::string> divisors{"无"};
    for (int d = LowestDivisor; d <= HighestDivisor; ++d)
        divisors.push_back(std::to_string(d));
    chushuvcom->GetProperties()->SetItems(divisors);
    chushuvcom->GetProperties()->SetDropDownListStyle(lsFixedList);
    chushuvcom->GetProperties()->SetDropDownRows(static_cast<int>(divisors.size()));
    chushuvcom->SetText("无");
    chushuvcom->GetProperties()->OnChange = [this](TObject* sender) { chushuvcomClick(sender); };
}

} // namespace zorvy
