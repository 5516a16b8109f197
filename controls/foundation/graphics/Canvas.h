#pragma once
// TcxCanvas: the object every painter, control, editor and grid cell paints through. It wraps a
// class-library canvas without owning it and adds fills with tiles, frames by sides, 3D edges, focus
// rectangles, text by its own flags, glyphs, bitmap rotation, stacks of saved states and clip-region
// arithmetic. Device-context text routines and parent-background painting are in CanvasRoutines.h.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/graphics/Geometry.h"
#include "controls/foundation/graphics/Region.h"
#include "platform/classlib/Bitmap.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zorvy {

enum TcxBorder : uint8_t { bLeft = 0, bTop = 1, bRight = 2, bBottom = 3 };
// A set of TcxBorder: bit 0 left, 1 top, 2 right, 3 bottom.
using TcxBorders = uint8_t;
constexpr TcxBorders cxBorder(TcxBorder b) {
    return TcxBorders(1u << b);
}
constexpr TcxBorders cxBordersAll = 15;

enum TcxGridLines : uint8_t { glBoth = 0, glNone = 1, glVertical = 2, glHorizontal = 3 };

// Canvas text flags of PaintText and MeasureTextRect.
enum : int {
    ctfAlignLeft = 0x1,
    ctfAlignRight = 0x2,
    ctfAlignHCenter = 0x4,
    ctfAlignTop = 0x8,
    ctfAlignBottom = 0x10,
    ctfAlignVCenter = 0x20,
    ctfSingleLine = 0x40,
    ctfDontClip = 0x80,
    ctfExpandTabs = 0x100,
    ctfShowPrefix = 0x200,
    ctfWordBreak = 0x400,
    ctfShowEndEllipsis = 0x800,
    ctfCalcRect = 0x1000,
    ctfShowPathEllipsis = 0x2000,
    ctfDontBreakChars = 0x4000,
};
// The formatted-drawing format word of the canvas flags (prefix processing off unless asked).
unsigned CanvasFlagsToDrawTextFormat(int flags);

// The appearance a style hands to a painter.
struct TcxViewParamsRec {
    TBitmap* Bitmap = nullptr; // background tile
    TColor Color = clNone;     // brush colour
    TFont* Font = nullptr;     // not owned
    TColor TextColor = clNone;
};

class TcxCanvas {
  public:
    explicit TcxCanvas(TCanvas* canvas);
    virtual ~TcxCanvas();
    TcxCanvas(const TcxCanvas&) = delete;
    TcxCanvas& operator=(const TcxCanvas&) = delete;

    // ---- access and origins ----
    TCanvas* GetCanvas() const { return canvas_; }
    TBrush* CurrentBrush() const { return canvas_->GetBrush(); }
    TFont* CurrentFont() const { return canvas_->GetFont(); }
    TPen* CurrentPen() const { return canvas_->GetPen(); }
    HDC DeviceContext() const { return canvas_->GetHandle(); }
    void ReadWindowOrigin(TPoint& p) const;
    void WriteWindowOrigin(TPoint p);
    void ReadViewportOrigin(TPoint& p) const;
    // Viewport origin minus window origin.
    void GetDeviceOrigin(TPoint& p) const;
    void AssignFont(TFont* font) { canvas_->SetFont(font); }
    // Sets the brush colour only when it differs, so the brush is not recreated.
    void UseBrushColor(TColor color);
    void CaptureViewParams(TcxViewParamsRec& params) const;
    void ApplyViewParams(const TcxViewParamsRec& params);
    // Escapement in whole degrees (counter-clockwise).
    void SetFontAngle(int degrees);

