// The content of one tab: where its image and caption go across and along the row (centred together, or
// with rotated tabs the image at the start), and how they are drawn: images through the image list
// wrapper, captions through a bitmap, vertical ones through the tab's cached turned bitmap.
#include "controls/pages/PCPainter.h"

#include "controls/pages/TabControl.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr unsigned kCaptionFormat = DT_SINGLELINE | DT_END_ELLIPSIS;

int CaptionWidth(TcxCanvas* canvas, const std::string& text) {
    TRect r = Rect(0, 0, 0, 0);
    DrawText(canvas->DeviceContext(), text, r, DT_SINGLELINE | DT_CALCRECT);
    return r.Width();
}

// The caption cut at a character boundary and ended with "..." so that it fits width (unchanged when
// it fits already); the answer's width goes to shortenedWidth.
std::string ShortenCaption(TcxCanvas* canvas, const std::string& text, int width, int& shortenedWidth) {
    shortenedWidth = CaptionWidth(canvas, text);
    if (shortenedWidth <= width) return text;
    std::vector<size_t> ends; // byte offsets of character boundaries after the first character
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0) n = 4; else if (c >= 0xE0) n = 3; else if (c >= 0xC0) n = 2;
        i = std::min(text.size(), i + n);
        ends.push_back(i);
    }
    std::string best = "...";
    shortenedWidth = CaptionWidth(canvas, best);
    // Widths grow with the prefix, so the longest fitting prefix is found by bisection.
    int low = 0, high = static_cast<int>(ends.size()) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const std::string candidate = text.substr(0, ends[static_cast<size_t>(middle)]) + "...";
        const int w = CaptionWidth(canvas, candidate);
        if (w <= width) {
            best = candidate;
            shortenedWidth = w;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

// Places [start, start + extent) of the across margins inside B, centred (halves truncate toward zero).
void PlaceAcross(TRect& target, const TRect& b, const TRect& indents, int extent, int rotation) {
    switch (rotation) {
        case 0:
            target.Top = b.Top + indents.Top;
            target.Bottom = b.Bottom - indents.Bottom;
            target.Top += (target.Bottom - target.Top - extent) / 2;
            target.Bottom = target.Top + extent;
            break;
        case 1:
            target.Left = b.Left + indents.Top;
            target.Right = b.Right - indents.Bottom;
            target.Left += (target.Right - target.Left - extent) / 2;
            target.Right = target.Left + extent;
            break;
        default:
            target.Left = b.Left + indents.Bottom;
            target.Right = b.Right - indents.Top;
            target.Right -= (target.Right - target.Left - extent) / 2;
            target.Left = target.Right - extent;
            break;
    }
}

// Sets the along-text extent of target to [from, to) counted from the start edge of b.
void PlaceAlong(TRect& target, const TRect& b, int from, int to, int rotation) {
    switch (rotation) {
        case 0:
            target.Left = b.Left + from;
            target.Right = b.Left + to;
            break;
        case 1:
            target.Bottom = b.Bottom - from;
            target.Top = b.Bottom - to;
            break;
        default:
            target.Top = b.Top + from;
            target.Bottom = b.Top + to;
            break;
    }
}

} // namespace

