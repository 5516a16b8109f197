// The filter control's model: construction, the row tree and its conversions to and from criteria,
// adding and removing rows and values, apply, load and save, and the link to the filtered component.
#include "controls/grid/filtercontrol/FilterControl.h"

#include "controls/data/Variants.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditButtons.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"
#include "platform/classlib/Menus.h"
#include "platform/rtl/Streams.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

namespace {

constexpr TColor PartFontColors[4] = {clRed, clGreen, clMaroon, clBlue};
constexpr TFontStyles PartFontStyles[4] = {fsUnderline, fsUnderline, fsUnderline, 0};

std::string ValueTextOrBlank(const TcxValueInfo* value) {
    return VarIsNull(value->Value) ? ResolveResourceString(cxSFilterBlankCaption) : value->ValueText;
}

} // namespace

// ---- construction ----

TcxCustomFilterControl::TcxCustomFilterControl(TComponent* owner) : TcxControl(owner) {
    wantTabs_ = true; // so that SetWantTabs below sets the wanted keys
    SetWantTabs(false);
    criteria_ = std::make_unique<TcxFilterControlCriteria>(this);
    groupCaption_ = ResolveResourceString(cxSFilterGroupCaption);
    rootCaption_ = ResolveResourceString(cxSFilterRootGroupCaption);
    for (int i = 0; i < 4; ++i) boolOperatorTexts_[i] = GetBoolOperatorText(i);
    root_ = std::make_unique<TcxGroupViewInfo>(this, criteria_->GetRoot(), nullptr);
    rows_.push_back(root_.get());
    viewInfo_ = std::make_unique<TcxFilterControlViewInfo>(this);
    for (int i = 0; i < 4; ++i) {
        fonts_[i] = std::make_unique<TFont>();
        fonts_[i]->Assign(GetFont());
        fonts_[i]->SetColor(PartFontColors[i]);
        fonts_[i]->SetStyle(PartFontStyles[i]);
        fonts_[i]->OnChange = [this](TObject* sender) { PartFontChanged(sender); };
    }
    CreateInternalControls();
    SetBounds(GetLeft(), GetTop(), 300, 200);
    focused_.Row = root_.get();
    focused_.HitTest = fhtBoolOperator;
    nullString_ = ResolveResourceString(cxSFilterControlNullString);
    SharedFormatController()->AddListener(this);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetTabStop(false);
}

TcxCustomFilterControl::~TcxCustomFilterControl() {
    PrepareDestruction();
    SharedFormatController()->RemoveListener(this);
    StopMouseTracking(this);
    DestroyInternalControls();
    rows_.clear();
    root_.reset();
    viewInfo_.reset();
    criteria_.reset();
}

void TcxCustomFilterControl::CreateInternalControls() {
    comboBox_ = new TcxComboBox(nullptr);
    comboBox_->GetStyle()->GetLookAndFeel()->SetMaster(GetLookAndFeel());
    comboBox_->SetVisible(false);
    comboBox_->SetParentColor(true);
    comboBox_->GetProperties()->SetDropDownListStyle(lsFixedList);
    comboBox_->GetProperties()->GetButtons()->ButtonAt(0)->SetVisible(false);
    comboBox_->GetProperties()->OnCloseUp = [this](TObject*) { ComboCloseUp(); };
    comboBox_->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) {
        if (key == VK_SPACE) key = VK_RETURN;
    };
    comboBox_->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U' ') key = 0;
    };
    comboBox_->OnExit = [this](TObject*) { ComboExit(); };
    valueEditStyle_ = std::make_unique<TcxEditStyle>(nullptr);
    valueEditStyle_->SetFont(GetFontValue());
    valueEditStyle_->GetLookAndFeel()->SetMaster(GetLookAndFeel());
    valueEditStyle_->SetButtonTransparency(ebtHideUnselected);
    rowMenu_ = new TPopupMenu(this);
    const TResourceString* captions[] = {&cxSFilterAddCondition, &cxSFilterAddGroup, nullptr, &cxSFilterRemoveRow};
    for (int i = 0; i < 4; ++i) {
        auto* item = new TMenuItem(rowMenu_);
        item->Caption = captions[i] ? ResolveResourceString(*captions[i]) : "-";
        item->SetTag(i);
        item->OnClick = [this](TObject* sender) { RowMenuClick(sender); };
        rowMenu_->GetItems()->Add(item);
    }
    editList_ = std::make_unique<TcxInplaceEditList>();
    defaultProperties_ = std::make_unique<TcxTextEditProperties>(nullptr);
}

