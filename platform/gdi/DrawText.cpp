#include "platform/gdi/TextInternal.h"

#include <algorithm>
#include <utility>

namespace zorvy {

namespace {

constexpr std::string_view Ellipsis = "...";

bool IsChinese(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x2FFFF);
}

// Punctuation that must not start a line, and punctuation that must not end one.
bool IsClosing(char32_t c) {
    static constexpr std::u32string_view closing = U",.;:!?)]}、。，；：！？）】」』》〉";
    return closing.find(c) != std::u32string_view::npos;
}
bool IsOpening(char32_t c) {
    static constexpr std::u32string_view opening = U"([{（【「『《〈";
    return opening.find(c) != std::u32string_view::npos;
}

struct TPrefixed {
    std::string shown;
    int underline = -1; // byte offset in shown of the character to underline
};

TPrefixed StripPrefixes(std::string_view text, bool process) {
    TPrefixed out;
    if (!process) {
        out.shown = text;
        return out;
    }
    out.shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.shown += text[i];
            continue;
        }
        if (i + 1 >= text.size()) break; // a trailing ampersand shows nothing
        if (text[i + 1] != '&' && out.underline < 0) out.underline = int(out.shown.size());
        out.shown += text[++i];
    }
    return out;
}

struct TLine {
    size_t start; // in the shown text
    size_t end;
    std::string text; // what is drawn (the shown bytes, or an ellipsis form of them)
    int width = 0;
};

class TLayout {
  public:
    TLayout(TFontData& font, unsigned format, int tabStep)
        : font_(font), format_(format), tabStep_(tabStep) {}

    int Width(std::string_view s) const {
        if (!(format_ & DT_EXPANDTABS) || s.find('\t') == std::string_view::npos) return font_.Width(s);
        int x = 0;
        size_t begin = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size() && s[i] != '\t') continue;
            x += font_.Width(s.substr(begin, i - begin));
            if (i < s.size()) x = (x / tabStep_ + 1) * tabStep_;
            begin = i + 1;
        }
        return x;
    }

    // Breaks one paragraph [begin, end) of s into lines no wider than maxWidth where it can.
    void Wrap(const std::string& s, size_t begin, size_t end, int maxWidth, std::vector<TLine>& lines) const {
        if (begin == end) {
            lines.push_back({begin, end, {}, 0});
            return;
        }
        size_t pos = begin;
        while (pos < end) {
            size_t lineEnd = 0, next = 0;
            bool found = false;
            for (size_t b = NextBreak(s, pos, end); b <= end; b = NextBreak(s, b, end)) {
                size_t trimmed = TrimBlanks(s, pos, b);
                if (Width(std::string_view(s).substr(pos, trimmed - pos)) > maxWidth) break;
                lineEnd = trimmed;
                next = b;
                found = true;
                if (b == end) break;
            }
            if (!found || lineEnd == pos) {
                size_t b = NextBreak(s, pos, end);
                lineEnd = TrimBlanks(s, pos, b);
                next = b;
                if (format_ & DT_EDITCONTROL) {
                    // A word wider than the line is broken between characters (at least one per line).
                    size_t fit = pos + size_t(CharLength(s, pos));
                    for (size_t i = fit; i < lineEnd; i += size_t(CharLength(s, i))) {
                        size_t n = i + size_t(CharLength(s, i));
                        if (Width(std::string_view(s).substr(pos, n - pos)) > maxWidth) break;
                        fit = n;
                    }
                    if (fit < lineEnd) lineEnd = next = fit;
                }
                if (lineEnd == pos) lineEnd = next; // a line of blanks only
            }
            lines.push_back({pos, lineEnd, {}, 0});
            pos = next;
            while (pos < end && s[pos] == ' ')
                ++pos;
        }
    }

  private:
    // The next position after pos where a line may end: after blanks, around Chinese characters, or end.
    size_t NextBreak(const std::string& s, size_t pos, size_t end) const {
        if (pos >= end) return end + 1;
        size_t i = pos;
        char32_t prev = DecodeChar(s, i);
        i += size_t(CharLength(s, i));
        while (i < end) {
            char32_t c = DecodeChar(s, i);
            bool allowed = false;
            if (prev == U' ' || prev == U'\t')
                allowed = c != U' ' && c != U'\t';
            else if ((IsChinese(prev) || IsChinese(c)) && c != U' ')
                allowed = !IsClosing(c) && !IsOpening(prev);
            if (allowed) return i;
            prev = c;
            i += size_t(CharLength(s, i));
        }
        return end;
    }

    static size_t TrimBlanks(const std::string& s, size_t begin, size_t end) {
        while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t'))
            --end;
        return end;
    }

    TFontData& font_;
    unsigned format_;
    int tabStep_;
};

