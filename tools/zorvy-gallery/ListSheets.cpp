// The list photo.
#include "ListSheets.h"

#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/lists/CheckListBox.h"
#include "controls/editors/lists/ListBox.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

void AddTitle(TForm* form, int x, int y, const std::string& text) {
    auto* title = new TLabel(form);
    title->SetParent(form);
    title->SetBounds(x, y, 200, 16);
    title->SetCaption(text);
}

TcxCheckListBox* AddCheckList(TForm* form, int x, int y, TcxLookAndFeelKind kind) {
    auto* box = new TcxCheckListBox(form);
    box->SetParent(form);
    box->SetBounds(x, y, 170, 120);
    box->GetStyle()->GetLookAndFeel()->SetKind(kind);
    box->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    box->SetAllowGrayed(true);
    box->SetEditValueFormat(cvfStatesString);
    for (const char* text : {"红球 Red", "蓝球 Blue", "禁用 Off", "个位 Units", "十位 Tens", "百位 Hundreds", "千位"})
        box->GetItems()->Add()->SetText(text);
    box->GetItems()->GetItem(0)->SetState(cbsChecked);
    box->GetItems()->GetItem(1)->SetState(cbsGrayed);
    box->GetItems()->GetItem(2)->SetEnabled(false);
    box->GetItems()->GetItem(2)->SetState(cbsChecked);
    box->SetItemIndex(3);
    return box;
}

} // namespace

std::string DrawListPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeCheckBoxUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 760, 330);
    form->Show();

    const std::pair<const char*, TcxLookAndFeelKind> kinds[] = {
        {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    for (int i = 0; i < 4; ++i) {
        AddTitle(form, 10 + i * 185, 6, std::string("TcxCheckListBox ") + kinds[i].first);
        AddCheckList(form, 10 + i * 185, 24, kinds[i].second);
    }

    AddTitle(form, 10, 156, "TcxListBox");
    auto* list = new TcxListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 174, 170, 140);
    for (int i = 0; i < 20; ++i) list->GetItems()->Add("第 " + std::to_string(i + 1) + " 期 issue");
    list->SetItemIndex(2);

    AddTitle(form, 195, 156, "ReadOnly, IntegralHeight");
    auto* readOnly = new TcxListBox(form);
    readOnly->SetParent(form);
    readOnly->SetBounds(195, 174, 170, 100);
    for (const char* text : {"01 04 12", "05 09 33", "11 17 28"}) readOnly->GetItems()->Add(text);
    readOnly->SetItemIndex(1);
    readOnly->SetReadOnly(true);
    readOnly->SetIntegralHeight(true);

    AddTitle(form, 380, 156, "OnDrawItem (owner drawn)");
    auto* drawn = new TcxListBox(form);
    drawn->SetParent(form);
    drawn->SetBounds(380, 174, 170, 100);
    drawn->SetListStyle(lbOwnerDrawFixed);
    drawn->SetItemHeight(20);
    for (const char* text : {"红 Red", "蓝 Blue", "绿 Green"}) drawn->GetItems()->Add(text);
    drawn->OnDrawItem = [](TcxListBox* box, TcxCanvas* canvas, int index, const TRect& r, TOwnerDrawState state) {
        static const TColor colors[] = {clRed, clBlue, clGreen};
        canvas->FillRectSolid(r, (state & odSelected) ? clHighlight : clWindow);
        canvas->FillRectSolid(Rect(r.Left + 3, r.Top + 4, r.Left + 15, r.Bottom - 4), colors[index % 3]);
        canvas->GetCanvas()->GetBrush()->SetStyle(bsClear);
        canvas->GetCanvas()->GetFont()->SetColor((state & odSelected) ? clHighlightText : clWindowText);
        canvas->GetCanvas()->TextOut(r.Left + 20, r.Top + 3, box->GetItems()->Get(index));
    };
    drawn->SetItemIndex(1);

    AddTitle(form, 565, 156, "Images after the checks");
    auto* images = new TCustomImageList(form, 12, 12);
    for (TColor color : {clRed, clBlue}) {
        TBitmap bitmap;
        bitmap.SetSize(12, 12);
        bitmap.GetCanvas()->GetBrush()->SetColor(color);
        bitmap.GetCanvas()->FillRect(Rect(0, 0, 12, 12));
        images->Add(&bitmap, nullptr);
    }
    auto* plain = AddCheckList(form, 565, 174, lfStandard);
    plain->SetImages(images);
    for (int i = 0; i < plain->GetItems()->GetCount(); ++i) plain->GetItems()->GetItem(i)->SetImageIndex(i % 3); // index 2: no image, the space kept
    plain->SetImageLayout(ilAfterChecks);

    Application->ProcessMessages();
    const std::string path = folder + "/lists.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeCheckBoxUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

} // namespace zorvy::gallery
