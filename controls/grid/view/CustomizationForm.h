#pragma once
// The view's customization form: a floating tool window, owned by the view's site, holding a page
// control whose pages the table views fill with lists of hidden items; a hook timer hides it while
// the application is minimised and closes it once the view or its site is hidden. The items list
// boxes on those pages start the grid's drag of an item once the mouse leaves the drag threshold.
#include "controls/editors/lists/ListBox.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/ResourceStrings.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCanvas;
class TcxCustomGridController;
class TcxCustomGridHitTest;
class TcxCustomGridView;
class TcxPageControl;
class TcxTabSheet;
class TcxTimer;

ZORVY_RESOURCESTRING(scxGridCustomizationFormCaption, "Customization");

class TcxCustomGridCustomizationForm : public TForm {
    ZORVY_CLASS(TcxCustomGridCustomizationForm, TForm)
  public:
    using TCreateOwner = TcxCustomGridController;
    // Call Initialize once the object is complete, so that the most derived class builds its controls.
    explicit TcxCustomGridCustomizationForm(TcxCustomGridController* controller);
    ~TcxCustomGridCustomizationForm() override;
    void Initialize();

    TcxCustomGridController* GetController() const { return controller_; }
    TcxCustomGridView* GetGridView() const;
    TcxPageControl* GetPageControl() const { return pageControl_; }
    TcxTimer* GetHookTimer() const { return hookTimer_.get(); }
    // The margin between the client edge and the page control.
    int GetOffset() const { return offset_; }
    bool IsDestroying() const { return destroying_; }
    TcxTabSheet* AddPage(const std::string& caption, bool visible);
    // Nothing when the sheet's tab is hidden.
    void ActivatePage(TcxTabSheet* sheet);

    virtual void CalculateConsts();
    virtual void CreateControls();
    virtual void RefreshData() {}
    virtual void GetContentBounds(TRect& r);
    virtual void GetPageControlBounds(TRect& r) { GetContentBounds(r); }
    virtual void InitPageControl() {}
    virtual void RefreshItems() {}

  protected:
    void CreateParams(TCreateParams& params) override;
    void DoShow() override;
    void DoClose(TCloseAction& action) override;

  private:
    void HookTimerFired();

    TcxCustomGridController* controller_;
    std::unique_ptr<TcxTimer> hookTimer_;
    int offset_ = 0;
    TcxPageControl* pageControl_ = nullptr;
    bool destroying_ = false;
};

class TcxCustomGridItemsListBox;

// The window list inside an items list box: sorted, owner-drawn at fixed height, framed by a one-pixel
// sunken edge when the look draws thin header borders. A press on a line followed by a move out of
// the drag threshold starts the view's drag of that line's item.
class TcxCustomGridItemsInnerListBox : public TcxInnerListBox {
    ZORVY_CLASS(TcxCustomGridItemsInnerListBox, TcxInnerListBox)
  public:
    explicit TcxCustomGridItemsInnerListBox(TComponent* owner);
    TcxCustomGridItemsListBox* GetItemsListBox() const;
    int GetDragAndDropItemIndex() const { return dragAndDropItemIndex_; }
    void UpdateBorder();

    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void HandleLookAndFeelChange() override;
    void Dispatch(TMessage& m) override;

  private:
    void StartItemDrag(TPoint p);

    int dragAndDropItemIndex_ = -1;
    // Looks with thin header borders frame the list with a one-pixel sunken edge of its own.
    bool thinFrame_ = true;
    TPoint mouseDownPos_{};
};

class TcxCustomGridItemsListBox : public TcxListBox {
    ZORVY_CLASS(TcxCustomGridItemsListBox, TcxListBox)
  public:
    // The owner is the customization form.
    explicit TcxCustomGridItemsListBox(TcxCustomGridCustomizationForm* form);
    TcxCustomGridCustomizationForm* GetCustomizationForm() const { return form_; }
    TcxCustomGridView* GetGridView() const { return form_->GetGridView(); }
    TcxCustomGridItemsInnerListBox* GetItemsInnerListBox() const;
    // The object of the line pressed for a drag; nil when none is.
    TObject* GetDragAndDropItemObject() const;

    virtual int CalcItemHeight() = 0;
    // Describes the pressed line's item; its class names the drag object.
    virtual TcxCustomGridHitTest* CreateDragHitTest() = 0;
    virtual void PaintItem(TcxCanvas* canvas, const TRect& r, int index, bool focused) = 0;
    virtual void RefreshItems();

  private:
    TcxCustomGridCustomizationForm* form_;
};

} // namespace zorvy
