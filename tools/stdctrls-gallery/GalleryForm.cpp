#include "GalleryForm.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/classlib/stdctrls/Images.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/ListBoxes.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/classlib/stdctrls/Shapes.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/classlib/stdctrls/Splitters.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/classlib/stdctrls/ToolBar.h"

namespace zorvy {
namespace {

template <class T> T* Put(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
    auto* c = new T(owner);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption, TShortCut shortCut = 0) {
    auto* item = new TMenuItem(owner);
    item->Caption = caption;
    item->ShortCut = shortCut;
    parent->Add(item);
    return item;
}

} // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    SetCaption("Zorvy");
    SetBounds(0, 0, 1000, 700);
    SetColor(clBtnFace);

    auto* menu = new TMainMenu(this);
    TMenuItem* scheme = AddItem(this, menu->GetItems(), "方案(&F)");
    AddItem(this, scheme, "保存方案(&S)", ShortCut('S', ssCtrl));
    AddItem(this, scheme, "调用方案(&L)");
    AddItem(this, scheme, "-");
    AddItem(this, scheme, "清除方案");
    TMenuItem* manage = AddItem(this, menu->GetItems(), "管理(&M)");
    AddItem(this, manage, "保存结果");
    AddItem(this, manage, "打印结果");
    AddItem(this, AddItem(this, menu->GetItems(), "数据(&D)"), "维护");
    AddItem(this, AddItem(this, menu->GetItems(), "帮助(&H)"), "帮助文档");
    SetMenu(menu);

    // Tool bar images: coloured tiles with a darker frame.
    auto* images = new TImageList(this);
    images->SetWidth(24);
    images->SetHeight(24);
    for (TColor color : {TColor(0x3070D0), TColor(0x30A040), TColor(0xC06030), TColor(0x2090E0), TColor(0x8040A0)}) {
        TBitmap tile;
        tile.SetSize(24, 24);
        tile.GetCanvas()->GetBrush()->SetColor(color);
        tile.GetCanvas()->GetPen()->SetColor(clBlack);
        tile.GetCanvas()->Rectangle(2, 2, 22, 22);
        images->Add(&tile, nullptr);
    }
    auto* bar = new TToolBar(this);
    bar->SetParent(this);
    bar->SetHeight(46);
    bar->SetButtonWidth(64);
    bar->SetButtonHeight(42);
    bar->SetImages(images);
    bar->SetShowCaptions(true);
    bar->SetDrawingStyle(TTBDrawingStyle::dsGradient);
    int image = 0;
    for (const char* caption : {"调用方案", "保存方案", "-", "保存结果", "打印结果", "数据分析"}) {
        auto* button = new TToolButton(this);
        button->SetParent(bar);
        if (std::string(caption) == "-") {
            button->SetStyle(tbsSeparator);
            continue;
        }
        button->SetCaption(caption);
        button->SetImageIndex(image++);
    }

    auto* status = new TStatusBar(this);
    status->SetParent(this);
    const char* texts[] = {"本次压缩率:12.50%", "本次用时：0秒125毫秒", "当期进度：", ""};
    const int widths[] = {200, 200, 350, 200};
    for (int i = 0; i < 4; ++i) {
        TStatusPanel* panel = status->GetPanels()->Add();
        panel->SetWidth(widths[i]);
        panel->SetText(texts[i]);
    }

