#include "platform/rtl/Components.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Records every notice it hears and drops its pointer to a removed partner.
class TWatcher : public TComponent {
    ZORVY_CLASS(TWatcher, TComponent)
  public:
    explicit TWatcher(TComponent* owner) : TComponent(owner) {}
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        log.push_back((operation == opInsert ? "+" : "-") + component->GetName());
        if (operation == opRemove && component == partner) partner = nullptr;
    }
    std::vector<std::string> log;
    TComponent* partner = nullptr;
};

class TSpecialWatcher : public TWatcher {
    ZORVY_CLASS(TSpecialWatcher, TWatcher)
  public:
    using TWatcher::TWatcher;
};

class TPoint3 : public TPersistent {
    ZORVY_CLASS(TPoint3, TPersistent)
  public:
    int x = 0;
    void Assign(TPersistent* source) override {
        if (auto* p = dynamic_cast<TPoint3*>(source))
            x = p->x;
        else
            TPersistent::Assign(source);
    }
};

TComponent* Named(TComponent* owner, const std::string& name) {
    auto* c = new TComponent(owner);
    c->SetName(name);
    return c;
}

} // namespace

TEST(RtlComponents, OwnerKeepsOrderFindsByNameAndFreesWhatItOwns) {
    auto* owner = new TWatcher(nullptr);
    TComponent* a = Named(owner, "Alpha");
    TComponent* b = Named(owner, "Beta");
    auto* c = new TWatcher(owner);
    c->SetName("Gamma");
    EXPECT_EQ(owner->GetComponentCount(), 3);
    EXPECT_EQ(owner->GetComponent(1), b);
    EXPECT_EQ(owner->FindComponent("bETA"), b);
    EXPECT_EQ(owner->FindComponent("Delta"), nullptr);
    EXPECT_EQ(owner->FindComponent(""), nullptr);
    EXPECT_EQ(a->GetOwner(), owner);
    EXPECT_EQ(b->GetComponentIndex(), 1);
    b->SetComponentIndex(0);
    EXPECT_EQ(owner->GetComponent(0), b);
    EXPECT_THROW(owner->GetComponent(3), EListError);

    // Deleting an owned component takes it off its owner, which tells every sibling.
    delete a;
    EXPECT_EQ(owner->GetComponentCount(), 2);
    EXPECT_EQ(owner->log.back(), "-Alpha");
    EXPECT_EQ(c->log.back(), "-Alpha");
    delete owner; // frees Beta and Gamma; the sanitizer checks nothing leaks
}

TEST(RtlComponents, NamesAreValidatedAndUniqueWithinTheOwner) {
    TComponent owner(nullptr);
    TComponent* a = Named(&owner, "Button1");
    EXPECT_THROW(Named(&owner, "BUTTON1"), EComponentError);
    // The refused name leaves the new component unnamed, still owned.
    EXPECT_EQ(owner.GetComponentCount(), 2);
    EXPECT_EQ(owner.GetComponent(1)->GetName(), "");
    try {
        a->SetName("1abc");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "'1abc' is not a valid component name");
    }
    TComponent* b = Named(&owner, "Button2");
    try {
        b->SetName("button1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named button1 already exists");
    }
    a->SetName("BUTTON1"); // a case-only rename of itself is fine
    EXPECT_EQ(a->GetName(), "BUTTON1");
    b->SetName("");
    Named(&owner, "");
    Named(&owner, "");
    EXPECT_EQ(owner.GetComponentCount(), 5);
    a->SetTag(-7);
    EXPECT_EQ(a->GetTag(), -7);
}

TEST(RtlComponents, FreeNotificationLinksComponentsOfDifferentOwners) {
    auto* form1 = new TComponent(nullptr);
    auto* form2 = new TComponent(nullptr);
    auto* watcher = new TWatcher(form1);
    TComponent* source = Named(form2, "Source");
    watcher->partner = source;
    source->FreeNotification(watcher);
    delete form2;
    EXPECT_EQ(watcher->partner, nullptr);
    EXPECT_EQ(watcher->log.back(), "-Source");

    // A removed link no longer notifies.
    TComponent* other = Named(form1, "Other");
    auto* lone = new TComponent(nullptr);
    lone->FreeNotification(watcher);
    lone->RemoveFreeNotification(watcher);
    size_t heard = watcher->log.size();
    delete lone;
    EXPECT_EQ(watcher->log.size(), heard);
    (void)other;
    // The watcher dies first: the links on the other side are gone, nothing dangles.
    auto* survivor = new TComponent(nullptr);
    survivor->FreeNotification(watcher);
    delete form1;
    delete survivor;
}

TEST(RtlComponents, StateFlagsDesigningSpreadsAndLoadedClearsLoading) {
    TComponent owner(nullptr);
    TComponent* child = Named(&owner, "Child");
    owner.SetDesigning(true);
    EXPECT_TRUE(child->HasState(csDesigning));
    TComponent* late = Named(&owner, "Late");
    EXPECT_TRUE(late->HasState(csDesigning));
    child->SetComponentStateFlag(csLoading, true);
    child->Loaded();
    EXPECT_FALSE(child->HasState(csLoading));
    owner.Destroying();
    EXPECT_TRUE(child->HasState(csDestroying));
}

