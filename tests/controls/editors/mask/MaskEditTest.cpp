// The masked editor on a form: typed keys go through the mask, the value drops what the mask does not
// save, an unfilled mask fails validation, and without a mask it is the text editor.
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/mask/MaskEditUnit.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(MaskEditTest, RegistersItsSettingsAsAnEditorKindAndItsFilterHelper) {
    InitializeTextEditUnit();
    InitializeMaskEditUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxMaskEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDisplayName(index), "MaskEdit");
    const TcxFilterEditHelperClass helperClass =
        GetFilterEditHelperRegistry()->LookupHelperClass(TcxMaskEditProperties::StaticClass());
    ASSERT_EQ(helperClass, TcxFilterMaskEditHelper::StaticClass());
    const TcxCustomFilterEditHelper* helper = FilterEditHelper(helperClass);

    // Like and not like only for text without a mask; ranges and lists when extended.
    TcxMaskEditProperties masked(nullptr), plain(nullptr);
    masked.SetEditMask("00;0;_");
    constexpr TcxFilterControlOperators comparisons = 1662, likes = 384, ranges = 30720;
    EXPECT_EQ(helper->GetAllowedOperators(&plain, &cxStringValueType, false), comparisons | likes);
    EXPECT_EQ(helper->GetAllowedOperators(&masked, &cxStringValueType, false), comparisons);
    EXPECT_EQ(helper->GetAllowedOperators(&plain, &cxIntegerValueType, true), comparisons | ranges);

    // A filter value is typed in a masked editor prepared from the column's settings.
    std::unique_ptr<TcxCustomEdit> editor(AcquireFilterEditor(helperClass, &masked, nullptr));
    ASSERT_NE(dynamic_cast<TcxMaskEdit*>(editor.get()), nullptr);
    auto* prepared = static_cast<TcxMaskEdit*>(editor.get())->GetMaskProperties();
    EXPECT_EQ(prepared->GetEditMask(), "00;0;_");
    EXPECT_FALSE(prepared->GetAutoSelect()) << "a masked value is typed from its first position";
    helper->PrepareFilterProperties(prepared, &plain, false);
    EXPECT_TRUE(prepared->GetAutoSelect());

    FinalizeMaskEditUnit();
    EXPECT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxMaskEditProperties::StaticClass()),
              TcxFilterTextEditHelper::StaticClass())
        << "the text editor's helper again";
    FinalizeTextEditUnit();
}

TEST_F(MaskEditTest, RegularExpressionKinds) {
    TcxMaskEdit* edit = NewEdit("999");
    auto* p = static_cast<TcxMaskEditProperties*>(edit->GetProperties());
    p->SetMaskKind(emkRegExpr);
    EXPECT_EQ(p->GetEditMask(), "") << "a standard mask means nothing as an expression";
    p->SetEditMask("\\d+");
    p->SetMaskKind(emkRegExprEx);
    EXPECT_EQ(p->GetEditMask(), "\\d+") << "kept between the two expression kinds";
    try {
        p->SetEditMask("a**|*b");
        FAIL();
    } catch (const EcxMaskEditError& e) {
        EXPECT_EQ(std::string(e.what()), "Regular expression errors:\r\n"
                                         "Line1, Char3: The '*' quantifier cannot be applied here\r\n"
                                         "Line1, Char5: Illegal quantifier '*'");
    }
    EXPECT_EQ(p->GetEditMask(), "\\d+") << "the old mask stays";
}

TEST_F(MaskEditTest, TypingUnderARegularExpressionRefusesWhatCannotMatch) {
    TcxMaskEdit* edit = NewEdit("");
    auto* p = static_cast<TcxMaskEditProperties*>(edit->GetProperties());
    p->SetMaskKind(emkRegExpr);
    p->SetEditMask("[a-c]\\d+");
    Focus(edit);
    display.TypeText("x1b23");
    Pump();
    EXPECT_EQ(edit->GetText(), "b23");
    // A character in the middle after which the rest no longer matches is refused, not cut.
    display.PressKey(VK_HOME);
    display.PressKey(VK_RIGHT);
    display.TypeText("a");
    Pump();
    EXPECT_EQ(edit->GetText(), "b23");
    display.TypeText("9");
    Pump();
    EXPECT_EQ(edit->GetText(), "b923");
}

TEST_F(MaskEditTest, TheExtendedKindTypesAndDeletesForcedCharacters) {
    TcxMaskEdit* edit = NewEdit("");
    auto* p = static_cast<TcxMaskEditProperties*>(edit->GetProperties());
    p->SetMaskKind(emkRegExprEx);
    p->SetEditMask("(\\d\\d)-(\\d\\d)");
    Focus(edit);
    display.TypeText("12");
    Pump();
    EXPECT_EQ(edit->GetText(), "12-");
    display.PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(edit->GetText(), "1") << "the separator goes with the digit that brought it";
    display.TypeText("234");
    Pump();
    EXPECT_EQ(edit->GetText(), "12-34");
    display.PressKey(VK_LEFT);
    display.PressKey(VK_LEFT);
    display.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(edit->GetSelectionStart(), 1) << "Left skips back over the separator";
}

