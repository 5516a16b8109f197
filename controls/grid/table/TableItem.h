#pragma once
// TcxCustomGridTableItem: one field of a table view (a column). It carries its caption, the editor
// properties that show and edit its values, its binding to a field of the data controller, its
// width, index and visibility in the view, its grouping and sorting (kept by the data controller),
// its options and its part of the stored layout.
#include "controls/foundation/classes/Classes.h"
#include "controls/data/SortingFields.h"
#include "controls/grid/table/FilterOptions.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewOptions.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;
class TcxGridTableDataCellViewInfo;
class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxEditRepositoryItem;
class TcxDataFilterValueList;
class TcxGridDateRanges;
class TcxGridFilteringDateRanges;
class TcxGridGroupingDateRanges;
class TcxGridItemDataBinding;

enum TcxGridItemShowEditButtons { isebDefault, isebNever, isebAlways };
enum TcxGridItemSortByDisplayText { isbtDefault, isbtOn, isbtOff };

class TcxCustomGridTableItemCustomOptions : public TPersistent {
    ZORVY_CLASS(TcxCustomGridTableItemCustomOptions, TPersistent)
  public:
    using TCreateOwner = TcxCustomGridTableItem;
    explicit TcxCustomGridTableItemCustomOptions(TcxCustomGridTableItem* item) : item_(item) {}
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    TcxCustomGridTableItem* GetItem() const { return item_; }

  protected:
    virtual void Changed(int kind);

  private:
    TcxCustomGridTableItem* item_;
};

class TcxCustomGridTableItemOptions : public TcxCustomGridTableItemCustomOptions {
    ZORVY_CLASS(TcxCustomGridTableItemOptions, TcxCustomGridTableItemCustomOptions)
  public:
    using TcxCustomGridTableItemCustomOptions::TcxCustomGridTableItemCustomOptions;
    void Assign(TPersistent* source) override;

    bool GetEditing() const { return editing_; }
    void SetEditing(bool value);
    bool GetFiltering() const { return filtering_; }
    void SetFiltering(bool value);
    bool GetFilteringFilteredItemsList() const { return filteringFilteredItemsList_; }
    void SetFilteringFilteredItemsList(bool value) { Store(filteringFilteredItemsList_, value, 0); }
    bool GetFilteringMRUItemsList() const { return filteringMRUItemsList_; }
    void SetFilteringMRUItemsList(bool value) { Store(filteringMRUItemsList_, value, 0); }
    bool GetFilteringPopup() const { return filteringPopup_; }
    void SetFilteringPopup(bool value) { Store(filteringPopup_, value, 2); }
    bool GetFilteringPopupMultiSelect() const { return filteringPopupMultiSelect_; }
    void SetFilteringPopupMultiSelect(bool value) { Store(filteringPopupMultiSelect_, value, 0); }
    bool GetFocusing() const { return focusing_; }
    void SetFocusing(bool value);
    bool GetGrouping() const { return grouping_; }
    void SetGrouping(bool value) { Store(grouping_, value, 0); }
    bool GetIgnoreTimeForFiltering() const { return ignoreTimeForFiltering_; }
    void SetIgnoreTimeForFiltering(bool value);
    bool GetIncSearch() const { return incSearch_; }
    void SetIncSearch(bool value);
    bool GetMoving() const { return moving_; }
    void SetMoving(bool value) { Store(moving_, value, 0); }
    bool GetShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    TcxGridItemShowEditButtons GetShowEditButtons() const { return showEditButtons_; }
    void SetShowEditButtons(TcxGridItemShowEditButtons value) { Store(showEditButtons_, value, 2); }
    TcxGridItemSortByDisplayText GetSortByDisplayText() const { return sortByDisplayText_; }
    void SetSortByDisplayText(TcxGridItemSortByDisplayText value);
    bool GetSorting() const { return sorting_; }
    void SetSorting(bool value) { Store(sorting_, value, 0); }

  protected:
    // Before ShowCaption changes; nothing here.
    virtual void BeforeShowCaptionChange() {}

