#include "controls/data/DataStorage.h"

#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zorvy;

namespace {

// Five fields of the kinds a grid shows, and a byte string, a wide string and a BCD.
struct Fields {
    explicit Fields(TcxDataStorage& s)
        : Integer(s.GetValueDefs().Add(&cxLargeIntValueType, true, nullptr, false)),
          Text(s.GetValueDefs().Add(&cxStringValueType, true, nullptr, true)),
          Date(s.GetValueDefs().Add(&cxDateTimeValueType, true, nullptr, false)),
          Amount(s.GetValueDefs().Add(&cxCurrencyValueType, true, nullptr, false)),
          Wide(s.GetValueDefs().Add(&cxWideStringValueType, true, nullptr, false)),
          Bcd(s.GetValueDefs().Add(&cxFMTBcdValueType, true, nullptr, false)) {}
    TcxValueDef* Integer;
    TcxValueDef* Text;
    TcxValueDef* Date;
    TcxValueDef* Amount;
    TcxValueDef* Wide;
    TcxValueDef* Bcd;
};

void Fill(TcxDataStorage& s, const Fields& f, int record, int n) {
    s.SetValue(record, f.Integer, Variant::FromInt64((int64_t{1} << 62) + n));
    s.SetValue(record, f.Text, Variant::FromBytes("row " + std::to_string(n)));
    s.SetDisplayText(record, f.Text, "shown " + std::to_string(n));
    s.SetValue(record, f.Date, Variant::FromDate(45000 + n + 0.25));
    s.SetValue(record, f.Amount, Variant(Currency::FromScaled(922337203685477000 + n)));
    s.SetValue(record, f.Wide, Variant("汉字 " + std::to_string(n)));
    s.SetValue(record, f.Bcd, Variant(StrToBcd(std::to_string(n) + ".0001")));
}

void ExpectFilled(TcxDataStorage& s, const Fields& f, int record, int n) {
    SCOPED_TRACE(record);
    EXPECT_EQ(s.GetValue(record, f.Integer).AsInt64(), (int64_t{1} << 62) + n);
    EXPECT_EQ(s.GetValue(record, f.Text).RawString(), "row " + std::to_string(n));
    std::string text;
    s.GetDisplayText(record, f.Text, text);
    EXPECT_EQ(text, "shown " + std::to_string(n));
    EXPECT_EQ(s.GetValue(record, f.Date).RawDouble(), 45000 + n + 0.25);
    EXPECT_EQ(s.GetValue(record, f.Amount).RawInt(), 922337203685477000 + n);
    EXPECT_EQ(VarToStr(s.GetValue(record, f.Wide)), "汉字 " + std::to_string(n));
    EXPECT_EQ(BcdToStr(s.GetValue(record, f.Bcd).AsBcd()), std::to_string(n) + ".0001");
}

} // namespace

TEST(DataStorage, RecordsWithoutValuesHaveNoBuffer) {
    TcxDataStorage s;
    Fields f(s);
    int r = s.AddStorageRecord();
    EXPECT_EQ(s.BufferOfRecord(r), nullptr);
    EXPECT_TRUE(s.GetValue(r, f.Integer).IsNull());
    std::string text = "x";
    s.GetDisplayText(r, f.Text, text);
    EXPECT_EQ(text, "");
    TStringStream stream;
    s.SaveRecord(r, stream);
    EXPECT_EQ(stream.DataString(), std::string(1, '\1'));
    EXPECT_THROW(s.GetValue(1, f.Integer), EListError);
}

TEST(DataStorage, ValuesOfEveryKindSurviveInsertsDeletesAndTheStream) {
    TcxDataStorage s;
    Fields f(s);
    for (int n = 0; n < 3; ++n)
        Fill(s, f, s.AddStorageRecord(), n);
    s.InsertStorageRecord(1);
    s.RemoveStorageRecord(0);
    ExpectFilled(s, f, 1, 1);
    ExpectFilled(s, f, 2, 2);
    EXPECT_TRUE(s.GetValue(0, f.Integer).IsNull());

    TStringStream stream;
    for (int i = 0; i < s.StorageRecordCount(); ++i)
        s.SaveRecord(i, stream);
    TcxDataStorage copy;
    Fields g(copy);
    copy.ResizeStorageRecords(3);
    stream.SetPosition(0);
    for (int i = 0; i < 3; ++i)
        copy.LoadRecord(i, stream);
    EXPECT_EQ(stream.GetPosition(), stream.GetSize());
    EXPECT_EQ(copy.BufferOfRecord(0), nullptr);
    ExpectFilled(copy, g, 1, 1);
    ExpectFilled(copy, g, 2, 2);

    // A stream cut short raises and keeps what was read.
    std::string cut = stream.DataString().substr(0, stream.DataString().size() - 3);
    TStringStream shortStream(cut);
    TcxDataStorage partial;
    Fields h(partial);
    partial.ResizeStorageRecords(3);
    partial.LoadRecord(0, shortStream);
    partial.LoadRecord(1, shortStream);
    EXPECT_THROW(partial.LoadRecord(2, shortStream), EReadError);
    ExpectFilled(partial, h, 1, 1);
    EXPECT_EQ(partial.GetValue(2, h.Integer).AsInt64(), (int64_t{1} << 62) + 2);
}

