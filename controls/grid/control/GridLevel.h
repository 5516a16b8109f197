#pragma once
// Levels: the tree under a grid's hidden root. A top level (a child of the root) is shown as a tab
// of the grid; a deeper level is a detail whose view is a pattern, cloned once per expanded master
// record. A master view keeps one data relation per child level in its data controller; this unit
// keeps those relations in step with the tree, the level's options and styles, and makes the clones.
#include "controls/grid/styles/Styles.h"
#include "platform/rtl/Components.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomGrid;
class TcxCustomGridView;
class TcxCustomDataRelation;
class TcxGridLevel;

// A grid record of a master view; defined with the table views.
class TcxCustomGridRecord;

enum TcxGridDetailTabsPosition { dtpNone = 0, dtpLeft = 1, dtpTop = 2 };

class TcxGridLevelOptions : public TPersistent {
    ZORVY_CLASS(TcxGridLevelOptions, TPersistent)
  public:
    using TCreateOwner = TcxGridLevel;
    explicit TcxGridLevelOptions(TcxGridLevel* level) : level_(level) {}
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    TColor GetDetailFrameColor() const { return detailFrameColor_; }
    void SetDetailFrameColor(TColor value);
    // DetailFrameColor, or the painter's default for clDefault.
    TColor GetEffectiveDetailFrameColor() const;
    int GetDetailFrameWidth() const { return detailFrameWidth_; }
    // Negative values are 0.
    void SetDetailFrameWidth(int value);
    TcxGridDetailTabsPosition GetDetailTabsPosition() const { return detailTabsPosition_; }
    void SetDetailTabsPosition(TcxGridDetailTabsPosition value);
    bool GetTabsForEmptyDetails() const { return tabsForEmptyDetails_; }
    void SetTabsForEmptyDetails(bool value);
    TcxGridLevel* GetLevel() const { return level_; }

  protected:
    TColor detailFrameColor_ = clDefault;
    int detailFrameWidth_ = 1;
    TcxGridDetailTabsPosition detailTabsPosition_ = dtpNone;
    TcxGridLevel* level_;
    bool tabsForEmptyDetails_ = true;
};

// The root level's options: no frame by default.
class TcxGridRootLevelOptions : public TcxGridLevelOptions {
    ZORVY_CLASS(TcxGridRootLevelOptions, TcxGridLevelOptions)
  public:
    explicit TcxGridRootLevelOptions(TcxGridLevel* level) : TcxGridLevelOptions(level) { detailFrameWidth_ = 0; }
};

enum TcxGridLevelStyleIndex { lsTab = 0, lsTabsBackground = 1 };

class TcxGridLevelStyles : public TcxStyles {
    ZORVY_CLASS(TcxGridLevelStyles, TcxStyles)
  public:
    using TCreateOwner = TcxGridLevel;
    using TcxGridLevelGetOwnTabStyleEvent =
        std::function<void(TcxGridLevel* sender, TcxCustomGridRecord* masterRecord, TcxStyle*& style)>;
    using TcxGridLevelGetTabStyleEvent =
        std::function<void(TcxGridLevel* sender, TcxGridLevel* tabLevel, TcxStyle*& style)>;

    explicit TcxGridLevelStyles(TcxGridLevel* level);
    void Assign(TPersistent* source) override;
    TcxGridLevel* GetLevel() const;

    TcxStyle* GetTab() const { return dynamic_cast<TcxStyle*>(GetStyle(lsTab)); }
    void SetTab(TcxStyle* value) { SetStyle(lsTab, value); }
    TcxStyle* GetTabsBackground() const { return dynamic_cast<TcxStyle*>(GetStyle(lsTabsBackground)); }
    void SetTabsBackground(TcxStyle* value) { SetStyle(lsTabsBackground, value); }

    virtual void DoGetOwnTabStyle(TcxCustomGridRecord* masterRecord, TcxStyle*& style);
    // The values the tab of the child level tabLevel is painted with inside this level's details site.
    virtual void GetTabParams(TcxCustomGridRecord* masterRecord, TcxGridLevel* tabLevel, TcxPartParams& params);

    TcxGridLevelGetOwnTabStyleEvent OnGetOwnTabStyle;
    TcxGridLevelGetTabStyleEvent OnGetTabStyle;

  protected:
    void HandleStyleChange(int index) override;
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;
};

using TcxGridLevelGetGridViewEvent =
    std::function<void(TcxGridLevel* sender, TcxCustomGridRecord* masterRecord, TcxCustomGridView*& gridView)>;

