// Real controls photographed in each state: the sheet cells show crops of the captured form.
#include "ControlSheets.h"

#include "GallerySheet.h"
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/containers/InnerListBox.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "controls/foundation/services/ControlCursors.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"

#include <memory>

namespace zorvy::gallery {
namespace {

using TShot = std::shared_ptr<TBitmap>;

// The pixels of control as its top-level window shows them now.
TShot Photograph(TWinControl* control) {
    Application->ProcessMessages();
    FlushPainting();
    TWinControl* top = control;
    while (top->GetParent())
        top = top->GetParent();
    HBITMAP image = CaptureWindowImage(top->GetHandle());
    const TPoint at = top->ScreenToClient(control->ClientToScreen({0, 0}));
    auto shot = std::make_shared<TBitmap>();
    shot->SetPixelFormat(pf32bit);
    shot->SetSize(control->GetWidth(), control->GetHeight());
    HBITMAP target = shot->GetHandle();
    for (int y = 0; y < control->GetHeight(); ++y)
        for (int x = 0; x < control->GetWidth(); ++x)
            target->Row(y)[x] = image->Row(at.Y + y)[at.X + x];
    DeleteObject(image);
    return shot;
}

TCellPainter Cell(const TShot& shot) {
    return [shot](TcxCanvas* c, const TRect& r) {
        c->DrawGraphicAt(r.Left + (r.Width() - shot->GetWidth()) / 2,
                         r.Top + (r.Height() - shot->GetHeight()) / 2, shot.get());
    };
}

class TListContainer : public TcxContainer {
  public:
    explicit TListContainer(TComponent* owner) : TcxContainer(owner) {
        List = new TcxCustomInnerListBox(this);
        List->SetParent(this);
        List->SetContainer(this);
        SetInnerControl(List);
    }
    TcxCustomInnerListBox* List;
};

struct TKind {
    TcxLookAndFeelKind Kind;
    const char* Name;
};

void ScrollBarRows(TGallerySheet& sheet, THeadlessDisplay& display, TForm* form, TcxLookAndFeelKind kind) {
    auto* bar = new TcxScrollBar(form);
    bar->SetParent(form);
    bar->GetLookAndFeel()->SetKind(kind);
    bar->SetBounds(10, 10, 80, 17);
    bar->SetScrollParams(0, 99, 30, 20, true);
    const HWND h = bar->GetHandle();
    const TPoint away{300, 200};
    struct {
        const char* label;
        TPoint at;
    } const rows[] = {
        {"滚动条 箭头 Arrow", {72, 8}}, {"滚动条 滑块 Thumb", {35, 8}}, {"滚动条 轨道 Track", {60, 8}}};
    for (const auto& row : rows) {
        std::vector<TCellPainter> cells;
        display.MoveMouse(form->GetHandle(), away.X, away.Y);
        cells.push_back(Cell(Photograph(bar)));
        display.MoveMouse(h, row.at.X, row.at.Y);
        cells.push_back(Cell(Photograph(bar)));
        display.PressMouse(h, row.at.X, row.at.Y);
        cells.push_back(Cell(Photograph(bar)));
        display.ReleaseMouse(h, row.at.X, row.at.Y);
        display.MoveMouse(form->GetHandle(), away.X, away.Y);
        Application->ProcessMessages();
        bar->SetPosition(30);
        bar->SetEnabled(false);
        cells.push_back(Cell(Photograph(bar)));
        bar->SetEnabled(true);
        bar->SetScrollParams(0, 99, 30, 20, true);
        sheet.AddRow(row.label, cells);
    }
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 17, 60);
    sheet.AddRow("竖滚动条 Vertical", {Cell(Photograph(bar))}, 76);
    delete bar;
}

void ContainerRows(TGallerySheet& sheet, THeadlessDisplay& display, TForm* form, TcxLookAndFeelKind kind) {
    struct {
        const char* label;
        int border; // -1: the look-and-feel's own
        bool shadow;
    } const rows[] = {{"容器 默认 Default", -1, false},     {"容器 单线 Single", cbsSingle, false},
                      {"容器 粗线 Thick", cbsThick, false}, {"容器 平面 Flat", cbsFlat, false},
                      {"容器 立体 3D", cbs3D, false},       {"容器 无边 None", cbsNone, false},
                      {"容器 阴影 Shadow", -1, true}};
    auto* focusSink = new TcxContainer(form);
    focusSink->SetParent(form);
    focusSink->SetBounds(300, 300, 40, 20);
    for (const auto& row : rows) {
        auto* c = new TcxContainer(form);
        c->SetParent(form);
        c->SetBounds(10, 60, 80, 26);
        c->GetStyle()->GetLookAndFeel()->SetKind(kind);
        if (row.border >= 0) c->GetStyle()->SetBorderStyle(static_cast<TcxContainerBorderStyle>(row.border));
        c->GetStyle()->SetShadow(row.shadow);
        std::vector<TCellPainter> cells;
        focusSink->SetFocus();
        display.MoveMouse(form->GetHandle(), 300, 200);
        Application->ProcessMessages();
        cells.push_back(Cell(Photograph(c)));
        display.MoveMouse(c->GetHandle(), 40, 12);
        cells.push_back(Cell(Photograph(c)));
        display.MoveMouse(form->GetHandle(), 300, 200);
        Application->ProcessMessages();
        display.Clock().Advance(20);
        Application->ProcessMessages();
        c->SetFocus();
        cells.push_back(Cell(Photograph(c)));
        focusSink->SetFocus();
        c->SetEnabled(false);
        cells.push_back(Cell(Photograph(c)));
        sheet.AddRow(row.label, cells);
        delete c;
    }
    delete focusSink;
}

} // namespace

