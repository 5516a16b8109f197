// The standard mask mode against a recording edit: what the user sees after each key, paste and value
// change. Positions in the expectations are characters; the edit itself speaks byte offsets.
#include "controls/editors/mask/MaskModes.h"

#include "platform/rtl/Encoding.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// An edit with a text and a selection in bytes, as the inner edit control keeps them. Showing a text
// puts the caret home, as the edit control does, so the mode must restore it itself.
class TRecordingEdit : public TcxMaskEditModeEdit, public TcxMaskEditModeProperties {
  public:
    std::string text;
    int selStart = 0;
    int selLength = 0;
    int caret = -1; // -1: at the selection start
    bool shift = false;
    bool window = true;
    bool innerEditMissing = false;
    bool ignoreMaskBlank = false;
    bool beepOnError = false;
    bool modified = false;
    std::string refused;  // IsCharAllowedAt clears this character
    std::vector<uint16_t> keys;
    Variant editValue;
    Variant valueAsUser;
    TcxMaskEditCustomMode* mode = nullptr; // for the display conversion

    TcxMaskEditModeProperties* GetModeProperties() override { return this; }
    bool IsInnerEditMissing() const override { return innerEditMissing; }
    bool HandleAllocated() const override { return window; }
    std::string GetInnerText() const override { return text; }
    int GetSelectionStart() const override { return selStart; }
    int GetSelectionLength() const override { return selLength; }
    int GetCaretPosition() const override { return caret < 0 ? selStart : caret; }
    void SetSelStartLocked(int start) override {
        selStart = std::min<int>(start, text.size());
        selLength = 0;
    }
    void SetSelLengthLocked(int length) override { selLength = std::min<int>(length, text.size() - selStart); }
    void ShowText(const std::string& shown) override {
        text = shown;
        selStart = selLength = 0;
    }
    bool GetShiftHeld() const override { return shift; }
    void SetShiftHeld(bool value) override { shift = value; }
    void SendKeyToSelf(uint16_t key) override { keys.push_back(key); }
    bool IsCharAllowedAt(std::string& character, int) override {
        if (character == refused) character.clear();
        return true;
    }
    bool IsModifiedAfterEnter() const override { return modified; }
    std::string ReadShownText() const override { return text; }
    Variant GetValue() const override { return editValue; }
    bool IsFocused() const override { return true; }
    void SetValueAsUser(const Variant& value) override { valueAsUser = value; }

    bool GetIgnoreMaskBlank() const override { return ignoreMaskBlank; }
    bool GetBeepOnError() const override { return beepOnError; }
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool) override {
        displayValue = mode->FormatWithMask(VarToStr(value), false);
    }

    // Selection in characters.
    int Start() const { return static_cast<int>(CharCount(text.substr(0, selStart))); }
    int Length() const { return static_cast<int>(CharCount(text.substr(selStart, selLength))); }
    void PlaceCaret(int position, int length = 0) {
        selStart = static_cast<int>(CharToByteIndex(text, position));
        selLength = static_cast<int>(CharToByteIndex(text, position + length)) - selStart;
    }
};

class MaskModeTest : public ::testing::Test {
  protected:
    MaskModeTest() { edit.mode = &mode; }

    // The edit shows `text` under `mask` with the one-character caret at `position`.
    void Start(const std::string& mask, const std::string& text, int position) {
        mode.CompileMask(mask);
        edit.text = text;
        edit.PlaceCaret(position);
        mode.RefreshMaskDisplay();
    }
    void Type(const std::string& typed) {
        for (std::string c : SplitMaskChars(typed)) EXPECT_FALSE(mode.ProcessChar(c));
    }
    void Paste(const std::string& clip) {
        mode.SetClipboardTextLength(static_cast<int>(CharCount(clip)));
        mode.BeforePaste();
        edit.text.replace(edit.selStart, edit.selLength, clip);
        edit.selStart += clip.size();
        edit.selLength = 0;
        mode.AfterPaste();
    }

    TRecordingEdit edit;
    TcxMaskEditStandardMode mode{&edit, nullptr};
};

