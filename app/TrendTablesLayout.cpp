// Building the analysis window's trend-table page: the trend table's grid, the option panel on its right
// (buttons, prior values, the mode buttons and their thresholds) and the hidden pattern panel with its
// grid, buttons and code edits.
#include "app/AnalysisForm.h"

#include "app/Program.h"
#include "controls/data/DataSummary.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "data/DataModule.h"
#include "data/TrendMarker.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/db/DataSource.h"

namespace zorvy {

namespace {

constexpr int OptionsWide = 113;
constexpr int PatternWide = 330;
constexpr int ValueColumns = 44;   // Q0 .. Q43: the span view shows 43, the table keeps Q0 .. Q42
constexpr TColor LateCodeColor = 6870007;

template <class T>
T* AddPageControl(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
                  int height) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

template <class T>
T* AddCaptioned(TComponent* owner, TWinControl* parent, const std::string& name, const std::string& caption,
                int left, int top, int width, int height = 18) {
    auto* control = AddPageControl<T>(owner, parent, name, left, top, width, height);
    control->SetCaption(caption);
    return control;
}

TPanel* AddAlignedPanel(TComponent* owner, TWinControl* parent, const std::string& name, TAlign align, int size) {
    auto* panel = new TPanel(owner);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetAlign(align);
    if (align == alRight) panel->SetWidth(size);
    if (align == alBottom) panel->SetHeight(size);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    return panel;
}

std::vector<std::string> ThresholdItems() {
    std::vector<std::string> items;
    for (int v = 0; v <= 100; ++v)
        items.push_back(std::to_string(v));
    for (int step : {100, 1000, 10000})
        for (int v = 2 * step; v <= 9 * step; v += step)
            items.push_back(std::to_string(v));
    return items;
}

TComboBox* AddThreshold(TComponent* owner, TWinControl* parent, const std::string& name, const std::string& text,
                        int left, int top, int width) {
    auto* box = AddPageControl<TComboBox>(owner, parent, name, left, top, width, 20);
    for (const std::string& item : ThresholdItems())
        box->GetItems()->Add(item);
    box->SetText(text);
    return box;
}

TRadioGroup* AddRemainderGroup(TComponent* owner, TWinControl* parent, const std::string& name, int top) {
    auto* group = AddPageControl<TRadioGroup>(owner, parent, name, 4, top, OptionsWide - 8, 34);
    group->SetCaption("");
    group->SetColumns(3);
    for (const char* item : {"0", "1", "2"})
        group->GetItems()->Add(item);
    group->SetItemIndex(0);
    return group;
}

TcxGrid* AddGrid(TComponent* owner, TWinControl* parent, const std::string& name, const std::string& viewName,
                 TcxGridDBTableView*& view) {
    auto* grid = new TcxGrid(owner);
    grid->SetName(name);
    grid->SetParent(parent);
    grid->SetAlign(alClient);
    // The classic raised headers and indicator, as the program's other standard controls look.
    grid->GetLookAndFeel()->SetKind(lfStandard);
    view = static_cast<TcxGridDBTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridDBTableView::StaticClass(), grid, true));
    view->SetName(viewName);
    auto* level = new TcxGridLevel(owner);
    level->SetName(name + "Level1");
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    TcxGridTableOptionsView* options = view->GetOptionsView();
    options->SetGroupByBox(false);
    options->SetFooter(true);
    options->SetColumnAutoWidth(false);
    view->GetOptionsData()->SetEditing(false);
    view->GetOptionsData()->SetInserting(false);
    view->GetOptionsData()->SetDeleting(false);
    view->GetDataController()->GetSummary().SetOptions(soNullIgnore);
    // A column's own content style colours its cells.
    view->GetStyles()->SetOnGetContentStyle(
        [](TcxCustomGridTableView*, TcxCustomGridRecord*, TcxCustomGridTableItem* item, TcxStyle*& style) {
            if (auto* column = dynamic_cast<TcxGridColumn*>(item))
                if (TcxStyle* own = column->GetStyles()->GetContent()) style = own;
        });
    return grid;
}

