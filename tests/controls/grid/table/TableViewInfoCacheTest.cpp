// A table view remembers each record's measured height until a size change forgets it.
#include "controls/grid/table/TableViewInfoCache.h"
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

class TableViewInfoCache : public TableTest {
  protected:
    TableViewInfoCache() {
        view->AddTestItem("Ball");
        Fill({{"1"}, {"2"}, {"3"}});
    }
    TcxCustomGridTableViewInfoCacheItem* Entry(int index) const {
        return static_cast<TcxCustomGridTableViewInfoCacheItem*>(view->GetViewInfoCache()->GetItem(index));
    }
};

TEST_F(TableViewInfoCache, HeightsStayUntilASizeChangeForgetsThem) {
    ASSERT_NE(view->GetViewInfoCache(), nullptr);
    ASSERT_TRUE(Entry(2)->InheritsFrom(TcxCustomGridTableViewInfoCacheItem::StaticClass()));
    EXPECT_EQ(Entry(2)->GetGridRecord(), view->GetViewData()->GetRecord(2));
    EXPECT_FALSE(Entry(2)->IsHeightAssigned());

    Entry(0)->SetHeight(0);
    Entry(2)->SetHeight(21);
    EXPECT_TRUE(Entry(0)->IsHeightAssigned()) << "a height of 0 is a measured height too";
    EXPECT_EQ(Entry(2)->GetHeight(), 21);
    EXPECT_FALSE(Entry(1)->IsHeightAssigned());

    view->SizeChanged();
    EXPECT_FALSE(Entry(0)->IsHeightAssigned());
    EXPECT_FALSE(Entry(2)->IsHeightAssigned());
}

} // namespace
} // namespace zorvy::test
