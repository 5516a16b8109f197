#include "controls/data/DataController.h"
#include "controls/data/DataReaders.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// A provider over rows of numbers with a cursor, logging what the controller asks of it.
class CursorProvider : public TcxCustomDataProvider {
  public:
    using TcxCustomDataProvider::TcxCustomDataProvider;
    std::vector<int> Rows;
    size_t Current = 0;
    std::vector<std::string> Log;

    class Reader : public TcxValueDefReader {
      public:
        explicit Reader(int value) : value_(value) {}
        void ReadValue(TcxValueDef*, Variant& value) override { value = value_; }

      private:
        int value_;
    };

    void LockNotifications() override { Log.push_back("lock"); }
    void UnlockNotifications() override { Log.push_back("unlock"); }
    void SavePos() override { Log.push_back("save"); }
    void RestorePos() override { Log.push_back("restore"); }
    void SyncSavedPosition(int recordIndex) override { Log.push_back("sync " + std::to_string(recordIndex)); }
    std::unique_ptr<TcxValueDefReader> CreateValueDefReader() override {
        return std::make_unique<Reader>(Rows.at(Current));
    }
};

class LoadingController : public TcxDataController {
  public:
    LoadingController() : TcxDataController(nullptr) {
        auto provider = std::make_unique<CursorProvider>(this);
        Provider = provider.get();
        ReplaceProvider(std::move(provider));
        AddItem(&item_)->ChangeValueType(&cxIntegerValueType);
    }
    CursorProvider* Provider;

  private:
    TObject item_;
};

// Rows of one number in a list (stable handles); item 0 is the number.
class NumberSource : public TcxCustomRecordSource {
  public:
    std::list<Variant> Rows;
    TcxDataRecordHandle AppendRecord() override {
        Rows.push_back(Variant::Null());
        return &Rows.back();
    }
    void LoadRecordHandles() override {
        for (Variant& row : Rows)
            GetProvider()->StoreRecordHandle(&row);
    }
    void GetValue(TcxDataRecordHandle handle, TcxDataItemHandle, Variant& value) override {
        value = *static_cast<Variant*>(handle);
    }
    void SetValue(TcxDataRecordHandle handle, TcxDataItemHandle, const Variant& value) override {
        *static_cast<Variant*>(handle) = value;
    }
};

std::vector<int> Values(TcxCustomDataController& controller) {
    std::vector<int> values;
    for (int r = 0; r < controller.GetRecordCount(); ++r)
        values.push_back(controller.GetValue(r, 0).AsInteger());
    return values;
}

} // namespace

TEST(DataControllerLoading, RecordsLoadOneByOneInsideTheBracket) {
    LoadingController controller;
    controller.Provider->Rows = {7, 3, 5};
    int notices = 0;
    controller.OnUpdateControl = [&](TcxUpdateControlInfo& info) {
        if (dynamic_cast<TcxDataChangedInfo*>(&info)) ++notices;
    };
    controller.BeginUpdate();
    controller.BeginLoad();
    for (size_t i = 0; i < controller.Provider->Rows.size(); ++i) {
        controller.Provider->Current = i;
        EXPECT_EQ(controller.LoadRecords(), static_cast<int>(i));
    }
    controller.EndLoad();
    controller.EndUpdate();
    EXPECT_EQ(Values(controller), (std::vector<int>{7, 3, 5}));
    EXPECT_EQ(controller.Provider->Log,
              (std::vector<std::string>{"lock", "save", "sync 0", "sync 1", "sync 2", "restore", "unlock"}));
    EXPECT_EQ(controller.GetRowCount(), 3);
    EXPECT_EQ(notices, 1) << "one notice for the whole load";
}