// A column of a table view bound to field, with its header centred; counted: the footer counts its values.
TcxGridDBColumn* AddColumn(TcxGridDBTableView* view, const std::string& field, const std::string& caption, int width,
                           TcxStyle* content = nullptr, bool counted = true) {
    TcxGridDBColumn* column = view->CreateColumn();
    column->SetName(view->GetName() + field);
    column->GetDataBinding()->SetFieldName(field);
    column->SetCaption(caption);
    // A width equal to the unbound default would not count as chosen and would follow the field once bound.
    column->SetWidth(width + 1);
    column->SetWidth(width);
    column->SetHeaderAlignmentHorz(taCenter);
    if (counted) column->GetSummary()->SetFooterKind(skCount);
    if (content) column->GetStyles()->SetContent(content);
    return column;
}

// The pattern columns in the order the tables show them: bg1 .. bg7, then bg0; the last four coloured.
void AddPatternColumns(TcxGridDBTableView* view, int width, TcxStyle* late) {
    for (int k : {1, 2, 3, 4, 5, 6, 7, 0})
        AddColumn(view, ColumnName("bg", k), ColumnName("bg", k), width, k >= 5 || k == 0 ? late : nullptr);
}

} // namespace

void TFrfx::BuildTrendTablePage() {
    cxStyle1 = new TcxStyle(this);
    cxStyle1->SetName("cxStyle1");
    cxStyle2 = new TcxStyle(this);
    cxStyle2->SetName("cxStyle2");
    cxStyle3 = new TcxStyle(this);
    cxStyle3->SetName("cxStyle3");
    cxStyle3->SetColor(LateCodeColor);

    // The option panel and the pattern panel lie right of the trend table's grid.
    Panel7 = AddAlignedPanel(this, Panel4, "Panel7", alRight, OptionsWide);
    Panel8 = AddAlignedPanel(this, Panel4, "Panel8", alRight, PatternWide);
    Panel8->SetVisible(false);
    cxGrid1 = AddGrid(this, Panel4, "cxGrid1", "cxGrid1DBTableView1", cxGrid1DBTableView1);
    // Each grid lays itself out once it is whole, not after each of its columns and footer summaries.
    cxGrid1->BeginUpdate();
    cxGrid1DBTableView1->GetOptionsView()->SetIndicator(true);
    AddColumn(cxGrid1DBTableView1, "Qh", "Qh", 50);
    for (int k = 0; k < ValueColumns; ++k)
        AddColumn(cxGrid1DBTableView1, ColumnName("Q", k), std::to_string(k), 23);
    AddPatternColumns(cxGrid1DBTableView1, 28, cxStyle3);
    if (Data) cxGrid1DBTableView1->GetDataController()->SetDataSource(Data->Ds_xxtoxx);
    cxGrid1->EndUpdate();
    if (TcxControl* site = cxGrid1DBTableView1->GetSite())
        site->OnDblClick = [this](TObject* sender) { cxGrid1DBTableView1DblClick(sender); };

    // ---- Panel7: the options ----
    const int wide = OptionsWide - 8;
    const int half = wide / 2;
    Label13 = AddCaptioned<TLabel>(this, Panel7, "Label13", "重:隔0期 热:隔1-3期\r\n温:隔4-8期 冷:隔9期", 4, 4, wide, 28);
    Label13->SetWordWrap(true);
    Label14 = AddCaptioned<TLabel>(this, Panel7, "Label14", "", 4, 34, wide, 84);
    Label14->SetWordWrap(true);
    int top = 120;
    Btclear = AddCaptioned<TButton>(this, Panel7, "Btclear", "清空", 4, top, half - 1, 22);
    Btclear->OnClick = [this](TObject* sender) { BtclearClick(sender); };
    BtJs = AddCaptioned<TButton>(this, Panel7, "BtJs", "建表", 4 + half, top, half, 22);
    BtJs->SetEnabled(false);
    BtJs->OnClick = [this](TObject* sender) { BtJsClick(sender); };
    top += 24;
    BitBtn2 = AddCaptioned<TBitBtn>(this, Panel7, "BitBtn2", "计算", 4, top, half - 1, 22);
    BitBtn2->OnClick = [this](TObject* sender) { BitBtn2Click(sender); };
    BitBtn3 = AddCaptioned<TBitBtn>(this, Panel7, "BitBtn3", "取消", 4 + half, top, half, 22);
    BitBtn3->OnClick = [this](TObject* sender) { BitBtn3Click(sender); };
    top += 24;
    BitBtn1 = AddCaptioned<TBitBtn>(this, Panel7, "BitBtn1", "关闭", 4, top, half - 1, 22);
    BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
    top += 26;
    CheckBox1 = AddCaptioned<TCheckBox>(this, Panel7, "CheckBox1", "初始化", 4, top, half);
    CheckBox2 = AddCaptioned<TCheckBox>(this, Panel7, "CheckBox2", "显序号", 4 + half, top, half);
    CheckBox2->SetChecked(true);
    top += 20;

    GroupBox1 = AddCaptioned<TGroupBox>(this, Panel7, "GroupBox1", "", 4, top, wide, 104);
    static constexpr const char* shTexts[5] = {"1", "0", "0", "0", "0"};
    for (int i = 0; i < 5; ++i) {
        const std::string number = std::to_string(i + 1);
        Qian[i] = AddCaptioned<TCheckBox>(this, GroupBox1, "Qian" + number, "前值" + number, 6, 8 + i * 19, 56);
        Qian[i]->SetChecked(i < 2);
        sh[i] = AddPageControl<TEdit>(this, GroupBox1, "sh" + number, 64, 7 + i * 19, 34, 18);
        sh[i]->SetText(shTexts[i]);
    }
    top += 108;

    // The mode buttons share Panel7 as parent, so that choosing one clears the others.
    auto mode = [&](TRadioButton*& button, const std::string& name, const std::string& caption, int width) {
        button = AddCaptioned<TRadioButton>(this, Panel7, name, caption, 4, top, width);
        top += 19;
    };
    mode(shuzhichk, "shuzhichk", "历期值", wide);
    mode(yushuchk, "yushuchk", "除数值", 60);
    ysvcom = AddPageControl<TComboBox>(this, Panel7, "ysvcom", 66, top - 20, wide - 62, 20);
    ysvcom->SetStyle(csDropDownList);
    for (int d = 2; d <= 9; ++d)
        ysvcom->GetItems()->Add(std::to_string(d));
    ysvcom->SetItemIndex(1);
    top += 2;
    mode(JIouchk, "JIouchk", "奇偶", wide);
    mode(RwLchk, "RwLchk", "热温", wide);
    mode(NewRwLchk, "NewRwLchk", "新值热温", wide);
    mode(kuaduchk, "kuaduchk", "跨度", wide);
    mode(zuoyouchk1, "zuoyouchk1", "左右", 48);
    zychk = AddCaptioned<TCheckBox>(this, Panel7, "zychk", "", 54, top - 19, 16);
    zycom = AddThreshold(this, Panel7, "zycom", "5", 70, top - 20, wide - 66);
    top += 2;
    mode(sx3qidxchk, "sx3qidxchk", "上下3期大小", wide);
    bxcom = AddThreshold(this, Panel7, "bxcom", "0", 4, top, 34);
    Label15 = AddCaptioned<TLabel>(this, Panel7, "Label15", "≤小＜", 40, top + 3, 32, 16);
    bdcom = AddThreshold(this, Panel7, "bdcom", "5", 72, top, wide - 68);
    top += 23;
    mode(sx3qijechk, "sx3qijechk", "上下3期奇偶", wide);
    mode(sx3qyschk, "sx3qyschk", "上下3期余数", wide);
    Rad012 = AddRemainderGroup(this, Panel7, "Rad012", top);
    top += 36;
    mode(sx3qiatchk, "sx3qiatchk", "上下3期凹凸", wide);
    sx3qiatchk->SetHint("0：平或低偏\r\n1：升\r\n2：降\r\n3：左凹\r\n4：右凹\r\n5：左凸\r\n6：右凸\r\n7：高偏");
    sx3qiatchk->SetShowHint(true);
    mode(sx6qijechk, "sx6qijechk", "上下6期奇偶", wide);
    mode(sx6qiyschk, "sx6qiyschk", "上下6期余数", wide);
    t2chk = AddCaptioned<TCheckBox>(this, Panel7, "t2chk", "", 4, top, wide);
    top += 19;
    sx6Rad012 = AddRemainderGroup(this, Panel7, "sx6Rad012", top);

    sx3qijechk->SetChecked(true);
    kuaduchk->OnClick = [this](TObject* sender) { kuaduchkClick(sender); };
    zuoyouchk1->OnClick = [this](TObject* sender) { zuoyouchk1Click(sender); };
    RwLchk->OnClick = [this](TObject* sender) { RwLchkClick(sender); };
    for (TRadioButton* button : {shuzhichk, yushuchk, JIouchk, NewRwLchk})
        button->OnClick = [this](TObject* sender) { PriorValueModeClick(sender); };
    zycom->OnMouseEnter = [this](TObject* sender) { zycomMouseEnter(sender); };
    bdcom->OnMouseEnter = [this](TObject* sender) { bdcomMouseEnter(sender); };

    // ---- Panel8: the pattern table ----
    Panel9 = AddAlignedPanel(this, Panel8, "Panel9", alBottom, 196);
    cxGrid2 = AddGrid(this, Panel8, "cxGrid2", "cxGridDBTableView1", cxGridDBTableView1);
    cxGrid2->BeginUpdate();
    AddColumn(cxGridDBTableView1, "qh", "qh", 64, nullptr, false);
    AddPatternColumns(cxGridDBTableView1, 27, cxStyle3);
    if (Data) cxGridDBTableView1->GetDataController()->SetDataSource(Data->ds_bgzoushitb);
    cxGrid2->EndUpdate();
    cxGridDBTableView1->OnCellDblClick = [this](TcxCustomGridTableView*, TcxGridTableDataCellViewInfo* cell,
                                                TMouseButton, TShiftState, bool& handled) {
        cxGridDBTableView1->GetDataController()->SetFocusedRecordIndex(cell->GetGridRecord()->GetRecordIndex());
        cxGridDBTableView1CellDblClick(cxGridDBTableView1);
        handled = true;
    };

    const int buttonWide = 62;
    BitBtn5 = AddCaptioned<TBitBtn>(this, Panel9, "BitBtn5", "清空", 4, 4, buttonWide, 22);
    BitBtn5->OnClick = [this](TObject* sender) { BitBtn5Click(sender); };
    BitBtn4 = AddCaptioned<TBitBtn>(this, Panel9, "BitBtn4", "建表", 70, 4, buttonWide, 22);
    BitBtn4->SetEnabled(false);
    BitBtn4->OnClick = [this](TObject* sender) { BitBtn4Click(sender); };
    CheckBox3 = AddCaptioned<TCheckBox>(this, Panel9, "CheckBox3", "初始化", 136, 6, 64);
    BitBtn6 = AddCaptioned<TBitBtn>(this, Panel9, "BitBtn6", "取消", 4, 28, buttonWide, 22);
    BitBtn6->OnClick = [this](TObject* sender) { BitBtn6Click(sender); };
    BitBtn7 = AddCaptioned<TBitBtn>(this, Panel9, "BitBtn7", "关闭", 70, 28, buttonWide, 22);
    BitBtn7->OnClick = [this](TObject* sender) { BitBtn7Click(sender); };
    Button1 = AddCaptioned<TButton>(this, Panel9, "Button1", "再次计算", 136, 28, 80, 22);
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };

    GroupBox2 = AddCaptioned<TGroupBox>(this, Panel9, "GroupBox2", "", 4, 54, PatternWide - 8, 136);
    for (int i = 0; i < PatternPriorCount; ++i) {
        const std::string number = std::to_string(i + 1);
        const int left = 6 + (i / 5) * 106;
        const int row = 10 + (i % 5) * 24;
        zhi[i] = AddCaptioned<TCheckBox>(this, GroupBox2, "zhi" + number, "前值" + number, left, row + 1, 62);
        zhi[i]->SetChecked(i < 2);
        zh[i] = AddPageControl<TEdit>(this, GroupBox2, "zh" + number, left + 64, row, 24, 20);
        zh[i]->SetMaxLength(1);
        zh[i]->SetText(i == 0 ? "1" : "0");
        zh[i]->OnKeyPress = [this](TObject* sender, char32_t& key) { zh1KeyPress(sender, key); };
    }
}

} // namespace zorvy