  private:
    template <class T> void Store(T& field, T value, int kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool editing_ = true;
    bool filtering_ = true;
    bool filteringFilteredItemsList_ = true;
    bool filteringMRUItemsList_ = true;
    bool filteringPopup_ = true;
    bool filteringPopupMultiSelect_ = true;
    bool focusing_ = true;
    bool grouping_ = true;
    bool ignoreTimeForFiltering_ = true;
    bool incSearch_ = true;
    bool moving_ = true;
    bool showCaption_ = true;
    TcxGridItemShowEditButtons showEditButtons_ = isebDefault;
    TcxGridItemSortByDisplayText sortByDisplayText_ = isbtDefault;
    bool sorting_ = true;
};

using TcxGridGetDataTextEvent = std::function<void(TcxCustomGridTableItem* sender, int recordIndex, std::string& text)>;
using TcxGridGetDisplayTextEvent =
    std::function<void(TcxCustomGridTableItem* sender, TcxCustomGridRecord* record, std::string& text)>;
using TcxGridGetFilterDisplayTextEvent =
    std::function<void(TcxCustomGridTableItem* sender, const Variant& value, std::string& displayText)>;
using TcxGridGetFilterValuesEvent = std::function<void(TcxCustomGridTableItem* sender, TcxDataFilterValueList* valueList)>;
using TcxGridUserFilteringEvent =
    std::function<void(TcxCustomGridTableItem* sender, const Variant& value, const std::string& displayText)>;
using TcxGridInitDateRangesEvent = std::function<void(TcxCustomGridTableItem* sender, TcxGridDateRanges* dateRanges)>;
using TcxGridGetPropertiesEvent = std::function<void(TcxCustomGridTableItem* sender, TcxCustomGridRecord* record,
                                                     TcxCustomEditProperties*& properties)>;
using TcxGridTableItemCustomDrawCellEvent = std::function<void(
    TcxCustomGridTableItem* sender, TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo, bool& done)>;
using TcxGridGetCellHintEvent =
    std::function<void(TcxCustomGridTableItem* sender, TcxCustomGridRecord* record, TcxGridTableDataCellViewInfo* cell,
                       TPoint mousePos, std::string& hintText, bool& isHintMultiLine, TRect& hintTextRect)>;
using TcxGridTableItemGetStoredPropertiesEvent = std::function<void(TcxCustomGridTableItem* sender, TStrings* properties)>;
using TcxGridTableItemGetStoredPropertyValueEvent =
    std::function<void(TcxCustomGridTableItem* sender, const std::string& name, Variant& value)>;
using TcxGridTableItemSetStoredPropertyValueEvent =
    std::function<void(TcxCustomGridTableItem* sender, const std::string& name, const Variant& value)>;

class TcxCustomGridTableItem : public TcxComponent, public IcxGridStoredObject {
    ZORVY_CLASS(TcxCustomGridTableItem, TcxComponent)
  public:
    explicit TcxCustomGridTableItem(TComponent* owner);
    // Leaves its view.
    ~TcxCustomGridTableItem() override;
    void Assign(TPersistent* source) override;
    // Reads the old "Hidden" flag; writes "IsCaptionAssigned" for an assigned empty caption.
    void DefineProperties(TFiler* filer) override;
    // An item's parent component is its view: setting it joins the view.
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* value);

    // ---- view, index, ID ----
    TcxCustomGridTableView* GetGridView() const { return gridView_; }
    int GetIndex() const { return index_; }
    // Moves the item in its view at once.
    void SetIndex(int value);
    int GetID() const { return id_; }
    int GetVisibleIndex() const { return visibleIndex_; }
    TcxGridItemDataBinding* GetDataBinding() const { return dataBinding_.get(); }
    void SetDataBinding(TcxGridItemDataBinding* value);
    TcxCustomDataController* GetDataController() const;

    // ---- captions ----
    const std::string& GetAlternateCaption() const { return alternateCaption_; }
    void SetAlternateCaption(const std::string& value);
    std::string GetCaption() const;
    void SetCaption(const std::string& value);
    bool IsCaptionAssigned() const { return captionAssigned_; }
    // The alternate caption, or the caption when it is empty.
    std::string GetAlternateCaptionText() const;
    virtual std::string GetDisplayCaption() const { return GetCaption(); }

