// Naming, renaming and small helper routines of ClassUtils.h.
#include "controls/foundation/classes/ClassUtils.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

#include <climits>
#include <cstring>

namespace zorvy {

std::string TextBeforeBar(const std::string& text) {
    return text.substr(0, text.find('|'));
}

static bool IsIdentifierChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

void StripToIdentifierChars(std::string& text) {
    std::string kept;
    for (size_t i = 0; i < text.size();) {
        size_t n = std::max<size_t>(CharLengthAt(text, i), 1);
        if (n == 1 && IsIdentifierChar(text[i])) kept += text[i];
        i += n;
    }
    text = std::move(kept);
}

void BuildItemComponentName(TComponent* view, const std::string& className, const std::string& prefix,
                            const std::string& baseText, int number, std::string& name) {
    std::string n = baseText;
    StripToIdentifierChars(n);
    if ((n.empty() || (n[0] >= '0' && n[0] <= '9')) && !className.empty()) {
        if (!prefix.empty() && StartsText(prefix, className)) {
            n = className.substr(prefix.size()) + n;
        } else {
            n = className + n;
            if (n[0] == 'T') n.erase(0, 1);
        }
    }
    name = (view ? view->GetName() : std::string()) + n;
    if (number > 0) name += IntToStr(number);
}

bool IsComponentNameFree(TComponent* owner, TComponent* item, const std::string& name) {
    if (!owner) return true;
    for (int i = 0; i < owner->GetComponentCount(); ++i) {
        TComponent* c = owner->GetComponent(i);
        if (c != item && SameText(c->GetName(), name)) return false;
    }
    return true;
}

void GenerateItemComponentName(TComponent* owner, TComponent* view, TComponent* item,
                               const std::string& prefix, const std::string& baseText, std::string& name) {
    int number = baseText.empty() ? 1 : 0;
    const std::string& className = item->ClassName();
    BuildItemComponentName(view, className, prefix, baseText, number, name);
    while (!IsComponentNameFree(owner, item, name) && number < INT_MAX)
        BuildItemComponentName(view, className, prefix, baseText, ++number, name);
}

void RenameSubComponentsByPrefix(TComponent* component, TComponent* owner, const std::string& newName,
                                 const std::string& oldName, int count,
                                 const std::function<TComponent*(TComponent*, int)>& getItem) {
    if (component->HasState(csAncestor)) return;
    for (int i = 0; i < count; ++i) {
        TComponent* item = getItem(component, i);
        if (!item || item->GetOwner() != owner) continue;
        const std::string& name = item->GetName();
        if (name.size() > oldName.size() && StartsText(oldName, name)) {
            try {
                item->SetName(newName + name.substr(oldName.size()));
            } catch (const EComponentError&) {
                // A name already taken keeps the item's old name.
            }
        }
    }
}

TPersistent* GetOwnerOf(TPersistent* persistent) {
    return persistent ? persistent->GetOwner() : nullptr;
}

void CopyPointerList(const TList* source, TList* dest) {
    dest->SetCount(source->GetCount());
    for (int i = 0; i < source->GetCount(); ++i)
        dest->Put(i, source->Get(i));
}

int DivideRoundingUp(int a, int b) {
    return a / b + (a % b != 0 ? 1 : 0);
}

TSize MakeSizeRecord(int cx, int cy) {
    return {cx, cy};
}

int GetMidpoint(int a1, int a2) {
    const long long sum = static_cast<long long>(a1) + a2;
    return static_cast<int>(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

bool MemoryStreamsEqual(TMemoryStream& stream1, TMemoryStream& stream2) {
    const int64_t size = stream1.GetSize();
    if (size != stream2.GetSize()) return false;
    return size == 0 || std::memcmp(stream1.Memory(), stream2.Memory(), size_t(size)) == 0;
}

void MoveMemoryBlock(const void* source, void* dest, size_t count) {
    if (count) std::memmove(dest, source, count);
}

int FloatSign(double x) {
    return x >= 0 ? 1 : -1;
}

} // namespace zorvy
