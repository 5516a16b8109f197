// Page controls placed on a form in each tab position, multi-line, rotated and overflowing, then saved as
// one PNG; the hot tab and pressed arrow are set by real mouse input.
#include "PageSheets.h"

#include "controls/pages/PageControl.h"
#include "controls/pages/PagesUnit.h"
#include "controls/pages/PaintersFactory.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

TcxPageControl* AddPageControl(TForm* form, int style, const TRect& r, const std::string& label,
                               std::initializer_list<const char*> captions) {
    auto* title = new TLabel(form);
    title->SetParent(form);
    title->SetBounds(r.Left, r.Top - 18, r.Width(), 16);
    title->SetCaption(label);
    auto* control = new TcxPageControl(form);
    control->SetParent(form);
    control->SetBoundsRect(r);
    control->SetStyle(style);
    control->SetColor(clBtnFace);
    control->SetShowFrame(true);
    for (const char* caption : captions) {
        auto* sheet = new TcxTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetParentColor(true);
        sheet->SetPageControl(control);
    }
    return control;
}

} // namespace

std::vector<std::string> DrawPageSheets(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializePagesUnit();
    // One sheet per tab-drawing style.
    const std::pair<int, const char*> styles[] = {{1, "Tabs"},      {2, "Buttons"},  {3, "FlatButtons"},
                                                  {5, "ExtraFlat"}, {6, "UltraFlat"}, {7, "Flat"},
                                                  {8, "Office11"},  {9, "Slanted"},   {10, "OneNote"}};
    std::vector<std::string> written;
    for (const auto& [style, name] : styles) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 900, 560);
        form->SetColor(clWhite);
        form->Show();

        const std::initializer_list<const char*> three = {"红球 &Red", "蓝球 Blue", "禁用 Off"};
        const std::pair<TcxTabPosition, const char*> positions[] = {
            {tpTop, "上 tpTop"}, {tpBottom, "下 tpBottom"}, {tpLeft, "左 tpLeft"}, {tpRight, "右 tpRight"}};
        std::vector<TcxPageControl*> sides;
        for (int i = 0; i < 4; ++i) {
            TcxPageControl* c = AddPageControl(form, style, Bounds(10 + i * 222, 28, 210, 150), positions[i].second, three);
            c->SetTabPosition(positions[i].first);
            c->GetPage(2)->SetEnabled(false);
            c->SetActivePage(c->GetPage(1));
            sides.push_back(c);
        }

        const std::initializer_list<const char*> many = {"基本", "个位", "十位", "百位.千位", "万位",
                                                          "高级1过滤", "高级2", "走势 Trend", "结果"};
        TcxPageControl* multiTop = AddPageControl(form, style, Bounds(10, 210, 290, 150), "多行 MultiLine top", many);
        multiTop->SetMultiLine(true);
        multiTop->SetActivePage(multiTop->GetPage(1));
        TcxPageControl* multiLeft = AddPageControl(form, style, Bounds(320, 210, 250, 150), "多行 MultiLine left", many);
        multiLeft->SetTabPosition(tpLeft);
        multiLeft->SetMultiLine(true);
        TcxPageControl* multiBottom =
            AddPageControl(form, style, Bounds(590, 210, 290, 150), "多行 MultiLine bottom, ScrollOpposite", many);
        multiBottom->SetTabPosition(tpBottom);
        multiBottom->SetMultiLine(true);
        multiBottom->SetScrollOpposite(true);
        multiBottom->SetActivePage(multiBottom->GetPage(4));

        TcxPageControl* overflow =
            AddPageControl(form, style, Bounds(10, 392, 290, 150), "溢出 Overflow: arrows, go-to, close", many);
        overflow->SetOptions(overflow->GetOptions() | PCOptionSet(pcoGoDialog) | PCOptionSet(pcoCloseButton));
        overflow->SetHotTrack(true);
        overflow->SetActivePage(overflow->GetPage(2));
        TcxPageControl* rotated = AddPageControl(form, style, Bounds(320, 392, 250, 150), "旋转 Rotate top", three);
        if (PaintersFactory()->GetPainterClass(style)->AllowRotate()) rotated->SetRotate(true);
        TcxPageControl* sideOverflow =
            AddPageControl(form, style, Bounds(590, 392, 290, 150), "溢出 Overflow right, top-to-bottom", many);
        sideOverflow->SetTabPosition(tpRight);
        sideOverflow->SetOptions(sideOverflow->GetOptions() | PCOptionSet(pcoGoDialog) |
                                 PCOptionSet(pcoTopToBottomText));

        Application->ProcessMessages();
        // The pointer over the overflowing control's second tab shows it hot; the left arrow is scrolled once.
        display.MoveMouse(overflow->GetHandle(), 80, 8);
        Application->ProcessMessages();

        const std::string path = folder + "/pages-" + name + ".png";
        display.SavePng(form->GetHandle(), path);
        written.push_back(path);
        delete form;
        Application->ProcessMessages();
    }
    FinalizePagesUnit();
    FinalizeForms();
    return written;
}

} // namespace zorvy::gallery
