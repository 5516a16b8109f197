#pragma once
// TcxCustomTabControl: a custom-drawn strip of tabs on one side of a page area, with navigator buttons
// (scroll arrows, a go-dialog button listing the tabs, a close button). It keeps the tabs, indexes and
// rectangles, chooses its tab painter by style, lays the tabs out (one scrolled row or several balanced
// rows, on any side, rotated or not) and reacts to the mouse and keys; the painter measures and paints.
// Geometry is described for tabs on top: along the row is horizontal for top and bottom tabs.
//
// State, settings and style in TabControl.cpp; the layout in TabLayout.cpp; selection, mouse, keys and
// navigator buttons in TabInput.cpp.
#include "controls/foundation/control/Control.h"
#include "controls/pages/PCImageList.h"
#include "controls/pages/PCPainter.h"
#include "controls/pages/Tabs.h"

#include <array>
#include <functional>
#include <memory>

namespace zorvy {

class TcxPCGoDialog;
class TcxTimer;

using TcxPCCanCloseEvent = std::function<void(TObject* sender, bool& canClose)>;
using TcxTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TcxDrawTabEvent = std::function<void(TcxCustomTabControl* control, TcxTab* tab, bool& defaultDraw)>;
using TcxDrawTabExEvent = std::function<void(TcxCustomTabControl* control, TcxTab* tab, TFont* font)>;
using TcxGetTabImageEvent = std::function<void(TObject* sender, int tabIndex, int& imageIndex)>;

class TcxCustomTabControl : public TcxControl {
    ZORVY_CLASS(TcxCustomTabControl, TcxControl)
  public:
    explicit TcxCustomTabControl(TComponent* owner);
    ~TcxCustomTabControl() override;

    // ---- Tabs and selection ----
    TcxTabs* GetTabs() const { return tabs_.get(); }
    TcxVisibleTabList* GetVisibleTabs() const { return visibleTabs_.get(); }
    int GetTabIndex() const { return tabIndex_; }
    // The user's and programs' selection: out-of-range indexes are ignored, OnChanging may refuse.
    void SetTabIndex(int index);
    int GetMainTabVisibleIndex() const { return mainTabVisibleIndex_; }
    bool GetMultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value) { multiSelect_ = value; }
    int GetHotTrackTab() const { return hotTrackTab_; }
    int GetPressedTab() const { return pressedTab_; }
    int GetTrackingTab() const { return trackingTab_; }

