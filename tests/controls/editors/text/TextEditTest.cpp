// The road of one condition edit: keys typed into the native inner edit of a text editor reach the
// editor's value cycle; keys nobody used go on to the grid; the length limit counts characters.
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TextEditTest : public EditorsTest {
  protected:
    TcxTextEdit* NewEdit(bool inplace = false) {
        form = NewForm();
        auto* edit = new TcxTextEdit(form, inplace);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        other = new TcxTextEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 120, 21);
        form->Show();
        Pump();
        edit->GetProperties()->OnChange = [this](TObject*) { log.push_back("change"); };
        edit->OnEditing = [this](TObject*, bool&) { log.push_back("editing"); };
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    TForm* form = nullptr;
    TcxTextEdit* other = nullptr;
    std::vector<std::string> log;
};

TEST_F(TextEditTest, TypedTextBecomesTheValueWhenTheEditorIsLeft) {
    TcxTextEdit* edit = NewEdit();
    Focus(edit);
    EXPECT_TRUE(edit->GetInnerTextEdit()->Focused());
    display.TypeText("12");
    Pump();
    EXPECT_EQ(edit->GetText(), "12");
    EXPECT_EQ(log, (std::vector<std::string>{"editing", "change", "change"}));
    EXPECT_TRUE(edit->GetEditValue().IsNull());
    Focus(other);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "12");
    EXPECT_FALSE(edit->IsChangedSinceEnter());

    // Escape after a change goes back to the value on entry.
    Focus(edit);
    display.TypeText("3");
    Pump();
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(edit->GetText(), "12");
}

TEST_F(TextEditTest, TheInnerEditIsOneTextRowAtTheVerticalAlignment) {
    // Content margins (left, top, right, bottom): 1, 1, 1, 3 standalone, 1 on every side in place.
    struct Case {
        bool inplace;
        TcxEditVertAlignment vert;
    };
    for (const Case& k : {Case{false, taTopJustify}, Case{false, taVCenter}, Case{false, taBottomJustify},
                          Case{true, taTopJustify}, Case{true, taVCenter}, Case{true, taBottomJustify}}) {
        SCOPED_TRACE(testing::Message() << "inplace " << k.inplace << " vert " << k.vert);
        TcxTextEdit* edit = NewEdit(k.inplace);
        edit->SetAutoSize(false);
        edit->SetBounds(10, 10, 120, 60);
        edit->GetProperties()->GetAlignment()->SetVert(k.vert);
        Pump();
        TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
        const int h = ScreenCanvasInstance()->MeasureFontLineHeight(inner->GetFont());
        const TRect c = edit->GetViewInfo()->ClientRect;
        const int bottomMargin = k.inplace ? 1 : 3;
        int top = c.Top + 1;
        if (k.vert == taVCenter) top = c.Top + 1 + (c.Height() - h - 1 - bottomMargin) / 2;
        if (k.vert == taBottomJustify) top = c.Bottom - h - bottomMargin;
        EXPECT_GT(c.Height(), h + 10); // room enough for the alignments to differ
        EXPECT_EQ(inner->GetBoundsRect(), Rect(c.Left + 1, top, c.Right, top + h));
        delete form;
        form = nullptr;
    }
}

TEST_F(TextEditTest, TheCaretPositionIsFoundFromTheCaretsX) {
    TcxTextEdit* edit = NewEdit();
    EXPECT_EQ(edit->GetCaretCharIndex(), 0);
    edit->SetText("a中b文c");
    Focus(edit);
    TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
    for (int pos : {0, 1, 4, 5, 8, 9}) { // byte offsets of the character boundaries
        inner->SetSelStart(pos);
        inner->SetSelLength(0);
        Pump();
        EXPECT_EQ(edit->GetCaretCharIndex(), pos) << pos;
    }
}

TEST_F(TextEditTest, TheTextBaselineIsTheBottomOfTheFirstRow) {
    TcxTextEdit* edit = NewEdit();
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 120, 60);
    edit->SetText("Zg");
    Pump();
    EXPECT_TRUE(edit->HasTextBaseline());
    auto* vi = dynamic_cast<TcxCustomTextEditViewInfo*>(edit->GetViewInfo());
    ASSERT_NE(vi, nullptr);
    const int top = edit->GetTextBaseline();
    EXPECT_GT(top, vi->TextRect.Top);
    EXPECT_LT(top, vi->TextRect.Top + vi->TextRect.Height() / 2); // one row below the top, not the box's bottom
    edit->GetProperties()->GetAlignment()->SetVert(taBottomJustify);
    Pump();
    EXPECT_EQ(edit->GetTextBaseline(), vi->TextRect.Bottom - 1);
}

