// The value type base and the fixed-width numeric types; the types that hold their value behind
// a pointer, BCD and time stamps are in ValueTypesIndirect.cpp.
#include "controls/data/ValueTypes.h"

#include "controls/data/ValueStream.h"
#include "controls/data/ValueTypesInternal.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zorvy {

// ---- the base ----

int TcxValueType::CompareCells(const void* cell1, const void* cell2) const {
    return CompareData(cell1, cell2);
}

void TcxValueType::ReleaseData(void*) const {}

void TcxValueType::ReleaseDisplayText(void* textHolder) {
    delete value_type_internal::LoadPointer<std::string>(textHolder);
}

void TcxValueType::DataToVariant(const void*, Variant& value) const {
    value = Variant::Null();
}

void TcxValueType::FormatDisplayText(const void* cell, std::string& text) const {
    try {
        Variant value;
        DataToVariant(cell, value);
        text = VarToStr(value);
    } catch (const EVariantError&) {
        text.clear();
    }
}

void TcxValueType::GetStoredDisplayText(const void* textHolder, std::string& text) {
    const std::string* holder = value_type_internal::LoadPointer<std::string>(textHolder);
    text = holder ? *holder : std::string();
}

void TcxValueType::ReadDataFromStream(void*, TStream&) const {}

void TcxValueType::ReadDisplayTextFromStream(void* textHolder, TStream& stream) {
    SetStoredDisplayText(textHolder, StreamReadText(stream));
}

void TcxValueType::VariantToData(void*, const Variant&) const {}

void TcxValueType::SetStoredDisplayText(void* textHolder, const std::string& text) {
    std::string* holder = value_type_internal::LoadPointer<std::string>(textHolder);
    if (!holder) {
        holder = new std::string();
        value_type_internal::StorePointer(textHolder, holder);
    }
    *holder = text;
}

void TcxValueType::WriteDataToStream(const void*, TStream&) const {}

void TcxValueType::WriteDisplayTextToStream(const void* textHolder, TStream& stream) {
    std::string text;
    GetStoredDisplayText(textHolder, text);
    StreamWriteText(stream, text);
}

std::string TcxValueType::GetCaption() const {
    std::string name = ClassName();
    if (name.compare(0, 3, "Tcx") == 0) name.erase(0, 3);
    size_t at = name.find("ValueType");
    if (at != std::string::npos) name.erase(at, 9);
    return name;
}

int TcxValueType::CompareData(const void* data1, const void* data2) const {
    Variant a, b;
    DataToVariant(data1, a);
    DataToVariant(data2, b);
    return CompareVariants(a, b);
}

bool TcxValueType::ConvertValue(Variant& value) const {
    if (value.IsNull() || GetVariantType() == varVariant) return true;
    try {
        value = VarAsType(value, GetVariantType());
        return true;
    } catch (const EVariantError&) {
        return false;
    }
}

// ---- fixed-width types ----

namespace {

using namespace value_type_internal;

template <typename T> int Three(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Unordered doubles have one place: NaN below every number and equal to NaN, so a sort over
// them keeps a strict weak order.
int CompareDoubles(double a, double b) {
    bool nanA = std::isnan(a), nanB = std::isnan(b);
    if (nanA || nanB) return nanA == nanB ? 0 : (nanA ? -1 : 1);
    return Three(a, b);
}

class TcxSmallintValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxSmallintValueType"; }
    int GetDataByteSize() const override { return 2; }
    TVarType GetVariantType() const override { return varSmallint; }
    int CompareData(const void* a, const void* b) const override {
        return Load<int16_t>(a) - Load<int16_t>(b);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Load<int16_t>(cell));
    }
    // A value outside the 16-bit range raises EVariantError instead of being cut to 16 bits.
    void VariantToData(void* cell, const Variant& value) const override {
        Store(cell, static_cast<int16_t>(VarAsType(value, varSmallint).RawInt()));
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteInt16(Load<int16_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(stream.ReadInt16()));
    }
};

class TcxIntegerValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxIntegerValueType"; }
    int GetDataByteSize() const override { return 4; }
    TVarType GetVariantType() const override { return varInteger; }
    int CompareData(const void* a, const void* b) const override {
        return Three(Load<int32_t>(a), Load<int32_t>(b));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Load<int32_t>(cell));
    }
    void VariantToData(void* cell, const Variant& value) const override { Store(cell, value.AsInteger()); }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteInt32(Load<int32_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(stream.ReadInt32()));
    }
};

class TcxWordValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxWordValueType"; }
    int GetDataByteSize() const override { return 2; }
    TVarType GetVariantType() const override { return varWord; }
    int CompareData(const void* a, const void* b) const override {
        return Load<uint16_t>(a) - Load<uint16_t>(b);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Load<uint16_t>(cell));
    }
    // A value outside 0..65535 raises EVariantError instead of being cut to 16 bits.
    void VariantToData(void* cell, const Variant& value) const override {
        Store(cell, static_cast<uint16_t>(VarAsType(value, varWord).RawInt()));
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteUInt16(Load<uint16_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(stream.ReadUInt16()));
    }
};

class TcxBooleanValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxBooleanValueType"; }
    int GetDataByteSize() const override { return 1; }
    TVarType GetVariantType() const override { return varBoolean; }
    int CompareData(const void* a, const void* b) const override {
        return Load<uint8_t>(a) - Load<uint8_t>(b);
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Load<uint8_t>(cell) != 0);
    }
    void VariantToData(void* cell, const Variant& value) const override {
        Store<uint8_t>(cell, value.AsBoolean() ? 1 : 0);
    }
    void FormatDisplayText(const void* cell, std::string& text) const override {
        text = BoolToStr(Load<uint8_t>(cell) != 0, true);
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteUInt8(Load<uint8_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(stream.ReadUInt8() != 0));
    }
};

class TcxFloatValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxFloatValueType"; }
    int GetDataByteSize() const override { return 8; }
    TVarType GetVariantType() const override { return varDouble; }
    int CompareData(const void* a, const void* b) const override {
        return CompareDoubles(Load<double>(a), Load<double>(b));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Load<double>(cell));
    }
    void VariantToData(void* cell, const Variant& value) const override { Store(cell, value.AsDouble()); }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteExtended(Load<double>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        Store(cell, stream.ReadExtended());
    }
};

class TcxCurrencyValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxCurrencyValueType"; }
    int GetDataByteSize() const override { return 8; }
    TVarType GetVariantType() const override { return varCurrency; }
    int CompareData(const void* a, const void* b) const override {
        return Three(Load<int64_t>(a), Load<int64_t>(b));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant(Currency::FromScaled(Load<int64_t>(cell)));
    }
    void VariantToData(void* cell, const Variant& value) const override {
        Store(cell, value.AsCurrency().Value);
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteInt64(Load<int64_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant(Currency::FromScaled(stream.ReadInt64())));
    }
};

class TcxDateTimeValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxDateTimeValueType"; }
    int GetDataByteSize() const override { return 8; }
    TVarType GetVariantType() const override { return varDate; }
    int CompareData(const void* a, const void* b) const override {
        return CompareDoubles(Load<double>(a), Load<double>(b));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant::FromDate(Load<double>(cell));
    }
    void VariantToData(void* cell, const Variant& value) const override { Store(cell, value.AsDateTime()); }
    void FormatDisplayText(const void* cell, std::string& text) const override {
        try {
            text = Variant::FromDate(Load<double>(cell)).AsString();
        } catch (const EVariantError&) {
            text = FormatDateTime("", Load<double>(cell));
        }
    }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteDouble(Load<double>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant::FromDate(stream.ReadDouble()));
    }
};