void TcxPCCustomPainter::CalculateTabContentRects(int visibleIndex) {
    TcxCustomTabControl* control = ownerControl_;
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    TcxPCPainterClass meta = GetPainterClass();
    TcxCanvas* canvas = controlInfo_->Canvas();
    TRect imageRect{}, textRect{};
    const bool hasImage = TabHasImage(visibleIndex);
    const bool hasCaption = !tab->GetCaption().empty();
    const bool native = IsNativePainting();
    const bool vertical = IsVerticalTextLayout(control);

    TRect b;
    tab->GetFullRect(b);
    if (native) b = vertical ? Rect(0, 0, b.Height(), b.Width()) : Rect(0, 0, b.Width(), b.Height());
    const int r = GetEffectiveTextRotation(control);
    const bool pressing = meta->AllowsTabPressing();
    const bool active = IsTabActive(visibleIndex);
    const int position = tab->GetPaintingPosition();
    const bool rotate = control->GetRotate();

    auto adjustAcross = [&](TRect& indents) {
        if (pressing) {
            if ((r != 2 && active) || (r == 2 && !active)) {
                indents.Top += 1;
                indents.Bottom -= 1;
            }
        } else if (rotate) {
            indents.Top = indents.Bottom = 0;
        }
        if (meta->IsTabStyle() && (position == 5 || position == 7 || position == 10))
            std::swap(indents.Top, indents.Bottom);
    };
    auto adjustAlong = [&](int& start, int& end) {
        if (native && (position == 2 || position == 9 || position == 12)) std::swap(start, end);
        if (pressing && active) {
            if (r == 1) {
                start -= 1;
                end += 1;
            } else {
                start += 1;
                end -= 1;
            }
        }
    };

    if (hasImage) {
        TRect indents;
        GetImageIndents(visibleIndex, indents);
        adjustAcross(indents);
        TSize s;
        GetRotatedImageSize(s);
        PlaceAcross(imageRect, b, indents, r == 0 ? s.cy : s.cx, r);
    }
    if (hasCaption) {
        TRect indents;
        GetTextIndents(visibleIndex, indents);
        adjustAcross(indents);
        PlaceAcross(textRect, b, indents, canvas->MeasureTextHeight("Zg"), r);
    }

    TSize imageSize;
    GetImageSize(imageSize);
    if (hasImage && !hasCaption) {
        int m0 = 0, m1 = 0;
        GetImageOnlyIndents(visibleIndex, m0, m1);
        adjustAlong(m0, m1);
        const TSize s = imageSize;
        if (r == 0) {
            imageRect.Left = b.Left + m0;
            imageRect.Right = b.Right - m1;
            imageRect.Left += (imageRect.Right - imageRect.Left - s.cx) / 2;
            imageRect.Right = imageRect.Left + s.cx;
        } else if (r == 1) {
            imageRect.Bottom = b.Bottom - m0;
            imageRect.Top = b.Top + m1;
            if (pressing) {
                imageRect.Top += (imageRect.Bottom - imageRect.Top - s.cy) / 2;
                imageRect.Bottom = imageRect.Top + s.cy;
            } else {
                imageRect.Bottom -= (imageRect.Bottom - imageRect.Top - s.cy) / 2;
                imageRect.Top = imageRect.Bottom - s.cy;
            }
        } else {
            imageRect.Top = b.Top + m0;
            imageRect.Bottom = b.Bottom - m1;
            imageRect.Top += (imageRect.Bottom - imageRect.Top - s.cy) / 2;
            imageRect.Bottom = imageRect.Top + s.cy;
        }
        SetTabContentRects(visibleIndex, imageRect, textRect);
        return;
    }
    if (!hasCaption) {
        SetTabContentRects(visibleIndex, TRect{}, TRect{});
        return;
    }

    const int total = DrawsVerticalTextByBitmap(control) ? b.Height() : b.Width();
    int l = total;
    int m0 = 0, m1 = 0;
    const bool extraPressShift = pressing && HasImages() && GetTextRotation(control) == 1;
    GetTextMargins(visibleIndex, m0, m1);
    adjustAlong(m0, m1);
    if (extraPressShift) {
        m0 += 1;
        m1 -= 1;
    }
    l -= m0 + m1;
    const bool reservesImage = (HasImages() && rotate) || hasImage;
    const int imageBorder = control->GetImageBorder();
    const int imagePart =
        reservesImage ? GetImageTextDistance(visibleIndex) + 2 * imageBorder + imageSize.cx : 0;
    const bool notFits = CaptionWidth(canvas, tab->GetCaption()) > l - imagePart;
    if (notFits) {
        l += m0 + m1;
        GetTextFittingMargins(visibleIndex, m0, m1);
        adjustAlong(m0, m1);
        if (extraPressShift) {
            m0 += 1;
            m1 -= 1;
        }
        l -= m0 + m1;
    }
    int textWidth = 0;
    const std::string shortened = ShortenCaption(canvas, tab->GetCaption(), l - imagePart, textWidth);
    if (l - imagePart < textWidth || shortened == "&...") textWidth = 0;
    const int content = imagePart + textWidth;
    if (content <= 0) {
        SetTabContentRects(visibleIndex, TRect{}, TRect{});
        return;
    }
    int p = m0;
    if (!notFits && !(HasImages() && rotate)) p += (l - content) / 2;
    if (hasImage) PlaceAlong(imageRect, b, p + imageBorder, p + imageBorder + imageSize.cx, r);
    if (reservesImage) p += imagePart;
    if (!notFits && HasImages() && rotate) p += (total - p - m1 - textWidth) / 2;
    PlaceAlong(textRect, b, p, p + textWidth, r);
    if (!hasImage) imageRect = TRect{};
    SetTabContentRects(visibleIndex, imageRect, textRect);
}

