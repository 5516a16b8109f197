#pragma once
// TcxPCCustomPainter: the contract between the tab control and a tab-drawing style. The control only
// places tabs in rows; every measure, colour, the navigator buttons, the frame and all painting are asked
// of its painter. The base gives what every style shares: the layout of a tab's image and caption (also
// vertical), their drawing, a stack of clip regions and the colour and geometry routines. Also the
// geometry routines the control and the styles share (rotation of insets and points, text orientation).
//
// A style supplies the abstract operations: tab widths and the row height, the image and text margins,
// the tabs region with its navigator buttons, the hit test of those buttons, which tab is drawn active,
// and the painting of buttons, tabs and frame. Its class-level answers (style ID and name, rotation,
// multi-selection, pressable tabs, defaults per look and feel) are static members that ZORVY_PC_PAINTER
// publishes through the class reference the factory registers.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/pages/PCTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomTabControl;
class TCustomImageList;
class TcxLookAndFeel;
class TcxPCCustomPainter;
class TcxTab;
class TcxTabSlants;
class TBitmap;

// A painter class: what the factory registers, asks and instantiates.
class TcxPCPainterMeta {
  public:
    virtual ~TcxPCPainterMeta() = default;
    virtual const char* ClassName() const = 0;
    virtual TcxPCCustomPainter* CreateInstance(TcxCustomTabControl* parent) const = 0;
    virtual bool AllowRotate() const = 0;
    virtual TcxPCStandardStyle GetStandardStyle() const = 0;
    virtual int GetStyleID() const = 0;
    virtual std::string GetStyleName() const = 0;
    virtual bool IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel) const = 0;
    virtual bool IsDefaultForNativeStyle(TcxLookAndFeel* lookAndFeel) const = 0;
    virtual bool IsTabStyle() const = 0;
    virtual bool AllowMultiSelection() const = 0;
    virtual bool AllowsTabPressing() const = 0;
};
using TcxPCPainterClass = const TcxPCPainterMeta*;

template <class T> class TcxPCPainterMetaOf final : public TcxPCPainterMeta {
  public:
    explicit TcxPCPainterMetaOf(const char* name) : name_(name) {}
    const char* ClassName() const override { return name_; }
    TcxPCCustomPainter* CreateInstance(TcxCustomTabControl* parent) const override { return new T(parent); }
    bool AllowRotate() const override { return T::AllowRotate(); }
    TcxPCStandardStyle GetStandardStyle() const override { return T::GetStandardStyle(); }
    int GetStyleID() const override { return T::GetStyleID(); }
    std::string GetStyleName() const override { return T::GetStyleName(); }
    bool IsDefaultForLookAndFeel(TcxLookAndFeel* l) const override { return T::IsDefaultForLookAndFeel(l); }
    bool IsDefaultForNativeStyle(TcxLookAndFeel* l) const override { return T::IsDefaultForNativeStyle(l); }
    bool IsTabStyle() const override { return T::IsTabStyle(); }
    bool AllowMultiSelection() const override { return T::AllowMultiSelection(); }
    bool AllowsTabPressing() const override { return T::AllowsTabPressing(); }

  private:
    const char* name_;
};

