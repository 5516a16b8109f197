#pragma once
// TcxCustomGridView: the abstract view a grid level shows. A non-visual child component of the grid
// that owns its handlers (controller, data controller, painter, view data, view info, an optional
// view-info cache), its option groups and its styles, each made through an overridable class
// factory; it locks updates, posts its changes to the grid's queue, and keeps pattern views and
// their clones (one per expanded master record) in step. A concrete view names its controller,
// data controller, painter, view data and view info classes.
//
// Create views with TcxControlChildComponent::CreateForControl (or CreateClone): the handlers and
// options are made in InitializeInstance, once the most derived class answers its factories.
#include "controls/foundation/control/Control.h"
#include "controls/grid/view/ViewHandlers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomGrid;
class TcxCustomGridChange;
class TcxGridLevel;
class TcxCustomGridOptions;
class TcxCustomGridOptionsBehavior;
class TcxCustomGridOptionsData;
class TcxCustomGridOptionsSelection;
class TcxCustomGridOptionsView;
class TcxCustomGridBackgroundBitmaps;
class TcxCustomGridViewStyles;
class TcxCustomGridView;
class TStrings;
class TStringList;
class Variant;

// Makes a data controller owned by the view (the data controller's class reference).
using TcxDataControllerClass = TcxCustomDataController* (*)(TComponent* owner);
template <class T> TcxDataControllerClass DataControllerClassOf() {
    return [](TComponent* owner) -> TcxCustomDataController* { return new T(owner); };
}

// The kinds of TcxCustomGridView::Changed.
enum TcxGridViewChangeKind { vckProperty = 0, vckLayout = 1, vckSize = 2 };

// Survives its view: GetGridView answers nil once the view is gone.
class TcxGridListenerLink {
  public:
    explicit TcxGridListenerLink(TcxCustomGridView* gridView) : gridView_(gridView) {}
    // Unregisters from the view when it still exists.
    ~TcxGridListenerLink();
    TcxCustomGridView* GetGridView() const { return gridView_; }

  private:
    friend class TcxCustomGridView;
    TcxCustomGridView* gridView_;
};

using TcxGridViewGetStoredPropertiesEvent = std::function<void(TcxCustomGridView* sender, TStrings* properties)>;
using TcxGridViewGetStoredPropertyValueEvent =
    std::function<void(TcxCustomGridView* sender, const std::string& name, Variant& value)>;
using TcxGridViewSetStoredPropertyValueEvent =
    std::function<void(TcxCustomGridView* sender, const std::string& name, const Variant& value)>;
using TcxGridInitStoredObjectEvent = std::function<void(TcxCustomGridView* sender, TObject* object)>;

// The stored-layout interfaces of a view.
class IcxGridStoredObject {
  public:
    virtual ~IcxGridStoredObject() = default;
    virtual std::string GetStoredObjectName() const = 0;
    virtual bool GetStoredProperties(TStrings* properties) = 0;
    virtual void GetStoredPropertyValue(const std::string& name, Variant& value) = 0;
    virtual void SetStoredPropertyValue(const std::string& name, const Variant& value) = 0;
};

class IcxGridStoredParent {
  public:
    virtual ~IcxGridStoredParent() = default;
    virtual TObject* CreateChild(const std::string& objectName, const std::string& className) = 0;
    virtual void DeleteChild(const std::string& objectName, TObject* object) = 0;
    virtual void ListChildren(TStringList* children) = 0;
};

class IcxGridLayoutEditorSupport {
  public:
    virtual ~IcxGridLayoutEditorSupport() = default;
    virtual void BeforeEditLayout(TcxCustomGridView* layoutView) = 0;
    virtual void AssignLayoutFrom(TcxCustomGridView* layoutView) = 0;
    virtual std::string GetLayoutCaption() const = 0;
    virtual bool HasLayoutEditor() const = 0;
    virtual bool CanChangeLayout() const = 0;
    virtual void ShowLayoutEditor() = 0;
};

