#include "MemoryDataSet.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace zorvy::test {
namespace {

class RecordingLink : public TDataLink {
  public:
    std::vector<std::string> calls;

  protected:
    void ActiveChanged() override { calls.push_back("ActiveChanged " + std::to_string(GetActive())); }
    void DataSetChanged() override { calls.push_back("DataSetChanged"); }
    void DataSetScrolled(int distance) override {
        calls.push_back("DataSetScrolled " + std::to_string(distance));
    }
    void EditingChanged() override { calls.push_back("EditingChanged " + std::to_string(GetEditing())); }
    void LayoutChanged() override { calls.push_back("LayoutChanged"); }
    void RecordChanged(TField* field) override {
        calls.push_back("RecordChanged " + (field ? field->GetFieldName() : std::string("-")));
    }
    void UpdateData() override { calls.push_back("UpdateData"); }
};

struct Linked {
    std::unique_ptr<MemoryDataSet> dataSet{NewNumbers()};
    std::unique_ptr<TDataSource> source = std::make_unique<TDataSource>(nullptr);
    RecordingLink link;
    Linked() {
        source->SetDataSet(dataSet.get());
        link.SetDataSource(source.get());
    }
    std::vector<std::string> Take() { return std::exchange(link.calls, {}); }
};

using Calls = std::vector<std::string>;

TEST(DataLink, HearsTheDatasetInTheFixedOrder) {
    Linked t;
    t.dataSet->Open();
    EXPECT_EQ(t.Take(), Calls{"ActiveChanged 1"});
    t.dataSet->Next();
    t.dataSet->MoveBy(3);
    EXPECT_EQ(t.Take(), (Calls{"DataSetScrolled 1", "DataSetScrolled 3"}));

    t.dataSet->Edit();
    EXPECT_EQ(t.Take(), (Calls{"EditingChanged 1", "RecordChanged -"}));
    t.dataSet->FieldByName("Name")->SetAsString("five");
    EXPECT_EQ(t.Take(), Calls{"RecordChanged Name"});
    t.dataSet->Post();
    EXPECT_EQ(t.Take(), (Calls{"UpdateData", "EditingChanged 0", "DataSetChanged"}));
    EXPECT_EQ(t.dataSet->writes, Calls{"update"});

    t.dataSet->Append();
    EXPECT_EQ(t.Take(), (Calls{"EditingChanged 1", "DataSetChanged"}));
    EXPECT_EQ(t.link.GetRecordCount(), 1);
    t.dataSet->Cancel();
    EXPECT_EQ(t.Take(), (Calls{"EditingChanged 0", "DataSetChanged"}));

    t.dataSet->Close();
    EXPECT_EQ(t.Take(), (Calls{"ActiveChanged 0"}));
}

TEST(DataLink, DisabledControlsSilenceVisualLinksUntilTheLastEnable) {
    Linked t;
    RecordingLink background; // not visual: hears everything
    background.SetDataSource(t.source.get());
    t.link.SetVisualControl(true);
    t.dataSet->Open();
    t.Take();
    background.calls.clear();

    t.dataSet->DisableControls();
    t.dataSet->DisableControls();
    t.dataSet->Next();
    t.dataSet->EnableControls();
    EXPECT_TRUE(t.dataSet->ControlsDisabled());
    EXPECT_TRUE(t.Take().empty());
    t.dataSet->EnableControls();
    EXPECT_FALSE(t.dataSet->ControlsDisabled());
    EXPECT_EQ(t.Take(), Calls{"DataSetChanged"});
    EXPECT_EQ(background.calls, (Calls{"DataSetScrolled 1", "DataSetChanged"}));

    // A state change while disabled is reported on the last enable.
    t.dataSet->DisableControls();
    t.dataSet->Edit();
    t.dataSet->EnableControls();
    EXPECT_EQ(t.Take(), (Calls{"EditingChanged 1", "DataSetChanged"}));

    // Closed and opened again while disabled: the fields were made anew, so the link hears a layout change.
    t.dataSet->Cancel();
    t.Take();
    t.dataSet->DisableControls();
    t.dataSet->Close();
    t.dataSet->Open();
    t.dataSet->EnableControls();
    EXPECT_EQ(t.Take(), Calls{"LayoutChanged"});

    // Opened while disabled: the link hears that it became active, once.
    t.dataSet->Close();
    t.Take();
    t.dataSet->DisableControls();
    t.dataSet->Open();
    t.dataSet->EnableControls();
    EXPECT_EQ(t.Take(), Calls{"ActiveChanged 1"});
}

TEST(DataLink, SeesAWindowOfRecordsAroundTheCurrentOne) {
    Linked t;
    t.link.SetBufferCount(4);
    t.dataSet->Open();
    t.Take();
    EXPECT_EQ(t.link.GetRecordCount(), 4);
    EXPECT_EQ(t.link.GetActiveRecord(), 0);
    t.dataSet->MoveBy(2); // inside the window: the window stays
    EXPECT_EQ(t.link.GetActiveRecord(), 2);
    t.dataSet->MoveBy(3); // record 6: the window moves by two
    EXPECT_EQ(t.link.GetActiveRecord(), 3);
    t.dataSet->Last();
    EXPECT_EQ(t.link.GetActiveRecord(), 3);
    t.dataSet->First();
    EXPECT_EQ(t.link.GetActiveRecord(), 0);
    EXPECT_EQ(t.Take(),
              (Calls{"DataSetScrolled 0", "DataSetScrolled 2", "DataSetScrolled 4", "DataSetScrolled -6"}));
    EXPECT_EQ(t.dataSet->GetBufferCount(), 4);

    t.link.SetBufferCount(std::numeric_limits<int>::max()); // every record in the window
    t.dataSet->Last();
    EXPECT_EQ(t.link.GetActiveRecord(), 9);
    EXPECT_EQ(t.link.GetRecordCount(), 10);
}

TEST(DataSource, ReportsStateAndDataChangesAndAutoEdits) {
    Linked t;
    std::vector<std::string> seen;
    t.source->OnStateChange = [&](TObject*) {
        seen.push_back("state " + std::to_string(static_cast<int>(t.source->GetState())));
    };
    t.source->OnDataChange = [&](TObject*, TField* field) {
        seen.push_back("data " + (field ? field->GetFieldName() : "-"));
    };
    t.dataSet->Open();
    t.source->Edit(); // AutoEdit
    EXPECT_EQ(t.dataSet->GetState(), TDataSetState::dsEdit);
    t.dataSet->FieldByName("ID")->SetAsInteger(42);
    t.dataSet->Cancel();
    EXPECT_EQ(t.dataSet->FieldByName("ID")->GetAsInteger(), 1);
    t.source->SetAutoEdit(false);
    t.source->Edit();
    EXPECT_EQ(t.dataSet->GetState(), TDataSetState::dsBrowse);
    t.source->SetEnabled(false);
    EXPECT_EQ(t.link.GetActive(), false);
    EXPECT_EQ(seen, (Calls{"state 1", "data -", "state 2", "data -", "data ID", "state 1", "data -",
                           "state 0", "data -"}));
}

TEST(DataLink, HandlersMayFreeTheDataSetOrTheSourceThatCalledThem) {
    auto* dataSet = NewNumbers();
    dataSet->AfterOpen = [dataSet](TDataSet*) { delete dataSet; };
    bool scrolled = false;
    dataSet->AfterScroll = [&scrolled](TDataSet*) { scrolled = true; };
    dataSet->Open(); // no AfterScroll on a freed dataset
    EXPECT_FALSE(scrolled);

    class FreeingLink : public RecordingLink {
      public:
        TDataSource* victim = nullptr;

      protected:
        void DataSetScrolled(int) override { delete std::exchange(victim, nullptr); }
    };
    std::unique_ptr<MemoryDataSet> numbers(NewNumbers());
    auto* source = new TDataSource(nullptr);
    source->SetDataSet(numbers.get());
    FreeingLink first, second;
    first.victim = source;
    first.SetDataSource(source);
    second.SetDataSource(source);
    numbers->Open();
    numbers->Next();
    EXPECT_EQ(first.GetDataSource(), nullptr);
    EXPECT_EQ(second.GetDataSource(), nullptr);
    numbers->Next();
}

TEST(DataLink, DetachesWhenTheDataSourceOrDataSetGoes) {
    auto link = std::make_unique<RecordingLink>();
    {
        Linked t;
        t.dataSet->Open();
        link->SetDataSource(t.source.get());
        EXPECT_TRUE(link->GetActive());
        t.dataSet.reset(); // the source forgets its dataset
        EXPECT_EQ(t.source->GetDataSet(), nullptr);
        EXPECT_FALSE(link->GetActive());
    }
    EXPECT_EQ(link->GetDataSource(), nullptr);
}

} // namespace
} // namespace zorvy::test
