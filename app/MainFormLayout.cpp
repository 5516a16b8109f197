// Building the main window: the digit panel and buttons on the left, the banker, advanced and check
// pages below them, the condition pages in the centre and the result list on the right.
#include "app/MainForm.h"
#include "app/RunHost.h"
#include "platform/rtl/IniFiles.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/Timer.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

namespace {

constexpr int RowStep = 25;      // one condition row
constexpr int RowHeight = 21;    // the band a row is centred in; the edits take their font's height
constexpr int GroupTop = 22;     // first row below the group box's caption
constexpr int GroupBottom = 8;   // below the last row
constexpr int ConditionsWide = 484; // the centre pages at the window's design width
constexpr int LeftWide = 330;       // the left pages

template <class T> T* Make(TComponent* owner, TWinControl* parent, const std::string& name) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

template <class T>
T* Put(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
    T* control = Make<T>(owner, parent, name);
    control->SetBounds(left, top, width, height);
    return control;
}

// A memo with its vertical scroll bar, set before the memo has a window: a window made before it keeps
// none.
TMemo* NewMemo(TComponent* owner, TWinControl* parent, const std::string& name) {
    auto* memo = new TMemo(owner);
    memo->SetName(name);
    memo->SetScrollBars(ssVertical);
    memo->SetParent(parent);
    return memo;
}

TTabSheet* AddPage(TComponent* owner, TPageControl* pages, const std::string& name, const std::string& caption) {
    auto* page = new TTabSheet(owner);
    page->SetName(name);
    page->SetPageControl(pages);
    page->SetCaption(caption);
    return page;
}

int FamilySize(int family) {
    int n = 0;
    for (const TConditionInfo& info : ConditionTable())
        n += info.Family == family;
    return n;
}

// The height of a family's group box laid out in columns.
int FamilyHeight(int family, int columns) {
    const int rows = (FamilySize(family) + columns - 1) / columns;
    return GroupTop + rows * RowStep + GroupBottom;
}

// Edits without the long-text hint.
bool WithoutHint(const std::string& stem) {
    for (const char* prefix : {"ww", "sww"}) {
        const std::string p = prefix;
        if (stem.compare(0, p.size(), p) != 0) continue;
        const std::string rest = stem.substr(p.size());
        if (rest.empty() || rest.find_first_not_of("0123456789") != std::string::npos) continue;
        const int kind = std::stoi(rest);
        if (kind >= 1 && kind <= 13) return true;
    }
    return false;
}

} // namespace

TFrmain::TFrmain(TComponent* owner) : TForm(owner), host_(std::make_unique<TRunHost>(*this)) {
    SetName("Frmain");
    SetCaption("Zorvy");
    SetWindowState(wsMaximized);
    SetShowHint(true);
    BuildFrame();
    // Sized with its menu: the controls stand where this size puts them, and smaller, the tool bar and
    // the pages would be cut.
    SetClientWidth(1028);
    SetClientHeight(734);
    GetConstraints()->MinWidth = GetWidth();
    GetConstraints()->MinHeight = GetHeight();
    Pxuanma = Make<TPanel>(this, this, "Pxuanma");
    Pxuanma->SetAlign(alLeft);
    Pxuanma->SetWidth(338);
    Pxuanma->SetCaption("");
    Pxianshi = Make<TPanel>(this, this, "Pxianshi");
    Pxianshi->SetAlign(alRight);
    Pxianshi->SetWidth(192); // the serial of seven digits beside the balls, at this font
    Pxianshi->SetCaption("");
    Ptiaojian = Make<TPanel>(this, this, "Ptiaojian");
    Ptiaojian->SetAlign(alClient);
    Ptiaojian->SetCaption("");
    BuildDigitPanel();
    BuildLeftPages();
    BuildConditionPages();
    BuildResultPanel();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    KeyPreview = true;
    OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
        if (key != VK_ESCAPE || !printing_) return;
        printCancel_ = true;
        key = 0;
    };
}

TFrmain::~TFrmain() = default;

