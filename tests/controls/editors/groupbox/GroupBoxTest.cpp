// The group box: caption rectangle by position, where the frame runs and where children go, and the
// classic frame painted around (not through) the caption.
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/checks/CheckBoxViewInfo.h"
#include "controls/editors/groupbox/GroupBox.h"
#include "controls/editors/groupbox/GroupBoxViewInfo.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class GroupBoxTest : public EditorsTest {
  protected:
    GroupBoxTest() {
        form = NewForm(400, 300);
        box = new TcxGroupBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 200, 120);
        box->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
        child = new TcxCheckBox(box);
        child->SetParent(box);
        child->SetAlign(alClient);
        form->Show();
        Pump();
        // h and w: the caption font's "Qq" height and the caption's width, measured apart.
        TcxScreenCanvas* screen = ScreenCanvasInstance();
        screen->AssignFont(box->GetStyle()->GetFont());
        h = screen->MeasureTextHeight("Qq");
    }
    int CaptionWidth(const std::string& text) {
        TcxScreenCanvas* screen = ScreenCanvasInstance();
        screen->AssignFont(box->GetStyle()->GetFont());
        TRect r = Rect(0, 0, 0, 0);
        DrawText(screen->DeviceContext(), text, r, DT_SINGLELINE | DT_CALCRECT);
        return r.Width();
    }
    TcxGroupBoxViewInfo* Info() { return static_cast<TcxGroupBoxViewInfo*>(box->GetEditViewInfo()); }
    // The frame's own width on each side, seen with a centred caption (which moves no side).
    TRect PlainExtent() {
        box->SetAlignment(alCenterCenter);
        Pump();
        const TRect client = Info()->ClientRect;
        return Rect(client.Left, client.Top, 200 - client.Right, 120 - client.Bottom);
    }

    TForm* form = nullptr;
    TcxGroupBox* box = nullptr;
    TcxCheckBox* child = nullptr;
    int h = 0;
};

TEST_F(GroupBoxTest, AFreshBoxAndItsEmptyCaption) {
    auto* fresh = new TcxGroupBox(form);
    EXPECT_EQ(fresh->GetWidth(), 185);
    EXPECT_EQ(fresh->GetHeight(), 105);
    EXPECT_FALSE(fresh->GetTabStop());
    // No caption: no caption rectangle, the frame still runs h div 2 + 1 below the top.
    EXPECT_TRUE(IsRectEmpty(Info()->CaptionRect));
    EXPECT_EQ(Info()->BorderRect.Top, h / 2 + 1);
}

TEST_F(GroupBoxTest, CaptionAndChildrenByPosition) {
    const TRect plain = PlainExtent();
    box->SetCaption("Red balls");
    const int w = CaptionWidth("Red balls");
    struct Case {
        TcxCaptionAlignment alignment;
        TRect caption;
        TRect client;
    } cases[] = {
        {alTopLeft, Rect(8, 0, 8 + w, h), Rect(plain.Left, h + 3, 200 - plain.Right, 120 - plain.Bottom)},
        {alTopCenter, Rect((200 - w) / 2, 0, (200 - w) / 2 + w, h),
         Rect(plain.Left, h + 3, 200 - plain.Right, 120 - plain.Bottom)},
        {alTopRight, Rect(200 - 8 - w, 0, 200 - 8, h), Rect(plain.Left, h + 3, 200 - plain.Right, 120 - plain.Bottom)},
        {alBottomLeft, Rect(8, 120 - h - 2, 8 + w, 120 - 2), Rect(plain.Left, plain.Top, 200 - plain.Right, 120 - h - 3)},
        {alLeftTop, Rect(-1, 8, h - 1, 8 + w), Rect(h + 3, plain.Top, 200 - plain.Right, 120 - plain.Bottom)},
        {alLeftBottom, Rect(-1, 120 - 8 - w, h - 1, 120 - 8), Rect(h + 3, plain.Top, 200 - plain.Right, 120 - plain.Bottom)},
        {alRightCenter, Rect(200 - h + 1, (120 - w) / 2, 201, (120 - w) / 2 + w),
         Rect(plain.Left, plain.Top, 200 - h - 3, 120 - plain.Bottom)},
        {alCenterCenter, Rect((200 - w) / 2, (120 - h) / 2, (200 - w) / 2 + w, (120 - h) / 2 + h),
         Rect(plain.Left, plain.Top, 200 - plain.Right, 120 - plain.Bottom)},
    };
    for (const Case& c : cases) {
        box->SetAlignment(c.alignment);
        Pump();
        EXPECT_EQ(Info()->CaptionRect, c.caption) << c.alignment;
        EXPECT_EQ(Info()->ClientRect, c.client) << c.alignment;
        EXPECT_EQ(child->GetBoundsRect(), c.client) << c.alignment;
    }
    // A vertical caption hides the accelerator mark; a horizontal one keeps it for drawing.
    box->SetCaption("&Blue");
    EXPECT_EQ(box->GetCaptionText(), "&Blue");
    box->SetAlignment(alLeftTop);
    EXPECT_EQ(box->GetCaptionText(), "Blue");
}

