// The comparison, pattern, range, list and blank-test operators and the texts of ranges and
// lists; the date operators are in FilterDateOperators.cpp.
#include "controls/data/FilterOperators.h"

#include "controls/data/DataResources.h"
#include "controls/data/FilterCriteria.h"
#include "controls/data/Like.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

// ---- base ----

TcxFilterCriteria* TcxFilterOperator::GetCriteria() const {
    return criteriaItem_->GetCriteria();
}

std::string TcxFilterOperator::FieldName() const {
    return criteriaItem_->GetFieldName();
}

void TcxFilterOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    WriteValueExpression(value, text);
}

void TcxFilterOperator::WriteValueExpression(const Variant& value, std::string& text) const {
    if (!FormatArrayValue(value, text)) {
        switch (value.VarType()) {
        case varString:
        case varOleStr:
            text = QuotedStr(value.RawString());
            break;
        case varDate: {
            std::string date;
            GetCriteria()->ValueToFilterText(value, date);
            text = "'" + date + "'";
            break;
        }
        case varBoolean:
            GetCriteria()->ValueToDisplayText(value, text);
            break;
        case varNull:
            text = "NULL";
            break;
        default:
            text = VarToStr(value);
        }
    }
    GetCriteria()->FormatFilterTextValue(criteriaItem_, value, text);
}

TcxFilterOperatorClass FilterOperatorClassOf(TcxFilterOperatorCode code, bool valueIsBlank) {
    if (valueIsBlank && (code == ocEqual || code == ocLike))
        return FilterOperatorClass<TcxFilterNullOperator>();
    if (valueIsBlank && (code == ocNotEqual || code == ocNotLike))
        return FilterOperatorClass<TcxFilterNotNullOperator>();
    static const TcxFilterOperatorClass classes[FilterOperatorCodeCount] = {
        FilterOperatorClass<TcxFilterEqualOperator>(),
        FilterOperatorClass<TcxFilterNotEqualOperator>(),
        FilterOperatorClass<TcxFilterLessOperator>(),
        FilterOperatorClass<TcxFilterLessEqualOperator>(),
        FilterOperatorClass<TcxFilterGreaterOperator>(),
        FilterOperatorClass<TcxFilterGreaterEqualOperator>(),
        FilterOperatorClass<TcxFilterLikeOperator>(),
        FilterOperatorClass<TcxFilterNotLikeOperator>(),
        FilterOperatorClass<TcxFilterBetweenOperator>(),
        FilterOperatorClass<TcxFilterNotBetweenOperator>(),
        FilterOperatorClass<TcxFilterInListOperator>(),
        FilterOperatorClass<TcxFilterNotInListOperator>(),
        FilterOperatorClass<TcxFilterYesterdayOperator>(),
        FilterOperatorClass<TcxFilterTodayOperator>(),
        FilterOperatorClass<TcxFilterTomorrowOperator>(),
        FilterOperatorClass<TcxFilterLast7DaysOperator>(),
        FilterOperatorClass<TcxFilterLastWeekOperator>(),
        FilterOperatorClass<TcxFilterLast14DaysOperator>(),
        FilterOperatorClass<TcxFilterLastTwoWeeksOperator>(),
        FilterOperatorClass<TcxFilterLast30DaysOperator>(),
        FilterOperatorClass<TcxFilterLastMonthOperator>(),
        FilterOperatorClass<TcxFilterLastYearOperator>(),
        FilterOperatorClass<TcxFilterInPastOperator>(),
        FilterOperatorClass<TcxFilterThisWeekOperator>(),
        FilterOperatorClass<TcxFilterThisMonthOperator>(),
        FilterOperatorClass<TcxFilterThisYearOperator>(),
        FilterOperatorClass<TcxFilterNext7DaysOperator>(),
        FilterOperatorClass<TcxFilterNextWeekOperator>(),
        FilterOperatorClass<TcxFilterNext14DaysOperator>(),
        FilterOperatorClass<TcxFilterNextTwoWeeksOperator>(),
        FilterOperatorClass<TcxFilterNext30DaysOperator>(),
        FilterOperatorClass<TcxFilterNextMonthOperator>(),
        FilterOperatorClass<TcxFilterNextYearOperator>(),
        FilterOperatorClass<TcxFilterInFutureOperator>(),
    };
    return classes[code];
}

// ---- comparisons ----

bool TcxFilterEqualOperator::Matches(const Variant& v, const Variant& c) const {
    return CompareVariants(v, c) == 0;
}
std::string TcxFilterEqualOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorEqual);
}
bool TcxFilterEqualOperator::WritesWholeCondition() const {
    return GetCriteriaItem()->GetValue().IsArray();
}

void TcxFilterEqualOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    if (!value.IsArray()) {
        TcxFilterOperator::WriteConditionExpression(value, text);
        return;
    }
    std::string fields = FieldName();
    int position = 1;
    text.clear();
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
        std::string element;
        WriteValueExpression(value[i], element);
        if (!text.empty()) text += " AND ";
        // Appended piece by piece: GCC 12 misreads a literal prefixed to a temporary at -O3.
        text += '(';
        text += ExtractSemicolonItem(fields, position);
        text += " = ";
        text += element;
        text += ')';
    }
}

