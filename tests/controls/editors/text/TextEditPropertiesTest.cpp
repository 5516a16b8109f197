// Text settings: how values become the shown text (formats, thousand separators, password glyphs,
// letter case), which settings count as assigned, and which texts are acceptable.
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/editors/text/TextEditFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TSizedProvider : public TcxCustomEditDefaultValuesProvider {
  public:
    int GetMaxLength() override { return 12; }
};

std::string Shown(TcxCustomTextEditProperties& p, const Variant& value) {
    std::string text;
    p.FormatDisplayText(value, text, false);
    return text;
}

TEST(TextEditFormats, NumbersShowThroughTheirDisplayFormat) {
    TNumberProperties p(nullptr);
    p.SetDisplayFormat("#,##0.##");
    struct Case {
        Variant value;
        const char* shown;
    };
    const Case cases[] = {{Variant(1234567.8), "1,234,567.8"}, {Variant(-1234), "-1,234"}, {Variant("1234"), "1,234"},
                          {Variant("abc"), "abc"},             {Variant::Null(), ""},         {Variant(""), ""}};
    for (const Case& c : cases) EXPECT_EQ(Shown(p, c.value), c.shown);
    Variant editing;
    p.ToDisplayValue(Variant(1234567.8), editing, true);
    EXPECT_EQ(VarToStr(editing), "1234567.8"); // without UseDisplayFormatWhenEditing
    p.SetUseDisplayFormatWhenEditing(true);
    p.ToDisplayValue(Variant(1234567.8), editing, true);
    EXPECT_EQ(VarToStr(editing), "1,234,567.8");

    // A plain text editor shows numbers as they are.
    TcxTextEditProperties text(nullptr);
    text.SetDisplayFormat("#,##0.##");
    EXPECT_EQ(Shown(text, Variant(1234.5)), "1234.5");
    // A value of no number kind cannot be shown by a number editor.
    try {
        Variant out;
        p.ToDisplayValue(Variant(true), out, false);
        FAIL() << "a Boolean was shown";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Could not convert to numeric value");
    }
    // A value that cannot be shown raises before any text is delivered.
    std::string shown = "kept";
    EXPECT_THROW(p.FormatDisplayText(Variant(true), shown, false), EConvertError);
    EXPECT_EQ(shown, "kept");
}

TEST(TextEditFormats, ThousandSeparators) {
    struct Case {
        const char* text;
        const char* grouped;
    };
    const Case cases[] = {
        {"1234567.8", "1,234,567.8"},
        {"-1234", "-1,234"},
        {"123", "123"},
        {"12,3456", "123,456"},
        {"  12345 ", "  12,345 "},
        {"1234E15", "1,234E15"},
        {"-1234.5678", "-1,234.5678"},
        {"", ""},
        {"2230 ,", "2,230 "},
        {", 1234", " 1,234"},
        {" , ", "  "},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        InsertThousandSeparators(text);
        EXPECT_EQ(text, c.grouped) << c.text;
        InsertThousandSeparators(text);
        EXPECT_EQ(text, c.grouped) << c.text << ": grouped again";
    }
    EXPECT_TRUE(IsNumericText("1,234.5"));
    EXPECT_FALSE(IsNumericText(","));
    EXPECT_FALSE(IsNumericText("12a"));

    // A locale that writes 1.234.567,8.
    const TFormatSettings saved = FormatSettings();
    TFormatSettings european = saved;
    european.DecimalSeparator = ',';
    european.ThousandSeparator = '.';
    SetFormatSettings(european);
    std::string text = "1234567,8";
    InsertThousandSeparators(text);
    EXPECT_EQ(text, "1.234.567,8");
    SetFormatSettings(saved);
}

TEST(TextEditFormats, PasswordGlyphsAndLetterCase) {
    TcxTextEditProperties p(nullptr);
    p.SetCharCase(ecUpperCase);
    EXPECT_EQ(Shown(p, Variant("abc")), "ABC");
    p.SetCharCase(ecLowerCase);
    EXPECT_EQ(Shown(p, Variant("AbC")), "abc");
    p.SetEchoMode(eemPassword);
    // One glyph per character (a Chinese character is one), letter case not applied.
    EXPECT_EQ(Shown(p, Variant("ab中")), "***");
    p.SetPasswordChar(U'#');
    EXPECT_EQ(Shown(p, Variant("ab")), "##");
}

TEST(TextEditSettings, AssignedFormatsAndLength) {
    TcxTextEditProperties p(nullptr);
    TSizedProvider provider;
    p.AttachDefaultValuesProvider(&provider);
    EXPECT_EQ(p.GetMaxLength(), 12); // the field's size until assigned
    p.SetMaxLength(-5);
    EXPECT_EQ(p.GetMaxLength(), 0);
    EXPECT_TRUE(p.GetTextAssignedValues()->GetMaxLength());
    p.GetTextAssignedValues()->SetMaxLength(false);
    EXPECT_EQ(p.GetMaxLength(), 12);

    EXPECT_FALSE(p.GetTextAssignedValues()->GetDisplayFormat());
    p.SetDisplayFormat("");
    EXPECT_TRUE(p.GetTextAssignedValues()->GetDisplayFormat()); // assigned, though empty

    // Only what the source assigned is copied.
    TcxTextEditProperties copy(nullptr);
    copy.SetEditFormat("0.00");
    copy.Assign(&p);
    EXPECT_FALSE(copy.GetTextAssignedValues()->GetEditFormat());
    EXPECT_TRUE(copy.GetTextAssignedValues()->GetDisplayFormat());
    EXPECT_FALSE(copy.GetTextAssignedValues()->GetMaxLength());
    p.DropDefaultValuesProvider();
}

