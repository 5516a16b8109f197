#include "platform/gdi/TextInternal.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace zorvy {

namespace {

constexpr const char* SansFamily = "DejaVu Sans";
constexpr const char* ChineseFamily = "Noto Sans CJK SC";
constexpr int DefaultEmPixels = 12;
// Enough for the distinct texts of a few screens of grid cells.
constexpr size_t ShapedCacheLimit = 16384;

struct TFaceMapping {
    const char* face;
    const char* family;
};

// Faces the program's forms and the class library name, and the installed families that stand in.
constexpr TFaceMapping FaceMappings[] = {
    {"", SansFamily},
    {"default", SansFamily},
    {"ms sans serif", SansFamily},
    {"microsoft sans serif", SansFamily},
    {"ms shell dlg", SansFamily},
    {"ms shell dlg 2", SansFamily},
    {"tahoma", SansFamily},
    {"arial", SansFamily},
    {"segoe ui", SansFamily},
    {"verdana", SansFamily},
    {"system", SansFamily},
    {"courier new", "DejaVu Sans Mono"},
    {"courier", "DejaVu Sans Mono"},
    {"fixedsys", "DejaVu Sans Mono"},
    {"terminal", "DejaVu Sans Mono"},
    {"lucida console", "DejaVu Sans Mono"},
    {"times new roman", "DejaVu Serif"},
    {"times", "DejaVu Serif"},
    {"宋体", ChineseFamily},
    {"新宋体", ChineseFamily},
    {"simsun", ChineseFamily},
    {"nsimsun", ChineseFamily},
    {"黑体", ChineseFamily},
    {"simhei", ChineseFamily},
    {"微软雅黑", ChineseFamily},
    {"microsoft yahei", ChineseFamily},
    {"楷体", "Noto Serif CJK SC"},
    {"楷体_gb2312", "Noto Serif CJK SC"},
    {"kaiti", "Noto Serif CJK SC"},
    {"仿宋", "Noto Serif CJK SC"},
    {"仿宋_gb2312", "Noto Serif CJK SC"},
    {"fangsong", "Noto Serif CJK SC"},
};

bool IsChineseFamily(const std::string& family) {
    return family.find("CJK") != std::string::npos;
}

int RoundPixels(int pangoUnits) {
    return int(std::lround(double(pangoUnits) / PANGO_SCALE));
}

} // namespace

PangoContext* SharedPangoContext() {
    static PangoContext* context = [] {
        PangoFontMap* map = pango_cairo_font_map_new();
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 96.0);
        PangoContext* c = pango_font_map_create_context(map);
        g_object_unref(map); // the context keeps the map
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(c, options);
        cairo_font_options_destroy(options);
        pango_context_set_language(c, pango_language_from_string("zh-cn"));
        pango_context_set_round_glyph_positions(c, TRUE);
        return c;
    }();
    return context;
}

std::string MapFaceName(const std::string& faceName) {
    std::string family = faceName;
    for (const TFaceMapping& m : FaceMappings)
        if (strcasecmp(m.face, faceName.c_str()) == 0) family = m.family;
    // Chinese text in a Latin face falls back to the Chinese family, Latin text in a face that is not
    // installed to the default sans family.
    std::string list = family;
    if (family != SansFamily) list += std::string(",") + SansFamily;
    if (!IsChineseFamily(family)) list += std::string(",") + ChineseFamily;
    return list;
}

