#include "platform/db/Field.h"

#include "platform/db/DataSet.h"
#include "platform/db/FieldFamily.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <cmath>
#include <limits>

namespace zorvy {
namespace {

const CellValue NullCell;

std::string BytesText(const odbc::Bytes& bytes) {
    return std::string(bytes.data.begin(), bytes.data.end());
}

} // namespace

TField::TField(TComponent* owner) : TComponent(owner) {}

TField::TField(TComponent* owner, TFieldType dataType, int size)
    : TComponent(owner), dataType_(dataType), size_(size) {}

TField::~TField() {
    if (dataSet_) dataSet_->RemoveField(this);
    dataSet_ = nullptr;
}

void TField::SetFieldName(const std::string& name) {
    if (name == fieldName_) return;
    if (dataSet_) {
        if (dataSet_->GetActive())
            throw EDatabaseError(dataSet_->GetName() + ": Cannot perform this operation on an open dataset");
        if (TField* other = dataSet_->FindField(name); other && other != this)
            throw EDatabaseError(dataSet_->GetName() + ": Duplicate field name '" + name + "'");
    }
    fieldName_ = name;
}

void TField::SetFieldKind(TFieldKind kind) {
    if (dataSet_ && dataSet_->GetActive())
        throw EDatabaseError(dataSet_->GetName() + ": Cannot perform this operation on an open dataset");
    fieldKind_ = kind;
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if ((dataSet_ && dataSet_->GetActive()) || (dataSet && dataSet->GetActive()))
        throw EDatabaseError("Cannot perform this operation on an open dataset");
    if (dataSet) dataSet->AddField(this);
    if (dataSet_) dataSet_->RemoveField(this);
    dataSet_ = dataSet;
}

void TField::SetLookupDataSet(TDataSet* dataSet) {
    if (lookupDataSet_) lookupDataSet_->RemoveFreeNotification(this);
    lookupDataSet_ = dataSet;
    if (lookupDataSet_) lookupDataSet_->FreeNotification(this);
}

void TField::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == lookupDataSet_) lookupDataSet_ = nullptr;
}

void TField::SetSize(int size) {
    if (dataSet_ && dataSet_->GetActive())
        throw EDatabaseError(dataSet_->GetName() + ": Cannot perform this operation on an open dataset");
    size_ = size;
}

int TField::GetIndex() const {
    return dataSet_ ? dataSet_->GetFields().IndexOf(this) : -1;
}

int TField::GetFieldNo() const {
    return fieldKind_ == TFieldKind::fkData ? fieldNo_ : 0;
}

int TField::GetDisplayWidth() const {
    if (displayWidth_ > 0) return displayWidth_;
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Text:
        return size_ > 0 ? size_ : 10;
    case TFieldFamily::Boolean:
        return 5;
    case TFieldFamily::DateTime:
        return 18;
    default:
        return 10;
    }
}

// ---- Reading ----------------------------------------------------------------------------------

const CellValue& TField::GetCell() const {
    return dataSet_ ? dataSet_->ActiveCell(GetIndex()) : NullCell;
}

bool TField::IsNull() const {
    return IsNullCell(GetCell());
}

void TField::AccessError(const char* typeName) const {
    throw EDatabaseError("Cannot access field '" + GetDisplayName() + "' as type " + typeName);
}

std::string TField::GetAsString() const {
    return TextOf(false);
}

int64_t TField::GetAsLargeInt() const {
    const CellValue& cell = GetCell();
    if (IsNullCell(cell)) return 0;
    if (auto* i = std::get_if<int64_t>(&cell)) return *i;
    if (auto* d = std::get_if<double>(&cell)) {
        if (IsDateTimeType(dataType_)) AccessError("Integer");
        return Round(*d);
    }
    if (auto* b = std::get_if<bool>(&cell)) return *b ? 1 : 0;
    if (auto* s = std::get_if<std::string>(&cell)) return StrToInt64(Trim(*s));
    AccessError("Integer");
}

int TField::GetAsInteger() const {
    int64_t value = GetAsLargeInt();
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw EDatabaseError(IntToStr(value) + " is not a valid integer value for field '" +
                             GetDisplayName() + "'");
    return static_cast<int>(value);
}

double TField::GetAsFloat() const {
    const CellValue& cell = GetCell();
    if (IsNullCell(cell)) return 0;
    if (auto* i = std::get_if<int64_t>(&cell)) return static_cast<double>(*i);
    if (auto* d = std::get_if<double>(&cell)) return *d;
    if (auto* b = std::get_if<bool>(&cell)) return *b ? 1 : 0;
    if (auto* s = std::get_if<std::string>(&cell)) return StrToFloat(Trim(*s));
    AccessError("Float");
}

double TField::GetAsDateTime() const {
    const CellValue& cell = GetCell();
    if (IsNullCell(cell)) return 0;
    if (auto* d = std::get_if<double>(&cell)) {
        if (IsDateTimeType(dataType_)) return *d;
        AccessError("DateTime");
    }
    if (auto* s = std::get_if<std::string>(&cell)) return StrToDateTime(Trim(*s));
    AccessError("DateTime");
}

