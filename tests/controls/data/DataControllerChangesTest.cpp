// The change protocol: how data changes merge inside one update, the order of the notices, the
// selection notice's rows, the data-changed events and listener links.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Number (Integer) and Name (String); every notice is written down as a short text.
class ChangesFixture : public ::testing::Test {
  protected:
    ChangesFixture() : dc_(nullptr) {
        for (auto* type : {&cxIntegerValueType, &cxStringValueType}) {
            items_.push_back(std::make_unique<TObject>());
            dc_.AddItem(items_.back().get())->ChangeValueType(type);
        }
        dc_.OnUpdateControl = [this](TcxUpdateControlInfo& info) { log_.push_back(Describe(info)); };
    }
    static std::string Describe(TcxUpdateControlInfo& info) {
        if (auto* d = dynamic_cast<TcxDataChangedInfo*>(&info))
            return "data " + std::to_string(d->Kind) + " " + std::to_string(d->ItemIndex) + " " +
                   std::to_string(d->RecordIndex);
        if (dynamic_cast<TcxLayoutChangedInfo*>(&info)) return "layout";
        if (auto* f = dynamic_cast<TcxFocusedRowChangedInfo*>(&info))
            return "row " + std::to_string(f->PrevFocusedRowIndex) + ">" + std::to_string(f->FocusedRowIndex);
        if (auto* f = dynamic_cast<TcxFocusedRecordChangedInfo*>(&info))
            return "record " + std::to_string(f->PrevFocusedRecordIndex) + ">" + std::to_string(f->FocusedRecordIndex);
        if (auto* s = dynamic_cast<TcxSelectionChangedInfo*>(&info)) {
            std::string text = "selection";
            for (int i = 0; i < s->GetCount(); ++i)
                text += " " + std::to_string(s->GetRowIndex(i));
            return text;
        }
        if (dynamic_cast<TcxSearchChangedInfo*>(&info)) return "search";
        if (dynamic_cast<TcxBookmarkChangedInfo*>(&info)) return "bookmark";
        return "other";
    }
    void Records(int count) {
        dc_.SetRecordCount(count);
        log_.clear();
    }
    // The data notices of what `body` does inside one update.
    std::vector<std::string> DataNotices(const std::function<void()>& body) {
        log_.clear();
        dc_.BeginUpdate();
        body();
        dc_.EndUpdate();
        std::vector<std::string> data;
        for (const std::string& notice : log_)
            if (notice.rfind("data", 0) == 0) data.push_back(notice);
        return data;
    }

    std::vector<std::unique_ptr<TObject>> items_;
    TcxDataController dc_;
    std::vector<std::string> log_;
};

using S = std::vector<std::string>;

} // namespace

TEST_F(ChangesFixture, DataChangesMergeIntoOneNoticePerUpdate) {
    Records(3);
    // Scopes: 0 value, 1 record, 2 records added, 3 records removed, 4 all.
    EXPECT_EQ(DataNotices([&] {
                  dc_.SetValue(1, 0, 5);
                  dc_.SetValue(1, 0, 6);
              }),
              S{"data 0 0 1"});
    EXPECT_EQ(DataNotices([&] {
                  dc_.SetValue(1, 0, 5);
                  dc_.SetValue(1, 1, "x");
              }),
              S{"data 1 -1 1"});
    EXPECT_EQ(DataNotices([&] {
                  dc_.SetValue(1, 0, 5);
                  dc_.SetValue(2, 0, 5);
              }),
              S{"data 4 0 2"});
    EXPECT_EQ(DataNotices([&] { dc_.SetRecordCount(2); }), S{"data 3 -1 -1"});
    EXPECT_EQ(DataNotices([&] { dc_.SetRecordCount(4); }), S{"data 2 -1 -1"});
    EXPECT_EQ(DataNotices([&] { dc_.SetRecordCount(4); }), S{});
    EXPECT_EQ(DataNotices([&] { dc_.SetRecordCount(-3); }), S{"data 3 -1 -1"});
    EXPECT_EQ(dc_.GetRecordCount(), 0);
    // A record appended and then filled is still reported as records added or more, never as
    // one changed value.
    EXPECT_EQ(DataNotices([&] {
                  int r = dc_.AppendRecord();
                  dc_.SetValue(r, 0, 1);
              }),
              S{"data 4 0 0"});
    // Outside an update every change is its own notice.
    log_.clear();
    dc_.SetValue(0, 1, "a");
    dc_.SetValue(0, 0, 2);
    EXPECT_EQ(log_, (S{"data 0 1 0", "data 0 0 0"}));
}

