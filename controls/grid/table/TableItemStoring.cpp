// An item's copying, its extra form properties and its part of the view's stored layout.
#include "controls/data/DataController.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

void TcxCustomGridTableItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomGridTableItem*>(source);
    if (!other) {
        TcxComponent::Assign(source);
        return;
    }
    SetAlternateCaption(other->alternateCaption_);
    SetBestFitMaxWidth(other->bestFitMaxWidth_);
    if (other->dataBinding_) SetDataBinding(other->dataBinding_.get());
    captionAssigned_ = other->captionAssigned_;
    if (other->captionAssigned_) SetCaption(other->caption_);
    SetDateTimeGrouping(other->dateTimeGrouping_);
    SetGroupIndex(other->GetGroupIndex());
    headerAlignmentHorzAssigned_ = other->headerAlignmentHorzAssigned_;
    headerAlignmentHorz_ = other->headerAlignmentHorz_;
    headerAlignmentVertAssigned_ = other->headerAlignmentVertAssigned_;
    headerAlignmentVert_ = other->headerAlignmentVert_;
    SetMinWidth(other->minWidth_);
    SetOptions(other->GetOptions());
    SetPropertiesClass(other->propertiesClass_);
    SetProperties(other->GetProperties());
    SetRepositoryItem(other->repositoryItem_);
    SetSortOrder(other->GetSortOrder());
    SetSortIndex(other->GetSortIndex());
    SetTag(other->tag_);
    SetVisible(other->visible_);
    SetVisibleForCustomization(other->visibleForCustomization_);
    widthAssigned_ = other->widthAssigned_;
    if (other->widthAssigned_) SetWidth(other->width_);
    OnGetDataText = other->OnGetDataText;
    OnGetDisplayText = other->OnGetDisplayText;
    OnGetFilterDisplayText = other->OnGetFilterDisplayText;
    OnGetFilterValues = other->OnGetFilterValues;
    OnInitFilteringDateRanges = other->OnInitFilteringDateRanges;
    OnUserFiltering = other->OnUserFiltering;
    OnGetProperties = other->OnGetProperties;
    OnGetPropertiesForEdit = other->OnGetPropertiesForEdit;
    OnGetStoredProperties = other->OnGetStoredProperties;
    OnGetStoredPropertyValue = other->OnGetStoredPropertyValue;
    OnSetStoredPropertyValue = other->OnSetStoredPropertyValue;
}

void TcxCustomGridTableItem::DefineProperties(TFiler* filer) {
    TcxComponent::DefineProperties(filer);
    filer->DefineProperty(
        "Hidden", [this](TReader& reader) { if (reader.ReadBoolean()) SetVisibleForCustomization(false); }, nullptr,
        false);
    filer->DefineProperty(
        "IsCaptionAssigned", [this](TReader& reader) { captionAssigned_ = reader.ReadBoolean(); },
        [this](TWriter& writer) { writer.WriteBoolean(captionAssigned_); }, captionAssigned_ && caption_.empty());
}

std::string TcxCustomGridTableItem::GetStoredObjectName() const {
    if (gridView_ && !gridView_->GetStoringName().empty()) return std::to_string(id_);
    return GetName();
}

bool TcxCustomGridTableItem::GetStoredProperties(TStrings* properties) {
    for (const char* name : {"AlignmentHorz", "Index", "Visible", "SortOrder", "SortIndex", "WasVisibleBeforeGrouping"})
        properties->Add(name);
    if (OnGetStoredProperties) OnGetStoredProperties(this, properties);
    return true;
}

void TcxCustomGridTableItem::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "AlignmentHorz")
        value = Variant(static_cast<int32_t>(propertiesValue_ ? propertiesValue_->GetAlignment()->GetHorz() : taLeftJustify));
    else if (name == "Index")
        value = Variant(static_cast<int32_t>(index_));
    else if (name == "Visible")
        value = Variant(visible_);
    else if (name == "SortOrder")
        value = Variant(static_cast<int32_t>(GetSortOrder()));
    else if (name == "SortIndex")
        value = Variant(static_cast<int32_t>(GetSortIndex()));
    else if (name == "WasVisibleBeforeGrouping")
        value = Variant(wasVisibleBeforeGrouping_);
    else if (OnGetStoredPropertyValue)
        OnGetStoredPropertyValue(this, name, value);
}

void TcxCustomGridTableItem::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    if (name == "AlignmentHorz") {
        const auto alignment = static_cast<TAlignment>(value.AsInteger());
        if (!propertiesValue_ || propertiesValue_->GetAlignment()->GetHorz() == alignment) return;
        // The item stops sharing the default properties before it changes them.
        if (!properties_ && !repositoryItem_) {
            TcxCustomEditProperties* shared = propertiesValue_;
            SetPropertiesClass(shared->ClassType());
            SetProperties(shared);
        }
        propertiesValue_->GetAlignment()->SetHorz(alignment);
    } else if (name == "Index") {
        SetIndex(value.AsInteger());
    } else if (name == "Visible") {
        SetVisible(value.AsBoolean());
    } else if (name == "SortOrder") {
        SetSortOrder(static_cast<TcxDataSortOrder>(value.AsInteger()));
    } else if (name == "SortIndex") {
        SetSortIndex(value.AsInteger());
    } else if (name == "WasVisibleBeforeGrouping") {
        wasVisibleBeforeGrouping_ = value.AsBoolean();
    } else if (OnSetStoredPropertyValue) {
        OnSetStoredPropertyValue(this, name, value);
    }
}

} // namespace zorvy