TEST_F(TextEditTest, AKeyThatMovesNothingGoesOnToTheGrid) {
    TcxTextEdit* edit = NewEdit(true);
    std::vector<std::uint16_t> gridKeys;
    edit->ContainerKeyHandler = [&](TObject*, std::uint16_t& key, TShiftState) { gridKeys.push_back(key); };
    edit->SetText("abc");
    Focus(edit);
    edit->GetInnerTextEdit()->SetSelStart(0);
    edit->GetInnerTextEdit()->SetSelLength(0);
    display.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(gridKeys, std::vector<std::uint16_t>{VK_LEFT});
    edit->GetInnerTextEdit()->SetSelStart(3);
    display.PressKey(VK_LEFT);
    Pump();
    EXPECT_EQ(gridKeys, std::vector<std::uint16_t>{VK_LEFT});
    EXPECT_EQ(edit->GetInnerTextEdit()->GetSelStart(), 2);
}

TEST_F(TextEditTest, ALetterCaseChangeAloneIsAChange) {
    TcxTextEdit* edit = NewEdit();
    edit->SetText("abc");
    TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
    TcxCustomInnerTextEditPrevState state;
    inner->SaveState(true, state);
    EXPECT_FALSE(inner->StateChanged(state));
    inner->SetText("ABC");
    inner->SetSelStart(state.SelStart);
    inner->SetSelLength(state.SelLength);
    EXPECT_TRUE(inner->StateChanged(state)); // so the key is not also handed to the grid
}

TEST_F(TextEditTest, TabAndAnInPlaceEnterNeverReachTheNativeControl) {
    TcxTextEdit* edit = NewEdit(true);
    std::vector<char32_t> native;
    edit->GetInnerTextEdit()->OnKeyPress = [&](TObject*, char32_t& c) { native.push_back(c); };
    std::vector<std::uint16_t> gridKeys;
    // The grid takes what it is given.
    edit->ContainerKeyHandler = [&](TObject*, std::uint16_t& key, TShiftState) {
        gridKeys.push_back(key);
        key = 0;
    };
    Focus(edit);
    display.PressKey(VK_RETURN);
    display.PressKey(VK_TAB);
    display.TypeText("a");
    Pump();
    EXPECT_TRUE(edit->GetInnerTextEdit()->Focused());
    EXPECT_EQ(native, std::vector<char32_t>{U'a'});
    EXPECT_EQ(gridKeys, (std::vector<std::uint16_t>{VK_RETURN, VK_TAB}));
}

TEST_F(TextEditTest, TheLengthLimitCountsCharacters) {
    TcxTextEdit* edit = NewEdit();
    static_cast<TcxTextEditProperties*>(edit->GetProperties())->SetMaxLength(3);
    Focus(edit);
    display.TypeText("中文字符");
    Pump();
    EXPECT_EQ(edit->GetText(), "中文字");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

class TListOnlyTextProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TListOnlyTextProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    TcxEditInputStyle GetInputStyle() const override { return istListOnly; }
};

TEST_F(TextEditTest, PastingObeysTheSameLimitAsTyping) {
    TcxTextEdit* edit = NewEdit();
    static_cast<TcxTextEditProperties*>(edit->GetProperties())->SetMaxLength(3);
    Focus(edit);
    display.TypeText("ab");
    Pump();
    SetClipboardText("中文");
    SendMessage(edit->GetInnerTextEdit()->GetHandle(), WM_PASTE);
    Pump();
    EXPECT_EQ(edit->GetText(), "ab中");

    // Double-byte text already there counts one per character: two of three are used.
    edit->SetText("中文");
    edit->GetInnerTextEdit()->SetSelStart(6);
    SetClipboardText("ab");
    SendMessage(edit->GetInnerTextEdit()->GetHandle(), WM_PASTE);
    Pump();
    EXPECT_EQ(edit->GetText(), "中文a");

    // A text already over the limit (set by program) takes no paste at all.
    edit->SetText("abcd");
    edit->GetInnerTextEdit()->SetSelStart(4);
    SetClipboardText("x");
    SendMessage(edit->GetInnerTextEdit()->GetHandle(), WM_PASTE);
    Pump();
    EXPECT_EQ(edit->GetText(), "abcd");
}