    // ---- sizes and alignment ----
    int GetWidth() const;
    void SetWidth(int value);
    bool IsWidthAssigned() const { return widthAssigned_; }
    int GetMinWidth() const;
    void SetMinWidth(int value);
    int GetBestFitMaxWidth() const { return bestFitMaxWidth_; }
    void SetBestFitMaxWidth(int value);
    // Fits the width to the widest value of the records (TableItemBestFit.cpp); with
    // checkSizingAbility only when the item allows it; fireEvents raises the size-changed events.
    void ApplyBestFit(bool checkSizingAbility = false, bool fireEvents = false);
    // CalculateBestFitWidth, at most BestFitMaxWidth when that is set.
    int GetBestFitWidth();
    // The widest value of the records measured (all, or BestFitMaxRecordCount from the top record).
    virtual int CalculateBestFitWidth();
    virtual void SetBestFitWidth(int value) { SetWidth(value); }
    virtual void DoSizeChanged(bool /*fireEvents*/) {}
    TAlignment GetHeaderAlignmentHorz() const { return headerAlignmentHorzAssigned_ ? headerAlignmentHorz_ : taLeftJustify; }
    void SetHeaderAlignmentHorz(TAlignment value);
    TcxAlignmentVert GetHeaderAlignmentVert() const { return headerAlignmentVertAssigned_ ? headerAlignmentVert_ : vaTop; }
    void SetHeaderAlignmentVert(TcxAlignmentVert value);
    int GetTag() const { return tag_; }
    void SetTag(int value);

    // ---- visibility ----
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    bool GetVisibleForCustomization() const { return visibleForCustomization_; }
    void SetVisibleForCustomization(bool value);
    virtual bool GetActuallyVisible() const { return visible_; }
    void StoreActualVisibility() { actuallyVisibleRemembered_ = GetActuallyVisible(); }
    bool ActualVisibilityChanged() const { return actuallyVisibleRemembered_ != GetActuallyVisible(); }
    bool IsFirstVisible() const { return visibleIndex_ == 0; }
    bool IsLastVisible() const;
    bool GetWasVisibleBeforeGrouping() const { return wasVisibleBeforeGrouping_; }

    // ---- grouping and sorting (kept by the data controller) ----
    int GetGroupIndex() const;
    void SetGroupIndex(int value);
    int GetSortIndex() const;
    void SetSortIndex(int value);
    TcxDataSortOrder GetSortOrder() const;
    void SetSortOrder(TcxDataSortOrder value);
    TcxGridDateTimeGrouping GetDateTimeGrouping() const { return dateTimeGrouping_; }
    void SetDateTimeGrouping(TcxGridDateTimeGrouping value);
    TcxGridDateTimeGrouping GetEffectiveDateTimeGrouping() const;
    bool GetSortByDisplayText(bool sortByDisplayText) const;

    // ---- editor properties ----
    TcxCustomEditProperties* GetProperties() const { return properties_.get(); }
    void SetProperties(TcxCustomEditProperties* value);
    const TMetaClass* GetPropertiesClass() const { return propertiesClass_; }
    void SetPropertiesClass(const TMetaClass* value);
    std::string GetPropertiesClassName() const;
    // A name the registry does not hold gives no own properties.
    void SetPropertiesClassName(const std::string& value);
    TcxEditRepositoryItem* GetRepositoryItem() const { return repositoryItem_; }
    void SetRepositoryItem(TcxEditRepositoryItem* value);
    // The properties in effect: own, the repository item's, or the default editor's.
    TcxCustomEditProperties* GetPropertiesValue() const { return propertiesValue_; }
    TcxCustomEditProperties* GetPropertiesForRecord(TcxCustomGridRecord* record);
    TcxCustomEditProperties* GetPropertiesByRecordIndex(int recordIndex);
    bool UsesOwnProperties() const { return properties_ && !repositoryItem_; }
    void RefreshPropertiesValue();
    void PropertiesValueChanged();
    void RepositoryItemRemoved(TcxEditRepositoryItem* item);

    // ---- options, focus, editing ----
    TcxCustomGridTableItemOptions* GetOptions() const { return options_.get(); }
    void SetOptions(TcxCustomGridTableItemOptions* value) { options_->Assign(value); }
    bool GetFocused() const;
    void SetFocused(bool value);
    bool GetEditing() const;
    void SetEditing(bool value);
    bool GetFiltered() const;
    void SetFiltered(bool value);
    void FocusItem() { SetFocused(true); }

