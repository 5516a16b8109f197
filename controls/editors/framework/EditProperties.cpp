#include "controls/editors/framework/EditProperties.h"

#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditResources.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "platform/classlib/Controls.h"

#include <algorithm>

namespace zorvy {

namespace {
std::vector<TcxCustomEditProperties*>& PropertiesList() {
    static std::vector<TcxCustomEditProperties*> list;
    return list;
}
} // namespace

const std::vector<TcxCustomEditProperties*>& AllEditProperties() {
    return PropertiesList();
}

// ---- TcxCustomEditDefaultValuesProvider ----

TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider() {
    DetachFromAllProperties();
}

void TcxCustomEditDefaultValuesProvider::DetachFromAllProperties() {
    for (TcxCustomEditProperties* properties : PropertiesList())
        if (properties->GetDefaultValuesProvider() == this) properties->DropDefaultValuesProvider();
}

// ---- TcxCustomEditPropertiesValues ----

TcxCustomEditProperties* TcxCustomEditPropertiesValues::Properties() const {
    return dynamic_cast<TcxCustomEditProperties*>(owner_);
}

void TcxCustomEditPropertiesValues::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomEditPropertiesValues*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginOwnerChanges();
    SetMaxValue(other->maxValue_);
    SetMinValue(other->minValue_);
    SetReadOnly(other->readOnly_);
    EndOwnerChanges();
}

void TcxCustomEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    SetMaxValue(false);
    SetMinValue(false);
    SetReadOnly(false);
    EndOwnerChanges();
}

bool TcxCustomEditPropertiesValues::IsMaxValueStored() const {
    TcxCustomEditProperties* p = Properties();
    return maxValue_ && p && p->GetMaxValue() == 0;
}

bool TcxCustomEditPropertiesValues::IsMinValueStored() const {
    TcxCustomEditProperties* p = Properties();
    return minValue_ && p && p->GetMinValue() == 0;
}

void TcxCustomEditPropertiesValues::BeginOwnerChanges() {
    if (TcxCustomEditProperties* p = Properties()) p->BeginChanges();
}

void TcxCustomEditPropertiesValues::EndOwnerChanges() {
    if (TcxCustomEditProperties* p = Properties()) p->EndChanges(true);
}

void TcxCustomEditPropertiesValues::OwnerChanged() {
    if (TcxCustomEditProperties* p = Properties()) p->Changed();
}

void TcxCustomEditPropertiesValues::SetFlag(bool& flag, bool value) {
    if (flag == value) return;
    flag = value;
    OwnerChanged();
}

// ---- TcxCustomEditProperties ----

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* owner)
    : TcxInterfacedPersistent(owner), owner_(owner) {
    PropertiesList().push_back(this);
    freeNotificator_ = std::make_unique<TcxFreeNotificator>(nullptr);
    freeNotificator_->OnComponentFreed = [this](TObject*, TComponent* c) { ComponentFreed(c); };
    alignment_ = std::make_unique<TcxEditAlignment>(this);
    alignment_->OnChanged = [this](TObject* sender) { AlignmentChanged(sender); };
    assignedValues_.reset(CreatePropertiesValues());
    buttons_ = std::make_unique<TcxEditButtons>(this);
    buttons_->OnChange = [this](TObject* sender) { ButtonsChanged(sender); };
    useLeftAlignmentOnEditing_ = DefaultUseLeftAlignmentOnEditing();
}

TcxCustomEditProperties::~TcxCustomEditProperties() {
    DisconnectPropertiesEverywhere(this);
    provider_ = nullptr;
    OnPropertiesChanged = nullptr;
    buttons_.reset();
    assignedValues_.reset();
    alignment_.reset();
    freeNotificator_.reset();
    std::erase(PropertiesList(), this);
}

bool TcxCustomEditProperties::OwnerIsDestroying() const {
    auto* component = dynamic_cast<TComponent*>(owner_);
    return component && component->HasState(csDestroying);
}

void TcxCustomEditProperties::BeginChanges() {
    if (updateCount_ == 0) changePending_ = false;
    ++updateCount_;
}

void TcxCustomEditProperties::EndChanges(bool notify) {
    if (updateCount_ <= 0) return;
    if (--updateCount_ == 0 && notify && changePending_) Changed();
}

bool TcxCustomEditProperties::ChangeNotificationAllowed() const {
    return !changesLocked_ && updateCount_ == 0 && !OwnerIsDestroying();
}

void TcxCustomEditProperties::Changed() {
    if (ChangeNotificationAllowed()) {
        changePending_ = false;
        if (OnPropertiesChanged) OnPropertiesChanged(this);
    } else {
        changePending_ = true;
    }
}

void TcxCustomEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomEditProperties*>(source);
    if (!other) {
        TcxInterfacedPersistent::Assign(source);
        return;
    }
    BeginChanges();
    SetAutoSelect(other->autoSelect_);
    buttons_->Assign(other->buttons_.get());
    SetButtonsViewStyle(other->buttonsViewStyle_);
    BeepOnError = other->BeepOnError;
    ClearKey = other->ClearKey;
    ClickKey = other->ClickKey;
    useLeftAlignmentOnEditing_ = other->useLeftAlignmentOnEditing_;
    provider_ = other->provider_;
    SetAlignment(other->GetAlignment());
    assignedValues_->maxValue_ = false;
    if (other->assignedValues_->maxValue_) SetMaxValue(other->GetMaxValue());
    assignedValues_->minValue_ = false;
    if (other->assignedValues_->minValue_) SetMinValue(other->GetMinValue());
    assignedValues_->readOnly_ = false;
    if (other->assignedValues_->readOnly_) SetReadOnly(other->GetReadOnly());
    ImmediatePost = other->ImmediatePost;
    SetTransparent(other->transparent_);
    UseMouseWheel = other->UseMouseWheel;
    ValidateOnEnter = other->ValidateOnEnter;
    OnButtonClick = other->OnButtonClick;
    OnChange = other->OnChange;
    OnEditValueChanged = other->OnEditValueChanged;
    OnValidate = other->OnValidate;
    EndChanges(true);
}

void TcxCustomEditProperties::AttachDefaultValuesProvider(IcxEditDefaultValuesProvider* provider) {
    provider_ = provider;
    if (dynamic_cast<TControl*>(owner_)) Changed();
}

TAlignment TcxCustomEditProperties::ResolveHorzAlignment() {
    return provider_ ? provider_->GetDefaultAlignment() : alignment_->GetHorz();
}

bool TcxCustomEditProperties::UsesProviderDisplayFormat(bool isEditing) {
    if (isEditing || (GetFormatFlags() & 1) == 0 || !provider_) return false;
    return provider_->HasDisplayFormat((GetFormatFlags() & 2) == 0);
}

bool TcxCustomEditProperties::UsesSourceDisplayFormat(bool isEditing) {
    if ((GetFormatFlags() & 1) == 0) return false;
    if (UsesDefaultFormatting(isEditing) != !isEditing) return false;
    return provider_ && provider_->HasDisplayFormat((GetFormatFlags() & 2) == 0);
}

// ---- settings ----

void TcxCustomEditProperties::AlignmentChanged(TObject*) {
    innerAlignment_.vert_ = alignment_->vert_;
    innerAlignment_.horz_ = alignment_->horz_;
    innerAlignment_.isHorzAssigned_ = alignment_->isHorzAssigned_;
    Changed();
}

TcxEditAlignment* TcxCustomEditProperties::GetAlignment() {
    TNotifyEvent handler = std::move(alignment_->OnChanged);
    alignment_->OnChanged = nullptr;
    alignment_->vert_ = innerAlignment_.vert_;
    alignment_->horz_ = innerAlignment_.horz_;
    alignment_->isHorzAssigned_ = innerAlignment_.isHorzAssigned_;
    auto* component = dynamic_cast<TComponent*>(owner_);
    const bool writing = component && component->HasState(csWriting);
    if (!(IsAlignmentStored() && writing) && !alignment_->isHorzAssigned_) alignment_->horz_ = ResolveHorzAlignment();
    alignment_->OnChanged = std::move(handler);
    return alignment_.get();
}

void TcxCustomEditProperties::SetAlignment(TcxEditAlignment* value) {
    innerAlignment_.vert_ = value->vert_;
    innerAlignment_.horz_ = value->horz_;
    innerAlignment_.isHorzAssigned_ = value->isHorzAssigned_;
    Changed();
}

bool TcxCustomEditProperties::IsAlignmentStored() const {
    return innerAlignment_.HorzNeedsStoring() || innerAlignment_.VertNeedsStoring();
}

void TcxCustomEditProperties::SetAutoSelect(bool value) {
    if (autoSelect_ == value) return;
    autoSelect_ = value;
    Changed();
}

void TcxCustomEditProperties::SetButtonsViewStyle(TcxEditButtonsViewStyle value) {
    if (buttonsViewStyle_ == value) return;
    buttonsViewStyle_ = value;
    Changed();
}

double TcxCustomEditProperties::GetMaxValue() {
    if (assignedValues_->maxValue_) return maxValue_;
    return provider_ ? provider_->GetMaxValue() : 0;
}

