#pragma once
// The enumerations and small types shared by datasets, fields, data sources and data links.
#include <cstdint>
#include <string>

namespace zorvy {

enum class TDataSetState {
    dsInactive,
    dsBrowse,
    dsEdit,
    dsInsert,
    dsSetKey,
    dsCalcFields,
    dsFilter,
    dsNewValue,
    dsOldValue,
    dsCurValue,
    dsBlockRead,
    dsInternalCalc,
    dsOpening
};

// Edit and insert: the states in which the record buffer holds what the user is typing.
inline bool IsEditing(TDataSetState state) {
    return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

// The notifications a dataset sends to its data sources and their links, in the class library's numbering.
enum class TDataEvent {
    deFieldChange = 0,
    deRecordChange = 1,
    deDataSetChange = 2,
    deDataSetScroll = 3,
    deLayoutChange = 4,
    deUpdateRecord = 5,
    deUpdateState = 6,
    deCheckBrowseMode = 7,
    dePropertyChange = 8,
    deFieldListChange = 9,
    deFocusControl = 10,
    deParentScroll = 11,
    deConnectChange = 12,
    deReconcileError = 13,
    deDisabledStateChange = 14
};

// Field data types, in the class library's order (0 to 41).
enum class TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
    ftOraBlob,
    ftOraClob,
    ftVariant,
    ftInterface,
    ftIDispatch,
    ftGuid,
    ftTimeStamp,
    ftFMTBcd,
    ftFixedWideChar,
    ftWideMemo,
    ftOraTimeStamp,
    ftOraInterval
};

enum class TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

// Sets of options are bit masks.
enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = unsigned;

enum TFilterOption : unsigned { foCaseInsensitive = 1, foNoPartialCompare = 2 };
using TFilterOptions = unsigned;

// A bookmark identifies one record of an open dataset; empty means none.
using TBookmark = std::string;

} // namespace zorvy
