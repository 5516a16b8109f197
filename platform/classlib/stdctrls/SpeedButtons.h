#pragma once
// TSpeedButton: a windowless push button that never takes the focus. Buttons of one parent that
// share a GroupIndex other than 0 stay down one at a time (AllowAllUp lets the last one come up
// again); Flat buttons show a border only under the pointer or while down.
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/stdctrls/ButtonPress.h"

#include <memory>

namespace zorvy {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
    ZORVY_CLASS(TSpeedButton, TGraphicControl)
  public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // Grouping: down setting is ignored while GroupIndex is 0; a grouped button that is the only one
    // down comes up only when AllowAllUp holds.
    int GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool GetDown() const { return down_; }
    void SetDown(bool value);
    bool GetAllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);

    // Appearance.
    bool GetFlat() const { return flat_; }
    void SetFlat(bool value);
    // The image beside the caption (copied); NumGlyphs images side by side: up, disabled, clicked, down.
    TBitmap* GetGlyph() { return glyph_.get(); }
    void SetGlyph(TBitmap* glyph);
    int GetNumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout GetLayout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // Pixels between glyph and caption.
    int GetSpacing() const { return spacing_; }
    void SetSpacing(int value);
    // Whether the pointer is over the button (a flat button then shows its border).
    bool MouseInControl() const { return mouseInControl_; }

    void Dispatch(TMessage& message) override;

  protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Puts up the other down buttons of the group.
    void UpdateExclusive();

  private:
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    bool mouseInControl_ = false;
    TButtonPress press_;
};

} // namespace zorvy