void TcxCustomFilterControl::DestroyInternalControls() {
    if (valueEditor_) valueEditor_->SetParent(nullptr);
    valueEditor_ = nullptr;
    editList_.reset();
    valueEditStyle_.reset();
    defaultProperties_.reset();
    delete rowMenu_;
    rowMenu_ = nullptr;
    delete comboBox_;
    comboBox_ = nullptr;
}

void TcxCustomFilterControl::RefreshTexts() {
    const TResourceString* captions[] = {&cxSFilterAddCondition, &cxSFilterAddGroup, nullptr, nullptr};
    for (int i = 0; i < 2; ++i) rowMenu_->GetItems()->GetItem(i)->Caption = ResolveResourceString(*captions[i]);
    rootCaption_ = ResolveResourceString(cxSFilterRootGroupCaption);
    groupCaption_ = ResolveResourceString(cxSFilterGroupCaption);
    viewInfo_->SetAddConditionCaption(ResolveResourceString(cxSFilterFooterAddCondition));
    for (int i = 0; i < 4; ++i) boolOperatorTexts_[i] = GetBoolOperatorText(i);
    nullString_ = ResolveResourceString(cxSFilterControlNullString);
    Refresh();
}

std::string TcxCustomFilterControl::GetBoolOperatorText(int code) const {
    static const TResourceString* const texts[] = {&cxSFilterBoolOperatorAnd, &cxSFilterBoolOperatorOr,
                                                   &cxSFilterBoolOperatorNotAnd, &cxSFilterBoolOperatorNotOr};
    return code >= 0 && code < 4 ? ResolveResourceString(*texts[code]) : std::string();
}

void TcxCustomFilterControl::AttachChildControls() {
    TcxControl::AttachChildControls();
    comboBox_->SetParent(this);
    RefreshTexts();
}

// ---- settings ----

void TcxCustomFilterControl::SetNullString(const std::string& value) {
    if (nullString_ == value) return;
    nullString_ = value;
    Refresh();
}

void TcxCustomFilterControl::SetShowLevelLines(bool value) {
    if (showLevelLines_ == value) return;
    showLevelLines_ = value;
    Invalidate();
}

void TcxCustomFilterControl::SetWantTabs(bool value) {
    if (wantTabs_ == value) return;
    wantTabs_ = value;
    SetWantedKeys(wkAllKeys | wkArrowKeys | wkCharKeys | (value ? unsigned(wkTabKey) : 0u));
}

void TcxCustomFilterControl::CopyFontToParts() {
    for (auto& font : fonts_) {
        font->SetName(GetFont()->GetName());
        font->SetHeight(GetFont()->GetHeight());
        font->SetCharset(GetFont()->GetCharset());
    }
}

void TcxCustomFilterControl::FontPropertyChanged() {
    TcxControl::FontPropertyChanged();
    if (!IsBeingLoaded() || HasState(csReading) || InDesignMode()) CopyFontToParts();
    Refresh();
}

void TcxCustomFilterControl::Loaded() {
    TcxControl::Loaded();
    Refresh();
}

void TcxCustomFilterControl::CMEnabledChanged(TMessage& m) {
    TcxControl::CMEnabledChanged(m);
    Refresh();
}

void TcxCustomFilterControl::Resize() {
    TcxControl::Resize();
    if (HandleAllocated()) Refresh();
}

TcxCustomEditProperties* TcxCustomFilterControl::GetDefaultProperties() {
    return defaultProperties_.get();
}

void TcxCustomFilterControl::ValidateSupportedOperators(TcxFilterControlOperators& operators) {
    if (!criteria_->SupportedLike) operators &= ~(FilterOperatorBit(fcoLike) | FilterOperatorBit(fcoNotLike));
}

bool TcxCustomFilterControl::HasItems() {
    IcxFilterControl* link = GetFilterLink();
    return link && link->GetCount() > 0;
}

