#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/classes/ClassUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TBase : public TObject {
    ZORVY_CLASS(TBase, TObject)
};
class TDerived : public TBase {
    ZORVY_CLASS(TDerived, TBase)
};
class TDeeper : public TDerived {
    ZORVY_CLASS(TDeeper, TDerived)
};
class TSibling : public TBase {
    ZORVY_CLASS(TSibling, TBase)
};
class TUnrelated : public TObject {
    ZORVY_CLASS(TUnrelated, TObject)
};
class TForBase : public TObject {
    ZORVY_CLASS(TForBase, TObject)
};
class TForDerived : public TObject {
    ZORVY_CLASS(TForDerived, TObject)
};

TEST(RegisteredClassList, LookUpAnswersTheNearestRegisteredAncestorWhateverTheRegistrationOrder) {
    for (bool derivedFirst : {false, true}) {
        TcxRegisteredClassList list;
        if (derivedFirst) list.AddPair(TDerived::StaticClass(), TForDerived::StaticClass());
        list.AddPair(TBase::StaticClass(), TForBase::StaticClass());
        if (!derivedFirst) list.AddPair(TDerived::StaticClass(), TForDerived::StaticClass());
        SCOPED_TRACE(derivedFirst ? "derived first" : "base first");
        EXPECT_EQ(list.LookUp(TDerived::StaticClass()), TForDerived::StaticClass());
        EXPECT_EQ(list.LookUp(TDeeper::StaticClass()), TForDerived::StaticClass());
        EXPECT_EQ(list.LookUp(TBase::StaticClass()), TForBase::StaticClass());
        EXPECT_EQ(list.LookUp(TSibling::StaticClass()), TForBase::StaticClass());
        EXPECT_EQ(list.LookUp(TUnrelated::StaticClass()), nullptr);
        EXPECT_EQ(list.GetPair(0).ItemClass, TBase::StaticClass()) << "ancestors lie before descendants";
    }
}

TEST(RegisteredClassList, ALaterPairForTheSameClassWinsAndRemovingItRestoresTheEarlier) {
    TcxRegisteredClassList list;
    list.AddPair(TBase::StaticClass(), TForBase::StaticClass());
    list.AddPair(TBase::StaticClass(), TForDerived::StaticClass());
    EXPECT_EQ(list.LookUp(TDerived::StaticClass()), TForDerived::StaticClass());
    list.RemovePair(TBase::StaticClass(), TForDerived::StaticClass());
    list.RemovePair(TSibling::StaticClass(), TForBase::StaticClass()); // not registered: nothing
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.LookUp(TDerived::StaticClass()), TForBase::StaticClass());
}

TEST(RegisteredClasses, DisplayNamesSortingAndLookUpByName) {
    TcxRegisteredClasses classes;
    classes.AddClass(TSibling::StaticClass(), "zeta|the last one");
    classes.AddClass(TBase::StaticClass(), "Alpha");
    classes.AddClass(TDerived::StaticClass(), "|no name");
    classes.AddClass(TBase::StaticClass(), "ignored: already present");
    ASSERT_EQ(classes.ClassCount(), 3);
    EXPECT_EQ(classes.GetDisplayName(0), "zeta");
    EXPECT_EQ(classes.GetDisplayName(1), "Alpha");
    EXPECT_EQ(classes.GetDisplayName(2), "");
    classes.SetSortedOrder(true);
    EXPECT_EQ(classes.GetClassAt(0), TDerived::StaticClass());
    EXPECT_EQ(classes.GetClassAt(1), TBase::StaticClass());
    EXPECT_EQ(classes.GetClassAt(2), TSibling::StaticClass());
    classes.AddClass(TDeeper::StaticClass(), "beta");
    EXPECT_EQ(classes.GetClassAt(2), TDeeper::StaticClass()) << "case-insensitive: Alpha < beta < zeta";
    EXPECT_EQ(classes.FindClassByName("TDeeper"), TDeeper::StaticClass());
    EXPECT_EQ(classes.FindClassByName("tdeeper"), nullptr) << "class names compare case-sensitively";
    classes.RemoveClass(TDeeper::StaticClass());
    classes.RemoveClass(TDeeper::StaticClass());
    EXPECT_EQ(classes.IndexOfClass(TDeeper::StaticClass()), -1);
}

struct TWidthCase {
    const char* name;
    int available;
    std::vector<TcxAutoWidthItem> items; // MinWidth, Width, Fixed
    std::vector<int> expected;
};

