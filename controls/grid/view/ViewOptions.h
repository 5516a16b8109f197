#pragma once
// The settings objects every view owns: its option groups (behaviour, data, selection, view), its
// background bitmaps (own bitmaps that fall back to the styles' bitmaps) and its style set. The
// table views add their own properties on top.
#include "controls/foundation/classes/Classes.h"
#include "controls/grid/styles/Styles.h"
#include "platform/classlib/ControlTypes.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomGridView;
class TcxCustomLookAndFeelPainter;

class TcxCustomGridOptions : public TcxInterfacedPersistent {
    ZORVY_CLASS(TcxCustomGridOptions, TcxInterfacedPersistent)
  public:
    using TCreateOwner = TcxCustomGridView;
    // Joins the view's options list.
    explicit TcxCustomGridOptions(TcxCustomGridView* gridView);
    ~TcxCustomGridOptions() override;
    void Assign(TPersistent* source) override;

    // The view's Changed with the kind (0 repaint, 1 layout, 2 size).
    virtual void Changed(int changeKind);
    virtual TcxCustomGridView* GetGridView() const { return gridView_; }
    // The view passes every component notification on; nothing here.
    virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;

  private:
    TcxCustomGridView* gridView_;
};

class TcxCustomGridOptionsBehavior : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridOptionsBehavior, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;
    // A clone answers its pattern's value.
    bool GetPostponedSynchronization() const;
    void SetPostponedSynchronization(bool value) { postponedSynchronization_ = value; }

  private:
    bool postponedSynchronization_ = true;
};

class TcxCustomGridOptionsData : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridOptionsData, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
};

class TcxCustomGridOptionsSelection : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridOptionsSelection, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
};

class TcxCustomGridOptionsView : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridOptionsView, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;
    // Kept by the view's site (ssBoth without a site).
    TScrollStyle GetScrollBars() const;
    void SetScrollBars(TScrollStyle value);
};

class TcxCustomGridBackgroundBitmaps : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxCustomGridBackgroundBitmaps, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    ~TcxCustomGridBackgroundBitmaps() override;
    void Assign(TPersistent* source) override;

    // The own bitmap of the index, made empty on first use; any change of it relays the view out.
    TBitmap* GetValue(int index);
    // Copies the picture into the index's own bitmap.
    void SetValue(int index, TBitmap* value);
    TBitmap* GetBackground() { return GetValue(0); }
    void SetBackground(TBitmap* value) { SetValue(0, value); }

    // The view style index behind a bitmap index (-1: none).
    virtual int GetBitmapStyleIndex(int index) const { return index == 0 ? 0 : -1; }
    virtual TBitmap* GetStyleBitmap(int index) const;
    // The own bitmap when not empty, else the style's.
    virtual TBitmap* GetBitmap(int index);

  private:
    std::vector<std::unique_ptr<TBitmap>> bitmaps_;
};

// The style set of a view or of one of its items.
class TcxCustomGridStyles : public TcxStyles {
    ZORVY_CLASS(TcxCustomGridStyles, TcxStyles)
  public:
    explicit TcxCustomGridStyles(TPersistent* owner) : TcxStyles(owner) {}
    virtual TcxCustomGridView* GetGridView() const = 0;
    const TcxCustomLookAndFeelPainter* GetLookAndFeelPainter() const;
    // The repositories of its styles other than the view's owner, each once.
    virtual void CollectLinkedComponents(TList* list) const;

  protected:
    // A changed style makes the view measure its sizes again.
    void HandleStyleChange(int index) override;
    // The font is the grid's, or the canvas font of a view without a grid.
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;
};

enum TcxGridViewStyleIndex { vsBackground = 0 };

class TcxCustomGridViewStyles : public TcxCustomGridStyles {
    ZORVY_CLASS(TcxCustomGridViewStyles, TcxCustomGridStyles)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxCustomGridViewStyles(TcxCustomGridView* gridView);
    void Assign(TPersistent* source) override;
    TcxCustomGridView* GetGridView() const override;
    TcxStyle* GetBackground() const { return dynamic_cast<TcxStyle*>(GetStyle(vsBackground)); }
    void SetBackground(TcxStyle* value) { SetStyle(vsBackground, value); }

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;
};

} // namespace zorvy
