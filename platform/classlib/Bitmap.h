#pragma once
// Pictures: TGraphic and its kinds TBitmap (32-bit pixels with a canvas, transparency by key colour,
// rows by ScanLine) and TIcon (per-pixel alpha), and TPicture, which holds any graphic and picks the
// kind from the file extension.
#include "platform/classlib/Canvas.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TGraphic : public TPersistent {
    ZORVY_CLASS(TGraphic, TPersistent)
  public:
    virtual bool Empty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // Draws the graphic stretched over r.
    virtual void Draw(TCanvas* canvas, const TRect& r) = 0;
    // EInvalidOperation (with the file name) when the file cannot be read or is not a picture.
    virtual void LoadFromFile(const std::string& path) = 0;
    virtual void SaveToFile(const std::string& path) = 0;

    bool GetTransparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    bool Modified = false;
    TNotifyEvent OnChange;

  protected:
    void Changed();
    bool transparent_ = false;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using enum TPixelFormat;
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap : public TGraphic {
    ZORVY_CLASS(TBitmap, TGraphic)
  public:
    TBitmap();
    ~TBitmap() override;
    void Assign(TPersistent* source) override;

    bool Empty() const override { return !handle_ || width_ == 0 || height_ == 0; }
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void SetWidth(int width) override { SetSize(width, height_); }
    void SetHeight(int height) override { SetSize(width_, height); }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    void Draw(TCanvas* canvas, const TRect& r) override;
    void LoadFromFile(const std::string& path) override;
    void SaveToFile(const std::string& path) override;

    TCanvas* GetCanvas();
    HBITMAP GetHandle();
    // Takes ownership of bitmap (the previous one is freed).
    void SetHandle(HBITMAP bitmap);
    // Gives up ownership: the caller deletes the answer.
    HBITMAP ReleaseHandle();

    TPixelFormat GetPixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    bool GetMonochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool value) { SetPixelFormat(value ? pf1bit : pfDevice); }
    // The key colour of transparent drawing: the fixed colour, or (tmAuto) the bottom-left pixel.
    TColor GetTransparentColor();
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode = tmAuto;
    // A row of 32-bit pixels (byte 0 blue, 1 green, 2 red, 3 alpha), top row 0. Answers nullptr
    // for a row outside the bitmap.
    std::uint32_t* ScanLine(int row);
    // Whether the alpha bytes carry per-pixel opacity (premultiplied) when drawn.
    bool AlphaFormat = false;

  private:
    class TBitmapCanvas;
    void FreeContext();
    HBITMAP handle_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    TPixelFormat pixelFormat_ = pfDevice;
    TColor transparentColor_ = clDefault;
    std::unique_ptr<TCanvas> canvas_;
};

class TIcon : public TGraphic {
    ZORVY_CLASS(TIcon, TGraphic)
  public:
    TIcon() = default;
    ~TIcon() override;
    void Assign(TPersistent* source) override;
    bool Empty() const override { return !image_; }
    int GetWidth() const override;
    int GetHeight() const override;
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void Draw(TCanvas* canvas, const TRect& r) override;
    void LoadFromFile(const std::string& path) override;
    void SaveToFile(const std::string& path) override;
    // The icon's pixels with premultiplied alpha (owned by the icon).
    HBITMAP GetImage() const { return image_; }
    void SetImage(HBITMAP image);

  private:
    HBITMAP image_ = nullptr;
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

class TPicture : public TPersistent {
    ZORVY_CLASS(TPicture, TPersistent)
  public:
    TPicture();
    ~TPicture() override;
    void Assign(TPersistent* source) override;

    TGraphic* GetGraphic() const { return graphic_.get(); }
    // Copies graphic (nullptr empties the picture).
    void SetGraphic(TGraphic* graphic);
    // The graphic as a bitmap; an empty bitmap replaces any other kind of graphic.
    TBitmap* GetBitmap();
    int GetWidth() const { return graphic_ ? graphic_->GetWidth() : 0; }
    int GetHeight() const { return graphic_ ? graphic_->GetHeight() : 0; }
    // The graphic kind comes from the extension; EInvalidOperation "Unknown picture file extension
    // (.%s)" for an extension no kind registered. A picture that fails to load keeps its old graphic.
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path);
    TNotifyEvent OnChange;

    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicFactory factory);
    // "All (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|..." for open-picture dialogs.
    static std::string GraphicFilter();

  private:
    void Changed(TObject*);
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace zorvy
