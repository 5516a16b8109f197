#include "controls/data/db/DBFieldFunctions.h"

#include "controls/data/Variants.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"

namespace zorvy {

namespace {

std::string Trimmed(const std::string& text, size_t from, size_t to) {
    while (from < to && text[from] == ' ') ++from;
    while (to > from && text[to - 1] == ' ') --to;
    return text.substr(from, to - from);
}

bool IsBinaryOrStructured(TFieldType type) {
    return type == TFieldType::ftBytes || type == TFieldType::ftVarBytes ||
           (type >= TFieldType::ftBlob && type <= TFieldType::ftCursor) ||
           (type >= TFieldType::ftADT && type <= TFieldType::ftDataSet);
}

bool IsFloatLike(TFieldType type) {
    return type == TFieldType::ftFloat || type == TFieldType::ftCurrency || type == TFieldType::ftBCD ||
           type == TFieldType::ftFMTBcd;
}

bool IsNumeric(TFieldType type) {
    switch (type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftAutoInc:
    case TFieldType::ftLargeint:
        return true;
    default:
        return IsFloatLike(type);
    }
}

bool IsDateTime(TFieldType type) {
    return type == TFieldType::ftDate || type == TFieldType::ftTime || type == TFieldType::ftDateTime ||
           type == TFieldType::ftTimeStamp || type == TFieldType::ftOraTimeStamp;
}

} // namespace

std::vector<std::string> SplitFieldNames(const std::string& names) {
    std::vector<std::string> result;
    size_t pos = 0;
    while (pos < names.size()) {
        size_t end = names.find(';', pos);
        if (end == std::string::npos) end = names.size();
        std::string name = Trimmed(names, pos, end);
        if (!name.empty() || end < names.size()) result.push_back(name);
        pos = end + 1;
    }
    return result;
}

int FieldNameCount(const std::string& names) {
    return static_cast<int>(SplitFieldNames(names).size());
}

bool HasSeveralFieldNames(const std::string& names) {
    size_t end = names.find(';');
    return end != std::string::npos && end + 1 < names.size();
}

bool SameFieldName(const std::string& a, const std::string& b) {
    return AnsiUpperCase(a) == AnsiUpperCase(b);
}

void QuoteFieldName(std::string& name) {
    if (!IsValidIdent(name)) name = "[" + name + "]";
}

std::string GetFieldFilterName(const TField* field, bool ignoreOrigin) {
    if (!field) return {};
    std::string name = ignoreOrigin ? std::string() : field->GetOrigin();
    if (name.empty()) {
        name = field->GetFieldName();
        QuoteFieldName(name);
    }
    return name;
}

Variant ReadFieldValue(const TField* field) {
    if (field->GetFieldKind() != TFieldKind::fkAggregate && field->IsNull()) return Variant::Null();
    return field->GetAsVariant();
}

Variant ReadFieldValues(const std::vector<TField*>& fields) {
    if (fields.empty()) return Variant::Null();
    if (fields.size() == 1) return fields[0]->GetAsVariant();
    Variant values = VarArrayCreate({{0, static_cast<int>(fields.size()) - 1}}, varVariant);
    for (size_t i = 0; i < fields.size(); ++i)
        values[static_cast<int>(i)] = fields[i]->GetAsVariant();
    return values;
}

void WriteFieldValue(TField* field, const Variant& value) {
    TFieldType type = field->GetDataType();
    bool dateTime = type == TFieldType::ftDate || type == TFieldType::ftTime || type == TFieldType::ftDateTime;
    if (dateTime && value.VarType() == varDouble)
        field->SetAsDateTime(value.AsDouble());
    else
        field->SetAsVariant(value);
}

void WriteFieldValues(const std::vector<TField*>& fields, const Variant& value) {
    if (fields.empty()) return;
    if (fields.size() == 1) {
        fields[0]->SetAsVariant(value);
        return;
    }
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->SetAsVariant(value[static_cast<int>(i)]);
}

bool SameKeyValues(const Variant& a, const Variant& b, int count) {
    if (count == 1) return VariantsEqual(a, b);
    if (!a.IsArray() || !b.IsArray()) return false;
    int lowA = VarArrayLowBound(a, 1), lowB = VarArrayLowBound(b, 1);
    if (VarArrayHighBound(a, 1) - lowA + 1 != count || VarArrayHighBound(b, 1) - lowB + 1 != count) return false;
    for (int i = 0; i < count; ++i)
        if (!VariantsEqual(a[lowA + i], b[lowB + i])) return false;
    return true;
}

bool CanEditField(const TField* field, bool anyKind) {
    if (!field->CanModify()) return false;
    if (anyKind) return true;
    return !IsBinaryOrStructured(field->GetDataType()) || static_cast<bool>(field->OnSetText);
}

bool CanModifyLookupField(const TField* field) {
    TDataSet* dataSet = field->GetDataSet();
    if (!dataSet) return false;
    std::vector<TField*> keys = dataSet->GetFieldList(field->GetKeyFields());
    if (keys.empty()) return false;
    for (TField* key : keys)
        if (!key->CanModify()) return false;
    return true;
}

bool FieldNeedsDisplayText(const TField* field, bool editable) {
    if (field->OnGetText || !field->GetEditMask().empty()) return true;
    TFieldType type = field->GetDataType();
    if (IsBinaryOrStructured(type) || type == TFieldType::ftBoolean) return editable;
    if (field->GetFieldKind() == TFieldKind::fkAggregate)
        return !field->GetDisplayFormat().empty() || field->GetCurrency();
    if (IsNumeric(type)) {
        if (!field->GetDisplayFormat().empty() || !field->GetEditFormat().empty()) return true;
        return IsFloatLike(type) && field->GetCurrency();
    }
    if (IsDateTime(type)) return !field->GetDisplayFormat().empty();
    return false;
}

bool IsCurrencyField(const TField* field) {
    return IsFloatLike(field->GetDataType()) && field->GetCurrency() && field->GetDisplayFormat().empty() &&
           !field->OnGetText;
}

} // namespace zorvy
