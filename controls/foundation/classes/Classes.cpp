// The base classes, lists, registries, width distributor, object links, free notificator and
// most-recently-used list of Classes.h.
#include "controls/foundation/classes/Classes.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/TextCollation.h"

#include <algorithm>

namespace zorvy {

// ---- base classes ----

TcxComponent::~TcxComponent() {
    ClearObjectLinksTo(this);
}

void TcxComponent::PrepareDestruction() {
    if (!IsBeingDestroyed()) Destroying();
}

void TcxComponent::FinishLoading() {
    TComponent::Loaded();
    RefreshFakeComponentLinks();
}

void TcxComponent::CollectLinkedComponents(TList*) {}

void TcxComponent::RefreshFakeComponentLinks() {
    if (!InDesignMode() || IsBeingDestroyed() || !GetOwner()) return;
    TList list;
    CollectLinkedComponents(&list);
    for (int i = 0; i < FakeLinkSlotCount(); ++i)
        StoreFakeLink(i, i < list.GetCount() ? static_cast<TComponent*>(list.Get(i)) : nullptr);
}

void TcxComponent::StoreFakeLink(int index, TComponent* component) {
    switch (index) {
    case 0:
        FakeComponentLink1 = component;
        break;
    case 1:
        FakeComponentLink2 = component;
        break;
    case 2:
        FakeComponentLink3 = component;
        break;
    default:
        break;
    }
}

void TcxObjectList::FreeAllItems() {
    for (int i = 0; i < GetCount(); ++i)
        delete GetItem(i);
    Clear();
}

void TcxOpenList::SetItem(int index, void* value) {
    if (index >= GetCount()) SetCount(index + 1);
    Put(index, value);
}

// ---- class registries ----

static bool Descends(TClass aClass, TClass ancestor) {
    return aClass && ancestor && aClass->InheritsFrom(ancestor);
}

bool TcxRegisteredClassList::FindPairIndex(TClass itemClass, int& index) const {
    for (int i = GetCount() - 1; i >= 0; --i) {
        TClass entryClass = pairs_[size_t(i)].ItemClass;
        if (Descends(itemClass, entryClass)) {
            index = i;
            return true;
        }
        if (Descends(entryClass, itemClass)) index = i;
    }
    return false;
}

TClass TcxRegisteredClassList::LookUp(TClass itemClass) const {
    int index = -1;
    return FindPairIndex(itemClass, index) ? pairs_[size_t(index)].RegisteredClass : nullptr;
}

void TcxRegisteredClassList::AddPair(TClass itemClass, TClass registeredClass) {
    TcxRegisteredClassListItemData pair{itemClass, registeredClass};
    int index = -1;
    if (FindPairIndex(itemClass, index))
        pairs_.insert(pairs_.begin() + index + 1, pair);
    else if (index != -1)
        pairs_.insert(pairs_.begin() + index, pair);
    else
        pairs_.push_back(pair);
}

void TcxRegisteredClassList::RemovePair(TClass itemClass, TClass registeredClass) {
    for (int i = GetCount() - 1; i >= 0; --i)
        if (pairs_[size_t(i)].ItemClass == itemClass && pairs_[size_t(i)].RegisteredClass == registeredClass)
            pairs_.erase(pairs_.begin() + i);
}

const TcxRegisteredClassListItemData& TcxRegisteredClassList::GetPair(int index) const {
    CheckListIndex(index, GetCount());
    return pairs_[size_t(index)];
}

void TcxRegisteredClasses::AddClass(TClass aClass, const std::string& description) {
    if (IndexOfClass(aClass) != -1) return;
    items_.push_back({description, aClass});
    if (sorted_) SortItems();
    if (registerClasses_) RegisterClass(aClass);
}

void TcxRegisteredClasses::RemoveClass(TClass aClass) {
    int index = IndexOfClass(aClass);
    if (index != -1) items_.erase(items_.begin() + index);
}

TClass TcxRegisteredClasses::GetClassAt(int index) const {
    CheckListIndex(index, ClassCount());
    return items_[size_t(index)].Class;
}

const std::string& TcxRegisteredClasses::GetDescription(int index) const {
    CheckListIndex(index, ClassCount());
    return items_[size_t(index)].Description;
}

std::string TcxRegisteredClasses::GetDisplayName(int index) const {
    const std::string& description = GetDescription(index);
    return description.substr(0, description.find('|'));
}

int TcxRegisteredClasses::IndexOfClass(TClass aClass) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Class == aClass) return static_cast<int>(i);
    return -1;
}

TClass TcxRegisteredClasses::FindClassByName(const std::string& className) const {
    for (const TItem& item : items_)
        if (item.Class && item.Class->ClassName() == className) return item.Class;
    return nullptr;
}

void TcxRegisteredClasses::SetSortedOrder(bool value) {
    if (sorted_ == value) return;
    sorted_ = value;
    if (sorted_) SortItems();
}

