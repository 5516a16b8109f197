#pragma once
// The foundation's headless fixture with the page units started; a page control whose protected key
// handling and end of loading a test can call; a painter whose tab widths are the numbers in the captions, so layouts can be
// worked out by hand.
#include "controls/pages/PCStandardPainter.h"
#include "controls/pages/PageControl.h"
#include "controls/pages/PagesUnit.h"
#include "controls/pages/PaintersFactory.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>

namespace zorvy::test {

class TTestPageControl : public TcxPageControl {
  public:
    using TcxPageControl::TcxPageControl;
    bool NavigationKey(std::uint16_t key, TShiftState shift) { return HandleNavigationKey(key, shift); }
    using TcxPageControl::Loaded;
};

// Style 50: a tab is as wide as the number its caption starts with.
// The standard painter's measures with plain rectangles for tabs.
class TNumberWidthPainter : public TcxPCStandardPainter {
    ZORVY_PC_PAINTER(TNumberWidthPainter)
  public:
    static int GetStyleID() { return 50; }
    static std::string GetStyleName() { return "NumberWidth"; }
    using TcxPCStandardPainter::TcxPCStandardPainter;
    int CalculateTabNormalWidth(TcxTab* tab) override { return std::stoi(tab->GetCaption()); }
    int CalculateTabNormalHeight() override { return 20; }
    TColor GetTabBodyColor(int) override { return clBtnFace; }
    void PaintTabShape(int visibleIndex) override { Canvas()->FillRectSolid(FullRect(visibleIndex), clBtnFace); }
};

class PagesTest : public FoundationTest {
  protected:
    PagesTest() {
        InitializePagesUnit();
        RegisterPCPainterClass(TNumberWidthPainter::Class());
        form = NewForm(400, 300);
        form->Show();
    }
    ~PagesTest() override {
        UnregisterPCPainterClass(TNumberWidthPainter::Class());
        FinalizePagesUnit();
    }
    // A page control on the form with one page per caption.
    TTestPageControl* NewPageControl(std::initializer_list<const char*> captions, int width = 300,
                                     int height = 200) {
        auto* control = new TTestPageControl(form);
        control->SetParent(form);
        control->SetBounds(0, 0, width, height);
        for (const char* caption : captions) {
            auto* sheet = new TcxTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(control);
        }
        Pump();
        return control;
    }
    static TcxTabSheet* Page(TcxPageControl* c, int i) { return c->GetPage(i); }

    TForm* form = nullptr;
};

} // namespace zorvy::test