    // Left: the digit panel of speed buttons, a radio group and a button group.
    auto* left = new TPanel(this);
    left->SetParent(this);
    left->SetAlign(alLeft);
    left->SetWidth(330);
    left->SetBevelOuter(bvLowered);
    auto* title = Put<TLabel>(this, left, 8, 6, 100, 17);
    title->SetCaption("选码区");
    title->GetFont()->SetStyle(fsBold);
    const char* rows[] = {"个位", "十位", "百位"};
    for (int r = 0; r < 3; ++r) {
        Put<TLabel>(this, left, 8, 32 + r * 26, 30, 17)->SetCaption(rows[r]);
        for (int d = 0; d < 10; ++d) {
            auto* b = Put<TSpeedButton>(this, left, 44 + d * 24, 28 + r * 26, 22, 22);
            b->SetCaption(std::to_string(d));
            b->SetFlat(d % 3 != 0);
        }
    }
    auto* group = Put<TRadioGroup>(this, left, 8, 112, 150, 70);
    group->SetCaption("奇偶");
    group->SetColumns(3);
    for (const char* item : {"无", "奇", "偶"})
        group->GetItems()->Add(item);
    group->SetItemIndex(1);
    auto* buttons = Put<TButtonGroup>(this, left, 166, 112, 150, 150);
    buttons->SetButtonOptions(gboFullSize | gboGroupStyle | gboShowCaptions);
    buttons->SetButtonHeight(36);
    for (const char* caption : {"变码特征", "个位特征", "十位特征", "百位特征"})
        buttons->AddItem(caption);
    buttons->SetItemIndex(1);
    auto* box = Put<TGroupBox>(this, left, 8, 190, 150, 72);
    box->SetCaption("检查");
    Put<TCheckBox>(this, box, 10, 20, 130, 17)->SetCaption("开奖结果检验");
    auto* checked = Put<TCheckBox>(this, box, 10, 42, 130, 17);
    checked->SetCaption("胆码选择");
    checked->SetChecked(true);
    auto* start = Put<TButton>(this, left, 8, 272, 90, 27);
    start->SetCaption("开始过滤");
    start->SetDefault(true);
    auto* cancel = Put<TButton>(this, left, 106, 272, 90, 27);
    cancel->SetCaption("取消过滤");
    cancel->SetEnabled(false);
    auto* ok = Put<TBitBtn>(this, left, 204, 272, 90, 27);
    ok->SetKind(bkOK);
    auto* edit = Put<TEdit>(this, left, 8, 310, 200, 21);
    edit->SetText("bh=1 3 5 /j=1/");
    Put<TRadioButton>(this, left, 8, 340, 120, 17)->SetCaption("过滤时显示6码值");
    auto* quick = Put<TComboBox>(this, left, 216, 310, 102, 21);
    quick->SetStyle(csDropDownList);
    for (const char* item : {"全选", "清除", "奇数", "偶数"})
        quick->GetItems()->Add(item);
    quick->SetItemIndex(2);
    auto* typed = Put<TComboBox>(this, left, 216, 338, 102, 21);
    for (int i = 0; i <= 16; ++i)
        typed->GetItems()->Add(std::to_string(i));
    typed->SetText("16");
    auto* bevel = Put<TBevel>(this, left, 8, 366, 310, 2);
    bevel->SetShape(bsTopLine);
    auto* shape = Put<TShape>(this, left, 8, 376, 60, 40);
    shape->SetShape(stRoundRect);
    shape->GetBrush()->SetColor(TColor(0xE0C080));
    auto* circle = Put<TShape>(this, left, 76, 376, 40, 40);
    circle->SetShape(stCircle);
    circle->GetBrush()->SetColor(TColor(0x4040E0));
    auto* picture = Put<TImage>(this, left, 124, 376, 60, 40);
    TBitmap bitmap;
    bitmap.SetSize(60, 40);
    for (int y = 0; y < 40; ++y) {
        bitmap.GetCanvas()->GetPen()->SetColor(TColor(RGB(static_cast<std::uint8_t>(y * 6), 120, 200)));
        bitmap.GetCanvas()->MoveTo(0, y);
        bitmap.GetCanvas()->LineTo(60, y);
    }
    picture->GetPicture()->SetGraphic(&bitmap);
    auto* files = Put<TListBox>(this, left, 192, 376, 126, 90);
    for (const char* item : {"3月9日8时5分7秒.ini", "3月9日8时6分2秒.ini", "4月1日9时0分0秒.ini", "scheme.ini"})
        files->GetItems()->Add(item);
    files->SetItemIndex(1);

    auto* splitter = new TSplitter(this);
    splitter->SetParent(this);
    splitter->SetLeft(330);
    splitter->SetBeveled(true);

    // Right: the result list.
    auto* right = new TPanel(this);
    right->SetParent(this);
    right->SetAlign(alRight);
    right->SetWidth(200);
    right->SetBevelOuter(bvNone);
    auto* count = Put<TLabel>(this, right, 6, 6, 150, 17);
    count->SetCaption("投注数：1107568");
    auto* memo = new TMemo(this);
    memo->SetParent(right);
    memo->SetBounds(4, 28, 192, 560);
    memo->SetScrollBars(ssVertical);
    std::string line = "02 05 10 27 29 33    ";
    for (int i = 1; i <= 2000; ++i)
        memo->GetLines()->Add(line + std::to_string(i));
    memo->SetTopLine(40);
    memo->SetCaretPos({42, 3});
    memo->SetCaretPos({45, 9}, true);

    // Centre: the condition pages.
    auto* pages = new TPageControl(this);
    pages->SetParent(this);
    pages->SetAlign(alClient);
    for (const char* caption : {"6位特征", "个位.十位", "百位.千位", "万位.十万位"}) {
        auto* sheet = new TTabSheet(this);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    auto* conditions = Put<TGroupBox>(this, pages->GetPage(0), 8, 8, 300, 200);
    conditions->SetCaption("6位特征1");
    const char* names[] = {"6位值", "6位数和", "长度", "同字个数"};
    for (int i = 0; i < 4; ++i) {
        auto* check = Put<TCheckBox>(this, conditions, 10, 24 + i * 28, 90, 17);
        check->SetCaption(names[i]);
        check->SetChecked(i == 1);
        auto* value = Put<TEdit>(this, conditions, 104, 22 + i * 28, 180, 21);
        value->SetEnabled(i == 1);
        if (i == 1) value->SetText("fw1=3/fw2=12/");
    }
}

} // namespace zorvy
