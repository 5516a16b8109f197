#pragma once
// The grid control: a tree of levels under a hidden root level, each level carrying one view that
// draws in its own site; the grid tracks the active level and the focused view, forwards navigator
// requests to the focused view, and runs every relayout and repaint of its views through a queue of
// change objects merged under an update lock. The layout, painting and level tabs of the grid's own
// surface are the grid's view info, painter and controller (GridHandlers.h); this file keeps the
// state, the queue and the forwarding of input and painting to them.
#include "controls/foundation/control/Control.h"
#include "controls/grid/control/GridChanges.h"
#include "controls/grid/navigator/Navigator.h"

#include <functional>
#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomGridView;
class TcxGridLevel;
class TcxGridRootLevel;
class TcxGridLevelOptions;
class TcxGridLevelStyles;
class TcxGridLevelTabs;
class TcxGridController;
class TcxGridPainter;
class TcxGridViewInfo;

// Notification kinds the grid sends to its receivers.
enum TcxGridNotificationKind {
    gnkFocusedViewChanged = 0,
    gnkFocusedRecordChanged = 1,
    gnkDataChanged = 2,
    gnkContextMenu = 3,
    gnkCustomization = 4,
    gnkKeyDown = 5,
};
using TcxGridNotificationKinds = unsigned; // bits of TcxGridNotificationKind

class IcxGridNotificationReceiver {
  public:
    virtual ~IcxGridNotificationReceiver() = default;
    virtual TcxGridNotificationKinds NotificationKinds() const = 0;
    // Answers whether it handled the notification (later receivers are then not told).
    virtual bool Notify(TcxGridNotificationKind kind, TObject* data) = 0;
};

class TcxCustomGrid : public TcxControl, public IcxNavigator {
    ZORVY_CLASS(TcxCustomGrid, TcxControl)
  public:
    using TcxGridActiveTabChangedEvent = std::function<void(TcxCustomGrid* sender, TcxGridLevel* level)>;
    using TcxGridFocusedViewChangedEvent =
        std::function<void(TcxCustomGrid* sender, TcxCustomGridView* prevFocusedView, TcxCustomGridView* focusedView)>;
    using TcxGridLayoutChangedEvent = std::function<void(TcxCustomGrid* sender, TcxCustomGridView* gridView)>;

    explicit TcxCustomGrid(TComponent* owner);
    ~TcxCustomGrid() override;
    // Renames the views and levels whose names begin with the old name.
    void SetName(const std::string& name) override;
    void Loaded() override;

    // ---- handlers ----
    TcxGridController* GetController() const { return controller_.get(); }
    TcxGridPainter* GetPainter() const { return painter_.get(); }
    TcxGridViewInfo* GetViewInfo() const { return viewInfo_.get(); }
    TcxGridLevelTabs* GetLevelTabs() const { return levelTabs_.get(); }
    void SetLevelTabs(TcxGridLevelTabs* value);

    // ---- levels and views ----
    TcxGridRootLevel* GetRootLevel() const { return rootLevel_; }
    TcxGridLevelOptions* GetRootLevelOptions() const;
    TcxGridLevelStyles* GetRootLevelStyles() const;
    TcxGridLevel* GetActiveLevel() const { return activeLevel_; }
    // Nil means the root's first child; an invisible level is refused.
    void SetActiveLevel(TcxGridLevel* level);
    TcxCustomGridView* GetActiveLevelView() const;
    int GetViewCount() const { return static_cast<int>(views_.size()); }
    TcxCustomGridView* GetView(int index) const { return views_.at(static_cast<size_t>(index)); }
    TcxCustomGridView* GetFocusedView() const { return focusedView_; }
    void SetFocusedView(TcxCustomGridView* view);
    // A focused view no longer visible in the levels gives the focus away.
    void CheckFocusedView();
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;

    // ---- update lock and change queue ----
    void BeginUpdate() { ++updateLockCount_; }
    // At 0 nothing; reaching 0 runs the queue.
    void EndUpdate();
    // At 0 nothing; reaching 0 frees the queue unrun.
    void CancelUpdate();
    bool IsUpdateLocked() const { return updateLockCount_ > 0; }
    int GetUpdateLockCount() const { return updateLockCount_; }
    // Queues the change while locked (and it can be queued), else runs it now; the grid owns it.
    void AddChange(TcxCustomGridChange* change);
    // Frees every queued change of the view.
    void DropViewChanges(TcxCustomGridView* view);
    int GetQueuedChangeCount() const { return static_cast<int>(changes_.size()); }
    virtual void LayoutChanged();
    virtual void SizeChanged();
    // Relays out (hard) or repaints the grid and the views of the active level and its details.
    void InvalidateViews(bool hardInvalidate);

