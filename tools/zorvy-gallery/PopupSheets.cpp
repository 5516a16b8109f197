// The editor popup sheet. Each scene is the editor's form and its open popup photographed apart and
// put together at their places on the screen.
#include "PopupSheets.h"

#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/popup/ComboListSizing.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/foundation/containers/InnerListBox.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/stdctrls/Panels.h"
#include "platform/gdi/Region.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <memory>

namespace zorvy::gallery {
namespace {

// The editor a combo list opens from (until the combo box stands): a sunken field with its text and a drop-down arrow button.
class TEditorStandIn : public TCustomControl, public IcxEditPopupWindowOwner {
  public:
    using TCustomControl::TCustomControl;
    TcxCustomEditPopupWindow* Popup = nullptr;
    TControl* Content = nullptr;
    TcxCustomInnerListBox* List = nullptr;
    std::string Text;

    TRect GetPopupOwnerRect() override { return GetBoundsRect(); }
    TSize CalcPopupSize() override {
        if (!List) return {Content->GetWidth(), Content->GetHeight()};
        TcxCanvas canvas(List->GetCanvas());
        int widest = 0;
        for (int i = 0; i < List->GetItems()->GetCount(); ++i)
            widest = std::max(widest, canvas.MeasureTextWidth(List->GetItems()->Get(i)));
        const TcxComboListLimits limits = ComboListLimits(Popup->GetOwnerScreenBounds(), Popup->GetClientExtent(),
                                                          Popup->GetShadow(), Popup->GetSizeable(), true, 0);
        return MeasureComboList(TcxListRows{List->GetItems()->GetCount(), [this](int) { return List->GetItemHeight(); }}, 8, widest,
                                limits.MaxHeight, limits.WidthLimit);
    }
    void PositionPopupControl(const TRect& r) override { Content->SetBoundsRect(r); }
    void ClosePopup(TcxEditCloseUpReason) override { Popup->ClosePopup(); }

  protected:
    void Paint() override {
        TcxCanvas c(GetCanvas());
        const TRect r = Rect(0, 0, GetWidth(), GetHeight());
        c.FillRectSolid(r, clWindow);
        c.PaintEdge3D(r, true, true);
        const TRect button = Rect(r.Right - 18, 2, r.Right - 2, r.Bottom - 2);
        c.FillRectSolid(button, clBtnFace);
        c.PaintEdge3D(button, false, true);
        const int x = (button.Left + button.Right) / 2, y = (button.Top + button.Bottom) / 2 - 1;
        for (int i = 0; i < 4; ++i) c.FillRectSolid(Rect(x - 3 + i, y + i, x + 4 - i, y + i + 1), clBtnText);
        c.AssignFont(GetFont());
        c.CurrentBrush()->SetStyle(bsClear);
        c.PaintText(Text, Rect(5, 2, button.Left - 2, r.Bottom - 2), ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
    }
};

struct TScene {
    std::string Caption;
    HBITMAP Form = nullptr;
    TRect FormBounds;
    HBITMAP Popup = nullptr;
    TRect PopupBounds;
    bool HasRegion = false;
    TRegion PopupRegion;
};

class TSceneBuilder {
  public:
    TSceneBuilder() {
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetColor(clBtnFace);
        edit = new TEditorStandIn(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 140, 22);
    }
    ~TSceneBuilder() {
        delete popup;
        delete form;
    }
    TScene Shoot(const std::string& caption, int formTop) {
        form->SetBounds(40, formTop, 220, 42);
        form->Show();
        Application->ProcessMessages();
        popup->Popup(nullptr);
        popup->UpdateLayout();
        popup->ApplyShape();
        Application->ProcessMessages();
        FlushPainting();
        TScene scene;
        scene.Caption = caption;
        scene.Form = CaptureWindowImage(form->GetHandle());
        scene.FormBounds = form->GetBoundsRect();
        scene.Popup = CaptureWindowImage(popup->GetHandle());
        scene.PopupBounds = popup->GetBoundsRect();
        scene.HasRegion = GetWindowRgn(popup->GetHandle(), scene.PopupRegion);
        popup->ClosePopup();
        form->Hide();
        return scene;
    }
    TForm* form;
    TEditorStandIn* edit;
    TcxCustomEditPopupWindow* popup = nullptr;
};

TScene ComboScene(const std::string& caption, int formTop) {
    TSceneBuilder b;
    b.popup = new TcxComboBoxPopupWindow(b.edit);
    b.popup->ModalLoop = false;
    b.popup->SetPopupBorderStyle(epbsSingle);
    b.popup->SetShadow(true);
    b.popup->SetSizeable(true);
    b.popup->SetSysPanelStyle(true);
    b.edit->Popup = b.popup;
    b.edit->Text = "红球 03";
    b.edit->List = new TcxCustomInnerListBox(b.popup);
    b.edit->List->SetParent(b.popup);
    for (int i = 1; i <= 16; ++i) b.edit->List->GetItems()->Add((i < 10 ? "红球 0" : "红球 ") + std::to_string(i));
    b.edit->List->SetItemIndex(2);
    b.edit->Content = b.edit->List;
    return b.Shoot(caption, formTop);
}

// A real popup edit, its popup hosting a panel.
TScene PopupEditScene(const std::string& caption) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(clBtnFace);
    form->SetBounds(40, 60, 220, 42);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 180, 90);
    panel->SetCaption("弹出面板 Popup panel");
    panel->SetVisible(false);
    auto* edit = new TcxPopupEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 140, 22);
    auto* p = edit->GetPopupEditProperties();
    p->SetPopupControl(panel);
    p->SetPopupSysPanelStyle(true);
    auto* style = static_cast<TcxCustomEditStyle*>(edit->GetStyle());
    style->SetPopupBorderStyle(epbsFrame3D);
    style->SetPopupCloseButton(true);
    edit->SetText("条件 Condition");
    form->Show();
    Application->ProcessMessages();
    edit->DropDown();
    Application->ProcessMessages();
    FlushPainting();
    TcxCustomEditPopupWindow* popup = edit->GetPopupWindow();
    TScene scene;
    scene.Caption = caption;
    scene.Form = CaptureWindowImage(form->GetHandle());
    scene.FormBounds = form->GetBoundsRect();
    scene.Popup = CaptureWindowImage(popup->GetHandle());
    scene.PopupBounds = popup->GetBoundsRect();
    scene.HasRegion = GetWindowRgn(popup->GetHandle(), scene.PopupRegion);
    edit->SetDroppedDown(false);
    delete form;
    return scene;
}

