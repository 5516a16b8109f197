#pragma once
// TFrTjshezhi, the condition assistant: a small border-less window, in front of the others, that reads
// a condition edit's text into check groups, a radio group and range boxes, lets the user change them
// and writes the rebuilt text back. The text itself is AssistantText.h; the main window opens the
// assistant from the ellipsis buttons of its condition edits and refuses a run while a choice waits.
#include "app/AssistantText.h"
#include "app/ConditionWidgets.h"
#include "platform/classlib/Forms.h"

#include <string>

namespace zorvy {

class TCheckBox;
class TcxButton;
class TcxCheckGroup;
class TcxComboBox;
class TcxRadioGroup;
class TcxTextEdit;
class TLabel;
class TPanel;
class TRadioButton;
class TTabSheet;

// Shared with the main window and the analysis window.
extern TConditionEdit* AssistantTarget; // the edit whose text is being built
extern TTabSheet* AssistantReturnTab;   // the page of the main window that edit lies on
extern bool BankerMode;                 // the digits are written as "dm=" (banker digits)
extern bool AssistantFromAnalysis;      // opened by the analysis window
extern bool ConditionPending;           // a choice was made and not yet added: a run refuses to start

// What a run says while a choice waits in the assistant.
inline constexpr const char* PendingConditionMessage = "你刚才所选条件没有添加到相应栏里，请继续添加!";

// The heights of the window without and with the list panel.
inline constexpr int AssistantShortHeight = 198;
inline constexpr int AssistantTallHeight = 427;
// The top of the range boxes' lists: values typed above 500 extend them up to it.
inline constexpr int RangeListTop = 11000;

class TFrTjshezhi : public TForm {
    ZORVY_CLASS(TFrTjshezhi, TForm)
  public:
    explicit TFrTjshezhi(TComponent* owner);

    // Opens the assistant on edit (a condition edit; anything else raises EInvalidCast before anything
    // changes). flag2: digit-pick mode; flag4: parity, remainders and range locked; the other flags
    // change nothing. A text that cannot be read is said, and the assistant stays as it was.
    void TJButtonClick(bool& flag1, bool& flag2, bool& flag3, bool& flag4, bool& flag5, TTabSheet* tab,
                       TObject* edit);
    // Reads memobaohan's text into the controls; false (said, the controls as they were) when it cannot
    // be read.
    bool tjstrTocheck();

    // The choices the controls hold, and the controls set to choices.
    TConditionChoices Choices() const;
    void ShowChoices(const TConditionChoices& choices);

    // Handlers.
    void Bt_addClick(TObject* sender);
    void Bt_tjclearClick(TObject* sender);
    // Closes without writing anything (the button 取消 and Escape).
    void Bt_cancelClick(TObject* sender);
    void FormShow(TObject* sender);
    void xuanmchkClick(TObject* sender);
    void NoLianxuchkClick(TObject* sender);
    void chushuvcomClick(TObject* sender);
    void HavechkClick(TObject* sender);
    void HavechkPropertiesChange(TObject* sender);
    void xuanmaquPropertiesChange(TObject* sender);
    void JechkPropertiesChange(TObject* sender);
    void yschkPropertiesChange(TObject* sender);
    void begincomPropertiesChange(TObject* sender);
    void EndcomPropertiesChange(TObject* sender);
    // Typing in a range box takes digits and editing keys only; Enter extends the lists (up to
    // RangeListTop) for a value above 500.
    void begincomKeyPress(TObject* sender, char32_t& key);
    void EndcomKeyPress(TObject* sender, char32_t& key);
    void memobaohanDblClick(TObject* sender);

    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TRadioButton* xuanmchk = nullptr;
    TcxCheckGroup* xuanmaqu = nullptr;
    TcxRadioGroup* Jechk = nullptr;
    TcxCheckGroup* yschk = nullptr;
    TConditionGroupBox* fwchk = nullptr;
    TConditionCheckBox* Havechk = nullptr;
    TcxComboBox* begincom = nullptr;
    TcxComboBox* Endcom = nullptr;
    TCheckBox* NoLianxuchk = nullptr;
    TPanel* NoLianxuPanel = nullptr;
    TcxCheckGroup* NolianxuGroup = nullptr;
    TcxComboBox* chushuvcom = nullptr;
    TcxTextEdit* memobaohan = nullptr;
    TcxButton* Bt_add = nullptr;
    TcxButton* Bt_tjclear = nullptr;
    TcxButton* Bt_delete = nullptr;
    TcxButton* Bt_cancel = nullptr;

  private:
    void BuildChoiceArea();
    void BuildListPanel();
    // Ticks or unticks every item of a check group.
    static void SetAllItems(TcxCheckGroup* group, bool checked);
    // The range boxes' lists after Enter on a value: ascending, each value once, up to RangeListTop.
    void ExtendRangeLists(int from, int to);
    bool RangeValue(TcxComboBox* box, int& value) const;
    void SayUnreadable(const std::string& text, const std::string& reason);
};

} // namespace zorvy
