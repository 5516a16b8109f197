// Panels, labels, the status bar, splitters and the classic page control.
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/Images.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/classlib/stdctrls/ScrollBox.h"
#include "platform/classlib/stdctrls/Shapes.h"
#include "platform/classlib/stdctrls/Splitters.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/win/Input.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/classlib/ClassLibFixture.h"

namespace zorvy::test {
namespace {

using Containers = ClassLibTest;

TEST_F(Containers, APanelsChildrenAlignInsideItsBevelsAndBorder) {
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 80);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* child = AddProbe(form, 0, 0, 10, 10);
    child->SetParent(panel);
    child->SetAlign(alClient);
    form->Show();
    Pump();
    // Outer bevel 2 + border 3 + inner bevel 2 = 7 on each side.
    EXPECT_EQ(child->GetBoundsRect(), Rect(7, 7, 93, 73));
    EXPECT_EQ(PixelAt(form, 0, 0), ColorToRGB(clBtnHighlight)) << "raised outer bevel";
    EXPECT_EQ(PixelAt(form, 99, 79), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(form, 5, 5), ColorToRGB(clBtnShadow)) << "lowered inner bevel";
}

TEST_F(Containers, ALabelSizesToItsTextAndItsAcceleratorFocusesItsControl) {
    TForm* form = NewForm();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("&Name");
    HDC dc = CreateScreenDC();
    SelectObject(dc, label->GetFont()->GetHandle());
    TSize size;
    GetTextExtentPoint32(dc, "Name", size);
    DeleteDC(dc);
    EXPECT_EQ(label->GetWidth(), size.cx) << "the '&' takes no room";
    EXPECT_EQ(label->GetHeight(), size.cy);

    TProbe* first = AddProbe(form, 10, 50, 20, 20);
    TProbe* target = AddProbe(form, 40, 50, 20, 20);
    label->SetFocusControl(target);
    form->Show();
    first->SetFocus();
    Pump();
    InjectKey(VK_MENU, true);
    InjectKey('N', true);
    InjectKey('N', false);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_TRUE(target->Focused());
    delete target;
    EXPECT_EQ(label->GetFocusControl(), nullptr) << "a freed focus control is forgotten";
}

TEST_F(Containers, AWrappingLabelGrowsDownAndATransparentOneShowsItsParent) {
    TForm* form = NewForm();
    form->SetColor(clYellow);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetLeft(10);
    label->SetCaption("Alpha Beta");
    const int oneLine = label->GetHeight();
    const int fullWidth = label->GetWidth();
    label->SetWordWrap(true);
    label->SetWidth(fullWidth / 2 + 2); // room for one of the words only
    EXPECT_EQ(label->GetHeight(), 2 * oneLine) << "the second word goes to a second line";
    EXPECT_EQ(label->GetWidth(), fullWidth / 2 + 2) << "a wrapping label keeps its width";
    auto* right = new TLabel(form);
    right->SetParent(form);
    right->SetAlignment(taRightJustify);
    right->SetBounds(100, 60, 80, 17);
    right->SetCaption("x");
    EXPECT_EQ(right->GetLeft() + right->GetWidth(), 180) << "a right-aligned label keeps its right edge";
    label->SetWordWrap(false);
    label->SetColor(clRed);
    label->SetParentColor(false);
    form->Show();
    Pump();
    EXPECT_EQ(PixelAt(form, label->GetLeft() + label->GetWidth() - 1, 1), ColorToRGB(clRed));
    label->SetTransparent(true);
    Pump();
    EXPECT_EQ(PixelAt(form, label->GetLeft() + label->GetWidth() - 1, 1), ColorToRGB(clYellow));
}

TEST_F(Containers, AStatusBarDrawsItsPanelTextsInTheirWidths) {
    TForm* form = NewForm(400, 100);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetSizeGrip(false);
    for (int width : {100, 150, 50})
        bar->GetPanels()->Add()->SetWidth(width);
    form->Show();
    Pump();
    EXPECT_EQ(bar->GetBoundsRect(), Rect(0, 81, 400, 100)) << "aligned to the bottom, 19 high";
    EXPECT_EQ(bar->PanelRect(1), Rect(100, 2, 248, 19));
    EXPECT_EQ(bar->PanelRect(2), Rect(250, 2, 398, 19)) << "the last panel runs to the right edge";
    auto inkIn = [&](TRect r) {
        HBITMAP image = display.Capture(form->GetHandle());
        int ink = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 2; x < r.Right - 2; ++x)
                if ((image->Row(81 + y)[x] & 0xFFFFFF) == (ColorToRGB(clBtnText) & 0xFFFFFF)) ++ink;
        DeleteObject(image);
        return ink;
    };
    EXPECT_EQ(inkIn(bar->PanelRect(1)), 0);
    bar->GetPanels()->GetItem(1)->SetText("本次用时：0秒12毫秒");
    Pump();
    EXPECT_GT(inkIn(bar->PanelRect(1)), 0);
    EXPECT_EQ(inkIn(bar->PanelRect(0)), 0) << "only the changed panel shows text";
    EXPECT_THROW(bar->PanelRect(3), EListError);
}

