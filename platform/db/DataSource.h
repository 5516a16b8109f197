#pragma once
// TDataSource connects a dataset to data-aware controls; TDataLink is the base of what a control
// holds to hear the dataset's notifications and to see a window of its records.
#include "platform/db/DataSetTypes.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <vector>

namespace zorvy {

class TDataSet;
class TDataLink;
class TField;

class TDataSource : public TComponent {
    ZORVY_CLASS(TDataSource, TComponent)
  public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TDataSet* GetDataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool GetAutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
    // The dataset's state, or inactive without a dataset or while disabled.
    TDataSetState GetState() const { return state_; }
    // Puts the dataset into edit state when AutoEdit allows it and it is browsing.
    void Edit();
    bool IsLinkedTo(TDataSet* dataSet) const;

    std::function<void(TObject* sender, TField* field)> OnDataChange; // field: nullptr for a whole change
    std::function<void(TObject* sender)> OnStateChange;
    std::function<void(TObject* sender)> OnUpdateData;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataEvent event, intptr_t info);
    void UpdateState();
    void NotifyLinks(TDataEvent event, intptr_t info);
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);

    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    bool autoEdit_ = true;
    TDataSetState state_ = TDataSetState::dsInactive;
    std::vector<TDataLink*> links_;
};

class TDataLink : public TPersistent {
    ZORVY_CLASS(TDataLink, TPersistent)
  public:
    TDataLink();
    ~TDataLink() override;

    TDataSource* GetDataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    TDataSet* GetDataSet() const;
    bool GetActive() const { return active_; }
    bool GetEditing() const { return editing_; }
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // A visual link falls silent while the dataset's controls are disabled.
    bool GetVisualControl() const { return visualControl_; }
    void SetVisualControl(bool visual) { visualControl_ = visual; }

    // The window of records this link sees: BufferCount records around the dataset's current one,
    // ActiveRecord the current record's index in it, RecordCount how many the window holds.
    int GetBufferCount() const { return bufferCount_; }
    void SetBufferCount(int count);
    int GetActiveRecord() const;
    int GetRecordCount() const;

    // Starts editing through the data source (AutoEdit); true when the dataset is then editing.
    bool Edit();
    // Asks the link to write its control's value into the field (UpdateData), once.
    void UpdateRecord();

  protected:
    // The notifications, in their fixed order.
    virtual void ActiveChanged() {}
    virtual void DataEvent(TDataEvent event, intptr_t info);
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance);
    virtual void EditingChanged() {}
    virtual void FocusControl(TField** field);
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* field);
    virtual void UpdateData() {}
    virtual void CheckBrowseMode() {}

  private:
    friend class TDataSource;
    friend class TDataSet;
    void UpdateActive();
    void UpdateEditing();
    int UpdateWindow(); // returns how far the window's first record moved

    TDataSource* dataSource_ = nullptr;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool visualControl_ = false;
    bool updating_ = false;
    int bufferCount_ = 1;
    int firstRecord_ = 0;
};

} // namespace zorvy