TEST(AutoWidth, DistributeWidthSharesByCumulativeRounding) {
    const std::vector<TWidthCase> cases = {
        {"equal natural widths", 300, {{0, 100, false}, {0, 100, false}, {0, 100, false}}, {100, 100, 100}},
        // Cumulative rounding: MulDiv(1,100,3) = 33, MulDiv(2,100,3) = 67, 100.
        {"thirds", 100, {{0, 1, false}, {0, 1, false}, {0, 1, false}}, {33, 34, 33}},
        {"minimums above the available width", 50, {{30, 100, false}, {40, 100, false}}, {30, 40}},
        {"all fixed", 10, {{0, 70, true}, {0, 80, true}}, {70, 80}},
        // The fixed 50 leaves 150 for natural widths 100 and 100; the first is frozen at 90, the second
        // takes what is left of 150.
        {"a minimum freezes, the rest shares again",
         200,
         {{0, 50, true}, {90, 100, false}, {0, 100, false}},
         {50, 90, 60}},
        {"zero natural width", 100, {{0, 0, false}, {0, 0, false}}, {0, 0}},
    };
    for (const TWidthCase& c : cases) {
        SCOPED_TRACE(c.name);
        TcxAutoWidthObject object(int(c.items.size()));
        object.AvailableWidth = c.available;
        for (const TcxAutoWidthItem& item : c.items) {
            TcxAutoWidthItem* added = object.NewItem();
            EXPECT_EQ(added->AutoWidth, -1);
            added->MinWidth = item.MinWidth;
            added->Width = item.Width;
            added->Fixed = item.Fixed;
        }
        object.DistributeWidth();
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(object.GetItem(int(i))->AutoWidth, c.expected[i]) << "item " << i;
    }
}

class TTrackedComponent : public TcxComponent {
  public:
    using TcxComponent::TcxComponent;
};

TEST(ObjectLinks, ALinkNoticesTheDestructionOfItsObjectAndTheControllerLivesWhileLinksDo) {
    auto* component = new TTrackedComponent(nullptr);
    TcxObjectLink* first = AcquireObjectLink(component);
    TcxObjectLink* second = AcquireObjectLink(component);
    EXPECT_EQ(AcquireObjectLink(nullptr), nullptr);
    EXPECT_EQ(first->Ref, component);
    delete component;
    EXPECT_EQ(first->Ref, nullptr);
    EXPECT_EQ(second->Ref, nullptr);
    DropObjectLink(first);
    EXPECT_TRUE(ObjectLinkControllerExists());
    DropObjectLink(second);
    DropObjectLink(nullptr);
    EXPECT_FALSE(ObjectLinkControllerExists());
}

TEST(FreeNotificator, ReportsTheComponentsItWatchesWhenTheyAreFreed) {
    TcxFreeNotificator notificator(nullptr);
    std::vector<TComponent*> freed;
    notificator.OnComponentFreed = [&](TObject* sender, TComponent* c) {
        EXPECT_EQ(sender, &notificator);
        freed.push_back(c);
    };
    auto* watched = new TComponent(nullptr);
    auto* unwatched = new TComponent(nullptr);
    notificator.Watch(watched);
    notificator.Watch(unwatched);
    notificator.Unwatch(unwatched);
    notificator.Watch(nullptr);
    TComponent* watchedAddress = watched;
    delete watched;
    delete unwatched;
    EXPECT_EQ(freed, std::vector<TComponent*>{watchedAddress});
}

class TTextItem : public TcxMRUItem {
  public:
    TTextItem(std::string text, int* frees) : Text(std::move(text)), frees_(frees) {}
    ~TTextItem() override { ++*frees_; }
    bool Equals(const TcxMRUItem* item) const override {
        return static_cast<const TTextItem*>(item)->Text == Text;
    }
    std::string Text;

  private:
    int* frees_;
};

TEST(MRUItems, AnEqualItemMovesToTheFrontAndTheMaximumTrimsTheOldest) {
    int frees = 0;
    TcxMRUItems items;
    for (const char* text : {"a", "b", "c", "d"})
        items.AddToFront(new TTextItem(text, &frees));
    auto texts = [&] {
        std::string s;
        for (int i = 0; i < items.GetCount(); ++i)
            s += static_cast<TTextItem*>(items.GetItem(i))->Text;
        return s;
    };
    EXPECT_EQ(texts(), "dcba");
    TcxMRUItem* olderB = items.GetItem(2);
    items.AddToFront(new TTextItem("b", &frees));
    EXPECT_EQ(texts(), "bdca");
    EXPECT_EQ(items.GetItem(0), olderB) << "the older object stays";
    EXPECT_EQ(frees, 1) << "the passed object is freed";
    items.SetMaxCount(-5);
    EXPECT_EQ(items.GetMaxCount(), 0);
    EXPECT_EQ(items.GetCount(), 4) << "unlimited trims nothing";
    items.SetMaxCount(2);
    EXPECT_EQ(texts(), "bd");
    EXPECT_EQ(frees, 3);
    items.AddToFront(new TTextItem("e", &frees));
    EXPECT_EQ(texts(), "eb");
}