// Inside a painter class: its class reference, and the instance's way to reach it.
#define ZORVY_PC_PAINTER(Name)                                                                               \
  public:                                                                                                    \
    static TcxPCPainterClass Class() {                                                                       \
        static const TcxPCPainterMetaOf<Name> meta(#Name);                                                   \
        return &meta;                                                                                        \
    }                                                                                                        \
    TcxPCPainterClass GetPainterClass() const override { return Class(); }                                   \
                                                                                                             \
  private:

// The read-only view of the tab control a painter works from.
class TcxPCPainterParentInfo {
  public:
    explicit TcxPCPainterParentInfo(TcxCustomTabControl* control) : Control(control) {}
    TcxCustomTabControl* const Control;

    TObject* ActivePage() const;
    TcxCanvas* Canvas() const;
    TFont* Font() const;
    TColor Color() const;
    TRect TopLeftTabsBounds() const;
    TRect BottomRightTabsBounds() const;
    int Width() const;
    int Height() const;
    bool HideTabs() const;
    int ImageBorder() const;
    int MainTabVisibleIndex() const;
    bool MultiLine() const;
    TcxPCNavigatorButtons VisibleButtons() const;
    std::uint8_t ButtonState(TcxPCNavigatorButton button) const;
    TcxPCNavigatorPosition NavigatorPosition() const;
    TcxPCOptions Options() const;
    TColor PageColor(int visibleIndex) const;
    TObject* Page(int visibleIndex) const;
    bool RaggedRight() const;
    TColor TabColor(int visibleIndex) const;
    TcxTabSlants* TabSlants() const;
    bool Rotate() const;
    int RowCount() const;
    int TopLeftRowCount() const;
    bool HasOppositeRows() const;
    bool ScrollOpposite() const;
    bool ShowFrame() const;
    int TabHeight() const;
    TcxTabPosition TabPosition() const;
    int TabWidth() const;
    TcxTab* Tab(int visibleIndex) const;
};

class TcxPCCustomPainter {
  public:
    virtual TcxPCPainterClass GetPainterClass() const = 0;

    // ---- class-level answers (a style hides the ones it changes; code of a base class asks them
    // through GetPainterClass, so that the style's answer counts) ----
    static bool AllowRotate() { return true; }
    static TcxPCStandardStyle GetStandardStyle() { return tsTabs; }
    static int GetStyleID() { return -1; }
    static std::string GetStyleName() { return ""; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel*) { return false; }
    static bool IsDefaultForNativeStyle(TcxLookAndFeel*) { return false; }
    static bool IsTabStyle() { return true; }
    static bool AllowMultiSelection() { return false; }
    static bool AllowsTabPressing() { return false; }

    explicit TcxPCCustomPainter(TcxCustomTabControl* parent);
    virtual ~TcxPCCustomPainter();
    TcxPCCustomPainter(const TcxPCCustomPainter&) = delete;
    TcxPCCustomPainter& operator=(const TcxPCCustomPainter&) = delete;

    TcxPCPainterParentInfo* GetControlInfo() const { return controlInfo_.get(); }
    TcxCustomTabControl* GetOwnerControl() const { return ownerControl_; }

    // ---- the contract, in the order the control calls on it ----
    virtual int CalculateTabNormalWidth(TcxTab* tab) = 0;
    virtual void GetTabCorrection(int visibleIndex, TcxPCTabCorrection& correction);
    virtual void PaintTabContent(int visibleIndex);
    virtual void PaintPageClientArea();
    virtual int GetButtonsDistance(TcxPCNavigatorButton button1, TcxPCNavigatorButton button2);
    virtual int GetNavigatorTabsGap() { return 0; }
    virtual int GetNavigatorEdgeOffset() { return 0; }
    virtual int GetNavigatorEndOffset() { return 0; }
    virtual TColor GetClientColor();
    // Insets in tabs-on-top orientation.
    virtual void GetClientRectOffsets(TRect& insets);
    virtual void GetFrameRectOffsets(TRect& insets);
    // Only top and bottom (across the row) are used.
    virtual void GetImageIndents(int visibleIndex, TRect& indents) = 0;
    virtual void GetImageOnlyIndents(int visibleIndex, int& start, int& end) = 0;
    virtual void GetTextIndents(int visibleIndex, TRect& indents) = 0;
    virtual int GetFrameWidth() { return 0; }
    virtual void AfterPaintTab(int) {}
    virtual bool UsesPageColorForTab() { return false; }
    virtual int GetImageTextDistance(int visibleIndex) = 0;
    // visibleIndex -1: any tab.
    virtual int GetMinTabNormalWidth(int visibleIndex) = 0;
    virtual TColor GetTabBodyColor(int visibleIndex) = 0;
    virtual TColor GetTabColor(int visibleIndex);
    // The caller frees the region.
    virtual TcxRegion* GetTabClipRegion(int visibleIndex);
    virtual TcxRegionOperation GetTabClipOperation(int) { return roIntersect; }
    virtual void GetTextMargins(int visibleIndex, int& start, int& end) = 0;
    virtual void GetTabThemeParams(int, int& partId, int& stateId) { partId = stateId = 0; }
    // [0] between neighbouring tabs of a row, [1] between rows.
    virtual void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) = 0;
    virtual void CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) = 0;
    virtual TColor GetTabTextColor(int visibleIndex);
    virtual void GetTextFittingMargins(int visibleIndex, int& start, int& end) = 0;
    virtual void BeforeLayout() {}
    virtual void PaintContent();
    virtual void SetTabContentRects(int visibleIndex, const TRect& imageRect, const TRect& textRect) = 0;
    virtual void InvalidateTab(int visibleIndex);
    virtual bool AlwaysHotTracks() { return IsNativePainting(); }
    virtual bool IsNativePainting() { return false; }
    virtual bool GetButtonAt(int x, int y, TcxPCNavigatorButton& button) = 0;
    // Refines the rectangle hit test of a tab (a slanted shape).
    virtual bool IsPointInTab(int, int, int) { return true; }
    virtual bool IsTabActive(int visibleIndex) = 0;
    virtual bool ExcludesOnlyTabContent(int) { return false; }
    virtual bool RedrawsOnResize() { return IsNativePainting(); }
    virtual bool HasFrame();
    virtual void Paint() { PaintContent(); }
    virtual void PaintButtons() = 0;
    virtual void PaintPageArea();
    virtual void PaintFrame() = 0;
    virtual void PaintTabs() = 0;
    // Called just before a caption or image is drawn into an off-screen bitmap.
    virtual void PaintBitmapBackground(TBitmap*, const TRect&, int) {}
    virtual void RepaintButton(TcxPCNavigatorButton, std::uint8_t) {}
    virtual void RepaintTab(int, TcxPCTabPropertyChanged) {}
    virtual int CalculateTabNormalHeight() = 0;
    virtual void GetGoDialogButtonBounds(TRect& r) = 0;

    // ---- shared routines for the styles ----
    void SaveClipRegion();
    void RestoreClipRegion();
    // False for an empty r, and, with intersect, when no part of r is visible; else the clip is saved
    // and then intersected with r (or set to r) and the caller restores it.
    bool ClipToRect(const TRect& r, bool intersect);
    // A polyline (canvas nil: the control's) whose end point is drawn too.
    void DrawPolyline(const TPoint* points, int highIndex, TcxCanvas* canvas, TColor color);
    void DrawRotatedPolyline(const TRect& r, const TPoint* points, int highIndex, TColor color,
                             TcxTabPosition tabPosition);
    static void RotatePoint(const TRect& r, TPoint& p, TcxTabPosition tabPosition);
    static void RotatePolyline(const TRect& r, TPoint* points, TcxTabPosition tabPosition, int highIndex);
    void InvalidateRect(const TRect& r);
    void InvalidateTabRow(int visibleIndex);
    void GetPageFrameRect(TRect& r);
    void GetPageClientRect(TRect& r);
    bool IsCustomDrawn();
    // True when the handler drew the tab.
    bool DoCustomDrawTab(int visibleIndex);
    bool HasImages();
    bool TabHasImage(int visibleIndex);
    void GetImageSize(TSize& size);
    void GetRotatedImageSize(TSize& size);
    int GetTabThemeStateId(int visibleIndex);
    TColor GetHighlightedTextColor(int visibleIndex, TColor defaultColor);
    static TColor GetHotTrackColor();
    static TColor EmbossLightColor() { return clBtnHighlight; }
    static TColor EmbossShadowColor() { return clBtnShadow; }
    static TColor HighlightColor() { return clHighlight; }
    int GetMaxCaptionHeight();
    void ExcludeTabContentFromClip(int visibleIndex);
    void CalculateTabContentRects(int visibleIndex);
    void PrepareTabFont(TcxTab* tab, TcxCanvas* canvas);
    int ClipStackDepth() const { return static_cast<int>(clipStack_.size()); }

    // The tab whose content is being laid out or drawn.
    struct TcxPCTabContent {
        TRect ImageRect{};
        TRect TextRect{};
        int VisibleIndex = -1;
    } TabContent;

  private:
    void DrawCaption(int visibleIndex, TcxTab* tab, TBitmap* bitmap, const TRect& textRect, TColor bodyColor);

    std::unique_ptr<TcxPCPainterParentInfo> controlInfo_;
    TcxCustomTabControl* ownerControl_;
    std::vector<std::unique_ptr<TcxRegion>> clipStack_; // an entry may be nil: no clip was set
};

