// What the text editor hands its inner edit and how typed input is shaped on the way: echo mode,
// letter case, numbers regrouped while typed, the input method, Enter and Escape, the wheel and the
// keys stepping through the lookup items.
#include "controls/editors/text/TextEdit.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/editors/text/TextEditFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// A currency editor's settings: it holds numbers and groups their digits while they are typed.
class TMoneyProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TMoneyProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    bool HoldsNumbers() const override { return true; }
    bool UsesThousandSeparator(bool) const override { return true; }
};

// An editor that steps through its items with keys and the wheel, as a combo box does.
class TSteppingEdit : public TcxTextEdit {
    ZORVY_CLASS(TSteppingEdit, TcxTextEdit)
  public:
    using TcxTextEdit::TcxTextEdit;
    bool CanStepLookupItems(bool) const override { return true; }
};

class TextEditInputTest : public EditorsTest {
  protected:
    template <class Edit = TcxTextEdit>
    Edit* NewEdit(const TMetaClass* propertiesClass = TcxTextEditProperties::StaticClass(), bool inplace = false) {
        form = NewForm();
        auto* edit = new Edit(form, inplace, propertiesClass);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        other = new TcxTextEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 150, 21);
        form->Show();
        Pump();
        inner = edit->GetInnerTextEdit();
        props = static_cast<TcxCustomTextEditProperties*>(edit->GetProperties());
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    void Type(const std::string& text) {
        display.TypeText(text);
        Pump();
    }
    std::string Shown() {
        const std::string text = inner->GetText();
        const int start = inner->GetSelStart(), length = inner->GetSelLength();
        return text.substr(0, start) + "[" + text.substr(start, length) + "]" + text.substr(start + length);
    }
    TForm* form = nullptr;
    TcxTextEdit* other = nullptr;
    TcxCustomInnerTextEdit* inner = nullptr;
    TcxCustomTextEditProperties* props = nullptr;
};

TEST_F(TextEditInputTest, EchoModeAndLetterCaseReachTheInnerEdit) {
    TcxTextEdit* edit = NewEdit();
    EXPECT_EQ(inner->GetPasswordChar(), 0u);
    props->SetEchoMode(eemPassword);
    EXPECT_EQ(inner->GetPasswordChar(), U'*'); // #0 stands for '*'
    props->SetPasswordChar(U'#');
    EXPECT_EQ(inner->GetPasswordChar(), U'#');
    props->SetEchoMode(eemNormal);
    EXPECT_EQ(inner->GetPasswordChar(), 0u); // the text shows again

    props->SetCharCase(ecUpperCase);
    Focus(edit);
    Type("abc");
    EXPECT_EQ(edit->GetText(), "ABC");
}

TEST_F(TextEditInputTest, TypedNumbersAreGroupedWithTheCaretAfterTheSameDigit) {
    TcxTextEdit* edit = NewEdit(TMoneyProperties::StaticClass());
    Focus(edit);
    Type("1234");
    EXPECT_EQ(Shown(), "1,234[]");
    Type("5");
    EXPECT_EQ(Shown(), "12,345[]");
    inner->SetSelStart(1); // after the 1
    Type("0");
    EXPECT_EQ(Shown(), "10[]2,345"); // regrouped, the caret still after the digit typed
}

TEST_F(TextEditInputTest, ACharacterFromTheInputMethodCompletesWhole) {
    TcxTextEdit* edit = NewEdit();
    props->SetLookupItems({"中国", "中文"});
    Focus(edit);
    SendMessage(inner->GetHandle(), WM_IME_CHAR, U'中');
    Pump();
    EXPECT_EQ(Shown(), "中[国]");
    EXPECT_TRUE(edit->IsCompletionHighlighted());
    EXPECT_EQ(inner->GetImeCharCount(), 0);
    SendMessage(inner->GetHandle(), WM_IME_CHAR, U'文');
    Pump();
    EXPECT_EQ(Shown(), "中文[]");
}

TEST_F(TextEditInputTest, NoCompositionStartsInAnEditorThatMayNotEdit) {
    TcxTextEdit* edit = NewEdit();
    edit->SetText("abc");
    bool allowed = false;
    edit->OnEditing = [&](TObject*, bool& canEdit) { canEdit = allowed; };
    Focus(edit);
    inner->SelectAll();
    InjectComposition("wen", 3);
    Pump();
    InjectComposition("", 0);
    Pump();
    EXPECT_EQ(Shown(), "[abc]"); // composing over the selection would have replaced it

    allowed = true;
    InjectComposition("wen", 3);
    Pump();
    InjectComposition("", 0);
    Type("文");
    EXPECT_EQ(Shown(), "文[]");
}