class TcxGridColumn : public TComponent {
    ZORVY_CLASS(TcxGridColumn, TComponent)
  public:
    using TComponent::TComponent;
};

TEST(ComponentNaming, GeneratedNamesStripTheBaseTextAndCountUpUntilFree) {
    TComponent form(nullptr);
    auto* view = new TComponent(&form);
    view->SetName("View1");
    auto* column = new TcxGridColumn(&form);
    std::string name;
    GenerateItemComponentName(&form, view, column, "TcxGrid", "1st", name);
    EXPECT_EQ(name, "View1Column1st");
    auto* taken = new TComponent(&form);
    taken->SetName("view1column1st");
    auto* taken1 = new TComponent(&form);
    taken1->SetName("View1Column1st1");
    GenerateItemComponentName(&form, view, column, "TcxGrid", "1st", name);
    EXPECT_EQ(name, "View1Column1st2");
    GenerateItemComponentName(&form, view, column, "TcxGrid", "", name);
    EXPECT_EQ(name, "View1Column1");
    GenerateItemComponentName(&form, view, column, "TcxGrid", "红球 Ball-1", name);
    EXPECT_EQ(name, "View1Ball1") << "characters outside A-Z, a-z, 0-9 and _ go, a Chinese character whole";
    BuildItemComponentName(nullptr, "TcxGridColumn", "", "", 0, name);
    EXPECT_EQ(name, "cxGridColumn") << "without a matching prefix only the leading T goes";
}

TEST(ComponentNaming, RenamingByPrefixSkipsItemsOfOtherOwnersAndTakenNames) {
    TComponent form(nullptr);
    TComponent other(nullptr);
    std::vector<TComponent*> items;
    for (const char* n : {"GridView1Col", "GridView1Band", "GridView1"})
        items.push_back(new TComponent(&form)), items.back()->SetName(n);
    items.push_back(new TComponent(&other));
    items.back()->SetName("GridView1Foreign");
    (new TComponent(&form))->SetName("MainBand"); // makes the second rename fail
    RenameSubComponentsByPrefix(&form, &form, "Main", "GridView1", int(items.size()),
                                [&](TComponent*, int i) { return items[size_t(i)]; });
    EXPECT_EQ(items[0]->GetName(), "MainCol");
    EXPECT_EQ(items[1]->GetName(), "GridView1Band");
    EXPECT_EQ(items[2]->GetName(), "GridView1") << "a name no longer than the prefix stays";
    EXPECT_EQ(items[3]->GetName(), "GridView1Foreign");
}

TEST(ClassUtils, ArithmeticHelpers) {
    EXPECT_EQ(GetMidpoint(-2, -1), -2);
    EXPECT_EQ(GetMidpoint(-3, 0), -2);
    EXPECT_EQ(GetMidpoint(-1, 0), -1);
    EXPECT_EQ(GetMidpoint(0, 0), 0);
    EXPECT_EQ(GetMidpoint(3, 4), 3);
    EXPECT_EQ(DivideRoundingUp(7, 2), 4);
    EXPECT_EQ(DivideRoundingUp(-7, 2), -2);
    EXPECT_EQ(DivideRoundingUp(8, 2), 4);
    EXPECT_EQ(FloatSign(0.0), 1);
    EXPECT_EQ(FloatSign(-0.5), -1);
    EXPECT_EQ(TextBeforeBar("name|description"), "name");
    EXPECT_EQ(TextBeforeBar("whole"), "whole");
}

TEST(ClassUtils, MemoryStreamsCompareSizeThenBytes) {
    TMemoryStream a, b;
    a.Write("abc", 3);
    b.Write("abd", 3);
    EXPECT_FALSE(MemoryStreamsEqual(a, b));
    b.SetSize(2);
    EXPECT_FALSE(MemoryStreamsEqual(a, b));
    a.SetSize(2);
    EXPECT_TRUE(MemoryStreamsEqual(a, b));
}

TEST(OpenList, StoringPastTheEndGrowsTheList) {
    TcxOpenList list;
    int value = 5;
    list.SetItem(3, &value);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetItem(0), nullptr);
    EXPECT_EQ(list.GetItem(3), &value);
}

} // namespace
} // namespace zorvy::test
