// The painter base: parent info, the clip stack, colours and frame rectangles, the layout of a tab's image
// and caption, their drawing (vertical captions through a cached turned bitmap), and the geometry
// routines the control shares with the styles.
#include "controls/pages/PCPainter.h"

#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/pages/TabControl.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace zorvy {

// ---- TcxPCPainterParentInfo ----

TObject* TcxPCPainterParentInfo::ActivePage() const { return Control->GetSelectedPage(); }
TcxCanvas* TcxPCPainterParentInfo::Canvas() const { return Control->GetActiveCanvas(); }
TFont* TcxPCPainterParentInfo::Font() const { return Control->GetFont(); }
TColor TcxPCPainterParentInfo::Color() const { return Control->GetColor(); }
TRect TcxPCPainterParentInfo::TopLeftTabsBounds() const { return Control->GetTopLeftTabsBounds(); }
TRect TcxPCPainterParentInfo::BottomRightTabsBounds() const { return Control->GetBottomRightTabsBounds(); }
int TcxPCPainterParentInfo::Width() const { return Control->GetWidth(); }
int TcxPCPainterParentInfo::Height() const { return Control->GetHeight(); }
bool TcxPCPainterParentInfo::HideTabs() const { return Control->GetHideTabs(); }
int TcxPCPainterParentInfo::ImageBorder() const { return Control->GetImageBorder(); }
int TcxPCPainterParentInfo::MainTabVisibleIndex() const { return Control->GetMainTabVisibleIndex(); }
bool TcxPCPainterParentInfo::MultiLine() const { return Control->GetMultiLine(); }
TcxPCNavigatorButtons TcxPCPainterParentInfo::VisibleButtons() const { return Control->GetVisibleButtons(); }
std::uint8_t TcxPCPainterParentInfo::ButtonState(TcxPCNavigatorButton b) const { return Control->GetButtonState(b); }
TcxPCNavigatorPosition TcxPCPainterParentInfo::NavigatorPosition() const { return Control->GetNavigatorPosition(); }
TcxPCOptions TcxPCPainterParentInfo::Options() const { return Control->GetOptions(); }
TColor TcxPCPainterParentInfo::PageColor(int v) const { return Control->GetPageColor(v); }
TObject* TcxPCPainterParentInfo::Page(int v) const { return Control->GetPageOfTab(Tab(v)->GetIndex()); }
bool TcxPCPainterParentInfo::RaggedRight() const { return Control->GetRaggedRight(); }
TColor TcxPCPainterParentInfo::TabColor(int v) const { return Control->GetPainter()->GetTabColor(v); }
TcxTabSlants* TcxPCPainterParentInfo::TabSlants() const { return Control->GetTabSlants(); }
bool TcxPCPainterParentInfo::Rotate() const { return Control->GetRotate(); }
int TcxPCPainterParentInfo::RowCount() const { return Control->GetRowCount(); }
int TcxPCPainterParentInfo::TopLeftRowCount() const { return Control->GetTopLeftRowCount(); }
bool TcxPCPainterParentInfo::ScrollOpposite() const { return Control->GetScrollOpposite(); }
bool TcxPCPainterParentInfo::ShowFrame() const { return Control->GetShowFrame(); }
int TcxPCPainterParentInfo::TabHeight() const { return Control->GetTabHeight(); }
TcxTabPosition TcxPCPainterParentInfo::TabPosition() const { return Control->GetTabPosition(); }
int TcxPCPainterParentInfo::TabWidth() const { return Control->GetTabWidth(); }
TcxTab* TcxPCPainterParentInfo::Tab(int v) const { return Control->GetTabs()->GetVisibleTab(v); }

bool TcxPCPainterParentInfo::HasOppositeRows() const {
    const TcxTabPosition p = TabPosition();
    if (p == tpTop || p == tpLeft) return TopLeftRowCount() != RowCount();
    return TopLeftRowCount() != 0;
}

// ---- TcxPCCustomPainter: base behaviour ----

