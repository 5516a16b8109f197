#pragma once
// The data field of an item of a dataset-bound controller: the field name it is bound to, the
// dataset field (TField) found for that name, the value type that follows the TField's data type,
// and, for a list of several names or a lookup field, one sub-field per name.
#include "controls/data/DataFields.h"

#include <string>
#include <vector>

namespace zorvy {

class TField;
enum class TFieldType;

// The value type that stores values of a TField's data type (nil: a string type).
TcxValueTypeClass GetValueTypeClassByField(const TField* field);

class TcxDBDataField : public TcxCustomDataField {
  public:
    using TcxCustomDataField::TcxCustomDataField;
    // Leaves its parent's sub-field list and frees its own sub-fields.
    ~TcxDBDataField() override;

    void TakeOverData(TcxCustomDataField* source) override;
    // Its dataset field was destroyed (a closed dataset's dynamic fields go with it): the field lets
    // go of it, even while the dataset's controls are disabled and its link hears nothing.
    void ComponentRemoved(TComponent* component) override;
    bool CanModify() const override;
    bool IsUnbound() const override;
    bool IsReaderSkipped() const override;

    // Followed through the reference field, recursively.
    TField* GetField() const;
    void SetField(TField* field);
    const std::string& GetFieldName() const { return fieldName_; }
    void SetFieldNameOnly(const std::string& name) { fieldName_ = name; }
    int GetFieldCount() const;
    TcxDBDataField* GetSubField(int index) const;
    // "ADataField.FParentField <> nil" when the sub-field already has another parent.
    void AddSubField(TcxDBDataField* field);
    void ClearSubFields();
    TcxDBDataField* GetParentField() const { return parentField_; }
    // Sub-fields in order, or the field itself when it has none.
    void AddKeyFieldsTo(std::vector<TcxCustomDataField*>& list);
    bool IsLookup() const;
    bool IsCurrency() const;
    // Derives the value type, currency flag and text storing from the TField; recreates the field's
    // data when they change.
    void UpdateValueType(bool editable);

  private:
    TcxDBDataField* Referred() const;

    TField* field_ = nullptr;
    std::string fieldName_;
    std::vector<TcxDBDataField*> subFields_;
    bool isCurrency_ = false;
    TcxDBDataField* parentField_ = nullptr;
};

} // namespace zorvy
