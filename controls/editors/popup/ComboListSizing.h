#pragma once
// How a combo box's drop-down list is measured for opening and resized in whole rows while its size
// grip is dragged, and TcxComboBoxPopupWindow, the combo box's popup, which sizes itself to that list.
#include "controls/editors/popup/EditPopupWindow.h"

#include <functional>

namespace zorvy {

// The rows of a list: their count and the height of each.
struct TcxListRows {
    int Count = 0;
    std::function<int(int index)> Height;
};

// The room a combo list has: the larger of the heights above and below the owner rectangle (screen
// coordinates) within the work areas, less the popup's frame; and the widest it may be (0: no limit
// used by measuring when a positive popup width is not given).
struct TcxComboListLimits {
    int MaxHeight = 0;
    int WidthLimit = 0;
};
TcxComboListLimits ComboListLimits(const TRect& ownerScreenRect, const TcxFrameExtent& extent, bool shadow,
                                   bool sizeable, bool autoSize, int popupWidth);

// The list's size for opening: up to dropDownRows rows, never more than fit in maxHeight (0: no
// limit), so that the fit into the work area never cuts a row; as wide as the widest item + 4, with
// room for the scroll bars the list then shows.
TSize MeasureComboList(const TcxListRows& rows, int dropDownRows, int widestItem, int maxHeight, int widthLimit);

// Fits a proposed list size to whole rows (maxHeight 0: no limit): growing takes a further row only
// when all of it fits, shrinking drops a row only once the proposed height passes above its top.
// current is the list's size now; horzExtent the width its items need.
void AdjustComboListSize(const TcxListRows& rows, TSize& size, int maxHeight, const TSize& current, int horzExtent);

// The combo box's popup: by default at least as wide as the editor, as wide as the widest item and
// DropDownRows rows high; a user-sized popup keeps the size the user gave it.
class TcxComboBoxPopupWindow : public TcxCustomEditPopupWindow {
    ZORVY_CLASS(TcxComboBoxPopupWindow, TcxCustomEditPopupWindow)
  public:
    using TcxCustomEditPopupWindow::TcxCustomEditPopupWindow;

  protected:
    void FitSizeToContent() override;
};

} // namespace zorvy