TEST_F(GroupBoxTest, TheClassicFrameRunsThroughTheCaptionLineButNotThroughTheCaption) {
    box->GetStyle()->SetBorderStyle(cbsSingle);
    box->GetStyle()->SetBorderColor(clRed);
    box->SetCaption(".");
    Pump();
    // The line lies just outside the border rectangle, which starts h div 2 + 1 down.
    EXPECT_EQ(Info()->BorderRect.Top, h / 2 + 1);
    const int y = 10 + h / 2; // in form coordinates
    EXPECT_EQ(PixelAt(form, 10 + 150, y), ColorToRGB(clRed));
    EXPECT_NE(PixelAt(form, 10 + Info()->CaptionRect.Left + 1, y), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(form, 10 + 150, 10 + Info()->BorderRect.Bottom), ColorToRGB(clRed));
}

TEST_F(GroupBoxTest, TheAcceleratorFocusesTheFirstChildAndSideCaptionsTurnTheFont) {
    box->SetCaption("&Group");
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'g', 0), 1);
    Pump();
    EXPECT_TRUE(child->Focused());
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x', 0), 0);

    struct Case {
        TcxCaptionAlignment alignment;
        int escapement;
    } cases[] = {{alLeftCenter, 900}, {alRightTop, 2700}, {alTopLeft, 0}};
    for (const Case& c : cases) {
        box->SetAlignment(c.alignment);
        LOGFONT logFont;
        ASSERT_TRUE(FetchLogFont(box->GetCaptionFont()->GetHandle(), logFont));
        EXPECT_EQ(logFont.lfEscapement, c.escapement) << c.alignment;
    }
}

// Group boxes on the pages of a page control, as the main window has them: each holds a bare check box on
// its frame line, right of the caption, and a captioned one inside. Every one of them shows its mark
// (white inside), on the first page and on a page shown only later.
TEST_F(EditorsTest, ChildrenOfGroupBoxesOnLaterPagesAreDrawnAlsoOnTheFrameLine) {
    TForm* form = NewForm(300, 200);
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetAlign(alClient);
    struct Page {
        TTabSheet* sheet;
        TcxGroupBox* box;
        TcxCheckBox* flag;
        TcxCheckBox* inside;
    } page[2];
    for (Page& p : page) {
        p.sheet = new TTabSheet(form);
        p.sheet->SetPageControl(pages);
        p.sheet->SetCaption("Family");
        p.box = new TcxGroupBox(form);
        p.box->SetParent(p.sheet);
        p.box->SetBounds(4, 4, 200, 100);
        p.box->SetCaption("Sums");
        p.flag = new TcxCheckBox(form);
        p.flag->SetParent(p.box);
        p.flag->SetBounds(200 - 27, 0, 19, 17);
        p.inside = new TcxCheckBox(form);
        p.inside->SetParent(p.box);
        p.inside->SetBounds(6, 30, 100, 20);
        p.inside->SetCaption("Even");
    }
    pages->SetActivePage(page[0].sheet);
    form->Show();
    Pump();
    auto markCentre = [&](TcxCheckBox* check) {
        const TRect mark = static_cast<TcxCustomCheckBoxViewInfo*>(check->GetEditViewInfo())->CheckRect;
        const TPoint p = form->ScreenToClient(check->ClientToScreen({(mark.Left + mark.Right) / 2,
                                                                     (mark.Top + mark.Bottom) / 2}));
        return PixelAt(form, p.X, p.Y);
    };
    for (int shown = 0; shown < 2; ++shown) {
        pages->SetActivePage(page[shown].sheet);
        Pump();
        EXPECT_EQ(markCentre(page[shown].flag), ColorToRGB(clWindow)) << "page " << shown;
        EXPECT_EQ(markCentre(page[shown].inside), ColorToRGB(clWindow)) << "page " << shown;
    }
}

} // namespace
} // namespace zorvy::test
