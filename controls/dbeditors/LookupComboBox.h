#pragma once
// The lookup combo box: a combo box whose drop-down is a data-bound lookup grid over a list dataset.
// Its properties own the grid, so every editor and column sharing them (directly or through a
// TcxEditRepositoryLookupComboBoxItem) shares one list. Also its filter helper, its repository item
// and their start-up.
#include "controls/dbeditors/DBLookupEdit.h"
#include "controls/dbeditors/LookupDBGrid.h"
#include "controls/editors/framework/EditRepository.h"

#include <memory>

namespace zorvy {

class TcxLookupComboBoxProperties : public TcxCustomDBLookupEditProperties {
    ZORVY_CLASS(TcxLookupComboBoxProperties, TcxCustomDBLookupEditProperties)
  public:
    // The grid in popup mode; the properties listen to its data and options.
    explicit TcxLookupComboBoxProperties(TPersistent* owner);
    ~TcxLookupComboBoxProperties() override;
    // Inside one change batch: GridMode, ListOptions, ListSource and ListColumns (unless a lookup
    // field defines them), OnSortingChanged, the data-bound settings, then a lookup field's columns.
    void Assign(TPersistent* source) override;

    // ---- published settings ----
    TcxLookupDBGridColumns* GetListColumns() const { return grid_->GetDBColumns(); }
    // Copies the columns; the display column stays within them.
    void SetListColumns(TcxLookupDBGridColumns* value);
    TcxLookupGridOptions* GetListOptions() const { return grid_->GetOptions(); }
    void SetListOptions(TcxLookupGridOptions* value) { grid_->SetOptions(value); }
    // Nil while a lookup field defines the list.
    TDataSource* GetListSource() const;
    // "Property already defined by lookup field" or "Circular datalinks are not allowed"; then
    // nothing changes.
    void SetListSource(TDataSource* value);
    TNotifyEvent GetOnSortingChanged() const;
    void SetOnSortingChanged(const TNotifyEvent& handler);
    // The combo box's names for the drop-down settings.
    int GetDropDownHeight() const { return GetPopupHeight(); }
    void SetDropDownHeight(int value) { SetPopupHeight(value); }
    bool GetDropDownAutoSize() const { return GetPopupAutoSize(); }
    void SetDropDownAutoSize(bool value) { SetPopupAutoSize(value); }
    int GetListFieldIndex() const { return GetDisplayColumnIndex(); }
    void SetListFieldIndex(int value) { SetDisplayColumnIndex(value); }

    virtual const TMetaClass* GetGridClass() const { return TcxCustomLookupDBGrid::StaticClass(); }

    // ---- the list, answered by the grid ----
    int GetListColumnCount() const override { return grid_ ? grid_->GetColumns()->GetCount() : 0; }
    TcxCustomLookupGrid* GetListGrid() const override { return grid_.get(); }
    TcxCustomDataController* GetListDataController() const override;
    TcxDBDataController* GetDBDataController() const override;
    int GetListWidth() const override;
    int FitListHeight(int height) override { return grid_->FitHeight(height); }
    int GetListHeightForRows(int rows) override { return grid_->GetHeightForRows(rows); }
    bool IsListPointOnRow(TPoint clientPoint) override { return grid_->IsPointOnRow(clientPoint); }
    void SetListHandlers(const TcxLookupListCloseUpHandler& closeUp) override { grid_->OnCloseUp = closeUp; }
    void PrepareListAppearance(TcxLookAndFeel* master, TColor color, TFont* font) override;
    void RememberListCursorPos() override { grid_->RememberCursorPos(); }
    void MakeListFocusedRowVisible() override { grid_->MakeFocusedRowVisible(); }
    void ReleaseListCapture() override;
    void BeginListUpdate() override { grid_->BeginUpdate(); }
    void EndListUpdate() override { grid_->EndUpdate(); }
    void EnsureListColumn(const std::string& fieldName) override;
    void RecreateListColumns(const std::string& fieldNames) override { grid_->SetColumnFieldNames(fieldNames); }
    TField* GetListColumnField(int index) const override;
    std::string GetListColumnFieldName(int index) const override;
    int IndexOfListColumn(const std::string& fieldName) const override;

    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    virtual void ListOptionsChanged(TObject*) { Changed(); }

  private:
    std::unique_ptr<TcxCustomLookupDBGrid> grid_;
};

class TcxCustomLookupComboBox : public TcxCustomDBLookupEdit {
    ZORVY_CLASS(TcxCustomLookupComboBox, TcxCustomDBLookupEdit)
  public:
    explicit TcxCustomLookupComboBox(TComponent* owner) : TcxCustomLookupComboBox(owner, false) {}
    TcxCustomLookupComboBox(TComponent* owner, bool inplace,
                            const TMetaClass* propertiesClass = TcxLookupComboBoxProperties::StaticClass())
        : TcxCustomDBLookupEdit(owner, inplace, propertiesClass) {}
    TcxLookupComboBoxProperties* GetActiveProperties() const {
        return static_cast<TcxLookupComboBoxProperties*>(GetEffectiveProperties());
    }
};

class TcxLookupComboBox : public TcxCustomLookupComboBox {
    ZORVY_CLASS(TcxLookupComboBox, TcxCustomLookupComboBox)
  public:
    explicit TcxLookupComboBox(TComponent* owner) : TcxLookupComboBox(owner, false) {}
    TcxLookupComboBox(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxLookupComboBoxProperties::StaticClass());
    // The active properties (a repository item's when the editor has one).
    TcxLookupComboBoxProperties* GetProperties() const { return GetActiveProperties(); }
    // Copies the settings into the editor's own properties.
    void SetProperties(TcxLookupComboBoxProperties* value);
};

// Filter values of a lookup column: only list values, and the four operators that compare keys.
class TcxFilterLookupComboBoxHelper : public TcxFilterComboBoxHelper {
    ZORVY_CLASS(TcxFilterLookupComboBoxHelper, TcxFilterComboBoxHelper)
  public:
    bool SupportsFiltering(TcxCustomEditProperties* properties) const override;
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    void GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties, std::string& text,
                            Variant& value) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
    bool AcceptsValue(TcxValueTypeClass, Variant&) const override { return true; }
};

class TcxEditRepositoryLookupComboBoxItem : public TcxEditRepositoryItem {
    ZORVY_CLASS(TcxEditRepositoryLookupComboBoxItem, TcxEditRepositoryItem)
  public:
    explicit TcxEditRepositoryLookupComboBoxItem(TComponent* owner)
        : TcxEditRepositoryItem(owner, TcxLookupComboBoxProperties::StaticClass()) {}
    TcxLookupComboBoxProperties* GetProperties() const {
        return static_cast<TcxLookupComboBoxProperties*>(TcxEditRepositoryItem::GetProperties());
    }
    void SetProperties(TcxLookupComboBoxProperties* value) { TcxEditRepositoryItem::SetProperties(value); }
};

// Registers the properties class (with its description) and its filter helper, once however often it
// is called; the last finalisation removes the filter helper pair.
void InitializeLookupComboBoxUnit();
void FinalizeLookupComboBoxUnit();
// Registers the lookup combo box's repository item for streaming by class name.
void InitializeDBEditRepositoryUnit();

} // namespace zorvy
