// The masked editor on a form: typed keys go through the mask, the value drops what the mask does not
// save, an unfilled mask fails validation, and without a mask it is the text editor.
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class MaskEditTest : public EditorsTest {
  protected:
    TcxMaskEdit* NewEdit(const std::string& mask) {
        form = NewForm();
        auto* edit = new TcxMaskEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        static_cast<TcxMaskEditProperties*>(edit->GetProperties())->SetEditMask(mask);
        other = new TcxMaskEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 120, 21);
        form->Show();
        Pump();
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    TForm* form = nullptr;
    TcxMaskEdit* other = nullptr;
};

TEST_F(MaskEditTest, TypedDigitsFillThePositionsAndTheValueDropsTheLiterals) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    EXPECT_EQ(edit->GetMaskProperties()->GetEmptyText(), "    ");
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "(__)__");
    display.PressKey(VK_HOME);
    display.TypeText("1x234"); // the letter is refused by a digit position
    Pump();
    EXPECT_EQ(edit->GetText(), "(12)34");
    Focus(other);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "1234");
}

TEST_F(MaskEditTest, TypingOverALiteralAndBackspace) {
    TcxMaskEdit* edit = NewEdit("00-00;1;_");
    Focus(edit);
    edit->SetSelStartLocked(2); // on the "-"
    edit->GetMode()->RefreshMaskDisplay();
    display.TypeText("7");
    Pump();
    EXPECT_EQ(edit->GetText(), "__-7_");
    display.PressKey(VK_BACK); // back over the written position
    Pump();
    EXPECT_EQ(edit->GetText(), "__-__");
}

TEST_F(MaskEditTest, PastingOverwritesPositions) {
    TcxMaskEdit* edit = NewEdit("00000-00;1;_");
    Focus(edit);
    edit->SetSelStartLocked(3);
    edit->ReplaceSelectedText("12");
    EXPECT_EQ(edit->GetText(), "___12-__");
    EXPECT_EQ(edit->GetSelectionStart(), 6); // past the literal
}

TEST_F(MaskEditTest, ClipboardPasteAndCutGoThroughTheMask) {
    TcxMaskEdit* edit = NewEdit("000-000;1;_");
    Focus(edit);
    SetClipboardText("98");
    edit->SetSelStartLocked(1);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), "_98-___");
    EXPECT_EQ(edit->GetSelectionStart(), 4); // position 3 is the literal
    edit->SetSelStartLocked(1);
    edit->SetSelLengthLocked(3); // "98-"
    edit->CutToClipboard();
    EXPECT_EQ(edit->GetText(), "___-___"); // the literal stays
    EXPECT_EQ(GetClipboardText().value_or(""), "98-");
}

TEST_F(MaskEditTest, AnUnfilledRequiredPositionFailsValidation) {
    TcxMaskEdit* edit = NewEdit("00;0;_");
    Focus(edit);
    display.PressKey(VK_HOME);
    display.TypeText("1");
    Pump();
    EXPECT_FALSE(edit->ValidateInput(false));
    edit->GetMaskProperties()->SetIgnoreMaskBlank(true);
    display.PressKey(VK_HOME);
    display.PressKey(VK_DELETE);
    Pump();
    EXPECT_EQ(edit->GetText(), "__");
    EXPECT_TRUE(edit->ValidateInput(false)); // the untouched template passes with IgnoreMaskBlank
}

TEST_F(MaskEditTest, WithoutAMaskItIsTheTextEditor) {
    TcxMaskEdit* edit = NewEdit("");
    Focus(edit);
    display.TypeText("ab中");
    Pump();
    EXPECT_EQ(edit->GetText(), "ab中");
    Focus(other);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "ab中");
}

TEST_F(MaskEditTest, RegistersItsSettingsAsAnEditorKind) {
    InitializeMaskEditUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxMaskEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDisplayName(index), "MaskEdit");
    FinalizeMaskEditUnit();
}

TEST_F(MaskEditTest, RegularExpressionKindsAreRefused) {
    TcxMaskEditProperties properties(nullptr);
    EXPECT_THROW(properties.SetMaskKind(emkRegExpr), EcxMaskEditError);
    EXPECT_THROW(properties.SetMaskKind(emkRegExprEx), EcxMaskEditError);
    EXPECT_EQ(properties.GetMaskKind(), emkStandard);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(MaskEditTest, AFoldingLetterCaseFoldsTheTypedLettersAndTheMasksComparisons) {
    TcxMaskEdit* edit = NewEdit("LLL;1;_");
    TcxCustomMaskEditProperties* p = edit->GetMaskProperties();
    p->SetCaseInsensitive(false);
    EXPECT_FALSE(p->GetCaseInsensitive());
    p->SetCharCase(ecUpperCase);
    EXPECT_TRUE(p->GetCaseInsensitive());
    p->SetCaseInsensitive(false); // no effect while the case folds
    EXPECT_TRUE(p->GetCaseInsensitive());
    Focus(edit);
    display.TypeText("abc");
    Pump();
    EXPECT_EQ(edit->GetText(), "ABC");
    p->SetCharCase(ecNormal);
    p->SetCaseInsensitive(false);
    EXPECT_FALSE(p->GetCaseInsensitive());
}

} // namespace
} // namespace zorvy::test