bool TField::GetAsBoolean() const {
    const CellValue& cell = GetCell();
    if (IsNullCell(cell)) return false;
    if (auto* b = std::get_if<bool>(&cell)) return *b;
    if (auto* i = std::get_if<int64_t>(&cell)) return *i != 0;
    if (auto* s = std::get_if<std::string>(&cell)) return StrToBool(Trim(*s));
    AccessError("Boolean");
}

std::string TField::TextOf(bool display) const {
    const CellValue& cell = GetCell();
    if (IsNullCell(cell)) return {};
    TFieldFamily family = FieldFamilyOf(dataType_);
    const std::string& format = display ? displayFormat_ : editFormat_.empty() ? displayFormat_ : editFormat_;
    if (auto* s = std::get_if<std::string>(&cell)) return *s;
    if (auto* b = std::get_if<bool>(&cell)) return *b ? "True" : "False";
    if (auto* bytes = std::get_if<odbc::Bytes>(&cell)) return BytesText(*bytes);
    if (auto* i = std::get_if<int64_t>(&cell)) {
        if (!format.empty() && (display || !editFormat_.empty()))
            return FormatFloat(format, static_cast<double>(*i));
        return IntToStr(*i);
    }
    double value = std::get<double>(cell);
    if (IsDateTimeFamily(family)) {
        if (display && !displayFormat_.empty()) return FormatDateTime(displayFormat_, value);
        if (family == TFieldFamily::Date) return DateToStr(value);
        if (family == TFieldFamily::Time) return TimeToStr(value);
        return DateTimeToStr(value);
    }
    if (!format.empty() && (display || !editFormat_.empty())) return FormatFloat(format, value);
    return FloatToStr(value);
}

std::string TField::EventText(bool display) const {
    if (!OnGetText) return TextOf(display);
    std::string text;
    OnGetText(const_cast<TField*>(this), text, display);
    return text;
}

std::string TField::GetDisplayText() const {
    return EventText(true);
}

std::string TField::GetText() const {
    return EventText(false);
}

// ---- Writing ----------------------------------------------------------------------------------

void TField::SetCell(CellValue value) {
    if (!dataSet_) throw EDatabaseError("Field '" + GetDisplayName() + "' has no dataset");
    dataSet_->WriteCell(this, std::move(value));
}

void TField::CheckRange(double value) const {
    if ((minValue_ != 0 || maxValue_ != 0) && (value < minValue_ || value > maxValue_))
        throw EDatabaseError(FloatToStr(value) + " is not a valid value for field '" + GetDisplayName() +
                             "'. The allowed range is " + FloatToStr(minValue_) + " to " +
                             FloatToStr(maxValue_));
}

CellValue TField::ConvertInteger(int64_t value) const {
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Integer: {
        int64_t low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
        if (dataType_ == TFieldType::ftSmallint)
            low = -32768, high = 32767;
        else if (dataType_ == TFieldType::ftWord)
            low = 0, high = 65535;
        else if (dataType_ == TFieldType::ftLargeint)
            low = std::numeric_limits<int64_t>::min(), high = std::numeric_limits<int64_t>::max();
        if (value < low || value > high)
            throw EDatabaseError(IntToStr(value) + " is not a valid value for field '" + GetDisplayName() +
                                 "'");
        CheckRange(static_cast<double>(value));
        return value;
    }
    case TFieldFamily::Float:
        CheckRange(static_cast<double>(value));
        return static_cast<double>(value);
    case TFieldFamily::Boolean:
        return value != 0;
    case TFieldFamily::Text:
        return IntToStr(value);
    default:
        AccessError("Integer");
    }
}

CellValue TField::ConvertFloat(double value) const {
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Integer:
        return ConvertInteger(Round(value));
    case TFieldFamily::Float:
        CheckRange(value);
        return value;
    case TFieldFamily::Date:
    case TFieldFamily::Time:
    case TFieldFamily::DateTime:
        return value;
    case TFieldFamily::Text:
        return FloatToStr(value);
    default:
        AccessError("Float");
    }
}

CellValue TField::ConvertText(const std::string& text) const {
    TFieldFamily family = FieldFamilyOf(dataType_);
    if (family == TFieldFamily::Text) return text;
    if (family == TFieldFamily::Binary) return odbc::Bytes{std::vector<uint8_t>(text.begin(), text.end())};
    std::string trimmed = Trim(text);
    if (trimmed.empty()) return CellValue();
    switch (family) {
    case TFieldFamily::Integer:
        return ConvertInteger(StrToInt64(trimmed));
    case TFieldFamily::Float:
        return ConvertFloat(StrToFloat(trimmed));
    case TFieldFamily::Boolean:
        return StrToBool(trimmed);
    case TFieldFamily::Date:
        return StrToDate(trimmed);
    case TFieldFamily::Time:
        return StrToTime(trimmed);
    case TFieldFamily::DateTime:
        return StrToDateTime(trimmed);
    default:
        AccessError("String");
    }
}

