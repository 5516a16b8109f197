#pragma once
// The class library's drawing objects: TFont, TPen and TBrush. Each keeps its settings, creates its
// drawing-layer handle on demand, and tells OnChange after every change.
#include "platform/gdi/GdiObjects.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <string>

namespace zorvy {

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
using enum TPenMode;
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
using enum TBrushStyle;

class TBitmap;

// Shared base: change notification and the cached handle.
class TGraphicsObject : public TPersistent {
    ZORVY_CLASS(TGraphicsObject, TPersistent)
  public:
    TNotifyEvent OnChange;

  protected:
    void Changed();
    // After a change of settings: frees the cached handle (made again when next asked for) and tells
    // OnChange.
    template <typename Handle> void DropHandle(Handle& handle) {
        if (handle) {
            DeleteObject(handle);
            handle = nullptr;
        }
        Changed();
    }
};

class TFont : public TGraphicsObject {
    ZORVY_CLASS(TFont, TGraphicsObject)
  public:
    TFont();
    ~TFont() override;
    void Assign(TPersistent* source) override;

    const std::string& GetName() const { return log_.lfFaceName; }
    void SetName(const std::string& name);
    int GetHeight() const { return log_.lfHeight; }
    void SetHeight(int height);
    // Points at the font's PixelsPerInch (96).
    int GetSize() const;
    void SetSize(int points);
    TFontStyles GetStyle() const;
    void SetStyle(TFontStyles style);
    TColor GetColor() const { return color_; }
    void SetColor(TColor color);
    std::uint8_t GetCharset() const { return log_.lfCharSet; }
    void SetCharset(std::uint8_t charset);
    TFontPitch GetPitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int GetOrientation() const { return log_.lfEscapement; }
    void SetOrientation(int tenthsOfDegree);
    int PixelsPerInch = 96;

    // The drawing-layer font, created on first use; owned by this object.
    HFONT GetHandle();
    // Takes the settings of a logical-font record (the handle is not kept).
    void SetHandle(HFONT font);
    const LOGFONT& LogFont() const { return log_; }

  private:
    void Modify();
    LOGFONT log_;
    TColor color_ = clWindowText;
    TFontPitch pitch_ = fpDefault;
    HFONT handle_ = nullptr;
};

class TPen : public TGraphicsObject {
    ZORVY_CLASS(TPen, TGraphicsObject)
  public:
    TPen() = default;
    ~TPen() override;
    void Assign(TPersistent* source) override;

    TColor GetColor() const { return color_; }
    void SetColor(TColor color);
    int GetWidth() const { return width_; }
    void SetWidth(int width);
    TPenStyle GetStyle() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode GetMode() const { return mode_; }
    void SetMode(TPenMode mode);
    HPEN GetHandle();
    // The ROP2 code of the mode.
    int Rop2() const;

  private:
    void Modify();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    HPEN handle_ = nullptr;
};

class TBrush : public TGraphicsObject {
    ZORVY_CLASS(TBrush, TGraphicsObject)
  public:
    TBrush() = default;
    ~TBrush() override;
    void Assign(TPersistent* source) override;

    TColor GetColor() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle GetStyle() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A pattern bitmap (not owned); nullptr for a plain brush.
    TBitmap* GetBitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* bitmap);
    HBRUSH GetHandle();

  private:
    void Modify();
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
    HBRUSH handle_ = nullptr;
};

} // namespace zorvy
