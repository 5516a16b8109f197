// The image combo box: items, settings, lookup data, the control, its filter helper and the unit.
#include "controls/editors/combos/ImageComboBox.h"

#include "controls/data/Variants.h"
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryImageComboBoxItem,
                     "ImageComboBox|Represents an editor displaying the list of images and text strings within the dropdown window");

// ---- items ----

void TcxImageComboBoxItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxImageComboBoxItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    description_ = other->description_;
    imageIndex_ = other->imageIndex_;
    Tag = other->Tag;
    value_ = other->value_;
    Changed(false);
}

void TcxImageComboBoxItem::SetDescription(const std::string& value) {
    if (value == description_) return;
    description_ = value;
    Changed(false);
}

void TcxImageComboBoxItem::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    Changed(false);
}

void TcxImageComboBoxItem::SetValue(const Variant& value) {
    if (VariantsIdentical(value, value_)) return;
    value_ = value;
    Changed(false);
}

TcxImageComboBoxItems::TcxImageComboBoxItems(TPersistent* owner)
    : TOwnedCollection(owner, TcxImageComboBoxItem::StaticClass()) {}

void TcxImageComboBoxItems::Notify(TCollectionItem* item, TCollectionNotification action) {
    if (action == cnAdded) {
        auto* properties = dynamic_cast<TcxCustomImageComboBoxProperties*>(GetOwner());
        const int position = item->GetIndex();
        if (properties && properties->GetImages() && properties->GetImages()->GetCount() > position)
            static_cast<TcxImageComboBoxItem*>(item)->imageIndex_ = position;
    }
    TOwnedCollection::Notify(item, action);
}

void TcxImageComboBoxItems::Update(TCollectionItem* item) {
    TOwnedCollection::Update(item);
    // The text editor's item lines follow the descriptions, so that stepping, searching and the list
    // work on them; setting them is the settings' change.
    if (auto* properties = dynamic_cast<TcxCustomImageComboBoxProperties*>(GetOwner())) {
        std::vector<std::string> lines;
        for (int i = 0; i < GetCount(); ++i) lines.push_back(ItemAt(i)->GetDescription());
        if (lines == properties->GetLookupItems())
            properties->Changed();
        else
            properties->SetLookupItems(lines);
    }
}

// ---- settings ----

TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties(TPersistent* owner)
    : TcxCustomComboBoxProperties(owner), items_(std::make_unique<TcxImageComboBoxItems>(this)),
      imagesLink_(std::make_unique<TChangeLink>()), largeImagesLink_(std::make_unique<TChangeLink>()) {
    imagesLink_->OnChange = [this](TObject*) { Changed(); };
    largeImagesLink_->OnChange = [this](TObject*) { Changed(); };
    SuppressChanged(true);
    SetDropDownListStyle(lsFixedList);
    SuppressChanged(false);
}

TcxCustomImageComboBoxProperties::~TcxCustomImageComboBoxProperties() {
    SetImages(nullptr);
    SetLargeImages(nullptr);
}

void TcxCustomImageComboBoxProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomImageComboBoxProperties*>(source);
    if (!other) {
        TcxCustomComboBoxProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomImageComboBoxProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomComboBoxProperties::Assign(source);
    SetDefaultDescription(other->defaultDescription_);
    SetDefaultImageIndex(other->defaultImageIndex_);
    SetImageAlign(other->imageAlign_);
    SetImages(other->images_);
    SetItems(other->items_.get());
    SetLargeImages(other->largeImages_);
    SetMultiLineText(other->multiLineText_);
    SetShowDescriptions(other->showDescriptions_);
}

void TcxCustomImageComboBoxProperties::SetImageList(TCustomImageList*& field, TChangeLink* link,
                                                    TCustomImageList* value) {
    if (field == value) return;
    if (field) {
        field->UnRegisterChanges(link);
        GetFreeNotificator()->Unwatch(field);
    }
    field = value;
    if (field) {
        field->RegisterChanges(link);
        GetFreeNotificator()->Watch(field);
    }
    Changed();
}