std::vector<std::string> DrawControlSheets(THeadlessDisplay& display, const std::string& folder) {
    std::vector<std::string> written;
    InitializeForms();
    RegisterControlCursors(); // the foundation units started before the forms unit
    auto newForm = [] {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 400, 400);
        form->Show();
        Application->ProcessMessages();
        return form;
    };
    const TKind kinds[] = {
        {lfFlat, "Flat"}, {lfStandard, "Standard"}, {lfUltraFlat, "UltraFlat"}, {lfOffice11, "Office11"}};
    for (const TKind& k : kinds) {
        TForm* form = newForm();
        TGallerySheet sheet(std::string("控件 Controls — ") + k.Name,
                            {"normal 正常", "hot 热点", "pressed/focused", "disabled 禁用"},
                            TGallerySheet::LabelWidth + 4 * TGallerySheet::CellWidth, 560);
        ScrollBarRows(sheet, display, form, k.Kind);
        ContainerRows(sheet, display, form, k.Kind);
        const std::string path = folder + "/controls-" + k.Name + ".png";
        sheet.Save(path);
        written.push_back(path);
        delete form;
    }
    {
        TForm* form = newForm();
        TGallerySheet sheet("弹出窗口 Popup window", {"none 无", "single 单线", "3D 立体", "double 3D"},
                            TGallerySheet::LabelWidth + 4 * TGallerySheet::CellWidth, 240);
        std::vector<TCellPainter> cells;
        for (TcxPopupFrameStyle frame : {pfsNone, pfsSingle, pfs3D, pfsDouble3D}) {
            TcxPopupWindow popup;
            popup.SetColor(clInfoBk);
            popup.SetFrameStyle(frame);
            popup.ExtraBorderSpace = 2;
            auto* inside = new TcxContainer(&popup);
            inside->SetParent(&popup);
            inside->SetBounds(0, 0, 60, 22);
            popup.SetAnchorParent(form);
            popup.AnchorBounds = Rect(10, 10, 70, 30);
            popup.ShowPopup();
            cells.push_back(Cell(Photograph(&popup)));
            popup.ClosePopup();
        }
        sheet.AddRow("弹出窗口 Popup", cells, 60);
        // An open drop-down holding a list container, its own scroll bar laid over the list's.
        std::vector<TCellPainter> lists;
        for (TcxLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
            TcxPopupWindow popup;
            popup.SetFrameStyle(pfsSingle);
            auto* list = new TListContainer(&popup);
            list->SetParent(&popup);
            list->SetBounds(0, 0, 78, 64);
            list->GetStyle()->GetLookAndFeel()->SetKind(kind);
            list->GetStyle()->SetBorderStyle(cbsNone);
            list->List->GetLookAndFeel()->SetKind(kind);
            for (const char* item : {"红球 01", "红球 02", "红球 03", "红球 04", "红球 05", "蓝球 16"})
                list->List->GetItems()->Add(item);
            popup.SetAnchorParent(form);
            popup.AnchorBounds = Rect(10, 10, 90, 30);
            popup.ShowPopup();
            list->List->SetItemIndex(1);
            list->List->RefreshScrollBars();
            lists.push_back(Cell(Photograph(&popup)));
            popup.ClosePopup();
        }
        sheet.AddRow("弹出列表 Popup list", lists, 84);
        const std::string path = folder + "/controls-popup.png";
        sheet.Save(path);
        written.push_back(path);
        delete form;
    }
    FinalizeForms();
    return written;
}

} // namespace zorvy::gallery
