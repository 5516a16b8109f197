// The calculator editor: its texts in general, exponent and grouped forms, the typed-number check,
// characters refused while typing, and the popup calculator working on the editor's text.
#include "controls/editors/calc/CalcEdit.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvy::test {
namespace {

std::string Shown(TcxCustomCalcEditProperties& p, const Variant& value, bool editing = false) {
    Variant display;
    p.ToDisplayValue(value, display, editing);
    return VarToStr(display);
}

class CalcEditTest : public EditorsTest {
  protected:
    CalcEditTest() { InitializeCalcEditUnit(); }
    ~CalcEditTest() override {
        delete form;
        FinalizeCalcEditUnit();
    }
    TcxCalcEdit* Place() {
        form = NewForm(400, 300);
        edit = new TcxCalcEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        form->Show();
        Pump();
        return edit;
    }
    void Type(const std::string& text) {
        InjectText(text);
        Pump();
    }
    void Key(std::uint16_t vk) {
        InjectKey(vk, true);
        InjectKey(vk, false);
        Pump();
    }
    TcxCalcEditProperties* Props() { return edit->GetProperties(); }
    TForm* form = nullptr;
    TcxCalcEdit* edit = nullptr;
};

TEST_F(CalcEditTest, TextsInGeneralAndExponentForms) {
    TcxCalcEditProperties p(nullptr);
    EXPECT_EQ(p.GetPrecision(), 15);
    struct Case {
        double value;
        const char* general;
        const char* scientific;
    };
    const std::vector<Case> cases = {
        {12345, "12345", "1.2345E+4"},
        {105, "105", "1.05E+2"},
        {100, "100", "1E+2"},
        {1.05, "1.05", "1.05E+0"},
        {-0.00025, "-0.00025", "-2.5E-4"},
        {0.000001, "1E-6", "1E-6"},
        {1.0 / 3, "0.333333333333333", "3.33333333333333E-1"},
        {1e20, "1E20", "1E+20"},
    };
    for (const Case& c : cases) {
        p.SetScientificFormat(false);
        EXPECT_EQ(Shown(p, Variant(c.value)), c.general) << c.value;
        p.SetScientificFormat(true);
        EXPECT_EQ(Shown(p, Variant(c.value)), c.scientific) << c.value;
    }
    EXPECT_EQ(Shown(p, Variant::Null()), "");
}

TEST_F(CalcEditTest, PrecisionReadsAtMost15AndZeroShows15Digits) {
    TcxCalcEditProperties p(nullptr);
    p.SetPrecision(20);
    EXPECT_EQ(p.GetPrecision(), 15);
    EXPECT_TRUE(p.IsPrecisionStored());
    p.SetPrecision(4);
    EXPECT_EQ(Shown(p, Variant(3.14159)), "3.142");
    p.SetPrecision(0);
    EXPECT_EQ(Shown(p, Variant(1.0 / 3)), "0.333333333333333");
    // Unassigned: the data source's precision.
    TcxCalcEditProperties fromSource(nullptr);
    struct TPrecisionProvider : TTestProvider {
        int GetPrecision() override { return 6; }
    } provider;
    fromSource.AttachDefaultValuesProvider(&provider);
    EXPECT_EQ(fromSource.GetPrecision(), 6);
    fromSource.DropDefaultValuesProvider();
    // Copied only when assigned in the source.
    TcxCalcEditProperties copy(nullptr);
    copy.Assign(&fromSource);
    EXPECT_FALSE(copy.IsPrecisionStored());
    copy.Assign(&p);
    EXPECT_TRUE(copy.IsPrecisionStored());
    EXPECT_EQ(copy.GetPrecision(), 0);
}

TEST_F(CalcEditTest, ThousandSeparatorsGroupTheGeneralFormOnly) {
    TcxCalcEditProperties p(nullptr);
    p.SetUseThousandSeparator(true);
    EXPECT_EQ(Shown(p, Variant(12345.5)), "12,345.5");
    EXPECT_EQ(Shown(p, Variant(12345.5), true), "12,345.5") << "also while editing";
    p.SetScientificFormat(true);
    EXPECT_EQ(Shown(p, Variant(12345.5)), "1.23455E+4");
    EXPECT_FALSE(p.UsesThousandSeparator(true));
}

TEST_F(CalcEditTest, TheTypedNumberCheck) {
    struct Case {
        const char* text;
        bool passes;
    };
    const std::vector<Case> cases = {
        {"12", true},       {" -1.5e3 ", true}, {"1,234.5", true}, {"0", true},      {"1e-320", true},
        {"1.7e308", true},  {"1.8e308", false}, {"1e-330", false}, {"", false},      {"-", false},
        {"+", false},       {".", false},       {"12e", false},    {"1e5x", false},  {"--1", false},
    };
    for (const Case& c : cases) {
        TcxCalcValue number = -1;
        EXPECT_EQ(TcxCustomCalcEditProperties::TextToNumber(c.text, number), c.passes) << c.text;
        if (!c.passes) {
            EXPECT_EQ(number, 0) << c.text;
        }
    }
}

TEST_F(CalcEditTest, ANewEditorHoldsZeroAndAnEmptyTextIsNull) {
    Place();
    EXPECT_EQ(edit->GetText(), "0");
    EXPECT_EQ(edit->GetCalcValue(), 0);
    EXPECT_FALSE(edit->GetEditValue().IsNull());
    Variant value;
    edit->TextToEditValue("  ", value);
    EXPECT_TRUE(value.IsNull());
    edit->TextToEditValue("1e", value);
    EXPECT_TRUE(value.IsNull()) << "a dangling exponent is no number";
    edit->TextToEditValue("2.5", value);
    EXPECT_EQ(value.AsDouble(), 2.5);
    edit->SetEditValue(Variant::Null());
    EXPECT_EQ(edit->GetCalcValue(), 0);
    edit->SetCalcValue(7.25L);
    EXPECT_EQ(edit->GetText(), "7.25");
}

TEST_F(CalcEditTest, TypingKeepsTheTextANumber) {
    Place();
    edit->SetEditValue(Variant::Null());
    edit->SetFocus();
    Pump();
    const int beeps = MessageBeepCount();
    Type("+");
    EXPECT_EQ(edit->GetText(), "");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
    Type("-12");
    EXPECT_EQ(edit->GetText(), "-12");
    Type("e");
    EXPECT_EQ(edit->GetText(), "-12") << "e after the digits makes no number";
    edit->SetSelection(2, 0);
    Type("e");
    EXPECT_EQ(edit->GetText(), "-1e2") << "e between the digits does";
    edit->SetSelection(4, 0);
    Type(",");
    EXPECT_EQ(edit->GetText(), "-1e2") << "a separator in the exponent is refused";
}

TEST_F(CalcEditTest, TheDecimalKeyTypesTheLocaleSeparator) {
    TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    Place();
    edit->SetEditValue(Variant::Null());
    edit->SetFocus();
    Pump();
    Type("3.5");
    EXPECT_EQ(edit->GetText(), "3,5");
    FormatSettings() = saved;
}

TEST_F(CalcEditTest, ThePopupCalculatorWorksOnTheEditorsText) {
    Place();
    edit->SetFocus();
    Pump();
    edit->DropDown();
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    TcxPopupCalculator* calc = edit->GetCalculator();
    for (TcxCalcButtonKind b : {cbNum2, cbAdd, cbNum3, cbEqual}) calc->ButtonClick(b);
    EXPECT_EQ(edit->GetText(), "5");
    EXPECT_TRUE(edit->GetDroppedDown()) << "without QuickClose = keeps the popup open";
    Key(VK_RETURN);
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(edit->GetCloseUpReason(), crEnter);
    ASSERT_TRUE(edit->ValidateInput(false));
    EXPECT_EQ(edit->GetCalcValue(), 5);
}

TEST_F(CalcEditTest, QuickCloseAcceptsOnEquals) {
    Place();
    Props()->SetQuickClose(true);
    edit->SetFocus();
    Pump();
    edit->DropDown();
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    Type("2+3=");
    EXPECT_EQ(edit->GetText(), "5");
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(edit->GetCloseUpReason(), crEnter);
}

TEST_F(CalcEditTest, AnErrorLeftInThePopupIsNotTakenAsAValue) {
    Place();
    edit->SetCalcValue(7);
    edit->SetFocus();
    Pump();
    edit->DropDown();
    Pump();
    TcxPopupCalculator* calc = edit->GetCalculator();
    for (TcxCalcButtonKind b : {cbNum1, cbNum0, cbDiv, cbNum0, cbEqual}) calc->ButtonClick(b);
    EXPECT_EQ(edit->GetText(), "Error");
    Key(VK_RETURN);
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(edit->GetText(), "7");
    edit->ValidateInput(false);
    EXPECT_EQ(edit->GetCalcValue(), 7);
}

TEST_F(CalcEditTest, OpeningThePopupKeepsTheMemory) {
    Place();
    edit->SetCalcValue(42);
    edit->SetFocus();
    Pump();
    edit->DropDown();
    Pump();
    TcxPopupCalculator* calc = edit->GetCalculator();
    calc->ButtonClick(cbMS);
    Key(VK_ESCAPE);
    ASSERT_FALSE(edit->GetDroppedDown());
    edit->DropDown();
    Pump();
    EXPECT_EQ(calc->GetMemory(), 42);
    EXPECT_FALSE(calc->GetButton(cbMR).Grayed);
    calc->ButtonClick(cbClear);
    calc->ButtonClick(cbMR);
    EXPECT_EQ(edit->GetText(), "42");
}

TEST_F(CalcEditTest, PastingANonNumberIsIgnored) {
    Place();
    edit->SetCalcValue(3);
    edit->SetFocus();
    Pump();
    SetClipboardText("abc");
    const int beeps = MessageBeepCount();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), "3");
    EXPECT_EQ(MessageBeepCount(), beeps + 1);
    SetClipboardText("$8.5");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), "8.5");
}

TEST_F(CalcEditTest, TheFilterHelperClosesOnEquals) {
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxCalcEditProperties::StaticClass()),
              TcxFilterCalcEditHelper::StaticClass());
    const auto* helper = FilterEditHelper(TcxFilterCalcEditHelper::StaticClass());
    TcxCalcEditProperties source(nullptr);
    TcxCalcEditProperties filter(nullptr);
    helper->PrepareFilterProperties(&filter, &source, false);
    EXPECT_TRUE(filter.GetQuickClose());
    const TcxFilterControlOperators ops = helper->GetAllowedOperators(&source, nullptr, false);
    EXPECT_TRUE(ops & FilterOperatorBit(fcoLessEqual));
    EXPECT_FALSE(ops & FilterOperatorBit(fcoLike));
    EXPECT_FALSE(ops & FilterOperatorBit(fcoBetween));
    EXPECT_TRUE(helper->GetAllowedOperators(&source, nullptr, true) & FilterOperatorBit(fcoNotInList));
}

} // namespace
} // namespace zorvy::test