void TcxCustomFilterControl::BeginUpdate() {
    ++lockCount_;
}

void TcxCustomFilterControl::EndUpdate() {
    if (lockCount_ > 0 && --lockCount_ == 0) Refresh();
}

void TcxCustomFilterControl::Refresh() {
    if (lockCount_ != 0 || IsBeingDestroyed() || IsBeingLoaded() || !HandleAllocated()) return;
    if (comboBox_ && comboBox_->GetDroppedDown()) return;
    ++lockCount_;
    try {
        LayoutChanged();
    } catch (...) {
        --lockCount_;
        throw;
    }
    --lockCount_;
}

// ---- rows ----

int TcxCustomFilterControl::IndexOfRow(const TcxCustomRowViewInfo* row) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] == row) return static_cast<int>(i);
    return -1;
}

void TcxCustomFilterControl::RefillRows() {
    rows_.clear();
    auto add = [this](auto&& self, TcxCustomRowViewInfo* row) -> void {
        rows_.push_back(row);
        if (!row->IsGroup()) return;
        auto* group = static_cast<TcxGroupViewInfo*>(row);
        for (int i = 0; i < group->GetCount(); ++i) self(self, group->GetRow(i));
    };
    add(add, root_.get());
}

void TcxCustomFilterControl::ClearRows() {
    root_->ClearRows();
    rows_.assign(1, root_.get());
    focused_ = {};
    focused_.Row = root_.get();
    focused_.HitTest = fhtBoolOperator;
    hot_ = {};
    root_->BoolOperator = goAnd;
    topRow_ = 0;
    leftOffset_ = 0;
}

void TcxCustomFilterControl::BuildGroupRows(TcxGroupViewInfo* row, TcxFilterCriteriaItemList* group) {
    row->BoolOperator = group->GetBoolOperatorKind();
    for (int i = 0; i < group->GetCount(); ++i) {
        TcxCustomFilterCriteriaItem* child = group->GetItem(i);
        if (child->IsItemList()) {
            auto* childRow = new TcxGroupViewInfo(this, child, row);
            BuildGroupRows(childRow, static_cast<TcxFilterCriteriaItemList*>(child));
        } else {
            new TcxConditionViewInfo(this, static_cast<TcxFilterCriteriaItem*>(child), row);
        }
    }
}

void TcxCustomFilterControl::RebuildFromCriteria() {
    BeginUpdate();
    try {
        ClearRows();
        BuildGroupRows(root_.get(), criteria_->GetRoot());
    } catch (...) {
        RefillRows();
        EndUpdate();
        throw;
    }
    RefillRows();
    EndUpdate();
}

bool TcxCustomFilterControl::IsValid() {
    for (TcxCustomRowViewInfo* row : rows_)
        if (!row->IsReady()) return false;
    return true;
}

void TcxCustomFilterControl::BuildGroupCriteria(TcxGroupViewInfo* row, TcxFilterCriteriaItemList* group) {
    group->SetBoolOperatorKind(static_cast<TcxFilterGroupOperator>(row->BoolOperator));
    for (int i = 0; i < row->GetCount(); ++i) {
        TcxCustomRowViewInfo* child = row->GetRow(i);
        if (child->IsGroup()) {
            BuildGroupCriteria(static_cast<TcxGroupViewInfo*>(child), group->AddItemList(goAnd));
            continue;
        }
        auto* condition = static_cast<TcxConditionViewInfo*>(child);
        TcxValuesViewInfo* values = condition->GetValues();
        const int code = condition->Operator;
        Variant value = values->GetCount() > 0 ? values->GetValue(0)->Value : Null();
        std::string text;
        if (code == fcoEqual || code == fcoNotEqual) {
            text = ValueTextOrBlank(values->GetValue(0));
        } else if (code == fcoBlanks || code == fcoNonBlanks) {
            text = ResolveResourceString(cxSFilterBlankCaption);
        } else if ((code == fcoBetween || code == fcoNotBetween) && values->GetCount() >= 2) {
            TcxValueInfo* first = values->GetValue(0);
            TcxValueInfo* second = values->GetValue(1);
            if (CompareVariants(first->Value, second->Value) > 0) std::swap(first, second);
            value = VarArrayFromPair(first->Value, second->Value);
            text = ValueTextOrBlank(first) + ";" + ValueTextOrBlank(second);
        } else if (code == fcoBetween || code == fcoNotBetween) {
            // A range short of its second bound stays an array, so it reads back as it was saved.
            if (values->GetCount() > 0) {
                value = VarArrayFromSingle(values->GetValue(0)->Value);
                text = ValueTextOrBlank(values->GetValue(0));
            }
        } else if ((code == fcoInList || code == fcoNotInList) && values->GetCount() > 0) {
            value = VarArrayFromSingle(values->GetValue(0)->Value);
            text = ValueTextOrBlank(values->GetValue(0));
            for (int j = 1; j < values->GetCount(); ++j) {
                VarArrayAppendValue(value, values->GetValue(j)->Value);
                text += ";" + ValueTextOrBlank(values->GetValue(j));
            }
        } else if (values->GetCount() > 0) {
            text = IsSoftNullValue(value) ? ResolveResourceString(cxSFilterBlankCaption)
                                          : values->GetValue(0)->ValueText;
        }
        group->AddItem(condition->GetItemLink(), ControlOperatorToCriteriaOperator(code), value, text);
    }
}

