#pragma once
// Menus: TMenuItem trees, TMainMenu (whose shortcuts a form answers) and TPopupMenu, shown as a
// drawn popup window that runs its own modal loop until an item is chosen or the menu is dismissed.
#include "platform/classlib/ControlTypes.h"
#include "platform/gdi/Geometry.h"
#include "platform/classlib/GraphicsObjects.h"
#include "platform/win/Handles.h"

#include <string>
#include <vector>

namespace zorvy {

using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(std::uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift);
// "Ctrl+S", "Shift+F4", "Del"; empty for no shortcut.
std::string ShortCutToText(TShortCut shortCut);

class TMenu;

class TMenuItem : public TComponent {
    ZORVY_CLASS(TMenuItem, TComponent)
  public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string Caption;
    TShortCut ShortCut = scNone;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    bool RadioItem = false;
    bool AutoCheck = false;
    bool Default = false;
    int GroupIndex = 0;
    int ImageIndex = -1;
    std::string Hint;
    TNotifyEvent OnClick;

    // A caption of "-" makes a separator line.
    bool IsLine() const { return Caption == "-"; }
    // Runs the item: toggles an auto-check item, then OnClick.
    virtual void Click();

    int GetCount() const { return static_cast<int>(items_.size()); }
    TMenuItem* GetItem(int index) const; // EListError on a bad index
    TMenuItem* GetParent() const { return parent_; }
    int IndexOf(const TMenuItem* item) const;
    // The item takes ownership of added items; an item already in another menu leaves it first.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    // The item whose caption (without accelerator ampersands) equals caption, ignoring case.
    TMenuItem* Find(const std::string& caption) const;

  private:
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
    ZORVY_CLASS(TMenu, TComponent)
  public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* GetItems() const { return items_; }
    // Runs the enabled, visible item with this shortcut; answers whether one was found.
    bool IsShortCut(std::uint16_t key, TShiftState shift);
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

  private:
    TMenuItem* items_;
};

// The main menu of a form, drawn by the form as a bar above its client area. Bar geometry is in bar
// coordinates (the bar's top-left is (0, 0)); indexes count the visible top-level items.
class TMainMenu : public TMenu {
    ZORVY_CLASS(TMainMenu, TMenu)
  public:
    using TMenu::TMenu;
    // The bar's height in the menu font; 0 when no item is visible (the form then shows no bar).
    int BarHeight() const;
    std::vector<TRect> BarItemRects() const;
    int BarItemAt(TPoint barPoint) const;
    // The enabled bar item whose accelerator (the letter after '&', lower-cased) is key; -1 for none.
    int FindBarAccelerator(char32_t key) const;
    // The item whose menu is open or selected, -1 for none.
    int GetBarHotIndex() const { return barHot_; }
    void PaintBar(HDC dc, const TRect& bar);
    // Opens the menu of bar item index below it and runs the menus (Left and Right move along the
    // bar) until a command is chosen or everything is dismissed; the command's Click runs once the
    // menus are gone. barScreen: the bar on the screen; window: the form, whose frame is repainted.
    void TrackBar(HWND window, const TRect& barScreen, int index, bool byKeyboard);

  private:
    std::vector<TMenuItem*> BarItems() const;
    int barHot_ = -1;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    ZORVY_CLASS(TPopupMenu, TMenu)
  public:
    using TMenu::TMenu;
    TPopupAlignment Alignment = paLeft;
    bool AutoPopup = true;
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;
    // Shows the menu at a screen point and returns once it is closed; the chosen item's Click runs
    // after the menu window is gone.
    virtual void Popup(int x, int y);

  protected:
    void Notification(TComponent* component, TOperation operation) override;
};

} // namespace zorvy