TEST(DataControllerLoading, ProviderModeAppendsToTheSource) {
    TcxDataController controller(nullptr);
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    NumberSource source;
    source.Rows = {Variant(1), Variant(2)};
    controller.SetCustomDataSource(&source);
    ASSERT_EQ(controller.GetRecordCount(), 2);

    EXPECT_EQ(controller.LoadRecords(), 2);
    EXPECT_EQ(source.Rows.size(), 3u);
    EXPECT_TRUE(controller.GetValue(2, 0).IsNull());

    TcxValueDefUnboundReader reader;
    reader.SetValue(controller.GetItemField(0)->ValueDefinition(), 9);
    EXPECT_EQ(controller.AppendRecordFromReader(reader), 3);
    EXPECT_EQ(source.Rows.back().AsInteger(), 9) << "the source holds the reader's value";
    EXPECT_EQ(controller.GetValue(3, 0).AsInteger(), 9);
    EXPECT_EQ(controller.GetRowCount(), 4);
}

TEST(DataControllerLoading, CancelInProviderModeGivesTheSourceItsValuesBack) {
    TcxDataController controller(nullptr);
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    NumberSource source;
    source.Rows = {Variant(1), Variant(2)};
    controller.SetCustomDataSource(&source);
    controller.ChangeFocusedRecordIndex(1);
    controller.Edit();
    ASSERT_TRUE(controller.SetEditValue(0, 20, 0));
    EXPECT_EQ(source.Rows.back().AsInteger(), 20);
    controller.Cancel();
    EXPECT_EQ(source.Rows.back().AsInteger(), 2);
    EXPECT_EQ(controller.GetValue(1, 0).AsInteger(), 2);
}

TEST(DataControllerLoading, FreedComponentsReachTheFields) {
    class Field : public TcxCustomDataField {
      public:
        using TcxCustomDataField::TcxCustomDataField;
        std::vector<TComponent*>* Removed = nullptr;
        void ComponentRemoved(TComponent* component) override { Removed->push_back(component); }
    };
    class Controller : public TcxDataController {
      public:
        Controller() : TcxDataController(nullptr) {}
        std::vector<TComponent*> Removed;
        TcxCustomDataField* AddField() override {
            auto* field = new Field(&GetFields());
            field->Removed = &Removed;
            GetFields().Add(field);
            return field;
        }
    };
    Controller controller;
    TObject item;
    controller.AddItem(&item);
    auto* lookup = new TComponent(nullptr);
    lookup->FreeNotification(&controller.GetNotifier());
    delete lookup;
    EXPECT_EQ(controller.Removed, (std::vector<TComponent*>{lookup}));
}

TEST(DataControllerStructure, FieldsRebindOnceEachThoughARebindingDestroysOne) {
    class Controller : public TcxDataController {
      public:
        Controller() : TcxDataController(nullptr) {}
        std::vector<TObject*> Updated;
        TObject* Doomed = nullptr;
        void UpdateField(TcxCustomDataField* field) override {
            Updated.push_back(field->GetItem());
            if (Doomed && field->GetIndex() == 1) RemoveItem(std::exchange(Doomed, nullptr));
        }
    };
    Controller controller;
    TObject a, b, c, d;
    for (TObject* item : {&a, &b, &c, &d})
        controller.AddItem(item)->ChangeValueType(&cxIntegerValueType);
    controller.Doomed = &a;
    controller.UpdateFields();
    EXPECT_EQ(controller.Updated, (std::vector<TObject*>{&a, &b, &c, &d}))
        << "b rebinds and a goes; the walk starts over and visits only c and d";

    // In provider mode a structure change rebinds the fields and reloads the records, but waits
    // for the outermost unlock and for the last EndUpdateFields.
    NumberSource source;
    source.Rows = {Variant(1)};
    controller.SetCustomDataSource(&source);
    ASSERT_EQ(controller.GetRecordCount(), 1);
    controller.Updated.clear();
    source.Rows.push_back(Variant(2));
    controller.BeginUpdate();
    controller.BeginUpdateFields();
    controller.LayoutChanged(TcxCustomDataController::lcStructure);
    EXPECT_EQ(controller.GetRecordCount(), 1);
    controller.EndUpdate();
    EXPECT_EQ(controller.GetRecordCount(), 2) << "reloaded at the unlock";
    EXPECT_TRUE(controller.Updated.empty()) << "the rebinding waits for EndUpdateFields";
    controller.EndUpdateFields();
    EXPECT_EQ(controller.Updated.size(), 4u) << "three items and the internal field of the record handles";
}