TEST_F(MaskEditTest, AFixedPrefixIsTheEmptyTextAndCannotBeDeleted) {
    TcxMaskEdit* edit = NewEdit("");
    auto* p = static_cast<TcxMaskEditProperties*>(edit->GetProperties());
    p->SetMaskKind(emkRegExprEx);
    p->SetEditMask("'No.'\\d+");
    EXPECT_EQ(p->GetEmptyText(), "No.");
    Focus(edit);
    display.TypeText("7");
    Pump();
    EXPECT_EQ(edit->GetText(), "No.7");
    display.PressKey(VK_BACK);
    display.PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(edit->GetText(), "No.");
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

namespace zorvy::test {
namespace {

TEST_F(MaskEditTest, AClickInTheTextShowsTheOneCharacterCaret) {
    TcxMaskEdit* edit = NewEdit("00-00;1;_");
    Focus(edit);
    edit->GetInnerTextEdit()->SetSelLength(0);
    display.Click(edit->GetInnerTextEdit()->GetHandle(), 1, 5); // before the first position
    Pump();
    EXPECT_EQ(edit->GetSelectionStart(), 0);
    EXPECT_EQ(edit->GetSelectionLength(), 1);
    // A caret the program puts down shows the one-character caret too.
    edit->GetInnerTextEdit()->SetSelStart(3);
    EXPECT_EQ(edit->GetSelectionLength(), 1);
    // Without a mask a click leaves a plain caret.
    TcxMaskEdit* plain = other;
    Focus(plain);
    plain->SetText("abc");
    display.Click(plain->GetInnerTextEdit()->GetHandle(), 1, 5);
    Pump();
    EXPECT_EQ(plain->GetSelectionLength(), 0);
}

TEST_F(MaskEditTest, CheckedTextUnderAMaskBecomesTheValueOrIsRefusedWhole) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    Focus(other);
    EXPECT_TRUE(edit->AcceptText("1234"));
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "1234");
    EXPECT_EQ(edit->GetValueText(), "1234");
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "(12)34");
    // Read-only: a change the user makes is refused, reported as refused, and writes nothing.
    edit->GetProperties()->SetReadOnly(true);
    edit->BeginUserChange();
    EXPECT_FALSE(edit->AcceptText("99"));
    edit->EndUserChange();
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "1234");
    EXPECT_EQ(edit->GetText(), "(12)34");
}

TEST_F(MaskEditTest, AnUnfocusedDisplayTextIsAlreadyTheValue) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    Focus(other);
    edit->StoreDisplayValue(Variant("5678"));
    EXPECT_EQ(edit->GetText(), "5678");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "5678");
    // Blanks and literals kept in sight: the shown text is the template filled in.
    edit->GetMaskProperties()->SetAlwaysShowBlanksAndLiterals(true);
    edit->StoreDisplayValue(Variant("(12)34"));
    EXPECT_EQ(edit->GetText(), "(12)34");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "1234");
}

TEST_F(MaskEditTest, ALineFeedInAnAnyCharacterPositionShowsTheBlank) {
    TcxMaskEdit* edit = NewEdit("C;1;_");
    edit->SetEditValue(Variant("\n"));
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "_");
    Focus(other);
    edit->SetEditValue(Variant("x\r\n"));
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "x");
}

TEST_F(MaskEditTest, ALoadedTextGoesThroughTheMaskOnceLoadingEnds) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    Focus(other);
    edit->SetComponentStateFlag(csLoading, true);
    edit->ApplyDisplayValue(Variant("(12)34"));
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "(12)34") << "taken as it is while loading";
    int changes = 0;
    edit->GetProperties()->OnChange = [&](TObject*) { ++changes; };
    edit->Loaded();
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "1234");
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(changes, 0);
}

