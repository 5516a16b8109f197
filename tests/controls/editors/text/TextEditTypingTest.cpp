// Typing into a text editor with lookup items: completion, list-only input, the program's own items.
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// Settings whose input style a test chooses (combo boxes choose theirs by their list style).
class TStyledTextProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TStyledTextProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    TcxEditInputStyle GetInputStyle() const override { return Style; }
    TcxEditInputStyle Style = istFreeText;
};

class TextEditTypingTest : public EditorsTest {
  protected:
    TcxTextEdit* NewEdit(std::vector<std::string> items, TcxEditInputStyle style = istFreeText) {
        TForm* form = NewForm();
        edit = new TcxTextEdit(form, false, TStyledTextProperties::StaticClass());
        props = static_cast<TStyledTextProperties*>(edit->GetProperties());
        props->Style = style;
        props->SetLookupItems(items);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        form->Show();
        edit->SetFocus();
        Pump();
        return edit;
    }
    void Type(const std::string& text) {
        display.TypeText(text);
        Pump();
    }
    void Press(std::uint16_t key) {
        display.PressKey(key);
        Pump();
    }
    // The text with the selection in brackets.
    std::string Shown() {
        TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
        const std::string text = inner->GetText();
        const int start = inner->GetSelStart(), length = inner->GetSelLength();
        return text.substr(0, start) + "[" + text.substr(start, length) + "]" + text.substr(start + length);
    }
    TcxTextEdit* edit = nullptr;
    TStyledTextProperties* props = nullptr;
};

TEST_F(TextEditTypingTest, TheProgramsDigitItemsCompleteNothingFurther) {
    NewEdit({"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    Type("1");
    EXPECT_EQ(Shown(), "1[]");
    Type("x");
    EXPECT_EQ(Shown(), "1x[]");
    Press(VK_BACK);
    Press(VK_BACK);
    Type("x");
    EXPECT_EQ(Shown(), "x[]");
}

TEST_F(TextEditTypingTest, CompletionGrowsAndShrinksWithThePrefix) {
    NewEdit({"apple", "apricot"});
    Type("a");
    EXPECT_EQ(Shown(), "a[pple]");
    EXPECT_TRUE(edit->IsCompletionHighlighted());
    Type("p");
    EXPECT_EQ(Shown(), "ap[ple]");
    Type("r");
    EXPECT_EQ(Shown(), "apr[icot]");
    Press(VK_BACK);
    EXPECT_EQ(Shown(), "ap[ple]");
    // Right ends the completion with the caret after the item.
    Press(VK_RIGHT);
    EXPECT_EQ(Shown(), "apple[]");
    EXPECT_FALSE(edit->IsCompletionHighlighted());
}

TEST_F(TextEditTypingTest, ListOnlyInput) {
    NewEdit({"apple", "apricot"}, istListOnly);
    Type("a");
    EXPECT_EQ(Shown(), "a[pple]");
    Type("z"); // no item: dropped, the highlight stays
    EXPECT_EQ(Shown(), "a[pple]");
    EXPECT_TRUE(edit->IsCompletionHighlighted());
    for (std::uint16_t key : {VK_LEFT, VK_RIGHT, VK_DELETE}) {
        Press(key);
        EXPECT_EQ(Shown(), "a[pple]") << key;
    }

    props->SetFixedListPrefixSelection(false);
    Type("a");
    EXPECT_EQ(Shown(), "a[pple]");
    Type("z");
    EXPECT_EQ(Shown(), "a[pple]");
    EXPECT_FALSE(edit->IsCompletionHighlighted());
    Type("a"); // the search restarts with the character alone
    EXPECT_EQ(Shown(), "a[pple]");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditTypingTest, AListOnlyEditorPaintsTheCompletionItShows) {
    NewEdit({"apple", "apricot"}, istListOnly);
    EXPECT_FALSE(edit->ShowsInnerEdit()); // list-only text is always painted
    Type("a");
    auto* vi = static_cast<TcxCustomTextEditViewInfo*>(edit->GetEditViewInfo());
    EXPECT_EQ(vi->Text, "apple");
    EXPECT_EQ(vi->SelStart, 1);
    EXPECT_EQ(vi->SelLength, 4);
    EXPECT_EQ(edit->GetSelectionStart(), 1);
    Press(VK_LEFT); // ends the completion: nothing selected, as the editor reports it
    EXPECT_EQ(vi->SelLength, 0);
    EXPECT_EQ(edit->GetSelectionStart(), 0);
    EXPECT_EQ(edit->GetSelectionLength(), 0);
}

TEST_F(TextEditTypingTest, WithoutTypingNothingIsEdited) {
    NewEdit({"apple"}, istNoTyping);
    Type("a");
    EXPECT_EQ(edit->GetText(), "");
    edit->SetSelection(0, 3);
    EXPECT_EQ(edit->GetSelectionLength(), 0);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TextEditTypingTest, ATextThatIsNoLongerAnItemIsCleared) {
    NewEdit({"apple", "kiwi"}, istListOnly);
    edit->SetText("apple");
    EXPECT_EQ(edit->GetText(), "apple");
    props->SetLookupItems({"kiwi"});
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), ""); // the cleared text is the value
    edit->SetText("kiwi");
    props->SetLookupItems({"kiwi", "pear"});
    EXPECT_EQ(edit->GetText(), "kiwi"); // still an item: kept
}

} // namespace
} // namespace zorvy::test
