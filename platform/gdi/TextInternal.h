#pragma once
// Fonts as pango sees them, and the one-line text runs that every text routine measures and draws
// (not part of the API).
#include "platform/gdi/DcInternal.h"
#include "platform/gdi/Text.h"

#include <pango/pango.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorvy {

struct TFontData {
    explicit TFontData(const LOGFONT& font);
    ~TFontData();
    TFontData(const TFontData&) = delete;
    TFontData& operator=(const TFontData&) = delete;

    PangoFontDescription* description = nullptr;
    std::string family; // the first family the face name maps to
    TEXTMETRIC metrics;
    int underlineTop = 0; // below the baseline
    int underlineThickness = 1;
    int strikeTop = 0; // above the baseline
    int strikeThickness = 1;
    double angle = 0; // degrees, counter-clockwise
    bool antialiased = true; // false for NONANTIALIASED_QUALITY: glyphs with hard edges

    // The shared layout holding text (invalid UTF-8 bytes shown as "?").
    PangoLayout* Layout(std::string_view text);
    // The advance width of text as one line; cached.
    int Width(std::string_view text);
    // For every byte, the width of the text up to the end of the character holding it.
    void Extents(std::string_view text, std::vector<int>& perByte);

  private:
    PangoLayout* layout_ = nullptr;
    std::unordered_map<std::string, int> widths_;
};

// The shared pango context of the program (96 DPI, Chinese as the default language).
PangoContext* SharedPangoContext();
// The family list a face name maps to, first the family itself.
std::string MapFaceName(const std::string& faceName);

TFontData& FontOf(TDeviceContext& dc);

// UTF-8 character stepping on possibly invalid text: the length of the character at i (1 for a bad byte).
int CharLength(std::string_view text, size_t i);
char32_t DecodeChar(std::string_view text, size_t i);

// Draws one run of text (tabs shown as blanks) whose unrotated cell has its top-left corner at the
// surface point; clip limits it further (surface coordinates). With a path open, the outlines are
// recorded instead. Answers the run's width.
int DrawRun(TDeviceContext& dc, double x, double y, std::string_view text, const TRect* clip);
// Fills the background cell of a run in the background colour (rotated with the font).
void FillRunBackground(TDeviceContext& dc, double x, double y, int width, const TRect* clip);
// A rectangle in run coordinates (relative to the cell's top-left, before rotation) filled in the
// text colour: underlines and strike-outs.
void FillRunRect(TDeviceContext& dc, double x, double y, const TRect& r, const TRect* clip);

} // namespace zorvy