TcxPCCustomPainter::TcxPCCustomPainter(TcxCustomTabControl* parent)
    : controlInfo_(std::make_unique<TcxPCPainterParentInfo>(parent)), ownerControl_(parent) {}

TcxPCCustomPainter::~TcxPCCustomPainter() = default;

void TcxPCCustomPainter::GetTabCorrection(int, TcxPCTabCorrection& correction) {
    correction = TcxPCTabCorrection{};
}

int TcxPCCustomPainter::GetButtonsDistance(TcxPCNavigatorButton, TcxPCNavigatorButton) {
    return 0;
}

void TcxPCCustomPainter::PaintPageClientArea() {
    TRect r;
    GetPageClientRect(r);
    TcxCanvas* canvas = controlInfo_->Canvas();
    canvas->CurrentBrush()->SetStyle(bsSolid);
    canvas->FillRectSolid(r, GetClientColor());
}

TColor TcxPCCustomPainter::GetClientColor() {
    const int main = controlInfo_->MainTabVisibleIndex();
    if (main < 0) return controlInfo_->Color();
    return controlInfo_->PageColor(main);
}

void TcxPCCustomPainter::GetClientRectOffsets(TRect& insets) {
    GetFrameRectOffsets(insets);
    if (HasFrame()) {
        const int w = GetFrameWidth();
        insets = Rect(insets.Left + w, insets.Top + w, insets.Right + w, insets.Bottom + w);
    }
}

void TcxPCCustomPainter::GetFrameRectOffsets(TRect& insets) {
    insets = TRect{};
    TcxPCPainterParentInfo& info = *controlInfo_;
    if (info.HideTabs() || info.RowCount() == 0) return;
    const TRect tl = info.TopLeftTabsBounds(), br = info.BottomRightTabsBounds();
    const int w = info.Width(), h = info.Height();
    const bool allTopLeft = info.TopLeftRowCount() == info.RowCount();
    const bool noTopLeft = info.TopLeftRowCount() == 0;
    switch (info.TabPosition()) {
        case tpTop:
            insets.Top = tl.Bottom;
            if (!allTopLeft) insets.Bottom = h - br.Top;
            break;
        case tpBottom:
            insets.Top = h - br.Top;
            if (!noTopLeft) insets.Bottom = tl.Bottom;
            break;
        case tpLeft:
            insets.Top = tl.Right;
            if (!allTopLeft) insets.Bottom = w - br.Left;
            break;
        case tpRight:
            insets.Top = w - br.Left;
            if (!noTopLeft) insets.Bottom = tl.Right;
            break;
    }
}

TColor TcxPCCustomPainter::GetTabColor(int visibleIndex) {
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    TColor color = tab->GetColor();
    if (color != clDefault) return color;
    auto* page = dynamic_cast<TControl*>(controlInfo_->Page(visibleIndex));
    if (page && (ownerControl_->HasOption(pcoUsePageColorForTab) || UsesPageColorForTab()) &&
        !page->GetParentColor())
        color = page->GetColor();
    return color;
}

TcxRegion* TcxPCCustomPainter::GetTabClipRegion(int visibleIndex) {
    TRect r;
    controlInfo_->Tab(visibleIndex)->GetVisibleRect(r);
    return TcxRegion::CreateFromRect(r);
}

TColor TcxPCCustomPainter::GetTabTextColor(int visibleIndex) {
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    if (tab->GetHighlighted()) return GetHighlightedTextColor(visibleIndex, controlInfo_->Font()->GetColor());
    if (tab->IsHot()) return GetHotTrackColor();
    return clBtnText;
}

void TcxPCCustomPainter::PaintContent() {
    if (!controlInfo_->HideTabs()) {
        PaintButtons();
        PaintTabs();
    }
    PaintPageArea();
}

void TcxPCCustomPainter::InvalidateTab(int visibleIndex) {
    TRect r;
    controlInfo_->Tab(visibleIndex)->GetVisibleRect(r);
    InvalidateRect(r);
}

bool TcxPCCustomPainter::HasFrame() {
    return controlInfo_->ShowFrame();
}