class TcxCustomGridView : public TcxControlChildComponent,
                          public IcxGridStoredObject,
                          public IcxGridStoredParent,
                          public IcxGridLayoutEditorSupport {
    ZORVY_CLASS(TcxCustomGridView, TcxControlChildComponent)
  public:
    explicit TcxCustomGridView(TComponent* owner);
    ~TcxCustomGridView() override;
    void Assign(TPersistent* source) override;
    void Loaded() override;
    // Every option object hears of it too.
    void Notification(TComponent* component, TOperation operation) override;

    // ---- handlers, options, styles ----
    TcxCustomGrid* GetGrid() const;
    TcxCustomGridController* GetController() const { return controller_.get(); }
    TcxCustomDataController* GetDataController() const { return dataController_.get(); }
    TcxCustomGridPainter* GetPainter() const { return painter_.get(); }
    TcxCustomGridViewData* GetViewData() const { return viewData_.get(); }
    TcxCustomGridViewInfo* GetViewInfo() const { return viewInfo_.get(); }
    TcxCustomGridViewInfoCache* GetViewInfoCache() const { return viewInfoCache_.get(); }
    TcxControl* GetSite() const;
    TcxCustomGridBackgroundBitmaps* GetBackgroundBitmaps() const { return backgroundBitmaps_.get(); }
    TcxCustomGridOptionsBehavior* GetOptionsBehavior() const { return optionsBehavior_.get(); }
    TcxCustomGridOptionsData* GetOptionsData() const { return optionsData_.get(); }
    TcxCustomGridOptionsSelection* GetOptionsSelection() const { return optionsSelection_.get(); }
    TcxCustomGridOptionsView* GetOptionsView() const { return optionsView_.get(); }
    TcxCustomGridViewStyles* GetStyles() const { return styles_.get(); }
    int GetOptionsCount() const { return static_cast<int>(optionsList_.size()); }
    TcxLookAndFeel* GetLookAndFeel() const;
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;

    // ---- published ----
    TDragMode GetDragMode() const;
    void SetDragMode(TDragMode value);
    TComponent* GetPopupMenu() const;
    void SetPopupMenu(TComponent* value);
    // A clone reads its pattern's value; only a pattern's setter acts.
    bool GetSynchronization() const;
    void SetSynchronization(bool value);
    const TNotifyEvent& GetOnCustomization() const { return onCustomization_; }
    void SetOnCustomization(TNotifyEvent value);
    const TcxGridViewGetStoredPropertiesEvent& GetOnGetStoredProperties() const { return onGetStoredProperties_; }
    void SetOnGetStoredProperties(TcxGridViewGetStoredPropertiesEvent value);
    const TcxGridViewGetStoredPropertyValueEvent& GetOnGetStoredPropertyValue() const {
        return onGetStoredPropertyValue_;
    }
    void SetOnGetStoredPropertyValue(TcxGridViewGetStoredPropertyValueEvent value);
    const TcxGridInitStoredObjectEvent& GetOnInitStoredObject() const { return onInitStoredObject_; }
    void SetOnInitStoredObject(TcxGridInitStoredObjectEvent value);
    const TcxGridViewSetStoredPropertyValueEvent& GetOnSetStoredPropertyValue() const {
        return onSetStoredPropertyValue_;
    }
    void SetOnSetStoredPropertyValue(TcxGridViewSetStoredPropertyValueEvent value);
    const std::string& GetStoringName() const { return storingName_; }
    void SetStoringName(const std::string& value) { storingName_ = value; }
    int GetStoredVersion() const { return storedVersion_; }

    // ---- update lock and changes ----
    void BeginUpdate();
    void EndUpdate();
    // As EndUpdate, but a pending synchronization is dropped and the grid's queue discarded.
    void EndUpdateWithoutSynchronization();
    bool IsUpdateLocked() const { return lockCount_ > 0; }
    // Kind 0: settings propagate; 1 relayout; 2 resize. While the data is locked the strongest
    // kind asked for waits and is carried out when the data tells of its changes.
    void Changed(TcxGridViewChangeKind kind);
    void LayoutChanged(bool updateWhole = true);
    void SizeChanged(bool updateWhole = false, bool keepMaster = false);
    void Invalidate();
    void InvalidateRect(const TRect& r);
    // False when the change was refused; a change asked for during a layout pass waits for the
    // pass to end.
    bool AddChange(TcxCustomGridChange* change);
    // On a pattern, each clone; else a relayout (hard) or a repaint.
    void ChangedInClones(bool hard);

    // ---- roles ----
    bool IsPattern() const;
    bool IsDetail() const;
    bool IsMaster() const;
    TcxCustomGridView* GetMasterGridView() const;
    int GetMasterRecordIndex() const;
    int GetMasterGridRecordIndex() const;
    bool HasAsMaster(const TcxCustomGridView* view) const;
    TcxGridLevel* GetLevel() const { return level_; }
    bool IsBeingDestroyed() const override;
    bool GetVisible() const { return DoGetVisible(); }

    // ---- focus ----
    bool IsFocusedView() const;
    bool IsControlFocused() const;
    void SetFocused(bool value);

    // ---- patterns and clones ----
    TcxCustomGridView* GetPatternGridView() const { return patternGridView_ ? patternGridView_ : const_cast<TcxCustomGridView*>(this); }
    int GetCloneCount() const { return static_cast<int>(clones_.size()); }
    TcxCustomGridView* GetClone(int index) const { return clones_.at(static_cast<size_t>(index)); }
    void AddClone(TcxCustomGridView* clone);
    void RemoveClone(TcxCustomGridView* clone);
    bool HasClone(const TcxCustomGridView* clone) const;
    // A clone of this class for the grid, owned by the grid's owner and never stored.
    TcxCustomGridView* CreateClone(TcxCustomGrid* control) const;
    void AssignPattern(TcxCustomGridView* source);
    void SynchronizeViews(bool postponeWhenLocked);
    void SynchronizeFrom(TcxCustomGridView* source);
    // Before a clone that deferred its settings is shown.
    void ApplyPendingSynchronization();
    bool IsSynchronizationEnabled() const;
    bool IsSynchronizationAssignNeeded() const { return synchronizationAssignNeeded_; }

    TcxGridListenerLink* CreateListenerLink();
    void ControllerUpdate();

    // ---- stored layout ----
    std::string GetStoredObjectName() const override;
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;
    TObject* CreateChild(const std::string& objectName, const std::string& className) override;
    void DeleteChild(const std::string& objectName, TObject* object) override;
    void ListChildren(TStringList* children) override;
    void BeforeEditLayout(TcxCustomGridView* layoutView) override { PrepareLayoutView(layoutView); }
    void AssignLayoutFrom(TcxCustomGridView* layoutView) override;
    std::string GetLayoutCaption() const override { return GetLayoutCustomizationCaption(); }
    bool HasLayoutEditor() const override { return HasLayoutCustomization(); }
    bool CanChangeLayout() const override { return IsLayoutChangeable(); }
    void ShowLayoutEditor() override { ShowLayoutCustomization(); }

    // ---- virtual operations ----
    virtual void AssignDataController(TcxCustomGridView* source);
    virtual void AssignAll(TcxCustomGridView* source) { Assign(source); }
    virtual void AssignDataControllerSettings(TcxCustomGridView* source) { AssignDataController(source); }
    virtual void BeforeRestoring() {}
    virtual void AfterRestoring() { UpdateAfterRestoring(); }
    virtual bool GetVisibleInLevels() const;
    virtual bool GetControlTabStop() const;
    virtual void DetailDataChanged(TcxCustomGridView* /*detail*/) {}
    virtual void DoDataChanged(TcxGridLevel* /*level*/, int /*oldVisibleCount*/, int /*newVisibleCount*/) {}
    virtual bool CanCalculateLayout() const;
    virtual bool CalculateVisible(bool levelVisible) const;
    virtual bool GetControlFocused() const;
    virtual bool IsLayoutSizeDependent() const { return false; }
    virtual bool IsDetailVisible(TcxCustomGridView* /*detail*/) const { return false; }
    virtual void FocusChanged(bool focused);
    virtual void LookAndFeelChanged();
    virtual void SetLevel(TcxGridLevel* level);
    virtual void UpdateSiteTabStop(bool value);
    virtual void DataChanged(TObject* sender);
    virtual void DoCustomization();
    virtual void DoInitStoredObject(TObject* object);
    virtual void ResetToDefaults() {}
    virtual void LayoutOrSizeChanged(bool updateWhole, bool keepMaster);
    void AssignControl(TcxControl* control) override;
    // A clone: never written to a form stream.
    bool IsTransient() const { return transient_; }

  protected:
    friend class TcxCustomGridViewInfo;
    friend class TcxGridListenerLink;
    friend class TcxCustomGridOptions;
    void InitializeInstance() override;

    virtual std::string GetLayoutCustomizationCaption() const { return {}; }
    virtual bool HasLayoutCustomization() const { return false; }
    virtual bool IsLayoutChangeable() const { return true; }
    virtual void ShowLayoutCustomization();
    virtual void PrepareLayoutView(TcxCustomGridView* /*layoutView*/) {}
    virtual void AssignLayout(TcxCustomGridView* /*layoutView*/) {}
    virtual TComponent* CreateStoredChild(const std::string& /*objectName*/, const std::string& /*className*/) {
        return nullptr;
    }
    virtual void DeleteStoredChild(const std::string& objectName, TObject* object);
    virtual void GetStoredChildren(TStringList* /*children*/) {}
    virtual void CreateHandlers();
    virtual void DestroyHandlers();
    virtual void HookDataControllerEvents();
    virtual void CreateOptions();
    virtual void DestroyOptions();
    virtual void DoAssign(TcxCustomGridView* source);
    virtual bool DoGetVisible() const;
    virtual void AfterLoaded() {}
    virtual void LoadedLayoutChanged() { SizeChanged(false, false); }
    virtual void UpdateAfterRestoring() {}
    virtual void DoChanged(TcxGridViewChangeKind kind);

    // Class factories: the five abstract ones are every concrete view's.
    virtual const TMetaClass* GetControllerClass() const = 0;
    virtual TcxDataControllerClass GetDataControllerClass() const = 0;
    virtual const TMetaClass* GetPainterClass() const = 0;
    virtual const TMetaClass* GetViewDataClass() const = 0;
    virtual const TMetaClass* GetViewInfoCacheClass() const { return nullptr; }
    virtual const TMetaClass* GetViewInfoClass() const = 0;
    virtual const TMetaClass* GetBackgroundBitmapsClass() const;
    virtual const TMetaClass* GetOptionsBehaviorClass() const;
    virtual const TMetaClass* GetOptionsDataClass() const;
    virtual const TMetaClass* GetOptionsSelectionClass() const;
    virtual const TMetaClass* GetOptionsViewClass() const;
    virtual const TMetaClass* GetStylesClass() const;

  private:
    void AddOptions(TcxCustomGridOptions* options) { optionsList_.push_back(options); }
    void RemoveOptions(TcxCustomGridOptions* options);
    void RemoveListenerLink(TcxGridListenerLink* link);
    void FlushPendingChange();
    void PostChange(TcxGridViewChangeKind kind);
    // The calculation of the view info ended.
    void LayoutPassEnded();

    bool assigningPattern_ = false;
    std::unique_ptr<TcxCustomGridBackgroundBitmaps> backgroundBitmaps_;
    std::vector<TcxCustomGridView*> clones_;
    std::unique_ptr<TcxCustomGridController> controller_;
    bool synchronizing_ = false;
    TcxGridLevel* level_ = nullptr;
    std::vector<TcxGridListenerLink*> listenerLinks_;
    std::vector<TcxCustomGridOptions*> optionsList_;
    std::unique_ptr<TcxCustomGridOptionsBehavior> optionsBehavior_;
    std::unique_ptr<TcxCustomGridOptionsData> optionsData_;
    std::unique_ptr<TcxCustomGridOptionsSelection> optionsSelection_;
    std::unique_ptr<TcxCustomGridOptionsView> optionsView_;
    std::unique_ptr<TcxCustomGridPainter> painter_;
    TcxCustomGridView* patternGridView_ = nullptr;
    TcxControl* storageControl_ = nullptr;
    int storedVersion_ = 0;
    std::string storingName_;
    std::unique_ptr<TcxCustomGridViewStyles> styles_;
    bool synchronization_ = true;
    bool synchronizationAssignNeeded_ = false;
    bool synchronizationNeeded_ = false;
    int lockCount_ = 0;
    std::unique_ptr<TcxCustomGridViewData> viewData_;
    std::unique_ptr<TcxCustomGridViewInfo> viewInfo_;
    std::unique_ptr<TcxCustomGridViewInfoCache> viewInfoCache_;
    TNotifyEvent onCustomization_;
    TcxGridViewGetStoredPropertiesEvent onGetStoredProperties_;
    TcxGridViewGetStoredPropertyValueEvent onGetStoredPropertyValue_;
    TcxGridInitStoredObjectEvent onInitStoredObject_;
    TcxGridViewSetStoredPropertyValueEvent onSetStoredPropertyValue_;
    std::unique_ptr<TcxCustomDataController> dataController_;
    bool initialized_ = false;
    int pendingChangeKind_ = -1; // the strongest change asked for while it could not run
    bool transient_ = false;
};

// The protected operations other grid units call.
class TcxCustomGridViewAccess {
  public:
    static bool GetVisibleInLevels(const TcxCustomGridView* view) { return view->GetVisibleInLevels(); }
    static void FocusChanged(TcxCustomGridView* view, bool focused) { view->FocusChanged(focused); }
    static void LookAndFeelChanged(TcxCustomGridView* view) { view->LookAndFeelChanged(); }
    static bool CanCalculateLayout(const TcxCustomGridView* view) { return view->CanCalculateLayout(); }
};

} // namespace zorvy
