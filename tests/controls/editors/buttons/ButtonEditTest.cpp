// The button edit: one default ellipsis button from code, clicks reported by index, the masked typing
// it inherits, and its registration as an editor kind.
#include "controls/editors/buttons/ButtonEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    // Sized by its font, not by the height asked; in place the cell gives the size.
    EXPECT_TRUE(edit->GetAutoSize());
    const int natural = edit->GetHeight();
    edit->SetHeight(40);
    EXPECT_EQ(edit->GetHeight(), natural);
    edit->SetHeight(21);
    TcxButtonEdit inplace(form, true);
    EXPECT_FALSE(inplace.GetAutoSize());

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

// Condition edits are disabled before they are first shown and again after use: either way a disabled
// edit shows its text grey on the button face, and an enabled one black on the window colour.
TEST_F(ButtonEditTest, ADisabledEditLooksTheSameWhicheverWayItGotThere) {
    TForm* form = NewForm(200, 100);
    TcxButtonEdit* edits[3];
    for (int i = 0; i < 3; ++i) {
        edits[i] = new TcxButtonEdit(form);
        edits[i]->SetParent(form);
        edits[i]->SetBounds(10, 10 + 30 * i, 120, 21);
        edits[i]->SetText("WWW");
    }
    edits[0]->SetEnabled(false); // before the first paint
    form->Show();
    Pump();
    edits[1]->SetEnabled(false); // after it
    edits[2]->SetEnabled(false);
    Pump();
    edits[2]->SetEnabled(true); // and back
    Pump();
    // Over the text: the background, and the darkest pixel of the letters.
    auto look = [&](TcxButtonEdit* edit, COLORREF& background, int& darkest) {
        HBITMAP image = display.Capture(form->GetHandle());
        const TRect r = edit->GetBoundsRect();
        darkest = 255 * 3;
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            for (int x = r.Left + 3; x < r.Left + 40; ++x) {
                const std::uint32_t p = image->Row(y)[x];
                darkest = std::min<int>(darkest, ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255));
            }
        const std::uint32_t p = image->Row(r.Top + 3)[r.Left + 60] & 0xFFFFFF;
        background = RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p));
        DeleteObject(image);
    };
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    const int shadowSum = GetRValue(shadow) + GetGValue(shadow) + GetBValue(shadow);
    for (int i = 0; i < 3; ++i) {
        COLORREF background;
        int darkest;
        look(edits[i], background, darkest);
        if (i < 2) {
            EXPECT_EQ(background, ColorToRGB(clBtnFace)) << i;
            EXPECT_GE(darkest, shadowSum) << i << ": no letter darker than grey";
            EXPECT_LT(darkest, GetRValue(background) * 3) << i << ": but letters there are";
        } else {
            EXPECT_EQ(background, ColorToRGB(clWindow));
            EXPECT_LT(darkest, shadowSum / 2) << "black letters";
        }
    }
}

} // namespace
} // namespace zorvy::test