TEST_F(TextEditInputTest, EnterAndEscapeThatNeverReachTheNativeControl) {
    TcxTextEdit* edit = NewEdit();
    std::vector<char32_t> native;
    inner->OnKeyPress = [&](TObject*, char32_t& c) { native.push_back(c); };
    Focus(edit);
    display.PressKey(VK_RETURN);
    Pump();
    edit->BeepOnEnter = false;
    display.PressKey(VK_RETURN);
    Pump();
    edit->SkipNextEnterOrEscape = true; // a drop-down closed its popup with the key
    display.PressKey(VK_ESCAPE);
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(native, (std::vector<char32_t>{13, 27}));
    EXPECT_FALSE(edit->SkipNextEnterOrEscape);
}

TEST_F(TextEditInputTest, AnEscapeThatRevertsEndsAPendingSkip) {
    TcxTextEdit* edit = NewEdit();
    std::vector<char32_t> native;
    inner->OnKeyPress = [&](TObject*, char32_t& c) { native.push_back(c); };
    Focus(edit);
    Type("x");
    edit->SkipNextEnterOrEscape = true;
    display.PressKey(VK_ESCAPE); // reverts the typed text and is used up by that
    Pump();
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_FALSE(edit->SkipNextEnterOrEscape);
    display.PressKey(VK_RETURN); // so the next Enter is not dropped
    Pump();
    EXPECT_EQ(native, (std::vector<char32_t>{U'x', 13}));
}

TEST_F(TextEditInputTest, ACharacterTheNativeControlInsertsEndsTheHighlight) {
    TcxTextEdit* edit = NewEdit();
    props->SetLookupItems({"apple"});
    std::vector<std::string> newTexts;
    props->OnNewLookupDisplayText = [&](TObject*, const std::string& text) { newTexts.push_back(text); };
    Focus(edit);
    Type("a");
    EXPECT_EQ(Shown(), "a[pple]");
    inner->SetSelStart(0); // the highlight is still on; the caret is no longer at the end
    inner->SetSelLength(0);
    Type("x");
    EXPECT_EQ(Shown(), "x[]apple");
    EXPECT_FALSE(edit->IsCompletionHighlighted());
    // A text that is no item is announced when it becomes the value.
    Focus(other);
    EXPECT_EQ(newTexts, std::vector<std::string>{"xapple"});
}

TEST_F(TextEditInputTest, KeysAndTheWheelStepThroughTheItemsWithoutWrapping) {
    auto* edit = NewEdit<TSteppingEdit>();
    props->SetLookupItems({"a", "b", "c"});
    Focus(edit);
    const HWND wnd = inner->GetHandle();
    display.Wheel(wnd, 5, 5, -120); // towards the user: the next item
    Pump();
    EXPECT_EQ(edit->GetText(), "a");
    display.Wheel(wnd, 5, 5, -120);
    display.Wheel(wnd, 5, 5, -120);
    display.Wheel(wnd, 5, 5, -120);
    Pump();
    EXPECT_EQ(edit->GetText(), "c");
    display.Wheel(wnd, 5, 5, 120);
    Pump();
    EXPECT_EQ(edit->GetText(), "b");
    display.PressKey(VK_UP);
    display.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(edit->GetText(), "a");
    display.PressKey(VK_NEXT); // a page down stops at the last item
    Pump();
    EXPECT_EQ(edit->GetText(), "c");
    EXPECT_EQ(edit->GetItemIndex(), 2);
}

