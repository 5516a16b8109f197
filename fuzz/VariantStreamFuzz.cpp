// The data controller's value readers on fuzzed bytes: the variant stream, and a record of every
// value type read back from the record stream. What reads whole must write back to bytes that read
// to the same bytes again.
#include "controls/data/DataStorage.h"
#include "controls/data/ValueStream.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

#include <string>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        TStringStream in(bytes);
        Variant value = StreamReadVariant(in);
        TStringStream once;
        StreamWriteVariant(once, value);
        TStringStream again(once.DataString());
        TStringStream twice;
        StreamWriteVariant(twice, StreamReadVariant(again));
        fuzz::Require(once.DataString() == twice.DataString(), "a variant written twice gives other bytes");
    });
    fuzz::Try([&] {
        TcxDataStorage storage;
        const TcxValueType* types[] = {&cxStringValueType,   &cxWideStringValueType, &cxSmallintValueType,
                                       &cxIntegerValueType,  &cxWordValueType,       &cxBooleanValueType,
                                       &cxFloatValueType,    &cxCurrencyValueType,   &cxDateTimeValueType,
                                       &cxLargeIntValueType, &cxFMTBcdValueType,     &cxSQLTimeStampValueType,
                                       &cxVariantValueType};
        bool textStored = true;
        for (const TcxValueType* type : types) {
            storage.GetValueDefs().Add(type, true, nullptr, textStored);
            textStored = !textStored;
        }
        storage.SetKeepsRecordIds(size % 2 == 0);
        storage.ResizeStorageRecords(2);
        TStringStream in(bytes);
        storage.LoadRecord(0, in);
        storage.LoadRecord(1, in);
    });
    return 0;
}
