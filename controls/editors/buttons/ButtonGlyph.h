#pragma once
// The push button's picture: a strip of one to four sub-images (normal, disabled, pressed, a spare),
// turned lazily into per-state images kept in image lists that every button with glyphs of one size
// shares, and the placement and drawing of glyph and caption on the button face.
#include <memory>
#include <vector>

#include "controls/foundation/scrollbars/ScrollBarParts.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Lists.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"

namespace zorvy {

class TBitmap;
class TCanvas;

// An image list of one image size whose slots are reused: a released slot keeps its image until a
// button takes it again.
class TcxGlyphList : public TImageList {
  public:
    TcxGlyphList(int width, int height);
    // The lowest free slot, or a new one holding image; the slot is marked used.
    int AllocateIndex(TBitmap* image);
    // A slot holding image, transparent where it shows maskColor (clDefault: the image's own colour).
    int AddMaskedImage(TBitmap* image, TColor maskColor);
    void ReleaseIndex(int index);
    int GetUsedCount() const { return count_; }

  private:
    TBits used_;
    int count_ = 0;
};

// One glyph list per image size for the whole process; a list goes as soon as no slot of it is held.
class TcxGlyphCache {
  public:
    TcxGlyphList* GetList(int width, int height);
    void ReturnList(TcxGlyphList* list);
    bool IsEmpty() const { return lists_.empty(); }

  private:
    std::vector<std::unique_ptr<TcxGlyphList>> lists_;
};

// The process's cache: made by the first button glyph, freed with the last one once it is empty.
TcxGlyphCache* GlyphCache();

class TcxButtonGlyph {
  public:
    TcxButtonGlyph();
    virtual ~TcxButtonGlyph();
    TcxButtonGlyph(const TcxButtonGlyph&) = delete;
    TcxButtonGlyph& operator=(const TcxButtonGlyph&) = delete;

    TBitmap* GetGlyph() const { return bitmap_.get(); }
    // A copy of value (nil: no picture); a strip width that is a multiple of its height sets the
    // sub-image count (above 4 counts as one picture).
    void SetGlyph(TBitmap* value);
    int GetNumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TColor GetTransparentColor() const { return transparentColor_; }
    TcxGlyphList* GetGlyphList() const { return glyphList_; }

    // The slot of the state's prepared image, made on first use; -1 without a picture.
    virtual int GetImageIndex(TcxButtonState state);
    // The margins around the caption: 1 left and 2 right without a picture.
    virtual TRect GetTextOffsets(TButtonLayout layout) const;

    // Places glyph and caption in the client rectangle; margin and spacing -1 spread them evenly.
    void CalcLayout(TCanvas* canvas, const TRect& client, int shift, const std::string& caption, TButtonLayout layout,
                    int margin, int spacing, TPoint& glyphPos, TRect& textBounds, unsigned biDiFlags, bool wordWrap);
    void DrawGlyphImage(TCanvas* canvas, const TPoint& glyphPos, TcxButtonState state);
    void DrawCaption(TCanvas* canvas, const std::string& caption, const TRect& textBounds, TcxButtonState state,
                     unsigned biDiFlags, bool wordWrap);
    void Draw(TCanvas* canvas, const TRect& client, int shift, const std::string& caption, TButtonLayout layout,
              int margin, int spacing, TcxButtonState state, unsigned biDiFlags, bool wordWrap);
    // A button with a picture never wraps its caption.
    bool UsesWordWrap(bool wordWrap) const;
    void ReleaseImages();

    TNotifyEvent OnChange;

  private:
    void GlyphChanged(TObject* sender);
    bool HasPicture() const;

    std::unique_ptr<TBitmap> bitmap_;
    TcxGlyphList* glyphList_ = nullptr;
    int indexes_[4] = {-1, -1, -1, -1};
    TColor transparentColor_ = TColor(0x008080); // olive
    int numGlyphs_ = 1;
};

} // namespace zorvy