void TcxPCCustomPainter::DrawCaption(int visibleIndex, TcxTab* tab, TBitmap* bitmap, const TRect& textRect,
                                     TColor bodyColor) {
    TcxCanvas* canvas = controlInfo_->Canvas();
    PrepareBitmapForCanvas(bitmap, canvas, {textRect.Width(), textRect.Height()}, bodyColor);
    PaintBitmapBackground(bitmap, TabContent.TextRect, TabContent.VisibleIndex);
    TRect r = Rect(0, 0, textRect.Width(), textRect.Height());
    TCanvas* target = bitmap->GetCanvas();
    target->GetBrush()->SetStyle(bsClear);
    HDC dc = target->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    if (!tab->IsEnabledNow()) {
        SetTextColor(dc, ColorToRGB(EmbossLightColor()));
        TRect shifted = Rect(1, 1, r.Right + 1, r.Bottom + 1);
        DrawText(dc, tab->GetCaption(), shifted, kCaptionFormat);
        SetTextColor(dc, ColorToRGB(EmbossShadowColor()));
    } else {
        SetTextColor(dc, ColorToRGB(canvas->CurrentFont()->GetColor()));
    }
    DrawText(dc, tab->GetCaption(), r, kCaptionFormat);
    (void)visibleIndex;
}

void TcxPCCustomPainter::PaintTabContent(int visibleIndex) {
    TcxCustomTabControl* control = ownerControl_;
    TcxCanvas* canvas = controlInfo_->Canvas();
    TcxTab* tab = controlInfo_->Tab(visibleIndex);
    TabContent.VisibleIndex = visibleIndex;
    PrepareTabFont(tab, canvas);
    CalculateTabContentRects(visibleIndex);
    const TColor bodyColor = GetTabBodyColor(visibleIndex);

    const int imageIndex = control->GetTabImageIndex(tab->GetIndex());
    if (imageIndex != -1 && !IsRectEmpty(TabContent.ImageRect))
        control->GetImageList()->Draw(canvas, TabContent.ImageRect.Left, tab->IsEnabledNow(), bodyColor, imageIndex,
                                      TabContent.ImageRect.Top);

    const TRect textRect = TabContent.TextRect;
    if (!tab->GetCaption().empty() && !IsRectEmpty(textRect)) {
        if (DrawsVerticalTextByBitmap(control)) {
            if (!tab->GetCaptionBitmap()) {
                auto bitmap = std::make_unique<TBitmap>();
                bitmap->SetPixelFormat(pf32bit);
                DrawCaption(visibleIndex, tab, bitmap.get(), Rect(0, 0, textRect.Height(), textRect.Width()),
                            bodyColor);
                TcxCanvas::RotateBitmap(bitmap.get(), GetTextRotation(control), false);
                tab->SetCaptionBitmap(std::move(bitmap));
            }
            canvas->DrawGraphicAt(textRect.Left, textRect.Top, tab->GetCaptionBitmap());
        } else {
            TBitmap bitmap;
            bitmap.SetPixelFormat(pf32bit);
            DrawCaption(visibleIndex, tab, &bitmap, textRect, bodyColor);
            canvas->DrawGraphicAt(textRect.Left, textRect.Top, &bitmap);
        }
    }
    ExcludeTabContentFromClip(visibleIndex);
}

} // namespace zorvy