void TcxCustomImageComboBoxProperties::SetImages(TCustomImageList* value) {
    SetImageList(images_, imagesLink_.get(), value);
}

void TcxCustomImageComboBoxProperties::SetLargeImages(TCustomImageList* value) {
    SetImageList(largeImages_, largeImagesLink_.get(), value);
}

void TcxCustomImageComboBoxProperties::ComponentFreed(TComponent* component) {
    TcxCustomComboBoxProperties::ComponentFreed(component);
    if (component == images_) images_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
}

TcxImageComboBoxItem* TcxCustomImageComboBoxProperties::FindItemByValue(const Variant& value) const {
    for (int i = 0; i < items_->GetCount(); ++i)
        if (VariantsEqualStrict(items_->ItemAt(i)->GetValue(), value)) return items_->ItemAt(i);
    return nullptr;
}

TcxImageComboBoxItem* TcxCustomImageComboBoxProperties::FindItemByDescription(const std::string& text) const {
    if (!showDescriptions_) return nullptr;
    for (int i = 0; i < items_->GetCount(); ++i)
        if (AnsiSameText(items_->ItemAt(i)->GetDescription(), text)) return items_->ItemAt(i);
    return nullptr;
}

void TcxCustomImageComboBoxProperties::GetItemInfo(const TcxImageComboBoxItem* item, std::string& description,
                                                   int& imageIndex) const {
    description = !showDescriptions_ ? std::string() : item ? item->GetDescription() : defaultDescription_;
    imageIndex = item ? item->GetImageIndex() : defaultImageIndex_;
}

int TcxCustomImageComboBoxProperties::GetCapabilities() const {
    const int base = GetButtons()->GetCount() > 0 ? 0x33C : 0x31C;
    return base | (showDescriptions_ ? 0x40 : 0);
}

void TcxCustomImageComboBoxProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    const TcxImageComboBoxItem* item = FindItemByValue(value);
    displayValue = Variant(item ? item->GetDescription() : defaultDescription_);
}

void TcxCustomImageComboBoxProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    Variant display;
    ToDisplayValue(value, display, isEditing);
    text = VarToStr(display);
}

bool TcxCustomImageComboBoxProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    std::string text1, text2;
    int image1 = -1, image2 = -1;
    GetValueInfo(value1, text1, image1);
    GetValueInfo(value2, text2, image2);
    return text1 == text2 && (!images_ || image1 == image2);
}

const TMetaClass* TcxCustomImageComboBoxProperties::GetLookupDataClass() const {
    return TcxImageComboBoxLookupData::StaticClass();
}

TcxCustomEditViewData* TcxCustomImageComboBoxProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                       bool flag) {
    auto* viewData = new TcxImageComboBoxViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomImageComboBoxProperties::GetViewInfoClass() const {
    return TcxImageComboBoxViewInfo::StaticClass();
}

const TMetaClass* TcxCustomImageComboBoxProperties::GetEditControlClass() const {
    return TcxImageComboBox::StaticClass();
}

TcxCustomEdit* TcxCustomImageComboBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxImageComboBox(nullptr, inplace, ClassType());
}

// ---- lookup data ----

const TcxCustomImageComboBoxProperties* TcxImageComboBoxLookupData::ImageProperties() const {
    return dynamic_cast<const TcxCustomImageComboBoxProperties*>(Properties());
}

std::string TcxImageComboBoxLookupData::GetItemText(int index) const {
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    if (!p || index < 0 || index >= p->GetItems()->GetCount()) return {};
    return p->GetItems()->ItemAt(index)->GetDescription();
}

int TcxImageComboBoxLookupData::GetItemCount() const {
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    return p ? p->GetItems()->GetCount() : 0;
}

const TMetaClass* TcxImageComboBoxLookupData::GetListBoxClass() const {
    return TcxImageComboBoxListBox::StaticClass();
}

