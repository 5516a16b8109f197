#pragma once
// The push button whose face the look-and-feel painters draw: colours per state, a glyph laid out with
// the caption, hot tracking, and two drop-down kinds that open a popup menu under the button.
#include <memory>

#include "controls/editors/buttons/ButtonGlyph.h"
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/services/MouseTracking.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/stdctrls/Buttons.h"

namespace zorvy {

class TcxCanvas;
class TcxCustomButton;
class TcxLookAndFeel;
class TcxCustomLookAndFeelPainter;

// Private messages the button posts itself so that a mouse press ends before the menu's loop starts.
constexpr UINT CM_DROPDOWNPOPUPMENU = 0x812C;
constexpr UINT CM_CLOSEUPPOPUPMENU = 0x812D;

// A face colour per button state; clDefault leaves the painter's.
class TcxButtonColors : public TPersistent {
    ZORVY_CLASS(TcxButtonColors, TPersistent)
  public:
    explicit TcxButtonColors(TcxCustomButton* button = nullptr) : button_(button) {}
    void Assign(TPersistent* source) override;

    // An assigned state's colour; otherwise Default for the normal state and Normal for the others.
    TColor GetColor(TcxButtonState state) const;
    // clNone or clDefault unassign the state; any other new value assigns it.
    void SetColorValue(TcxButtonState state, TColor value);
    TColor GetStoredColor(TcxButtonState state) const { return colors_[state]; }
    bool IsColorStored(TcxButtonState state) const { return IsAssigned(state); }
    bool IsAssigned(TcxButtonState state) const { return (assigned_ & (1u << state)) != 0; }
    unsigned GetAssignedColors() const { return assigned_; }
    // Only while designing: states left out lose their colour.
    void SetAssignedColors(unsigned value);

  private:
    void Changed();
    TcxCustomButton* button_;
    unsigned assigned_ = 0;
    TColor colors_[5] = {clDefault, clDefault, clDefault, clDefault, clDefault};
};

enum TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton };

using TcxButtonDropDownMenuPopupEvent = std::function<void(TObject* sender, TPopupMenu*& popupMenu, bool& handled)>;
using TcxButtonGetDrawParamsEvent =
    std::function<void(TcxCustomButton* sender, TcxButtonState state, TColor& color, TFont* font)>;

class TcxCustomButton : public TButton, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxCustomButton, TButton)
  public:
    explicit TcxCustomButton(TComponent* owner);
    ~TcxCustomButton() override;

    // Appearance
    TcxButtonColors* GetColors() const { return colors_.get(); }
    void SetColors(TcxButtonColors* value) { colors_->Assign(value); }
    TcxLookAndFeel* GetLookAndFeel() const { return lookAndFeel_.get(); }
    void SetLookAndFeel(TcxLookAndFeel* value);
    TBitmap* GetGlyph() const { return glyph_->GetGlyph(); }
    void SetGlyph(TBitmap* value);
    int GetNumGlyphs() const { return glyph_->GetNumGlyphs(); }
    void SetNumGlyphs(int value);
    TButtonLayout GetLayout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int GetMargin() const { return margin_; }
    void SetMargin(int value); // -1 centres; below -1 is ignored
    int GetSpacing() const { return spacing_; }
    void SetSpacing(int value); // -1 spreads evenly
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool UseSystemPaint = false;
    TcxButtonGlyph* GetButtonGlyph() const { return glyph_.get(); }

    // Drop-down
    TcxButtonKind GetKind() const { return kind_; }
    void SetKind(TcxButtonKind value);
    TPopupMenu* GetDropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* value);
    TPopupAlignment PopupAlignment = paLeft;
    TComponent* GetPopupMenu() const { return popupMenu_; }
    // A TPopupMenu or a popup-menu component; anything else stores nothing.
    void SetPopupMenu(TComponent* value);
    // Marks a drop-down pending and posts the message that opens the menu.
    void DropDown();
    bool IsMenuVisible() const { return menuVisible_; }
    bool IsDropDownPending() const { return dropDownPending_; }

    // State
    bool IsHot() const { return isHot_; }
    bool IsDefaultLook() const { return isDefaultLook_; }
    // The state the next paint shows.
    TcxButtonState GetButtonState() const;
    // The client rectangle inside the painter's edge for the state (and left of the arrow part).
    TRect GetContentRect(TcxButtonState state) const;
    // The size that fits the caption: its width plus three "R", and "Wg" high times 14 / 8.
    TSize CalcAutoSize() const;

    virtual bool DoDropDownMenuPopup(TPopupMenu*& popupMenu);
    virtual bool ShowPopupMenuAt(TComponent* menu, int x, int y);
    virtual const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;
    virtual bool IsDrawnBySystem() const { return false; }
    bool CanHotTrack() const;

    void Click() override;
    void Dispatch(TMessage& message) override;
    void MouseTrackingLeft() override;

    TcxButtonDropDownMenuPopupEvent OnDropDownMenuPopup;
    TcxButtonGetDrawParamsEvent OnGetDrawParams;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // The OnContextPopup event, then the PopupMenu at the point (the top-left corner from the keyboard).
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    virtual void Paint();
    void WMContextMenu(TMessage& m) override;
    // Whether the button looks like the one Enter presses: follows the focus among the dialog's buttons.
    void SetButtonStyle(bool isDefault) override;
    // An empty glyph takes the action's image from its list's image list, on a fuchsia ground.
    void ActionChange(TObject* sender, bool checkDefaults) override;

  private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DropDownPopupMenu();
    void CloseUpPopupMenu();
    void MouseEnter();
    void MouseLeave();
    bool IsInArrowPart(int x, int y) const;
    bool IsUnderCursor();
    TPoint GetMenuPosition(TPopupMenu* menu, TRect& workArea) const;
    void LookAndFeelChanged();
    bool IsDesigning() const { return HasState(csDesigning); }

    bool isPaintPressed_ = false;
    bool isFocusedLook_ = false;
    std::unique_ptr<TCanvas> controlCanvas_;
    std::unique_ptr<TcxCanvas> canvas_;
    std::unique_ptr<TcxButtonColors> colors_;
    bool dropDownPending_ = false;
    bool dropDownPosted_ = false; // a drop-down request waits in the queue
    TPopupMenu* dropDownMenu_ = nullptr;
    bool isDefaultLook_ = false;
    bool skipNextClick_ = false;
    TcxButtonKind kind_ = cxbkStandard;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    TComponent* popupMenu_ = nullptr;
    std::unique_ptr<TcxButtonGlyph> glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    bool menuVisible_ = false;
    bool isHot_ = false;
    int spacing_ = 4;
    bool wordWrap_ = false;
};

class TcxButton : public TcxCustomButton {
    ZORVY_CLASS(TcxButton, TcxCustomButton)
  public:
    explicit TcxButton(TComponent* owner) : TcxCustomButton(owner) {}
};

} // namespace zorvy
