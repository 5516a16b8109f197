// The editor control's life around its value: the first parent completes it, loading applies the
// settings once without change events.
#include "controls/editors/framework/Edit.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// Counts how often the settings were applied and the value shown.
class TProbeEdit : public TcxCustomEdit {
  public:
    using TcxCustomEdit::TcxCustomEdit;
    std::vector<TcxCustomEditProperties*> Applied;
    int Shown = 0;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override {
        Applied.push_back(properties);
        TcxCustomEdit::ApplyPropertiesChange(properties);
    }
    void ShowEditValue() override { ++Shown; }
};

using EditLifecycleTest = EditorsTest;

TEST_F(EditLifecycleTest, TheFirstParentAppliesTheSettingsAndShowsTheValueOnce) {
    TForm* form = NewForm();
    auto* edit = new TProbeEdit(form);
    edit->Applied.clear();
    edit->Shown = 0;
    edit->SetParent(form);
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
    EXPECT_EQ(edit->Shown, 1);
    TForm* other = NewForm();
    edit->SetParent(nullptr);
    edit->SetParent(other);
    EXPECT_EQ(edit->Applied.size(), 1u);
    EXPECT_EQ(edit->Shown, 1);
}

TEST_F(EditLifecycleTest, LoadingAppliesTheSettingsOnceWithoutChangeEvents) {
    TForm* form = NewForm();
    auto* edit = new TProbeEdit(form);
    edit->SetParent(form);
    TcxEditRepositoryItem item(nullptr);
    int changes = 0;
    edit->GetProperties()->OnChange = [&](TObject*) { ++changes; };
    edit->GetProperties()->OnEditValueChanged = [&](TObject*) { ++changes; };

    // While loading, an item comes and goes: nothing is applied, and the own settings lose their
    // handler until the loading ends.
    edit->SetComponentStateFlag(csLoading, true);
    edit->Applied.clear();
    edit->SetRepositoryItem(&item);
    edit->SetRepositoryItem(nullptr);
    edit->Applied.clear();
    edit->GetProperties()->SetReadOnly(true);
    EXPECT_TRUE(edit->Applied.empty());

    edit->Loaded();
    EXPECT_FALSE(edit->HasState(csLoading));
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
    EXPECT_EQ(changes, 0);
    edit->Applied.clear();
    edit->GetProperties()->SetReadOnly(false);
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
}

} // namespace
} // namespace zorvy::test