class TcxGridLevel : public TcxComponent {
    ZORVY_CLASS(TcxGridLevel, TcxComponent)
  public:
    explicit TcxGridLevel(TComponent* owner);
    ~TcxGridLevel() override;

    // ---- published ----
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    TcxCustomGridView* GetGridView() const { return gridView_; }
    void SetGridView(TcxCustomGridView* value);
    int GetImageIndex() const { return imageIndex_; }
    // Below -1 is -1.
    void SetImageIndex(int value);
    int GetMaxDetailHeight() const { return maxDetailHeight_; }
    // Negative values are 0.
    void SetMaxDetailHeight(int value);
    TcxGridLevelOptions* GetOptions() const { return options_.get(); }
    TcxGridLevelStyles* GetStyles() const { return styles_.get(); }
    void SetStyles(TcxGridLevelStyles* value) { styles_->Assign(value); }
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    TcxGridLevelGetGridViewEvent OnGetGridView;

    // ---- tree ----
    TcxCustomGrid* GetControl() const { return control_; }
    TcxGridLevel* GetParent() const { return parent_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxGridLevel* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    int GetIndex() const;
    int GetVisibleCount() const { return static_cast<int>(visibleItems_.size()); }
    TcxGridLevel* GetVisibleItem(int index) const { return visibleItems_.at(static_cast<size_t>(index)); }
    int GetVisibleIndex() const;
    bool HasVisibleItems() const { return !visibleItems_.empty(); }
    TcxGridLevel* GetFirstVisibleItem() const;
    bool IsRoot() const;
    bool IsTop() const;
    bool IsActive() const;
    bool IsVisibleInTree() const;
    bool AreParentsVisible() const;
    void Add(TcxGridLevel* child);
    void Remove(TcxGridLevel* child);
    // The index is clamped to the children.
    void SetChildIndex(TcxGridLevel* child, int index);
    // Only a top level can become active; false makes the root's first visible child active.
    void SetActive(bool value);
    TcxCustomDataRelation* GetDataRelation() const { return dataRelation_; }

    // Component tree of a stored form.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* value);

    // ---- virtual operations ----
    // The detail (clone) view of one master record, nil when none is shown; the caller owns it.
    virtual TcxCustomGridView* CreateDetailView(TcxCustomDataRelation* relation, int masterRecordIndex);
    // Relayout of the grid: a size change when hard, else a layout change.
    virtual void Changed(bool hardChange);
    // Clamps a detail height to 0 .. MaxDetailHeight (no upper bound for 0).
    virtual void CheckHeight(int& height) const;
    // Caption without accelerator marks.
    virtual std::string GetDisplayCaption() const;
    virtual const TMetaClass* GetLevelClass() const { return TcxGridLevel::StaticClass(); }

  protected:
    friend class TcxCustomGrid;
    virtual const TMetaClass* GetOptionsClass() const { return TcxGridLevelOptions::StaticClass(); }
    virtual const TMetaClass* GetStylesClass() const { return TcxGridLevelStyles::StaticClass(); }
    virtual void VisibleChildrenChanged(TcxGridLevel* child);
    // Descendant constructors recreate options and styles of their own classes through this.
    void CreateOptionsAndStyles();

  private:
    void SetControl(TcxCustomGrid* control);
    void RebuildVisibleItems();
    void CreateRelation(TcxGridLevel* child);
    void FreeRelation(TcxGridLevel* child);
    void ApplyRelation(bool active, bool isPattern);

    std::string caption_;
    TcxCustomGrid* control_ = nullptr;
    TcxCustomDataRelation* dataRelation_ = nullptr;
    TcxCustomGridView* gridView_ = nullptr;
    int imageIndex_ = -1;
    std::vector<TcxGridLevel*> items_;
    int maxDetailHeight_ = 0;
    std::unique_ptr<TcxGridLevelOptions> options_;
    TcxGridLevel* parent_ = nullptr;
    std::unique_ptr<TcxGridLevelStyles> styles_;
    bool visible_ = true;
    std::vector<TcxGridLevel*> visibleItems_;
};

class TcxGridRootLevel : public TcxGridLevel {
    ZORVY_CLASS(TcxGridRootLevel, TcxGridLevel)
  public:
    explicit TcxGridRootLevel(TComponent* owner);

  protected:
    const TMetaClass* GetOptionsClass() const override { return TcxGridRootLevelOptions::StaticClass(); }
};

} // namespace zorvy