// ---- routines shared by the control and the styles ----

// Turns insets given for tabs on top to the side tabPosition.
void RotateInsets(const TRect& r, TcxTabPosition tabPosition, TRect& result);
bool IsVerticalTextLayout(TcxCustomTabControl* control);
// 0 horizontal; 1 vertical from bottom to top; 2 vertical from top to bottom.
int GetTextRotation(TcxCustomTabControl* control);
int GetEffectiveTextRotation(TcxCustomTabControl* control);
bool DrawsVerticalTextByBitmap(TcxCustomTabControl* control);
// Tabs run from the far end of the row.
bool IsReversedRowDirection(TcxCustomTabControl* control);
void ApplyTabCorrection(TRect& r, const TcxPCTabCorrection& correction);
// A one-line text's size on the shared screen canvas, with font (nil: the one the control prepares for tab).
void GetTextSize(TcxTab* tab, const std::string& text, TFont* font, TSize& size);
void PrepareBitmapForCanvas(TBitmap* bitmap, TcxCanvas* canvas, TSize size, TColor color);
bool IsImageListUsable(TCustomImageList* list);
// The tabs the last layout placed (last -2 when none).
void GetPlacedTabRange(TcxCustomTabControl* control, int& first, int& last);
void GetRowTabRanges(TcxCustomTabControl* control, TcxPCLineIndexBoundsArray& ranges);
int CountButtons(TcxPCNavigatorButtons buttons);
inline int PointCoordinate(TPoint p, bool isY) {
    return isY ? p.Y : p.X;
}
// The tab painting position 1..12 of a row side and a text rotation.
int TabPaintingPosition(TcxTabPosition rowSide, int textRotation);

} // namespace zorvy
