#pragma once
// The look-and-feel painter interface: every custom-drawn element of the control library (buttons,
// check boxes, radio buttons, headers, footers, filter buttons, expand buttons, scroll bars, size grips,
// tabs, the row indicator, splitters, borders) is drawn by a painter, and every size and default colour
// their layout needs comes from the same painter. A painter is stateless: one object per painter class,
// handed around as a pointer (TcxLookAndFeelPainterClass); the look-and-feel picks it.
//
// A concrete painter overrides what differs from this base: borders and edges (DrawButtonEdges,
// DrawHeaderBorder, DrawFooterBorder, DrawCheckBoxFrame, ...), their widths, and its colours.
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/scrollbars/ScrollBarParts.h"
#include "platform/classlib/ControlTypes.h"

#include <functional>
#include <string>

namespace zorvy {

class TCustomImageList;

enum TcxLookAndFeelKind : uint8_t { lfFlat = 0, lfStandard = 1, lfUltraFlat = 2, lfOffice11 = 3 };
enum TcxArrowDir : uint8_t { arUp = 0, arDown = 1, arLeft = 2, arRight = 3 };
enum TcxPaintStyle : uint8_t { psFlat = 0, psStandard = 1, psUltraFlat = 2, psNative = 3, psOffice11 = 4 };
// The sides on which a header cell touches another (the bit layout of TcxBorders).
using TcxHeaderNeighbours = TcxBorders;
// Answers true when it painted the background of the bounds itself.
using TcxDrawBackgroundEvent = std::function<bool(TcxCanvas* canvas, const TRect& bounds)>;

TcxLookAndFeelKind PaintStyleToLookAndFeelKind(TcxPaintStyle style);
// arUp/arDown for vertical bars, arLeft/arRight for horizontal ones.
TcxArrowDir ScrollArrowDirection(bool horizontal, TcxScrollPart part);

class TcxCustomLookAndFeelPainter;
using TcxLookAndFeelPainterClass = const TcxCustomLookAndFeelPainter*;

// What a header cell shows, shared by the header, section and footer operations.
struct TcxHeaderText {
    TRect TextBounds;
    TAlignment HorzAlign = taLeftJustify;
    TcxAlignmentVert VertAlign = vaCenter;
    bool MultiLine = false;
    bool ShowEndEllipsis = false;
    std::string Text;
    TFont* Font = nullptr;
    TColor TextColor = clBtnText;
    TColor BackgroundColor = clBtnFace;
};

class TcxCustomLookAndFeelPainter {
  public:
    virtual ~TcxCustomLookAndFeelPainter() = default;
    // The painter's class name, as the Parts name it ("TcxUltraFlatLookAndFeelPainter").
    virtual const char* ClassName() const { return "TcxCustomLookAndFeelPainter"; }

    // ---- background, header content, footer-cell bounds ----
    virtual void FillBackground(TcxCanvas* canvas, const TRect& r, bool transparent, TColor color,
                                TBitmap* bitmap) const;
    virtual void DrawDownTriangle(TcxCanvas* canvas, const TRect& r, TColor color) const;
    virtual void DrawHeaderContent(TcxCanvas* canvas, const TRect& bounds, TcxButtonState state,
                                   const TcxHeaderText& text, const TcxDrawBackgroundEvent& onBackground,
                                   bool solidFill) const;
    virtual TRect GetFooterCellContentBounds(const TRect& bounds) const;
    virtual TRect GetFooterCellTextBounds(const TRect& bounds) const;
    virtual TcxPaintStyle GetPaintStyle() const { return psStandard; }

