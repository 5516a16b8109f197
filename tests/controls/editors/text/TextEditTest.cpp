// The road of one condition edit: keys typed into the native inner edit of a text editor reach the
// editor's value cycle; keys nobody used go on to the grid; the length limit counts characters.
#include "controls/editors/text/TextEdit.h"
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
