// The calculator: its engine driven button by button against results worked by hand, errors and how
// they are left, memory and its buttons, typed keys held and repeated, pasting, and sizing.
#include "controls/editors/calc/Calculator.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvy::test {
namespace {

// A calculator whose display is a plain text, as a host control would keep it.
class TTestCalculator : public TcxCustomCalculator {
  public:
    using TcxCustomCalculator::TcxCustomCalculator;
    using TcxCustomCalculator::KeyPress;
    using TcxCustomCalculator::KeyUp;
    std::string Display = "0";
    std::string GetDisplayText() override { return Display; }
    void SetDisplayText(const std::string& text) override { Display = text; }
};

class CalculatorTest : public EditorsTest {
  protected:
    CalculatorTest() {
        form = NewForm(300, 200);
        calc = new TTestCalculator(form);
        calc->SetParent(form);
        form->Show();
        Pump();
    }
    // Presses the buttons a text names: digits, ".", the operators, "=", and single letters for
    // the rest: s sqrt, r 1/x, p %, n +/-, b Back, E CE, C C.
    void Press(const std::string& keys) {
        for (char k : keys) {
            TcxCalcButtonKind b = cbNone;
            if (k >= '0' && k <= '9') b = static_cast<TcxCalcButtonKind>(cbNum0 + (k - '0'));
            switch (k) {
            case '.': b = cbDecimal; break;
            case '+': b = cbAdd; break;
            case '-': b = cbSub; break;
            case '*': b = cbMul; break;
            case '/': b = cbDiv; break;
            case '=': b = cbEqual; break;
            case 's': b = cbSqrt; break;
            case 'r': b = cbRev; break;
            case 'p': b = cbPercent; break;
            case 'n': b = cbSign; break;
            case 'b': b = cbBack; break;
            case 'E': b = cbCancel; break;
            case 'C': b = cbClear; break;
            default: break;
            }
            calc->ButtonClick(b);
        }
    }
    void Type(char32_t ch) { calc->KeyPress(ch); }
    void Release() {
        std::uint16_t key = 0;
        calc->KeyUp(key, 0);
    }
    TForm* form = nullptr;
    TTestCalculator* calc = nullptr;
};

TEST_F(CalculatorTest, ButtonSequencesGiveTheirResults) {
    struct Case {
        const char* keys;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"2+3=", "5"},
        {"2+3+", "5"},
        {"50+10p", "55"},  // 50 + 50 x 10 / 100
        {"50*10p", "5"},   // 50 x 10 / 100
        {"9s", "3"},
        {"4r", "0.25"},
        {"7n", "-7"},
        {"1.5*4=", "6"},
        {"123b", "12"},
        {"5b", "0"},
        {"5nb", "0"},      // "-5" loses its digit and becomes 0
        {"1..5", "1.5"},   // a second separator is not added
        {"10-4*2=", "12"}, // left to right: (10 - 4) x 2
        {"1/3=", "0.333333333333333"},
        {"2+3=C", "0"},
    };
    for (const Case& c : cases) {
        calc->Display = "0";
        calc->ButtonClick(cbClear);
        Press(c.keys);
        EXPECT_EQ(calc->Display, c.shown) << c.keys;
    }
}

TEST_F(CalculatorTest, PendingOperatorStaysAfterAChain) {
    Press("2+3+");
    EXPECT_EQ(calc->GetPendingOperator(), cbAdd);
    Press("1=");
    EXPECT_EQ(calc->Display, "6");
}

TEST_F(CalculatorTest, ErrorsHoldUntilClearedWithCEOrC) {
    const char* errors[] = {"10/0=", "4ns", "0r"};
    for (const char* keys : errors) {
        calc->ButtonClick(cbClear);
        Press(keys);
        EXPECT_EQ(calc->Display, "Error") << keys;
        EXPECT_EQ(calc->GetCalcState(), csError);
        Press("7+=s");
        EXPECT_EQ(calc->Display, "Error") << "other buttons leave the error: " << keys;
        Press("E");
        EXPECT_EQ(calc->Display, "0");
        Press("8");
        EXPECT_EQ(calc->Display, "8");
    }
    Press("1/0=C");
    EXPECT_EQ(calc->Display, "0");
    EXPECT_EQ(calc->GetCalcState(), csFirst);
}

TEST_F(CalculatorTest, AResultBeyondTheExtendedRangeIsAnError) {
    // 1e4000 fits an extended number; its square does not.
    SetClipboardText("1e4000");
    calc->PasteFromClipboard();
    EXPECT_EQ(calc->Display, "1E4000");
    Press("*");
    calc->PasteFromClipboard();
    Press("=");
    EXPECT_EQ(calc->Display, "Error");
    EXPECT_EQ(calc->GetCalcState(), csError);
}

TEST_F(CalculatorTest, DigitsStopAtThePrecisionWithABeep) {
    calc->SetPrecision(15);
    Press("123456789012345");
    const int beeps = MessageBeepCount();
    Press("6");
    EXPECT_EQ(calc->Display, "123456789012345");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
    Press("C12345678901234n");
    EXPECT_EQ(calc->Display, "-12345678901234");
    Press("5");
    EXPECT_EQ(calc->Display, "-123456789012345") << "a minus sign allows one more character";
    calc->SetPrecision(2);
    Press("C123");
    EXPECT_EQ(calc->Display, "12");
}