    // ---- cells ----
    // Data cells list themselves here while they exist.
    void AddCell(TcxGridTableDataCellViewInfo* cell) { cells_.push_back(cell); }
    void RemoveCell(TcxGridTableDataCellViewInfo* cell);
    int GetCellCount() const { return static_cast<int>(cells_.size()); }
    TcxGridTableDataCellViewInfo* GetCell(int index) const { return cells_.at(static_cast<size_t>(index)); }
    // The cell of the item in the focused record, when it is laid out.
    virtual TcxGridTableDataCellViewInfo* GetFocusedCellViewInfo() const;
    // The style every cell of the item is drawn with, counted per cell.
    TcxCustomEditStyle* AcquireCellStyle();
    void ReleaseCellStyle();
    // The item's shared view data for the properties in effect, unless an OnGetProperties handler is
    // assigned or none is shared: then a new one, reported as new and freed by ReleaseEditViewData.
    TcxCustomEditViewData* GetEditViewData(TcxCustomEditProperties* properties, bool& isNew);
    void ReleaseEditViewData(TcxCustomEditViewData* viewData, bool isNew);
    // One shared view data for the cells of a layout pass.
    void CreateSharedEditViewData();
    void DestroySharedEditViewData();
    virtual void InitEditStyle(TcxCustomEditStyle* style, const TcxPartParams& params, bool isFocusedRecord);
    // One line of the editor in font with the shared style; 2 more when not 0.
    virtual int CalculateDefaultCellHeight(TcxCanvas* canvas, TFont* font);
    // Whether the focused cell's editor is cut to the editing area.
    virtual bool CanCheckFocusedCellClipping() const { return false; }
    bool DoCustomDrawCell(TcxCanvas* canvas, TcxGridTableDataCellViewInfo* viewInfo);
    void DoGetCellHint(TcxCustomGridRecord* record, TcxGridTableDataCellViewInfo* cell, TRect& bounds,
                       bool& isMultiLine, std::string& text, TPoint mousePos);
    TcxGridTableItemCustomDrawCellEvent OnCustomDrawCell;
    TcxGridGetCellHintEvent OnGetCellHint;

    // ---- checks ----
    virtual bool CanFilter(bool forPopup) const;
    virtual bool IsFilterable() const { return CanFilter(false); }
    virtual bool IsFilterPopupMultiSelect() const;
    virtual bool HasFilterMRUItemsList() const;
    virtual bool HasFilteredItemsList() const;
    virtual bool CanGroup() const;
    virtual bool CanSort() const;
    virtual bool CanIncSearch() const;
    virtual bool CanAutoHeight() const;
    virtual bool CanMove() const;
    virtual bool CanFocus(TcxCustomGridRecord* record) const;
    virtual bool CanEdit() const;
    virtual bool CanEditFocusedCell() const;
    virtual bool CanHide() const;
    virtual bool HasFixedWidth() const { return false; }
    virtual bool CanApplyBestFit() const { return !HasFixedWidth(); }
    virtual bool GetIgnoreTimeForFiltering() const;
    virtual TcxGridDateTimeFilters GetDateTimeFilters() const;
    virtual bool UsesDateTimeFilters(bool relative) const;
    virtual bool GetGroupingByDateRanges(bool handlersOnly) const;
    virtual bool GetShowEditButtons(bool isFocusedRecord) const;
    bool IsDateTimeValueType() const;

    // ---- date ranges ----
    TcxGridFilteringDateRanges* GetFilteringDateRanges() const { return filteringDateRanges_.get(); }
    TcxGridGroupingDateRanges* GetGroupingDateRanges() const { return groupingDateRanges_.get(); }
    virtual void InitFilteringDateRanges();
    virtual void InitGroupingDateRanges();
    virtual void GroupingDateRangesChanged();
    virtual void CheckGroupingDateRanges();

    // ---- reactions ----
    virtual void Changed(int kind);
    void NotifyItemChanged();
    virtual void RecordsChanged() {}
    virtual void DataChanged();
    virtual void PropertiesChanged();
    virtual void SetGridView(TcxCustomGridTableView* value);
    virtual void ResetToDefaults();
    bool IsLoading() const;
    bool IsDestroying() const { return HasState(csDestroying); }