int TcxRegisteredClasses::CompareItems(int index1, int index2) const {
    int order = LocaleCompare(GetDisplayName(index1), GetDisplayName(index2), true);
    return (order > 0) - (order < 0);
}

void TcxRegisteredClasses::SortItems() {
    // Sort indexes through CompareItems so a descendant's comparison decides the order.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return CompareItems(a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(items_[size_t(i)]);
    items_ = std::move(sorted);
}

// ---- proportional width distribution ----

TcxAutoWidthItem* TcxAutoWidthObject::NewItem() {
    items_.push_back(std::make_unique<TcxAutoWidthItem>());
    return items_.back().get();
}

TcxAutoWidthItem* TcxAutoWidthObject::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[size_t(index)].get();
}

int TcxAutoWidthObject::GetTotalWidth() const {
    int total = 0;
    for (const auto& item : items_)
        total += item->Width;
    return total;
}

void TcxAutoWidthObject::DistributeWidth() {
    int restAvailable = AvailableWidth;
    int restNatural = GetTotalWidth();
    for (auto& item : items_)
        if (item->Fixed) {
            item->AutoWidth = item->Width;
            restAvailable -= item->AutoWidth;
            restNatural -= item->Width;
        }
    bool finalPass = false;
    bool froze;
    do {
        const int passAvailable = restAvailable;
        const int passNatural = restNatural;
        int sum = 0;
        froze = false;
        for (auto& item : items_) {
            if (item->AutoWidth != -1) continue;
            // Differences of cumulative rounded values: one pass's shares add up to passAvailable.
            const int share = MulDiv(sum + item->Width, passAvailable, passNatural) -
                              MulDiv(sum, passAvailable, passNatural);
            if (finalPass) {
                item->AutoWidth = share;
            } else if (item->MinWidth >= share) {
                item->AutoWidth = item->MinWidth;
                restAvailable -= item->MinWidth;
                restNatural -= item->Width;
                froze = true;
            }
            sum += item->Width;
        }
        if (!froze) finalPass = !finalPass;
    } while (restNatural != 0 && (froze || finalPass));
}

// ---- weak object links ----

namespace {
struct TcxObjectLinkController {
    std::vector<TcxObjectLink*> links; // live links
    int useCount = 0;
};
TcxObjectLinkController* linkController = nullptr;
} // namespace

TcxObjectLink* AcquireObjectLink(TObject* object) {
    if (!object) return nullptr;
    if (!linkController) linkController = new TcxObjectLinkController;
    ++linkController->useCount;
    auto* link = new TcxObjectLink(object);
    linkController->links.push_back(link);
    return link;
}

void DropObjectLink(TcxObjectLink* link) {
    if (!link) return;
    if (link->Ref && linkController) std::erase(linkController->links, link);
    delete link;
    if (linkController && --linkController->useCount == 0) {
        delete linkController;
        linkController = nullptr;
    }
}

void ClearObjectLinksTo(TObject* object) {
    if (!linkController) return;
    auto& links = linkController->links;
    for (size_t i = links.size(); i-- > 0;)
        if (links[i]->Ref == object) {
            links[i]->Ref = nullptr;
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
        }
}

bool ObjectLinkControllerExists() {
    return linkController != nullptr;
}

// ---- free notification ----

void TcxFreeNotificator::Watch(TComponent* component) {
    if (component) component->FreeNotification(this);
}

void TcxFreeNotificator::Unwatch(TComponent* component) {
    if (component) component->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && OnComponentFreed) OnComponentFreed(this, component);
}

// ---- most-recently-used list ----

TcxMRUItem* TcxMRUItems::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[size_t(index)];
}

void TcxMRUItems::SetMaxCount(int value) {
    value = std::max(value, 0);
    if (value == maxCount_) return;
    maxCount_ = value;
    ApplyMaxCount();
}

void TcxMRUItems::ApplyMaxCount() {
    if (maxCount_ != 0) TrimToCount(maxCount_);
}

void TcxMRUItems::TrimToCount(int count) {
    for (int i = GetCount() - 1; i >= count && i >= 0; --i)
        DeleteItem(i);
}

void TcxMRUItems::AddToFront(TcxMRUItem* item) {
    int index = IndexOfEqual(item);
    if (index != -1) {
        TcxMRUItem* existing = items_[size_t(index)];
        items_.erase(items_.begin() + index);
        items_.insert(items_.begin(), existing);
        delete item;
        return;
    }
    items_.insert(items_.begin(), item);
    ApplyMaxCount();
}

int TcxMRUItems::IndexOfEqual(const TcxMRUItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Equals(item)) return static_cast<int>(i);
    return -1;
}

void TcxMRUItems::DeleteItem(int index) {
    CheckListIndex(index, GetCount());
    delete items_[size_t(index)];
    items_.erase(items_.begin() + index);
}

void TcxMRUItems::ClearItems() {
    for (int i = GetCount() - 1; i >= 0; --i)
        DeleteItem(i);
}

} // namespace zorvy
