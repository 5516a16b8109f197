#pragma once
// Master-detail relations: each relation stands for one detail level of a master controller.
// Each master record keeps a detail object in an internal field of the Object value type (owned by
// its cell): per relation, the link object the view creates for that record's detail and whether
// the detail has children.
#include "platform/rtl/Components.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxCustomDataRelationList;

struct TcxDetailInfoObject {
    std::unique_ptr<TObject> LinkObject; // owned
    bool HasChildren = false;
    bool HasChildrenAssigned = false;
};

class TcxDetailObject : public TObject {
  public:
    int ActiveRelationIndex = -1;
    bool Expanded = false;

    void ClearInfoObjects() { infos_.clear(); }
    void FreeInfoObject(int relationIndex);
    TcxDetailInfoObject* GetInfoObject(int index) const; // nullptr out of range
    void SetInfoObject(int index, std::unique_ptr<TcxDetailInfoObject> info);
    TObject* GetLinkObject(int index) const;
    void SetLinkObject(int index, std::unique_ptr<TObject> linkObject);
    int GetLinkObjectCount() const { return static_cast<int>(infos_.size()); }
    bool IsEmpty() const; // no info holds a link object
    bool ClearAssignedFlags();
    // One slot per relation; the active relation clamped to one that has a detail controller.
    void CheckRelations(const TcxCustomDataRelationList& relations);

  private:
    std::vector<std::unique_ptr<TcxDetailInfoObject>> infos_;
};

class TcxCustomDataRelation {
  public:
    TcxCustomDataRelation(TcxCustomDataRelationList* relationList, TObject* item);
    // Releases the clones made for it and detaches its pattern controller, then leaves the list.
    virtual ~TcxCustomDataRelation();
    virtual void DropDataField(TcxCustomDataField*) {}
    virtual void Assign(TcxCustomDataRelation*) {}

    int GetIndex() const;
    TcxCustomDataController* GetDataController() const;
    TObject* GetItem() const { return item_; }
    void Changed();
    TcxCustomDataController* DetailDataController = nullptr;

  private:
    TcxCustomDataRelationList* relationList_;
    TObject* item_;
};

class TcxCustomDataRelationList {
  public:
    explicit TcxCustomDataRelationList(TcxCustomDataController* dataController)
        : dataController_(dataController) {}
    ~TcxCustomDataRelationList();

    TcxCustomDataRelation* Add(TObject* item);
    void Assign(const TcxCustomDataRelationList& other);
    void Clear();
    void Move(int from, int to);
    TcxCustomDataRelation* FindByItem(TObject* item) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxCustomDataRelation* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    void BeginUpdate() { ++lockCount_; }
    void EndUpdate();
    void DropDataField(TcxCustomDataField* field);
    TcxCustomDataField* GetDetailObjectField() const { return detailObjectField_; }
    TcxCustomDataController* GetDataController() const { return dataController_; }

    // ---- detail objects of master records ("RecordIndex out of range" for a bad record) ----
    TcxDetailObject* GetDetailObject(int recordIndex);
    TcxDetailObject* GetStoredDetailObject(int recordIndex) const;
    bool ClearDetailObject(int recordIndex, int relationIndex); // -1: the whole object
    bool HasDetailLinks(int recordIndex, int relationIndex) const;
    void Changed(TcxCustomDataRelation* relation);

  private:
    friend class TcxCustomDataRelation;
    bool AnyDetailController() const;
    const TcxCustomDataRelationList* GetPatternRelations() const;

    TcxCustomDataController* dataController_;
    TcxCustomDataField* detailObjectField_ = nullptr;
    std::vector<TcxCustomDataRelation*> items_;
    int lockCount_ = 0;
};

} // namespace zorvy