TEST_F(TextEditInputTest, APlainTextEditLeavesUpAndDownToTheGrid) {
    TcxTextEdit* edit = NewEdit(TcxTextEditProperties::StaticClass(), true);
    props->SetLookupItems({"a", "b"});
    std::vector<std::uint16_t> gridKeys;
    edit->ContainerKeyHandler = [&](TObject*, std::uint16_t& key, TShiftState) { gridKeys.push_back(key); };
    Focus(edit);
    display.PressKey(VK_DOWN);
    display.Wheel(inner->GetHandle(), 5, 5, -120);
    Pump();
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(gridKeys, std::vector<std::uint16_t>{VK_DOWN});
    const LRESULT code = SendMessage(inner->GetHandle(), WM_GETDLGCODE);
    EXPECT_TRUE(code & DLGC_WANTCHARS);
    EXPECT_TRUE(code & DLGC_WANTALLKEYS); // in place
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// The columns of dark pixels in a row band of the form.
std::pair<int, int> InkColumns(HBITMAP image, int top, int bottom, int left, int right) {
    int first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const std::uint32_t p = image->Row(y)[x];
            if (((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100) {
                if (first < 0 || x < first) first = x;
                last = std::max(last, x);
            }
        }
    return {first, last};
}

TEST_F(TextEditInputTest, ARightAlignedEditorPaintsItsTextUntilItIsFocused) {
    TcxTextEdit* edit = NewEdit();
    Focus(other); // the editor was never focused while right-aligned
    props->GetAlignment()->SetHorz(taRightJustify);
    edit->SetText("12345");
    Pump();
    EXPECT_FALSE(edit->ShowsInnerEdit());
    // Inside the frame (rows 13-28, columns 12-158 of the form).
    HBITMAP image = display.Capture(form->GetHandle());
    const auto painted = InkColumns(image, 13, 29, 12, 158);
    DeleteObject(image);
    EXPECT_GT(painted.first, 100); // at the right, drawn by the editor

    Focus(edit);
    EXPECT_TRUE(edit->ShowsInnerEdit());
    inner->SetSelStart(5); // black text, not white on the selection
    Pump();
    image = display.Capture(form->GetHandle());
    const auto native = InkColumns(image, 13, 29, 12, 158);
    DeleteObject(image);
    EXPECT_LT(native.first, 40); // the inner edit, left-aligned while editing
    EXPECT_LT(native.second, 100);

    Focus(other);
    EXPECT_FALSE(edit->ShowsInnerEdit());
    image = display.Capture(form->GetHandle());
    EXPECT_GT(InkColumns(image, 13, 29, 12, 158).first, 100);
    DeleteObject(image);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditInputTest, ALocaleChangeShowsTheValueAnew) {
    TcxTextEdit* edit = NewEdit(TNumberProperties::StaticClass());
    props->SetDisplayFormat("#,##0.0");
    Focus(other);
    edit->SetEditValue(Variant(1234.5));
    EXPECT_EQ(edit->GetText(), "1,234.5"); // display form, not focused
    const TFormatSettings saved = FormatSettings();
    TFormatSettings european = saved;
    european.DecimalSeparator = ',';
    european.ThousandSeparator = '.';
    SetFormatSettings(european);
    SharedFormatController()->NotifyFormatChanged();
    EXPECT_EQ(edit->GetText(), "1.234,5");
    SetFormatSettings(saved);
    SharedFormatController()->NotifyFormatChanged();
    EXPECT_EQ(edit->GetText(), "1,234.5");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditInputTest, TheMouseInTheInnerEditReachesTheEditor) {
    TcxTextEdit* edit = NewEdit();
    edit->SetText("abc");
    Focus(other);
    std::vector<TPoint> downs;
    int clicks = 0;
    edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downs.push_back({x, y}); };
    edit->OnClick = [&](TObject*) { ++clicks; };
    // A point inside the inner edit, in its own coordinates.
    display.Click(inner->GetHandle(), 5, 4);
    Pump();
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].X, 5 + inner->GetLeft()); // in the editor's coordinates
    EXPECT_EQ(downs[0].Y, 4 + inner->GetTop());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(inner->Focused()); // the editor did not take the focus from it
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditInputTest, AnActivatedCellEditorSelectsItsTextOrPutsTheCaretFirst) {
    TcxTextEdit* edit = NewEdit(TcxTextEditProperties::StaticClass(), true);
    edit->SetEditValue(Variant("abc"));
    TcxCustomEditData* data = nullptr;
    edit->AttachEditData(data);
    Pump();
    EXPECT_EQ(inner->GetSelStart(), 0);
    EXPECT_EQ(inner->GetSelLength(), 3);
    props->SetAutoSelect(false);
    inner->SetSelStart(2);
    edit->AttachEditData(data);
    Pump();
    EXPECT_EQ(inner->GetSelStart(), 0);
    EXPECT_EQ(inner->GetSelLength(), 0);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditInputTest, HomeAndEndStepAListOnlyEditorToItsEnds) {
    auto* edit = NewEdit<TSteppingEdit>(TListOnlyProperties::StaticClass());
    props->SetLookupItems({"a", "b", "c"});
    Focus(edit);
    display.PressKey(VK_END);
    Pump();
    EXPECT_EQ(edit->GetText(), "c");
    display.PressKey(VK_HOME);
    Pump();
    EXPECT_EQ(edit->GetText(), "a");
}

