#include "controls/dbeditors/DBEditDefaults.h"

#include "controls/data/db/DBFieldFunctions.h"
#include "controls/foundation/classes/Classes.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/rtl/Numbers.h"

#include <cmath>

namespace zorvy {

namespace {

bool IsIntegerType(TFieldType type) {
    using enum TFieldType;
    return type == ftSmallint || type == ftInteger || type == ftWord || type == ftAutoInc || type == ftLargeint;
}

bool IsFloatType(TFieldType type) {
    return type == TFieldType::ftFloat || type == TFieldType::ftCurrency;
}

// The field classes that carry a precision and a currency flag: float, BCD and FMTBCD fields.
bool HasPrecision(TFieldType type) {
    return IsFloatType(type) || type == TFieldType::ftBCD || type == TFieldType::ftFMTBcd;
}

} // namespace

bool IsNumericType(TFieldType type) {
    return IsIntegerType(type) || HasPrecision(type);
}

TcxCustomDBEditDefaultValuesProvider::TcxCustomDBEditDefaultValuesProvider(TPersistent* owner)
    : TcxCustomEditDefaultValuesProvider(owner), freeNotificator_(std::make_unique<TcxFreeNotificator>(nullptr)) {
    freeNotificator_->OnComponentFreed = [this](TObject*, TComponent* component) { ComponentFreed(component); };
}

TcxCustomDBEditDefaultValuesProvider::~TcxCustomDBEditDefaultValuesProvider() {
    freeNotificator_.reset();
}

void TcxCustomDBEditDefaultValuesProvider::ComponentFreed(TComponent* component) {
    if (component == dataSource_)
        dataSource_ = nullptr;
    else
        field_ = nullptr;
}

void TcxCustomDBEditDefaultValuesProvider::SetDataSource(TDataSource* value) {
    if (dataSource_ == value) return;
    if (dataSource_) freeNotificator_->Unwatch(dataSource_);
    dataSource_ = value;
    if (dataSource_) freeNotificator_->Watch(dataSource_);
}

void TcxCustomDBEditDefaultValuesProvider::SetField(TField* value) {
    if (field_ == value) return;
    if (field_) freeNotificator_->Unwatch(field_);
    field_ = value;
    if (field_) freeNotificator_->Watch(field_);
}

bool TcxCustomDBEditDefaultValuesProvider::HasData() {
    return field_ && field_->GetDataSet() && field_->GetDataSet()->GetActive();
}

bool TcxCustomDBEditDefaultValuesProvider::CanEnterEditMode() {
    if (!dataSource_) return false;
    TDataSetState state = dataSource_->GetState();
    return dataSource_->GetAutoEdit() || state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

TAlignment TcxCustomDBEditDefaultValuesProvider::GetDefaultAlignment() {
    if (!HasData()) return TcxCustomEditDefaultValuesProvider::GetDefaultAlignment();
    return IsNumericType(field_->GetDataType()) ? taRightJustify : taLeftJustify;
}

int TcxCustomDBEditDefaultValuesProvider::GetDefaultBlobKind() {
    if (!HasData()) return 0;
    switch (field_->GetDataType()) {
    case TFieldType::ftMemo:
    case TFieldType::ftFmtMemo:
        return 3;
    case TFieldType::ftGraphic:
        return 2;
    case TFieldType::ftParadoxOle:
    case TFieldType::ftDBaseOle:
        return 4;
    default:
        return 0;
    }
}

bool TcxCustomDBEditDefaultValuesProvider::CanModifyValue() {
    if (IsReadOnly() || !HasData()) return false;
    return field_->CanModify() || (field_->GetLookup() && CanModifyLookupField(field_));
}

std::string TcxCustomDBEditDefaultValuesProvider::GetDisplayFormat() {
    if (HasData() && IsNumericType(field_->GetDataType())) return field_->GetDisplayFormat();
    return TcxCustomEditDefaultValuesProvider::GetDisplayFormat();
}

std::string TcxCustomDBEditDefaultValuesProvider::GetEditFormat() {
    if (HasData() && IsNumericType(field_->GetDataType())) return field_->GetEditFormat();
    return TcxCustomEditDefaultValuesProvider::GetEditFormat();
}

std::string TcxCustomDBEditDefaultValuesProvider::GetEditMask() {
    return HasData() ? field_->GetEditMask() : TcxCustomEditDefaultValuesProvider::GetEditMask();
}

bool TcxCustomDBEditDefaultValuesProvider::HoldsFractionalNumbers() {
    if (!HasData()) return TcxCustomEditDefaultValuesProvider::HoldsFractionalNumbers();
    TFieldType type = field_->GetDataType();
    return IsFloatType(type) || type == TFieldType::ftBCD;
}

int TcxCustomDBEditDefaultValuesProvider::GetMaxLength() {
    if (HasData() && (field_->GetDataType() == TFieldType::ftString || field_->GetDataType() == TFieldType::ftWideString))
        return field_->GetSize();
    return TcxCustomEditDefaultValuesProvider::GetMaxLength();
}

double TcxCustomDBEditDefaultValuesProvider::Bound(double value) {
    TFieldType type = field_->GetDataType();
    if (IsFloatType(type)) return StrToFloat(FloatToStrF(value, TFloatFormat::ffGeneral, field_->GetPrecision(), 0));
    if (type == TFieldType::ftBCD) return static_cast<double>(std::llround(value * 10000)) / 10000; // currency
    return value;
}

double TcxCustomDBEditDefaultValuesProvider::GetMaxValue() {
    if (!HasData() || !IsNumericType(field_->GetDataType()) || field_->GetDataType() == TFieldType::ftFMTBcd)
        return TcxCustomEditDefaultValuesProvider::GetMaxValue();
    return Bound(field_->GetMaxValue());
}

double TcxCustomDBEditDefaultValuesProvider::GetMinValue() {
    if (!HasData() || !IsNumericType(field_->GetDataType()) || field_->GetDataType() == TFieldType::ftFMTBcd)
        return TcxCustomEditDefaultValuesProvider::GetMinValue();
    return Bound(field_->GetMinValue());
}

int TcxCustomDBEditDefaultValuesProvider::GetPrecision() {
    if (field_ && HasPrecision(field_->GetDataType())) return field_->GetPrecision();
    return TcxCustomEditDefaultValuesProvider::GetPrecision();
}

bool TcxCustomDBEditDefaultValuesProvider::IsReadOnly() {
    return HasData() ? field_->GetReadOnly() : TcxCustomEditDefaultValuesProvider::IsReadOnly();
}

bool TcxCustomDBEditDefaultValuesProvider::IsRequired() {
    return HasData() ? field_->GetRequired() : TcxCustomEditDefaultValuesProvider::IsRequired();
}

bool TcxCustomDBEditDefaultValuesProvider::IsBlobValue() {
    return HasData() && field_->IsBlob();
}

bool TcxCustomDBEditDefaultValuesProvider::IsCurrencyValue() {
    if (HasData() && HasPrecision(field_->GetDataType())) return field_->GetCurrency();
    return TcxCustomEditDefaultValuesProvider::IsCurrencyValue();
}

bool TcxCustomDBEditDefaultValuesProvider::HasDisplayFormat(bool isDisplay) {
    if (!HasData()) return false;
    if (field_->OnGetText) return true;
    TFieldType type = field_->GetDataType();
    if (HasPrecision(type) && field_->GetCurrency() && isDisplay) return true;
    if (type == TFieldType::ftDate || type == TFieldType::ftTime || type == TFieldType::ftDateTime ||
        type == TFieldType::ftTimeStamp || IsNumericType(type))
        return !field_->GetDisplayFormat().empty();
    return false;
}

bool TcxCustomDBEditDefaultValuesProvider::LacksExplicitDisplayFormat() {
    return HasDisplayFormat(false) && GetDisplayFormat().empty();
}

bool TcxCustomDBEditDefaultValuesProvider::HasTextSetter() {
    return HasData() && static_cast<bool>(field_->OnSetText);
}

bool TcxCustomDBEditDefaultValuesProvider::AcceptsChar(char32_t ch) {
    return HasData() ? field_->IsValidChar(ch) : TcxCustomEditDefaultValuesProvider::AcceptsChar(ch);
}

} // namespace zorvy