TEST_F(ChangesFixture, NoticesComeInTheirOrderAndOnlyAtTheOutermostUnlock) {
    Records(4);
    dc_.BeginUpdate();
    dc_.SetValue(0, 0, 1);
    dc_.SetFocusedRowIndex(2);
    dc_.BeginUpdate();
    dc_.SetItemSortOrder(1, soAscending); // a layout change as well
    dc_.EndUpdate();
    EXPECT_EQ(log_, S{}) << "nothing while the outer update is held";
    dc_.EndUpdate();
    ASSERT_EQ(log_.size(), 3u);
    EXPECT_EQ(log_[0], "data 0 0 0") << "the data notice first, and no layout notice beside it";
    EXPECT_EQ(log_[1], "row -1>2");
    EXPECT_EQ(log_[2], "record -1>2");
    log_.clear();
    dc_.SetFocusedRowIndex(2);
    EXPECT_EQ(log_, S{}) << "no move, no notice";
}

TEST_F(ChangesFixture, SelectionNoticesCarryTheRowsOfSingleRowChanges) {
    Records(8);
    dc_.SetMultiSelect(true);
    log_.clear();
    dc_.ChangeRowSelection(2, true);
    EXPECT_EQ(log_, S{"selection 2"});
    log_.clear();
    dc_.BeginUpdate();
    dc_.ClearSelection();
    dc_.ChangeRowSelection(5, true);
    dc_.EndUpdate();
    EXPECT_EQ(log_, S{"selection 2 5"}) << "from row 2 to row 5";
    log_.clear();
    dc_.SelectRows(0, 3);
    EXPECT_EQ(log_, S{"selection"}) << "a range: any row may have changed";
    log_.clear();
    dc_.ClearSelection();
    EXPECT_EQ(log_, S{"selection"}) << "from five rows to none";
}

TEST_F(ChangesFixture, DataChangedEventsAndListenersFollowTheNotice) {
    Records(2);
    std::vector<std::string> events;
    dc_.OnRecordChanged = [&](TcxCustomDataController*, int record, int item) {
        events.push_back("record " + std::to_string(record) + " " + std::to_string(item));
    };
    dc_.OnDataChanged = [&](TObject*) { events.push_back("data"); };
    TObject listener;
    dc_.AddDataChangedListener(&listener, [&](TObject* sender) {
        events.push_back(sender == &dc_ ? "listener" : "listener with another sender");
    });
    dc_.SetValue(1, 1, "x");
    EXPECT_EQ(events, (S{"record 1 1", "data", "listener"}));
    events.clear();
    dc_.RemoveDataChangedListener(&listener);
    dc_.SetRecordCount(5);
    EXPECT_EQ(events, S{"data"}) << "no record event for added records";
}

TEST_F(ChangesFixture, AListenerLinkOutlivesItsController) {
    auto controller = std::make_unique<TcxDataController>(nullptr);
    TcxDataListenerLink* kept = controller->AddListenerLink();
    TcxDataListenerLink* dropped = controller->AddListenerLink();
    EXPECT_EQ(kept->Ref, controller.get());
    controller->RemoveListenerLink(dropped);
    controller.reset();
    EXPECT_EQ(kept->Ref, nullptr);
    TcxCustomDataController::RemoveListenerLink(kept); // frees it: the sanitizer sees no leak
}
