// The filter control's criteria: item links, IDs and names answered by the control's link.
#include "controls/grid/filtercontrol/FilterControlCriteria.h"

#include "controls/grid/filtercontrol/FilterControl.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

TcxFilterControlCriteria::TcxFilterControlCriteria(TcxCustomFilterControl* control) : control_(control) {
    SetVersion(StreamVersion);
}

IcxFilterControl* TcxFilterControlCriteria::Link() const {
    return control_ ? control_->GetFilterLink() : nullptr;
}

int TcxFilterControlCriteria::GetIDByItemLink(TObject* itemLink) const {
    IcxFilterControl* link = Link();
    if (!link) return -1;
    for (int i = 0, n = link->GetCount(); i < n; ++i)
        if (link->GetItemLink(i) == itemLink) return i;
    return -1;
}

std::string TcxFilterControlCriteria::GetNameByItemLink(TObject* itemLink) const {
    const int index = GetIDByItemLink(itemLink);
    return index < 0 ? std::string() : Link()->GetItemLinkName(index);
}

TObject* TcxFilterControlCriteria::GetItemLinkByID(int id) const {
    IcxFilterControl* link = Link();
    if (!link || id < 0 || id >= link->GetCount()) return nullptr;
    return link->GetItemLink(id);
}

TObject* TcxFilterControlCriteria::GetItemLinkByName(const std::string& name) const {
    IcxFilterControl* link = Link();
    if (!link) return nullptr;
    for (int i = 0, n = link->GetCount(); i < n; ++i)
        if (SameText(link->GetItemLinkName(i), name)) return link->GetItemLink(i);
    return nullptr;
}

TcxFilterCriteriaItem* TcxFilterControlCriteria::CreateItem(TcxFilterCriteriaItemList* parent) {
    return new TcxFilterControlCriteriaItem(parent);
}

int TcxFilterControlCriteriaItem::ItemIndex() const {
    auto* criteria = static_cast<TcxFilterControlCriteria*>(GetCriteria());
    if (!criteria || !criteria->GetControl()) return -1;
    return criteria->GetIDByItemLink(GetItemLink());
}

std::string TcxFilterControlCriteriaItem::GetFieldCaption() const {
    const int index = ItemIndex();
    if (index < 0) return {};
    return static_cast<TcxFilterControlCriteria*>(GetCriteria())->GetControl()->GetFilterLink()->GetCaption(index);
}

std::string TcxFilterControlCriteriaItem::GetFieldName() const {
    const int index = ItemIndex();
    if (index < 0) return {};
    return static_cast<TcxFilterControlCriteria*>(GetCriteria())->GetControl()->GetFilterLink()->GetFieldName(index);
}

TcxFilterOperatorClass TcxFilterControlCriteriaItem::GetOperatorClass() const {
    TcxFilterOperatorClass result = TcxFilterCriteriaItem::GetOperatorClass();
    auto* criteria = static_cast<TcxFilterControlCriteria*>(GetCriteria());
    if (criteria && criteria->GetControl()) criteria->GetControl()->AdjustOperatorClass(result);
    return result;
}

} // namespace zorvy
