// The time editor: typing field by field, stepping the field under the caret (refused at the day's
// ends unless circular), the AM/PM designator, the kept date part and validation of unreadable texts.
#include "controls/editors/time/TimeEdit.h"
#include "controls/editors/time/TimeItemInput.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TimeEditTest : public EditorsTest {
  protected:
    TimeEditTest() {
        saved_ = FormatSettings();
        TFormatSettings english = saved_;
        english.TimeAMString = "AM";
        english.TimePMString = "PM";
        SetFormatSettings(english);
        InitializeTimeEditUnit();
    }
    ~TimeEditTest() override {
        FinalizeTimeEditUnit();
        SetFormatSettings(saved_);
    }
    TcxTimeEdit* NewEdit(bool use24 = true) {
        form = NewForm();
        auto* edit = new TcxTimeEdit(form);
        edit->GetTimeProperties()->SetUse24HourFormat(use24);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        other = new TcxTimeEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 120, 21);
        form->Show();
        Pump();
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    // The caret (the mask's one-character selection) at a 0-based position.
    static void CaretAt(TcxTimeEdit* edit, int position) {
        edit->SetSelStartLocked(position);
        edit->SetSelLengthLocked(1);
    }
    TForm* form = nullptr;
    TcxTimeEdit* other = nullptr;
    TFormatSettings saved_;
};

TEST_F(TimeEditTest, TheFieldUnderTheCaretSteps) {
    TcxTimeEdit* edit = NewEdit();
    edit->SetEditValue(Variant::FromDate(EncodeTime(10, 20, 30, 0)));
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "10:20:30");
    CaretAt(edit, 3);
    EXPECT_EQ(edit->GetCurrentField(), tfMinutes);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "10:21:30");
    EXPECT_EQ(edit->GetSelectionStart(), 4); // the second minute digit
    EXPECT_EQ(edit->GetSelectionLength(), 1);
    EXPECT_TRUE(edit->DoStep(3)); // fast: ten minutes
    EXPECT_EQ(edit->GetText(), "10:31:30");
    CaretAt(edit, 0);
    EXPECT_TRUE(edit->DoStep(0));
    EXPECT_EQ(edit->GetText(), "09:31:30");
}

TEST_F(TimeEditTest, TheDaysEndsRefuseAStepUnlessCircular) {
    TcxTimeEdit* edit = NewEdit();
    edit->SetEditValue(Variant::FromDate(EncodeTime(23, 59, 59, 0)));
    Focus(edit);
    CaretAt(edit, 7);
    EXPECT_FALSE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "23:59:59");
    edit->GetTimeProperties()->SetCircular(true);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "00:00:00");
    CaretAt(edit, 7);
    EXPECT_TRUE(edit->DoStep(0));
    EXPECT_EQ(edit->GetText(), "23:59:59");
}

TEST_F(TimeEditTest, TheDesignatorTogglesBetweenAmAndPm) {
    TcxTimeEdit* edit = NewEdit(false);
    EXPECT_EQ(TimeEditMask(tfHourMinSec, false), "00:00:00 cc;1;0");
    edit->SetEditValue(Variant::FromDate(EncodeTime(11, 0, 0, 0)));
    Focus(edit);
    EXPECT_EQ(edit->GetText(), "11:00:00 AM");
    CaretAt(edit, 9);
    EXPECT_EQ(edit->GetCurrentField(), tfDesignator);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "11:00:00 PM");
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "11:00:00 AM");
}

TEST_F(TimeEditTest, TypedDigitsStayInTheirFieldsRange) {
    struct Case {
        bool use24;
        const char* start;
        int caret;
        const char* typed;
        const char* text;
        int caretAfter;
    };
    const Case cases[] = {
        {true, "00:00:00", 0, "7", "07:00:00", 3},  // above the maximum's first digit: 0 first
        {true, "00:00:00", 0, "25", "05:00:00", 3}, // 25 is no hour: the second digit after a 0
        {true, "00:00:00", 0, "23", "23:00:00", 3},
        {true, "00:45:00", 3, "7", "00:07:00", 6},
        {false, "10:00:00 AM", 0, "0", "01:00:00 AM", 1}, // 00 is no 12-hour hour
        {false, "12:00:00 AM", 0, "0", "02:00:00 AM", 1},
    };
    for (const Case& c : cases) {
        TcxTimeEdit* edit = NewEdit(c.use24);
        Focus(edit);
        edit->ShowText(c.start);
        edit->GetMode()->SetText(c.start);
        CaretAt(edit, c.caret);
        display.TypeText(c.typed);
        Pump();
        EXPECT_EQ(edit->GetText(), c.text) << c.start << " + " << c.typed;
        EXPECT_EQ(edit->GetSelectionStart(), c.caretAfter) << c.start << " + " << c.typed;
        delete form;
    }
}

