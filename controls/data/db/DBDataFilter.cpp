#include "controls/data/db/DBDataFilter.h"

#include "controls/data/db/DBAdapters.h"
#include "controls/data/db/DBDataController.h"
#include "platform/db/DataSet.h"
#include "platform/rtl/Filer.h"

namespace zorvy {

TcxFilterOperatorClass TcxDBDataFilterCriteriaItem::GetOperatorClass() const {
    TcxFilterOperatorClass operatorClass = TcxDataFilterCriteriaItem::GetOperatorClass();
    auto* criteria = dynamic_cast<TcxDataFilterCriteria*>(GetCriteria());
    auto* controller = criteria ? dynamic_cast<TcxDBDataController*>(criteria->GetDataController()) : nullptr;
    TDataSet* dataSet = controller ? controller->GetDataSet() : nullptr;
    if (!dataSet) return operatorClass;
    if (auto* adapter = dynamic_cast<TcxDBFilterOperatorAdapter*>(FilterOperatorAdapters().FindFor(dataSet)))
        adapter->PrepareOperatorClass(const_cast<TcxDBDataFilterCriteriaItem*>(this), dataSet, operatorClass);
    return operatorClass;
}

TcxDBDataFilterCriteria::TcxDBDataFilterCriteria(TcxDBDataController* dataController)
    : TcxDataFilterCriteria(dataController) {}

TcxDBDataController* TcxDBDataFilterCriteria::DBController() const {
    return static_cast<TcxDBDataController*>(GetDataController());
}

void TcxDBDataFilterCriteria::SetAutoDataSetFilter(bool value) {
    if (autoDataSetFilter_ == value) return;
    autoDataSetFilter_ = value;
    NoteChange();
}

void TcxDBDataFilterCriteria::SetIgnoreOrigin(bool value) {
    if (ignoreOrigin_ == value) return;
    ignoreOrigin_ = value;
    NoteChange();
}

bool TcxDBDataFilterCriteria::IsDataSetFilterInEffect() const {
    return autoDataSetFilter_ && !DBController()->GetDBProvider().IsSmartRefresh();
}

bool TcxDBDataFilterCriteria::IsFiltering() const {
    return TcxDataFilterCriteria::IsFiltering() && !OnBeforeChange && !IsDataSetFilterInEffect();
}

void TcxDBDataFilterCriteria::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDBDataFilterCriteria*>(source);
    if (!other) {
        TcxDataFilterCriteria::Assign(source);
        return;
    }
    LockChanges();
    try {
        TcxDataFilterCriteria::Assign(source);
        SetAutoDataSetFilter(other->autoDataSetFilter_);
        SetIgnoreOrigin(other->ignoreOrigin_);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TcxDBDataFilterCriteria::RestoreDefaults() {
    LockChanges();
    try {
        TcxDataFilterCriteria::RestoreDefaults();
        SetAutoDataSetFilter(false);
        SetIgnoreOrigin(true);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

TcxFilterCriteriaItem* TcxDBDataFilterCriteria::CreateItem(TcxFilterCriteriaItemList* parent) {
    return new TcxDBDataFilterCriteriaItem(parent);
}

void TcxDBDataFilterCriteria::FormatFilterTextValue(const TcxFilterCriteriaItem*, const Variant& value,
                                                    std::string& text) const {
    if (OnFormatFilterTextValue)
        OnFormatFilterTextValue(const_cast<TcxDBDataFilterCriteria*>(this), value, text);
}

void TcxDBDataFilterCriteria::CopyEventHandlers(TcxFilterCriteria* source) {
    TcxDataFilterCriteria::CopyEventHandlers(source);
    if (auto* other = dynamic_cast<TcxDBDataFilterCriteria*>(source)) {
        OnBeforeChange = other->OnBeforeChange;
        OnFormatFilterTextValue = other->OnFormatFilterTextValue;
    }
}

void TcxDBDataFilterCriteria::DefinePublishedProperties(TFiler* filer) {
    TcxDataFilterCriteria::DefinePublishedProperties(filer);
    filer->DefineProperty(
        "AutoDataSetFilter", [this](TReader& r) { SetAutoDataSetFilter(r.ReadBoolean()); },
        [this](TWriter& w) { w.WriteBoolean(autoDataSetFilter_); }, autoDataSetFilter_);
    filer->DefineProperty(
        "IgnoreOrigin", [this](TReader& r) { SetIgnoreOrigin(r.ReadBoolean()); },
        [this](TWriter& w) { w.WriteBoolean(ignoreOrigin_); }, !ignoreOrigin_);
}

void TcxDBDataFilterCriteria::DoChanged() {
    TcxDBDataController* controller = DBController();
    if (IsExtraFilter() || IsDestroying() || controller->IsDestroying()) return;
    TDataSet* dataSet = controller->GetDataSet();
    if (dataSet && controller->GetDBProvider().IsDataSetEditing() && !checkingBrowseMode_) {
        checkingBrowseMode_ = true;
        try {
            controller->CheckBrowseMode();
        } catch (...) {
            // The filter is not applied over an edit that could not be finished.
            SetActive(false);
            checkingBrowseMode_ = false;
            throw;
        }
        checkingBrowseMode_ = false;
    }
    if (OnBeforeChange && !controller->IsLoading()) OnBeforeChange(this, dataSet, GetFilterText());
    if (IsDataSetFilterInEffect() && dataSet) ApplyToDataSet();
    TcxDataFilterCriteria::DoChanged();
    if (controller->GetDBProvider().IsSyncMode()) controller->CheckFocusedRow();
}

void TcxDBDataFilterCriteria::ApplyToDataSet() {
    TDataSet* dataSet = DBController()->GetDataSet();
    std::string text = GetFilterText();
    TFilterOptions options = HasOption(fcoCaseInsensitive) ? TFilterOptions(foCaseInsensitive) : TFilterOptions(0);
    bool filtered = GetActive() && !text.empty();
    if (dataSet->GetFilter() == text && dataSet->GetFilterOptions() == options && dataSet->GetFiltered() == filtered)
        return;
    dataSet->DisableControls();
    try {
        dataSet->SetFilter(text);
        dataSet->SetFilterOptions(options);
        dataSet->SetFiltered(filtered);
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls(); // its change notice reloads the records
}

} // namespace zorvy
