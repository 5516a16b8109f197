// The grid sheets.
#include "GridSheets.h"

#include "GallerySheet.h"
#include "controls/foundation/control/Control.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

const char* const ButtonNames[NavigatorButtonCount] = {
    "First 首条",   "PriorPage 上页", "Prior 上条",  "Next 下条",   "NextPage 下页",     "Last 末条",
    "Insert 插入",  "Append 追加",    "Delete 删除", "Edit 编辑",   "Post 提交",         "Cancel 取消",
    "Refresh 刷新", "SaveBookmark 存书签", "GotoBookmark 回书签", "Filter 筛选"};

// Data at its first record, not editing, with a bookmark.
class TSampleData : public IcxNavigator {
  public:
    bool CanAppend() override { return true; }
    bool CanDelete() override { return true; }
    bool CanEdit() override { return true; }
    bool CanInsert() override { return true; }
    bool IsActive() override { return true; }
    bool IsBof() override { return true; }
    bool IsBookmarkAvailable() override { return true; }
    bool IsEditing() override { return false; }
    bool IsEof() override { return false; }
    void ClearBookmark() override {}
    void DoAction(int) override {}
};

class TNavigatorStrip : public TcxControl, public IcxNavigatorOwner {
  public:
    TNavigatorStrip(TComponent* owner, TcxLookAndFeelKind kind)
        : TcxControl(owner), buttons(this), viewInfo(this, false) {
        buttons.OnGetNavigator = [this]() -> IcxNavigator* { return &data; };
        buttons.Append()->SetVisible(true);
        GetLookAndFeel()->SetKind(kind);
        GetLookAndFeel()->SetNativeStyle(false);
    }
    TSampleData data;
    TcxNavigatorControlButtons buttons;
    TcxNavigatorViewInfo viewInfo;

    void NavigatorChanged(TcxNavigatorChangeType) override { Invalidate(); }
    TRect GetNavigatorBounds() override { return GetClientRect(); }
    TcxCustomNavigatorButtons* GetNavigatorButtons() override { return &buttons; }
    TCanvas* GetNavigatorCanvas() override { return GetCanvas(); }
    TWinControl* GetNavigatorControl() override { return this; }
    bool GetNavigatorFocused() override { return false; }
    TcxLookAndFeel* GetNavigatorLookAndFeel() override { return GetLookAndFeel(); }
    TComponent* GetNavigatorOwner() override { return this; }
    bool GetNavigatorShowHint() override { return false; }
    bool GetNavigatorTabStop() override { return false; }
    void RefreshNavigator() override { viewInfo.UpdateButtonsEnabled(); }
    void NavigatorStateChanged() override { viewInfo.MakeDirty(); }

  protected:
    void Paint() override { viewInfo.Paint(); }
};

// Each pixel of the image as a square of `scale` pixels.
void DrawEnlarged(TcxCanvas* canvas, const TRect& cell, int index, int scale) {
    TCustomImageList* images = GetNavigatorDefaultImages();
    const std::vector<std::uint32_t>* pixels = images->GetImagePixels(index);
    if (!pixels) return;
    const int w = images->GetWidth(), h = images->GetHeight();
    const int left = cell.Left + (cell.Width() - w * scale) / 2, top = cell.Top + (cell.Height() - h * scale) / 2;
    canvas->FillRectSolid(TRect{left - 1, top - 1, left + w * scale + 1, top + h * scale + 1}, clSilver);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = (*pixels)[static_cast<size_t>(y * w + x)];
            const TColor color = (p >> 24) == 0 ? clWhite
                                                : static_cast<TColor>(RGB(static_cast<std::uint8_t>(p >> 16),
                                                                          static_cast<std::uint8_t>(p >> 8),
                                                                          static_cast<std::uint8_t>(p)));
            canvas->FillRectSolid(TRect{left + x * scale, top + y * scale, left + (x + 1) * scale, top + (y + 1) * scale},
                                  color);
        }
}

std::string DrawGlyphSheet(const std::string& folder) {
    TGallerySheet sheet("Navigator glyphs 导航按钮图标", {"normal 正常", "disabled 禁用", "x4"},
                        TGallerySheet::LabelWidth + 3 * TGallerySheet::CellWidth + 20, 60 + NavigatorButtonCount * 54);
    TCustomImageList* images = GetNavigatorDefaultImages();
    for (int i = 0; i < NavigatorButtonCount; ++i) {
        auto glyph = [i, images](bool enabled) {
            return [i, images, enabled](TcxCanvas* c, const TRect& r) {
                images->Draw(c->GetCanvas(), r.Left + (r.Width() - 12) / 2, r.Top + (r.Height() - 11) / 2, i, enabled);
            };
        };
        sheet.AddRow(ButtonNames[i],
                     {glyph(true), glyph(false), [i](TcxCanvas* c, const TRect& r) { DrawEnlarged(c, r, i, 4); }}, 54);
    }
    const std::string path = folder + "/grid-navigator-glyphs.png";
    sheet.Save(path);
    return path;
}

std::string DrawStripPhoto(THeadlessDisplay& display, const std::string& folder) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 330, 4 * 36 + 8);
    form->SetColor(clBtnFace);
    form->Show();
    int top = 8;
    std::vector<TNavigatorStrip*> strips;
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
        auto* strip = new TNavigatorStrip(form, kind);
        strip->SetParent(form);
        int width = 0, height = 0;
        strip->viewInfo.Calculate(width, height, true);
        strip->SetBounds(8, top, width, height);
        strips.push_back(strip);
        top += 36;
    }
    Application->ProcessMessages();
    // Next hot, Last pressed (hot while down), First and Prior disabled by the data.
    for (TNavigatorStrip* strip : strips) {
        strip->viewInfo.Update();
        auto centre = [strip](int index) {
            for (int i = 0; i < strip->viewInfo.GetButtonCount(); ++i)
                if (strip->viewInfo.GetButton(i)->Button->GetDefaultIndex() == index) {
                    const TRect r = strip->viewInfo.GetButton(i)->Bounds;
                    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
                }
            return TPoint{-1, -1};
        };
        const TPoint last = centre(NBDI_LAST);
        strip->viewInfo.MouseMove(last.X, last.Y);
        strip->viewInfo.MouseDown(last.X, last.Y);
        strip->Invalidate();
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-navigator.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    return path;
}

} // namespace

std::vector<std::string> DrawGridSheets(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeGridUnits();
    std::vector<std::string> paths = {DrawGlyphSheet(folder), DrawStripPhoto(display, folder),
                                      DrawLevelTabsPhoto(display, folder), DrawTableViewsPhoto(display, folder),
                                      DrawTableHeadersPhoto(display, folder), DrawTableViewPhoto(display, folder),
                                      DrawBandedViewsPhoto(display, folder)};
    for (const std::string& path : DrawGridDragSheets(display, folder)) paths.push_back(path);
    for (const std::string& path : DrawGridFilterSheets(display, folder)) paths.push_back(path);
    for (const std::string& path : DrawBandedSizingPhotos(display, folder)) paths.push_back(path);
    FinalizeGridUnits();
    FinalizeForms();
    return paths;
}

} // namespace zorvy::gallery
