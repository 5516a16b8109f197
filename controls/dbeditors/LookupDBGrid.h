#pragma once
// The data-bound lookup grid: its rows are the records of a list dataset, each column shows one of
// its fields, and a column without an editor of its own gets the default editor of its field type.
#include "controls/data/db/DBDataController.h"
#include "controls/dbeditors/DBEditDefaults.h"
#include "controls/editors/lookup/LookupGrid.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxCustomLookupDBGrid;
class TcxLookupDBGridColumn;

// The dataset-bound controller of the grid: the dataset does not follow its focus, it makes no
// record for an insert started elsewhere, and its item at an index is the column at that index.
class TcxLookupGridDBDataController : public TcxDBDataController {
  public:
    explicit TcxLookupGridDBDataController(TcxCustomLookupGrid* grid);
    TObject* GetItem(int itemIndex) const override;

  private:
    TcxCustomLookupGrid* grid_;
};

// A column's cell editor learns from the column's field, and whether its item keeps texts.
class TcxLookupDBGridDefaultValuesProvider : public TcxCustomDBEditDefaultValuesProvider {
    ZORVY_CLASS(TcxLookupDBGridDefaultValuesProvider, TcxCustomDBEditDefaultValuesProvider)
  public:
    explicit TcxLookupDBGridDefaultValuesProvider(TPersistent* owner) : TcxCustomDBEditDefaultValuesProvider(owner) {}
    bool HasDisplayFormat(bool isDisplay) override;
};

class TcxLookupDBGridColumn : public TcxLookupGridColumn {
    ZORVY_CLASS(TcxLookupDBGridColumn, TcxLookupGridColumn)
  public:
    using TcxLookupGridColumn::TcxLookupGridColumn;
    // FieldName first, then the column's settings.
    void Assign(TPersistent* source) override;

    std::string GetFieldName() const;
    void SetFieldName(const std::string& name);
    TField* GetField() const;
    // The defaults provider follows the column's field.
    void SyncProviderField();

    const TMetaClass* GetDefaultValuesProviderClass() const override;
    // The field's display name, else the field name.
    std::string GetDefaultCaption() const override;
    // The default editor of the field's type.
    TcxEditRepositoryItem* GetDefaultRepositoryItem() const override;
    // DisplayWidth digits of the content font, at least the header's width.
    int GetDefaultWidth() const override;

  private:
    TcxDBDataController* Controller() const;
};

class TcxLookupDBGridColumns : public TcxLookupGridColumns {
    ZORVY_CLASS(TcxLookupDBGridColumns, TcxLookupGridColumns)
  public:
    explicit TcxLookupDBGridColumns(TcxCustomLookupGrid* grid)
        : TcxLookupGridColumns(grid, TcxLookupDBGridColumn::StaticClass()) {}
    TcxLookupDBGridColumn* GetColumn(int index) const { return static_cast<TcxLookupDBGridColumn*>(GetItem(index)); }
    TcxLookupDBGridColumn* AddColumn() { return static_cast<TcxLookupDBGridColumn*>(Add()); }
    // The first column whose field name equals the name, letter case aside; nil when none.
    TcxLookupDBGridColumn* FindByFieldName(const std::string& name) const;
};

class TcxCustomLookupDBGrid : public TcxCustomLookupGrid {
    ZORVY_CLASS(TcxCustomLookupDBGrid, TcxCustomLookupGrid)
  public:
    explicit TcxCustomLookupDBGrid(TComponent* owner);

    TcxLookupDBGridColumns* GetDBColumns() const { return static_cast<TcxLookupDBGridColumns*>(GetColumns()); }
    TcxLookupGridDBDataController* GetDBDataController() const {
        return static_cast<TcxLookupGridDBDataController*>(GetDataController());
    }
    TDataSource* GetDataSource() const { return GetDBDataController()->GetDataSource(); }
    void SetDataSource(TDataSource* value) { GetDBDataController()->SetDataSource(value); }
    std::string GetKeyFieldNames() const { return GetDBDataController()->GetKeyFieldNames(); }
    void SetKeyFieldNames(const std::string& value) { GetDBDataController()->SetKeyFieldNames(value); }
    // The columns again: one per name of the ";"-separated list.
    void SetColumnFieldNames(const std::string& names);

    virtual void AddColumnsForFields(const std::vector<std::string>& names);
    // Every column's provider follows its field first.
    void DataChanged() override;

  protected:
    // In grid mode over a sequenced dataset the scroll bar stands for the dataset's records: its
    // position is the record number, and moving the thumb moves the dataset.
    void ComputeScrollBarParams() override;
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override;

  private:
    // The list dataset when grid mode scrolls through it by record number; nil otherwise.
    TDataSet* SequencedGridModeDataSet() const;
};

} // namespace zorvy