TEST_F(MaskEditTest, AMaskSetsTheLengthAndSetsTheLookupItemsAside) {
    TcxMaskEditProperties p(nullptr);
    p.SetLookupItems({"12", "34"});
    p.SetMaxLength(5);
    EXPECT_EQ(p.GetMaxLength(), 5);
    EXPECT_TRUE(p.UsesLookupList());
    EXPECT_EQ(p.GetFormatFlags(), 1);
    p.SetEditMask("00;0;_");
    EXPECT_FALSE(p.UsesLookupList());
    EXPECT_EQ(p.GetFormatFlags(), 0);
    TChangeCounter counter(p);
    p.SetMaxLength(8);
    EXPECT_EQ(p.GetMaxLength(), 0);
    EXPECT_EQ(counter.Count, 1);
    p.SetIgnoreMaskBlank(true); // a plain setting
    EXPECT_EQ(counter.Count, 1);

    // A copy takes the mask in force and the mask settings.
    TcxMaskEditProperties copy(nullptr);
    p.SetAlwaysShowBlanksAndLiterals(true);
    copy.Assign(&p);
    EXPECT_EQ(copy.GetEditMask(), "00;0;_");
    EXPECT_TRUE(copy.GetIgnoreMaskBlank());
    EXPECT_TRUE(copy.GetAlwaysShowBlanksAndLiterals());
}

TEST_F(MaskEditTest, UpAndDownAreTheEditorsOwnOnlyWithoutAnOpenPopup) {
    TcxMaskEdit* edit = NewEdit("00;0;_");
    int keyDowns = 0;
    edit->OnKeyDown = [&](TObject*, std::uint16_t&, TShiftState) { ++keyDowns; };
    Focus(edit);
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(keyDowns, 1) << "fired once and swallowed";
    EXPECT_EQ(edit->GetText(), "__");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// A standard mode that counts the preparations for a whole-text selection and, when asked, lets a
// deletion pass on to the inner edit (as modes of other kinds do).
class TRecordingMaskMode : public TcxMaskEditStandardMode {
  public:
    using TcxMaskEditStandardMode::TcxMaskEditStandardMode;
    void PrepareForSelectAll() override { ++Prepared; }
    bool ProcessDelete() override { return PassDeletes || TcxMaskEditStandardMode::ProcessDelete(); }
    int Prepared = 0;
    bool PassDeletes = false;
};

class TRecordingMaskProperties : public TcxMaskEditProperties {
    ZORVY_CLASS(TRecordingMaskProperties, TcxMaskEditProperties)
  public:
    using TcxMaskEditProperties::TcxMaskEditProperties;
    std::unique_ptr<TcxMaskEditCustomMode> CreateMode(TcxMaskEditModeEdit* edit) const override {
        return std::make_unique<TRecordingMaskMode>(edit, edit ? nullptr : const_cast<TRecordingMaskProperties*>(this));
    }
};

std::string WindowText(TWinControl* c, WPARAM bufferSize = 0) {
    std::string text;
    SendMessage(c->GetHandle(), WM_GETTEXT, bufferSize, reinterpret_cast<LPARAM>(&text));
    return text;
}

TEST_F(MaskEditTest, TheWindowTextIsTheValueFormOfTheMaskedText) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    Focus(edit);
    display.PressKey(VK_HOME);
    display.TypeText("1234");
    Pump();
    ASSERT_EQ(edit->GetText(), "(12)34");
    EXPECT_EQ(WindowText(edit), "1234");
    EXPECT_EQ(SendMessage(edit->GetHandle(), WM_GETTEXTLENGTH), 4);
    EXPECT_EQ(WindowText(edit, 3), "12") << "cut to the buffer, room kept for the terminating zero";
    // A value the program sets reads as well as a typed one.
    edit->SetEditValue(Variant("5678"));
    ASSERT_EQ(edit->GetText(), "(56)78");
    EXPECT_EQ(WindowText(edit), "5678");
    // The saved literals stay; a cut never splits a character.
    edit->GetMaskProperties()->SetEditMask("C-C;1;_");
    edit->SetEditValue(Variant("中-文"));
    EXPECT_EQ(WindowText(edit), "中-文");
    EXPECT_EQ(WindowText(edit, 6), "中-") << "five bytes fit, the next character would not";
    // Without a mask it is the shown text.
    other->SetText("(1)");
    EXPECT_EQ(WindowText(other), "(1)");
}

