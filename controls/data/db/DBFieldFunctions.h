#pragma once
// Small functions over dataset fields and ";"-separated field-name lists that the dataset-bound
// controller, its provider and its filter share.
#include <string>
#include <vector>

namespace zorvy {

class TDataSet;
class TField;
class Variant;

// Names of a ";"-separated list, one at a time: a name ends at ";", surrounding blanks are dropped.
std::vector<std::string> SplitFieldNames(const std::string& names);
int FieldNameCount(const std::string& names);
// After the first name is taken, text remains.
bool HasSeveralFieldNames(const std::string& names);
// Equal after both are upper-cased.
bool SameFieldName(const std::string& a, const std::string& b);
// A name that is not a valid identifier is enclosed in "[" and "]".
void QuoteFieldName(std::string& name);
// The field's Origin unless ignoreOrigin; when that is empty, its quoted FieldName; empty for nil.
std::string GetFieldFilterName(const TField* field, bool ignoreOrigin);

// Null for no field, the value for one, a variant array (0 .. count - 1) for several.
Variant ReadFieldValues(const std::vector<TField*>& fields);
void WriteFieldValues(const std::vector<TField*>& fields, const Variant& value);
Variant ReadFieldValue(const TField* field);
// A date-time field takes a double through AsDateTime; anything else through its value.
void WriteFieldValue(TField* field, const Variant& value);

// Key values: one value when count is 1, else arrays compared element by element.
bool SameKeyValues(const Variant& a, const Variant& b, int count);

// Whether the field can be edited at all (anyKind) or as text.
bool CanEditField(const TField* field, bool anyKind);
// Every field named by the lookup field's KeyFields can be modified.
bool CanModifyLookupField(const TField* field);
// Whether the controller stores the field's display texts.
bool FieldNeedsDisplayText(const TField* field, bool editable);
// A float, BCD or FMTBCD field with currency set that does not format its own text.
bool IsCurrencyField(const TField* field);

} // namespace zorvy