    // ---- default colours ----
    virtual TColor DefaultContentColor() const { return clWindow; }
    virtual TColor DefaultContentEvenColor() const { return DefaultContentColor(); }
    virtual TColor DefaultContentOddColor() const { return DefaultContentColor(); }
    virtual TColor DefaultContentTextColor() const { return clWindowText; }
    virtual TColor DefaultFilterBoxColor() const { return clBtnShadow; }
    virtual TColor DefaultFilterBoxTextColor() const { return clBtnHighlight; }
    virtual TColor DefaultDetailFrameColor() const { return clBtnText; }
    virtual TColor DefaultFooterColor() const { return clBtnFace; }
    virtual TColor DefaultFooterTextColor() const { return clBtnText; }
    virtual TColor DefaultGridLineColor() const { return clBtnShadow; }
    virtual TColor DefaultGroupByBoxColor() const { return clBtnShadow; }
    virtual TColor DefaultGroupByBoxTextColor() const { return clBtnFace; }
    virtual TColor DefaultGroupColor() const { return clBtnFace; }
    virtual TColor DefaultGroupTextColor() const { return clBtnText; }
    virtual TColor DefaultBandBackgroundColor() const { return clBtnShadow; }
    virtual TColor DefaultBandBackgroundTextColor() const { return clBtnFace; }
    virtual TColor DefaultHeaderColor() const { return clBtnFace; }
    virtual TColor DefaultHeaderTextColor() const { return clBtnText; }
    virtual TColor DefaultInactiveColor() const { return clBtnFace; }
    virtual TColor DefaultInactiveTextColor() const { return clBtnText; }
    virtual TColor DefaultPreviewTextColor() const { return clBlue; }
    virtual TColor DefaultRowSeparatorColor() const { return DefaultGridLineColor(); }
    virtual TColor DefaultDateHeaderColor() const { return clBtnFace; }
    virtual TColor DefaultDateSelectionColor() const { return clHighlight; }
    virtual TColor DefaultDateSelectionTextColor() const { return clHighlightText; }
    virtual TColor DefaultFrameLineColor() const { return clRed; }
    virtual TColor DefaultSelectionColor() const { return clHighlight; }
    virtual TColor DefaultSelectionTextColor() const { return clHighlightText; }
    virtual TColor DefaultTabColor() const { return clBtnFace; }
    virtual TColor DefaultTabTextColor() const { return clBtnText; }
    virtual TColor DefaultTabsBackgroundColor() const { return clBtnFace; }

    // ---- arrows and buttons ----
    virtual void DrawTriangleArrow(TcxCanvas* canvas, const TRect& r, TcxArrowDir direction,
                                   TColor color) const;
    virtual void DrawScrollArrowButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                       TcxArrowDir direction, bool withBorder) const;
    virtual void DrawArrowButtonFace(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const;
    virtual void DrawButtonArrowGlyph(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                      TcxArrowDir direction) const;
    virtual int GetControlBorderWidth() const { return 0; }
    virtual void DrawControlBorder(TcxCanvas*, const TRect&) const {}
    virtual TRect FitGroupButtonRect(const TRect& bounds, int count, int index) const;
    virtual int GetButtonEdgeWidth(TcxButtonState) const { return 0; }
    virtual TColor GetButtonFaceColor(TcxButtonState) const { return clBtnFace; }
    virtual TRect GetButtonFocusBounds(TcxCanvas* canvas, const TRect& bounds) const;
    virtual TRect GetGroupButtonInsets(int count, int index) const;
    virtual int GetButtonContentOffset() const { return 0; }
    virtual int GetPressedButtonShift() const { return 0; }
    virtual TColor GetButtonGlyphColor(TcxButtonState state, TColor defaultColor = clDefault) const;
    virtual TcxButtonState GetButtonGlyphState(TcxButtonState state) const { return state; }
    virtual void DrawPushButton(TcxCanvas* canvas, const TRect& r, const std::string& caption,
                                TcxButtonState state, bool withBorder = true, TColor faceColor = clDefault,
                                TColor textColor = clDefault) const;
    virtual void DrawGroupButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state, int count,
                                 int index, TColor frameColor) const;
    virtual void DrawButtonEdges(TcxCanvas*, const TRect&, TcxButtonState) const {}
    virtual void DrawButtonGroupFrame(TcxCanvas*, const TRect&, bool /*strong*/, bool /*selected*/) const {}