// The longest start of s (whole characters) that fits in maxWidth.
size_t FittingPrefix(const TLayout& layout, std::string_view s, int maxWidth) {
    size_t fit = 0;
    for (size_t i = 0; i < s.size();) {
        size_t n = i + size_t(CharLength(s, i));
        if (layout.Width(s.substr(0, n)) > maxWidth) break;
        fit = i = n;
    }
    return fit;
}

std::string EndEllipsis(const TLayout& layout, std::string_view s, int maxWidth) {
    int room = maxWidth - layout.Width(Ellipsis);
    return std::string(s.substr(0, FittingPrefix(layout, s, std::max(room, 0)))) + std::string(Ellipsis);
}

// Keeps the last path component whole and shortens what comes before it: "C:\dir\...\file".
std::string PathEllipsis(const TLayout& layout, std::string_view s, int maxWidth) {
    size_t slash = s.find_last_of("\\/");
    if (slash == std::string_view::npos) return EndEllipsis(layout, s, maxWidth);
    std::string tail = std::string(Ellipsis) + std::string(s.substr(slash));
    int room = maxWidth - layout.Width(tail);
    if (room < 0) return EndEllipsis(layout, tail, maxWidth);
    return std::string(s.substr(0, FittingPrefix(layout, s.substr(0, slash), room))) + tail;
}

} // namespace

