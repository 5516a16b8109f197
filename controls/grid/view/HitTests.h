#pragma once
// What lies under a point of the grid: one hit-test object per class for the whole program, handed
// out by TcxCustomGridHitTest::GetInstance and valid until the next request of the same class. A
// cell that answers a hit test links itself to it; freeing either side unlinks the other.
#include "platform/classlib/Controls.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Components.h"

namespace zorvy {

class TcxCustomGridCellViewInfo;
class TcxCustomGridView;
class TcxGridLevel;

// The hit-test codes of this framework; the table views use 101 and above.
enum : int {
    htNone = 0,
    htNavigator = 1,
    htCustomizationForm = 2,
    htDesignSelector = 3,
    htTab = 50,
};

class TcxCustomGridHitTest : public TObject {
    ZORVY_CLASS(TcxCustomGridHitTest, TObject)
  public:
    TcxCustomGridHitTest() = default;
    // Unlinks the cell that produced it.
    ~TcxCustomGridHitTest() override;

    // The program's object of hitTestClass (made on the first request), with Pos = p.
    static TcxCustomGridHitTest* GetInstance(const TMetaClass* hitTestClass, TPoint p);
    template <class T> static T* Instance(TPoint p) { return static_cast<T*>(GetInstance(T::StaticClass(), p)); }

    TPoint Pos{}; // site client coordinates
    TcxCustomGridCellViewInfo* GetViewInfo() const { return viewInfo_; }
    void SetViewInfo(TcxCustomGridCellViewInfo* value);

    virtual int GetHitTestCode() const { return -1; }
    virtual TCursor GetCursor() const { return crDefault; }
    // The class of the drag object a left press on it starts (nil: none).
    virtual const TMetaClass* GetDragAndDropObjectClass() const { return nullptr; }

  private:
    friend class TcxCustomGridCellViewInfo;
    TcxCustomGridCellViewInfo* viewInfo_ = nullptr;
};

// A point that belongs to one view.
class TcxCustomGridViewHitTest : public TcxCustomGridHitTest {
    ZORVY_CLASS(TcxCustomGridViewHitTest, TcxCustomGridHitTest)
  public:
    TcxCustomGridView* GetGridView() const { return gridView_; }
    void SetGridView(TcxCustomGridView* value) { gridView_ = value; }

  private:
    TcxCustomGridView* gridView_ = nullptr;
};

// A point on nothing of the grid.
class TcxGridNoneHitTest : public TcxCustomGridHitTest {
    ZORVY_CLASS(TcxGridNoneHitTest, TcxCustomGridHitTest)
  public:
    int GetHitTestCode() const override { return htNone; }
};

// A point in a view but on none of its cells.
class TcxGridViewNoneHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridViewNoneHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htNone; }
};

class TcxGridNavigatorHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridNavigatorHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htNavigator; }
};

// A point (in screen terms) on the view's open customization form.
class TcxGridCustomizationFormHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridCustomizationFormHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htCustomizationForm; }
};

class TcxGridDesignSelectorHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridDesignSelectorHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htDesignSelector; }
    TCursor GetCursor() const override;
};

// A level tab of a details site; its owner is the grid control for the top site, the master record
// for a master row's site.
class TcxGridDetailsSiteTabHitTest : public TcxCustomGridHitTest {
    ZORVY_CLASS(TcxGridDetailsSiteTabHitTest, TcxCustomGridHitTest)
  public:
    int GetHitTestCode() const override { return htTab; }
    TcxGridLevel* GetLevel() const { return level_; }
    void SetLevel(TcxGridLevel* value) { level_ = value; }
    TObject* GetOwner() const { return owner_; }
    void SetOwner(TObject* value) { owner_ = value; }

  private:
    TcxGridLevel* level_ = nullptr;
    TObject* owner_ = nullptr;
};

// Frees every cached hit test (the grid units' finalization).
void FinalizeGridHitTests();

} // namespace zorvy
