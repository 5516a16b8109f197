// The standard editor photos.
#include "StandardEditorSheets.h"

#include "controls/editors/calc/CalcEdit.h"
#include "controls/editors/combos/CheckComboBox.h"
#include "controls/editors/combos/ImageComboBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/progress/ProgressBar.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/ImageList.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

template <class T> T* PlaceStandardEditor(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind) {
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    control->GetStyle()->GetLookAndFeel()->SetKind(kind);
    control->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    return control;
}

TcxProgressBar* AddBar(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind, TcxProgressBarBarStyle style,
                       double position) {
    auto* bar = PlaceStandardEditor<TcxProgressBar>(parent, r, kind);
    bar->SetAutoSize(false);
    bar->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    bar->GetProperties()->SetBarStyle(style);
    bar->SetPosition(position);
    return bar;
}

// Stripes of red and gold, for the bitmap styles.
void FillStripes(TBitmap* image) {
    image->SetSize(6, 6);
    for (int x = 0; x < 6; ++x) {
        image->GetCanvas()->GetBrush()->SetColor(x < 3 ? TColor(0x0000C0) : TColor(0x00C0FF));
        image->GetCanvas()->FillRect(TRect{x, 0, x + 1, 6});
    }
}

// Red, blue and gold balls of 12 x 12 on fuchsia, the list's transparent colour.
void AddBallImages(TImageList* images) {
    for (TColor color : {TColor(0x0000D0), TColor(0xD00000), TColor(0x00B0E0)}) {
        TBitmap ball;
        ball.SetSize(12, 12);
        ball.GetCanvas()->GetBrush()->SetColor(clFuchsia);
        ball.GetCanvas()->FillRect(TRect{0, 0, 12, 12});
        ball.GetCanvas()->GetBrush()->SetColor(color);
        ball.GetCanvas()->GetPen()->SetColor(color);
        ball.GetCanvas()->Ellipse(1, 1, 11, 11);
        images->AddMasked(&ball, clFuchsia);
    }
}

TcxImageComboBox* AddImageCombo(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind, TImageList* images) {
    auto* combo = PlaceStandardEditor<TcxImageComboBox>(parent, r, kind);
    TcxImageComboBoxProperties* p = combo->GetProperties();
    p->SetImages(images);
    const char* names[] = {"红球 Red", "蓝球 Blue", "金球 Gold", "无图 None"};
    for (int i = 0; i < 4; ++i) {
        TcxImageComboBoxItem* item = p->GetItems()->AddItem();
        item->SetDescription(names[i]);
        item->SetValue(Variant(i));
    }
    return combo;
}

// Items A to D (D disabled), A and C checked, shown as "A, C".
TcxCheckComboBox* AddCheckCombo(TWinControl* parent, const TRect& r, TcxLookAndFeelKind kind, int value) {
    auto* combo = PlaceStandardEditor<TcxCheckComboBox>(parent, r, kind);
    TcxCheckComboBoxProperties* p = combo->GetProperties();
    p->SetDelimiter(", ");
    for (const char* name : {"A", "B", "C", "D 停用"}) p->GetItems()->AddCheckItem()->SetDescription(name);
    p->GetItems()->GetItem(3)->SetEnabled(false);
    combo->SetEditValue(Variant(value));
    return combo;
}

} // namespace

