#pragma once
// The draw that follows the last row of the draw table: its closing date and its issue number.
#include "platform/rtl/DateTime.h"

#include <optional>
#include <string>

namespace zorvy {

// How often a lottery draws: Tekpa on Tuesdays, Thursdays and Sundays, the five-from-22 game daily.
enum class TDrawSchedule { Tekpa, Daily };

// The first drawing day of the schedule after `last`, on whatever weekday last falls (the time of day
// is kept).
TDateTime NextDrawDate(TDateTime last, TDrawSchedule schedule);

// The issue after `issue` ("2008140" gives "2008141"). When the next draw falls in a later year than
// the issue's own, that year's first issue ("2009001"). Empty when issue is not a four-digit year and
// a three-digit draw number, or when the year's numbers would run out (after 999 in the same year).
std::optional<std::string> NextIssue(const std::string& issue, std::optional<TDateTime> nextDate);

} // namespace zorvy
