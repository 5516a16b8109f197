#pragma once
// The check form page from three control classes; each way is instantiated in its own file.
#include "CheckFormPage.h"

#include "platform/classlib/Forms.h"

#include <string>
#include <vector>

namespace zorvy {

namespace detail {

// Builds the page from three control classes.
template <class CheckBox, class Edit, class GroupBox>
class TPage : public TCheckFormPage {
  public:
    TPage() {
        Form = Application->CreateForm<TForm>();
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(0, 0, 1200, 900);
        int pair = 0;
        for (int g = 0; g < CheckFormGroups; ++g) {
            auto* group = new GroupBox(Form);
            group->SetParent(Form);
            const int rows = CheckFormGroupRows(g, pair);
            group->SetBounds(10 + (g % 4) * 295, 10 + (g / 4) * 295, 285, 24 + rows * 16);
            group->SetCaption("条件组 " + std::to_string(g + 1));
            for (int r = 0; r < rows; ++r, ++pair) {
                auto* check = new CheckBox(Form);
                check->SetParent(group);
                check->SetBounds(6, 18 + r * 16, 110, 16);
                check->SetCaption("条件 " + std::to_string(pair + 1));
                check->SetChecked(true);
                checks_.push_back(check);
                auto* edit = new Edit(Form);
                edit->SetParent(group);
                edit->SetBounds(120, 18 + r * 16, 155, 16);
            }
        }
        Form->Show();
        Application->ProcessMessages();
    }
    void SetAllChecked(bool value) override {
        for (auto* check : checks_) check->SetChecked(value);
    }
    void InvalidateAll() override {
        Form->Invalidate();
        for (auto* check : checks_) check->Invalidate();
    }

  private:
    std::vector<CheckBox*> checks_;
};

} // namespace detail
} // namespace zorvy
