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

// A text as the layout shapes it, kept so that measuring and drawing it again shapes nothing: the
// glyphs of each run with the font that draws them. Each glyph's offsets hold its run's place too
// (from the layout's origin, pango units), so that every run is drawn from the layout's origin and
// lands on the very positions the layout's own drawing gives it.
struct TShapedText {
    struct TRun {
        PangoFont* font;
        int first; // its glyphs in glyphs
        int count;
    };
    std::vector<TRun> runs;
    std::vector<PangoGlyphInfo> glyphs;
    int baseline = 0; // of the line, pango units from the layout's top
    int width = 0;    // pixels
};

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
    int Width(std::string_view text) { return text.empty() ? 0 : Shaped(text).width; }
    // Text shaped as one line; cached. Valid until the next call.
    const TShapedText& Shaped(std::string_view text);
    // The advance of one character drawn alone, -1 where that says too little of its width in a
    // text (see GetTextExtentBound); cached.
    int Advance(char32_t c);
    // For every byte, the width of the text up to the end of the character holding it.
    void Extents(std::string_view text, std::vector<int>& perByte);

    // A glyph's coverage as cairo composites it: the glyph drawn at a whole-pixel origin covers
    // Width x Height pixels from (Left, Top) off that origin. Not Plain for a glyph drawn otherwise (in
    // colour, or reaching past what was measured), which only cairo draws right.
    struct TGlyphMask {
        bool Plain = false;
        int Left = 0, Top = 0, Width = 0, Height = 0;
        std::vector<uint8_t> Coverage; // by rows
    };
    // The glyph of one of the fonts the shaped runs draw with; cached.
    const TGlyphMask& GlyphMask(PangoFont* font, PangoGlyph glyph);

  private:
    struct TTextHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    using TShapedTexts = std::unordered_map<std::string, TShapedText, TTextHash, std::equal_to<>>;
    // Shapes a text not in the cache yet and keeps it there.
    TShapedTexts::iterator Shape(std::string_view text);
    PangoLayout* layout_ = nullptr;
    TShapedTexts shaped_;
    // The text asked for last: one text is measured and drawn several times in a row.
    const std::string* lastText_ = nullptr;
    const TShapedText* lastShaped_ = nullptr;
    std::vector<PangoFont*> fonts_; // the fonts runs draw with, one reference each
    // By character (the basic plane only): the advance + 2, 1 when it tells too little, 0 when not yet
    // measured. Made on the first question.
    std::vector<int16_t> advances_;
    std::unordered_map<uint64_t, TGlyphMask> glyphMasks_; // by the font's place in fonts_ and the glyph
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
// Draws a run of an upright, smoothed font straight from the glyphs' cached coverage, with the pixels
// cairo would give it, onto the visible parts of area (surface coordinates, within the bitmap); false
// where only cairo draws it right (a monochrome bitmap, a glyph that is not plain coverage), and nothing
// is drawn then.
bool DrawRunFromMasks(TDeviceContext& dc, TFontData& font, const TShapedText& shaped, double x, double y,
                      const TRect& area);
// Whether DrawRun may take that way (on unless a test compares it with cairo's own drawing).
extern bool DrawRunsFromMasks;
// Fills the background cell of a run in the background colour (rotated with the font).
void FillRunBackground(TDeviceContext& dc, double x, double y, int width, const TRect* clip);
// A rectangle in run coordinates (relative to the cell's top-left, before rotation) filled in the
// text colour: underlines and strike-outs.
void FillRunRect(TDeviceContext& dc, double x, double y, const TRect& r, const TRect* clip);

} // namespace zorvy