void TFrmain::BuildDigitPanel() {
    Panel3 = Make<TPanel>(this, Pxuanma, "Panel3");
    Panel3->SetAlign(alTop);
    Panel3->SetHeight(232);
    Panel3->SetCaption("");
    auto* title = Put<TLabel>(this, Panel3, "Label1", 8, 8, 60, 17);
    title->SetCaption("选码区");
    title->GetFont()->SetStyle(fsBold);
    Put<TLabel>(this, Panel3, "Label2", 176, 8, 50, 17)->SetCaption("6位选择");
    Allcom = Put<TComboBox>(this, Panel3, "Allcom", 232, 4, 96, 21);
    Allcom->GetItems()->Add("全选");
    Allcom->GetItems()->Add("清除");
    // A fixed list: typed text would select nothing.
    Allcom->SetStyle(csDropDownList);
    Allcom->OnChange = [this](TObject* sender) { AllcomChange(sender); };

    static const char* const rowCaptions[6] = {"个位", "十位", "百位", "千位", "万位", "十万"};
    static const char* const quickItems[9] = {"全选", "清除", "奇数", "偶数", "大数", "小数", "余0", "余1", "余2"};
    for (int position = 0; position < 6; ++position) {
        const int top = 34 + position * 26;
        const std::string prefix = DigitPositionPrefixes[position];
        Put<TLabel>(this, Panel3, "Lbpos" + prefix, 6, top + 4, 32, 17)->SetCaption(rowCaptions[position]);
        for (int digit = 0; digit < 10; ++digit) {
            auto* button = Put<TSpeedButton>(this, Panel3, prefix + std::to_string(digit), 40 + digit * 23, top, 22, 22);
            button->SetCaption(std::to_string(digit));
            button->SetFlat(true);
            button->OnClick = [this, position](TObject* sender) { DigitClick(position, sender); };
            DigitButtons[position][digit] = button;
        }
        auto* com = Put<TComboBox>(this, Panel3, prefix + "com", 274, top, 56, 21);
        com->SetStyle(csDropDownList);
        com->DropDownCount = 9;
        for (const char* item : quickItems)
            com->GetItems()->Add(item);
        com->OnChange = [this, position](TObject*) { PositionComChange(position); };
        PositionComs[position] = com;
    }
    Btfilter = Put<TButton>(this, Panel3, "Btfilter", 8, 196, 96, 28);
    Btfilter->SetCaption("开始过滤");
    Btfilter->OnClick = [this](TObject* sender) { BtfilterClick(sender); };
    Btcance = Put<TButton>(this, Panel3, "Btcance", 112, 196, 96, 28);
    Btcance->SetCaption("取消过滤");
    Btcance->SetEnabled(false);
    Btcance->OnClick = [this](TObject* sender) { BtcanceClick(sender); };
    BtclearTj = Put<TButton>(this, Panel3, "BtclearTj", 216, 196, 114, 28);
    BtclearTj->SetCaption("清除全部条件");
    BtclearTj->OnClick = [this](TObject* sender) { BtclearTjClick(sender); };
}

void TFrmain::BuildLeftPages() {
    PageCanshu = Make<TPageControl>(this, Pxuanma, "PageCanshu");
    PageCanshu->SetAlign(alClient);
    Tabdm = AddPage(this, PageCanshu, "Tabdm", "胆码");
    Tabtb = AddPage(this, PageCanshu, "Tabtb", "高级1过滤");
    TabSheet1 = AddPage(this, PageCanshu, "TabSheet1", "高级2过滤");
    Tabcanshu1 = AddPage(this, PageCanshu, "Tabcanshu1", "检查上期错误");

    auto onBox = [this](TObject* sender) { Tj_danmachkClick(sender); };
    Tj_danmachk = NewConditionCheckBox(this, Tabdm, "Tj_danmachk", "胆码选择", {8, 12, 88, 12 + RowHeight});
    Tj_danmachk->OnClick = onBox;
    Tj_danmaEdit = NewConditionEdit(this, Tabdm, "Tj_danmaEdit", {98, 12, LeftWide - 8, 12 + RowHeight});
    Tj_danmaEdit->GetProperties()->OnButtonClick = [this](TObject*, int) {
        Tj_danmaEditPropertiesButtonClick(Tj_danmaEdit);
    };
    customwzchk = NewConditionCheckBox(this, Tabdm, "customwzchk", "自定位", {8, 40, 88, 40 + RowHeight});
    customwzchk->SetVisible(false);
    customwzchk->OnClick = onBox;

    BuildFamily(cfTb1, Tabtb, {4, 6, LeftWide - 4, 6 + FamilyHeight(cfTb1, 1)}, 1, 110);
    BuildFamily(cfTb2, TabSheet1, {4, 6, LeftWide - 4, 6 + FamilyHeight(cfTb2, 1)}, 1, 110);

    tjcom = Put<TComboBox>(this, Tabcanshu1, "tjcom", 8, 8, 60, 21);
    tjcom->SetVisible(false);
    TJErrochk = NewConditionCheckBox(this, Tabcanshu1, "TJErrochk", "开奖结果检验条件错误位置",
                                     {8, 8, LeftWide - 8, 8 + RowHeight});
    TJErrochk->OnClick = [this](TObject* sender) { TJErrochkClick(sender); };
    MemoJctj = NewMemo(this, Tabcanshu1, "MemoJctj");
    MemoJctj->SetBounds(8, 34, LeftWide - 16, 300);
    MemoJctj->ReadOnly = true;
    display6machk = Put<TRadioButton>(this, Tabcanshu1, "display6machk", 8, 8, 150, RowHeight);
    display6machk->SetCaption("过滤时显示6码值");
    display6machk->SetChecked(true);
    display6machk->SetVisible(false);
}