    // ---- options ----
    bool GetDragOpening() const { return dragOpening_; }
    void SetDragOpening(bool value) { dragOpening_ = value; }
    int GetDragOpeningWaitTime() const { return dragOpeningWaitTime_; }
    void SetDragOpeningWaitTime(int value) { dragOpeningWaitTime_ = value < 0 ? 0 : value; }
    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    virtual bool HidesTabsForEmptyDetails() const;
    // After data changes: tabs hidden for empty details may have to appear or disappear.
    virtual void CheckTabsForEmptyDetails();

    // ---- focus ----
    bool HoldsFocus() const override;
    bool IsControlFocused() const { return controlFocused_; }
    void SetControlFocused(bool value);
    void FocusNextControl(bool goForward);

    // ---- notifications ----
    void RegisterNotificationReceiver(IcxGridNotificationReceiver* receiver);
    void UnregisterNotificationReceiver(IcxGridNotificationReceiver* receiver);
    bool SendNotifications(TcxGridNotificationKind kind, TObject* data = nullptr);

    // ---- navigator: every request goes to the focused view ----
    TcxNavigatorControlNotifier* GetNavigatorNotifier() const { return navigatorNotifier_.get(); }
    void RefreshNavigator() { navigatorNotifier_->RefreshNavigatorButtons(); }
    bool CanAppend() override;
    bool CanDelete() override;
    bool CanEdit() override;
    bool CanInsert() override;
    bool IsActive() override;
    bool IsBof() override;
    bool IsBookmarkAvailable() override;
    bool IsEditing() override;
    bool IsEof() override;
    void ClearBookmark() override;
    void DoAction(int buttonIndex) override;

    // Relayout of the grid's own surface (the level tabs and the sites' bounds), then a repaint.
    virtual void CalculateLayout();
    TCursor GetCursorAt(int x, int y) const override;

    TcxGridActiveTabChangedEvent OnActiveTabChanged;
    TcxGridFocusedViewChangedEvent OnFocusedViewChanged;
    TcxGridLayoutChangedEvent OnLayoutChanged;

  protected:
    friend class TcxGridLevel;
    friend class TcxGridLayoutChange;
    virtual void DoActiveTabChanged(TcxGridLevel* level);
    virtual void DoLayoutChanged(TcxCustomGridView* gridView);
    virtual void DoFocusedViewChanged(TcxCustomGridView* prevView, TcxCustomGridView* view);
    virtual const TMetaClass* GetRootLevelClass() const;
    virtual void CreateHandlers();
    virtual void DestroyHandlers();
    virtual const TMetaClass* GetControllerClass() const;
    virtual const TMetaClass* GetLevelTabsClass() const;
    virtual const TMetaClass* GetPainterClass() const;
    virtual const TMetaClass* GetViewInfoClass() const;

    void AddChildComponent(TcxControlChildComponent* component) override;
    void RemoveChildComponent(TcxControlChildComponent* component) override;
    bool WantsFocus() const override { return false; }
    void FocusStateChanged() override;
    void GeometryChanged() override;
    void HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    void AbortMouseActions() override;
    bool HandlesDesignTimeMouse(int x, int y, TShiftState shift) const override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DoStartDrag(TDragObject*& dragObject) override;
    void DoEndDrag(TObject* target, int x, int y) override;
    void CMDialogChar(TMessage& m) override;

  private:
    void SetRootLevel(TcxGridLevel* level);
    void RunChange(TcxCustomGridChange* change);
    void ProcessChanges();
    void DropCoveredChanges(std::vector<std::unique_ptr<TcxCustomGridChange>>& work);
    TcxCustomGridView* FindFocusableView() const;
    IcxNavigator* GetFocusedViewNavigator() const;

    TcxGridLevel* activeLevel_ = nullptr;
    std::unique_ptr<TcxGridController> controller_;
    std::unique_ptr<TcxGridLevelTabs> levelTabs_;
    std::unique_ptr<TcxGridPainter> painter_;
    std::unique_ptr<TcxGridViewInfo> viewInfo_;
    std::vector<TcxCustomGridChange*> changes_; // owned
    bool dragOpening_ = true;
    int dragOpeningWaitTime_ = 800;
    TcxCustomGridView* focusedView_ = nullptr;
    bool controlFocused_ = false;
    TcxGridRootLevel* rootLevel_ = nullptr; // owned
    std::unique_ptr<TcxNavigatorControlNotifier> navigatorNotifier_;
    std::vector<IcxGridNotificationReceiver*> notificationReceivers_;
    bool tabStop_ = true;
    int updateLockCount_ = 0;
    std::vector<TcxCustomGridView*> views_; // freed by the grid
};

class TcxGrid : public TcxCustomGrid {
    ZORVY_CLASS(TcxGrid, TcxCustomGrid)
  public:
    using TcxCustomGrid::TcxCustomGrid;
};

} // namespace zorvy
