// The memo: the display text of cells, MaxLength over pasting and typing, Enter and Tab as text or not,
// Ctrl+A, read-only pasting, the height in lines, the value cycle, and its filter operators.
#include "controls/editors/memo/MemoEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class MemoEditTest : public EditorsTest {
  protected:
    TcxMemo* NewMemo(const std::string& text = "") {
        form = NewForm();
        auto* memo = new TcxMemo(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 185, 89);
        form->Show();
        Pump();
        memo->SetText(text);
        memo->SetFocus();
        Pump();
        return memo;
    }
    void Ctrl(std::uint16_t vk) {
        InjectKey(VK_CONTROL, true);
        display.PressKey(vk);
        InjectKey(VK_CONTROL, false);
        Pump();
    }
    TForm* form = nullptr;
};

TEST_F(MemoEditTest, CellsShowTheFirstLineAtMost250Characters) {
    TcxMemoProperties p(nullptr);
    const std::string longLine(300, 'x');
    const struct {
        std::string value;
        bool editing;
        std::string expected;
    } cases[] = {
        {"first\r\nsecond", false, "first"},
        {"first\nsecond", false, "first"},
        {"first\r\nsecond", true, "first\r\nsecond"},
        {longLine + "\r\nmore", false, std::string(250, 'x')},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        std::string text;
        p.FormatDisplayText(Variant(c.value), text, c.editing);
        EXPECT_EQ(text, c.expected) << c.value.substr(0, 20);
    }
    EXPECT_EQ(CutAtFirstLineBreak("abc\rdef", 0), "abc");
    EXPECT_EQ(CutAtFirstLineBreak("汉字汉字", 2), "汉字"); // characters, not bytes
}

TEST_F(MemoEditTest, MaxLengthCutsPastedAndTypedText) {
    TcxMemo* memo = NewMemo("abc");
    memo->GetProperties()->SetMaxLength(5);
    memo->GetInnerMemo()->SetCaretPos({0, 3});
    SetClipboardText("wxyz");
    Ctrl('V');
    EXPECT_EQ(memo->GetText(), "abcwx");
    display.TypeText("q");
    Pump();
    EXPECT_EQ(memo->GetText(), "abcwx"); // no room left
    // Replacing a selection frees its room.
    memo->GetInnerMemo()->SetCaretPos({0, 0});
    memo->GetInnerMemo()->SetCaretPos({0, 2}, true);
    display.TypeText("Z");
    Pump();
    EXPECT_EQ(memo->GetText(), "Zcwx");
    // On leaving, the typed text becomes the value.
    memo->ValidateInput(false);
    EXPECT_EQ(VarToStr(memo->GetEditValue()), "Zcwx");
}

TEST_F(MemoEditTest, EnterAndTabAreTextOnlyWhereTheSettingsSaySo) {
    TcxMemo* memo = NewMemo("ab");
    memo->GetInnerMemo()->SetCaretPos({0, 1});
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(memo->GetText(), "a\r\nb");
    EXPECT_EQ(memo->GetLines()->GetCount(), 2);
    memo->GetProperties()->SetWantReturns(false);
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(memo->GetText(), "a\r\nb");
    Ctrl(VK_RETURN); // Ctrl+Enter still breaks the line
    EXPECT_EQ(memo->GetLines()->GetCount(), 3);

    EXPECT_FALSE(memo->IsLineBreakOrTabKey(VK_TAB, 0, false));
    EXPECT_TRUE(memo->IsLineBreakOrTabKey(VK_TAB, 0, true)); // a Tab character that got here is text
    memo->GetProperties()->SetWantTabs(true);
    EXPECT_TRUE(memo->GetProperties()->WantsTabs());
    EXPECT_TRUE(memo->IsLineBreakOrTabKey(VK_TAB, 0, false));
    EXPECT_FALSE(memo->ForwardsActivationKey(13));
    EXPECT_TRUE(memo->ForwardsActivationKey('a'));
}

TEST_F(MemoEditTest, CtrlASelectsAllOfATextAndReadOnlyRefusesPasting) {
    TcxMemo* memo = NewMemo("");
    Ctrl('A');
    EXPECT_EQ(memo->GetInnerMemo()->GetSelLength(), 0u);
    memo->SetText("one\r\ntwo");
    Ctrl('A');
    EXPECT_EQ(memo->GetInnerMemo()->GetSelLength(), memo->GetText().size());

    memo->GetProperties()->SetReadOnly(true);
    SetClipboardText("pasted");
    Ctrl('V');
    EXPECT_EQ(memo->GetText(), "one\r\ntwo");
    Ctrl('X'); // cut turns into copy
    EXPECT_EQ(memo->GetText(), "one\r\ntwo");
    EXPECT_EQ(GetClipboardText().value_or(""), "one\r\ntwo");
}

TEST_F(MemoEditTest, VisibleLineCountSetsTheHeightOfAStandAloneMemoOnly) {
    TcxMemo* memo = NewMemo();
    EXPECT_FALSE(memo->AutoSizeInEffect());
    memo->GetProperties()->SetVisibleLineCount(3);
    EXPECT_TRUE(memo->AutoSizeInEffect());
    memo->SetHeight(300);
    Pump();
    const int three = memo->GetHeight();
    memo->GetProperties()->SetVisibleLineCount(6);
    memo->SetHeight(300);
    Pump();
    const int six = memo->GetHeight();
    TScreenCanvas screen;
    screen.GetFont()->Assign(memo->GetStyle()->EffectiveFont());
    EXPECT_EQ(six - three, 3 * screen.TextHeight("Zg"));
    memo->GetProperties()->SetVisibleLineCount(-2);
    EXPECT_EQ(memo->GetProperties()->GetVisibleLineCount(), 0);
    TcxMemo inplace(form, true);
    inplace.GetProperties()->SetVisibleLineCount(3);
    EXPECT_FALSE(inplace.AutoSizeInEffect());
}

TEST_F(MemoEditTest, FiltersByTextOnlyAndIsRegistered) {
    InitializeMemoUnit();
    const auto* helper = FilterEditHelper(TcxFilterMemoHelper::StaticClass());
    TcxMemoProperties p(nullptr);
    const TcxFilterControlOperators expected =
        FilterOperatorBit(7) | FilterOperatorBit(8) | FilterOperatorBit(9) | FilterOperatorBit(10);
    EXPECT_EQ(helper->GetAllowedOperators(&p, nullptr, false), expected);
    EXPECT_EQ(helper->GetAllowedOperators(&p, nullptr, true), expected);
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxMemoProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDescription(index),
              "Memo|Represents an edit control that allows editing memo data");
    FinalizeMemoUnit();
}

} // namespace
} // namespace zorvy::test