TEST(RtlComponents, WeakLinkNoticesDestructionInsideAHandler) {
    auto* c = new TComponent(nullptr);
    TWeakLink<TComponent> link(c);
    EXPECT_EQ(link.Get(), c);
    delete c;
    EXPECT_EQ(link.Get(), nullptr);
    EXPECT_FALSE(link);
    TWeakLink<TComponent> empty;
    EXPECT_FALSE(empty.Alive());
}

TEST(RtlComponents, FreeAndNilClearsThePointerBeforeTheDestructorRuns) {
    // The destructor records what its holder's pointer shows at that moment.
    struct TProbe : TComponent {
        TProbe** holder;
        TProbe** seen;
        TProbe(TProbe** holderPointer, TProbe** seenPointer)
            : TComponent(nullptr), holder(holderPointer), seen(seenPointer) {}
        ~TProbe() override { *seen = *holder; }
    };
    TProbe* seen = nullptr;
    TProbe* holder = nullptr;
    holder = new TProbe(&holder, &seen);
    seen = holder;
    FreeAndNil(holder);
    EXPECT_EQ(holder, nullptr);
    EXPECT_EQ(seen, nullptr);
}

TEST(RtlComponents, AssignCopiesOrRaisesWithBothClassNames) {
    TPoint3 a, b;
    a.x = 5;
    b.Assign(&a);
    EXPECT_EQ(b.x, 5);
    TComponent c(nullptr);
    try {
        b.Assign(&c);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TPoint3");
    }
    EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

TEST(RtlMetaClasses, InheritanceVirtualConstructionAndTheRegistry) {
    const TMetaClass* special = TSpecialWatcher::StaticClass();
    EXPECT_EQ(special->ClassName(), "TSpecialWatcher");
    EXPECT_EQ(special->ClassParent(), TWatcher::StaticClass());
    EXPECT_TRUE(special->InheritsFrom(TComponent::StaticClass()));
    EXPECT_TRUE(special->InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TWatcher::StaticClass()->InheritsFrom(special));

    TComponent owner(nullptr);
    TComponentClass cls = special;
    TComponent* made = CreateInstance<TComponent>(cls, &owner);
    EXPECT_EQ(made->ClassName(), "TSpecialWatcher");
    EXPECT_TRUE(made->Is<TWatcher>());
    EXPECT_EQ(made->GetOwner(), &owner);

    TPersistent* point = CreateInstance<TPersistent>(TPoint3::StaticClass());
    EXPECT_EQ(point->ClassName(), "TPoint3");
    delete point;

    RegisterClasses({TWatcher::StaticClass(), special});
    RegisterClass(special);
    EXPECT_EQ(GetClass("tspecialwatcher"), special);
    EXPECT_EQ(FindClass("TWatcher"), TWatcher::StaticClass());
    EXPECT_EQ(GetClass("TNothing"), nullptr);
    try {
        FindClass("TNothing");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNothing not found");
    }
    UnRegisterClass(special);
    EXPECT_EQ(GetClass("TSpecialWatcher"), nullptr);
    UnRegisterClass(TWatcher::StaticClass());
}

TEST(RtlLists, IndexErrorsCarryTheIndexAndObjectListsOwnTheirItems) {
    TList list;
    int a = 1, b = 2, c = 3;
    list.Add(&a);
    list.Add(&b);
    list.Insert(0, &c);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Move(0, 2);
    EXPECT_EQ(list[2], &c);
    list.Exchange(0, 1);
    EXPECT_EQ(list.First(), &b);
    EXPECT_EQ(list.Remove(&b), 0);
    EXPECT_EQ(list.Remove(&b), -1);
    try {
        list.Get(5);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(9, nullptr), EListError);
    list.SetCount(4);
    list.Pack();
    EXPECT_EQ(list.GetCount(), 2);
    list.Sort([](void* x, void* y) { return *static_cast<int*>(y) - *static_cast<int*>(x); });
    EXPECT_EQ(list.First(), &c);

    TObjectList owned;
    owned.Add(new TPoint3);
    owned.Add(new TPoint3);
    owned.Delete(0); // deletes the object; ASan would report a leak otherwise
    auto* kept = new TPoint3;
    owned.Add(kept);
    EXPECT_EQ(owned.Extract(kept), kept);
    delete kept;
}

TEST(RtlLists, BitsGrowOnSetAndRefuseBadIndexes) {
    TBits bits;
    bits.Set(2, true);
    EXPECT_EQ(bits.GetSize(), 3);
    EXPECT_FALSE(bits[0]);
    EXPECT_TRUE(bits[2]);
    EXPECT_EQ(bits.OpenBit(), 0);
    bits.Set(0, true);
    bits.Set(1, true);
    EXPECT_EQ(bits.OpenBit(), 3);
    EXPECT_THROW(bits.Get(3), EBitsError);
    EXPECT_THROW(bits.Set(-1, true), EBitsError);
    EXPECT_THROW(bits.Set(1 << 30, true), EBitsError);
    bits.SetSize(1);
    EXPECT_EQ(bits.GetSize(), 1);
}