void TcxCustomFilterControl::BuildCriteria() {
    EndValueEditing(true);
    if (!IsValid()) return;
    criteria_->LockChanges();
    try {
        criteria_->RemoveAllItems();
        BuildGroupCriteria(root_.get(), criteria_->GetRoot());
    } catch (...) {
        criteria_->UnlockChanges();
        throw;
    }
    criteria_->UnlockChanges();
}

TcxGroupViewInfo* TcxCustomFilterControl::NearestGroup(TcxCustomRowViewInfo* row) const {
    if (!row) row = rows_.back();
    return row->IsGroup() ? static_cast<TcxGroupViewInfo*>(row) : row->GetParent();
}

TcxConditionViewInfo* TcxCustomFilterControl::FocusedCondition() const {
    return focused_.Row && !focused_.Row->IsGroup() ? static_cast<TcxConditionViewInfo*>(focused_.Row) : nullptr;
}

void TcxCustomFilterControl::AddCondition(TcxCustomRowViewInfo* row) {
    if (!HasItems()) return;
    TcxGroupViewInfo* group = NearestGroup(row);
    auto* condition = new TcxConditionViewInfo(this, nullptr, group);
    focused_.Row = condition;
    RefillRows();
    focused_.HitTest = fhtAddCondition;
    viewInfo_->Calculate();
    RecalculateScrollBars();
    MakeFocusedVisible();
    focused_.HitTest = fhtItem;
    viewInfo_->CalculateFocusRect();
    Invalidate();
}

void TcxCustomFilterControl::AddGroup() {
    if (!HasItems()) return;
    auto* group = new TcxGroupViewInfo(this, nullptr, NearestGroup(focused_.Row));
    RefillRows();
    AddCondition(group);
}

void TcxCustomFilterControl::AddValue() {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (!HasItems() || !condition) return;
    condition->GetValues()->AddValue();
    focused_.HitTest = fhtValue;
    focused_.ValueIndex = condition->GetValues()->GetCount() - 1;
    viewInfo_->Calculate();
    int widest = 0;
    for (TcxCustomRowViewInfo* row : rows_) widest = std::max(widest, row->MeasureWidth());
    leftOffset_ = std::max(0, widest - GetContentBounds().Right + 2);
    Refresh();
}

void TcxCustomFilterControl::RemoveRow() {
    if (!HasItems()) return;
    TcxCustomRowViewInfo* row = focused_.Row;
    if (!row || row == root_.get()) return;
    while (row->GetParent() != root_.get() && row->GetParent()->GetCount() == 1) row = row->GetParent();
    const int index = IndexOfRow(row);
    TcxCustomRowViewInfo* previous = rows_[static_cast<size_t>(index - 1)];
    rows_.clear();
    delete row;
    focused_.Row = previous;
    focused_.HitTest = previous->IsGroup() ? fhtBoolOperator : fhtItem;
    focused_.ValueIndex = -1;
    hot_ = {};
    RefillRows();
    viewInfo_->Calculate();
    RecalculateScrollBars();
    MakeFocusedVisible();
}

