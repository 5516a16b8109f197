// The button edit: one default ellipsis button from code, clicks reported by index, the masked typing
// it inherits, and its registration as an editor kind.
#include "controls/editors/buttons/ButtonEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class ButtonEditTest : public EditorsTest {};

TEST_F(ButtonEditTest, ComesWithOneDefaultEllipsisButtonThatReportsItsClicks) {
    TForm* form = NewForm();
    auto* edit = new TcxButtonEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    form->Show();
    Pump();
    TcxEditButtons* buttons = edit->GetProperties()->GetButtons();
    ASSERT_EQ(buttons->GetCount(), 1);
    EXPECT_EQ(buttons->ButtonAt(0)->GetKind(), bkEllipsis);
    EXPECT_TRUE(buttons->ButtonAt(0)->GetDefault());
    EXPECT_EQ(edit->GetHiddenStyleValues(), 1u << 12);

    std::vector<int> clicks;
    edit->GetProperties()->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
    display.Click(edit->GetHandle(), 120 - 6, 10); // on the button at the right
    Pump();
    EXPECT_EQ(clicks, std::vector<int>{0});

    // The masked editor underneath.
    edit->GetButtonEditProperties()->SetEditMask("00;0;_");
    edit->SetFocus();
    Pump();
    display.PressKey(VK_HOME);
    display.TypeText("42");
    Pump();
    EXPECT_EQ(edit->GetText(), "42");
}

TEST_F(ButtonEditTest, RegistersItsSettingsAsAnEditorKind) {
    InitializeButtonEditUnit();
    InitializeButtonEditUnit();
    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    const int index = registry->IndexOfClass(TcxButtonEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(registry->GetDescription(index), "ButtonEdit|Represents an edit control with embedded buttons");
    FinalizeButtonEditUnit();
    FinalizeButtonEditUnit();
}

} // namespace
} // namespace zorvy::test
