#pragma once
// TField: one column of a dataset (data, calculated or lookup), its display settings and the
// As... accessors; the typed field classes; and TFields, the ordered field list of a dataset.
#include "platform/db/CellValue.h"
#include "platform/db/DataSetTypes.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <string>
#include <vector>

namespace zorvy {

class TDataSet;
class Variant;

class TField : public TComponent {
    ZORVY_CLASS(TField, TComponent)
  public:
    explicit TField(TComponent* owner);
    ~TField() override;

    // Identity and place in the dataset.
    const std::string& GetFieldName() const { return fieldName_; }
    void SetFieldName(const std::string& name);
    // The column's name in the database when it differs from FieldName ("Table.Column"); empty otherwise.
    const std::string& GetOrigin() const { return origin_; }
    void SetOrigin(const std::string& origin) { origin_ = origin; }
    TFieldType GetDataType() const { return dataType_; }
    TFieldKind GetFieldKind() const { return fieldKind_; }
    // Made by the dataset from a result column at opening, and destroyed at closing.
    bool IsDynamic() const { return dynamic_; }
    void SetFieldKind(TFieldKind kind);
    bool GetCalculated() const { return fieldKind_ == TFieldKind::fkCalculated; }
    bool GetLookup() const { return fieldKind_ == TFieldKind::fkLookup; }
    TDataSet* GetDataSet() const { return dataSet_; }
    // Attaches the field to a closed dataset (nullptr detaches it).
    void SetDataSet(TDataSet* dataSet);
    int GetIndex() const;   // position in the dataset's Fields, -1 without a dataset
    int GetFieldNo() const; // 1-based column of the result for data fields, else 0

    // Size: characters of a text field, bytes of a binary one.
    int GetSize() const { return size_; }
    void SetSize(int size);
    bool GetFixedChar() const { return fixedChar_; }
    void SetFixedChar(bool value) { fixedChar_ = value; }

    // Display settings.
    std::string GetDisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const std::string& label) { displayLabel_ = label; }
    std::string GetDisplayName() const { return GetDisplayLabel(); }
    int GetDisplayWidth() const;
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    const std::string& GetDisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& format) { displayFormat_ = format; }
    const std::string& GetEditFormat() const { return editFormat_; }
    void SetEditFormat(const std::string& format) { editFormat_ = format; }
    const std::string& GetEditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask) { editMask_ = mask; }
    bool GetVisible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool GetRequired() const { return required_; }
    void SetRequired(bool required) { required_ = required; }
    int GetPrecision() const { return precision_; }
    void SetPrecision(int precision) { precision_ = precision; }
    bool GetCurrency() const { return currency_; }
    void SetCurrency(bool currency) { currency_ = currency; }
    // Limits checked when a numeric value is set; both 0 means no limit.
    double GetMinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }
    double GetMaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }

    // Lookup fields: the value of LookupResultField in the LookupDataSet record whose
    // LookupKeyFields equal this dataset's KeyFields (names separated by ";").
    TDataSet* GetLookupDataSet() const { return lookupDataSet_; }
    void SetLookupDataSet(TDataSet* dataSet);
    const std::string& GetKeyFields() const { return keyFields_; }
    void SetKeyFields(const std::string& names) { keyFields_ = names; }
    const std::string& GetLookupKeyFields() const { return lookupKeyFields_; }
    void SetLookupKeyFields(const std::string& names) { lookupKeyFields_ = names; }
    const std::string& GetLookupResultField() const { return lookupResultField_; }
    void SetLookupResultField(const std::string& name) { lookupResultField_ = name; }

    // Values of the dataset's active record.
    bool IsNull() const;
    Variant GetValue() const;
    void SetValue(const Variant& value);
    Variant GetAsVariant() const;
    void SetAsVariant(const Variant& value);
    std::string GetAsString() const;
    void SetAsString(const std::string& value);
    std::string GetAsWideString() const { return GetAsString(); }
    void SetAsWideString(const std::string& value) { SetAsString(value); }
    int GetAsInteger() const;
    void SetAsInteger(int value);
    int64_t GetAsLargeInt() const;
    void SetAsLargeInt(int64_t value);
    double GetAsFloat() const;
    void SetAsFloat(double value);
    double GetAsCurrency() const { return GetAsFloat(); }
    double GetAsDateTime() const; // a TDateTime
    void SetAsDateTime(double value);
    bool GetAsBoolean() const;
    void SetAsBoolean(bool value);
    void Clear();

    // The text shown in a grid (DisplayFormat, OnGetText) and the text edited in an editor.
    std::string GetDisplayText() const;
    std::string GetText() const;
    void SetText(const std::string& text);
    std::string GetEditText() const { return GetText(); }
    void SetEditText(const std::string& text) { SetText(text); }

    bool IsValidChar(char32_t c) const;
    bool IsBlob() const;
    bool CanModify() const;
    void FocusControl();

    // The stored cell of the active record (for readers that copy values without conversion).
    const CellValue& GetCell() const;
    void SetCell(CellValue value);

    std::function<void(TField* sender, std::string& text, bool displayText)> OnGetText;
    std::function<void(TField* sender, const std::string& text)> OnSetText;
    std::function<void(TField* sender)> OnChange;
    std::function<void(TField* sender)> OnValidate;

  protected:
    TField(TComponent* owner, TFieldType dataType, int size);
    void Notification(TComponent* component, TOperation operation) override;

  private:
    friend class TDataSet;
    friend TField* CreateFieldOfType(TFieldType type, TComponent* owner);
    friend class TFields;
    std::string TextOf(bool display) const;
    // The text OnGetText gives, or TextOf when no handler is set.
    std::string EventText(bool display) const;
    CellValue ConvertText(const std::string& text) const;
    CellValue ConvertInteger(int64_t value) const;
    CellValue ConvertFloat(double value) const;
    void CheckRange(double value) const;
    [[noreturn]] void AccessError(const char* typeName) const;

    std::string fieldName_;
    std::string origin_;
    TFieldType dataType_ = TFieldType::ftUnknown;
    TFieldKind fieldKind_ = TFieldKind::fkData;
    TDataSet* dataSet_ = nullptr;
    TDataSet* lookupDataSet_ = nullptr;
    int size_ = 0;
    bool fixedChar_ = false;
    int fieldNo_ = 0;
    bool dynamic_ = false; // created by the dataset from a result column
    int index_ = -1;       // position in the dataset's Fields, kept by TFields
    std::string displayLabel_;
    int displayWidth_ = 0;
    std::string displayFormat_;
    std::string editFormat_;
    std::string editMask_;
    bool visible_ = true;
    bool readOnly_ = false;
    bool required_ = false;
    int precision_ = 15;
    bool currency_ = false;
    double minValue_ = 0;
    double maxValue_ = 0;
    std::string keyFields_;
    std::string lookupKeyFields_;
    std::string lookupResultField_;
};

