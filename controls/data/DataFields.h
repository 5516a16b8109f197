#pragma once
// Data fields: the controller's columns of data, one per item of the view plus the controller's
// own internal fields. A field owns the value definition that gives it cells in the record
// storage, or refers to another field and shares that field's data.
#include "controls/data/DataStorage.h"
#include "platform/rtl/Exceptions.h"

#include <vector>

namespace zorvy {

class TComponent;
class TcxCustomDataController;
class TcxDataControllerNotifier;
class TcxCustomDataFieldList;
struct TResourceString;

// Every misuse of the data controller family: a bad index, an item added twice, ...
class EcxInvalidDataControllerOperation : public Exception {
  public:
    using Exception::Exception;
};
[[noreturn]] void RaiseDataControllerError(const TResourceString& message);

class TcxValueDef;
// The definition belongs to a field that value readers leave out (an internal field).
bool IsDefinitionSkippedByReaders(const TcxValueDef* def);
// The difference of the two definitions' field indexes: the order of the controller's stream.
int CompareValueDefsByFieldIndex(TcxValueDef* a, TcxValueDef* b);

class TcxCustomDataField : public TObject {
  public:
    explicit TcxCustomDataField(TcxCustomDataFieldList* fieldList);
    // Leaves the list (handing its data to the fields that referred to it), then frees its data.
    ~TcxCustomDataField() override;

    virtual void TakeOverData(TcxCustomDataField* source); // takes the source's definition and type
    // A component is going away: a field drops what it holds of it.
    virtual void ComponentRemoved(TComponent* /*component*/) {}
    // It has cells of its own, or the record source keeps its values (provider mode).
    virtual bool CanModify() const;
    virtual bool IsUnbound() const { return false; }
    virtual bool IsReaderSkipped() const { return internal_; }

    // The reference field's when one is set, else the field's own.
    TcxValueDef* ValueDefinition() const;
    TcxValueTypeClass ValueTypeOf() const;
    bool StoresText() const;
    // Recreate the field's cells around the change: every stored value of the field is lost.
    void ChangeValueType(TcxValueTypeClass valueType);
    void ChangeTextStoring(bool value);
    void MakeValueDefinition();
    void FreeValueDefinition();
    // Shares the data of the end of `field`'s reference chain; nothing when that is this field.
    void ReferTo(TcxCustomDataField* field);
    TcxCustomDataField* GetReferenceField() const { return referenceField_; }
    void MarkInternal(bool value);
    bool IsInternal() const { return internal_; }
    TObject* GetItem() const { return item_; }
    void SetItem(TObject* item) { item_ = item; }
    int GetIndex() const;
    // Moves the field within its list, kept among the external or the internal fields.
    void SetIndex(int index);
    TcxCustomDataController* GetDataController() const;
    TcxDataControllerNotifier& GetNotifier() const; // the controller's
    // The data layout changed under the field (its bound column went away): the provider tells
    // the controller, unless its notifications are locked.
    void NotifyStructureChanged();
    TcxCustomDataFieldList* GetFieldList() const { return fieldList_; }

    // Set by the row pipeline for the current sort: -1 native, 1 by value, 2 by display text.
    int CompareMode = 0;
    bool CustomCompare = false; // the item is always compared through the controller

  private:
    friend class TcxCustomDataFieldList;
    void LockRemaking();
    void UnlockRemaking();

    TcxCustomDataFieldList* fieldList_;
    bool internal_ = false;
    TObject* item_ = nullptr;
    int recreateLockCount_ = 0;
    TcxCustomDataField* referenceField_ = nullptr;
    bool textStored_ = false;
    TcxValueDef* valueDef_ = nullptr;
    TcxValueTypeClass valueType_ = nullptr;
};

// External fields first, internal fields last.
class TcxCustomDataFieldList {
  public:
    explicit TcxCustomDataFieldList(TcxCustomDataController* dataController)
        : dataController_(dataController) {}
    ~TcxCustomDataFieldList() { Clear(); }

    void Add(TcxCustomDataField* field);
    void Remove(TcxCustomDataField* field); // the field's destructor calls it
    void Clear();                           // destroys the fields from the last
    void NotifyComponentRemoved(TComponent* component); // every field, in order
    TcxCustomDataField* FindByItem(TObject* item) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxCustomDataField* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    int GetExternalCount() const { return GetCount() - internalCount_; }
    int IndexOf(const TcxCustomDataField* field) const;
    void Move(int from, int to);
    TcxCustomDataController* GetDataController() const { return dataController_; }
    bool FieldDestroyed = false; // set whenever a field leaves the list

  private:
    friend class TcxCustomDataField;
    void RecountInternal();
    void ReassignReferences(TcxCustomDataField* field);

    TcxCustomDataController* dataController_;
    int internalCount_ = 0;
    std::vector<TcxCustomDataField*> items_;
};

} // namespace zorvy
