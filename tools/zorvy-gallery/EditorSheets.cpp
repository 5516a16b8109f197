// The editor sheets.
#include "EditorSheets.h"

#include "GallerySheet.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/win/VirtualKeys.h"

#include <memory>

namespace zorvy::gallery {

namespace {

constexpr int RowHeight = 40;
enum TEditorState { esNormal, esHot, esFocused, esDisabled, esPressed };
const std::vector<std::string> Columns = {"normal 正常", "hot 热点", "focused 焦点", "disabled 禁用", "pressed 按下",
                                          "shadow 阴影"};

struct TEditorLook {
    TcxLookAndFeelKind Kind;
    TcxContainerBorderStyle Border = cbsSingle;
    TcxEditButtonStyle ButtonStyle = btsDefault;
    std::vector<TcxEditButtonKind> Buttons;
    TColor Color = clWindow;
    TcxEditButtonTransparency Transparency = ebtNone;
    bool Gradient = false;
    bool Inplace = false;
};

TBitmap* SampleGlyph() {
    static std::unique_ptr<TBitmap> glyph;
    if (!glyph) {
        glyph = std::make_unique<TBitmap>();
        glyph->SetSize(9, 9);
        TCanvas* c = glyph->GetCanvas();
        c->GetBrush()->SetColor(clFuchsia);
        c->FillRect(Rect(0, 0, 9, 9));
        c->GetBrush()->SetColor(clNavy);
        c->FillRect(Rect(1, 3, 8, 6));
        c->FillRect(Rect(3, 1, 6, 8));
        glyph->SetTransparent(true);
    }
    return glyph.get();
}

// One editor laid out and painted in the cell's middle, in the column's state.
void PaintEditor(TcxCanvas* canvas, const TRect& cell, const TEditorLook& look, int column) {
    TcxCustomEditProperties properties(nullptr);
    for (TcxEditButtonKind kind : look.Buttons) {
        TcxEditButton* button = properties.GetButtons()->AddButton();
        button->SetKind(kind);
        if (kind == bkText) button->SetCaption("&Go");
        if (kind == bkGlyph) button->SetGlyph(SampleGlyph());
    }
    TcxEditStyle style(nullptr);
    style.GetLookAndFeel()->SetKind(look.Kind);
    style.GetLookAndFeel()->SetNativeStyle(false);
    style.SetBorderStyle(look.Border);
    style.SetTransparentBorder(false);
    style.SetColor(look.Color);
    if (look.ButtonStyle != btsDefault) style.SetButtonStyle(look.ButtonStyle);
    style.SetButtonTransparency(look.Transparency);
    if (look.Gradient) style.SetAssignedValues(style.GetAssignedValues() | StyleValueBit(svGradientButtons));
    style.SetShadow(column == 5);
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.MakeViewData(&style, look.Inplace));
    viewData->Focused = column == esFocused || column == esPressed;
    viewData->Enabled = column != esDisabled;
    TRect bounds = cell;
    InflateRect(bounds, -2, -4);
    TcxCustomEditViewInfo viewInfo;
    TPoint mouse{-1, -1};
    int mouseButton = 0;
    TShiftState shift = 0;
    if (column == esHot || column == esPressed) {
        // The mouse over the last (rightmost) button, or the text area without buttons.
        mouse = Point(bounds.Right - 4, bounds.Top + bounds.Height() / 2);
        if (column == esPressed) {
            mouseButton = 1;
            shift = ssLeft;
        }
    }
    viewData->FillViewInfo(canvas, bounds, mouse, mouseButton, shift, &viewInfo, column == esPressed);
    viewInfo.PaintTo(canvas);
}

std::vector<TCellPainter> Cells(const TEditorLook& look) {
    std::vector<TCellPainter> cells;
    for (int column = 0; column < 6; ++column)
        cells.push_back([look, column](TcxCanvas* c, const TRect& r) { PaintEditor(c, r, look, column); });
    return cells;
}

struct TKindSheet {
    const char* Name;
    TcxLookAndFeelKind Kind;
};

} // namespace

