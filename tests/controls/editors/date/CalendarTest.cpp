// The calendar: its 42 days, keys and arrows, the button placement, the month list's year limits, the
// clock, and the date editor's popup taking a picked day.
#include "controls/editors/date/Calendar.h"
#include "controls/editors/date/DateEdit.h"
#include "controls/foundation/locale/FormatController.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class CalendarTest : public EditorsTest {
  protected:
    CalendarTest() {
        saved_ = FormatSettings();
        TFormatSettings s = DefaultFormatSettings("en_GB");
        s.ShortDateFormat = "yyyy-mm-dd";
        s.DateSeparator = '-';
        SetFormatSettings(s);
        SharedFormatController()->ReadFormatSettings();
        SharedFormatController()->SetFirstDayOfWeek(0); // Sunday
    }
    ~CalendarTest() override {
        SetFormatSettings(saved_);
        SharedFormatController()->ReadFormatSettings();
    }
    TcxCustomCalendar* NewCalendar() {
        form = NewForm(400, 300);
        auto* calendar = new TcxCustomCalendar(form);
        calendar->SetParent(form);
        calendar->SetLeft(10);
        calendar->SetTop(10);
        form->Show();
        Pump();
        return calendar;
    }
    static TPoint Centre(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    TForm* form = nullptr;
    TFormatSettings saved_;
};

TEST_F(CalendarTest, AMonthStartingOnTheFirstWeekdayShowsTheWeekBeforeFirst) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->ShowMonthOf(EncodeDate(2024, 9, 15)); // 1 September 2024 is a Sunday
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2024, 9, 1));
    EXPECT_DOUBLE_EQ(calendar->GetDateOfCell(0, 0), EncodeDate(2024, 8, 25));
    EXPECT_DOUBLE_EQ(calendar->GetDateOfCell(6, 5), EncodeDate(2024, 10, 5));
    EXPECT_DOUBLE_EQ(calendar->GetFirstVisibleDate(), EncodeDate(2024, 8, 25));
    EXPECT_DOUBLE_EQ(calendar->GetLastVisibleDate(), EncodeDate(2024, 10, 5));
    calendar->ShowMonthOf(EncodeDate(2024, 5, 20)); // 1 May 2024 is a Wednesday
    EXPECT_DOUBLE_EQ(calendar->GetDateOfCell(0, 0), EncodeDate(2024, 4, 28));
    const TRect grid = calendar->GetGridRect();
    EXPECT_DOUBLE_EQ(calendar->GetDateAtPoint(TPoint{grid.Left + 1, grid.Top + 1}), EncodeDate(2024, 4, 28));
    EXPECT_EQ(calendar->GetDateAtPoint(TPoint{grid.Left + 1, grid.Top - 2}), NullDate); // the day names
}

TEST_F(CalendarTest, KeysMoveTheSelectionByDaysWeeksAndMonths) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->SelectDay(EncodeDate(2024, 1, 31));
    calendar->SetFocus();
    Pump();
    struct Step {
        std::uint16_t key;
        TDateTime expected;
    };
    const Step steps[] = {
        {VK_NEXT, EncodeDate(2024, 2, 29)}, // the day clamped to February's length
        {VK_PRIOR, EncodeDate(2024, 1, 29)},
        {VK_RIGHT, EncodeDate(2024, 1, 30)},
        {VK_DOWN, EncodeDate(2024, 2, 6)},
        {VK_HOME, EncodeDate(2024, 2, 4)}, // the week's Sunday
        {VK_END, EncodeDate(2024, 2, 10)},
    };
    for (const Step& step : steps) {
        display.PressKey(step.key);
        Pump();
        EXPECT_DOUBLE_EQ(calendar->GetSelectedDate(), step.expected) << step.key;
    }
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2024, 2, 1));
}

TEST_F(CalendarTest, ArrowsStepAtOnceThenEvery200msAndTheWheelStepsYears) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->ShowMonthOf(EncodeDate(2024, 5, 1));
    ASSERT_EQ(calendar->GetArrowCount(), 4);
    const TPoint next = Centre(calendar->GetArrowRect(1));
    display.PressMouse(calendar->GetHandle(), next.X, next.Y);
    Pump();
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2024, 6, 1));
    Wait(200);
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2024, 7, 1));
    display.ReleaseMouse(calendar->GetHandle(), next.X, next.Y);
    Pump();
    Wait(400);
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2024, 7, 1));
    const TPoint year = Centre(calendar->GetYearTextRect());
    display.Wheel(calendar->GetHandle(), year.X, year.Y, 120);
    Pump();
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2023, 7, 1));
    const TPoint day = Centre(calendar->GetGridRect());
    display.Wheel(calendar->GetHandle(), day.X, day.Y, 120); // over the days: nothing
    Pump();
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(2023, 7, 1));
}

TEST_F(CalendarTest, NavigationNeverLeavesYears100To9999) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->ShowMonthOf(EncodeDate(9999, 12, 1));
    calendar->StepMonthOrYear(1);
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(9999, 12, 1));
    calendar->ShowMonthOf(EncodeDate(100, 1, 31));
    calendar->StepMonthOrYear(2);
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), EncodeDate(100, 1, 1));
    calendar->SelectDay(EncodeDate(99, 12, 31));
    EXPECT_NE(calendar->GetSelectedDate(), EncodeDate(99, 12, 31));
}

