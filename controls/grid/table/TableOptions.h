#pragma once
// The option objects of a table view: behaviour, customization, data, selection and view options
// and the background bitmaps. Each is made by a class factory of the view, owned by it, and reports
// the narrowest change its setting needs (0 settings, 1 layout, 2 size).
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewOptions.h"

#include <string>

namespace zorvy {

class TcxCustomGridTableView;
class TcxCustomGridTableItem;

enum TcxGridDragFocusing { dfNone, dfDragOver, dfDragDrop };

class TcxCustomGridTableOptionsBehavior : public TcxCustomGridOptionsBehavior {
    ZORVY_CLASS(TcxCustomGridTableOptionsBehavior, TcxCustomGridOptionsBehavior)
  public:
    using TcxCustomGridOptionsBehavior::TcxCustomGridOptionsBehavior;
    void Assign(TPersistent* source) override;

    bool GetAlwaysShowEditor() const { return alwaysShowEditor_; }
    void SetAlwaysShowEditor(bool value) { Store(alwaysShowEditor_, value); }
    int GetBestFitMaxRecordCount() const { return bestFitMaxRecordCount_; }
    void SetBestFitMaxRecordCount(int value) { Store(bestFitMaxRecordCount_, value < 0 ? 0 : value); }
    bool GetCellHints() const { return cellHints_; }
    void SetCellHints(bool value) { Store(cellHints_, value); }
    bool GetCopyCaptionsToClipboard() const { return copyCaptionsToClipboard_; }
    void SetCopyCaptionsToClipboard(bool value) { Store(copyCaptionsToClipboard_, value); }
    bool GetDragDropText() const { return dragDropText_; }
    void SetDragDropText(bool value) { Store(dragDropText_, value); }
    TcxGridDragFocusing GetDragFocusing() const { return dragFocusing_; }
    void SetDragFocusing(TcxGridDragFocusing value) { Store(dragFocusing_, value); }
    bool GetDragHighlighting() const { return dragHighlighting_; }
    void SetDragHighlighting(bool value) { Store(dragHighlighting_, value); }
    bool GetDragOpening() const { return dragOpening_; }
    void SetDragOpening(bool value) { Store(dragOpening_, value); }
    bool GetDragScrolling() const { return dragScrolling_; }
    void SetDragScrolling(bool value) { Store(dragScrolling_, value); }
    bool GetFocusCellOnCycle() const { return focusCellOnCycle_; }
    void SetFocusCellOnCycle(bool value) { Store(focusCellOnCycle_, value); }
    bool GetFocusCellOnTab() const { return focusCellOnTab_; }
    // Also makes the site want (or stop wanting) the Tab key.
    void SetFocusCellOnTab(bool value);
    bool GetFocusFirstCellOnNewRecord() const { return focusFirstCellOnNewRecord_; }
    void SetFocusFirstCellOnNewRecord(bool value) { Store(focusFirstCellOnNewRecord_, value); }
    bool GetGoToNextCellOnEnter() const { return goToNextCellOnEnter_; }
    void SetGoToNextCellOnEnter(bool value) { Store(goToNextCellOnEnter_, value); }
    bool GetImmediateEditor() const { return immediateEditor_; }
    void SetImmediateEditor(bool value) { Store(immediateEditor_, value); }
    bool GetIncSearch() const { return incSearch_; }
    // Switching it off first ends a running search.
    void SetIncSearch(bool value);
    TcxCustomGridTableItem* GetIncSearchItem() const { return incSearchItem_; }
    // The view clears it when the item leaves.
    void SetIncSearchItem(TcxCustomGridTableItem* value);
    bool GetNavigatorHints() const { return navigatorHints_; }
    void SetNavigatorHints(bool value) { Store(navigatorHints_, value); }
    bool GetPullFocusing() const { return pullFocusing_; }
    void SetPullFocusing(bool value) { Store(pullFocusing_, value); }

  private:
    template <class T> void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed(vckProperty);
    }
    bool alwaysShowEditor_ = false;
    int bestFitMaxRecordCount_ = 0;
    bool cellHints_ = false;
    bool copyCaptionsToClipboard_ = true;
    bool dragDropText_ = false;
    TcxGridDragFocusing dragFocusing_ = dfNone;
    bool dragHighlighting_ = true;
    bool dragOpening_ = true;
    bool dragScrolling_ = true;
    bool focusCellOnCycle_ = false;
    bool focusCellOnTab_ = false;
    bool focusFirstCellOnNewRecord_ = false;
    bool goToNextCellOnEnter_ = false;
    bool immediateEditor_ = true;
    bool incSearch_ = false;
    TcxCustomGridTableItem* incSearchItem_ = nullptr;
    bool navigatorHints_ = false;
    bool pullFocusing_ = false;
};