TEST(DataStorage, RecordIdsStayWithTheirRecords) {
    TcxDataStorage s;
    Fields f(s);
    s.SetKeepsRecordIds(true);
    EXPECT_EQ(s.GetRecordId(s.AddStorageRecord()), 1);
    EXPECT_EQ(s.GetRecordId(s.AddStorageRecord()), 2);
    s.InsertStorageRecord(0);
    EXPECT_EQ(s.GetRecordId(0), 3);
    s.RemoveStorageRecord(1);
    EXPECT_EQ(s.GetRecordId(0), 3);
    EXPECT_EQ(s.GetRecordId(1), 2);

    // A loaded id raises the counter past it.
    TStringStream stream;
    stream.WriteUInt8(0);
    stream.WriteInt32(7);
    stream.WriteUInt8(1); // every value null
    stream.WriteUInt8(1);
    stream.WriteInt32(0); // the text definition's display text
    for (int i = 0; i < 4; ++i)
        stream.WriteUInt8(1);
    stream.SetPosition(0);
    int r = s.AddStorageRecord();
    EXPECT_EQ(s.GetRecordId(r), 4);
    s.LoadRecord(r, stream);
    EXPECT_EQ(s.GetRecordId(r), 7);
    EXPECT_EQ(s.GetRecordId(s.AddStorageRecord()), 8);
    s.ResizeStorageRecords(0);
    EXPECT_EQ(s.GetRecordId(s.AddStorageRecord()), 1);
}

TEST(DataStorage, AddingAndRemovingDefinitionsKeepsOtherValues) {
    TcxDataStorage s;
    TcxValueDef* a = s.GetValueDefs().Add(&cxIntegerValueType, true, nullptr, false);
    TcxValueDef* b = s.GetValueDefs().Add(&cxStringValueType, true, nullptr, false);
    for (int n = 0; n < 3; ++n) {
        s.AddStorageRecord();
        s.SetValue(n, a, n * 10);
        s.SetValue(n, b, Variant::FromBytes("t" + std::to_string(n)));
    }
    s.AddStorageRecord(); // no buffer
    TcxValueDef* c = s.GetValueDefs().Add(&cxVariantValueType, true, nullptr, true);
    EXPECT_TRUE(s.GetValue(1, c).IsNull());
    EXPECT_EQ(s.BufferOfRecord(3), nullptr);
    s.SetValue(1, c, VarArrayOf({1, 2}));
    delete a;
    EXPECT_EQ(s.GetValue(2, b).RawString(), "t2");
    EXPECT_EQ(VarArrayHighBound(s.GetValue(1, c), 1), 1);
    delete c;
    EXPECT_EQ(s.GetValue(0, b).RawString(), "t0");
    // The only stored definition left: removing it frees every buffer, the records stay.
    delete b;
    EXPECT_EQ(s.StorageRecordCount(), 4);
    EXPECT_EQ(s.BufferOfRecord(0), nullptr);
    EXPECT_EQ(s.GetValueDefs().GetCount(), 0);
    EXPECT_EQ(s.GetInternalValueDefs().GetCount(), 0);
}

TEST(DataStorage, NullsAndDisplayTexts) {
    TcxDataStorage s;
    TcxValueDef* text = s.GetValueDefs().Add(&cxStringValueType, true, nullptr, true);
    int r = s.AddStorageRecord();
    s.SetValue(r, text, Variant::FromBytes("abc"));
    s.SetDisplayText(r, text, "ABC");
    s.SetValue(r, text, Variant::Null());
    EXPECT_TRUE(s.GetValue(r, text).IsNull());
    std::string shown;
    s.GetDisplayText(r, text, shown);
    EXPECT_EQ(shown, "ABC") << "a stored display text outlives its value";
    const void* data;
    EXPECT_TRUE(s.PrepareCompare(r, text, data));
    s.SetValue(r, text, Variant::FromBytes("x"));
    EXPECT_FALSE(s.PrepareCompare(r, text, data));
    Variant value;
    cxStringValueType.ValueFromRawData(data, value);
    EXPECT_EQ(value.RawString(), "x");
    // Without stored texts the text is the value's.
    TcxValueDef* number = s.GetValueDefs().Add(&cxIntegerValueType, true, nullptr, false);
    s.SetValue(r, number, 42);
    s.SetDisplayText(r, number, "ignored");
    s.GetDisplayText(r, number, shown);
    EXPECT_EQ(shown, "42");
}

