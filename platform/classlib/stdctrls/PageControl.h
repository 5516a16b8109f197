#pragma once
// The classic tabbed page control: TPageControl shows a row of tabs along its top and one TTabSheet
// at a time below them. A click on a tab, Ctrl+Tab and Ctrl+Shift+Tab (and the arrow keys while the
// control has the focus) switch pages; a page whose TabVisible is off has no tab.
#include "platform/classlib/Controls.h"

#include <vector>

namespace zorvy {

class TPageControl;

class TTabSheet : public TCustomControl {
    ZORVY_CLASS(TTabSheet, TCustomControl)
  public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* GetPageControl() const { return pageControl_; }
    // Puts the sheet on a page control as its last page (nullptr takes it off).
    void SetPageControl(TPageControl* control);
    int GetPageIndex() const;
    void SetPageIndex(int index);
    bool GetTabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);

  protected:
    void CMTextChanged(TMessage& m) override;

  private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TPageControl : public TCustomControl {
    ZORVY_CLASS(TPageControl, TCustomControl)
  public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* GetPage(int index) const; // EListError on a bad index
    TTabSheet* GetActivePage() const { return activePage_; }
    // Shows page (a page of this control) and hides the others; no change events.
    void SetActivePage(TTabSheet* page);
    int GetActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The next (or previous) page with a visible tab, wrapping around; nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Moves to that page as a user's switch does: OnChanging may refuse, OnChange follows.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    // Geometry: the tab of a page (empty when the tab is hidden), the page under a point, and the
    // area the pages fill.
    TRect TabRect(int pageIndex) const;
    TTabSheet* PageAtPos(TPoint client) const;
    TRect DisplayRect() const;

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

  protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void CMDialogKey(TMessage& m) override;
    void CMFontChanged(TMessage& m) override;
    void WMSetFocus(TMessage& m) override;
    void WMKillFocus(TMessage& m) override;
    // A user's switch to page: asks OnChanging, switches, tells OnChange.
    bool ChangeToPage(TTabSheet* page);
    int TabHeight() const;

  private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    std::vector<TRect> tabRects_; // one per page, empty for a hidden tab
};

} // namespace zorvy
