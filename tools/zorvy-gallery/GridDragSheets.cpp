// The grid's drag and customization sheets: a header dragged by the mouse on a real grid (the image
// it takes and its arrows, both ways round), and photos of the customization form with an items
// page and of a popup list with checks.
#include "GallerySheet.h"
#include "GridSheets.h"

#include "controls/data/DataController.h"
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/CustomizationForm.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/GridPopup.h"
#include "controls/grid/view/GridPopupListBox.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "controls/pages/PageControl.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

bool dragArrowsVertical = true;

class TDragSheetMovingObject : public TcxCustomGridMovingObject {
    ZORVY_CLASS(TDragSheetMovingObject, TcxCustomGridMovingObject)
  public:
    using TcxCustomGridMovingObject::TcxCustomGridMovingObject;
    bool CanRemove() const override { return true; }
    void CalculateArrowTargetRect(int, TRect& r) override { r = TRect{150, 8, 250, 32}; }
    TcxCustomGridItemsListBox* GetCustomizationFormListBox() override { return nullptr; }
    TcxCustomGridCellViewInfo* GetSourceItemViewInfo() override;
    bool IsSourceCustomizationForm() override { return false; }
    bool IsValidDestination() override { return true; }
    bool AreArrowsVertical() override { return dragArrowsVertical; }
};

class TDragSheetHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TDragSheetHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 201; }
    const TMetaClass* GetDragAndDropObjectClass() const override { return TDragSheetMovingObject::StaticClass(); }
};

class TDragSheetHeader : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TDragSheetHeader, TcxCustomGridViewCellViewInfo)
  public:
    using TcxCustomGridViewCellViewInfo::TcxCustomGridViewCellViewInfo;
    ~TDragSheetHeader() override { BeginDestruction(); }
    const TMetaClass* GetHitTestClass() override { return TDragSheetHitTest::StaticClass(); }
    std::string CalculateText() override { return "期号 Issue"; }
    TcxBorders CalculateBorders() override { return cxBordersAll; }
    int GetSideBorderWidth(TcxBorder) override { return 1; }
    TColor GetBorderColor(TcxBorder) override { return clBtnShadow; }
    TAlignment CalculateAlignmentHorz() override { return taCenter; }
    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    void GetViewParams(TcxPartParams& params) override {
        params.Color = clBtnFace;
        params.TextColor = clBtnText;
        params.Font = GetGridView()->GetGrid()->GetFont();
    }
};

class TDragSheetViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TDragSheetViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    TDragSheetHeader* Header() const { return header_.get(); }
    void CreateViewInfos() override {
        TcxCustomGridViewInfo::CreateViewInfos();
        header_ = std::make_unique<TDragSheetHeader>(this);
    }
    void DestroyViewInfos(bool recreating) override {
        header_.reset();
        TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    }
    TcxCustomGridHitTest* GetHitTest(TPoint p) override {
        if (header_)
            if (TcxCustomGridHitTest* hitTest = header_->GetHitTest(p)) return hitTest;
        return TcxCustomGridViewInfo::GetHitTest(p);
    }

  protected:
    void CalculateLayout() override {
        header_->BeforeRecalculation();
        header_->Calculate(8, 8, 100, 24);
        TcxCustomGridViewInfo::CalculateLayout();
    }

  private:
    std::unique_ptr<TDragSheetHeader> header_;
};

class TDragSheetPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TDragSheetPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;

  protected:
    void PaintContent() override {
        TDragSheetHeader* header = static_cast<TDragSheetViewInfo*>(GetViewInfo())->Header();
        header->Paint(GetCanvas());
        ExcludeFromBackground(header->Bounds);
    }
};

class TDragSheetView : public TcxCustomGridView {
    ZORVY_CLASS(TDragSheetView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;

  protected:
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return TDragSheetPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TDragSheetViewInfo::StaticClass(); }
};

TcxCustomGridCellViewInfo* TDragSheetMovingObject::GetSourceItemViewInfo() {
    return static_cast<TDragSheetViewInfo*>(GetViewInfo())->Header();
}

