// The group and label photos.
#include "GroupSheets.h"

#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/editors/label/Label.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

template <class T> T* PlaceGroupControl(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind) {
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    control->GetStyle()->GetLookAndFeel()->SetKind(kind);
    control->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    return control;
}

TcxLabel* AddLabel(TWinControl* parent, int x, int y, TcxLookAndFeelKind kind, const std::string& caption,
                   TcxLabelEffect effect, TcxLabelStyle style, TcxLabelOrientation orientation, int depth) {
    auto* label = PlaceGroupControl<TcxLabel>(parent, Rect(x, y, x + 100, y + 20), kind);
    label->SetCaption(caption);
    TcxLabelProperties* p = label->GetProperties();
    p->SetLabelEffect(effect);
    p->SetLabelStyle(style);
    p->SetOrientation(orientation);
    p->SetDepth(static_cast<std::uint16_t>(depth));
    p->SetShadowedColor(clNavy);
    label->GetStyle()->GetFont()->SetSize(14);
    return label;
}

} // namespace

std::vector<std::string> DrawGroupPhotos(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeRadioGroupUnit();
    InitializeCheckGroupUnit();
    InitializeLabelUnit();
    std::vector<std::string> written;
    const std::pair<const char*, TcxLookAndFeelKind> kinds[] = {
        {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    for (const auto& [name, kind] : kinds) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 760, 420);
        form->Show();

        auto* radio = PlaceGroupControl<TcxRadioGroup>(form, Rect(10, 8, 250, 118), kind);
        radio->SetCaption("&Odd or even 奇偶");
        radio->GetProperties()->SetColumns(2);
        for (const char* caption : {"奇 Odd", "偶 Even", "全 Both", "禁用 Off", "&None"})
            radio->GetProperties()->GetItems()->Add()->SetCaption(caption);
        radio->GetProperties()->GetItems()->ItemAt(3)->SetEnabled(false);
        radio->SetItemIndex(1);

        auto* disabledRadio = PlaceGroupControl<TcxRadioGroup>(form, Rect(260, 8, 400, 118), kind);
        disabledRadio->SetCaption("禁用 Disabled");
        for (const char* caption : {"大 Big", "小 Small"})
            disabledRadio->GetProperties()->GetItems()->Add()->SetCaption(caption);
        disabledRadio->SetItemIndex(0);
        disabledRadio->SetEnabled(false);

        auto* pair = PlaceGroupControl<TcxGroupBox>(form, Rect(410, 8, 560, 118), kind);
        pair->SetCaption("And/Or");
        for (int i = 0; i < 2; ++i) {
            auto* button = new TcxRadioButton(pair);
            button->SetParent(pair);
            button->SetBounds(10, 24 + i * 26, 120, 20);
            button->GetLookAndFeel()->SetKind(kind);
            button->GetLookAndFeel()->SetNativeStyle(false);
            button->SetCaption(i == 0 ? "与 &And" : "或 &Or");
            button->SetChecked(i == 0);
        }

        auto* checks = PlaceGroupControl<TcxCheckGroup>(form, Rect(10, 126, 400, 236), kind);
        checks->SetCaption("尾数 Last digits");
        checks->GetProperties()->SetColumns(3);
        checks->GetProperties()->SetAllowGrayed(true);
        for (int i = 0; i < 8; ++i)
            checks->GetProperties()->GetItems()->Add()->SetCaption("尾 " + std::to_string(i));
        checks->GetProperties()->GetItems()->ItemAt(7)->SetEnabled(false);
        checks->SetEditValue(Variant("2;0,4,7"));

        auto* right = PlaceGroupControl<TcxCheckGroup>(form, Rect(410, 126, 560, 236), kind);
        right->SetCaption("右对齐 Right");
        right->GetProperties()->SetItemAlignment(taRightJustify);
        for (const char* caption : {"红 Red", "蓝 Blue", "灰 Gray"})
            right->GetProperties()->GetItems()->Add()->SetCaption(caption);
        right->SetEditValue(Variant(";0"));

        AddLabel(form, 10, 250, kind, "Normal 普通", cxleNormal, cxlsNormal, cxoRightBottom, 0);
        AddLabel(form, 160, 250, kind, "Extrude 3", cxleExtrude, cxlsNormal, cxoRightBottom, 3);
        AddLabel(form, 310, 250, kind, "Fun 6", cxleFun, cxlsNormal, cxoRightBottom, 6);
        AddLabel(form, 460, 250, kind, "Cool 4", cxleCool, cxlsNormal, cxoRight, 4);
        AddLabel(form, 10, 300, kind, "Raised 凸", cxleNormal, cxlsRaised, cxoRightBottom, 0);
        AddLabel(form, 160, 300, kind, "Lowered 凹", cxleNormal, cxlsLowered, cxoRightBottom, 0);
        AddLabel(form, 310, 300, kind, "Outline 空", cxleNormal, cxlsOutLine, cxoRightBottom, 0);
        AddLabel(form, 460, 300, kind, "Left-top 3", cxleExtrude, cxlsRaised, cxoLeftTop, 3);
        TcxLabel* turned = AddLabel(form, 610, 250, kind, "Turned 90", cxleNormal, cxlsNormal, cxoRightBottom, 0);
        turned->GetProperties()->SetAngle(90);
        TcxLabel* tilted = AddLabel(form, 600, 10, kind, "Tilted 30°", cxleCool, cxlsNormal, cxoRightBottom, 2);
        tilted->GetProperties()->SetAngle(30);

        radio->GetButton(1)->SetFocus();
        Application->ProcessMessages();
        const std::string path = folder + "/editors-groups-" + name + ".png";
        display.SavePng(form->GetHandle(), path);
        written.push_back(path);
        delete form;
        Application->ProcessMessages();
    }
    FinalizeLabelUnit();
    FinalizeCheckGroupUnit();
    FinalizeRadioGroupUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return written;
}

} // namespace zorvy::gallery