enum TcxGridQuickCustomizationReordering { qcrDefault, qcrEnabled, qcrDisabled };

class TcxCustomGridTableOptionsCustomize : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridTableOptionsCustomize, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;

    bool GetColumnFiltering() const { return columnFiltering_; }
    void SetColumnFiltering(bool value) { Store(columnFiltering_, value, vckSize); }
    bool GetColumnGrouping() const { return columnGrouping_; }
    void SetColumnGrouping(bool value) { Store(columnGrouping_, value, vckProperty); }
    bool GetColumnHiding() const { return columnHiding_; }
    void SetColumnHiding(bool value) { Store(columnHiding_, value, vckProperty); }
    bool GetColumnMoving() const { return columnMoving_; }
    void SetColumnMoving(bool value) { Store(columnMoving_, value, vckProperty); }
    bool GetColumnSorting() const { return columnSorting_; }
    void SetColumnSorting(bool value) { Store(columnSorting_, value, vckProperty); }
    bool GetColumnsQuickCustomization() const { return columnsQuickCustomization_; }
    void SetColumnsQuickCustomization(bool value) { Store(columnsQuickCustomization_, value, vckSize); }
    int GetColumnsQuickCustomizationMaxDropDownCount() const { return quickCustomizationMaxDropDownCount_; }
    void SetColumnsQuickCustomizationMaxDropDownCount(int value) {
        Store(quickCustomizationMaxDropDownCount_, value < 0 ? 0 : value, vckProperty);
    }
    TcxGridQuickCustomizationReordering GetColumnsQuickCustomizationReordering() const { return reordering_; }
    void SetColumnsQuickCustomizationReordering(TcxGridQuickCustomizationReordering value) {
        Store(reordering_, value, vckProperty);
    }
    virtual bool SupportsColumnsQuickCustomizationReordering() const;

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool columnFiltering_ = true;
    bool columnGrouping_ = true;
    bool columnHiding_ = false;
    bool columnMoving_ = true;
    bool columnSorting_ = true;
    bool columnsQuickCustomization_ = false;
    int quickCustomizationMaxDropDownCount_ = 0;
    TcxGridQuickCustomizationReordering reordering_ = qcrDefault;
};

class TcxCustomGridTableOptionsData : public TcxCustomGridOptionsData {
    ZORVY_CLASS(TcxCustomGridTableOptionsData, TcxCustomGridOptionsData)
  public:
    using TcxCustomGridOptionsData::TcxCustomGridOptionsData;
    void Assign(TPersistent* source) override;

    bool GetAppending() const { return appending_; }
    void SetAppending(bool value);
    bool GetCancelOnExit() const { return cancelOnExit_; }
    void SetCancelOnExit(bool value);
    bool GetDeleting() const { return deleting_; }
    void SetDeleting(bool value);
    bool GetDeletingConfirmation() const { return deletingConfirmation_; }
    void SetDeletingConfirmation(bool value);
    bool GetEditing() const { return editing_; }
    // Switching it off first ends editing.
    void SetEditing(bool value);
    bool GetInserting() const { return inserting_; }
    void SetInserting(bool value);

  private:
    void RefreshNavigators();
    bool appending_ = false;
    bool cancelOnExit_ = true;
    bool deleting_ = true;
    bool deletingConfirmation_ = true;
    bool editing_ = true;
    bool inserting_ = true;
};

class TcxCustomGridTableOptionsSelection : public TcxCustomGridOptionsSelection {
    ZORVY_CLASS(TcxCustomGridTableOptionsSelection, TcxCustomGridOptionsSelection)
  public:
    using TcxCustomGridOptionsSelection::TcxCustomGridOptionsSelection;
    void Assign(TPersistent* source) override;

    bool GetCellSelect() const { return cellSelect_; }
    // On focuses the first focusable item; off removes the item focus.
    virtual void SetCellSelect(bool value);
    bool GetHideFocusRectOnExit() const { return hideFocusRectOnExit_; }
    void SetHideFocusRectOnExit(bool value);
    // The second, never written name of HideFocusRectOnExit.
    bool GetHideFocusRect() const { return hideFocusRectOnExit_; }
    void SetHideFocusRect(bool value) { SetHideFocusRectOnExit(value); }
    bool GetHideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool GetInvertSelect() const { return invertSelect_; }
    virtual void SetInvertSelect(bool value);
    // Kept by the data controller.
    bool GetMultiSelect() const;
    virtual void SetMultiSelect(bool value);
    bool GetUnselectFocusedRecordOnExit() const { return unselectFocusedRecordOnExit_; }
    void SetUnselectFocusedRecordOnExit(bool value);
    virtual bool ShouldStoreInvertSelect() const { return !invertSelect_; }
    virtual bool ShouldStoreMultiSelect() const { return GetMultiSelect(); }

