#pragma once
// A summary item of a dataset-bound controller that may name the dataset field it summarises,
// whatever column it is linked to.
#include "controls/data/DataSummary.h"

#include <string>

namespace zorvy {

class TcxDBDataField;

class TcxDBDataSummaryItem : public TcxDataSummaryItem {
    ZORVY_CLASS(TcxDBDataSummaryItem, TcxDataSummaryItem)
  public:
    explicit TcxDBDataSummaryItem(TCollection* collection) : TcxDataSummaryItem(collection) {}
    ~TcxDBDataSummaryItem() override;
    void Assign(TPersistent* source) override; // also FieldName

    const std::string& GetFieldName() const { return fieldName_; }
    // A name binds an internal field of the controller to it; an empty one frees that field.
    void SetFieldName(const std::string& value);
    // The own field when FieldName is set, else the linked column's.
    TcxCustomDataField* GetDataField() const override;
    // A field bound to a dataset field answers by that field's currency flag.
    bool IsCurrency(TVarType varType) const override;

  private:
    void FreeField();
    TcxDBDataField* field_ = nullptr; // owned by this item, kept in the controller's field list
    std::string fieldName_;
};

} // namespace zorvy