TEST_F(CalendarTest, OneButtonIsCentredAndTwoSplitTheWidthInThreeGaps) {
    TcxCustomCalendar* calendar = NewCalendar();
    TcxButton* today = calendar->GetTodayButton();
    TcxButton* clear = calendar->GetClearButton();
    const int width = calendar->GetDayAreaRect().Width();
    const int gapLeft = today->GetLeft(), gapMiddle = clear->GetLeft() - (today->GetLeft() + today->GetWidth() - 1);
    const int gapRight = width - (clear->GetLeft() + clear->GetWidth() - 1);
    EXPECT_LE(std::abs(gapLeft - gapMiddle), 1);
    EXPECT_LE(std::abs(gapMiddle - gapRight), 1);
    calendar->SetButtonSet(DateButtonBit(btnToday));
    EXPECT_FALSE(clear->GetVisible());
    EXPECT_LE(std::abs(today->GetLeft() - (width - (today->GetLeft() + today->GetWidth() - 1))), 1);
}

TEST_F(CalendarTest, TheMonthListKeepsToTheSupportedYears) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->ShowMonthOf(EncodeDate(100, 2, 1));
    TcxMonthListBox* list = calendar->GetMonthList();
    const TPoint month = Centre(calendar->GetMonthTextRect());
    display.PressMouse(calendar->GetHandle(), month.X, month.Y);
    Pump();
    ASSERT_TRUE(list->GetVisible());
    EXPECT_TRUE(list->ShowsYears());
    EXPECT_EQ(list->GetItemCount(), 7);
    list->SetSelectedIndex(0); // October 99
    EXPECT_EQ(list->GetSelectedIndex(), -1);
    list->SetSelectedIndex(5); // April 100
    EXPECT_DOUBLE_EQ(list->GetSelectedDate(), EncodeDate(100, 4, 1));
    list->ClosePopup();
    EXPECT_FALSE(list->GetVisible());
}

TEST_F(CalendarTest, TheSelectedDayIsHighlightedAndTheOtherMonthsDaysAreGrey) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->SelectDay(EncodeDate(2024, 5, 15));
    Pump();
    const TRect grid = calendar->GetGridRect();
    const int w = calendar->GetColumnWidth(), h = calendar->GetRowHeight();
    auto cellPixel = [&](int column, int row) {
        return PixelAt(form, calendar->GetLeft() + grid.Left + column * w + 1, calendar->GetTop() + grid.Top + row * h + 1);
    };
    // 15 May 2024 (a Wednesday) is in the third row of a month starting on a Wednesday, Sundays first.
    EXPECT_EQ(cellPixel(3, 2), ColorToRGB(clHighlight));
    EXPECT_EQ(cellPixel(4, 2), ColorToRGB(clWindow));
    // Grey digits in the first cell (28 April), black ones in a day of May.
    auto hasInk = [&](int column, int row, COLORREF ink) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (PixelAt(form, calendar->GetLeft() + grid.Left + column * w + x,
                            calendar->GetTop() + grid.Top + row * h + y) == ink)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasInk(0, 0, ColorToRGB(clGrayText)));
    EXPECT_FALSE(hasInk(0, 0, ColorToRGB(clWindowText)));
    EXPECT_TRUE(hasInk(1, 1, ColorToRGB(clWindowText)));
}

TEST_F(CalendarTest, TheClockKeepsTheFractionOfTheDay) {
    TcxCustomCalendar* calendar = NewCalendar();
    calendar->GetClock()->SetTime(2.25);
    EXPECT_DOUBLE_EQ(calendar->GetClock()->GetTime(), 0.25);
}

class DatePopupTest : public CalendarTest {
  protected:
    TcxDateEdit* NewEdit() {
        form = NewForm(400, 300);
        auto* edit = new TcxDateEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 140, 21);
        form->Show();
        Pump();
        edit->SetFocus();
        Pump();
        return edit;
    }
    TcxPopupCalendar* Open(TcxDateEdit* edit) {
        edit->DropDown();
        Pump();
        return edit->GetCalendar();
    }
};

TEST_F(DatePopupTest, AnEmptyEditorOpensOnTodayAndAPickedDayKeepsTheTime) {
    TcxDateEdit* edit = NewEdit();
    TcxPopupCalendar* calendar = Open(edit);
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(edit->GetDroppedDown());
    EXPECT_DOUBLE_EQ(calendar->GetSelectedDate(), Date());
    EXPECT_DOUBLE_EQ(calendar->GetShownMonthStart(), FirstDayOfMonthOf(Date()));
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_TRUE(edit->GetEditValue().IsNull());

    edit->SetEditValue(Variant::FromDate(EncodeDate(2008, 3, 1) + EncodeTime(14, 0, 0, 0)));
    calendar = Open(edit);
    EXPECT_DOUBLE_EQ(calendar->GetSelectedDate(), EncodeDate(2008, 3, 1));
    calendar->SelectDay(EncodeDate(2008, 3, 12));
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2008, 3, 12) + EncodeTime(14, 0, 0, 0));
}

TEST_F(DatePopupTest, F4ClosesWithoutChangeAndPickingTheSameDateChangesNothing) {
    TcxDateEdit* edit = NewEdit();
    edit->SetEditValue(Variant::FromDate(EncodeDate(2024, 1, 31)));
    int changes = 0;
    edit->GetProperties()->OnEditValueChanged = [&changes](TObject*) { ++changes; };
    TcxPopupCalendar* calendar = Open(edit);
    display.PressKey(VK_NEXT);
    Pump();
    EXPECT_DOUBLE_EQ(calendar->GetSelectedDate(), EncodeDate(2024, 2, 29));
    display.PressKey(VK_F4);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_DOUBLE_EQ(edit->GetDate(), EncodeDate(2024, 1, 31));
    Open(edit);
    display.PressKey(VK_RETURN); // the date it already has
    Pump();
    EXPECT_EQ(changes, 0);
}

} // namespace
} // namespace zorvy::test
