#pragma once
// TcxPCImageList: the tab control's wrapper of its image list. It follows the list's changes and its
// destruction, and draws tab images: on a bitmap filled with the tab's body colour, or, for vertical tabs,
// through a copy turned a quarter.
#include "controls/foundation/classes/Classes.h"
#include "platform/classlib/ImageList.h"

#include <functional>
#include <memory>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomTabControl;

class TcxPCImageList {
  public:
    explicit TcxPCImageList(TcxCustomTabControl* control);
    ~TcxPCImageList();
    TcxPCImageList(const TcxPCImageList&) = delete;
    TcxPCImageList& operator=(const TcxPCImageList&) = delete;

    TCustomImageList* GetBaseImages() const { return baseImages_; }
    void SetBaseImages(TCustomImageList* list);
    int GetImageRotation() const { return imageRotation_; }
    // Rebuilds the turned copies even when the value is the same.
    void SetImageRotation(int value);
    // (0, 0) without a list of a real size.
    void GetImageSize(TSize& size) const;
    void GetRotatedImageSize(TSize& size) const;
    void Draw(TcxCanvas* canvas, int x, bool enabled, TColor backgroundColor, int imageIndex, int y);
    void Changed();

    TNotifyEvent OnChange;
    std::function<void(TBitmap* bitmap)> OnPrepareBitmap;

  private:
    void RebuildRotatedImages();
    void DrawRotatedImage(int imageIndex, bool enabled, TColor backgroundColor);
    void PrepareBitmap(TBitmap* bitmap) {
        if (OnPrepareBitmap) OnPrepareBitmap(bitmap);
    }

    std::unique_ptr<TChangeLink> changeLink_;
    TCustomImageList* baseImages_ = nullptr; // not owned
    std::unique_ptr<TcxFreeNotificator> watcher_;
    int imageRotation_ = 0;
    TcxCustomTabControl* control_;
    std::vector<std::unique_ptr<TBitmap>> rotatedImages_;
};

} // namespace zorvy
