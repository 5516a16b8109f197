// Building the analysis window: the left column (view buttons, range, divisor, remainders, buttons,
// the hidden-columns group) and the two pages on the right that share one place.
#include "app/AnalysisForm.h"

#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/popup/ComboBox.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/gdi/Colors.h"

namespace zorvy {

namespace {

constexpr int LeftWide = 153;
constexpr int ViewButtonHigh = 43;

template <class T>
T* AddLeftControl(TComponent* owner, TWinControl* parent, const std::string& name, int top, int height,
                  int left = 4, int right = LeftWide - 4) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, right - left, height);
    return control;
}

TLabel* AddLeftLabel(TComponent* owner, TWinControl* parent, const std::string& name,
                     const std::string& caption, int top) {
    auto* label = AddLeftControl<TLabel>(owner, parent, name, top, 16);
    label->SetCaption(caption);
    return label;
}

TcxButton* AddLeftButton(TComponent* owner, TWinControl* parent, const std::string& name,
                         const std::string& caption, int top) {
    auto* button = AddLeftControl<TcxButton>(owner, parent, name, top, 25);
    button->SetCaption(caption);
    button->SetEnabled(false);
    return button;
}

TPanel* AddPage(TComponent* owner, TWinControl* parent, const std::string& name) {
    auto* panel = new TPanel(owner);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetAlign(alClient);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    return panel;
}

} // namespace

TFrfx::TFrfx(TComponent* owner) : TForm(owner) {
    SetName("Frfx");
    SetCaption("数据分析");
    SetBorderStyle(bsDialog);
    SetClientWidth(1018);
    SetClientHeight(735);
    GetFont()->SetName("Tahoma");
    GetFont()->SetHeight(-11);
    BuildLeftColumn();
    Panel2 = AddPage(this, this, "Panel2");
    // The trend-table page lies on top until a view is chosen.
    Panel4 = AddPage(this, this, "Panel4");
    Panel4->BringToFront();
    BuildTrendTablePage();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

void TFrfx::BuildLeftColumn() {
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetAlign(alLeft);
    Panel1->SetWidth(LeftWide);
    Panel1->SetCaption("");
    Panel1->SetBevelOuter(bvNone);

    ButtonGroup1 = AddLeftControl<TButtonGroup>(this, Panel1, "ButtonGroup1", 0,
                                                ViewButtonHigh * TrendViewCount, 0, LeftWide);
    ButtonGroup1->SetButtonOptions(gboGroupStyle | gboFullSize | gboShowCaptions);
    ButtonGroup1->SetButtonHeight(ViewButtonHigh);
    for (int view = 0; view < TrendViewCount; ++view)
        ButtonGroup1->AddItem(ViewCaptions[view])->OnClick = [this, view](TObject*) {
            ButtonGroup1ItemClick(view);
        };
    ButtonGroup1->ItemsChanged();
    ButtonGroup1->OnClick = [this](TObject* sender) { ButtonGroup1Click(sender); };

    int top = ViewButtonHigh * TrendViewCount + 6;
    auto issueBox = [&](TLabel*& label, const std::string& labelName, const std::string& caption,
                        const std::string& name) {
        label = AddLeftLabel(this, Panel1, labelName, caption, top);
        auto* box = AddLeftControl<TcxComboBox>(this, Panel1, name, top + 16, 21);
        box->GetProperties()->SetDropDownRows(16);
        top += 42;
        return box;
    };
    startcom = issueBox(Label1, "Label1", "开始期号", "startcom");
    Endcom = issueBox(Label2, "Label2", "开始期号", "Endcom");
    chusvcom = issueBox(Label3, "Label3", "范围除数", "chusvcom");
    std::vector<std::string> divisors;
    for (int d = 1; d <= 16; ++d)
        divisors.push_back(std::to_string(d));
    chusvcom->GetProperties()->SetItems(divisors);
    chusvcom->SetText("16");
    chusvcom->GetProperties()->OnChange = [this](TObject* sender) { chusvcomPropertiesChange(sender); };

    Label4 = AddLeftLabel(this, Panel1, "Label4", "1", top);
    Label5 = AddLeftLabel(this, Panel1, "Label5", "1", top + 16);
    Lbts = AddLeftLabel(this, Panel1, "Lbts", "可以双击表中任意格", top + 32);
    Lbts->SetVisible(false);
    top += 50;
    dataRefresh = AddLeftButton(this, Panel1, "dataRefresh", "数据刷新", top);
    dataRefresh->OnClick = [this](TObject* sender) { dataRefreshClick(sender); };
    top += 29;
    yinchangchk = AddLeftControl<TcxCheckGroup>(this, Panel1, "yinchangchk", top, 44);
    yinchangchk->SetCaption("隐藏栏");
    yinchangchk->GetProperties()->SetColumns(3);
    for (const char* caption : {"期号", "日期", "结果"})
        yinchangchk->GetProperties()->GetItems()->Add()->SetCaption(caption);
    yinchangchk->SetItemState(0, cbsChecked);
    yinchangchk->GetProperties()->OnChange = [this](TObject* sender) { yinchangchkPropertiesChange(sender); };
    top += 48;
    bttjshezhi = AddLeftButton(this, Panel1, "bttjshezhi", "条件设置助手", top);
    bttjshezhi->OnClick = [this](TObject* sender) { bttjshezhiClick(sender); };
    top += 29;
    btNewzoushi = AddLeftButton(this, Panel1, "btNewzoushi", "查看新走势", top);
    btNewzoushi->OnClick = [this](TObject* sender) { btNewzoushiClick(sender); };
    top += 31;
    Lbproblem = AddLeftControl<TLabel>(this, Panel1, "Lbproblem", top, 735 - top - 4);
    Lbproblem->SetWordWrap(true);
    Lbproblem->GetFont()->SetColor(clRed);
    Lbproblem->SetCaption("");
}

} // namespace zorvy