void TcxCustomEditProperties::SetMaxValue(double value) {
    if (assignedValues_->maxValue_ && maxValue_ == value) return;
    assignedValues_->maxValue_ = true;
    maxValue_ = value;
    Changed();
}

double TcxCustomEditProperties::GetMinValue() {
    if (assignedValues_->minValue_) return minValue_;
    return provider_ ? provider_->GetMinValue() : 0;
}

void TcxCustomEditProperties::SetMinValue(double value) {
    if (assignedValues_->minValue_ && minValue_ == value) return;
    assignedValues_->minValue_ = true;
    minValue_ = value;
    Changed();
}

bool TcxCustomEditProperties::GetReadOnly() {
    if (assignedValues_->readOnly_) return readOnly_;
    return provider_ && provider_->IsReadOnly();
}

void TcxCustomEditProperties::SetReadOnly(bool value) {
    if (assignedValues_->readOnly_ && readOnly_ == value) return;
    assignedValues_->readOnly_ = true;
    readOnly_ = value;
    Changed();
}

bool TcxCustomEditProperties::CanModify() {
    if (assignedValues_->readOnly_ && !readOnly_) return true;
    if (GetReadOnly()) return false;
    if (!provider_) return true;
    return provider_->CanModifyValue() && provider_->CanEnterEditMode();
}

void TcxCustomEditProperties::SetTransparent(bool value) {
    if (transparent_ == value) return;
    transparent_ = value;
    Changed();
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool value) {
    if (useLeftAlignmentOnEditing_ == value) return;
    useLeftAlignmentOnEditing_ = value;
    Changed();
}

int TcxCustomEditProperties::GetCapabilities() const {
    return buttons_->GetCount() > 0 ? 32 : 0;
}

std::string TcxCustomEditProperties::MakeValidationErrorText(int) const {
    return ResolveResourceString(scxEditValidateErrorText);
}

// ---- values and display ----

void TcxCustomEditProperties::FormatDisplayText(const Variant&, std::string& text, bool) {
    text.clear();
}

void TcxCustomEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    displayValue = value;
}

bool TcxCustomEditProperties::SameDisplayValue(const Variant& value1, const Variant& value2) {
    Variant d1, d2;
    ToDisplayValue(value1, d1, false);
    ToDisplayValue(value2, d2, false);
    return d1 == d2;
}

void TcxCustomEditProperties::ResetToDefaults() {
    innerAlignment_.isHorzAssigned_ = false;
    BeginChanges();
    assignedValues_->ClearAll();
    EndChanges(true);
}

void TcxCustomEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit,
                                                 bool& error) {
    if (!SupportsValidation()) return;
    if (errorText.empty()) errorText = MakeValidationErrorText(0);
    bool changed;
    RunValidateEvent(displayValue, errorText, changed, edit, error);
}

void TcxCustomEditProperties::RunValidateEvent(Variant& displayValue, std::string& errorText, bool& changed,
                                               TcxCustomEdit* edit, bool& error) {
    changed = false;
    if (!edit->HasValidateHandler()) return;
    const Variant saved = displayValue;
    edit->FireValidate(displayValue, errorText, error);
    if (!error) return;
    changed = VarToStr(displayValue) != VarToStr(saved);
    if (!changed) displayValue = Variant(edit->ReadDisplayText());
}

// ---- factory ----

TcxCustomEditProperties* TcxCustomEditProperties::CreateEmptyCopy() const {
    return CreateInstance<TcxCustomEditProperties>(ClassType(), nullptr);
}

const TMetaClass* TcxCustomEditProperties::GetEditControlClass() const {
    return TcxCustomEdit::StaticClass();
}

TcxCustomEdit* TcxCustomEditProperties::CreateEditControl(bool inplace) const {
    return new TcxCustomEdit(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag) {
    auto* viewData = new TcxCustomEditViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomEditProperties::GetViewInfoClass() const {
    return TcxCustomEditViewInfo::StaticClass();
}

TcxCustomEditViewInfo* TcxCustomEditProperties::CreateViewInfo() const {
    return CreateInstance<TcxCustomEditViewInfo>(GetViewInfoClass());
}

void TcxCustomEditProperties::MeasureEditorSize(TcxCanvas* canvas, TcxCustomEditStyle* style, bool isInplace,
                                                const Variant& value, TSize& size,
                                                const TcxEditSizeProperties& limits) {
    std::unique_ptr<TcxCustomEditViewData> viewData(MakeViewData(style, isInplace, false));
    viewData->MeasureEditorSize(canvas, value, limits, nullptr, size);
}

} // namespace zorvy
