#pragma once
// A table view with one date item "Drawn", today fixed by the filter clock and weeks starting on
// Monday, for the date ranges and the item filter drop-down's entries.
#include "controls/data/FilterOperators.h"
#include "controls/data/ValueTypes.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/controls/grid/table/TableFixture.h"

#include <vector>

namespace zorvy::test {

inline TDateTime dateFilterToday = 0;
inline TDateTime DateFilterClock() {
    return dateFilterToday;
}

class DateFilterTest : public TableTest {
  protected:
    DateFilterTest() : savedSettings(FormatSettings()) {
        FormatSettings() = DefaultFormatSettings("en_US");
        FormatSettings().FirstDayOfWeek = 0; // Monday
        SetToday(2025, 1, 5);                 // a Sunday
        item = view->AddTestItem("Drawn");
        Data()->ChangeValueTypeClass(0, &cxDateTimeValueType);
    }
    ~DateFilterTest() override {
        cxFilterClock = &Now;
        FormatSettings() = savedSettings;
    }
    static void SetToday(int year, int month, int day) {
        dateFilterToday = EncodeDate(year, month, day) + EncodeTime(13, 30, 0, 0);
        cxFilterClock = &DateFilterClock;
    }
    // One record per date; a zero date is a blank.
    void FillDates(const std::vector<TDateTime>& dates) {
        Data()->BeginUpdate();
        Data()->SetRecordCount(static_cast<int>(dates.size()));
        for (size_t r = 0; r < dates.size(); ++r)
            Data()->SetValue(static_cast<int>(r), 0, dates[r] == 0 ? Variant::Null() : VarFromDateTime(dates[r]));
        Data()->EndUpdate();
    }

    TFormatSettings savedSettings;
    TTestTableItem* item;
};

} // namespace zorvy::test