    // ---- expand buttons ----
    virtual void DrawPlusMinusButton(TcxCanvas*, const TRect&, bool /*expanded*/,
                                     TColor /*faceColor*/) const {}
    virtual bool PaintExpandButtonBeforeRow() const { return true; }
    virtual void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                       TcxButtonState state) const;
    virtual void DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded, TColor frameColor,
                                          TColor faceColor) const;
    virtual int GetPlusMinusButtonSize() const { return 0; }
    virtual int GetGroupExpandButtonExtent() const { return 15; }
    virtual bool SupportsButtonHotTrack() const { return false; }
    virtual bool HitTestGroupExpandButton(const TRect& r, TPoint p) const { return PtInRect(r, p); }
    virtual int GetSmallPlusMinusButtonSize() const { return 9; }

    // ---- check boxes and radio buttons ----
    virtual int GetCheckEdgeWidth() const { return 2; }
    virtual TColor GetCheckFaceColor(TcxButtonState state) const;
    virtual TSize GetCheckBoxSize() const;
    virtual void DrawCheckGlyph(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked,
                                TColor color) const;
    virtual void DrawCheckBoxFrame(TcxCanvas*, const TRect&, TcxButtonState) const {}
    virtual void DrawCheckBox(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked) const;
    virtual void DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state, bool checked,
                                 bool focused, TColor backgroundColor, bool designing = false) const;
    virtual TSize GetRadioButtonExtent() const;

    // ---- headers and header-control sections ----
    virtual void DrawHeader(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                            TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                            const TcxDrawBackgroundEvent& onBackground = nullptr,
                            bool lastCell = false) const;
    virtual void DrawHeaderSimple(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                                  TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                                  const TcxDrawBackgroundEvent& onBackground = nullptr) const;
    virtual void DrawHeaderBorder(TcxCanvas*, const TRect&, TcxHeaderNeighbours, TcxBorders) const {}
    virtual void DrawHeaderPressed(TcxCanvas* canvas, const TRect& r) const { canvas->InvertRect(r); }
    virtual void DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                                   TcxBorders borders, TcxButtonState state, const TcxHeaderText& text) const;
    virtual void DrawHeaderSectionBorder(TcxCanvas*, const TRect&, TcxBorders, TcxButtonState) const {}
    virtual void DrawHeaderSectionContent(TcxCanvas* canvas, const TRect& bounds, TcxButtonState state,
                                          const TcxHeaderText& text) const;
    virtual void DrawHeaderSectionText(TcxCanvas* canvas, TcxButtonState state,
                                       const TcxHeaderText& text) const;
    virtual void DrawSortingMark(TcxCanvas*, const TRect&, bool /*ascending*/) const {}
    virtual TcxBorders GetHeaderBorders(TcxHeaderNeighbours) const { return cxBordersAll; }
    virtual int GetHeaderBorderWidth() const { return 0; }
    virtual TRect GetHeaderDrawBounds(const TRect& bounds, TcxHeaderNeighbours neighbours,
                                      TcxBorders borders) const;
    virtual TRect GetHeaderContentBounds(const TRect& bounds, TcxBorders borders) const;
    virtual bool PaintsHeaderItemsFirst() const { return true; }
    virtual int CalcHeaderHeight(int textHeight) const { return textHeight + 2 * GetHeaderBorderWidth() + 4; }
    virtual int GetHeaderSectionBorderWidth(TcxButtonState) const { return 1; }
    virtual TRect GetHeaderSectionTextBounds(const TRect& bounds, TcxButtonState state) const;
    virtual TRect GetHeaderSectionContentBounds(const TRect& bounds, TcxButtonState state) const;
    virtual int CalcHeaderSectionWidth(TcxCanvas* canvas, TcxBorders borders, const std::string& text,
                                       TFont* font) const;
    virtual bool SupportsHeaderHotTrack() const { return false; }
    virtual TPoint GetSortingMarkAreaSize() const { return {16, GetSortingMarkSize().Y}; }
    virtual TPoint GetSortingMarkSize() const { return {0, 0}; }
    virtual void DrawGroupByBoxBackground(TcxCanvas* canvas, const TRect& r, bool transparent, TColor color,
                                          TBitmap* bitmap) const {
        FillBackground(canvas, r, transparent, color, bitmap);
    }

    // ---- footers ----
    virtual TcxBorders GetFooterBorders() const { return cxBordersAll; }
    virtual int GetFooterBorderWidth() const { return 0; }
    virtual int GetFooterCellBorderWidth() const { return 0; }
    virtual int GetFooterCellOffset() const { return 0; }
    virtual bool PaintsFooterItemsFirst() const { return true; }
    virtual TColor GetFooterLineColor() const { return clBtnShadow; }
    virtual int GetFooterSeparatorWidth() const { return 1; }
    virtual void DrawFooterCell(TcxCanvas* canvas, const TRect& bounds, const TcxHeaderText& text,
                                const TcxDrawBackgroundEvent& onBackground = nullptr) const;
    virtual void DrawFooterBorder(TcxCanvas*, const TRect&) const {}
    virtual void DrawFooterCellBorder(TcxCanvas*, const TRect&) const {}
    virtual void DrawFooterBackground(TcxCanvas* canvas, const TRect& r,
                                      const TcxViewParamsRec& params) const;
    virtual void DrawFooterSeparator(TcxCanvas* canvas, const TRect& r) const {
        canvas->FillRectSolid(r, GetFooterLineColor());
    }

    // ---- filter panel, drop-down and close buttons ----
    virtual void DrawFilterActivateButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                          bool checked) const {
        DrawCheckBox(canvas, r, state, checked);
    }
    virtual void DrawSmallCloseButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const;
    virtual void DrawFilterDropDownButton(TcxCanvas*, const TRect&, TcxButtonState, bool /*active*/) const {}
    virtual void DrawFilterPanelBackground(TcxCanvas* canvas, const TRect& r, bool transparent, TColor color,
                                           TBitmap* bitmap) const {
        FillBackground(canvas, r, transparent, color, bitmap);
    }
    virtual TPoint GetFilterActivateButtonExtent() const { return {13, 13}; }
    virtual TPoint GetFilterCloseButtonExtent() const { return {16, 14}; }
    virtual TPoint GetFilterDropDownButtonExtent() const { return {15, 0}; }
    virtual int GetGridPopupBorderStyle() const { return 1; }

    // ---- tabs of the grid's detail site ----
    virtual void DrawDetailTab(TcxCanvas*, const TRect&, TcxBorders, const std::string& /*caption*/,
                               TcxButtonState, bool /*vertical*/, TFont*, TColor /*textColor*/,
                               TColor /*backgroundColor*/, bool /*showPrefix*/) const {}
    virtual void DrawTabEdge(TcxCanvas*, const TRect&, TcxBorder /*side*/, TcxBorders,
                             bool /*vertical*/) const {}
    virtual void DrawTabStripBase(TcxCanvas*, const TRect&, TcxBorders, bool /*vertical*/) const {}
    virtual bool TabPaintsOwnBackground(bool /*vertical*/) const { return false; }
    virtual bool IsTabHotTrack(bool /*vertical*/) const { return false; }
    virtual int GetTabEdgeWidth(bool /*vertical*/) const { return 0; }

    // ---- row indicator (kind 0 none, 1 arrow, 2 edit, 3 insert, 4 multi-dot, 5 multi-arrow, 6 filter) ----
    virtual void DrawIndicatorCustomizeMark(TcxCanvas* canvas, const TRect& r, TColor color) const;
    virtual void DrawIndicatorImage(TcxCanvas* canvas, const TRect& r, int kind) const;
    virtual void DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, int kind, TColor backgroundColor,
                                   const TcxDrawBackgroundEvent& onBackground = nullptr) const;
    virtual void DrawIndicatorItemSimple(TcxCanvas* canvas, const TRect& r, int kind, TColor backgroundColor,
                                         const TcxDrawBackgroundEvent& onBackground = nullptr) const;
    virtual bool PaintsIndicatorItemsFirst() const { return true; }

    // ---- scroll bars and size grip ----
    virtual void DrawScrollBarElement(TcxCanvas*, bool /*horizontal*/, const TRect&, TcxScrollPart,
                                      TcxButtonState) const {}
    virtual TSize GetScrollBarSize() const;
    virtual void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const;

    // ---- drawing nothing in the program calls ----
    virtual void DrawHeaderWithArrows(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                                      TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                                      int arrows) const;
    virtual void DrawPanelFrame(TcxCanvas* canvas, const TRect& r) const { DrawControlBorder(canvas, r); }
    virtual void DrawToolButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const {
        DrawPushButton(canvas, r, "", state, true);
    }
    virtual void DrawSplitter(TcxCanvas*, const TRect&, const TcxViewParamsRec&, bool /*horizontal*/) const {}

    // ---- skin hooks (reached only through a skin painter; none is registered) ----
    virtual TColor GetEditorBorderColor(bool /*highlighted*/) const { return clDefault; }
    virtual void DrawNavigatorGlyph(TcxCanvas* canvas, TCustomImageList* images, int index, const TRect& r,
                                    bool enabled) const;
    virtual TSize GetNavigatorGlyphSize() const { return {0, 0}; }
    virtual TColor GetProgressBarTextColor() const { return clDefault; }

    // ---- shared shapes ----
    // The corners of a filled arrow triangle: p[1] is the apex.
    static void ComputeArrowTriangle(const TRect& r, TPoint (&p)[3], TcxArrowDir direction, bool proportional,
                                     int size = 0);
    static void DrawExpandSign(TcxCanvas* canvas, const TRect& r, bool expanded, TColor color);
    void DrawGroupChevrons(TcxCanvas* canvas, const TRect& r, bool expanded, TcxButtonState state) const;
    void DrawSortTriangle(TcxCanvas* canvas, const TRect& r, TColor dark, TColor light, bool ascending) const;
    void DrawCloseCross(TcxCanvas* canvas, const TRect& r, TColor color, TcxButtonState glyphState) const;
    // which: 1 up, 2 down, 3 both.
    static void DrawHeaderArrowMarks(TcxCanvas* canvas, const TRect& r, int which, int distance,
                                     TColor color);

  protected:
    // The canvas text flags of a header's caption.
    static int HeaderTextFlags(const TcxHeaderText& text);
    static void FillTriangle(TcxCanvas* canvas, const TPoint (&p)[3], TColor color);
};

// The painter of each look-and-feel kind, and the native one.
TcxLookAndFeelPainterClass PainterForKind(TcxLookAndFeelKind kind);
TcxLookAndFeelPainterClass WinXPPainter();

// Registry of extended (skin) painters; empty in this program.
struct TcxExtendedStylePainterInfo {
    std::string Name;
    TcxLookAndFeelPainterClass Painter = nullptr;
};
class TcxExtendedStylePainters {
  public:
    int FindSkinIndex(const std::string& name, const TcxExtendedStylePainterInfo** item = nullptr) const;
    bool FindPainterClass(const std::string& name, TcxLookAndFeelPainterClass& painter) const;
    const TcxExtendedStylePainterInfo& GetInfo(int index) const { return items_.at(size_t(index)); }
    int GetCount() const { return static_cast<int>(items_.size()); }
    void Register(const std::string& name, TcxLookAndFeelPainterClass painter) {
        items_.push_back({name, painter});
    }

  private:
    std::vector<TcxExtendedStylePainterInfo> items_;
};
TcxExtendedStylePainters& ExtendedStylePaintersList();

} // namespace zorvy