#define ZORVY_FIELD_CLASS(Name, Type, DefaultSize)                                                           \
    class Name : public TField {                                                                             \
        ZORVY_CLASS(Name, TField)                                                                            \
      public:                                                                                                \
        explicit Name(TComponent* owner) : TField(owner, TFieldType::Type, DefaultSize) {}                   \
    }

ZORVY_FIELD_CLASS(TStringField, ftString, 20);
ZORVY_FIELD_CLASS(TWideStringField, ftWideString, 20);
ZORVY_FIELD_CLASS(TSmallintField, ftSmallint, 0);
ZORVY_FIELD_CLASS(TIntegerField, ftInteger, 0);
ZORVY_FIELD_CLASS(TWordField, ftWord, 0);
ZORVY_FIELD_CLASS(TAutoIncField, ftAutoInc, 0);
ZORVY_FIELD_CLASS(TLargeintField, ftLargeint, 0);
ZORVY_FIELD_CLASS(TBooleanField, ftBoolean, 0);
ZORVY_FIELD_CLASS(TFloatField, ftFloat, 0);
ZORVY_FIELD_CLASS(TCurrencyField, ftCurrency, 0);
ZORVY_FIELD_CLASS(TBCDField, ftBCD, 4);
ZORVY_FIELD_CLASS(TDateField, ftDate, 0);
ZORVY_FIELD_CLASS(TTimeField, ftTime, 0);
ZORVY_FIELD_CLASS(TDateTimeField, ftDateTime, 0);
ZORVY_FIELD_CLASS(TBytesField, ftBytes, 16);
ZORVY_FIELD_CLASS(TVarBytesField, ftVarBytes, 16);
ZORVY_FIELD_CLASS(TBlobField, ftBlob, 0);
ZORVY_FIELD_CLASS(TMemoField, ftMemo, 0);
ZORVY_FIELD_CLASS(TGraphicField, ftGraphic, 0);

#undef ZORVY_FIELD_CLASS

// A stored cell as the Variant a field of that data type hands out.
Variant CellToVariant(const CellValue& cell, TFieldType type);

// Creates the field class that holds a data type (TField itself for kinds without a class of their own).
TField* CreateFieldOfType(TFieldType type, TComponent* owner);

// The ordered fields of a dataset. The dataset owns the list; the fields belong to their owners.
class TFields {
  public:
    int GetCount() const { return static_cast<int>(fields_.size()); }
    TField* GetField(int index) const; // EListError on a bad index
    TField* operator[](int index) const { return GetField(index); }
    TField* FindField(const std::string& name) const; // case-insensitive; nullptr when absent
    int IndexOf(const TField* field) const;
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }

  private:
    friend class TDataSet;
    void Reindex();
    std::vector<TField*> fields_;
};

} // namespace zorvy