void TField::SetAsString(const std::string& value) {
    SetCell(ConvertText(value));
}
void TField::SetAsInteger(int value) {
    SetCell(ConvertInteger(value));
}
void TField::SetAsLargeInt(int64_t value) {
    SetCell(ConvertInteger(value));
}
void TField::SetAsFloat(double value) {
    SetCell(ConvertFloat(value));
}

void TField::SetAsDateTime(double value) {
    TFieldFamily family = FieldFamilyOf(dataType_);
    if (IsDateTimeFamily(family)) {
        SetCell(value);
        return;
    }
    if (family == TFieldFamily::Text) {
        SetCell(DateTimeToStr(value));
        return;
    }
    AccessError("DateTime");
}

void TField::SetAsBoolean(bool value) {
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Boolean:
        SetCell(value);
        break;
    case TFieldFamily::Integer:
        SetCell(ConvertInteger(value ? 1 : 0));
        break;
    case TFieldFamily::Text:
        SetCell(std::string(value ? "True" : "False"));
        break;
    default:
        AccessError("Boolean");
    }
}

void TField::Clear() {
    SetCell(CellValue());
}

void TField::SetText(const std::string& text) {
    if (OnSetText)
        OnSetText(this, text);
    else
        SetAsString(text);
}

bool TField::IsValidChar(char32_t c) const {
    switch (FieldFamilyOf(dataType_)) {
    case TFieldFamily::Integer:
        return c == '+' || c == '-' || (c >= '0' && c <= '9');
    case TFieldFamily::Float:
        return c == '+' || c == '-' || c == '.' || c == ',' || c == 'e' || c == 'E' || (c >= '0' && c <= '9');
    default:
        return c >= ' ';
    }
}

bool TField::IsBlob() const {
    TFieldFamily family = FieldFamilyOf(dataType_);
    return (family == TFieldFamily::Binary && dataType_ != TFieldType::ftBytes &&
            dataType_ != TFieldType::ftVarBytes) ||
           dataType_ == TFieldType::ftMemo || dataType_ == TFieldType::ftFmtMemo ||
           dataType_ == TFieldType::ftWideMemo || dataType_ == TFieldType::ftOraClob;
}

bool TField::CanModify() const {
    return !readOnly_ && dataSet_ && fieldKind_ == TFieldKind::fkData && dataSet_->GetCanModify();
}

void TField::FocusControl() {
    if (!dataSet_) return;
    TField* field = this;
    dataSet_->DataEvent(TDataEvent::deFocusControl, reinterpret_cast<intptr_t>(&field));
}

// ---- Field classes and the field list ---------------------------------------------------------

TField* CreateFieldOfType(TFieldType type, TComponent* owner) {
    switch (type) {
    case TFieldType::ftString:
        return new TStringField(owner);
    case TFieldType::ftWideString:
        return new TWideStringField(owner);
    case TFieldType::ftSmallint:
        return new TSmallintField(owner);
    case TFieldType::ftInteger:
        return new TIntegerField(owner);
    case TFieldType::ftWord:
        return new TWordField(owner);
    case TFieldType::ftAutoInc:
        return new TAutoIncField(owner);
    case TFieldType::ftLargeint:
        return new TLargeintField(owner);
    case TFieldType::ftBoolean:
        return new TBooleanField(owner);
    case TFieldType::ftFloat:
        return new TFloatField(owner);
    case TFieldType::ftCurrency:
        return new TCurrencyField(owner);
    case TFieldType::ftBCD:
        return new TBCDField(owner);
    case TFieldType::ftDate:
        return new TDateField(owner);
    case TFieldType::ftTime:
        return new TTimeField(owner);
    case TFieldType::ftDateTime:
        return new TDateTimeField(owner);
    case TFieldType::ftBytes:
        return new TBytesField(owner);
    case TFieldType::ftVarBytes:
        return new TVarBytesField(owner);
    case TFieldType::ftBlob:
        return new TBlobField(owner);
    case TFieldType::ftMemo:
        return new TMemoField(owner);
    case TFieldType::ftGraphic:
        return new TGraphicField(owner);
    default:
        return new TField(owner, type, 0);
    }
}

TField* TFields::GetField(int index) const {
    CheckListIndex(index, GetCount());
    return fields_[index];
}

TField* TFields::FindField(const std::string& name) const {
    for (TField* field : fields_)
        if (SameText(field->GetFieldName(), name)) return field;
    return nullptr;
}

void TFields::Reindex() {
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->index_ = static_cast<int>(i);
}

int TFields::IndexOf(const TField* field) const {
    if (field && field->index_ >= 0 && field->index_ < GetCount() && fields_[field->index_] == field)
        return field->index_;
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == field) return static_cast<int>(i);
    return -1;
}

} // namespace zorvy