class TDragSheetItems : public TcxCustomGridItemsListBox {
    ZORVY_CLASS(TDragSheetItems, TcxCustomGridItemsListBox)
  public:
    using TcxCustomGridItemsListBox::TcxCustomGridItemsListBox;
    int CalcItemHeight() override { return 20; }
    TcxCustomGridHitTest* CreateDragHitTest() override { return nullptr; }
    void PaintItem(TcxCanvas* canvas, const TRect& r, int index, bool) override {
        canvas->FillRectSolid(r, clBtnFace);
        canvas->FrameRectSides(r, clBtnShadow);
        canvas->CurrentFont()->SetColor(clBtnText);
        canvas->CurrentBrush()->SetColor(clBtnFace);
        canvas->PaintText(GetItems()->Get(index), TRect{r.Left + 4, r.Top, r.Right, r.Bottom},
                          ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
    }
};

class TDragSheetPopupList : public TcxGridPopupListBox {
    ZORVY_CLASS(TDragSheetPopupList, TcxGridPopupListBox)
  public:
    using TcxGridPopupListBox::TcxGridPopupListBox;
    bool IsItemCheckable(int index) override { return index > 0; }
    bool HasCheck(int index) override { return index > 0 && GetShowChecks(); }
};

struct TDragSheetGrid {
    explicit TDragSheetGrid(TcxLookAndFeelKind kind) {
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(20, 20, 320, 200);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 320, 200);
        grid->GetLookAndFeel()->SetKind(kind);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        view = static_cast<TDragSheetView*>(
            TcxControlChildComponent::CreateForControl(TDragSheetView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        form->Show();
        Application->ProcessMessages();
        site = static_cast<TcxGridSite*>(view->GetSite());
    }
    ~TDragSheetGrid() {
        delete form;
        Application->ProcessMessages();
    }
    TForm* form;
    TcxGrid* grid;
    TDragSheetView* view;
    TcxGridSite* site;
};

void DrawBitmapCell(TcxCanvas* canvas, const TRect& cell, TBitmap* bitmap) {
    canvas->FillRectSolid(cell, clAppWorkSpace);
    const int x = cell.Left + (cell.Width() - bitmap->GetWidth()) / 2;
    const int y = cell.Top + (cell.Height() - bitmap->GetHeight()) / 2;
    canvas->DrawGraphicAt(x, y, bitmap);
}

std::string DrawDragSheet(THeadlessDisplay& display, const std::string& folder) {
    TGallerySheet sheet("Grid drag: header image and arrows",
                        {"image", "arrow 0", "arrow 1"}, TGallerySheet::LabelWidth + 3 * TGallerySheet::CellWidth + 20,
                        8 * 46 + 60);
    const std::pair<TcxLookAndFeelKind, const char*> kinds[] = {
        {lfStandard, "Standard"}, {lfFlat, "Flat"}, {lfUltraFlat, "UltraFlat"}, {lfOffice11, "Office11"}};
    for (auto [kind, name] : kinds)
        for (bool vertical : {true, false}) {
            dragArrowsVertical = vertical;
            TDragSheetGrid g(kind);
            HWND h = g.site->GetHandle();
            display.Clock().Advance(1000);
            display.PressMouse(h, 30, 20);
            display.MoveMouse(h, 180, 60);
            Application->ProcessMessages();
            auto* object = dynamic_cast<TcxCustomGridMovingObject*>(g.view->GetController()->GetDragAndDropObject());
            if (!object) continue;
            sheet.AddRow(std::string(name) + (vertical ? ", vertical" : ", horizontal"),
                         {[&](TcxCanvas* c, const TRect& r) { DrawBitmapCell(c, r, object->GetDragImage()->GetImage()); },
                          [&](TcxCanvas* c, const TRect& r) { DrawBitmapCell(c, r, object->GetArrow(0)->GetImage()); },
                          [&](TcxCanvas* c, const TRect& r) { DrawBitmapCell(c, r, object->GetArrow(1)->GetImage()); }},
                         46);
            display.ReleaseMouse(h, 180, 60);
            Application->ProcessMessages();
        }
    const std::string path = folder + "/grid-drag-feedback.png";
    sheet.Save(path);
    return path;
}

std::string DrawCustomizationFormPhoto(THeadlessDisplay& display, const std::string& folder) {
    TDragSheetGrid g(lfUltraFlat);
    TcxCustomGridController* controller = g.view->GetController();
    controller->SetCustomization(true);
    TcxCustomGridCustomizationForm* form = controller->GetCustomizationForm();
    auto* items = new TDragSheetItems(form);
    TcxTabSheet* page = form->AddPage("Columns", true);
    form->AddPage("Bands", true);
    items->SetParent(page);
    items->SetAlign(alClient);
    for (const char* caption : {"红球 Red ball", "蓝球 Blue ball", "和值 Sum", "跨度 Span"}) items->GetItems()->Add(caption);
    form->ActivatePage(page);
    Application->ProcessMessages();
    const std::string path = folder + "/grid-customization-form.png";
    display.SavePng(form->GetHandle(), path);
    controller->SetCustomization(false);
    return path;
}

class TDragSheetOwner : public IcxCustomGridPopupOwner {
  public:
    bool ClosePopupOnOwnerRemoval() override { return true; }
    TRect GetDropDownWindowOwnerBounds() override { return TRect{8, 8, 108, 32}; }
    void PopupClosed() override {}
};

std::string DrawPopupListPhoto(THeadlessDisplay& display, const std::string& folder) {
    TDragSheetGrid g(lfFlat);
    TDragSheetOwner owner;
    auto* popup = new TcxCustomGridPopup(g.view);
    popup->ModalLoop = false;
    popup->SetGridOwner(&owner);
    auto* list = new TDragSheetPopupList(popup);
    list->SetShowChecks(true);
    for (const char* caption : {"(All)", "01", "02", "03", "04", "05", "06", "07"}) list->GetItems()->Add(caption);
    list->SetCheckedIndexes({2, 5});
    list->VisibleLineLimit = 6;
    popup->Popup();
    list->AdjustSize(nullptr);
    popup->ClosePopup();
    popup->Popup();
    list->SetItemIndex(3);
    Application->ProcessMessages();
    const std::string path = folder + "/grid-popup-list.png";
    display.SavePng(popup->GetHandle(), path);
    popup->ClosePopup();
    popup->SetGridOwner(nullptr);
    return path;
}

} // namespace

std::vector<std::string> DrawGridDragSheets(THeadlessDisplay& display, const std::string& folder) {
    return {DrawDragSheet(display, folder), DrawCustomizationFormPhoto(display, folder),
            DrawPopupListPhoto(display, folder)};
}

} // namespace zorvy::gallery
