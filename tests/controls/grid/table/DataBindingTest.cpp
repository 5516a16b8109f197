// The grid data controller's "Data" property, the item bindings' value types and default values,
// and the data controller's questions that the view answers.
#include "controls/data/FilterOperators.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

#include <map>
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

class DataBinding : public TableTest {
  protected:
    DataBinding() {
        view->AddTestItem("Ball");
        view->AddTestItem("Colour");
    }
    TcxGridDataController* Grid() const { return static_cast<TcxGridDataController*>(Data()); }
};

TEST_F(DataBinding, DataRoundTripsThroughItsStream) {
    Fill({{"1", "red"}, {"2", "blue"}});
    TMemoryStream stream;
    Grid()->WriteData(stream);
    Fill({});
    stream.SetPosition(0);
    Grid()->ReadData(stream);
    EXPECT_TRUE(Grid()->HasLoadedData());
    EXPECT_EQ(Data()->GetRecordCount(), 0) << "records load only in Loaded";
    Grid()->Loaded();
    EXPECT_FALSE(Grid()->HasLoadedData());
    ASSERT_EQ(Data()->GetRecordCount(), 2);
    EXPECT_EQ(Data()->GetValue(1, 1).AsString(), "blue");
}

TEST_F(DataBinding, ADataSizeBeyondTheStreamIsRefused) {
    for (int32_t size : {-1, 1000, 0x7FFFFFFF}) {
        TMemoryStream stream;
        stream.WriteInt32(size);
        stream.WriteInt32(0);
        stream.SetPosition(0);
        EXPECT_THROW(Grid()->ReadData(stream), Exception) << size;
        EXPECT_FALSE(Grid()->HasLoadedData());
    }
}

TEST_F(DataBinding, ADamagedDataStreamFailsInLoadedAndIsFreed) {
    TMemoryStream stream;
    stream.WriteInt32(3);
    stream.WriteBuffer("abc", 3);
    stream.SetPosition(0);
    Grid()->ReadData(stream);
    EXPECT_THROW(Grid()->Loaded(), Exception);
    EXPECT_FALSE(Grid()->HasLoadedData());
}

TEST_F(DataBinding, ValueTypesByName) {
    InitializeValueTypes();
    TcxGridItemDataBinding* binding = view->GetItem(0)->GetDataBinding();
    EXPECT_EQ(binding->GetValueType(), "String");
    EXPECT_FALSE(binding->ShouldStoreValueType());
    binding->SetValueType("Integer");
    EXPECT_EQ(binding->GetValueType(), "Integer");
    EXPECT_TRUE(binding->ShouldStoreValueType());
    binding->SetValueType("NoSuchType");
    EXPECT_EQ(binding->GetValueType(), "");
    FinalizeValueTypes();
}

TEST_F(DataBinding, DisplayFormatComesFromStoredTextsOrTheItem) {
    TcxCustomGridTableItem* item = view->GetItem(0);
    TcxGridItemDataBinding* binding = item->GetDataBinding();
    ASSERT_NE(binding->GetDefaultValuesProvider(), nullptr);
    EXPECT_FALSE(binding->GetDefaultValuesProvider()->HasDisplayFormat(false));
    item->OnGetDataText = [](TcxCustomGridTableItem*, int, std::string& text) { text += "!"; };
    EXPECT_TRUE(binding->GetDefaultValuesProvider()->HasDisplayFormat(false));
    Fill({{"1", "red"}});
    EXPECT_EQ(Grid()->GetItemDisplayText(0, 0), "1!");
    EXPECT_TRUE(item->GetSortByDisplayText(false)) << "an item that changes its texts sorts by them";
}

TEST_F(DataBinding, TheDataControllerAsksTheView) {
    EXPECT_EQ(Grid()->GetItemID(view->GetItem(1)), 1);
    EXPECT_EQ(Grid()->GetItemID(Grid()), -1);
    view->GetItem(1)->SetAlternateCaption("C");
    EXPECT_EQ(Grid()->GetItemFilterName(view->GetItem(1)), "C");
    EXPECT_EQ(Grid()->GetItemDataBindingClass(), TcxGridItemDataBinding::StaticClass());
    EXPECT_EQ(GetClass("TcxGridItemDataBinding"), TcxGridItemDataBinding::StaticClass()) << "registered at start-up";
    int asked = -1;
    view->OnCanSelectRecord = [&](TcxCustomGridTableView*, TcxCustomGridRecord* record, bool& allow) {
        asked = record ? record->GetIndex() : -2;
        allow = false;
    };
    Fill({{"1", "red"}});
    EXPECT_FALSE(Grid()->CanSelectRow(0));
    EXPECT_EQ(asked, 0);
}