int DrawTextEx(HDC dc, std::string_view text, TRect& r, unsigned format, DRAWTEXTPARAMS* params) {
    if (!dc) return 0;
    TFontData& font = FontOf(*dc);
    const TEXTMETRIC& tm = font.metrics;
    int tabLength = params ? params->iTabLength : 8;
    if (format & DT_TABSTOP) {
        tabLength = int((format >> 8) & 0xFF);
        format &= ~0xFF00u;
    }
    int tabStep = std::max(1, std::max(tabLength, 1) * tm.tmAveCharWidth);
    int leftMargin = params ? params->iLeftMargin : 0, rightMargin = params ? params->iRightMargin : 0;
    TRect box{r.Left + leftMargin, r.Top, r.Right - rightMargin, r.Bottom};
    int maxWidth = std::max(box.Width(), 0);

    TPrefixed prefixed = StripPrefixes(text, !(format & DT_NOPREFIX));
    const std::string& shown = prefixed.shown;
    if (shown.empty()) {
        // Nothing to show takes no room: callers that want a line's height measure a blank.
        if (format & DT_CALCRECT) {
            r.Right = r.Left;
            r.Bottom = r.Top;
        }
        if (params) params->uiLengthDrawn = int(text.size());
        return 0;
    }
    TLayout layout(font, format, tabStep);

    std::vector<TLine> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back({0, shown.size(), {}, 0});
    } else {
        size_t begin = 0;
        for (size_t i = 0; i <= shown.size(); ++i) {
            if (i < shown.size() && shown[i] != '\r' && shown[i] != '\n') continue;
            if (format & DT_WORDBREAK)
                layout.Wrap(shown, begin, i, maxWidth, lines);
            else
                lines.push_back({begin, i, {}, 0});
            if (i + 1 < shown.size() && shown[i] == '\r' && shown[i + 1] == '\n') ++i;
            begin = i + 1;
        }
    }
    bool ellipsis = format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    for (TLine& line : lines) {
        std::string_view part = std::string_view(shown).substr(line.start, line.end - line.start);
        line.text = part;
        line.width = layout.Width(part);
        if (ellipsis && line.width > maxWidth) {
            line.text = (format & DT_PATH_ELLIPSIS) ? PathEllipsis(layout, part, maxWidth)
                                                    : EndEllipsis(layout, part, maxWidth);
            line.width = layout.Width(line.text);
        }
    }

    int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    int total = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TLine& line : lines)
            widest = std::max(widest, line.width);
        r.Right = r.Left + leftMargin + widest + rightMargin;
        r.Bottom = r.Top + total;
        if (params) params->uiLengthDrawn = int(text.size());
        return total;
    }

    int top = box.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM)
            top = box.Bottom - lineHeight;
        else if (format & DT_VCENTER)
            top = (box.Top + box.Bottom - lineHeight) / 2;
    }
    TRect clip = dc->ToSurface(box);
    const TRect* clipping = (format & DT_NOCLIP) ? nullptr : &clip;
    TPoint origin = dc->ToSurface(TPoint{0, 0});
    int savedExtra = std::exchange(dc->state.justifyExtra, 0),
        savedBreaks = std::exchange(dc->state.justifyBreaks, 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLine& line = lines[i];
        int y = top + int(i) * lineHeight;
        // An edit control shows no partly visible line below the first.
        if ((format & DT_EDITCONTROL) && i > 0 && y + lineHeight > box.Bottom) break;
        int x = box.Left;
        if (format & DT_CENTER)
            x = box.Left + (box.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            x = box.Right - line.width;
        double sx = x + origin.X, sy = y + origin.Y;
        if (!(format & DT_PREFIXONLY)) {
            if ((format & DT_EXPANDTABS) && line.text.find('\t') != std::string::npos) {
                int tabs[1] = {tabStep};
                int mode = dc->state.bkMode;
                if (mode == OPAQUE) FillRunBackground(*dc, sx, sy, line.width, clipping);
                dc->state.bkMode = TRANSPARENT;
                size_t begin = 0;
                int pos = 0;
                for (size_t k = 0; k <= line.text.size(); ++k) {
                    if (k < line.text.size() && line.text[k] != '\t') continue;
                    std::string_view piece = std::string_view(line.text).substr(begin, k - begin);
                    DrawRun(*dc, sx + pos, sy, piece, clipping);
                    pos += font.Width(piece);
                    if (k < line.text.size()) pos = (pos / tabs[0] + 1) * tabs[0];
                    begin = k + 1;
                }
                dc->state.bkMode = mode;
            } else {
                if (dc->state.bkMode == OPAQUE) FillRunBackground(*dc, sx, sy, line.width, clipping);
                DrawRun(*dc, sx, sy, line.text, clipping);
            }
            if (dc->state.font && dc->state.font->logFont.lfUnderline)
                FillRunRect(*dc, sx, sy,
                            {0, tm.tmAscent + font.underlineTop, line.width,
                             tm.tmAscent + font.underlineTop + font.underlineThickness},
                            clipping);
        }
        int u = prefixed.underline;
        if (u >= int(line.start) && u < int(line.end) && !(format & DT_HIDEPREFIX)) {
            size_t offset = size_t(u) - line.start;
            if (offset < line.text.size() &&
                line.text.compare(0, offset + 1, shown, line.start, offset + 1) == 0) {
                int left = layout.Width(std::string_view(line.text).substr(0, offset));
                int right = layout.Width(
                    std::string_view(line.text).substr(0, offset + size_t(CharLength(line.text, offset))));
                FillRunRect(*dc, sx, sy,
                            {left, tm.tmAscent + font.underlineTop, right,
                             tm.tmAscent + font.underlineTop + font.underlineThickness},
                            clipping);
            }
        }
    }
    dc->state.justifyExtra = savedExtra;
    dc->state.justifyBreaks = savedBreaks;
    if (params) params->uiLengthDrawn = int(text.size());
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) return top + total - r.Top;
    return total;
}

int DrawText(HDC dc, std::string_view text, TRect& r, unsigned format) {
    return DrawTextEx(dc, text, r, format, nullptr);
}

} // namespace zorvy