void TcxCustomFilterControl::RemoveValue() {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (!HasItems() || !condition) return;
    condition->GetValues()->DeleteValue(focused_.ValueIndex);
    if (focused_.ValueIndex > 0) --focused_.ValueIndex;
    viewInfo_->Calculate();
    RecalculateScrollBars();
    MakeFocusedVisible();
}

void TcxCustomFilterControl::RemoveFocused() {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (condition && focused_.HitTest == fhtValue &&
        (condition->Operator == fcoInList || condition->Operator == fcoNotInList) &&
        condition->GetValues()->GetCount() > 1)
        RemoveValue();
    else
        RemoveRow();
}

void TcxCustomFilterControl::Clear() {
    BeginUpdate();
    try {
        EndValueEditing(false);
        ClearRows();
        criteria_->RemoveAllItems();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- apply, load and save ----

void TcxCustomFilterControl::ApplyFilter() {
    IcxFilterControl* link = GetFilterLink();
    if (!link || !link->GetCriteria()) return;
    BuildCriteria();
    TcxFilterCriteria* target = link->GetCriteria();
    const bool other = target != criteria_.get();
    target->LockChanges();
    auto finish = [&] {
        target->UnlockChanges();
        if (other) criteria_->Assign(target);
        RebuildFromCriteria();
    };
    try {
        if (other) target->AssignCriteria(criteria_.get());
        if (OnApplyFilter) OnApplyFilter(this);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TcxCustomFilterControl::LoadFromFile(const std::string& fileName) {
    TStringStream stream(ReadFileBytes(fileName));
    LoadFromStream(stream);
}

void TcxCustomFilterControl::LoadFromStream(TStream& stream) {
    if (!HasItems()) RaiseFilterControlError(ResolveResourceString(cxSFilterErrorBuilding));
    TcxFilterControlCriteria scratch(this);
    scratch.ReadFromStream(stream);
    TcxFilterControlCriteria previous(this);
    previous.AssignCriteria(criteria_.get());
    Clear();
    try {
        criteria_->AssignCriteria(&scratch);
        RebuildFromCriteria();
    } catch (...) {
        criteria_->AssignCriteria(&previous);
        RebuildFromCriteria();
        throw;
    }
}

void TcxCustomFilterControl::SaveToFile(const std::string& fileName) {
    TStringStream stream;
    SaveToStream(stream);
    WriteFileBytesAtomically(fileName, stream.DataString());
}

void TcxCustomFilterControl::SaveToStream(TStream& stream) {
    BuildCriteria();
    criteria_->SaveToStream(stream);
}

std::string TcxCustomFilterControl::GetFilterCaption() {
    BuildCriteria();
    return criteria_->GetFilterCaption();
}

std::string TcxCustomFilterControl::GetFilterText() {
    BuildCriteria();
    return criteria_->GetFilterText();
}

// ---- the linked filter control ----

TcxFilterControl::~TcxFilterControl() {
    if (linkComponent_) linkComponent_->RemoveFreeNotification(this);
}

IcxFilterControl* TcxFilterControl::GetFilterLink() {
    return dynamic_cast<IcxFilterControl*>(linkComponent_);
}

void TcxFilterControl::SetLinkComponent(TComponent* value) {
    if (!dynamic_cast<IcxFilterControl*>(value)) value = nullptr;
    if (value == linkComponent_) return;
    if (linkComponent_) linkComponent_->RemoveFreeNotification(this);
    linkComponent_ = value;
    if (linkComponent_) linkComponent_->FreeNotification(this);
    UpdateFromLink();
}

void TcxFilterControl::UpdateFromLink() {
    IcxFilterControl* link = GetFilterLink();
    if (link && link->GetCriteria()) {
        if (link->GetCriteria() != GetCriteria()) GetCriteria()->Assign(link->GetCriteria());
        RebuildFromCriteria();
    } else {
        Clear();
    }
}

void TcxFilterControl::Notification(TComponent* component, TOperation operation) {
    TcxCustomFilterControl::Notification(component, operation);
    if (operation == opRemove && component == linkComponent_) {
        linkComponent_ = nullptr;
        UpdateFromLink();
    }
}

} // namespace zorvy