TEST_F(DataBinding, FilteredItems) {
    TcxCustomGridTableItem* item = view->GetItem(0);
    Data()->GetFilter().AddItem(nullptr, item, ocEqual, Variant(std::string("1")), "1");
    EXPECT_TRUE(item->GetFiltered());
    item->SetFiltered(true);
    EXPECT_TRUE(item->GetFiltered());
    item->SetFiltered(false);
    EXPECT_FALSE(item->GetFiltered());
    EXPECT_TRUE(Data()->GetFilter().IsEmpty());
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(DataBinding, FilteringIgnoresTheTimeOfDateItemsWhenAsked) {
    TcxCustomGridTableItem* item = view->GetItem(0);
    Data()->ChangeValueTypeClass(0, &cxDateTimeValueType);
    Data()->SetRecordCount(1);
    const TDateTime evening = 46000.75; // 18:00
    Data()->SetValue(0, 0, VarFromDateTime(evening));
    TcxCustomDataField* field = Data()->GetItemField(0);
    EXPECT_DOUBLE_EQ(Grid()->GetFilterDataValue(0, field).AsDateTime(), evening) << "off: the value as it is";
    view->GetDateTimeHandling()->SetIgnoreTimeForFiltering(true);
    ASSERT_TRUE(item->GetIgnoreTimeForFiltering());
    EXPECT_DOUBLE_EQ(Grid()->GetFilterDataValue(0, field).AsDateTime(), 46000.0);
    item->GetOptions()->SetIgnoreTimeForFiltering(false);
    EXPECT_DOUBLE_EQ(Grid()->GetFilterDataValue(0, field).AsDateTime(), evening) << "the item's own option";
    EXPECT_EQ(view->GetViewData()->GetDateRangeValue(item, Variant::Null(), dthkFiltering).IsNull(), true);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// Records the extra properties an object defines and whether each would be written.
class TRecordingFiler : public TFiler {
  public:
    explicit TRecordingFiler(TStream& stream) : TFiler(stream) {}
    void DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc&, bool hasData) override {
        Defined[name] = hasData;
    }
    void DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override {
        Defined[name] = hasData;
        Read = read;
        Write = write;
    }
    std::map<std::string, bool> Defined;
    TStreamProc Read, Write;
};

TEST_F(DataBinding, TheDataPropertyIsWrittenOnlyWithRecords) {
    TMemoryStream unused;
    TRecordingFiler empty(unused);
    Grid()->DefineProperties(&empty);
    ASSERT_TRUE(empty.Defined.count("Data"));
    EXPECT_FALSE(empty.Defined["Data"]);

    Fill({{"7", "green"}});
    TRecordingFiler filer(unused);
    Grid()->DefineProperties(&filer);
    EXPECT_TRUE(filer.Defined["Data"]);
    TMemoryStream stream;
    filer.Write(stream);
    Fill({});
    stream.SetPosition(0);
    filer.Read(stream);
    Grid()->Loaded();
    EXPECT_EQ(Data()->GetValue(0, 1).AsString(), "green");
}

TEST_F(DataBinding, AnEmptyAssignedCaptionIsMarkedForTheForm) {
    TcxCustomGridTableItem* item = view->GetItem(0);
    TMemoryStream unused;
    TRecordingFiler filer(unused);
    item->DefineProperties(&filer);
    EXPECT_FALSE(filer.Defined["IsCaptionAssigned"]) << "an assigned caption with text needs no mark";
    EXPECT_FALSE(filer.Defined["Hidden"]) << "read only";
    item->SetCaption("");
    TRecordingFiler again(unused);
    item->DefineProperties(&again);
    EXPECT_TRUE(again.Defined["IsCaptionAssigned"]);
}

} // namespace
} // namespace zorvy::test
