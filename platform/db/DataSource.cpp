#include "platform/db/DataSource.h"

#include "platform/db/DataSet.h"

#include <algorithm>

namespace zorvy {

// ---- TDataSource ------------------------------------------------------------------------------

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        link->SetDataSource(nullptr);
    SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) {
        dataSet_->RemoveDataSource(this);
        dataSet_->RemoveFreeNotification(this);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->AddDataSource(this);
        dataSet_->FreeNotification(this);
    }
    UpdateState();
}

void TDataSource::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateState();
}

void TDataSource::Edit() {
    if (autoEdit_ && dataSet_ && state_ == TDataSetState::dsBrowse) dataSet_->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* dataSet) const {
    return dataSet && dataSet_ == dataSet;
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_) SetDataSet(nullptr);
}

void TDataSource::UpdateState() {
    TDataSetState state = enabled_ && dataSet_ ? dataSet_->GetState() : TDataSetState::dsInactive;
    if (state == TDataSetState::dsOpening) state = TDataSetState::dsInactive;
    if (state == state_) {
        // Links that were silent while controls were disabled catch up; each reports only its own change.
        NotifyLinks(TDataEvent::deUpdateState, 0);
        return;
    }
    TDataSetState old = state_;
    state_ = state;
    TWeakLink<TDataSource> alive(this);
    NotifyLinks(TDataEvent::deUpdateState, 0);
    if (!alive) return;
    if (OnStateChange) OnStateChange(this);
    if (!alive) return;
    if ((old == TDataSetState::dsInactive || state == TDataSetState::dsInactive) && OnDataChange)
        OnDataChange(this, nullptr);
}

void TDataSource::DataEvent(TDataEvent event, intptr_t info) {
    if (event == TDataEvent::deUpdateState) {
        UpdateState();
        return;
    }
    if (state_ == TDataSetState::dsInactive) return;
    TWeakLink<TDataSource> alive(this);
    NotifyLinks(event, info);
    if (!alive) return;
    switch (event) {
    case TDataEvent::deFieldChange:
        if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(info));
        break;
    case TDataEvent::deRecordChange:
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
    case TDataEvent::deLayoutChange:
        if (OnDataChange) OnDataChange(this, nullptr);
        break;
    case TDataEvent::deUpdateRecord:
        if (OnUpdateData) OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::NotifyLinks(TDataEvent event, intptr_t info) {
    bool disabled = dataSet_ && dataSet_->ControlsDisabled();
    TWeakLink<TDataSource> alive(this); // a link's handler may free the source
    for (TDataLink* link : std::vector<TDataLink*>(links_)) {
        if (!alive) return;
        if (std::find(links_.begin(), links_.end(), link) == links_.end()) continue; // detached meanwhile
        if (disabled && link->visualControl_) continue;
        link->DataEvent(event, info);
    }
}

void TDataSource::AddLink(TDataLink* link) {
    links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

// ---- TDataLink --------------------------------------------------------------------------------

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveLink(this);
}

TDataSet* TDataLink::GetDataSet() const {
    return dataSource_ ? dataSource_->GetDataSet() : nullptr;
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_) dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_) dataSource_->AddLink(this);
    UpdateActive();
    UpdateEditing();
}

void TDataLink::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    readOnly_ = readOnly;
    UpdateEditing();
}

void TDataLink::SetBufferCount(int count) {
    count = std::max(1, count);
    if (count == bufferCount_) return;
    bufferCount_ = count;
    if (active_) {
        UpdateWindow();
        if (TDataSet* dataSet = GetDataSet()) dataSet->UpdateWindow();
        DataSetChanged();
    }
}

int TDataLink::UpdateWindow() {
    TDataSet* dataSet = GetDataSet();
    int old = firstRecord_;
    int position = dataSet ? dataSet->CursorPosition() : -1;
    if (position < 0) {
        firstRecord_ = 0;
        return firstRecord_ - old;
    }
    int count = dataSet->CursorCount();
    if (position < firstRecord_) firstRecord_ = position;
    if (position >= static_cast<int64_t>(firstRecord_) + bufferCount_)
        firstRecord_ = position - bufferCount_ + 1;
    firstRecord_ = std::max(0, std::min(firstRecord_, std::max(0, count - bufferCount_)));
    return firstRecord_ - old;
}

int TDataLink::GetActiveRecord() const {
    TDataSet* dataSet = GetDataSet();
    if (!active_ || !dataSet) return 0;
    int position = dataSet->CursorPosition();
    return position < 0 ? 0 : std::clamp(position - firstRecord_, 0, bufferCount_ - 1);
}

int TDataLink::GetRecordCount() const {
    TDataSet* dataSet = GetDataSet();
    if (!active_ || !dataSet) return 0;
    return std::max(0, std::min(bufferCount_, dataSet->CursorCount() - firstRecord_));
}

void TDataLink::UpdateActive() {
    bool active = dataSource_ && dataSource_->GetState() != TDataSetState::dsInactive;
    if (active == active_) return;
    active_ = active;
    firstRecord_ = 0;
    if (active_) UpdateWindow();
    ActiveChanged();
}

void TDataLink::UpdateEditing() {
    TDataSetState state = dataSource_ ? dataSource_->GetState() : TDataSetState::dsInactive;
    bool editing =
        active_ && !readOnly_ && (state == TDataSetState::dsEdit || state == TDataSetState::dsInsert);
    if (editing == editing_) return;
    editing_ = editing;
    EditingChanged();
}

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_) dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    updating_ = true;
    try {
        UpdateData();
    } catch (...) {
        updating_ = false;
        throw;
    }
    updating_ = false;
}

void TDataLink::DataEvent(TDataEvent event, intptr_t info) {
    switch (event) {
    case TDataEvent::deFieldChange:
    case TDataEvent::deRecordChange:
        if (!updating_) RecordChanged(reinterpret_cast<TField*>(info));
        break;
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
    case TDataEvent::deLayoutChange: {
        int moved = UpdateWindow();
        if (event == TDataEvent::deDataSetScroll)
            DataSetScrolled(moved);
        else if (event == TDataEvent::deLayoutChange)
            LayoutChanged();
        else
            DataSetChanged();
        break;
    }
    case TDataEvent::deUpdateRecord:
        UpdateRecord();
        break;
    case TDataEvent::deUpdateState:
        UpdateActive();
        UpdateEditing();
        break;
    case TDataEvent::deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case TDataEvent::deFocusControl:
        FocusControl(reinterpret_cast<TField**>(info));
        break;
    default:
        break;
    }
}

void TDataLink::DataSetScrolled(int) {
    DataSetChanged();
}

void TDataLink::FocusControl(TField**) {}

void TDataLink::RecordChanged(TField*) {}

} // namespace zorvy
