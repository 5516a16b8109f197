#include "app/HelpForm.h"

#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

const char* const HelpText =
    "Zorvy 帮你从全部 1107568 注红球组合里，筛出符合你所定条件的投注。\n"
    "\n"
    "一、选码区（左上）\n"
    "六行按钮对应号码序号的个位到十万位，按下的数字表示这一位允许出现。每行右边的下拉框可以一次选好："
    "全选、清除、奇数、偶数、大数、小数、余0、余1、余2；下拉框显示这一行现在的选择，不属于其中任何一种时为空。"
    "“6位选择”可以全选或全部清除。\n"
    "\n"
    "二、条件区（中间和左下）\n"
    "“6位特征”“个位.十位”“百位.千位”“万位.十万位”四页和“高级1过滤”“高级2过滤”两页共有166个条件。"
    "勾选条件后，右边的输入框才能填写内容：\n"
    "  j=1/ ：只要奇数\n"
    "  j=0/ ：只要偶数\n"
    "  y=0/y=2/ ：除以3余0或余2\n"
    "  fw1=2/fw2=5/ ：取值在2到5之间\n"
    "  xfw= 1 3 5 / ：只要这几个值\n"
    "内容为空的条件在过滤时自动取消勾选；写错的内容在过滤前指出。“胆码”页的“胆码选择”填写 dm= 后跟胆码。\n"
    "也可以按输入框右边的“…”按钮，在“条件设置助手”里勾选奇偶、余数、范围和自选值，按“确认条件”写入输入框；"
    "按“取消”或 Esc 不改动输入框。助手里选了却没有确认的条件，会让“开始过滤”先提醒你添加。\n"
    "\n"
    "三、过滤\n"
    "按“开始过滤”，右边列出留下的投注，每行是六个红球和号码序号；上方显示选码组合数和投注数，"
    "状态栏显示压缩率和用时。过滤中可以按“取消过滤”停下，已经得到的结果保留。\n"
    "\n"
    "四、检查上期错误\n"
    "在“检查上期错误”页勾选“开奖结果检验条件错误位置”，选码区按上期开奖号码选好；过滤时把排除了上期号码的条件"
    "列在下面，便于修改条件。上期开奖号码保存在设置文件里。\n"
    "\n"
    "五、其他\n"
    "窗口标题显示离本期停止售票（每周二、四、日 20:00）还有多久。开奖数据保存在本机的数据库里，"
    "设置保存在 ~/.config/zorvy/setup.ini。按 Esc 关闭本窗口。\n";

TFrhelp::TFrhelp(TComponent* owner) : TForm(owner) {
    SetName("Frhelp");
    SetCaption("帮助");
    SetBorderStyle(bsDialog);
    Position = poMainFormCenter;
    SetClientWidth(483);
    SetClientHeight(490);
    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetScrollBars(ssVertical); // before the memo has a window, which takes it then
    Memo1->SetWordWrap(true);
    Memo1->SetParent(this);
    Memo1->SetAlign(alClient);
    Memo1->ReadOnly = true;
    Memo1->GetLines()->SetText(HelpText);
    KeyPreview = true;
    OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
        if (key != VK_ESCAPE) return;
        key = 0;
        Close();
    };
}

} // namespace zorvy