TEST_F(TextEditInputTest, EnterRightAfterACompletionSelectsTheWholeText) {
    TcxTextEdit* edit = NewEdit();
    props->SetLookupItems({"apple"});
    Focus(edit);
    Type("a");
    EXPECT_EQ(Shown(), "a[pple]");
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Shown(), "[apple]");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditInputTest, TheInnerEditIsLeftAlignedWhileEditingUnlessAskedOtherwise) {
    TcxTextEdit* edit = NewEdit();
    Focus(edit);
    const HWND before = inner->GetHandle();
    props->GetAlignment()->SetHorz(taRightJustify); // left while editing: nothing to recreate
    EXPECT_EQ(inner->GetAlignment(), taLeftJustify);
    EXPECT_EQ(inner->GetHandle(), before);
    props->SetUseLeftAlignmentOnEditing(false);
    EXPECT_EQ(inner->GetAlignment(), taRightJustify);
    EXPECT_TRUE(GetWindowStyle(inner->GetHandle()) & ES_RIGHT);
}

TEST_F(TextEditInputTest, AReadOnlyInnerEditPastesNothingAndCutsByCopying) {
    TcxTextEdit* edit = NewEdit();
    edit->SetText("abc");
    props->SetReadOnly(true);
    Focus(edit);
    inner->SelectAll();
    SetClipboardText("zz");
    SendMessage(inner->GetHandle(), WM_PASTE);
    EXPECT_EQ(edit->GetText(), "abc");
    SendMessage(inner->GetHandle(), WM_CUT);
    EXPECT_EQ(edit->GetText(), "abc");
    EXPECT_EQ(GetClipboardText().value_or(""), "abc");
}


// The grid's in-place editing leans on these: a bounds lock that counts, a focus that keeps the
// selection, the editor's say over the focus, and drags over the text landing on the editor.
TEST_F(TextEditInputTest, TheInnerEditLocksItsBoundsKeepsItsSelectionAndDragsForTheEditor) {
    TcxTextEdit* edit = NewEdit();
    const TRect placed = inner->GetBoundsRect();
    IcxCustomInnerEdit* innerEdit = inner;
    innerEdit->LockBounds(true);
    innerEdit->LockBounds(true);
    inner->SetBounds(0, 0, 40, 10);
    innerEdit->LockBounds(false);
    inner->SetBounds(0, 0, 40, 10);
    EXPECT_EQ(inner->GetBoundsRect(), placed) << "still locked once";
    innerEdit->LockBounds(false);
    innerEdit->LockBounds(false); // at 0 it stays 0
    EXPECT_EQ(inner->GetLockBoundsCount(), 0);
    inner->SetBounds(0, 0, 40, 10);
    EXPECT_EQ(inner->GetBoundsRect(), Rect(0, 0, 40, 10));

    edit->SetText("abcdef");
    inner->SetSelStart(2);
    inner->SetSelLength(2);
    ASSERT_TRUE(inner->AutoSelect);
    innerEdit->FocusWithoutAutoSelect();
    Pump();
    EXPECT_TRUE(inner->Focused());
    EXPECT_EQ(inner->GetSelStart(), 2);
    EXPECT_EQ(inner->GetSelLength(), 2);
    EXPECT_TRUE(inner->AutoSelect) << "switched on again";

    Focus(other);
    edit->SetEnabled(false);
    EXPECT_FALSE(inner->CanFocus()) << "a disabled editor's text takes no focus";
    edit->SetEnabled(true);
    EXPECT_TRUE(inner->CanFocus());

    auto* source = new TPanel(form);
    source->SetParent(form);
    source->SetBounds(10, 70, 40, 20);
    source->SetDragMode(dmAutomatic);
    Pump();
    std::vector<std::string> log;
    edit->OnDragOver = [&](TObject*, TObject* dragged, int x, int y, TDragState, bool& accept) {
        accept = dragged == source;
        log.push_back("over " + std::to_string(x) + "," + std::to_string(y));
    };
    edit->OnDragDrop = [&](TObject*, TObject*, int x, int y) {
        log.push_back("drop " + std::to_string(x) + "," + std::to_string(y));
    };
    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(source->GetHandle(), 30, 5);
    display.MoveMouse(inner->GetHandle(), 6, 4);
    display.ReleaseMouse(inner->GetHandle(), 6, 4);
    Pump();
    const std::string at = std::to_string(6 + inner->GetLeft()) + "," + std::to_string(4 + inner->GetTop());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "drop " + at) << "in the editor's coordinates";
    EXPECT_EQ(log.front(), "over " + at);
}

} // namespace
} // namespace zorvy::test