// Copies the window's image, only where its region (when it has one) shows it.
void Blit(TBitmap& sheet, HBITMAP image, const TRegion* region, int x, int y) {
    if (!image) return;
    HBITMAP target = sheet.GetHandle();
    for (int row = 0; row < image->height; ++row)
        for (int col = 0; col < image->width; ++col) {
            const int tx = x + col, ty = y + row;
            if (region && !region->Contains({col, row})) continue;
            if (tx >= 0 && ty >= 0 && tx < sheet.GetWidth() && ty < sheet.GetHeight())
                target->Row(ty)[tx] = image->Row(row)[col];
        }
}

} // namespace

std::vector<std::string> DrawPopupSheets(const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    // Below: the editor near the top of the screen; above: its bottom 20 pixels from the work area's.
    std::vector<TScene> scenes = {ComboScene("组合框 列表在下 Combo box, list below", 60),
                                  ComboScene("组合框 列表在上 Combo box, list above", 1040 - 42 + 10),
                                  PopupEditScene("弹出编辑 Popup edit")};
    constexpr int SceneWidth = 300, SheetHeight = 420;
    TBitmap sheet;
    sheet.SetPixelFormat(pf32bit);
    sheet.SetSize(SceneWidth * int(scenes.size()), SheetHeight);
    TcxCanvas canvas(sheet.GetCanvas());
    canvas.FillRectSolid(Rect(0, 0, sheet.GetWidth(), SheetHeight), clWhite);
    TFont font;
    font.SetName("宋体");
    font.SetHeight(-12);
    canvas.AssignFont(&font);
    canvas.CurrentBrush()->SetStyle(bsClear);
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        TScene& s = scenes[i];
        const int left = int(i) * SceneWidth;
        canvas.PaintText(s.Caption, Rect(left + 8, 6, left + SceneWidth - 8, 26), ctfAlignLeft | ctfSingleLine);
        // Both windows keep their places relative to each other, the editor's form at a fixed spot.
        const TPoint formAt{left + 20, s.PopupBounds.Top < s.FormBounds.Top ? SheetHeight - 80 : 40};
        Blit(sheet, s.Form, nullptr, formAt.X, formAt.Y);
        Blit(sheet, s.Popup, s.HasRegion ? &s.PopupRegion : nullptr, formAt.X + s.PopupBounds.Left - s.FormBounds.Left,
             formAt.Y + s.PopupBounds.Top - s.FormBounds.Top);
        DeleteObject(s.Form);
        DeleteObject(s.Popup);
    }
    const std::string path = folder + "/editors-popup.png";
    SavePngFile(sheet.GetHandle(), path);
    FinalizeEditUnit();
    FinalizeForms();
    return {path};
}

} // namespace zorvy::gallery
