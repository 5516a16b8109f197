// The editor popup sheet. Each scene is the editor's form and its open popup photographed apart and
// put together at their places on the screen.
#include "PopupSheets.h"

#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/ComboBoxViewInfo.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/gdi/Region.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <memory>

namespace zorvy::gallery {
namespace {

struct TScene {
    std::string Caption;
    HBITMAP Form = nullptr;
    TRect FormBounds;
    HBITMAP Popup = nullptr;
    TRect PopupBounds;
    bool HasRegion = false;
    TRegion PopupRegion;
};

TForm* NewSceneForm(int formTop) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(clBtnFace);
    form->SetBounds(40, formTop, 220, 42);
    return form;
}

// Opens the editor's popup, photographs the form and the popup, closes the popup and frees the form.
TScene Shoot(const std::string& caption, TForm* form, TcxCustomDropDownEdit* edit) {
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

// A combo box of 16 balls with a sizeable, shadowed list, the third ball chosen.
TScene ComboScene(const std::string& caption, int formTop) {
    TForm* form = NewSceneForm(formTop);
    auto* combo = new TcxComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 140, 22);
    TcxComboBoxProperties* p = combo->GetProperties();
    std::vector<std::string> items;
    for (int i = 1; i <= 16; ++i) items.push_back((i < 10 ? "红球 0" : "红球 ") + std::to_string(i));
    p->SetItems(items);
    p->SetDropDownSizeable(true);
    auto* style = static_cast<TcxCustomEditStyle*>(combo->GetStyle());
    style->SetPopupBorderStyle(epbsSingle);
    style->SetShadow(true);
    combo->SetText("红球 03");
    return Shoot(caption, form, combo);
}

// Fixed lists whose OnDrawItem draws each ball: a closed one above, and one with its list open and its
// arrow held down (KeepButtonPressed).
TScene DrawnFixedListScene(const std::string& caption) {
    TForm* form = NewSceneForm(60);
    form->SetHeight(72);
    auto add = [&](int top, const std::string& text) {
        auto* combo = new TcxComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, top, 140, 22);
        TcxComboBoxProperties* p = combo->GetProperties();
        std::vector<std::string> items;
        for (int i = 1; i <= 8; ++i) items.push_back("0" + std::to_string(i));
        p->SetItems(items);
        p->SetDropDownListStyle(lsFixedList);
        p->KeepButtonPressed = true;
        p->OnDrawItem = [](TcxCustomComboBox*, TcxCanvas* canvas, int index, const TRect& r, TOwnerDrawState state) {
            canvas->FillRectSolid(r, canvas->CurrentBrush()->GetColor());
            TCanvas* c = canvas->GetCanvas();
            c->GetBrush()->SetColor(index % 2 ? clBlue : clRed);
            c->GetPen()->SetColor(index % 2 ? clBlue : clRed);
            const int d = r.Height() - 4;
            c->Ellipse(r.Left + 2, r.Top + 2, r.Left + 2 + d, r.Top + 2 + d);
            canvas->CurrentBrush()->SetStyle(bsClear);
            const std::string label = (index % 2 ? "蓝球 0" : "红球 0") + std::to_string(index + 1) +
                                      ((state & odComboBoxEdit) ? " (编辑框 edit)" : "");
            canvas->PaintText(label, Rect(r.Left + d + 6, r.Top, r.Right, r.Bottom), ctfAlignLeft | ctfSingleLine |
                                                                                      ctfAlignVCenter);
            canvas->CurrentBrush()->SetStyle(bsSolid);
        };
        combo->SetText(text);
        return combo;
    };
    // The open one comes first in the tab order, so it holds the focus and the closed one shows unfocused.
    TcxComboBox* open = add(40, "07");
    add(10, "04");
    return Shoot(caption, form, open);
}

// A popup edit, its popup hosting a panel.
TScene PopupEditScene(const std::string& caption) {
    TForm* form = NewSceneForm(60);
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
    return Shoot(caption, form, edit);
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
    InitializePopupEditUnit();
    // Below: the editor near the top of the screen; above: its bottom 20 pixels from the work area's.
    std::vector<TScene> scenes = {ComboScene("组合框 列表在下 Combo box, list below", 60),
                                  ComboScene("组合框 列表在上 Combo box, list above", 1040 - 42 + 10),
                                  PopupEditScene("弹出编辑 Popup edit"),
                                  DrawnFixedListScene("固定列表 自绘 Fixed list, OnDrawItem")};
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
    FinalizePopupEditUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return {path};
}

} // namespace zorvy::gallery
