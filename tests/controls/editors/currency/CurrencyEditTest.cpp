// The currency editor: what typing it accepts, how empty and null texts convert, the range on Value,
// the display of no value, and its filter operators and registration.
#include "controls/editors/currency/CurrencyEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class CurrencyEditTest : public EditorsTest {
  protected:
    CurrencyEditTest() : saved_(FormatSettings()) {
        TFormatSettings fs = saved_;
        fs.DecimalSeparator = '.';
        fs.ThousandSeparator = ',';
        fs.CurrencyDecimals = 2;
        SetFormatSettings(fs);
    }
    ~CurrencyEditTest() override { SetFormatSettings(saved_); }
    TcxCurrencyEdit* NewCurrency() {
        TForm* form = NewForm();
        auto* edit = new TcxCurrencyEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        form->Show();
        Pump();
        return edit;
    }
    void Type(TcxCurrencyEdit* edit, const std::string& text) {
        edit->SetFocus();
        Pump();
        display.TypeText(text);
        Pump();
    }
    TFormatSettings saved_;
};

TEST_F(CurrencyEditTest, RefusesDigitsBeyondDecimalPlacesAndWhatIsNoNumber) {
    TcxCurrencyEdit* edit = NewCurrency();
    Type(edit, "12.345");
    EXPECT_EQ(edit->GetText(), "12.34"); // the locale's two currency decimals
    edit->GetProperties()->SetDecimalPlaces(4);
    display.TypeText("5");
    Pump();
    EXPECT_EQ(edit->GetText(), "12.345");
    display.TypeText("x.");
    Pump();
    EXPECT_EQ(edit->GetText(), "12.345"); // a letter, and a second separator
    // "-" alone is no number, but may start one.
    edit->SetText("");
    Type(edit, "-7");
    EXPECT_EQ(edit->GetText(), "-7");

    const struct {
        const char* text;
        int places;
        bool ok;
    } cases[] = {
        {"1.5e3", 1, true}, // the digits before the exponent count
        {"1.55e3", 1, false},
        {"", 2, true},
        {"1e999", 2, false}, // beyond a double
        {"1,234.5", 2, true}, // thousand separators are ignored
    };
    for (const auto& c : cases) {
        edit->GetProperties()->SetDecimalPlaces(c.places);
        EXPECT_EQ(edit->CheckNumberText(c.text), c.ok) << c.text;
    }
}

TEST_F(CurrencyEditTest, TypedPointAndCommaBecomeTheLocaleSeparator) {
    TFormatSettings fs = FormatSettings();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
    SetFormatSettings(fs);
    TcxCurrencyEdit* edit = NewCurrency();
    Type(edit, "3.5");
    EXPECT_EQ(edit->GetText(), "3,5");
    edit->SetText("");
    edit->GetProperties()->SetUseThousandSeparator(true);
    Type(edit, "1.000");
    EXPECT_EQ(edit->GetText(), "1.000"); // the thousand separator now, ignored by the conversion
    EXPECT_EQ(edit->GetValue(), 1000.0);
}

TEST_F(CurrencyEditTest, EmptyAndNullTextsGiveNullOrAZeroCurrency) {
    TcxCurrencyEdit* edit = NewCurrency();
    TcxCurrencyEditProperties* p = edit->GetProperties();
    p->SetNullString("n/a");
    EXPECT_TRUE(edit->TextToEditValue("").IsNull());
    EXPECT_TRUE(edit->TextToEditValue("n/a").IsNull());
    EXPECT_TRUE(edit->TextToEditValue("N/A").IsNull()); // no number either
    EXPECT_EQ(edit->TextToEditValue("2.5").AsDouble(), 2.5);
    p->SetNullable(false);
    EXPECT_EQ(edit->TextToEditValue("").VarType(), varCurrency);
    EXPECT_EQ(edit->TextToEditValue("").AsDouble(), 0.0);
    p->SetNullable(true);

    // An empty unfocused editor shows NullString; its Value is 0 either way.
    edit->SetEditValue(Variant::Null());
    Pump();
    Variant shown;
    p->ToDisplayValue(Variant::Null(), shown, false);
    EXPECT_EQ(VarToStr(shown), "n/a");
    p->ToDisplayValue(Variant::Null(), shown, true);
    EXPECT_EQ(VarToStr(shown), "");
    EXPECT_EQ(edit->GetValue(), 0.0);
}

TEST_F(CurrencyEditTest, ValueIsKeptInsideTheBounds) {
    TcxCurrencyEdit* edit = NewCurrency();
    TcxCurrencyEditProperties* p = edit->GetProperties();
    p->SetMinValue(0);
    p->SetMaxValue(100);
    edit->SetValue(150);
    EXPECT_EQ(edit->GetValue(), 100.0);
    edit->SetValue(-3);
    EXPECT_EQ(edit->GetValue(), 0.0);
    edit->SetValue(42.5);
    EXPECT_EQ(edit->GetValue(), 42.5);
    // Only a maximum in force: a small number stays.
    p->SetMinValue(0);
    p->SetMaxValue(10);
    p->GetAssignedValues()->SetMinValue(false);
    edit->SetValue(-50);
    EXPECT_EQ(edit->GetValue(), -50.0);
}

TEST_F(CurrencyEditTest, ValidationFlagsWhatIsNoNumber) {
    TcxCurrencyEdit* edit = NewCurrency();
    TcxCurrencyEditProperties& p = *edit->GetProperties();
    for (const char* text : {"12x", "--1", "1e999"}) {
        Variant value(text);
        std::string error;
        bool failed = false;
        p.VerifyDisplayValue(value, error, edit, failed);
        EXPECT_TRUE(failed) << text;
    }
    Variant good("1,234.56");
    std::string error;
    bool failed = false;
    p.VerifyDisplayValue(good, error, edit, failed);
    EXPECT_FALSE(failed);
}

TEST_F(CurrencyEditTest, FilterOffersComparisonsAndBlanksAndIsRegistered) {
    InitializeCurrencyEditUnit();
    const auto* helper = FilterEditHelper(TcxFilterCurrencyEditHelper::StaticClass());
    TcxCurrencyEditProperties p(nullptr);
    TcxFilterControlOperators plain = 0, extended = 0;
    for (int code : {1, 2, 3, 4, 5, 6, 9, 10}) plain |= FilterOperatorBit(code);
    extended = plain;
    for (int code : {11, 12, 13, 14}) extended |= FilterOperatorBit(code);
    EXPECT_EQ(helper->GetAllowedOperators(&p, nullptr, false), plain);
    EXPECT_EQ(helper->GetAllowedOperators(&p, nullptr, true), extended);
    p.SetMinValue(1);
    p.SetMaxValue(5);
    p.SetNullable(false);
    p.SetNullString("none");
    TcxCurrencyEditProperties filter(nullptr);
    helper->PrepareFilterProperties(&filter, &p, false);
    EXPECT_EQ(filter.GetMaxValue(), 0.0);
    EXPECT_TRUE(filter.GetNullable());
    EXPECT_EQ(filter.GetNullString(), "");
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxCurrencyEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDescription(index),
              "CurrencyEdit|Represents an editor enabling editing currency data");
    FinalizeCurrencyEditUnit();
}

} // namespace
} // namespace zorvy::test
