#pragma once
// The combo box: the drop-down editor whose popup lists the strings of Items in an owner-drawn list.
// Its settings (TcxCustomComboBoxProperties) say whether the text must be an item, how many rows the
// list shows and how items are drawn and measured; TcxComboBoxLookupData measures the list and fits
// it to whole rows; the list boxes draw, measure and accept items; TcxCustomComboBox ties them to the
// editor (selection by mouse, Revertable stepping on double click); TcxFilterComboBoxHelper prepares
// a combo box for typing filter values.
#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/mask/MaskEditUnit.h"
#include "controls/editors/popup/ComboListSizing.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/editors/popup/DropDownEdit.h"
#include "controls/editors/text/EditListBox.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomComboBox;

enum TcxEditDropDownListStyle { lsEditFixedList, lsEditList, lsFixedList };

// Draws an item; the control is nil for a grid cell.
using TcxEditDrawItemEvent = std::function<void(TcxCustomComboBox* control, TcxCanvas* canvas, int index,
                                                const TRect& rect, TOwnerDrawState state)>;
using TcxEditMeasureItemEvent =
    std::function<void(TcxCustomComboBox* control, int index, TcxCanvas* canvas, int& height)>;

class TcxCustomComboBoxProperties : public TcxCustomDropDownEditProperties {
    ZORVY_CLASS(TcxCustomComboBoxProperties, TcxCustomDropDownEditProperties)
  public:
    explicit TcxCustomComboBoxProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    TcxEditDropDownListStyle GetDropDownListStyle() const { return listStyle_; }
    void SetDropDownListStyle(TcxEditDropDownListStyle value);
    // Rows shown without scrolling; values of 0 or less are ignored.
    int GetDropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(int value);
    // A fixed row height; 0 or less: the list's default.
    int GetItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    // A double click steps to the next item (after the last comes the first).
    bool Revertable = false;
    TcxEditDrawItemEvent OnDrawItem;
    TcxEditMeasureItemEvent OnMeasureItem;

    // The combo box's names for the drop-down settings.
    bool GetDropDownAutoWidth() const { return GetPopupAutoSize(); }
    void SetDropDownAutoWidth(bool value) { SetPopupAutoSize(value); }
    bool GetDropDownSizeable() const { return GetPopupSizeable(); }
    void SetDropDownSizeable(bool value) { SetPopupSizeable(value); }
    int GetDropDownWidth() const { return GetPopupWidth(); }
    void SetDropDownWidth(int value) { SetPopupWidth(value); }
    const std::vector<std::string>& GetItems() const { return GetLookupItems(); }
    void SetItems(const std::vector<std::string>& items) { SetLookupItems(items); }
    bool GetSorted() const { return GetLookupItemsSorted(); }
    void SetSorted(bool value) { SetLookupItemsSorted(value); }

    TcxEditInputStyle GetInputStyle() const override;
    const TMetaClass* GetLookupDataClass() const override;
    int GetDefaultListRows() const override { return dropDownRows_; }
    bool IsFixedListStyle() const override { return listStyle_ == lsFixedList; }
    TcxEditPopupWindowFactory GetPopupWindowClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    TcxEditDropDownListStyle listStyle_ = lsEditList;
    int dropDownRows_ = 8;
    int itemHeight_ = 0;
};

class TcxComboBoxProperties : public TcxCustomComboBoxProperties {
    ZORVY_CLASS(TcxComboBoxProperties, TcxCustomComboBoxProperties)
  public:
    using TcxCustomComboBoxProperties::TcxCustomComboBoxProperties;
};

// The combo box's lookup data: its list measures every item for opening and sizes in whole rows.
class TcxComboBoxLookupData : public TcxCustomTextEditLookupData {
    ZORVY_CLASS(TcxComboBoxLookupData, TcxCustomTextEditLookupData)
  public:
    using TcxCustomTextEditLookupData::TcxCustomTextEditLookupData;
    const TMetaClass* GetListBoxClass() const override;
    void PrepareListBox(TWinControl* parent) override;
    TSize MeasureList(int maxHeight, int widthLimit) override;
    bool AdjustListSize(TSize& size, int maxHeight) override;

  private:
    TcxListRows Rows();
};

