// The date editor: its masks and defaults by kind, the empty date, the bounds rule, texts that are no
// date, the time kept for date-only values (and emptied as Null), the range correction and the filter
// helper.
#include "controls/editors/date/DateEdit.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/locale/FormatController.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class DateEditTest : public EditorsTest {
  protected:
    DateEditTest() {
        saved_ = FormatSettings();
        TFormatSettings s = DefaultFormatSettings("en_GB");
        s.ShortDateFormat = "yyyy-mm-dd";
        s.DateSeparator = '-';
        s.LongTimeFormat = "hh:nn:ss";
        s.TimeSeparator = ':';
        SetFormatSettings(s);
        SharedFormatController()->ReadFormatSettings();
        InitializeDateEditUnit();
    }
    ~DateEditTest() override {
        FinalizeDateEditUnit();
        SetFormatSettings(saved_);
        SharedFormatController()->ReadFormatSettings();
    }
    TcxDateEdit* NewEdit() {
        form = NewForm();
        auto* edit = new TcxDateEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 140, 21);
        other = new TcxDateEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 140, 21);
        form->Show();
        Pump();
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    // Validates text as if the user had typed it.
    static bool Validate(TcxDateEdit* edit, const std::string& text) {
        edit->ShowDisplayValue(Variant(text));
        edit->SetChangedSinceEnter(true);
        return edit->ValidateInput(false);
    }
    TForm* form = nullptr;
    TcxDateEdit* other = nullptr;
    TFormatSettings saved_;
};

TEST_F(DateEditTest, ButtonsInputKindAndMaskFollowTheKindUntilAssigned) {
    TcxDateEditProperties p(nullptr);
    TcxFormatController* c = SharedFormatController();
    EXPECT_EQ(p.GetDateButtons(), DateButtonBit(btnClear) | DateButtonBit(btnToday));
    EXPECT_EQ(p.GetInputKind(), ikRegExpr);
    EXPECT_EQ(p.GetMaskKind(), emkRegExprEx);
    EXPECT_EQ(p.GetEditMask(), c->GetRegExprDateEditMask());
    p.SetKind(ckDateTime);
    EXPECT_EQ(p.GetDateButtons(), DateButtonBit(btnClear) | DateButtonBit(btnNow));
    EXPECT_EQ(p.GetInputKind(), ikMask);
    EXPECT_EQ(p.GetMaskKind(), emkStandard);
    EXPECT_EQ(p.GetEditMask(), c->GetStandardDateTimeEditMask());
    p.SetInputKind(ikStandard);
    EXPECT_TRUE(p.GetDateAssignedValues()->GetInputKind());
    EXPECT_FALSE(p.HasMask());
    p.SetKind(ckDate); // the assigned input kind stays
    EXPECT_EQ(p.GetInputKind(), ikStandard);
}

TEST_F(DateEditTest, NullEmptyAndTheNullDateShowTheEmptyDateText) {
    TcxDateEditProperties p(nullptr);
    for (const Variant& v : {Variant::Null(), Variant(), Variant::FromDate(NullDate)}) {
        Variant shown;
        p.ToDisplayValue(v, shown, false);
        EXPECT_EQ(VarToStr(shown), "");
    }
    // A masked date-time editor shows blank date positions and midnight while editing.
    p.SetKind(ckDateTime);
    Variant shown;
    p.ToDisplayValue(Variant::Null(), shown, true);
    EXPECT_EQ(VarToStr(shown), "    -  -   00:00:00");
    Variant bad;
    EXPECT_THROW(p.ToDisplayValue(Variant("abc"), bad, false), EConvertError);
}

TEST_F(DateEditTest, BoundsAreInForceByTheirValues) {
    struct Case {
        double minDate, maxDate;
        bool minActive, maxActive;
    };
    const double d2008 = EncodeDate(2008, 1, 1), d2009 = EncodeDate(2009, 1, 1);
    const Case cases[] = {
        {0, 0, false, false}, {d2008, 0, true, false}, {0, d2009, false, true},
        {d2008, d2009, true, true}, {d2009, d2008, false, false}, {d2008, d2008, false, false},
    };
    for (const Case& c : cases) {
        TcxDateEditProperties p(nullptr);
        p.SetMinDate(c.minDate);
        p.SetMaxDate(c.maxDate);
        EXPECT_EQ(p.IsBoundActive(0), c.minActive) << c.minDate << " " << c.maxDate;
        EXPECT_EQ(p.IsBoundActive(1), c.maxActive) << c.minDate << " " << c.maxDate;
    }
}

TEST_F(DateEditTest, ATextThatIsNoDateFollowsDateOnError) {
    TcxDateEdit* edit = NewEdit();
    auto* p = edit->GetDateProperties();
    edit->SetEditValue(Variant::FromDate(EncodeDate(2024, 3, 1)));
    Focus(edit);
    EXPECT_FALSE(Validate(edit, "abc")); // deNoChange
    EXPECT_EQ(edit->GetText(), "abc");
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2024, 3, 1));
    p->SetDateOnError(deNull);
    EXPECT_TRUE(Validate(edit, "abc"));
    EXPECT_TRUE(edit->GetEditValue().IsNull());
    p->SetDateOnError(deToday);
    EXPECT_TRUE(Validate(edit, "abc"));
    EXPECT_DOUBLE_EQ(edit->GetDate(), Date());
}

