#include "app/HelpForm.h"

#include "platform/classlib/stdctrls/Memo.h"

namespace zorvy {

const char* const HelpText =
    "Zorvy 帮你从全部 1107568 注红球组合里，\n"
    "筛出符合你所定条件的投注。\n"
    "\n"
    "一、选码区（左上）\n"
    "六行按钮对应号码序号的个位到十万位，按下的\n"
    "数字表示这一位允许出现。每行右边的下拉框可以\n"
    "一次选好：全选、清除、奇数、偶数、大数、小数、\n"
    "余0、余1、余2。“6位选择”可以全选或全部清除。\n"
    "\n"
    "二、条件区（中间和左下）\n"
    "“6位特征”“个位.十位”“百位.千位”“万位.十万位”\n"
    "四页和“高级1过滤”“高级2过滤”两页共有166个\n"
    "条件。勾选条件后，右边的输入框才能填写内容：\n"
    "  j=1/ ：只要奇数\n"
    "  j=0/ ：只要偶数\n"
    "  y=0/y=2/ ：除以3余0或余2\n"
    "  fw1=2/fw2=5/ ：取值在2到5之间\n"
    "  xfw= 1 3 5 / ：只要这几个值\n"
    "内容为空的条件在过滤时自动取消勾选。\n"
    "“胆码”页的“胆码选择”填写 dm= 后跟胆码。\n"
    "\n"
    "三、过滤\n"
    "按“开始过滤”，右边列出留下的投注，每行是六个\n"
    "红球和号码序号；上方显示总注数和投注数，状态栏\n"
    "显示压缩率和用时。过滤中可以按“取消过滤”停下，\n"
    "已经得到的结果保留。\n"
    "\n"
    "四、检查上期错误\n"
    "在“检查上期错误”页勾选“开奖结果检验条件错误\n"
    "位置”，选码区按上期开奖号码选好；过滤时把排除\n"
    "了上期号码的条件列在下面，便于修改条件。\n"
    "\n"
    "五、其他\n"
    "窗口标题显示离本期停止售票（每周二、四、日\n"
    "20:00）还有多久。开奖数据保存在本机的数据库里，\n"
    "设置保存在 ~/.config/zorvy/setup.ini。\n";

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
    Memo1->SetParent(this);
    Memo1->SetAlign(alClient);
    Memo1->ReadOnly = true;
    Memo1->GetLines()->SetText(HelpText);
}

} // namespace zorvy
