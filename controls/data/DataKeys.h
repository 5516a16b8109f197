#pragma once
// Key lists: across a full reload of the records (provider mode with record ids), selected rows
// and expanded details follow the key values of their records instead of their record indexes.
#include "platform/rtl/Variant.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxSaveObject;

struct TcxKeyInfo {
    virtual ~TcxKeyInfo() = default;
    Variant Key;
};
struct TcxSelectedKeyInfo : TcxKeyInfo {
    int SelectionIndex = 0;
};
// An expanded detail: its active relation and, nested, the detail controller's own keys.
struct TcxDetailKeyInfo : TcxKeyInfo {
    TcxDetailKeyInfo();
    ~TcxDetailKeyInfo() override;
    int ActiveRelationIndex = 0;
    std::unique_ptr<TcxSaveObject> SaveObject;
};

class TcxKeys {
  public:
    virtual ~TcxKeys() = default;
    void Save(TcxCustomDataController* controller);
    void RestoreInto(TcxCustomDataController* controller);
    // The first info whose key equals the record's key.
    bool FindKey(int recordIndex, int& index) const;
    virtual void Clear() { infos_.clear(); }
    int GetCount() const { return static_cast<int>(infos_.size()); }

  protected:
    virtual void CollectKeys() {}
    virtual void ApplyKeys() {}
    Variant KeyOf(int recordIndex) const;

    TcxCustomDataController* controller_ = nullptr;
    std::vector<TcxCustomDataField*> keyFields_;
    std::vector<std::unique_ptr<TcxKeyInfo>> infos_;
};

class TcxSelectedKeys : public TcxKeys {
  protected:
    void CollectKeys() override;
    void ApplyKeys() override;
};

class TcxDetailKeys : public TcxKeys {
  protected:
    void CollectKeys() override;
    void ApplyKeys() override;
};

class TcxSaveObject {
  public:
    void Save(TcxCustomDataController* controller);
    void Restore(TcxCustomDataController* controller);

  private:
    TcxDetailKeys detailKeys_;
    TcxSelectedKeys selectedKeys_;
};

} // namespace zorvy
