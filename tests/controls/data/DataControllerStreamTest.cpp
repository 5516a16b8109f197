// The controller's record stream: round trips, streams of another structure, and damaged
// streams that must leave the records as they were.
#include "controls/data/DataController.h"
#include "controls/data/DataReaders.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// A controller whose items have the given value types; item 0 stores display texts.
struct StreamController {
    explicit StreamController(std::vector<TcxValueTypeClass> types) : dc(nullptr) {
        for (TcxValueTypeClass type : types) {
            items.push_back(std::make_unique<TObject>());
            dc.AddItem(items.back().get())->ChangeValueType(type);
        }
        dc.ChangeItemTextStored(0, true);
    }
    void Fill(const std::vector<std::vector<Variant>>& rows) {
        for (const auto& row : rows) {
            int r = dc.AppendRecord();
            for (size_t i = 0; i < row.size(); ++i)
                dc.SetValue(r, static_cast<int>(i), row[i]);
        }
    }
    std::string Saved() {
        TStringStream stream;
        dc.SaveToStream(stream);
        return stream.DataString();
    }
    void Load(const std::string& bytes) {
        TStringStream stream(bytes);
        dc.LoadFromStream(stream);
    }
    // Every record's values, "|" between items and ";" after each record; item 0's stored
    // display text follows its value after a slash.
    std::string Dump() {
        std::string s;
        for (int r = 0; r < dc.GetRecordCount(); ++r) {
            for (int i = 0; i < dc.GetItemCount(); ++i) {
                Variant v = dc.GetValue(r, i);
                s += (i ? "|" : "") + (v.IsNull() ? std::string("<null>") : VarToStr(v));
            }
            s += "/" + dc.GetDisplayText(r, 0) + ";";
        }
        return s;
    }
    std::vector<std::unique_ptr<TObject>> items;
    TcxDataController dc;
};

std::string Int32(int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}
std::string Text(const std::string& t) {
    return Int32(static_cast<int32_t>(t.size())) + t;
}

} // namespace

TEST(DataControllerStream, RoundTripKeepsRecordsValuesTextsAndOrder) {
    StreamController source({&cxStringValueType, &cxIntegerValueType});
    source.Fill({{"one", 1}, {Variant::Null(), 2}, {"three", Variant::Null()}});
    source.dc.SetDisplayText(0, 0, "ONE");
    const std::string bytes = source.Saved();
    // The head: identifier, two definitions by class name, three records.
    const std::string head = Text("DataController1") + Int32(2) + Text("TcxStringValueType") +
                             Text("TcxIntegerValueType") + Int32(3);
    ASSERT_EQ(bytes.substr(0, head.size()), head);

    StreamController target({&cxStringValueType, &cxIntegerValueType});
    target.Fill({{"old", 9}});
    target.Load(bytes);
    EXPECT_EQ(target.Dump(), "one|1/ONE;<null>|2/;three|<null>/;");
    EXPECT_EQ(target.dc.GetRowCount(), 3);

    StreamController empty({&cxStringValueType, &cxIntegerValueType});
    target.Load(empty.Saved());
    EXPECT_EQ(target.dc.GetRecordCount(), 0) << "an empty stream empties the target";
}

TEST(DataControllerStream, ItemsAreWrittenInTheirCurrentOrder) {
    StreamController source({&cxStringValueType, &cxIntegerValueType});
    source.Fill({{"a", 1}});
    // Item 1's field moves to the front: the integer is written first.
    source.dc.GetFields().Move(1, 0);
    const std::string bytes = source.Saved();
    const std::string head = Text("DataController1") + Int32(2) + Text("TcxIntegerValueType") +
                             Text("TcxStringValueType");
    EXPECT_EQ(bytes.substr(0, head.size()), head);
}

