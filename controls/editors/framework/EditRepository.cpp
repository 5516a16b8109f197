#include "controls/editors/framework/EditRepository.h"

#include "controls/editors/framework/Edit.h"
#include "controls/foundation/graphics/Region.h"
#include "platform/classlib/Controls.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {
TcxRegisteredClasses* propertiesRegistry = nullptr;
TcxEditRepository* defaultRepository = nullptr;
} // namespace

// ---- TcxEditRepositoryItem ----

TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* owner, const TMetaClass* propertiesClass)
    : TComponent(owner),
      properties_(CreateInstance<TcxCustomEditProperties>(
          propertiesClass ? propertiesClass : TcxCustomEditProperties::StaticClass(), this)) {
    properties_->OnPropertiesChanged = [this](TObject*) { NotifyListeners(); };
}

TcxEditRepositoryItem::~TcxEditRepositoryItem() {
    while (!listeners_.empty()) {
        IcxRepositoryItemSubscriber* listener = listeners_.back();
        listeners_.pop_back();
        listener->ItemRemoved(this);
    }
    SetRepository(nullptr);
    properties_->OnPropertiesChanged = nullptr;
    delete properties_;
}

void TcxEditRepositoryItem::SetProperties(TcxCustomEditProperties* value) {
    properties_->Assign(value);
}

const TMetaClass* TcxEditRepositoryItem::GetPropertiesClass() const {
    return properties_->ClassType();
}

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* repository) {
    if (repository == repository_) return;
    if (repository_) repository_->RemoveItem(this);
    if (repository) repository->AddItem(this);
}

std::string TcxEditRepositoryItem::GetBaseName() const {
    const std::string repositoryName = repository_ ? repository_->GetName() : std::string();
    const std::string& className = ClassName();
    static const std::string prefix = "TcxEditRepository";
    const std::size_t at = className.find(prefix);
    if (at == std::string::npos) return repositoryName;
    return repositoryName + className.substr(at + prefix.size());
}

void TcxEditRepositoryItem::AddListener(IcxRepositoryItemSubscriber* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) listeners_.push_back(listener);
}

void TcxEditRepositoryItem::RemoveListener(IcxRepositoryItemSubscriber* listener) {
    std::erase(listeners_, listener);
}

void TcxEditRepositoryItem::NotifyListeners() {
    const std::vector<IcxRepositoryItemSubscriber*> listeners = listeners_;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it) (*it)->ItemPropertiesChanged(this);
}

// ---- TcxEditRepository ----

TcxEditRepository::~TcxEditRepository() {
    Clear();
}

TcxEditRepositoryItem* TcxEditRepository::CreateItemOwnedBy(const TMetaClass* itemClass, TComponent* owner) {
    auto* item = CreateInstance<TcxEditRepositoryItem>(itemClass, owner);
    item->SetRepository(this);
    return item;
}

void TcxEditRepository::AddItem(TcxEditRepositoryItem* item) {
    if (std::find(items_.begin(), items_.end(), item) != items_.end()) return;
    items_.push_back(item);
    item->repository_ = this;
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem* item) {
    std::erase(items_, item);
    if (item->repository_ == this) item->repository_ = nullptr;
}

void TcxEditRepository::Clear() {
    while (!items_.empty()) delete items_.back();
}

// ---- globals ----

TcxRegisteredClasses* GetEditPropertiesRegistry() {
    if (!propertiesRegistry) {
        propertiesRegistry = new TcxRegisteredClasses(false);
        propertiesRegistry->SetSortedOrder(true);
    }
    return propertiesRegistry;
}

TcxEditRepository* GetDefaultEditRepository() {
    if (!defaultRepository) defaultRepository = new TcxEditRepository(nullptr);
    return defaultRepository;
}

void FreeEditRegistries() {
    FreeAndNil(propertiesRegistry);
    FreeAndNil(defaultRepository);
}

// ---- routines ----

TObject* StandaloneSenderOrNil(TcxCustomEdit* edit) {
    return edit && !edit->IsInplace() ? edit : nullptr;
}

TComponent* OwningComponentOf(TPersistent* persistent) {
    while (persistent) {
        if (auto* component = dynamic_cast<TComponent*>(persistent)) return component;
        persistent = persistent->GetOwner();
    }
    return nullptr;
}

bool IsBlankChar(char32_t ch) {
    return ch == 0 || ch == 9 || ch == 10 || ch == 12 || ch == 13 || ch == ' ';
}

void SendKeyDownMessage(TWinControl* edit, std::uint16_t key) {
    SendMessage(edit->GetHandle(), WM_KEYDOWN, key, 0);
}

void SendCharMessage(TWinControl* edit, char32_t ch) {
    SendMessage(edit->GetHandle(), WM_CHAR, ch, 0);
}

TShiftState MouseButtonShiftBit(TMouseButton button) {
    switch (button) {
    case mbLeft:
        return ssLeft;
    case mbRight:
        return ssRight;
    default:
        return ssMiddle;
    }
}

TShiftState MouseButtonCodeShiftBit(int code) {
    static constexpr TShiftState Bits[] = {0, ssLeft, ssRight, ssMiddle};
    return code >= 0 && code <= 3 ? Bits[code] : 0;
}

void EnlargeSizeTo(TSize& size, const TSize& other) {
    size.cx = std::max(size.cx, other.cx);
    size.cy = std::max(size.cy, other.cy);
}

bool IsRegionEmpty(const TcxRegion* region) {
    return IsRectEmpty(region->GetBoundsRect());
}

void UniteRegions(TcxRegion* region, TcxRegion* other) {
    region->CombineWith(other, roAdd, false);
}

} // namespace zorvy