// The combo box's drop-down list: rows of variable height whose texts come from the lookup data,
// drawn and measured by the combo box's OnDrawItem and OnMeasureItem when it has them.
class TcxCustomComboBoxListBox : public TcxCustomEditListBox {
    ZORVY_CLASS(TcxCustomComboBoxListBox, TcxCustomEditListBox)
  public:
    explicit TcxCustomComboBoxListBox(TComponent* owner);
    TcxCustomComboBox* GetComboBox() const;
    bool DrawItemCustom(int index, const TRect& rect, TOwnerDrawState state) override;
    void UpdateItemMetrics() override;

  protected:
    void Dispatch(TMessage& m) override;
};

class TcxComboBoxListBox : public TcxCustomComboBoxListBox {
    ZORVY_CLASS(TcxComboBoxListBox, TcxCustomComboBoxListBox)
  public:
    using TcxCustomComboBoxListBox::TcxCustomComboBoxListBox;
    // ItemHeight, or the list's default; OnMeasureItem may change an item's.
    int GetItemHeight(int index) override;
    void UpdateItemMetrics() override;
    // The editor set the selection: a resting pointer does not take it away.
    void SetItemIndex(int index) override;

  protected:
    void MouseMove(TShiftState shift, int x, int y) override;
    // A release over an item accepts it.
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};

class TcxCustomComboBox : public TcxCustomDropDownEdit {
    ZORVY_CLASS(TcxCustomComboBox, TcxCustomDropDownEdit)
  public:
    explicit TcxCustomComboBox(TComponent* owner) : TcxCustomComboBox(owner, false) {}
    TcxCustomComboBox(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxCustomComboBoxProperties::StaticClass());

    TcxCustomComboBoxProperties* GetComboProperties() const {
        return static_cast<TcxCustomComboBoxProperties*>(GetEffectiveProperties());
    }
    bool HasCustomDrawItem() const;
    bool HasCustomMeasureItem() const;
    void FireDrawItem(TcxCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state);
    void FireMeasureItem(int index, TcxCanvas* canvas, int& height);
    // The next drop-down opens at the height of its rows again.
    void ResetPopupHeight();
    // Whether the current item follows a text the user changed.
    bool NeedsLookupSync() const;

    bool CanDropDown() override;
    TSize CalcPopupSize() override;
    void AttachEditData(TcxCustomEditData*& data) override;
    void ValueChangedByUser() override;
    // A value shown from outside moves the current item to its text.
    void ShowDisplayValue(const Variant& value) override;
    void ShowEditValue() override;

  protected:
    void SetUpPopupWindow() override;
    void PopupShown() override;
    void DblClick() override;
    // A double click reaches DblClick although releases on the combo box click nothing.
    void Dispatch(TMessage& m) override;
    // A press on the editor dragged into the open list selects there.
    void MouseMove(TShiftState shift, int x, int y) override;
};

class TcxComboBox : public TcxCustomComboBox {
    ZORVY_CLASS(TcxComboBox, TcxCustomComboBox)
  public:
    explicit TcxComboBox(TComponent* owner) : TcxComboBox(owner, false) {}
    TcxComboBox(TComponent* owner, bool inplace,
                const TMetaClass* propertiesClass = TcxComboBoxProperties::StaticClass())
        : TcxCustomComboBox(owner, inplace, propertiesClass) {}
    TcxComboBoxProperties* GetProperties() const {
        return static_cast<TcxComboBoxProperties*>(TcxCustomComboBox::GetProperties());
    }
    // Copies the settings.
    void SetProperties(TcxComboBoxProperties* value) { GetProperties()->Assign(value); }
};

// Drop-down editors typing filter values keep their buttons.
class TcxFilterDropDownEditHelper : public TcxFilterMaskEditHelper {
    ZORVY_CLASS(TcxFilterDropDownEditHelper, TcxFilterMaskEditHelper)
  public:
    bool KeepsEditButtons() const override { return true; }
};

// A combo box types filter values: free text, 8 rows, no glyph, not revertable.
class TcxFilterComboBoxHelper : public TcxFilterDropDownEditHelper {
    ZORVY_CLASS(TcxFilterComboBoxHelper, TcxFilterDropDownEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

} // namespace zorvy