TEST_F(Containers, DraggingASplitterResizesTheControlItIsDockedTo) {
    TForm* form = NewForm(300, 100);
    TProbe* left = AddProbe(form, 0, 0, 100, 100);
    left->SetAlign(alLeft);
    auto* splitter = new TSplitter(form);
    splitter->SetParent(form);
    splitter->SetLeft(100);
    TProbe* rest = AddProbe(form, 200, 0, 10, 10);
    rest->SetAlign(alClient);
    int moves = 0;
    splitter->OnMoved = [&](TObject*) { ++moves; };
    form->Show();
    Pump();
    ASSERT_EQ(splitter->GetLeft(), 100);
    HWND h = form->GetHandle();
    display.PressMouse(h, 101, 50);
    display.MoveMouse(h, 141, 50);
    Pump();
    EXPECT_EQ(left->GetWidth(), 140);
    EXPECT_EQ(splitter->GetLeft(), 140) << "the splitter follows its control";
    display.MoveMouse(h, 299, 50);
    Pump();
    // 300 - 3 for the splitter - 30 (MinSize) kept for the rest.
    EXPECT_EQ(left->GetWidth(), 267);
    display.ReleaseMouse(h, 299, 50);
    Pump();
    EXPECT_GT(moves, 0);
    EXPECT_EQ(rest->GetWidth(), 30);
}

TEST_F(Containers, AScrollBoxScrollsOverTheExtentOfItsControls) {
    TForm* form = NewForm(400, 300);
    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 200, 150);
    TProbe* first = AddProbe(form, 0, 0, 50, 50);
    TProbe* low = AddProbe(form, 0, 300, 50, 50);
    TProbe* far = AddProbe(form, 400, 0, 50, 50);
    for (TProbe* p : {first, low, far})
        p->SetParent(box);
    form->Show();
    Pump();
    EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 350);
    EXPECT_EQ(box->GetHorzScrollBar()->GetRange(), 450);
    SCROLLINFO si;
    ASSERT_TRUE(GetScrollInfo(box->GetHandle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, 349);
    EXPECT_EQ(static_cast<int>(si.nPage), box->GetClientHeight());

    box->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 8);
    EXPECT_EQ(first->GetTop(), -8) << "scrolling moves the controls";
    box->ScrollInView(low);
    EXPECT_EQ(low->GetTop() + low->GetHeight(), box->GetClientHeight()) << "just enough to show it";
    EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 350 - box->GetClientHeight());
    box->GetVertScrollBar()->SetPosition(10000);
    EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 350 - box->GetClientHeight()) << "clamped to the end";
    box->GetHorzScrollBar()->SetPosition(100);
    EXPECT_EQ(far->GetLeft(), 300);
    EXPECT_EQ(box->GetHorzScrollBar()->GetRange(), 450) << "the range does not grow with scrolling";
}