TFontData::TFontData(const LOGFONT& font) {
    std::string families = MapFaceName(font.lfFaceName);
    family = families.substr(0, families.find(','));
    // Line metrics come from a Latin family: the Chinese families carry a tall line gap that would
    // make every row of the program looser than its layout expects.
    std::string metricsFamily = IsChineseFamily(family) ? std::string(SansFamily) : family;
    PangoContext* context = SharedPangoContext();

    auto makeDescription = [&](const std::string& list, double em) {
        PangoFontDescription* d = pango_font_description_new();
        pango_font_description_set_family(d, list.c_str());
        pango_font_description_set_absolute_size(d, em * PANGO_SCALE);
        int weight = font.lfWeight <= 0 ? FW_NORMAL : std::clamp(font.lfWeight, 100, 1000);
        pango_font_description_set_weight(d, PangoWeight(weight));
        pango_font_description_set_style(d, font.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
        return d;
    };
    auto metricsAt = [&](double em) {
        PangoFontDescription* d = makeDescription(metricsFamily, em);
        PangoFontMetrics* m = pango_context_get_metrics(context, d, pango_language_from_string("en"));
        pango_font_description_free(d);
        return m;
    };

    double em = DefaultEmPixels;
    if (font.lfHeight < 0) em = -double(font.lfHeight);
    if (font.lfHeight > 0) {
        // A cell height: find the character height whose ascent and descent add up to it.
        PangoFontMetrics* m = metricsAt(100);
        double cell =
            double(pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m)) / PANGO_SCALE;
        pango_font_metrics_unref(m);
        em = std::max(1.0, std::round(font.lfHeight * 100.0 / std::max(cell, 1.0)));
    }
    em = std::min(em, 2000.0);
    description = makeDescription(families, em);

    PangoFontMetrics* m = metricsAt(em);
    metrics.tmAscent = (pango_font_metrics_get_ascent(m) + PANGO_SCALE - 1) / PANGO_SCALE;
    metrics.tmDescent = (pango_font_metrics_get_descent(m) + PANGO_SCALE - 1) / PANGO_SCALE;
    metrics.tmHeight = metrics.tmAscent + metrics.tmDescent;
    metrics.tmInternalLeading = std::max(0, metrics.tmHeight - int(std::lround(em)));
    metrics.tmExternalLeading = 0;
    metrics.tmAveCharWidth = std::max(1, RoundPixels(pango_font_metrics_get_approximate_char_width(m)));
    underlineTop = std::max(1, RoundPixels(-pango_font_metrics_get_underline_position(m)));
    underlineThickness = std::max(1, RoundPixels(pango_font_metrics_get_underline_thickness(m)));
    strikeThickness = std::max(1, RoundPixels(pango_font_metrics_get_strikethrough_thickness(m)));
    strikeTop = std::max(1, RoundPixels(pango_font_metrics_get_strikethrough_position(m)));
    pango_font_metrics_unref(m);
    underlineTop = std::min(underlineTop, std::max(0, metrics.tmDescent - underlineThickness));

    metrics.tmWeight = font.lfWeight <= 0 ? FW_NORMAL : font.lfWeight;
    metrics.tmItalic = font.lfItalic ? 1 : 0;
    metrics.tmUnderlined = font.lfUnderline ? 1 : 0;
    metrics.tmStruckOut = font.lfStrikeOut ? 1 : 0;
    metrics.tmBreakChar = U' ';
    metrics.tmCharSet = font.lfCharSet;
    metrics.tmPitchAndFamily = TMPF_VECTOR | TMPF_TRUETYPE;
    if (family.find("Mono") == std::string::npos)
        metrics.tmPitchAndFamily |= TMPF_FIXED_PITCH; // set = variable
    metrics.tmMaxCharWidth = std::max({Width("W"), Width("M"), Width("国")});
    angle = font.lfEscapement / 10.0;
    antialiased = font.lfQuality != NONANTIALIASED_QUALITY;
}

TFontData::~TFontData() {
    if (layout_) g_object_unref(layout_);
    for (PangoFont* font : fonts_)
        g_object_unref(font);
    if (description) pango_font_description_free(description);
}

PangoLayout* TFontData::Layout(std::string_view text) {
    if (!layout_) {
        layout_ = pango_layout_new(SharedPangoContext());
        pango_layout_set_font_description(layout_, description);
        pango_layout_set_single_paragraph_mode(layout_, TRUE);
        pango_layout_set_auto_dir(layout_, FALSE);
    }
    const gchar* end = nullptr;
    bool plain = std::none_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x20; });
    if (plain && g_utf8_validate(text.data(), gssize(text.size()), &end)) {
        pango_layout_set_text(layout_, text.data(), int(text.size()));
    } else {
        std::string clean(text);
        for (size_t i = 0; i < clean.size();) {
            int n = CharLength(clean, i);
            // Control characters (tabs, line breaks) take the room of a blank; bad bytes show as "?".
            if (n == 1 && uint8_t(clean[i]) < 0x20) clean[i] = ' ';
            if (n == 1 && uint8_t(clean[i]) >= 0x80) clean[i] = '?';
            i += size_t(n);
        }
        pango_layout_set_text(layout_, clean.data(), int(clean.size()));
    }
    return layout_;
}

const TShapedText& TFontData::Shaped(std::string_view text) {
    if (lastText_ && *lastText_ == text) return *lastShaped_;
    auto it = shaped_.find(text);
    if (it == shaped_.end()) it = Shape(text);
    lastText_ = &it->first;
    lastShaped_ = &it->second;
    return it->second;
}

TFontData::TShapedTexts::iterator TFontData::Shape(std::string_view text) {
    if (shaped_.size() >= ShapedCacheLimit) {
        shaped_.clear();
        lastText_ = nullptr;
    }
    TShapedText shaped;
    PangoLayout* layout = Layout(text);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    shaped.width = PANGO_PIXELS(logical.x + logical.width);
    // The runs where the layout's renderer puts them: the line at its logical left and baseline, each
    // run after the ones before it.
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    PangoRectangle line;
    pango_layout_iter_get_line_extents(iter, nullptr, &line);
    shaped.baseline = pango_layout_iter_get_baseline(iter);
    pango_layout_iter_free(iter);
    int x = line.x;
    for (GSList* l = pango_layout_get_line_readonly(layout, 0)->runs; l; l = l->next) {
        auto* run = static_cast<PangoGlyphItem*>(l->data);
        PangoFont* font = run->item->analysis.font;
        if (std::find(fonts_.begin(), fonts_.end(), font) == fonts_.end())
            fonts_.push_back(PANGO_FONT(g_object_ref(font)));
        x += run->start_x_offset;
        shaped.runs.push_back({font, int(shaped.glyphs.size()), run->glyphs->num_glyphs});
        for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
            PangoGlyphInfo glyph = run->glyphs->glyphs[i];
            glyph.geometry.x_offset += x;
            glyph.geometry.y_offset += shaped.baseline - run->y_offset;
            shaped.glyphs.push_back(glyph);
        }
        x += pango_glyph_string_get_width(run->glyphs) + run->end_x_offset;
    }
    return shaped_.emplace(std::string(text), std::move(shaped)).first;
}

