#pragma once
// The text of a text editor laid out and painted: for a grid cell, which has no inner edit, and for a
// stand-alone editor while its inner edit is hidden. The view data adds the text rectangle, the
// text-row flags and the display text to the editor's layout; the view info draws them.
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"

#include <string>

namespace zorvy {

class TcxCustomTextEditProperties;

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
    ZORVY_CLASS(TcxCustomTextEditViewInfo, TcxCustomEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    void ShiftBy(int dx, int dy) override;
    // A hint with the whole text when the point lies in area (the text rectangle when empty, else cut
    // to it) and the text does not fit there.
    bool NeedsHintInRect(TcxCanvas* canvas, TPoint p, const TRect& area, std::string& hintText) override;
    // The same with where the hint belongs (owner's coordinates; empty for none) and whether it wraps.
    bool NeedsHintInRect(TcxCanvas* canvas, TPoint p, const TRect& area, TRect& hintRect, bool& multiLine,
                         std::string& hintText);
    using TcxCustomEditViewInfo::NeedsHint;
    bool NeedsHint(TcxCanvas* canvas, TPoint p, TRect& hintRect, bool& multiLine, std::string& hintText) {
        return NeedsHintInRect(canvas, p, TRect{}, hintRect, multiLine, hintText);
    }
    // Set by NeedsHintInRect: where the hint belongs (owner's coordinates; empty for none) and whether it
    // wraps.
    TRect HintRect{};
    bool HintMultiLine = false;
    virtual void PaintText(TcxCanvas* canvas);
    // The y of the bottom of the first line of text.
    virtual int GetTextBottom() const;

    std::string Text;
    TRect TextRect{};
    int DrawTextFlags = 0; // text-row flags
    int InputStyle = 0;
    bool InnerEditShown = false;
    bool SelectionBar = false;
    int MaxLineCount = 0;
    int SelStart = 0;
    int SelLength = 0;
    TColor SelTextColor = clHighlightText;
    TColor SelBackgroundColor = clHighlight;
};

class TcxCustomTextEditViewData : public TcxCustomEditViewData {
    ZORVY_CLASS(TcxCustomTextEditViewData, TcxCustomEditViewData)
  public:
    using TcxCustomEditViewData::TcxCustomEditViewData;

    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void EditValueToText(const Variant& value, std::string& text) override;
    void GetExtraContentSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                             TSize& size) override;
    virtual bool HasInnerEditControl() const;
    // Drawn like a native combo box (combo boxes answer true).
    virtual bool UsesComboLook() const { return false; }
    // Alignment as text-row flags, single line.
    virtual int GetDrawTextFlags() const;
    // The margins of the text inside the client rectangle.
    virtual TRect GetTextAreaRect() const;
    // The draw flags of the view info: a text too long for one row of the text rectangle wraps,
    // where the view and the kind allow it.
    virtual void PrepareTextDrawing(TcxCanvas* canvas, TcxCustomTextEditViewInfo* viewInfo);
    // The view and the kind let the text wrap into rows.
    bool WrapsText() const;

    // Set by the owner: the selection to show in a painted text.
    int SelStart = 0;
    int SelLength = 0;

  protected:
    // The properties as text-editor properties (null for others), looked up once: every cell painted
    // asks several times, and a cast through the class tree costs more than the cell's layout.
    TcxCustomTextEditProperties* TextProperties() const;

  private:
    mutable TcxCustomTextEditProperties* textProperties_ = nullptr;
    mutable bool textPropertiesKnown_ = false;
};

} // namespace zorvy