void TcxImageComboBoxLookupData::SyncWithEditText() {
    TcxCustomTextEdit* edit = Edit();
    const TcxCustomImageComboBoxProperties* p = ImageProperties();
    if (!edit || !p || edit->IsLookupSyncLocked()) return;
    const TcxImageComboBoxItem* item = p->FindItemByValue(edit->GetEditValue());
    const int key = item ? item->GetIndex() : -1;
    // The list's own selection stays while the value still names the current item.
    if (key != GetCurrentKey()) SetCurrentKey(key);
}

// ---- the control ----

Variant TcxCustomImageComboBox::LookupItemToValue(int key) const {
    TcxImageComboBoxItems* items = GetImageProperties()->GetItems();
    if (key < 0 || key >= items->GetCount()) return Variant::Null();
    return items->ItemAt(key)->GetValue();
}

void TcxCustomImageComboBox::SetItemIndex(int index) {
    const int count = GetImageProperties()->GetItems()->GetCount();
    SetEditValue(LookupItemToValue(index >= 0 && index < count ? index : -1));
}

void TcxCustomImageComboBox::ApplyDisplayValue(const Variant& value) {
    // A user's choice shows as typed text; validating it stores the item's value.
    if (IsUserChange()) {
        TcxCustomComboBox::ApplyDisplayValue(value);
        return;
    }
    ShowDisplayValue(value);
    StoreEditValue(LookupItemToValue(GetItemIndex()));
    SetEditModified(false);
}

void TcxCustomImageComboBox::ShowEditValue() {
    PushModifiedFlags();
    struct Pop {
        TcxCustomImageComboBox* edit;
        ~Pop() { edit->PopModifiedFlags(); }
    } pop{this};
    const int before = GetItemIndex();
    const TcxImageComboBoxItem* item = GetImageProperties()->FindItemByValue(GetEditValue());
    const int key = item ? item->GetIndex() : -1;
    if (GetLookupData()) {
        SetLookupSyncLocked(true);
        GetLookupData()->SetCurrentKey(key);
        SetLookupSyncLocked(false);
    }
    if (key != before && IsFocused()) StartModifying();
    TcxCustomComboBox::ShowEditValue();
    if (GetLookupData()) GetLookupData()->SetCurrentKey(key);
}

TSize TcxCustomImageComboBox::CalcPopupSize() {
    TSize size = TcxCustomComboBox::CalcPopupSize();
    if (GetImageProperties()->GetMultiLineText()) {
        size.cx = 0;
    } else if (auto* list = dynamic_cast<TcxImageComboBoxListBox*>(GetLookupList())) {
        size.cx = std::max(size.cx, list->GetListWidth());
    }
    return size;
}

// ---- filter helper ----

const TMetaClass* TcxFilterImageComboBoxHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                        TcxInplaceEditList*) const {
    return TcxImageComboBoxProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterImageComboBoxHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                            TcxValueTypeClass, bool extended) const {
    TcxFilterControlOperators set = FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) |
                                    FilterOperatorBit(fcoBlanks) | FilterOperatorBit(fcoNonBlanks);
    if (extended) set |= FilterOperatorBit(fcoInList) | FilterOperatorBit(fcoNotInList);
    return set;
}

void TcxFilterImageComboBoxHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                           TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterComboBoxHelper::PrepareFilterProperties(properties, source, keepButtons);
    if (auto* p = dynamic_cast<TcxCustomImageComboBoxProperties*>(properties)) {
        p->SetDropDownListStyle(lsFixedList);
        p->ImmediateDropDown = true;
        p->SetShowDescriptions(true);
    }
}

// ---- unit ----

namespace {
int imageComboBoxUnitCounter = 0;
}

void InitializeImageComboBoxUnit() {
    if (imageComboBoxUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxImageComboBoxProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryImageComboBoxItem));
    GetFilterEditHelperRegistry()->AddPair(TcxImageComboBoxProperties::StaticClass(),
                                           TcxFilterImageComboBoxHelper::StaticClass());
}

void FinalizeImageComboBoxUnit() {
    if (imageComboBoxUnitCounter == 0 || --imageComboBoxUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxImageComboBoxProperties::StaticClass(),
                                              TcxFilterImageComboBoxHelper::StaticClass());
}

} // namespace zorvy