TEST_F(DateEditTest, ADateOnlyEditorKeepsTheTimeAndEmptiesToNull) {
    TcxDateEdit* edit = NewEdit();
    edit->SetEditValue(Variant::FromDate(EncodeDate(2008, 5, 5) + EncodeTime(10, 30, 0, 0)));
    Focus(edit);
    ASSERT_TRUE(Validate(edit, "2008-05-06"));
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 5, 6) + EncodeTime(10, 30, 0, 0));
    // Sound: an emptied editor holds no date, not 30 December 1899 with the kept time.
    ASSERT_TRUE(Validate(edit, ""));
    EXPECT_TRUE(edit->GetEditValue().IsNull());
    EXPECT_EQ(edit->GetDate(), NullDate);

    edit->GetDateProperties()->SetSaveTime(false);
    edit->SetEditValue(Variant::FromDate(EncodeDate(2008, 5, 5) + EncodeTime(10, 30, 0, 0)));
    ASSERT_TRUE(Validate(edit, "2008-05-06"));
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 5, 6));
}

TEST_F(DateEditTest, SetDateAddsTheSavedTimeToADay) {
    TcxDateEdit* edit = NewEdit();
    edit->SetEditValue(Variant::FromDate(EncodeDate(2008, 3, 1) + EncodeTime(14, 0, 0, 0)));
    edit->SetDate(EncodeDate(2008, 3, 2));
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 3, 2) + EncodeTime(14, 0, 0, 0));
    edit->GetDateProperties()->SetSaveTime(false);
    edit->SetEditValue(Variant::FromDate(EncodeDate(2008, 3, 1) + EncodeTime(14, 0, 0, 0)));
    edit->SetDate(EncodeDate(2008, 3, 2));
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 3, 2));
    edit->SetDate(NullDate);
    EXPECT_TRUE(edit->GetEditValue().IsNull());
    EXPECT_EQ(edit->GetDate(), NullDate);
}

TEST_F(DateEditTest, TheRangeCorrectionUsesTheSameBoundsRule) {
    TcxDateEdit* edit = NewEdit();
    auto* p = edit->GetDateProperties();
    p->SetMinDate(EncodeDate(2008, 1, 1));
    edit->SetEditValue(Variant::FromDate(EncodeDate(2007, 12, 1)));
    edit->EnforceRange();
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 1, 1));
    p->SetMaxDate(EncodeDate(2007, 6, 1)); // below the minimum: no bound at all
    edit->SetEditValue(Variant::FromDate(EncodeDate(2007, 12, 1)));
    edit->EnforceRange();
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2007, 12, 1));
    p->SetMaxDate(EncodeDate(2008, 6, 1));
    Focus(edit);
    EXPECT_FALSE(Validate(edit, "2009-01-01")); // out of bounds
}

TEST_F(DateEditTest, YearsRunFrom100To9999) {
    TcxDateEditProperties p(nullptr);
    EXPECT_TRUE(p.TextToDate("10000-01-01").IsNull());
    EXPECT_DOUBLE_EQ(p.TextToDate("9999-12-31").AsDouble(), EncodeDate(9999, 12, 31));
    EXPECT_DOUBLE_EQ(p.TextToDate("0100-01-01").AsDouble(), EncodeDate(100, 1, 1));
}

TEST_F(DateEditTest, RegistersItsSettingsAndAFilterHelperWithRelativeDates) {
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxDateEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDisplayName(index), "DateEdit");
    const TcxFilterEditHelperClass helperClass =
        GetFilterEditHelperRegistry()->LookupHelperClass(TcxDateEditProperties::StaticClass());
    ASSERT_EQ(helperClass, TcxFilterDateEditHelper::StaticClass());
    TcxDateEditProperties p(nullptr);
    const TcxFilterControlOperators basic = FilterEditHelper(helperClass)->GetAllowedOperators(&p, nullptr, false);
    EXPECT_TRUE(basic & FilterOperatorBit(fcoEqual));
    EXPECT_TRUE(basic & FilterOperatorBit(fcoNonBlanks));
    EXPECT_FALSE(basic & FilterOperatorBit(fcoLike));
    EXPECT_FALSE(basic & FilterOperatorBit(fcoBetween));
    const TcxFilterControlOperators extended = FilterEditHelper(helperClass)->GetAllowedOperators(&p, nullptr, true);
    EXPECT_TRUE(extended & FilterOperatorBit(fcoYesterday));
    EXPECT_TRUE(extended & FilterOperatorBit(fcoInFuture));
    EXPECT_FALSE(extended & FilterOperatorBit(fcoNotLike));
}

} // namespace
} // namespace zorvy::test