    // ---- drawing ----
    void PaintPixel(int x, int y, TColor color) { canvas_->SetPixel(x, y, color); }
    void MoveToPoint(int x, int y) { canvas_->MoveTo(x, y); }
    void LineToPoint(int x, int y) { canvas_->LineTo(x, y); }
    void PaintPolygon(std::span<const TPoint> points) { canvas_->Polygon(points); }
    void PaintPolyline(std::span<const TPoint> points) { canvas_->Polyline(points); }
    void PaintPolyPolyline(std::span<const TPoint> points, std::span<const int> counts) {
        canvas_->PolyPolyline(points, counts);
    }
    void DrawGraphicAt(int x, int y, TGraphic* graphic) { canvas_->Draw(x, y, graphic); }
    void CopyRectFrom(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
        canvas_->CopyRect(dest, source, sourceRect);
    }
    void InvertRect(const TRect& r);
    // clNone draws nothing, clDefault fills with the current brush.
    void FillRectSolid(const TRect& r, TColor color);
    // Tiles bitmap (anchored at logical (0, 0)) over r, or fills with the brush when there is none;
    // with exclude, r then leaves the clip region.
    void FillRectOrTile(const TRect& r, TBitmap* bitmap = nullptr, bool exclude = false);
    // Strips of width along the named sides (left, right, top, bottom), each limited to r.
    void FrameRectSides(const TRect& r, TColor color, int width = 1, TcxBorders borders = cxBordersAll,
                        bool exclude = false);
    void FrameAndFillRect(const TRect& r, const TcxViewParamsRec& params, TcxBorders borders,
                          TColor borderColor, int borderWidth = 1, bool exclude = false);
    // Left and top in color1, right and bottom (drawn last, over the corners) in color2.
    void PaintBorders(const TRect& r, TColor color1, TColor color2, TcxBorders borders = cxBordersAll,
                      int width = 1);
    void PaintEdge3D(const TRect& r, bool sunken, bool outer, TcxBorders borders = cxBordersAll);
    // The dotted XOR focus rectangle: painting it twice removes it.
    void PaintFocusRect(const TRect& r);
    void PaintNestedFocusRects(const TRect& r, int count);
    void FillRegionHandle(HRGN region, TColor color);
    void FrameRegionHandle(HRGN region, TColor color, int frameWidth = 1, int frameHeight = 1);
    void FillAndFrameRegionHandle(HRGN region, TColor fillColor, TColor frameColor, int frameWidth = 1,
                                  int frameHeight = 1);
    void FillAndFrameRegion(TcxRegion* region, TColor fillColor, TColor frameColor, int frameWidth = 1,
                            int frameHeight = 1);
    // Draws bitmap with its transparent colour showing bkColor (clNone: what lies below); disabled
    // glyphs in the image list's disabled look.
    void PaintTransparentGlyph(int x, int y, TBitmap* bitmap, bool enabled = true, TColor bkColor = clNone);
    // 0 none, 1 quarter turn counter-clockwise, 2 quarter turn clockwise, 3 half turn; mirror flips.
    static void RotateBitmap(TBitmap* bitmap, int rotation, bool mirror = false);
    void StartPath();
    void FinishPath();

    // ---- text ----
    void PaintText(const std::string& text, TRect r, int flags, bool enabled = true);
    void MeasureTextRect(const std::string& text, TRect& r, int flags);
    void AlignTextRectVertically(TRect& r, const std::string& text, TcxAlignmentVert vertAlign,
                                 bool wordBreak, bool showPrefix, bool enabled = true,
                                 bool dontBreakChars = false);
    bool MeasureTextExtentSize(const std::string& text, TSize& size);
    int MeasureTextWidth(const std::string& text);
    int MeasureTextHeight(const std::string& text);
    int MeasureFontLineHeight(TFont* font);

    // ---- state stacks: every push is matched by its pop within the same paint ----
    void PushDC();
    void PopDC();
    // PushDC plus copies of the font, brush and pen; PopState restores them and pops the DC level.
    void PushState();
    void PopState();

    // ---- clipping ----
    int ClipExcludeRect(const TRect& r);
    int ClipIntersectRect(const TRect& r);
    bool RectIsVisible(const TRect& r);
    // The clip region (or a 30000 x 30000 square when there is none), in logical coordinates when
    // considerOrigin. The caller owns the answer.
    TcxRegion* CopyClipRegion(bool considerOrigin = true);
    void ApplyClipRegion(TcxRegion* region, TcxRegionOperation operation = roSet, bool destroyRegion = true,
                         bool considerOrigin = true);

  private:
    struct TcxCanvasState {
        std::unique_ptr<TFont> Font;
        std::unique_ptr<TBrush> Brush;
        std::unique_ptr<TPen> Pen;
    };
    TCanvas* canvas_;
    std::vector<int> savedDCs_;
    std::vector<TcxCanvasState> savedStates_;
};

// A canvas over the screen context, for measuring without a window.
class TScreenCanvas : public TCanvas {
  public:
    ~TScreenCanvas() override { ReleaseDeviceHandle(); }
    void ReleaseDeviceHandle();

  protected:
    void CreateHandle() override { CreateDeviceHandle(); }
    void CreateDeviceHandle();

  private:
    HDC screenDC_ = nullptr;
};

class TcxScreenCanvas : public TcxCanvas {
  public:
    TcxScreenCanvas();
    ~TcxScreenCanvas() override;

  private:
    std::unique_ptr<TScreenCanvas> screenCanvas_;
};

// The shared screen canvas, created on first use and freed by FinalizeScreenCanvas.
TcxScreenCanvas* ScreenCanvasInstance();
void FinalizeScreenCanvas();

} // namespace zorvy