std::vector<std::string> DrawStandardEditorPhotos(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeCalcEditUnit();
    InitializeProgressBarUnit();
    InitializeImageComboBoxUnit();
    InitializeCheckComboBoxUnit();
    std::vector<std::string> written;
    const std::pair<const char*, TcxLookAndFeelKind> kinds[] = {
        {"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};
    for (const auto& [name, kind] : kinds) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 820, 490);
        form->Show();

        auto* calc = new TcxCustomCalculator(form);
        calc->SetParent(form);
        calc->SetBounds(10, 10, 198, 131);
        auto* big = new TcxCustomCalculator(form);
        big->SetParent(form);
        big->SetBounds(10, 150, 396, 262);
        big->ButtonClick(cbNum5);
        big->ButtonClick(cbMS);

        auto* plain = PlaceStandardEditor<TcxCalcEdit>(form, Rect(220, 10, 380, 31), kind);
        plain->SetCalcValue(12345.5L);
        auto* grouped = PlaceStandardEditor<TcxCalcEdit>(form, Rect(220, 40, 380, 61), kind);
        grouped->GetProperties()->SetUseThousandSeparator(true);
        grouped->SetCalcValue(1234567.25L);
        auto* scientific = PlaceStandardEditor<TcxCalcEdit>(form, Rect(220, 70, 380, 91), kind);
        scientific->GetProperties()->SetScientificFormat(true);
        scientific->SetCalcValue(12345);
        auto* disabled = PlaceStandardEditor<TcxCalcEdit>(form, Rect(220, 100, 380, 121), kind);
        disabled->SetCalcValue(0.125L);
        disabled->SetEnabled(false);

        auto* images = new TImageList(form);
        images->SetWidth(12);
        images->SetHeight(12);
        AddBallImages(images);
        AddImageCombo(form, Rect(10, 425, 170, 446), kind, images)->SetEditValue(Variant(1));
        TcxImageComboBox* right = AddImageCombo(form, Rect(180, 425, 340, 446), kind, images);
        right->GetProperties()->SetImageAlign(iaRight);
        right->SetEditValue(Variant(2));
        TcxImageComboBox* bare = AddImageCombo(form, Rect(350, 425, 410, 446), kind, images);
        bare->GetProperties()->SetShowDescriptions(false);
        bare->SetEditValue(Variant(0));
        TcxImageComboBox* unknown = AddImageCombo(form, Rect(10, 455, 170, 476), kind, images);
        unknown->GetProperties()->SetDefaultDescription("未知 Unknown");
        unknown->SetEditValue(Variant(9));
        TcxImageComboBox* listed = AddImageCombo(form, Rect(180, 455, 340, 476), kind, images);
        listed->SetEditValue(Variant(3));
        TcxCheckComboBox* checks = AddCheckCombo(form, Rect(420, 425, 600, 446), kind, 5);
        AddCheckCombo(form, Rect(420, 455, 600, 476), kind, 0);

        int y = 10;
        for (TcxProgressBarBarStyle style : {cxbsSolid, cxbsLEDs, cxbsGradient, cxbsGradientLEDs, cxbsBitmap,
                                              cxbsBitmapLEDs}) {
            TcxProgressBar* bar = AddBar(form, Rect(420, y, 620, y + 22), kind, style, 45);
            if (style == cxbsBitmap || style == cxbsBitmapLEDs) FillStripes(bar->GetProperties()->GetForegroundImage());
            TcxProgressBar* loaded = AddBar(form, Rect(630, y, 810, y + 22), kind, style, 92);
            loaded->GetProperties()->SetShowOverload(true);
            loaded->GetProperties()->SetShowPeak(true);
            loaded->GetProperties()->SetPeakValue(97);
            loaded->GetProperties()->SetShowTextStyle(cxtsPosition);
            if (style == cxbsBitmap || style == cxbsBitmapLEDs)
                FillStripes(loaded->GetProperties()->GetForegroundImage());
            y += 30;
        }
        TcxProgressBar* raised = AddBar(form, Rect(420, y, 620, y + 22), kind, cxbsLEDs, 100);
        raised->GetProperties()->SetBarBevelOuter(cxbvRaised);
        TcxProgressBar* lowered = AddBar(form, Rect(630, y, 810, y + 22), kind, cxbsSolid, 30);
        lowered->GetProperties()->SetBarBevelOuter(cxbvLowered);
        lowered->GetProperties()->SetSolidTextColor(true);
        y += 34;
        int x = 420;
        for (TcxProgressBarBarStyle style : {cxbsSolid, cxbsLEDs, cxbsGradient, cxbsGradientLEDs}) {
            TcxProgressBar* tall = AddBar(form, Rect(x, y, x + 30, y + 150), kind, style, 60);
            tall->GetProperties()->SetOrientation(cxorVertical);
            tall->GetProperties()->SetTextOrientation(cxorVertical);
            tall->GetProperties()->SetShowOverload(true);
            x += 40;
        }
        TcxProgressBar* collapsed = AddBar(form, Rect(x, y, x + 200, y + 22), kind, cxbsGradientLEDs, 0);
        collapsed->GetProperties()->SetMax(0);
        collapsed->SetPosition(1e9);
        // Auto-sized: one text line high inside its frame, whatever height it was placed with.
        PlaceStandardEditor<TcxProgressBar>(form, Rect(x, y + 34, x + 200, y + 90), kind)->SetPosition(75);

        plain->SetFocus();
        Application->ProcessMessages();
        const std::string path = folder + "/editors-standard-" + name + ".png";
        display.SavePng(form->GetHandle(), path);
        written.push_back(path);

        plain->DropDown();
        Application->ProcessMessages();
        for (TcxCalcButtonKind b : {cbNum7, cbMul, cbNum6, cbEqual, cbMS}) plain->GetCalculator()->ButtonClick(b);
        Application->ProcessMessages();
        const std::string popupPath = folder + "/editors-calc-popup-" + name + ".png";
        display.SavePng(plain->GetPopupWindow()->GetHandle(), popupPath);
        written.push_back(popupPath);
        plain->SetDroppedDown(false);

        listed->SetFocus();
        listed->DropDown();
        Application->ProcessMessages();
        const std::string listPath = folder + "/editors-image-combo-list-" + name + ".png";
        display.SavePng(listed->GetPopupWindow()->GetHandle(), listPath);
        written.push_back(listPath);
        listed->SetDroppedDown(false);

        checks->SetFocus();
        checks->DropDown();
        Application->ProcessMessages();
        const std::string checkPath = folder + "/editors-check-combo-list-" + name + ".png";
        display.SavePng(checks->GetPopupWindow()->GetHandle(), checkPath);
        written.push_back(checkPath);
        checks->SetDroppedDown(false);
        delete form;
        Application->ProcessMessages();
    }
    FinalizeCheckComboBoxUnit();
    FinalizeImageComboBoxUnit();
    FinalizeProgressBarUnit();
    FinalizeCalcEditUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return written;
}

} // namespace zorvy::gallery
