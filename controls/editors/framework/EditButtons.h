#pragma once
// The buttons an editor carries inside its frame (TcxEditButton, the collection TcxEditButtons), the
// computed paint state of one shown button (TcxEditButtonViewInfo) and the one-pixel frames used
// for button borders.
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/rtl/Collection.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Handles.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCustomEditProperties;
class TcxEditButtons;

class TcxEditButton : public TCollectionItem {
    ZORVY_CLASS(TcxEditButton, TCollectionItem)
  public:
    explicit TcxEditButton(TCollection* collection);
    ~TcxEditButton() override;

    void Assign(TPersistent* source) override;

    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    // The caption without accelerator marks.
    const std::string& GetVisibleCaption() const { return visibleCaption_; }
    TAlignment GetContentAlignment() const { return contentAlignment_; }
    void SetContentAlignment(TAlignment value);
    bool GetDefault() const { return default_; }
    // Turning it on clears it on every other button of the collection.
    void SetDefault(bool value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Reading creates an empty bitmap when there is none.
    TBitmap* GetGlyph();
    // The glyph when there is one, without creating it.
    TBitmap* PeekGlyph() const { return glyph_.get(); }
    // Nil removes the glyph; a bitmap is copied.
    void SetGlyph(TBitmap* value);
    TcxEditButtonKind GetKind() const { return kind_; }
    void SetKind(TcxEditButtonKind value);
    bool GetLeftAlignment() const { return leftAlignment_; }
    void SetLeftAlignment(bool value);
    bool GetStretchable() const { return stretchable_; }
    void SetStretchable(bool value);
    TColor GetTextColor() const { return textColor_; }
    void SetTextColor(TColor value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    int GetWidth() const { return width_; }
    // A negative width is ignored.
    void SetWidth(int value);

  private:
    void GlyphChanged(TObject*) { Changed(false); }

    std::string caption_;
    TAlignment contentAlignment_ = taCenter;
    bool default_ = false;
    bool enabled_ = true;
    std::unique_ptr<TBitmap> glyph_;
    TcxEditButtonKind kind_ = bkDown;
    bool leftAlignment_ = false;
    bool stretchable_ = true;
    TColor textColor_ = clBtnText;
    bool visible_ = true;
    std::string visibleCaption_;
    int width_ = 0;
};

class TcxEditButtons : public TCollection {
    ZORVY_CLASS(TcxEditButtons, TCollection)
  public:
    explicit TcxEditButtons(TPersistent* owner = nullptr) : TCollection(TcxEditButton::StaticClass()), owner_(owner) {}

    TPersistent* GetOwner() const override { return owner_; }
    TcxEditButton* AddButton() { return static_cast<TcxEditButton*>(Add()); }
    TcxEditButton* ButtonAt(int index) const { return static_cast<TcxEditButton*>(GetItem(index)); }
    int VisibleCount() const;

    TNotifyEvent OnChange;

  protected:
    void Update(TCollectionItem*) override {
        if (OnChange) OnChange(this);
    }

  private:
    TPersistent* owner_;
};

// The computed paint state of one shown button; the view data fills it, the view info paints it.
class TcxEditButtonViewInfo : public TPersistent {
    ZORVY_CLASS(TcxEditButtonViewInfo, TPersistent)
  public:
    // Copies what the change tests compare: native state, background colour, bounds, style, state.
    void Assign(TPersistent* source) override;
    // Nil when nothing the tests compare differs, else a region of the bounds; the caller frees it.
    virtual TcxRegion* GetUpdateRegion(const TcxEditButtonViewInfo* previous) const;
    // Invalidates the bounds moved by offset in the window when anything differs; true when it did.
    virtual bool RepaintIfChanged(HWND window, const TcxEditButtonViewInfo* previous, TPoint offset) const;
    bool DiffersFrom(const TcxEditButtonViewInfo* previous) const;

    TRect Bounds{};
    TRect VisibleBounds{};
    TcxEditButtonState State = ebsNormal;
    TcxEditButtonStyle ButtonStyle = btsDefault;
    TColor BackgroundColor = clBtnFace;
    int NativeState = 0;
    int NativePart = 0;
    bool NativePartiallyTransparent = false;
    bool NativeStyle = false;
    int ButtonIndex = -1;
    bool Default = false;
    TcxEditButtonKind Kind = bkDown;
    std::string Caption;
    std::string VisibleCaption;
    TColor TextColor = clBtnText;
    TAlignment ContentAlignment = taCenter;
    TBitmap* Glyph = nullptr; // the button's, not owned
    int Width = 0;            // the explicit width, 0 for automatic
    bool ComboButton = false;
    bool HasBackground = false;
    bool GradientButtons = false;
    bool Inplace = false;
    bool LeftAlignment = false;
    bool Leftmost = false;
    bool Rightmost = false;
    bool Stretchable = true;
    bool Transparent = false;
};

// A one-pixel frame (left and top in color1, right and bottom in color2), then r shrinks by one.
void DrawFrame3DAndShrink(TcxCanvas* canvas, TRect& r, TColor color1, TColor color2);
// A one-pixel frame of one colour, then r shrinks by one.
void DrawFrameAndShrink(TcxCanvas* canvas, TRect& r, TColor color);

} // namespace zorvy
