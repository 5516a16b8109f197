// The Variant face of fields and datasets: Value, FieldValues, Locate and Lookup.
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/db/FieldFamily.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"

namespace zorvy {

Variant CellToVariant(const CellValue& cell, TFieldType type) {
    if (IsNullCell(cell)) return Variant::Null();
    if (auto* b = std::get_if<bool>(&cell)) return Variant(*b);
    if (auto* i = std::get_if<int64_t>(&cell)) {
        switch (type) {
        case TFieldType::ftSmallint:
            return Variant(static_cast<int16_t>(*i));
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc:
            return Variant(static_cast<int32_t>(*i));
        case TFieldType::ftWord:
            return Variant(static_cast<uint16_t>(*i));
        default:
            return Variant::FromInt64(*i);
        }
    }
    if (auto* d = std::get_if<double>(&cell))
        return IsDateTimeType(type) ? Variant::FromDate(*d) : Variant(*d);
    if (auto* s = std::get_if<std::string>(&cell)) return Variant(*s);
    const auto& bytes = std::get<odbc::Bytes>(cell).data;
    return Variant::FromBytes(std::string(bytes.begin(), bytes.end()));
}

Variant TField::GetValue() const {
    return CellToVariant(GetCell(), dataType_);
}

Variant TField::GetAsVariant() const {
    return GetValue();
}

void TField::SetAsVariant(const Variant& value) {
    SetValue(value);
}

void TField::SetValue(const Variant& value) {
    if (value.IsNull() || value.IsEmpty()) {
        SetCell(CellValue());
        return;
    }
    if (value.IsArray()) throw EDatabaseError("Field '" + GetDisplayName() + "' cannot take an array value");
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Boolean:
        SetAsBoolean(value.AsBoolean());
        return;
    case TFieldFamily::Integer:
        SetCell(ConvertInteger(value.AsInt64()));
        return;
    case TFieldFamily::Float:
        SetCell(ConvertFloat(value.AsDouble()));
        return;
    case TFieldFamily::Date:
    case TFieldFamily::Time:
    case TFieldFamily::DateTime:
        SetCell(VarToDateTime(value));
        return;
    case TFieldFamily::Text:
        SetCell(value.AsString());
        return;
    case TFieldFamily::Binary:
    case TFieldFamily::Other:
        break;
    }
    if (value.VarType() == varString || value.IsString()) {
        const std::string& raw = value.RawString();
        SetCell(odbc::Bytes{std::vector<uint8_t>(raw.begin(), raw.end())});
        return;
    }
    SetAsString(value.AsString());
}

std::vector<Variant> TDataSet::KeyValues(size_t count, const Variant& values) const {
    std::vector<Variant> list;
    if (values.IsArray()) {
        for (const Variant& item : values.Array()->Items())
            list.push_back(item);
    } else {
        list.push_back(values);
    }
    if (list.size() != count)
        throw EDatabaseError(GetName() + ": " + std::to_string(count) + " key values expected, " +
                             std::to_string(list.size()) + " given");
    return list;
}

bool TDataSet::Matches(const Record& record, const std::vector<TField*>& keys,
                       const std::vector<Variant>& values, TLocateOptions options) const {
    for (size_t k = 0; k < keys.size(); ++k) {
        TField* field = keys[k];
        const CellValue& cell = record.cells[fields_.IndexOf(field)];
        const Variant& value = values[k];
        if (value.IsNull() || value.IsEmpty()) {
            if (!IsNullCell(cell)) return false;
            continue;
        }
        if (IsNullCell(cell)) return false;
        if (FieldFamilyOf(field->GetDataType()) == TFieldFamily::Text) {
            const std::string& text = std::get<std::string>(cell);
            std::string wanted = VarToStr(value);
            bool caseInsensitive = options & loCaseInsensitive;
            if (options & loPartialKey) {
                if (text.size() < wanted.size()) return false;
                std::string head = text.substr(0, wanted.size());
                if (caseInsensitive ? !AnsiSameText(head, wanted) : head != wanted) return false;
            } else if (caseInsensitive ? !AnsiSameText(text, wanted) : text != wanted) {
                return false;
            }
            continue;
        }
        try {
            if (VarCompareValue(CellToVariant(cell, field->GetDataType()), value) != 0) return false;
        } catch (const EVariantError&) {
            return false;
        }
    }
    return true;
}

bool TDataSet::Locate(const std::string& keyFields, const Variant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    std::vector<TField*> keys = GetFieldList(keyFields);
    std::vector<Variant> values = KeyValues(keys.size(), keyValues);
    for (size_t i = 0; i < view_.size(); ++i) {
        if (Matches(*view_[i], keys, values, options)) {
            MoveTo(static_cast<int>(i), false, false);
            return true;
        }
    }
    return false;
}

Variant TDataSet::Lookup(const std::string& keyFields, const Variant& keyValues,
                         const std::string& resultFields) {
    CheckBrowseMode();
    std::vector<TField*> keys = GetFieldList(keyFields);
    std::vector<Variant> values = KeyValues(keys.size(), keyValues);
    std::vector<TField*> results = GetFieldList(resultFields);
    for (const Record* record : view_) {
        if (!Matches(*record, keys, values, 0)) continue;
        if (results.size() == 1)
            return CellToVariant(record->cells[fields_.IndexOf(results[0])], results[0]->GetDataType());
        Variant array = VarArrayCreate({{0, static_cast<int>(results.size()) - 1}}, varVariant);
        for (size_t r = 0; r < results.size(); ++r)
            array[static_cast<int>(r)] =
                CellToVariant(record->cells[fields_.IndexOf(results[r])], results[r]->GetDataType());
        return array;
    }
    return Variant::Null();
}

Variant TDataSet::GetFieldValues(const std::string& names) const {
    std::vector<TField*> list = GetFieldList(names);
    if (list.size() == 1) return list[0]->GetValue();
    Variant array = VarArrayCreate({{0, static_cast<int>(list.size()) - 1}}, varVariant);
    for (size_t i = 0; i < list.size(); ++i)
        array[static_cast<int>(i)] = list[i]->GetValue();
    return array;
}

void TDataSet::SetFieldValues(const std::string& names, const Variant& values) {
    std::vector<TField*> list = GetFieldList(names);
    if (list.size() == 1 && !values.IsArray()) {
        list[0]->SetValue(values);
        return;
    }
    std::vector<Variant> items = KeyValues(list.size(), values);
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->SetValue(items[i]);
}

} // namespace zorvy