TEST(DataStorage, InternalRecordsReuseTheirSlotsAndUseTwins) {
    TcxDataStorage s;
    TcxValueDef* def = s.GetValueDefs().Add(&cxIntegerValueType, false, nullptr, false);
    EXPECT_EQ(s.AllocInternalRecord(), -1);
    EXPECT_EQ(s.AllocInternalRecord(), -2);
    s.FreeInternalRecord(-1);
    EXPECT_EQ(s.AllocInternalRecord(), -1);
    s.SetValue(-2, def, 99);
    EXPECT_EQ(s.GetValue(-2, def).AsInteger(), 99);
    EXPECT_EQ(s.GetInternalValueDefs().FindTwin(def)->GetOffset(), 1);
    bool cleared = false;
    s.OnInternalRecordsCleared = [&] { cleared = true; };
    s.Clear(false);
    EXPECT_TRUE(cleared);
    EXPECT_EQ(s.InternalRecordCount(), 0);
}

TEST(DataStorage, StoredOnlyModeDropsValuesAndNotStoredDefinitionsHaveNoRegion) {
    TcxDataStorage s;
    TcxValueDef* kept = s.GetValueDefs().Add(&cxIntegerValueType, true, nullptr, false);
    TcxValueDef* skipped = s.GetValueDefs().Add(&cxStringValueType, false, nullptr, false);
    s.ResizeStorageRecords(2);
    s.SetValue(1, kept, 5);
    s.SetValue(1, skipped, Variant::FromBytes("x"));
    s.SetStoredOnly(true);
    EXPECT_EQ(s.StorageRecordCount(), 2);
    EXPECT_TRUE(s.GetValue(1, kept).IsNull());
    s.SetValue(1, skipped, Variant::FromBytes("lost"));
    EXPECT_TRUE(s.GetValue(1, skipped).IsNull());
    EXPECT_EQ(s.GetValueDefs().GetRecordSize(), 1 + 1 + 4);
    // The internal twin is stored all the same.
    int scratch = s.AllocInternalRecord();
    s.SetValue(scratch, skipped, Variant::FromBytes("kept"));
    EXPECT_EQ(s.GetValue(scratch, skipped).RawString(), "kept");
}

TEST(DataStorage, StreamOrderAndReaders) {
    TcxDataStorage s;
    TcxValueDef* a = s.GetValueDefs().Add(&cxIntegerValueType, true, nullptr, false);
    TcxValueDef* b = s.GetValueDefs().Add(&cxSmallintValueType, true, nullptr, false);
    int r = s.AddStorageRecord();
    struct Reader : TcxValueDefReader {
        TcxValueDef* skip;
        void ReadValue(TcxValueDef*, Variant& value) override { value = 3; }
        bool SkipsValueDef(TcxValueDef* def) override { return def == skip; }
    } reader;
    reader.skip = a;
    s.FillRecord(r, reader);
    EXPECT_TRUE(s.GetValue(r, a).IsNull());
    EXPECT_EQ(s.GetValue(r, b).AsInteger(), 3);
    s.SetValue(r, a, 0x01020304);
    s.BeginStreamOrder([&](TcxValueDef* x, TcxValueDef*) { return x == b ? -1 : 1; });
    TStringStream stream;
    s.SaveRecord(r, stream);
    s.EndStreamOrder();
    EXPECT_EQ(stream.DataString(), std::string("\0\0\3\0\0\4\3\2\1", 9));
}

TEST(DataStorage, LookupListKeepsValuesInOrder) {
    TcxLookupList list;
    int index;
    EXPECT_FALSE(list.Find(5, index));
    EXPECT_EQ(index, 0);
    for (int v : {5, 1, 9, 3}) {
        ASSERT_FALSE(list.Find(v, index));
        list.Insert(index, v, std::to_string(v));
    }
    EXPECT_TRUE(list.Find(9, index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(list.GetItem(1).DisplayText, "3");
    EXPECT_FALSE(list.Find(Variant::Null(), index));
    EXPECT_EQ(index, 0);
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

// Many keys in scattered order cross the list's internal block boundaries; every key keeps its text and
// the list stays in ascending order.
TEST(DataStorage, LookupListKeepsOrderAcrossManyScatteredKeys) {
    constexpr int count = 5000;
    TcxLookupList list;
    int index = 0;
    for (int i = 0; i < count; ++i) {
        const int key = (i * 7919) % count;
        ASSERT_FALSE(list.Find(key, index));
        list.Insert(index, key, "k" + std::to_string(key));
        ASSERT_TRUE(list.Find(key, index));
        ASSERT_EQ(list.GetItem(index).DisplayText, "k" + std::to_string(key));
    }
    ASSERT_EQ(list.GetCount(), count);
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(list.GetItem(i).Value, Variant(i)) << i;
        ASSERT_TRUE(list.Find(i, index));
        ASSERT_EQ(index, i);
    }
    EXPECT_FALSE(list.Find(count, index));
    EXPECT_EQ(index, count);
    EXPECT_FALSE(list.Find(-1, index));
    EXPECT_EQ(index, 0);
}