std::vector<std::string> DrawEditorSheets(const std::string& folder) {
    InitializeEditUnit();
    std::vector<std::string> written;
    const TKindSheet kinds[] = {
        {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    for (const TKindSheet& kind : kinds) {
        TGallerySheet sheet(std::string("编辑器 Editors — ") + kind.Name, Columns,
                            TGallerySheet::LabelWidth + 6 * TGallerySheet::CellWidth, 70 + 20 * RowHeight);
        const std::pair<const char*, TcxContainerBorderStyle> borders[] = {
            {"无边框 ebsNone", cbsNone}, {"单线 ebsSingle", cbsSingle},     {"粗 ebsThick", cbsThick},
            {"平 ebsFlat", cbsFlat},     {"立体 ebs3D", cbs3D},             {"超平 ebsUltraFlat", cbsUltraFlat},
            {"Office11 ebsOffice11", cbsOffice11}};
        for (const auto& [label, border] : borders)
            sheet.AddRow(label, Cells({kind.Kind, border, btsDefault, {bkEllipsis}}), RowHeight);
        const std::pair<const char*, TcxEditButtonStyle> buttonStyles[] = {
            {"按钮 bts3D", bts3D},         {"按钮 btsFlat", btsFlat},           {"按钮 btsSimple", btsSimple},
            {"按钮 btsHotFlat", btsHotFlat}, {"按钮 btsUltraFlat", btsUltraFlat}, {"按钮 btsOffice11", btsOffice11}};
        for (const auto& [label, buttonStyle] : buttonStyles)
            sheet.AddRow(label, Cells({kind.Kind, cbsSingle, buttonStyle, {bkDown, bkEllipsis}}), RowHeight);
        sheet.AddRow("渐变 Office11 gradient", Cells({kind.Kind, cbsOffice11, btsOffice11, {bkDown}, clWindow,
                                                      ebtNone, true}), RowHeight);
        sheet.AddRow("下拉 bkDown", Cells({kind.Kind, cbsSingle, btsDefault, {bkDown}}), RowHeight);
        sheet.AddRow("图形 bkGlyph", Cells({kind.Kind, cbsSingle, btsDefault, {bkGlyph}}), RowHeight);
        sheet.AddRow("文字 bkText", Cells({kind.Kind, cbsSingle, btsDefault, {bkText}}), RowHeight);
        sheet.AddRow("透明 ebtAlways", Cells({kind.Kind, cbsSingle, btsDefault, {bkEllipsis}, clInfoBk, ebtAlways}), RowHeight);
        sheet.AddRow("背景 Color", Cells({kind.Kind, cbsSingle, btsDefault, {}, clInfoBk}), RowHeight);
        sheet.AddRow("单元格 in place", Cells({kind.Kind, cbsSingle, btsDefault, {bkText, bkEllipsis}, clWindow,
                                                 ebtNone, false, true}), RowHeight);
        const std::string path = folder + "/editors-" + kind.Name + ".png";
        sheet.Save(path);
        written.push_back(path);
    }
    FinalizeEditUnit();
    return written;
}

std::string DrawTextEditPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 260, 110);
    form->Show();
    auto add = [&](int top) {
        auto* edit = new TcxTextEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, top, 240, 21);
        static_cast<TcxTextEditProperties*>(edit->GetProperties())->SetLookupItems({"apple 苹果", "apricot 杏"});
        edit->GetStyle()->SetBorderStyle(cbsSingle);
        edit->GetStyle()->SetTransparentBorder(false);
        return edit;
    };
    TcxTextEdit* plain = add(10);
    plain->SetText("开奖号码 03 07 12 19 25 31");
    TcxTextEdit* completing = add(42);
    TcxTextEdit* disabled = add(74);
    disabled->SetText("禁用 disabled");
    disabled->SetEnabled(false);
    completing->SetFocus();
    Application->ProcessMessages();
    display.TypeText("ap");
    Application->ProcessMessages();
    const std::string path = folder + "/editors-text-edit.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

std::string DrawMaskEditPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 260, 142);
    form->Show();
    auto add = [&](int top, const std::string& mask) {
        auto* edit = new TcxMaskEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, top, 240, 21);
        edit->GetStyle()->SetBorderStyle(cbsSingle);
        edit->GetStyle()->SetTransparentBorder(false);
        edit->GetMaskProperties()->SetEditMask(mask);
        return edit;
    };
    // Typing: two digits in, the one-character caret on the next position.
    TcxMaskEdit* typing = add(10, "(99)00-00;0;_");
    // Unfocused: the value form, and the template kept in sight.
    TcxMaskEdit* value = add(42, "(99)00-00;0;_");
    value->SetEditValue(Variant("123456"));
    TcxMaskEdit* template_ = add(74, "(99)00-00;0;_");
    template_->GetMaskProperties()->SetAlwaysShowBlanksAndLiterals(true);
    template_->SetEditValue(Variant("1234"));
    TcxMaskEdit* disabled = add(106, ">LL-000;1;_");
    disabled->SetEditValue(Variant("AB-123"));
    disabled->SetEnabled(false);
    typing->SetFocus();
    Application->ProcessMessages();
    display.PressKey(VK_HOME);
    display.TypeText("12");
    Application->ProcessMessages();
    const std::string path = folder + "/editors-mask-edit.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

} // namespace zorvy::gallery
