#include "platform/db/FieldFamily.h"

namespace zorvy {

TFieldFamily FieldFamilyOf(TFieldType type) {
    switch (type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftAutoInc:
    case TFieldType::ftLargeint:
        return TFieldFamily::Integer;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
    case TFieldType::ftFMTBcd:
        return TFieldFamily::Float;
    case TFieldType::ftBoolean:
        return TFieldFamily::Boolean;
    case TFieldType::ftDate:
        return TFieldFamily::Date;
    case TFieldType::ftTime:
        return TFieldFamily::Time;
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp:
    case TFieldType::ftOraTimeStamp:
        return TFieldFamily::DateTime;
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
    case TFieldType::ftFixedWideChar:
    case TFieldType::ftMemo:
    case TFieldType::ftFmtMemo:
    case TFieldType::ftWideMemo:
    case TFieldType::ftOraClob:
    case TFieldType::ftGuid:
        return TFieldFamily::Text;
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
    case TFieldType::ftBlob:
    case TFieldType::ftGraphic:
    case TFieldType::ftParadoxOle:
    case TFieldType::ftDBaseOle:
    case TFieldType::ftTypedBinary:
    case TFieldType::ftOraBlob:
        return TFieldFamily::Binary;
    default:
        return TFieldFamily::Other;
    }
}

} // namespace zorvy
