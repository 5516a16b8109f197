#pragma once
// The check box's look, shared by the stand-alone check box and check-box cells of grids: the view
// data places the mark and the caption and works out the mark's state; the view info paints them and
// invalidates only the mark when its state changes. TcxCheckBoxStyle is the check box's style.
#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/text/TextEditViewInfo.h"

namespace zorvy {

class TcxCheckBoxStyle : public TcxEditStyle {
    ZORVY_CLASS(TcxCheckBoxStyle, TcxEditStyle)
  public:
    using TcxEditStyle::TcxEditStyle;
    static TcxContainerStyleClass Class();
    // The check box has no border of its own.
    bool HasBorderPart() const override { return false; }
};

class TcxCustomCheckBoxViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxCustomCheckBoxViewInfo, TcxCustomTextEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    void AssignFrom(TcxContainerViewInfo* source) override;
    TcxRegion* GetUpdateRegionAgainst(TcxContainerViewInfo* previous) override;
    void ShiftBy(int dx, int dy) override;
    // The mark tracks the mouse everywhere on the editor.
    bool HasHotButton() const override { return true; }
    bool IsPointOnButton(TPoint) const override { return HasHotButton(); }
    bool NeedsHint(TcxCanvas*, TPoint, std::string& hintText) override {
        hintText.clear();
        return false;
    }
    bool RepaintDifferencesInRect(TWinControl* control, const TRect& keep, TcxCustomEditViewInfo* previous) override;
    void PaintText(TcxCanvas* canvas) override;
    void PaintCheckBox(TcxCanvas* canvas);
    bool IsCaptionEnabled() const;

    TAlignment Alignment = taLeftJustify;
    int CheckFrameInsetWidth = 0;
    TcxEditBorderStyle CheckFrameStyle = TcxEditBorderStyle::ebsNone;
    TBitmap* Glyph = nullptr; // the properties' glyph, not owned
    int GlyphCount = 0;
    TRect CheckRect{};
    TcxEditCheckState CheckButtonState = ecsNormal;
    TRect FocusRect{};
    bool HasGlyph = false;
    bool TextColorAssigned = false;
    TcxCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
    TcxCheckBoxState CheckState = cbsUnchecked;
};

class TcxCustomCheckBoxViewData : public TcxCustomTextEditViewData {
    ZORVY_CLASS(TcxCustomCheckBoxViewData, TcxCustomTextEditViewData)
  public:
    using TcxCustomTextEditViewData::TcxCustomTextEditViewData;

    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits, TSize& overflow,
                             TcxCustomEditViewInfo* viewInfo, TSize& frame) override;
    TcxEditBorderStyle GetEffectiveBorderStyle() override { return TcxEditBorderStyle::ebsNone; }
    // A stand-alone box whose style has no border part has no border extent either, not even a
    // transparent one: the mark keeps its own 2-pixel margin and the whole box is painted.
    TRect GetBorderExtent() override;
    // Canvas text flags of the caption.
    virtual int GetCaptionTextFlags() const;
    void LayoutCheckAndCaption(TcxCustomCheckBoxViewInfo* vi, TSize checkSize);
    void CalcFocusRect(TcxCanvas* canvas, TcxCustomCheckBoxViewInfo* vi);

    // Set by the owner: the space key is held on the box, and the view shows every value checked.
    bool SpaceHeld = false;
    bool PreviewMode = false;

  private:
    TAlignment EffectiveAlignment(const std::string& caption) const;
    bool IsCheckGroupButton() const;
};

// The mark's frame while the editor is hot: one step raised.
TcxEditBorderStyle HotCheckFrameStyle(TcxEditBorderStyle style);

} // namespace zorvy