TEST_F(MaskModeTest, TypingFillsInputPositionsAndSkipsLiterals) {
    Start("(99)00;0;_", "(__)__", 0);
    EXPECT_FALSE(mode.ProcessHome());
    EXPECT_EQ(edit.Start(), 1); // the first input position
    EXPECT_EQ(edit.Length(), 1); // the one-character caret
    Type("12");
    EXPECT_EQ(edit.text, "(12)__");
    EXPECT_EQ(edit.Start(), 4); // past the ")"
    Type("34");
    EXPECT_EQ(edit.text, "(12)34");
    EXPECT_EQ(edit.Start(), 6);
    EXPECT_TRUE(mode.IsCaretAtEnd());
    EXPECT_EQ(mode.GetDisplayTextForMask(edit.text, true), "1234");
}

TEST_F(MaskModeTest, TypingOverALiteralWritesTheNextInputPosition) {
    Start("00-00", "__-__", 2);
    Type("7");
    EXPECT_EQ(edit.text, "__-7_");
    EXPECT_EQ(edit.Start(), 4);
}

TEST_F(MaskModeTest, RefusedCharactersAreSwallowedAndOnlyClearedOnesBeep) {
    Start(">L0", "__", 0);
    const int beeps = MessageBeepCount();
    Type("5"); // a digit in a letter position
    EXPECT_EQ(edit.text, "__");
    EXPECT_EQ(edit.Start(), 0);
    Type("a");
    EXPECT_EQ(edit.text, "A_"); // the position's case rule
    edit.refused = "9";
    Type("9"); // allowed by the mask, cleared by the edit, BeepOnError off
    edit.beepOnError = true;
    Type("9");
    EXPECT_EQ(edit.text, "A_");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
}

TEST_F(MaskModeTest, DeleteAndBackspaceBlankInputPositionsOnly) {
    Start("(99)00;0;_", "(12)34", 2);
    mode.ProcessDelete(); // the one-character caret
    EXPECT_EQ(edit.text, "(1_)34");
    EXPECT_EQ(edit.Start(), 2);

    Start("(99)00;0;_", "(12)34", 4);
    mode.ProcessBackspace(); // moves left past ")" and blanks the position reached
    EXPECT_EQ(edit.text, "(1_)34");
    EXPECT_EQ(edit.Start(), 2);

    Start("(99)00;0;_", "(12)34", 0);
    edit.PlaceCaret(2, 3); // "2)3"
    mode.ProcessDelete();
    EXPECT_EQ(edit.text, "(1_)_4");
    EXPECT_EQ(edit.Start(), 2);

    Start("00;1;*", "12", 0);
    edit.PlaceCaret(0, 0);
    edit.window = false; // no one-character caret: an empty selection changes nothing
    mode.ProcessDelete();
    EXPECT_EQ(edit.text, "12");
}

TEST_F(MaskModeTest, CaretMovesStepOverLiterals) {
    struct Case {
        const char* name;
        int start, length;
        bool (TcxMaskEditStandardMode::*key)();
        int expected;
    };
    using M = TcxMaskEditStandardMode;
    const Case cases[] = {
        {"Right skips )", 2, 1, &M::ProcessRight, 4},
        {"Right onto the end", 5, 1, &M::ProcessRight, 6},
        {"Right at the end stays", 6, 0, &M::ProcessRight, 6},
        {"Left skips )", 4, 1, &M::ProcessLeft, 2},
        {"Left stays on the first input position", 1, 1, &M::ProcessLeft, 1},
        {"Left collapses a selection on its first input position", 3, 2, &M::ProcessLeft, 4},
        {"Right collapses a selection on its last input position", 1, 3, &M::ProcessRight, 2},
        {"Home passes the leading literal", 5, 1, &M::ProcessHome, 1},
        {"End", 2, 1, &M::ProcessEnd, 6},
    };
    for (const Case& c : cases) {
        Start("(99)00;0;_", "(12)34", 0);
        edit.PlaceCaret(c.start, c.length);
        EXPECT_FALSE((mode.*c.key)()) << c.name;
        EXPECT_EQ(edit.Start(), c.expected) << c.name;
    }
    Start("(99)00;0;_", "(12)34", 1);
    EXPECT_TRUE(mode.IsCaretAtStart());
    edit.PlaceCaret(2, 1);
    EXPECT_FALSE(mode.IsCaretAtStart());
}