std::string TcxFilterNotEqualOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorNotEqual);
}
void TcxFilterNotEqualOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    TcxFilterEqualOperator::WriteConditionExpression(value, text);
    if (value.IsArray()) text = "NOT (" + text + ")";
}

bool TcxFilterLessOperator::Matches(const Variant& v, const Variant& c) const {
    return CompareVariants(v, c) < 0;
}
std::string TcxFilterLessOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorLess);
}
bool TcxFilterLessEqualOperator::Matches(const Variant& v, const Variant& c) const {
    return CompareVariants(v, c) < 1;
}
std::string TcxFilterLessEqualOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorLessEqual);
}
bool TcxFilterGreaterOperator::Matches(const Variant& v, const Variant& c) const {
    return CompareVariants(v, c) > 0;
}
std::string TcxFilterGreaterOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorGreater);
}
bool TcxFilterGreaterEqualOperator::Matches(const Variant& v, const Variant& c) const {
    return CompareVariants(v, c) >= 0;
}
std::string TcxFilterGreaterEqualOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorGreaterEqual);
}

// ---- patterns ----

bool TcxFilterLikeOperator::Matches(const Variant& v, const Variant& c) const {
    const TcxFilterCriteria* criteria = GetCriteria();
    return MatchesLikeMask(VarToStr(v), VarToStr(c), criteria->GetPercentWildcard(),
                           criteria->GetUnderscoreWildcard());
}

int TcxFilterLikeOperator::PatternShape() const {
    std::string pattern = VarToStr(GetCriteriaItem()->GetValue());
    return StripLikeWildcards(pattern, GetCriteria()->GetPercentWildcard());
}

std::string TcxFilterLikeOperator::GetCaption() const {
    static const TResourceString* words[] = {&cxSFilterOperatorLike, &cxSFilterOperatorBeginsWith,
                                             &cxSFilterOperatorEndsWith, &cxSFilterOperatorContains};
    return GetDataResourceText(*words[PatternShape()]);
}

void TcxFilterLikeOperator::AdjustDisplayValue(std::string& text) const {
    if (GetCriteria()->HasOption(fcoShowOperatorDescription))
        StripLikeWildcards(text, GetCriteria()->GetPercentWildcard());
}

std::string TcxFilterNotLikeOperator::GetCaption() const {
    static const TResourceString* words[] = {&cxSFilterOperatorNotLike, &cxSFilterOperatorDoesNotBeginWith,
                                             &cxSFilterOperatorDoesNotEndWith,
                                             &cxSFilterOperatorDoesNotContain};
    return GetDataResourceText(*words[PatternShape()]);
}

bool TcxFilterNotLikeOperator::WritesWholeCondition() const {
    return GetCriteria()->TranslateLike;
}

void TcxFilterNotLikeOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    std::string pattern;
    WriteValueExpression(value, pattern);
    text = " NOT (" + FieldName() + " LIKE " + pattern + ")";
}

// ---- ranges ----

bool TcxFilterBetweenOperator::Matches(const Variant& v, const Variant& c) const {
    if (!c.IsArray() || VarArrayHighBound(c, 1) - VarArrayLowBound(c, 1) < 1) return false;
    int low = VarArrayLowBound(c, 1);
    return CompareVariants(c[low], v) <= 0 && CompareVariants(v, c[low + 1]) <= 0;
}
std::string TcxFilterBetweenOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorBetween);
}
bool TcxFilterBetweenOperator::WritesWholeCondition() const {
    return GetCriteria()->TranslateBetween;
}

bool TcxFilterBetweenOperator::FormatArrayValue(const Variant& value, std::string& text) const {
    if (!value.IsArray() || VarArrayHighBound(value, 1) - VarArrayLowBound(value, 1) < 1) return false;
    int low = VarArrayLowBound(value, 1);
    std::string a, b;
    WriteValueExpression(value[low], a);
    WriteValueExpression(value[low + 1], b);
    text = a + " AND " + b;
    return true;
}

void TcxFilterBetweenOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    if (!value.IsArray() || VarArrayHighBound(value, 1) - VarArrayLowBound(value, 1) < 1) {
        TcxFilterOperator::WriteConditionExpression(value, text);
        return;
    }
    int low = VarArrayLowBound(value, 1);
    std::string a, b, field = FieldName();
    WriteValueExpression(value[low], a);
    WriteValueExpression(value[low + 1], b);
    text = "(" + field + " >= " + a + ") AND (" + field + " <= " + b + ")";
}

void TcxFilterBetweenOperator::AdjustDisplayValue(std::string& text) const {
    text = PairToDisplayText(DisplayTextToPair(text));
}

std::string TcxFilterNotBetweenOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorNotBetween);
}
void TcxFilterNotBetweenOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    TcxFilterBetweenOperator::WriteConditionExpression(value, text);
    text = "NOT (" + text + ")";
}