TEST(TextEditSettings, TheStoredDisplayFormatFlagIsReadButNeverWritten) {
    TcxTextEditProperties written(nullptr);
    written.SetDisplayFormat("0.00");
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.WriteDefinedProperties(written);
    }
    EXPECT_EQ(stream.GetSize(), 1) << "only the end of the list";

    for (bool stored : {true, false}) {
        TMemoryStream flag;
        {
            TWriter writer(flag);
            writer.DefineProperty("IsDisplayFormatAssigned", nullptr, [&](TWriter& w) { w.WriteBoolean(stored); },
                                  true);
            writer.WriteListEnd();
        }
        flag.SetPosition(0);
        TcxTextEditProperties read(nullptr);
        read.GetTextAssignedValues()->SetDisplayFormat(!stored);
        TReader reader(flag);
        reader.ReadDefinedProperties(read);
        EXPECT_EQ(read.GetTextAssignedValues()->GetDisplayFormat(), stored);
    }
}

TEST(TextEditSettings, ViewStyleAndInputStyle) {
    TcxTextEditProperties p(nullptr);
    TChangeCounter changes(p);
    p.SetViewStyle(vsButtonsOnly);
    EXPECT_TRUE(p.GetHideCursor());
    EXPECT_EQ(p.GetInputStyle(), istNoTyping);
    EXPECT_EQ(p.GetViewStyle(), vsButtonsOnly);
    EXPECT_EQ(changes.Count, 1); // one batch
    p.SetViewStyle(vsNormal);
    EXPECT_FALSE(p.GetHideCursor());
    EXPECT_EQ(p.GetInputStyle(), istFreeText);
    p.SetHideCursor(true);
    EXPECT_EQ(p.GetViewStyle(), vsHideCursor);
    const int before = changes.Count;
    p.SetHideCursor(true);
    p.SetImeName("");
    EXPECT_EQ(changes.Count, before); // an equal value tells nothing
}

TEST(TextEditSettings, AcceptableTexts) {
    TListOnlyProperties p(nullptr);
    p.SetLookupItems({"0", "1", "2", "3", "4", "5", "6", "7", "8", "abc"});
    std::string text = "9";
    EXPECT_FALSE(p.CheckTextValue(text));
    text = "";
    EXPECT_TRUE(p.CheckTextValue(text));
    p.SetCharCase(ecUpperCase);
    text = "aBc";
    EXPECT_TRUE(p.CheckTextValue(text));
    EXPECT_EQ(text, "ABC"); // accepted texts take the letter case
    EXPECT_TRUE(p.IsValidEditValue(Variant(5), false));
    EXPECT_FALSE(p.IsValidEditValue(Variant("x"), false));

    TcxTextEditProperties free(nullptr);
    free.SetLookupItems({"0"});
    text = "anything";
    EXPECT_TRUE(free.CheckTextValue(text));
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST(TextEditSettings, SortedItemsKeepTheOrderOfTheirTexts) {
    TcxTextEditProperties p(nullptr);
    p.SetLookupItems({"b", "C", "a"});
    p.SetLookupItemsSorted(true);
    EXPECT_EQ(p.GetLookupItems(), (std::vector<std::string>{"a", "b", "C"}));
    p.AddLookupItem("B2");
    EXPECT_EQ(p.GetLookupItems(), (std::vector<std::string>{"a", "b", "B2", "C"}));

    // A copy keeps the source's order unless the source sorts.
    TcxTextEditProperties unsorted(nullptr);
    unsorted.SetLookupItems({"z", "y"});
    TcxTextEditProperties copy(nullptr);
    copy.SetLookupItemsSorted(true);
    copy.Assign(&unsorted);
    EXPECT_FALSE(copy.GetLookupItemsSorted());
    EXPECT_EQ(copy.GetLookupItems(), (std::vector<std::string>{"z", "y"}));
}

class TextEditUnitTest : public EditorsTest {};

TEST_F(TextEditUnitTest, TheKindAndItsFilterHelperAreRegistered) {
    InitializeTextEditUnit();
    InitializeTextEditUnit();
    TcxRegisteredClasses* kinds = GetEditPropertiesRegistry();
    EXPECT_EQ(kinds->FindClassByName("TcxTextEditProperties"), TcxTextEditProperties::StaticClass());
    EXPECT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxTextEditProperties::StaticClass()),
              TcxFilterTextEditHelper::StaticClass());

    TcxTextEditProperties source(nullptr), filter(nullptr);
    source.SetViewStyle(vsHideCursor);
    source.SetHideSelection(false);
    source.SetAutoSelect(false);
    FilterEditHelper(TcxFilterTextEditHelper::StaticClass())->PrepareFilterProperties(&filter, &source, false);
    EXPECT_EQ(filter.GetInputStyle(), istFreeText); // a filter value is always typed
    EXPECT_TRUE(filter.GetHideSelection());
    EXPECT_TRUE(filter.GetAutoSelect());
    FinalizeTextEditUnit();
    FinalizeTextEditUnit();
}

} // namespace
} // namespace zorvy::test