void TFrmain::BuildConditionPages() {
    PageTabTiaojian = Make<TPageControl>(this, Ptiaojian, "PageTabTiaojian");
    PageTabTiaojian->SetAlign(alClient);
    Tabbm = AddPage(this, PageTabTiaojian, "Tabbm", "6位特征");
    Tabgw = AddPage(this, PageTabTiaojian, "Tabgw", "个位.十位");
    Tabbw = AddPage(this, PageTabTiaojian, "Tabbw", "百位.千位");
    Tabww = AddPage(this, PageTabTiaojian, "Tabww", "万位.十万位");
    struct PageFamilies {
        TTabSheet* page;
        std::vector<int> families;
    };
    const PageFamilies pages[4] = {{Tabbm, {cfBianma1, cfBianma2, cfBianma3}},
                                   {Tabgw, {cfGw, cfSw}},
                                   {Tabbw, {cfBw, cfQw}},
                                   {Tabww, {cfWw, cfSww}}};
    for (const PageFamilies& p : pages) {
        int top = 4;
        for (int family : p.families) {
            const int height = FamilyHeight(family, 2);
            BuildFamily(family, p.page, {4, top, ConditionsWide - 4, top + height}, 2, 104);
            top += height + 4;
        }
    }
}

void TFrmain::BuildFamily(int family, TWinControl* parent, const TRect& area, int columns, int checkWidth) {
    const TFamilyInfo& info = FamilyTable()[family];
    auto* box = NewConditionGroupBox(this, parent, "cxGroupBox" + std::to_string(family + 1),
                                     std::string(info.GroupCaption), area);
    // The family flag: a bare box on the frame line; the run ticks it when a member is ticked.
    FamilyFlags[family] = NewConditionCheckBox(this, box, std::string(info.FlagName), "",
                                               {area.Width() - 27, 0, area.Width() - 8, 17});
    const int rows = (FamilySize(family) + columns - 1) / columns;
    const int columnWidth = (area.Width() - 8) / columns;
    int k = 0;
    for (int i = 0; i < ConditionCount; ++i) {
        const TConditionInfo& condition = ConditionTable()[i];
        if (condition.Family != family) continue;
        const int left = 6 + (k / rows) * columnWidth;
        const int top = GroupTop + (k % rows) * RowStep;
        ++k;
        auto* check = NewConditionCheckBox(this, box, condition.Stem + "chk", condition.Caption,
                                           {left, top, left + checkWidth, top + RowHeight});
        check->OnClick = [this](TObject* sender) { xhtz1chkClick(sender); };
        auto* edit = NewConditionEdit(this, box, condition.Stem + "Edit",
                                      {left + checkWidth + 2, top, left + columnWidth - 8, top + RowHeight});
        if (!WithoutHint(condition.Stem))
            edit->OnMouseMove = [this](TObject* sender, TShiftState shift, int x, int y) {
                xhtz1EditMouseMove(sender, shift, x, y);
            };
        edit->GetProperties()->OnButtonClick = [this, edit, family](TObject*, int) {
            FamilyEditButtonClick(family, edit);
        };
        ConditionChecks[i] = check;
        ConditionEdits[i] = edit;
    }
}

void TFrmain::BuildResultPanel() {
    auto* counts = Make<TPanel>(this, Pxianshi, "Panel2");
    counts->SetAlign(alTop);
    counts->SetHeight(46);
    counts->SetCaption("");
    counts->SetBevelOuter(bvNone);
    Lbzongshu = Put<TLabel>(this, counts, "Lbzongshu", 6, 6, 188, 17);
    Lbzongshu->SetCaption(ZongshuIdleCaption);
    // The count is of six-digit serials the digit panel lets through, not of tickets: the serials from
    // 1000000 up come on top of it, so a run may leave more tickets than it shows.
    Lbzongshu->SetHint("选码区允许的6位号码序号组合数（全选时为全部1107568注）。"
                       "它不是投注数：序号1000000以上的组合另外计算，过滤后的投注数可能比它多。");
    Lbtouzhushu = Put<TLabel>(this, counts, "Lbtouzhushu", 6, 26, 188, 17);
    Lbtouzhushu->SetCaption(TouzhushuIdleCaption);
    Memo1 = NewMemo(this, Pxianshi, "Memo1");
    Memo1->SetAlign(alClient);
}

} // namespace zorvy