  private:
    bool cellSelect_ = true;
    bool hideFocusRectOnExit_ = true;
    bool hideSelection_ = false;
    bool invertSelect_ = true;
    bool unselectFocusedRecordOnExit_ = true;
};

enum TcxGridShowEditButtons { gsebNever, gsebForFocusedRecord, gsebAlways };
enum TcxGridShowItemFilterButtons { sfbAlways, sfbWhenSelected };

class TcxCustomGridTableOptionsView : public TcxCustomGridOptionsView {
    ZORVY_CLASS(TcxCustomGridTableOptionsView, TcxCustomGridOptionsView)
  public:
    // Loads the default no-data text.
    explicit TcxCustomGridTableOptionsView(TcxCustomGridView* gridView);
    void Assign(TPersistent* source) override;

    bool GetCellAutoHeight() const { return cellAutoHeight_; }
    void SetCellAutoHeight(bool value) { Store(cellAutoHeight_, value, vckSize); }
    bool GetCellEndEllipsis() const { return cellEndEllipsis_; }
    void SetCellEndEllipsis(bool value) { Store(cellEndEllipsis_, value, vckLayout); }
    int GetCellTextMaxLineCount() const { return cellTextMaxLineCount_; }
    void SetCellTextMaxLineCount(int value) { Store(cellTextMaxLineCount_, value < 0 ? 0 : value, vckSize); }
    bool GetFocusRect() const { return focusRect_; }
    void SetFocusRect(bool value) { Store(focusRect_, value, vckLayout); }
    bool GetHeaderAutoHeight() const { return headerAutoHeight_; }
    void SetHeaderAutoHeight(bool value);
    bool GetHeaderEndEllipsis() const { return headerEndEllipsis_; }
    void SetHeaderEndEllipsis(bool value) { Store(headerEndEllipsis_, value, vckLayout); }
    bool GetNavigator() const { return navigator_; }
    void SetNavigator(bool value) { Store(navigator_, value, vckSize); }
    int GetNavigatorOffset() const { return navigatorOffset_; }
    void SetNavigatorOffset(int value) { Store(navigatorOffset_, value < 0 ? 0 : value, vckSize); }
    const std::string& GetNoDataToDisplayInfoText() const { return noDataToDisplayInfoText_; }
    void SetNoDataToDisplayInfoText(const std::string& value) { Store(noDataToDisplayInfoText_, value, vckLayout); }
    bool ShouldStoreNoDataToDisplayInfoText() const;
    // The property when it differs from the default text, else the default through the resolver.
    std::string GetNoDataToDisplayText() const;
    TcxGridShowEditButtons GetShowEditButtons() const { return showEditButtons_; }
    void SetShowEditButtons(TcxGridShowEditButtons value) { Store(showEditButtons_, value, vckSize); }
    TcxGridShowItemFilterButtons GetShowColumnFilterButtons() const { return showColumnFilterButtons_; }
    void SetShowColumnFilterButtons(TcxGridShowItemFilterButtons value) {
        Store(showColumnFilterButtons_, value, vckSize);
    }

  protected:
    virtual void HeaderAutoHeightChanged() { Changed(vckSize); }

  private:
    template <class T> void Store(T& field, const T& value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool cellAutoHeight_ = false;
    bool cellEndEllipsis_ = false;
    int cellTextMaxLineCount_ = 0;
    bool focusRect_ = true;
    bool headerAutoHeight_ = false;
    bool headerEndEllipsis_ = false;
    bool navigator_ = false;
    int navigatorOffset_ = 50;
    std::string noDataToDisplayInfoText_;
    TcxGridShowEditButtons showEditButtons_ = gsebNever;
    TcxGridShowItemFilterButtons showColumnFilterButtons_ = sfbWhenSelected;
};

class TcxCustomGridTableBackgroundBitmaps : public TcxCustomGridBackgroundBitmaps {
    ZORVY_CLASS(TcxCustomGridTableBackgroundBitmaps, TcxCustomGridBackgroundBitmaps)
  public:
    using TcxCustomGridBackgroundBitmaps::TcxCustomGridBackgroundBitmaps;
    void Assign(TPersistent* source) override;
    TBitmap* GetContent() { return GetValue(1); }
    void SetContent(TBitmap* value) { SetValue(1, value); }
    TBitmap* GetFilterBox() { return GetValue(2); }
    void SetFilterBox(TBitmap* value) { SetValue(2, value); }
    int GetBitmapStyleIndex(int index) const override;
};

} // namespace zorvy
