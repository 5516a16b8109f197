#pragma once
// Image lists: images of one size kept with an alpha mask, drawn enabled (blended), disabled (grey)
// or with a selection tint; change links tell the controls that use a list when it changes.
#include "platform/classlib/Bitmap.h"
#include "platform/win/Handles.h"

#include <vector>

namespace zorvy {

class TCustomImageList;

class TChangeLink : public TObject {
    ZORVY_CLASS(TChangeLink, TObject)
  public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TCustomImageList* Sender = nullptr;
    TNotifyEvent OnChange;
    void Change();
};

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TCustomImageList : public TComponent {
    ZORVY_CLASS(TCustomImageList, TComponent)
  public:
    explicit TCustomImageList(TComponent* owner);
    TCustomImageList(TComponent* owner, int width, int height);
    ~TCustomImageList() override;
    void Assign(TPersistent* source) override;

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    // Changing the size empties the list.
    void SetWidth(int width);
    void SetHeight(int height);
    int GetCount() const { return static_cast<int>(images_.size()); }

    // Adds image (split into as many images as its width holds); mask: white = transparent.
    // Answers the index of the first image added, -1 for an empty image.
    int Add(TBitmap* image, TBitmap* mask);
    // As Add, transparent where the image has maskColor (clDefault: its bottom-left pixel).
    int AddMasked(TBitmap* image, TColor maskColor);
    // Images with per-pixel alpha (a 32-bit bitmap whose alpha bytes are premultiplied opacity).
    int AddAlpha(TBitmap* image);
    int AddIcon(TIcon* icon);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Clear();
    void Move(int from, int to);

    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled);
    // Copies image index (on BkColor, or clBtnFace when none) into bitmap; false for a bad index.
    bool GetBitmap(int index, TBitmap* bitmap);
    // The premultiplied 32-bit pixels of image index, top-down (alpha 0 = transparent);
    // nullptr for a bad index.
    const std::vector<std::uint32_t>* GetImagePixels(int index) const;

    TColor BkColor = clNone;
    TColor BlendColor = clNone;
    TDrawingStyle DrawingStyle = dsNormal;
    TImageType ImageType = itImage;
    bool Masked = true;
    TNotifyEvent OnChange;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);

  protected:
    virtual void Change();

  private:
    // Premultiplied 32-bit pixels, width_ x height_.
    using TImage = std::vector<std::uint32_t>;
    int AddImages(TBitmap* image, const std::function<std::uint8_t(int x, int y)>& alphaAt);
    TImage Tinted(const TImage& image, bool enabled, bool selected) const;

    int width_ = 16;
    int height_ = 16;
    std::vector<TImage> images_;
    std::vector<TChangeLink*> links_;
};

class TImageList : public TCustomImageList {
    ZORVY_CLASS(TImageList, TCustomImageList)
  public:
    using TCustomImageList::TCustomImageList;
};

// An image list that can show one of its images following the pointer as a translucent window.
class TDragImageList : public TCustomImageList {
    ZORVY_CLASS(TDragImageList, TCustomImageList)
  public:
    using TCustomImageList::TCustomImageList;
    ~TDragImageList() override;
    bool SetDragImage(int index, int hotSpotX, int hotSpotY);
    // Starts showing the drag image at a screen point.
    bool BeginDrag(int x, int y);
    bool DragMove(int x, int y);
    bool EndDrag();
    void ShowDragImage();
    void HideDragImage();
    bool Dragging() const { return window_ != 0; }

  private:
    int dragIndex_ = 0;
    TPoint hotSpot_{};
    HWND window_ = 0;
};

} // namespace zorvy