class TcxLargeIntValueType : public TcxValueType {
  public:
    const char* ClassName() const override { return "TcxLargeIntValueType"; }
    int GetDataByteSize() const override { return 8; }
    TVarType GetVariantType() const override { return varInt64; }
    int CompareData(const void* a, const void* b) const override {
        return Three(Load<int64_t>(a), Load<int64_t>(b));
    }
    void DataToVariant(const void* cell, Variant& value) const override {
        value = Variant::FromInt64(Load<int64_t>(cell));
    }
    void VariantToData(void* cell, const Variant& value) const override { Store(cell, value.AsInt64()); }
    void WriteDataToStream(const void* cell, TStream& stream) const override {
        stream.WriteInt64(Load<int64_t>(cell));
    }
    void ReadDataFromStream(void* cell, TStream& stream) const override {
        VariantToData(cell, Variant::FromInt64(stream.ReadInt64()));
    }
};

const TcxSmallintValueType smallintType;
const TcxIntegerValueType integerType;
const TcxWordValueType wordType;
const TcxBooleanValueType booleanType;
const TcxFloatValueType floatType;
const TcxCurrencyValueType currencyType;
const TcxDateTimeValueType dateTimeType;
const TcxLargeIntValueType largeIntType;

TcxValueTypeClassList*& RegistryGlobal() {
    static TcxValueTypeClassList* list = nullptr;
    return list;
}

} // namespace

const TcxValueType& cxSmallintValueType = smallintType;
const TcxValueType& cxIntegerValueType = integerType;
const TcxValueType& cxWordValueType = wordType;
const TcxValueType& cxBooleanValueType = booleanType;
const TcxValueType& cxFloatValueType = floatType;
const TcxValueType& cxCurrencyValueType = currencyType;
const TcxValueType& cxDateTimeValueType = dateTimeType;
const TcxValueType& cxLargeIntValueType = largeIntType;

// ---- registry ----

void TcxValueTypeClassList::AddClass(TcxValueTypeClass valueType) {
    if (std::find(items_.begin(), items_.end(), valueType) == items_.end()) items_.push_back(valueType);
}

void TcxValueTypeClassList::RemoveClass(TcxValueTypeClass valueType) {
    auto it = std::find(items_.begin(), items_.end(), valueType);
    if (it != items_.end()) items_.erase(it);
}

TcxValueTypeClass TcxValueTypeClassList::FindByCaption(const std::string& caption) const {
    for (TcxValueTypeClass type : items_)
        if (type->GetCaption() == caption) return type;
    return nullptr;
}

TcxValueTypeClassList& GetValueTypeClassList() {
    TcxValueTypeClassList*& list = RegistryGlobal();
    if (!list) list = new TcxValueTypeClassList();
    return *list;
}

namespace {

const TcxValueType* const registrationOrder[] = {
    &cxStringValueType,   &cxWideStringValueType, &cxSmallintValueType, &cxIntegerValueType,
    &cxWordValueType,     &cxBooleanValueType,    &cxFloatValueType,    &cxCurrencyValueType,
    &cxDateTimeValueType, &cxLargeIntValueType,   &cxFMTBcdValueType,   &cxSQLTimeStampValueType,
    &cxVariantValueType,  &cxObjectValueType};

} // namespace

void InitializeValueTypes() {
    for (TcxValueTypeClass type : registrationOrder)
        GetValueTypeClassList().AddClass(type);
}

void FinalizeValueTypes() {
    TcxValueTypeClassList*& list = RegistryGlobal();
    if (!list) return;
    for (auto it = std::rbegin(registrationOrder); it != std::rend(registrationOrder); ++it)
        list->RemoveClass(*it);
    delete list;
    list = nullptr;
}

bool IsDateTimeValueTypeClass(TcxValueTypeClass valueType) {
    return valueType == &cxDateTimeValueType || valueType == &cxSQLTimeStampValueType;
}

} // namespace zorvy