void TcxPCCustomPainter::PaintPageArea() {
    if (HasFrame()) PaintFrame();
    PaintPageClientArea();
    TRect r;
    GetPageFrameRect(r);
    controlInfo_->Canvas()->ClipExcludeRect(r);
}

// ---- clip stack ----

void TcxPCCustomPainter::SaveClipRegion() {
    HDC dc = controlInfo_->Canvas()->DeviceContext();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(dc, region) == 1) {
        clipStack_.push_back(std::make_unique<TcxRegion>(region));
    } else {
        DeleteObject(region);
        clipStack_.push_back(nullptr);
    }
}

void TcxPCCustomPainter::RestoreClipRegion() {
    if (clipStack_.empty()) return;
    std::unique_ptr<TcxRegion> top = std::move(clipStack_.back());
    clipStack_.pop_back();
    SelectClipRgn(controlInfo_->Canvas()->DeviceContext(), top ? top->GetHandle() : nullptr);
}

bool TcxPCCustomPainter::ClipToRect(const TRect& r, bool intersect) {
    if (IsRectEmpty(r)) return false;
    TcxCanvas* canvas = controlInfo_->Canvas();
    if (intersect && !canvas->RectIsVisible(r)) return false;
    SaveClipRegion();
    if (intersect)
        canvas->ClipIntersectRect(r);
    else
        canvas->ApplyClipRegion(TcxRegion::CreateFromRect(r), roSet);
    return true;
}

// ---- drawing helpers ----

void TcxPCCustomPainter::DrawPolyline(const TPoint* points, int highIndex, TcxCanvas* canvas, TColor color) {
    if (!canvas) canvas = controlInfo_->Canvas();
    canvas->CurrentPen()->SetColor(color);
    canvas->PaintPolyline(std::span<const TPoint>(points, static_cast<size_t>(highIndex + 1)));
    const TPoint last = points[highIndex];
    canvas->MoveToPoint(last.X, last.Y);
    canvas->LineToPoint(last.X + 1, last.Y + 1);
}

void TcxPCCustomPainter::DrawRotatedPolyline(const TRect& r, const TPoint* points, int highIndex, TColor color,
                                             TcxTabPosition tabPosition) {
    std::vector<TPoint> copy(points, points + highIndex + 1);
    RotatePolyline(r, copy.data(), tabPosition, highIndex);
    DrawPolyline(copy.data(), highIndex, nullptr, color);
}

void TcxPCCustomPainter::RotatePoint(const TRect& r, TPoint& p, TcxTabPosition tabPosition) {
    switch (tabPosition) {
        case tpTop:
            break;
        case tpBottom:
            p.Y = (r.Bottom - 1) - (p.Y - r.Top);
            break;
        case tpLeft:
            p = {r.Right - r.Bottom + p.Y, r.Bottom - 1 - (p.X - r.Left)};
            break;
        case tpRight:
            p = {r.Left + r.Bottom - 1 - p.Y, r.Bottom - 1 - (p.X - r.Left)};
            break;
    }
}

void TcxPCCustomPainter::RotatePolyline(const TRect& r, TPoint* points, TcxTabPosition tabPosition, int highIndex) {
    for (int i = 0; i <= highIndex; ++i)
        RotatePoint(r, points[i], tabPosition);
}

void TcxPCCustomPainter::InvalidateRect(const TRect& r) {
    ownerControl_->InvalidateArea(r, false);
}

void TcxPCCustomPainter::InvalidateTabRow(int visibleIndex) {
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    InvalidateRect(tab->DisplayRow < controlInfo_->TopLeftRowCount() ? controlInfo_->TopLeftTabsBounds()
                                                                     : controlInfo_->BottomRightTabsBounds());
}

void TcxPCCustomPainter::GetPageFrameRect(TRect& r) {
    TRect insets, rotated;
    GetFrameRectOffsets(insets);
    RotateInsets(insets, controlInfo_->TabPosition(), rotated);
    r = Rect(rotated.Left, rotated.Top, controlInfo_->Width() - rotated.Right, controlInfo_->Height() - rotated.Bottom);
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
}

