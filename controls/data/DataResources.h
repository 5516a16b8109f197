#pragma once
// The texts of the data units (operator words, group words, errors), each obtained through
// GetDataResourceText so a replacement registered for it takes effect everywhere.
#include "platform/rtl/ResourceStrings.h"

#include <string>

namespace zorvy {

ZORVY_RESOURCESTRING(cxSFilterOperatorEqual, "equals");
ZORVY_RESOURCESTRING(cxSFilterOperatorNotEqual, "does not equal");
ZORVY_RESOURCESTRING(cxSFilterOperatorLess, "is less than");
ZORVY_RESOURCESTRING(cxSFilterOperatorLessEqual, "is less than or equal to");
ZORVY_RESOURCESTRING(cxSFilterOperatorGreater, "is greater than");
ZORVY_RESOURCESTRING(cxSFilterOperatorGreaterEqual, "is greater than or equal to");
ZORVY_RESOURCESTRING(cxSFilterOperatorLike, "like");
ZORVY_RESOURCESTRING(cxSFilterOperatorNotLike, "not like");
ZORVY_RESOURCESTRING(cxSFilterOperatorBeginsWith, "begins with");
ZORVY_RESOURCESTRING(cxSFilterOperatorDoesNotBeginWith, "does not begin with");
ZORVY_RESOURCESTRING(cxSFilterOperatorEndsWith, "ends with");
ZORVY_RESOURCESTRING(cxSFilterOperatorDoesNotEndWith, "does not end with");
ZORVY_RESOURCESTRING(cxSFilterOperatorContains, "contains");
ZORVY_RESOURCESTRING(cxSFilterOperatorDoesNotContain, "does not contain");
ZORVY_RESOURCESTRING(cxSFilterOperatorBetween, "between");
ZORVY_RESOURCESTRING(cxSFilterOperatorNotBetween, "not between");
ZORVY_RESOURCESTRING(cxSFilterOperatorInList, "in");
ZORVY_RESOURCESTRING(cxSFilterOperatorNotInList, "not in");
ZORVY_RESOURCESTRING(cxSFilterOperatorIsNull, "is blank");
ZORVY_RESOURCESTRING(cxSFilterOperatorIsNotNull, "is not blank");
ZORVY_RESOURCESTRING(cxSFilterOperatorYesterday, "is yesterday");
ZORVY_RESOURCESTRING(cxSFilterOperatorToday, "is today");
ZORVY_RESOURCESTRING(cxSFilterOperatorTomorrow, "is tomorrow");
ZORVY_RESOURCESTRING(cxSFilterOperatorLast7Days, "is last 7 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorLastWeek, "is last week");
ZORVY_RESOURCESTRING(cxSFilterOperatorLast14Days, "is last 14 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorLastTwoWeeks, "is last two weeks");
ZORVY_RESOURCESTRING(cxSFilterOperatorLast30Days, "is last 30 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorLastMonth, "is last month");
ZORVY_RESOURCESTRING(cxSFilterOperatorLastYear, "is last year");
ZORVY_RESOURCESTRING(cxSFilterOperatorPast, "is past");
ZORVY_RESOURCESTRING(cxSFilterOperatorThisWeek, "is this week");
ZORVY_RESOURCESTRING(cxSFilterOperatorThisMonth, "is this month");
ZORVY_RESOURCESTRING(cxSFilterOperatorThisYear, "is this year");
ZORVY_RESOURCESTRING(cxSFilterOperatorNext7Days, "is next 7 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorNextWeek, "is next week");
ZORVY_RESOURCESTRING(cxSFilterOperatorNext14Days, "is next 14 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorNextTwoWeeks, "is next two weeks");
ZORVY_RESOURCESTRING(cxSFilterOperatorNext30Days, "is next 30 days");
ZORVY_RESOURCESTRING(cxSFilterOperatorNextMonth, "is next month");
ZORVY_RESOURCESTRING(cxSFilterOperatorNextYear, "is next year");
ZORVY_RESOURCESTRING(cxSFilterOperatorFuture, "is future");
ZORVY_RESOURCESTRING(cxSFilterAndCaption, "and");
ZORVY_RESOURCESTRING(cxSFilterOrCaption, "or");
ZORVY_RESOURCESTRING(cxSFilterNotCaption, "not");
ZORVY_RESOURCESTRING(cxSFilterBlankCaption, "blank");

ZORVY_RESOURCESTRING(cxSFilterBoxAllCaption, "(All)");
ZORVY_RESOURCESTRING(cxSFilterBoxCustomCaption, "(Custom...)");
ZORVY_RESOURCESTRING(cxSFilterBoxBlanksCaption, "(Blanks)");
ZORVY_RESOURCESTRING(cxSFilterBoxNonBlanksCaption, "(NonBlanks)");

ZORVY_RESOURCESTRING(cxSDataItemIndexError, "ItemIndex out of range");
ZORVY_RESOURCESTRING(cxSDataRecordIndexError, "RecordIndex out of range");
ZORVY_RESOURCESTRING(cxSDataRowIndexError, "RowIndex out of range");
ZORVY_RESOURCESTRING(cxSDataItemExistError, "Item already exists");
ZORVY_RESOURCESTRING(cxSDataInvalidStreamFormat, "Invalid stream format");
ZORVY_RESOURCESTRING(cxSDataProviderModeError, "This operation is not supported in provider mode");

// The hook the editor framework points at ResolveResourceString; nil loads the resource itself.
using TcxGetResourceStringProc = std::string (*)(const TResourceString& resource);
extern TcxGetResourceStringProc cxGetResourceStringProc;

std::string GetDataResourceText(const TResourceString& resource);

} // namespace zorvy
