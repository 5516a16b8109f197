#pragma once
// The image editor's look: TcxImageViewData lays out a picture for an editor or a grid cell and
// measures it; TcxImageViewInfo paints it centred, proportionally stretched or scrolled, with the
// caption where there is no picture. Cells read their pictures through a cache of decoded values, so
// that scrolling a column of pictures decodes each value once.
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/editors/image/ImageEdit.h"

#include <memory>
#include <string>

namespace zorvy {

// r's top-left, with the largest size of the picture's proportions that fits r; an empty r or
// picture gives r.
TRect FitRectProportionally(const TRect& r, int pictureWidth, int pictureHeight);

class TcxImageViewInfo : public TcxCustomEditViewInfo {
    ZORVY_CLASS(TcxImageViewInfo, TcxCustomEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    // Only a caption over no picture changes with the editor's state.
    bool RedrawsOnContainerStateChange() const override;
    // Where the picture goes inside the client rectangle.
    TRect PictureRect() const;
    // The picture shown: the editor's own, or the cell's (shared with the cache).
    TPicture* GetPicture() const { return picture_; }
    void SetPicture(TPicture* picture) { picture_ = picture; }
    void SetCellPicture(std::shared_ptr<TPicture> picture) {
        cellPicture_ = std::move(picture);
        picture_ = cellPicture_.get();
    }
    std::string Caption;
    bool Center = true;
    bool ProportionalStretch = false;
    bool ShowFocusRect = false;
    // The value's bytes do not decode: the caption says so.
    bool Unreadable = false;
    TPoint TopLeft{};

  private:
    TPicture* picture_ = nullptr;
    std::shared_ptr<TPicture> cellPicture_;
};

class TcxImageViewData : public TcxCustomEditViewData {
    ZORVY_CLASS(TcxImageViewData, TcxCustomEditViewData)
  public:
    using TcxCustomEditViewData::TcxCustomEditViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    // A cell's value: its decoded picture (from the cache), or none; an unreadable one shows so.
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void MeasureContentSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                            TSize& size) override;
    // Grid item and record of the cell being filled, for OnGetGraphicClass.
    TObject* Item = nullptr;
    int RecordIndex = -1;
};

// The decoded picture of a value read with a graphic class and transparency, shared: the most
// recently used values are kept, so a cell painted again is not decoded again. Unreadable values
// give nullptr (and count as unreadable).
std::shared_ptr<TPicture> CachedPictureOfValue(const std::string& bytes, const TMetaClass* graphicClass,
                                               TcxImageTransparency transparency, bool* unreadable = nullptr);
// Empties the cache (the benchmark measures both ways).
void ClearPictureCache();
// The text a cell or editor shows for a stored picture that does not decode.
std::string UnreadablePictureText();

} // namespace zorvy