TEST_F(MaskEditTest, EnteringWithAutoSelectAndADoubleClickPrepareTheModeForSelectingAll) {
    form = NewForm();
    auto* edit = new TcxMaskEdit(form, false, TRecordingMaskProperties::StaticClass());
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    edit->GetMaskProperties()->SetEditMask("(99)00;0;_");
    other = new TcxMaskEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 40, 120, 21);
    form->Show();
    Pump();
    auto* mode = dynamic_cast<TRecordingMaskMode*>(edit->GetMode());
    ASSERT_NE(mode, nullptr);
    Focus(edit);
    EXPECT_EQ(mode->Prepared, 1);
    EXPECT_EQ(edit->GetSelectionStart(), 0);
    EXPECT_EQ(edit->GetSelectionLength(), 6) << "the whole template selected";
    Focus(other);
    edit->GetMaskProperties()->SetAutoSelect(false);
    Focus(edit);
    EXPECT_EQ(mode->Prepared, 1) << "no whole-text selection to prepare for";
    display.Click(edit->GetInnerTextEdit()->GetHandle(), 5, 5);
    display.Click(edit->GetInnerTextEdit()->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(mode->Prepared, 2);
    // Without a mask nothing is asked of the mode.
    edit->GetMaskProperties()->SetEditMask("");
    display.Click(edit->GetInnerTextEdit()->GetHandle(), 5, 5);
    display.Click(edit->GetInnerTextEdit()->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(mode->Prepared, 2);
}

TEST_F(MaskEditTest, ACutWhoseDeletionPassesOnSendsABackspaceTheEditorsHandlersDoNotSee) {
    form = NewForm();
    auto* edit = new TcxMaskEdit(form, false, TRecordingMaskProperties::StaticClass());
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    edit->GetMaskProperties()->SetEditMask("00000;1;_");
    form->Show();
    Pump();
    Focus(edit);
    std::vector<char32_t> pressed;
    edit->OnKeyPress = [&](TObject*, char32_t& c) { pressed.push_back(c); };
    display.PressKey(VK_HOME);
    display.TypeText("12345");
    Pump();
    ASSERT_EQ(edit->GetText(), "12345");
    pressed.clear();
    static_cast<TRecordingMaskMode*>(edit->GetMode())->PassDeletes = true;
    edit->SetSelStartLocked(1);
    edit->SetSelLengthLocked(2);
    edit->CutToClipboard();
    EXPECT_EQ(GetClipboardText().value_or(""), "23");
    EXPECT_EQ(edit->GetText(), "145") << "the inner edit took the Backspace on the selection";
    EXPECT_TRUE(pressed.empty());
}

TEST_F(MaskEditTest, AKeyTheEditorSendsItselfIsSeenOnlyByTheInnerEdit) {
    TcxMaskEdit* edit = NewEdit("00-00;1;_");
    std::vector<std::uint16_t> keys;
    edit->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        if (key != VK_CONTROL) keys.push_back(key);
    };
    Focus(edit);
    edit->SetSelStartLocked(3);
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_LEFT); // Ctrl+Left sends itself Home
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(edit->GetSelectionStart(), 0);
    EXPECT_EQ(keys, (std::vector<std::uint16_t>{VK_LEFT})) << "not the Home it sent itself";
}

TEST_F(MaskEditTest, InPlaceActivationHoldsTheInnerEditsRedrawingAndRepaintsItAfter) {
    form = NewForm();
    auto* edit = new TcxMaskEdit(form, true);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    edit->GetMaskProperties()->SetEditMask("00;0;_");
    form->Show();
    Pump();
    TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
    std::vector<WPARAM> redraws;
    auto innerProc = inner->WindowProc;
    inner->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SETREDRAW) redraws.push_back(m.WParam);
        innerProc(m);
    };
    TcxCustomEditData* data = nullptr;
    edit->ActivateInplace(U'5', data);
    EXPECT_EQ(redraws, (std::vector<WPARAM>{0, 1}));
    TRect dirty;
    EXPECT_TRUE(GetUpdateRect(inner->GetHandle(), &dirty)) << "repainted once redrawing is back on";
    Pump();
    EXPECT_EQ(edit->GetText(), "5_") << "the key that started the editing went through the mask";
    // Without a mask it activates as the text editor does.
    edit->GetMaskProperties()->SetEditMask("");
    redraws.clear();
    data = nullptr;
    edit->ActivateInplace(U'7', data);
    Pump();
    EXPECT_TRUE(redraws.empty());
    EXPECT_EQ(edit->GetText(), "7");
    inner->WindowProc = innerProc;
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// Disabled while it was being typed in: the masked text turns grey on the button face, with no
// one-character caret left highlighted.
TEST_F(MaskEditTest, DisabledWhileTypedInItShowsItsTextGrey) {
    TcxMaskEdit* edit = NewEdit("(99)00;0;_");
    Focus(edit);
    display.PressKey(VK_HOME);
    display.TypeText("12");
    Pump();
    edit->SetEnabled(false);
    Pump();
    HBITMAP image = display.Capture(form->GetHandle());
    const TRect r = edit->GetBoundsRect();
    int darkest = 255 * 3;
    for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
        for (int x = r.Left + 3; x < r.Left + 60; ++x) {
            const std::uint32_t p = image->Row(y)[x];
            darkest = std::min<int>(darkest, ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255));
        }
    const std::uint32_t p = image->Row(r.Top + 3)[r.Left + 100] & 0xFFFFFF;
    DeleteObject(image);
    const COLORREF face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)),
              face);
    EXPECT_GE(darkest, GetRValue(shadow) + GetGValue(shadow) + GetBValue(shadow)) << "nothing darker than grey";
    EXPECT_LT(darkest, GetRValue(face) * 3) << "but the letters are there";
}

} // namespace
} // namespace zorvy::test