void TcxPCCustomPainter::GetPageClientRect(TRect& r) {
    TRect insets, rotated;
    GetClientRectOffsets(insets);
    RotateInsets(insets, controlInfo_->TabPosition(), rotated);
    r = Rect(rotated.Left, rotated.Top, controlInfo_->Width() - rotated.Right, controlInfo_->Height() - rotated.Bottom);
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
}

bool TcxPCCustomPainter::IsCustomDrawn() {
    return ownerControl_->GetOwnerDraw() && ownerControl_->OnDrawTab;
}

bool TcxPCCustomPainter::DoCustomDrawTab(int visibleIndex) {
    bool defaultDraw = true;
    ownerControl_->OnDrawTab(ownerControl_, controlInfo_->Tab(visibleIndex), defaultDraw);
    return !defaultDraw;
}

bool TcxPCCustomPainter::HasImages() {
    TSize size;
    GetImageSize(size);
    return size.cx > 0;
}

bool TcxPCCustomPainter::TabHasImage(int visibleIndex) {
    return HasImages() && ownerControl_->GetTabImageIndex(controlInfo_->Tab(visibleIndex)->GetIndex()) >= 0;
}

void TcxPCCustomPainter::GetImageSize(TSize& size) {
    ownerControl_->GetImageList()->GetImageSize(size);
}

void TcxPCCustomPainter::GetRotatedImageSize(TSize& size) {
    ownerControl_->GetImageList()->GetRotatedImageSize(size);
}

int TcxPCCustomPainter::GetTabThemeStateId(int visibleIndex) {
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    if (tab->IsMainTab()) return 3;
    return tab->IsHot() ? 2 : 1;
}

TColor TcxPCCustomPainter::GetHighlightedTextColor(int, TColor defaultColor) {
    // Native painting goes through the theme, which is never available here.
    if (!IsNativePainting()) return clHighlightText;
    return defaultColor;
}

TColor TcxPCCustomPainter::GetHotTrackColor() {
    return TColor(0xFF0000);
}

int TcxPCCustomPainter::GetMaxCaptionHeight() {
    int result = 0;
    TcxCanvas* canvas = ScreenCanvasInstance();
    for (int v = 0; v < ownerControl_->GetVisibleTabs()->Count(); ++v) {
        PrepareTabFont(controlInfo_->Tab(v), canvas);
        result = std::max(result, canvas->MeasureTextHeight("Zg"));
    }
    return result;
}

void TcxPCCustomPainter::ExcludeTabContentFromClip(int visibleIndex) {
    if (IsNativePainting()) return;
    auto content = std::unique_ptr<TcxRegion>(TcxRegion::CreateFromRect(TabContent.TextRect));
    content->CombineWith(TcxRegion::CreateFromRect(TabContent.ImageRect), roAdd);
    content->CombineWith(GetTabClipRegion(visibleIndex), roIntersect);
    controlInfo_->Canvas()->ApplyClipRegion(content.release(), roSubtract);
}

void TcxPCCustomPainter::PrepareTabFont(TcxTab* tab, TcxCanvas* canvas) {
    ownerControl_->PrepareTabFont(tab, canvas);
}

// ---- routines ----

void RotateInsets(const TRect& r, TcxTabPosition tabPosition, TRect& result) {
    switch (tabPosition) {
        case tpTop:
            result = r;
            break;
        case tpBottom:
            result = Rect(r.Right, r.Bottom, r.Left, r.Top);
            break;
        case tpLeft:
            result = Rect(r.Top, r.Right, r.Bottom, r.Left);
            break;
        case tpRight:
            result = Rect(r.Bottom, r.Left, r.Top, r.Right);
            break;
    }
}

bool IsVerticalTextLayout(TcxCustomTabControl* control) {
    const bool side = control->GetTabPosition() == tpLeft || control->GetTabPosition() == tpRight;
    return side != control->GetRotate();
}

