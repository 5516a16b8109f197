#pragma once
// TcxPageControl: the tab control with one page (TcxTabSheet) per tab. The selected tab's page is shown
// and every other hidden; pages and tabs keep one order, so a page's PageIndex is its tab's Index. A page
// carries its tab's caption, image, enabled and highlighted state and whether the tab shows.
#include "controls/pages/TabControl.h"

#include <vector>

namespace zorvy {

class TcxPageControl;

class TcxTabSheet : public TCustomControl {
    ZORVY_CLASS(TcxTabSheet, TCustomControl)
  public:
    explicit TcxTabSheet(TComponent* owner);
    ~TcxTabSheet() override;

    TcxPageControl* GetPageControl() const { return pageControl_; }
    // Moves the page to another control (nil takes it off its control).
    void SetPageControl(TcxPageControl* value) { MoveToPageControl(value); }
    void MoveToPageControl(TcxPageControl* pageControl);
    // The page's place in its control, -1 without a control.
    int GetPageIndex() const;
    void SetPageIndex(int value);
    bool GetTabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);
    bool GetHighlighted() const { return highlighted_; }
    void SetHighlighted(bool value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TcxTab* GetTab() const { return tab_; }
    // A parent other than a page control is refused silently (EAbort).
    void SetParent(TWinControl* parent) override;

    TNotifyEvent OnHide;
    TNotifyEvent OnShow;

  protected:
    friend class TcxPageControl;
    virtual void AssignPageControl(TcxPageControl* pageControl);
    virtual void DoHide() {
        if (OnHide) OnHide(this);
    }
    virtual void DoShow() {
        if (OnShow) OnShow(this);
    }
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& m) override;
    void CMColorChanged(TMessage& m) override;
    void CMParentColorChanged(TMessage& m) override;
    void CMEnabledChanged(TMessage& m) override;
    void CMTextChanged(TMessage& m) override;
    void WMWindowPosChanged(TMessage& m) override;
    void WMEraseBkgnd(TMessage& m) override;

  private:
    void ShowingChanged();
    void ColorChanged();

    bool highlighted_ = false;
    int imageIndex_ = -1;
    TcxPageControl* pageControl_ = nullptr;
    TcxTab* tab_ = nullptr;
    bool tabVisible_ = true;
};

using TcxPageChangingEvent = std::function<void(TObject* sender, TcxTabSheet* newPage, bool& allowChange)>;

class TcxPageControl : public TcxCustomTabControl {
    ZORVY_CLASS(TcxPageControl, TcxCustomTabControl)
  public:
    explicit TcxPageControl(TComponent* owner);
    ~TcxPageControl() override;

    // ---- Pages ----
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    TcxTabSheet* GetPage(int index) const;
    TcxTabSheet* GetActivePage() const { return activePage_; }
    // Shows page (a page of this control or nil) and selects its tab; OnPageChanging may refuse.
    void SetActivePage(TcxTabSheet* page);
    // The next page in that direction (wrapping), skipping hidden tabs and disabled pages when asked;
    // nil when there is none.
    TcxTabSheet* FindNextPage(TcxTabSheet* current, bool goForward, bool checkTabVisible) const {
        return FindNextPage(current, goForward, checkTabVisible, true);
    }
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    void InsertPage(TcxTabSheet* page);
    void RemovePage(TcxTabSheet* page);
    void UpdateTabFromPage(TcxTabSheet* page);

    // ---- Docking (with DockSite on, a docked control gets a page of its own) ----
    // The page whose docked control client is (nil when client is not docked here).
    TcxTabSheet* FindDockedPage(TControl* client) const;
    // The docked control whose page's tab lies under the client point p.
    TControl* GetDockClientAt(TPoint p);
    void DockDrop(TDragDockObject* source, int x, int y) override;
    void DockOver(TDragDockObject* source, int x, int y, TDragState state, bool& accept) override;
    void GetSiteInfo(TControl* client, TRect& influenceRect, TPoint mousePos, bool& canDock) override;

    // ---- Tab control ----
    TObject* GetSelectedPage() const override { return activePage_; }
    TObject* GetPageOfTab(int index) const override;
    bool SelectsOnlyVisibleTabs() const override { return true; }
    void RequestLayout() override;
    bool FocusesOnClick() const override;
    // A form writes the pages in page order; reading one back puts it in its place.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;

    TcxPageChangingEvent OnPageChanging;

  protected:
    virtual void ActivateSelectedTabPage();
    virtual bool PageChanging(TcxTabSheet* newPage);
    virtual void PageChanged() { TcxCustomTabControl::Change(); }
    void CloseSelectedTab() override;
    void ImagesChanged() override;
    bool PaintsOnPrintClient() const override { return false; }
    bool CanChange(int newTabIndex) override;
    void Change() override;
    void Loaded() override;
    virtual void DockIntoNewPage(TDragDockObject* source);
    virtual bool PrepareUndock(TWinControl* newTarget, TControl* client);
    virtual void RejectNonPageChild(bool inserting, TControl* control);
    void DoAddDockClient(TControl* client, const TRect& rect) override;
    void DoRemoveDockClient(TControl* client) override;
    bool DoUnDock(TWinControl* newTarget, TControl* client) override;
    void Dispatch(TMessage& m) override;

  private:
    void DockNotification(TMessage& m);
    friend class TcxTabSheet;
    TcxTabSheet* FindNextPage(TcxTabSheet* current, bool goForward, bool checkTabVisible, bool wrap) const;
    int IndexOfPage(const TcxTabSheet* page) const;

    TcxTabSheet* activePage_ = nullptr;
    bool activationGuard_ = false;
    bool addingPage_ = false;
    std::vector<TcxTabSheet*> pages_; // the sheets are owned by their owner
    TcxTabSheet* dockingSheet_ = nullptr; // the page being made for a docking control
    TcxTabSheet* pageToFree_ = nullptr;   // the page whose docked control is leaving
};

} // namespace zorvy
