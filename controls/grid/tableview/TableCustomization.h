#pragma once
// The table view's customization: the customization form's "Columns" page, whose lines look like
// column headers and are dragged back into the header or the group-by box; the quick list of all
// columns that reports every check and move as a column position change; and the drag-opening of
// a master row's detail tab. The banded view builds its own pages on these classes.
#include "controls/grid/control/GridHandlers.h"
#include "controls/grid/table/TableItemMoving.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

class TcxGridLevel;
class TcxGridMasterDataRow;
class TcxGridTableView;

ZORVY_RESOURCESTRING(scxGridCustomizationFormColumnsPageCaption, "Columns");

// A list of items whose lines are drawn like the view's headers on a button-face background.
class TcxGridTableItemsListBox : public TcxCustomGridTableItemsListBox {
    ZORVY_CLASS(TcxGridTableItemsListBox, TcxCustomGridTableItemsListBox)
  public:
    using TCreateOwner = TcxCustomGridCustomizationForm;
    explicit TcxGridTableItemsListBox(TcxCustomGridCustomizationForm* form);
    TcxGridTableView* GetGridTableView() const;

    // As high as a one-line column header.
    int CalcItemHeight() override;
    // A hot header for the focused line, with the pressed look over its content.
    void PaintItem(TcxCanvas* canvas, const TRect& r, int index, bool focused) override;

    // Handed to the header drawing; whether it painted the background.
    virtual bool DrawItemBackground(TcxCanvas* canvas, const TRect& r);
    virtual bool ShowsEndEllipsis();
};

// The hidden columns of the table view.
class TcxGridTableColumnsListBox : public TcxGridTableItemsListBox {
    ZORVY_CLASS(TcxGridTableColumnsListBox, TcxGridTableItemsListBox)
  public:
    using TCreateOwner = TcxCustomGridCustomizationForm;
    using TcxGridTableItemsListBox::TcxGridTableItemsListBox;

    // A column header hit from the customization form, so the header moving object starts from it.
    TcxCustomGridHitTest* CreateDragHitTest() override;
    // The line height, then the movable hidden columns that may be customized, in index order.
    void RefreshItems() override;
    // The view's header background bitmap, when it has one.
    bool DrawItemBackground(TcxCanvas* canvas, const TRect& r) override;
    bool ShowsEndEllipsis() override;
};

class TcxGridTableCustomizationForm : public TcxCustomGridTableCustomizationForm {
    ZORVY_CLASS(TcxGridTableCustomizationForm, TcxCustomGridTableCustomizationForm)
  public:
    using TCreateOwner = TcxCustomGridController;
    using TcxCustomGridTableCustomizationForm::TcxCustomGridTableCustomizationForm;
    const TMetaClass* ItemListClass() const override { return TcxGridTableColumnsListBox::StaticClass(); }
    std::string ItemsPageTitle() const override;
};

// The quick column list: every check and every move is reported as a column position change.
class TcxGridColumnsCustomizationPopup : public TcxCustomGridItemsCustomizationPopup {
    ZORVY_CLASS(TcxGridColumnsCustomizationPopup, TcxCustomGridItemsCustomizationPopup)
  public:
    using TCreateOwner = TcxCustomGridView;
    using TcxCustomGridItemsCustomizationPopup::TcxCustomGridItemsCustomizationPopup;
    TcxGridTableView* GetGridTableView() const;
    void ItemCheckChanged(TObject* object, bool marked) override;
    void ItemMoved(TObject* object, int index) override;
};

// A dragged object resting on a master row's detail tab shows that detail in that row.
class TcxGridDragOpenInfoMasterDataRowTab : public TcxGridDragOpenInfoTab {
    ZORVY_CLASS(TcxGridDragOpenInfoMasterDataRowTab, TcxGridDragOpenInfoTab)
  public:
    TcxGridDragOpenInfoMasterDataRowTab(TcxGridLevel* level, TcxGridMasterDataRow* gridRow)
        : TcxGridDragOpenInfoTab(level), gridRow_(gridRow) {}
    TcxGridMasterDataRow* GetGridRow() const { return gridRow_; }
    // The same tab of the same row.
    bool IsSameTarget(TcxCustomGridDragOpenInfo* info) override;
    void OpenTarget() override;

  private:
    TcxGridMasterDataRow* gridRow_;
};

} // namespace zorvy
