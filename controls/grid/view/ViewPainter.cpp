// The view's paint pass: clip saved, cells painted by the descendant, the uncovered background
// filled, the clip restored; and its invalidation and focus rectangle.
#include "controls/grid/view/ViewPainter.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/gdi/Region.h"

namespace zorvy {

TcxCustomGridPainter::~TcxCustomGridPainter() = default;

TcxCanvas* TcxCustomGridPainter::GetCanvas() const {
    if (canvas_) return canvas_;
    TcxCustomGridViewInfo* viewInfo = GetViewInfo();
    return viewInfo ? viewInfo->GetCanvas() : nullptr;
}

TcxCustomGridViewInfo* TcxCustomGridPainter::GetViewInfo() const {
    return viewInfo_ ? viewInfo_ : GetGridView()->GetViewInfo();
}

void TcxCustomGridPainter::Paint(TcxCanvas* canvas, TcxCustomGridViewInfo* viewInfo) {
    canvas_ = canvas;
    viewInfo_ = viewInfo;
    painting_ = true;
    TcxCustomGridController* controller = GetController();
    // Whatever a handler raises, the canvas gets its clip back and the pass leaves no state behind.
    auto endPass = [&](bool raised) {
        if (backgroundRegion_ || oldClipRegion_) {
            if (raised) {
                backgroundRegion_.reset();
                if (oldClipRegion_) GetCanvas()->ApplyClipRegion(oldClipRegion_.release());
            }
        }
        if (controller) {
            try {
                controller->AfterPaint();
            } catch (...) {
                if (!raised) {
                    canvas_ = nullptr;
                    viewInfo_ = nullptr;
                    painting_ = false;
                    throw;
                }
            }
        }
        canvas_ = nullptr;
        viewInfo_ = nullptr;
        painting_ = false;
    };
    try {
        if (controller) controller->BeforePaint();
        BeforePaint();
        PaintContent();
        AfterPaint();
    } catch (...) {
        endPass(true);
        throw;
    }
    endPass(false);
}

void TcxCustomGridPainter::BeforePaint() {
    TcxCanvas* canvas = GetCanvas();
    oldClipRegion_.reset(canvas->CopyClipRegion());
    backgroundRegion_.reset(TcxRegion::CreateFromRect(GetViewInfo()->GetBounds()));
    if (TcxGridDesignSelectorViewInfo* selector = GetViewInfo()->GetDesignSelector()) {
        selector->Paint(canvas);
        ExcludeFromBackground(selector->Bounds);
    }
}

void TcxCustomGridPainter::AfterPaint() {
    DrawBackground();
    backgroundRegion_.reset();
    if (oldClipRegion_) GetCanvas()->ApplyClipRegion(oldClipRegion_.release());
}

void TcxCustomGridPainter::ExcludeFromBackground(const TRect& r) {
    if (backgroundRegion_) backgroundRegion_->CombineWith(TcxRegion::CreateFromRect(r), roSubtract);
}

void TcxCustomGridPainter::DrawBackground() {
    if (!backgroundRegion_) return;
    TcxCanvas* canvas = GetCanvas();
    TcxCustomGridViewInfo* viewInfo = GetViewInfo();
    if (TBitmap* bitmap = viewInfo->GetBackgroundBitmap()) {
        TcxRegion* clip = canvas->CopyClipRegion();
        TcxRegion* background = TcxRegion::CreateEmpty();
        background->CombineWith(backgroundRegion_.get(), roSet, false);
        canvas->ApplyClipRegion(background, roIntersect);
        canvas->FillRectOrTile(viewInfo->GetBounds(), bitmap, false);
        canvas->ApplyClipRegion(clip);
        return;
    }
    canvas->FillRegionHandle(backgroundRegion_->GetHandle(), viewInfo->GetBackgroundColor());
}

void TcxCustomGridPainter::DrawFocusRect(const TRect& r, bool hideFocusRect) {
    TcxCanvas* canvas = GetCanvas();
    if (GetGridView()->IsControlFocused()) {
        canvas->PaintFocusRect(r);
        return;
    }
    if (hideFocusRect) return;
    canvas->InvertRect(TRect{r.Left, r.Top, r.Right, r.Top + 1});
    canvas->InvertRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom});
    canvas->InvertRect(TRect{r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1});
    canvas->InvertRect(TRect{r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1});
}

void TcxCustomGridPainter::Invalidate() {
    if (TcxGridSite* site = static_cast<TcxGridSite*>(GetSite())) site->Invalidate();
}

void TcxCustomGridPainter::InvalidateRect(const TRect& r) {
    if (TcxControl* site = GetSite()) site->InvalidateArea(r, false);
}

void TcxCustomGridPainter::InvalidateRegion(const TcxRegion* region) {
    if (TcxControl* site = GetSite()) if (region && region->GetHandle()) site->InvalidateRegionArea(&region->GetHandle()->region, false);
}

} // namespace zorvy
