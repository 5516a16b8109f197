// The check box photos.
#include "CheckSheets.h"

#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/groupbox/GroupBox.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/Forms.h"

namespace zorvy::gallery {

namespace {

template <class T>
T* Place(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind) {
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    control->GetStyle()->GetLookAndFeel()->SetKind(kind);
    control->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    return control;
}

TcxCheckBox* AddCheck(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind, const std::string& caption,
                      TcxCheckBoxState state, bool enabled = true) {
    auto* box = Place<TcxCheckBox>(parent, r, kind);
    box->SetCaption(caption);
    box->GetProperties()->SetAllowGrayed(true);
    box->SetState(state);
    box->SetEnabled(enabled);
    return box;
}

TcxButtonEdit* AddEdit(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind, const std::string& text,
                       TcxEditButtonKind buttonKind, bool enabled = true) {
    auto* edit = Place<TcxButtonEdit>(parent, r, kind);
    edit->GetStyle()->SetTransparentBorder(false);
    edit->GetProperties()->GetButtons()->ButtonAt(0)->SetKind(buttonKind);
    if (buttonKind == bkText) edit->GetProperties()->GetButtons()->ButtonAt(0)->SetCaption("…");
    edit->SetText(text);
    edit->SetEnabled(enabled);
    return edit;
}

} // namespace

std::vector<std::string> DrawCheckBoxPhotos(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeCheckBoxUnit();
    InitializeButtonEditUnit();
    std::vector<std::string> written;
    // A small blue ball for the glyph button: its corners take the transparent colour.
    TBitmap glyph;
    glyph.SetSize(9, 9);
    glyph.GetCanvas()->GetBrush()->SetColor(clOlive);
    glyph.GetCanvas()->FillRect(Rect(0, 0, 9, 9));
    glyph.GetCanvas()->GetBrush()->SetColor(clBlue);
    glyph.GetCanvas()->Ellipse(0, 0, 9, 9);
    const std::pair<const char*, TcxLookAndFeelKind> kinds[] = {
        {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    for (const auto& [name, kind] : kinds) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 760, 270);
        form->Show();
        const char* captions[] = {"未选 Unchecked", "选中 Checked", "灰 Grayed"};
        for (int i = 0; i < 3; ++i) {
            AddCheck(form, Rect(10 + i * 165, 8, 170 + i * 165, 29), kind, captions[i], TcxCheckBoxState(i));
            AddCheck(form, Rect(10 + i * 165, 32, 170 + i * 165, 53), kind, std::string("禁用 ") + captions[i],
                     TcxCheckBoxState(i), false);
        }
        TcxCheckBox* focused = AddCheck(form, Rect(10, 56, 170, 77), kind, "焦点 &Focused", cbsChecked);
        TcxCheckBox* framed = AddCheck(form, Rect(175, 56, 335, 77), kind, "单线 Single", cbsChecked);
        framed->GetStyle()->SetBorderStyle(cbsSingle);
        TcxCheckBox* flat = AddCheck(form, Rect(340, 56, 500, 77), kind, "超平 UltraFlat", cbsChecked);
        flat->GetStyle()->SetBorderStyle(cbsUltraFlat);

        AddEdit(form, Rect(10, 84, 128, 105), kind, "03 07 12", bkEllipsis);
        AddEdit(form, Rect(134, 84, 252, 105), kind, "下拉 down", bkDown);
        TcxButtonEdit* glyphed = AddEdit(form, Rect(258, 84, 376, 105), kind, "图 glyph", bkGlyph);
        glyphed->GetProperties()->GetButtons()->ButtonAt(0)->SetGlyph(&glyph);
        AddEdit(form, Rect(382, 84, 500, 105), kind, "禁用 disabled", bkText, false);

        auto* group = Place<TcxGroupBox>(form, Rect(10, 112, 500, 220), kind);
        group->SetCaption("胆码 Group box");
        group->GetStyle()->SetBorderStyle(cbs3D);
        AddCheck(group, Rect(10, 24, 170, 45), kind, "胆码选择", cbsChecked);
        AddEdit(group, Rect(175, 24, 470, 45), kind, "01 02 03", bkEllipsis);
        AddCheck(group, Rect(10, 52, 170, 73), kind, "自定位", cbsUnchecked);
        AddEdit(group, Rect(175, 52, 470, 73), kind, "", bkEllipsis, false);

        AddPushButtons(form, 232, kind);
        AddPlatformControls(form, 520);
        focused->SetFocus();
        Application->ProcessMessages();
        const std::string path = folder + "/editors-checks-" + name + ".png";
        display.SavePng(form->GetHandle(), path);
        written.push_back(path);
        delete form;
        Application->ProcessMessages();
    }
    FinalizeButtonEditUnit();
    FinalizeCheckBoxUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return written;
}

} // namespace zorvy::gallery