TEST_F(CalculatorTest, MemoryButtonsGrayWhileTheMemoryIsZero) {
    EXPECT_TRUE(calc->GetButton(cbMC).Grayed);
    Press("0");
    calc->ButtonClick(cbMS);
    EXPECT_TRUE(calc->GetButton(cbMR).Grayed);
    Press("5");
    calc->ButtonClick(cbMP);
    EXPECT_FALSE(calc->GetButton(cbMC).Grayed);
    EXPECT_FALSE(calc->GetButton(cbMR).Grayed);
    Press("3");
    calc->ButtonClick(cbMP);
    Press("C");
    calc->ButtonClick(cbMR);
    EXPECT_EQ(calc->Display, "8");
    Press("1");
    EXPECT_EQ(calc->Display, "81") << "a recalled number is continued by digits";
    calc->ButtonClick(cbMC);
    EXPECT_TRUE(calc->GetButton(cbMC).Grayed);
    EXPECT_TRUE(calc->GetButton(cbMR).Grayed);
}

TEST_F(CalculatorTest, AHeldKeyActsOnceButBackspaceRepeats) {
    Type(U'7');
    Type(U'7');
    Type(U'7');
    EXPECT_EQ(calc->Display, "7");
    Release();
    Type(U'7');
    Release();
    Type(U'8');
    Release();
    Type(U'9');
    Release();
    EXPECT_EQ(calc->Display, "7789");
    Type(8);
    Type(8);
    Type(8);
    EXPECT_EQ(calc->Display, "7");
    Release();
    Type(U'*');
    Type(U'3');
    Type(U'=');
    EXPECT_EQ(calc->Display, "21");
}

TEST_F(CalculatorTest, PastingTakesNumbersWithoutTheCurrencyString) {
    TFormatSettings saved = FormatSettings();
    FormatSettings().CurrencyString = "¥";
    SetClipboardText(" ¥12.5 ");
    calc->PasteFromClipboard();
    EXPECT_EQ(calc->Display, "12.5");
    Press("5");
    EXPECT_EQ(calc->Display, "12.55") << "digits continue a pasted number";
    // Not a number: ignored with a beep, the display kept.
    for (const char* text : {"1,234", "abc", "", "1e"}) {
        const int beeps = MessageBeepCount();
        SetClipboardText(text);
        calc->PasteFromClipboard();
        EXPECT_EQ(calc->Display, "12.55") << text;
        EXPECT_EQ(MessageBeepCount(), beeps + 1) << text;
    }
    FormatSettings() = saved;
}

TEST_F(CalculatorTest, ResultReadyFiresForEqualsAndPercent) {
    int ready = 0;
    calc->OnResultReady = [&](TObject*) { ++ready; };
    Press("2+3");
    EXPECT_EQ(ready, 0);
    Press("=");
    EXPECT_EQ(ready, 1);
    Press("+1p");
    EXPECT_EQ(ready, 2);
}

TEST_F(CalculatorTest, ABeforeActionHandlerCanReplaceOrCancelTheButton) {
    calc->OnBeforeButtonAction = [](TObject*, TcxCalcButtonKind& b) {
        if (b == cbNum1) b = cbNum9;
        if (b == cbNum2) b = cbNone;
    };
    Press("121");
    EXPECT_EQ(calc->Display, "99");
}

TEST_F(CalculatorTest, SizeFollowsTheAreaButNeverGoesBelowTheDefault) {
    calc->SetBounds(0, 0, 396, 262);
    EXPECT_EQ(calc->GetButtonHeight(), 45);
    EXPECT_EQ(calc->GetButtonFontSize(), 16);
    EXPECT_EQ(calc->GetWidth(), 6 * 57 + 8 * 6 + 4);
    calc->SetBounds(0, 0, 100, 60);
    EXPECT_EQ(calc->GetButtonHeight(), 22);
    // 6 x 28 + 8 x 3 + 4 wide, 5 x 22 + 6 x 3 high.
    EXPECT_EQ(calc->GetWidth(), 196);
    EXPECT_EQ(calc->GetHeight(), 128);
    // The layout of the default size: "=" at the key pad's fifth column, fourth row.
    const TRect equals = calc->GetButton(cbEqual).Bounds;
    EXPECT_EQ(equals, (TRect{3 * 3 + 28 + 4 + 4 * 31, 4 * 25 + 3, 3 * 3 + 28 + 4 + 4 * 31 + 28, 5 * 25}));
    EXPECT_EQ(calc->GetButton(cbClear).Bounds.Right, equals.Right);
    EXPECT_EQ(calc->GetButton(cbMC).Bounds, (TRect{3, 28, 31, 50}));
}

TEST_F(CalculatorTest, AClickOnAButtonPressesIt) {
    const TRect seven = calc->GetButton(cbNum7).Bounds;
    const TPoint at{(seven.Left + seven.Right) / 2, (seven.Top + seven.Bottom) / 2};
    EXPECT_EQ(calc->GetButtonAt(at.X, at.Y), cbNum7);
    EXPECT_EQ(calc->GetButtonAt(1, 1), cbNone);
}

} // namespace
} // namespace zorvy::test