// Replacing the selection runs as the user's change exactly while the editor has the focus: only then
// does the length limit cut the inserted text.
TEST_F(TextEditTest, ReplacingTheSelectionKeepsTheLimitOnlyWhenFocused) {
    TcxTextEdit* edit = NewEdit();
    static_cast<TcxTextEditProperties*>(edit->GetProperties())->SetMaxLength(3);
    Focus(edit);
    display.TypeText("ab");
    Pump();
    edit->ReplaceSelectedText("中文");
    EXPECT_EQ(edit->GetText(), "ab中");
    EXPECT_EQ(edit->GetInnerTextEdit()->GetSelStart(), 5) << "the caret after the kept character";
    EXPECT_FALSE(edit->IsUserChange()) << "the flag is put back";

    edit->SetText("ab");
    Focus(other);
    ASSERT_FALSE(edit->Focused());
    edit->GetInnerTextEdit()->SetSelStart(2);
    edit->ReplaceSelectedText("中文");
    EXPECT_EQ(edit->GetText(), "ab中文");
}

TEST_F(TextEditTest, UndoingTheChangesRevertsToTheValueOnEntry) {
    TcxTextEdit* edit = NewEdit();
    Focus(other);
    edit->SetText("old");
    Focus(edit); // entering keeps "old"
    edit->GetInnerTextEdit()->SetSelStart(3);
    display.TypeText("x");
    Pump();
    ASSERT_EQ(edit->GetText(), "oldx");
    edit->UndoChanges();
    EXPECT_EQ(edit->GetText(), "old");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "old");
    EXPECT_FALSE(edit->IsChangedSinceEnter());
}

TEST_F(TextEditTest, TheWindowTextMessages) {
    TForm* form = NewForm();
    auto* edit = new TcxTextEdit(form, false, TListOnlyTextProperties::StaticClass());
    edit->SetParent(form);
    static_cast<TcxTextEditProperties*>(edit->GetProperties())->SetLookupItems({"0", "1", "2", "3", "中文"});
    form->Show();
    Pump();
    const HWND wnd = edit->GetHandle();
    const std::string nine = "9", three = "3";
    EXPECT_EQ(SendMessage(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&nine)), 0);
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(SendMessage(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&three)), 1);
    EXPECT_EQ(edit->GetText(), "3");

    edit->SetText("中文"); // six bytes
    std::string buffer = "x";
    EXPECT_EQ(SendMessage(wnd, WM_GETTEXT, 1, reinterpret_cast<LPARAM>(&buffer)), 0);
    EXPECT_EQ(buffer, "");
    EXPECT_EQ(SendMessage(wnd, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(&buffer)), 3); // no half character
    EXPECT_EQ(buffer, "中");
    EXPECT_EQ(SendMessage(wnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&buffer)), 6);
    EXPECT_EQ(SendMessage(wnd, WM_GETTEXTLENGTH), 6);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

class TNumberTextProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TNumberTextProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    bool HoldsNumbers() const override { return true; }
};

TEST(TextEditRange, ActiveBoundsAndTheirCheck) {
    struct Case {
        bool setMin, setMax;
        double min, max;
        const char* text;
        bool error;
    };
    const Case cases[] = {
        {true, true, 5, 5, "5", false},  {true, true, 5, 5, "6", true},   {true, true, 5, 5, "4", true},
        {true, false, 5, 0, "100", false}, {true, false, 5, 0, "4", true}, {false, true, 0, 10, "-3", false},
        {false, true, 0, 10, "11", true}, {true, true, 1, 9, "x", false},  {false, false, 0, 0, "99", false},
    };
    for (const Case& c : cases) {
        TNumberTextProperties p(nullptr);
        if (c.setMin) p.SetMinValue(c.min);
        if (c.setMax) p.SetMaxValue(c.max);
        std::string errorText;
        bool error = false;
        p.VerifyRange(Variant(c.text), errorText, error);
        EXPECT_EQ(error, c.error) << c.setMin << c.setMax << c.min << c.max << c.text;
        if (error) {
            EXPECT_EQ(errorText, "Value out of bounds");
        }
    }
}

} // namespace
} // namespace zorvy::test