// Every stream that does not fit, or breaks off anywhere, raises and changes nothing.
TEST(DataControllerStream, ABadStreamLeavesTheRecordsAsTheyWere) {
    StreamController source({&cxStringValueType, &cxIntegerValueType});
    source.Fill({{"one", 1}, {"two", 2}, {"three", 3}});
    const std::string good = source.Saved();

    struct Case {
        const char* what;
        std::vector<TcxValueTypeClass> types;
        std::string bytes;
    };
    const std::vector<Case> mismatches = {
        {"another identifier", {&cxStringValueType, &cxIntegerValueType},
         Text("DataController2") + good.substr(19)},
        {"another value type", {&cxStringValueType, &cxFloatValueType}, good},
        {"one item more", {&cxStringValueType, &cxIntegerValueType, &cxIntegerValueType}, good},
    };
    for (const Case& c : mismatches) {
        StreamController target(c.types);
        target.Fill({{"kept", 7}});
        const std::string before = target.Dump();
        try {
            target.Load(c.bytes);
            ADD_FAILURE() << c.what << " loaded";
        } catch (const EcxInvalidDataControllerOperation& e) {
            EXPECT_STREQ(e.what(), "Invalid stream format") << c.what;
        }
        EXPECT_EQ(target.Dump(), before) << c.what;
    }

    StreamController target({&cxStringValueType, &cxIntegerValueType});
    target.Fill({{"kept", 7}, {"also", 8}});
    target.dc.SetItemSortOrder(1, soDescending);
    const std::string before = target.Dump();
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_THROW(target.Load(good.substr(0, length)), Exception) << "cut at " << length;
        ASSERT_EQ(target.Dump(), before) << "cut at " << length;
    }
    // A record count far beyond what the stream holds, and a damaged record flag.
    const size_t countAt = Text("DataController1").size() + 4 + Text("TcxStringValueType").size() +
                           Text("TcxIntegerValueType").size();
    std::string huge = good;
    huge.replace(countAt, 4, Int32(0x7FFFFFFF));
    EXPECT_THROW(target.Load(huge), Exception);
    std::string damaged = good;
    // After the count: the record's flag, the value's null flag, then the text length's bytes.
    damaged[countAt + 4 + 2 + 3] = '\x7F';
    EXPECT_THROW(target.Load(damaged), Exception);
    EXPECT_EQ(target.Dump(), before);
    EXPECT_EQ(target.dc.GetRowCount(), 2);
    EXPECT_EQ(target.dc.GetRowInfo(0).RecordIndex, 1) << "the rows still follow the sort";

    target.Load(good);
    EXPECT_EQ(target.Dump(), "one|1/;two|2/;three|3/;");
    EXPECT_EQ(target.dc.GetRowInfo(0).RecordIndex, 2) << "loaded records are sorted";
}

TEST(DataControllerReaders, RecordsCopiedThroughReaders) {
    StreamController source({&cxStringValueType, &cxIntegerValueType});
    source.Fill({{"one", 1}, {"two", 2}});
    source.dc.SetDisplayText(1, 0, "TWO");
    StreamController target({&cxStringValueType, &cxIntegerValueType});
    // The record reader reads by definition: both controllers must share the layout, so copy
    // within one controller.
    TcxValueDefRecordReader reader(&source.dc, 1);
    int copy = source.dc.AppendRecordFromReader(reader);
    EXPECT_EQ(source.Dump(), "one|1/;two|2/TWO;two|2/TWO;");
    EXPECT_EQ(copy, 2);

    TcxValueDefUnboundReader unbound;
    TcxValueDef* text = target.dc.GetItemField(0)->ValueDefinition();
    TcxValueDef* number = target.dc.GetItemField(1)->ValueDefinition();
    unbound.SetValue(number, 5);
    unbound.SetValue(text, "five");
    unbound.SetValue(number, 6); // replaces
    target.dc.AppendRecordFromReader(unbound);
    unbound.TrimToCount(1); // the text's value goes
    target.dc.AppendRecordFromReader(unbound);
    EXPECT_EQ(target.Dump(), "five|6/;<null>|6/;");
    EXPECT_EQ(target.dc.GetRowCount(), 2);
}