TEST_F(Containers, BevelsShapesAndImagesDrawWhereTheyStand) {
    TForm* form = NewForm(300, 200);
    form->SetColor(clBtnFace);
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetBounds(10, 10, 40, 30);
    auto* shape = new TShape(form);
    shape->SetParent(form);
    shape->SetBounds(60, 10, 40, 30);
    shape->GetBrush()->SetColor(clRed);
    auto* circle = new TShape(form);
    circle->SetParent(form);
    circle->SetBounds(110, 10, 60, 30);
    circle->SetShape(stCircle);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(180, 10, 100, 100);
    image->SetCenter(true);
    TBitmap picture;
    picture.SetSize(20, 10);
    picture.GetCanvas()->GetBrush()->SetColor(clBlue);
    picture.GetCanvas()->FillRect(Rect(0, 0, 20, 10));
    image->GetPicture()->SetGraphic(&picture);
    form->Show();
    Pump();
    EXPECT_EQ(PixelAt(form, 10, 10), ColorToRGB(clBtnShadow)) << "a lowered box is dark top-left";
    EXPECT_EQ(PixelAt(form, 49, 39), ColorToRGB(clBtnHighlight)) << "and light bottom-right";
    EXPECT_EQ(PixelAt(form, 60, 10), ColorToRGB(clBlack)) << "the pen outlines the rectangle";
    EXPECT_EQ(PixelAt(form, 80, 25), ColorToRGB(clRed)) << "the brush fills it";
    // A circle in 60 x 30 is 30 across, centred: its left edge at x = 125, so x = 118 is outside.
    EXPECT_EQ(PixelAt(form, 118, 25), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(form, 140, 25), ColorToRGB(clWhite));
    // Centred: the 20 x 10 picture covers x 220..239, y 55..64.
    EXPECT_EQ(PixelAt(form, 220, 55), ColorToRGB(clBlue));
    EXPECT_EQ(PixelAt(form, 219, 55), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(form, 239, 64), ColorToRGB(clBlue));
}

class Pages : public ClassLibTest {
  protected:
    TPageControl* MakePages(TForm* form, std::vector<TTabSheet*>& sheets) {
        auto* pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(0, 0, 300, 200);
        for (const char* caption : {"6位特征", "个位.十位", "百位.千位"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            sheets.push_back(sheet);
        }
        return pages;
    }
};

TEST_F(Pages, CtrlTabMovesThroughTheVisibleTabs) {
    TForm* form = NewForm();
    std::vector<TTabSheet*> sheets;
    TPageControl* pages = MakePages(form, sheets);
    TProbe* inside = AddProbe(form, 0, 0, 20, 20);
    inside->SetParent(sheets[0]);
    std::vector<std::string> log;
    pages->OnChange = [&](TObject*) { log.push_back(pages->GetActivePage()->GetCaption()); };
    form->Show();
    inside->SetFocus();
    Pump();
    EXPECT_EQ(pages->GetActivePage(), sheets[0]);
    EXPECT_TRUE(sheets[0]->GetVisible());
    EXPECT_FALSE(sheets[1]->GetVisible());
    sheets[1]->SetTabVisible(false);
    auto ctrlTab = [&](bool back) {
        InjectKey(VK_CONTROL, true);
        if (back) InjectKey(VK_SHIFT, true);
        InjectKey(VK_TAB, true);
        InjectKey(VK_TAB, false);
        if (back) InjectKey(VK_SHIFT, false);
        InjectKey(VK_CONTROL, false);
        Pump();
    };
    ctrlTab(false);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]) << "the page without a tab is passed over";
    ctrlTab(false);
    EXPECT_EQ(pages->GetActivePage(), sheets[0]) << "wrapping round";
    ctrlTab(true);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]);
    EXPECT_EQ(log, (std::vector<std::string>{"百位.千位", "6位特征", "百位.千位"}));
    pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
    ctrlTab(false);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]) << "OnChanging refused";
    pages->SetActivePage(sheets[1]);
    EXPECT_EQ(log.size(), 3u) << "setting the page in code raises no change event";
}

TEST_F(Pages, AClickOnATabShowsItsPageInTheDisplayArea) {
    TForm* form = NewForm();
    std::vector<TTabSheet*> sheets;
    TPageControl* pages = MakePages(form, sheets);
    form->Show();
    Pump();
    const TRect tab = pages->TabRect(2);
    EXPECT_EQ(tab.Left, pages->TabRect(1).Right) << "tabs sit side by side";
    display.Click(form->GetHandle(), tab.Left + 3, tab.Top + 3);
    Pump();
    EXPECT_EQ(pages->GetActivePageIndex(), 2);
    EXPECT_EQ(sheets[2]->GetBoundsRect(), pages->DisplayRect());
    EXPECT_EQ(pages->DisplayRect().Top, tab.Bottom + 4);
    delete sheets[2];
    EXPECT_EQ(pages->GetPageCount(), 2);
    EXPECT_EQ(pages->GetActivePage(), sheets[0]) << "freeing the active page shows the next one";
}

} // namespace
} // namespace zorvy::test