    // ---- texts and events ----
    void DoGetDataText(int recordIndex, std::string& text);
    void DoGetDisplayText(TcxCustomGridRecord* record, std::string& text);
    void DoGetFilterDisplayText(const Variant& value, std::string& text);
    void DoGetFilterValues(TcxDataFilterValueList* valueList);
    void DoUserFiltering(const Variant& value, const std::string& displayText);
    TcxGridGetDataTextEvent OnGetDataText;
    TcxGridGetDisplayTextEvent OnGetDisplayText;
    TcxGridGetFilterDisplayTextEvent OnGetFilterDisplayText;
    TcxGridGetFilterValuesEvent OnGetFilterValues;
    TcxGridUserFilteringEvent OnUserFiltering;
    // After the view's own handler.
    TcxGridInitDateRangesEvent OnInitFilteringDateRanges;
    TcxGridGetPropertiesEvent OnGetProperties;
    TcxGridGetPropertiesEvent OnGetPropertiesForEdit;
    TcxGridTableItemGetStoredPropertiesEvent OnGetStoredProperties;
    TcxGridTableItemGetStoredPropertyValueEvent OnGetStoredPropertyValue;
    TcxGridTableItemSetStoredPropertyValueEvent OnSetStoredPropertyValue;

    // ---- stored layout ----
    std::string GetStoredObjectName() const override;
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

  protected:
    virtual const TMetaClass* GetDataBindingClass() const;
    virtual const TMetaClass* GetOptionsClass() const { return TcxCustomGridTableItemOptions::StaticClass(); }
    virtual void CreateSubClasses();
    virtual void DestroySubClasses();
    // The constructor runs before a descendant's factory answers: its constructor calls this.
    void RecreateOptions();
    virtual std::string GetDefaultCaption() const;
    // The alternate caption shown when none is assigned: the caption.
    virtual std::string GetDefaultAlternateCaption() const { return GetCaption(); }
    virtual int GetDefaultWidth() const;
    int GetEffectiveMinWidth() const { return HasFixedWidth() ? 0 : minWidth_; }

  private:
    friend class TcxCustomGridTableView;
    void CreateDataBinding();
    void DestroyDataBinding();
    TcxCustomEditProperties* ResolvePropertiesValue();
    void ChangeGroupIndex(int value);
    void ChangeSortIndex(int value);
    void ListenToRepositoryItem(TcxEditRepositoryItem* item, bool listen);

    std::string alternateCaption_;
    int bestFitMaxWidth_ = 0;
    std::string caption_;
    std::unique_ptr<TcxGridItemDataBinding> dataBinding_;
    TcxGridDateTimeGrouping dateTimeGrouping_ = dtgDefault;
    std::unique_ptr<TcxGridFilteringDateRanges> filteringDateRanges_;
    TcxCustomGridTableView* gridView_ = nullptr;
    std::unique_ptr<TcxGridGroupingDateRanges> groupingDateRanges_;
    TAlignment headerAlignmentHorz_ = taLeftJustify;
    TcxAlignmentVert headerAlignmentVert_ = vaTop;
    int id_ = 0;
    int index_ = -1;
    bool captionAssigned_ = false;
    bool headerAlignmentHorzAssigned_ = false;
    bool headerAlignmentVertAssigned_ = false;
    bool widthAssigned_ = false;
    TcxEditRepositoryItem* lastUsedDefaultRepositoryItem_ = nullptr;
    int minWidth_ = 20;
    std::unique_ptr<TcxCustomGridTableItemOptions> options_;
    std::unique_ptr<TcxCustomEditProperties> properties_;
    const TMetaClass* propertiesClass_ = nullptr;
    TcxCustomEditProperties* propertiesValue_ = nullptr;
    TcxEditRepositoryItem* repositoryItem_ = nullptr;
    bool actuallyVisibleRemembered_ = false;
    int tag_ = 0;
    bool visible_ = false;
    bool visibleForCustomization_ = true;
    int visibleIndex_ = -1;
    bool wasVisibleBeforeGrouping_ = false;
    int width_ = 0;
    TcxCustomEditViewData* CreateEditViewData(TcxCustomEditProperties* properties);
    std::vector<TcxGridTableDataCellViewInfo*> cells_;
    std::unique_ptr<TcxCustomEditStyle> cellStyle_;
    int cellStyleUseCount_ = 0;
    std::unique_ptr<TcxCustomEditViewData> sharedEditViewData_;
    class TRepositoryListener;
    std::unique_ptr<TRepositoryListener> repositoryListener_;
};

} // namespace zorvy