// ---- lists ----

namespace {

bool IsEmptyList(const Variant& c) {
    if (c.IsArray()) return VarArrayHighBound(c, 1) < VarArrayLowBound(c, 1);
    return c.IsEmpty() || (c.IsString() && c.RawString().empty());
}

} // namespace

bool TcxFilterInListOperator::Matches(const Variant& v, const Variant& c) const {
    if (IsEmptyList(c)) return false;
    if (!c.IsArray()) return v == c;
    for (int i = VarArrayLowBound(c, 1); i <= VarArrayHighBound(c, 1); ++i)
        if (v == c[i]) return true;
    return false;
}
std::string TcxFilterInListOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorInList);
}
bool TcxFilterInListOperator::WritesWholeCondition() const {
    return GetCriteria()->TranslateIn && !IsEmptyList(GetCriteriaItem()->GetValue());
}

bool TcxFilterInListOperator::FormatArrayValue(const Variant& value, std::string& text) const {
    if (IsEmptyList(value)) {
        text = "()";
        return true;
    }
    if (!value.IsArray()) return false;
    text.assign(1, '(');
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
        std::string element;
        WriteValueExpression(value[i], element);
        if (i > VarArrayLowBound(value, 1)) text += ", ";
        text += element;
    }
    text += ")";
    return true;
}

void TcxFilterInListOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    std::string field = FieldName();
    text.clear();
    Variant list = value.IsArray() ? value : VarArrayFromSingle(value);
    for (int i = VarArrayLowBound(list, 1); i <= VarArrayHighBound(list, 1); ++i) {
        std::string element;
        WriteValueExpression(list[i], element);
        if (!text.empty()) text += " OR ";
        text += "(" + field + " = " + element + ")";
    }
}

void TcxFilterInListOperator::AdjustDisplayValue(std::string& text) const {
    text = ListToDisplayText(DisplayTextToList(text));
}

std::string TcxFilterNotInListOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorNotInList);
}
void TcxFilterNotInListOperator::WriteConditionExpression(const Variant& value, std::string& text) const {
    TcxFilterInListOperator::WriteConditionExpression(value, text);
    text = "NOT (" + text + ")";
}

// ---- blank tests ----

bool TcxFilterNullOperator::Matches(const Variant& v, const Variant&) const {
    return GetCriteriaItem()->IsNullValue(v);
}
std::string TcxFilterNullOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorIsNull);
}
void TcxFilterNullOperator::AdjustDisplayValue(std::string& text) const {
    if (GetCriteria()->HasOption(fcoShowOperatorDescription)) text.clear();
}
std::string TcxFilterNotNullOperator::GetCaption() const {
    return GetDataResourceText(cxSFilterOperatorIsNotNull);
}

// ---- texts of ranges and lists ----

std::string FilterValueToText(const Variant& value) {
    if (value.IsNull()) return GetDataResourceText(cxSFilterBlankCaption);
    return VarToStr(value);
}

std::string ExtractSemicolonItem(const std::string& text, int& position) {
    size_t start = position < 1 ? 0 : static_cast<size_t>(position - 1);
    if (start >= text.size()) {
        position = static_cast<int>(text.size()) + 1;
        return "";
    }
    size_t end = text.find(';', start);
    std::string item = Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    position = end == std::string::npos ? static_cast<int>(text.size()) + 1 : static_cast<int>(end) + 2;
    return item;
}

Variant DisplayTextToPair(const std::string& text) {
    int position = 1;
    std::string first = ExtractSemicolonItem(text, position), second;
    if (position <= static_cast<int>(text.size())) second = ExtractSemicolonItem(text, position);
    return VarArrayFromPair(Variant(first), Variant(second));
}

Variant DisplayTextToList(const std::string& text) {
    if (text.empty()) return Variant(std::string());
    Variant list = VarArrayCreate({{0, -1}}, varVariant);
    int position = 1;
    while (position <= static_cast<int>(text.size()))
        VarArrayAppendValue(list, Variant(ExtractSemicolonItem(text, position)));
    return list;
}

std::string PairToDisplayText(const Variant& pair) {
    if (!pair.IsArray() || VarArrayHighBound(pair, 1) - VarArrayLowBound(pair, 1) < 1)
        return FilterValueToText(pair);
    int low = VarArrayLowBound(pair, 1);
    return FilterValueToText(pair[low]) + " " + GetDataResourceText(cxSFilterAndCaption) + " " +
           FilterValueToText(pair[low + 1]);
}

std::string ListToDisplayText(const Variant& list) {
    if (!list.IsArray()) {
        if (IsEmptyList(list)) return "()";
        std::string single(1, '(');
        single += FilterValueToText(list);
        single += ')';
        return single;
    }
    std::string text = "(";
    for (int i = VarArrayLowBound(list, 1); i <= VarArrayHighBound(list, 1); ++i) {
        if (i > VarArrayLowBound(list, 1)) text += ", ";
        text += FilterValueToText(list[i]);
    }
    return text + ")";
}

} // namespace zorvy