TEST_F(MaskModeTest, ShiftLeavesSelectingToTheInnerEdit) {
    Start("0000", "1234", 2);
    edit.shift = true;
    EXPECT_TRUE(mode.ProcessHome());
    EXPECT_TRUE(mode.ProcessEnd());
    EXPECT_TRUE(mode.ProcessLeft());
    // The one-character caret is given up from its right end and two Left keys select leftwards.
    EXPECT_EQ(edit.Start(), 3);
    EXPECT_EQ(edit.Length(), 0);
    EXPECT_EQ(edit.keys, (std::vector<uint16_t>{VK_LEFT, VK_LEFT}));
}

TEST_F(MaskModeTest, PasteOverwritesAsManyPositionsAsItBrings) {
    Start("0000000", "_______", 3);
    Paste("12");
    EXPECT_EQ(edit.text, "___12__");
    EXPECT_EQ(edit.Start(), 5);

    Start("00000-00", "_____-__", 3);
    Paste("12");
    EXPECT_EQ(edit.text, "___12-__");
    EXPECT_EQ(edit.Start(), 6); // position 5 is a literal
}

TEST_F(MaskModeTest, APositionHoldsAWholeChineseCharacter) {
    Start("CC0", "___", 0);
    Type("中文");
    EXPECT_EQ(edit.text, "中文_");
    EXPECT_EQ(edit.selStart, 6); // bytes: after two three-byte characters
    EXPECT_EQ(edit.Start(), 2);
    mode.ProcessLeft();
    EXPECT_EQ(edit.selStart, 3);
    EXPECT_EQ(edit.selLength, 3); // the caret covers the whole character
    mode.ProcessDelete();
    EXPECT_EQ(edit.text, "中__");
    // A selection reported inside a character takes the character whole.
    edit.selStart = 1;
    edit.selLength = 1;
    mode.ProcessDelete();
    EXPECT_EQ(edit.text, "___");
}

TEST_F(MaskModeTest, ValuesAndShownTexts) {
    mode.CompileMask("(99)00;0;_");
    EXPECT_EQ(mode.GetEmptyMaskText(), "    ");
    EXPECT_EQ(mode.FormatWithMask("1234", false), "(12)34");
    EXPECT_FALSE(mode.IsTextValid("(__)__"));
    edit.ignoreMaskBlank = true;
    EXPECT_TRUE(mode.IsTextValid("(__)__")); // the untouched template
    EXPECT_FALSE(mode.IsTextValid("(__)1_"));

    // Not yet changed by the user: the value through the properties; changed: the shown text refitted.
    edit.editValue = Variant("1234");
    mode.SyncEditValue();
    EXPECT_EQ(edit.text, "(12)34");
    EXPECT_EQ(edit.Length(), 1);
    edit.modified = true;
    edit.text = "(5";
    mode.SyncEditValue();
    EXPECT_EQ(edit.text, "(5_)__");

    // Upper or lower CharCase keeps the case the edit gave the characters.
    mode.CompileMask(">LL");
    EXPECT_EQ(mode.GetDisplayTextForMask("ab", false), "AB");
    mode.SetCharCase(ecLowerCase);
    EXPECT_EQ(mode.GetDisplayTextForMask("ab", false), "ab");

    // A blank mask leaves texts alone.
    mode.CompileMask(" \t");
    EXPECT_EQ(mode.GetDisplayTextForMask("ab", false), "ab");
}

TEST_F(MaskModeTest, AMaskCompiledWithoutAnEditGivesItsEmptyValueLater) {
    edit.innerEditMissing = true;
    mode.CompileMask("(99)00;1;_");
    edit.innerEditMissing = false;
    mode.UpdateEditValue();
    EXPECT_EQ(VarToStr(edit.valueAsUser), "(  )  ");
    edit.valueAsUser = Variant();
    mode.UpdateEditValue(); // only once
    EXPECT_TRUE(edit.valueAsUser.IsEmpty());
}

TEST(MaskModeBlankTest, BlankMasks) {
    EXPECT_TRUE(IsMaskEmpty(""));
    EXPECT_TRUE(IsMaskEmpty(std::string(" \t\n\f\r\0", 6)));
    EXPECT_FALSE(IsMaskEmpty("\v"));
    EXPECT_FALSE(IsMaskEmpty(" 0"));
}

} // namespace
} // namespace zorvy
