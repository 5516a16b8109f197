// The painter sheets: every element each painter offers, in every state, one sheet per painter.
#include "PainterSheets.h"

#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/foundation/painters/WinXPPainter.h"

namespace zorvy::gallery {

namespace {

constexpr TcxButtonState States[5] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};

// A square of size centred in the cell.
TRect Centred(const TRect& cell, int w, int h) {
    return CenterRectOfSize(cell, w, h);
}

std::vector<TCellPainter>
PerState(const std::function<void(TcxCanvas*, const TRect&, TcxButtonState)>& draw) {
    std::vector<TCellPainter> cells;
    for (TcxButtonState s : States)
        cells.push_back([draw, s](TcxCanvas* c, const TRect& r) { draw(c, r, s); });
    return cells;
}

TcxHeaderText Caption(const std::string& text, const TRect& bounds, TAlignment align = taLeftJustify) {
    TcxHeaderText t;
    t.Text = text;
    t.TextBounds = bounds;
    InflateRect(t.TextBounds, -3, -1);
    t.HorzAlign = align;
    t.TextColor = clBtnText;
    t.BackgroundColor = clBtnFace;
    return t;
}

} // namespace

void DrawPainterSheet(TcxLookAndFeelPainterClass p, const std::string& title, const std::string& path) {
    TGallerySheet sheet(
        title, {"default 默认", "normal 正常", "hot 热点", "pressed 按下", "disabled 禁用", "extra 其他"},
        TGallerySheet::LabelWidth + 6 * TGallerySheet::CellWidth, 974);
    sheet.AddRow("按钮 Push button", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     p->DrawPushButton(c, r, "确定 OK", s);
                 }));
    for (bool checked : {false, true})
        sheet.AddRow(checked ? "复选框 Check (on)" : "复选框 Check (off)",
                     PerState([p, checked](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                         const TSize size = p->GetCheckBoxSize();
                         p->DrawCheckBox(c, Centred(r, size.cx, size.cy), s, checked);
                     }));
    for (int variant = 0; variant < 3; ++variant) {
        const bool checked = variant > 0, focused = variant == 2;
        auto cells = PerState([p, checked, focused](TcxCanvas* c, const TRect& r, TcxButtonState s) {
            const TSize size = p->GetRadioButtonExtent();
            const TRect at = Centred(r, size.cx, size.cy);
            p->DrawRadioButton(c, at.Left, at.Top, s, checked, focused, clDefault);
        });
        cells.push_back([p, checked, focused](TcxCanvas* c, const TRect& r) {
            const TSize size = p->GetRadioButtonExtent();
            const TRect at = Centred(r, size.cx, size.cy);
            p->DrawRadioButton(c, at.Left, at.Top, cxbsNormal, checked, focused, clYellow, true);
        });
        sheet.AddRow(variant == 0   ? "单选 Radio (off)"
                     : variant == 1 ? "单选 Radio (on)"
                                    : "单选 Radio (focused)",
                     cells);
    }
    sheet.AddRow("表头 Header", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     p->DrawHeader(c, r, 0, cxBordersAll, s, Caption("开奖号码", r));
                 }));
    sheet.AddRow("表头排序 Sorted header", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     p->DrawHeader(c, r, 0, cxBordersAll, s, Caption("期号", r));
                     const TPoint area = p->GetSortingMarkAreaSize();
                     p->DrawSortingMark(c, Rect(r.Right - area.X - 2, r.Top, r.Right - 2, r.Bottom),
                                        s != cxbsPressed);
                 }));
    {
        std::vector<TCellPainter> cells;
        for (int i = 0; i < 3; ++i)
            cells.push_back([p, i](TcxCanvas* c, const TRect& r) {
                // Three headers side by side: neighbours on the inner sides.
                const int w = r.Width() / 3;
                for (int k = 0; k < 3; ++k) {
                    const TRect h = Rect(r.Left + k * w, r.Top, r.Left + (k + 1) * w, r.Bottom);
                    TcxHeaderNeighbours n = 0;
                    if (k > 0) n |= cxBorder(bLeft);
                    if (k < 2) n |= cxBorder(bRight);
                    p->DrawHeader(c, h, n, p->GetHeaderBorders(n), k == i ? cxbsHot : cxbsNormal,
                                  Caption(std::to_string(k + 1), h, taCenter));
                }
            });
        sheet.AddRow("相邻表头 Headers", cells);
    }
    sheet.AddRow("表头分节 Section", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     p->DrawHeaderSection(c, r, 0, cxBordersAll, s, Caption("红球", r, taCenter));
                 }));
    sheet.AddRow("脚注 Footer",
                 {nullptr,
                  [p](TcxCanvas* c, const TRect& r) {
                      p->DrawFooterCell(c, r, Caption("合计 108", r, taRightJustify));
                  },
                  [p](TcxCanvas* c, const TRect& r) {
                      c->FillRectSolid(r, p->DefaultFooterColor());
                      p->DrawFooterBorder(c, r);
                  },
                  [p](TcxCanvas* c, const TRect& r) {
                      c->FillRectSolid(r, clWindow);
                      p->DrawFooterSeparator(c, Rect(r.Left, r.Top + r.Height() / 2, r.Right,
                                                     r.Top + r.Height() / 2 + p->GetFooterSeparatorWidth()));
                  }});
    const int bar = p->GetScrollBarSize().cx;
    for (const auto& row :
         {std::tuple{"滚动 上箭头 Up", false, spLineUp}, std::tuple{"滚动 右箭头 Right", true, spLineDown},
          std::tuple{"滚动滑块 Thumb", false, spThumb}, std::tuple{"滚动轨道 Track", false, spPageUp}}) {
        // Named copies: structured bindings cannot be captured by lambdas in every compiler we build with.
        const char* label = std::get<0>(row);
        const bool horizontal = std::get<1>(row);
        const auto part = std::get<2>(row);
        sheet.AddRow(label,
                     PerState([p, horizontal, part, bar](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                         const TRect at = part == spThumb || part == spPageUp ? Centred(r, bar, r.Height())
                                                                              : Centred(r, bar, bar);
                         p->DrawScrollBarElement(c, horizontal, at, part, s);
                     }));
    }
    sheet.AddRow("箭头按钮 Arrow button", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     const TRect at = Centred(r, 17, 17);
                     p->DrawArrowButtonFace(c, at, s);
                     p->DrawButtonArrowGlyph(c, at, s, arDown);
                 }));
    {
        std::vector<TCellPainter> cells;
        for (int i = 0; i < 4; ++i)
            cells.push_back([p, i](TcxCanvas* c, const TRect& r) {
                c->FillRectSolid(r, clWindow);
                const bool expanded = i % 2 == 1;
                if (i < 2) {
                    const int n = p->GetPlusMinusButtonSize();
                    c->PushDC();
                    p->DrawPlusMinusButton(c, Centred(r, n, n), expanded, clDefault);
                    c->PopDC();
                } else {
                    const int n = p->GetSmallPlusMinusButtonSize();
                    p->DrawSmallPlusMinusButton(c, Centred(r, n, n), expanded, clBtnShadow, clWindow);
                }
            });
        sheet.AddRow("展开 + − (small)", cells);
    }
    for (bool expanded : {false, true})
        sheet.AddRow(expanded ? "分组展开 Group (open)" : "分组展开 Group (closed)",
                     PerState([p, expanded](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                         const int n = p->GetGroupExpandButtonExtent();
                         p->DrawGroupExpandButton(c, Centred(r, n, n), expanded, s);
                     }));
    {
        auto cells = PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
            const TPoint e = p->GetFilterDropDownButtonExtent();
            p->DrawFilterDropDownButton(c, Centred(r, e.X, r.Height()), s, false);
        });
        cells.push_back([p](TcxCanvas* c, const TRect& r) {
            const TPoint e = p->GetFilterDropDownButtonExtent();
            p->DrawFilterDropDownButton(c, Centred(r, e.X, r.Height()), cxbsNormal, true);
        });
        sheet.AddRow("筛选下拉 Filter (active)", cells);
    }
    sheet.AddRow("关闭 Close button", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     const TPoint e = p->GetFilterCloseButtonExtent();
                     p->DrawSmallCloseButton(c, Centred(r, e.X, e.Y), s);
                 }));
    sheet.AddRow("工具按钮 Tool button", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     const TRect at = Centred(r, 22, 22);
                     c->FillRectSolid(at, clBtnFace);
                     p->DrawToolButton(c, at, s);
                     p->DrawTriangleArrow(c, ShiftRect(CenterRectOfSize(at, 9, 9), 0, 0), arRight, clBtnText);
                 }));
    sheet.AddRow("导航按钮 Group buttons", PerState([p](TcxCanvas* c, const TRect& r, TcxButtonState s) {
                     const int w = r.Width() / 3;
                     p->DrawButtonGroupFrame(c, r, false, s == cxbsHot);
                     for (int i = 0; i < 3; ++i)
                         p->DrawGroupButton(c, Rect(r.Left + i * w, r.Top, r.Left + (i + 1) * w, r.Bottom),
                                            i == 1 ? s : cxbsNormal, 3, i, clBtnShadow);
                 }));
    {
        std::vector<TCellPainter> cells;
        for (int kind = 1; kind <= 6; ++kind)
            cells.push_back([p, kind](TcxCanvas* c, const TRect& r) {
                p->DrawIndicatorItem(c, Centred(r, 14, r.Height()), kind, p->DefaultHeaderColor());
            });
        sheet.AddRow("指示器 Indicator 1-6", cells);
    }
    sheet.AddRow(
        "杂项 Misc",
        {[p](TcxCanvas* c, const TRect& r) { p->DrawSizeGrip(c, Centred(r, 16, 16), clBtnFace); },
         [p](TcxCanvas* c, const TRect& r) {
             c->FillRectSolid(r, clWindow);
             p->DrawControlBorder(c, r);
         },
         [p](TcxCanvas* c, const TRect& r) { p->DrawDownTriangle(c, Centred(r, 14, 14), clBtnText); },
         [p](TcxCanvas* c, const TRect& r) {
             for (int d = 0; d < 4; ++d)
                 p->DrawTriangleArrow(c, Bounds(r.Left + d * 20, r.Top + 4, 15, 15), TcxArrowDir(d),
                                      clBtnText);
         },
         [p](TcxCanvas* c, const TRect& r) {
             p->DrawIndicatorItem(c, Centred(r, 14, r.Height()), 0, p->DefaultHeaderColor());
             p->DrawIndicatorCustomizeMark(c, Centred(r, 14, r.Height()), clBtnText);
         },
         [p](TcxCanvas* c, const TRect& r) {
             c->FillRectSolid(r, clWindow);
             p->DrawPanelFrame(c, r);
         }});
    sheet.AddRow(
        "分隔 Splitter / tabs",
        {[p](TcxCanvas* c, const TRect& r) {
             TcxViewParamsRec params;
             params.Color = clBtnFace;
             p->DrawSplitter(c, Centred(r, r.Width(), 6), params, true);
         },
         [p](TcxCanvas* c, const TRect& r) {
             TcxViewParamsRec params;
             params.Color = clBtnFace;
             p->DrawSplitter(c, Centred(r, 6, r.Height()), params, false);
         },
         [p](TcxCanvas* c, const TRect& r) {
             c->FillRectSolid(r, clBtnFace);
             p->DrawTabStripBase(c, Rect(r.Left, r.Bottom - 4, r.Right, r.Bottom), cxBorder(bTop), false);
             const TRect tab = Rect(r.Left + 10, r.Top + 2, r.Left + 60, r.Bottom - 3);
             for (TcxBorder side : {bLeft, bTop, bRight}) {
                 const int w = std::max(p->GetTabEdgeWidth(false), 1);
                 TRect strip = side == bLeft  ? Rect(tab.Left, tab.Top, tab.Left + w, tab.Bottom)
                               : side == bTop ? Rect(tab.Left, tab.Top, tab.Right, tab.Top + w)
                                              : Rect(tab.Right - w, tab.Top, tab.Right, tab.Bottom);
                 p->DrawTabEdge(c, strip, side, cxBorder(bLeft) | cxBorder(bTop) | cxBorder(bRight), false);
             }
         },
         [p](TcxCanvas* c, const TRect& r) {
             c->FillRectSolid(r, clBtnFace);
             p->DrawDetailTab(c, r, cxBordersAll, "明细", cxbsNormal, false, nullptr, clBtnText, clBtnFace,
                              true);
         }});
    sheet.Save(path);
}

std::vector<TPainterSheet> PainterSheets() {
    return {
        {"Standard", TcxStandardLookAndFeelPainter::Instance()},
        {"Flat", TcxFlatLookAndFeelPainter::Instance()},
        {"UltraFlat", TcxUltraFlatLookAndFeelPainter::Instance()},
        {"Office11", TcxOffice11LookAndFeelPainter::Instance()},
        {"WinXP", TcxWinXPLookAndFeelPainter::Instance()},
    };
}

} // namespace zorvy::gallery