    // ---- Appearance ----
    bool GetFocusable() const { return focusable_; }
    void SetFocusable(bool value) { focusable_ = value; }
    bool GetHideTabs() const { return hideTabs_; }
    void SetHideTabs(bool value);
    bool GetHotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value);
    int GetImageBorder() const { return imageBorder_; }
    void SetImageBorder(int value);
    TCustomImageList* GetImages() const { return imageList_->GetBaseImages(); }
    void SetImages(TCustomImageList* value) { imageList_->SetBaseImages(value); }
    TcxPCImageList* GetImageList() const { return imageList_.get(); }
    int GetMaxRotatedTabWidth();
    void SetMaxRotatedTabWidth(int value);
    bool GetMultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    TcxPCNavigatorPosition GetNavigatorPosition() const { return navigatorPosition_; }
    void SetNavigatorPosition(TcxPCNavigatorPosition value);
    TcxPCOptions GetOptions() const { return options_; }
    void SetOptions(TcxPCOptions value);
    bool HasOption(TcxPCOption option) const { return (options_ & PCOptionSet(option)) != 0; }
    bool GetOwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    bool GetRaggedRight() const { return raggedRight_; }
    void SetRaggedRight(bool value);
    bool GetRotate() const { return rotate_; }
    void SetRotate(bool value);
    bool GetScrollOpposite() const { return scrollOpposite_; }
    void SetScrollOpposite(bool value);
    bool GetShowFrame() const { return showFrame_; }
    void SetShowFrame(bool value);
    // 0: chosen by the look and feel.
    int GetStyle() const { return styleID_; }
    void SetStyle(int value);
    int GetTabHeight() const { return tabHeight_; }
    void SetTabHeight(int value);
    TcxTabPosition GetTabPosition() const { return tabPosition_; }
    void SetTabPosition(TcxTabPosition value);
    int GetTabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    TcxTabSlants* GetTabSlants() const { return tabSlants_.get(); }
    void SetTabSlants(TcxTabSlants* value) { tabSlants_->Assign(value); }

    // ---- Layout results ----
    TcxPCCustomPainter* GetPainter() const { return painter_; }
    TRect GetTopLeftTabsBounds() const { return topLeftTabsBounds_; }
    TRect GetBottomRightTabsBounds() const { return bottomRightTabsBounds_; }
    int GetFirstVisibleTab() const { return firstVisibleTab_; }
    int GetLastVisibleTab() const { return lastVisibleTab_; }
    bool GetAllTabsFit() const { return allTabsFit_; }
    int GetRowCount() const { return rowCount_; }
    int GetRowThickness() const { return rowThickness_; }
    int GetTopLeftRowCount() const { return topLeftRowCount_; }
    const TcxPCTabsRegion& GetTabsRegion() const { return tabsRegion_; }
    TcxPCNavigatorButtons GetVisibleButtons() const { return visibleButtons_; }
    std::uint8_t GetButtonState(TcxPCNavigatorButton button) const { return buttonStates_[button]; }
    TcxPCNavigatorButtons GetHotButtons() const { return hotButtons_; }
    TcxPCNavigatorButtons GetPressedButtons() const { return pressedButtons_; }
    bool IsGoDialogShown() const { return goDialogShown_; }
    TcxPCGoDialog* GetGoDialog() const { return goDialog_; }
    bool IsCalculating() const { return calculating_; }

    // ---- Operations ----
    // A layout pass (dropped while loading or while a pass runs).
    virtual void RequestLayout();
    // The first placed tab whose visible rectangle holds the point; -1 for none.
    int GetTabAt(int x, int y);
    void MakeTabVisible(int visibleIndex);
    void ScrollTabs(int delta);
    void GetDisplayRect(TRect& r);
    void UpdateStyleFromLookAndFeel();
    void SetVisibleButtons(TcxPCNavigatorButtons buttons);
    TcxPCNavigatorButtons GetNavigatorButtons(bool allTabsFit) const;
    void UpdateNavigatorButtonStates();
    void UpdateNavigatorButtonState(TcxPCNavigatorButton button);
    void UpdateHotState(TShiftState shift);
    void GoDialogClosed(int tabIndex);
    // The page a tab shows (nil in a plain tab control).
    virtual TObject* GetPageOfTab(int index) const { (void)index; return nullptr; }
    virtual TObject* GetSelectedPage() const { return nullptr; }
    virtual int GetTabImageIndex(int index);
    virtual void PrepareTabFont(TcxTab* tab, TcxCanvas* canvas);
    virtual bool SelectsOnlyVisibleTabs() const { return false; }
    virtual bool IsTabSelectable(int index);
    // The control's client area of the pages' background (the page's colour when a tab shows one).
    TColor GetPageColor(int visibleIndex) const;
    // Change events are not fired while locked, loading or designing.
    bool ChangeEventsLocked() const;
    void LockChangeEvents() { ++changeLockCount_; }
    void UnlockChangeEvents() { --changeLockCount_; }
    bool CanFocus() const override;
    void GetTabOrderList(std::vector<TWinControl*>& list) const override;

    // ---- Events ----
    TcxPCCanCloseEvent OnCanClose;
    TNotifyEvent OnChange;
    TcxTabChangingEvent OnChanging;
    TcxDrawTabEvent OnDrawTab;
    TcxDrawTabExEvent OnDrawTabEx;
    TcxGetTabImageEvent OnGetImageIndex;

  protected:
    friend class TcxTab;
    friend class TcxTabs;
    friend class TcxPCGoDialog;

    // Hooks a page control changes
    virtual bool DoCanClose();
    virtual void CloseSelectedTab();
    virtual bool SelectTabByAccel(char32_t charCode);
    virtual void ShowGoDialog();
    virtual void GoDialogTabChosen(int tabIndex) { GoDialogClosed(tabIndex); }
    virtual void ImagesChanged() { RequestLayout(); }
    virtual bool HandleNavigationKey(std::uint16_t& key, TShiftState shift);
    virtual bool PaintsOnPrintClient() const { return true; }
    virtual bool CanChange(int newTabIndex);
    virtual void Change();
    void SelectByClick(int visibleIndex, bool ctrlDown);
    // No tab selected, before a page leaves.
    void ResetSelection() {
        tabIndex_ = -1;
        mainTabVisibleIndex_ = -1;
    }
    void CalculateTabsLayout();

    // Overrides of the base control and the class library
    // The page rectangle as a form stores it: "ClientRectLeft", "ClientRectTop", "ClientRectRight",
    // "ClientRectBottom"; while loading, the rectangle read stands for the page area.
    void DefineProperties(TFiler* filer) override;
    void Loaded() override;
    void AdjustClientRect(TRect& rect) override;
    void CreateHandle() override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Resize() override;
    bool UsesScrollBars() const override { return false; }
    void HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void FocusStateChanged() override;
    void FontPropertyChanged() override;
    void MouseExited(TControl* control) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void WndProc(TMessage& m) override;
    void HandleWmGetDlgCode(TMessage& m) override;
    void HandleCmDesignHitTest(TMessage& m) override;
    void CMDialogChar(TMessage& m) override;
    void CMDialogKey(TMessage& m) override;
    void CMEnabledChanged(TMessage& m) override;
    void CMParentColorChanged(TMessage& m) override;
    void CMMouseLeave(TMessage& m) override;

  private:
    // Layout steps
    void PlaceTabsInRow(int first, int last, bool placeAll);
    bool PlaceSingleRow();
    void CalculateSingleLineLayout();
    void CalculateMultiLineLayout();
    void SplitIntoRows();
    void BalanceRun(int first, int last);
    void StretchAndPlaceRows();
    void CalculateRowThickness();
    void CalculateRowOrder();
    void CalculateAcrossPlacement();
    void SpreadTabAreasAlongRow();
    void DropHiddenButtonMarks();
    int TabSize(int visibleIndex) const;
    void GetTabDistances(int& alongRow, int& betweenRows);
    bool IsSideTabs() const { return tabPosition_ == tpLeft || tabPosition_ == tpRight; }
    bool IsWheelOverTabStrip(TPoint client);
    // Input
    void NavigatorMouseDown(TcxPCNavigatorButton button);
    void NavigatorMouseUp(TcxPCNavigatorButton button, TShiftState shift);
    void ReleasePressedButtonAway(int x, int y);
    void ScrollByButton(TcxPCNavigatorButton button);
    void StartAutoRepeat();
    void AutoRepeat(TObject* sender);
    void SetButtonState(TcxPCNavigatorButton button, std::uint8_t state);
    bool IsForwardButton(TcxPCNavigatorButton button);
    TPoint MouseClientPos();
    void ApplyStyle(int value);
    void RedoRowOrderAndPlacement();

    int changeLockCount_ = 0;
    TRect storedClientRect_{};
    bool useStoredClientRect_ = false;
    TRect bottomRightTabsBounds_{};
    TRect topLeftTabsBounds_{};
    int firstVisibleTab_ = -1;
    int lastVisibleTab_ = -1;
    bool focusable_ = true;
    TcxPCGoDialog* goDialog_ = nullptr; // owned as a component
    bool hideTabs_ = false;
    bool hotTrack_ = false;
    TcxPCNavigatorButtons hotButtons_ = 0;
    int hotTrackTab_ = -1;
    int imageBorder_ = 0;
    std::unique_ptr<TcxPCImageList> imageList_;
    bool goDialogShown_ = false;
    bool allTabsFit_ = false;
    int mainTabVisibleIndex_ = -1;
    int maxRotatedTabWidth_ = 0;
    bool multiLine_ = false;
    bool multiSelect_ = false;
    TcxPCNavigatorButtons visibleButtons_ = 0;
    std::array<std::uint8_t, 4> buttonStates_{};
    TcxPCNavigatorPosition navigatorPosition_ = npRightTop;
    TcxPCOptions options_ = cxPCDefaultOptions;
    bool ownerDraw_ = false;
    TcxPCCustomPainter* painter_ = nullptr; // owned
    TcxPCNavigatorButtons pressedButtons_ = 0;
    int pressedTab_ = -1;
    bool raggedRight_ = false;
    bool rotate_ = false;
    int rowCount_ = 0;
    int rowThickness_ = 0;
    bool scrollOpposite_ = false;
    bool showFrame_ = false;
    int styleID_ = 0;
    int tabIndex_ = -1;
    TcxTabPosition tabPosition_ = tpTop;
    std::unique_ptr<TcxTabs> tabs_;
    int tabWidth_ = 0, tabHeight_ = 0;
    std::unique_ptr<TcxTabSlants> tabSlants_;
    TcxPCTabsRegion tabsRegion_;
    TcxTimer* autoRepeatTimer_ = nullptr; // owned as a component
    int topLeftRowCount_ = 0;
    int trackingTab_ = -1;
    bool calculating_ = false;
    std::unique_ptr<TcxVisibleTabList> visibleTabs_;
};

} // namespace zorvy
