// The conditions and the digit panel of the main window: enabling an edit with its box, the long-text
// hint, toggling and quick-selecting digits, and clearing everything.
#include "app/MainForm.h"

#include <algorithm>
#include "platform/classlib/Canvas.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"

namespace zorvy {

namespace {

// Digits of each quick-select item, in the order of the combo boxes' items.
constexpr std::array<std::array<bool, 10>, 9> QuickSelections = {{
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, // 全选
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // 清除
    {0, 1, 0, 1, 0, 1, 0, 1, 0, 1}, // 奇数
    {1, 0, 1, 0, 1, 0, 1, 0, 1, 0}, // 偶数
    {0, 0, 0, 0, 0, 1, 1, 1, 1, 1}, // 大数
    {1, 1, 1, 1, 1, 0, 0, 0, 0, 0}, // 小数
    {1, 0, 0, 1, 0, 0, 1, 0, 0, 1}, // 余0
    {0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, // 余1
    {0, 0, 1, 0, 0, 1, 0, 0, 1, 0}, // 余2
}};

} // namespace

void TFrmain::xhtz1chkClick(TObject* sender) {
    if (auto* box = dynamic_cast<TConditionCheckBox*>(sender)) SelectShezhiTJ(box);
}

void TFrmain::Tj_danmachkClick(TObject* sender) { xhtz1chkClick(sender); }

void TFrmain::SelectShezhiTJ(TConditionCheckBox* box) {
    const std::string name = box->GetName();
    if (name.size() < 3) return;
    auto* edit = dynamic_cast<TConditionEdit*>(FindComponent(name.substr(0, name.size() - 3) + "Edit"));
    if (edit) edit->SetEnabled(box->GetChecked());
}

void TFrmain::xhtz1EditMouseMove(TObject* sender, TShiftState, int, int) {
    auto* edit = dynamic_cast<TConditionEdit*>(sender);
    if (!edit) return;
    const std::string text = edit->GetText();
    if (text.empty()) {
        edit->SetShowHint(false);
        return;
    }
    if (GetCanvas()->TextWidth(text) > edit->GetWidth() - 20) {
        edit->SetHint(text);
        edit->SetShowHint(true);
    }
}

void TFrmain::DigitClick(int position, TObject* sender) {
    for (TSpeedButton* button : DigitButtons[position])
        if (button == sender) {
            button->SetFlat(!button->GetFlat());
            break;
        }
    // A run in progress keeps its start button disabled until it ends.
    if (!Running()) Btfilter->SetEnabled(true);
    ShowDigitState();
}

void TFrmain::PositionComChange(int position) {
    const int index = PositionComs[position]->GetItemIndex();
    for (int digit = 0; digit < 10; ++digit)
        DigitButtons[position][digit]->SetFlat(
            !(index >= 0 && index < static_cast<int>(QuickSelections.size()) && QuickSelections[index][digit]));
    ShowDigitState();
}

void TFrmain::AllcomChange(TObject*) {
    const int index = Allcom->GetItemIndex();
    if (index != 0 && index != 1) return;
    for (auto& row : DigitButtons)
        for (TSpeedButton* button : row)
            button->SetFlat(index == 1);
    if (index == 0 && !Running()) Btfilter->SetEnabled(true);
    ShowDigitState();
}

void TFrmain::ShowDigitState() {
    int selected = 0;
    for (int position = 0; position < 6; ++position) {
        std::array<bool, 10> row{};
        for (int digit = 0; digit < 10; ++digit) {
            row[digit] = !DigitButtons[position][digit]->GetFlat();
            selected += row[digit];
        }
        const auto match = std::find(QuickSelections.begin(), QuickSelections.end(), row);
        PositionComs[position]->SetItemIndex(
            match == QuickSelections.end() ? -1 : static_cast<int>(match - QuickSelections.begin()));
    }
    Allcom->SetItemIndex(selected == 60 ? 0 : selected == 0 ? 1 : -1);
}

void TFrmain::BtclearTjClick(TObject*) {
    for (int i = 0; i < GetComponentCount(); ++i) {
        TComponent* component = GetComponent(i);
        if (auto* button = dynamic_cast<TSpeedButton*>(component)) {
            button->SetFlat(true);
        } else if (auto* box = dynamic_cast<TConditionCheckBox*>(component)) {
            if (box->GetChecked()) box->SetChecked(false);
        } else if (auto* edit = dynamic_cast<TConditionEdit*>(component)) {
            if (!edit->GetText().empty()) edit->SetText("");
        }
    }
    ShowDigitState();
}

} // namespace zorvy
