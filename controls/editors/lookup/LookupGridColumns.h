#pragma once
// What a lookup grid shows: its options (sorting, grid lines, header, row selection), its columns
// with their captions, widths and cell editors, and the default-values provider a column hands to
// its cell editor.
#include "controls/data/SortingFields.h"
#include "controls/data/ValueTypes.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/rtl/Collection.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCustomLookupGrid;
class TcxLookupGridColumn;
class TFont;


class TcxLookupGridOptions : public TPersistent {
    ZORVY_CLASS(TcxLookupGridOptions, TPersistent)
  public:
    explicit TcxLookupGridOptions(TcxCustomLookupGrid* grid) : grid_(grid) {}
    TPersistent* GetOwner() const override;
    // Copies every option inside one grid update.
    void Assign(TPersistent* source) override;

    // Kept as options of the grid's data controller; false without a grid.
    bool GetAnsiSort() const;
    void SetAnsiSort(bool value);
    bool GetCaseInsensitive() const;
    void SetCaseInsensitive(bool value);
    bool ColumnSorting = true;
    bool FocusRowOnMouseMove = true;
    TcxGridLines GetGridLines() const { return gridLines_; }
    void SetGridLines(TcxGridLines value);
    bool GetRowSelect() const { return rowSelect_; }
    // Turning it on leaves no focused column.
    void SetRowSelect(bool value);
    bool GetShowHeader() const { return showHeader_; }
    void SetShowHeader(bool value);
    // Raised after GridLines or ShowHeader changed.
    TNotifyEvent OnChanged;

  protected:
    virtual void Changed();

  private:
    bool GetControllerOption(unsigned option) const;
    void SetControllerOption(unsigned option, bool value);

    TcxCustomLookupGrid* grid_;
    TcxGridLines gridLines_ = glBoth;
    bool rowSelect_ = true;
    bool showHeader_ = true;
};

// Tells a column's cell editor whether its item keeps display texts.
class TcxLookupGridDefaultValuesProvider : public TcxCustomEditDefaultValuesProvider {
    ZORVY_CLASS(TcxLookupGridDefaultValuesProvider, TcxCustomEditDefaultValuesProvider)
  public:
    explicit TcxLookupGridDefaultValuesProvider(TPersistent* owner) : TcxCustomEditDefaultValuesProvider(owner) {}
    bool HasDisplayFormat(bool isDisplay) override;

  protected:
    TcxLookupGridColumn* GetColumn() const;
};

class TcxLookupGridColumns;

class TcxLookupGridColumn : public TCollectionItem, public IcxRepositoryItemSubscriber {
    ZORVY_CLASS(TcxLookupGridColumn, TCollectionItem)
  public:
    explicit TcxLookupGridColumn(TCollection* collection);
    ~TcxLookupGridColumn() override;
    // Inside the collection's update: defaults, then every setting that is set on the source.
    void Assign(TPersistent* source) override;
    // Renumbers the data controller's items.
    void SetIndex(int index) override;

    TcxCustomLookupGrid* GetGrid() const;
    std::string GetCaption() const { return captionAssigned_ ? caption_ : GetDefaultCaption(); }
    void SetCaption(const std::string& value);
    bool IsCaptionStored() const { return captionAssigned_; }
    bool GetFixed() const { return fixed_; }
    void SetFixed(bool value);
    TAlignment GetHeaderAlignment() const { return headerAlignment_; }
    void SetHeaderAlignment(TAlignment value);
    int GetMinWidth() const { return minWidth_; }
    // Negative values become 0; a minimum above the width raises the width.
    void SetMinWidth(int value);
    bool GetSorting() const { return sorting_; }
    void SetSorting(bool value);
    // The data controller's sort order of the column's item; soNone without a grid.
    TcxDataSortOrder GetSortOrder() const;
    void SetSortOrder(TcxDataSortOrder value);
    TcxEditRepositoryItem* GetRepositoryItem() const { return repositoryItem_; }
    void SetRepositoryItem(TcxEditRepositoryItem* value);
    int GetWidth() const;
    void SetWidth(int value);
    bool IsWidthStored() const { return widthAssigned_; }
    // Made on first need from GetDefaultValuesProviderClass.
    TcxCustomEditDefaultValuesProvider* GetDefaultValuesProvider();
    // The cell editor's settings: always those of the effective repository item.
    TcxCustomEditProperties* GetProperties();

    virtual void AdjustWidth(int& width) const;
    virtual const TMetaClass* GetDefaultValuesProviderClass() const;
    virtual TcxValueTypeClass GetValueTypeClass() const;
    virtual void SetValueTypeClass(TcxValueTypeClass value);
    virtual std::string GetDefaultCaption() const { return {}; }
    virtual TcxEditRepositoryItem* GetDefaultRepositoryItem() const;
    virtual int GetDefaultWidth() const { return 64; }
    virtual TFont* GetContentFont() const;
    virtual TcxEditRepositoryItem* GetDefaultOrInternalItem();
    virtual TcxEditRepositoryItem* GetEffectiveRepositoryItem();
    virtual bool IsFirst() const { return GetIndex() == 0; }
    virtual bool IsLast() const;
    virtual void RestoreDefaults();

    void ItemRemoved(TcxEditRepositoryItem* item) override;
    void ItemPropertiesChanged(TcxEditRepositoryItem* item) override;

  private:
    void Notify() { Changed(false); }

    std::string caption_;
    std::unique_ptr<TcxCustomEditDefaultValuesProvider> provider_;
    TAlignment headerAlignment_ = taLeftJustify;
    std::unique_ptr<TcxEditRepositoryItem> internalItem_;
    bool captionAssigned_ = false;
    bool widthAssigned_ = false;
    int minWidth_ = 20;
    bool fixed_ = false;
    bool sorting_ = true;
    TcxEditRepositoryItem* repositoryItem_ = nullptr;
    int width_ = 0;
};

class TcxLookupGridColumns : public TCollection {
    ZORVY_CLASS(TcxLookupGridColumns, TCollection)
  public:
    TcxLookupGridColumns(TcxCustomLookupGrid* grid, const TMetaClass* columnClass);
    TPersistent* GetOwner() const override;
    TcxCustomLookupGrid* GetGrid() const { return grid_; }
    TcxLookupGridColumn* GetColumn(int index) const { return static_cast<TcxLookupGridColumn*>(GetItem(index)); }
    TcxLookupGridColumn* AddColumn() { return static_cast<TcxLookupGridColumn*>(Add()); }
    // The collection's bracket, also bracketing a grid update.
    void BeginUpdate();
    void EndUpdate();
    // Every column back to its defaults inside one update.
    void RestoreDefaults();

  protected:
    void Update(TCollectionItem* item) override;

  private:
    TcxCustomLookupGrid* grid_;
};

} // namespace zorvy