// A position before the designator's field (the caret of another field) is refused, never read
// before the start of the designator texts.
TEST(TimeFieldTyping, ADesignatorRefusesAPositionBeforeItsField) {
    TcxTimeFieldInfo field;
    field.Field = tfDesignator;
    field.Start = 10;
    field.DesignatorKind = 1;
    for (const int position : {1, 5, 9}) {
        std::string character = "A";
        const TcxTimeTypingResult result = TypeTimeFieldChar(field, "10:00:00 AM", character, position);
        EXPECT_TRUE(result.Refused) << position;
        EXPECT_FALSE(result.Accepted) << position;
    }
    std::string character = "p";
    EXPECT_FALSE(TypeTimeFieldChar(field, "10:00:00 AM", character, 10).Refused);
}

// A 12-hour text shorter than the time part, once its blanks are trimmed, is read without its
// designator part rather than cut beyond its end.
TEST_F(TimeEditTest, AShortTwelveHourTextIsReadWithoutReachingPastItsEnd) {
    TcxTimeEditProperties properties(nullptr);
    properties.SetUse24HourFormat(false);
    TDateTime time = -1;
    EXPECT_NO_THROW(properties.TextToTime("9 ", time));
    EXPECT_NO_THROW(properties.TextToTime("  0", time));
}

// "24:00" is the end of a day, not a time of day: the editor refuses it and keeps what it read before.
TEST_F(TimeEditTest, TheEndOfTheDayIsNoTimeOfDay) {
    TcxTimeEditProperties properties(nullptr);
    TDateTime time = 0.25;
    EXPECT_FALSE(properties.TextToTime("24", time));
    EXPECT_FALSE(properties.TextToTime("24:00:00", time));
    EXPECT_DOUBLE_EQ(time, 0.25);
    EXPECT_TRUE(properties.TextToTime("23:59:59", time));
    EXPECT_LT(time, 1.0);
}

TEST_F(TimeEditTest, SettingTheTimeKeepsTheStoredDate) {
    TcxTimeEdit* edit = NewEdit();
    const TDateTime day = EncodeDate(2024, 5, 1);
    edit->SetEditValue(Variant::FromDate(day + EncodeTime(8, 0, 0, 0)));
    EXPECT_DOUBLE_EQ(edit->GetSavedDate(), day);
    edit->SetTime(EncodeTime(14, 30, 0, 0) + 3); // only the fraction counts
    EXPECT_DOUBLE_EQ(edit->GetEditValue().AsDouble(), day + EncodeTime(14, 30, 0, 0));
    EXPECT_NEAR(edit->GetTime(), EncodeTime(14, 30, 0, 0), 1e-9);
}

TEST_F(TimeEditTest, ShowDateShowsTheDateOnlyUnfocusedAndWhenAsked) {
    TcxTimeEdit* edit = NewEdit();
    auto* p = edit->GetTimeProperties();
    const TDateTime value = EncodeDate(2024, 5, 1) + EncodeTime(10, 0, 0, 0);
    Variant shown;
    p->ToDisplayValue(Variant::FromDate(value), shown, false);
    EXPECT_EQ(VarToStr(shown), "10:00:00");
    p->SetShowDate(true);
    p->SetUseTimeFormatWhenUnfocused(false);
    p->ToDisplayValue(Variant::FromDate(value), shown, false);
    EXPECT_EQ(VarToStr(shown), DateTimeToStr(value));
    p->ToDisplayValue(Variant::FromDate(value), shown, true);
    EXPECT_EQ(VarToStr(shown), "10:00:00");
    p->ToDisplayValue(Variant::Null(), shown, false);
    EXPECT_EQ(VarToStr(shown), "");
    p->ToDisplayValue(Variant::Null(), shown, true);
    EXPECT_EQ(VarToStr(shown), "00:00:00");
}

TEST_F(TimeEditTest, AnUnreadableTextFailsValidationInsteadOfBecomingMidnight) {
    TcxTimeEdit* edit = NewEdit();
    Variant value;
    EXPECT_FALSE(edit->TextToEditValue("25:61:00", value));
    EXPECT_TRUE(edit->TextToEditValue("12:30:00", value));
    EXPECT_NEAR(value.AsDouble(), EncodeTime(12, 30, 0, 0), 1e-9);

    edit->SetEditValue(Variant::FromDate(EncodeTime(9, 0, 0, 0)));
    Focus(edit);
    edit->ShowText("99:99:99");
    edit->SetChangedSinceEnter(true);
    EXPECT_FALSE(edit->ValidateInput(false));
    EXPECT_NEAR(edit->GetEditValue().AsDouble(), EncodeTime(9, 0, 0, 0), 1e-9); // the value stays
}

TEST_F(TimeEditTest, TypedTimesAreStoredOnLeaving) {
    TcxTimeEdit* edit = NewEdit();
    Focus(edit);
    CaretAt(edit, 0);
    display.TypeText("1745");
    Pump();
    EXPECT_EQ(edit->GetText(), "17:45:00");
    Focus(other);
    EXPECT_NEAR(edit->GetEditValue().AsDouble(), EncodeTime(17, 45, 0, 0), 1e-9);
}

TEST_F(TimeEditTest, RegistersItsSettingsAndItsFilterHelper) {
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxTimeEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDisplayName(index), "TimeEdit");
    EXPECT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxTimeEditProperties::StaticClass()),
              TcxFilterTimeEditHelper::StaticClass());
}

} // namespace
} // namespace zorvy::test
