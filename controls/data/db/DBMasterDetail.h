#pragma once
// How a detail dataset is brought to the rows of one master record: the detail filter adapter,
// chosen by dataset class, locates the first detail row (sync mode) or reopens a parameterised
// detail query with the master's key values (SQL mode).
#include "controls/data/DataRelations.h"
#include "controls/data/db/DBAdapters.h"

#include <string>

namespace zorvy {

class TDataSet;
class TcxDBDataController;
class TcxDBDataField;
class Variant;

// The relation of a dataset-bound master to a dataset-bound detail level: the master's records
// carry the key values (the detail pattern's MasterKeyFieldNames) that its clones' rows match on
// DetailKeyFieldNames.
class TcxDBDataRelation : public TcxCustomDataRelation {
  public:
    using TcxCustomDataRelation::TcxCustomDataRelation;
    ~TcxDBDataRelation() override;
    void DropDataField(TcxCustomDataField* field) override;

    TcxDBDataController* GetMasterController() const;
    // The dataset-bound pattern of this level: the detail controller of the relation at the same
    // index of the master's pattern controller; nil when that is not dataset-bound.
    TcxDBDataController* GetDetailPattern() const;
    std::string GetMasterKeyFieldNames() const;
    std::string GetDetailKeyFieldNames() const;
    // A master key field exists and the pattern names its detail key fields.
    bool IsKeyLinked() const;
    // The master record's key values (one value, or an array for several); unassigned when the
    // relation is not key-linked. "RecordIndex out of range" for a bad record.
    Variant GetMasterKeyValues(int recordIndex) const;
    // Binds the master's internal key field to the pattern's MasterKeyFieldNames (none when empty).
    void UpdateMasterKeyField();
    // The pattern's key names changed: a relation of a master that is not itself a clone reports it.
    void KeyNamesChanged();

  private:
    TcxDBDataField* masterKeyField_ = nullptr;
};

class TcxDBProviderDetailFilterAdapter : public TcxDBAdapterItem {
  public:
    using TcxDBAdapterItem::TcxDBAdapterItem;
    // True when the dataset's parameters of those names hold the values.
    virtual bool IsCurrentQuery(TDataSet* dataSet, const std::string& names, const Variant& values);
    // Equal parameters: First; else closed, given the values and opened again (reopened true).
    virtual void ReopenQuery(TDataSet* dataSet, const std::string& names, bool& reopened, const Variant& values);
    // SQL mode reopens the query; otherwise the dataset locates the values on the names.
    virtual void DetailFirst(TDataSet* dataSet, const std::string& names, bool& reopened, bool sqlMode,
                             const Variant& values);
};

// The process's registry of detail filter adapters; holds TDataSet's adapter from the first use on.
TcxDBAdapterList& DetailFilterAdapters();

} // namespace zorvy
