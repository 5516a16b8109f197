#pragma once
// The change objects a grid queues while it is update-locked: each says what must be redone (a
// relayout, a resize, a repaint of part of a view) and which queued changes make it unnecessary,
// so that many requests made during one operation collapse into few layout passes.
#include "controls/foundation/graphics/Region.h"
#include "platform/rtl/Components.h"

#include <cstddef>
#include <memory>

namespace zorvy {

class TcxCustomGrid;
class TcxCustomGridView;

class TcxCustomGridChange : public TObject {
    ZORVY_CLASS(TcxCustomGridChange, TObject)
  public:
    // The grid that runs the change: set just before it runs, nil for a change run without one.
    TcxCustomGrid* GetControl() const { return control_; }
    void SetControl(TcxCustomGrid* value) { control_ = value; }

    // Whether it may run inside the batch lock of a queue run.
    virtual bool CanRunLocked() const { return true; }
    virtual void Execute() = 0;
    // Whether the other queued change does this one's work as well.
    virtual bool IsCoveredBy(const TcxCustomGridChange* /*change*/) const { return false; }
    virtual bool IsMergeable() const { return true; }
    // Same class here; descendants add their fields.
    virtual bool IsSameAs(const TcxCustomGridChange* change) const { return change->ClassType() == ClassType(); }
    virtual bool CanBeQueued() const { return true; }
    // Equal for any two changes that IsSameAs pairs: the queue compares only changes of equal hash,
    // so merging stays linear in the queue's length.
    virtual std::size_t GetMergeHash() const;
    // Whether IsCoveredBy of some change can answer true with this one: the queue tests coverage
    // only against such changes.
    virtual bool CanCoverOthers() const { return true; }

  private:
    TcxCustomGrid* control_ = nullptr;
};

// A change of one view (nil: the whole grid).
class TcxCustomGridViewChange : public TcxCustomGridChange {
    ZORVY_CLASS(TcxCustomGridViewChange, TcxCustomGridChange)
  public:
    explicit TcxCustomGridViewChange(TcxCustomGridView* gridView) : gridView_(gridView) {}
    TcxCustomGridView* GetGridView() const { return gridView_; }
    bool IsSameAs(const TcxCustomGridChange* change) const override;
    std::size_t GetMergeHash() const override;

  private:
    TcxCustomGridView* gridView_;
};

// Lays out the view (or the whole grid) again.
class TcxGridLayoutChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridLayoutChange, TcxCustomGridViewChange)
  public:
    using TcxCustomGridViewChange::TcxCustomGridViewChange;
    void Execute() override;
    bool IsCoveredBy(const TcxCustomGridChange* change) const override;
};

// The view's sizes changed: they are measured again and the masters resize around it.
class TcxGridSizeChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridSizeChange, TcxCustomGridViewChange)
  public:
    TcxGridSizeChange(TcxCustomGridView* gridView, bool keepMaster, bool updateGridViewOnly)
        : TcxCustomGridViewChange(gridView), keepMaster_(keepMaster), updateGridViewOnly_(updateGridViewOnly) {}
    bool GetKeepMaster() const { return keepMaster_; }
    bool GetUpdateGridViewOnly() const { return updateGridViewOnly_; }
    void Execute() override;
    bool IsCoveredBy(const TcxCustomGridChange* change) const override;
    bool IsSameAs(const TcxCustomGridChange* change) const override;

  private:
    bool keepMaster_;
    bool updateGridViewOnly_;
};

// Repaints a rectangle, a region or the whole site of a view.
class TcxGridViewChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridViewChange, TcxCustomGridViewChange)
  public:
    // Keeps a copy of the region (nil for none).
    TcxGridViewChange(TcxCustomGridView* gridView, const TRect& updateBounds, const TcxRegion* updateRegion = nullptr);
    const TRect& GetUpdateBounds() const { return updateBounds_; }
    const TcxRegion* GetUpdateRegion() const { return updateRegion_.get(); }
    void Execute() override;
    bool IsCoveredBy(const TcxCustomGridChange* change) const override;
    bool IsSameAs(const TcxCustomGridChange* change) const override;
    std::size_t GetMergeHash() const override;
    bool CanCoverOthers() const override { return false; }

  private:
    TRect updateBounds_;
    std::unique_ptr<TcxRegion> updateRegion_;
};

// The grid gained or lost the focus: the focused and selected cells repaint in their colours.
class TcxGridControlFocusChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridControlFocusChange, TcxCustomGridViewChange)
  public:
    using TcxCustomGridViewChange::TcxCustomGridViewChange;
    void Execute() override;
};

} // namespace zorvy
