#pragma once
// The names of the periods relative to today, shared by the date ranges and the entries of the
// item filter drop-down.
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridYesterday, "Yesterday");
ZORVY_RESOURCESTRING(scxGridToday, "Today");
ZORVY_RESOURCESTRING(scxGridTomorrow, "Tomorrow");
ZORVY_RESOURCESTRING(scxGridLast7Days, "Last 7 days");
ZORVY_RESOURCESTRING(scxGridLastWeek, "Last week");
ZORVY_RESOURCESTRING(scxGridLast14Days, "Last 14 days");
ZORVY_RESOURCESTRING(scxGridLastTwoWeeks, "Last two weeks");
ZORVY_RESOURCESTRING(scxGridLast30Days, "Last 30 days");
ZORVY_RESOURCESTRING(scxGridLastMonth, "Last month");
ZORVY_RESOURCESTRING(scxGridLastYear, "Last year");
ZORVY_RESOURCESTRING(scxGridPast, "Past");
ZORVY_RESOURCESTRING(scxGridThisWeek, "This week");
ZORVY_RESOURCESTRING(scxGridThisMonth, "This month");
ZORVY_RESOURCESTRING(scxGridThisYear, "This year");
ZORVY_RESOURCESTRING(scxGridNext7Days, "Next 7 days");
ZORVY_RESOURCESTRING(scxGridNextWeek, "Next week");
ZORVY_RESOURCESTRING(scxGridNext14Days, "Next 14 days");
ZORVY_RESOURCESTRING(scxGridNextTwoWeeks, "Next two weeks");
ZORVY_RESOURCESTRING(scxGridNext30Days, "Next 30 days");
ZORVY_RESOURCESTRING(scxGridNextMonth, "Next month");
ZORVY_RESOURCESTRING(scxGridNextYear, "Next year");
ZORVY_RESOURCESTRING(scxGridFuture, "Future");

} // namespace zorvy
