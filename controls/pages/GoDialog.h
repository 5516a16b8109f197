#pragma once
// TcxPCGoDialog: the menu the go-dialog navigator button opens: one item per enabled visible tab (by
// caption when sorted); choosing one selects that tab.
#include "platform/classlib/Menus.h"

#include <functional>

namespace zorvy {

class TcxCustomTabControl;

class TcxPCGoDialog : public TPopupMenu {
    ZORVY_CLASS(TcxPCGoDialog, TPopupMenu)
  public:
    explicit TcxPCGoDialog(TcxCustomTabControl* owner);
    // Fills the menu and shows it at the go-dialog button; returns once it has closed.
    void Popup(bool sorted);
    void DoTabChosen(int tabIndex) {
        if (OnTabChosen) OnTabChosen(tabIndex);
    }
    // Gets the chosen tab's Index.
    std::function<void(int tabIndex)> OnTabChosen;

  private:
    using TPopupMenu::Popup;
    TcxCustomTabControl* GetTabControl() const;
};

} // namespace zorvy
