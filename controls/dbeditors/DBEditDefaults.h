#pragma once
// The default values an editor takes from the dataset field it shows, unless set on the editor.
// Without a field, or with the field's dataset closed, every answer is the base provider's.
#include "controls/editors/framework/EditProperties.h"
#include "platform/db/DataSetTypes.h"

#include <memory>

namespace zorvy {

class TDataSource;
class TField;
class TcxFreeNotificator;

class TcxCustomDBEditDefaultValuesProvider : public TcxCustomEditDefaultValuesProvider {
    ZORVY_CLASS(TcxCustomDBEditDefaultValuesProvider, TcxCustomEditDefaultValuesProvider)
  public:
    explicit TcxCustomDBEditDefaultValuesProvider(TPersistent* owner = nullptr);
    ~TcxCustomDBEditDefaultValuesProvider() override;

    // Both are watched: a freed data source or field is forgotten.
    TDataSource* GetDataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* value);
    TField* GetField() const { return field_; }
    void SetField(TField* value);

    // A data source that edits by itself or is already editing.
    bool CanEnterEditMode() override;
    TAlignment GetDefaultAlignment() override;
    // 2 picture, 3 memo, 4 OLE object, 0 none.
    int GetDefaultBlobKind() override;
    bool CanModifyValue() override;
    std::string GetDisplayFormat() override; // numeric fields only
    std::string GetEditFormat() override;    // numeric fields only
    std::string GetEditMask() override;
    bool HoldsFractionalNumbers() override;
    int GetMaxLength() override; // the size of a text field
    // A float field's bounds rounded to its precision in significant digits.
    double GetMaxValue() override;
    double GetMinValue() override;
    int GetPrecision() override;
    bool IsReadOnly() override;
    bool IsRequired() override;
    bool IsFieldBound() override { return true; }
    bool IsBlobValue() override;
    bool IsCurrencyValue() override;
    // A field that belongs to an open dataset.
    bool HasData() override;
    bool HasDisplayFormat(bool isDisplay) override;
    bool LacksExplicitDisplayFormat() override;
    bool HasTextSetter() override;
    bool AcceptsChar(char32_t ch) override;

  private:
    void ComponentFreed(TComponent* component);
    double Bound(double value);

    TDataSource* dataSource_ = nullptr;
    TField* field_ = nullptr;
    std::unique_ptr<TcxFreeNotificator> freeNotificator_;
};

// Integer, float, currency, BCD and FMTBCD fields: those that read right-justified.
bool IsNumericType(TFieldType type);

} // namespace zorvy
