// Tabs: index errors with their messages, image indexes, the visible-tab search, the painter factory's
// registry and the page rectangle a form stores.
#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/PCTabsPainter.h"
#include "tests/controls/pages/PagesFixture.h"

#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

namespace zorvy::test {
namespace {

using TabsTest = PagesTest;

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

TEST_F(TabsTest, IndexErrorsNameTheListAndTheRoutine) {
    TTestPageControl* c = NewPageControl({"A", "B"});
    TcxTabs* tabs = c->GetTabs();
    EXPECT_EQ(MessageOf([&] { tabs->Get(5); }), "TcxTabs.Get: Tab's index (5) out of bounds");
    EXPECT_EQ(MessageOf([&] { tabs->Delete(-1); }), "TcxTabs.Delete: Tab's index (-1) out of bounds");
    EXPECT_EQ(MessageOf([&] { tabs->Insert(3, "X"); }), "TcxTabs.Insert: Tab's index (3) out of bounds");
    EXPECT_EQ(MessageOf([&] { tabs->GetTab(2); }), "TcxTabs.GetTab: Tab's index (2) out of bounds");
    EXPECT_EQ(MessageOf([&] { tabs->Move(0, 5); }), "TcxTabs.Move: Tab's index (5) out of bounds");
    EXPECT_EQ(tabs->Get(0), "A") << "nothing moved";
    EXPECT_EQ(MessageOf([&] { tabs->GetVisibleTab(2); }),
              "TcxTabs.GetVisibleTab: TabVisibleIndex (2) must be between 0 and 1");
    auto* empty = new TTestPageControl(form);
    EXPECT_EQ(MessageOf([&] { empty->GetVisibleTabs()->GetTab(0); }),
              "TcxVisibleTabList.GetTab: There are no visible tabs");
    EXPECT_EQ(MessageOf([&] { c->GetImageList()->Draw(c->GetActiveCanvas(), 0, true, clWhite, 0, 0); }),
              "TcxPCImageList.Draw: BaseImages is not assigned");
}

TEST_F(TabsTest, ImageIndexesFollowCreationAndNegativesMeanNone) {
    auto* c = new TcxCustomTabControl(form);
    c->SetParent(form);
    TcxTabs* tabs = c->GetTabs();
    tabs->Add("first");
    EXPECT_EQ(c->GetTabIndex(), 0) << "the first tab of a control that is not loading is selected";
    tabs->Add("second");
    EXPECT_EQ(c->GetTabIndex(), 0);
    tabs->Insert(0, "front");
    TcxTab* second = tabs->GetTab(2);
    EXPECT_EQ(second->GetIndex(), 2);
    EXPECT_EQ(second->GetImageIndex(), 1) << "the image index stays when the tab moves";
    EXPECT_TRUE(second->IsImageIndexStored());
    second->SetImageIndex(-5);
    EXPECT_EQ(second->GetImageIndex(), -1);
    // Deleting through the list frees the tab once (the tab removes itself from its destructor).
    tabs->Delete(0);
    EXPECT_EQ(tabs->GetCount(), 2);
    EXPECT_EQ(tabs->Get(1), "second");
}

TEST_F(TabsTest, VisibleListFindsPositionsByBisection) {
    auto* c = new TcxCustomTabControl(form);
    TcxVisibleTabList* list = c->GetVisibleTabs();
    int position = -1;
    EXPECT_FALSE(list->Find(3, position));
    EXPECT_EQ(position, 0);
    for (int i = 0; i < 8; ++i)
        c->GetTabs()->Add(std::to_string(i));
    for (int hidden : {1, 4, 6})
        c->GetTabs()->GetTab(hidden)->SetVisible(false);
    // Visible: 0 2 3 5 7.
    struct {
        int tab;
        bool found;
        int position;
    } const cases[] = {{0, true, 0}, {2, true, 1}, {4, false, 3}, {5, true, 3}, {6, false, 4},
                       {7, true, 4}, {9, false, 5}, {-1, false, 0}, {1, false, 1}};
    for (const auto& k : cases) {
        EXPECT_EQ(list->Find(k.tab, position), k.found) << k.tab;
        EXPECT_EQ(position, k.position) << k.tab;
    }
    EXPECT_EQ(c->GetTabs()->GetVisibleTab(3)->GetCaption(), "5");
}

class TOtherDefault : public TNumberWidthPainter {
    ZORVY_PC_PAINTER(TOtherDefault)
  public:
    static int GetStyleID() { return 60; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel*) { return true; }
    using TNumberWidthPainter::TNumberWidthPainter;
};
class TLaterDefault : public TOtherDefault {
    ZORVY_PC_PAINTER(TLaterDefault)
  public:
    static int GetStyleID() { return 61; }
    using TOtherDefault::TOtherDefault;
};

TEST_F(TabsTest, TheFactoryKeepsOneEntryPerClassAndPrefersTheLastClaim) {
    TcxPCPaintersFactory* factory = PaintersFactory();
    const int count = factory->Count();
    RegisterPCPainterClass(TcxPCTabsPainter::Class());
    EXPECT_EQ(factory->Count(), count);
    EXPECT_EQ(factory->GetStyleIDByLookAndFeel(nullptr), -1);
    EXPECT_EQ(factory->GetDefaultStyleID(nullptr), 1) << "the first registered class";
    RegisterPCPainterClass(TOtherDefault::Class());
    RegisterPCPainterClass(TLaterDefault::Class());
    EXPECT_EQ(factory->GetStyleIDByLookAndFeel(nullptr), 61);
    EXPECT_EQ(factory->GetPainterClass(60), TOtherDefault::Class());
    EXPECT_EQ(factory->GetPainterClass(4), nullptr);
    EXPECT_EQ(MessageOf([&] { factory->GetPainterInstance(nullptr, nullptr); }),
              "TcxPCPaintersFactory.GetPainterInstance: PCPainterClass is nil");
    // A control of style 0 takes the look and feel's style; an unknown style leaves it.
    auto* c = new TcxCustomTabControl(form);
    EXPECT_EQ(c->GetPainter()->GetPainterClass(), TLaterDefault::Class());
    EXPECT_EQ(c->GetStyle(), 0);
    c->SetStyle(4);
    EXPECT_EQ(c->GetPainter()->GetPainterClass(), TLaterDefault::Class());
    c->SetStyle(50);
    EXPECT_EQ(c->GetPainter()->GetPainterClass(), TNumberWidthPainter::Class());
    EXPECT_EQ(c->GetStyle(), 50);
    UnregisterPCPainterClass(TOtherDefault::Class());
    UnregisterPCPainterClass(TLaterDefault::Class());
    // Unregistering the last class frees the factory.
    UnregisterPCPainterClass(TNumberWidthPainter::Class());
    FinalizePCPainters();
    EXPECT_EQ(PaintersFactory(), nullptr);
    EXPECT_EQ(MessageOf([&] { new TcxCustomTabControl(form); }),
              "TcxPCPaintersFactory.GetDefaultStyleID: There are no styles registered");
    InitializePCPainters();
    RegisterPCPainterClass(TNumberWidthPainter::Class());
    EXPECT_NE(PaintersFactory(), nullptr);
}

TEST_F(TabsTest, AFormStoresThePageRectangleAndLoadingUsesIt) {
    TTestPageControl* c = NewPageControl({"40", "40"}, 300, 200);
    c->SetStyle(50);
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteDefinedProperties(*c);
    // A control that is loading: the rectangle read stands for the page area until Loaded.
    auto* loading = new TTestPageControl(form);
    loading->SetBounds(0, 0, 500, 400);
    loading->SetComponentStateFlag(csLoading, true);
    TRect r;
    loading->GetDisplayRect(r);
    EXPECT_EQ(r, Rect(0, 0, 500, 400)) << "nothing read yet";
    stream.SetPosition(0);
    TReader reader(stream);
    reader.ReadDefinedProperties(*loading);
    loading->GetDisplayRect(r);
    EXPECT_EQ(r, Rect(0, 20, 300, 200)) << "left was not written: 0";
    loading->Loaded();
    loading->GetDisplayRect(r);
    EXPECT_EQ(r, Rect(0, 0, 500, 400)) << "no tabs: the whole control";
}

} // namespace
} // namespace zorvy::test