int GetTextRotation(TcxCustomTabControl* control) {
    if (!IsVerticalTextLayout(control)) return 0;
    return control->HasOption(pcoTopToBottomText) ? 2 : 1;
}

int GetEffectiveTextRotation(TcxCustomTabControl* control) {
    if (control->GetPainter() && control->GetPainter()->IsNativePainting()) return 0;
    return GetTextRotation(control);
}

bool DrawsVerticalTextByBitmap(TcxCustomTabControl* control) {
    return !(control->GetPainter() && control->GetPainter()->IsNativePainting()) && IsVerticalTextLayout(control);
}

bool IsReversedRowDirection(TcxCustomTabControl* control) {
    const bool side = control->GetTabPosition() == tpLeft || control->GetTabPosition() == tpRight;
    const bool topToBottom = control->HasOption(pcoTopToBottomText);
    if (side) return !control->GetRotate() && !topToBottom;
    return control->GetRotate() && topToBottom;
}

void ApplyTabCorrection(TRect& r, const TcxPCTabCorrection& c) {
    r = Rect(r.Left + c.dLeft, r.Top + c.dTop, r.Right + c.dRight, r.Bottom + c.dBottom);
}

void GetTextSize(TcxTab* tab, const std::string& text, TFont* font, TSize& size) {
    TcxCanvas* canvas = ScreenCanvasInstance();
    if (font)
        canvas->AssignFont(font);
    else
        tab->GetControl()->PrepareTabFont(tab, canvas);
    size = {0, 0};
    canvas->MeasureTextExtentSize(text, size);
}

void PrepareBitmapForCanvas(TBitmap* bitmap, TcxCanvas* canvas, TSize size, TColor color) {
    bitmap->SetSize(size.cx, size.cy);
    TCanvas* target = bitmap->GetCanvas();
    target->SetFont(canvas->CurrentFont());
    target->GetPen()->Assign(canvas->CurrentPen());
    target->GetBrush()->SetColor(color);
    target->GetBrush()->SetStyle(bsSolid);
    target->FillRect(Rect(0, 0, size.cx, size.cy));
    target->GetBrush()->Assign(canvas->CurrentBrush());
}

bool IsImageListUsable(TCustomImageList* list) {
    return list && list->GetCount() > 0;
}

void GetPlacedTabRange(TcxCustomTabControl* control, int& first, int& last) {
    if (control->GetMultiLine()) {
        first = 0;
        last = control->GetVisibleTabs()->Count() - 1;
        return;
    }
    first = control->GetFirstVisibleTab();
    last = first == -1 ? -2 : control->GetLastVisibleTab();
}

void GetRowTabRanges(TcxCustomTabControl* control, TcxPCLineIndexBoundsArray& ranges) {
    ranges.assign(static_cast<size_t>(std::max(control->GetRowCount(), 0)), TcxPCLineIndexBounds{});
    int first = 0, last = 0;
    GetPlacedTabRange(control, first, last);
    for (int v = first; v <= last; ++v) {
        const int row = control->GetTabs()->GetVisibleTab(v)->DisplayRow;
        if (row < 0 || row >= static_cast<int>(ranges.size())) continue;
        TcxPCLineIndexBounds& range = ranges[static_cast<size_t>(row)];
        if (range.First == -1) {
            range.First = range.Last = v;
        } else {
            range.First = std::min(range.First, v);
            range.Last = std::max(range.Last, v);
        }
    }
}

int CountButtons(TcxPCNavigatorButtons buttons) {
    int n = 0;
    for (int b = nbTopLeft; b <= nbClose; ++b)
        if (PCButtonIn(static_cast<TcxPCNavigatorButton>(b), buttons)) ++n;
    return n;
}

int TabPaintingPosition(TcxTabPosition rowSide, int textRotation) {
    static constexpr int positions[4][3] = {{1, 2, 3}, {10, 11, 12}, {6, 4, 5}, {9, 7, 8}};
    return positions[rowSide][textRotation];
}

} // namespace zorvy