int TFontData::Advance(char32_t c) {
    if (c >= 0x10000) return -1;
    if (advances_.empty()) advances_.assign(0x10000, 0);
    int16_t& known = advances_[c];
    if (known == 0) {
        // Latin letters, digits and signs, dashes and quotes, Chinese characters and their punctuation:
        // shaping a text of them only kerns or joins its characters, never widens one beyond a small
        // kerning.
        const bool simple = (c >= 0x20 && c < 0x7F) || (c >= 0x2010 && c <= 0x2027) || (c >= 0x3000 && c <= 0x303F) ||
                            (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF5E);
        int advance = -1;
        if (simple) {
            char bytes[4];
            const int n = g_unichar_to_utf8(gunichar(c), bytes);
            advance = std::min(Width(std::string_view(bytes, size_t(n))), 30000);
        }
        known = int16_t(advance + 2);
    }
    return known - 2;
}

void TFontData::Extents(std::string_view text, std::vector<int>& perByte) {
    perByte.assign(text.size(), 0);
    if (text.empty()) return;
    PangoLayoutIter* iter = pango_layout_get_iter(Layout(text));
    do {
        PangoRectangle logical;
        pango_layout_iter_get_cluster_extents(iter, nullptr, &logical);
        int start = pango_layout_iter_get_index(iter);
        int end = PANGO_PIXELS(logical.x + logical.width);
        for (size_t i = size_t(start); i < text.size(); ++i)
            perByte[i] = end;
    } while (pango_layout_iter_next_cluster(iter));
    pango_layout_iter_free(iter);
    // Clusters come in visual order; in left-to-right text every later byte lies further right.
    for (size_t i = 1; i < perByte.size(); ++i)
        perByte[i] = std::max(perByte[i], perByte[i - 1]);
    // Bytes inside a character carry the extent of its end.
    for (size_t i = 0; i < text.size();) {
        size_t n = size_t(CharLength(text, i));
        for (size_t k = i; k < i + n && k < text.size(); ++k)
            perByte[k] = perByte[std::min(i + n, text.size()) - 1];
        i += n;
    }
}

TFontObject::TFontObject(const LOGFONT& font) : TGdiObject(TGdiObjectKind::Font), logFont(font) {}

TFontObject::~TFontObject() = default;

namespace {

// Controls create the same few fonts over and over; their mapping and metrics are made once.
std::shared_ptr<TFontData> SharedFontData(const LOGFONT& lf) {
    static std::unordered_map<std::string, std::shared_ptr<TFontData>> cache;
    // The fields that change what is drawn, packed as bytes ahead of the face name.
    const int numbers[] = {lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfWeight,
                           lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfQuality};
    std::string key(reinterpret_cast<const char*>(numbers), sizeof numbers);
    key += lf.lfFaceName;
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    if (cache.size() >= 256) cache.clear(); // fonts still selected keep their own reference
    auto data = std::make_shared<TFontData>(lf);
    cache.emplace(std::move(key), data);
    return data;
}

} // namespace

TFontData& TFontObject::Data() {
    if (!data_) data_ = SharedFontData(logFont);
    return *data_;
}

TFontData& FontOf(TDeviceContext& dc) {
    TFontObject* font =
        dc.state.font ? dc.state.font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return font->Data();
}

int CharLength(std::string_view text, size_t i) {
    uint8_t c = uint8_t(text[i]);
    int n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + size_t(n) > text.size()) return 1;
    for (int k = 1; k < n; ++k)
        if ((uint8_t(text[i + size_t(k)]) & 0xC0) != 0x80) return 1;
    return n;
}

char32_t DecodeChar(std::string_view text, size_t i) {
    int n = CharLength(text, i);
    uint8_t c = uint8_t(text[i]);
    if (n == 1) return c < 0x80 ? c : U'?';
    char32_t v = c & (0xFF >> (n + 1));
    for (int k = 1; k < n; ++k)
        v = (v << 6) | (uint8_t(text[i + size_t(k)]) & 0x3F);
    return v;
}

} // namespace zorvy

// GCC names an AddressSanitizer build with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define ZORVY_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVY_ADDRESS_SANITIZER
#endif
#endif

#if defined(ZORVY_ADDRESS_SANITIZER)
// Fontconfig keeps its caches until the process ends and never frees them; the leak checker of the
// sanitizer builds is told so, while leaks of our own code are still reported. Weak, so that a program
// with suppressions of its own can replace the list.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
